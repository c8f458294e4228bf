// SPDX-License-Identifier: GPL-3.0-or-later
// Copying shown values through the clipboard. Other programs get the text
// as it is shown; beside it, under the type application/x-quorvel-wert, the
// clipboard carries the full value behind each cell of that text, so that
// a paste into Quorvel keeps the number and not only its ten digits.
//
// That type's data is UTF-8 text shaped as the plain text: one line per
// row, cells separated by tabs, each cell the lossless text of its value
// (complex/ZKGenau.h) or empty where the cell has none.
#ifndef QUORVEL_APP_ZWISCHENABLAGE_H
#define QUORVEL_APP_ZWISCHENABLAGE_H

#include <QString>
#include <optional>
#include <vector>

#include "complex/ZKZahl.h"

inline constexpr const char* kWertMime = "application/x-quorvel-wert";

struct KopierZelle {
  QString text;
  std::optional<ZKZahl> wert;
};
// Rows of cells.
using KopierBlock = std::vector<std::vector<KopierZelle>>;

// Every copy of shown values goes through here: one cell, or a block.
void KopiereInZwischenablage(const KopierBlock& block);
void KopiereInZwischenablage(const QString& text, const std::optional<ZKZahl>& wert);

// The values beside the clipboard's text, row by row and cell by cell as
// the text's lines and tabs lie (a line break at its end does not count);
// empty when it carries none or they do not fit its text.
std::vector<std::vector<std::optional<ZKZahl>>> WerteInZwischenablage();
// The value of a clipboard that holds one cell.
std::optional<ZKZahl> WertInZwischenablage();

// Whether two texts are the same number text, whatever decimal separator
// each uses and whatever control characters a paste dropped.
bool GleicherZahlText(const QString& a, const QString& b);

#endif
