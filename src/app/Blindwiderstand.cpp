// SPDX-License-Identifier: GPL-3.0-or-later
// Reactance calculators XL = 2*pi*f*L and XC = 1/(2*pi*f*C).
//
// Reading and computing live in logik/Blindwiderstand; the handlers here
// only move texts between the edits and that logic, and keep the three
// edits of each calculator in step with its radio buttons.
#include <array>
#include <string>
#include <string_view>

#include "app/MainQuorvel.h"
#include "complex/ZKText.h"
#include "logik/Reaktanz.h"

namespace {

// The three edits of one calculator and its label, in the order of Feld.
struct Rechner {
  std::array<TEdit*, 3> edits;
  std::array<TRadioButton*, 3> wahl;
  TLabel* label;
};

// The sought quantity is the edit whose radio button is checked.
Feld Gesucht(const Rechner& r) {
  for (int i = 0; i < 3; ++i)
    if (r.wahl[static_cast<std::size_t>(i)]->isChecked()) return static_cast<Feld>(i);
  return FeldBlindwiderstand;
}

using Berechnung = BlindErgebnis (*)(Feld, const std::string_view[3], int);

// Returns the value the label shows, if it shows one.
std::optional<ZKZahl> Berechne(const Rechner& r, Berechnung berechnung, int zahlenFormat) {
  std::array<std::string, 3> bytes;
  std::string_view texte[3];
  for (std::size_t i = 0; i < 3; ++i) {
    bytes[i] = NachAnsi(r.edits[i]->text());
    texte[i] = bytes[i];
  }
  const BlindErgebnis e = berechnung(Gesucht(r), texte, zahlenFormat);
  switch (e.art) {
    case BlindErgebnis::Berechnet: {
      TEdit* ziel = r.edits[static_cast<std::size_t>(e.gesucht)];
      ziel->setText(AusAnsi(e.text));
      // A text wider than the edit shows its start: the sign and the
      // leading digits, not a bare exponent.
      ziel->setCursorPosition(0);
      r.label->setText(AusAnsi(ExponentialText(e.zeiger, zahlenFormat)));
      return e.zeiger;
    }
    case BlindErgebnis::Eingabefehler:
      r.label->setText(QStringLiteral("Eingabe Fehler!"));
      break;
    case BlindErgebnis::DivisionDurchNull:
      // No number to show: name the cause and point at the zero.
      r.label->setText(QStringLiteral("Division durch 0!"));
      break;
  }
  r.edits[static_cast<std::size_t>(e.fehlerFeld)]->setFocus();
  return std::nullopt;
}

// The clicked quantity becomes the result field; the former one keeps its
// text so that a computed value serves as input for the next computation.
void WaehleGesucht(const Rechner& r, QObject* sender) {
  std::size_t neu = 0;
  while (neu < 3 && r.wahl[neu] != sender) ++neu;
  if (neu == 3) return;
  r.edits[neu]->clear();
  for (std::size_t i = 0; i < 3; ++i) {
    TEdit* e = r.edits[i];
    const bool ergebnis = i == neu;
    e->setReadOnly(ergebnis);
    SetzeFarbe(e, ergebnis ? kErgebnisGelb : QColor());  // else the palette's own
  }
}

Rechner InduktiverRechner(const TForm1& f) {
  return {{f.L_Edit, f.fL_Edit, f.XL_Edit},
          {f.L_RadioButton, f.fL_RadioButton, f.XL_RadioButton},
          f.XL_Label};
}

Rechner KapazitiverRechner(const TForm1& f) {
  return {{f.C_Edit, f.fC_Edit, f.XC_Edit},
          {f.C_RadioButton, f.fC_RadioButton, f.XC_RadioButton},
          f.XC_Label};
}

// Point becomes comma; Enter computes as the calculator's "=" does.
void Tastenfilter(TButton* istGleich, QChar& key) {
  if (key == QLatin1Char('.'))
    key = QLatin1Char(',');
  else if (key == QChar(13))
    istGleich->click();
}

}  // namespace

void TForm1::istGleichXL_ButtonClick() {
  const auto wert = Berechne(InduktiverRechner(*this), &BerechneXL, Zustand.ZahlenFormat);
  ZeigtWert(Ort::XL, 0, 0, XL_Label->text(), wert);
}

void TForm1::istGleichXC_ButtonClick() {
  const auto wert = Berechne(KapazitiverRechner(*this), &BerechneXC, Zustand.ZahlenFormat);
  ZeigtWert(Ort::XC, 0, 0, XC_Label->text(), wert);
}

void TForm1::C_f_XL_RadioButtonClick(QObject* Sender) {
  WaehleGesucht(InduktiverRechner(*this), Sender);
}

void TForm1::C_f_XC_RadioButtonClick(QObject* Sender) {
  WaehleGesucht(KapazitiverRechner(*this), Sender);
}

void TForm1::L_fL_XL_EditKeyPress(QObject* /*Sender*/, QChar& Key) {
  Tastenfilter(istGleichXL_Button, Key);
}

void TForm1::C_fc_Xc_EditKeyPress(QObject* /*Sender*/, QChar& Key) {
  Tastenfilter(istGleichXC_Button, Key);
}
