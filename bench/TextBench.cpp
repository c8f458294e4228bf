// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"

static void BM_BeideTexteGeneral(benchmark::State& state) {
  ZKZahl z;
  z.SetzeKartesisch(3.0L, -4.0L / 3.0L);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ExponentialText(z, General));
    benchmark::DoNotOptimize(KomponentenText(z, General));
  }
}
BENCHMARK(BM_BeideTexteGeneral);

static void BM_LiesZKZahl(benchmark::State& state) {
  ZKZahl z;
  for (auto _ : state) {
    benchmark::DoNotOptimize(LiesZKZahl("5.000000000E+00*e^-j53.1", z));
    benchmark::DoNotOptimize(LiesZKZahl("3,5 + j 4,25", z));
  }
}
BENCHMARK(BM_LiesZKZahl);
