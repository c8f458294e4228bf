// SPDX-License-Identifier: GPL-3.0-or-later
// The locus page's work without the window: 1,000 points of a formula and
// of a 20-node circuit, a single exact point, the drawings' geometry from a
// computed curve (what a redraw costs without computing), the CSV text.
#include <benchmark/benchmark.h>

#include <string>

#include "Leiter.h"
#include "ortskurve/Csv.h"
#include "ortskurve/Frequenzganggeometrie.h"
#include "ortskurve/Ortskurvengeometrie.h"
#include "ortskurve/Quellen.h"
#include "schaltung/Netzliste.h"

namespace {

const Frequenzbereich kBereich{1.0L, 1e6L, true, 1000};

Flaeche Messe(const std::string& text) {
  return {7.0 * static_cast<double>(text.size()), 14.0};
}

struct Speicher {
  ZKSpeicher k{}, g{};
  Speicher() {
    k[1].SetzeKartesisch(100, 0);    // R
    k[2].SetzeKartesisch(0.1L, 0);   // L
    k[3].SetzeKartesisch(1e-6L, 0);  // C
    for (int i = 1; i <= 3; ++i) g[i] = 1.0L / k[i];
  }
};

// A parallel resonance circuit with a series resistor, as a formula.
constexpr const char* kFormel = "K1+(j*omega*K2)||(1/(j*omega*K3))";

void BM_OrtskurveFormel(benchmark::State& state) {
  const Speicher s;
  Formelquelle q(s.k, s.g);
  if (!q.Uebersetze(kFormel).empty()) state.SkipWithError("Formel");
  const std::vector<long double> marken = Dekadenmarken(kBereich);
  for (auto _ : state) {
    const Kurvenergebnis e = BerechneKurve(q, kBereich, marken);
    benchmark::DoNotOptimize(e.kurve->punkte.data());
  }
}

Schaltung Leiter20() {
  return LiesNetzliste(Leiter(20, true)).schaltung;
}

void BM_OrtskurveSchaltung(benchmark::State& state, KennwertArt art, int a, int b) {
  Schaltungsquelle q(Leiter20(), art, a, b);
  const std::vector<long double> marken = Dekadenmarken(kBereich);
  for (auto _ : state) {
    const Kurvenergebnis e = BerechneKurve(q, kBereich, marken);
    if (!e.kurve) state.SkipWithError(e.meldung.c_str());
    benchmark::DoNotOptimize(e.kurve->punkte.data());
  }
  state.counters["genau"] =
      static_cast<double>(q.Rueckfaelle()) / static_cast<double>(state.iterations());
}

// One point the way hover and memory take it.
void BM_OrtskurveGenauerPunkt(benchmark::State& state) {
  Schaltungsquelle q(Leiter20(), KennwertArt::Impedanz, 10, 0);
  for (auto _ : state) benchmark::DoNotOptimize(q.GenauerWert(1234.5L).wert);
}

Kurve SchaltungsKurve() {
  Schaltungsquelle q(Leiter20(), KennwertArt::Impedanz, 10, 0);
  return *BerechneKurve(q, kBereich, Dekadenmarken(kBereich)).kurve;
}

void BM_OrtskurveZeichnen(benchmark::State& state) {
  const Kurve k = SchaltungsKurve();
  const Flaeche f{800, 600};
  for (auto _ : state) {
    const Ansicht a = PasseOrtskurveEin(k, f, 36);
    const OrtskurvenSzene s = BaueOrtskurve(k, a, f, Messe);
    benchmark::DoNotOptimize(s.zuege.data());
  }
}

void BM_OrtskurveInvertiertZeichnen(benchmark::State& state) {
  const Kurve k = SchaltungsKurve();
  const Flaeche f{800, 600};
  for (auto _ : state) {
    const Kurve i = Invertiert(k);
    const OrtskurvenSzene s = BaueOrtskurve(i, PasseOrtskurveEin(i, f, 36), f, Messe);
    benchmark::DoNotOptimize(s.zuege.data());
  }
}

void BM_FrequenzgangZeichnen(benchmark::State& state) {
  const Kurve k = SchaltungsKurve();
  for (auto _ : state) {
    const FrequenzgangSzene s = BaueFrequenzgang(k, {800, 600}, true);
    benchmark::DoNotOptimize(s.betrag.zuege.data());
  }
}

void BM_OrtskurveCsv(benchmark::State& state) {
  Schaltungsquelle q(Leiter20(), KennwertArt::Impedanz, 10, 0);
  const Kurve k = *BerechneKurve(q, kBereich, {}).kurve;
  for (auto _ : state) {
    const std::string t = CsvText(k, [&](long double f) { return q.GenauerWert(f); });
    benchmark::DoNotOptimize(t.data());
  }
}

}  // namespace

BENCHMARK(BM_OrtskurveFormel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OrtskurveSchaltung, Impedanz20, KennwertArt::Impedanz, 10, 0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OrtskurveSchaltung, Verhaeltnis20, KennwertArt::Verhaeltnis, 20, 1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrtskurveGenauerPunkt)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_OrtskurveZeichnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrtskurveInvertiertZeichnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FrequenzgangZeichnen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OrtskurveCsv)->Unit(benchmark::kMillisecond);
