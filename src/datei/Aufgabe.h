// SPDX-License-Identifier: GPL-3.0-or-later
// The work in the main window as the user sees it, for saving and opening:
// every typed input, which side of the memory each row was typed on, and
// whether a result was shown. Results themselves are not kept; opening
// computes them again. Texts are UTF-8.
//
// A text pasted from a shown result stands for the full value it was copied
// from; that value is kept beside the text as a lossless text of the value
// (complex/ZKGenau.h), empty where the text is read as it stands.
#ifndef QUORVEL_DATEI_AUFGABE_H
#define QUORVEL_DATEI_AUFGABE_H

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace aufgabe {

constexpr int kMaxDimension = 20;
// Cells of the coefficient grid: rows 1..20, columns 1..21 (right-hand side
// and twenty coefficients), also those outside the current dimension.
constexpr int kMatrixZeilen = kMaxDimension;
constexpr int kMatrixSpalten = kMaxDimension + 1;
constexpr int kSpeicherZeilen = 20;
constexpr int kWinkelZeilen = 7;

// Where a memory row's value was typed (or dropped); the other side is its
// reciprocal.
enum class Seite { K, G };

struct SpeicherZeile {
  std::string k;          // value cell of Kn
  std::string g;          // value cell of Gn
  std::string kommentar;  // comment of Kn
  Seite getippt = Seite::K;
  std::string wert;  // behind the text on the typed side

  bool operator==(const SpeicherZeile&) const = default;
  bool Leer() const { return k.empty() && g.empty() && kommentar.empty(); }
};

// One reactance calculator: the texts of its three edits in the order
// quantity (L or C), frequency, reactance, and the sought one (0..2).
struct Blindrechner {
  std::array<std::string, 3> texte;
  int gesucht = 2;
  bool ergebnisGezeigt = false;

  bool operator==(const Blindrechner&) const = default;
};

// A value pasted into the formula: characters [stelle, stelle + laenge) of
// its text, counted in UTF-16 units.
struct Formelteil {
  int stelle = 0;
  int laenge = 0;
  std::string wert;

  bool operator==(const Formelteil&) const = default;
};

// An exercise set on the matrix page: the task is the coefficient grid, its
// solution is not kept (opening solves the task again and hides it).
struct Uebung {
  // antworten[r - 1]: the student's answer for Xr, exponential and component
  // column of the result grid.
  std::array<std::array<std::string, 2>, kMaxDimension> antworten;

  bool operator==(const Uebung&) const = default;
};

// The locus page's settings as typed: the curve's source, its range and
// marks, and what is shown. Nodes are kept by name, so that a netlist
// edited since still finds them.
struct Ortskurve {
  enum class Quelle { Formel, Schaltung };
  enum class Marken { Keine, Dekaden, Gewaehlt };
  enum class Inversion { Aus, Daneben, Statt };

  Quelle quelle = Quelle::Formel;
  std::string formel = "100 + j*omega*0,1";
  bool verhaeltnis = false;  // the ratio U(a)/U(b), else the impedance between a and b
  std::string knotenA, knotenB;
  std::string von = "10", bis = "10k", punkte = "500";
  bool logarithmisch = true;
  Marken marken = Marken::Dekaden;
  std::string gewaehlt;  // the chosen marks, "50; 100; 1,5k"
  bool frequenzgang = false;
  bool dezibel = true;
  Inversion inversion = Inversion::Aus;

  bool operator==(const Ortskurve&) const = default;
};

struct Aufgabe {
  int zahlenFormat = 0;  // 0 General, 1 Exponent
  int dimension = 3;
  // zellen[r - 1][c - 1] is the coefficient grid's cell (c, r).
  std::array<std::array<std::string, kMatrixSpalten>, kMatrixZeilen> zellen{};
  std::array<std::array<std::string, kMatrixSpalten>, kMatrixZeilen> zellwerte{};
  bool matrixErgebnisGezeigt = false;

  std::array<SpeicherZeile, kSpeicherZeilen> speicher{};  // K1..K20

  std::string formel;
  std::vector<Formelteil> formelteile;  // in order, not overlapping
  bool formelErgebnisGezeigt = false;

  Blindrechner induktiv{{"", "50", ""}};
  Blindrechner kapazitiv{{"", "50", ""}};
  std::string wandeln;

  int winkelZeile = -1;  // the angle grid's typed row, -1 for none
  std::string winkelText;

  std::optional<Uebung> uebung;

  // The circuit page: the netlist, the method (0 nodal, 1 mesh) and the
  // matrix's titles that its system gave (empty: the standard title).
  std::string netzliste;
  int verfahren = 0;
  std::array<std::string, kMatrixZeilen> zeilentitel{};
  std::array<std::string, kMatrixSpalten> spaltentitel{};

  Ortskurve ortskurve;

  bool operator==(const Aufgabe&) const = default;
};

}  // namespace aufgabe

#endif
