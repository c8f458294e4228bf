// SPDX-License-Identifier: GPL-3.0-or-later
// The strip below the notebook: the variable memory K1..K20 with the
// reciprocals G1..G20, the conversion field and the display format. Its
// grids view the model's memory; the conversion edit and the format
// buttons show the model's and set it.
#ifndef QUORVEL_APP_SPEICHERLEISTE_H
#define QUORVEL_APP_SPEICHERLEISTE_H

#include <QPoint>
#include <memory>

#include "app/Modellansicht.h"
#include "forms/Steuerelemente.h"

namespace Ui {
class Speicher;
}

class TSpeicherleiste : public TGroupBox, public Modellansicht {
  Q_OBJECT

 public:
  explicit TSpeicherleiste(QWidget* eltern = nullptr);
  ~TSpeicherleiste() override;

  // The cell of the last mouse press in the K grid (what a double click
  // reads); -1 off every cell.
  QPoint KlickZelle() const { return {klickSpalte_, klickZeile_}; }

 private slots:
  void Variablen_StringGridDblClick();
  void Variablen_StringGridTopLeftChanged();
  void G_Variablen_StringGridTopLeftChanged();
  void ClearVarSpeicher_ButtonClick();
  void Wandeln_EK_KE_ButtonClick();
  void Kehrwert_ButtonClick();
  void ZahlenFormat_RadioButtonClick();

 private:
  void VerbindeModell() override;
  void ZeigeWandeln();
  void ZeigeFormat();

  std::unique_ptr<Ui::Speicher> ui_;
  int klickSpalte_ = 0, klickZeile_ = 0;
};

#endif
