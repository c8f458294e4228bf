// SPDX-License-Identifier: GPL-3.0-or-later
// The solver against an exact reference on typed-style systems.
//
// Cells are typed as a user with microfarads, millihenries and megaohms in
// the circuit types them (integers, decimals, tiny and huge magnitudes, both
// complex forms, zeros, repeated and scaled equations), read as the matrix
// page reads them, and the reference solves the exact rationals that the
// read values are (every long double is one), with GMP. Whenever the solver
// shows a result, every part (real and imaginary part of each unknown)
// must show its exact value's ten digits, or be 0 where that value is 0 or
// below what doubles read from decimals can tell from 0; whenever it
// refuses, the exact system must be singular or so ill-conditioned that 10
// digits cannot be carried. Besides the typed systems: integer systems with
// zero unknowns, and the nodal analysis of random RLC circuits.
#include <gmpxx.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "SystemBau.h"
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

// The exact inverse, or nothing for a singular matrix.
std::optional<QMatrix> Inverse(const ZKMatrix& w, int n) {
  QMatrix m(static_cast<std::size_t>(n), std::vector<Q>(static_cast<std::size_t>(2 * n)));
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) m[r][c] = Exakt(w[r + 1][c + 1]);
    m[r][n + r] = {1, 0};
  }
  if (!LoeseExakt(m, n)) return std::nullopt;
  return m;  // A^-1 in columns n..2n-1
}

// Each part's weight: the size of the terms that cancel in it, by parts
// (|A^-1| by parts times the terms of b - A x by parts), capped by the
// largest unknown. [i][0] real part, [i][1] imaginary part.
std::vector<std::array<double, 2>> Gewichte(const ZKMatrix& w, int n, const std::vector<Q>& x) {
  const QMatrix m = *Inverse(w, n);
  double groesste = 0;
  for (const Q& xi : x) groesste = std::max(groesste, Betrag(xi));
  std::vector<std::array<double, 2>> gewicht(static_cast<std::size_t>(n), {0.0, 0.0});
  for (int k = 0; k < n; ++k) {
    const ZKZahl& b = w[k + 1][0];
    double tre = std::fabs(static_cast<double>(b.Realteil));
    double tim = std::fabs(static_cast<double>(b.Imaginaerteil));
    for (int c = 0; c < n; ++c) {
      const double are = std::fabs(static_cast<double>(w[k + 1][c + 1].Realteil));
      const double aim = std::fabs(static_cast<double>(w[k + 1][c + 1].Imaginaerteil));
      const double xre = std::fabs(x[c].re.get_d()), xim = std::fabs(x[c].im.get_d());
      tre += are * xre + aim * xim;
      tim += are * xim + aim * xre;
    }
    for (int i = 0; i < n; ++i) {
      const double zre = std::fabs(m[i][n + k].re.get_d()), zim = std::fabs(m[i][n + k].im.get_d());
      gewicht[i][0] += zre * tre + zim * tim;
      gewicht[i][1] += zre * tim + zim * tre;
    }
  }
  for (auto& g : gewicht) g = {std::min(g[0], groesste), std::min(g[1], groesste)};
  return gewicht;
}

// Two condition numbers, both blind to how the equations are scaled:
// Skeel's || |A^-1| |A| || of the matrix with every unknown's column scaled
// to a largest magnitude of 1 (how far the matrix is from a singular one),
// and the largest over the unknowns of (|A^-1| (|A| |x| + |b|))_i / |x_i|
// (how much this solution's unknowns move; infinite for a zero one that
// moves at all). Needs the exact inverse; only refused systems pay it.
struct Konditionen {
  double matrix = HUGE_VAL;
  double loesung = HUGE_VAL;
  double Groesste() const { return std::max(matrix, loesung); }
};

Konditionen Kondition(const ZKMatrix& w, int n, const std::vector<Q>& x) {
  const std::optional<QMatrix> m = Inverse(w, n);
  if (!m) return {};
  auto a = [&](int r, int c) { return static_cast<double>(w[r + 1][c + 1].Betrag); };
  std::vector<double> spalte(static_cast<std::size_t>(n), 0.0);
  for (int c = 0; c < n; ++c)
    for (int r = 0; r < n; ++r) spalte[c] = std::max(spalte[c], a(r, c));

  std::vector<double> daten(static_cast<std::size_t>(n), 0.0);
  for (int k = 0; k < n; ++k) {
    daten[k] = static_cast<double>(w[k + 1][0].Betrag);
    for (int c = 0; c < n; ++c) daten[k] += a(k, c) * Betrag(x[c]);
  }
  Konditionen k{0, 0};
  for (int i = 0; i < n; ++i) {
    double summe = 0, skeel = 0;
    for (int j = 0; j < n; ++j) {
      const double z = Betrag((*m)[i][n + j]);
      summe += z * daten[j];
      for (int c = 0; c < n; ++c) skeel += z * a(j, c) * spalte[c] / spalte[i];
    }
    const double xi = Betrag(x[i]);
    k.matrix = std::max(k.matrix, skeel);
    k.loesung = std::max(k.loesung, xi == 0 ? (summe == 0 ? 0 : HUGE_VAL) : summe / xi);
  }
  return k;
}

// |q| rounded once to ten significant digits, half away from zero, as both
// display formats round: the digits (10^9..10^10-1), the decimal exponent
// and the sign. Two values show the same digits exactly when these agree.
struct ZehnStellen {
  mpz_class ziffern;
  long exponent = 0;
  int vorzeichen = 0;
  bool operator==(const ZehnStellen&) const = default;
};

ZehnStellen Runde(const mpq_class& q) {
  ZehnStellen z;
  z.vorzeichen = sgn(q);
  if (z.vorzeichen == 0) return z;
  const mpq_class a = abs(q);
  // From a guess of the exponent, scale into [10^9, 10^10).
  const double d = a.get_d();
  long e = d > 0 && std::isfinite(d) ? static_cast<long>(std::floor(std::log10(d))) : 0;
  const mpz_class milliarde("1000000000"), zehnMilliarden("10000000000");
  mpq_class skaliert;
  for (;;) {
    mpz_class zehn;
    mpz_ui_pow_ui(zehn.get_mpz_t(), 10, static_cast<unsigned long>(std::labs(9 - e)));
    skaliert = 9 - e >= 0 ? mpq_class(a * zehn) : mpq_class(a / zehn);
    if (skaliert >= zehnMilliarden) {
      ++e;
    } else if (skaliert < milliarde) {
      --e;
    } else {
      break;
    }
  }
  const mpq_class halb(1, 2);
  const mpq_class aufgerundet = skaliert + halb;
  z.ziffern = aufgerundet.get_num() / aufgerundet.get_den();
  if (z.ziffern == zehnMilliarden) {
    z.ziffern = milliarde;
    ++e;
  }
  z.exponent = e;
  return z;
}

std::string Text(const ZehnStellen& z) {
  return (z.vorzeichen < 0 ? "-" : "") + z.ziffern.get_str() + "E" + std::to_string(z.exponent);
}

// What one batch of systems came to.
struct Bilanz {
  int gezeigt = 0, keineLoesung = 0, schlecht = 0, singulaerExakt = 0, mitEingriff = 0;
  int nullTeile = 0, nullExakt = 0;
  double kleinsteAbgelehnteKondition = HUGE_VAL;

  void Drucke(const char* name, int systeme) const {
    std::cout << "[ " << name << " ] " << systeme << " systems: " << gezeigt << " shown, "
              << keineLoesung << " reported singular, " << schlecht << " reported ill-conditioned; "
              << singulaerExakt << " exactly singular; " << mitEingriff
              << " left the plain elimination; " << nullTeile << " parts shown as 0, " << nullExakt
              << " of them exactly 0; smallest condition number of a refused regular system "
              << kleinsteAbgelehnteKondition << "\n";
  }
};

// Solves the system with the solver and exactly. Shown: every part that is
// not 0 shows the exact part's ten digits, every part whose exact value is
// 0 is 0, and a part shown as 0 otherwise is below 1e-15 of its weight
// (zero as far as doubles read from decimals can tell). Refused: the exact
// system is singular, or its condition number (`Konditionen::matrix` with
// nurMatrix, else the larger of the two) is at least schwelle.
LoeseStatus PruefeGegenExakt(const ZKMatrix& werte, int n, double schwelle, bool nurMatrix,
                             Bilanz& bilanz) {
  QMatrix m(static_cast<std::size_t>(n), std::vector<Q>(static_cast<std::size_t>(n + 1)));
  for (int r = 0; r < n; ++r) {
    for (int c = 0; c < n; ++c) m[r][c] = Exakt(werte[r + 1][c + 1]);
    m[r][n] = Exakt(werte[r + 1][0]);
  }
  const bool regulaer = LoeseExakt(m, n);
  std::vector<Q> x;
  for (int i = 0; i < n && regulaer; ++i) x.push_back(m[i][n]);

  GleichungsLoeser l;
  l.SetzeDimension(n);
  l.UebernehmeMatrix(n, n, werte);
  const LoeseStatus status = l.Loese();
  bilanz.mitEingriff += l.Eingriffe() > 0;
  if (!regulaer) ++bilanz.singulaerExakt;

  if (status == Geloest) {
    ++bilanz.gezeigt;
    EXPECT_TRUE(regulaer) << "a singular system was shown as solved";
    if (!regulaer) return status;
    std::vector<std::array<double, 2>> gewicht;
    for (int i = 0; i < n; ++i) {
      const ZKZahl& gezeigt = l.Loesung()[static_cast<std::size_t>(i)];
      for (int t = 0; t < 2; ++t) {
        const long double teil = t == 0 ? gezeigt.Realteil : gezeigt.Imaginaerteil;
        const mpq_class& exakt = t == 0 ? x[i].re : x[i].im;
        const char* name = t == 0 ? ", real part" : ", imaginary part";
        if (teil == 0.0L) {
          ++bilanz.nullTeile;
          if (sgn(exakt) == 0) {
            ++bilanz.nullExakt;
            continue;
          }
          if (gewicht.empty()) gewicht = Gewichte(werte, n, x);
          EXPECT_LE(std::fabs(exakt.get_d()), 1e-15 * gewicht[i][t])
              << "X" << i + 1 << name << " shown as 0";
          continue;
        }
        EXPECT_EQ(Text(Runde(Exakt(teil))), Text(Runde(exakt))) << "X" << i + 1 << name;
      }
    }
  } else {
    (status == KeineEindeutigeLoesung ? bilanz.keineLoesung : bilanz.schlecht) += 1;
    if (regulaer) {
      const Konditionen k = Kondition(werte, n, x);
      const double kondition = nurMatrix ? k.matrix : k.Groesste();
      bilanz.kleinsteAbgelehnteKondition = std::min(bilanz.kleinsteAbgelehnteKondition, kondition);
      EXPECT_GE(kondition, schwelle) << "a regular system was refused with status " << status;
    }
  }
  return status;
}

// Gaussian integers a[r][c] / teiler, x[c] and the right-hand sides made
// from them in integer arithmetic, so that the system holds exactly.
ZKMatrix GanzzahligesSystem(const std::vector<std::vector<std::complex<long>>>& a,
                            const std::vector<std::complex<long>>& x, long teiler) {
  const int n = static_cast<int>(a.size());
  ZKMatrix m(n + 1, n + 1);
  for (int r = 1; r <= n; ++r) {
    std::complex<long> b;
    for (int c = 1; c <= n; ++c) {
      const std::complex<long>& arc = a[r - 1][c - 1];
      m[r][c] = systembau::Kartesisch(static_cast<long double>(arc.real()) / teiler,
                                      static_cast<long double>(arc.imag()) / teiler);
      b += arc * x[c - 1];
    }
    m[r][0] = systembau::Kartesisch(static_cast<long double>(b.real()) / teiler,
                                    static_cast<long double>(b.imag()) / teiler);
  }
  return m;
}

class GegenExakt : public ::testing::TestWithParam<int> {};

TEST_P(GegenExakt, ShownDigitsAreRightAndEveryRefusalIsJustified) {
  Tipper tipper(20261207u + static_cast<std::uint32_t>(GetParam()));
  Bilanz bilanz;
  for (int nummer = 0; nummer < kSystemeJeTeil; ++nummer) {
    const TippSystem s = Tippe(tipper);
    SCOPED_TRACE(Beschreibung(s));
    PruefeGegenExakt(s.werte, s.n, kKonditionFuerAblehnung, false, bilanz);
  }
  bilanz.Drucke("Exakt   ", kSystemeJeTeil);
}

INSTANTIATE_TEST_SUITE_P(Teile, GegenExakt, ::testing::Range(0, kTeile));

// Integer coefficients and integer solutions, a third of the unknowns 0
// and many parts 0 besides: every part must come out exactly, zeros as 0.
TEST(GegenExakt, IntegerSystemsWithZeroUnknownsComeOutExactly) {
  std::mt19937 zufall(25);
  auto ganz = [&](int von, int bis) {
    return std::uniform_int_distribution<int>(von, bis)(zufall);
  };
  Bilanz bilanz;
  constexpr int kSysteme = 300;
  for (int nummer = 0; nummer < kSysteme; ++nummer) {
    const int n = ganz(2, 8);
    std::vector<std::complex<long>> x;
    for (int i = 0; i < n; ++i) {
      x.emplace_back(ganz(0, 2) == 0 ? 0 : ganz(0, 1) * ganz(-9, 9),
                     ganz(0, 2) == 0 ? 0 : ganz(0, 1) * ganz(-9, 9));
      if (ganz(0, 2) == 0) x.back() = 0;
    }
    std::vector<std::vector<std::complex<long>>> a(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) {
      long summe = 0;
      for (int c = 0; c < n; ++c) {
        a[r].emplace_back(ganz(-9, 9), ganz(-9, 9));
        summe += std::abs(a[r].back().real()) + std::abs(a[r].back().imag());
      }
      a[r][r] = {summe + ganz(1, 9), ganz(-9, 9)};  // diagonal-dominant
    }
    const ZKMatrix m = GanzzahligesSystem(a, x, 1);
    SCOPED_TRACE("system " + std::to_string(nummer));
    EXPECT_EQ(PruefeGegenExakt(m, n, HUGE_VAL, false, bilanz), Geloest);
  }
  bilanz.Drucke("Ganzzahl", kSysteme);
  EXPECT_GT(bilanz.nullExakt, kSysteme);
}

// 20 unknowns, X7 = 0, coefficients in eighths and integer solutions, so
// that the right-hand sides are exact (a condition number of a few hundred).
TEST(GegenExakt, TwentyUnknownsOneOfThemZero) {
  std::mt19937 zufall(400);
  auto ganz = [&](int von, int bis) {
    return std::uniform_int_distribution<int>(von, bis)(zufall);
  };
  constexpr int n = 20;
  std::vector<std::vector<std::complex<long>>> a(n);
  std::vector<std::complex<long>> x;
  for (int r = 0; r < n; ++r) {
    x.emplace_back(r == 6 ? 0 : ganz(-20, 20), r == 6 ? 0 : ganz(-20, 20));
    for (int c = 0; c < n; ++c) a[r].emplace_back(ganz(-80, 80), ganz(-80, 80));
  }
  int nullen = 0;
  for (const auto& xi : x) nullen += (xi.real() == 0) + (xi.imag() == 0);
  Bilanz bilanz;
  EXPECT_EQ(PruefeGegenExakt(GanzzahligesSystem(a, x, 8), n, HUGE_VAL, false, bilanz), Geloest);
  EXPECT_EQ(bilanz.nullExakt, nullen);
}

// The typed systems of LoeseTest whose decimals give a zero unknown: the
// doubles leave a trace of it, which is below what they can tell from 0.
TEST(GegenExakt, TypedDecimalsWithAZeroUnknown) {
  Bilanz bilanz;
  for (const auto& gleichungen : std::vector<std::vector<std::string>>{
           {"1,1-j0,7; 0,5+j0,3; 1,2", "0,7-j1,4; 0,7; -0,4+j1"},
           {"0,8+j4,2; 1,5-j0,5; 0,3; -0,7+j1,1", "1,88-j0,7; 0,2; 2,4-j1,3; 0,9",
            "1,96-j1,88; -0,6+j1,8; 1,1+j0,1; 2"}}) {
    const int n = static_cast<int>(gleichungen.size());
    EXPECT_EQ(PruefeGegenExakt(systembau::AusTexten(gleichungen), n, HUGE_VAL, false, bilanz),
              Geloest);
  }
  EXPECT_EQ(bilanz.nullTeile, 4);
}

// Nodal analysis of a random RLC network: n nodes besides ground, joined by
// a spanning tree and some more branches, each a resistor, coil,
// capacitor, R and L in series or R parallel to C, with values as catalogues
// list them (1 Ω .. 10 MΩ, 1 µH .. 1 H, 1 pF .. 100 µF) and a frequency of
// 10 Hz .. 1 MHz; one or two current sources into nodes. The admittances
// are what a student types: doubles.
ZKMatrix Knotenanalyse(std::mt19937& zufall, int& n) {
  using K = std::complex<long double>;
  auto gleich = [&](long double von, long double bis) {
    return std::uniform_real_distribution<long double>(von, bis)(zufall);
  };
  auto ganz = [&](int von, int bis) {
    return std::uniform_int_distribution<int>(von, bis)(zufall);
  };
  static const int kE12[] = {10, 12, 15, 18, 22, 27, 33, 39, 47, 56, 68, 82};
  auto wert = [&](int von, int bis) {  // E12 value times 10^(von..bis)
    return kE12[ganz(0, 11)] / 10.0L * std::pow(10.0L, static_cast<long double>(ganz(von, bis)));
  };
  n = ganz(2, 12);
  const long double omega = 2 * std::acos(-1.0L) * std::pow(10.0L, gleich(1, 6));
  std::vector<std::vector<K>> y(static_cast<std::size_t>(n + 1), std::vector<K>(n + 1));
  auto zweig = [&](int p, int q) {
    K admittanz;
    switch (ganz(0, 4)) {
      case 0:
        admittanz = 1.0L / wert(0, 6);
        break;
      case 1:
        admittanz = 1.0L / K(0, omega * wert(-6, -1));
        break;
      case 2:
        admittanz = K(0, omega * wert(-12, -5));
        break;
      case 3:
        admittanz = 1.0L / K(wert(0, 6), omega * wert(-6, -1));
        break;
      default:
        admittanz = K(1.0L / wert(0, 6), omega * wert(-12, -5));
    }
    y[p][p] += admittanz;
    y[q][q] += admittanz;
    y[p][q] -= admittanz;
    y[q][p] -= admittanz;
  };
  for (int k = 1; k <= n; ++k) zweig(k, ganz(0, k - 1));
  for (int weitere = ganz(n / 2, 2 * n); weitere > 0; --weitere) {
    const int p = ganz(0, n), q = ganz(0, n);
    if (p != q) zweig(p, q);
  }
  ZKMatrix m(n + 1, n + 1);
  auto alsDouble = [](const K& z) {
    return systembau::Kartesisch(static_cast<double>(z.real()), static_cast<double>(z.imag()));
  };
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c <= n; ++c) m[r][c] = alsDouble(y[r][c]);
  for (int quellen = ganz(1, 2); quellen > 0; --quellen) {
    ZKZahl strom;
    strom.SetzePolar(static_cast<double>(wert(-3, 1)), ganz(-179, 180));
    m[ganz(1, n)][0] += alsDouble(K(strom.Realteil, strom.Imaginaerteil));
  }
  return m;
}

class Schaltungen : public ::testing::TestWithParam<int> {};

// A circuit whose matrix has a condition number below 1e10 is never
// refused, and every shown part is right.
TEST_P(Schaltungen, AreSolvedBelowAConditionNumberOf1e10WithEveryDigitRight) {
  std::mt19937 zufall(2500u + static_cast<std::uint32_t>(GetParam()));
  Bilanz bilanz;
  constexpr int kSysteme = 60;
  for (int nummer = 0; nummer < kSysteme; ++nummer) {
    int n = 0;
    const ZKMatrix m = Knotenanalyse(zufall, n);
    SCOPED_TRACE("circuit " + std::to_string(nummer) + ", n = " + std::to_string(n));
    PruefeGegenExakt(m, n, 1e10, true, bilanz);
  }
  bilanz.Drucke("Schaltung", kSysteme);
}

INSTANTIATE_TEST_SUITE_P(Teile, Schaltungen, ::testing::Range(0, 4));

}  // namespace
