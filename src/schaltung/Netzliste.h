// SPDX-License-Identifier: GPL-3.0-or-later
// A circuit as a teacher writes it on the board, one element per line:
//
//   f = 50 Hz
//   U1  1 0 230∠0°      voltage source, + at the first node
//   R1  1 2 4,7k
//   C1  2 0 2,2µ
//
// The reader turns the text (UTF-8) into a Schaltung, or into the list of
// what is wrong with it; nothing is computed from a netlist with an error.
// The circuit does not depend on the frequency: the analyses take ω as an
// argument, so a circuit read once can be evaluated at many frequencies.
#ifndef QUORVEL_SCHALTUNG_NETZLISTE_H
#define QUORVEL_SCHALTUNG_NETZLISTE_H

#include <string>
#include <string_view>
#include <vector>

#include "complex/ZKZahl.h"
#include "schaltung/Fehler.h"

enum class ElementArt {
  Widerstand,       // R, in Ω
  Induktivitaet,    // L, in H
  Kapazitaet,       // C, in F
  Impedanz,         // Z, in Ω
  Admittanz,        // Y, in S
  Spannungsquelle,  // U or V: RMS phasor in V, + at the first node
  Stromquelle,      // I: RMS phasor in A, from the first node through the source to the second
};

bool IstQuelle(ElementArt art);

struct Element {
  ElementArt art;
  std::string name;  // as written, e.g. "R1"
  int knoten1 = 0;   // node indices into Schaltung::knoten; 0 is ground
  int knoten2 = 0;
  ZKZahl wert;
  int zeile = 0;
};

struct Schaltung {
  // Node 0 is ground, named as first written (0, GND or Masse); the others
  // follow in the order of their first appearance in the netlist.
  std::vector<std::string> knoten;
  std::vector<Element> elemente;  // in line order
  bool mitFrequenz = false;       // a line "f = ..." or "ω = ..." was given
  long double omega = 0.0L;       // angular frequency in 1/s (0 without one)
  long double frequenz = 0.0L;    // f in Hz
  int frequenzZeile = 0;
};

struct NetzlistenErgebnis {
  Schaltung schaltung;
  std::vector<SchaltungsFehler> fehler;  // empty when the netlist is sound
};

NetzlistenErgebnis LiesNetzliste(std::string_view text);

// Reading one value (UTF-8, blanks allowed): a complex number as the program
// reads it everywhere (3+j4, 5*e^j53,13, 230∠-30°), where every number but
// an angle may carry an SI prefix (p n µ u m k M G T; m is milli, M mega) and
// a unit from `einheiten` (blank-separated, e.g. "Ω Ohm").
struct GelesenerWert {
  enum Fehler { Keiner, Unlesbar, ZuLang, Meg, Femto, Einheit } fehler = Keiner;
  std::string detail;  // the unit or the prefix at fault
  ZKZahl zahl;
};
GelesenerWert LiesWert(std::string_view text, std::string_view einheiten);

#endif
