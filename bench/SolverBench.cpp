// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "complex/ZKText.h"
#include "solver/GleichungsLoeser.h"
#include "solver/Rechenweg.h"

namespace {

// A level-3 example system (complex coefficients and solution), as the
// example generator makes them, in rows 1..n of the 25 x 25 input table.
ZKMatrix BeispielSystem(int n) {
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

}  // namespace

// What one press of "=" costs: a fresh solver at full capacity, the hand-over,
// the solve and both texts of every unknown.
static void BM_GleichungssystemLoesen(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const ZKMatrix eingabe = BeispielSystem(n);
  std::size_t zeichen = 0;
  for (auto _ : state) {
    GleichungsLoeser l;
    l.SetzeDimension(n);
    l.UebernehmeMatrix(n, n, eingabe);
    benchmark::DoNotOptimize(l.Loese());
    for (const ZKZahl& x : l.Loesung())
      zeichen += ExponentialText(x, General).size() + KomponentenText(x, General).size();
  }
  benchmark::DoNotOptimize(zeichen);
}
BENCHMARK(BM_GleichungssystemLoesen)
    ->Arg(1)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Unit(benchmark::kMicrosecond);

// The solve with every step recorded, as while the Rechenweg window is open;
// "MitText" also turns the record into the window's text, "Aufgezeichnet"
// is what recording alone adds to "=".
static void BM_GleichungssystemMitRechenweg(benchmark::State& state, bool mitText) {
  const int n = static_cast<int>(state.range(0));
  const ZKMatrix eingabe = BeispielSystem(n);
  Rechenweg weg;
  for (auto _ : state) {
    GleichungsLoeser l;
    l.SetzeRechenweg(&weg);
    l.SetzeDimension(n);
    l.UebernehmeMatrix(n, n, eingabe);
    benchmark::DoNotOptimize(l.Loese());
    if (mitText) benchmark::DoNotOptimize(RechenwegText(weg, General).size());
  }
}
BENCHMARK_CAPTURE(BM_GleichungssystemMitRechenweg, MitText, true)
    ->Arg(1)
    ->Arg(5)
    ->Arg(10)
    ->Arg(20)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_GleichungssystemMitRechenweg, Aufgezeichnet, false)
    ->Arg(5)
    ->Arg(20)
    ->Unit(benchmark::kMicrosecond);

// The share of the allocation of both 101 x 101 tables in the above.
static void BM_LoeserErzeugen(benchmark::State& state) {
  for (auto _ : state) {
    GleichungsLoeser l;
    benchmark::DoNotOptimize(l.Dimension());
  }
}
BENCHMARK(BM_LoeserErzeugen)->Unit(benchmark::kMicrosecond);
