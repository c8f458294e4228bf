// SPDX-License-Identifier: GPL-3.0-or-later
// Random circuits in our netlist and in ngspice's, and one run of ngspice
// over many of them: what the comparisons with the simulator share.
//
// How the simulator's conventions map onto ours:
// - A source is written "AC magnitude phase" with the phase in degrees, as
//   our 230∠-30° is; its magnitude is taken as our RMS phasor, both being
//   plain phasors of a linear analysis. (ngspice's own phase outputs, ph(),
//   are in radians: we read real and imaginary parts only, never a phase.)
// - i(V1) is positive when the current flows into the + node, through the
//   source and out of the - node: that is our I_U1 with the same sign.
// - A current source "I1 a b" drives its current from a through the source
//   to b, as ours does; "AC 0" makes a voltage source a short and a current
//   source open, as our impedance between two nodes has them.
// - ngspice has no complex impedance: Z = R + jX becomes R in series with an
//   L (X > 0) or a C (X < 0) at the circuit's frequency, Y = G + jB a
//   resistor in parallel with a C (B > 0) or an L (B < 0). Those stand in
//   only at that frequency; a sweep takes circuits of R, L and C alone.
// - Values go to ngspice in plain scientific notation (its "M" is milli);
//   our netlist gets the same decimal digits with SI prefixes and units.
// - `.options noopac` skips the DC operating point, which a node reached only
//   through capacitors would make singular; the circuits are linear.
#ifndef QUORVEL_TESTS_SCHALTUNG_NGSPICEHILFE_H
#define QUORVEL_TESTS_SCHALTUNG_NGSPICEHILFE_H

#include <complex>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "schaltung/Analyse.h"

using Komplex = std::complex<long double>;

std::string Wissenschaftlich(double x);

struct Zufall {
  std::mt19937_64 gen;
  double Gleich(double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); }
  int Ganz(int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); }
  bool Muenze() { return Ganz(0, 1) == 1; }
  double Dekaden(double mitte, double breite) {
    return mitte * std::pow(10.0, Gleich(-breite, breite));
  }
};

struct Zufallsschaltung {
  std::string netzliste;
  std::string spice;  // the whole deck at the circuit's frequency
  // The deck's parts: the passive elements, the sources, the sources at 0.
  std::string spiceBauteile, spiceQuellen, spiceNullquellen;
  double frequenz = 0.0;             // Hz; element values scatter around |Z| at it
  int knoten = 0;                    // nodes "1" .. "knoten" besides ground
  std::vector<std::string> quellen;  // our voltage sources U1.. (V1.. in ngspice)
};

// 3 to 25 nodes, R/L/C (and, unless nurRLC, Z/Y) elements over three
// decades of |Z| at a frequency from 1 Hz to 100 MHz, 1 to 3 voltage and
// current sources with phases.
Zufallsschaltung Erzeuge(Zufall& z, bool nurRLC = false);

// A deck of these elements with one analysis line.
std::string SpiceDeck(const std::string& elemente, const std::string& analyse);

// The condition number of the system as the solver meets it: every equation
// and then every unknown scaled by a power of two to a largest coefficient
// in [1, 2), then the infinity norm of the matrix times that of its inverse.
long double Kondition(const Schaltungssystem& g);

// ngspice's answer for one deck: the frequencies of its analysis and, for
// each vector asked ("v(3)", "i(v1)"), its value at each of them.
struct SpiceAntwort {
  std::vector<long double> frequenzen;
  std::map<std::string, std::vector<Komplex>> werte;
};

// One run of ngspice over all decks, each with its vectors; empty (and a
// test failure added) when ngspice is missing or fails.
std::vector<SpiceAntwort> FrageNgspice(const std::vector<std::string>& decks,
                                       const std::vector<std::vector<std::string>>& vektoren);

#endif
