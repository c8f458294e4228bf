// SPDX-License-Identifier: GPL-3.0-or-later
// The formula field without the window: evaluating the edit's text into the
// label's text, and the prepared example formulas.
#ifndef QUORVEL_LOGIK_FORMELERGEBNIS_H
#define QUORVEL_LOGIK_FORMELERGEBNIS_H

#include <span>
#include <string>
#include <string_view>

#include "formula/FormelRechner.h"
#include "sprache/Uebersetzung.h"

// The formula field's messages, German; Formelmeldung gives them in the
// program's language.
constexpr const char* kKlammerfehler =
    QT_TRANSLATE_NOOP("Formelergebnis", "Es ist ein Klammerfehler aufgetreten.");
constexpr const char* kFormelfehler =
    QT_TRANSLATE_NOOP("Formelergebnis", "Es ist ein Formelfehler aufgetreten.");
constexpr const char* kNichtDefiniert =
    QT_TRANSLATE_NOOP("Formelergebnis", "Das Ergebnis ist nicht definiert (Division durch 0).");
constexpr const char* kTrenner = "  =  ";
// A power whose exponent is not real.
constexpr const char* kKomplexerExponent =
    QT_TRANSLATE_NOOP("Formelergebnis", "Der Exponent einer Potenz muss reell sein.");

// One of the messages above as the label shows it (byte text, Windows-1252).
std::string Formelmeldung(const char* meldung);

// The label text for a formula that translated but computes nothing, byte
// text (Windows-1252): "K1 enth\xE4lt keine lesbare Zahl."; for G1 of that row
// "G1 hat keinen Wert: K1 enth\xE4lt keine lesbare Zahl.".
std::string Rechenfehlertext(const Rechenfehler& fehler);

// The label text for a formula (byte text, commas allowed): both forms of the
// value joined by "  =  ", or one of the error texts. Formulas longer than 255
// characters are formula errors, never cut.
std::string RechenfeldErgebnis(FormelRechner& rechner, std::string_view formel, int zahlenFormat);

// The same, with the values pasted into the formula (see Festwert), and the
// value the text shows when there is one.
struct Formelwert {
  std::string text;
  bool berechnet = false;
  ZKZahl wert;
};
Formelwert BerechneFormel(FormelRechner& rechner, std::string_view formel, int zahlenFormat,
                          std::span<const Festwert> festwerte = {});

struct SpeicherBeispiel {
  int zeile;
  const char* wert;
  const char* kommentar;
};

// The example's comment for its memory row, in the program's language (byte
// text).
std::string Beispielkommentar(const SpeicherBeispiel& zeile);

struct Rechenbeispiel {
  const char* formel;
  SpeicherBeispiel speicher[5];  // unused rows have zeile 0
};

constexpr int kAnzahlBeispiele = 14;
// Example n (1..14).
const Rechenbeispiel& Beispielformel(int n);

#endif
