// SPDX-License-Identifier: GPL-3.0-or-later
// What every page of the main window is: a view of the model. The window
// hands the model over once, after its form is set up; the page then wires
// its controls to the model's setters and signals.
#ifndef QUORVEL_APP_MODELLANSICHT_H
#define QUORVEL_APP_MODELLANSICHT_H

class Modell;

class Modellansicht {
 public:
  virtual ~Modellansicht() = default;
  void SetzeModell(Modell& m) {
    m_ = &m;
    VerbindeModell();
  }

 protected:
  virtual void VerbindeModell() = 0;
  Modell* m_ = nullptr;
};

#endif
