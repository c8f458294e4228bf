// The example window: one memo that the example tasks fill and show.
#ifndef QUORVEL_APP_BEISPIEL_H
#define QUORVEL_APP_BEISPIEL_H

#include "Formular.h"
#include "Steuerelemente.h"

class TForm2 : public TForm {
 public:
  TForm2();
  TMemo* Beispiel_Memo;
};

#endif
