// SPDX-License-Identifier: GPL-3.0-or-later
// Conversion between the two text forms, and the reciprocal, without the
// window.
#ifndef QUORVEL_LOGIK_UMRECHNUNG_H
#define QUORVEL_LOGIK_UMRECHNUNG_H

#include <string>
#include <string_view>

#include "complex/ZKZahl.h"

// "Wandeln  Ex <-> Kom": exponential form becomes component form, every other
// readable form becomes exponential form. False for unreadable text. `wert`,
// if given, gets the value the result shows (in both functions).
bool WandleForm(std::string_view text, int zahlenFormat, std::string& ergebnis,
                ZKZahl* wert = nullptr);

// "1/X": the reciprocal in the form the text was written in (exponential
// stays exponential, everything else comes out in component form). Zero is
// written back as zero. False for unreadable text.
bool BildeKehrwert(std::string_view text, int zahlenFormat, std::string& ergebnis,
                   ZKZahl* wert = nullptr);

#endif
