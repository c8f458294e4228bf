// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "Leiter.h"
#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"
#include "solver/GleichungsLoeser.h"

namespace {

// From the text to every element's values: read, set up, solve.
void BM_SchaltungVonText(benchmark::State& state, Verfahren verfahren, int knoten, bool strom) {
  const std::string text = Leiter(knoten, strom);
  for (auto _ : state) {
    const NetzlistenErgebnis n = LiesNetzliste(text);
    const Aufstellung a = StelleAuf(n.schaltung, verfahren);
    const Ergebnis e = Loese(n.schaltung, a.system);
    if (e.status != Geloest) state.SkipWithError("nicht gelöst");
    benchmark::DoNotOptimize(e.elemente.data());
  }
}

// The solve alone: the same system handed to the solver and solved.
void BM_SchaltungNurLoesen(benchmark::State& state, Verfahren verfahren, int knoten, bool strom) {
  const NetzlistenErgebnis n = LiesNetzliste(Leiter(knoten, strom));
  const Schaltungssystem g = StelleAuf(n.schaltung, verfahren).system;
  ZKMatrix m = ErzeugeMatrix(g.n + 1, g.n + 1);
  for (int r = 0; r < g.n; ++r) {
    m[r + 1][0] = g.b[static_cast<std::size_t>(r)].wert;
    for (int c = 0; c < g.n; ++c) m[r + 1][c + 1] = g.A(r, c).wert;
  }
  state.counters["n"] = g.n;
  for (auto _ : state) {
    GleichungsLoeser l;
    l.UebernehmeMatrix(g.n, g.n, m);
    if (l.Loese() != Geloest) state.SkipWithError("nicht gelöst");
    benchmark::DoNotOptimize(l.Loesung().data());
  }
}

}  // namespace

BENCHMARK_CAPTURE(BM_SchaltungVonText, Knoten20, Verfahren::Knoten, 20, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SchaltungNurLoesen, Knoten20, Verfahren::Knoten, 20, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SchaltungVonText, Maschen20, Verfahren::Maschen, 20, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SchaltungNurLoesen, Maschen20, Verfahren::Maschen, 20, true)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SchaltungVonText, Knoten90, Verfahren::Knoten, 90, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SchaltungNurLoesen, Knoten90, Verfahren::Knoten, 90, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SchaltungVonText, Maschen90, Verfahren::Maschen, 90, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SchaltungNurLoesen, Maschen90, Verfahren::Maschen, 90, false)
    ->Unit(benchmark::kMillisecond);
