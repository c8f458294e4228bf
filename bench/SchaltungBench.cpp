// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <string>

#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"
#include "solver/GleichungsLoeser.h"

namespace {

// A ladder of `knoten` nodes: series R and L, shunt C and R to ground, a
// cross link every fourth node, one voltage source at the start and (for
// the 20-node case) a current source in the middle; the 90-node case has
// one source and no cross links (89 loops).
std::string Leiter(int knoten, bool mitStromquelle) {
  std::string t =
      "f = 50 Hz\nU1 1 0 230\xE2\x88\xA0"
      "0\xC2\xB0\n";
  auto k = [](int n) { return std::to_string(n); };
  for (int n = 1; n < knoten; ++n) {
    t += (n % 2 ? "R" : "L") + k(n) + " " + k(n) + " " + k(n + 1) + (n % 2 ? " 4,7k\n" : " 33m\n");
    t +=
        (n % 3 ? "C" : "Rq") + k(n) + " " + k(n + 1) + " 0" + (n % 3 ? " 2,2\xC2\xB5\n" : " 10k\n");
    if (mitStromquelle && n % 4 == 0 && n + 3 <= knoten)
      t += "Z" + k(n) + " " + k(n) + " " + k(n + 3) + " 1k+j300\n";
  }
  if (mitStromquelle) t += "I1 0 " + k(knoten / 2) + " 10m\xE2\x88\xA0-30\xC2\xB0\n";
  return t;
}

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
  const Gleichungssystem g = StelleAuf(n.schaltung, verfahren).system;
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
