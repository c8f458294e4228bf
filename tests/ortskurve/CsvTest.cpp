// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "ortskurve/Csv.h"

namespace {

Kurvenpunkt Punkt(long double f, long double re, long double im, long double fehler = 0) {
  Kurvenpunkt p;
  p.f = f;
  p.gueltig = true;
  p.wert.SetzeKartesisch(re, im);
  p.fehler = fehler;
  return p;
}

TEST(Csv, GermanSpreadsheetLayout) {
  Kurve k;
  k.punkte = {Punkt(50, 3, 4), Luecke(60), Punkt(1500, -1, -1e-7L)};
  EXPECT_EQ(CsvText(k),
            "\xEF\xBB\xBF"
            "f in Hz;Re;Im;|x|;\u03c6 in \u00b0\r\n"
            "50;3;4;5;53,13010235\r\n"
            "60;;;;\r\n"
            "1500;-1;-1E-07;1;-179,9999943\r\n");
}

// A value from the fast path is written as it is where its error leaves
// every written digit standing, else taken from the exact path; a part that
// is rounding residue next to the other is 0.
TEST(Csv, DigitsInDoubtComeFromTheExactPath) {
  Kurve k;
  k.punkte = {Punkt(1, 1.23456789012345L, 2, 1e-15L),  // settled
              Punkt(2, 1.0000000005L, 2, 1e-11L),      // at a rounding edge
              Punkt(3, 3e-20L, 1000, 1e-17L)};         // residue in Re
  int gefragt = 0;
  const std::string t = CsvText(k, [&](long double f) {
    ++gefragt;
    EXPECT_EQ(f, 2.0L);
    return Punkt(f, 1.000000001L, 2);
  });
  EXPECT_EQ(gefragt, 1);
  EXPECT_NE(t.find("\r\n1;1,23456789;2;"), std::string::npos) << t;
  EXPECT_NE(t.find("\r\n2;1,000000001;2;"), std::string::npos) << t;
  EXPECT_NE(t.find("\r\n3;0;1000;1000;90\r\n"), std::string::npos) << t;
}

}  // namespace
