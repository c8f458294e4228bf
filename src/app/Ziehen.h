// SPDX-License-Identifier: GPL-3.0-or-later
// Right-button drag and drop between the shown values and the input
// places, and the clipboard paths that carry the same texts with the values
// behind them (Zwischenablage.h).
//
// Every control that takes part is tagged with its place (Ort, see
// modell/Modell.h). Which place's drag may be dropped where, and what the
// drop does, stands once in a table keyed by the two places; how a press on
// each source behaves stands in a second one. A drop calls the model's
// setter for the target: the pages show what the model then holds.
//
// The left button never drags; on the grids it switches editor mode on,
// unless it chose a block of cells. The keyboard's way for every drag:
// Ctrl+C on a source, or its "Kopieren" menu (menu key, Shift+F10; the
// labels' also on a right click that stays on them), puts on the clipboard
// the text a drag from there would carry and the value behind it; Ctrl+V
// on a target is typing that text (the value kept where the text arrives
// whole).
#ifndef QUORVEL_APP_ZIEHEN_H
#define QUORVEL_APP_ZIEHEN_H

#include <QString>
#include <optional>

#include "complex/ZKZahl.h"
#include "modell/Modell.h"

class QWidget;
class TEdit;
class TStringGrid;
class TSteuerung;

enum class Folge {
  Nein,       // the target refuses the drag
  Nichts,     // accepted, but the drop changes nothing
  Kopie,      // the target receives the carried text
  Anhaengen,  // the carried text is appended to the target's text
};
Folge Ziehregel(Ort ziel, Ort quelle);

// The place a control is; the rules read it from a drag's source.
void SetzeOrt(QWidget* w, Ort ort);
std::optional<Ort> OrtVon(const QWidget* w);

// The text a drag from this source carries (a grid's cell, or a label's or
// the conversion edit's whole text, cut as the source's rule says), and the
// full value behind it; Ctrl+C copies the same.
QString GetragenerText(const QWidget* quelle, int spalte = 0, int zeile = 0);
std::optional<ZKZahl> GetragenerWert(const Modell& m, const QWidget* quelle, int spalte = 0,
                                     int zeile = 0);
// Whether a drag from `quelle` may end on `ziel` (an exercise's task takes
// nothing).
bool NimmtAn(const Modell& m, Ort ziel, const QWidget* quelle);

// Tags the control and makes it a source and a target of the rules: a
// press starts a drag, a drag passing asks the table, a drop calls the
// model's setter. Also Ctrl+C and the "Kopieren" menus of a source, and for
// the input grids and the formula the value behind a pasted copy.
void VerbindeZiehen(Modell& m, TSteuerung* s, Ort ort);

#endif
