// SPDX-License-Identifier: GPL-3.0-or-later
// Reactance calculators without the window: reading quantities with SI
// prefixes and units, and solving XL = 2*pi*f*L or XC = 1/(2*pi*f*C) for
// whichever quantity is sought.
#ifndef QUORVEL_LOGIK_REAKTANZ_H
#define QUORVEL_LOGIK_REAKTANZ_H

#include <string>
#include <string_view>

#include "complex/ZKZahl.h"

// The prefix letter at `position` (byte text): its factor, and the position
// moved past it; 1 and unchanged when there is none. Case-sensitive; the
// micro prefix is the byte 0xB5.
long double VorsatzFaktor(const char*& position);

// Reads one quantity ("10mH", "4,7µF", "2,2 k Ohm") from byte text. The unit
// symbol is skipped only when it is the whole rest of the text. An empty text
// reads as 0. Texts longer than 255 characters are rejected. On failure the
// value is 0.
bool GroesseLesen(std::string_view text, const char* einheit, long double& wert);

// General-10 or Exponent-10, chosen by the display format.
std::string RealAlsText(long double wert, int zahlenFormat);

// The three edits of one calculator, in the order quantity, frequency,
// reactance (L, f, XL or C, f, XC).
enum Feld : int { FeldGroesse = 0, FeldFrequenz = 1, FeldBlindwiderstand = 2 };

struct BlindErgebnis {
  enum Art { Berechnet, Eingabefehler, DivisionDurchNull } art = Berechnet;
  Feld fehlerFeld = FeldGroesse;  // the edit to focus when not computed
  Feld gesucht = FeldBlindwiderstand;
  std::string text;  // new text of the sought edit
  ZKZahl zeiger;     // the complex reactance for the label
};

// texte: the byte texts of the three edits; the sought one is not read.
BlindErgebnis BerechneXL(Feld gesucht, const std::string_view texte[3], int zahlenFormat);
BlindErgebnis BerechneXC(Feld gesucht, const std::string_view texte[3], int zahlenFormat);

#endif
