// SPDX-License-Identifier: GPL-3.0-or-later
// Reference for the solver benchmark: the same Gauss-Jordan elimination in the
// same order of operations (normalise the pivot row, eliminate below, then
// above, right-hand side first), over std::complex<long double> with no
// polar form and no arrangement search. The ratio of the "=" path at the same
// n to this, in one run, shows what the solver's two representations and
// texts cost; it is what the machine's noise does not move.
#include <benchmark/benchmark.h>

#include <array>
#include <complex>

#include "Messsystem.h"

namespace {

using Komplex = std::complex<long double>;
constexpr int kGroesse = 21;
using System = std::array<std::array<Komplex, kGroesse>, kGroesse>;

// The solver benchmark's system, its cartesian parts only.
System AlsKomplex(const ZKMatrix& quelle, int n) {
  System m{};
  for (int s = 1; s <= n; ++s)
    for (int k = 0; k <= n; ++k)
      m[s][k] = Komplex(quelle[s][k].Realteil, quelle[s][k].Imaginaerteil);
  return m;
}

void Loese(System& a, int n) {
  for (int s = 1; s <= n; ++s) {
    const Komplex p = a[s][s];
    for (int c = 0; c <= n; ++c) {
      if (a[s][c] != Komplex()) a[s][c] /= p;
    }
    for (int r = s + 1; r <= n; ++r) {
      const Komplex f = a[r][s];
      a[r][0] -= a[s][0] * f;
      for (int c = s; c <= n; ++c) a[r][c] -= a[s][c] * f;
    }
  }
  for (int s = n; s >= 1; --s) {
    for (int r = s - 1; r >= 1; --r) {
      const Komplex f = a[r][s];
      a[r][0] -= a[s][0] * f;
      for (int c = n; c >= 1; --c) a[r][c] -= a[s][c] * f;
    }
  }
}

}  // namespace

static void BM_GaussJordanReferenz(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const System eingabe = AlsKomplex(BeispielSystem(n), n);
  for (auto _ : state) {
    System a = eingabe;
    Loese(a, n);
    benchmark::DoNotOptimize(a);
  }
}
BENCHMARK(BM_GaussJordanReferenz)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);
