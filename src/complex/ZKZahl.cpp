#include "ZKZahl.h"

#include <cmath>

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

}  // namespace

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
  const long double rho = Winkel * K().gradNachRad;
  const long double betragWinkel = std::fabs(Winkel);
  // glibc's sincosl gives the same bits as sinl and cosl apart, in about
  // half the time; the solver spends most of its time here.
  long double sinus = 0.0L;
  long double kosinus = 0.0L;
  sincosl(rho, &sinus, &kosinus);
  // Only these four magnitudes are snapped; 450 or -540 go through cos/sin.
  if (betragWinkel == 90.0L || betragWinkel == 270.0L) {
    Realteil = 0.0L;
  } else {
    Realteil = kosinus * Betrag;
  }
  if (betragWinkel == 180.0L || betragWinkel == 360.0L) {
    Imaginaerteil = 0.0L;
  } else {
    Imaginaerteil = sinus * Betrag;
  }
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
