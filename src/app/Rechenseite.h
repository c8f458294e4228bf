// SPDX-License-Identifier: GPL-3.0-or-later
// The second page: the reactance calculators XL = 2*pi*f*L and
// XC = 1/(2*pi*f*C), the formula field over complex numbers and the memory
// variables, and the angle calculator. Its edits and labels show the
// model's fields (modell/Rechenfelder.h) and set them; the angle grid views
// the model's angle calculator.
#ifndef QUORVEL_APP_RECHENSEITE_H
#define QUORVEL_APP_RECHENSEITE_H

#include <QWidget>
#include <memory>

#include "app/Modellansicht.h"
#include "modell/Rechenfelder.h"

namespace Ui {
class Rechenseite;
}

class TRechenseite : public QWidget, public Modellansicht {
  Q_OBJECT

 public:
  explicit TRechenseite(QWidget* eltern = nullptr);
  ~TRechenseite() override;

 signals:
  // A click on the XL calculator's box: the matrix page applies its
  // dimension again (a behaviour of the original design).
  void DimensionAnwendenVerlangt();

 private slots:
  void istGleichXL_ButtonClick();
  void istGleichXC_ButtonClick();
  void C_f_XL_RadioButtonClick(QObject* Sender);
  void C_f_XC_RadioButtonClick(QObject* Sender);
  void ist_gleich_ButtonClick();
  void Beispiel_BitBtnClick();
  void Loesche_Rechenfeld_ButtonClick();

 private:
  void VerbindeModell() override;
  struct Rechner;
  Rechner RechnerFuer(Blindrechner::Art art) const;
  void VerbindeRechner(const Rechner& r);
  void ZeigeRechner(const Rechner& r);
  void Berechne(const Rechner& r);
  void WaehleGesucht(const Rechner& r, QObject* sender);
  void ZeigeFormel();

  std::unique_ptr<Ui::Rechenseite> ui_;
};

#endif
