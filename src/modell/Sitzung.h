// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy of the work. Each running instance keeps its own file
// in a folder of the user's (sitzung-N.json, guarded by sitzung-N.lock),
// rewrites it about a second after the model last changed, and removes it
// only when the user quits normally. Whatever else ends the program (a
// crash, kill -9, a dead battery, a logout) leaves the file, and the next
// start finds it: a file whose lock no running instance holds is offered
// back. A file another instance still holds is never touched.
//
// The file (datei/Sitzungsdatei.h) holds the task, the page that was shown
// and the name of the task file the work belongs to. It is written through QSaveFile, so a full
// disk or a crash while writing leaves the previous copy whole.
#ifndef QUORVEL_MODELL_SITZUNG_H
#define QUORVEL_MODELL_SITZUNG_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <string>
#include <string_view>

#include "datei/Sitzungsdatei.h"

class Modell;
class QLockFile;

class Sitzung : public QObject {
  Q_OBJECT

 public:
  // What a start found in the file it took over.
  enum class Fund { Nichts, Verlassen, Beschaedigt };

  // Keeps the copy of `modell` in `verzeichnis` (created if need be). Nothing
  // is written before Beanspruche.
  Sitzung(Modell& modell, const QString& verzeichnis, QObject* eltern = nullptr);
  // Lets go of the lock and leaves the file: only Entferne removes it.
  ~Sitzung() override;

  // The folder of the user's recovery copies.
  static QString StandardVerzeichnis();

  // Takes a file of this instance's own: one a finished instance left
  // behind if there is one, else a fresh one. Verlassen: Gefunden() holds
  // the work, and the file stays until Verwirf or Uebernimm. Beschaedigt:
  // the file was renamed to Beiseite() and a fresh one taken. Without a
  // usable folder nothing is ever written (and Schreibfehler says so).
  Fund Beanspruche();
  const Sitzungsstand& Gefunden() const { return gefunden_; }
  QString Beiseite() const { return beiseite_; }
  QString Grund() const { return grund_; }
  // The found work was declined: its file goes, copies start afresh.
  void Verwirf();
  // The found work is back in the model: copies of it start.
  void Uebernimm();

  void SetzeSeite(int seite);
  void SetzePfad(const QString& pfad);

  // Writes the copy now (a signal or logout ends the program); false when it
  // could not be written. Before the first change there is nothing to keep.
  bool Schreibe();
  // The user quit: the file and its lock go, nothing more is written.
  void Entferne();

  QString Datei() const { return datei_; }
  // Milliseconds from the last change to the copy.
  void SetzeVerzoegerung(int ms) { zeitgeber_.setInterval(ms); }

 signals:
  // The first time a copy could not be written (later failures are quiet;
  // the previous copy stays whole).
  void Schreibfehler(const QString& grund);

 private:
  bool NimmPlatz(int n);
  void Fehler(const QString& grund);

  Modell& m_;
  QString verzeichnis_;
  QString datei_;
  std::unique_ptr<QLockFile> sperre_;
  QTimer zeitgeber_;
  bool aktiv_ = false;
  bool gemeldet_ = false;
  bool veraendert_ = false;
  int seite_ = 0;
  QString pfad_;
  Sitzungsstand gefunden_;
  QString beiseite_;
  QString grund_;
};

#endif
