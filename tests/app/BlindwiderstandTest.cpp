// SPDX-License-Identifier: GPL-3.0-or-later
// The two reactance calculators, driven through their edits, radio buttons
// and "=" buttons.
#include <QApplication>
#include <clocale>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "RechnerFixture.h"

namespace {

const QColor kGelb(255, 255, 128);

}  // namespace

using Blindwiderstand = RechnerTest;

// The German run is only worth something if the locale really is German.
TEST_F(Blindwiderstand, RunsUnderTheLocaleOfTheEnvironment) {
  const char* lcAll = std::getenv("LC_ALL");
  if (lcAll == nullptr || std::strncmp(lcAll, "de_DE", 5) != 0) GTEST_SKIP() << "not a German run";
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
}

TEST_F(Blindwiderstand, StartStateComputesZeroReactance) {
  Klick("istGleichXL_Button");
  EXPECT_EQ(Text("XL_Edit"), "0");
  EXPECT_EQ(Text("XL_Label"), "0*e^j0,00");
}

TEST_F(Blindwiderstand, TypedPointIsCommaAndEnterComputes) {
  Tippe("L_Edit", "0.01");
  EXPECT_EQ(Text("L_Edit"), "0,01");
  QTest::keyClick(Edit("L_Edit"), Qt::Key_Return);
  EXPECT_EQ(Text("XL_Edit"), "3,141592654");
  EXPECT_EQ(Text("XL_Label"), "3,141592654*e^j90,00");

  Tippe("C_Edit", QStringLiteral("10µ"));
  Tippe("fC_Edit", "50Hz");
  QTest::keyClick(Edit("fC_Edit"), Qt::Key_Enter);  // the keypad's Enter as well
  EXPECT_EQ(Text("XC_Edit"), "318,3098862");
  EXPECT_EQ(Text("XC_Label"), "318,3098862*e^-j90,00");
}

TEST_F(Blindwiderstand, GreekMuIsTheMicroPrefixToo) {
  Tippe("C_Edit", "10");
  QTest::sendKeyEvent(QTest::Click, Edit("C_Edit"), Qt::Key_unknown, QString(QChar(0x03BC)),
                      Qt::NoModifier);
  Klick("istGleichXC_Button");
  EXPECT_EQ(Text("XC_Edit"), "318,3098862");
}

TEST_F(Blindwiderstand, ExponentFormatWritesFieldAndLabel) {
  Format(Exponent);
  Tippe("L_Edit", "10m");
  Klick("istGleichXL_Button");
  EXPECT_EQ(Text("XL_Edit"), "3,141592654E+00");
  EXPECT_EQ(Text("XL_Label"), "3.141592654E+00*e^j90.0");
  // Wider than the edit: the start with the sign stays in view.
  Tippe("L_Edit", "-10m");
  Klick("istGleichXL_Button");
  EXPECT_EQ(Text("XL_Edit"), "-3,141592654E+00");
  EXPECT_EQ(Edit("XL_Edit")->cursorPosition(), 0);
}

TEST_F(Blindwiderstand, SwitchingTheSoughtQuantityMovesTheResultField) {
  Tippe("L_Edit", "10m");
  Klick("istGleichXL_Button");
  const QString label = Text("XL_Label");
  const QColor normal = QApplication::palette(Edit("L_Edit")).color(QPalette::Base);

  // Clicking the chosen button again changes nothing: the result stays.
  Klick("XL_RadioButton");
  EXPECT_EQ(Text("XL_Edit"), "3,141592654");
  EXPECT_TRUE(Edit("XL_Edit")->isReadOnly());

  Klick("L_RadioButton");
  EXPECT_EQ(Text("L_Edit"), "");
  EXPECT_TRUE(Edit("L_Edit")->isReadOnly());
  EXPECT_EQ(Edit("L_Edit")->palette().color(QPalette::Base), kGelb);
  EXPECT_EQ(Text("XL_Edit"), "3,141592654");  // the former result field keeps its text
  for (const char* name : {"XL_Edit", "fL_Edit"}) {
    EXPECT_FALSE(Edit(name)->isReadOnly()) << name;
    EXPECT_EQ(Edit(name)->palette().color(QPalette::Base), normal) << name;
  }
  EXPECT_EQ(Text("XL_Label"), label);

  Klick("fL_RadioButton");
  EXPECT_EQ(Text("fL_Edit"), "");
  EXPECT_TRUE(Edit("fL_Edit")->isReadOnly());
  EXPECT_FALSE(Edit("L_Edit")->isReadOnly());
  EXPECT_EQ(Edit("L_Edit")->palette().color(QPalette::Base), normal);

  // The capacitive calculator is a separate panel: untouched by all this.
  EXPECT_TRUE(Edit("XC_Edit")->isReadOnly());
  EXPECT_FALSE(Edit("fC_Edit")->isReadOnly());
  EXPECT_EQ(Text("fC_Edit"), "50");
}

// The first field that does not read, in each calculator's reading order,
// takes the focus; no edit changes.
TEST_F(Blindwiderstand, RejectedInputNamesTheFieldAndChangesNoEdit) {
  struct Fall {
    const char* wahl;
    const char* feld;
    QString text;
    const char* knopf;
    const char* label;
  };
  const Fall faelle[] = {
      {"XL_RadioButton", "L_Edit", "1,5,0", "istGleichXL_Button", "XL_Label"},
      {"XL_RadioButton", "fL_Edit", "50Ohm", "istGleichXL_Button", "XL_Label"},
      {"L_RadioButton", "XL_Edit", "10mH", "istGleichXL_Button", "XL_Label"},
      {"fL_RadioButton", "L_Edit", "10u", "istGleichXL_Button", "XL_Label"},
      {"XC_RadioButton", "fC_Edit", "50Ohm", "istGleichXC_Button", "XC_Label"},
      {"C_RadioButton", "XC_Edit", "2K", "istGleichXC_Button", "XC_Label"},
      {"fC_RadioButton", "C_Edit", "1 0c", "istGleichXC_Button", "XC_Label"},
      // Too long for the working buffer: rejected whole, not cut to a number.
      {"XL_RadioButton", "L_Edit", "1" + QString(255, QLatin1Char(' ')), "istGleichXL_Button",
       "XL_Label"},
  };
  // Each case on a fresh window.
  std::unique_ptr<TForm1> frisch;
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.feld + std::string(" <- ") + f.text.trimmed().toStdString());
    frisch = std::make_unique<TForm1>();
    form_ = frisch.get();
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
    Klick(f.wahl);
    // Give every other field a readable, non-zero value first.
    for (const char* name : {"L_Edit", "fL_Edit", "XL_Edit", "C_Edit", "fC_Edit", "XC_Edit"})
      if (!Edit(name)->isReadOnly()) Edit(name)->setText(QStringLiteral("7"));
    for (const char* name : {"L_Edit", "fL_Edit", "XL_Edit", "C_Edit", "fC_Edit", "XC_Edit"})
      if (Edit(name)->isReadOnly()) Edit(name)->setText(QStringLiteral("alt"));
    Edit(f.feld)->setText(f.text);
    Edit("Wandel_KE_EK_Edit")->setFocus();
    Klick(f.knopf);
    EXPECT_EQ(Text(f.label), "Eingabe Fehler!");
    EXPECT_TRUE(HatFokus(f.feld));
    EXPECT_EQ(Text(f.feld), f.text);
    for (const char* name : {"L_Edit", "fL_Edit", "XL_Edit", "C_Edit", "fC_Edit", "XC_Edit"}) {
      if (std::strcmp(name, f.feld) == 0) continue;
      EXPECT_EQ(Text(name), Edit(name)->isReadOnly() ? "alt" : "7") << name;
    }
  }
}

TEST_F(Blindwiderstand, HertzIsAcceptedWhicheverQuantityIsSought) {
  Edit("fC_Edit")->setText("50Hz");
  Tippe("C_Edit", "10n");
  Klick("istGleichXC_Button");
  EXPECT_EQ(Text("XC_Edit"), "318309,8862");
  EXPECT_EQ(Text("XC_Label"), "318309,8862*e^-j90,00");
  Klick("C_RadioButton");
  Klick("istGleichXC_Button");
  EXPECT_EQ(Text("C_Edit"), "9,999999999E-09");  // from the rounded reactance
  EXPECT_EQ(Text("XC_Label"), "318309,8862*e^-j90,00");
  Edit("fC_Edit")->setText("50Hz");
  Klick("fC_RadioButton");
  Edit("C_Edit")->setText("10n");
  Klick("istGleichXC_Button");
  EXPECT_EQ(Text("fC_Edit"), "50");
}

// No "inf" or "nan" ever reaches a field: the zero that would be divided by
// is named and focused, and the result field keeps its last value.
TEST_F(Blindwiderstand, DivisionByZeroIsReportedOnTheZeroField) {
  Klick("istGleichXC_Button");  // start state: C is empty, so 0
  EXPECT_EQ(Text("XC_Label"), "Division durch 0!");
  EXPECT_TRUE(HatFokus("C_Edit"));
  EXPECT_EQ(Text("XC_Edit"), "");

  Tippe("L_Edit", "10m");
  Klick("istGleichXL_Button");
  Klick("L_RadioButton");
  Klick("istGleichXL_Button");
  ASSERT_EQ(Text("L_Edit"), "0,01");
  Tippe("fL_Edit", "0");
  Klick("istGleichXL_Button");
  EXPECT_EQ(Text("XL_Label"), "Division durch 0!");
  EXPECT_TRUE(HatFokus("fL_Edit"));
  EXPECT_EQ(Text("L_Edit"), "0,01");

  Klick("C_RadioButton");
  Tippe("XC_Edit", "0 Ohm");
  Klick("istGleichXC_Button");
  EXPECT_EQ(Text("XC_Label"), "Division durch 0!");
  EXPECT_TRUE(HatFokus("XC_Edit"));
}
