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

// Reads the fields in the given order; stops at the first rejected one.
bool LiesFelder(const std::string_view texte[3], const char* const einheiten[3],
                std::initializer_list<Feld> reihenfolge, long double werte[3], BlindErgebnis& e) {
  for (const Feld f : reihenfolge) {
    if (!GroesseLesen(texte[f], einheiten[f], werte[f])) {
      e.art = BlindErgebnis::Eingabefehler;
      e.fehlerFeld = f;
      return false;
    }
  }
  return true;
}

// The first of the given fields whose value is zero, if any: dividing by it
// would give no number.
bool NullFeld(const long double werte[3], std::initializer_list<Feld> felder, BlindErgebnis& e) {
  for (const Feld f : felder) {
    if (werte[f] == 0.0L) {
      e.art = BlindErgebnis::DivisionDurchNull;
      e.fehlerFeld = f;
      return true;
    }
  }
  return false;
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
  BlindErgebnis e;
  e.gesucht = gesucht;
  long double w[3] = {0.0L, 0.0L, 0.0L};
  const char* const* einheiten = kEinheiten[0];
  switch (gesucht) {
    case FeldBlindwiderstand:
      if (!LiesFelder(texte, einheiten, {FeldGroesse, FeldFrequenz}, w, e)) return e;
      w[FeldBlindwiderstand] = ((ZweiPi() * w[FeldFrequenz]) * w[FeldGroesse]);
      break;
    case FeldGroesse:
      if (!LiesFelder(texte, einheiten, {FeldFrequenz, FeldBlindwiderstand}, w, e)) return e;
      if (NullFeld(w, {FeldFrequenz}, e)) return e;
      w[FeldGroesse] = w[FeldBlindwiderstand] / (ZweiPi() * w[FeldFrequenz]);
      break;
    case FeldFrequenz:
      if (!LiesFelder(texte, einheiten, {FeldGroesse, FeldBlindwiderstand}, w, e)) return e;
      if (NullFeld(w, {FeldGroesse}, e)) return e;
      w[FeldFrequenz] = w[FeldBlindwiderstand] / (ZweiPi() * w[FeldGroesse]);
      break;
  }
  e.text = RealAlsText(w[gesucht], zahlenFormat);
  e.zeiger.SetzeXL(w[FeldGroesse], w[FeldFrequenz]);
  return e;
}

BlindErgebnis BerechneXC(Feld gesucht, const std::string_view texte[3], int zahlenFormat) {
  BlindErgebnis e;
  e.gesucht = gesucht;
  long double w[3] = {0.0L, 0.0L, 0.0L};
  const char* const* einheiten = kEinheiten[1];
  switch (gesucht) {
    case FeldBlindwiderstand:
      if (!LiesFelder(texte, einheiten, {FeldGroesse, FeldFrequenz}, w, e)) return e;
      if (NullFeld(w, {FeldGroesse, FeldFrequenz}, e)) return e;
      w[FeldBlindwiderstand] = 1.0L / ((ZweiPi() * w[FeldFrequenz]) * w[FeldGroesse]);
      break;
    case FeldGroesse:
      if (!LiesFelder(texte, einheiten, {FeldFrequenz, FeldBlindwiderstand}, w, e)) return e;
      if (NullFeld(w, {FeldFrequenz, FeldBlindwiderstand}, e)) return e;
      w[FeldGroesse] = 1.0L / ((ZweiPi() * w[FeldBlindwiderstand]) * w[FeldFrequenz]);
      break;
    case FeldFrequenz:
      if (!LiesFelder(texte, einheiten, {FeldGroesse, FeldBlindwiderstand}, w, e)) return e;
      if (NullFeld(w, {FeldGroesse, FeldBlindwiderstand}, e)) return e;
      w[FeldFrequenz] = 1.0L / ((ZweiPi() * w[FeldGroesse]) * w[FeldBlindwiderstand]);
      break;
  }
  e.text = RealAlsText(w[gesucht], zahlenFormat);
  e.zeiger.SetzeXC(w[FeldGroesse], w[FeldFrequenz]);
  return e;
}
