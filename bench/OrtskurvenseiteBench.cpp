// SPDX-License-Identifier: GPL-3.0-or-later
// The locus page on the window: 1,000 points of a formula and of a 20-node
// circuit computed and drawn, and a redraw of the kept curve without
// computing. Aims: under 50 ms for the circuit, under 5 ms for a redraw.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabWidget>

#include "Leiter.h"
#include "QtBench.h"
#include "app/MainQuorvel.h"
#include "app/Ortskurvenseite.h"

namespace {

aufgabe::Ortskurve Einstellungen() {
  aufgabe::Ortskurve e;
  e.von = "1";
  e.bis = "1M";
  e.punkte = "1000";
  return e;
}

// The page shown with these settings, its first curve computed.
TOrtskurvenseite* Zeige(TForm1& form, const aufgabe::Ortskurve& e) {
  form.show();
  form.Zustand().SetzeOrtskurve(e);
  TOrtskurvenseite* seite = form.findChild<TOrtskurvenseite*>();
  auto* notizbuch = form.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook"));
  notizbuch->setCurrentIndex(notizbuch->indexOf(seite));
  QApplication::processEvents();
  return seite;
}

void Durchlauf(benchmark::State& state, TOrtskurvenseite* seite) {
  if (!seite->Meldung().isEmpty()) state.SkipWithError(seite->Meldung().toStdString().c_str());
  for (auto _ : state) {
    seite->Berechne();
    seite->Diagramm->repaint();
  }
}

void BM_OrtskurvenseiteFormel(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.Zustand().Speicher().Setze(aufgabe::Seite::K, 1, QStringLiteral("100"));
  form.Zustand().Speicher().Setze(aufgabe::Seite::K, 2, QStringLiteral("0,1"));
  form.Zustand().Speicher().Setze(aufgabe::Seite::K, 3, QStringLiteral("1E-6"));
  aufgabe::Ortskurve e = Einstellungen();
  e.formel = "K1+(j*omega*K2)||(1/(j*omega*K3))";
  Durchlauf(state, Zeige(form, e));
}
BENCHMARK(BM_OrtskurvenseiteFormel)->Unit(benchmark::kMillisecond);

void BM_OrtskurvenseiteSchaltung(benchmark::State& state, bool invertiert) {
  BenchApp();
  TForm1 form;
  form.Zustand().Schaltung().SetzeNetzliste(QString::fromStdString(Leiter(20, true)));
  aufgabe::Ortskurve e = Einstellungen();
  e.quelle = aufgabe::Ortskurve::Quelle::Schaltung;
  e.knotenA = "10";
  e.knotenB = "0";
  if (invertiert) e.inversion = aufgabe::Ortskurve::Inversion::Daneben;
  Durchlauf(state, Zeige(form, e));
}
BENCHMARK_CAPTURE(BM_OrtskurvenseiteSchaltung, Impedanz20, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OrtskurvenseiteSchaltung, Impedanz20MitKehrwert, true)
    ->Unit(benchmark::kMillisecond);

// The kept curve laid out again and painted (a resize, another view).
void BM_OrtskurvenseiteNeuZeichnen(benchmark::State& state, bool frequenzgang) {
  BenchApp();
  TForm1 form;
  form.Zustand().Schaltung().SetzeNetzliste(QString::fromStdString(Leiter(20, true)));
  aufgabe::Ortskurve e = Einstellungen();
  e.quelle = aufgabe::Ortskurve::Quelle::Schaltung;
  e.knotenA = "10";
  e.frequenzgang = frequenzgang;
  TOrtskurvenseite* seite = Zeige(form, e);
  if (!seite->Diagramm->Gezeichnet()) state.SkipWithError("keine Kurve");
  for (auto _ : state) {
    seite->Diagramm->NeuAufbauen();
    seite->Diagramm->repaint();
  }
}
BENCHMARK_CAPTURE(BM_OrtskurvenseiteNeuZeichnen, Ortskurve, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OrtskurvenseiteNeuZeichnen, Frequenzgang, true)->Unit(benchmark::kMillisecond);

}  // namespace
