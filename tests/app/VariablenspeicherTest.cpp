// SPDX-License-Identifier: GPL-3.0-or-later
// The variable memory on the real window: typing per keystroke, the
// reciprocal on the other side, emptying, drops, scrolling, and formulas
// reading what was typed.
#include "SpeicherFixture.h"
#include "logik/Formelergebnis.h"

namespace speicher_test {
namespace {

class VariablenspeicherTest : public SpeicherFixture {
 protected:
  QString FormelErgebnis(const QString& formel) {
    TippeFormel(formel);
    Taste(Qt::Key_Return);
    return Ergebnis()->text();
  }
  // Drops as the drag machinery does: on the centre of a cell, from a source.
  void LegeAb(TStringGrid* ziel, QWidget* quelle, int col, int row, const QString& text) {
    Zustand().SetzeKopie(text, std::nullopt);
    const QPoint p = ziel->CellRect(col, row).center();
    emit ziel->Ereignisse()->abgelegt(quelle, p);
  }
};

TEST_F(VariablenspeicherTest, TypedValueGivesReciprocalOnTheOtherSide) {
  TippeInZelle(K(), 1, 1, QStringLiteral("4"));
  EXPECT_EQ(K()->Cells(1, 1), QStringLiteral("4"));
  EXPECT_EQ(G()->Cells(1, 1), ExpZelle(0.25L));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[1], 4));

  // Blanks are the user's and stay in the cell.
  TippeInZelle(K(), 1, 2, QStringLiteral("3 + j4"));
  EXPECT_EQ(K()->Cells(1, 2), QStringLiteral("3 + j4"));
  const ZKZahl g2 = Wert(G()->Cells(1, 2));
  EXPECT_NEAR(static_cast<double>(g2.Betrag), 0.2, 1e-10);
  EXPECT_NEAR(static_cast<double>(g2.Winkel), -53.13, 0.005);

  // Typed into G: K is written, K's comment stays, and G keeps the typed
  // text (writing K started no computation back into G).
  K()->SetCell(2, 5, QStringLiteral("Motor"));
  TippeInZelle(G(), 1, 5, QStringLiteral("5"));
  EXPECT_EQ(G()->Cells(1, 5), QStringLiteral("5"));
  EXPECT_EQ(K()->Cells(1, 5), ExpZelle(0.2L));
  EXPECT_EQ(K()->Cells(2, 5), QStringLiteral("Motor"));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[5], 0.2L));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::G)[5], 5));

  // A comment typed later leaves the typed G and its value alone (the K
  // text shows the angle with two decimals only).
  TippeInZelle(G(), 1, 8, QStringLiteral("2*e^j33,333333"));
  TippeInZelle(K(), 2, 8, QStringLiteral("Spule 1.2"));
  EXPECT_EQ(K()->Cells(2, 8), QStringLiteral("Spule 1.2"));
  EXPECT_EQ(G()->Cells(1, 8), QStringLiteral("2*e^j33,333333"));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::G)[8], Polar(2, 33.333333L)));
}

TEST_F(VariablenspeicherTest, PointShowsAsCommaWhileTypingAndTheCaretStays) {
  Waehle(K(), 1, 6);
  Tippe(QStringLiteral("12."));
  EXPECT_EQ(K()->Cells(1, 6), QStringLiteral("12,"));
  EXPECT_TRUE(K()->EditorMode());
  Tippe(QStringLiteral("5*e^j3.5"));
  EXPECT_EQ(K()->Cells(1, 6), QStringLiteral("12,5*e^j3,5"));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[6], Polar(12.5L, 3.5L)));
  // Escape leaves the editor and keeps the text.
  Taste(Qt::Key_Escape);
  EXPECT_FALSE(K()->EditorMode());
  EXPECT_EQ(K()->Cells(1, 6), QStringLiteral("12,5*e^j3,5"));

  TippeInZelle(G(), 1, 7, QStringLiteral("0.5"));
  EXPECT_EQ(G()->Cells(1, 7), QStringLiteral("0,5"));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[7], 2));
}

TEST_F(VariablenspeicherTest, ZeroShowsErrorAndMakesTheReciprocalUndefined) {
  TippeInZelle(K(), 1, 3, QStringLiteral("4"));
  TippeInZelle(K(), 1, 3, QStringLiteral("0"));
  EXPECT_EQ(G()->Cells(1, 3), QStringLiteral("ERROR"));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[3], 0));
  // Not the old 0.25: a formula using G3 must not get a stale number.
  EXPECT_FALSE(Zustand().Speicher().Werte(aufgabe::Seite::G)[3].IstEndlich());
  EXPECT_EQ(FormelErgebnis(QStringLiteral("G3+1")), QLatin1String(kNichtDefiniert));

  // The same from the G side, in the exponential form.
  TippeInZelle(G(), 1, 4, QStringLiteral("0*e^j45"));
  EXPECT_EQ(K()->Cells(1, 4), QStringLiteral("ERROR"));
  EXPECT_FALSE(Zustand().Speicher().Werte(aufgabe::Seite::K)[4].IstEndlich());
}

// A value the user can no longer see does not live on: formulas naming the
// row say which cell to correct instead of computing with the old value.
TEST_F(VariablenspeicherTest, UnreadableTextEmptiesTheOtherCellAndDropsTheValue) {
  TippeInZelle(K(), 1, 4, QStringLiteral("4"));
  TippeInZelle(K(), 1, 4, QStringLiteral("4x"));
  EXPECT_TRUE(G()->Cells(1, 4).isEmpty());
  EXPECT_EQ(K()->Cells(1, 4), QStringLiteral("4x"));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[4], 0));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::G)[4], 0));
  // The formula field learns of it (its messages are the formula logic's).
  EXPECT_EQ(FormelErgebnis(QStringLiteral("K4+1")),
            QStringLiteral("K4 enthält keine lesbare Zahl."));

  // Corrected, the row computes again.
  TippeInZelle(K(), 1, 4, QStringLiteral("2"));
  EXPECT_EQ(NachAnsi(FormelErgebnis(QStringLiteral("K4+G4"))), "2,5*e^j0,00  =  2,5");

  // 79 characters are read, the 80th makes the text unreadable; it is
  // never cut to something readable.
  Waehle(K(), 1, 8);
  Tippe(QStringLiteral("1") + QString(78, QLatin1Char('0')));
  EXPECT_FALSE(G()->Cells(1, 8).isEmpty());
  const ZKZahl gelesen = Zustand().Speicher().Werte(aufgabe::Seite::K)[8];
  EXPECT_NEAR(std::log10(static_cast<double>(gelesen.Realteil)), 78.0, 1e-9);
  Tippe(QStringLiteral("0"));
  EXPECT_TRUE(G()->Cells(1, 8).isEmpty());
  EXPECT_EQ(K()->Cells(1, 8).size(), 80);
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[8], 0));
  Taste(Qt::Key_Escape);
  EXPECT_EQ(FormelErgebnis(QStringLiteral("K8")), QStringLiteral("K8 enthält keine lesbare Zahl."));

  // A cell of blanks only is an emptied cell: zero, nothing to report.
  TippeInZelle(K(), 1, 9, QStringLiteral("3"));
  TippeInZelle(K(), 1, 9, QStringLiteral("   "));
  EXPECT_TRUE(G()->Cells(1, 9).isEmpty());
  EXPECT_EQ(NachAnsi(FormelErgebnis(QStringLiteral("K9+1"))), "1*e^j0,00  =  1");
}

TEST_F(VariablenspeicherTest, EveryWayOfEmptyingResetsTheVariables) {
  // Backspace over the last character.
  TippeInZelle(K(), 1, 5, QStringLiteral("7"));
  TippeInZelle(G(), 1, 6, QStringLiteral("8"));
  Waehle(K(), 1, 5);
  Taste(Qt::Key_F2);  // edit the cell's text instead of replacing it
  Taste(Qt::Key_End);
  Taste(Qt::Key_Backspace);
  Taste(Qt::Key_Escape);
  EXPECT_TRUE(K()->Cells(1, 5).isEmpty());
  EXPECT_TRUE(G()->Cells(1, 5).isEmpty());
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[5], 0));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::G)[5], 0));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[6], 0.125L));

  // A double click on the title K6= empties the row on both sides.
  K()->SetCell(2, 6, QStringLiteral("Kommentar sechs"));
  // As the window system sends it: the press that records the cell first.
  auto doppelklick = [this](int c, int r) {
    const QPoint p = K()->mapTo(&form1, K()->CellRect(c, r).center());
    QTest::mouseDClick(form1.windowHandle(), Qt::LeftButton, {}, p);
  };
  doppelklick(0, 6);
  EXPECT_TRUE(K()->Cells(1, 6).isEmpty());
  EXPECT_TRUE(K()->Cells(2, 6).isEmpty());
  EXPECT_TRUE(G()->Cells(1, 6).isEmpty());
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[6], 0));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::G)[6], 0));

  // After a press on the value column the double click changes nothing.
  TippeInZelle(K(), 1, 7, QStringLiteral("9"));
  doppelklick(1, 7);
  Taste(Qt::Key_Escape);
  EXPECT_EQ(K()->Cells(1, 7), QStringLiteral("9"));

  // "Löschen": No keeps everything, Yes empties every row and variable.
  K()->SetCell(2, 7, QStringLiteral("neun"));
  meldungen.Erwarte(IDNO);
  QTest::mouseClick(Element<TButton>("ClearVarSpeicher_Button"), Qt::LeftButton);
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_EQ(meldungen.gezeigt[0].text, QStringLiteral("Wollen Sie wirklich alles Löschen?"));
  EXPECT_EQ(meldungen.gezeigt[0].titel, QStringLiteral("Achtung!"));
  EXPECT_EQ(meldungen.gezeigt[0].flags, int(MB_YESNO));
  EXPECT_EQ(K()->Cells(1, 7), QStringLiteral("9"));
  EXPECT_FALSE(G()->Cells(1, 7).isEmpty());

  meldungen.Erwarte(IDYES);
  QTest::mouseClick(Element<TButton>("ClearVarSpeicher_Button"), Qt::LeftButton);
  for (int r = 1; r <= 20; ++r) {
    EXPECT_TRUE(K()->Cells(1, r).isEmpty() && K()->Cells(2, r).isEmpty()) << r;
    EXPECT_TRUE(G()->Cells(1, r).isEmpty()) << r;
  }
  EXPECT_EQ(K()->Cells(0, 7), QStringLiteral("K7="));
  EXPECT_EQ(K()->Cells(2, 0), QStringLiteral("Kommentar"));
  EXPECT_EQ(NachAnsi(FormelErgebnis(QStringLiteral("K7+G7+K6"))),
            ExponentialText(ZKZahl(), General) + kTrenner + KomponentenText(ZKZahl(), General));
}

TEST_F(VariablenspeicherTest, DropsWriteOnlyValueCellsFromOtherSources) {
  TLabel* xl = Element<TLabel>("XL_Label");
  LegeAb(K(), xl, 1, 3, QStringLiteral("3+j4"));
  EXPECT_EQ(K()->Cells(1, 3), QStringLiteral("3+j4"));
  EXPECT_TRUE(Nahe(Wert(G()->Cells(1, 3)), 1.0L / Komplex(3, 4), kWinkelGenau));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[3], Komplex(3, 4)));

  // Comment column, title column, heading row, and the grid onto itself.
  LegeAb(K(), xl, 2, 4, QStringLiteral("5"));
  LegeAb(K(), xl, 0, 4, QStringLiteral("5"));
  LegeAb(K(), xl, 1, 0, QStringLiteral("5"));
  LegeAb(K(), K(), 1, 4, QStringLiteral("5"));
  EXPECT_TRUE(K()->Cells(1, 4).isEmpty());
  EXPECT_TRUE(K()->Cells(2, 4).isEmpty());
  EXPECT_EQ(K()->Cells(0, 4), QStringLiteral("K4="));
  EXPECT_EQ(K()->Cells(1, 0), QStringLiteral("Kmoplexe Zahl"));
  EXPECT_TRUE(G()->Cells(1, 4).isEmpty());

  // Into G from the K memory; G onto itself changes nothing.
  LegeAb(G(), K(), 1, 9, QStringLiteral("2*e^j90"));
  EXPECT_EQ(G()->Cells(1, 9), QStringLiteral("2*e^j90"));
  EXPECT_TRUE(Nahe(Zustand().Speicher().Werte(aufgabe::Seite::K)[9], Polar(0.5L, -90)));
  LegeAb(G(), G(), 1, 10, QStringLiteral("5"));
  EXPECT_TRUE(G()->Cells(1, 10).isEmpty());
}

TEST_F(VariablenspeicherTest, TheGridsScrollTogether) {
  K()->SetTopRow(9);
  EXPECT_EQ(K()->TopRow(), 9);
  EXPECT_EQ(G()->TopRow(), 9);
  // Down to the last rows and back, from the other grid.
  G()->SetTopRow(20);
  EXPECT_EQ(K()->TopRow(), G()->TopRow());
  EXPECT_GT(K()->TopRow(), 9);
  G()->SetTopRow(1);
  EXPECT_EQ(K()->TopRow(), 1);
}

// Values typed into the memory in both forms and with both separators are
// the values formulas compute with.
TEST_F(VariablenspeicherTest, FormulasUseExactlyWhatWasTyped) {
  struct Eingabe {
    bool kSeite;
    int zeile;
    const char* text;
  };
  const Eingabe eingaben[] = {{true, 1, "3+j4"},       {true, 2, "2.5*e^j30"},
                              {true, 3, "-1,25-j0.5"}, {false, 4, "0,2*e^-j45,5"},
                              {false, 5, "4.75"},      {true, 6, "-j2"}};
  Komplex k[7], g[7];
  for (const Eingabe& e : eingaben) {
    TippeInZelle(e.kSeite ? K() : G(), 1, e.zeile, QLatin1String(e.text));
    ZKZahl wert;
    ASSERT_NE(LiesZKZahl(e.text, wert), ZKForm::Keine) << e.text;
    (e.kSeite ? k : g)[e.zeile] = AlsKomplex(wert);
    (e.kSeite ? g : k)[e.zeile] = 1.0L / AlsKomplex(wert);
  }
  struct Fall {
    const char* formel;
    Komplex soll;
  };
  const Fall faelle[] = {
      {"K1+K2*K3", k[1] + k[2] * k[3]},
      {"G1*G4-K5:K6", g[1] * g[4] - k[5] / k[6]},
      {"1:(G2+G3+G6)", 1.0L / (g[2] + g[3] + g[6])},
      {"(K4-2.5)*G5", (k[4] - 2.5L) * g[5]},
  };
  for (const Fall& f : faelle) {
    FormelErgebnis(QLatin1String(f.formel));
    EXPECT_TRUE(Nahe(Ergebniswert(), f.soll)) << f.formel;
  }
  for (int r = 1; r <= 6; ++r) {
    const bool kSeite = r != 4 && r != 5;
    EXPECT_TRUE(Nahe(Wert((kSeite ? G() : K())->Cells(1, r)), kSeite ? g[r] : k[r], kWinkelGenau))
        << r;
  }

  // A reciprocal written after switching the display format uses the new one.
  QTest::mouseClick(Element<TRadioButton>("Exponent_RadioButton"), Qt::LeftButton);
  TippeInZelle(K(), 1, 11, QStringLiteral("8"));
  EXPECT_EQ(G()->Cells(1, 11), ExpZelle(0.125L, Exponent));
}

}  // namespace
}  // namespace speicher_test
