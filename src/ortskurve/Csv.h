// SPDX-License-Identifier: GPL-3.0-or-later
// A curve as a table for a spreadsheet with German settings: UTF-8 with a
// byte order mark (without it a German spreadsheet reads the file as
// Windows-1252 and garbles φ), a header row, semicolons between the fields,
// a decimal comma, CRLF at each line's end. The columns: f in Hz, Re, Im,
// |x| and φ in degrees (its principal value, -180 to 180), each with the
// ten significant digits the program shows (General10); a point without
// value leaves its four value fields empty.
#ifndef QUORVEL_ORTSKURVE_CSV_H
#define QUORVEL_ORTSKURVE_CSV_H

#include <functional>
#include <string>

#include "ortskurve/Kurve.h"

// Every written digit is right: a point from a faster path whose error
// estimate leaves a digit in doubt is computed by `genau` first (the
// source's GenauerWert; without it such a point is written as it is).
std::string CsvText(const Kurve& k, const std::function<Kurvenpunkt(long double)>& genau = {});

#endif
