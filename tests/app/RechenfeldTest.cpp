// SPDX-License-Identifier: GPL-3.0-or-later
// The formula field on the real window: typing, "=", Enter, the examples.
#include <QLocale>

#include "SpeicherFixture.h"
#include "formula/FormelRechner.h"
#include "logik/Formelergebnis.h"

namespace speicher_test {
namespace {

class RechenfeldTest : public SpeicherFixture {
 protected:
  void Klick(const char* button) { QTest::mouseClick(Element<TButton>(button), Qt::LeftButton); }
  // Characters no key gives (the angle sign, pi) arrive as the text of a key
  // event, as a compose key or an input method sends them.
  void TippeText(const QString& text) {
    for (QChar c : text) {
      QTest::sendKeyEvent(QTest::Click, Fokus(), Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
  QString Rechne(const QString& formel) {
    Formel()->setFocus();
    Formel()->clear();
    TippeText(formel);
    Taste(Qt::Key_Return);
    return Ergebnis()->text();
  }
};

// Textbook formulas typed as a student writes them, with the angle sign,
// the degree sign and pi; the edit keeps them as typed.
TEST_F(RechenfeldTest, TextbookFormsOnTheWindow) {
  TippeInZelle(K(), 1, 1, QStringLiteral("100"));
  TippeInZelle(K(), 1, 2, QStringLiteral("j314,159"));
  TippeInZelle(K(), 1, 3, QStringLiteral("-j318,31"));
  const Komplex xl(0, 314.159L), xc(0, -318.31L);
  Rechne(QStringLiteral("K1+K2||K3"));
  EXPECT_TRUE(Nahe(Ergebniswert(), 100.0L + xl * xc / (xl + xc)));

  Rechne(QStringLiteral("230∠0*konj(10∠-30°)"));
  EXPECT_EQ(Formel()->text(), QStringLiteral("230∠0*konj(10∠-30°)"));
  EXPECT_TRUE(Nahe(Ergebniswert(), {1991.858428704209L, 1150.0L}));
  Rechne(QStringLiteral("2*π*50"));
  EXPECT_TRUE(Nahe(Ergebniswert(), 100 * std::acos(-1.0L)));
  Rechne(QStringLiteral("wurzel(3^2+4^2)"));
  EXPECT_TRUE(Nahe(Ergebniswert(), 5));
  EXPECT_EQ(Rechne(QStringLiteral("2^j")), QLatin1String(kKomplexerExponent));
  EXPECT_EQ(Rechne(QStringLiteral("2||-2")), QLatin1String(kNichtDefiniert));
  EXPECT_EQ(Rechne(QStringLiteral("2*/3")), QLatin1String(kFormelfehler));

  // The tooltip lists the additions.
  const QString hinweis = Formel()->toolTip();
  for (const char* teil : {"||", "^", "konj", "conj", "betrag", "abs", "winkel", "arg", "re(",
                           "im(", "wurzel", "sqrt", "pi"}) {
    EXPECT_TRUE(hinweis.contains(QLatin1String(teil))) << teil;
  }
  EXPECT_TRUE(hinweis.contains(QStringLiteral("∠")));
  EXPECT_TRUE(hinweis.contains(QStringLiteral("π")));
}

// A memory cell reads the angle notation as any other value text.
TEST_F(RechenfeldTest, MemoryCellReadsTheAngleNotation) {
  Waehle(K(), 1, 4);
  TippeText(QStringLiteral("10∠-30°"));
  Taste(Qt::Key_Escape);
  EXPECT_EQ(K()->Cells(1, 4), QStringLiteral("10∠-30°"));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[4], Polar(10, -30)));
  EXPECT_EQ(G()->Cells(1, 4), ExpZelle(Polar(0.1L, 30)));
}

TEST_F(RechenfeldTest, PointBecomesCommaAndEnterComputesLikeTheButton) {
  TippeFormel(QStringLiteral("1.5+2"));
  EXPECT_EQ(Formel()->text(), QStringLiteral("1,5+2"));
  Taste(Qt::Key_Return);
  const QString nachEnter = Ergebnis()->text();
  EXPECT_TRUE(Nahe(Ergebniswert(), 3.5L));
  EXPECT_EQ(Formel()->text(), QStringLiteral("1,5+2"));

  Ergebnis()->clear();
  Klick("ist_gleich_Button");
  EXPECT_EQ(Ergebnis()->text(), nachEnter);
}

TEST_F(RechenfeldTest, EmptyFormulaShowsZeroInBothForms) {
  Klick("ist_gleich_Button");
  EXPECT_EQ(NachAnsi(Ergebnis()->text()),
            ExponentialText(ZKZahl(), General) + kTrenner + KomponentenText(ZKZahl(), General));
}

TEST_F(RechenfeldTest, ErrorsAreShownAndTheFormulaStays) {
  struct Fall {
    const char* formel;
    const char* text;
  };
  for (const Fall& f : {Fall{"(3+4", kKlammerfehler}, Fall{"3+x", kFormelfehler},
                        Fall{"1:0", kNichtDefiniert}, Fall{"K1:K2", kNichtDefiniert}}) {
    TippeFormel(QLatin1String(f.formel));
    Taste(Qt::Key_Return);
    EXPECT_EQ(Ergebnis()->text(), QLatin1String(f.text)) << f.formel;
    EXPECT_EQ(Formel()->text(), QLatin1String(f.formel));
  }
  EXPECT_TRUE(meldungen.gezeigt.empty());
}

TEST_F(RechenfeldTest, LoeschenEmptiesEditAndLabelButNotTheMemory) {
  TippeInZelle(K(), 1, 1, QStringLiteral("4"));
  TippeFormel(QStringLiteral("K1*2"));
  Taste(Qt::Key_Return);
  Klick("Loesche_Rechenfeld_Button");
  EXPECT_TRUE(Formel()->text().isEmpty());
  EXPECT_TRUE(Ergebnis()->text().isEmpty());
  EXPECT_EQ(K()->Cells(1, 1), QStringLiteral("4"));
  TippeFormel(QStringLiteral("K1*2"));
  Taste(Qt::Key_Return);
  EXPECT_TRUE(Nahe(Ergebniswert(), 8.0L));
}

TEST_F(RechenfeldTest, TheFourteenExamplesCycleWithTheirValues) {
  for (int n = 1; n <= kAnzahlBeispiele; ++n) {
    Klick("Beispiel_BitBtn");
    EXPECT_EQ(Element<TButton>("Beispiel_BitBtn")->text(), QStringLiteral("Beispiel:%1").arg(n));
    EXPECT_EQ(NachAnsi(Formel()->text()), Beispielformel(n).formel) << "example " << n;
    // Computed after its memory rows are in place (what it computes to is
    // the formula logic's business).
    FormelRechner rechner(Zustand().Speicher().Werte(aufgabe::Seite::K),
                          Zustand().Speicher().Werte(aufgabe::Seite::G));
    EXPECT_EQ(NachAnsi(Ergebnis()->text()),
              RechenfeldErgebnis(rechner, Beispielformel(n).formel, General))
        << "example " << n;
  }
  EXPECT_EQ(Zustand().Beispiele().formel, 0);
  Klick("Beispiel_BitBtn");
  EXPECT_EQ(Element<TButton>("Beispiel_BitBtn")->text(), QStringLiteral("Beispiel:1"));
  EXPECT_EQ(NachAnsi(Formel()->text()), Beispielformel(1).formel);
  EXPECT_TRUE(Nahe(Ergebniswert(), 1206.0L));
}

TEST_F(RechenfeldTest, ExamplesTenToTwelveFillTheMemory) {
  Zustand().Beispiele().formel = 9;
  for (int n = 10; n <= 12; ++n) {
    Klick("Beispiel_BitBtn");
    int gefuellt = 0;
    for (const SpeicherBeispiel& zeile : Beispielformel(n).speicher) {
      if (zeile.zeile == 0) continue;
      ++gefuellt;
      const int r = zeile.zeile;
      EXPECT_EQ(NachAnsi(K()->Cells(1, r)), zeile.wert);
      EXPECT_EQ(NachAnsi(K()->Cells(2, r)), zeile.kommentar);
      const Komplex kWert = AlsKomplex(Wert(K()->Cells(1, r)));
      const Komplex gSoll = 1.0L / kWert;
      EXPECT_TRUE(Nahe(Wert(G()->Cells(1, r)), gSoll, kWinkelGenau))
          << "example " << n << " row " << r;
      EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[r], kWert));
      EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::G)[r], gSoll));
    }
    // The rows the example leaves empty are empty and hold nothing, even
    // after an earlier example filled them.
    for (int r = gefuellt + 1; r <= 20; ++r) {
      EXPECT_TRUE(K()->Cells(1, r).isEmpty()) << r;
      EXPECT_TRUE(K()->Cells(2, r).isEmpty()) << r;
      EXPECT_TRUE(G()->Cells(1, r).isEmpty()) << r;
      EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[r], 0)) << r;
    }
  }
  // Example 13 clears what example 12 stored.
  Klick("Beispiel_BitBtn");
  TippeFormel(QStringLiteral("K1+G2"));
  Taste(Qt::Key_Return);
  EXPECT_EQ(NachAnsi(Ergebnis()->text()),
            ExponentialText(ZKZahl(), General) + kTrenner + KomponentenText(ZKZahl(), General));
}

// A German user's session gives the same digits as one in the C locale.
TEST_F(RechenfeldTest, LocaleOfTheRunIsTheOneAskedFor) {
  if (!qEnvironmentVariable("LC_ALL").startsWith(QLatin1String("de_DE")))
    GTEST_SKIP() << "run without LC_ALL=de_DE";
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
}

}  // namespace
}  // namespace speicher_test
