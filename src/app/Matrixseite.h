// SPDX-License-Identifier: GPL-3.0-or-later
// The first page: the equation system's grid, its dimension, "=", the
// results, the example tasks, the Rechenweg window and the exercise mode.
//
// The page views the model's equation system (Gleichungssystem) and its
// results; every button and edit calls the system's setters, and the page
// follows its signals. Its two grids are a large part of the start-up and
// the window opens on another page: the page builds itself when it is
// first shown, and nothing outside it needs to know (the model holds what
// it shows).
#ifndef QUORVEL_APP_MATRIXSEITE_H
#define QUORVEL_APP_MATRIXSEITE_H

#include <QWidget>
#include <memory>

#include "app/Modellansicht.h"

class RechenwegFenster;
class TForm2;
class QCheckBox;
namespace Ui {
class Matrixseite;
}

class TMatrixseite : public QWidget, public Modellansicht {
  Q_OBJECT

 public:
  explicit TMatrixseite(QWidget* eltern = nullptr);
  ~TMatrixseite() override;

  // The example window, whose memo explains each example task.
  void SetzeBeispielfenster(TForm2* beispiel) { beispiel_ = beispiel; }

  // Builds the page now, as its first showing does (for a picture of it
  // or a test that drives its controls before).
  void Baue();

 public slots:
  // What the dimension edit's change does, once more (a click on the
  // reactance calculator's box asks for it): the results go.
  void WendeDimensionErneutAn();

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private slots:
  void AnzahlMatrix_EditChange();
  void AnzahlMatrix_UpDownClick(bool aufwaerts);
  void Berechnen_BitBtnClick();
  void Clear_Tabelle_ButtonClick();
  void KxWerte_StringGridKeyDown(int& Key);
  void KxWerte_StringGridKeyPress(QChar& Key);
  void BeispielAufgaben_BitBtnClick();
  void Rechenweg_BitBtnClick();
  void Uebung_CheckBoxClick();
  void Pruefen_BitBtnClick();
  void LoesungZeigen_BitBtnClick();

 private:
  void VerbindeModell() override;
  void Verbinde();
  // Puts the page's controls where the Tab key found them when the page
  // was built with the window: after the tab bar, before page 2.
  void ReiheEin();
  // The dimension edit's text as a whole number; a message box when it is none.
  bool LiesDimension(int& n);
  void ZeigeDimension();
  void PasseTitelbreitenAn();
  // The chosen cell's derivation in the status bar while the page is shown.
  void ZeigeHerleitung();
  void ZeigeUebung();
  // An open Rechenweg window shows the last solve, or in an exercise why
  // it shows none.
  void RechenwegNachfuehren();

  std::unique_ptr<Ui::Matrixseite> ui_;
  TForm2* beispiel_ = nullptr;
  RechenwegFenster* rechenweg_ = nullptr;
  QString stand_;
  QString herleitung_;  // the derivation the status bar shows
};

#endif
