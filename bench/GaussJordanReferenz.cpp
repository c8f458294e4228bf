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
#include <random>

namespace {

using Komplex = std::complex<long double>;
constexpr int kGroesse = 21;
using System = std::array<std::array<Komplex, kGroesse>, kGroesse>;

// The same level-3 system as the solver benchmark (seed 4711, rows 1..n,
// column 0 the right-hand side), built with the library's polar form.
System BeispielSystem(int n) {
  std::mt19937 zufall(4711);
  auto betrag = [&] {
    unsigned b;
    do b = zufall() % 100;
    while (b <= 10);
    return static_cast<long double>(b);
  };
  constexpr long double kGrad = 3.14159265358979323846264338327950288L / 180.0L;
  System m{};
  for (int s = 1; s <= n; ++s) {
    for (int k = 1; k <= n; ++k) {
      const long double bx = betrag();
      const Komplex x = std::polar(bx, (static_cast<long double>(zufall() % 90) - 45.0L) * kGrad);
      const long double ba = betrag();
      m[s][k] = std::polar(ba, static_cast<long double>(zufall() % 90) * kGrad);
      m[s][0] += m[s][k] * x;
    }
  }
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
  const System eingabe = BeispielSystem(n);
  for (auto _ : state) {
    System a = eingabe;
    Loese(a, n);
    benchmark::DoNotOptimize(a);
  }
}
BENCHMARK(BM_GaussJordanReferenz)->Arg(5)->Arg(10)->Arg(20)->Unit(benchmark::kMicrosecond);
