// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <string>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "logik/Speicher.h"
#include "logik/Umrechnung.h"

namespace {

// As in the window tests, the C library's locale comes from the environment
// (for the whole binary): the German rerun then shows that no reader or
// writer of the pages relies on the program setting numbers to "C".
const bool kLocaleAusUmgebung = std::setlocale(LC_ALL, "") != nullptr;

}  // namespace

// The German run is only worth something if the locale really is German.
TEST(Locale, IsTheEnvironmentsInTheGermanRun) {
  const char* lcAll = std::getenv("LC_ALL");
  if (lcAll == nullptr || std::string_view(lcAll).substr(0, 5) != "de_DE")
    GTEST_SKIP() << "not a German run";
  EXPECT_TRUE(kLocaleAusUmgebung);
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

namespace {

struct Umrechnung {
  const char* eingabe;
  int format;
  const char* ausgabe;
};

}  // namespace

TEST(Wandeln, SwitchesTheForm) {
  const Umrechnung faelle[] = {
      {"3+j4", General, "5*e^j53,13"},
      {"5*e^j53,13", General, "3,000007146+j3,999994641"},
      {"5", General, "5*e^j0,00"},
      {"-5", General, "5*e^j180,00"},
      {"j", General, "1*e^j90,00"},
      {"-j2", General, "2*e^j270,00"},
      {"3-j4", General, "5*e^-j53,13"},
      {"0", General, "0*e^j0,00"},
      {"3+j4", Exponent, "5.000000000E+00*e^j53.1"},
  };
  for (const Umrechnung& f : faelle) {
    std::string e;
    ASSERT_TRUE(WandleForm(f.eingabe, f.format, e)) << f.eingabe;
    EXPECT_EQ(e, f.ausgabe) << f.eingabe;
  }
  // The result may be written over the text it was read from.
  std::string e = "3+j4";
  ASSERT_TRUE(WandleForm(e, General, e));
  ASSERT_TRUE(WandleForm(e, General, e));
  EXPECT_EQ(e, "3,000007146+j3,999994641");
}

TEST(Wandeln, ReciprocalKeepsTheForm) {
  const Umrechnung faelle[] = {
      {"3+j4", General, "0,12-j0,16"},
      {"5*e^j30", General, "0,2*e^-j30,00"},
      {"2", General, "0,5"},
      {"j", General, "-j1"},
      // Zero is written back as zero: the empty component text in General.
      {"0", General, ""},
      {"2", Exponent, "5,000000000E-01"},
  };
  for (const Umrechnung& f : faelle) {
    std::string e;
    ASSERT_TRUE(BildeKehrwert(f.eingabe, f.format, e)) << f.eingabe;
    EXPECT_EQ(e, f.ausgabe) << f.eingabe;
  }
}

// The angle notation is an exponential form; what the program writes back
// is the exponential form of its own texts.
TEST(Wandeln, AngleNotationReadsAsTheExponentialForm) {
  std::string e;
  ASSERT_TRUE(WandleForm("230\x81-30", General, e));
  EXPECT_EQ(e, "199,1858429-j115");
  ASSERT_TRUE(
      BildeKehrwert("5\x81"
                    "30\xB0",
                    General, e));
  EXPECT_EQ(e, "0,2*e^-j30,00");
}

TEST(Wandeln, UnreadableTextIsRefused) {
  std::string e = "unchanged";
  for (const char* t : {"", "abc", "1,5,0"}) {
    EXPECT_FALSE(WandleForm(t, General, e));
    EXPECT_FALSE(BildeKehrwert(t, General, e));
  }
  EXPECT_FALSE(WandleForm(std::string(256, '1'), General, e));
  EXPECT_EQ(e, "unchanged");
}

namespace {

ZKZahl Gelesen(const std::string& text) {
  ZKZahl z;
  EXPECT_NE(LiesZKZahl(text, z), ZKForm::Keine) << text;
  return z;
}

// Distance of two values relative to the size of the first.
double Abstand(const ZKZahl& a, const ZKZahl& b) {
  const long double d = std::hypot(a.Realteil - b.Realteil, a.Imaginaerteil - b.Imaginaerteil);
  return static_cast<double>(d / a.Betrag);
}

}  // namespace

// Either conversion done twice comes back to the start, as closely as the
// shown texts allow.
TEST(Wandeln, TwiceComesBackWithinTheShownPrecision) {
  const double teile[] = {-123456.789, -7.25, -1, -1e-3, 0, 1e-7, 2e-4, 0.5, 1, 3, 98765.4321};
  for (const int format : {General, Exponent}) {
    // The exponential form shows the angle with 2 (General) or 1 (Exponent)
    // decimals; that rounding moves the point by up to this share of |z|.
    const double winkelRundung = (format == General ? 0.005 : 0.05) * M_PI / 180.0;
    for (const double re : teile) {
      for (const double im : teile) {
        if (re == 0 && im == 0) continue;
        ZKZahl z;
        z.SetzeKartesisch(re, im);
        const std::string start = KomponentenText(z, format);
        SCOPED_TRACE(start);
        std::string exp, komp, kehr, zurueck, expKehr;

        ASSERT_TRUE(WandleForm(start, format, exp));
        ASSERT_TRUE(WandleForm(exp, format, komp));
        EXPECT_LE(Abstand(z, Gelesen(exp)), winkelRundung + 1e-9) << exp;
        EXPECT_LE(Abstand(Gelesen(exp), Gelesen(komp)), 1e-9) << komp;

        ASSERT_TRUE(BildeKehrwert(start, format, kehr));
        ASSERT_TRUE(BildeKehrwert(kehr, format, zurueck));
        EXPECT_LE(Abstand(z, Gelesen(zurueck)), 1e-9) << kehr;

        ASSERT_TRUE(BildeKehrwert(exp, format, expKehr));
        EXPECT_NE(expKehr.find("*e^"), std::string::npos) << expKehr;
        ASSERT_TRUE(BildeKehrwert(expKehr, format, zurueck));
        EXPECT_LE(Abstand(Gelesen(exp), Gelesen(zurueck)), 1e-9) << expKehr;
      }
    }
  }
}

// Row 1 of both sides, as the window's handlers pass them.
struct Zeile1 {
  ZKSpeicher k{};
  ZKSpeicher g{};
  std::string K(std::string_view text) { return SpeicherZeileBerechnen(text, General, k, g, 1); }
};

TEST(Speicher, ValueAndReciprocal) {
  Zeile1 z;
  EXPECT_EQ(z.K("4"), "0,25*e^j0,00");
  EXPECT_EQ(z.k[1].Realteil, 4.0L);
  EXPECT_EQ(z.g[1].Betrag, 0.25L);
  EXPECT_EQ(z.K("3+j4"), "0,2*e^-j53,13");
  EXPECT_EQ(z.K("2.5"), "0,4*e^j0,00");
}

TEST(Speicher, ZeroMakesTheReciprocalUndefined) {
  Zeile1 z;
  z.K("4");
  EXPECT_EQ(z.K("0"), "ERROR");
  EXPECT_FALSE(z.k[1] != ZKZahl());
  EXPECT_FALSE(z.g[1].IstEndlich());
  EXPECT_FALSE(z.k.unlesbar[1] || z.g.unlesbar[1]);
}

// An unreadable cell leaves no value behind on either side and is marked,
// so that a formula can say so; the mark goes with the next readable or
// empty text.
TEST(Speicher, UnreadableDropsTheRowAndMarksIt) {
  Zeile1 z;
  z.K("4");
  EXPECT_EQ(z.K("4x"), "");
  EXPECT_FALSE(z.k[1] != ZKZahl());
  EXPECT_FALSE(z.g[1] != ZKZahl());
  EXPECT_TRUE(z.k.unlesbar[1]);
  EXPECT_FALSE(z.g.unlesbar[1]);
  z.K("5");
  EXPECT_FALSE(z.k.unlesbar[1]);
  EXPECT_EQ(z.k[1].Realteil, 5.0L);

  // 80 characters do not fit the memory's working buffer: unreadable.
  EXPECT_EQ(z.K("5" + std::string(79, ' ')), "");
  EXPECT_TRUE(z.k.unlesbar[1]);
  EXPECT_FALSE(z.k[1] != ZKZahl());

  // Typed on the G side: G is the unreadable one, K has no value either.
  EXPECT_EQ(SpeicherZeileBerechnen("2", General, z.g, z.k, 1), "0,5*e^j0,00");
  EXPECT_FALSE(z.k.unlesbar[1]);
  EXPECT_EQ(SpeicherZeileBerechnen("zwei", General, z.g, z.k, 1), "");
  EXPECT_TRUE(z.g.unlesbar[1]);
  EXPECT_FALSE(z.k[1] != ZKZahl());
}

// A cell of blanks only looks empty and reads as the empty text: it is an
// emptied cell (zero on both sides, nothing to report), not unreadable text.
TEST(Speicher, EmptyOrBlankOnlyCellResetsBothSides) {
  for (const std::string leer : {"", " ", "     "}) {
    Zeile1 z;
    z.K("4");
    EXPECT_EQ(z.K(leer), "") << '"' << leer << '"';
    EXPECT_FALSE(z.k[1] != ZKZahl());
    EXPECT_FALSE(z.g[1] != ZKZahl());
    EXPECT_FALSE(z.k.unlesbar[1] || z.g.unlesbar[1]);
    z.K("4x");
    z.K(leer);
    EXPECT_FALSE(z.k.unlesbar[1]) << "an emptied cell is no longer unreadable";
  }
  // Blanks around a number are the user's and do not matter.
  Zeile1 z;
  EXPECT_EQ(z.K("  4  "), "0,25*e^j0,00");
}

TEST(Speicher, RowsOutsideTheMemoryAreLeftAlone) {
  Zeile1 z;
  EXPECT_EQ(SpeicherZeileBerechnen("4", General, z.k, z.g, 0), "");
  EXPECT_EQ(SpeicherZeileBerechnen("4", General, z.k, z.g, 21), "");
  EXPECT_FALSE(z.k[0] != ZKZahl());
  EXPECT_FALSE(z.k[21] != ZKZahl());
}
