// The framework behaviours the windows rely on, on the real Qt widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <stdexcept>

#include "Anwendung.h"
#include "Formular.h"
#include "Meldungen.h"
#include "Steuerelemente.h"
#include "StringGrid.h"

namespace {

class FormularTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.setGeometry(50, 50, 500, 300);
    grid = new TStringGrid(&form, 4, 4, 1, 1, {.Editieren = true, .ImmerEditor = true});
    grid->setGeometry(10, 10, 300, 150);
    quelle = new TLabel(&form, QStringLiteral("Quelle"));
    quelle->setGeometry(320, 10, 100, 30);
    ziel = new TEdit(&form);
    ziel->setGeometry(320, 60, 100, 30);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }

  void KlickeZelle(int c, int r) {
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->viewport()->mapFrom(grid, grid->CellRect(c, r).center()));
  }

  TForm form;
  TStringGrid* grid;
  TLabel* quelle;
  TEdit* ziel;
};

TEST_F(FormularTest, GridKeepsTextOutsideItsCountsAndShowsItAgain) {
  grid->SetCell(3, 3, QStringLiteral("drei"));
  grid->SetCell(0, 3, QStringLiteral("Zeile 3"));
  grid->SetRowCount(2);
  grid->SetColCount(2);
  EXPECT_EQ(grid->model()->rowCount(), 1);
  EXPECT_EQ(grid->Cells(3, 3), QStringLiteral("drei"));
  grid->SetRowCount(4);
  grid->SetColCount(4);
  EXPECT_EQ(grid->model()->index(2, 2).data().toString(), QStringLiteral("drei"));
  EXPECT_EQ(grid->model()->headerData(2, Qt::Vertical).toString(), QStringLiteral("Zeile 3"));
}

TEST_F(FormularTest, ColumnWidthsExcludeTheGridLine) {
  grid->SetColWidths(1, 100);
  grid->SetColWidths(0, 40);
  EXPECT_EQ(grid->CellRect(1, 1).width(), 101);
  EXPECT_EQ(grid->CellRect(0, 1).width(), 41);
  int c = -1, r = -1;
  const QRect zelle = grid->CellRect(2, 0);
  grid->MouseToCell(zelle.center().x(), zelle.center().y(), c, r);
  EXPECT_EQ(c, 2);
  EXPECT_EQ(r, 0);
}

TEST_F(FormularTest, SetEditTextFollowsEveryKeystrokeAndARewriteKeepsTheCaret) {
  QStringList gemeldet;
  grid->OnSetEditText = [&](int c, int r, const QString& text) {
    gemeldet << QStringLiteral("%1,%2:%3|%4").arg(c).arg(r).arg(text, grid->Cells(c, r));
    QString t = grid->Cells(c, r);
    if (const auto p = t.indexOf(QLatin1Char('.')); p >= 0) {
      t[p] = QLatin1Char(',');
      grid->SetCell(c, r, t);
    }
  };
  KlickeZelle(2, 1);
  grid->SetEditorMode(true);
  ASSERT_TRUE(grid->EditorMode());
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->setCursorPosition(1);
  QTest::keyClick(editor, '.');
  EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("1,2"));
  EXPECT_EQ(editor->text(), QStringLiteral("1,2"));
  EXPECT_EQ(editor->cursorPosition(), 2);
  EXPECT_EQ(gemeldet, QStringList({"2,1:1|1", "2,1:12|12", "2,1:1.2|1.2"}));
  grid->SetEditorMode(false);
  EXPECT_FALSE(grid->EditorMode());
  EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("1,2"));
}

TEST_F(FormularTest, KeyPreviewSeesEachKeyOnceBeforeTheControl) {
  QString reihenfolge;
  form.KeyPreview = true;
  form.OnKeyPress = [&](QChar& k) { reihenfolge += QStringLiteral("F") + k; };
  ziel->OnKeyPress = [&](QChar& k) {
    reihenfolge += QStringLiteral("E") + k;
    if (k == QLatin1Char('.')) k = QLatin1Char(',');  // delivered again, changed
  };
  ziel->setFocus();
  QTest::keyClick(form.windowHandle(), 'a');
  QTest::keyClick(form.windowHandle(), '.');
  // Escape is ignored by the edit and travels on to the parents.
  QTest::keyClick(form.windowHandle(), Qt::Key_Escape);
  EXPECT_EQ(reihenfolge, QStringLiteral("FaEaF.E.F\x1b"
                                        "E\x1b"));
  EXPECT_EQ(ziel->text(), QStringLiteral("a,"));
}

TEST_F(FormularTest, RightButtonDragAsksTheTargetAndDropsInItsCoordinates) {
  int gestartet = 0, gefragt = 0;
  QPoint abgelegt(-1, -1);
  QWidget* abgelegtVon = nullptr;
  quelle->OnMouseDown = [&](Qt::MouseButton b, Qt::KeyboardModifiers, int, int) {
    if (b != Qt::RightButton) return;
    ++gestartet;
    quelle->BeginDrag();
  };
  bool annehmen = false;
  ziel->OnDragOver = [&](QWidget* q, int, int, bool& a) {
    ++gefragt;
    a = annehmen && q == quelle;
  };
  ziel->OnDragDrop = [&](QWidget* q, int x, int y) {
    abgelegtVon = q;
    abgelegt = QPoint(x, y);
  };

  // Refused: no drop.
  QTest::mousePress(quelle, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_TRUE(form.Ziehen().Aktiv());
  QTest::mouseMove(ziel, QPoint(10, 10));
  QTest::mouseRelease(ziel, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_FALSE(form.Ziehen().Aktiv());
  EXPECT_GT(gefragt, 0);
  EXPECT_EQ(abgelegtVon, nullptr);

  annehmen = true;
  QTest::mousePress(quelle, Qt::RightButton, {}, QPoint(5, 5));
  // The context menu that follows the press belongs to the drag.
  int menues = 0;
  quelle->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(quelle, &QWidget::customContextMenuRequested, [&] { ++menues; });
  QContextMenuEvent menue(QContextMenuEvent::Mouse, QPoint(5, 5),
                          quelle->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(quelle, &menue);
  EXPECT_EQ(menues, 0);
  QTest::mouseMove(ziel, QPoint(7, 9));
  QTest::mouseRelease(ziel, Qt::RightButton, {}, QPoint(7, 9));
  EXPECT_EQ(gestartet, 2);
  EXPECT_EQ(abgelegtVon, quelle);
  EXPECT_EQ(abgelegt, QPoint(7, 9));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(FormularTest, ARightClickThatStaysOnTheSourceOpensItsMenu) {
  quelle->OnMouseDown = [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    quelle->BeginDrag();
  };
  quelle->OnDragOver = [&](QWidget* q, int, int, bool& a) { a = q == quelle; };
  QMenu menue;
  menue.addAction(QStringLiteral("Kopieren"));
  quelle->PopupMenu = &menue;
  QTest::mousePress(quelle, Qt::RightButton, {}, QPoint(5, 5));
  QTest::mouseMove(ziel, QPoint(5, 5));
  QTest::mouseRelease(ziel, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_FALSE(menue.isVisible());
  QTest::mousePress(quelle, Qt::RightButton, {}, QPoint(5, 5));
  QTest::mouseRelease(quelle, Qt::RightButton, {}, QPoint(5, 5));
  EXPECT_TRUE(menue.isVisible());
  menue.close();
}

TEST_F(FormularTest, ProgramTextGoesPastTheTypingLimitTypedTextDoesNot) {
  ziel->SetMaxLength(5);
  ziel->SetText(QStringLiteral("1234567"));
  EXPECT_EQ(ziel->text(), QStringLiteral("1234567"));
  ziel->setFocus();
  ziel->setCursorPosition(3);
  QTest::keyClick(ziel, 'x');
  EXPECT_EQ(ziel->text(), QStringLiteral("1234567"));
  // Shortening lowers the limit with the text, and leaves the caret.
  QTest::keyClick(ziel, Qt::Key_Backspace);
  EXPECT_EQ(ziel->cursorPosition(), 2);
  QTest::keyClick(ziel, 'x');
  EXPECT_EQ(ziel->text(), QStringLiteral("124567"));
  ziel->SetText(QStringLiteral("12"));
  QTest::keyClicks(ziel, QStringLiteral("abcde"));
  EXPECT_EQ(ziel->text(), QStringLiteral("12abc"));
}

TEST_F(FormularTest, CtrlCComesBeforeTheKeyHandlersCtrlVIsTypedIntoTheCell) {
  QStringList gemeldet;
  grid->OnKeyDown = [&](int& k) {
    gemeldet << QStringLiteral("down");
    k = 0;  // refuses every key, as a read-only grid does
  };
  grid->OnKopieren = [&](int c, int r) {
    gemeldet << QStringLiteral("kopieren %1,%2").arg(c).arg(r);
  };
  grid->OnSetEditText = [&](int c, int r, const QString& t) {
    gemeldet << QStringLiteral("%1,%2:%3").arg(c).arg(r).arg(t);
  };
  grid->SetCell(2, 1, QStringLiteral("alt"));
  grid->setFocus();
  grid->SetCol(2);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  QApplication::clipboard()->setText(QStringLiteral("neu"));
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);  // refused by OnKeyDown
  EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("alt"));
  grid->OnKeyDown = [&](int&) { gemeldet << QStringLiteral("down"); };
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("neu"));
  EXPECT_TRUE(grid->EditorMode());
  // The Control key itself comes first each time, as a key of its own.
  EXPECT_EQ(gemeldet,
            QStringList({"down", "kopieren 2,1", "down", "down", "down", "down", "2,1:neu"}));
}

TEST_F(FormularTest, APressOnAFixedCellKeepsTheEditorOpen) {
  KlickeZelle(2, 1);
  grid->SetEditorMode(true);
  ASSERT_TRUE(grid->EditorMode());
  const QRect titel = grid->CellRect(0, 2);
  QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, grid->mapTo(&form, titel.center()));
  EXPECT_TRUE(grid->EditorMode());
  EXPECT_TRUE(QApplication::focusWidget() != grid);
}

TEST_F(FormularTest, AnExceptionInAHandlerBecomesAMessageAndTheLoopGoesOn) {
  Meldungen meldungen;
  meldungen.Erwarte();
  ziel->OnChange = [] { throw std::runtime_error("kaputt"); };
  ziel->setText(QStringLiteral("x"));
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_TRUE(meldungen.gezeigt.front().text.contains(QStringLiteral("kaputt")));
  EXPECT_EQ(ziel->text(), QStringLiteral("x"));
}

}  // namespace
