// SPDX-License-Identifier: GPL-3.0-or-later
// Test entry for every window test (quorvel_test GUI): one QApplication for
// all of them, on the offscreen platform with a screen large enough for the
// main window, unless another platform is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>
#include <cstring>
#include <memory>

#include "forms/Anwendung.h"

namespace {

// The offscreen platform cannot raise a window and says so at every raise;
// the example window is raised at every click.
QtMessageHandler gQtMeldung = nullptr;
void Meldung(QtMsgType typ, const QMessageLogContext& ort, const QString& text) {
  if (text == QLatin1String("This plugin does not support raise()")) return;
  gQtMeldung(typ, ort, text);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests at build time needs no window system.
  bool nurListe = false;
  for (int i = 1; i < argc; ++i) nurListe |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
  std::unique_ptr<QApplication> app;
  if (!nurListe) {
    // The bare offscreen platform (the test presets' default) has an
    // 800x600 screen, too small for the main window.
    const QByteArray plattform = qgetenv("QT_QPA_PLATFORM");
    if (plattform.isEmpty() || plattform == "offscreen")
      qputenv("QT_QPA_PLATFORM", QUORVEL_TESTPLATTFORM);
    gQtMeldung = qInstallMessageHandler(Meldung);
    app = std::make_unique<QApplication>(argc, argv);
    TApplication::Initialize();
    // The program sets the C library's numbers to "C"; the tests take them
    // back from the environment, so that the German run shows that no reader
    // or writer relies on that.
    std::setlocale(LC_NUMERIC, "");
  }
  return RUN_ALL_TESTS();
}
