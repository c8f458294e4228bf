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
    form1.Zustand.FesterZufallsSamen = 4711;
  }
  void Klicke() { QTest::mouseClick(form1.BeispielAufgaben_BitBtn, Qt::LeftButton); }
};

TEST_F(BeispielTest, EachLevelIsSolvedToTheSolutionTheMemoLists) {
  const QRegularExpression ganzzahl(QStringLiteral("^\\d+$"));
  TStringGrid* m = form1.MatrixTab_StringGrid;
  TStringGrid* x = form1.KxWerte_StringGrid;
  for (int n : {1, 2, 4, 7}) {
    form1.AnzahlMatrix_Edit->setText(QString::number(n));
    for (int stufe = 1; stufe <= 3; ++stufe) {
      SCOPED_TRACE(testing::Message() << "n=" << n << " Stufe " << stufe);
      form1.Zustand.FesterZufallsSamen = 100u * n + stufe;
      Klicke();
      EXPECT_EQ(form1.BeispielAufgaben_BitBtn->text(), QStringLiteral("Beispiel: %1").arg(stufe));
      EXPECT_TRUE(form2.isVisible());
      EXPECT_EQ(form2.windowTitle(), QStringLiteral("Beispielaufgabe: %1").arg(stufe));
      const QStringList zeilen = form2.Beispiel_Memo->Lines();
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
    EXPECT_EQ(form1.Zustand.BeispielZaehler, 0);
  }
}

// The memo, the grid and the known solution describe one system: solving
// the grid gives the known solution to the digits shown, at every level and
// size, in both display formats.
TEST_F(BeispielTest, TheComputedSolutionIsTheKnownOne) {
  TStringGrid* m = form1.MatrixTab_StringGrid;
  TStringGrid* x = form1.KxWerte_StringGrid;
  for (TRadioButton* format : {form1.General_RadioButton, form1.Exponent_RadioButton}) {
    QTest::mouseClick(format, Qt::LeftButton);
    for (int n : {1, 2, 5, 20}) {
      form1.AnzahlMatrix_Edit->setText(QString::number(n));
      const std::uint32_t samen = format == form1.General_RadioButton ? 12 : 3;
      for (std::uint32_t s = 1; s <= samen; ++s) {
        for (int stufe = 1; stufe <= 3; ++stufe) {
          SCOPED_TRACE(testing::Message() << format->text().toStdString() << " n=" << n << " Samen "
                                          << s << " Stufe " << stufe);
          form1.Zustand.FesterZufallsSamen = 7919u * s + 31u * std::uint32_t(n) + stufe;
          Klicke();
          const QStringList zeilen = form2.Beispiel_Memo->Lines();
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
  form1.AnzahlMatrix_Edit->setText(QStringLiteral("2"));
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
  form1.AnzahlMatrix_Edit->setText(QStringLiteral("2"));
  Klicke();
  const QStringList erstes = form2.Beispiel_Memo->Lines();
  Klicke();
  Klicke();
  Klicke();
  EXPECT_EQ(form1.BeispielAufgaben_BitBtn->text(), QStringLiteral("Beispiel: 1"));
  EXPECT_EQ(form2.Beispiel_Memo->Lines(), erstes);
}

TEST_F(BeispielTest, ExponentFormatWritesEveryTextInTheExponentForms) {
  QTest::mouseClick(form1.Exponent_RadioButton, Qt::LeftButton);
  form1.AnzahlMatrix_Edit->setText(QStringLiteral("2"));
  Klicke();
  EXPECT_TRUE(form1.MatrixTab_StringGrid->Cells(2, 1).contains(QStringLiteral("E+")));
  EXPECT_TRUE(form2.Beispiel_Memo->Lines().last().contains(QStringLiteral("E+")));
}

}  // namespace
