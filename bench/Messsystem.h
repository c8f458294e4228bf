// SPDX-License-Identifier: GPL-3.0-or-later
// The system the solver benchmarks and their plain reference both solve.
#ifndef QUORVEL_BENCH_MESSSYSTEM_H
#define QUORVEL_BENCH_MESSSYSTEM_H

#include <random>

#include "complex/ZKZahl.h"

// A level-3 example system (complex coefficients and solution), as the
// example generator makes them, in rows 1..n of the 25 x 25 input table
// (column 0 the right-hand side).
inline ZKMatrix BeispielSystem(int n) {
  std::mt19937 zufall(4711);
  auto betrag = [&] {
    unsigned b;
    do b = zufall() % 100;
    while (b <= 10);
    return static_cast<long double>(b);
  };
  ZKMatrix m = ErzeugeMatrix(25, 25);
  for (int s = 1; s <= n; ++s) {
    for (int k = 1; k <= n; ++k) {
      ZKZahl x;
      x.SetzePolar(betrag(), static_cast<long double>(zufall() % 90) - 45.0L);
      m[s][k].SetzePolar(betrag(), static_cast<long double>(zufall() % 90));
      m[s][0] += m[s][k] * x;
    }
  }
  return m;
}

#endif
