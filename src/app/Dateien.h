// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping the work: the window's menu bar ("Datei", "Hilfe"), opening and
// saving Quorvel task files, the list of recently opened files, the
// „Änderungen speichern?“ question, and the manual on page 3.
//
// Saving takes every input from the controls into an aufgabe::Aufgabe;
// opening checks the whole file first and then puts the inputs back through
// the handlers the user's typing runs, so every result that was shown is
// computed again by the same code (never read from the file).
#ifndef QUORVEL_APP_DATEIEN_H
#define QUORVEL_APP_DATEIEN_H

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

#include "datei/Aufgabe.h"

class QAction;
class QMenu;
class QMenuBar;
class TForm1;

class TDateiAktionen : public QObject {
  Q_OBJECT

 public:
  explicit TDateiAktionen(TForm1& form);

  // The menu commands. Each asks what it must and returns whether it was
  // carried out.
  bool Neu();
  bool OeffnenMitDialog();
  bool Speichern();
  bool SpeichernUnter();
  // Shows page 3 with the manual.
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

  aufgabe::Aufgabe Erfasse() const;
  void Wende(const aufgabe::Aufgabe& a);
  // True when typed input differs from the last opened, saved or new state.
  bool Geaendert() const;
  QString Pfad() const { return pfad_; }

  QStringList Zuletzt() const;
  void LeereZuletzt();

  QMenuBar* Menue() const { return menue_; }
  QMenu* ZuletztMenue() const { return zuletzt_; }

  // Chooses a file name for opening (speichern false) or saving; empty when
  // the user cancels. A file dialog; tests put their own choice here.
  std::function<QString(bool speichern)> Dateiwahl;

 protected:
  bool eventFilter(QObject* objekt, QEvent* e) override;

 private:
  // Asks „Änderungen speichern?“ if typed input would be lost; false when
  // the user cancels (or saving fails).
  bool FrageSpeichern();
  void MerkeZuletzt(const QString& pfad);
  void BaueZuletztMenue();
  void ZeigeTitel();
  void VerfolgeEingaben();
  // Appends the manual to page 3's memo, once.
  void HaengeAnleitungAn();

  TForm1& f_;
  QMenuBar* menue_ = nullptr;
  QMenu* zuletzt_ = nullptr;
  QString pfad_;
  QString titel_;
  aufgabe::Aufgabe leer_;
  aufgabe::Aufgabe referenz_;
  // The side each memory row was last typed or dropped on, and the angle
  // grid's typed row: the window itself does not remember them.
  std::array<aufgabe::Seite, aufgabe::kSpeicherZeilen> seiten_{};
  int winkelZeile_ = -1;
  // Until the manual is appended: the wait for its page.
  QMetaObject::Connection anleitungLaden_;
};

// Builds the menu bar above the notebook (the window grows by its height),
// the file actions, the block copy and paste of the matrix and result grids,
// and the manual on page 3 (appended when the page is first shown). Called
// once by the main window.
void InstalliereDateimenue(TForm1& form);
TDateiAktionen* Dateiaktionen(TForm1& form);

// Ctrl+C/Ctrl+V of several cells in the matrix and result grids (Tabellen.cpp).
void VerbindeTabellen(TForm1& form);
// The same for the memory grids, which exist from the start; after their
// single-cell copy is wired.
void VerbindeSpeicherTabellen(TForm1& form);

#endif
