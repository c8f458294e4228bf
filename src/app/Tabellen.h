// SPDX-License-Identifier: GPL-3.0-or-later
// Tables from and to a spreadsheet: a block of tab- and line-separated
// values pasted into the coefficient grid or the memory, and several
// selected cells of the coefficient grid, the memory or the result grid
// copied as such lines. A single cell keeps the grids' own copy and paste.
// The values behind copied results travel with the block (Zwischenablage.h).
#ifndef QUORVEL_APP_TABELLEN_H
#define QUORVEL_APP_TABELLEN_H

#include "app/Zwischenablage.h"
#include "modell/Modell.h"

class TStringGrid;

// Several selected cells as lines of tab-separated cells (the result grid:
// the rows they touch, with the unknown's name); empty when fewer than two
// cells are selected (Ctrl+C then copies the current cell, Ziehen.h).
KopierBlock Auswahlblock(const Modell& m, const TStringGrid* g, Ort ort);
// A block pasted from the current cell as if typed there: into the matrix
// (the dimension grows if the block needs it) or the memory.
void VerbindeBlockeinfuegen(Modell& m, TStringGrid* g, Ort ort);

#endif
