// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "formula/FormelRechner.h"
#include "logik/Formelergebnis.h"
#include "logik/Speicher.h"
#include "sprache/Uebersetzung.h"

namespace {

class RechenfeldTest : public ::testing::Test {
 protected:
  ZKSpeicher k_{};
  ZKSpeicher g_{};
  FormelRechner rechner_{k_, g_};

  std::string Ergebnis(std::string_view formel, int format = General) {
    return RechenfeldErgebnis(rechner_, formel, format);
  }

  // Loads example n as the formula field does: memory rows first.
  std::string Beispiel(int n) {
    for (int r = 1; r <= 20; ++r) SpeicherZeileLeeren(k_, g_, r);
    for (const auto& zeile : Beispielformel(n).speicher) {
      if (zeile.zeile == 0) continue;
      SpeicherZeileBerechnen(zeile.wert, General, k_, g_, zeile.zeile);
    }
    return Ergebnis(Beispielformel(n).formel);
  }

  // The value of the exponential text before the separator or of the
  // component text behind it.
  static ZKZahl Wert(const std::string& label, bool komponenten = true) {
    const auto pos = label.find(kTrenner);
    EXPECT_NE(pos, std::string::npos) << label;
    const std::string teil =
        komponenten ? label.substr(pos + std::string(kTrenner).size()) : label.substr(0, pos);
    ZKZahl z;
    EXPECT_NE(LiesZKZahl(teil, z), ZKForm::Keine) << teil;
    return z;
  }
};

}  // namespace

TEST_F(RechenfeldTest, BothFormsJoinedBySeparator) {
  EXPECT_EQ(Ergebnis("3+j+4+j5"), "9,219544457*e^j40,60  =  7+j6");
  EXPECT_EQ(Ergebnis(""), "0*e^j0,00  =  ");
  EXPECT_EQ(Ergebnis("1,5+2"), "3,5*e^j0,00  =  3,5");
  EXPECT_EQ(Ergebnis("3+j4", Exponent),
            "5.000000000E+00*e^j53.1  =  3,000000000E+00+j4,000000000E+00");
}

TEST_F(RechenfeldTest, ErrorTexts) {
  EXPECT_EQ(Ergebnis("(3+4"), kKlammerfehler);
  EXPECT_EQ(Ergebnis("3+x"), kFormelfehler);
  EXPECT_EQ(Ergebnis("1:0"), kNichtDefiniert);
  // Longer than the working buffer: a formula error, never cut to a valid one.
  EXPECT_EQ(Ergebnis("1" + std::string(255, '+') + "1"), kFormelfehler);
  EXPECT_EQ(Ergebnis("1+" + std::string(253, ' ')), "1*e^j0,00  =  1");
}

TEST_F(RechenfeldTest, ZeroMemoryValueMakesFormulaUndefined) {
  SpeicherZeileBerechnen("4", General, k_, g_, 3);
  SpeicherZeileBerechnen("0", General, k_, g_, 3);
  EXPECT_EQ(Ergebnis("G3+1"), kNichtDefiniert);
  SpeicherZeileBerechnen("", General, k_, g_, 3);
  EXPECT_EQ(Ergebnis("G3+1"), "1*e^j0,00  =  1");
}

// A row whose cell no longer reads has no value: a formula naming it says
// which cell to correct and computes nothing.
TEST_F(RechenfeldTest, UnreadableMemoryCellIsNamedInsteadOfAValue) {
  SpeicherZeileBerechnen("4", General, k_, g_, 1);
  SpeicherZeileBerechnen("2", General, k_, g_, 2);
  SpeicherZeileBerechnen("4x", General, k_, g_, 1);
  EXPECT_EQ(Ergebnis("K1+K2"), "K1 enth\xE4lt keine lesbare Zahl.");
  EXPECT_EQ(Ergebnis("K2*G1"), "G1 hat keinen Wert: K1 enth\xE4lt keine lesbare Zahl.");
  EXPECT_EQ(Ergebnis("K2+1"), "3*e^j0,00  =  3");
  // A bracket or formula error in the same formula is reported as before.
  EXPECT_EQ(Ergebnis("(K1+1"), kKlammerfehler);
  EXPECT_EQ(Ergebnis("K1+x"), kFormelfehler);

  SpeicherZeileBerechnen("G", General, g_, k_, 2);
  EXPECT_EQ(Ergebnis("K2"), "K2 hat keinen Wert: G2 enth\xE4lt keine lesbare Zahl.");

  SpeicherZeileBerechnen("5", General, k_, g_, 1);
  EXPECT_EQ(Ergebnis("K1"), "5*e^j0,00  =  5");
}

// Translated, the messages keep their cell names and come out as the label's
// bytes (the translator writes UTF-8: » is 0xBB, « 0xAB).
TEST_F(RechenfeldTest, TranslatedMessagesKeepTheirNamesAndBecomeBytes) {
  sprache::SetzeUebersetzer(
      [](const char*, const char* text) { return "»" + std::string(text) + "«"; });
  SpeicherZeileBerechnen("4x", General, k_, g_, 1);
  const std::string g1 = Ergebnis("G1+1");
  const std::string klammer = Ergebnis("(3+4");
  const std::string kommentar = Beispielkommentar(Beispielformel(10).speicher[0]);
  sprache::SetzeUebersetzer(nullptr);
  EXPECT_EQ(g1, "\xBBG1 hat keinen Wert: \xBBK1 enth\xE4lt keine lesbare Zahl.\xAB\xAB");
  EXPECT_EQ(klammer, "\xBB" + std::string(kKlammerfehler) + "\xAB");
  EXPECT_EQ(kommentar, "\xBBR1 Ohmscher Widerstand\xAB");
}

// Worked out apart from the program (11 and 12 from their polar operands).
struct Beispielwert {
  double re, im;
};

constexpr Beispielwert kBeispielwerte[kAnzahlBeispiele] = {
    {1206, 0},
    {7, 6},
    {-2500, 0},
    {5.908846518073248, 1.0418890660015805},
    {0.9902680688304324, 0.13917310097255423},
    {52, 0},
    {10.1, 0},
    {-18, 0},
    {63.15404985846042, 0},
    {63.15404985846042, 0},
    {22.625114059498344, 20.273679714406132},
    {54.53857791225417, -28.910741301059005},
    {-466.14, 0},
    {-22, -4},
};

TEST_F(RechenfeldTest, TheFourteenExamples) {
  for (int n = 1; n <= kAnzahlBeispiele; ++n) {
    const std::string text = Beispiel(n);
    const Beispielwert& soll = kBeispielwerte[n - 1];
    const double skala = std::max(1.0, std::hypot(soll.re, soll.im));
    // The exponential form's angle has two decimals.
    for (const auto& [komponenten, tol] : {std::pair{true, 1e-9}, std::pair{false, 1e-4}}) {
      const ZKZahl z = Wert(text, komponenten);
      EXPECT_NEAR(static_cast<double>(z.Realteil), soll.re, tol * skala) << text;
      EXPECT_NEAR(static_cast<double>(z.Imaginaerteil), soll.im, tol * skala) << text;
    }
  }
}

TEST_F(RechenfeldTest, ExampleMemoryRowsGiveTheirReciprocals) {
  Beispiel(10);
  EXPECT_NEAR(static_cast<double>(g_[1].Betrag), 0.01, 1e-15);
  EXPECT_NEAR(static_cast<double>(g_[2].Betrag), 1.0 / 247, 1e-15);
  EXPECT_NEAR(static_cast<double>(g_[3].Betrag), 1.0 / 560, 1e-15);
}

// The shown texts of the prepared examples, memory rows (G column) first and
// the result last, in both display formats. Recorded; a change of the
// arithmetic that moves any of them is a change the user sees.
struct BeispielTexte {
  int format;
  int nr;
  std::vector<std::string> texte;
};
const BeispielTexte kBeispielTexte[] = {
    {General, 1, {"1206*e^j0,00  =  1206"}},
    {General, 2, {"9,219544457*e^j40,60  =  7+j6"}},
    {General, 3, {"2500*e^j180,00  =  -2500"}},
    {General, 4, {"6*e^j10,00  =  5,908846518+j1,041889066"}},
    {General, 5, {"1*e^j8,00  =  0,9902680688+j0,139173101"}},
    {General, 6, {"52*e^j0,00  =  52"}},
    {General, 7, {"10,1*e^j0,00  =  10,1"}},
    {General, 8, {"18*e^j180,00  =  -18"}},
    {General, 9, {"63,15404986*e^j0,00  =  63,15404986"}},
    {General,
     10,
     {"0,01*e^j0,00", "0,004048582996*e^j0,00", "0,001785714286*e^j0,00",
      "63,15404986*e^j0,00  =  63,15404986"}},
    {General,
     11,
     {"0,08333333333*e^-j36,87", "0,1176470588*e^-j49,46", "0,1*e^-j41,41",
      "30,37956345*e^j41,86  =  22,62511406+j20,27367971"}},
    {General,
     12,
     {"0,02*e^j0,00", "0,01666666667*e^j90,00", "0,02*e^-j90,00", "0,03333333333*e^j0,00",
      "0,01333333333*e^-j90,00", "61,72752582*e^-j27,93  =  54,53857791-j28,9107413"}},
    {General, 13, {"466,14*e^j180,00  =  -466,14"}},
    {General, 14, {"22,36067977*e^j190,30  =  -22-j4"}},
    {Exponent, 1, {"1.206000000E+03*e^j0.0  =  1,206000000E+03"}},
    {Exponent, 2, {"9.219544457E+00*e^j40.6  =  7,000000000E+00+j6,000000000E+00"}},
    {Exponent, 3, {"2.500000000E+03*e^j180.0  =  -2,500000000E+03"}},
    {Exponent, 4, {"6.000000000E+00*e^j10.0  =  5,908846518E+00+j1,041889066E+00"}},
    {Exponent, 5, {"1.000000000E+00*e^j8.0  =  9,902680688E-01+j1,391731010E-01"}},
    {Exponent, 6, {"5.200000000E+01*e^j0.0  =  5,200000000E+01"}},
    {Exponent, 7, {"1.010000000E+01*e^j0.0  =  1,010000000E+01"}},
    {Exponent, 8, {"1.800000000E+01*e^j180.0  =  -1,800000000E+01"}},
    {Exponent, 9, {"6.315404986E+01*e^j0.0  =  6,315404986E+01"}},
    {Exponent,
     10,
     {"1.000000000E-02*e^j0.0", "4.048582996E-03*e^j0.0", "1.785714286E-03*e^j0.0",
      "6.315404986E+01*e^j0.0  =  6,315404986E+01"}},
    {Exponent,
     11,
     {"8.333333333E-02*e^-j36.9", "1.176470588E-01*e^-j49.5", "1.000000000E-01*e^-j41.4",
      "3.037956345E+01*e^j41.9  =  2,262511406E+01+j2,027367971E+01"}},
    {Exponent,
     12,
     {"2.000000000E-02*e^j0.0", "1.666666667E-02*e^j90.0", "2.000000000E-02*e^-j90.0",
      "3.333333333E-02*e^j0.0", "1.333333333E-02*e^-j90.0",
      "6.172752582E+01*e^-j27.9  =  5,453857791E+01-j2,891074130E+01"}},
    {Exponent, 13, {"4.661400000E+02*e^j180.0  =  -4,661400000E+02"}},
    {Exponent, 14, {"2.236067977E+01*e^j190.3  =  -2,200000000E+01-j4,000000000E+00"}},
};

TEST_F(RechenfeldTest, TheFourteenExamplesKeepTheirTexts) {
  for (const auto& e : kBeispielTexte) {
    for (int r = 1; r <= 20; ++r) SpeicherZeileLeeren(k_, g_, r);
    std::vector<std::string> texte;
    for (const auto& zeile : Beispielformel(e.nr).speicher) {
      if (zeile.zeile == 0) continue;
      texte.push_back(SpeicherZeileBerechnen(zeile.wert, e.format, k_, g_, zeile.zeile));
    }
    texte.push_back(Ergebnis(Beispielformel(e.nr).formel, e.format));
    EXPECT_EQ(texte, e.texte) << "example " << e.nr << ", format " << e.format;
  }
}
