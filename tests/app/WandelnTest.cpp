// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion field: "Wandeln  Ex <-> Kom", "1/X" and its key filter.
#include <cmath>
#include <string>

#include "RechnerFixture.h"
#include "complex/ZKLesen.h"

namespace {

// Distance of two values relative to the size of the first.
double Abstand(const ZKZahl& a, const ZKZahl& b) {
  const long double d = std::hypot(a.Realteil - b.Realteil, a.Imaginaerteil - b.Imaginaerteil);
  return static_cast<double>(d / a.Betrag);
}

}  // namespace

class Wandeln : public RechnerTest {
 protected:
  TEdit* Feld() { return Edit("Wandel_KE_EK_Edit"); }
  QString Druecke(const char* knopf, const QString& text) {
    Feld()->setText(text);
    Klick(knopf);
    return Feld()->text();
  }
};

TEST_F(Wandeln, TypedPointIsCommaAndEnterPressesNothing) {
  Tippe("Wandel_KE_EK_Edit", "3.5+j4.2");
  EXPECT_EQ(Feld()->text(), "3,5+j4,2");
  QTest::keyClick(Feld(), Qt::Key_Return);
  EXPECT_EQ(Feld()->text(), "3,5+j4,2");
  Klick("Wandeln_EK_KE_Button");  // both commas are decimal separators
  EXPECT_EQ(Feld()->text(), "5,467174773*e^j50,19");
}

TEST_F(Wandeln, ConversionSwitchesTheFormReciprocalKeepsIt) {
  struct Fall {
    const char* knopf;
    const char* eingabe;
    const char* ausgabe;
  };
  const Fall faelle[] = {
      {"Wandeln_EK_KE_Button", "3+j4", "5*e^j53,13"},
      {"Wandeln_EK_KE_Button", "5*e^j53,13", "3,000007146+j3,999994641"},
      {"Wandeln_EK_KE_Button", "-5", "5*e^j180,00"},
      {"Wandeln_EK_KE_Button", "-j2", "2*e^j270,00"},
      {"Wandeln_EK_KE_Button", "3-j4", "5*e^-j53,13"},
      {"Wandeln_EK_KE_Button", "0", "0*e^j0,00"},
      {"Kehrwert_Button", "3+j4", "0,12-j0,16"},
      {"Kehrwert_Button", "5*e^j30", "0,2*e^-j30,00"},
      {"Kehrwert_Button", "j", "-j1"},
      {"Kehrwert_Button", "0", ""},  // zero stays zero, written as the empty text
  };
  for (const Fall& f : faelle) {
    EXPECT_EQ(Druecke(f.knopf, QString::fromUtf8(f.eingabe)), QString::fromUtf8(f.ausgabe))
        << f.knopf << " " << f.eingabe;
  }
}

// Unreadable text stays as typed, never cut; only the focus moves there.
TEST_F(Wandeln, UnreadableTextKeepsItsTextAndTakesTheFocus) {
  const QString zuLang = "1" + QString(255, QLatin1Char(' '));
  for (const char* knopf : {"Wandeln_EK_KE_Button", "Kehrwert_Button"}) {
    for (const QString& text :
         {QString(), QStringLiteral("abc"), QStringLiteral("1,5,0"), zuLang}) {
      Edit("L_Edit")->setFocus();
      EXPECT_EQ(Druecke(knopf, text), text) << knopf << " '" << text.toStdString() << "'";
      EXPECT_TRUE(HatFokus("Wandel_KE_EK_Edit")) << knopf;
    }
  }
  // 255 characters still fit.
  EXPECT_EQ(Druecke("Kehrwert_Button", "2" + QString(254, QLatin1Char(' '))), "0,5");
}

// Pressing either button twice comes back to the start, as closely as the
// shown texts allow.
TEST_F(Wandeln, TwiceComesBackWithinTheShownPrecision) {
  const double teile[] = {-123456.789, -7.25, -1, -1e-3, 0, 2e-4, 0.5, 1, 3, 98765.4321};
  for (const int format : {General, Exponent}) {
    Format(format);
    // The exponential form shows the angle with 2 (General) or 1 (Exponent)
    // decimals; that rounding moves the point by up to this share of |z|.
    const double winkelRundung = (format == General ? 0.005 : 0.05) * M_PI / 180.0;
    for (const double re : teile) {
      for (const double im : teile) {
        if (re == 0 && im == 0) continue;
        ZKZahl z;
        z.SetzeKartesisch(re, im);
        const QString start = AusAnsi(KomponentenText(z, format));
        SCOPED_TRACE(start.toStdString());

        const QString exp = Druecke("Wandeln_EK_KE_Button", start);
        const QString komp = Druecke("Wandeln_EK_KE_Button", exp);
        EXPECT_LE(Abstand(z, Wert(exp)), winkelRundung + 1e-9) << exp.toStdString();
        EXPECT_LE(Abstand(Wert(exp), Wert(komp)), 1e-9) << komp.toStdString();

        const QString kehr = Druecke("Kehrwert_Button", start);
        EXPECT_LE(Abstand(z, Wert(Druecke("Kehrwert_Button", kehr))), 1e-9) << kehr.toStdString();

        const QString expKehr = Druecke("Kehrwert_Button", exp);
        EXPECT_TRUE(expKehr.contains(QLatin1String("*e^"))) << expKehr.toStdString();
        EXPECT_LE(Abstand(Wert(exp), Wert(Druecke("Kehrwert_Button", expKehr))), 1e-9);
      }
    }
  }
}
