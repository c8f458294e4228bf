// SPDX-License-Identifier: GPL-3.0-or-later
// The matrix page: dimension, typing, solving, bad cells, clearing, and the
// road of a typical request from the up-down to a dragged result.
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

#include "Fenster.h"

namespace {

class MatrixSeiteTest : public FensterTest {
 protected:
  void SetUp() override {
    FensterTest::SetUp();
    Seite(0);
  }
  TStringGrid* M() { return MatrixTab_StringGrid(form1); }
  TStringGrid* X() { return KxWerte_StringGrid(form1); }
  void Fuelle(std::initializer_list<std::initializer_list<const char*>> zeilen) {
    int r = 1;
    for (auto zeile : zeilen) {
      int c = 1;
      for (const char* t : zeile) M()->SetCell(c++, r, QString::fromUtf8(t));
      ++r;
    }
  }
  void Rechne() { QTest::mouseClick(Berechnen_BitBtn(form1), Qt::LeftButton); }
  void TippeDimension(const QString& text) {
    AnzahlMatrix_Edit(form1)->setFocus();
    AnzahlMatrix_Edit(form1)->selectAll();
    Tippe(text);
  }
};

TEST_F(MatrixSeiteTest, RoadOfATypicalRequestFromTheUpDownToADraggedResult) {
  QTest::mouseClick(AnzahlMatrix_UpDown(form1)->Ab(), Qt::LeftButton);
  EXPECT_EQ(AnzahlMatrix_Edit(form1)->text(), QStringLiteral("2"));
  EXPECT_EQ(M()->RowCount(), 3);
  EXPECT_EQ(M()->ColCount(), 4);
  EXPECT_EQ(M()->Cells(3, 0), QStringLiteral("Koeffizient von X2"));

  KlickeZelle(M(), 1, 1);
  Tippe(QStringLiteral("5\t1\t1\t1\t1\t-1"));
  EXPECT_EQ(M()->Cells(1, 1), QStringLiteral("5"));
  EXPECT_EQ(M()->Cells(3, 2), QStringLiteral("-1"));
  Rechne();
  ErwarteWert(X()->Cells(1, 1), 3, 0);
  ErwarteWert(X()->Cells(2, 1), 3, 0);
  ErwarteWert(X()->Cells(1, 2), 2, 0);
  ErwarteWert(X()->Cells(2, 2), 2, 0);
  EXPECT_TRUE(X()->Cells(1, 1).contains(QStringLiteral("*e^j")));
  EXPECT_EQ(X()->Cells(2, 1), QStringLiteral("3"));

  // Right-button drag of X1 onto the first coefficient of equation 1.
  QTest::mousePress(X()->viewport(), Qt::RightButton, {}, Mitte(X(), 2, 1));
  EXPECT_EQ(form1.Zustand().KopierText(), QStringLiteral("3"));
  QTest::mouseMove(M()->viewport(), Mitte(M(), 2, 1));
  QTest::mouseRelease(M()->viewport(), Qt::RightButton, {}, Mitte(M(), 2, 1));
  EXPECT_EQ(M()->Cells(2, 1), QStringLiteral("3"));
  EXPECT_TRUE(X()->Cells(2, 1).isEmpty()) << "results belong to the old matrix";
}

TEST_F(MatrixSeiteTest, DimensionEditClampsFiltersAndIgnoresAnEmptyText) {
  TippeDimension(QStringLiteral("0"));
  EXPECT_EQ(AnzahlMatrix_Edit(form1)->text(), QStringLiteral("1"));
  TippeDimension(QStringLiteral("25"));
  EXPECT_EQ(AnzahlMatrix_Edit(form1)->text(), QStringLiteral("20"));
  EXPECT_EQ(M()->RowCount(), 21);
  TippeDimension(QStringLiteral("x-4"));
  EXPECT_EQ(AnzahlMatrix_Edit(form1)->text(), QStringLiteral("4"));
  EXPECT_EQ(AnzahlMatrix_UpDown(form1)->Position(), 4);
  TippeDimension(QStringLiteral("\b"));
  Taste(Qt::Key_Backspace);
  EXPECT_TRUE(AnzahlMatrix_Edit(form1)->text().isEmpty());
  EXPECT_EQ(M()->RowCount(), 5);
  EXPECT_EQ(AnzahlMatrix_UpDown(form1)->Position(), 4);
}

// Lowering the dimension removes the current cell; its neighbour must not
// open an editor, take the focus and be overwritten by the next keys.
TEST_F(MatrixSeiteTest, ChangingTheDimensionKeepsTheFocusAndEveryCell) {
  KlickeZelle(M(), 2, 1);
  Tippe(QStringLiteral("11\t22\t33"));
  ASSERT_EQ(M()->Col(), 4);
  QTest::mouseClick(AnzahlMatrix_Edit(form1), Qt::LeftButton);
  Taste(Qt::Key_End);
  Taste(Qt::Key_Backspace);
  Tippe(QStringLiteral("2"));
  EXPECT_EQ(form1.Zustand().System().Dimension(), 2);
  EXPECT_EQ(QApplication::focusWidget(), AnzahlMatrix_Edit(form1));
  EXPECT_FALSE(M()->EditorMode());
  Taste(Qt::Key_Backspace);
  Tippe(QStringLiteral("4"));
  EXPECT_EQ(AnzahlMatrix_Edit(form1)->text(), QStringLiteral("4"));
  EXPECT_EQ(QApplication::focusWidget(), AnzahlMatrix_Edit(form1));
  EXPECT_EQ(M()->Cells(2, 1), QStringLiteral("11"));
  EXPECT_EQ(M()->Cells(3, 1), QStringLiteral("22"));
  EXPECT_EQ(M()->Cells(4, 1), QStringLiteral("33"));

  // A removed row: 20 -> 2 with the typed cell in row 20.
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("20"));
  M()->SetTopRow(17);
  KlickeZelle(M(), 2, 20);
  Tippe(QStringLiteral("5*e^j53.13"));
  QTest::mouseClick(AnzahlMatrix_Edit(form1), Qt::LeftButton);
  Taste(Qt::Key_End);
  Taste(Qt::Key_Backspace);
  Taste(Qt::Key_Backspace);
  Tippe(QStringLiteral("2"));
  EXPECT_EQ(form1.Zustand().System().Dimension(), 2);
  Tippe(QStringLiteral("0"));
  EXPECT_EQ(M()->Cells(2, 20), QStringLiteral("5*e^j53,13"));
  EXPECT_EQ(M()->Cells(2, 2), QString());
  EXPECT_EQ(AnzahlMatrix_Edit(form1)->text(), QStringLiteral("20"));
  EXPECT_EQ(QApplication::focusWidget(), AnzahlMatrix_Edit(form1));
}

// The up-down takes no focus: an editor in a cell that stays keeps it and
// typing goes on there; an editor in a removed cell closes, nothing opens.
TEST_F(MatrixSeiteTest, TheUpDownLeavesTheCellEditorWhereItWas) {
  KlickeZelle(M(), 2, 1);
  Tippe(QStringLiteral("7"));
  QTest::mouseClick(AnzahlMatrix_UpDown(form1)->Auf(), Qt::LeftButton);
  EXPECT_EQ(form1.Zustand().System().Dimension(), 4);
  EXPECT_TRUE(M()->EditorMode());
  QTest::mouseClick(AnzahlMatrix_UpDown(form1)->Ab(), Qt::LeftButton);
  QTest::mouseClick(AnzahlMatrix_UpDown(form1)->Ab(), Qt::LeftButton);
  EXPECT_EQ(form1.Zustand().System().Dimension(), 2);
  EXPECT_TRUE(M()->EditorMode());
  Tippe(QStringLiteral("8"));
  EXPECT_EQ(M()->Cells(2, 1), QStringLiteral("78"));

  Tippe(QStringLiteral("\t9"));
  ASSERT_EQ(M()->Col(), 3);
  QTest::mouseClick(AnzahlMatrix_UpDown(form1)->Ab(), Qt::LeftButton);
  EXPECT_EQ(form1.Zustand().System().Dimension(), 1);
  EXPECT_FALSE(M()->EditorMode());
  EXPECT_EQ(QApplication::focusWidget(), M());
  EXPECT_EQ(M()->Cells(2, 1), QStringLiteral("78"));
  EXPECT_EQ(form1.Zustand().System().Zelle(1, 3), QStringLiteral("9"));
}

// The dimension edit's key filter lets the standard shortcuts through;
// pasted text passes the filter as typed text does.
TEST_F(MatrixSeiteTest, TheDimensionEditKeepsTheStandardShortcuts) {
  TEdit* e = AnzahlMatrix_Edit(form1);
  auto kuerzel = [&](Qt::Key k) { QTest::keyClick(form1.windowHandle(), k, Qt::ControlModifier); };
  QTest::mouseClick(e, Qt::LeftButton);
  kuerzel(Qt::Key_A);
  Tippe(QStringLiteral("5"));
  EXPECT_EQ(e->text(), QStringLiteral("5"));
  EXPECT_EQ(form1.Zustand().System().Dimension(), 5);
  kuerzel(Qt::Key_A);
  kuerzel(Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("5"));
  kuerzel(Qt::Key_X);
  EXPECT_TRUE(e->text().isEmpty());
  kuerzel(Qt::Key_Z);
  EXPECT_EQ(e->text(), QStringLiteral("5"));

  QApplication::clipboard()->setText(QStringLiteral("1x2.\n"));
  kuerzel(Qt::Key_A);
  kuerzel(Qt::Key_V);
  EXPECT_EQ(e->text(), QStringLiteral("12"));
  EXPECT_EQ(form1.Zustand().System().Dimension(), 12);
  QApplication::clipboard()->setText(QStringLiteral("abc"));
  kuerzel(Qt::Key_A);
  kuerzel(Qt::Key_V);
  EXPECT_EQ(e->text(), QStringLiteral("12"));

  // The context menu's paste goes through the same filter.
  QApplication::clipboard()->setText(QStringLiteral("-7"));
  e->selectAll();
  QMenu* menue = Kontextmenue(e);
  ASSERT_NE(menue, nullptr);
  QAction* einfuegen = nullptr;
  for (QAction* a : menue->actions())
    if (a->text().startsWith(QStringLiteral("Einf&ügen"))) einfuegen = a;
  ASSERT_NE(einfuegen, nullptr);
  einfuegen->trigger();
  menue->close();
  EXPECT_EQ(e->text(), QStringLiteral("7"));
  EXPECT_EQ(form1.Zustand().System().Dimension(), 7);
}

TEST_F(MatrixSeiteTest, ANonIntegerDimensionIsReportedAndChangesNothing) {
  meldungen.Erwarte();
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("abc"));  // pasted
  EXPECT_EQ(form1.Zustand().System().Dimension(), 3);
  meldungen.Erwarte();
  Rechne();
  meldungen.Erwarte();
  QTest::mouseClick(BeispielAufgaben_BitBtn(form1), Qt::LeftButton);
  EXPECT_EQ(form1.Zustand().Beispiele().system, 0);
  EXPECT_EQ(M()->RowCount(), 4);
  ASSERT_EQ(meldungen.gezeigt.size(), 3u);
  EXPECT_EQ(meldungen.gezeigt[1].titel, QStringLiteral("Falscheingabe!"));
}

TEST_F(MatrixSeiteTest, TypedPointsBecomeCommasAsTheyAreTyped) {
  KlickeZelle(M(), 2, 1);
  Tippe(QStringLiteral("1.2.3"));
  EXPECT_EQ(M()->Cells(2, 1), QStringLiteral("1,2,3"));
  EXPECT_TRUE(M()->EditorMode());
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->cursorPosition(), 5);
  // Pasted in one step: only the first point.
  QApplication::clipboard()->setText(QStringLiteral("1.2.3"));
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(M()->Cells(2, 1), QStringLiteral("1,2.3"));
}

TEST_F(MatrixSeiteTest, TheFirstBadCellInRowOrderIsReportedSelectedAndFocused) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  Fuelle({{"5", "1", "x"}, {"1", "", "-1"}});
  X()->SetCell(1, 1, QStringLiteral("alt"));
  meldungen.Erwarte();
  Rechne();
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_EQ(meldungen.gezeigt[0].text, QStringLiteral("Fehlerhafte Eingabe in Zelle( 1 , 3 )"));
  EXPECT_EQ(meldungen.gezeigt[0].titel, QStringLiteral("Falscheingabe!"));
  EXPECT_EQ(M()->Col(), 3);
  EXPECT_EQ(M()->Row(), 1);
  EXPECT_TRUE(M()->hasFocus() || M()->isAncestorOf(QApplication::focusWidget()));
  EXPECT_EQ(X()->Cells(1, 1), QStringLiteral("alt"));
}

TEST_F(MatrixSeiteTest, OverlongCellsAreBadCellsNeverCut) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("1"));
  Fuelle({{"2", "1"}});
  M()->SetCell(2, 1, QString(254, QLatin1Char('0')) + QStringLiteral("1"));  // 255: fits
  Rechne();
  ErwarteWert(X()->Cells(2, 1), 2, 0);
  M()->SetCell(2, 1, QString(255, QLatin1Char('0')) + QStringLiteral("1"));  // 256: does not
  meldungen.Erwarte();
  Rechne();
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_EQ(meldungen.gezeigt[0].text, QStringLiteral("Fehlerhafte Eingabe in Zelle( 1 , 2 )"));
}

TEST_F(MatrixSeiteTest, ASystemWithoutAUniqueSolutionIsReportedWithEmptyResults) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  Fuelle({{"1", "1", "1"}, {"2", "2", "2"}});
  X()->SetCell(2, 1, QStringLiteral("alt"));
  meldungen.Erwarte();
  Rechne();
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_EQ(meldungen.gezeigt[0].text,
            QStringLiteral("Das Gleichungssystem hat keine eindeutige Lösung."));
  EXPECT_EQ(meldungen.gezeigt[0].titel, QStringLiteral("Achtung!"));
  EXPECT_TRUE(X()->Cells(2, 1).isEmpty());
}

TEST_F(MatrixSeiteTest, AnIllConditionedSystemIsReportedWithEmptyResults) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("3"));
  // X3 = 1/3, but X2 is about 1e20 and X1 nearly its negative: what cancels
  // is beyond what the arithmetic can carry.
  Fuelle({{"2", "-6", "-7", "0"}, {"6", "0", "5e-20", "4,1"}, {"3", "-6", "-7", "3"}});
  X()->SetCell(2, 1, QStringLiteral("alt"));
  meldungen.Erwarte();
  Rechne();
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_EQ(meldungen.gezeigt[0].text,
            QStringLiteral("Das Gleichungssystem ist schlecht konditioniert; die Lösung ist nicht "
                           "genau bestimmbar."));
  EXPECT_EQ(meldungen.gezeigt[0].titel, QStringLiteral("Achtung!"));
  EXPECT_TRUE(X()->Cells(2, 1).isEmpty());
}

TEST_F(MatrixSeiteTest, ComplexCoefficientsInBothFormsAreSolved) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  // (1+j)X1 + X2 = 3+j ; X1 - jX2 = 1-j  ->  X1 = 1, X2 = 2
  Fuelle({{"3+j1", "1+j1", "1"}, {"1-j2", "1*e^j0", "-j1"}});
  Rechne();
  ErwarteWert(X()->Cells(2, 1), 1, 0);
  ErwarteWert(X()->Cells(2, 2), 2, 0);
}

// Moving through the grid, choosing a block and copying keep the solution;
// a changed cell empties it.
TEST_F(MatrixSeiteTest, NavigationKeysKeepTheResultsAChangedCellEmptiesThem) {
  Fuelle({{"5", "1", "1"}, {"1", "1", "-1"}, {"3", "1", "0"}});
  X()->SetCell(1, 2, QStringLiteral("alt"));
  Waehle(M(), 2, 2);
  const std::pair<Qt::Key, Qt::KeyboardModifiers> wege[] = {{Qt::Key_Down, {}},
                                                            {Qt::Key_Up, {}},
                                                            {Qt::Key_Right, {}},
                                                            {Qt::Key_Left, {}},
                                                            {Qt::Key_Home, {}},
                                                            {Qt::Key_End, {}},
                                                            {Qt::Key_PageDown, {}},
                                                            {Qt::Key_PageUp, {}},
                                                            {Qt::Key_Tab, {}},
                                                            {Qt::Key_Backtab, {}},
                                                            {Qt::Key_Down, Qt::ShiftModifier},
                                                            {Qt::Key_C, Qt::ControlModifier}};
  for (bool editor : {false, true}) {
    KlickeZelle(M(), 2, 2);
    if (!editor) {
      Taste(Qt::Key_Escape);
      Waehle(M(), 2, 2);
    }
    ASSERT_EQ(M()->EditorMode(), editor);
    for (const auto& [taste, mit] : wege) {
      QTest::keyClick(QApplication::focusWidget(), taste, mit);
      EXPECT_EQ(X()->Cells(1, 2), QStringLiteral("alt")) << taste << " editor " << editor;
    }
  }
  Waehle(M(), 2, 2);
  Tippe(QStringLiteral("7"));
  EXPECT_TRUE(X()->Cells(1, 2).isEmpty());
  // The design's own way: a click on the inductive calculator's box.
  X()->SetCell(1, 2, QStringLiteral("alt"));
  Seite(1);
  QTest::mouseClick(ExpotentialForm_GroupBox2(form1), Qt::LeftButton, {}, QPoint(3, 60));
  EXPECT_TRUE(X()->Cells(1, 2).isEmpty());
}

TEST_F(MatrixSeiteTest, ClearingAsksAndEmptiesOnlyTheCurrentSize) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("4"));
  M()->SetCell(5, 4, QStringLiteral("aussen"));
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  Fuelle({{"5", "1", "1"}, {"1", "1", "-1"}});
  meldungen.Erwarte(IDNO);
  QTest::mouseClick(Clear_Tabelle_Button(form1), Qt::LeftButton);
  EXPECT_EQ(M()->Cells(1, 1), QStringLiteral("5"));
  meldungen.Erwarte(IDYES);
  QTest::mouseClick(Clear_Tabelle_Button(form1), Qt::LeftButton);
  EXPECT_TRUE(M()->Cells(1, 1).isEmpty());
  EXPECT_TRUE(M()->Cells(3, 2).isEmpty());
  EXPECT_EQ(M()->Cells(0, 1), QStringLiteral("GL 1:"));
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("4"));
  EXPECT_EQ(M()->Cells(5, 4), QStringLiteral("aussen"));
  EXPECT_EQ(meldungen.gezeigt[0].text, QStringLiteral("Wollen Sie wirklich die Tabelle Löschen?"));
}

TEST_F(MatrixSeiteTest, TheResultGridTakesOnlyArrowKeys) {
  X()->SetCell(1, 1, QStringLiteral("3"));
  Waehle(X(), 1, 1);
  Tippe(QStringLiteral("9"));
  Taste(Qt::Key_Delete);
  EXPECT_EQ(X()->Cells(1, 1), QStringLiteral("3"));
  Taste(Qt::Key_Down);
  EXPECT_EQ(X()->Row(), 2);
  Taste(Qt::Key_Tab);
  EXPECT_EQ(X()->Col(), 1);
  EXPECT_EQ(X()->Row(), 2);
}

}  // namespace
