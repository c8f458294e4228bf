// SPDX-License-Identifier: GPL-3.0-or-later
// The Quorvel task file (.quorvel): versioned JSON, described in
// docs/dateiformat.md. Reading checks everything before it hands out a
// task, so a window applies either a whole valid task or nothing.
#ifndef QUORVEL_DATEI_AUFGABENDATEI_H
#define QUORVEL_DATEI_AUFGABENDATEI_H

#include <cstddef>
#include <string>
#include <string_view>

#include "datei/Aufgabe.h"

namespace aufgabe {

// 2: the values behind pasted texts, and the exercise.
// 3: the circuit (netlist, method) and the matrix's titles.
// 4: the locus page's settings ("ortskurve").
constexpr int kDateiVersion = 4;
// No real task comes near this; a larger file is not read at all.
constexpr std::size_t kMaxDateiGroesse = 1024 * 1024;
// Characters per text; a cell reads at most 255, a comment is one line.
constexpr int kMaxTextLaenge = 1000;
// Lines of a netlist (each a text as above).
constexpr int kMaxNetzlistenZeilen = 1000;

enum class Lesefehler {
  Keiner,
  ZuGross,
  KeinUtf8,
  KeinJson,
  KeineQuorvelDatei,
  NeuereVersion,
  Beschaedigt,
};

struct Leseergebnis {
  Lesefehler fehler = Lesefehler::Keiner;
  std::string detail;  // for Beschaedigt: what is wrong, in German
  Aufgabe aufgabe;
};

Leseergebnis LiesAufgabe(std::string_view bytes);

// False (and the German reason in `fehler`) when a text is too long to be
// read back; nothing is written then.
bool SchreibeAufgabe(const Aufgabe& a, std::string& bytes, std::string& fehler);

// The one message the window shows for a file that could not be read.
std::string Lesemeldung(const Leseergebnis& e, std::string_view dateiname);

}  // namespace aufgabe

#endif
