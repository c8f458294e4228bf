// SPDX-License-Identifier: GPL-3.0-or-later
#include "Barrierefreiheit.h"

#include <QCoreApplication>
#include <QToolButton>

#include "ui_Matrixseite.h"

void RichteBarrierefreiheitDerMatrixseiteEin(Ui::Matrixseite& u) {
  u.AnzahlMatrix_UpDown->setAccessibleName(
      QCoreApplication::translate("Barrierefreiheit", "Dimension ändern"));
  u.AnzahlMatrix_UpDown->Ab()->setAccessibleName(
      QCoreApplication::translate("Barrierefreiheit", "Dimension verringern"));
  u.AnzahlMatrix_UpDown->Auf()->setAccessibleName(
      QCoreApplication::translate("Barrierefreiheit", "Dimension erhöhen"));
  // Spoken titles where the header shows abbreviations or misspellings.
  for (int r = 1; r <= 20; ++r)
    u.MatrixTab_StringGrid->SetZeilenTitel(
        r, QCoreApplication::translate("Barrierefreiheit", "Gleichung %1").arg(r));
  for (int r = 1; r <= 21; ++r)
    u.KxWerte_StringGrid->SetZeilenTitel(r, QStringLiteral("X%1").arg(r));
  u.MatrixTab_StringGrid->SetSpaltenTitel(
      1, QCoreApplication::translate("Barrierefreiheit", "Ergebnis, rechte Seite"));
  u.KxWerte_StringGrid->SetSpaltenTitel(
      1, QCoreApplication::translate("Barrierefreiheit", "Ergebnis Exponentialform"));
  u.KxWerte_StringGrid->SetSpaltenTitel(
      2, QCoreApplication::translate("Barrierefreiheit", "Ergebnis Komponentenform"));

  // The page as it is read: matrix, dimension, "=", results, buttons. The
  // arrow buttons are the up-down's own parts, which a form cannot name.
  QWidget* const kFolge[] = {u.MatrixTab_StringGrid,      u.AnzahlMatrix_Edit,
                             u.AnzahlMatrix_UpDown->Ab(), u.AnzahlMatrix_UpDown->Auf(),
                             u.Berechnen_BitBtn,          u.KxWerte_StringGrid,
                             u.Clear_Tabelle_Button,      u.BeispielAufgaben_BitBtn};
  for (std::size_t i = 1; i < std::size(kFolge); ++i)
    QWidget::setTabOrder(kFolge[i - 1], kFolge[i]);
}
