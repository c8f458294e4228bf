// SPDX-License-Identifier: GPL-3.0-or-later
// The window as assistive technology and keyboard users meet it: the
// accessibility tree, the focus order, copying without the mouse, results
// announced, and legible colours in light, dark and high-contrast palettes.
#include <QAbstractButton>
#include <QAccessible>
#include <QClipboard>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabBar>
#include <algorithm>
#include <cstdio>
#include <map>
#include <set>
#include <vector>

#include "ZiehFixture.h"

namespace {

// The design's colour of result fields.
const QColor kErgebnisGelb(255, 255, 128);

// Interactive: what a user can reach or operate.
bool IstBedienbar(QAccessibleInterface* i) {
  switch (i->role()) {
    case QAccessible::PushButton:
    case QAccessible::RadioButton:
    case QAccessible::CheckBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::Table:
    case QAccessible::PageTab:
    case QAccessible::PageTabList:
      return true;
    default:
      return i->state().focusable;
  }
}

// Every node below `i`; grid cells are named by their texts and left out.
void Sammle(QAccessibleInterface* i, std::vector<QAccessibleInterface*>& alle) {
  for (int k = 0; k < i->childCount(); ++k) {
    QAccessibleInterface* kind = i->child(k);
    if (!kind || kind->role() == QAccessible::Cell) continue;
    alle.push_back(kind);
    Sammle(kind, alle);
  }
}

std::string Wer(QAccessibleInterface* i) {
  QObject* o = i->object();
  QString wer = o ? o->objectName() : QString();
  if (wer.isEmpty() && o) wer = QLatin1String(o->metaObject()->className());
  return wer.toStdString() + " (role " + std::to_string(int(i->role())) + ")";
}

// Fails on an interactive control without a name, or with a name another
// control of the same role has too. Returns how many it checked.
int PruefeNamen(QWidget* fenster) {
  QAccessibleInterface* wurzel = QAccessible::queryAccessibleInterface(fenster);
  EXPECT_NE(wurzel, nullptr);
  if (!wurzel) return 0;
  std::vector<QAccessibleInterface*> alle;
  Sammle(wurzel, alle);
  std::map<std::pair<int, QString>, std::vector<std::string>> namen;
  int geprueft = 0;
  for (QAccessibleInterface* i : alle) {
    if (!IstBedienbar(i)) continue;
    ++geprueft;
    const QString name = i->text(QAccessible::Name).trimmed();
    EXPECT_FALSE(name.isEmpty()) << "no name: " << Wer(i);
    if (!name.isEmpty()) namen[{int(i->role()), name}].push_back(Wer(i));
  }
  for (const auto& [schluessel, wer] : namen) {
    std::string liste;
    for (const std::string& w : wer) liste += w + "; ";
    EXPECT_EQ(wer.size(), 1u) << "\"" << schluessel.second.toStdString() << "\" for " << liste;
  }
  return geprueft;
}

QString NameVon(QObject* o) {
  QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
  return i ? i->text(QAccessible::Name) : QString();
}

// Value changes, as a bridge would receive them.
std::vector<std::pair<QObject*, QString>>& Wertmeldungen() {
  static std::vector<std::pair<QObject*, QString>> liste;
  return liste;
}
void MerkeMeldung(QAccessibleEvent& e) {
  if (e.type() == QAccessible::ValueChanged)
    Wertmeldungen().emplace_back(e.object(),
                                 static_cast<QAccessibleValueChangeEvent&>(e).value().toString());
}
// The values announced for one field, in order.
QStringList GemeldetFuer(QObject* feld) {
  QStringList werte;
  for (const auto& [o, wert] : Wertmeldungen())
    if (o == feld) werte << wert;
  return werte;
}

class BarrierefreiheitTest : public ZiehFixture {
 protected:
  void SetUp() override {
    ZiehFixture::SetUp();
    form1.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
  }
  void TearDown() override {
    if (melder_) SetzeWertMelder(std::move(melder_));
    Wertmeldungen().clear();
  }

  // The control that has the focus (a grid for its open cell editor).
  static QWidget* Fokus() {
    QWidget* w = QApplication::focusWidget();
    for (QWidget* p = w; p; p = p->parentWidget())
      if (qobject_cast<TStringGrid*>(p)) return p;
    return w;
  }
  // Tab until `ziel` has the focus; false after a whole round without it.
  bool TabBis(QWidget* ziel) {
    for (int i = 0; i < 400 && Fokus() != ziel; ++i) Taste(Qt::Key_Tab);
    return Fokus() == ziel;
  }
  Stelle Wandel() { return Mittig(Wandel_KE_EK_Edit(form1), kUeberall); }
  WertMelder melder_;
  void Strg(Qt::Key k) { QTest::keyClick(form1.windowHandle(), k, Qt::ControlModifier); }
};

TEST_F(BarrierefreiheitTest, EveryInteractiveControlHasItsOwnName) {
  // The window has more than fifty controls; the example window one memo.
  EXPECT_GT(PruefeNamen(&form1), 40);
  EXPECT_EQ(PruefeNamen(&form2), 1);
  // Same caption, different names.
  std::set<QString> namen;
  for (QWidget* w : {static_cast<QWidget*>(Berechnen_BitBtn(form1)),
                     static_cast<QWidget*>(istGleichXL_Button(form1)),
                     static_cast<QWidget*>(istGleichXC_Button(form1)),
                     static_cast<QWidget*>(ist_gleich_Button(form1))})
    namen.insert(NameVon(w));
  EXPECT_EQ(namen.size(), 4u);
  EXPECT_EQ(NameVon(ClearVarSpeicher_Button(form1)), QStringLiteral("Speicher löschen"));
  EXPECT_EQ(NameVon(KxWerte_StringGrid(form1)), QStringLiteral("Ergebnisse X1 bis Xn"));
  // The captions on screen are the design's.
  EXPECT_EQ(Berechnen_BitBtn(form1)->text(), QStringLiteral("="));
  EXPECT_EQ(ClearVarSpeicher_Button(form1)->text(), QStringLiteral("Löschen"));
  EXPECT_EQ(Label1(form1)->text(), QStringLiteral("H"));
}

TEST_F(BarrierefreiheitTest, LabelsNameTheirFieldsAndResultLabelsAreReadOnlyFields) {
  EXPECT_EQ(Label1(form1)->buddy(), L_Edit(form1));
  EXPECT_EQ(Rechenfeld_Label(form1)->buddy(), ZK_Rechenfeld_Edit(form1));
  QAccessibleInterface* edit = QAccessible::queryAccessibleInterface(L_Edit(form1));
  const auto beschriftet = edit->relations(QAccessible::Label);
  ASSERT_EQ(beschriftet.size(), 1);
  EXPECT_EQ(beschriftet.front().first->object(), Label1(form1));

  ZK_Rechenfeld_Label(form1)->setText(QStringLiteral("5*e^j53,13  =  3+j4"));
  QAccessibleInterface* ergebnis =
      QAccessible::queryAccessibleInterface(ZK_Rechenfeld_Label(form1));
  EXPECT_TRUE(ergebnis->state().readOnly);
  ASSERT_NE(ergebnis->textInterface(), nullptr);
  EXPECT_EQ(ergebnis->textInterface()->text(0, 10), QStringLiteral("5*e^j53,13"));
}

TEST_F(BarrierefreiheitTest, GridCellsReportTheirRowAndColumnTitles) {
  struct Fall {
    TStringGrid* grid;
    int zeile, spalte;  // of the table the screen reader sees (no headers)
    const char* zeilenTitel;
    const char* spaltenTitel;
  };
  const Fall faelle[] = {
      {MatrixTab_StringGrid(form1), 0, 1, "Gleichung 1", "Koeffizient von X1"},
      {MatrixTab_StringGrid(form1), 2, 0, "Gleichung 3", "Ergebnis, rechte Seite"},
      {KxWerte_StringGrid(form1), 1, 1, "X2", "Ergebnis Komponentenform"},
      {Variablen_StringGrid(form1), 2, 1, "K3", "Kommentar"},
      {G_Variablen_StringGrid(form1), 0, 0, "G1", "Gn = 1/Kn"},
      // No fixed row: the value in row 0 is no column title.
      {Winkel_StringGrid(form1), 0, 0, "Winkel in Grad", "Wert"},
  };
  Winkel_StringGrid(form1)->SetCell(1, 0, QStringLiteral("45"));
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.grid->objectName().toStdString());
    QAccessibleInterface* tabelle = QAccessible::queryAccessibleInterface(f.grid);
    ASSERT_NE(tabelle->tableInterface(), nullptr);
    QAccessibleInterface* zelle = tabelle->tableInterface()->cellAt(f.zeile, f.spalte);
    ASSERT_NE(zelle, nullptr);
    const auto zeilen = zelle->tableCellInterface()->rowHeaderCells();
    const auto spalten = zelle->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(zeilen.size(), 1);
    ASSERT_EQ(spalten.size(), 1);
    EXPECT_EQ(zeilen.front()->text(QAccessible::Name), QString::fromUtf8(f.zeilenTitel));
    EXPECT_EQ(spalten.front()->text(QAccessible::Name), QString::fromUtf8(f.spaltenTitel));
    // Qt hands these out unregistered; registered, the cache frees them.
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(zeilen.front()));
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(spalten.front()));
  }
  // What the headers show is unchanged.
  EXPECT_EQ(MatrixTab_StringGrid(form1)->model()->headerData(0, Qt::Vertical).toString(),
            QStringLiteral("GL 1:"));
  EXPECT_EQ(KxWerte_StringGrid(form1)->model()->headerData(1, Qt::Horizontal).toString(),
            QStringLiteral("Ergebnis Koponetenform "));

  // The open cell editor names its cell.
  Seite(kMatrixSeite);
  KlickeZelle(MatrixTab_StringGrid(form1), 3, 2);
  ASSERT_TRUE(MatrixTab_StringGrid(form1)->EditorMode());
  EXPECT_EQ(NameVon(QApplication::focusWidget()),
            QStringLiteral("Gleichung 2, Koeffizient von X2"));
}

// Tab reaches one button of a group of options; the arrows the others.
bool IstOption(QWidget* w) {
  auto* b = qobject_cast<QAbstractButton*>(w);
  return b && b->autoExclusive() && b->isCheckable();
}

// Tab goes round every page and reaches each control that takes the focus,
// the result labels included, and leaves every grid again.
TEST_F(BarrierefreiheitTest, TabReachesEveryControlOnEveryPage) {
  for (int seite = 0; seite < 3; ++seite) {
    SCOPED_TRACE(seite);
    Seite(seite);
    std::set<QWidget*> erwartet, gruppen;
    for (QWidget* w : form1.findChildren<QWidget*>()) {
      if (IstOption(w) && w->isVisible()) gruppen.insert(w->parentWidget());
      if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
          !w->focusProxy() && !IstOption(w) &&
          !qobject_cast<TStringGrid*>(w->parentWidget() ? w->parentWidget()->parentWidget() : w))
        erwartet.insert(w);
    }
    if (seite == 1) {
      for (QWidget* l : {XL_Label(form1), XC_Label(form1), ZK_Rechenfeld_Label(form1)})
        EXPECT_TRUE(erwartet.count(l));
    }
    TabbedNotebook(form1)->tabBar()->setFocus();
    std::set<QWidget*> erreicht;
    auto fehlt = [&] {
      return std::any_of(erwartet.begin(), erwartet.end(),
                         [&](QWidget* w) { return !erreicht.count(w); });
    };
    for (int i = 0; i < 400 && fehlt(); ++i) {
      Taste(Qt::Key_Tab);
      erreicht.insert(Fokus());
    }
    for (QWidget* gruppe : gruppen)
      EXPECT_TRUE(
          std::any_of(erreicht.begin(), erreicht.end(),
                      [&](QWidget* w) { return IstOption(w) && w->parentWidget() == gruppe; }))
          << "no option reached in " << gruppe->objectName().toStdString();
    for (QWidget* w : erwartet)
      EXPECT_TRUE(erreicht.count(w))
          << "not reached: " << w->objectName().toStdString() << " " << NameVon(w).toStdString();
    Taste(Qt::Key_Escape);
  }
}

// Tab moves between cells; Ctrl+Tab and Ctrl+Shift+Tab leave any grid from
// any cell, its open editor too.
TEST_F(BarrierefreiheitTest, CtrlTabLeavesEveryGrid) {
  Seite(kMatrixSeite);
  for (TStringGrid* g : {MatrixTab_StringGrid(form1), KxWerte_StringGrid(form1),
                         Variablen_StringGrid(form1), G_Variablen_StringGrid(form1)}) {
    for (Qt::KeyboardModifiers mit :
         {Qt::KeyboardModifiers(Qt::ControlModifier), Qt::ControlModifier | Qt::ShiftModifier}) {
      Waehle(g, 1, 2);
      if (g->Editieren()) g->SetEditorMode(true);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, mit);
      EXPECT_NE(Fokus(), g) << g->objectName().toStdString() << " " << int(mit);
      EXPECT_FALSE(g->EditorMode());
    }
  }
  Seite(kRechenSeite);
  Waehle(Winkel_StringGrid(form1), 1, 3);
  Strg(Qt::Key_Tab);
  EXPECT_NE(Fokus(), Winkel_StringGrid(form1));
}

TEST_F(BarrierefreiheitTest, EscapeLeavesTheFocusOnANamedControl) {
  KlickeZelle(Variablen_StringGrid(form1), 1, 2);
  Taste(Qt::Key_Escape);
  EXPECT_EQ(QApplication::focusWidget(), Dummy_Edit(form1));
  EXPECT_FALSE(NameVon(Dummy_Edit(form1)).isEmpty());
  // Nothing typed lands in the hidden edit, and Tab leads on from there.
  Tippe(QStringLiteral("x"));
  EXPECT_EQ(Dummy_Edit(form1)->text(), QStringLiteral("Dummy_Edit"));
  Taste(Qt::Key_Tab);
  EXPECT_NE(QApplication::focusWidget(), Dummy_Edit(form1));
}

// With keys only: a formula result into K3, as the right-button drag does.
TEST_F(BarrierefreiheitTest, KeysCopyAFormulaResultIntoK3AsTheDragDoes) {
  Seite(kRechenSeite);
  ZK_Rechenfeld_Edit(form1)->setFocus();
  Tippe(QStringLiteral("(3+j4)*2"));
  Taste(Qt::Key_Return);
  ASSERT_TRUE(ZK_Rechenfeld_Label(form1)->text().contains(QLatin1Char('=')));
  Taste(Qt::Key_Tab);
  ASSERT_EQ(Fokus(), ZK_Rechenfeld_Label(form1));
  Strg(Qt::Key_C);
  ASSERT_TRUE(TabBis(Variablen_StringGrid(form1)));
  Variablen_StringGrid(form1)->SetRow(1);
  Variablen_StringGrid(form1)->SetCol(1);
  Taste(Qt::Key_Down);
  Taste(Qt::Key_Down);
  Strg(Qt::Key_V);
  Taste(Qt::Key_Escape);
  const QString perTaste = Variablen_StringGrid(form1)->Cells(1, 3);
  const QString gPerTaste = G_Variablen_StringGrid(form1)->Cells(1, 3);
  const ZKZahl k3 = form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[3];

  Variablen_StringGrid(form1)->SetCell(1, 3, QString());
  G_Variablen_StringGrid(form1)->SetCell(1, 3, QString());
  ASSERT_FALSE(form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[3] != ZKZahl());
  Ziehe(Mittig(ZK_Rechenfeld_Label(form1), kRechenSeite),
        Zelle(Variablen_StringGrid(form1), 1, 3, kUeberall));
  EXPECT_FALSE(perTaste.isEmpty());
  EXPECT_EQ(perTaste, Variablen_StringGrid(form1)->Cells(1, 3));
  EXPECT_EQ(gPerTaste, G_Variablen_StringGrid(form1)->Cells(1, 3));
  EXPECT_EQ(k3.Realteil, form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[3].Realteil);
  EXPECT_EQ(k3.Imaginaerteil, form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[3].Imaginaerteil);
  ErwarteWert(perTaste, 6, 8);
}

// With keys only: solve the matrix, copy X1 in component form, paste it
// into the conversion edit; the drag gives the same.
TEST_F(BarrierefreiheitTest, KeysCopyAMatrixResultIntoWandelnAsTheDragDoes) {
  Seite(kMatrixSeite);
  MatrixTab_StringGrid(form1)->setFocus();
  // X1 = 3+j4, X2 = 2, X3 = 1.
  Tippe(QStringLiteral("3+j4\t1\t0\t0\t2\t0\t1\t0\t1\t0\t0\t1\t"));
  ASSERT_EQ(Fokus(), AnzahlMatrix_Edit(form1));
  ASSERT_TRUE(TabBis(Berechnen_BitBtn(form1)));
  Taste(Qt::Key_Space);
  ASSERT_FALSE(KxWerte_StringGrid(form1)->Cells(2, 1).isEmpty());
  Taste(Qt::Key_Tab);
  ASSERT_EQ(Fokus(), KxWerte_StringGrid(form1));
  Taste(Qt::Key_Right);
  Strg(Qt::Key_C);
  ASSERT_TRUE(TabBis(Wandel_KE_EK_Edit(form1)));
  Wandel_KE_EK_Edit(form1)->setText(QStringLiteral("alt"));
  Wandel_KE_EK_Edit(form1)->selectAll();
  Strg(Qt::Key_V);
  const QString perTaste = Wandel_KE_EK_Edit(form1)->text();

  Wandel_KE_EK_Edit(form1)->clear();
  Ziehe(Zelle(KxWerte_StringGrid(form1), 2, 1, kMatrixSeite), Wandel());
  EXPECT_EQ(perTaste, Wandel_KE_EK_Edit(form1)->text());
  ErwarteWert(perTaste, 3, 4);
}

TEST_F(BarrierefreiheitTest, EverySourceCopiesWhatItsDragCarriesByKeyOrKeyMenu) {
  Seite(kRechenSeite);
  XL_Label(form1)->setText(QStringLiteral(" 7+j7 "));
  XL_Label(form1)->setFocus();
  Strg(Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("7+j7"));

  // The conversion edit: without a selection its whole text.
  Wandel_KE_EK_Edit(form1)->setText(QStringLiteral(" 1+j1 "));
  Wandel_KE_EK_Edit(form1)->setFocus();
  Wandel_KE_EK_Edit(form1)->deselect();
  Strg(Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral(" 1+j1 "));

  // The menu key and Shift+F10 open "Kopieren" on a label and a grid cell.
  struct Fall {
    QWidget* quelle;
    Qt::Key taste;
    Qt::KeyboardModifiers mit;
    const char* erwartet;
  };
  ZK_Rechenfeld_Label(form1)->setText(QStringLiteral("5*e^j53,13  =  3+j4"));
  Winkel_StringGrid(form1)->SetCell(1, 4, QStringLiteral(" 1 # tan 45"));
  const Fall faelle[] = {
      {ZK_Rechenfeld_Label(form1), Qt::Key_Menu, {}, "5*e^j53,13"},
      {Winkel_StringGrid(form1), Qt::Key_F10, Qt::ShiftModifier, "1"},
  };
  for (const Fall& f : faelle) {
    QApplication::clipboard()->clear();
    f.quelle->setFocus();
    if (f.quelle == Winkel_StringGrid(form1)) Winkel_StringGrid(form1)->SetRow(4);
    QTest::keyClick(form1.windowHandle(), f.taste, f.mit);
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    ASSERT_EQ(menue->actions().size(), 1);
    EXPECT_EQ(menue->actions().front()->text(), QStringLiteral("Kopieren"));
    QTest::keyClick(menue, Qt::Key_Return);  // the first entry is chosen
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8(f.erwartet));
  }

  // Ctrl+V in the formula is typing at the caret.
  QApplication::clipboard()->setText(QStringLiteral("K1"));
  ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("1+2"));
  ZK_Rechenfeld_Edit(form1)->setFocus();
  ZK_Rechenfeld_Edit(form1)->setCursorPosition(1);
  Strg(Qt::Key_V);
  EXPECT_EQ(ZK_Rechenfeld_Edit(form1)->text(), QStringLiteral("1K1+2"));
}

TEST_F(BarrierefreiheitTest, ResultsAreAnnouncedAsValueChanges) {
  melder_ = SetzeWertMelder(&MerkeMeldung);
  Seite(kRechenSeite);
  ZK_Rechenfeld_Edit(form1)->setFocus();
  Tippe(QStringLiteral("1+2"));
  Taste(Qt::Key_Return);
  EXPECT_EQ(GemeldetFuer(ZK_Rechenfeld_Label(form1)),
            QStringList{ZK_Rechenfeld_Label(form1)->text()});
  QTest::mouseClick(ist_gleich_Button(form1), Qt::LeftButton);
  EXPECT_EQ(GemeldetFuer(ZK_Rechenfeld_Label(form1)).size(), 2);

  L_Edit(form1)->setText(QStringLiteral("1"));
  L_Edit(form1)->setFocus();
  Taste(Qt::Key_Return);  // Enter in a calculator presses its "="
  EXPECT_EQ(GemeldetFuer(XL_Edit(form1)), QStringList{XL_Edit(form1)->text()});
  EXPECT_EQ(GemeldetFuer(XL_Label(form1)), QStringList{XL_Label(form1)->text()});
  EXPECT_TRUE(GemeldetFuer(L_Edit(form1)).isEmpty()) << "an input is no result";

  Seite(kMatrixSeite);
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 4; ++c)
      MatrixTab_StringGrid(form1)->SetCell(c, r, QString::number(c == r + 1 || c == 1 ? 1 : 0));
  QTest::mouseClick(Berechnen_BitBtn(form1), Qt::LeftButton);
  EXPECT_EQ(GemeldetFuer(KxWerte_StringGrid(form1)),
            QStringList{QStringLiteral("X1 = 1; X2 = 1; X3 = 1")});
}

// Colours: the design's yellow in the normal palette; in dark and
// high-contrast palettes every text on the window keeps 4.5:1.
QPalette DunklePalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(53, 53, 53));
  p.setColor(QPalette::WindowText, Qt::white);
  p.setColor(QPalette::Base, QColor(35, 35, 35));
  p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
  p.setColor(QPalette::Text, Qt::white);
  p.setColor(QPalette::Button, QColor(53, 53, 53));
  p.setColor(QPalette::ButtonText, Qt::white);
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, Qt::black);
  return p;
}

// Yellow on black, lines and frames in the text colour.
QPalette KontrastPalette() {
  const QColor gelb(255, 255, 0), schwarz(Qt::black);
  QPalette p(gelb, schwarz, gelb, gelb, gelb, gelb, Qt::white, schwarz, schwarz);
  p.setColor(QPalette::Highlight, gelb);
  p.setColor(QPalette::HighlightedText, schwarz);
  return p;
}

class FarbTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { alt_ = QApplication::palette(); }
  void TearDown() override { QApplication::setPalette(alt_); }

  QPalette Palette(int n) const {
    return n == 0 ? alt_ : n == 1 ? DunklePalette() : KontrastPalette();
  }
  // Every widget that shows text: its text on its own background.
  static void PruefeKontrast(QWidget* fenster) {
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
      const bool zeigtText = qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w) ||
                             qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTableView*>(w) ||
                             qobject_cast<QHeaderView*>(w) || qobject_cast<QTabBar*>(w);
      // The table's corner button lies under the grid's own corner label;
      // the tab bar's scroll buttons show arrows, no text (and one is
      // dimmed whenever the tabs are scrolled to an end).
      if (!zeigtText || w->inherits("QTableCornerButton") ||
          qobject_cast<QTabBar*>(w->parentWidget()))
        continue;
      const QPalette& p = w->palette();
      const double k =
          Kontrastverhaeltnis(p.color(w->foregroundRole()), p.color(w->backgroundRole()));
      EXPECT_GE(k, kMindestKontrast)
          << w->objectName().toStdString() << " " << w->metaObject()->className();
    }
  }
  QPalette alt_;
};

TEST_P(FarbTest, ResultFieldsAreYellowOnlyWhereTheTextStaysLegible) {
  QApplication::setPalette(Palette(GetParam()));
  Meldungen meldungen;
  TForm1 form1;
  BaueMatrixseite(form1);
  auto ergebnisfelder = [](TForm1& f) {
    return std::vector<QWidget*>{
        XL_Edit(f),           XC_Edit(f), XL_Label(f), XC_Label(f), ZK_Rechenfeld_Label(f),
        KxWerte_StringGrid(f)};
  };
  PruefeKontrast(&form1);
  for (QWidget* w : ergebnisfelder(form1)) {
    const QPalette& p = w->palette();
    const QColor grund = p.color(w->backgroundRole());
    EXPECT_GE(Kontrastverhaeltnis(p.color(w->foregroundRole()), grund), kMindestKontrast)
        << w->objectName().toStdString();
    // The design's yellow in the normal palette only.
    EXPECT_EQ(grund == kErgebnisGelb, GetParam() == 0) << w->objectName().toStdString();
  }
  // The palette changes while the window is open, and back.
  QApplication::setPalette(Palette(GetParam() == 0 ? 1 : 0));
  PruefeKontrast(&form1);
  QApplication::setPalette(Palette(GetParam()));
  PruefeKontrast(&form1);
  EXPECT_EQ(XL_Edit(form1)->palette().color(QPalette::Base) == kErgebnisGelb, GetParam() == 0);
}

// The current cell of the grid with the focus has a frame that stands out
// from the same cell without the focus, whatever the palette.
TEST_P(FarbTest, TheFocusedCellShowsAFrame) {
  QApplication::setPalette(Palette(GetParam()));
  Meldungen meldungen;
  TForm1 form1;
  BaueMatrixseite(form1);
  TabbedNotebook(form1)->setCurrentIndex(0);
  form1.show();
  form1.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
  for (TStringGrid* g : {KxWerte_StringGrid(form1), MatrixTab_StringGrid(form1)}) {
    SCOPED_TRACE(g->objectName().toStdString());
    g->SetCell(1, 1, QStringLiteral("3+j4"));
    g->SetCol(1);
    g->SetRow(1);
    const QRect zelle = g->CellRect(1, 1);
    AnzahlMatrix_Edit(form1)->setFocus();
    const QImage ohne = g->grab(zelle).toImage();
    g->setFocus();
    const QImage mit = g->grab(zelle).toImage();
    int deutlich = 0;
    for (int y = 0; y < ohne.height(); ++y)
      for (int x = 0; x < ohne.width(); ++x)
        deutlich += Kontrastverhaeltnis(ohne.pixelColor(x, y), mit.pixelColor(x, y)) >= 3.0;
    // At least one ring of pixels round the cell.
    EXPECT_GE(deutlich, 2 * (zelle.width() + zelle.height()) - 8);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Paletten, FarbTest, ::testing::Values(0, 1, 2), [](const ::testing::TestParamInfo<int>& p) {
      return std::string(p.param == 0 ? "Normal" : p.param == 1 ? "Dunkel" : "HoherKontrast");
    });

}  // namespace
