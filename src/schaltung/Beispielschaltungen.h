// SPDX-License-Identifier: GPL-3.0-or-later
// Textbook circuits as commented netlists, for the circuit page's examples
// menu. Each comment states the value a student can check by hand.
#ifndef QUORVEL_SCHALTUNG_BEISPIELSCHALTUNGEN_H
#define QUORVEL_SCHALTUNG_BEISPIELSCHALTUNGEN_H

#include <span>

struct Beispielschaltung {
  // German; the page translates both (context "Beispielschaltungen"), a
  // translation changing only the comments and keeping the netlist's syntax.
  const char* titel;      // as the menu shows it
  const char* netzliste;  // UTF-8
};

std::span<const Beispielschaltung> Beispielschaltungen();

#endif
