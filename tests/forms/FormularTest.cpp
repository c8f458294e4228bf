// SPDX-License-Identifier: GPL-3.0-or-later
// The framework behaviours the windows rely on, on the real Qt widgets.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTest>
#include <stdexcept>
#include <utility>
#include <vector>

#include "Meldungen.h"
#include "forms/Anwendung.h"
#include "forms/Formular.h"
#include "forms/Steuerelemente.h"
#include "forms/StringGrid.h"

namespace {

// The grid's model, delegate and edit triggers are its own: code holding a
// grid cannot replace them (a plain table view can).
template <class G>
concept NimmtFremdesModell = requires(G& g, QAbstractItemModel* m) {
  g.setModel(m);
};
template <class G>
concept NimmtFremdenDelegaten = requires(G& g, QAbstractItemDelegate* d) {
  g.setItemDelegate(d);
};
template <class G>
concept NimmtFremdeAusloeser = requires(G& g) {
  g.setEditTriggers(QAbstractItemView::NoEditTriggers);
};
static_assert(NimmtFremdesModell<QTableView> && !NimmtFremdesModell<TStringGrid>);
static_assert(NimmtFremdenDelegaten<QTableView> && !NimmtFremdenDelegaten<TStringGrid>);
static_assert(NimmtFremdeAusloeser<QTableView> && !NimmtFremdeAusloeser<TStringGrid>);

class FormularTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form.setGeometry(50, 50, 500, 300);
    grid = new TStringGrid(&form, 1, 1, {.Editieren = true, .ImmerEditor = true});
    grid->SetzeModell(&zellen);
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

  QStandardItemModel zellen{3, 3};  // outlives the form's grid
  TForm form;
  TStringGrid* grid;
  TLabel* quelle;
  TEdit* ziel;
};

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
  QObject::connect(grid, &TStringGrid::zelleBearbeitet, [&](int c, int r, const QString& text) {
    gemeldet << QStringLiteral("%1,%2:%3|%4").arg(c).arg(r).arg(text, grid->Cells(c, r));
    QString t = grid->Cells(c, r);
    if (const auto p = t.indexOf(QLatin1Char('.')); p >= 0) {
      t[p] = QLatin1Char(',');
      grid->SetCell(c, r, t);
    }
  });
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

// Typing goes to the cell the editor was opened for, wherever the editor
// stands (its geometry lags behind a layout change until the view lays it
// out again).
TEST_F(FormularTest, AnEditorWritesTheCellItWasOpenedFor) {
  QStringList gemeldet;
  QObject::connect(grid, &TStringGrid::zelleBearbeitet, [&](int c, int r, const QString& text) {
    gemeldet << QStringLiteral("%1,%2:%3").arg(c).arg(r).arg(text);
  });
  KlickeZelle(2, 2);
  grid->SetEditorMode(true);
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  grid->SetColWidths(1, 200);
  // Where the editor stands says nothing about its cell.
  editor->move(grid->viewport()->mapFrom(grid, grid->CellRect(1, 1).topLeft()));
  QTest::keyClicks(editor, QStringLiteral("7"));
  EXPECT_EQ(grid->Cells(2, 2), QStringLiteral("7"));
  EXPECT_EQ(gemeldet, QStringList({"2,2:7"}));
  EXPECT_TRUE(grid->Cells(1, 2).isEmpty());
}

// A number field takes a point as the decimal comma however the text comes,
// keeps what came without a usable character from changing anything, and
// leaves a text the program put there as it is.
TEST_F(FormularTest, ANumberFieldTakesAPointAsTheCommaHoweverTheTextComes) {
  ziel->SetzeKomma(true);
  ziel->SetzeTextUeberGrenze(QStringLiteral("1.5"));
  ziel->setFocus();
  ziel->setCursorPosition(3);
  QTest::keyClicks(ziel, QStringLiteral(".2"));
  EXPECT_EQ(ziel->text(), QStringLiteral("1.5,2"));

  ziel->selectAll();
  QApplication::clipboard()->setText(QStringLiteral("3.5\n"));
  QTest::keyClick(ziel, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(ziel->text(), QStringLiteral("3,5"));
  ziel->selectAll();
  QApplication::clipboard()->setText(QStringLiteral("\r\n"));
  QTest::keyClick(ziel, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(ziel->selectedText(), QStringLiteral("3,5"));

  // The middle button pastes the selection through the edit's insert; where
  // the platform has no selection (offscreen), the same insert directly.
  ziel->setCursorPosition(0);
  if (QApplication::clipboard()->supportsSelection()) {
    QApplication::clipboard()->setText(QStringLiteral("4."), QClipboard::Selection);
    QTest::mouseClick(ziel, Qt::MiddleButton, {}, QPoint(1, ziel->height() / 2));
  } else {
    ziel->insert(QStringLiteral("4."));
  }
  EXPECT_EQ(ziel->text(), QStringLiteral("4,3,5"));

  QMimeData gezogen;
  gezogen.setText(QStringLiteral("6.7"));
  const QPoint ende(ziel->width() - 2, ziel->height() / 2);  // after the text
  QDragEnterEvent hinein(ende, Qt::CopyAction, &gezogen, Qt::LeftButton, {});
  QApplication::sendEvent(ziel, &hinein);
  QDropEvent ab(ende, Qt::CopyAction, &gezogen, Qt::LeftButton, {});
  QApplication::sendEvent(ziel, &ab);
  EXPECT_TRUE(ab.isAccepted());
  EXPECT_EQ(ziel->text(), QStringLiteral("4,3,56,7"));
}

TEST_F(FormularTest, RightButtonDragAsksTheTargetAndDropsInItsCoordinates) {
  int gestartet = 0, gefragt = 0;
  QPoint abgelegt(-1, -1);
  QWidget* abgelegtVon = nullptr;
  QObject::connect(quelle->Ereignisse(), &TSteuerungsereignisse::mausGedrueckt,
                   [&](Qt::MouseButton b, Qt::KeyboardModifiers, QPoint) {
                     if (b != Qt::RightButton) return;
                     ++gestartet;
                     quelle->BeginDrag();
                   });
  bool annehmen = false;
  QObject::connect(ziel->Ereignisse(), &TSteuerungsereignisse::ziehenUeber,
                   [&](QWidget* q, QPoint, bool& a) {
                     ++gefragt;
                     a = annehmen && q == quelle;
                   });
  QObject::connect(ziel->Ereignisse(), &TSteuerungsereignisse::abgelegt, [&](QWidget* q, QPoint p) {
    abgelegtVon = q;
    abgelegt = p;
  });

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
  QObject::connect(quelle->Ereignisse(), &TSteuerungsereignisse::mausGedrueckt,
                   [&] { quelle->BeginDrag(); });
  QObject::connect(quelle->Ereignisse(), &TSteuerungsereignisse::ziehenUeber,
                   [&](QWidget* q, QPoint, bool& a) { a = q == quelle; });
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
  ziel->SetzeEingabegrenze(5);
  ziel->SetzeTextUeberGrenze(QStringLiteral("1234567"));
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
  ziel->SetzeTextUeberGrenze(QStringLiteral("12"));
  QTest::keyClicks(ziel, QStringLiteral("abcde"));
  EXPECT_EQ(ziel->text(), QStringLiteral("12abc"));
}

TEST_F(FormularTest, CtrlCComesBeforeTheKeyHandlersCtrlVIsTypedIntoTheCell) {
  QStringList gemeldet;
  bool verweigern = true;  // every key, as a read-only grid does
  QObject::connect(grid, &TStringGrid::tasteGedrueckt, [&](int& k) {
    gemeldet << QStringLiteral("down");
    if (verweigern) k = 0;
  });
  QObject::connect(grid, &TStringGrid::kopieren, [&](int c, int r) {
    gemeldet << QStringLiteral("kopieren %1,%2").arg(c).arg(r);
  });
  QObject::connect(grid, &TStringGrid::zelleBearbeitet, [&](int c, int r, const QString& t) {
    gemeldet << QStringLiteral("%1,%2:%3").arg(c).arg(r).arg(t);
  });
  grid->SetCell(2, 1, QStringLiteral("alt"));
  grid->setFocus();
  grid->SetCol(2);
  QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
  QApplication::clipboard()->setText(QStringLiteral("neu"));
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);  // refused
  EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("alt"));
  verweigern = false;
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(grid->Cells(2, 1), QStringLiteral("neu"));
  EXPECT_TRUE(grid->EditorMode());
  // The Control key itself comes first each time, as a key of its own.
  EXPECT_EQ(gemeldet,
            QStringList({"down", "kopieren 2,1", "down", "down", "down", "down", "2,1:neu"}));
}

// A spreadsheet's cell ends with a line break, and a grid that takes no
// blocks gets a block's first cell: no cell takes a tab or a line break.
TEST_F(FormularTest, CtrlVPastesOneCellWithoutTabsOrLineBreaks) {
  grid->setFocus();
  grid->SetCol(1);
  grid->SetRow(1);
  QApplication::clipboard()->setText(QStringLiteral("1\t2\n3"));
  QTest::keyClick(grid, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("1"));
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QApplication::clipboard()->setText(QStringLiteral("8\r\n"));
  QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("8"));
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
  QObject::connect(ziel, &TEdit::geaendert, [] { throw std::runtime_error("kaputt"); });
  ziel->setText(QStringLiteral("x"));
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_TRUE(meldungen.gezeigt.front().text.contains(QStringLiteral("kaputt")));
  EXPECT_EQ(ziel->text(), QStringLiteral("x"));
}

// Tab never traps the keyboard in a grid: it leaves from the last cell,
// Shift+Tab from the first, and a Tab the grid's handler refuses goes on
// to the next control.
TEST_F(FormularTest, TabLeavesAGridAtItsEdgesAndWhenRefused) {
  auto* vorher = new TEdit(&form);  // before the grid in the focus chain
  QWidget::setTabOrder(vorher, grid);
  QWidget::setTabOrder(grid, ziel);
  vorher->show();
  grid->setFocus();
  grid->SetRow(3);
  grid->SetCol(2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(grid->Col(), 3) << "inside, Tab moves between cells";
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9"));  // opens the editor
  ASSERT_TRUE(grid->EditorMode());
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), ziel);
  EXPECT_EQ(grid->Cells(3, 3), QStringLiteral("9"));
  EXPECT_FALSE(grid->EditorMode());

  grid->setFocus();
  grid->SetRow(1);
  grid->SetCol(1);
  QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), vorher);

  QObject::connect(grid, &TStringGrid::tasteGedrueckt, [](int& k) { k = 0; });
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), ziel);
}

TEST_F(FormularTest, HeaderTitlesForAssistiveTechnologyLeaveTheShownHeadersAlone) {
  grid->SetCell(1, 0, QStringLiteral("Kmoplexe  Zahl"));
  grid->SetCell(0, 2, QStringLiteral("K2="));
  grid->SetZeilenTitel(2, QStringLiteral("K2"));
  const QAbstractItemModel* m = grid->model();
  EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Kmoplexe  Zahl"));
  EXPECT_EQ(m->headerData(0, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
            QStringLiteral("Kmoplexe Zahl"));
  EXPECT_EQ(m->headerData(1, Qt::Vertical).toString(), QStringLiteral("K2="));
  EXPECT_EQ(m->headerData(1, Qt::Vertical, Qt::AccessibleTextRole).toString(),
            QStringLiteral("K2"));
  EXPECT_EQ(grid->ZellTitel(1, 2), QStringLiteral("K2, Kmoplexe Zahl"));

  // Without a fixed row the spoken title is the grid's alone.
  QStandardItemModel werte(3, 1);
  auto* ohneKopf = new TStringGrid(&form, 1, 0, {});
  ohneKopf->SetzeModell(&werte);
  ohneKopf->SetSpaltenTitel(1, QStringLiteral("Wert"));
  EXPECT_EQ(ohneKopf->model()->headerData(0, Qt::Horizontal, Qt::AccessibleTextRole).toString(),
            QStringLiteral("Wert"));
}

TEST_F(FormularTest, AResultLabelTakesTheFocusByTabAndCopiesByKey) {
  QString kopiert;
  QObject::connect(quelle, &TLabel::kopieren, [&] { kopiert = quelle->text(); });
  quelle->AlsLesefeld();
  quelle->setAccessibleName(QStringLiteral("Ergebnis"));
  EXPECT_EQ(quelle->focusPolicy(), Qt::TabFocus);
  QAccessibleInterface* a = QAccessible::queryAccessibleInterface(quelle);
  EXPECT_EQ(a->role(), QAccessible::EditableText);
  EXPECT_EQ(a->text(QAccessible::Name), QStringLiteral("Ergebnis"));
  EXPECT_EQ(a->text(QAccessible::Value), QStringLiteral("Quelle"));
  quelle->setFocus();
  QTest::keyClick(quelle, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(kopiert, QStringLiteral("Quelle"));

  std::vector<QString> gemeldet;
  WertMelder alt = SetzeWertMelder([&](QAccessibleEvent& e) {
    if (e.type() == QAccessible::ValueChanged && e.object() == quelle)
      gemeldet.push_back(static_cast<QAccessibleValueChangeEvent&>(e).value().toString());
  });
  MeldeNeuenWert(quelle, QStringLiteral("3+j4"));
  SetzeWertMelder(std::move(alt));
  EXPECT_EQ(gemeldet, std::vector<QString>{QStringLiteral("3+j4")});
}

// In a light palette a field keeps its design colour; in a dark one it
// takes a shade that the palette's light text stays legible on.
TEST_F(FormularTest, FieldColoursFollowThePaletteAndKeepTheTextLegible) {
  const QColor gelb(255, 255, 128);
  QPalette hell(Qt::black, Qt::white);
  hell.setColor(QPalette::Base, Qt::white);
  hell.setColor(QPalette::Text, Qt::black);
  EXPECT_EQ(Feldfarbe(gelb, hell), gelb);
  QPalette dunkel(Qt::white, QColor(40, 40, 40));
  dunkel.setColor(QPalette::Base, QColor(30, 30, 30));
  dunkel.setColor(QPalette::Text, QColor(220, 220, 220));
  const QColor schattiert = Feldfarbe(gelb, dunkel);
  EXPECT_NE(schattiert, gelb);
  EXPECT_GE(Kontrastverhaeltnis(schattiert, dunkel.color(QPalette::Text)), kMindestKontrast);
  EXPECT_DOUBLE_EQ(Kontrastverhaeltnis(Qt::black, Qt::white), 21.0);
  EXPECT_DOUBLE_EQ(Kontrastverhaeltnis(gelb, gelb), 1.0);
}

// The form reports presses on its own widgets: also those created or moved
// in after it was shown, but never on a widget of another window.
TEST_F(FormularTest, PressesAreReportedForLaterWidgetsButNoOtherWindow) {
  QStringList gedrueckt;
  auto* spaet = new TEdit(&form);
  spaet->setGeometry(320, 110, 100, 30);
  spaet->show();
  auto* gruppe = new QWidget;  // built elsewhere, then moved in
  auto* innen = new TEdit(gruppe);
  gruppe->setParent(&form);
  gruppe->setGeometry(320, 150, 100, 30);
  gruppe->show();
  QWidget fremd;
  auto* fremdesEdit = new TEdit(&fremd);
  fremd.show();
  for (TEdit* e : {spaet, innen, fremdesEdit})
    QObject::connect(e->Ereignisse(), &TSteuerungsereignisse::mausGedrueckt,
                     [&gedrueckt, e] { gedrueckt << e->objectName(); });
  spaet->setObjectName(QStringLiteral("spaet"));
  innen->setObjectName(QStringLiteral("innen"));
  fremdesEdit->setObjectName(QStringLiteral("fremd"));
  for (TEdit* e : {spaet, innen, fremdesEdit}) QTest::mouseClick(e, Qt::LeftButton);
  EXPECT_EQ(gedrueckt, QStringList({"spaet", "innen"}));
}

// A form built by Designer sets these properties on a default-constructed
// control; the result must be the control the constructor builds.
TEST_F(FormularTest, ControlsBuiltFromPropertiesMatchTheirConstructors) {
  QStandardItemModel werte(7, 1);
  TStringGrid gebaut(&form, 1, 0, {.Editieren = true, .ImmerEditor = true});
  TStringGrid gesetzt(&form);
  for (const auto& [name, wert] :
       {std::pair{"FixedRows", QVariant(0)}, {"Editieren", true}, {"ImmerEditor", true}})
    ASSERT_TRUE(gesetzt.setProperty(name, wert)) << name;
  for (TStringGrid* g : {&gebaut, &gesetzt}) {
    g->SetzeModell(&werte);
    g->SetColWidths(1, 125);
    g->setGeometry(10, 10, 221, 186);
    g->show();
  }
  QApplication::processEvents();
  EXPECT_EQ(gesetzt.RowCount(), 7);
  EXPECT_EQ(gesetzt.ColCount(), 2);
  EXPECT_EQ(gesetzt.horizontalHeader()->isHidden(), gebaut.horizontalHeader()->isHidden());
  EXPECT_EQ(gesetzt.findChild<QLabel*>(QStringLiteral("Ecke")), nullptr);
  EXPECT_EQ(gesetzt.editTriggers(), gebaut.editTriggers());
  EXPECT_EQ(gesetzt.CellRect(1, 0), gebaut.CellRect(1, 0));
  EXPECT_EQ(gesetzt.Col(), 1);
  EXPECT_EQ(gesetzt.Row(), 0);
  // A fixed row shows the model's titles; the cells stay the model's.
  werte.setItem(0, 0, new QStandardItem(QStringLiteral("bleibt")));
  gesetzt.SetFixedRows(1);
  EXPECT_EQ(gesetzt.RowCount(), 8);
  EXPECT_EQ(gesetzt.Cells(1, 1), QStringLiteral("bleibt"));
  EXPECT_NE(gesetzt.findChild<QLabel*>(QStringLiteral("Ecke")), nullptr);
  gesetzt.SetzeModell(nullptr);
  gebaut.SetzeModell(nullptr);

  TUpDown auf(&form);
  for (const auto& [name, wert] : {std::pair{"Min", 1}, {"Max", 20}, {"Position", 2}})
    ASSERT_TRUE(auf.setProperty(name, wert));
  EXPECT_EQ(auf.Position(), 2);
  auf.SetMax(1);
  EXPECT_EQ(auf.Position(), 1);
  EXPECT_EQ(auf.Min(), 1);
}

// The two design values Designer cannot hold: pixel fonts and field colours.
TEST_F(FormularTest, DesignPropertiesGiveThePixelFontAndTheFieldColour) {
  QWidget wurzel;
  auto* fett = new TLabel(&wurzel);
  QFont entwurf(QStringLiteral("Times New Roman"));
  entwurf.setPointSize(21);  // only Designer's preview
  entwurf.setBold(true);
  fett->setFont(entwurf);
  fett->setProperty("pixelgroesse", 28);
  auto* feld = new TEdit(fett);
  feld->setProperty("feldfarbe", QColor(255, 255, 128));
  WendeEntwurfAn(&wurzel);
  EXPECT_EQ(fett->font(), Schrift(QStringLiteral("Times New Roman"), 28, true));
  EXPECT_EQ(feld->font().pixelSize(), 28);  // inherited as ever
  EXPECT_EQ(feld->palette().color(QPalette::Base),
            Feldfarbe(QColor(255, 255, 128), QApplication::palette(feld)));
}

}  // namespace

TEST(QtTexte, ComeFromQtsFolderElseFromTheProgramAndLeaveWithTheirLanguage) {
  struct Zurueck {
    ~Zurueck() { TApplication::LadeQtTexte(QStringLiteral("de")); }
  } zurueck;
  const auto rueckgaengig = [] { return QCoreApplication::translate("QLineEdit", "&Undo"); };
  EXPECT_EQ(TApplication::LadeQtTexte(QStringLiteral("de")),
            QDir(TApplication::QtUebersetzungen()).filePath(QStringLiteral("qtbase_de.qm")));
  EXPECT_EQ(rueckgaengig(), QStringLiteral("&Rückgängig"));
  QTemporaryDir ohneQt;
  EXPECT_EQ(TApplication::LadeQtTexte(QStringLiteral("de"), ohneQt.path()),
            QStringLiteral(":/uebersetzungen/qtbase_de.qm"));
  EXPECT_EQ(rueckgaengig(), QStringLiteral("&Rückgängig"));
  EXPECT_EQ(TApplication::LadeQtTexte(QStringLiteral("en"), ohneQt.path()), QString());
  EXPECT_EQ(rueckgaengig(), QStringLiteral("&Undo"));
}
