// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit page on the real window: typed key by key, handed to the
// matrix page and solved there; errors; the derivations on the matrix
// page; its results as drag and copy sources.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTableWidget>
#include <QTextBlock>

#include "ZiehFixture.h"
#include "app/Schaltungsseite.h"
#include "app/Zwischenablage.h"
#include "complex/ZKText.h"
#include "schaltung/Analyse.h"

namespace {

constexpr int kSchaltungsSeite = 4;

class SchaltungsseiteTest : public ZiehFixture {
 protected:
  TSchaltungsseite* S() { return form1.findChild<TSchaltungsseite*>(); }
  // Types the lines into the editor as keys, each line ended by Return.
  void TippeNetzliste(const QStringList& zeilen) {
    Seite(kSchaltungsSeite);
    S()->Editor->setFocus();
    for (const QString& z : zeilen) {
      QTest::keyClicks(S()->Editor, z);
      QTest::keyClick(S()->Editor, Qt::Key_Return);
    }
  }
};

TEST(Schaltungsseite, IsBuiltOnFirstShowOnly) {
  TForm1 f;
  auto* seite = f.findChild<TSchaltungsseite*>();
  ASSERT_NE(seite, nullptr);
  EXPECT_TRUE(seite->findChildren<QWidget*>().isEmpty());
  auto* notebook = f.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook"));
  EXPECT_EQ(notebook->tabText(notebook->indexOf(seite)), QStringLiteral("Schaltung"));
}

TEST_F(SchaltungsseiteTest, ATypedCircuitSolvedOnTheMatrixPageGivesThePagesAndTheProgramsValues) {
  const QStringList zeilen = {QStringLiteral("f = 50"), QStringLiteral("U1 1 0 230"),
                              QStringLiteral("R1 1 2 4,7k"), QStringLiteral("C1 2 0 2,2u"),
                              QStringLiteral("L1 2 0 1")};
  TippeNetzliste(zeilen);
  // The text is the model's at once; the analysis waits for a pause.
  Schaltungsfeld& feld = form1.Zustand().Schaltung();
  EXPECT_EQ(feld.Netzliste(), zeilen.join(u'\n') + u'\n');
  EXPECT_FALSE(feld.AnalyseAktuell());
  EXPECT_TRUE(QTest::qWaitFor([&feld] { return feld.AnalyseAktuell(); }, 5000));
  EXPECT_EQ(S()->Ergebnis_Tabelle->rowCount(), 4 + 2 + 1);  // elements, nodes, balance
  EXPECT_EQ(S()->Uebernehmen_Button->accessibleName(), QStringLiteral("In Matrix übernehmen"));
  QTest::mouseClick(S()->Uebernehmen_Button, Qt::LeftButton);
  ASSERT_EQ(TabbedNotebook(form1)->currentIndex(), 0);
  QTest::mouseClick(Berechnen_BitBtn(form1), Qt::LeftButton);

  // The core as the command-line program runs it, on the same text.
  const NetzlistenErgebnis n = LiesNetzliste(zeilen.join(u'\n').toStdString());
  const Schaltungssystem g = StelleAuf(n.schaltung, Verfahren::Knoten).system;
  const Ergebnis programm = Loese(n.schaltung, g);
  const Ergebnis& seite = form1.Zustand().Schaltung().Analyse().ergebnis;
  ASSERT_EQ(g.n, 3);
  for (int i = 0; i < g.n; ++i) {
    const QString text = KxWerte_StringGrid(form1)->Cells(1, i + 1);
    EXPECT_EQ(text, AusAnsi(ExponentialText(programm.loesung[std::size_t(i)], General)));
    EXPECT_EQ(text, AusAnsi(ExponentialText(seite.loesung[std::size_t(i)], General)));
  }

  // A chosen cell says where it comes from, also as its tip; typing over
  // it takes that away.
  TStringGrid* grid = MatrixTab_StringGrid(form1);
  const QString y22 = form1.Zustand().System().Herleitung(2, 3);
  EXPECT_TRUE(y22.startsWith(QStringLiteral("Y₂₂ = 1/R1 + jωC1 + 1/(jωL1) = ")))
      << y22.toStdString();
  EXPECT_EQ(grid->model()->index(1, 2).data(Qt::ToolTipRole).toString(), y22);
  grid->setCurrentIndex(grid->model()->index(1, 2));
  auto* zeile = form1.findChild<QStatusBar*>();
  EXPECT_EQ(zeile->currentMessage(), y22);
  grid->model()->setData(grid->model()->index(1, 2), QStringLiteral("1"));
  EXPECT_TRUE(form1.Zustand().System().Herleitung(2, 3).isEmpty());
  EXPECT_TRUE(zeile->currentMessage().isEmpty());
}

TEST_F(SchaltungsseiteTest, ANetlistErrorIsUnderlinedWithItsMessageAndNeverReachesTheMatrix) {
  Seite(0);
  const QStringList vorher = Schnappschuss();
  TippeNetzliste({QStringLiteral("U1 1 0 10"), QStringLiteral("R1 1 2 -5")});
  S()->AnalysiereJetzt();
  EXPECT_TRUE(S()->Meldung_Label->text().startsWith(QStringLiteral("Zeile 2:")));
  ASSERT_EQ(S()->Editor->extraSelections().size(), 1);
  EXPECT_EQ(S()->Editor->extraSelections().front().cursor.block().blockNumber(), 1);
  QTest::mouseClick(S()->Uebernehmen_Button, Qt::LeftButton);
  EXPECT_EQ(TabbedNotebook(form1)->currentIndex(), kSchaltungsSeite);
  EXPECT_EQ(Schnappschuss(), vorher);
}

TEST_F(SchaltungsseiteTest, AResultIsDraggedAndCopiedAsTheProgramsNumberText) {
  Seite(kSchaltungsSeite);
  S()->LadeBeispiel(0);  // the voltage divider: U(R2) = 8 V
  QTableWidget* t = S()->Ergebnis_Tabelle;
  EXPECT_EQ(t->item(2, 1)->text(), QStringLiteral("8 V ∠ 0,0°"));
  const QRect zelle = t->visualItemRect(t->item(2, 1));
  Ziehe({t->viewport(), zelle.center(), kSchaltungsSeite},
        Zelle(Variablen_StringGrid(form1), 1, 1, kUeberall));
  EXPECT_EQ(form1.Zustand().Speicher().Text(aufgabe::Seite::K, 1), QStringLiteral("8*e^j0,00"));
  t->setCurrentCell(2, 1);
  t->setFocus();
  QTest::keySequence(t, QKeySequence::Copy);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("8*e^j0,00"));
  ASSERT_TRUE(WertInZwischenablage());
  EXPECT_EQ(WertInZwischenablage()->Realteil, 8.0L);
}

}  // namespace
