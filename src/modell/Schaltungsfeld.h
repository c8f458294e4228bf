// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit the user types: its netlist text, the method of analysis,
// and the netlist as read. The circuit page edits it; the locus page reads
// the circuit from here, so both see the same one.
#ifndef QUORVEL_MODELL_SCHALTUNGSFELD_H
#define QUORVEL_MODELL_SCHALTUNGSFELD_H

#include <QObject>
#include <QString>
#include <vector>

#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"

class Schaltungsfeld : public QObject {
  Q_OBJECT

 public:
  explicit Schaltungsfeld(QObject* eltern = nullptr);

  QString Netzliste() const { return text_; }
  // Reads the text at once (a netlist is a few dozen lines; the reader
  // takes microseconds) and says so when it changed.
  void SetzeNetzliste(const QString& text);

  ::Verfahren Verfahren() const { return verfahren_; }
  void SetzeVerfahren(::Verfahren verfahren);

  // The netlist as read: a sound circuit, or the errors of the text (each
  // with its line and German message). An empty text has no elements and
  // no errors.
  bool Lesbar() const { return !text_.trimmed().isEmpty() && gelesen_.fehler.empty(); }
  const Schaltung& Gelesen() const { return gelesen_.schaltung; }
  const std::vector<SchaltungsFehler>& Fehler() const { return gelesen_.fehler; }

 signals:
  void NetzlisteGeaendert();
  void VerfahrenGeaendert();

 private:
  QString text_;
  ::Verfahren verfahren_ = ::Verfahren::Knoten;
  NetzlistenErgebnis gelesen_;
};

#endif
