// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>

#include "logik/Winkelwerte.h"

namespace {

struct WinkelFall {
  const char* name;
  int zeile;
  const char* eingabe;
  std::array<const char*, kWinkelZeilen> erwartet;  // nullptr: not checked
};
inline void PrintTo(const WinkelFall& f, std::ostream* os) {
  *os << f.name;
}

}  // namespace

class Winkel : public ::testing::TestWithParam<WinkelFall> {};

TEST_P(Winkel, OtherRows) {
  const auto& f = GetParam();
  const WinkelTexte t = WinkelZeileBerechnen(f.zeile, f.eingabe);
  ASSERT_TRUE(t.zahl);
  for (int i = 0; i < kWinkelZeilen; ++i) {
    if (i == f.zeile || f.erwartet[i] == nullptr) continue;
    EXPECT_EQ(t.zeilen[i], f.erwartet[i]) << "row " << i;
  }
}

// Rows: degrees, radians, sine, cosine, tangent, cotangent, gon; the typed
// row itself is not compared.
INSTANTIATE_TEST_SUITE_P(
    Faelle, Winkel,
    ::testing::Values(
        WinkelFall{
            "deg_90", Grad, "90", {nullptr, "1,570796327", "1", "0.0", "Error", "0.0", "100"}},
        WinkelFall{"deg_0", Grad, "0", {nullptr, "0", "0.0", "1", "0.0", "Error", "0"}},
        WinkelFall{
            "deg_180", Grad, "180", {nullptr, "3,141592654", "0.0", "-1", "0.0", "Error", "200"}},
        WinkelFall{"deg_45",
                   Grad,
                   "45",
                   {nullptr, "0,7853981634", "0,7071067812", "0,7071067812", "1", "1", "50"}},
        WinkelFall{"deg_minus_270",
                   Grad,
                   "-270",
                   {nullptr, "-4,71238898", "1", "0.0", "Error", "0.0", "-300"}},
        WinkelFall{"deg_comma",
                   Grad,
                   "1,5",
                   {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "1,666666667"}},
        WinkelFall{
            "gon_100", Gon, "100", {"90", "1,570796327", "1", "0.0", "Error", "0.0", nullptr}},
        WinkelFall{"cot_0_is_90_degrees",
                   Kotangens,
                   "0",
                   {"90", "1,570796327", "1", "0.0", "Error", nullptr, "100"}},
        WinkelFall{"cot_1",
                   Kotangens,
                   "1",
                   {"45", "0,7853981634", "0,7071067812", "0,7071067812", "1", nullptr, "50"}},
        WinkelFall{"tan_1", Tangens, "1", {"45", nullptr, nullptr, nullptr, nullptr, "1", "50"}},
        WinkelFall{"tan_minus_1",
                   Tangens,
                   "-1",
                   {"-45", "-0,7853981634", "-0,7071067812", "0,7071067812", nullptr, "-1", "-50"}},
        WinkelFall{"rad_1",
                   Rad,
                   "1",
                   {"57,29577951", nullptr, "0,8414709848", "0,5403023059", "1,557407725",
                    "0,6420926159", "63,66197724"}},
        WinkelFall{
            "rad_pi", Rad, "3,141592654", {"180", nullptr, nullptr, "-1", nullptr, nullptr, "200"}},
        WinkelFall{
            "cos_0", Kosinus, "0", {"90", "1,570796327", "1", nullptr, "Error", "0.0", "100"}},
        // Reduced exactly in degrees or gon: 1e8 degrees is 280 degrees.
        WinkelFall{"deg_1e8",
                   Grad,
                   "100000000",
                   {nullptr, nullptr, "-0,984807753", "0,1736481777", "-5,67128182",
                    "-0,1763269807", nullptr}},
        WinkelFall{"gon_1e8_plus_50",
                   Gon,
                   "100000050",
                   {"90000045", nullptr, "0,7071067812", "0,7071067812", "1", "1", nullptr}},
        WinkelFall{"tiny_angle_scientific",
                   Grad,
                   "0,000001",
                   {nullptr, "1,745329252E-08", "1,745329252E-08", "1", "1,745329252E-08",
                    "57295779,51", "1,111111111E-06"}}));

TEST(Winkel, SineAndCosineAreClampedToTheNearestBound) {
  WinkelTexte t = WinkelZeileBerechnen(Sinus, "1,5");
  EXPECT_TRUE(t.eingabeErsetzt);
  EXPECT_EQ(t.eingabe, "1");
  EXPECT_EQ(t.zeilen[Grad], "90");
  t = WinkelZeileBerechnen(Sinus, "-1,5");
  EXPECT_EQ(t.eingabe, "-1");
  EXPECT_EQ(t.zeilen[Grad], "-90");
  t = WinkelZeileBerechnen(Kosinus, "-2");
  EXPECT_EQ(t.eingabe, "-1");
  EXPECT_EQ(t.zeilen[Grad], "180");
  t = WinkelZeileBerechnen(Kosinus, "7");
  EXPECT_EQ(t.eingabe, "1");
  EXPECT_EQ(t.zeilen[Grad], "0");
  EXPECT_FALSE(WinkelZeileBerechnen(Tangens, "5").eingabeErsetzt);
  // The bounds themselves are kept as typed.
  t = WinkelZeileBerechnen(Sinus, "1");
  EXPECT_FALSE(t.eingabeErsetzt);
  EXPECT_EQ(t.zeilen[Grad], "90");
  t = WinkelZeileBerechnen(Sinus, "-1");
  EXPECT_FALSE(t.eingabeErsetzt);
  EXPECT_EQ(t.zeilen[Grad], "-90");
}

TEST(Winkel, TextThatIsNoNumberEmptiesTheOthers) {
  for (const char* text : {"", "x", "1.5", "1,5,0", "1e", "inf", "1e400"}) {
    const WinkelTexte t = WinkelZeileBerechnen(Grad, text);
    EXPECT_FALSE(t.zahl) << text;
    for (const auto& z : t.zeilen) EXPECT_TRUE(z.empty());
  }
  EXPECT_TRUE(WinkelZeileBerechnen(Grad, " 30 ").zahl);
  EXPECT_TRUE(WinkelZeileBerechnen(Grad, "-1,5E2").zahl);
}
