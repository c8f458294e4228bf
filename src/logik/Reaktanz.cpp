// SPDX-License-Identifier: GPL-3.0-or-later
#include "Reaktanz.h"

#include <cstring>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"

namespace {

struct Vorsatz {
  char zeichen;
  long double faktor;
};

constexpr Vorsatz kVorsatztabelle[] = {{'E', 1e18L}, {'P', 1e15L},  {'T', 1e12L},  {'G', 1e9L},
                                       {'M', 1e6L},  {'k', 1e3L},   {'m', 1e-3L},  {'\xB5', 1e-6L},
                                       {'n', 1e-9L}, {'p', 1e-12L}, {'f', 1e-15L}, {'a', 1e-18L}};

constexpr const char* kEinheiten[2][3] = {{"H", "Hz", "Ohm"}, {"F", "Hz", "Ohm"}};

long double ZweiPi() {
  return ZK_Pi() * 2.0L;
}

// Reads the two given fields (all but the sought one) in the edits' order;
// stops at the first rejected one.
bool LiesGegebene(Feld gesucht, const std::string_view texte[3], const char* const einheiten[3],
                  long double werte[3], BlindErgebnis& e) {
  for (const Feld f : {FeldGroesse, FeldFrequenz, FeldBlindwiderstand}) {
    if (f == gesucht) continue;
    if (!GroesseLesen(texte[f], einheiten[f], werte[f])) {
      e.art = BlindErgebnis::Eingabefehler;
      e.fehlerFeld = f;
      return false;
    }
  }
  return true;
}

// Whether the formula solved for `gesucht` divides by the given field `f`:
// XC = 1/(2*pi*f*C) by every given one, XL = 2*pi*f*L only when solved for L
// or f, and then not by XL.
bool Teilt(bool kapazitiv, Feld gesucht, Feld f) {
  return kapazitiv || (gesucht != FeldBlindwiderstand && f != FeldBlindwiderstand);
}

// XL = 2*pi*f*L, solved for the sought field. The order of the factors is
// kept as it is: the last shown digit depends on each step's rounding.
long double Induktiv(Feld gesucht, const long double w[3]) {
  if (gesucht == FeldBlindwiderstand) return (ZweiPi() * w[FeldFrequenz]) * w[FeldGroesse];
  const Feld anderes = gesucht == FeldGroesse ? FeldFrequenz : FeldGroesse;
  return w[FeldBlindwiderstand] / (ZweiPi() * w[anderes]);
}

// XC = 1/(2*pi*f*C), solved for the sought field.
long double Kapazitiv(Feld gesucht, const long double w[3]) {
  switch (gesucht) {
    case FeldGroesse:
      return 1.0L / ((ZweiPi() * w[FeldBlindwiderstand]) * w[FeldFrequenz]);
    case FeldFrequenz:
      return 1.0L / ((ZweiPi() * w[FeldGroesse]) * w[FeldBlindwiderstand]);
    case FeldBlindwiderstand:
      break;
  }
  return 1.0L / ((ZweiPi() * w[FeldFrequenz]) * w[FeldGroesse]);
}

BlindErgebnis Berechne(bool kapazitiv, Feld gesucht, const std::string_view texte[3],
                       int zahlenFormat) {
  BlindErgebnis e;
  e.gesucht = gesucht;
  long double w[3] = {0.0L, 0.0L, 0.0L};
  if (!LiesGegebene(gesucht, texte, kEinheiten[kapazitiv ? 1 : 0], w, e)) return e;
  // A zero divisor would give no number: its field is named instead.
  for (const Feld f : {FeldGroesse, FeldFrequenz, FeldBlindwiderstand}) {
    if (f != gesucht && w[f] == 0.0L && Teilt(kapazitiv, gesucht, f)) {
      e.art = BlindErgebnis::DivisionDurchNull;
      e.fehlerFeld = f;
      return e;
    }
  }
  w[gesucht] = kapazitiv ? Kapazitiv(gesucht, w) : Induktiv(gesucht, w);
  e.text = RealAlsText(w[gesucht], zahlenFormat);
  if (kapazitiv)
    e.zeiger.SetzeXC(w[FeldGroesse], w[FeldFrequenz]);
  else
    e.zeiger.SetzeXL(w[FeldGroesse], w[FeldFrequenz]);
  return e;
}

}  // namespace

long double VorsatzFaktor(const char*& position) {
  for (const Vorsatz& v : kVorsatztabelle) {
    if (*position == v.zeichen) {
      ++position;
      return v.faktor;
    }
  }
  return 1.0L;
}

bool GroesseLesen(std::string_view text, const char* einheit, long double& wert) {
  wert = 0.0L;
  char arbeit[kZellPuffer];
  if (text.size() + 1 > sizeof arbeit || text.find('\0') != std::string_view::npos) return false;
  std::memcpy(arbeit, text.data(), text.size());
  arbeit[text.size()] = '\0';
  EntferneLeerzeichen(arbeit);
  // Only the first comma is a decimal separator; a second one stays and
  // makes the reading fail.
  if (char* komma = std::strchr(arbeit, ',')) *komma = '.';
  double zahl = 0.0;
  const char* p = LiesZahl(arbeit, zahl);
  const long double faktor = VorsatzFaktor(p);
  if (std::strcmp(p, einheit) == 0) p += std::strlen(p);
  if (*p != '\0') return false;
  wert = static_cast<long double>(zahl) * faktor;
  return true;
}

std::string RealAlsText(long double wert, int zahlenFormat) {
  return zahlenFormat == Exponent ? Exponent10(wert) : General10(wert);
}

BlindErgebnis BerechneXL(Feld gesucht, const std::string_view texte[3], int zahlenFormat) {
  return Berechne(false, gesucht, texte, zahlenFormat);
}

BlindErgebnis BerechneXC(Feld gesucht, const std::string_view texte[3], int zahlenFormat) {
  return Berechne(true, gesucht, texte, zahlenFormat);
}
