// SPDX-License-Identifier: GPL-3.0-or-later
// The Rechenweg window for a solved 20 x 20 system: opening it after "="
// (the solve recorded again, its text and document laid out) and exporting
// it as PDF. Targets: under 200 ms and under 2 s.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "QtBench.h"
#include "app/MainQuorvel.h"
#include "app/Matrixseite.h"
#include "app/RechenwegFenster.h"

namespace {

// A 20 x 20 system with complex entries, solved by "=" with the window closed.
void Loese20(TForm1& form) {
  form.findChild<TMatrixseite*>()->Baue();
  Gleichungssystem& s = form.Zustand().System();
  s.SetzeDimension(20);
  for (int r = 1; r <= 20; ++r) {
    s.SetzeZelle(r, 1, QStringLiteral("%1+j%2").arg(r).arg(21 - r));
    for (int c = 2; c <= 21; ++c) {
      s.SetzeZelle(r, c,
                   c == r + 1 ? QStringLiteral("9+j%1").arg(r)
                              : QStringLiteral("0,%1-j0,%2").arg(r * c % 7).arg(c % 5));
    }
  }
  Klicke(form, "Berechnen_BitBtn");
}

// "Rechenweg" pressed after "=": the steps are recorded, written and shown.
void BM_RechenwegFensterOeffnen(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.show();
  Loese20(form);
  for (auto _ : state) {
    state.PauseTiming();
    if (auto* fenster = form.findChild<RechenwegFenster*>()) fenster->hide();
    // As "=" leaves it with the window closed: solved, nothing recorded.
    form.Zustand().System().Loese(false);
    QApplication::processEvents();
    state.ResumeTiming();
    Klicke(form, "Rechenweg_BitBtn");
    QApplication::processEvents();
  }
  if (!form.findChild<RechenwegFenster*>()->Text().contains(QStringLiteral("\nLösung\n")))
    state.SkipWithError("keine Lösung");
}
BENCHMARK(BM_RechenwegFensterOeffnen)->Unit(benchmark::kMillisecond);

void BM_RechenwegAlsPdf(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.show();
  Loese20(form);
  Klicke(form, "Rechenweg_BitBtn");
  QTemporaryDir ordner;
  const QString datei = ordner.filePath(QStringLiteral("Rechenweg.pdf"));
  for (auto _ : state) {
    if (!form.findChild<RechenwegFenster*>()->SpeicherePdf(datei))
      state.SkipWithError("nicht gespeichert");
  }
}
BENCHMARK(BM_RechenwegAlsPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
