// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "complex/ZKText.h"
#include "zeiger/Zeigergeometrie.h"

namespace {

constexpr Flaeche kFlaeche{560, 300};
constexpr double kRand = 36;
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// The mantissa of a round step: 1, 2 or 5.
bool IstRund(double schritt) {
  const double m = schritt / std::pow(10.0, std::floor(std::log10(schritt) + 1e-9));
  return std::fabs(m - 1) < 1e-9 || std::fabs(m - 2) < 1e-9 || std::fabs(m - 5) < 1e-9;
}

bool ImInneren(ZPunkt p, Flaeche f, double rand) {
  return p.x >= rand - 1e-6 && p.x <= f.breite - rand + 1e-6 && p.y >= rand - 1e-6 &&
         p.y <= f.hoehe - rand + 1e-6;
}

Flaeche FesteGroesse(const std::string& text) {
  return {7.0 * static_cast<double>(text.size()), 14};
}

struct Schritt {
  double mindestens, erwartet;
};

TEST(RunderSchritt, IsTheNextOneTwoOrFiveTimesAPowerOfTen) {
  for (const Schritt s : {Schritt{0.7, 1},
                          {1, 1},
                          {1.1, 2},
                          {2, 2},
                          {2.01, 5},
                          {6, 10},
                          {0.2, 0.2},
                          {0.03, 0.05},
                          {1e-6, 1e-6},
                          {3e-6, 5e-6},
                          {1.5e6, 2e6},
                          {9.9e5, 1e6}}) {
    EXPECT_NEAR(RunderSchritt(s.mindestens), s.erwartet, s.erwartet * 1e-12) << s.mindestens;
  }
  for (const double kein : {0.0, -1.0, kInf, kNaN}) EXPECT_EQ(RunderSchritt(kein), 0.0) << kein;
}

// A single value of every magnitude from 1e-6 to 1e6, in all four
// quadrants: it and the origin fit inside the margins, the ticks are round,
// evenly spaced, at least the minimum apart, and labelled with a comma.
TEST(Bereich, FitsEveryMagnitudeInEveryQuadrantWithRoundTicks) {
  for (int exponent = -6; exponent <= 6; ++exponent) {
    for (const ZPunkt q : {ZPunkt{1, 1}, {-1, 1}, {-1, -1}, {1, -1}}) {
      const double b = std::pow(10.0, exponent);
      const ZPunkt wert{q.x * 3 * b, q.y * 4 * b};
      const Ansicht a = Einpassen({wert}, kFlaeche, kRand);
      SCOPED_TRACE(testing::Message() << wert.x << " " << wert.y);
      EXPECT_TRUE(ImInneren(NachPixel(a, kFlaeche, wert), kFlaeche, kRand));
      EXPECT_TRUE(ImInneren(NachPixel(a, kFlaeche, {0, 0}), kFlaeche, kRand));
      // The larger part fills its direction: the scale is as large as allowed.
      EXPECT_NEAR(a.massstab, (kFlaeche.hoehe - 2 * kRand) / (4 * b), a.massstab * 1e-9);
      const ZPunkt breit{q.x * 8 * b, q.y * b};  // here the real part sets the scale
      const double soll = (kFlaeche.breite - 2 * kRand) / (8 * b);
      EXPECT_NEAR(Einpassen({breit}, kFlaeche, kRand).massstab, soll, soll * 1e-9);

      const Teilung t = Teile(a, kFlaeche, 56);
      ASSERT_GT(t.schritt, 0);
      EXPECT_TRUE(IstRund(t.schritt)) << t.schritt;
      EXPECT_GE(t.schritt * a.massstab, 56 * (1 - 1e-9));
      EXPECT_LT(t.schritt * a.massstab, 56 * 5 * (1 + 1e-9));
      ASSERT_GE(t.re.size(), 2u);
      ASSERT_GE(t.im.size(), 2u);
      for (const auto* achse : {&t.re, &t.im}) {
        for (std::size_t i = 0; i < achse->size(); ++i) {
          const Teilstrich& s = (*achse)[i];
          const std::string zahl = General10(std::fabs(s.wert));
          const std::string j = achse == &t.im ? "j" : "";
          EXPECT_EQ(s.text, (s.wert < 0 ? "-" + j : j) + zahl);
          EXPECT_EQ(s.text.find('.'), std::string::npos) << s.text;
          EXPECT_NEAR(std::remainder(s.wert, t.schritt), 0, t.schritt * 1e-9);
          if (i > 0) {
            EXPECT_NEAR(std::fabs(s.pixel - (*achse)[i - 1].pixel), t.schritt * a.massstab, 1e-6);
          }
        }
      }
    }
  }
}

TEST(Bereich, TickTextsUseTheDecimalComma) {
  // 0.5 per 100 pixels: ticks every 0.5.
  const Ansicht a{1, 0, 200};
  const Teilung t = Teile(a, {400, 200}, 60);
  EXPECT_DOUBLE_EQ(t.schritt, 0.5);
  std::vector<std::string> texte;
  for (const Teilstrich& s : t.re) texte.push_back(s.text);
  EXPECT_EQ(texte, (std::vector<std::string>{"0", "0,5", "1", "1,5", "2"}));
  ASSERT_FALSE(t.im.empty());
  EXPECT_EQ(t.im.front().text, "-j0,5");
  EXPECT_EQ(t.im.back().text, "j0,5");
  EXPECT_DOUBLE_EQ(t.im.front().pixel, 200);
}

TEST(Bereich, MixedMagnitudesKeepTheShortArrowsHead) {
  const std::vector<Zeigereintrag> e = {
      {1e6, 0, "gross", 0}, {0, 1e-6, "klein", 0}, {-2e-6, -3e-6, "winzig", 1}};
  const Ansicht a = Einpassen(SichtbarePunkte(e, false), kFlaeche, kRand);
  const SzenenMasse m;
  const Szene s = BaueSzene(e, false, a, kFlaeche, FesteGroesse, {}, m);
  ASSERT_EQ(s.pfeile.size(), 3u);
  for (const GezeichneterPfeil& g : s.pfeile) {
    const Pfeil& p = g.pfeil;
    ASSERT_FALSE(p.punkt);
    const double kopf = std::hypot(p.spitze.x - (p.links.x + p.rechts.x) / 2,
                                   p.spitze.y - (p.links.y + p.rechts.y) / 2);
    EXPECT_NEAR(kopf, m.kopfLaenge, 1e-6) << g.beschriftung;
    EXPECT_NEAR(std::hypot(p.links.x - p.rechts.x, p.links.y - p.rechts.y), m.kopfBreite, 1e-6);
  }
  // The tiny ones still point their own way: up, and down to the left.
  const Pfeil& klein = s.pfeile[1].pfeil;
  EXPECT_LT((klein.links.y + klein.rechts.y) / 2, klein.spitze.y + m.kopfLaenge + 1e-6);
  EXPECT_GT((klein.links.y + klein.rechts.y) / 2, klein.spitze.y);
  const Pfeil& winzig = s.pfeile[2].pfeil;
  EXPECT_GT((winzig.links.x + winzig.rechts.x) / 2, winzig.spitze.x);
  EXPECT_LT((winzig.links.y + winzig.rechts.y) / 2, winzig.spitze.y);
  // Their labels do not cover each other.
  for (std::size_t i = 0; i < s.pfeile.size(); ++i)
    for (std::size_t j = i + 1; j < s.pfeile.size(); ++j)
      EXPECT_EQ(s.pfeile[i].beschriftungsBox.Ueberlappung(s.pfeile[j].beschriftungsBox), 0.0)
          << i << " " << j;
}

TEST(Bereich, NothingOrOnlyZeroShowsMinusOneToOne) {
  for (const std::vector<ZPunkt>& punkte :
       {std::vector<ZPunkt>{}, {{0, 0}}, {{kNaN, 1}, {kInf, 0}, {0, -kInf}}}) {
    const Ansicht a = Einpassen(punkte, {400, 400}, 0);
    EXPECT_DOUBLE_EQ(a.mitteRe, 0);
    EXPECT_DOUBLE_EQ(a.mitteIm, 0);
    EXPECT_DOUBLE_EQ(a.massstab, 200);
  }
  // The zero value is a dot at the origin, with its label next to it.
  const Szene s =
      BaueSzene({{0, 0, "K1", 0}}, false, Ansicht{0, 0, 100}, {400, 400}, FesteGroesse, {});
  ASSERT_EQ(s.pfeile.size(), 1u);
  EXPECT_TRUE(s.pfeile[0].pfeil.punkt);
  EXPECT_DOUBLE_EQ(s.pfeile[0].pfeil.spitze.x, 200);
  EXPECT_GT(s.pfeile[0].beschriftungsBox.breite, 0);
}

TEST(Bereich, NonFiniteValuesAreLeftOut) {
  const std::vector<Zeigereintrag> e = {
      {kNaN, 1, "a", 0}, {3, 4, "b", 0}, {kInf, 0, "c", 1}, {1, -kInf, "d", 1}, {-1, 2, "e", 2}};
  const Ansicht mit = Einpassen(SichtbarePunkte(e, false), kFlaeche, kRand);
  const Ansicht ohne = Einpassen({{3, 4}, {-1, 2}}, kFlaeche, kRand);
  EXPECT_DOUBLE_EQ(mit.massstab, ohne.massstab);
  EXPECT_DOUBLE_EQ(mit.mitteRe, ohne.mitteRe);
  for (const bool kette : {false, true}) {
    const Szene s = BaueSzene(e, kette, mit, kFlaeche, FesteGroesse, {});
    ASSERT_EQ(s.pfeile.size(), kette ? 3u : 2u);
    EXPECT_EQ(s.pfeile[0].eintrag, 1);
    EXPECT_EQ(s.pfeile[1].eintrag, 4);
    for (const GezeichneterPfeil& g : s.pfeile) {
      EXPECT_TRUE(std::isfinite(g.pfeil.spitze.x) && std::isfinite(g.pfeil.spitze.y));
      EXPECT_TRUE(std::isfinite(g.beschriftungsBox.x) && std::isfinite(g.beschriftungsBox.y));
    }
  }
}

TEST(Kette, EndsAtTheSumOfItsValues) {
  const std::vector<ZPunkt> werte = {{9.6, 7.2}, {5.525, 6.460}, {7.5, 6.614}, {-3, -0.5}};
  const std::vector<ZPunkt> k = Kette(werte);
  ASSERT_EQ(k.size(), 5u);
  EXPECT_DOUBLE_EQ(k.front().x, 0);
  EXPECT_DOUBLE_EQ(k.back().x, 9.6 + 5.525 + 7.5 - 3);
  EXPECT_DOUBLE_EQ(k.back().y, 7.2 + 6.460 + 6.614 - 0.5);

  // Drawn: each link starts at the previous tip, the closing arrow runs from
  // the origin to the sum, and the view holds the whole chain.
  std::vector<Zeigereintrag> e;
  for (const ZPunkt& w : werte) e.push_back({w.x, w.y, "K", 0});
  const Ansicht a = Einpassen(SichtbarePunkte(e, true), kFlaeche, kRand);
  const Szene s = BaueSzene(e, true, a, kFlaeche, FesteGroesse, {});
  ASSERT_EQ(s.pfeile.size(), 5u);
  for (std::size_t i = 1; i < 4; ++i) {
    EXPECT_NEAR(s.pfeile[i].pfeil.anfang.x, s.pfeile[i - 1].pfeil.spitze.x, 1e-9);
    EXPECT_NEAR(s.pfeile[i].pfeil.anfang.y, s.pfeile[i - 1].pfeil.spitze.y, 1e-9);
  }
  const GezeichneterPfeil& summe = s.pfeile.back();
  EXPECT_EQ(summe.quelle, kSummenQuelle);
  EXPECT_EQ(summe.eintrag, -1);
  const ZPunkt ende = NachPixel(a, kFlaeche, k.back());
  EXPECT_NEAR(summe.pfeil.spitze.x, ende.x, 1e-9);
  EXPECT_NEAR(summe.pfeil.spitze.y, ende.y, 1e-9);
  EXPECT_NEAR(s.pfeile[3].pfeil.spitze.x, ende.x, 1e-9);
  for (const ZPunkt& p : k) EXPECT_TRUE(ImInneren(NachPixel(a, kFlaeche, p), kFlaeche, kRand));
  // A single link is its own sum: no closing arrow.
  EXPECT_EQ(BaueSzene({e[0]}, true, a, kFlaeche, FesteGroesse, {}).pfeile.size(), 1u);
}

TEST(Ansicht, WheelZoomKeepsTheValueUnderTheCursor) {
  const Ansicht a{2, -1, 50};
  const ZPunkt maus{123, 77};
  const ZPunkt vorher = NachWert(a, kFlaeche, maus);
  for (const double faktor : {1.2, 1 / 1.2, 10.0}) {
    const Ansicht z = Zoome(a, kFlaeche, faktor, maus);
    EXPECT_NEAR(z.massstab, 50 * faktor, 1e-9);
    const ZPunkt nachher = NachWert(z, kFlaeche, maus);
    EXPECT_NEAR(nachher.x, vorher.x, 1e-12);
    EXPECT_NEAR(nachher.y, vorher.y, 1e-12);
  }
  for (const double unsinn : {0.0, -2.0, kNaN, kInf})
    EXPECT_DOUBLE_EQ(Zoome(a, kFlaeche, unsinn, maus).massstab, 50);
  // Endless zooming stops where ticks can still be labelled.
  Ansicht z = a;
  for (int i = 0; i < 5000; ++i) z = Zoome(z, kFlaeche, 1.5, maus);
  EXPECT_TRUE(std::isfinite(z.massstab) && std::isfinite(z.mitteRe));
  EXPECT_GT(Teile(z, kFlaeche, 56).schritt, 0);
}

TEST(Ansicht, FarOutsideArrowsAreCutToDrawableCoordinates) {
  // Zoomed far into the middle of a long arrow: only a shaft crosses the area.
  const Ansicht a{5, 0, 1e9};
  const Szene s = BaueSzene({{10, 0, "lang", 0}, {0, -1e300, "riesig", 1}}, false, a, kFlaeche,
                            FesteGroesse, {});
  for (const GezeichneterPfeil& g : s.pfeile) {
    for (const ZPunkt& p :
         {g.pfeil.anfang, g.pfeil.schaftEnde, g.pfeil.spitze, g.pfeil.links, g.pfeil.rechts}) {
      EXPECT_LE(std::fabs(p.x), kFlaeche.breite + 2000) << g.beschriftung;
      EXPECT_LE(std::fabs(p.y), kFlaeche.hoehe + 2000) << g.beschriftung;
    }
  }
  EXPECT_NEAR(s.pfeile[0].pfeil.anfang.y, kFlaeche.hoehe / 2, 1e-6);
}

TEST(Beschriftung, LabelsOfAFanClearEachOtherAndStayNearTheirTips) {
  // Twelve arrows of nearly the same value: their tips crowd together.
  std::vector<Zeigereintrag> e;
  for (int i = 0; i < 12; ++i)
    e.push_back({10 + 0.2 * i, 5 + 0.1 * i, "K" + std::to_string(i + 1), 0});
  const Ansicht a = Einpassen(SichtbarePunkte(e, false), kFlaeche, kRand);
  const Szene s = BaueSzene(e, false, a, kFlaeche, FesteGroesse, {120, 50});
  const ZRechteck legende = s.legende;
  EXPECT_EQ(legende.breite, 120);
  int ueberlappend = 0;
  for (std::size_t i = 0; i < s.pfeile.size(); ++i) {
    const ZRechteck& b = s.pfeile[i].beschriftungsBox;
    EXPECT_GE(b.x, 0);
    EXPECT_LE(b.x + b.breite, kFlaeche.breite);
    EXPECT_EQ(b.Ueberlappung(legende), 0.0);
    const ZPunkt t = s.pfeile[i].pfeil.spitze;
    EXPECT_LT(std::hypot(b.x + b.breite / 2 - t.x, b.y + b.hoehe / 2 - t.y), 80) << i;
    for (std::size_t j = i + 1; j < s.pfeile.size(); ++j)
      ueberlappend += b.Ueberlappung(s.pfeile[j].beschriftungsBox) > 0;
  }
  EXPECT_EQ(ueberlappend, 0);
}

TEST(Beschriftung, TheLegendTakesTheCornerWithTheFewestArrows) {
  const Flaeche f{400, 300};
  const Flaeche legende{120, 50};
  // Arrows into the top left, top right and bottom right: bottom left is free.
  const std::vector<Zeigereintrag> e = {
      {-10, 8, "a", 0}, {10, 8, "b", 0}, {10, -8, "c", 1}, {-1, -1, "d", 1}};
  const Ansicht a = Einpassen(SichtbarePunkte(e, false), f, 36);
  const Szene s = BaueSzene(e, false, a, f, FesteGroesse, legende);
  EXPECT_DOUBLE_EQ(s.legende.x, 6);
  EXPECT_DOUBLE_EQ(s.legende.y, f.hoehe - legende.hoehe - 6);
  // The axis names sit at the ends of their axes and clear of the legend.
  EXPECT_NEAR(s.reName.x + s.reName.breite, f.breite - 2, 1e-9);
  EXPECT_LT(s.reName.y, s.reAchseY);
  EXPECT_NEAR(s.imName.x, s.imAchseX + 4, 1e-9);
  EXPECT_EQ(s.legende.Ueberlappung(s.imName) + s.legende.Ueberlappung(s.reName), 0.0);
  for (const GezeichneterPfeil& g : s.pfeile) {
    EXPECT_EQ(g.beschriftungsBox.Ueberlappung(s.legende), 0.0) << g.beschriftung;
    EXPECT_EQ(g.beschriftungsBox.Ueberlappung(s.imName), 0.0) << g.beschriftung;
  }
  // Without a legend there is none.
  EXPECT_EQ(BaueSzene(e, false, a, f, FesteGroesse).legende.breite, 0.0);
}

TEST(Beschriftung, ALabelKeepsOffOtherArrowsShafts) {
  // A short arrow whose tip lies just above a long one's shaft: beyond the
  // tip, its label would sit on that shaft.
  const Flaeche f{400, 300};
  const std::vector<Zeigereintrag> e = {{10, 0, "lang", 0}, {5, 0.05, "kurzer Zeiger", 1}};
  const Szene s = BaueSzene(e, false, Ansicht{5, 0, 30}, f, FesteGroesse);
  const ZPunkt a = s.pfeile[0].pfeil.anfang, b = s.pfeile[0].pfeil.schaftEnde;
  const ZRechteck& box = s.pfeile[1].beschriftungsBox;
  const bool aufDemSchaft = a.y >= box.y && a.y <= box.y + box.hoehe &&
                            std::max(a.x, b.x) >= box.x && std::min(a.x, b.x) <= box.x + box.breite;
  EXPECT_FALSE(aufDemSchaft) << box.x << " " << box.y << " " << box.breite << " " << box.hoehe;
}

TEST(Treffer, FindsTheArrowUnderThePointer) {
  const Ansicht a{0, 0, 10};
  const Flaeche f{200, 200};
  // One long arrow to the right, one short one up (shorter than its head).
  const Szene s = BaueSzene({{8, 0, "lang", 0}, {0, 0.5, "kurz", 0}}, false, a, f, {}, {});
  EXPECT_EQ(PfeilUnter(s, {150, 102}, 4), 0);  // on the shaft
  EXPECT_EQ(PfeilUnter(s, {178, 100}, 4), 0);  // in the head
  EXPECT_EQ(PfeilUnter(s, {100, 93}, 4), 1);   // in the short one's head
  EXPECT_EQ(PfeilUnter(s, {150, 130}, 4), -1);
  EXPECT_EQ(PfeilUnter(Szene{}, {0, 0}, 4), -1);
}

}  // namespace
