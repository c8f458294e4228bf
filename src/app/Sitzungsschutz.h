// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's recovery copy (modell/Sitzung.h): offers back at start
// what an instance that did not end normally left, keeps the copy up to
// date with the page and the file name, notes a failed copy in the status
// bar, and ends the program cleanly on SIGTERM, SIGHUP and logout with the
// copy kept for the next start.
//
// For tests without a screen to click on: with QUORVEL_TESTANTWORT set
// (to „Wiederherstellen“ or „Verwerfen“) the question and the messages of
// the start are written to standard error instead of shown, and answered
// so.
#ifndef QUORVEL_APP_SITZUNGSSCHUTZ_H
#define QUORVEL_APP_SITZUNGSSCHUTZ_H

#include <QObject>
#include <QString>

#include "modell/Sitzung.h"

class TForm1;

class TSitzungsschutz : public QObject {
  Q_OBJECT

 public:
  TSitzungsschutz(TForm1& fenster, const QString& verzeichnis = Sitzung::StandardVerzeichnis());

  // Takes this instance's file and asks about what a previous one left;
  // true when its work was restored.
  bool Starte();
  // From now on SIGTERM and SIGHUP (and a logout) write the copy and end
  // the event loop with status 0. Once per process.
  void FangeSignale();
  // After the event loop: a normal end removes the copy, an end by signal
  // or logout keeps it.
  void Beende();
  // A signal or logout asked the program to end.
  bool Beendet() const { return behalten_; }

 private:
  // Writes the copy for the next start and ends the event loop.
  void SichereUndBeende();
  void Meldung(const QString& text);

  TForm1& f_;
  Sitzung sitzung_;
  bool behalten_ = false;
};

#endif
