// SPDX-License-Identifier: GPL-3.0-or-later
// When an exercise answer counts as right.
#ifndef QUORVEL_MODELL_UEBUNG_H
#define QUORVEL_MODELL_UEBUNG_H

#include "complex/ZKZahl.h"

// Within 0,1 % of the solution's magnitude and 0,1 degree of its angle,
// compared modulo 360 degrees (both edges included).
inline constexpr long double kBetragToleranz = 1e-3L;
inline constexpr long double kWinkelToleranz = 0.1L;

bool AntwortRichtig(const ZKZahl& antwort, const ZKZahl& loesung);

#endif
