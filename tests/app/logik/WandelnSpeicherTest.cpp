#include <gtest/gtest.h>

#include <string>

#include "Speicher.h"
#include "Wandeln.h"
#include "ZKLesen.h"
#include "ZKText.h"

TEST(Wandeln, SwitchesTheForm) {
  std::string e;
  ASSERT_TRUE(WandleForm("3+j4", General, e));
  EXPECT_EQ(e, "5*e^j53,13");
  ASSERT_TRUE(WandleForm(e, General, e));
  EXPECT_EQ(e, "3,000007146+j3,999994641");
  ASSERT_TRUE(WandleForm("5", General, e));
  EXPECT_EQ(e, "5*e^j0,00");
  ASSERT_TRUE(WandleForm("-5", General, e));
  EXPECT_EQ(e, "5*e^j180,00");
  ASSERT_TRUE(WandleForm("j", General, e));
  EXPECT_EQ(e, "1*e^j90,00");
  ASSERT_TRUE(WandleForm("-j2", General, e));
  EXPECT_EQ(e, "2*e^j270,00");
  ASSERT_TRUE(WandleForm("3-j4", General, e));
  EXPECT_EQ(e, "5*e^-j53,13");
  ASSERT_TRUE(WandleForm("3,5+j4,2", Exponent, e));
  ASSERT_TRUE(WandleForm("0", General, e));
  EXPECT_EQ(e, "0*e^j0,00");
}

TEST(Wandeln, ReciprocalKeepsTheForm) {
  std::string e;
  ASSERT_TRUE(BildeKehrwert("3+j4", General, e));
  EXPECT_EQ(e, "0,12-j0,16");
  ASSERT_TRUE(BildeKehrwert("5*e^j30", General, e));
  EXPECT_EQ(e, "0,2*e^-j30,00");
  ASSERT_TRUE(BildeKehrwert("2", General, e));
  EXPECT_EQ(e, "0,5");
  // Zero is written back as zero: the empty component text in General.
  ASSERT_TRUE(BildeKehrwert("0", General, e));
  EXPECT_EQ(e, "");
  EXPECT_FALSE(BildeKehrwert(e, General, e));
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

TEST(Wandeln, TwiceLandsWithinTheShownPrecision) {
  for (const char* t : {"3+j4", "-2,5-j0,001", "1E-7+j3", "123456+j7"}) {
    ZKZahl original;
    ASSERT_NE(LiesZKZahl(t, original), ZKForm::Keine);
    for (const int format : {General, Exponent}) {
      std::string a;
      std::string b;
      ASSERT_TRUE(WandleForm(t, format, a));
      ASSERT_TRUE(WandleForm(a, format, b));
      ZKZahl zurueck;
      ASSERT_NE(LiesZKZahl(b, zurueck), ZKForm::Keine) << b;
      const long double tol = original.Betrag * (format == General ? 1e-4L : 1e-3L);
      EXPECT_NEAR(static_cast<double>(zurueck.Realteil), static_cast<double>(original.Realteil),
                  static_cast<double>(tol))
          << t;
      EXPECT_NEAR(static_cast<double>(zurueck.Imaginaerteil),
                  static_cast<double>(original.Imaginaerteil), static_cast<double>(tol))
          << t;
      ASSERT_TRUE(BildeKehrwert(t, format, a));
      ASSERT_TRUE(BildeKehrwert(a, format, b));
      ASSERT_NE(LiesZKZahl(b, zurueck), ZKForm::Keine) << b;
      EXPECT_NEAR(static_cast<double>(zurueck.Realteil), static_cast<double>(original.Realteil),
                  static_cast<double>(original.Betrag * 1e-8L))
          << t;
    }
  }
}

TEST(Speicher, ValueAndReciprocal) {
  ZKZahl k;
  ZKZahl g;
  EXPECT_EQ(SpeicherZeileBerechnen("4", General, k, g), "0,25*e^j0,00");
  EXPECT_EQ(k.Realteil, 4.0L);
  EXPECT_EQ(g.Betrag, 0.25L);
  EXPECT_EQ(SpeicherZeileBerechnen("3+j4", General, k, g), "0,2*e^-j53,13");
  EXPECT_EQ(SpeicherZeileBerechnen("2.5", General, k, g), "0,4*e^j0,00");
}

TEST(Speicher, ZeroMakesTheReciprocalUndefined) {
  ZKZahl k;
  ZKZahl g;
  SpeicherZeileBerechnen("4", General, k, g);
  EXPECT_EQ(SpeicherZeileBerechnen("0", General, k, g), "ERROR");
  EXPECT_FALSE(k != ZKZahl());
  EXPECT_FALSE(g.IstEndlich());
}

TEST(Speicher, EmptyCellResetsBothUnreadableKeepsBoth) {
  ZKZahl k;
  ZKZahl g;
  SpeicherZeileBerechnen("4", General, k, g);
  EXPECT_EQ(SpeicherZeileBerechnen("Motor", General, k, g), "");
  EXPECT_EQ(k.Realteil, 4.0L);
  EXPECT_EQ(g.Realteil, 0.25L);
  // 80 characters do not fit the memory's working buffer: unreadable.
  EXPECT_EQ(SpeicherZeileBerechnen("5" + std::string(79, ' '), General, k, g), "");
  EXPECT_EQ(k.Realteil, 4.0L);
  EXPECT_EQ(SpeicherZeileBerechnen("", General, k, g), "");
  EXPECT_FALSE(k != ZKZahl());
  EXPECT_FALSE(g != ZKZahl());
}
