// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor page with all 20 memory values and 20 solutions ticked.
// Budget for a repaint: well under a frame (2 ms median).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTabWidget>
#include <cmath>
#include <string>
#include <vector>

#include "QtBench.h"
#include "app/MainQuorvel.h"
#include "app/Zeigerdiagramm.h"
#include "zeiger/Zeigergeometrie.h"

namespace {

// Twenty memory values with comments and a solved 20 x 20 system, shown on
// the phasor page.
void Fuelle(TForm1& form) {
  Variablenspeicher& k = form.Zustand().Speicher();
  for (int r = 1; r <= 20; ++r) {
    k.Setze(aufgabe::Seite::K, r, QStringLiteral("%1*e^j%2").arg(r * 3).arg(r * 17));
    k.SetzeKommentar(r, QStringLiteral("Strom I%1 im Zweig %1").arg(r));
  }
  Gleichungssystem& s = form.Zustand().System();
  s.SetzeDimension(20);
  for (int r = 1; r <= 20; ++r) {
    s.SetzeZelle(r, 1, QStringLiteral("%1+j%2").arg(r).arg(21 - r));
    for (int c = 2; c <= 21; ++c)
      s.SetzeZelle(r, c,
                   c == r + 1 ? QStringLiteral("2+j1") : QStringLiteral("0,%1").arg((r * c) % 7));
  }
  s.Loese(false);
  form.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook"))->setCurrentIndex(3);
  QApplication::processEvents();
}

// The whole page drawn again as it stands (list, buttons, drawing with its
// kept scene): what an uncovered or re-shown page costs.
void BM_ZeigerseiteNeuZeichnen(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.show();
  Fuelle(form);
  TZeigerdiagramm* seite = form.findChild<TZeigerdiagramm*>();
  if (seite->Diagramm->Eintraege().size() != 40) state.SkipWithError("nicht 40 Werte");
  QImage bild(seite->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) seite->render(&bild);
}
BENCHMARK(BM_ZeigerseiteNeuZeichnen)->Unit(benchmark::kMicrosecond);

// One change of a value: read everything again, rebuild the list, lay out
// the scene anew and paint it (what every keystroke in the memory costs).
void BM_ZeigerseiteNachAenderung(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.show();
  Fuelle(form);
  for (auto _ : state) {
    form.findChild<TZeigerdiagramm*>()->Aktualisiere();
    form.findChild<TZeigerdiagramm*>()->repaint();
  }
}
BENCHMARK(BM_ZeigerseiteNachAenderung)->Unit(benchmark::kMicrosecond);

// The drawing alone laid out anew and painted (a zoom, a tick, a resize).
void BM_ZeigerdiagrammNeuAufbauen(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.show();
  Fuelle(form);
  TZeigerFlaeche* d = form.findChild<TZeigerdiagramm*>()->Diagramm;
  for (auto _ : state) {
    d->Einpassen();
    d->repaint();
  }
}
BENCHMARK(BM_ZeigerdiagrammNeuAufbauen)->Unit(benchmark::kMicrosecond);

// The layout alone, without Qt: 40 values, labels of a fixed size.
void BM_ZeigerSzene(benchmark::State& state) {
  std::vector<Zeigereintrag> e;
  for (int i = 1; i <= 40; ++i)
    e.push_back({3.0 * i * std::cos(i * 0.3), 3.0 * i * std::sin(i * 0.3),
                 "K" + std::to_string(i) + " Strom im Zweig", i % 3});
  const Flaeche f{570, 300};
  const Ansicht a = Einpassen(SichtbarePunkte(e, false), f, 36);
  auto messe = [](const std::string& t) { return Flaeche{6.5 * double(t.size()), 16}; };
  for (auto _ : state) benchmark::DoNotOptimize(BaueSzene(e, false, a, f, messe, {140, 50}));
}
BENCHMARK(BM_ZeigerSzene)->Unit(benchmark::kMicrosecond);

// The drawing alone repainted on the screen with its kept scene.
void BM_ZeigerdiagrammZeichnen(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.show();
  Fuelle(form);
  TZeigerFlaeche* d = form.findChild<TZeigerdiagramm*>()->Diagramm;
  for (auto _ : state) d->repaint();
}
BENCHMARK(BM_ZeigerdiagrammZeichnen)->Unit(benchmark::kMicrosecond);

}  // namespace
