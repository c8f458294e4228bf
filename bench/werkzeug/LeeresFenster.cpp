// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the start-up time: a bare Qt window of the main window's
// size with one label, and nothing else.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget fenster;
  fenster.setFixedSize(908, 624);
  fenster.move(6, 86);
  QLabel text(QStringLiteral("Quorvel"), &fenster);
  text.move(20, 20);
  fenster.show();
  return QApplication::exec();
}
