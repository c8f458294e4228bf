// SPDX-License-Identifier: GPL-3.0-or-later
// A complex value as text without loss, for the task file and the clipboard:
// real and imaginary part, each with 21 significant digits (enough for every
// 80-bit long double to read back bit for bit), in C notation with a point,
// separated by one blank: "2.00000000000000000000e+00 -1.00000000000000000000e+00".
// The shown texts round to ten digits; this one stands behind them.
#ifndef QUORVEL_COMPLEX_ZKGENAU_H
#define QUORVEL_COMPLEX_ZKGENAU_H

#include <string>
#include <string_view>

#include "complex/ZKZahl.h"

// Empty for a value with a part that is not finite (it has no digits).
std::string GenauerText(const ZKZahl& z);
// The value from the cartesian parts; false (and z unchanged) for any other
// text, also a part beyond the range or not finite.
bool LiesGenauenText(std::string_view text, ZKZahl& z);

#endif
