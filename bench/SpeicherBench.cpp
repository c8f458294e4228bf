// SPDX-License-Identifier: GPL-3.0-or-later
// One keystroke in the variable memory: the K grid has taken the typed text,
// the handler rewrites a point, reads the row into K and G and writes the
// reciprocal into the G grid's cell. Budget: well under a frame (1 ms).
#include <benchmark/benchmark.h>

#include <QApplication>

#include "QtBench.h"
#include "app/MainQuorvel.h"
#include "complex/ZKText.h"
#include "forms/Anwendung.h"
#include "logik/Speicher.h"

namespace {

// Two texts in turn, so every keystroke changes the value and the G cell.
const QString kTexte[] = {QStringLiteral("12,5*e^j36.87"), QStringLiteral("12,5*e^j36,875")};

void BM_SpeicherTastendruck(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.show();
  QApplication::processEvents();
  std::size_t i = 0;
  for (auto _ : state) {
    const QString& text = kTexte[i++ & 1];
    form.Variablen_StringGrid->SetCell(1, 7, text);
    form.Variablen_StringGridSetEditText(1, 7, text);
    benchmark::DoNotOptimize(form.Zustand.G_VarSpeicher[7]);
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
