// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "SystemBau.h"
#include "solver/GleichungsLoeser.h"
#include "solver/Rechenweg.h"

namespace {

using systembau::Polar;

// A random system with known solution, drawn as the example generator does:
// magnitudes 11..99; solution angles 0..89, negated one time in three (level
// 1: real); coefficient angles 0..89 at level 3 only.
struct Beispiel {
  ZKMatrix m;
  std::vector<ZKZahl> x;
};

Beispiel ErzeugeBeispiel(int stufe, int n, std::mt19937& zufall) {
  auto betrag = [&] {
    unsigned b;
    do b = zufall() % 100;
    while (b <= 10);
    return static_cast<long double>(b);
  };
  Beispiel e{ZKMatrix(n + 1, n + 1), std::vector<ZKZahl>(n)};
  for (auto& xi : e.x) {
    const long double m = betrag();
    long double a = static_cast<long double>(zufall() % 90);
    if (stufe == 1) a = 0;
    if (zufall() % 3 == 0) a = -a;
    xi = Polar(m, a);
  }
  for (int s = 1; s <= n; ++s) {
    for (int k = 1; k <= n; ++k) {
      const long double m = betrag();
      long double a = static_cast<long double>(zufall() % 90);
      if (stufe < 3) a = 0;
      e.m[s][k] = Polar(m, a);
      e.m[s][0] += e.m[s][k] * e.x[k - 1];
    }
  }
  // Row 0 is no equation; the generator may leave one there.
  for (int k = 0; k <= n; ++k) e.m[0][k] = Polar(1000 + k, 33);
  return e;
}

class Genauigkeit : public ::testing::TestWithParam<int> {};

// Any fault in an elimination step (a wrong column range, a missed update of
// the right-hand side, a stale factor) moves some unknown far beyond this.
TEST_P(Genauigkeit, EveryUnknownWithin1e12OfTheKnownSolution) {
  const int stufe = GetParam();
  std::mt19937 zufall(2024 + stufe);
  GleichungsLoeser l;
  for (int durchlauf = 0; durchlauf < 4; ++durchlauf) {
    for (int n = 1; n <= 20; ++n) {
      const Beispiel e = ErzeugeBeispiel(stufe, n, zufall);
      ASSERT_EQ(systembau::Loese(l, e.m), Geloest) << "n " << n;
      for (int r = 1; r <= n; ++r) {
        EXPECT_LE(systembau::RelativerFehler(l.Arbeitswert(r, 0), e.x[r - 1]), 1e-12L)
            << "n " << n << " X" << r << " run " << durchlauf;
      }
    }
  }
}

std::string StufenName(const ::testing::TestParamInfo<int>& stufe) {
  static const char* const kNamen[] = {"", "real", "complex_solution", "complex_coefficients"};
  return kNamen[stufe.param];
}

INSTANTIATE_TEST_SUITE_P(Stufen, Genauigkeit, ::testing::Values(1, 2, 3), StufenName);

// Plain Gauss-Jordan in the given order, product first, then difference.
ZKMatrix GaussJordan(ZKMatrix a, int n) {
  for (int s = 1; s <= n; ++s) {
    const ZKZahl p = a[s][s];
    for (int c = 0; c <= n; ++c) a[s][c] /= p;
    for (int r = s + 1; r <= n; ++r) {
      const ZKZahl f = a[r][s];
      a[r][0] = a[r][0] - (a[s][0] * f);
      for (int c = s; c <= n; ++c) a[r][c] = a[r][c] - (a[s][c] * f);
    }
  }
  for (int s = n; s >= 1; --s) {
    for (int r = s - 1; r >= 1; --r) {
      const ZKZahl f = a[r][s];
      a[r][0] = a[r][0] - (a[s][0] * f);
      for (int c = n; c >= 1; --c) a[r][c] = a[r][c] - (a[s][c] * f);
    }
  }
  return a;
}

// The shown digits depend on the path every value takes, so a system that
// needs no row exchange must come out bit for bit as plain Gauss-Jordan in
// the given order.
TEST(Genauigkeit, WithoutRowExchangeMatchesPlainGaussJordanBitForBit) {
  std::mt19937 zufall(99);
  constexpr int n = 8;
  const Beispiel e = ErzeugeBeispiel(3, n, zufall);
  GleichungsLoeser l;
  ASSERT_EQ(systembau::Loese(l, e.m), Geloest);
  EXPECT_EQ(l.Eingriffe(), 0);
  const ZKMatrix a = GaussJordan(e.m, n);
  for (int r = 1; r <= n; ++r) {
    ASSERT_EQ(l.Zeilenfolge(r), r);
    const ZKZahl& x = l.Arbeitswert(r, 0);
    EXPECT_EQ(x.Realteil, a[r][0].Realteil) << "X" << r;
    EXPECT_EQ(x.Imaginaerteil, a[r][0].Imaginaerteil) << "X" << r;
    EXPECT_EQ(x.Betrag, a[r][0].Betrag) << "X" << r;
    EXPECT_EQ(x.Winkel, a[r][0].Winkel) << "X" << r;
  }
}

// X1's imaginary part lies ten orders below X1 and the elimination leaves
// its last digits wrong: that part alone is refined; every other part, and
// every unknown none of whose parts changed, keeps the plain digits.
TEST(Genauigkeit, OnlyRefinedPartsLeaveThePlainGaussJordanDigits) {
  std::mt19937 zufall(99);
  constexpr int n = 8;
  const Beispiel e = ErzeugeBeispiel(3, n, zufall);
  std::vector<ZKZahl> x = e.x;
  x[0] = systembau::Kartesisch(30.41719305L, 5.300660585e-8L);
  systembau::Zeilen zeilen(n);
  for (int r = 0; r < n; ++r)
    for (int c = 0; c < n; ++c) zeilen[r].push_back(e.m[r + 1][c + 1]);
  const ZKMatrix m = systembau::MitLoesung(zeilen, x);
  GleichungsLoeser l;
  Rechenweg weg;
  l.SetzeRechenweg(&weg);
  ASSERT_EQ(systembau::Loese(l, m), Geloest);
  std::vector<std::array<bool, 2>> geaendert(n + 1, {false, false});
  for (const RechenSchritt& s : weg.schritte) {
    if (s.art == RechenSchritt::Art::Nachgebessert || s.art == RechenSchritt::Art::NullGesetzt)
      geaendert[s.zeile][s.teil - 1] = true;
  }
  EXPECT_TRUE(geaendert[1][1]) << "X1's imaginary part should need refining";
  const ZKMatrix a = GaussJordan(m, n);
  for (int r = 1; r <= n; ++r) {
    const ZKZahl& xr = l.Arbeitswert(r, 0);
    if (!geaendert[r][0]) {
      EXPECT_EQ(xr.Realteil, a[r][0].Realteil) << "X" << r;
    }
    if (!geaendert[r][1]) {
      EXPECT_EQ(xr.Imaginaerteil, a[r][0].Imaginaerteil) << "X" << r;
    }
    if (!geaendert[r][0] && !geaendert[r][1]) {
      EXPECT_EQ(xr.Betrag, a[r][0].Betrag) << "X" << r;
      EXPECT_EQ(xr.Winkel, a[r][0].Winkel) << "X" << r;
    }
  }
}

}  // namespace
