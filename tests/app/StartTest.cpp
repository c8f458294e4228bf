// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it opens, the frame's Escape handling, and the matrix page
// built when it is first needed.
#include <QAbstractButton>
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "Fenster.h"
#include "app/Dateien.h"
#include "app/Symbol.h"
#include "app/Zeigerdiagramm.h"

namespace {

TEST_F(FensterTest, OpensOnTheSecondPageWithDimensionThree) {
  EXPECT_EQ(TabbedNotebook(form1)->currentIndex(), 1);
  // The screen has room: the design size with the menu bar above it, and
  // the design position; nothing scrolls.
  EXPECT_EQ(form1.size(), QSize(908, 624 + Dateiaktionen(form1)->Menue()->height()));
  EXPECT_EQ(form1.pos(), QPoint(6, 86));
  EXPECT_FALSE(form1.Rollbereich()->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(form1.Rollbereich()->verticalScrollBar()->isVisible());
  EXPECT_TRUE(form1.windowTitle().startsWith(QStringLiteral("[ Mirelto 1.0  ]  Autor:")));
  EXPECT_EQ(AnzahlMatrix_Edit(form1)->text(), QStringLiteral("3"));
  EXPECT_EQ(AnzahlMatrix_UpDown(form1)->Position(), 3);
  EXPECT_EQ(form1.Zustand().System().Dimension(), 3);
  TStringGrid* m = MatrixTab_StringGrid(form1);
  EXPECT_EQ(m->RowCount(), 4);
  EXPECT_EQ(m->ColCount(), 5);
  EXPECT_EQ(m->Cells(0, 0), QStringLiteral("Nr"));
  EXPECT_EQ(m->Cells(1, 0), QStringLiteral("Ergebnis  = "));
  for (int c = 2; c <= 4; ++c)
    EXPECT_EQ(m->Cells(c, 0), QStringLiteral("Koeffizient von X%1").arg(c - 1));
  EXPECT_EQ(m->Cells(0, 20), QStringLiteral("GL 20:"));
  EXPECT_EQ(KxWerte_StringGrid(form1)->RowCount(), 4);
  EXPECT_EQ(KxWerte_StringGrid(form1)->Cells(0, 21), QStringLiteral("X21 = "));
  EXPECT_EQ(Variablen_StringGrid(form1)->Cells(1, 0), QStringLiteral("Kmoplexe Zahl"));
  EXPECT_EQ(G_Variablen_StringGrid(form1)->Cells(1, 0), QStringLiteral(" Gn =1/Kn"));
  EXPECT_EQ(Winkel_StringGrid(form1)->Cells(0, 6), QStringLiteral("Winkel GRA"));
  EXPECT_EQ(form1.Zustand().KopierText(), QString(27, QLatin1Char(' ')));
  EXPECT_TRUE(XL_Edit(form1)->isReadOnly());
  EXPECT_FALSE(L_Edit(form1)->isReadOnly());
  EXPECT_EQ(XL_Edit(form1)->palette().color(QPalette::Base), QColor(255, 255, 128));
  EXPECT_FALSE(form2.isVisible());
}

TEST_F(FensterTest, EveryControlExistsUnderItsName) {
  for (const char* name : {"Dummy_Edit",
                           "TabbedNotebook",
                           "Matrix_GroupBox",
                           "Berechnen_BitBtn",
                           "Clear_Tabelle_Button",
                           "KxWerte_StringGrid",
                           "MatrixTab_StringGrid",
                           "BeispielAufgaben_BitBtn",
                           "GroupBox3",
                           "AnzahlMatrix_Edit",
                           "AnzahlMatrix_UpDown",
                           "ExpotentialForm_GroupBox2",
                           "XL_Label",
                           "Label4",
                           "Panel1",
                           "Label1",
                           "Label2",
                           "Label7",
                           "L_Edit",
                           "fL_Edit",
                           "XL_Edit",
                           "istGleichXL_Button",
                           "L_RadioButton",
                           "fL_RadioButton",
                           "XL_RadioButton",
                           "GroupBox2",
                           "XC_Label",
                           "Label6",
                           "Panel2",
                           "Label9",
                           "Label10",
                           "Label8",
                           "C_Edit",
                           "fC_Edit",
                           "XC_Edit",
                           "istGleichXC_Button",
                           "C_RadioButton",
                           "fC_RadioButton",
                           "XC_RadioButton",
                           "Rechenfeld_GroupBox",
                           "Rechenfeld_Label",
                           "Label3",
                           "ZK_Rechenfeld_Edit",
                           "ZK_Rechenfeld_Label",
                           "Beispiel_BitBtn",
                           "ist_gleich_Button",
                           "Loesche_Rechenfeld_Button",
                           "GroupBox1",
                           "Winkel_StringGrid",
                           "Bedinungsanleitung_Memo",
                           "Variablen_GroupBox",
                           "Variablen_StringGrid",
                           "Wandeln_GroupBox",
                           "Wandel_KE_EK_Edit",
                           "Wandeln_EK_KE_Button",
                           "Kehrwert_Button",
                           "G_Variablen_StringGrid",
                           "Zahlendarstellung_GroupBox",
                           "General_RadioButton",
                           "Exponent_RadioButton",
                           "ClearVarSpeicher_Button",
                           "Form_StatusBar"})
    EXPECT_NE(form1.findChild<QWidget*>(QLatin1String(name)), nullptr) << name;
}

TEST_F(FensterTest, RaisingTheDimensionShowsTheRowLabelsWrittenAtStart) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("20"));
  TStringGrid* m = MatrixTab_StringGrid(form1);
  EXPECT_EQ(m->RowCount(), 21);
  EXPECT_EQ(m->model()->headerData(19, Qt::Vertical).toString(), QStringLiteral("GL 20:"));
  EXPECT_EQ(KxWerte_StringGrid(form1)->model()->headerData(19, Qt::Vertical).toString(),
            QStringLiteral("X20 = "));
}

TEST_F(FensterTest, EscapeLeavesEveryGridsEditorAndFocusesTheDummyEdit) {
  Seite(0);
  KlickeZelle(MatrixTab_StringGrid(form1), 1, 1);
  ASSERT_TRUE(MatrixTab_StringGrid(form1)->EditorMode());
  KlickeZelle(Variablen_StringGrid(form1), 1, 2);
  Variablen_StringGrid(form1)->SetEditorMode(true);
  ASSERT_TRUE(Variablen_StringGrid(form1)->EditorMode());
  Tippe(QStringLiteral("7"));
  Taste(Qt::Key_Escape);
  for (TStringGrid* g : {MatrixTab_StringGrid(form1), Winkel_StringGrid(form1),
                         Variablen_StringGrid(form1), G_Variablen_StringGrid(form1)})
    EXPECT_FALSE(g->EditorMode()) << g->objectName().toStdString();
  EXPECT_EQ(QApplication::focusWidget(), Dummy_Edit(form1));
  EXPECT_EQ(Variablen_StringGrid(form1)->Cells(1, 2), QStringLiteral("7"));
}

TEST_F(FensterTest, LongTextsFitTheirFieldsAndTheInstructionsOpenAtTheTop) {
  // The longest Exponent texts of the conversion field are shown whole.
  TEdit* e = Wandel_KE_EK_Edit(form1);
  for (const char* t : {"0,000000000E+00-j2,000000000E+00", "-8,888888888E+88-j8,888888888E+88"}) {
    e->setText(QString::fromLatin1(t));
    e->end(false);
    e->grab();  // the edit scrolls its text when it paints
    EXPECT_EQ(e->cursorPositionAt(QPoint(0, e->height() / 2)), 0) << t;
  }
  // "Winkel DEG" and "Winkel GRA" fit the angle grid's label column.
  const QHeaderView* titel = Winkel_StringGrid(form1)->verticalHeader();
  EXPECT_GE(titel->width(), titel->sizeHint().width());
  Seite(2);
  EXPECT_EQ(Bedinungsanleitung_Memo(form1)->verticalScrollBar()->value(), 0);
}

// Tab goes through page 2 box by box, each box row by row.
TEST_F(FensterTest, TabFollowsTheReadingOrderOfPageTwo) {
  const QList<QWidget*> erwartet = {L_RadioButton(form1),
                                    L_Edit(form1),
                                    fL_RadioButton(form1),
                                    fL_Edit(form1),
                                    XL_RadioButton(form1),
                                    XL_Edit(form1),
                                    istGleichXL_Button(form1),
                                    C_RadioButton(form1),
                                    C_Edit(form1),
                                    fC_RadioButton(form1),
                                    fC_Edit(form1),
                                    XC_RadioButton(form1),
                                    XC_Edit(form1),
                                    istGleichXC_Button(form1),
                                    ZK_Rechenfeld_Edit(form1),
                                    Beispiel_BitBtn(form1),
                                    ist_gleich_Button(form1),
                                    Loesche_Rechenfeld_Button(form1),
                                    Winkel_StringGrid(form1)};
  QList<QWidget*> kette;
  QWidget* w = L_RadioButton(form1);
  do {
    if (erwartet.contains(w)) kette << w;
    w = w->nextInFocusChain();
  } while (w != L_RadioButton(form1));
  EXPECT_EQ(kette, erwartet);
}

TEST_F(FensterTest, TheDisplayFormatFollowsTheRadioButtons) {
  QTest::mouseClick(Exponent_RadioButton(form1), Qt::LeftButton);
  EXPECT_EQ(form1.Zustand().ZahlenFormat(), Exponent);
  QTest::mouseClick(General_RadioButton(form1), Qt::LeftButton);
  EXPECT_EQ(form1.Zustand().ZahlenFormat(), General);
}

}  // namespace

namespace {

// The window icon is built into the program as PNG sizes (no SVG plugin, no
// font needed at start) and shows the design, not an empty picture.
TEST(ProgrammSymbol, IsBuiltInInTheWindowIconSizes) {
  const QIcon symbol = ProgrammSymbol();
  ASSERT_FALSE(symbol.isNull());
  for (int groesse : {16, 32, 48, 64}) {
    EXPECT_TRUE(symbol.availableSizes().contains(QSize(groesse, groesse))) << groesse;
    const QImage bild = symbol.pixmap(groesse, groesse).toImage();
    ASSERT_EQ(bild.width(), groesse);
    // The yellow background just inside the frame.
    const QRgb grund = bild.pixel(groesse / 2, groesse / 5);
    EXPECT_GT(qAlpha(grund), 0) << groesse;
    EXPECT_GT(qRed(grund), 200) << groesse;
    EXPECT_GT(qGreen(grund), 200) << groesse;
  }
}

}  // namespace

// The matrix page is built when it is first needed. Whatever builds it, it
// must look, read and behave as if it had been there from the start.
namespace {

// A window as the program opens it, its matrix page never shown.
std::unique_ptr<TForm1> NeuesFenster() {
  auto f = std::make_unique<TForm1>();
  f->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(f.get()));
  return f;
}

// The widgets Tab reaches, in order (the phasor page's only once it is built).
QStringList Tabfolge(TForm1& f) {
  QStringList folge;
  for (QWidget* w = f.nextInFocusChain(); w != &f; w = w->nextInFocusChain())
    if ((w->focusPolicy() & Qt::TabFocus) && !Zeiger_Seite(f)->isAncestorOf(w))
      folge << w->objectName();
  return folge;
}

// What the page shows and tells a screen reader, control by control (the
// design's controls, not the views' inner parts that Qt lays out lazily),
// and where Tab goes through the window.
QStringList Abbild(TForm1& f) {
  QStringList a;
  for (QWidget* w : Matrix_Seite(f)->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
    QString z = QStringLiteral("%1 %2 sichtbar=%3 aktiv=%4 %5,%6 %7x%8 name=%9|%10")
                    .arg(w->objectName(), QLatin1String(w->metaObject()->className()))
                    .arg(w->isVisibleTo(Matrix_Seite(f)))
                    .arg(w->isEnabled())
                    .arg(w->x())
                    .arg(w->y())
                    .arg(w->width())
                    .arg(w->height())
                    .arg(w->accessibleName(), w->accessibleDescription());
    if (auto* e = qobject_cast<QLineEdit*>(w)) z += QStringLiteral(" text=") + e->text();
    if (auto* b = qobject_cast<QAbstractButton*>(w))
      z += QStringLiteral(" text=%1 an=%2").arg(b->text()).arg(b->isChecked());
    if (auto* l = qobject_cast<QLabel*>(w)) z += QStringLiteral(" text=") + l->text();
    if (auto* g = qobject_cast<TStringGrid*>(w)) {
      z += QStringLiteral(" %1x%2").arg(g->ColCount()).arg(g->RowCount());
      for (int c = 0; c < g->ColCount(); ++c) z += QStringLiteral(" b%1").arg(g->ColWidths(c));
      for (int r = 0; r <= 21; ++r)
        for (int c = 0; c <= 3; ++c)
          z += QLatin1Char('|') + g->Cells(c, r) + QLatin1Char('/') + g->ZellTitel(c, r);
    }
    a << z;
  }
  a << Tabfolge(f);
  return a;
}

TEST_F(FensterTest, TheWindowOpensWithoutTheMatrixPageAndBuildsItWhenShown) {
  auto f = NeuesFenster();
  EXPECT_FALSE(MatrixseiteGebaut(*f));
  EXPECT_TRUE(Matrix_Seite(*f)->findChildren<QWidget*>().isEmpty());
  EXPECT_EQ(f->Zustand().System().Dimension(), 3);
  // The unbuilt page counts as the empty start, not as a change.
  EXPECT_FALSE(Dateiaktionen(*f)->Geaendert());

  TabbedNotebook(*f)->setCurrentIndex(0);
  QApplication::processEvents();
  ASSERT_TRUE(MatrixseiteGebaut(*f));
  EXPECT_EQ(Matrix_Seite(*f)->geometry(), Rechen_Seite(*f)->geometry());
  EXPECT_TRUE(MatrixTab_StringGrid(*f)->isVisible());
  EXPECT_TRUE(Berechnen_BitBtn(*f)->isVisible());
  EXPECT_FALSE(Pruefen_BitBtn(*f)->isVisible());
  EXPECT_EQ(AnzahlMatrix_Edit(*f)->text(), QStringLiteral("3"));
  EXPECT_EQ(MatrixTab_StringGrid(*f)->Cells(1, 0), QStringLiteral("Ergebnis  = "));
  EXPECT_EQ(MatrixTab_StringGrid(*f)->Cells(0, 20), QStringLiteral("GL 20:"));
  EXPECT_EQ(MatrixTab_StringGrid(*f)->accessibleName(), QStringLiteral("Koeffizientenmatrix"));
  EXPECT_FALSE(Dateiaktionen(*f)->Geaendert());

  // Tab reaches the page's controls where they stand: after the tab bar,
  // before the second page, not after the memory below the notebook.
  const QStringList folge = Tabfolge(*f);
  const qsizetype matrix = folge.indexOf(QStringLiteral("MatrixTab_StringGrid"));
  EXPECT_EQ(folge.mid(matrix, 12),
            (QStringList{"MatrixTab_StringGrid", "AnzahlMatrix_Edit", "Ab", "Auf",
                         "Berechnen_BitBtn", "KxWerte_StringGrid", "Clear_Tabelle_Button",
                         "BeispielAufgaben_BitBtn", "Rechenweg_BitBtn", "Uebung_CheckBox",
                         "Pruefen_BitBtn", "LoesungZeigen_BitBtn"}));
  EXPECT_EQ(folge.value(matrix + 12), QStringLiteral("L_RadioButton"));
  EXPECT_EQ(folge.value(matrix - 1), QStringLiteral("ScrollRightButton"));

  // Solving works on the page built late.
  MatrixTab_StringGrid(*f)->SetCell(1, 1, QStringLiteral("2"));
  MatrixTab_StringGrid(*f)->SetCell(2, 1, QStringLiteral("1"));
  AnzahlMatrix_Edit(*f)->setText(QStringLiteral("1"));
  Berechnen_BitBtn(*f)->click();
  ErwarteWert(KxWerte_StringGrid(*f)->Cells(2, 1), 2, 0);
}

// No path from elsewhere needs the page: it stays unbuilt, and shown
// later it shows what showing it at once would have.
TEST_F(FensterTest, EveryOutsidePathLeavesTheMatrixPageAsShowingItWouldFind) {
  auto gezeigt = NeuesFenster();
  TabbedNotebook(*gezeigt)->setCurrentIndex(0);
  TabbedNotebook(*gezeigt)->setCurrentIndex(1);
  const QStringList erwartet = Abbild(*gezeigt);

  QTemporaryDir ordner;
  ASSERT_TRUE(ordner.isValid());
  const QString pfad = ordner.filePath(QStringLiteral("leer.quorvel"));
  // Saved while the page was never built: the start state.
  ASSERT_TRUE(Dateiaktionen(*NeuesFenster())->SpeichereNach(pfad));

  const std::pair<const char*, std::function<void(TForm1&)>> kWege[] = {
      {"Datei öffnen", [&](TForm1& f) { ASSERT_TRUE(Dateiaktionen(f)->Oeffne(pfad)); }},
      {"Escape",
       [](TForm1& f) {
         f.activateWindow();
         ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
         QTest::keyClick(f.windowHandle(), Qt::Key_Escape);
       }},
      // A click on the display format's box redraws the results.
      {"Zahlenformat",
       [](TForm1& f) { emit ExpotentialForm_GroupBox2(f)->Ereignisse()->geklickt(); }},
      {"Zeigerdiagramm", [](TForm1& f) { TabbedNotebook(f)->setCurrentIndex(3); }},
  };
  for (const auto& [name, weg] : kWege) {
    SCOPED_TRACE(name);
    auto f = NeuesFenster();
    weg(*f);
    QApplication::processEvents();
    EXPECT_FALSE(MatrixseiteGebaut(*f));
    // Looked at, as the reference was: inner layouts settle when shown.
    TabbedNotebook(*f)->setCurrentIndex(0);
    TabbedNotebook(*f)->setCurrentIndex(1);
    const QStringList abbild = Abbild(*f);
    ASSERT_EQ(abbild.size(), erwartet.size());
    for (qsizetype i = 0; i < abbild.size(); ++i) EXPECT_EQ(abbild[i], erwartet[i]);
  }
}

// The phasor page follows the results once both pages exist, whichever
// was built first.
TEST_F(FensterTest, ThePhasorPageFollowsResultsOfAMatrixPageBuiltForIt) {
  auto f = NeuesFenster();
  TabbedNotebook(*f)->setCurrentIndex(3);
  QApplication::processEvents();
  QTreeWidget* liste = Zeigerseite(*f)->Werte_Liste;
  ASSERT_NE(liste, nullptr);
  EXPECT_EQ(liste->topLevelItem(1)->childCount(), 0);
  MatrixTab_StringGrid(*f)->SetCell(1, 1, QStringLiteral("2"));
  MatrixTab_StringGrid(*f)->SetCell(2, 1, QStringLiteral("1"));
  AnzahlMatrix_Edit(*f)->setText(QStringLiteral("1"));
  Berechnen_BitBtn(*f)->click();
  QApplication::processEvents();
  EXPECT_EQ(liste->topLevelItem(1)->childCount(), 1);
}

// A drag source the window does not know, or none, is never taken.
TEST_F(FensterTest, NoDragSourceMatchesAnUnknownOrMissingSource) {
  auto f = NeuesFenster();
  QWidget fremd;
  for (QWidget* quelle : {static_cast<QWidget*>(nullptr), &fremd}) {
    bool annehmen = true;
    emit Variablen_StringGrid(*f)->Ereignisse()->ziehenUeber(quelle, {}, annehmen);
    EXPECT_FALSE(annehmen);
  }
  EXPECT_FALSE(MatrixseiteGebaut(*f));
}

}  // namespace
