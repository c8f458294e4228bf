// Test entry for the window tests: one QApplication for all of them, on the
// offscreen platform unless another is asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstring>
#include <memory>

#include "Anwendung.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  // Listing the tests at build time needs no window system.
  bool nurListe = false;
  for (int i = 1; i < argc; ++i) nurListe |= std::strcmp(argv[i], "--gtest_list_tests") == 0;
  std::unique_ptr<QApplication> app;
  if (!nurListe) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QApplication>(argc, argv);
    TApplication::Initialize();
  }
  return RUN_ALL_TESTS();
}
