// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "complex/Ansi.h"
#include "ortskurve/Quellen.h"
#include "schaltung/Netzliste.h"

namespace {

struct Speicher {
  ZKSpeicher k{}, g{};
  Speicher() {
    Setze(1, 100);    // R
    Setze(2, 0.1L);   // L
    Setze(3, 1e-6L);  // C
  }
  void Setze(int nr, long double wert) {
    k[nr].SetzeKartesisch(wert, 0);
    g[nr] = 1.0L / k[nr];
  }
};

// The formula with every f and ω written as a number, each carrying the
// full long double as a pasted value: what the formula field computes.
ZKZahl WieImRechenfeld(FormelRechner& r, const std::string& formel, long double f) {
  std::string text;
  std::vector<Festwert> festwerte;
  for (std::size_t i = 0; i < formel.size(); ++i) {
    const bool omega = formel.compare(i, 5, "omega") == 0;
    if (formel[i] != 'f' && !omega) {
      text += formel[i];
      continue;
    }
    ZKZahl wert;
    wert.SetzeKartesisch(omega ? 2.0L * ZK_Pi() * f : f, 0);
    festwerte.push_back({text.size(), 1, wert});
    text += "1";
    if (omega) i += 4;
  }
  EXPECT_EQ(r.Uebersetzen(text.c_str(), festwerte), KeinFehler) << text;
  return r.Auswerten();
}

// Every point of the curve is what the formula field gives for the same
// formula with the point's frequency in it, bit for bit; and the physics is
// right where it is known.
TEST(Formelquelle, EveryPointIsTheFormulaFieldsValue) {
  const Speicher s;
  FormelRechner feld(s.k, s.g);
  for (const char* formel : {"K1+j*omega*K2", "1/(K1+1/(j*omega*K3))",
                             "K1+(j*omega*K2)||(1/(j*omega*K3))", "(1+j*f/1000)^-2"}) {
    Formelquelle q(s.k, s.g);
    ASSERT_EQ(q.Uebersetze(formel), "") << formel;
    EXPECT_TRUE(q.NutztFrequenz());
    const Kurvenergebnis e = BerechneKurve(q, {1, 1e6L, true, 500}, {});
    ASSERT_TRUE(e.kurve) << e.meldung;
    for (const Kurvenpunkt& p : e.kurve->punkte) {
      ASSERT_TRUE(p.gueltig);
      const ZKZahl soll = WieImRechenfeld(feld, formel, p.f);
      ASSERT_EQ(p.wert.Realteil, soll.Realteil) << formel << " f = " << p.f;
      ASSERT_EQ(p.wert.Imaginaerteil, soll.Imaginaerteil) << formel << " f = " << p.f;
      EXPECT_EQ(p.fehler, 0.0L);
    }
  }
  Formelquelle rl(s.k, s.g);
  ASSERT_EQ(rl.Uebersetze("K1 + j*2*pi*f*K2"), "");
  const ZKZahl z = rl.Wert(1000).wert;
  EXPECT_EQ(z.Realteil, 100);
  EXPECT_NEAR(static_cast<double>(z.Imaginaerteil), 200 * M_PI, 1e-12);
}

TEST(Formelquelle, FaultsAreGermanMessagesAndPointsWithoutValueAreGaps) {
  Speicher s;
  Formelquelle q(s.k, s.g);
  EXPECT_EQ(q.Uebersetze("K1+j*omega*(K2"), "Es ist ein Klammerfehler aufgetreten.");
  EXPECT_EQ(q.Uebersetze("K1+x"), "Es ist ein Formelfehler aufgetreten.");
  EXPECT_EQ(q.Uebersetze(std::string(300, '1')), "Es ist ein Formelfehler aufgetreten.");
  s.k.unlesbar[2] = true;
  EXPECT_EQ(q.Uebersetze("K1+j*omega*K2"), "K2 enthält keine lesbare Zahl.");
  s.k.unlesbar[2] = false;

  // A decimal comma reads; 1/f has no value at f = 0, and only there.
  ASSERT_EQ(q.Uebersetze("1,5/f"), "");
  Kurvenergebnis e = BerechneKurve(q, {0, 10, false, 11}, {});
  ASSERT_TRUE(e.kurve);
  EXPECT_FALSE(e.kurve->punkte[0].gueltig);
  EXPECT_EQ(q.Wert(0).gueltig, false);
  EXPECT_EQ(q.Grund(), "Das Ergebnis ist nicht definiert (Division durch 0).");
  EXPECT_EQ(e.kurve->punkte[10].wert.Realteil, 0.15L);

  // No value anywhere, or a bad range: a message and no curve.
  ASSERT_EQ(q.Uebersetze("1/(f-f)"), "");
  e = BerechneKurve(q, {1, 10, true, 10}, {});
  EXPECT_FALSE(e.kurve);
  EXPECT_EQ(e.meldung,
            "Bei keiner Frequenz des Bereichs gibt es einen Wert: Das Ergebnis ist nicht "
            "definiert (Division durch 0).");
  EXPECT_EQ(BerechneKurve(q, {10, 1, true, 10}, {}).meldung,
            "Die Endfrequenz muss größer als die Startfrequenz sein.");
}

TEST(Formelquelle, MarksAreComputedAtExactlyTheirFrequencies) {
  const Speicher s;
  Formelquelle q(s.k, s.g);
  ASSERT_EQ(q.Uebersetze("K1+j*omega*K2"), "");
  const std::vector<long double> marken = {50, 1000, 1234.5678L};
  const Kurvenergebnis e = BerechneKurve(q, {1, 1e4L, true, 7}, marken);
  ASSERT_TRUE(e.kurve);
  ASSERT_EQ(e.kurve->marken.size(), marken.size());
  for (std::size_t i = 0; i < marken.size(); ++i) {
    EXPECT_EQ(e.kurve->marken[i].f, marken[i]);
    EXPECT_EQ(e.kurve->marken[i].wert.Imaginaerteil, q.Wert(marken[i]).wert.Imaginaerteil);
  }
  // The inverse curve keeps them.
  const Kurve i = Invertiert(*e.kurve);
  for (std::size_t k = 0; k < marken.size(); ++k) EXPECT_EQ(i.marken[k].f, marken[k]);
}

Schaltung Lies(const std::string& text) {
  NetzlistenErgebnis n = LiesNetzliste(text);
  EXPECT_TRUE(n.fehler.empty()) << n.fehler.front().text;
  return n.schaltung;
}

TEST(Schaltungsquelle, QuantitiesThatDoNotExistSayWhy) {
  const Schaltung s = Lies("f = 50\nU1 1 0 10\nR1 1 2 1k\nC1 2 0 1\xC2\xB5\n");
  EXPECT_EQ(Schaltungsquelle(s, KennwertArt::Impedanz, 2, 2).Hindernis(),
            "Die Impedanz braucht zwei verschiedene Knoten (beide Male „2“).");
  EXPECT_EQ(Schaltungsquelle(s, KennwertArt::Verhaeltnis, 2, 0).Hindernis(),
            "Das Verhältnis U(2)/U(0) gibt es nicht: 0 ist Masse und hat immer das Potential 0.");
  EXPECT_EQ(Schaltungsquelle(s, KennwertArt::Impedanz, 2, 7).Hindernis(),
            "Die Schaltung hat keinen Knoten „7“.");
  const Schaltung ohne = Lies("R1 1 2 1k\nR2 2 0 1k\n");
  Schaltungsquelle q(ohne, KennwertArt::Verhaeltnis, 2, 1);
  EXPECT_EQ(q.Hindernis(),
            "Ohne Quelle sind alle Potentiale 0; für ein Spannungsverhältnis braucht die "
            "Schaltung eine Quelle.");
  EXPECT_EQ(BerechneKurve(q, {1, 10, true, 3}, {}).meldung,
            "Bei keiner Frequenz des Bereichs gibt es einen Wert: " + q.Hindernis());
}

// The RC low pass: U2/U1 = 1/(1 + jωRC), the impedance from node 2 with the
// source shorted R||C; at f = 0 an inductance has no value.
TEST(Schaltungsquelle, LowPassOverFrequencyAndDirectCurrent) {
  const Schaltung s = Lies("f = 50\nU1 1 0 10\nR1 1 2 1k\nC1 2 0 1\xC2\xB5\n");
  Schaltungsquelle v(s, KennwertArt::Verhaeltnis, 2, 1);
  Schaltungsquelle z(s, KennwertArt::Impedanz, 2, 0);
  for (const long double f : {0.0L, 1.0L, 159.15494309189535L, 1e6L}) {
    const std::complex<long double> jwrc(0, 2 * ZK_Pi() * f * 1e-3L);
    for (Kurvenpunkt p : {v.Wert(f), v.GenauerWert(f)}) {
      ASSERT_TRUE(p.gueltig) << f;
      const std::complex<long double> soll = 1.0L / (1.0L + jwrc);
      EXPECT_LE(std::abs(std::complex<long double>(p.wert.Realteil, p.wert.Imaginaerteil) - soll),
                1e-15L * std::abs(soll));
    }
    const Kurvenpunkt p = z.Wert(f);
    const std::complex<long double> soll = 1000.0L / (1.0L + jwrc);
    EXPECT_LE(std::abs(std::complex<long double>(p.wert.Realteil, p.wert.Imaginaerteil) - soll),
              1e-15L * std::abs(soll));
    EXPECT_LE(p.fehler, 1e-12L * std::abs(soll));
  }
  EXPECT_EQ(v.Rueckfaelle(), 0);
  Schaltungsquelle l(Lies("f = 50\nU1 1 0 10\nR1 1 2 1k\nL1 2 0 1\n"), KennwertArt::Verhaeltnis, 2,
                     1);
  EXPECT_FALSE(l.Wert(0).gueltig);
  EXPECT_EQ(l.Grund(),
            "Bei f = 0 ist jede Induktivität ein Kurzschluss; dafür gibt es hier keinen Wert.");
  EXPECT_TRUE(l.Wert(1).gueltig);
}

// Two nodes a voltage source joins have the impedance 0 exactly (the fast
// path's residue is not trusted, the exact path says 0); an ideal parallel
// resonance circuit at resonance has none.
TEST(Schaltungsquelle, ZeroAndInfiniteImpedance) {
  const Schaltung s = Lies("f = 50\nU1 1 2 10\nR1 1 0 1k\nR2 2 0 1k\nL1 3 0 1\nC1 3 0 1\xC2\xB5\n");
  Schaltungsquelle kurz(s, KennwertArt::Impedanz, 1, 2);
  const Kurvenpunkt p = kurz.Wert(50);
  ASSERT_TRUE(p.gueltig);
  EXPECT_EQ(p.wert.Betrag, 0.0L);
  Schaltungsquelle kreis(s, KennwertArt::Impedanz, 3, 0);
  const long double resonanz = 1 / (2 * ZK_Pi() * std::sqrt(1e-6L));
  EXPECT_TRUE(kreis.Wert(resonanz * 0.999L).gueltig);
  // jωC and 1/(jωL) cancel to residue, which counts as 0: a gap.
  EXPECT_FALSE(kreis.Wert(resonanz).gueltig);
  EXPECT_EQ(kreis.Grund(), "Das Gleichungssystem hat keine eindeutige Lösung.");
}

}  // namespace
