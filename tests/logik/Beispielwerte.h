// The results of the fourteen example formulas, worked out apart from the
// program (examples 11 and 12 from their polar operands).
#ifndef QUORVEL_TESTS_LOGIK_BEISPIELWERTE_H
#define QUORVEL_TESTS_LOGIK_BEISPIELWERTE_H

#include "logik/Formelergebnis.h"

struct Beispielwert {
  double re, im;
};

inline constexpr Beispielwert kBeispielwerte[kAnzahlBeispiele] = {
    {1206, 0},
    {7, 6},
    {-2500, 0},
    {5.908846518073248, 1.0418890660015805},
    {0.9902680688304324, 0.13917310097255423},
    {52, 0},
    {10.1, 0},
    {-18, 0},
    {63.15404985846042, 0},
    {63.15404985846042, 0},
    {22.625114059498344, 20.273679714406132},
    {54.53857791225417, -28.910741301059005},
    {-466.14, 0},
    {-22, -4},
};

#endif
