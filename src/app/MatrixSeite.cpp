// SPDX-License-Identifier: GPL-3.0-or-later
// The matrix page: dimension, coefficient grid, solving, clearing.
#include <algorithm>

#include "app/MainQuorvel.h"
#include "app/RechenwegFenster.h"
#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "forms/Anwendung.h"
#include "solver/GleichungsLoeser.h"

void TForm1::LoescheErgebnisse() {
  for (int r = 1; r < KxWerte_StringGrid->RowCount(); ++r) {
    KxWerte_StringGrid->SetCell(1, r, QString());
    KxWerte_StringGrid->SetCell(2, r, QString());
  }
}

bool TForm1::LiesDimension(int& n) {
  const QString text = AnzahlMatrix_Edit->text();
  bool ok = false;
  n = text.trimmed().toInt(&ok);
  if (ok) return true;
  TApplication::MessageBox(
      QStringLiteral("„%1“ ist keine gültige ganze Zahl für die Dimension.").arg(text),
      QStringLiteral("Falscheingabe!"), MB_OK);
  return false;
}

void TForm1::AnzahlMatrix_EditKeyPress(QChar& Key) {
  if (!(Key >= QLatin1Char('0') && Key <= QLatin1Char('9')) && Key != QChar(8)) Key = QChar(0);
}

void TForm1::AnzahlMatrix_EditChange() {
  // An exercise's dimension is its task's (the box on page 2 runs this too).
  if (UebungAktiv()) {
    AnzahlMatrix_Edit->setText(QString::number(Zustand.DimMatrix));
    AnzahlMatrix_UpDown->SetPosition(Zustand.DimMatrix);
    return;
  }
  if (AnzahlMatrix_Edit->text().isEmpty()) {
    AnzahlMatrix_UpDown->SetPosition(Zustand.DimMatrix);
    return;
  }
  int n = 0;
  if (!LiesDimension(n)) return;
  Zustand.DimMatrix = std::clamp(n, 1, 20);
  // Raises this handler again at once when the text changes (clamped value,
  // leading zeros); that run finishes first and leaves the same state.
  AnzahlMatrix_Edit->setText(QString::number(Zustand.DimMatrix));
  WendeDimensionAn();
  AnzahlMatrix_UpDown->SetPosition(Zustand.DimMatrix);
}

void TForm1::AnzahlMatrix_UpDownClick(bool /*aufwaerts*/) {
  if (UebungAktiv()) {
    AnzahlMatrix_UpDown->SetPosition(Zustand.DimMatrix);
    return;
  }
  Zustand.DimMatrix = AnzahlMatrix_UpDown->Position();
  AnzahlMatrix_Edit->setText(QString::number(Zustand.DimMatrix));
  WendeDimensionAn();
}

void TForm1::WendeDimensionAn() {
  LoescheErgebnisse();
  MatrixTab_StringGrid->SetRowCount(Zustand.DimMatrix + 1);
  MatrixTab_StringGrid->SetColCount(Zustand.DimMatrix + 2);
  KxWerte_StringGrid->SetRowCount(Zustand.DimMatrix + 1);
  SetzeMatrixKopf(Zustand.DimMatrix);
}

void TForm1::Berechnen_BitBtnClick() {
  if (UebungAktiv()) return;  // would show the hidden solution
  int n = 0;
  if (!LiesDimension(n)) return;
  n = std::clamp(n, 1, 20);  // the grids and the input table hold no more
  GleichungsLoeser loeser;
  Zustand.DimMatrix = n;
  KxWerte_StringGrid->SetRowCount(n + 1);
  loeser.SetzeDimension(n);

  TStringGrid* grid = MatrixTab_StringGrid;
  grid->SetTopRow(1);
  grid->SetLeftCol(1);
  for (int r = 1; r < grid->RowCount(); ++r) {
    for (int c = 1; c < grid->ColCount(); ++c) {
      ZKZahl z;
      // A pasted result counts with its full value; other texts are read.
      // Texts longer than the working buffer are bad cells, never cut.
      if (const std::optional<ZKZahl> voll = Zellwert(grid, c, r)) {
        z = *voll;
      } else if (LiesZKZahl(NachAnsi(grid->Cells(c, r)), z, kZellPuffer) == ZKForm::Keine) {
        grid->SetTopRow(r);
        grid->SetLeftCol(c);
        TApplication::MessageBox(
            QStringLiteral("Fehlerhafte Eingabe in Zelle( %1 , %2 )").arg(r).arg(c),
            QStringLiteral("Falscheingabe!"), MB_OK);
        grid->SetCol(c);
        grid->SetRow(r);
        grid->setFocus();
        return;
      }
      Zustand.Eingabematrix[r][c - 1] = z;
    }
  }

  loeser.UebernehmeMatrix(n, n, Zustand.Eingabematrix);
  // Recording costs a quarter of the solve at n = 20: only an open
  // Rechenweg window pays it; otherwise it is taken when the window opens.
  const bool aufzeichnen = Rechenweg_Fenster && Rechenweg_Fenster->isVisible();
  loeser.SetzeRechenweg(aufzeichnen ? &LetzterRechenweg : nullptr);
  if (!aufzeichnen) LetzterRechenweg.Leeren();
  LetzteDimension = n;
  LetzteEingabe = Zustand.Eingabematrix;
  const LoeseStatus status = loeser.Loese();
  const std::vector<ZKZahl>& x = loeser.Loesung();
  for (std::size_t i = 0; i < x.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    SetzeText(KxWerte_StringGrid, 1, r, AusAnsi(ExponentialText(x[i], Zustand.ZahlenFormat)), x[i]);
    SetzeText(KxWerte_StringGrid, 2, r, AusAnsi(KomponentenText(x[i], Zustand.ZahlenFormat)), x[i]);
  }
  RechenwegNachfuehren();
  if (status != Geloest) {
    LoescheErgebnisse();
    TApplication::MessageBox(
        status == SchlechtKonditioniert
            ? QStringLiteral("Das Gleichungssystem ist schlecht konditioniert; die Lösung ist "
                             "nicht genau bestimmbar.")
            : QStringLiteral("Das Gleichungssystem hat keine eindeutige Lösung."),
        QStringLiteral("Achtung!"), MB_OK);
  }
}

void TForm1::Clear_Tabelle_ButtonClick() {
  if (UebungAktiv()) return;  // the exercise's task
  if (TApplication::MessageBox(QStringLiteral("Wollen Sie wirklich die Tabelle Löschen?"),
                               QStringLiteral("Achtung!"), MB_YESNO) != IDYES)
    return;
  for (int r = 1; r < MatrixTab_StringGrid->RowCount(); ++r)
    for (int c = 1; c < MatrixTab_StringGrid->ColCount(); ++c)
      MatrixTab_StringGrid->SetCell(c, r, QString());
  LoescheErgebnisse();
}

void TForm1::MatrixTab_StringGridKeyPress(QChar& Key) {
  if (Key == QChar(27)) MatrixTab_StringGrid->SetEditorMode(false);
}

// Runs after every change in a cell's editor, whatever key made it (typing,
// Backspace, Delete, paste, undo): the shown solution no longer belongs to
// the matrix. Keys that only move through the grid keep it.
void TForm1::MatrixTab_StringGridSetEditText(int ACol, int ARow, const QString& /*Value*/) {
  LoescheErgebnisse();
  MatrixTab_StringGrid->ErsterPunktZuKomma(ACol, ARow);
}

void TForm1::KxWerte_StringGridKeyDown(int& Key) {
  if (UebungAktiv()) return;  // the student types the answers here
  if (Key != Qt::Key_Left && Key != Qt::Key_Up && Key != Qt::Key_Right && Key != Qt::Key_Down)
    Key = 0;
}

void TForm1::KxWerte_StringGridKeyPress(QChar& Key) {
  if (UebungAktiv()) return;
  Key = QChar(0);
}
