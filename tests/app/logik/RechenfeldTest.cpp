#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "FormelRechner.h"
#include "Rechenfeld.h"
#include "Speicher.h"
#include "ZKLesen.h"
#include "ZKText.h"

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

  // The value of the component text behind the separator.
  static ZKZahl Wert(const std::string& label) {
    const auto pos = label.find(kTrenner);
    EXPECT_NE(pos, std::string::npos) << label;
    ZKZahl z;
    const std::string komponenten = label.substr(pos + std::string(kTrenner).size());
    EXPECT_NE(LiesZKZahl(komponenten, z), ZKForm::Keine) << komponenten;
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

struct BeispielWert {
  int nr;
  double real;
  double imaginaer;
};

TEST_F(RechenfeldTest, TheFourteenExamples) {
  const BeispielWert erwartet[] = {{1, 1206, 0},           {2, 7, 6},
                                   {3, -2500, 0},          {6, 52, 0},
                                   {7, 10.1, 0},           {8, -18, 0},
                                   {9, 63.15404986, 0},    {10, 63.15404986, 0},
                                   {11, 22.6250, 20.2740}, {12, 54.539, -28.911},
                                   {13, -466.14, 0},       {14, -22, -4}};
  for (const auto& e : erwartet) {
    const ZKZahl z = Wert(Beispiel(e.nr));
    const double tol = e.nr == 11 || e.nr == 12 ? 2e-3 : 1e-8 * std::max(1.0, std::fabs(e.real));
    EXPECT_NEAR(static_cast<double>(z.Realteil), e.real, tol) << "example " << e.nr;
    EXPECT_NEAR(static_cast<double>(z.Imaginaerteil), e.imaginaer, tol) << "example " << e.nr;
  }
  const ZKZahl vier = Wert(Beispiel(4));
  EXPECT_NEAR(static_cast<double>(vier.Betrag), 6.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(vier.Winkel), 10.0, 1e-8);
  const ZKZahl fuenf = Wert(Beispiel(5));
  EXPECT_NEAR(static_cast<double>(fuenf.Betrag), 1.0, 1e-9);
}

TEST_F(RechenfeldTest, ExampleMemoryRowsGiveTheirReciprocals) {
  Beispiel(10);
  EXPECT_NEAR(static_cast<double>(g_[1].Betrag), 0.01, 1e-15);
  EXPECT_NEAR(static_cast<double>(g_[2].Betrag), 1.0 / 247, 1e-15);
  EXPECT_NEAR(static_cast<double>(g_[3].Betrag), 1.0 / 560, 1e-15);
}
