// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "logik/Reaktanz.h"

namespace {

struct GroessenFall {
  const char* name;
  const char* text;
  const char* einheit;
  bool ok;
  long double wert;
};
inline void PrintTo(const GroessenFall& f, std::ostream* os) {
  *os << f.name;
}

}  // namespace

class Groesse : public ::testing::TestWithParam<GroessenFall> {};

TEST_P(Groesse, ReadsPrefixesAndUnits) {
  const auto& f = GetParam();
  long double wert = -1.0L;
  EXPECT_EQ(GroesseLesen(f.text, f.einheit, wert), f.ok) << f.text;
  if (f.ok) {
    EXPECT_NEAR(static_cast<double>(wert), static_cast<double>(f.wert),
                std::fabs(static_cast<double>(f.wert)) * 1e-15);
  } else {
    EXPECT_EQ(wert, 0.0L);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Groesse,
    ::testing::Values(GroessenFall{"milli_with_unit", "10mH", "H", true, 0.01L},
                      GroessenFall{"milli_without_unit", "10m", "H", true, 0.01L},
                      GroessenFall{"comma", "0,01", "H", true, 0.01L},
                      GroessenFall{"exponent", "1e-2", "H", true, 0.01L},
                      GroessenFall{"exponent_and_unit", "1E-2H", "H", true, 0.01L},
                      GroessenFall{"wrong_unit", "10mF", "H", false, 0},
                      GroessenFall{"unit_only_as_whole_rest", "10 Hz", "H", false, 0},
                      GroessenFall{"empty_is_zero", "", "H", true, 0},
                      GroessenFall{"prefix_and_unit_only", "mH", "H", true, 0},
                      GroessenFall{"micro_byte", "10\xB5", "F", true, 10e-6L},
                      GroessenFall{"hertz", "50Hz", "Hz", true, 50},
                      GroessenFall{"ohm_in_hertz_field", "50Ohm", "Hz", false, 0},
                      GroessenFall{"kilo_ohm_with_blanks", "2,2 k Ohm", "Ohm", true, 2200},
                      GroessenFall{"second_comma_fails", "1,5,0", "H", false, 0},
                      GroessenFall{"u_is_no_prefix", "10u", "F", false, 0},
                      GroessenFall{"capital_k_is_no_prefix", "10K", "Ohm", false, 0},
                      GroessenFall{"exa_after_bare_e", "1E", "Ohm", true, 1e18L},
                      GroessenFall{"negative", "-10m", "H", true, -0.01L}));

TEST(Groesse, OverlongTextIsRejectedNotCut) {
  long double wert = 1;
  EXPECT_TRUE(GroesseLesen("1" + std::string(254, ' '), "H", wert));
  EXPECT_FALSE(GroesseLesen("1" + std::string(255, ' '), "H", wert));
  EXPECT_EQ(wert, 0.0L);
}

namespace {

BlindErgebnis XL(Feld gesucht, const char* l, const char* f, const char* x, int format = General) {
  const std::string_view texte[3] = {l, f, x};
  return BerechneXL(gesucht, texte, format);
}
BlindErgebnis XC(Feld gesucht, const char* c, const char* f, const char* x, int format = General) {
  const std::string_view texte[3] = {c, f, x};
  return BerechneXC(gesucht, texte, format);
}

}  // namespace

TEST(Blindwiderstand, InductiveForEachSoughtQuantity) {
  BlindErgebnis e = XL(FeldBlindwiderstand, "10m", "50", "");
  ASSERT_EQ(e.art, BlindErgebnis::Berechnet);
  EXPECT_EQ(e.text, "3,141592654");
  EXPECT_EQ(e.zeiger.Winkel, 90.0L);
  EXPECT_EQ(ExponentialText(e.zeiger, General), "3,141592654*e^j90,00");
  EXPECT_EQ(XL(FeldBlindwiderstand, "10m", "50", "", Exponent).text, "3,141592654E+00");
  EXPECT_EQ(XL(FeldGroesse, "", "50", "3,141592654").text, "0,01");
  EXPECT_EQ(XL(FeldFrequenz, "10m", "", "3,141592654").text, "50,00000001");  // shown XL is rounded
  // A negative inductance computes through; only its sign turns the angle.
  e = XL(FeldBlindwiderstand, "-10m", "50", "");
  EXPECT_EQ(e.text, "-3,141592654");
  EXPECT_EQ(ExponentialText(e.zeiger, General), "3,141592654*e^j270,00");
  // Start state: an empty inductance reads as 0.
  e = XL(FeldBlindwiderstand, "", "50", "");
  EXPECT_EQ(e.text, "0");
  EXPECT_EQ(ExponentialText(e.zeiger, General), "0*e^j0,00");
}

TEST(Blindwiderstand, CapacitiveForEachSoughtQuantity) {
  BlindErgebnis e = XC(FeldBlindwiderstand, "10\xB5", "50Hz", "");
  ASSERT_EQ(e.art, BlindErgebnis::Berechnet);
  EXPECT_EQ(e.text, "318,3098862");
  EXPECT_EQ(ExponentialText(e.zeiger, General), "318,3098862*e^-j90,00");
  e = XC(FeldBlindwiderstand, "-10\xB5", "50", "");
  EXPECT_EQ(e.text, "-318,3098862");
  EXPECT_EQ(ExponentialText(e.zeiger, General), "318,3098862*e^j90,00");
  EXPECT_EQ(XC(FeldGroesse, "", "50Hz", "318,3098862").text, "9,999999999E-06");
  EXPECT_EQ(XC(FeldFrequenz, "10\xB5", "", "318,3098862").text, "50");
}

TEST(Blindwiderstand, FirstRejectedFieldInReadingOrder) {
  BlindErgebnis e = XL(FeldGroesse, "", "1,5,0", "x");
  EXPECT_EQ(e.art, BlindErgebnis::Eingabefehler);
  EXPECT_EQ(e.fehlerFeld, FeldFrequenz);
  e = XL(FeldFrequenz, "abc", "", "x");
  EXPECT_EQ(e.fehlerFeld, FeldGroesse);
  e = XC(FeldBlindwiderstand, "1", "50Ohm", "");
  EXPECT_EQ(e.fehlerFeld, FeldFrequenz);
}

TEST(Blindwiderstand, DivisionByZeroNamesTheZeroField) {
  EXPECT_EQ(XL(FeldGroesse, "", "0", "5").art, BlindErgebnis::DivisionDurchNull);
  EXPECT_EQ(XL(FeldGroesse, "", "0", "5").fehlerFeld, FeldFrequenz);
  EXPECT_EQ(XL(FeldFrequenz, "", "", "5").fehlerFeld, FeldGroesse);
  EXPECT_EQ(XC(FeldBlindwiderstand, "", "50", "").fehlerFeld, FeldGroesse);
  EXPECT_EQ(XC(FeldBlindwiderstand, "1", "0", "").fehlerFeld, FeldFrequenz);
  EXPECT_EQ(XC(FeldGroesse, "", "50", "0").fehlerFeld, FeldBlindwiderstand);
  EXPECT_EQ(XC(FeldFrequenz, "1m", "", "").fehlerFeld, FeldBlindwiderstand);
}

// Compute the reactance, then the quantity back from the shown reactance:
// the shown texts carry 10 significant digits, in either display format.
TEST(Blindwiderstand, RoundTripThroughTheShownText) {
  const char* groessen[] = {"10m",  "4,7",   "1,234567891\xB5", "33k",
                            "0,5p", "-2,2n", "9,87654321E-3",   "123456789"};
  const char* frequenzen[] = {"50", "16,7Hz", "1M", "0,001", "2,45GHz"};
  for (const int format : {General, Exponent}) {
    for (const bool kapazitiv : {false, true}) {
      const auto berechne = kapazitiv ? XC : XL;
      const char* einheit = kapazitiv ? "F" : "H";
      for (const char* g : groessen) {
        for (const char* f : frequenzen) {
          SCOPED_TRACE(std::string(g) + " " + f + (kapazitiv ? " C" : " L"));
          const BlindErgebnis hin = berechne(FeldBlindwiderstand, g, f, "", format);
          const BlindErgebnis zurueck = berechne(FeldGroesse, "", f, hin.text.c_str(), format);
          long double original = 0;
          long double gelesen = 0;
          ASSERT_TRUE(GroesseLesen(g, einheit, original));
          ASSERT_TRUE(GroesseLesen(zurueck.text, einheit, gelesen)) << zurueck.text;
          EXPECT_NEAR(static_cast<double>(gelesen / original), 1.0, 1e-9)
              << hin.text << " -> " << zurueck.text;
        }
      }
    }
  }
}
