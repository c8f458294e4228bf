// SPDX-License-Identifier: GPL-3.0-or-later
// Reading typed or dropped texts into complex values.
//
// The readers work on byte strings (Windows-1252, see Ansi.h), accept a
// decimal comma or point, and read numbers in the "C" syntax whatever the
// process locale is: optional sign, digits with optional point and fraction,
// optional exponent. They skip no white space and accept no hexadecimal
// numbers and no words for infinity or not-a-number; a number beyond the
// range of double is no number.
#ifndef QUORVEL_COMPLEX_ZKLESEN_H
#define QUORVEL_COMPLEX_ZKLESEN_H

#include <cstddef>
#include <string_view>

#include "complex/ZKZahl.h"

// Working-buffer sizes (terminator included) of the callers.
constexpr std::size_t kZellPuffer = 256;     // matrix cells, edits
constexpr std::size_t kSpeicherPuffer = 80;  // variable memory cells

// Reads one number at p. Returns the end of the number, or p itself when
// there is none there (also for a number beyond the range of double).
const char* LiesZahl(const char* p, double& wert);

// In-place clean-up: removes every blank (space only; tabs stay).
void EntferneLeerzeichen(char* text);
// In-place clean-up: every comma becomes a point.
void KommaNachPunkt(char* text);

// The degree sign (Windows-1252), allowed behind the angle of the angle
// notation r∠φ (the angle sign's byte is in Ansi.h).
constexpr char kGradzeichen = '\xB0';

// magnitude, marker "*e^+j" / "*e^-j" / "*e^j", angle in degrees; or
// magnitude, angle sign, angle in degrees with an optional degree sign.
bool LiesExponentialform(char* text, long double& betrag, long double& winkel);
// real part, then "j" / "+j" / "-j", then the imaginary part (empty: 1).
bool LiesKomponentenform(const char* text, long double& real, long double& imaginaer);
// The whole text is one number.
bool LiesReell(const char* text, long double& real);
// "+j" / "j" / "-j" with an optional number.
bool LiesImaginaer(char* text, long double& imaginaer);

enum class ZKForm { Keine, Exponential, Komponenten, Reell, Imaginaer };

// The reading sequence for a cell or edit text. Texts that do not fit the
// caller's working buffer are unreadable (never cut). The value is set only
// when a reader accepts.
ZKForm LiesZKZahl(std::string_view text, ZKZahl& z, std::size_t puffer = kZellPuffer);

#endif
