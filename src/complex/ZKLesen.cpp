// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZKLesen.h"

#include <locale.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "complex/Ansi.h"

namespace {

bool IstZiffer(char c) {
  return c >= '0' && c <= '9';
}

// strtod in the "C" locale, independent of the process locale.
locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

constexpr const char* kMarkePlus = "*e^+j";
constexpr const char* kMarkeMinus = "*e^-j";
constexpr const char* kMarke = "*e^j";

bool BeginntMit(const char* text, const char* praefix) {
  return std::strncmp(text, praefix, std::strlen(praefix)) == 0;
}

// Reads an optional number that must end the text. An empty rest gives
// `leer`; a rest that is no number, or does not reach the end, fails.
bool LiesRestZahl(const char* p, long double leer, long double& wert) {
  if (*p == '\0') {
    wert = leer;
    return true;
  }
  double x = 0.0;
  const char* ende = LiesZahl(p, x);
  if (ende == p || *ende != '\0') return false;
  wert = x;
  return true;
}

}  // namespace

const char* LiesZahl(const char* p, double& wert) {
  // Find the extent of a number in C syntax first, so that nothing beyond it
  // (hexadecimal, "inf", "nan") can be taken by strtod.
  const char* q = p;
  if (*q == '+' || *q == '-') ++q;
  const char* ziffernAnfang = q;
  while (IstZiffer(*q)) ++q;
  bool ziffern = q != ziffernAnfang;
  if (*q == '.') {
    ++q;
    const char* bruchAnfang = q;
    while (IstZiffer(*q)) ++q;
    ziffern = ziffern || q != bruchAnfang;
  }
  if (!ziffern) return p;
  if (*q == 'e' || *q == 'E') {
    const char* e = q + 1;
    if (*e == '+' || *e == '-') ++e;
    if (IstZiffer(*e)) {
      while (IstZiffer(*e)) ++e;
      q = e;
    }
  }
  const std::size_t laenge = static_cast<std::size_t>(q - p);
  char kopie[kZellPuffer];
  if (laenge >= sizeof kopie) return p;
  std::memcpy(kopie, p, laenge);
  kopie[laenge] = '\0';
  errno = 0;
  char* ende = nullptr;
  const double x = strtod_l(kopie, &ende, CLocale());
  if (ende != kopie + laenge) return p;
  if (errno == ERANGE && std::isinf(x)) return p;
  wert = x;
  return q;
}

void EntferneLeerzeichen(char* text) {
  char* ziel = text;
  for (const char* p = text; *p != '\0'; ++p) {
    if (*p != ' ') *ziel++ = *p;
  }
  *ziel = '\0';
}

void KommaNachPunkt(char* text) {
  for (char* p = text; *p != '\0'; ++p) {
    if (*p == ',') *p = '.';
  }
}

bool LiesExponentialform(char* text, long double& betrag, long double& winkel) {
  const char* marke = nullptr;
  long double vorzeichen = 1.0L;
  std::size_t markenLaenge = 0;
  if ((marke = std::strstr(text, kMarkePlus)) != nullptr) {
    markenLaenge = 5;
  } else if ((marke = std::strstr(text, kMarkeMinus)) != nullptr) {
    markenLaenge = 5;
    vorzeichen = -1.0L;
  } else if ((marke = std::strstr(text, kMarke)) != nullptr) {
    markenLaenge = 4;
  } else if ((marke = std::strchr(text, kWinkelzeichen)) != nullptr) {
    markenLaenge = 1;
  } else {
    return false;
  }
  // The magnitude must start the text and end exactly at the marker:
  // anything in between would be silently dropped otherwise.
  double r = 0.0;
  const char* ende = LiesZahl(text, r);
  if (ende == text || ende != marke) return false;
  long double phi = 0.0L;
  const char* rest = marke + markenLaenge;
  if (*marke == kWinkelzeichen) {
    // After the angle sign the degree sign may follow the angle: 230∠-30°.
    double x = 0.0;
    const char* hinter = LiesZahl(rest, x);
    if (hinter != rest && *hinter == kGradzeichen && hinter[1] == '\0') {
      betrag = r;
      winkel = x;
      return true;
    }
  }
  if (!LiesRestZahl(rest, 0.0L, phi)) return false;
  betrag = r;
  winkel = vorzeichen * phi;
  return true;
}

bool LiesKomponentenform(const char* text, long double& real, long double& imaginaer) {
  double a = 0.0;
  const char* p = LiesZahl(text, a);
  if (p == text) return false;
  long double vorzeichen = 1.0L;
  if (*p == 'j') {
    p += 1;
  } else if (BeginntMit(p, "+j")) {
    p += 2;
  } else if (BeginntMit(p, "-j")) {
    p += 2;
    vorzeichen = -1.0L;
  } else {
    return false;
  }
  // A bare "j" is j1 everywhere in the program, so "3+j" is 3 + j1.
  long double b = 0.0L;
  if (!LiesRestZahl(p, 1.0L, b)) return false;
  real = a;
  imaginaer = vorzeichen * b;
  return true;
}

bool LiesReell(const char* text, long double& real) {
  double x = 0.0;
  const char* ende = LiesZahl(text, x);
  if (ende == text || *ende != '\0') return false;
  real = x;
  return true;
}

bool LiesImaginaer(char* text, long double& imaginaer) {
  long double vorzeichen = 1.0L;
  const char* rest = nullptr;
  if (BeginntMit(text, "+j")) {
    rest = text + 2;
  } else if (text[0] == 'j') {
    rest = text + 1;
  } else if (BeginntMit(text, "-j")) {
    rest = text + 2;
    vorzeichen = -1.0L;
  } else {
    return false;
  }
  long double b = 0.0L;
  if (!LiesRestZahl(rest, 1.0L, b)) return false;
  imaginaer = vorzeichen * b;
  return true;
}

ZKForm LiesZKZahl(std::string_view text, ZKZahl& z, std::size_t puffer) {
  char arbeit[kZellPuffer];
  if (puffer > sizeof arbeit) puffer = sizeof arbeit;
  if (text.size() + 1 > puffer) return ZKForm::Keine;
  if (text.find('\0') != std::string_view::npos) return ZKForm::Keine;
  std::memcpy(arbeit, text.data(), text.size());
  arbeit[text.size()] = '\0';
  EntferneLeerzeichen(arbeit);
  KommaNachPunkt(arbeit);
  long double x = 0.0L;
  long double y = 0.0L;
  if (LiesExponentialform(arbeit, x, y)) {
    z.SetzePolar(x, y);
    return ZKForm::Exponential;
  }
  if (LiesKomponentenform(arbeit, x, y)) {
    z.SetzeKartesisch(x, y);
    return ZKForm::Komponenten;
  }
  if (LiesReell(arbeit, x)) {
    z.SetzeKartesisch(x, 0.0L);
    return ZKForm::Reell;
  }
  if (LiesImaginaer(arbeit, y)) {
    z.SetzeKartesisch(0.0L, y);
    return ZKForm::Imaginaer;
  }
  return ZKForm::Keine;
}
