// SPDX-License-Identifier: GPL-3.0-or-later
// From a circuit to its system of equations, the way German textbooks set it
// up, and from the system's solution to every element's voltage, current and
// power.
//
// Knotenpotentialverfahren (modified nodal analysis): the unknowns are the
// node potentials against ground, in the order the nodes first appear, then
// the current of each ideal voltage source in line order (I_U1 flows from +
// through the source to -). Row k is the current balance of node k (the
// currents leaving it sum to 0); a source's row says U(+) - U(-) = U.
//
// Maschenstromverfahren with a complete tree: voltage sources go into the
// tree first, then the passive branches of lowest impedance magnitude (ties
// in line order); current sources are always links. Every passive link
// carries one unknown mesh current (I_M1, I_M2, ... in line order), flowing
// through the link from its first node to its second and back through the
// tree; a current source's link carries its known current. Row k is
// Kirchhoff's voltage law around link k's loop: the sum of the impedance
// drops equals the sum of the source voltages met from - to +.
//
// Every entry keeps the terms it is made of, so its derivation can be shown
// next to its value. The structure depends on the circuit only (and, for the
// mesh method, on the tree chosen at one frequency); BewerteBei gives the
// same system new values at another frequency without setting it up again.
#ifndef QUORVEL_SCHALTUNG_ANALYSE_H
#define QUORVEL_SCHALTUNG_ANALYSE_H

#include <complex>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "complex/ZKZahl.h"
#include "schaltung/Fehler.h"
#include "schaltung/Netzliste.h"
#include "solver/GleichungsLoeser.h"

enum class Verfahren { Knoten, Maschen };

// One summand of an entry: plus or minus a quantity of an element.
struct Term {
  enum class Art {
    Leitwert,             // the element's admittance: 1/R1, jωC1, 1/(jωL1), 1/Z1, Y1
    Widerstand,           // its impedance: R1, jωL1, 1/(jωC1), Z1, 1/Y1
    Eins,                 // the number 1 (a voltage source's unknown current or its row)
    Quelle,               // the source's value: U1 or I1
    WiderstandMalQuelle,  // the element's impedance times current source `quelle`'s current
  };
  Art art;
  int element;  // index into Schaltung::elemente
  int vorzeichen;
  int quelle = -1;
};

struct Eintrag {
  std::vector<Term> terme;  // empty: the entry is 0
  ZKZahl wert;
};

// Mesh method: one link and the loop it closes through the tree.
struct Masche {
  int verbindung;  // the link's element index
  int unbekannte;  // its mesh current's index, -1 for a current source's link
  // The branches in the order the loop runs through them, starting with the
  // link, each with +1 where the loop runs from its first node to its second.
  std::vector<std::pair<int, int>> zweige;
};

struct Schaltungssystem {
  Verfahren verfahren = Verfahren::Knoten;
  long double omega = 0.0L;
  int n = 0;
  std::vector<std::string> unbekannte;
  std::vector<Eintrag> a;  // row-major, n x n
  std::vector<Eintrag> b;  // right-hand sides

  // Knotenpotentialverfahren: the voltage sources' element indices, in the
  // order of their unknowns (after the node potentials).
  std::vector<int> spannungsquellen;
  // Maschenstromverfahren: which elements form the tree, and every loop
  // (those of the current sources' links included).
  std::vector<bool> baum;
  std::vector<Masche> maschen;

  const Eintrag& A(int zeile, int spalte) const {
    return a[static_cast<std::size_t>(zeile) * static_cast<std::size_t>(n) +
             static_cast<std::size_t>(spalte)];
  }
};

struct Aufstellung {
  Schaltungssystem system;
  std::optional<SchaltungsFehler> fehler;  // too many unknowns for the solver
};

Aufstellung StelleAuf(const Schaltung& s, Verfahren verfahren, long double omega);
inline Aufstellung StelleAuf(const Schaltung& s, Verfahren verfahren) {
  return StelleAuf(s, verfahren, s.omega);
}
// The same system with every value taken at another ω.
void BewerteBei(Schaltungssystem& g, const Schaltung& s, long double omega);
// The values BewerteBei gives, as plain complex numbers (a row-major, then
// b), without the polar form a ZKZahl derives: for a sweep's fast solve.
void WerteBei(const Schaltungssystem& g, const Schaltung& s, long double omega,
              std::span<std::complex<long double>> a, std::span<std::complex<long double>> b);

// Texts of entry (zeile, spalte), 0-based; spalte -1 is the right-hand side.
// The name as textbooks write it ("Y₁₂", "Z₂₂", "Iq₁", "Uq₃"; "a₁₄" where
// the entry is no admittance), and where it comes from ("1/R1 + jωC1").
std::string Bezeichnung(const Schaltungssystem& g, int zeile, int spalte);
std::string Herleitung(const Schaltungssystem& g, const Schaltung& s, int zeile, int spalte);
// What row `zeile` says, e.g. "Knoten 2: Summe der abfließenden Ströme = 0".
std::string ZeilenBedeutung(const Schaltungssystem& g, const Schaltung& s, int zeile);

// a - b, and 0 in each part where the two cancel to rounding residue (below
// 2.3e-16 of their size): the difference of two potentials.
std::complex<long double> Differenz(std::complex<long double> a, std::complex<long double> b);

// The value as a matrix cell holds it once written as the shortest text
// that reads back to the same doubles.
ZKZahl AufDoubleGerundet(const ZKZahl& z);

enum class Rundung {
  Keine,     // the system's long double values
  AufDouble  // every entry rounded to double first, as the matrix page reads them
};

struct ElementWerte {
  ZKZahl u;  // first node minus second
  ZKZahl i;  // from the first node through the element to the second
  ZKZahl s;  // U·I*: P + jQ taken in (negative where power is given out)
};

struct Ergebnis {
  LoeseStatus status = KeineEindeutigeLoesung;
  std::string meldung;  // the reason when not solved
  std::vector<ZKZahl> loesung;
  std::vector<ZKZahl> potentiale;      // by node index, ground (0) included
  std::vector<ElementWerte> elemente;  // by element index
  ZKZahl leistungsbilanz;              // sum of S over all elements: 0 up to rounding
};

Ergebnis Loese(const Schaltung& s, const Schaltungssystem& g, Rundung rundung = Rundung::Keine);
// The unknowns alone, solved by GleichungsLoeser; empty unless solved.
LoeseStatus LoeseGleichungen(const Schaltungssystem& g, Rundung rundung, std::vector<ZKZahl>& x);

// By nodal analysis: the impedance between nodes a and b with every source
// set to zero (voltage sources short, current sources open), and the ratio
// of the potentials U(a) / U(b) with the sources as given. The status is the
// solver's; a zero denominator of the ratio counts as no unique solution.
// For many frequencies, Kennwertrechner (Kennwert.h) sets up once.
struct Kennwert {
  LoeseStatus status = KeineEindeutigeLoesung;
  ZKZahl wert;
};
Kennwert ImpedanzZwischen(const Schaltung& s, int a, int b, long double omega);
Kennwert Potentialverhaeltnis(const Schaltung& s, int a, int b, long double omega);

// The solver's verdict as the program words it, in its language.
std::string LoeseMeldung(LoeseStatus status);

#endif
