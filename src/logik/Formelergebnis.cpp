// SPDX-License-Identifier: GPL-3.0-or-later
#include "Formelergebnis.h"

#include <cstring>

#include "complex/Ansi.h"
#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "formula/FormelRechner.h"

namespace {

const Rechenbeispiel kBeispiele[kAnzahlBeispiele] = {
    {"3*7+5-3*100+8:2*(((3+4)*7+3)*(5+2))+24", {}},
    {"3+j+4+j5", {}},
    {"((7+3*9)+(5-7*3+5/4)*(10-6))*100.0", {}},
    {"4.0*e^j20 * 3.0*e^j40 : 2.0*e^j50", {}},
    {"(2.828427125+j2.828427125) : 4*e^j37", {}},
    {" 10:(6:3+12:4)+50", {}},
    {" 10+(6:3+12:4):50", {}},
    {"2*(3-4*(5+4):3)", {}},
    {"1:(1:100+1:247+1:560)", {}},
    {"1:(G1+G2+G3)",
     {{1, "100", QT_TRANSLATE_NOOP("Formelergebnis", "R1 Ohmscher Widerstand")},
      {2, "247", QT_TRANSLATE_NOOP("Formelergebnis", "R2 Ohmscher Widerstand")},
      {3, "560", QT_TRANSLATE_NOOP("Formelergebnis", "R3 Ohmscher Widerstand")}}},
    {"K1+K2+K3",
     {{1, "12,0*e^j36,869", "I1=12A  cosPhi2=0,8"},
      {2, "8,5*e^j49,458", "I2=8,5A cosPhi2=0,65"},
      {3, "10*e^j41,410", "I3=10A cosPhi3=0,75"}}},
    {"K1+K2+1:(G3+1:(K4+K5))",
     {{1, "50", QT_TRANSLATE_NOOP("Formelergebnis", "R1 Ohmscher Widerstand")},
      {2, "60*e^-j90", QT_TRANSLATE_NOOP("Formelergebnis", "Xc1 Kapazitiver Widerstand")},
      {3, "50*e^j90", QT_TRANSLATE_NOOP("Formelergebnis", "Xl1 Induktiver Widerstand")},
      {4, "30", QT_TRANSLATE_NOOP("Formelergebnis", "R2 Ohmscher Widerstand")},
      {5, "75*e^j90", QT_TRANSLATE_NOOP("Formelergebnis", "Xl2 Induktiver Widerstand")}}},
    {"-3256.7-23.6*7.4+302.0/4.0+455.0-7.3-(4.0+7.0*3.0)-4.2*(((5.0+7.0*5.0)-21.0/7.0)+4.0)+6.0*"
     "7.0*8.0/3.0+3.0*2.0*12.0/4.0+6.0-7.0+5.0*3.0-4.0/(3.0+1.0*2.0)+121.0*7.0*3.0-45.0",
     {}},
    {"(4+j3)*(-4+j2)", {}},
};

}  // namespace

const Rechenbeispiel& Beispielformel(int n) {
  if (n < 1) n = 1;
  if (n > kAnzahlBeispiele) n = kAnzahlBeispiele;
  return kBeispiele[n - 1];
}

std::string Formelmeldung(const char* meldung) {
  return Utf8NachAnsi(sprache::Tr("Formelergebnis", meldung));
}

std::string Beispielkommentar(const SpeicherBeispiel& zeile) {
  return Utf8NachAnsi(sprache::Tr("Formelergebnis", zeile.kommentar));
}

std::string Rechenfehlertext(const Rechenfehler& fehler) {
  switch (fehler.art) {
    case Rechenfehler::Art::Keiner:
      return {};
    case Rechenfehler::Art::KomplexerExponent:
      return Formelmeldung(kKomplexerExponent);
    case Rechenfehler::Art::DivisionDurchNull:
      return Formelmeldung(kNichtDefiniert);
    case Rechenfehler::Art::VariableOhneWert:
      break;
  }
  const std::string nummer = std::to_string(fehler.nummer);
  // The cell to correct is named; the one the formula used only if it differs.
  std::string text = sprache::Fuelle(
      sprache::Tr("Formelergebnis", "%1 enthält keine lesbare Zahl."), {fehler.zelle + nummer});
  if (fehler.variable != fehler.zelle) {
    text = sprache::Fuelle(sprache::Tr("Formelergebnis", "%1 hat keinen Wert: %2"),
                           {fehler.variable + nummer, text});
  }
  return Utf8NachAnsi(text);
}

std::string RechenfeldErgebnis(FormelRechner& rechner, std::string_view formel, int zahlenFormat) {
  return BerechneFormel(rechner, formel, zahlenFormat).text;
}

Formelwert BerechneFormel(FormelRechner& rechner, std::string_view formel, int zahlenFormat,
                          std::span<const Festwert> festwerte) {
  const auto nurText = [](std::string text) {
    Formelwert f;
    f.text = std::move(text);
    return f;
  };
  char arbeit[kZellPuffer];
  if (formel.size() + 1 > sizeof arbeit || formel.find('\0') != std::string_view::npos) {
    return nurText(Formelmeldung(kFormelfehler));
  }
  std::memcpy(arbeit, formel.data(), formel.size());
  arbeit[formel.size()] = '\0';
  // Commas become points in place: the pasted parts keep their places.
  KommaNachPunkt(arbeit);
  const int status = rechner.Uebersetzen(arbeit, festwerte);
  if (status == KeinFehler) {
    const ZKZahl wert = rechner.Auswerten();
    if (rechner.Fehler().art != Rechenfehler::Art::Keiner)
      return nurText(Rechenfehlertext(rechner.Fehler()));
    if (!wert.IstEndlich()) return nurText(Formelmeldung(kNichtDefiniert));
    return {ExponentialText(wert, zahlenFormat) + kTrenner + KomponentenText(wert, zahlenFormat),
            true, wert};
  }
  return nurText(Formelmeldung(status == Klammerfehler ? kKlammerfehler : kFormelfehler));
}
