// SPDX-License-Identifier: GPL-3.0-or-later
// The angle calculator: one row typed, all others derived.
#include "app/MainQuorvel.h"
#include "logik/Winkelwerte.h"

void TForm1::Winkel_StringGridSetEditText(int /*ACol*/, int ARow, const QString& /*Value*/) {
  // The cell is read back through the grid: this handler may already have
  // rewritten it once in this keystroke.
  TStringGrid* g = Winkel_StringGrid;
  // The calculator reads a decimal comma only; typing simply goes on.
  g->ErsterPunktZuKomma(1, ARow);
  const QString text = g->Cells(1, ARow);
  const WinkelTexte t = WinkelZeileBerechnen(ARow, NachAnsi(text));
  if (t.eingabeErsetzt) g->SetCell(1, ARow, AusAnsi(t.eingabe));
  for (int i = 0; i < kWinkelZeilen; ++i)
    if (i != ARow) g->SetCell(1, i, AusAnsi(t.zeilen[static_cast<std::size_t>(i)]));
}

// Every key goes to the cell editor unfiltered: the point is turned into a
// comma after the fact, in the set-edit-text handler.
void TForm1::Winkel_StringGridKeyPress(QChar& /*Key*/) {}
