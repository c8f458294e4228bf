// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>

#include "QtBench.h"
#include "app/MainQuorvel.h"
#include "forms/StringGrid.h"
#include "logik/Winkelwerte.h"

namespace {

// Two texts, so that every keystroke really changes all six other cells.
constexpr const char* kTexte[2] = {"45", "45,5"};

void BM_WinkelZeileBerechnen(benchmark::State& state) {
  int i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(WinkelZeileBerechnen(Grad, kTexte[i]));
    i ^= 1;
  }
}
BENCHMARK(BM_WinkelZeileBerechnen);

// One keystroke in the degree row of the real grid, with its editor open:
// the editor's change goes through the grid into the handler, which
// recomputes and rewrites the six other cells. Painting is left to the
// event loop and not measured.
void BM_WinkelTastendruck(benchmark::State& state) {
  BenchApp();
  TForm1 form;
  form.show();
  auto* g = form.findChild<TStringGrid*>(QStringLiteral("Winkel_StringGrid"));
  g->setFocus();
  g->SetRow(0);
  g->SetCol(1);
  g->SetEditorMode(true);
  QApplication::processEvents();
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  if (editor == nullptr) {
    state.SkipWithError("no cell editor");
    return;
  }
  int i = 0;
  for (auto _ : state) {
    const QString text = QString::fromLatin1(kTexte[i]);
    editor->setText(text);
    emit editor->textEdited(text);
    i ^= 1;
  }
  if (g->Cells(1, 6).isEmpty()) state.SkipWithError("the grid was not rewritten");
}
BENCHMARK(BM_WinkelTastendruck)->Repetitions(10)->ReportAggregatesOnly(true);

}  // namespace
