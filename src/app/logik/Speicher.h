// The variable memory without the window: reading one value cell into its
// table entry and deriving the reciprocal on the other side.
#ifndef QUORVEL_APP_LOGIK_SPEICHER_H
#define QUORVEL_APP_LOGIK_SPEICHER_H

#include <string>
#include <string_view>

#include "ZKZahl.h"

// Reads the value cell text of one side into `eigen` and sets `anderer` to
// its reciprocal; returns the text for the other side's value cell:
// - a readable non-zero value: the reciprocal in exponential form;
// - zero: "ERROR", and the reciprocal becomes undefined (a non-finite value),
//   so a formula using it cannot silently take an old one;
// - an empty cell: both entries return to zero (a deleted value must not live
//   on in formulas), the other cell empty;
// - unreadable text (also longer than 79 characters): both entries stay, the
//   other cell empty.
std::string SpeicherZeileBerechnen(std::string_view text, int zahlenFormat, ZKZahl& eigen,
                                   ZKZahl& anderer);

// True for a cell that counts as empty (no text or only blanks).
bool SpeicherZelleLeer(std::string_view text);

#endif
