// SPDX-License-Identifier: GPL-3.0-or-later
// The example window: one memo that explains the example tasks.
#ifndef QUORVEL_APP_BEISPIEL_H
#define QUORVEL_APP_BEISPIEL_H

#include <QStringList>
#include <memory>

#include "forms/Formular.h"

namespace Ui {
class Beispielfenster;
}

class TForm2 : public TForm {
  Q_OBJECT

 public:
  TForm2();
  ~TForm2() override;

  // The memo's lines.
  QStringList Zeilen() const;
  // An example task: the window's title and the memo's lines anew.
  void ZeigeBeispiel(const QString& titel, const QStringList& zeilen);
  // Lines added below the memo's (the solution, once shown).
  void HaengeAn(const QStringList& zeilen);

  // Shows the window in front, active. A hidden window first goes beside
  // the main window where the screen has room for it there, so that the
  // user sees the known solution next to the computed one.
  void ZeigeNeben(const QWidget* hauptfenster);

 private:
  std::unique_ptr<Ui::Beispielfenster> ui_;
};

#endif
