// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: five notebook pages above the variable memory, the menu
// bar and the status bar, around one model of everything the program holds.
//
// How data flows:
//
//   a control's text --page's handler--> a setter of the model (Modell and
//   its parts: Gleichungssystem, Variablenspeicher, the fields of page 2)
//   --src/logik, src/solver, src/formula--> new texts and values in the
//   model --the part's signal--> the pages that show them.
//
// The grids view the model's tables directly; the edits and labels show
// its fields and write typed text back. Input errors end as a text in the
// result field or cell, or as a message box the page shows; the controls
// keep what the user typed.
//
// A shown result is text rounded to ten digits; the model keeps the number
// behind it. A drag or Ctrl+C carries it with the text (Ziehen.h), the place
// it is dropped or pasted into keeps it, and the model computes with it
// until the text is edited.
//
// Each page is a class of its own with its own form (Matrixseite.h,
// Rechenseite.h, Anleitungsseite.h, Zeigerdiagramm.h, Schaltungsseite.h,
// Speicherleiste.h);
// this window owns the model and the file commands (Dateien.h), hands the
// model to the pages, and connects the few requests between them.
#ifndef QUORVEL_APP_MAINQUORVEL_H
#define QUORVEL_APP_MAINQUORVEL_H

#include <memory>

#include "forms/Formular.h"
#include "modell/Modell.h"

class TForm2;
namespace Ui {
class Hauptfenster;
}

class TForm1 : public TForm {
  Q_OBJECT

 public:
  TForm1();
  ~TForm1() override;

  // Everything the window shows and computes.
  Modell& Zustand() { return modell_; }
  // The example window; set by the entry point after both windows exist.
  void SetzeBeispielfenster(TForm2* beispiel);

 private slots:
  // Escape leaves every grid's editor so that a right-button press reaches
  // the cells for dragging.
  void FormKeyPress();

 private:
  void ZeigeAnleitung();
  // Hilfe → Sprache / Language: the choice is kept for the next start.
  void BaueSprachmenue();
  void WaehleSprache(const QString& sprache);

  Modell modell_;
  std::unique_ptr<Ui::Hauptfenster> ui_;
};

#endif
