// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the work: the commands of the window's "Datei" menu (opening and
// saving Quorvel task files, the list of recently opened files, the
// „Änderungen speichern?“ question) and "Über Quorvel".
//
// A file is a snapshot of the model: saving takes the model's
// (Modell::Schnappschuss), opening checks the whole file first and then
// puts it into the model (Modell::Wende), which computes again every result
// that was shown (never read from the file). No widget is read or written.
#ifndef QUORVEL_APP_DATEIEN_H
#define QUORVEL_APP_DATEIEN_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

#include "datei/Aufgabe.h"

class QMainWindow;
class QMenu;
class QMenuBar;
class Modell;

class TDateiAktionen : public QObject {
  Q_OBJECT

 public:
  // For the window's model; `zuletzt` is the menu the recent files are
  // listed in.
  TDateiAktionen(QMainWindow& fenster, Modell& modell, QMenu* zuletzt);

  // The menu commands. Each asks what it must and returns whether it was
  // carried out.
  bool Neu();
  bool OeffnenMitDialog();
  bool Speichern();
  bool SpeichernUnter();
  // Asks the window for the manual (AnleitungVerlangt).
  void ZeigeAnleitung();
  void ZeigeUeber();

  // Opens a file without asking about the current work (the command line,
  // and the menu after it has asked). A file that cannot be read leaves the
  // window as it was and shows one message.
  bool Oeffne(const QString& pfad);
  // Opens after asking „Änderungen speichern?“ when typed input would be lost.
  bool OeffneNachFrage(const QString& pfad);
  // Writes atomically: the old file stays whole when writing fails.
  bool SpeichereNach(const QString& pfad);
  // Work restored after an abnormal end: it belongs to `pfad` (empty for
  // none) but counts as unsaved.
  void StelleWiederHer(const aufgabe::Aufgabe& a, const QString& pfad);

  aufgabe::Aufgabe Erfasse() const;
  void Wende(const aufgabe::Aufgabe& a);
  // True when typed input differs from the last opened, saved or new state.
  bool Geaendert() const;
  QString Pfad() const { return pfad_; }

  QStringList Zuletzt() const;
  void LeereZuletzt();

  QMenuBar* Menue() const;
  QMenu* ZuletztMenue() const { return zuletzt_; }

  // Chooses a file name for opening (speichern false) or saving; empty when
  // the user cancels. A file dialog; tests put their own choice here.
  std::function<QString(bool speichern)> Dateiwahl;

 signals:
  // Before a file's work goes into the model: the window closes its editors.
  void VorDemOeffnen();
  void AnleitungVerlangt();

 protected:
  bool eventFilter(QObject* objekt, QEvent* e) override;

 private:
  // Asks „Änderungen speichern?“ if typed input would be lost; false when
  // the user cancels (or saving fails).
  bool FrageSpeichern();
  void MerkeZuletzt(const QString& pfad);
  void BaueZuletztMenue();
  void ZeigeTitel();

  QMainWindow& f_;
  Modell& m_;
  QMenu* zuletzt_ = nullptr;
  QString pfad_;
  QString titel_;
  aufgabe::Aufgabe leer_;
  aufgabe::Aufgabe referenz_;
};

// The file commands of a window.
TDateiAktionen* Dateiaktionen(QWidget& fenster);

#endif
