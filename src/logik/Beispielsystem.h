// SPDX-License-Identifier: GPL-3.0-or-later
// The draws behind an example task: a known solution and the equations it
// solves, from a seed. The example button, the text survey tool and the
// solver's recorded texts all take their systems from here, so they agree.
#ifndef QUORVEL_LOGIK_BEISPIELSYSTEM_H
#define QUORVEL_LOGIK_BEISPIELSYSTEM_H

#include <array>
#include <cstdint>

#include "complex/ZKZahl.h"

// Fills x[1..n] with the solution and rows 0..n-1 of m with the equations
// (column 0 the right-hand side, column k the coefficient of Xk). Level 1
// has real solutions, level 3 complex coefficients; magnitudes are 11..99.
void ZieheBeispielsystem(std::uint32_t samen, int stufe, int n, std::array<ZKZahl, 25>& x,
                         ZKMatrix& m);

#endif
