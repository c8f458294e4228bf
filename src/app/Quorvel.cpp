// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: application object, the two windows, event loop.
#include <QApplication>
#include <QTimer>
#include <exception>

#include "app/Beispiel.h"
#include "app/Dateien.h"
#include "app/MainQuorvel.h"
#include "app/Symbol.h"
#include "forms/Anwendung.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  TApplication::Initialize();
  // The desktop file name lets the desktop match the running window to its
  // menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
  try {
    TForm1 Form1;
    Form1.show();
    // The example window stays hidden until asked for: it is built after the
    // main window has gone to the screen.
    TForm2 Form2;
    Form1.SetzeBeispielfenster(&Form2);
    // Both windows take the icon, once the main window is on the screen:
    // reading it is no part of the way to the first picture.
    QTimer::singleShot(0, [] { QApplication::setWindowIcon(ProgrammSymbol()); });
    // `quorvel DATEI`: the desktop entry passes the double-clicked file.
    if (const QStringList args = QApplication::arguments(); args.size() > 1)
      Dateiaktionen(Form1)->Oeffne(args[1]);
    QApplication::exec();
  } catch (const std::exception& e) {
    TApplication::ShowException(e);
  }
  return 0;
}
