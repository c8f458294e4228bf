// SPDX-License-Identifier: GPL-3.0-or-later
// The lossless text of a value: every long double comes back bit for bit,
// and nothing but the two parts in C notation is read.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "complex/ZKGenau.h"

namespace {

using Grenzen = std::numeric_limits<long double>;

TEST(ZKGenau, EveryPartReadsBackBitForBit) {
  EXPECT_EQ(GenauerText([] {
              ZKZahl z;
              z.SetzeKartesisch(2.0L, -1.0L);
              return z;
            }()),
            "2.00000000000000000000e+00 -1.00000000000000000000e+00");
  const long double teile[] = {
      2.0L / 3.0L,           -1.0L / 7.0L, Grenzen::max(), Grenzen::lowest(),   Grenzen::min(),
      Grenzen::denorm_min(), -0.0L,        1e-4940L,       123456789.123456789L};
  for (long double re : teile) {
    ZKZahl z, zurueck;
    z.SetzeKartesisch(re, -re / 3.0L);
    ASSERT_TRUE(LiesGenauenText(GenauerText(z), zurueck)) << GenauerText(z);
    EXPECT_EQ(zurueck.Realteil, z.Realteil);
    EXPECT_EQ(zurueck.Imaginaerteil, z.Imaginaerteil);
    EXPECT_EQ(std::signbit(zurueck.Realteil), std::signbit(z.Realteil));
  }
  ZKZahl unendlich;
  unendlich.SetzeKartesisch(Grenzen::infinity(), 0.0L);
  EXPECT_EQ(GenauerText(unendlich), "");
}

TEST(ZKGenau, AnyOtherTextIsRefused) {
  for (const char* text : {"", "1", " 1 2", "1 2 ", "1  2", "1 2 3", "1,5 2", "inf 0", "nan 0",
                           "0x1p3 0", "1e99999 0", "1e-99999 0", "1 e", "1 -", "j 1"}) {
    ZKZahl z;
    z.SetzeKartesisch(7.0L, 7.0L);
    EXPECT_FALSE(LiesGenauenText(text, z)) << text;
    EXPECT_EQ(z.Realteil, 7.0L) << text;
  }
}

}  // namespace
