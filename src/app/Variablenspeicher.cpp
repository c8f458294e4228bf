// SPDX-License-Identifier: GPL-3.0-or-later
// The variable memory K1..K20 with the reciprocals G1..G20. The side the
// user typed or dropped into keeps its text; the program writes only the
// other side's value cell. Those writes go straight into the cell store and
// raise no set-edit-text event, so no computation runs back the other way.
#include "app/MainQuorvel.h"
#include "forms/Anwendung.h"
#include "logik/Speicher.h"

namespace {

constexpr int kErsteZeile = 1;
constexpr int kLetzteZeile = 20;

bool IstSpeicherZeile(int n) {
  return n >= kErsteZeile && n <= kLetzteZeile;
}

// Row n read from the side typed into (the value behind its text if it has
// one); the other side shows the reciprocal, with its value behind it.
void ZeileBerechnen(TForm1& f, TStringGrid* getippt, ZKSpeicher& eigen, TStringGrid* andere,
                    ZKSpeicher& gegenueber, int n) {
  if (!IstSpeicherZeile(n)) return;
  const std::string text =
      SpeicherZeileBerechnen(NachAnsi(getippt->Cells(1, n)), f.Zustand.ZahlenFormat, eigen,
                             gegenueber, n, f.Zellwert(getippt, 1, n));
  const bool kehrwert = !text.empty() && eigen[static_cast<std::size_t>(n)] != ZKZahl();
  f.SetzeText(andere, 1, n, AusAnsi(text),
              kehrwert ? std::optional(gegenueber[static_cast<std::size_t>(n)]) : std::nullopt);
}

}  // namespace

void TForm1::K_ZeileBerechnen(int n) {
  ZeileBerechnen(*this, Variablen_StringGrid, Zustand.K_VarSpeicher, G_Variablen_StringGrid,
                 Zustand.G_VarSpeicher, n);
}

void TForm1::G_ZeileBerechnen(int n) {
  ZeileBerechnen(*this, G_Variablen_StringGrid, Zustand.G_VarSpeicher, Variablen_StringGrid,
                 Zustand.K_VarSpeicher, n);
}

void TForm1::SpeicherZellenLeeren() {
  for (int r = kErsteZeile; r <= kLetzteZeile; ++r) {
    Variablen_StringGrid->SetCell(1, r, QString());
    Variablen_StringGrid->SetCell(2, r, QString());
    G_Variablen_StringGrid->SetCell(1, r, QString());
    // A deleted value must not live on in formulas.
    SpeicherZeileLeeren(Zustand.K_VarSpeicher, Zustand.G_VarSpeicher, r);
  }
}

// Runs after every keystroke in the cell editor. A comment is never read;
// reading the row again would replace a G value the user typed by the
// reciprocal of its rounded K text.
void TForm1::Variablen_StringGridSetEditText(int ACol, int ARow, const QString& /*Value*/) {
  if (ACol != 1 || !IstSpeicherZeile(ARow)) return;
  Variablen_StringGrid->ErsterPunktZuKomma(1, ARow);
  K_ZeileBerechnen(ARow);
}

void TForm1::G_Variablen_StringGridSetEditText(int /*ACol*/, int ARow, const QString& /*Value*/) {
  if (!IstSpeicherZeile(ARow)) return;
  G_Variablen_StringGrid->ErsterPunktZuKomma(1, ARow);
  G_ZeileBerechnen(ARow);
}

// What a drop takes stands in the drag rules (ZiehenUndAblegen.cpp): only the
// value cells, from any other source; a drag onto its own grid changes nothing.
void TForm1::Variablen_StringGridDragDrop(QWidget* Source, int X, int Y) {
  ZiehenAblegen(Variablen_StringGrid, Source, X, Y);
}

void TForm1::G_Variablen_StringGridDragDrop(QWidget* Source, int X, int Y) {
  ZiehenAblegen(G_Variablen_StringGrid, Source, X, Y);
}

void TForm1::Variablen_StringGridKeyPress(QChar& Key) {
  if (Key == QChar(27)) Variablen_StringGrid->SetEditorMode(false);
}

void TForm1::G_Variablen_StringGridKeyPress(QChar& Key) {
  if (Key == QChar(27)) G_Variablen_StringGrid->SetEditorMode(false);
}

void TForm1::Variablen_StringGridDblClick() {
  // Only a double click on a row title (K1=, K2=, ...) empties the row.
  if (Zustand.KlickSpalte != 0) return;
  const int r = Zustand.KlickZeile;
  Variablen_StringGrid->SetCell(1, r, QString());
  Variablen_StringGrid->SetCell(2, r, QString());
  if (!IstSpeicherZeile(r)) return;
  // The emptied K leaves no reciprocal behind, neither shown nor in formulas.
  G_Variablen_StringGrid->SetCell(1, r, QString());
  SpeicherZeileLeeren(Zustand.K_VarSpeicher, Zustand.G_VarSpeicher, r);
}

// The two grids show the same rows; setting a top row that is already there
// raises no further event, so one exchange ends the coupling.
void TForm1::Variablen_StringGridTopLeftChanged() {
  G_Variablen_StringGrid->SetTopRow(Variablen_StringGrid->TopRow());
}

void TForm1::G_Variablen_StringGridTopLeftChanged() {
  Variablen_StringGrid->SetTopRow(G_Variablen_StringGrid->TopRow());
}

void TForm1::ClearVarSpeicher_ButtonClick() {
  if (TApplication::MessageBox(QStringLiteral("Wollen Sie wirklich alles Löschen?"),
                               QStringLiteral("Achtung!"), MB_YESNO) != IDYES)
    return;
  SpeicherZellenLeeren();
}
