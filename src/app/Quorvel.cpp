// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the application object, then the program (Programm.h).
#include <QApplication>

#include "app/Programm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return FuehreQuorvelAus();
}
