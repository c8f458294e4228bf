// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for the window benchmarks, headless unless another
// platform is asked for, set up as the program sets itself up.
#ifndef QUORVEL_BENCH_QTBENCH_H
#define QUORVEL_BENCH_QTBENCH_H

#include <QAbstractButton>
#include <QApplication>

#include "forms/Anwendung.h"

inline QApplication& BenchApp() {
  static int argc = 1;
  static char name[] = "quorvel_bench";
  static char* argv[] = {name, nullptr};
  // Kept until the process ends: Qt must outlive every window of every run.
  static QApplication* app = [] {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* a = new QApplication(argc, argv);
    TApplication::Initialize();
    return a;
  }();
  return *app;
}

// Clicks a button of the window, found by its name, as the user does.
inline void Klicke(QWidget& fenster, const char* knopf) {
  fenster.findChild<QAbstractButton*>(QLatin1String(knopf))->click();
}

#endif
