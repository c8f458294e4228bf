// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit the user types: its netlist text, the method of analysis,
// and the netlist as read. The circuit page edits it; the locus page reads
// the circuit from here, so both see the same one.
//
// The analysis (set-up and solve) runs when asked (Analysiere): the page
// asks once typing pauses, so that a keystroke never waits for it.
#ifndef QUORVEL_MODELL_SCHALTUNGSFELD_H
#define QUORVEL_MODELL_SCHALTUNGSFELD_H

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"

// A system as the matrix page's cells take it: the shortest text that reads
// back to each entry rounded to double, that double behind it, the entry's
// derivation, and the titles of rows (the equations) and columns (the
// unknowns). zellen[r][0] is row r's right-hand side, zellen[r][c] the
// coefficient of unknown c.
struct Matrixtexte {
  int n = 0;
  std::vector<std::vector<QString>> zellen;
  std::vector<std::vector<ZKZahl>> werte;
  std::vector<std::vector<QString>> herleitungen;
  std::vector<QString> zeilentitel;
  std::vector<QString> spaltentitel;  // [0] the right-hand side's (empty: the standard one)
};
Matrixtexte MatrixtexteVon(const Schaltung& s, const Schaltungssystem& g);

// The shortest text the cell reader reads back to exactly this double
// (decimal comma, "1,5E-05").
QString RundreiseText(double x);
// A complex value as such a text: "3,5", "j2", "0,25-j1E-06".
QString RundreiseText(const ZKZahl& z);

// Values with SI prefixes and units, three significant digits, decimal
// comma: "23,5 mA ∠ −12,3°", "−1,2 kvar". Not a number the readers take:
// for reading only (a copy carries the program's own number text).
QString SiText(long double x, const QString& einheit);
QString SiZeigerText(const ZKZahl& z, const QString& einheit);

// What the analysis of the current netlist gave.
struct Schaltungsanalyse {
  // The netlist's errors or why the system could not be set up (too many
  // unknowns); nothing else is valid then.
  std::vector<SchaltungsFehler> fehler;
  bool aufgestellt = false;
  Schaltungssystem system;
  // Solved from the entries rounded to double, as the matrix page reads
  // them, so that both give the same results.
  Ergebnis ergebnis;
};

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

  // Sets up and solves the current netlist with the current method (only
  // when either changed since the last time) and says so.
  const Schaltungsanalyse& Analysiere();
  // The last analysis; stale after a change until Analysiere runs.
  const Schaltungsanalyse& Analyse() const { return analyse_; }
  bool AnalyseAktuell() const { return aktuell_; }

 signals:
  void NetzlisteGeaendert();
  void VerfahrenGeaendert();
  void AnalyseGeaendert();

 private:
  QString text_;
  ::Verfahren verfahren_ = ::Verfahren::Knoten;
  NetzlistenErgebnis gelesen_;
  Schaltungsanalyse analyse_;
  bool aktuell_ = false;
};

#endif
