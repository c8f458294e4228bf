// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the two forms, and the reciprocal 1/X.
#include "app/MainQuorvel.h"
#include "logik/Umrechnung.h"

namespace {

using Umformung = bool (*)(std::string_view, int, std::string&, ZKZahl*);

// Unreadable text stays as the user typed it; only the focus shows that
// nothing happened. The result's text stands for the value computed.
void Forme(TForm1& f, Umformung umformung) {
  TEdit* edit = f.Wandel_KE_EK_Edit;
  std::string ergebnis;
  ZKZahl wert;
  if (!umformung(NachAnsi(edit->text()), f.Zustand.ZahlenFormat, ergebnis, &wert)) {
    edit->setFocus();
    return;
  }
  edit->setText(AusAnsi(ergebnis));
  f.ZeigtWert(Ort::Wandeln, 0, 0, edit->text(), wert);
  // Long component forms do not fit: show the start, where the sign is.
  edit->setCursorPosition(0);
}

}  // namespace

void TForm1::Wandeln_EK_KE_ButtonClick() {
  Forme(*this, &WandleForm);
}

void TForm1::Kehrwert_ButtonClick() {
  Forme(*this, &BildeKehrwert);
}

// Enter presses no button here: the edit is a scratch field, and a number
// dropped into it should not change before the user chooses what to do.
void TForm1::Wandel_KE_EK_EditKeyPress(QChar& Key) {
  if (Key == QLatin1Char('.')) Key = QLatin1Char(',');
}
