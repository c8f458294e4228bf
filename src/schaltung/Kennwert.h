// SPDX-License-Identifier: GPL-3.0-or-later
// One quantity of a circuit as the frequency varies, set up once and
// evaluated at many frequencies: the impedance between two nodes with the
// sources removed (voltage sources short, current sources open; one ampere
// goes in at a and out at b), or the ratio of the potentials U(a)/U(b) with
// the sources as given. Both by nodal analysis, whose system keeps its shape
// at every ω; only the values change.
//
// Two ways to a value. Schnell stamps the entries as plain complex numbers
// and solves with SchnellLoeser; where its error estimate is not within
// kSchnellGrenze of the value (or the factors fail), that point is solved
// the exact way instead. Genau is the circuit page's path: the entries as
// ZKZahl and GleichungsLoeser with its error bound. A value the user reads
// digit by digit comes from Genau.
#ifndef QUORVEL_SCHALTUNG_KENNWERT_H
#define QUORVEL_SCHALTUNG_KENNWERT_H

#include <complex>
#include <optional>
#include <vector>

#include "schaltung/Analyse.h"
#include "schaltung/Fehler.h"
#include "schaltung/Netzliste.h"
#include "solver/SchnellLoeser.h"

enum class KennwertArt { Impedanz, Verhaeltnis };

struct Naeherung {
  LoeseStatus status = KeineEindeutigeLoesung;
  std::complex<long double> wert;
  // An estimate of the value's error; 0 where it came the exact way.
  long double fehler = 0.0L;
  bool genau = false;
};

class Kennwertrechner {
 public:
  // The largest error estimate, relative to the value, that a fast solve
  // may have: a thousand times below the ten digits the program shows.
  static constexpr long double kSchnellGrenze = 1e-12L;

  Kennwertrechner(const Schaltung& s, KennwertArt art, int a, int b);

  // Why the quantity exists at no frequency (a node the circuit does not
  // have, a = b for an impedance, a ratio to ground or without a source,
  // too many unknowns); empty when it can be computed.
  const std::optional<SchaltungsFehler>& Hindernis() const { return hindernis_; }

  Naeherung Schnell(long double omega);
  Kennwert Genau(long double omega);

  // Fast solves that went the exact way since construction.
  int Rueckfaelle() const { return rueckfaelle_; }

 private:
  Naeherung Rueckfall(long double omega);

  Schaltung s_;
  KennwertArt art_;
  int a_, b_;
  std::optional<SchaltungsFehler> hindernis_;
  Schaltungssystem g_;
  SchnellLoeser loeser_;
  std::vector<std::complex<long double>> rechts_, x_;
  int rueckfaelle_ = 0;
};

#endif
