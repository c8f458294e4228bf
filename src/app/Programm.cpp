// SPDX-License-Identifier: GPL-3.0-or-later
#include "Programm.h"

#include <QApplication>
#include <QTimer>
#include <exception>
#include <iostream>

#include "app/Beispiel.h"
#include "app/Dateien.h"
#include "app/MainQuorvel.h"
#include "app/Sitzungsschutz.h"
#include "app/Symbol.h"
#include "forms/Anwendung.h"
#include "sprache/Sprachwahl.h"

int FuehreQuorvelAus() {
  TApplication::Initialize();
  QStringList args = QApplication::arguments();
  QString fehler;
  const bool sprachGut = sprache::StelleSpracheEin(args, sprache::BehalteneSprache(), fehler);
  TApplication::LadeQtTexte(sprache::AktuelleSprache());
  if (!sprachGut) {
    std::cerr << "quorvel: " << fehler.toStdString() << "\n";
    return 2;
  }
  // The desktop file name lets the desktop match the running window to its
  // menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.quorvel.Quorvel"));
  int status = 0;
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
    auto* schutz = new TSitzungsschutz(Form1);
    schutz->FangeSignale();
    const bool wiederhergestellt = schutz->Starte();
    // `quorvel DATEI`: the desktop entry passes the double-clicked file; over
    // restored work only after „Änderungen speichern?“.
    if (args.size() > 1) {
      if (wiederhergestellt)
        Dateiaktionen(Form1)->OeffneNachFrage(args[1]);
      else
        Dateiaktionen(Form1)->Oeffne(args[1]);
    }
    // A signal during the start's question ended its loop before this one ran.
    if (!schutz->Beendet()) status = QApplication::exec();
    schutz->Beende();
  } catch (const std::exception& e) {
    TApplication::ShowException(e);
  }
  return status;
}
