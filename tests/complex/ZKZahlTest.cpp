// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>

#include "complex/ZKZahl.h"

namespace {

ZKZahl Kartesisch(long double a, long double b) {
  ZKZahl z;
  z.SetzeKartesisch(a, b);
  return z;
}

ZKZahl Polar(long double r, long double phi) {
  ZKZahl z;
  z.SetzePolar(r, phi);
  return z;
}

}  // namespace

TEST(ZKZahlKonstanten, PiAndFactorsInExtendedPrecision) {
  EXPECT_EQ(ZK_Pi(), std::acos(-1.0L));
  EXPECT_EQ(ZK_GradNachRad(), ZK_Pi() * (1.0L / 180.0L));
  EXPECT_EQ(ZK_RadNachGrad(), 180.0L / ZK_Pi());
}

struct AchsenFall {
  const char* name;
  long double a, b;
  long double betrag, winkel;
};
// Test names and failure messages show the case name, not raw bytes.
inline void PrintTo(const AchsenFall& f, std::ostream* os) {
  *os << f.name;
}

class KartesischNachPolar : public ::testing::TestWithParam<AchsenFall> {};

TEST_P(KartesischNachPolar, AngleRangeAndExactAxisConstants) {
  const auto& f = GetParam();
  const ZKZahl z = Kartesisch(f.a, f.b);
  EXPECT_NEAR(static_cast<double>(z.Betrag), static_cast<double>(f.betrag), 1e-15);
  EXPECT_NEAR(static_cast<double>(z.Winkel), static_cast<double>(f.winkel), 1e-10);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, KartesischNachPolar,
    ::testing::Values(AchsenFall{"positive_imaginary_axis", 0, 5, 5, 90},
                      AchsenFall{"negative_imaginary_axis_is_270", 0, -5, 5, 270},
                      AchsenFall{"negative_real_axis", -5, 0, 5, 180},
                      AchsenFall{"fourth_quadrant_negative", 3, -4, 5, -53.13010235415598},
                      AchsenFall{"third_quadrant_above_180", -3, -4, 5, 233.13010235415598},
                      AchsenFall{"second_quadrant", -3, 4, 5, 126.86989764584402}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(ZKZahl, AxisAnglesAreStoredExactly) {
  EXPECT_EQ(Kartesisch(0, 5).Winkel, 90.0L);
  EXPECT_EQ(Kartesisch(0, -5).Winkel, 270.0L);
  EXPECT_EQ(Kartesisch(-5, 0).Winkel, 180.0L);
}

TEST(ZKZahl, ZeroStaysAllZero) {
  const ZKZahl z = Kartesisch(0, 0);
  EXPECT_EQ(z.Realteil, 0.0L);
  EXPECT_EQ(z.Imaginaerteil, 0.0L);
  EXPECT_EQ(z.Betrag, 0.0L);
  EXPECT_EQ(z.Winkel, 0.0L);
}

TEST(ZKZahl, PolarSnapsTheFourAngleMagnitudesAsBefore) {
  EXPECT_EQ(Polar(5, 90).Realteil, 0.0L);
  EXPECT_EQ(Polar(5, 90).Imaginaerteil, 5.0L);
  EXPECT_EQ(Polar(5, 180).Imaginaerteil, 0.0L);
  EXPECT_EQ(Polar(5, -90).Realteil, 0.0L);
  EXPECT_EQ(Polar(5, -90).Imaginaerteil, -5.0L);
  EXPECT_EQ(Polar(5, 270).Realteil, 0.0L);
  EXPECT_EQ(Polar(5, 360).Imaginaerteil, 0.0L);
  // 450 used to leave a real part of about 1e-18; it is now the exact 0.
  EXPECT_EQ(Polar(5, 450).Realteil, 0.0L);
  EXPECT_EQ(Polar(5, 450).Imaginaerteil, 5.0L);
}

TEST(ZKZahl, EveryMultipleOf90HasAnExactPositiveZeroPart) {
  for (int k = -16; k <= 16; ++k) {
    const long double phi = 90.0L * k;
    const ZKZahl z = Polar(5, phi);
    // cos(90 k) is +-1 for even k, sin(90 k) for odd k.
    const long double eins = (k % 2 == 0) ? z.Realteil : z.Imaginaerteil;
    const long double null = (k % 2 == 0) ? z.Imaginaerteil : z.Realteil;
    const int viertel = ((k % 4) + 4) % 4;
    EXPECT_EQ(eins, (viertel < 2) ? 5.0L : -5.0L) << phi;
    EXPECT_EQ(null, 0.0L) << phi;
    // A negative zero would show as "-0,000000000E+00" in the Exponent format.
    EXPECT_FALSE(std::signbit(null)) << phi;
  }
}

TEST(ZKZahl, OddMultiplesOf45HaveEqualParts) {
  for (int k = -32; k <= 31; ++k) {
    const long double phi = 45.0L * (2 * k + 1);
    const ZKZahl z = Polar(3, phi);
    EXPECT_EQ(std::fabs(z.Realteil), std::fabs(z.Imaginaerteil)) << phi;
    EXPECT_NEAR(static_cast<double>(std::fabs(z.Realteil)), 3.0 * std::sqrt(0.5), 1e-15) << phi;
    // Quadrant: 45 + 90 k lies in quadrant k mod 4.
    const int q = ((k % 4) + 4) % 4;
    EXPECT_EQ(z.Realteil > 0, q == 0 || q == 3) << phi;
    EXPECT_EQ(z.Imaginaerteil > 0, q == 0 || q == 1) << phi;
  }
}

namespace {

// The conversion before the reduction in degrees: cos and sin of phi in
// radians, reduced by the C library.
long double AlterRealteil(long double r, long double phi) {
  return std::cos(phi * ZK_GradNachRad()) * r;
}
long double AlterImaginaerteil(long double r, long double phi) {
  return std::sin(phi * ZK_GradNachRad()) * r;
}
long double Ulp(long double x) {
  return std::nextafter(std::fabs(x), INFINITY) - std::fabs(x);
}

}  // namespace

TEST(ZKZahl, ReducedConversionAgreesWithTheRadianOneWithin2Ulp) {
  std::mt19937_64 zufall(19);
  std::uniform_real_distribution<double> winkel(-90.0, 90.0);
  std::uniform_real_distribution<double> betrag(0.001, 1000.0);
  for (int i = 0; i < 200000; ++i) {
    const long double phi = winkel(zufall);
    const long double r = betrag(zufall);
    const ZKZahl z = Polar(r, phi);
    ASSERT_LE(std::fabs(z.Realteil - AlterRealteil(r, phi)), 2 * Ulp(r)) << phi << " " << r;
    ASSERT_LE(std::fabs(z.Imaginaerteil - AlterImaginaerteil(r, phi)), 2 * Ulp(r))
        << phi << " " << r;
  }
}

TEST(ZKZahl, BeyondQuarterTurnsTheOldConversionDriftsByItsRadianRounding) {
  // phi * (pi/180) is rounded to the ulp of the radian value, which grows
  // with the angle; the reduction in degrees does not round. So the two may
  // differ by that rounding, and no more.
  std::mt19937_64 zufall(1440);
  std::uniform_real_distribution<double> winkel(-1440.0, 1440.0);
  for (int i = 0; i < 200000; ++i) {
    const long double phi = winkel(zufall);
    const long double r = 7.5L;
    const long double rho = std::fabs(phi * ZK_GradNachRad());
    const long double grenze = 2 * Ulp(r) + r * (Ulp(rho) + rho * 0x1p-63L);
    const ZKZahl z = Polar(r, phi);
    ASSERT_LE(std::fabs(z.Realteil - AlterRealteil(r, phi)), grenze) << phi;
    ASSERT_LE(std::fabs(z.Imaginaerteil - AlterImaginaerteil(r, phi)), grenze) << phi;
  }
}

TEST(ZKZahl, HugeAndNotFiniteAnglesStayDefined) {
  // 90 * 2^60 is beyond the integer quotient's range: the exact remainder
  // path takes it, with the same quadrant rule.
  const ZKZahl gross = Polar(2, 90.0L * 0x1p60L);
  EXPECT_EQ(gross.Realteil, 2.0L);
  EXPECT_EQ(gross.Imaginaerteil, 0.0L);
  const ZKZahl gross3 = Polar(2, 90.0L * (0x1p56L + 3));
  EXPECT_EQ(gross3.Realteil, 0.0L);
  EXPECT_EQ(gross3.Imaginaerteil, -2.0L);
  EXPECT_FALSE(Polar(2, INFINITY).IstEndlich());
  EXPECT_FALSE(Polar(2, NAN).IstEndlich());
}

TEST(ZKZahl, NegativeMagnitudeTurnsBy180) {
  const ZKZahl z = Polar(-5, 30);
  EXPECT_EQ(z.Betrag, 5.0L);
  EXPECT_EQ(z.Winkel, 210.0L);
}

TEST(ZKZahl, PolarPathDoesNotNormaliseButCartesianPathDoes) {
  ZKZahl p = Polar(2, 200) * Polar(3, 200);
  EXPECT_EQ(p.Winkel, 400.0L);
  EXPECT_EQ(p.Betrag, 6.0L);
  p += ZKZahl();
  EXPECT_NEAR(static_cast<double>(p.Winkel), 40.0, 1e-12);
}

TEST(ZKZahl, CompoundOperatorsWorkOnTheirRepresentation) {
  ZKZahl z = Kartesisch(1, 2);
  z += Kartesisch(3, 4);
  EXPECT_EQ(z.Realteil, 4.0L);
  EXPECT_EQ(z.Imaginaerteil, 6.0L);
  z -= Kartesisch(4, 0);
  EXPECT_EQ(z.Realteil, 0.0L);
  EXPECT_EQ(z.Winkel, 90.0L);
  ZKZahl m = Polar(2, 30);
  m *= Polar(3, 60);
  EXPECT_EQ(m.Betrag, 6.0L);
  EXPECT_EQ(m.Winkel, 90.0L);
  EXPECT_EQ(m.Realteil, 0.0L);
  m /= Polar(4, 100);
  EXPECT_EQ(m.Betrag, 1.5L);
  EXPECT_EQ(m.Winkel, -10.0L);
}

TEST(ZKZahl, QuotientWithZeroMagnitudeHasZeroAngle) {
  ZKZahl z;
  z /= Polar(4, 37);
  EXPECT_EQ(z.Betrag, 0.0L);
  EXPECT_EQ(z.Winkel, 0.0L);
}

TEST(ZKZahl, ReciprocalNegatesAngle) {
  const ZKZahl g = 1.0L / Polar(4, 37);
  EXPECT_EQ(g.Betrag, 0.25L);
  EXPECT_EQ(g.Winkel, -37.0L);
}

TEST(ZKZahl, DifferenceIsCartesianAndFresh) {
  ZKZahl a = Kartesisch(5, 1);
  a = a - Kartesisch(2, 1);
  EXPECT_EQ(a.Realteil, 3.0L);
  EXPECT_EQ(a.Imaginaerteil, 0.0L);
  EXPECT_EQ(a.Winkel, 0.0L);
}

TEST(ZKZahl, InequalityComparesOnlyCartesianParts) {
  ZKZahl a = Kartesisch(1, 1);
  ZKZahl b = a;
  b.Winkel += 360.0L;
  EXPECT_FALSE(a != b);
  EXPECT_TRUE(a != Kartesisch(1, 2));
  EXPECT_FALSE(ZKZahl() != Kartesisch(0, 0));
}

TEST(ZKZahl, Reactances) {
  ZKZahl xl;
  xl.SetzeXL(0.1L, 50.0L);
  EXPECT_EQ(xl.Betrag, 0.1L * (50.0L * (ZK_Pi() * 2.0L)));
  EXPECT_EQ(xl.Winkel, 90.0L);
  EXPECT_EQ(xl.Realteil, 0.0L);
  xl.SetzeXL(-0.1L, 50.0L);
  EXPECT_EQ(xl.Winkel, 270.0L);
  xl.SetzeXL(0.0L, 50.0L);
  EXPECT_EQ(xl.Betrag, 0.0L);
  EXPECT_EQ(xl.Winkel, 0.0L);

  ZKZahl xc;
  xc.SetzeXC(0.0001L, 50.0L);
  EXPECT_NEAR(static_cast<double>(xc.Betrag), 31.830988618379067, 1e-12);
  EXPECT_EQ(xc.Winkel, -90.0L);
  xc.SetzeXC(-0.0001L, 50.0L);
  EXPECT_EQ(xc.Winkel, 90.0L);
  xc.SetzeXC(0.0L, 50.0L);
  EXPECT_FALSE(xc != ZKZahl());
}

TEST(ZKZahl, UnguardedDivisionByZeroIsNotFinite) {
  EXPECT_FALSE((1.0L / ZKZahl()).IstEndlich());
  ZKZahl z = Kartesisch(1, 1);
  z /= ZKZahl();
  EXPECT_FALSE(z.IstEndlich());
  EXPECT_TRUE(Kartesisch(1, 1).IstEndlich());
}

TEST(ZKMatrix, RowsAndColumnsIndexAsTheSolverExpects) {
  ZKMatrix m = ErzeugeMatrix(25, 25);
  EXPECT_EQ(m.Zeilen(), 25);
  EXPECT_EQ(m.Spalten(), 25);
  m[3][4].SetzeKartesisch(7, 0);
  EXPECT_EQ(m[3][4].Realteil, 7.0L);
  EXPECT_EQ(&m[3][0], &m[2][0] + 25);
  EXPECT_FALSE(m[24][24] != ZKZahl());
}
