// SPDX-License-Identifier: GPL-3.0-or-later
// The example window: one memo that the example tasks fill and show.
#ifndef QUORVEL_APP_BEISPIEL_H
#define QUORVEL_APP_BEISPIEL_H

#include "forms/Formular.h"
#include "forms/Steuerelemente.h"

class TForm2 : public TForm {
  Q_OBJECT

 public:
  TForm2();
  TMemo* Beispiel_Memo;

  // Shows the window in front, active. A hidden window first goes beside
  // the main window where the screen has room for it there, so that the
  // user sees the known solution next to the computed one.
  void ZeigeNeben(const QWidget* hauptfenster);
};

#endif
