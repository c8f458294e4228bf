// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "complex/ZKLesen.h"
#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"

namespace {

using Komplex = std::complex<long double>;

Komplex K(const ZKZahl& z) {
  return {z.Realteil, z.Imaginaerteil};
}

Schaltung Lies(const std::string& text) {
  NetzlistenErgebnis n = LiesNetzliste(text);
  EXPECT_TRUE(n.fehler.empty()) << n.fehler.front().text;
  return n.schaltung;
}

// A circuit solved by both analyses; Wert() looks an element up by name.
struct Beide {
  Schaltung s;
  Ergebnis e[2];  // Knoten, Maschen

  explicit Beide(const std::string& text) : s(Lies(text)) {
    for (const Verfahren v : {Verfahren::Knoten, Verfahren::Maschen}) {
      const Aufstellung a = StelleAuf(s, v);
      EXPECT_FALSE(a.fehler);
      e[v == Verfahren::Knoten ? 0 : 1] = Loese(s, a.system);
    }
  }
  int Index(const std::string& name) const {
    for (std::size_t k = 0; k < s.elemente.size(); ++k)
      if (s.elemente[k].name == name) return static_cast<int>(k);
    ADD_FAILURE() << name;
    return 0;
  }
  int Knoten(const std::string& name) const {
    for (std::size_t k = 0; k < s.knoten.size(); ++k)
      if (s.knoten[k] == name) return static_cast<int>(k);
    ADD_FAILURE() << name;
    return 0;
  }
  // Checks what holds for every solved circuit: both analyses solved it,
  // give the same element values, and the power balances.
  void PruefeBeide() const {
    ASSERT_EQ(e[0].status, Geloest) << e[0].meldung;
    ASSERT_EQ(e[1].status, Geloest) << e[1].meldung;
    long double uMax = 0, iMax = 0, sSumme = 0;
    for (const ElementWerte& w : e[0].elemente) {
      uMax = std::max(uMax, w.u.Betrag);
      iMax = std::max(iMax, w.i.Betrag);
      sSumme += w.s.Betrag;
    }
    for (std::size_t k = 0; k < s.elemente.size(); ++k) {
      EXPECT_LE(std::abs(K(e[0].elemente[k].u) - K(e[1].elemente[k].u)), 1e-10L * uMax)
          << s.elemente[k].name;
      EXPECT_LE(std::abs(K(e[0].elemente[k].i) - K(e[1].elemente[k].i)), 1e-10L * iMax)
          << s.elemente[k].name;
    }
    for (const Ergebnis& x : e) EXPECT_LE(x.leistungsbilanz.Betrag, 1e-15L * sSumme);
  }
};

void ErwarteNahe(const ZKZahl& ist, Komplex soll, long double relativ = 1e-15L) {
  EXPECT_LE(std::abs(K(ist) - soll), relativ * std::abs(soll))
      << "ist " << ist.Realteil << " + j" << ist.Imaginaerteil;
}

TEST(Lehrbuchschaltung, VoltageDivider) {
  const Beide g("U1 1 0 10\nR1 1 2 1k\nR2 2 0 4k\n");
  ASSERT_NO_FATAL_FAILURE(g.PruefeBeide());
  for (const Ergebnis& e : g.e) {
    ErwarteNahe(e.potentiale[2], 8.0L);
    // The source gives out 2 mA: from + through the source to - it is -2 mA.
    ErwarteNahe(e.elemente[0].i, -0.002L);
    ErwarteNahe(e.elemente[1].s, 0.004L);
  }
}

TEST(Lehrbuchschaltung, RcLowPassAtItsCornerFrequency) {
  const Beide g(
      "\xCF\x89 = 1000\nU1 1 0 1\xE2\x88\xA0"
      "0\xC2\xB0\nR1 1 2 1k\nC1 2 0 1\xC2\xB5\n");
  ASSERT_NO_FATAL_FAILURE(g.PruefeBeide());
  for (const Ergebnis& e : g.e) {
    const ZKZahl& u2 = e.potentiale[2];
    EXPECT_NEAR(static_cast<double>(u2.Betrag), 1.0 / std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(static_cast<double>(u2.Winkel), -45.0, 1e-12);
  }
  // The same through the sweep functions.
  const Kennwert v = Potentialverhaeltnis(g.s, 2, 1, 1000.0L);
  ASSERT_EQ(v.status, Geloest);
  ErwarteNahe(v.wert, {0.5L, -0.5L});
  // Seen from node 2 with the source shorted: R parallel to C.
  const Kennwert z = ImpedanzZwischen(g.s, 2, 0, 1000.0L);
  ASSERT_EQ(z.status, Geloest);
  ErwarteNahe(z.wert, {500.0L, -500.0L});
}

TEST(Lehrbuchschaltung, SeriesResonanceAtResonance) {
  const Beide g("w = 1000\nU1 1 0 10\nR1 1 2 10\nL1 2 3 0,1\nC1 3 0 10\xC2\xB5\n");
  ASSERT_NO_FATAL_FAILURE(g.PruefeBeide());
  for (const Ergebnis& e : g.e) {
    // Only R limits the current (L and C, being doubles, miss resonance by 1e-15).
    ErwarteNahe(e.elemente[g.Index("R1")].i, 1.0L, 1e-14L);
    ErwarteNahe(e.elemente[g.Index("L1")].u, {0.0L, 100.0L}, 1e-14L);  // Q = 10
    ErwarteNahe(e.elemente[g.Index("C1")].u, {0.0L, -100.0L}, 1e-14L);
  }
}

TEST(Lehrbuchschaltung, WheatstoneBridgeInBalance) {
  const Beide g("U1 1 0 10\nR1 1 2 100\nR2 2 0 200\nR3 1 3 300\nR4 3 0 600\nR5 2 3 50\n");
  ASSERT_NO_FATAL_FAILURE(g.PruefeBeide());
  // Zero, not the residue of U2 - U3 or of two mesh currents (1E-19 V).
  for (const Ergebnis& e : g.e) {
    EXPECT_EQ(e.elemente[g.Index("R5")].u.Betrag, 0.0L);
    EXPECT_EQ(e.elemente[g.Index("R5")].i.Betrag, 0.0L);
    EXPECT_EQ(e.leistungsbilanz.Betrag, 0.0L);
  }
}

// jωC1 and 1/(jωL1) cancel at resonance: the entry is 1/R1, not 0,1+j1E-18.
TEST(Lehrbuchschaltung, ParallelResonanceEntryHasNoImaginaryResidue) {
  const Beide g("w = 1000\nU1 1 0 10\nR1 1 2 10\nL1 2 0 0,1\nC1 2 0 10\xC2\xB5\n");
  ASSERT_NO_FATAL_FAILURE(g.PruefeBeide());
  const Aufstellung k = StelleAuf(g.s, Verfahren::Knoten, 1000.0L);
  EXPECT_EQ(k.system.A(1, 1).wert.Imaginaerteil, 0.0L);
  EXPECT_EQ(k.system.A(1, 1).wert.Realteil, 0.1L);
}

TEST(Lehrbuchschaltung, BalancedStarLoadHasNoNeutralCurrent) {
  const Beide g(
      "U1 L1 0 230\xE2\x88\xA0"
      "0\xC2\xB0\n"
      "U2 L2 0 230\xE2\x88\xA0-120\xC2\xB0\n"
      "U3 L3 0 230\xE2\x88\xA0"
      "120\xC2\xB0\n"
      "Z1 L1 S 10\xE2\x88\xA0"
      "30\xC2\xB0\nZ2 L2 S 10\xE2\x88\xA0"
      "30\xC2\xB0\n"
      "Z3 L3 S 10\xE2\x88\xA0"
      "30\xC2\xB0\n"
      "RN S 0 1\n");
  ASSERT_NO_FATAL_FAILURE(g.PruefeBeide());
  for (const Ergebnis& e : g.e) {
    EXPECT_LE(e.elemente[g.Index("RN")].i.Betrag, 1e-14L);
    ErwarteNahe(e.elemente[g.Index("Z2")].i, std::polar(23.0L, -150.0L * ZK_GradNachRad()), 1e-14L);
  }
}

// The tree takes U1 and R1; the current source stays a link with its known
// current, which enters the only mesh equation through R1.
TEST(Lehrbuchschaltung, MeshMethodPutsACurrentSourceInALink) {
  const Beide g("U1 1 0 10\nR1 1 2 10\nI1 0 2 1\nR2 2 0 20\n");
  ASSERT_NO_FATAL_FAILURE(g.PruefeBeide());
  const Aufstellung m = StelleAuf(g.s, Verfahren::Maschen);
  ASSERT_EQ(m.system.n, 1);
  EXPECT_EQ(Herleitung(m.system, g.s, 0, 0), "R1 + R2");
  EXPECT_EQ(Herleitung(m.system, g.s, 0, -1), "U1 + R1\xC2\xB7I1");
  ErwarteNahe(g.e[1].potentiale[2], 40.0L / 3.0L);
}

// Unknowns, names, derivations and signs as a textbook writes them down.
TEST(Aufstellung, UnknownsAndDerivationsOfBothMethods) {
  const Schaltung s = Lies(
      "f = 50\nU1 ein 0 230\nR1 ein mitte 100\nC1 mitte 0 10\xC2\xB5\nL1 mitte aus 0,1\n"
      "R2 aus 0 50\nI1 0 aus 1\n");
  const Schaltungssystem k = StelleAuf(s, Verfahren::Knoten).system;
  EXPECT_EQ(k.unbekannte, (std::vector<std::string>{"Uein", "Umitte", "Uaus", "I_U1"}));
  EXPECT_EQ(Herleitung(k, s, 1, 1),
            "1/R1 + j\xCF\x89"
            "C1 + 1/(j\xCF\x89L1)");
  EXPECT_EQ(Herleitung(k, s, 1, 2), "-1/(j\xCF\x89L1)");
  EXPECT_EQ(Herleitung(k, s, 0, 3), "1");
  EXPECT_EQ(Herleitung(k, s, 2, -1), "I1");
  EXPECT_EQ(Herleitung(k, s, 3, -1), "U1");
  EXPECT_EQ(Herleitung(k, s, 0, 2), "0");
  EXPECT_EQ(Bezeichnung(k, 1, 2), "Y\xE2\x82\x82\xE2\x82\x83");  // Y₂₃
  EXPECT_EQ(Bezeichnung(k, 0, 3), "a\xE2\x82\x81\xE2\x82\x84");  // a₁₄
  EXPECT_EQ(Bezeichnung(k, 2, -1), "Iq\xE2\x82\x83");
  EXPECT_EQ(ZeilenBedeutung(k, s, 0), "Knoten ein: Summe der abfließenden Ströme = 0");
  const long double omega = 2.0L * ZK_Pi() * 50.0L;
  // -1/(jωL1) = j/(ωL1), L1 read as the double 0,1.
  EXPECT_EQ(K(k.A(1, 2).wert), Komplex(0.0L, 1.0L / (omega * static_cast<long double>(0.1))));

  // |Z| at 50 Hz: L1 31,4, R2 50, R1 100, C1 318: the tree is U1, L1, R2.
  const Schaltungssystem m = StelleAuf(s, Verfahren::Maschen).system;
  EXPECT_EQ(m.unbekannte, (std::vector<std::string>{"I_M1", "I_M2"}));
  EXPECT_EQ(ZeilenBedeutung(m, s, 0),
            "Masche 1 über R1 (R1, L1, R2, U1): Summe der Spannungen im Umlauf = 0");
  EXPECT_EQ(Herleitung(m, s, 0, 0), "R1 + j\xCF\x89L1 + R2");
  EXPECT_EQ(Herleitung(m, s, 0, 1), "-(j\xCF\x89L1 + R2)");
  EXPECT_EQ(Herleitung(m, s, 1, 1),
            "1/(j\xCF\x89"
            "C1) + j\xCF\x89L1 + R2");
  EXPECT_EQ(Herleitung(m, s, 0, -1), "U1 - R2\xC2\xB7I1");  // U1 met from - to +
  EXPECT_EQ(Herleitung(m, s, 1, -1), "R2\xC2\xB7I1");
  EXPECT_EQ(Bezeichnung(m, 0, 1), "Z\xE2\x82\x81\xE2\x82\x82");
  EXPECT_EQ(Bezeichnung(m, 1, -1), "Uq\xE2\x82\x82");

  // Another frequency: the same structure, the values of a fresh set-up.
  Schaltungssystem k2 = k;
  BewerteBei(k2, s, 2.0L * omega);
  const Schaltungssystem frisch = StelleAuf(s, Verfahren::Knoten, 2.0L * omega).system;
  for (int r = 0; r < k.n; ++r)
    for (int c = 0; c < k.n; ++c) EXPECT_EQ(K(k2.A(r, c).wert), K(frisch.A(r, c).wert));
}

// The matrix page writes each entry as the shortest text of its two
// doubles and reads it back; solving the rounded system must give what
// that page computes.
TEST(Aufstellung, DoubleRoundedEntriesAreWhatTheirShortestTextReadsBack) {
  const Schaltung s = Lies("f = 50\nU1 1 0 230\nR1 1 2 3\nC1 2 0 7\xC2\xB5\nL1 2 0 0,3\n");
  const Schaltungssystem g = StelleAuf(s, Verfahren::Knoten).system;
  auto text = [](long double x) {
    char p[40];
    return std::string(p, std::to_chars(p, p + sizeof p, static_cast<double>(x)).ptr);
  };
  ZKMatrix m = ErzeugeMatrix(g.n + 1, g.n + 1);
  for (int r = 0; r < g.n; ++r) {
    for (int c = -1; c < g.n; ++c) {
      const ZKZahl& w = c < 0 ? g.b[static_cast<std::size_t>(r)].wert : g.A(r, c).wert;
      ZKZahl gelesen;
      ASSERT_NE(LiesZKZahl(text(w.Realteil) + "+j" + text(w.Imaginaerteil), gelesen),
                ZKForm::Keine);
      const ZKZahl gerundet = AufDoubleGerundet(w);
      EXPECT_EQ(gelesen.Realteil, gerundet.Realteil);
      EXPECT_EQ(gelesen.Imaginaerteil, gerundet.Imaginaerteil);
      EXPECT_EQ(gelesen.Betrag, gerundet.Betrag);
      EXPECT_EQ(gelesen.Winkel, gerundet.Winkel);
      m[r + 1][c + 1] = gelesen;
    }
  }
  GleichungsLoeser l;
  l.UebernehmeMatrix(g.n, g.n, m);
  ASSERT_EQ(l.Loese(), Geloest);
  const Ergebnis e = Loese(s, g, Rundung::AufDouble);
  ASSERT_EQ(e.status, Geloest);
  for (int k = 0; k < g.n; ++k)
    EXPECT_EQ(K(e.loesung[static_cast<std::size_t>(k)]),
              K(l.Loesung()[static_cast<std::size_t>(k)]));
}

TEST(Aufstellung, MoreUnknownsThanTheSolverTakesIsAnError) {
  std::string text = "U1 1 0 1\n";
  for (int k = 1; k <= 100; ++k)
    text +=
        "R" + std::to_string(k) + " " + std::to_string(k) + " " + std::to_string(k + 1) + " 1\n";
  text += "R0 101 0 1\n";
  const Schaltung s = Lies(text);
  const Aufstellung k = StelleAuf(s, Verfahren::Knoten);
  ASSERT_TRUE(k.fehler);
  EXPECT_EQ(k.fehler->text,
            "Das Gleichungssystem hätte 102 Unbekannte; möglich sind höchstens 100.");
  EXPECT_FALSE(StelleAuf(s, Verfahren::Maschen).fehler);  // one loop only
}

TEST(Loesen, ASingularCircuitIsReportedByBothMethods) {
  // At ω = 1 the parallel L and C of 1 cancel: node 1 hangs in the air.
  const Schaltung s = Lies("w = 1\nI1 0 1 1\nL1 1 0 1\nC1 1 0 1\n");
  for (const Verfahren v : {Verfahren::Knoten, Verfahren::Maschen}) {
    const Ergebnis e = Loese(s, StelleAuf(s, v).system);
    EXPECT_EQ(e.status, KeineEindeutigeLoesung);
    EXPECT_EQ(e.meldung, "Das Gleichungssystem hat keine eindeutige Lösung.");
    EXPECT_TRUE(e.elemente.empty());
  }
}

TEST(Loesen, AMeshSystemWithoutUnknownsStillGivesEveryValue) {
  const Beide g("I1 0 1 2\nR1 1 0 5\n");
  EXPECT_EQ(StelleAuf(g.s, Verfahren::Maschen).system.n, 0);
  ASSERT_NO_FATAL_FAILURE(g.PruefeBeide());
  ErwarteNahe(g.e[1].potentiale[1], 10.0L);
  ErwarteNahe(g.e[1].elemente[0].u, -10.0L);
}

}  // namespace
