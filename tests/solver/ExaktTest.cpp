// SPDX-License-Identifier: GPL-3.0-or-later
// The solver against an exact reference on typed-style systems.
//
// Cells are typed as a user with microfarads, millihenries and megaohms in
// the circuit types them (integers, decimals, tiny and huge magnitudes, both
// complex forms, zeros, repeated and scaled equations), read as the matrix
// page reads them, and the reference solves the exact rationals that the
// read values are (every long double is one), with GMP. Whenever the solver
// shows a result, every unknown must be within 1e-9 of its exact value's
// magnitude, or, shown as zero, smaller than 1e-14 of the terms that cancel
// in it (zero as far as doubles read from decimals can tell); whenever it
// refuses, the exact system must be singular or so ill-conditioned that 10
// digits cannot be carried.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "complex/ZKLesen.h"
#include "complex/ZKZahl.h"
#include "solver/GleichungsLoeser.h"

namespace {

// 4000 systems in all, in shards that the test runner can run side by side.
constexpr int kTeile = 8;
constexpr int kSystemeJeTeil = 500;

// A refusal is justified when some unknown's componentwise condition number
// (how much relative changes of the data at the level of the arithmetic's
// rounding move it) is at least this: with 80-bit rounding (5e-20) such an
// unknown cannot be trusted to much better than 1e-13, a hundredth of what
// the solver may leave in the 10th digit. Below it, a refusal is a fault.
constexpr double kKonditionFuerAblehnung = 1e6;

struct Q {
  mpq_class re, im;
};

mpq_class Exakt(long double x) {
  if (x == 0.0L) return 0;
  int exponent = 0;
  const long double m = std::frexp(std::fabs(x), &exponent);  // [0.5, 1)
  const auto mantisse = static_cast<std::uint64_t>(std::ldexp(m, 64));
  mpz_class z(static_cast<unsigned long>(mantisse >> 32));
  z <<= 32;
  z += static_cast<unsigned long>(mantisse & 0xffffffffU);
  mpq_class q(z);
  if (exponent - 64 >= 0) {
    mpq_mul_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<unsigned long>(exponent - 64));
  } else {
    mpq_div_2exp(q.get_mpq_t(), q.get_mpq_t(), static_cast<unsigned long>(64 - exponent));
  }
  return x < 0 ? mpq_class(-q) : q;
}

Q Exakt(const ZKZahl& z) {
  return {Exakt(z.Realteil), Exakt(z.Imaginaerteil)};
}

bool IstNull(const Q& a) {
  return sgn(a.re) == 0 && sgn(a.im) == 0;
}

// a - b * c
Q MalMinus(const Q& a, const Q& b, const Q& c) {
  return {a.re - (b.re * c.re - b.im * c.im), a.im - (b.re * c.im + b.im * c.re)};
}

Q Durch(const Q& a, const Q& b) {
  const mpq_class n = b.re * b.re + b.im * b.im;
  return {(a.re * b.re + a.im * b.im) / n, (a.im * b.re - a.re * b.im) / n};
}

double Betrag(const Q& a) {
  return std::hypot(a.re.get_d(), a.im.get_d());
}

using QMatrix = std::vector<std::vector<Q>>;

// Gauss-Jordan over the rationals on n rows of [A | right-hand sides];
// false when A is singular. On success the right-hand columns hold A^-1 times them.
bool LoeseExakt(QMatrix& m, int n) {
  const int spalten = static_cast<int>(m[0].size());
  for (int s = 0; s < n; ++s) {
    int p = s;
    while (p < n && IstNull(m[p][s])) ++p;
    if (p == n) return false;
    std::swap(m[s], m[p]);
    const Q pivot = m[s][s];
    for (int c = s; c < spalten; ++c) m[s][c] = Durch(m[s][c], pivot);
    for (int r = 0; r < n; ++r) {
      if (r == s || IstNull(m[r][s])) continue;
      const Q f = m[r][s];
      for (int c = s; c < spalten; ++c) m[r][c] = MalMinus(m[r][c], f, m[s][c]);
    }
  }
  return true;
}

// One typed cell: its text and nothing else; the value is what the reader makes of it.
class Tipper {
 public:
  explicit Tipper(std::uint32_t samen) : zufall_(samen) {}

  int Ganz(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }
  bool Wurf(double p) { return std::bernoulli_distribution(p)(zufall_); }

  // A real number as typed: integer, decimal, or with a power of ten.
  double Zahl() {
    switch (Ganz(0, 2)) {
      case 0:
        return Ganz(-20, 20);
      case 1:
        return Ganz(-9999, 9999) / 100.0;
      default: {
        const double mantisse = Ganz(-99, 99) / 10.0;
        return mantisse * std::pow(10.0, Ganz(-21, 15));
      }
    }
  }

  std::string Zelle(double nullAnteil) {
    if (Wurf(nullAnteil)) return "0";
    switch (Ganz(0, 5)) {
      case 0:
      case 1:
      case 2:
        return Text(Zahl());
      case 3:
      case 4: {
        const double im = Zahl();
        return Text(Zahl()) + (im < 0 ? "-j" : "+j") + Text(std::fabs(im));
      }
      default:
        return Text(std::fabs(Zahl())) + "*e^j" + Text(Ganz(-18000, 18000) / 100.0);
    }
  }

  // A cell scaled by a typed factor, written with the given significant
  // digits: 17 repeat the equation exactly scaled, fewer make it nearly so.
  static std::string Skaliert(const ZKZahl& z, double faktor, int stellen) {
    const double re = static_cast<double>(z.Realteil) * faktor;
    const double im = static_cast<double>(z.Imaginaerteil) * faktor;
    return Text(re, stellen) + (im < 0 ? "-j" : "+j") + Text(std::fabs(im), stellen);
  }

  static std::string Text(double x, int stellen = 12) {
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.*g", stellen, x);
    return puffer;
  }

 private:
  std::mt19937 zufall_;
};

struct TippSystem {
  int n = 0;
  std::vector<std::vector<std::string>> texte;  // rows 0..n-1, right-hand side first
  ZKMatrix werte{1, 1};
};

TippSystem Tippe(Tipper& t) {
  TippSystem s;
  s.n = t.Ganz(1, 8);
  const double nullAnteil =
      std::vector<double>{0.0, 0.15, 0.35}[static_cast<std::size_t>(t.Ganz(0, 2))];
  s.werte = ZKMatrix(s.n + 1, s.n + 1);
  for (int r = 0; r < s.n; ++r) {
    std::vector<std::string> zeile;
    if (r > 0 && t.Wurf(0.1)) {
      zeile = s.texte[static_cast<std::size_t>(t.Ganz(0, r - 1))];  // typed twice
      if (t.Wurf(0.5)) zeile[0] = t.Zelle(nullAnteil);
    } else if (r > 0 && t.Wurf(0.1)) {
      const int vorbild = t.Ganz(0, r - 1) + 1;
      const double faktor =
          std::vector<double>{2, -0.5, 1000, 1e-6, 3}[static_cast<std::size_t>(t.Ganz(0, 4))];
      const int stellen = t.Ganz(5, 17);
      for (int c = 0; c <= s.n; ++c) {
        zeile.push_back(Tipper::Skaliert(s.werte[vorbild][c], faktor, stellen));
      }
    } else {
      for (int c = 0; c <= s.n; ++c) zeile.push_back(t.Zelle(c == 0 ? 0.2 : nullAnteil));
    }
    for (int c = 0; c <= s.n; ++c) {
      EXPECT_NE(LiesZKZahl(zeile[static_cast<std::size_t>(c)], s.werte[r + 1][c]), ZKForm::Keine)
          << zeile[static_cast<std::size_t>(c)];
    }
    s.texte.push_back(zeile);
  }
  return s;
}

std::string Beschreibung(const TippSystem& s) {
  std::string text;
  for (const auto& zeile : s.texte) {
    for (std::size_t c = 0; c < zeile.size(); ++c) text += (c ? "; " : "") + zeile[c];
    text += " / ";
  }
  return text;
}

// (|A^-1| (|b| + |A| |x|))_i for every unknown: the size of the terms that
// cancel in it.
std::vector<double> Gewichte(const ZKMatrix& w, int n, const std::vector<Q>& x) {
  QMatrix m(static_cast<std::size_t>(n), std::vector<Q>(static_cast<std::size_t>(2 * n)));
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) m[r][c] = Exakt(w[r + 1][c + 1]);
    m[r][n + r] = {1, 0};
  }
  EXPECT_TRUE(LoeseExakt(m, n));
  std::vector<double> gewicht(static_cast<std::size_t>(n), 0.0);
  for (int k = 0; k < n; ++k) {
    double terme = static_cast<double>(w[k + 1][0].Betrag);
    for (int c = 0; c < n; ++c) terme += static_cast<double>(w[k + 1][c + 1].Betrag) * Betrag(x[c]);
    for (int i = 0; i < n; ++i) gewicht[i] += Betrag(m[i][n + k]) * terme;
  }
  return gewicht;
}

// The larger of two condition numbers, both blind to how the equations are
// scaled: Skeel's || |A^-1| |A| || of the matrix with every unknown's column
// scaled to a largest magnitude of 1 (how far the matrix is from a singular
// one), and the largest over the unknowns of (|A^-1| (|A| |x| + |b|))_i /
// |x_i| (how much this solution's unknowns move; infinite for a zero one
// that moves at all). Needs the exact inverse; only refused systems pay it.
double Kondition(const ZKMatrix& w, int n, const std::vector<Q>& x) {
  QMatrix m(static_cast<std::size_t>(n), std::vector<Q>(static_cast<std::size_t>(2 * n)));
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) m[r][c] = Exakt(w[r + 1][c + 1]);
    m[r][n + r] = {1, 0};
  }
  if (!LoeseExakt(m, n)) return std::numeric_limits<double>::infinity();
  auto a = [&](int r, int c) { return static_cast<double>(w[r + 1][c + 1].Betrag); };
  std::vector<double> spalte(static_cast<std::size_t>(n), 0.0);
  for (int c = 0; c < n; ++c)
    for (int r = 0; r < n; ++r) spalte[c] = std::max(spalte[c], a(r, c));

  std::vector<double> daten(static_cast<std::size_t>(n), 0.0);
  for (int k = 0; k < n; ++k) {
    daten[k] = static_cast<double>(w[k + 1][0].Betrag);
    for (int c = 0; c < n; ++c) daten[k] += a(k, c) * Betrag(x[c]);
  }
  double groesste = 0;
  for (int i = 0; i < n; ++i) {
    double summe = 0, skeel = 0;
    for (int k = 0; k < n; ++k) {
      const double z = Betrag(m[i][n + k]);
      summe += z * daten[k];
      for (int c = 0; c < n; ++c) skeel += z * a(k, c) * spalte[c] / spalte[i];
    }
    const double xi = Betrag(x[i]);
    groesste = std::max({groesste, skeel, xi == 0 ? (summe == 0 ? 0 : HUGE_VAL) : summe / xi});
  }
  return groesste;
}

class GegenExakt : public ::testing::TestWithParam<int> {};

TEST_P(GegenExakt, ShownDigitsAreRightAndEveryRefusalIsJustified) {
  Tipper tipper(20261207u + static_cast<std::uint32_t>(GetParam()));
  int gezeigt = 0, keineLoesung = 0, schlecht = 0, singulaerExakt = 0, mitEingriff = 0;
  double kleinsteAbgelehnteKondition = HUGE_VAL;
  for (int nummer = 0; nummer < kSystemeJeTeil; ++nummer) {
    const TippSystem s = Tippe(tipper);
    const int n = s.n;
    SCOPED_TRACE(Beschreibung(s));

    QMatrix m(static_cast<std::size_t>(n), std::vector<Q>(static_cast<std::size_t>(n + 1)));
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) m[r][c] = Exakt(s.werte[r + 1][c + 1]);
      m[r][n] = Exakt(s.werte[r + 1][0]);
    }
    const bool regulaer = LoeseExakt(m, n);
    std::vector<Q> x;
    for (int i = 0; i < n && regulaer; ++i) x.push_back(m[i][n]);

    GleichungsLoeser l;
    l.SetzeDimension(n);
    l.UebernehmeMatrix(n, n, s.werte);
    const LoeseStatus status = l.Loese();
    mitEingriff += l.Eingriffe() > 0;
    if (!regulaer) ++singulaerExakt;

    if (status == Geloest) {
      ++gezeigt;
      ASSERT_TRUE(regulaer) << "a singular system was shown as solved";
      std::vector<double> gewicht;
      for (int i = 0; i < n; ++i) {
        const Q ist = Exakt(l.Arbeitswert(i + 1, 0));
        if (IstNull(ist) && !IstNull(x[i])) {
          // Shown as zero: the terms cancelling in it must be 1e14 times larger.
          if (gewicht.empty()) gewicht = Gewichte(s.werte, n, x);
          EXPECT_LE(Betrag(x[i]), 1e-14 * gewicht[i]) << "X" << i + 1 << " shown as zero";
          continue;
        }
        const Q fehler{ist.re - x[i].re, ist.im - x[i].im};
        EXPECT_LE(Betrag(fehler), 1e-9 * Betrag(x[i])) << "X" << i + 1;
      }
    } else {
      (status == KeineEindeutigeLoesung ? keineLoesung : schlecht) += 1;
      if (regulaer) {
        const double kondition = Kondition(s.werte, n, x);
        kleinsteAbgelehnteKondition = std::min(kleinsteAbgelehnteKondition, kondition);
        EXPECT_GE(kondition, kKonditionFuerAblehnung)
            << "a well-conditioned system was refused with status " << status;
      }
    }
  }
  std::cout << "[ Exakt    ] " << kSystemeJeTeil << " systems: " << gezeigt << " shown, "
            << keineLoesung << " reported singular, " << schlecht << " reported ill-conditioned; "
            << singulaerExakt << " exactly singular; " << mitEingriff
            << " left the plain elimination; smallest condition number of a refused regular system "
            << kleinsteAbgelehnteKondition << "\n";
}

INSTANTIATE_TEST_SUITE_P(Teile, GegenExakt, ::testing::Range(0, kTeile));

}  // namespace
