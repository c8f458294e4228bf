// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "Messsystem.h"
#include "complex/ZKText.h"
#include "solver/GleichungsLoeser.h"
#include "solver/Rechenweg.h"

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
