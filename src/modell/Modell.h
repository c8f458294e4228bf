// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the program holds while it runs, below the window: the
// display format, the text a drag carries, the variable memory, the
// equation system, and the fields of the second page. Qt Core only.
//
// The window's pages show these parts and call their setters; the parts
// run the computations of src/logik and src/solver and say what changed
// through their signals (and Geaendert says that anything did). A task
// file is a snapshot of this model: Schnappschuss gives it, Wende puts it
// back and computes the results again, without the window.
//
// Every place that shows a value keeps the full number behind its text
// (a result's ten digits stand for more): a drag or Ctrl+C carries it, the
// place that receives it keeps it, and it goes when the text is edited.
#ifndef QUORVEL_MODELL_MODELL_H
#define QUORVEL_MODELL_MODELL_H

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "complex/ZKText.h"
#include "complex/ZKZahl.h"
#include "datei/Aufgabe.h"
#include "modell/Gleichungssystem.h"
#include "modell/Rechenfelder.h"
#include "modell/Schaltungsfeld.h"
#include "modell/Variablenspeicher.h"

// The places that show values or take them: grid cells by column and row
// as the grids count them (1 and up), single fields at (0, 0).
// The circuit page's results (Schaltung) keep their values on that page.
enum class Ort {
  Matrix,
  Ergebnis,
  K,
  G,
  XL,
  XC,
  Formelergebnis,
  Wandeln,
  Winkel,
  Formel,
  Schaltung
};

// Where the examples stand: the formula field's last example (1..14, 0 none)
// and the level of the next example system (1, 2, 3, then again 1).
struct Beispielstand {
  int formel = 0;
  int system = 0;
  // Example systems are drawn from a generator seeded from the clock at
  // every click; a test fixes the seed here to get a known sequence.
  std::optional<std::uint32_t> festerSamen;
};

class Modell : public QObject {
  Q_OBJECT

 public:
  explicit Modell(QObject* eltern = nullptr);
  ~Modell() override;

  // General or Exponent: the texts written from now on.
  int ZahlenFormat() const { return format_; }
  void SetzeZahlenFormat(int format);

  Variablenspeicher& Speicher() { return *speicher_; }
  const Variablenspeicher& Speicher() const { return *speicher_; }
  Gleichungssystem& System() { return *system_; }
  const Gleichungssystem& System() const { return *system_; }
  Formelfeld& Formel() { return *formel_; }
  const Formelfeld& Formel() const { return *formel_; }
  Blindrechner& Induktiv() { return *induktiv_; }
  Blindrechner& Kapazitiv() { return *kapazitiv_; }
  const Blindrechner& Induktiv() const { return *induktiv_; }
  const Blindrechner& Kapazitiv() const { return *kapazitiv_; }
  Wandelfeld& Wandeln() { return *wandeln_; }
  const Wandelfeld& Wandeln() const { return *wandeln_; }
  Winkeltabelle& Winkel() { return *winkel_; }
  const Winkeltabelle& Winkel() const { return *winkel_; }
  Schaltungsfeld& Schaltung() { return *schaltung_; }
  const Schaltungsfeld& Schaltung() const { return *schaltung_; }
  Beispielstand& Beispiele() { return beispiele_; }
  // The locus page's settings, as its controls show them.
  const aufgabe::Ortskurve& Ortskurve() const { return ortskurve_; }
  void SetzeOrtskurve(const aufgabe::Ortskurve& k);

  // The circuit's system onto the matrix page: its dimension, every cell
  // (text, the value behind it, its derivation) and the titles; the shown
  // results go. Nothing changes when the netlist has an error, the system
  // has more unknowns than the page has rows, or an exercise is set.
  enum class Uebernahme { Uebernommen, Netzlistenfehler, ZuGross, Gesperrt };
  Uebernahme UebernimmSchaltung();

  // The text a right-button drag carries, set by every drag start, and the
  // full value behind it when it shows one.
  QString KopierText() const { return kopierText_; }
  std::optional<ZKZahl> KopierWert() const { return kopierWert_; }
  void SetzeKopie(const QString& text, const std::optional<ZKZahl>& wert);

  // The text a place shows at a cell and the value behind it.
  QString Text(Ort ort, int spalte = 0, int zeile = 0) const;
  std::optional<ZKZahl> Wert(Ort ort, int spalte = 0, int zeile = 0) const;

  // The work as a task file keeps it: every input, which side of the
  // memory was typed, the values behind copied texts, whether results were
  // shown, and an exercise with its answers.
  aufgabe::Aufgabe Schnappschuss() const;
  // Puts a task file's work in place of the present one; every result that
  // was shown is computed again (an exercise is set again, its solution
  // hidden). Nothing is asked and no message is shown: a bad cell of a
  // shown solve leaves the results empty.
  void Wende(const aufgabe::Aufgabe& a);
  // The hidden solution of a task file's exercise; false with the German
  // reason when it has none (such a file cannot be opened).
  static bool LoeseUebung(const aufgabe::Aufgabe& a, std::vector<ZKZahl>& loesung, QString& grund);

 private:
  // After a file is opened: the cells that the circuit derives as they
  // stand get their derivations back.
  void LeiteMatrixHer();

 public:
 signals:
  void FormatGeaendert(int format);
  void OrtskurveGeaendert();
  // Anything changed (for a file's "changed" state, a recovery copy).
  void Geaendert();

 private:
  int format_ = General;
  Variablenspeicher* speicher_;
  Gleichungssystem* system_;
  Formelfeld* formel_;
  Blindrechner* induktiv_;
  Blindrechner* kapazitiv_;
  Wandelfeld* wandeln_;
  Winkeltabelle* winkel_;
  Schaltungsfeld* schaltung_;
  Beispielstand beispiele_;
  aufgabe::Ortskurve ortskurve_;
  QString kopierText_ = QString(27, QLatin1Char(' '));
  std::optional<ZKZahl> kopierWert_;
};

#endif
