// SPDX-License-Identifier: GPL-3.0-or-later
// Every text the program writes must read back to its value, within the
// precision of the text.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"

namespace {

struct Text {
  std::string text;
  double relativeGenauigkeit;  // relative to the magnitude
};

std::vector<ZKZahl> Werte() {
  std::vector<ZKZahl> werte;
  auto kart = [&](long double a, long double b) {
    ZKZahl z;
    z.SetzeKartesisch(a, b);
    werte.push_back(z);
  };
  auto polar = [&](long double r, long double phi) {
    ZKZahl z;
    z.SetzePolar(r, phi);
    werte.push_back(z);
  };
  kart(0, 0);
  kart(1, 0);
  kart(-1, 0);
  kart(0, 1);
  kart(0, -1);
  kart(3, 4);
  kart(-3, 4);
  kart(-3, -4);
  kart(3, -4);
  kart(1e-300L, 0);
  kart(1e300L, -1e300L);
  kart(1e-7L, 2e-9L);
  kart(123456789012.0L, 0.5L);
  polar(6, 400);
  polar(2, -300);
  polar(1, 720);
  polar(5, 99999);
  ZKZahl a;
  a.SetzePolar(2, 200);
  ZKZahl b;
  b.SetzePolar(3, 200);
  werte.push_back(a * b);
  std::mt19937_64 zufall(20261207);
  std::uniform_real_distribution<double> mantisse(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-12, 12);
  std::uniform_real_distribution<double> winkel(-720.0, 720.0);
  for (int i = 0; i < 3000; ++i) {
    kart(mantisse(zufall) * std::pow(10.0L, exponent(zufall)),
         mantisse(zufall) * std::pow(10.0L, exponent(zufall)));
    polar(std::fabs(mantisse(zufall)) * std::pow(10.0L, exponent(zufall)), winkel(zufall));
  }
  return werte;
}

long double Abstand(const ZKZahl& x, const ZKZahl& y) {
  return std::hypot(x.Realteil - y.Realteil, x.Imaginaerteil - y.Imaginaerteil);
}

}  // namespace

TEST(Rundreise, EveryWrittenTextReadsBackWithinItsPrecision) {
  int geprueft = 0;
  for (const ZKZahl& z : Werte()) {
    const long double r = z.Betrag;
    // Component texts: each part to 10 significant digits.
    // Exponential texts: magnitude to 10 digits, angle to 2 (General) or 1
    // (Exponent) decimals, which moves the point by up to r * angle error.
    const std::vector<Text> texte = {
        {KomponentenText(z, General), 1e-9},
        {KomponentenText(z, Exponent), 1e-9},
        {ExponentialText(z, General), 1e-9 + 0.0051 * M_PI / 180},
        {ExponentialText(z, Exponent), 1e-9 + 0.051 * M_PI / 180},
    };
    for (const auto& t : texte) {
      if (t.text.empty()) {
        EXPECT_FALSE(z != ZKZahl()) << "only zero has an empty text";
        continue;
      }
      ZKZahl gelesen;
      ASSERT_NE(LiesZKZahl(t.text, gelesen), ZKForm::Keine) << t.text;
      // Angles beyond five integer digits are written with 5 significant digits.
      const double toleranz = std::fabs(z.Winkel) >= 99999.5L ? 1.0 : t.relativeGenauigkeit;
      EXPECT_LE(Abstand(gelesen, z), toleranz * r + 1e-300L) << t.text;
      ++geprueft;
    }
  }
  EXPECT_GT(geprueft, 20000);
}
