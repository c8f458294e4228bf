// SPDX-License-Identifier: GPL-3.0-or-later
// Sums of long doubles kept to about twice the working precision, for
// residuals that nearly cancel: the solver's error bound and refinement,
// and the fast solve's refinement.
#ifndef QUORVEL_SOLVER_GENAUESUMME_H
#define QUORVEL_SOLVER_GENAUESUMME_H

#include <cmath>

// Error-free transformations (Dekker, Knuth): the exact sum and product of
// two long doubles as a rounded value plus its rounding error.
inline void ZweiSumme(long double a, long double b, long double& s, long double& fehler) {
  s = a + b;
  const long double z = s - a;
  fehler = (a - (s - z)) + (b - z);
}

inline void ZweiProdukt(long double a, long double b, long double& p, long double& fehler) {
  constexpr long double kTeiler = 4294967297.0L;  // 2^32 + 1 splits a 64-bit mantissa
  const long double ta = kTeiler * a, tb = kTeiler * b;
  const long double ah = ta - (ta - a), al = a - ah;
  const long double bh = tb - (tb - b), bl = b - bh;
  p = a * b;
  fehler = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

// A sum of long doubles and products kept with its rounding errors, so that
// a residual that nearly cancels is still right to almost all its digits;
// Terme() is the sum of the terms' magnitudes, what its own rounding is
// measured against.
class GenaueSumme {
 public:
  void Plus(long double a) {
    Addiere(a, 0.0L);
    terme_ += std::fabs(a);
  }
  void PlusProdukt(long double a, long double b) {
    long double p = 0.0L, fehler = 0.0L;
    ZweiProdukt(a, b, p, fehler);
    Addiere(p, fehler);
    terme_ += std::fabs(p);
  }
  long double Wert() const { return summe_ + fehler_; }
  long double Terme() const { return terme_; }

 private:
  void Addiere(long double wert, long double wertFehler) {
    long double s = 0.0L, fehler = 0.0L;
    ZweiSumme(summe_, wert, s, fehler);
    summe_ = s;
    fehler_ += fehler + wertFehler;
  }
  long double summe_ = 0.0L;
  long double fehler_ = 0.0L;
  long double terme_ = 0.0L;
};

#endif
