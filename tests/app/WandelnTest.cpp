// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion field: "Wandeln  Ex <-> Kom", "1/X" and its key filter.
#include "RechnerFixture.h"

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

// Both buttons write in the display format chosen on the page.
TEST_F(Wandeln, ButtonsWriteInTheDisplayFormat) {
  Format(Exponent);
  EXPECT_EQ(Druecke("Wandeln_EK_KE_Button", "3+j4"), "5.000000000E+00*e^j53.1");
  EXPECT_EQ(Druecke("Kehrwert_Button", "2"), "5,000000000E-01");
  Format(General);
  EXPECT_EQ(Druecke("Kehrwert_Button", "3+j4"), "0,12-j0,16");
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
