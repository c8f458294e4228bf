// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "sprache/Uebersetzung.h"

namespace {

ZKZahl Kartesisch(long double a, long double b) {
  ZKZahl z;
  z.SetzeKartesisch(a, b);
  return z;
}

struct ZahlFall {
  const char* name;
  long double wert;
  const char* text;
};
// Test names and failure messages show the case name, not raw bytes.
inline void PrintTo(const ZahlFall& f, std::ostream* os) {
  *os << f.name;
}

std::string Name(const ::testing::TestParamInfo<ZahlFall>& fall) {
  return fall.param.name;
}

}  // namespace

class General10Format : public ::testing::TestWithParam<ZahlFall> {};
TEST_P(General10Format, Writes) {
  EXPECT_EQ(General10(GetParam().wert), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, General10Format,
    ::testing::Values(ZahlFall{"integer", 4, "4"}, ZahlFall{"half", 0.5L, "0,5"},
                      ZahlFall{"third_ten_digits", 1.0L / 3.0L, "0,3333333333"},
                      ZahlFall{"below_1e_minus_5_scientific", 0.000001L, "1E-06"},
                      ZahlFall{"exactly_1e_minus_5_positional", 0.00001L, "0,00001"},
                      ZahlFall{"negative", -2.5L, "-2,5"},
                      ZahlFall{"ten_integer_digits", 1234567890.0L, "1234567890"},
                      ZahlFall{"decides_on_rounded_value", 9999999999.5L, "1E10"},
                      ZahlFall{"no_plus_in_exponent", 1.5e10L, "1,5E10"},
                      ZahlFall{"rounds_half_away_on_exact_tie", 12345678.125L, "12345678,13"},
                      ZahlFall{"huge", 6.02214076e23L, "6,02214076E23"},
                      ZahlFall{"tiny_negative", -1.25e-20L, "-1,25E-20"},
                      ZahlFall{"zero", 0.0L, "0"},
                      ZahlFall{"infinity_is_a_german_word",
                               std::numeric_limits<long double>::infinity(), "unendlich"},
                      ZahlFall{"nan_is_a_german_word",
                               std::numeric_limits<long double>::quiet_NaN(), "undefiniert"}),
    Name);

class Exponent10Format : public ::testing::TestWithParam<ZahlFall> {};
TEST_P(Exponent10Format, Writes) {
  EXPECT_EQ(Exponent10(GetParam().wert), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Exponent10Format,
    ::testing::Values(ZahlFall{"four", 4, "4,000000000E+00"},
                      ZahlFall{"zero", 0, "0,000000000E+00"},
                      ZahlFall{"negative", -1234.5L, "-1,234500000E+03"},
                      ZahlFall{"small", 0.00125L, "1,250000000E-03"},
                      ZahlFall{"carry_into_exponent", 9.9999999996L, "1,000000000E+01"},
                      ZahlFall{"three_digit_exponent", 1e123L, "1,000000000E+123"}),
    Name);

class Fixed52Format : public ::testing::TestWithParam<ZahlFall> {};
TEST_P(Fixed52Format, Writes) {
  EXPECT_EQ(Fixed52(GetParam().wert), GetParam().text);
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, Fixed52Format,
    ::testing::Values(ZahlFall{"angle", 53.13010235415598L, "53,13"},
                      ZahlFall{"whole", 270, "270,00"},
                      ZahlFall{"third_quadrant", 233.13010235415598L, "233,13"},
                      ZahlFall{"zero", 0, "0,00"}, ZahlFall{"negative_zero", -0.0L, "0,00"},
                      ZahlFall{"rounds_once_not_twice", 1.23496L, "1,23"},
                      ZahlFall{"exact_tie_away_from_zero", 22.125L, "22,13"},
                      ZahlFall{"five_significant_digits_win", 12345.678L, "12346,00"},
                      ZahlFall{"four_integer_digits", 1234.567L, "1234,60"},
                      ZahlFall{"small_rounds_up", 0.006L, "0,01"},
                      ZahlFall{"small_rounds_down", 0.004L, "0,00"},
                      ZahlFall{"carry", 99.999L, "100,00"},
                      ZahlFall{"beyond_five_integer_digits", 123456.0L, "1,2346E+05"}),
    Name);

TEST(Fixed51Format, OneDecimal) {
  EXPECT_EQ(Fixed51(53.13010235415598L), "53,1");
  EXPECT_EQ(Fixed51(270), "270,0");
  EXPECT_EQ(Fixed51(0.25L), "0,3");  // exact tie, away from zero
}

struct FormFall {
  const char* name;
  long double a, b;
  const char* komponentenGeneral;
  const char* exponentialGeneral;
  const char* komponentenExponent;
  const char* exponentialExponent;
};
// Test names and failure messages show the case name, not raw bytes.
inline void PrintTo(const FormFall& f, std::ostream* os) {
  *os << f.name;
}

class BeideFormen : public ::testing::TestWithParam<FormFall> {};

TEST_P(BeideFormen, AllFourCombinations) {
  const auto& f = GetParam();
  const ZKZahl z = Kartesisch(f.a, f.b);
  EXPECT_EQ(KomponentenText(z, General), f.komponentenGeneral);
  EXPECT_EQ(ExponentialText(z, General), f.exponentialGeneral);
  EXPECT_EQ(KomponentenText(z, Exponent), f.komponentenExponent);
  EXPECT_EQ(ExponentialText(z, Exponent), f.exponentialExponent);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BeideFormen,
    ::testing::Values(FormFall{"three_plus_j4", 3, 4, "3+j4", "5*e^j53,13",
                               "3,000000000E+00+j4,000000000E+00", "5.000000000E+00*e^j53.1"},
                      FormFall{"three_minus_j4", 3, -4, "3-j4", "5*e^-j53,13",
                               "3,000000000E+00-j4,000000000E+00", "5.000000000E+00*e^-j53.1"},
                      FormFall{"minus_j2", 0, -2, "-j2", "2*e^j270,00",
                               "0,000000000E+00-j2,000000000E+00", "2.000000000E+00*e^j270.0"},
                      FormFall{"zero", 0, 0, "", "0*e^j0,00", "0,000000000E+00",
                               "0.000000000E+00*e^j0.0"},
                      FormFall{"real", 2.5L, 0, "2,5", "2,5*e^j0,00", "2,500000000E+00",
                               "2.500000000E+00*e^j0.0"},
                      FormFall{"negative_real", -2, 0, "-2", "2*e^j180,00", "-2,000000000E+00",
                               "2.000000000E+00*e^j180.0"},
                      FormFall{"j5_after_zero_real", 0, 5, "j5", "5*e^j90,00",
                               "0,000000000E+00j5,000000000E+00", "5.000000000E+00*e^j90.0"},
                      FormFall{"tiny_real", 0.000001L, 0, "1E-06", "1E-06*e^j0,00",
                               "1,000000000E-06", "1.000000000E-06*e^j0.0"}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(TextFormen, UnknownFormatGivesEmptyText) {
  const ZKZahl z = Kartesisch(3, 4);
  EXPECT_EQ(KomponentenText(z, 2), "");
  EXPECT_EQ(ExponentialText(z, -1), "");
}

TEST(TextFormen, UnnormalisedAngleIsShownAsStored) {
  ZKZahl a;
  a.SetzePolar(2, 200);
  ZKZahl b;
  b.SetzePolar(3, 200);
  EXPECT_EQ(ExponentialText(a * b, General), "6*e^j400,00");
}

TEST(TextFormen, NonFiniteValuesGetGermanWords) {
  const ZKZahl unendlich = 1.0L / ZKZahl();
  EXPECT_EQ(ExponentialText(unendlich, General), "unendlich");
  EXPECT_EQ(KomponentenText(unendlich, Exponent), "unendlich");
  ZKZahl nan;
  nan.SetzeKartesisch(std::numeric_limits<long double>::quiet_NaN(), 1);
  EXPECT_EQ(KomponentenText(nan, General), "undefiniert");
  // The readers never take the words back.
  ZKZahl z;
  EXPECT_EQ(LiesZKZahl("unendlich", z), ZKForm::Keine);
  EXPECT_EQ(LiesZKZahl("undefiniert", z), ZKForm::Keine);
  // In another language the words are the translator's, as bytes (» 0xBB).
  sprache::SetzeUebersetzer([](const char*, const char* text) { return "»" + std::string(text); });
  const std::string minus = General10(-std::numeric_limits<long double>::infinity());
  sprache::SetzeUebersetzer(nullptr);
  EXPECT_EQ(minus, "-\xBBunendlich");
}

TEST(TextFormen, EachFormLooksOnlyAtItsOwnPair) {
  // The magnitude of 1E2500 + j1 overflows; its cartesian parts do not.
  ZKZahl z;
  z.SetzeKartesisch(1e2500L, 1);
  EXPECT_EQ(KomponentenText(z, General), "1E2500+j1");
  EXPECT_EQ(ExponentialText(z, General), "unendlich");
}

TEST(TextFormen, ConversionPathDecidesTheDigits) {
  // 3+j4 shown in exponential form and read back is not 3+j4 any more.
  ZKZahl z;
  ASSERT_EQ(LiesZKZahl(ExponentialText(Kartesisch(3, 4), General), z), ZKForm::Exponential);
  EXPECT_EQ(KomponentenText(z, General), "3,000007146+j3,999994641");
}
