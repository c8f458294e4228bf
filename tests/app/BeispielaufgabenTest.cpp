// SPDX-License-Identifier: GPL-3.0-or-later
// Example tasks: levels, cell texts, memo, and that the solve reproduces
// the known solution the memo lists.
#include <QRegularExpression>
#include <QScreen>
#include <cmath>
#include <cstdint>

#include "Fenster.h"

namespace {

class BeispielTest : public FensterTest {
 protected:
  void SetUp() override {
    FensterTest::SetUp();
    Seite(0);
    form1.Zustand().Beispiele().festerSamen = 4711;
  }
  void Klicke() { QTest::mouseClick(BeispielAufgaben_BitBtn(form1), Qt::LeftButton); }
};

TEST_F(BeispielTest, EachLevelIsSolvedToTheSolutionTheMemoLists) {
  const QRegularExpression ganzzahl(QStringLiteral("^\\d+$"));
  TStringGrid* m = MatrixTab_StringGrid(form1);
  TStringGrid* x = KxWerte_StringGrid(form1);
  for (int n : {1, 2, 4, 7}) {
    AnzahlMatrix_Edit(form1)->setText(QString::number(n));
    for (int stufe = 1; stufe <= 3; ++stufe) {
      SCOPED_TRACE(testing::Message() << "n=" << n << " Stufe " << stufe);
      form1.Zustand().Beispiele().festerSamen = 100u * n + stufe;
      Klicke();
      EXPECT_EQ(BeispielAufgaben_BitBtn(form1)->text(), QStringLiteral("Beispiel: %1").arg(stufe));
      EXPECT_TRUE(form2.isVisible());
      EXPECT_EQ(form2.windowTitle(), QStringLiteral("Beispielaufgabe: %1").arg(stufe));
      const QStringList zeilen = form2.Zeilen();
      ASSERT_EQ(zeilen.size(), 2 * n + 1);
      EXPECT_TRUE(zeilen[0].startsWith(QStringLiteral("GL1 : ")));
      EXPECT_TRUE(zeilen[0].endsWith(QStringLiteral(" * X%1").arg(n)));
      EXPECT_TRUE(zeilen[n].isEmpty());
      for (int i = 1; i <= n; ++i) {
        const QString prefix = QStringLiteral("X%1 = ").arg(i);
        const QString loesung = zeilen[n + i];
        ASSERT_TRUE(loesung.startsWith(prefix)) << loesung.toStdString();
        EXPECT_TRUE(loesung.contains(QStringLiteral("*e^"))) << loesung.toStdString();
        const ZKZahl bekannt = Wert(loesung.mid(prefix.size()));
        if (stufe == 1) {
          EXPECT_EQ(double(bekannt.Imaginaerteil), 0.0);
        }
        // Level 1 texts are exact integers; above, the grid holds right-hand
        // sides with angles rounded to 0.01 degree, so the solve is near.
        const ZKZahl geloest = Wert(x->Cells(2, i));
        const double tol = (stufe == 1 ? 1e-6 : 1e-2) * double(bekannt.Betrag);
        EXPECT_NEAR(double(geloest.Realteil), double(bekannt.Realteil), tol);
        EXPECT_NEAR(double(geloest.Imaginaerteil), double(bekannt.Imaginaerteil), tol);
      }
      for (int r = 1; r <= n; ++r)
        for (int c = 1; c <= n + 1; ++c) {
          const QString t = m->Cells(c, r);
          if (stufe == 1 || (stufe == 2 && c >= 2)) {
            EXPECT_TRUE(ganzzahl.match(t).hasMatch()) << t.toStdString();
          }
        }
    }
    EXPECT_EQ(form1.Zustand().Beispiele().system, 0);
  }
}

// The memo, the grid and the known solution describe one system: solving
// the grid gives the known solution to the digits shown, at every level and
// size, in both display formats.
TEST_F(BeispielTest, TheComputedSolutionIsTheKnownOne) {
  TStringGrid* m = MatrixTab_StringGrid(form1);
  TStringGrid* x = KxWerte_StringGrid(form1);
  for (TRadioButton* format : {General_RadioButton(form1), Exponent_RadioButton(form1)}) {
    QTest::mouseClick(format, Qt::LeftButton);
    for (int n : {1, 2, 5, 20}) {
      AnzahlMatrix_Edit(form1)->setText(QString::number(n));
      const std::uint32_t samen = format == General_RadioButton(form1) ? 12 : 3;
      for (std::uint32_t s = 1; s <= samen; ++s) {
        for (int stufe = 1; stufe <= 3; ++stufe) {
          SCOPED_TRACE(testing::Message() << format->text().toStdString() << " n=" << n << " Samen "
                                          << s << " Stufe " << stufe);
          form1.Zustand().Beispiele().festerSamen = 7919u * s + 31u * std::uint32_t(n) + stufe;
          Klicke();
          const QStringList zeilen = form2.Zeilen();
          ASSERT_EQ(zeilen.size(), 2 * n + 1);
          for (int r = 1; r <= n; ++r)
            EXPECT_TRUE(zeilen[r - 1].startsWith(
                QStringLiteral("GL%1 : %2  = ").arg(r).arg(m->Cells(1, r))))
                << zeilen[r - 1].toStdString();
          for (int i = 1; i <= n; ++i) {
            const QString prefix = QStringLiteral("X%1 = ").arg(i);
            const ZKZahl bekannt = Wert(zeilen[n + i].mid(prefix.size()));
            const ZKZahl geloest = Wert(x->Cells(2, i));
            const double abstand =
                std::hypot(double(geloest.Realteil - bekannt.Realteil),
                           double(geloest.Imaginaerteil - bekannt.Imaginaerteil));
            EXPECT_LE(abstand, 1e-9 * double(bekannt.Betrag))
                << "X" << i << " = " << x->Cells(2, i).toStdString() << ", bekannt "
                << zeilen[n + i].toStdString();
          }
        }
      }
    }
  }
}

TEST_F(BeispielTest, TheExampleWindowOpensBesideTheMainWindowAndComesToTheFrontEveryTime) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  Klicke();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form2));
  EXPECT_FALSE(form2.frameGeometry().intersects(form1.frameGeometry()));
  EXPECT_TRUE(form1.screen()->availableGeometry().contains(form2.frameGeometry()));
  form1.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
  Klicke();
  EXPECT_TRUE(QTest::qWaitForWindowActive(&form2));
}

TEST_F(BeispielTest, AFixedSeedRepeatsTheExampleAndTheLevelsCycle) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  Klicke();
  const QStringList erstes = form2.Zeilen();
  Klicke();
  Klicke();
  Klicke();
  EXPECT_EQ(BeispielAufgaben_BitBtn(form1)->text(), QStringLiteral("Beispiel: 1"));
  EXPECT_EQ(form2.Zeilen(), erstes);
}

TEST_F(BeispielTest, ExponentFormatWritesEveryTextInTheExponentForms) {
  QTest::mouseClick(Exponent_RadioButton(form1), Qt::LeftButton);
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  Klicke();
  EXPECT_TRUE(MatrixTab_StringGrid(form1)->Cells(2, 1).contains(QStringLiteral("E+")));
  EXPECT_TRUE(form2.Zeilen().last().contains(QStringLiteral("E+")));
}

}  // namespace
