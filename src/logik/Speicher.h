// SPDX-License-Identifier: GPL-3.0-or-later
// The variable memory without the window: reading one value cell into its
// table entry and deriving the reciprocal on the other side.
#ifndef QUORVEL_LOGIK_SPEICHER_H
#define QUORVEL_LOGIK_SPEICHER_H

#include <optional>
#include <string>
#include <string_view>

#include "formula/FormelRechner.h"

// Reads the value cell text of row n (1..20) of one side into `eigen` and
// sets row n of `anderer` to its reciprocal; returns the text for the other
// side's value cell:
// - a readable non-zero value: the reciprocal in exponential form;
// - zero: "ERROR", and the reciprocal becomes undefined (a non-finite value),
//   so a formula using it cannot silently take an old one;
// - an empty cell, or one of blanks only (it looks empty and reads as the
//   empty text): both entries return to zero, the other cell empty;
// - unreadable text (also longer than 79 characters): the row has no value
//   any more, on either side (a value the user can no longer see must not
//   live on in formulas); it is marked unreadable on this side, the other
//   cell empty.
// A `wert` given stands behind the text (a pasted value with its full
// digits): it is taken as the row's value instead of reading the text.
std::string SpeicherZeileBerechnen(std::string_view text, int zahlenFormat, ZKSpeicher& eigen,
                                   ZKSpeicher& anderer, int n,
                                   const std::optional<ZKZahl>& wert = std::nullopt);

// Row n of both sides becomes zero and readable: the cells were emptied.
void SpeicherZeileLeeren(ZKSpeicher& k, ZKSpeicher& g, int n);

// True for a cell that counts as empty (no text or only blanks).
bool SpeicherZelleLeer(std::string_view text);

#endif
