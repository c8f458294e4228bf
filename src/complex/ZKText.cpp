// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZKText.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "complex/Ansi.h"
#include "sprache/Uebersetzung.h"

namespace {

// Words for values that are no numbers, so the user never reads "inf"/"nan";
// in the program's language, as the number texts' bytes.
std::string Unendlich() {
  return Utf8NachAnsi(sprache::Tr("ZKText", "unendlich"));
}
std::string Undefiniert() {
  return Utf8NachAnsi(sprache::Tr("ZKText", "undefiniert"));
}

// A positive finite value rounded to p significant digits: digits d1..dp
// and the decimal exponent of d1.
struct Gerundet {
  char ziffern[32];
  int anzahl;
  int exponent;
};

// Keeps the caller's rounding mode whatever happens inside.
class Rundungsmodus {
 public:
  Rundungsmodus() : alt_(std::fegetround()) {}
  ~Rundungsmodus() { std::fesetround(alt_); }
  Rundungsmodus(const Rundungsmodus&) = delete;
  Rundungsmodus& operator=(const Rundungsmodus&) = delete;
  void Setze(int modus) { std::fesetround(modus); }

 private:
  int alt_;
};

// Prints x (> 0) with `stellen` significant digits in the given rounding mode
// and splits the result into digits and exponent. glibc prints the exact
// binary value and honours the rounding mode.
void Drucke(long double x, int stellen, int modus, Rundungsmodus& r, Gerundet& g) {
  char puffer[64];
  r.Setze(modus);
  std::snprintf(puffer, sizeof puffer, "%.*Le", stellen - 1, x);
  g.anzahl = 0;
  const char* p = puffer;
  for (; *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') g.ziffern[g.anzahl++] = *p;
  }
  g.ziffern[g.anzahl] = '\0';
  g.exponent = std::atoi(p + 1);
}

// The exact decimal exponent of x (> 0): the exponent of its leading digit.
int DezimalExponent(long double x) {
  Rundungsmodus r;
  Gerundet g{};
  Drucke(x, 2, FE_TOWARDZERO, r, g);
  return g.exponent;
}

// Rounds x (> 0, finite) once to p (1..20) significant digits; a value exactly
// half-way rounds away from zero.
Gerundet RundeSignifikant(long double x, int p) {
  Rundungsmodus r;
  Gerundet abgeschnitten{};
  Drucke(x, p + 1, FE_TOWARDZERO, r, abgeschnitten);
  if (abgeschnitten.ziffern[p] == '5') {
    Gerundet aufgerundet{};
    Drucke(x, p + 1, FE_UPWARD, r, aufgerundet);
    if (std::strcmp(abgeschnitten.ziffern, aufgerundet.ziffern) == 0 &&
        abgeschnitten.exponent == aufgerundet.exponent) {
      // An exact tie: take the p digits and add one unit in the last place.
      Gerundet g = abgeschnitten;
      g.anzahl = p;
      g.ziffern[p] = '\0';
      int i = p - 1;
      while (i >= 0 && g.ziffern[i] == '9') {
        g.ziffern[i] = '0';
        --i;
      }
      if (i >= 0) {
        ++g.ziffern[i];
      } else {
        g.ziffern[0] = '1';
        g.exponent += 1;
      }
      return g;
    }
  }
  Gerundet g{};
  Drucke(x, p, FE_TONEAREST, r, g);
  return g;
}

std::string OhneEndnullen(const char* ziffern, int von, int bis) {
  while (bis > von && ziffern[bis - 1] == '0') --bis;
  return std::string(ziffern + von, ziffern + bis);
}

std::string ExponentText(int e, bool plus) {
  std::string s = "E";
  if (e < 0) {
    s += '-';
  } else if (plus) {
    s += '+';
  }
  const int a = std::abs(e);
  if (a < 10) s += '0';
  s += std::to_string(a);
  return s;
}

bool NichtEndlich(long double x, std::string& text) {
  if (std::isnan(x)) {
    text = Undefiniert();
    return true;
  }
  if (std::isinf(x)) {
    text = x < 0 ? "-" + Unendlich() : Unendlich();
    return true;
  }
  return false;
}

// What General10 and Exponent10 share: the words for values that are no
// numbers, the given text for zero, else the sign and the ten significant
// digits of |x|. False when `text` is already the whole text.
bool ZehnStellen(long double x, const char* nullText, std::string& text, Gerundet& g) {
  if (NichtEndlich(x, text)) return false;
  if (x == 0.0L) {
    text = nullText;
    return false;
  }
  if (x < 0.0L) text.push_back('-');
  g = RundeSignifikant(std::fabs(x), 10);
  return true;
}

// "d,ddd" without trailing zeros (just "d" when none is left), then the
// exponent: the scientific form of the general and fixed formats.
std::string Wissenschaftlich(const Gerundet& g, bool plus) {
  std::string text(1, g.ziffern[0]);
  const std::string bruch = OhneEndnullen(g.ziffern, 1, g.anzahl);
  if (!bruch.empty()) text += "," + bruch;
  return text + ExponentText(g.exponent, plus);
}

void KommaZuPunkt(std::string& s) {
  const auto pos = s.find(',');
  if (pos != std::string::npos) s[pos] = '.';
}

}  // namespace

std::string General10(long double x) {
  std::string text;
  Gerundet g{};
  if (!ZehnStellen(x, "0", text, g)) return text;
  const int e = g.exponent;
  if (e < 10 && e >= -5) {
    if (e >= 0) {
      text.append(g.ziffern, g.ziffern + e + 1);
      const std::string bruch = OhneEndnullen(g.ziffern, e + 1, g.anzahl);
      if (!bruch.empty()) text += "," + bruch;
    } else {
      text += "0,";
      text.append(static_cast<std::size_t>(-e - 1), '0');
      text += OhneEndnullen(g.ziffern, 0, g.anzahl);
    }
  } else {
    text += Wissenschaftlich(g, false);
  }
  return text;
}

std::string Exponent10(long double x) {
  std::string text;
  Gerundet g{};
  if (!ZehnStellen(x, "0,000000000E+00", text, g)) return text;
  text += g.ziffern[0];
  text += ',';
  text.append(g.ziffern + 1, g.ziffern + 10);
  text += ExponentText(g.exponent, true);
  return text;
}

std::string Fixed5(long double x, int dezimalen) {
  std::string text;
  if (NichtEndlich(x, text)) return text;
  const std::string nullText = "0," + std::string(static_cast<std::size_t>(dezimalen), '0');
  if (x == 0.0L) return nullText;
  const long double a = std::fabs(x);
  const int e = DezimalExponent(a);
  int p = e + 1 + dezimalen;
  if (p > 5) p = 5;
  Gerundet g{};
  if (p >= 1) {
    g = RundeSignifikant(a, p);
  } else if (p == 0) {
    // Rounding at the place just above the leading digit: up from 5 on.
    Gerundet erste{};
    {
      Rundungsmodus r;
      Drucke(a, 1, FE_TOWARDZERO, r, erste);
    }
    if (erste.ziffern[0] < '5') return nullText;
    g.ziffern[0] = '1';
    g.ziffern[1] = '\0';
    g.anzahl = 1;
    g.exponent = e + 1;
  } else {
    return nullText;
  }
  if (x < 0.0L) text.push_back('-');
  if (g.exponent >= 5) {
    // Beyond five integer digits the fixed format turns scientific.
    return text + Wissenschaftlich(g, true);
  }
  // Place the digits around the decimal comma, padding with zeros.
  std::string ganz;
  std::string bruch;
  for (int stelle = std::max(g.exponent, 0); stelle >= -dezimalen; --stelle) {
    const int index = g.exponent - stelle;
    const char z = (index >= 0 && index < g.anzahl) ? g.ziffern[index] : '0';
    if (stelle >= 0) {
      ganz += z;
    } else {
      bruch += z;
    }
  }
  text += ganz + "," + bruch;
  return text;
}

std::string KomponentenText(const ZKZahl& z, int format) {
  if (format != General && format != Exponent) return {};
  // Each form looks only at its own pair: a huge but finite real part stays
  // a number here even when its magnitude overflowed.
  if (!std::isfinite(z.Realteil) || !std::isfinite(z.Imaginaerteil)) {
    // An infinite part means complex infinity (1/0 has an infinite real part
    // next to the NaN of sin(0) * inf).
    const bool unendlich = std::isinf(z.Realteil) || std::isinf(z.Imaginaerteil);
    return unendlich ? Unendlich() : Undefiniert();
  }
  const long double a = z.Realteil;
  const long double b = z.Imaginaerteil;
  const auto zahl = format == General ? General10 : Exponent10;
  std::string text;
  // General leaves out a zero real part; Exponent always shows it.
  if (a != 0.0L || format == Exponent) text += zahl(a);
  if (b > 0.0L) {
    text += (a != 0.0L) ? "+j" : "j";
    text += zahl(b);
  } else if (b < 0.0L) {
    text += "-j" + zahl(std::fabs(b));
  }
  return text;
}

std::string ExponentialText(const ZKZahl& z, int format) {
  if (format != General && format != Exponent) return {};
  if (!std::isfinite(z.Betrag) || !std::isfinite(z.Winkel)) {
    return std::isinf(z.Betrag) && std::isfinite(z.Winkel) ? Unendlich() : Undefiniert();
  }
  const long double r = z.Betrag;
  const long double phi = z.Winkel;
  std::string text;
  if (format == General) {
    text = General10(r);
    text += (phi >= 0.0L) ? "*e^j" + Fixed52(phi) : "*e^-j" + Fixed52(std::fabs(phi));
  } else {
    text = Exponent10(r);
    KommaZuPunkt(text);
    text += (phi >= 0.0L) ? "*e^j" + Fixed51(phi) : "*e^-j" + Fixed51(std::fabs(phi));
    KommaZuPunkt(text);
  }
  return text;
}
