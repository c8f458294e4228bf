// SPDX-License-Identifier: GPL-3.0-or-later
// What quorvel-schaltung prints: a report for reading, or JSON for programs
// (the format is described in docs/schaltung.md and stays stable).
#ifndef QUORVEL_SCHALTUNG_BERICHT_H
#define QUORVEL_SCHALTUNG_BERICHT_H

#include <string>
#include <vector>

#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"

// The system with the derivation of every entry, then (when solved) the
// unknowns, the node potentials, every element's values and the power balance.
std::string TextBericht(const Schaltung& s, const Schaltungssystem& g, const Ergebnis& e);
// The same as one JSON object; when not solved, the system and "fehler".
std::string JsonBericht(const Schaltung& s, const Schaltungssystem& g, const Ergebnis& e);
// A netlist that could not be read (or set up): {"fehler": ..., "zeile": ...}.
std::string JsonFehler(const std::vector<SchaltungsFehler>& fehler);

// A number as JSON with 17 significant digits (round trip for a double).
std::string JsonZahl(long double x);

#endif
