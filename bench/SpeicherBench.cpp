// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke in the variable memory: the K grid sets the typed text on
// the memory, which reads the row into K and G and writes the reciprocal
// that the G grid shows. Budget: well under a frame (1 ms).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "QtBench.h"
#include "app/MainQuorvel.h"
#include "complex/ZKText.h"
#include "forms/Anwendung.h"
#include "forms/StringGrid.h"
#include "logik/Speicher.h"

namespace {

// Two texts in turn, so every keystroke changes the value and the G cell.
const QString kTexte[] = {QStringLiteral("12,5*e^j36.87"), QStringLiteral("12,5*e^j36,875")};

void BM_SpeicherTastendruck(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.show();
  QApplication::processEvents();
  auto* grid = form.findChild<TStringGrid*>(QStringLiteral("Variablen_StringGrid"));
  std::size_t i = 0;
  for (auto _ : state) {
    const QString& text = kTexte[i++ & 1];
    grid->SetCell(1, 7, text);
    benchmark::DoNotOptimize(form.Zustand().Speicher().Werte(aufgabe::Seite::G)[7]);
  }
}
BENCHMARK(BM_SpeicherTastendruck);

// The same row without the window: reading, reciprocal, text.
void BM_SpeicherZeileOhneFenster(benchmark::State& state) {
  ZKSpeicher k{}, g{};
  const char* texte[] = {"12.5*e^j36.87", "12.5*e^j36.875"};
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(SpeicherZeileBerechnen(texte[i++ & 1], General, k, g, 1));
}
BENCHMARK(BM_SpeicherZeileOhneFenster);

}  // namespace
