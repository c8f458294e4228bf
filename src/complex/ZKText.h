// SPDX-License-Identifier: GPL-3.0-or-later
// Text output of complex values: the component form (3+j4) and the
// exponential form (5*e^j53,13), each in the two display formats.
//
// Numbers are written by the project itself, never through the C locale:
// the German program always writes a decimal comma (the Exponent
// exponential form writes points, on purpose, see ExponentialText).
#ifndef QUORVEL_COMPLEX_ZKTEXT_H
#define QUORVEL_COMPLEX_ZKTEXT_H

#include <string>

#include "complex/ZKZahl.h"

// Values of the display format (ZahlenFormat).
enum ZahlenFormatWert : int { General = 0, Exponent = 1 };

// 10 significant digits, trailing zeros removed; scientific ("1E-06",
// "1,5E10") when the rounded value has more than 10 integer digits or is
// below 0.00001.
std::string General10(long double x);
// Exactly 10 significant digits: "-1,234500000E+03".
std::string Exponent10(long double x);
// Rounded once, to 5 significant digits or to the given decimals, whichever
// keeps fewer digits, then written with exactly that many decimals.
std::string Fixed5(long double x, int dezimalen);
inline std::string Fixed52(long double x) {
  return Fixed5(x, 2);
}
inline std::string Fixed51(long double x) {
  return Fixed5(x, 1);
}

// Format 0 (General) or 1 (Exponent); any other format gives the empty text.
std::string KomponentenText(const ZKZahl& z, int format);
std::string ExponentialText(const ZKZahl& z, int format);

#endif
