// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit curve's fast sweep against ngspice's "ac dec" sweep of random
// R/L/C circuits, at every frequency ngspice lists: the impedance between
// two nodes (sources at zero, one ampere driven from b into a, so Z = U(a) -
// U(b)) and the ratio of two potentials. Circuits whose nodal system has a
// condition number over 1e6 somewhere in the range are drawn anew.
//
// ngspice solves in double precision: its potentials are right to about
// 1e-13 of the largest one. Where the quantity rests on potentials below a
// thousandth of that (a node no current reaches, a difference of nearly
// equal potentials), its answer cannot decide 1e-9 of the value. Every
// point is therefore also held against the same nodal equations solved in
// quadruple precision: the fast value must be within its own error estimate
// of that, and the estimate within 1e-12 of the value.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "NgspiceHilfe.h"
#include "ortskurve/Frequenzbereich.h"
#include "ortskurve/Quellen.h"
#include "schaltung/Netzliste.h"
#include "schaltung/Vereinigung.h"

namespace {

constexpr int kSchaltungenProTeil = 100;
constexpr int kTeile = 2;
constexpr int kProDekade = 10;
constexpr int kDekaden = 4;  // f/100 to 100 f around the circuit's frequency
constexpr long double kHoechsteKondition = 1e6L;

__extension__ typedef __float128 Quad;

struct QKomplex {
  Quad re = 0, im = 0;
};
QKomplex operator-(QKomplex a, QKomplex b) {
  return {a.re - b.re, a.im - b.im};
}
QKomplex operator*(QKomplex a, QKomplex b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
QKomplex operator/(QKomplex a, QKomplex b) {
  const Quad n = b.re * b.re + b.im * b.im;
  return {(a.re * b.re + a.im * b.im) / n, (a.im * b.re - a.re * b.im) / n};
}
Quad Groesse(QKomplex a) {
  return (a.re < 0 ? -a.re : a.re) + (a.im < 0 ? -a.im : a.im);
}

// The quantity from the nodal equations at ω, solved by Gauss elimination
// with partial pivoting in quadruple precision: a reference about 1e-34 of
// the condition number away from the exact solution of the same equations.
// `skala`: what the quantity would be made of the largest unknown, the
// measure of a rounding residue where it is zero.
struct Bezug {
  Komplex wert;
  long double skala;
};
Bezug Referenz(const Schaltung& s, KennwertArt art, int a, int b, long double omega) {
  const Schaltungssystem g = StelleAuf(s, Verfahren::Knoten, omega).system;
  const auto n = static_cast<std::size_t>(g.n);
  std::vector<Komplex> am(n * n), bm(n);
  WerteBei(g, s, omega, am, bm);
  if (art == KennwertArt::Impedanz) {
    std::fill(bm.begin(), bm.end(), Komplex());
    if (a > 0) bm[static_cast<std::size_t>(a - 1)] = 1.0L;
    if (b > 0) bm[static_cast<std::size_t>(b - 1)] = -1.0L;
  }
  std::vector<QKomplex> m(n * (n + 1));
  for (std::size_t r = 0; r < n; ++r) {
    for (std::size_t c = 0; c < n; ++c)
      m[r * (n + 1) + c] = {am[r * n + c].real(), am[r * n + c].imag()};
    m[r * (n + 1) + n] = {bm[r].real(), bm[r].imag()};
  }
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t p = k;
    for (std::size_t r = k + 1; r < n; ++r)
      if (Groesse(m[r * (n + 1) + k]) > Groesse(m[p * (n + 1) + k])) p = r;
    for (std::size_t c = 0; c <= n; ++c) std::swap(m[k * (n + 1) + c], m[p * (n + 1) + c]);
    for (std::size_t r = k + 1; r < n; ++r) {
      const QKomplex l = m[r * (n + 1) + k] / m[k * (n + 1) + k];
      for (std::size_t c = k; c <= n; ++c)
        m[r * (n + 1) + c] = m[r * (n + 1) + c] - l * m[k * (n + 1) + c];
    }
  }
  std::vector<QKomplex> x(n);
  for (std::size_t i = n; i-- > 0;) {
    QKomplex w = m[i * (n + 1) + n];
    for (std::size_t c = i + 1; c < n; ++c) w = w - m[i * (n + 1) + c] * x[c];
    x[i] = w / m[i * (n + 1) + i];
  }
  const QKomplex xa = a > 0 ? x[static_cast<std::size_t>(a - 1)] : QKomplex{};
  const QKomplex xb = b > 0 ? x[static_cast<std::size_t>(b - 1)] : QKomplex{};
  const QKomplex q = art == KennwertArt::Impedanz ? xa - xb : xa / xb;
  long double groesste = 0;
  for (const QKomplex& xi : x)
    groesste = std::max(
        groesste, std::hypot(static_cast<long double>(xi.re), static_cast<long double>(xi.im)));
  const long double nenner =
      std::hypot(static_cast<long double>(xb.re), static_cast<long double>(xb.im));
  return {{static_cast<long double>(q.re), static_cast<long double>(q.im)},
          art == KennwertArt::Impedanz ? groesste : groesste / nenner};
}

struct Fall {
  Zufallsschaltung c;
  Schaltung s;
  KennwertArt art;
  int a, b;  // nodes as ngspice numbers them; 0 is ground
};

// Our index of the node ngspice calls k: nodes are numbered by their first
// appearance in the netlist, not by their names.
int Index(const Schaltung& s, int k) {
  if (k == 0) return 0;
  for (std::size_t i = 1; i < s.knoten.size(); ++i)
    if (s.knoten[i] == std::to_string(k)) return static_cast<int>(i);
  ADD_FAILURE() << "Knoten " << k;
  return 0;
}

// Whether voltage sources join the two nodes: the impedance between them
// is then 0 and every potential of the impedance's circuit rounding residue.
bool Kurzgeschlossen(const Schaltung& s, int a, int b) {
  Vereinigung v(s.knoten.size());
  for (const Element& e : s.elemente)
    if (e.art == ElementArt::Spannungsquelle) v.Vereinige(e.knoten1, e.knoten2);
  return v.Wurzel(a) == v.Wurzel(b);
}

std::string Knoten(int k) {
  return "v(" + std::to_string(k) + ")";
}

class NgspiceDurchlauf : public ::testing::TestWithParam<int> {};

TEST_P(NgspiceDurchlauf, FastSweepAgreesWithTheSimulatorAtItsFrequencies) {
  Zufall z{std::mt19937_64(20290000u + static_cast<unsigned>(GetParam()))};
  std::vector<Fall> faelle;
  std::vector<std::string> decks;
  std::vector<std::vector<std::string>> vektoren;
  int verworfen = 0;
  while (static_cast<int>(faelle.size()) < kSchaltungenProTeil) {
    Fall fall{Erzeuge(z, true), {}, KennwertArt::Impedanz, 0, 0};
    NetzlistenErgebnis n = LiesNetzliste(fall.c.netzliste);
    ASSERT_TRUE(n.fehler.empty()) << n.fehler.front().text << "\n" << fall.c.netzliste;
    fall.s = std::move(n.schaltung);
    const int knoten = fall.c.knoten;
    fall.art = faelle.size() % 2 == 0 ? KennwertArt::Impedanz : KennwertArt::Verhaeltnis;
    const int erster = fall.art == KennwertArt::Impedanz ? 0 : 1;
    fall.a = z.Ganz(erster, knoten);
    do fall.b = z.Ganz(erster, knoten);
    while (fall.b == fall.a);
    bool gut = fall.art == KennwertArt::Verhaeltnis ||
               !Kurzgeschlossen(fall.s, Index(fall.s, fall.a), Index(fall.s, fall.b));
    const double f0 = fall.c.frequenz / 100, f1 = fall.c.frequenz * 100;
    for (int k = 0; k <= kDekaden * kProDekade && gut; ++k) {
      const long double omega =
          2 * ZK_Pi() * f0 * std::pow(10.0L, k / static_cast<long double>(kProDekade));
      gut = Kondition(StelleAuf(fall.s, Verfahren::Knoten, omega).system) <= kHoechsteKondition;
    }
    if (!gut) {
      ++verworfen;
      continue;
    }
    const std::string analyse = ".ac dec " + std::to_string(kProDekade) + " " +
                                Wissenschaftlich(f0) + " " + Wissenschaftlich(f1);
    if (fall.art == KennwertArt::Impedanz) {
      decks.push_back(SpiceDeck(fall.c.spiceBauteile + fall.c.spiceNullquellen + "Imess " +
                                    std::to_string(fall.b) + " " + std::to_string(fall.a) +
                                    " AC 1 0\n",
                                analyse));
    } else {
      decks.push_back(SpiceDeck(fall.c.spiceBauteile + fall.c.spiceQuellen, analyse));
    }
    std::vector<std::string> v;
    for (int k = 1; k <= knoten; ++k) v.push_back(Knoten(k));
    vektoren.push_back(v);
    faelle.push_back(std::move(fall));
  }
  const std::vector<SpiceAntwort> spice = FrageNgspice(decks, vektoren);
  ASSERT_EQ(spice.size(), faelle.size());

  long double schlimmste = 0, schlimmsteReferenz = 0, schaetzung = 0, frequenzAbstand = 0;
  int punkte = 0, entschieden = 0, rueckfaelle = 0, ohneWert = 0;
  for (std::size_t i = 0; i < faelle.size(); ++i) {
    const Fall& fall = faelle[i];
    const SpiceAntwort& antwort = spice[i];
    ASSERT_EQ(antwort.frequenzen.size(), static_cast<std::size_t>(kDekaden * kProDekade + 1))
        << decks[i];
    // Our logarithmic sweep over the same range lists the same frequencies.
    const Frequenzbereich bereich{antwort.frequenzen.front(), antwort.frequenzen.back(), true,
                                  kDekaden * kProDekade + 1};
    const std::vector<long double> unsere = Frequenzen(bereich);
    const int a = Index(fall.s, fall.a), b = Index(fall.s, fall.b);
    Schaltungsquelle quelle(fall.s, fall.art, a, b);
    ASSERT_EQ(quelle.Hindernis(), "");
    auto spannung = [&](int k, std::size_t p) {
      return k > 0 ? antwort.werte.at(Knoten(k))[p] : Komplex();
    };
    const int rueckfaelleVorher = quelle.Rueckfaelle();
    long double fallSchlimmste = 0;
    for (std::size_t p = 0; p < antwort.frequenzen.size(); ++p) {
      const long double f = antwort.frequenzen[p];
      frequenzAbstand = std::max(frequenzAbstand, std::fabs(unsere[p] - f) / f);
      ++punkte;
      long double groesste = 0;
      for (const auto& [name, werte] : antwort.werte)
        groesste = std::max(groesste, std::abs(werte[p]));
      const Komplex ua = spannung(fall.a, p), ub = spannung(fall.b, p);
      const Kurvenpunkt ist = quelle.Wert(f);
      if (!ist.gueltig) {
        // Only a ratio to a potential that is zero (up to ngspice's noise)
        // has no value.
        EXPECT_TRUE(fall.art == KennwertArt::Verhaeltnis && std::abs(ub) < 1e-9L * groesste)
            << quelle.Grund() << "\n"
            << fall.c.netzliste;
        ++ohneWert;
        continue;
      }
      const Komplex wert{ist.wert.Realteil, ist.wert.Imaginaerteil};

      const Bezug bezug = Referenz(fall.s, fall.art, a, b, 2 * ZK_Pi() * f);
      const Komplex ref = bezug.wert;
      const long double abstand = std::abs(wert - ref);
      // A value that fell back to the exact path has its ten digits, and
      // is 0 where the reference is a residue of cancellation.
      const long double erlaubt =
          ist.fehler > 0
              ? ist.fehler
              : std::max(1e-10L * std::abs(ref), wert == Komplex() ? 1e-15L * bezug.skala : 0.0L);
      EXPECT_LE(abstand, erlaubt) << "f = " << f << "\n" << fall.c.netzliste;
      EXPECT_LE(ist.fehler, 1e-12L * std::abs(wert));
      if (std::abs(ref) > 1e-15L * bezug.skala)
        schlimmsteReferenz = std::max(schlimmsteReferenz, abstand / std::abs(ref));
      if (ist.fehler > 0) schaetzung = std::max(schaetzung, abstand / ist.fehler);

      const bool entscheidbar =
          fall.art == KennwertArt::Impedanz
              ? std::abs(ua - ub) >= 1e-3L * groesste
              : std::abs(ua) >= 1e-3L * groesste && std::abs(ub) >= 1e-3L * groesste;
      if (!entscheidbar) continue;
      ++entschieden;
      const Komplex soll = fall.art == KennwertArt::Impedanz ? ua - ub : ua / ub;
      fallSchlimmste = std::max(fallSchlimmste, std::abs(wert - soll) / std::abs(soll));
    }
    EXPECT_LE(fallSchlimmste, 1e-9L)
        << (fall.art == KennwertArt::Impedanz ? "Z(" : "U(") << fall.a
        << (fall.art == KennwertArt::Impedanz ? ", " : ")/U(") << fall.b << ")\n"
        << fall.c.netzliste;
    schlimmste = std::max(schlimmste, fallSchlimmste);
    rueckfaelle += quelle.Rueckfaelle() - rueckfaelleVorher;
  }
  EXPECT_LE(frequenzAbstand, 1e-13L);
  // Most points must be ngspice's to decide.
  EXPECT_GE(entschieden, punkte * 3 / 4);
  std::printf(
      "Teil %d: %zu Schaltungen (%d verworfen), %d Punkte (%d ohne Wert); größte Abweichung "
      "von ngspice %.3Lg relativ zum Wert (an %d Punkten, die ngspice entscheiden kann); von "
      "der Lösung in vierfacher Genauigkeit %.3Lg (wo sie kein Rundungsrest ist), höchstens das "
      "%.3Lg-fache der eigenen Schätzung; %d Punkte genau statt schnell gelöst; Frequenzen wie "
      "ngspice bis auf %.3Lg\n",
      GetParam(), faelle.size(), verworfen, punkte, ohneWert, schlimmste, entschieden,
      schlimmsteReferenz, schaetzung, rueckfaelle, frequenzAbstand);
}

INSTANTIATE_TEST_SUITE_P(Zufallsschaltungen, NgspiceDurchlauf, ::testing::Range(0, kTeile));

// A 20-stage ladder low pass: its far end lies hundreds of decades below
// its input at high frequencies, and each point is still solved fast and
// within its own error estimate.
TEST(Kettenleiter, FarEndStaysFastAndWithinItsEstimate) {
  std::string netz = "f = 50\nU1 1 0 1\n";
  for (int k = 1; k < 20; ++k) {
    const std::string a = std::to_string(k), b = std::to_string(k + 1);
    netz += (k % 2 ? "R" : "L") + a + " " + a + " " + b + (k % 2 ? " 4,7k\n" : " 33m\n");
    netz += "C" + a + " " + b + " 0 2,2\xC2\xB5\n";
  }
  const Schaltung s = LiesNetzliste(netz).schaltung;
  Schaltungsquelle q(s, KennwertArt::Verhaeltnis, 20, 1);
  long double kleinste = 1;
  for (const long double f : Frequenzen({1, 1e6L, true, 300})) {
    const Kurvenpunkt p = q.Wert(f);
    ASSERT_TRUE(p.gueltig) << f;
    const Komplex wert{p.wert.Realteil, p.wert.Imaginaerteil};
    const Komplex ref = Referenz(s, KennwertArt::Verhaeltnis, 20, 1, 2 * ZK_Pi() * f).wert;
    EXPECT_LE(std::abs(wert - ref), p.fehler) << f;
    EXPECT_LE(p.fehler, 1e-12L * std::abs(wert)) << f;
    kleinste = std::min(kleinste, std::abs(wert));
  }
  EXPECT_EQ(q.Rueckfaelle(), 0);
  EXPECT_LT(kleinste, 1e-100L);
}

}  // namespace
