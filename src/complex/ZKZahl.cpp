// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZKZahl.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

struct Konstanten {
  long double pi;
  long double gradNachRad;
  long double radNachGrad;
};

const Konstanten& K() {
  static const Konstanten k = [] {
    Konstanten c{};
    c.pi = std::acos(-1.0L);
    c.gradNachRad = c.pi * (1.0L / 180.0L);
    c.radNachGrad = 180.0L / c.pi;
    return c;
  }();
  return k;
}

// Cosine and sine of an angle in degrees (a quarter turn q = 90) or gon
// (q = 100). The angle is first reduced exactly in its own unit,
// phi = q k + rest with |rest| <= q/2 (exact in binary floating point), so
// every multiple of a quarter turn has an exact zero part, and sincosl sees
// only |x| up to about pi/4, where it needs no reduction of its own (glibc's
// general one costs more than the sine itself). `rest` tells the caller which
// part is the exact zero.
struct Einheitswerte {
  long double kosinus;
  long double sinus;
  long double rest;
  bool ungerade;  // k odd: the cosine comes from the sine of rest
};

// The quadrant below is read from the significand of an x87 extended value.
static_assert(std::numeric_limits<long double>::digits == 64);

// Inlined as it was before it served two units: it sits on the path of every
// polar value.
template <int kViertel>
[[gnu::always_inline]] inline Einheitswerte EinheitsKreis(long double phi, long double einheitNachRad) {
  constexpr long double viertel = kViertel;
  long double rest;
  long long k;
  // Beyond 2^62 the quotient no longer fits; remquol is exact everywhere and
  // passes infinities and NaN on as NaN, as sincosl would.
  if (std::fabs(phi) < 0x1p62L) {
    // The quotient rounded as llrint rounds it (to nearest, ties to even),
    // without its library call: beside 1.5 * 2^63 the sum keeps no bits
    // below the units, so it holds the rounded quotient exactly, and the low
    // bits of its 64-bit significand are that quotient modulo 4, all the
    // quadrant needs.
    constexpr long double kRunder = 0x1.8p63L;
    const long double summe = phi * (1.0L / viertel) + kRunder;
    rest = phi - (summe - kRunder) * viertel;
    std::uint64_t signifikand = 0;
    std::memcpy(&signifikand, &summe, sizeof signifikand);
    k = static_cast<long long>(signifikand & 3U);
  } else {
    int quotient = 0;
    rest = std::remquo(phi, viertel, &quotient);
    k = quotient;
  }
  long double s = 0.0L;
  long double c = 0.0L;
  if (std::fabs(rest) == viertel / 2) {
    // Equal parts at the odd multiples of an eighth turn, whatever the
    // rounding of pi/4.
    static const long double kWurzelHalb = std::sqrt(0.5L);
    c = kWurzelHalb;
    s = std::copysign(kWurzelHalb, rest);
  } else {
    sincosl(rest * einheitNachRad, &s, &c);
  }
  switch (((k % 4) + 4) % 4) {
    case 0:
      return {c, s, rest, false};
    case 1:
      return {-s, c, rest, true};
    case 2:
      return {-c, -s, rest, false};
    default:
      return {s, -c, rest, true};
  }
}

}  // namespace

void SinusKosinusGrad(long double grad, long double& sinus, long double& kosinus) {
  const Einheitswerte e = EinheitsKreis<90>(grad, K().gradNachRad);
  sinus = e.sinus;
  kosinus = e.kosinus;
}

void SinusKosinusGon(long double gon, long double& sinus, long double& kosinus) {
  static const long double kGonNachRad = K().pi * (1.0L / 200.0L);
  const Einheitswerte e = EinheitsKreis<100>(gon, kGonNachRad);
  sinus = e.sinus;
  kosinus = e.kosinus;
}

long double ZK_Pi() {
  return K().pi;
}
long double ZK_GradNachRad() {
  return K().gradNachRad;
}
long double ZK_RadNachGrad() {
  return K().radNachGrad;
}

void ZKZahl::Loeschen() {
  Realteil = 0.0L;
  Imaginaerteil = 0.0L;
  Betrag = 0.0L;
  Winkel = 0.0L;
}

void ZKZahl::KartesischNachPolar() {
  const long double a = Realteil;
  const long double b = Imaginaerteil;
  if (a == 0.0L && b == 0.0L) {
    Loeschen();
    return;
  }
  Betrag = std::sqrt(a * a + b * b);
  // One-argument arctangent plus 180 in the left half-plane: the shown angles
  // run from just above -90 to 270, not from -180 to 180.
  if (a > 0.0L) {
    Winkel = std::atan(b / a) * K().radNachGrad;
  } else if (a < 0.0L) {
    Winkel = std::atan(b / a) * K().radNachGrad + 180.0L;
  } else if (b > 0.0L) {
    Winkel = 90.0L;
  } else if (b < 0.0L) {
    Winkel = 270.0L;
  } else {
    // Only reachable with a not-a-number part; keep it visible as such.
    Winkel = b;
  }
}

void ZKZahl::PolarNachKartesisch() {
  const Einheitswerte e = EinheitsKreis<90>(Winkel, K().gradNachRad);
  // At a multiple of 90 (other than 0, which keeps the plain product as it
  // always had) the part that comes from the sine of rest is an exact +0.
  const bool achse = e.rest == 0.0L && Winkel != 0.0L;
  Realteil = (achse && e.ungerade) ? 0.0L : e.kosinus * Betrag;
  Imaginaerteil = (achse && !e.ungerade) ? 0.0L : e.sinus * Betrag;
}

void ZKZahl::SetzePolar(long double r, long double phi) {
  Betrag = std::fabs(r);
  Winkel = (r >= 0.0L) ? phi : phi + 180.0L;
  PolarNachKartesisch();
}

void ZKZahl::SetzeKartesisch(long double a, long double b) {
  Realteil = a;
  Imaginaerteil = b;
  KartesischNachPolar();
}

void ZKZahl::SetzeXL(long double L, long double f) {
  Betrag = std::fabs(L) * (f * (K().pi * 2.0L));
  if (L > 0.0L) {
    Winkel = 90.0L;
  } else if (L < 0.0L) {
    Winkel = 270.0L;
  } else {
    Betrag = 0.0L;
    Winkel = 0.0L;
  }
  PolarNachKartesisch();
}

void ZKZahl::SetzeXC(long double C, long double f) {
  if (C == 0.0L) {
    Betrag = 0.0L;
    Winkel = 0.0L;
  } else {
    Betrag = 1.0L / (std::fabs(C) * (f * (K().pi * 2.0L)));
    Winkel = (C > 0.0L) ? -90.0L : 90.0L;
  }
  PolarNachKartesisch();
}

ZKZahl& ZKZahl::operator+=(const ZKZahl& w) {
  Realteil += w.Realteil;
  Imaginaerteil += w.Imaginaerteil;
  KartesischNachPolar();
  return *this;
}

ZKZahl& ZKZahl::operator-=(const ZKZahl& w) {
  Realteil -= w.Realteil;
  Imaginaerteil -= w.Imaginaerteil;
  KartesischNachPolar();
  return *this;
}

ZKZahl& ZKZahl::operator*=(const ZKZahl& w) {
  Betrag *= w.Betrag;
  Winkel += w.Winkel;
  PolarNachKartesisch();
  return *this;
}

ZKZahl& ZKZahl::operator/=(const ZKZahl& w) {
  Betrag = Betrag / w.Betrag;
  if (Betrag == 0.0L) {
    Winkel = 0.0L;
  } else {
    Winkel -= w.Winkel;
  }
  PolarNachKartesisch();
  return *this;
}

bool ZKZahl::IstEndlich() const {
  return std::isfinite(Realteil) && std::isfinite(Imaginaerteil) && std::isfinite(Betrag) &&
         std::isfinite(Winkel);
}

ZKZahl operator-(const ZKZahl& a, const ZKZahl& b) {
  ZKZahl e;
  e.Realteil = a.Realteil - b.Realteil;
  e.Imaginaerteil = a.Imaginaerteil - b.Imaginaerteil;
  e.KartesischNachPolar();
  return e;
}

ZKZahl operator*(const ZKZahl& a, const ZKZahl& b) {
  ZKZahl e;
  e.Betrag = a.Betrag * b.Betrag;
  e.Winkel = a.Winkel + b.Winkel;
  e.PolarNachKartesisch();
  return e;
}

ZKZahl operator/(const long double& x, const ZKZahl& w) {
  ZKZahl e;
  e.Betrag = x / w.Betrag;
  e.Winkel = -w.Winkel;
  e.PolarNachKartesisch();
  return e;
}

bool operator!=(const ZKZahl& a, const ZKZahl& b) {
  return a.Realteil != b.Realteil || a.Imaginaerteil != b.Imaginaerteil;
}

ZKMatrix::ZKMatrix(int zeilen, int spalten)
    : zeilen_(zeilen > 0 ? zeilen : 0),
      spalten_(spalten > 0 ? static_cast<std::size_t>(spalten) : 0),
      werte_(static_cast<std::size_t>(zeilen_) * spalten_) {}

ZKMatrix ErzeugeMatrix(int zeilen, int spalten) {
  return ZKMatrix(zeilen, spalten);
}
