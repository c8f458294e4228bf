// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "SystemBau.h"
#include "complex/ZKText.h"
#include "solver/GleichungsLoeser.h"

namespace {

using systembau::Kartesisch;
using systembau::Polar;
using systembau::Reell;
using systembau::Zeilen;

struct LoesbarFall {
  const char* name;
  Zeilen a;
  std::vector<ZKZahl> x;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const LoesbarFall& f, std::ostream* os) {
  *os << f.name;
}

class Loesbar : public ::testing::TestWithParam<LoesbarFall> {};

TEST_P(Loesbar, GivesTheKnownSolution) {
  const auto& f = GetParam();
  GleichungsLoeser l;
  ASSERT_EQ(systembau::Loese(l, systembau::MitLoesung(f.a, f.x)), Geloest);
  for (int r = 1; r <= static_cast<int>(f.x.size()); ++r) {
    EXPECT_LE(systembau::RelativerFehler(l.Arbeitswert(r, 0), f.x[r - 1]), 1e-15L) << "X" << r;
  }
}

// Rows 2 and 3 repeat row 1's first two coefficients times z and w, made
// with the polar product, so clearing column 1 leaves in column 2 only the
// rounding residue (about 1e-17): not exactly zero, yet nothing to divide by.
const ZKZahl kA = Polar(3, 20), kB = Polar(13, -41);

Zeilen ResteAlsPivot() {
  const ZKZahl z = Polar(17, 37);
  return {
      {kA, kB, ZKZahl()}, {kA * z, kB * z, Polar(4, 10)}, {ZKZahl(), Polar(7, 55), Polar(6, -15)}};
}

// As above, and the first row below also holds only a residue there: the
// exchange must pass it over for the last row.
Zeilen ResteUnterhalb() {
  const ZKZahl z = Polar(17, 37), w = Polar(1.7L, 37), o;
  return {{kA, kB, o, o},
          {kA * z, kB * z, Polar(4, 10), o},
          {kA * w, kB * w, Polar(5, 25), Polar(9, -70)},
          {o, Polar(7, 55), Polar(6, -15), Polar(2, 80)}};
}

INSTANTIATE_TEST_SUITE_P(
    Systeme, Loesbar,
    ::testing::Values(
        LoesbarFall{"single_complex_equation", {{Kartesisch(3, 4)}}, {Kartesisch(1, -2)}},
        LoesbarFall{"leading_zero_coefficient",
                    Reell({{0, 1}, {1, 1}}),
                    {Kartesisch(2, 0), Kartesisch(3, 0)}},
        // Non-zero diagonal, but clearing column 1 zeroes the pivot of row 2.
        LoesbarFall{"zero_pivot_exchanged_with_row_below",
                    Reell({{1, 1, 0}, {1, 1, 1}, {0, 1, 1}}),
                    {Kartesisch(1, 0), Kartesisch(2, 0), Kartesisch(3, 0)}},
        LoesbarFall{"arrangement_only_the_fallback_finds",
                    Reell({{1, 1, 1}, {1, 1, 0}, {1, 0, 0}}),
                    {Kartesisch(1, 0), Kartesisch(2, 0), Kartesisch(3, 0)}},
        LoesbarFall{"rounding_residue_pivot_exchanged",
                    ResteAlsPivot(),
                    {Kartesisch(1, 1), Kartesisch(2, -1), Kartesisch(-3, 0)}},
        // Equations of very different scale (microfarads next to megaohms)
        // are regular, not singular.
        LoesbarFall{"equations_of_very_different_scale",
                    Reell({{1e6, 2e6}, {3e-7, 1e-7}}),
                    {Kartesisch(1, 0), Kartesisch(-2, 1)}},
        LoesbarFall{"diagonal_of_very_different_scale",
                    Reell({{1e6, 0}, {0, 1e-7}}),
                    {Kartesisch(1, 0), Kartesisch(1, 0)}},
        LoesbarFall{"residue_rows_below_passed_over",
                    ResteUnterhalb(),
                    {Kartesisch(1, 1), Kartesisch(2, -1), Kartesisch(-3, 0), Kartesisch(0, 5)}}),
    [](const auto& fall) { return std::string(fall.param.name); });

struct SingulaerFall {
  const char* name;
  Zeilen a;
  std::vector<ZKZahl> b;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const SingulaerFall& f, std::ostream* os) {
  *os << f.name;
}

class Singulaer : public ::testing::TestWithParam<SingulaerFall> {};

TEST_P(Singulaer, IsReportedAndNothingIsWritten) {
  const auto& f = GetParam();
  GleichungsLoeser l;
  EXPECT_EQ(systembau::Loese(l, systembau::MitRechterSeite(f.a, f.b)), KeineEindeutigeLoesung);
  EXPECT_TRUE(l.Loesung().empty());
}

std::vector<ZKZahl> Reelle(std::initializer_list<double> werte) {
  std::vector<ZKZahl> v;
  for (double w : werte) v.push_back(Kartesisch(w, 0));
  return v;
}

// The second equation is the first times 17∠37°, made with the polar
// product, so the rows cancel only up to rounding.
Zeilen ProportionaleZeilen() {
  const ZKZahl z = Polar(17, 37);
  return {{kA, kB}, {kA * z, kB * z}};
}

const long double kNaN = std::numeric_limits<long double>::quiet_NaN();
const long double kInf = std::numeric_limits<long double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Systeme, Singulaer,
    ::testing::Values(
        SingulaerFall{"equal_equations", Reell({{1, 1}, {1, 1}}), Reelle({2, 2})},
        SingulaerFall{"small_equation_proportional_to_large_one", Reell({{1, 2}, {1e-7, 2e-7}}),
                      Reelle({1, 1e-7})},
        SingulaerFall{"rank_two_integer_matrix", Reell({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}),
                      Reelle({1, 2, 3})},
        SingulaerFall{"complex_rows_equal_up_to_rounding", ProportionaleZeilen(), Reelle({1, 2})},
        SingulaerFall{"zero_column_has_no_arrangement", Reell({{1, 0}, {1, 0}}), Reelle({1, 1})},
        SingulaerFall{"zero_pivot_without_replacement", Reell({{1, 1, 0}, {1, 1, 0}, {0, 0, 1}}),
                      Reelle({1, 2, 3})},
        SingulaerFall{"not_a_number_coefficient", Zeilen{{Kartesisch(kNaN, 0)}}, Reelle({1})},
        SingulaerFall{"infinite_right_hand_side", Reell({{2}}), {Kartesisch(kInf, 0)}}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(GleichungsLoeser, DimensionOutsideTheCapacityIsRefused) {
  GleichungsLoeser l;
  EXPECT_EQ(l.Dimension(), GleichungsLoeser::kKapazitaet);
  for (int n : {-1, GleichungsLoeser::kKapazitaet + 1}) {
    l.SetzeDimension(n);
    EXPECT_EQ(l.Loese(), KeineEindeutigeLoesung) << n;
  }
}

// The full capacity is solved: 4 on the diagonal, 1 beside it, Xr = r + j.
TEST(GleichungsLoeser, TheFullCapacityIsSolved) {
  constexpr int n = GleichungsLoeser::kKapazitaet;
  Zeilen a(n, std::vector<ZKZahl>(n));
  std::vector<ZKZahl> x;
  for (int r = 0; r < n; ++r) {
    a[r][r] = Kartesisch(4, 0);
    if (r > 0) a[r][r - 1] = Kartesisch(1, 0);
    if (r + 1 < n) a[r][r + 1] = Kartesisch(1, 0);
    x.push_back(Kartesisch(r + 1, 1));
  }
  GleichungsLoeser l;
  ASSERT_EQ(systembau::Loese(l, systembau::MitLoesung(a, x)), Geloest);
  ASSERT_EQ(l.Loesung().size(), static_cast<std::size_t>(n));
  EXPECT_EQ(KomponentenText(l.Loesung()[n - 1], General), "100+j1");
}

TEST(GleichungsLoeser, SourceSmallerThanTheDimensionIsNotOverrun) {
  const ZKMatrix klein = systembau::MitRechterSeite(Reell({{2, 0}, {0, 4}}), Reelle({2, 4}));
  GleichungsLoeser l;
  l.UebernehmeMatrix(5, 5, klein);  // rows 3..5 do not exist: left zero
  EXPECT_EQ(l.Loese(), KeineEindeutigeLoesung);
  l.UebernehmeMatrix(2, 200, klein);
  EXPECT_EQ(l.Loese(), Geloest);
  ASSERT_EQ(l.Loesung().size(), 2U);
  EXPECT_EQ(l.Loesung()[1].Realteil, 1.0L);
  // A refused solve leaves nothing of the one before.
  l.UebernehmeMatrix(5, 5, klein);
  EXPECT_EQ(l.Loese(), KeineEindeutigeLoesung);
  EXPECT_TRUE(l.Loesung().empty());
}

struct Ausgabe {
  int r;
  std::string exponential, komponenten;
  bool operator==(const Ausgabe&) const = default;
};

// X1 + X2 = 5, X1 - X2 = 1, in both display formats.
TEST(GleichungsLoeser, WritesEveryUnknownInBothFormsAndTheChosenFormat) {
  const ZKMatrix m = systembau::MitRechterSeite(Reell({{1, 1}, {1, -1}}), Reelle({5, 1}));
  for (int format : {General, Exponent}) {
    std::vector<Ausgabe> ausgaben;
    GleichungsLoeser l;
    ASSERT_EQ(systembau::Loese(l, m), Geloest);
    for (std::size_t i = 0; i < l.Loesung().size(); ++i) {
      const ZKZahl& x = l.Loesung()[i];
      ausgaben.push_back(
          {static_cast<int>(i) + 1, ExponentialText(x, format), KomponentenText(x, format)});
    }
    const std::vector<Ausgabe> erwartet =
        format == General ? std::vector<Ausgabe>{{1, "3*e^j0,00", "3"}, {2, "2*e^j0,00", "2"}}
                          : std::vector<Ausgabe>{{1, "3.000000000E+00*e^j0.0", "3,000000000E+00"},
                                                 {2, "2.000000000E+00*e^j0.0", "2,000000000E+00"}};
    EXPECT_EQ(ausgaben, erwartet) << "format " << format;
  }
}

// A zero right-hand side must not pick up rounding dust: all four parts stay 0.
TEST(GleichungsLoeser, ZeroRightHandSidesGiveExactZeros) {
  const Zeilen a = {{Polar(3, 20), Polar(5, -40)}, {Polar(2, 75), Polar(7, 130)}};
  GleichungsLoeser l;
  ASSERT_EQ(systembau::Loese(l, systembau::MitRechterSeite(a, {ZKZahl(), ZKZahl()})), Geloest);
  for (int r = 1; r <= 2; ++r) {
    const ZKZahl& x = l.Arbeitswert(r, 0);
    EXPECT_EQ(x.Realteil, 0.0L);
    EXPECT_EQ(x.Imaginaerteil, 0.0L);
    EXPECT_EQ(x.Betrag, 0.0L);
    EXPECT_EQ(x.Winkel, 0.0L);
  }
}

}  // namespace

namespace {

using systembau::AusTexten;
using systembau::Kartesisch;

struct GetipptFall {
  const char* name;
  std::vector<std::string> gleichungen;  // "right-hand side; X1; X2; ..."
  LoeseStatus status;
  std::vector<std::string> komponenten;  // shown component texts when solved
};

void PrintTo(const GetipptFall& f, std::ostream* os) {
  *os << f.name;
}

class Getippt : public ::testing::TestWithParam<GetipptFall> {};

// Typed systems with small entries (µF, mH, MΩ) that once showed wrong digits
// as if they were right, and the classic singular matrix. Solved ones must
// show the exact solution's digits; the others show nothing.
TEST_P(Getippt, ShowsTheExactDigitsOrNothing) {
  const auto& f = GetParam();
  GleichungsLoeser l;
  std::vector<std::string> komponenten;
  EXPECT_EQ(systembau::Loese(l, AusTexten(f.gleichungen)), f.status);
  for (const ZKZahl& x : l.Loesung()) komponenten.push_back(KomponentenText(x, General));
  EXPECT_EQ(komponenten, f.komponenten);
}

INSTANTIATE_TEST_SUITE_P(
    Systeme, Getippt,
    ::testing::Values(
        // Rows 1 and 3 are equal; a fill-in of 1e-21 in row 2 must not hide it.
        GetipptFall{"equal_rows_beside_a_tiny_fill_in",
                    {"1; 3; -2-j7; 4-j5", "0; -1e-21; 0; 2e-10", "1; 3; -2-j7; 4-j5"},
                    KeineEindeutigeLoesung,
                    {}},
        // The offered pivot 2e-21 must give way to the 9, not to the 1e-9.
        GetipptFall{"tiny_offered_pivot_exchanged_for_the_largest",
                    {"-5; 2e-21; 0; 1", "7; 9; 0; 8", "1; 1e-9; 4; 1e-21"},
                    Geloest,
                    {"5,222222222", "0,2499999987", "-5"}},
        // The imaginary parts lie eleven orders below their unknowns: the
        // elimination leaves their last digits wrong, refinement mends them.
        GetipptFall{
            "pivot_6e12_below_its_column",
            {"6; 5; 0; -9", "-3; 6e-12; 3e-11; -4", "-3; -7; 1-j8; 0"},
            Geloest,
            {"2,55+j2,467384615E-11", "0,2284615384+j1,827692308", "0,75+j1,370769231E-11"}},
        GetipptFall{"small_pivots_that_pass_the_zero_test",
                    {"-6; 1e-9; 4; 2e-21", "-2; 0; 1e-11; 8", "9; -6; 2; -5"},
                    Geloest,
                    {"-1,791666667", "-1,5", "-0,25"}},
        GetipptFall{
            "pivot_2e11_below_its_column",
            {"6; 5; 0; -9", "-3; 2e-11; 3e-11; -4", "-3; -7; 1-j8; 0"},
            Geloest,
            {"2,55+j2,467384615E-11", "0,2284615384+j1,827692308", "0,75+j1,370769231E-11"}},
        // Regular; only the unknown X2's scale makes its column small.
        GetipptFall{
            "small_column_is_no_singularity", {"0; 1; 0", "5e-13; 1; 1e-13"}, Geloest, {"", "5"}},
        GetipptFall{"rank_two_integer_matrix",
                    {"1; 1; 2; 3", "2; 4; 5; 6", "3; 7; 8; 9"},
                    KeineEindeutigeLoesung,
                    {}},
        // Equation 2 is equation 1 but for 1e-9 in one coefficient: a
        // condition number of about 1e10, and X1 is exactly 0.
        GetipptFall{"nearly_equal_equations",
                    {"1; 2; 3", "1; 2,000000001; 3"},
                    Geloest,
                    {"", "0,3333333333"}},
        // X3 = 1/3 but X2 about 1e20 and X1 its negative: what cancels in X1
        // is far beyond what 80 bits can carry.
        GetipptFall{"cancellation_beyond_the_working_precision",
                    {"2; -6; -7; 0", "6; 0; 5e-20; 4,1", "3; -6; -7; 3"},
                    SchlechtKonditioniert,
                    {}},
        // The typed decimals give X2 = 0 exactly; the doubles they are read
        // into leave about 5e-17 of it, which is not shown.
        GetipptFall{"zero_unknown_of_the_typed_decimals",
                    {"1,1-j0,7; 0,5+j0,3; 1,2", "0,7-j1,4; 0,7; -0,4+j1"},
                    Geloest,
                    {"1-j2", ""}},
        GetipptFall{"zero_unknown_in_three",
                    {"0,8+j4,2; 1,5-j0,5; 0,3; -0,7+j1,1", "1,88-j0,7; 0,2; 2,4-j1,3; 0,9",
                     "1,96-j1,88; -0,6+j1,8; 1,1+j0,1; 2"},
                    Geloest,
                    {"0,4+j1", "", "2-j1"}},
        // Equation 2 is equation 1 doubled but for 1e-5: X1 is exactly 0,
        // and what is left of it after the cancellation is shown as 0.
        GetipptFall{"nearly_doubled_equation",
                    {"1; 2; 3", "2; 4,00001; 6"},
                    Geloest,
                    {"", "0,3333333333"}}),
    [](const auto& fall) { return std::string(fall.param.name); });

// The exchange takes the row with the largest scaled entry (row 2's 9, not
// row 3's 1e-9, which stands first below), and the arrangement afterwards
// names the equation each position holds.
TEST(Pivotwahl, ExchangeTakesTheLargestAndTheArrangementFollows) {
  GleichungsLoeser l;
  ASSERT_EQ(systembau::Loese(l, AusTexten({"-5; 2e-21; 0; 1", "7; 9; 0; 8", "1; 1e-9; 4; 1e-21"})),
            Geloest);
  EXPECT_EQ(l.Eingriffe(), 1);
  EXPECT_EQ((std::vector<int>{l.Zeilenfolge(1), l.Zeilenfolge(2), l.Zeilenfolge(3)}),
            (std::vector<int>{2, 3, 1}));
}

// The arrangement puts equations 1, 3, 2 in working rows 1, 2, 3; rows 2
// and 3 offer equal scaled candidates (9 against an equation's largest 9)
// for the tiny pivot of row 1, and the first of them, equation 3, is taken.
TEST(Pivotwahl, OfEqualCandidatesTheFirstIsTaken) {
  GleichungsLoeser l;
  ASSERT_EQ(systembau::Loese(l, AusTexten({"-5; 2e-21; 0; 1", "7; 9; 0; 8", "1; 9; 4; 1e-21"})),
            Geloest);
  EXPECT_EQ(l.Zeilenfolge(1), 3);
}

// A part within its bound of zero is zero, at the edge too; above it, its
// bound must be at most 5e-11 of it; a part far below its weight (what
// cancels in it) is zero whatever its bound.
TEST(Teilurteil, ZeroShownOrRefusedAtTheEdgesOfTheBound) {
  EXPECT_EQ(UrteileTeil(1e-12L, 1e-12L, 0), TeilUrteil::Null);
  EXPECT_EQ(UrteileTeil(-1e-12L, 1e-12L, 0), TeilUrteil::Null);
  EXPECT_EQ(UrteileTeil(std::nextafter(1e-12L, 1.0L), 1e-12L, 0), TeilUrteil::Abgelehnt);
  EXPECT_EQ(UrteileTeil(-2, 1e-10L, 0), TeilUrteil::Gezeigt);
  EXPECT_EQ(UrteileTeil(-2, std::nextafter(1e-10L, 1.0L), 0), TeilUrteil::Abgelehnt);
  EXPECT_EQ(UrteileTeil(1e-17L, 0, 1), TeilUrteil::Null);
  EXPECT_EQ(UrteileTeil(1e-17L, 0, 1e-3L), TeilUrteil::Gezeigt);
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  EXPECT_EQ(UrteileTeil(1, nan, 1), TeilUrteil::Abgelehnt);
}

// A huge right-hand side says nothing about whether its equation's
// coefficients are small: equation 1's pivot 1 stands beside equation 2's
// 1000 as an equal, and nothing is exchanged.
TEST(Pivotwahl, RightHandSidesHaveNoPartInTheEquationsScale) {
  GleichungsLoeser l;
  ASSERT_EQ(systembau::Loese(l, AusTexten({"1e30; 1; 1", "0; 1000; 1"})), Geloest);
  EXPECT_EQ(l.Eingriffe(), 0);
  EXPECT_EQ(l.Zeilenfolge(1), 1);
  EXPECT_EQ(l.Zeilenfolge(2), 2);
}

// X1 + X2 = 2, X1 + (1 + d) X2 = 2 + d is solved exactly for X1 = X2 = 1;
// its last pivot d is what is left after cancelling 1 + d against 1. Left
// of 1e-13 of that it is rounding residue, right of it a pivot.
TEST(Pivotwahl, ResidueThresholdLiesBetweenTwoToTheMinus45AndMinus38) {
  for (int exponent : {-38, -45}) {
    const long double d = std::ldexp(1.0L, exponent);
    const ZKMatrix m = systembau::MitRechterSeite(
        {{Kartesisch(1, 0), Kartesisch(1, 0)}, {Kartesisch(1, 0), Kartesisch(1 + d, 0)}},
        {Kartesisch(2, 0), Kartesisch(2 + d, 0)});
    GleichungsLoeser l;
    const LoeseStatus status = systembau::Loese(l, m);
    if (exponent == -38) {
      ASSERT_EQ(status, Geloest) << "d = 2^" << exponent;
      EXPECT_EQ(l.Arbeitswert(1, 0).Realteil, 1.0L);
      EXPECT_EQ(l.Arbeitswert(2, 0).Realteil, 1.0L);
    } else {
      EXPECT_EQ(status, KeineEindeutigeLoesung) << "d = 2^" << exponent;
    }
  }
}

// The same threshold below a sound pivot: equation 3 minus equation 1
// leaves d beside X2 (the values cancelled there are about 1), while
// equation 2 holds X2's pivot. Below 1e-13 that d is residue and cleared,
// the one step off the plain elimination; above it, it is eliminated. Either
// way the digits shown are those of X = (1, 1, 1).
TEST(Pivotwahl, ResidueBesideASoundPivotIsClearedBelowTheThresholdOnly) {
  for (int exponent : {-43, -44}) {
    SCOPED_TRACE(exponent);
    const long double d = std::ldexp(1.0L, exponent);
    ZKMatrix m =
        systembau::MitRechterSeite(Reell({{1, 1, 1}, {0, 1, 2}, {1, 1, 5}}),
                                   {Kartesisch(3, 0), Kartesisch(3, 0), Kartesisch(7 + d, 0)});
    m[3][2].SetzeKartesisch(1 + d, 0);  // beyond a double's digits
    GleichungsLoeser l;
    ASSERT_EQ(systembau::Loese(l, m), Geloest);
    EXPECT_EQ(l.Eingriffe(), exponent == -44 ? 1 : 0);
    for (const ZKZahl& x : l.Loesung()) EXPECT_EQ(KomponentenText(x, General), "1");
  }
}

// Scaling an equation or an unknown by a power of two is exact in every
// operation, so it changes no decision and no digit: the same outcome, the
// same steps, and the unknowns scaled exactly.
TEST(Pivotwahl, PowersOfTwoOnEquationsAndUnknownsChangeNothing) {
  const std::vector<std::vector<std::string>> systeme = {
      {"1; 3; -2-j7; 4-j5", "0; -1e-21; 0; 2e-10", "1; 3; -2-j7; 4-j5"},
      {"6; 5; 0; -9", "-3; 6e-12; 3e-11; -4", "-3; -7; 1-j8; 0"},
      {"-5; 2e-21; 0; 1", "7; 9; 0; 8", "1; 1e-9; 4; 1e-21"},
      {"1; 2; 3", "2; 4,00001; 6"},
      {"1; 2; 3", "1; 2,000000001; 3"}};
  auto skaliere = [](ZKZahl& z, int exponent) {
    z.SetzeKartesisch(std::ldexp(z.Realteil, exponent), std::ldexp(z.Imaginaerteil, exponent));
  };
  for (const auto& gleichungen : systeme) {
    SCOPED_TRACE(gleichungen[0]);
    const ZKMatrix m = AusTexten(gleichungen);
    ZKMatrix s = m;
    for (int c = 0; c < s.Spalten(); ++c) skaliere(s[2][c], 40);  // equation 2 times 2^40
    for (int r = 1; r < s.Zeilen(); ++r) skaliere(s[r][2], -30);  // X2 becomes X2 * 2^30
    GleichungsLoeser a, b;
    const LoeseStatus status = systembau::Loese(a, m);
    ASSERT_EQ(systembau::Loese(b, s), status);
    EXPECT_EQ(b.Eingriffe(), a.Eingriffe());
    if (status != Geloest) continue;
    for (int r = 1; r < m.Zeilen(); ++r) {
      const int exponent = r == 2 ? 30 : 0;
      EXPECT_EQ(b.Arbeitswert(r, 0).Realteil, std::ldexp(a.Arbeitswert(r, 0).Realteil, exponent));
      EXPECT_EQ(b.Arbeitswert(r, 0).Imaginaerteil,
                std::ldexp(a.Arbeitswert(r, 0).Imaginaerteil, exponent));
    }
  }
}

}  // namespace
