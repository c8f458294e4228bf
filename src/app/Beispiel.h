// SPDX-License-Identifier: GPL-3.0-or-later
// The example window: one memo that the example tasks fill and show.
#ifndef QUORVEL_APP_BEISPIEL_H
#define QUORVEL_APP_BEISPIEL_H

#include "forms/Formular.h"
#include "forms/Steuerelemente.h"
#include "ui_Beispielfenster.h"

// The memo is the Designer form's member Beispiel_Memo (src/app/ui).
class TForm2 : public TForm, public Ui::Beispielfenster {
  Q_OBJECT

 public:
  TForm2();

  // Shows the window in front, active. A hidden window first goes beside
  // the main window where the screen has room for it there, so that the
  // user sees the known solution next to the computed one.
  void ZeigeNeben(const QWidget* hauptfenster);
};

#endif
