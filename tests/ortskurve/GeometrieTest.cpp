// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "ortskurve/Frequenzganggeometrie.h"
#include "ortskurve/Ortskurvengeometrie.h"
#include "ortskurve/Quellen.h"

namespace {

Flaeche Messe(const std::string& text) {
  return {7.0 * static_cast<double>(text.size()), 14.0};
}

// Curves from formulas over R = 100 Ω, L = 0.1 H, C = 1 µF in K1..K3.
class Geometrie : public ::testing::Test {
 protected:
  Geometrie() {
    const long double werte[] = {0, 100, 0.1L, 1e-6L};
    for (int i = 1; i <= 3; ++i) {
      k_[i].SetzeKartesisch(werte[i], 0);
      g_[i] = 1.0L / k_[i];
    }
  }
  Kurve Berechne(const char* formel, const Frequenzbereich& b,
                 const std::vector<long double>& marken = {}) {
    Formelquelle q(k_, g_);
    EXPECT_EQ(q.Uebersetze(formel), "") << formel;
    Kurvenergebnis e = BerechneKurve(q, b, marken);
    EXPECT_TRUE(e.kurve) << e.meldung;
    return e.kurve ? *e.kurve : Kurve{};
  }
  ZKSpeicher k_{}, g_{};
  const Flaeche f_{800, 600};
};

// The textbook's exact shapes: R + jX is a line at Re = R, its inverse the
// circle through the origin with centre and radius 1/(2R).
TEST_F(Geometrie, LineAndItsInverseCircle) {
  const Kurve z = Berechne("K1+j*omega*K2+1/(j*omega*K3)", {1, 1e6L, true, 2000});
  const Kurve y = Invertiert(z);
  const long double m = 1.0L / 200;
  for (std::size_t i = 0; i < z.punkte.size(); ++i) {
    ASSERT_TRUE(y.punkte[i].gueltig);
    EXPECT_EQ(z.punkte[i].wert.Realteil, 100.0L);
    const long double r = std::hypot(y.punkte[i].wert.Realteil - m, y.punkte[i].wert.Imaginaerteil);
    EXPECT_LE(std::fabs(r - m), 1e-12L * m) << z.punkte[i].f;
  }
}

TEST_F(Geometrie, MarksSitOnTheirValuesAndTheArrowPointsTowardsRisingFrequency) {
  const Kurve k = Berechne("K1+j*omega*K2", {1, 1000, true, 50}, {10, 100});
  const Ansicht a = PasseOrtskurveEin(k, f_, 36);
  const OrtskurvenSzene s = BaueOrtskurve(k, a, f_, Messe);
  ASSERT_EQ(s.marken.size(), 2u);
  for (const GezeichneteMarke& m : s.marken) {
    const Kurvenpunkt& p = k.marken[static_cast<std::size_t>(m.marke)];
    const ZPunkt soll = NachPixel(
        a, f_, {static_cast<double>(p.wert.Realteil), static_cast<double>(p.wert.Imaginaerteil)});
    EXPECT_EQ(m.pixel.x, soll.x);
    EXPECT_EQ(m.pixel.y, soll.y);
    EXPECT_EQ(m.text, FrequenzText(p.f));
    EXPECT_GT(m.box.breite, 0);
  }
  // One run with one head; the line rises, so the tip is above its base.
  ASSERT_EQ(s.zuege.size(), 1u);
  ASSERT_EQ(s.pfeile.size(), 1u);
  EXPECT_LT(s.pfeile[0].spitze.y, s.pfeile[0].links.y);
  EXPECT_LT(s.pfeile[0].spitze.y, s.pfeile[0].rechts.y);
  // Hover finds the mark at its pixel.
  const int i = StelleUnter(s, s.marken[1].pixel, 5);
  ASSERT_GE(i, 0);
  EXPECT_EQ(s.stellen[static_cast<std::size_t>(i)].f, 100.0L);
  EXPECT_EQ(StelleUnter(s, {-50, -50}, 5), -1);
}

TEST_F(Geometrie, ViewTakesTheOriginOnlyWhenItIsNear) {
  // 100 + j0.6 ... j600: the origin lies nearer than the curve spreads.
  const Kurve nah = Berechne("K1+j*omega*K2", {1, 1000, true, 20});
  const Ansicht a = PasseOrtskurveEin(nah, f_, 36);
  const ZPunkt ursprung = NachPixel(a, f_, {0, 0});
  EXPECT_TRUE(ZRechteck({0, 0, f_.breite, f_.hoehe}).Enthaelt(ursprung));
  // 1000 + j1 ... j2: it would squeeze the curve into a dot.
  const Kurve fern = Berechne("1000+j*f", {1, 2, false, 20});
  const Ansicht b = PasseOrtskurveEin(fern, f_, 36);
  EXPECT_NEAR(b.mitteRe, 1000, 1e-9);
  EXPECT_NEAR(b.mitteIm, 1.5, 1e-9);
}

TEST_F(Geometrie, APointWithoutValueBreaksTheCurve) {
  const Kurve k = Berechne("1/(f-5)", {0, 10, false, 11});
  const OrtskurvenSzene s = BaueOrtskurve(k, PasseOrtskurveEin(k, f_, 36), f_, Messe);
  EXPECT_EQ(s.zuege.size(), 2u);
  EXPECT_EQ(s.stellen.size(), 10u);
}

TEST_F(Geometrie, FrequencyResponseHasDecadeTicksAndAnUnbrokenPhase) {
  // A third-order low pass: its phase falls from 0 to -270 without a jump.
  const Kurve k = Berechne("1/((1+j*f/10)*(1+j*f/10)*(1+j*f/10))", {1, 1e6L, true, 600}, {10});
  const std::vector<double> phase = Phasenverlauf(k);
  for (std::size_t i = 1; i < phase.size(); ++i) EXPECT_LT(std::fabs(phase[i] - phase[i - 1]), 10);
  EXPECT_NEAR(phase.front(), -3 * std::atan(0.1) * 180 / M_PI, 1e-9);
  EXPECT_NEAR(phase.back(), -270, 0.01);

  const FrequenzgangMasse m;
  const FrequenzgangSzene s = BaueFrequenzgang(k, f_, true, m);
  std::vector<double> dekaden;
  for (const Achsstrich& a : s.fStriche)
    if (!a.text.empty()) dekaden.push_back(a.wert);
  EXPECT_EQ(dekaden, (std::vector<double>{1, 10, 100, 1e3, 1e4, 1e5, 1e6}));
  const double breite = f_.breite - m.links - m.rechts;
  for (const Achsstrich& a : s.fStriche)
    EXPECT_NEAR(a.pixel, m.links + breite * std::log10(a.wert) / 6, 1e-9);
  EXPECT_EQ(s.fStriche[9].text, "10 Hz");  // after 1 Hz and its 2..9
  // The mark at the corner: -9,03 dB and -135° read back from its pixels.
  ASSERT_EQ(s.betrag.marken.size(), 1u);
  auto wert = [](const Diagrammfeld& d, double y) {
    return d.oben - (y - d.rahmen.y) / d.rahmen.hoehe * (d.oben - d.unten);
  };
  EXPECT_NEAR(wert(s.betrag, s.betrag.marken[0].y), -30 * std::log10(2.0), 1e-9);
  EXPECT_NEAR(wert(s.phase, s.phase.marken[0].y), -135, 1e-9);
  // Round steps on both value axes, the phase by divisors of the circle.
  ASSERT_GE(s.phase.striche.size(), 2u);
  const double schritt = s.phase.striche[1].wert - s.phase.striche[0].wert;
  EXPECT_EQ(std::fmod(360.0, schritt), 0.0) << schritt;
  EXPECT_LE(s.phase.unten, -270);
  EXPECT_GE(s.phase.oben, 0 - 1e-9);
}

}  // namespace
