// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit page once typing pauses: a 20-element circuit set up, solved
// and shown (results, derivations, graph). Budget: under 5 ms. Argument 1
// adds a repaint of the whole page, which Qt does afterwards (and only of
// what changed).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QTabWidget>

#include "Leiter.h"
#include "QtBench.h"
#include "app/MainQuorvel.h"
#include "app/Schaltungsseite.h"

namespace {

void BM_SchaltungsseiteNachDerPause(benchmark::State& state, Verfahren verfahren) {
  BenchApp();
  TForm1 form;
  form.show();
  form.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook"))->setCurrentIndex(4);
  QApplication::processEvents();
  auto* seite = form.findChild<TSchaltungsseite*>();
  seite->Verfahren_Auswahl->setCurrentIndex(verfahren == Verfahren::Maschen ? 1 : 0);
  // 19 elements of the ladder and one more: 20.
  const QString text = QString::fromStdString(Leiter(10, false)) + QStringLiteral("R99 10 0 1k\n");
  QImage bild(seite->size(), QImage::Format_ARGB32_Premultiplied);
  int k = 0;
  for (auto _ : state) {
    state.PauseTiming();
    // A keystroke: another value in the last line.
    seite->Editor->setPlainText(text + QStringLiteral("* %1").arg(++k % 2));
    state.ResumeTiming();
    seite->AnalysiereJetzt();
    if (state.range(0)) seite->render(&bild);
  }
  const Schaltungsanalyse& a = form.Zustand().Schaltung().Analyse();
  if (form.Zustand().Schaltung().Gelesen().elemente.size() != 20 || !a.aufgestellt ||
      a.ergebnis.status != Geloest)
    state.SkipWithError("nicht 20 Elemente gelöst");
}

}  // namespace

BENCHMARK_CAPTURE(BM_SchaltungsseiteNachDerPause, Knoten, Verfahren::Knoten)
    ->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_SchaltungsseiteNachDerPause, Maschen, Verfahren::Maschen)
    ->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
