// SPDX-License-Identifier: GPL-3.0-or-later
// The window as it opens, and the frame's Escape handling.
#include <QHeaderView>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "Dateien.h"
#include "Fenster.h"
#include "app/Symbol.h"

namespace {

TEST_F(FensterTest, OpensOnTheSecondPageWithDimensionThree) {
  EXPECT_EQ(form1.TabbedNotebook->PageIndex(), 1);
  // The screen has room: the design size with the menu bar above it, and
  // the design position; nothing scrolls.
  EXPECT_EQ(form1.size(), QSize(908, 624 + Dateiaktionen(form1)->Menue()->height()));
  EXPECT_EQ(form1.pos(), QPoint(6, 86));
  EXPECT_FALSE(form1.Rollbereich()->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(form1.Rollbereich()->verticalScrollBar()->isVisible());
  EXPECT_TRUE(form1.windowTitle().startsWith(QStringLiteral("[ Mirelto 1.0  ]  Autor:")));
  EXPECT_EQ(form1.AnzahlMatrix_Edit->text(), QStringLiteral("3"));
  EXPECT_EQ(form1.AnzahlMatrix_UpDown->Position(), 3);
  EXPECT_EQ(form1.Zustand.DimMatrix, 3);
  TStringGrid* m = form1.MatrixTab_StringGrid;
  EXPECT_EQ(m->RowCount(), 4);
  EXPECT_EQ(m->ColCount(), 5);
  EXPECT_EQ(m->Cells(0, 0), QStringLiteral("Nr"));
  EXPECT_EQ(m->Cells(1, 0), QStringLiteral("Ergebnis  = "));
  for (int c = 2; c <= 4; ++c)
    EXPECT_EQ(m->Cells(c, 0), QStringLiteral("Koeffizient von X%1").arg(c - 1));
  EXPECT_EQ(m->Cells(0, 20), QStringLiteral("GL 20:"));
  EXPECT_EQ(form1.KxWerte_StringGrid->RowCount(), 4);
  EXPECT_EQ(form1.KxWerte_StringGrid->Cells(0, 21), QStringLiteral("X21 = "));
  EXPECT_EQ(form1.Variablen_StringGrid->Cells(1, 0), QStringLiteral("Kmoplexe Zahl"));
  EXPECT_EQ(form1.G_Variablen_StringGrid->Cells(1, 0), QStringLiteral(" Gn =1/Kn"));
  EXPECT_EQ(form1.Winkel_StringGrid->Cells(0, 6), QStringLiteral("Winkel GRA"));
  EXPECT_EQ(form1.Zustand.KopierText, QString(27, QLatin1Char(' ')));
  EXPECT_TRUE(form1.XL_Edit->isReadOnly());
  EXPECT_FALSE(form1.L_Edit->isReadOnly());
  EXPECT_EQ(form1.XL_Edit->palette().color(QPalette::Base), kErgebnisGelb);
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
  form1.AnzahlMatrix_Edit->setText(QStringLiteral("20"));
  TStringGrid* m = form1.MatrixTab_StringGrid;
  EXPECT_EQ(m->RowCount(), 21);
  EXPECT_EQ(m->model()->headerData(19, Qt::Vertical).toString(), QStringLiteral("GL 20:"));
  EXPECT_EQ(form1.KxWerte_StringGrid->model()->headerData(19, Qt::Vertical).toString(),
            QStringLiteral("X20 = "));
}

TEST_F(FensterTest, EscapeLeavesEveryGridsEditorAndFocusesTheDummyEdit) {
  Seite(0);
  KlickeZelle(form1.MatrixTab_StringGrid, 1, 1);
  ASSERT_TRUE(form1.MatrixTab_StringGrid->EditorMode());
  KlickeZelle(form1.Variablen_StringGrid, 1, 2);
  form1.Variablen_StringGrid->SetEditorMode(true);
  ASSERT_TRUE(form1.Variablen_StringGrid->EditorMode());
  Tippe(QStringLiteral("7"));
  Taste(Qt::Key_Escape);
  for (TStringGrid* g : {form1.MatrixTab_StringGrid, form1.Winkel_StringGrid,
                         form1.Variablen_StringGrid, form1.G_Variablen_StringGrid})
    EXPECT_FALSE(g->EditorMode()) << g->objectName().toStdString();
  EXPECT_EQ(QApplication::focusWidget(), form1.Dummy_Edit);
  EXPECT_EQ(form1.Variablen_StringGrid->Cells(1, 2), QStringLiteral("7"));
}

TEST_F(FensterTest, LongTextsFitTheirFieldsAndTheInstructionsOpenAtTheTop) {
  // The longest Exponent texts of the conversion field are shown whole.
  TEdit* e = form1.Wandel_KE_EK_Edit;
  for (const char* t : {"0,000000000E+00-j2,000000000E+00", "-8,888888888E+88-j8,888888888E+88"}) {
    e->setText(QString::fromLatin1(t));
    e->end(false);
    e->grab();  // the edit scrolls its text when it paints
    EXPECT_EQ(e->cursorPositionAt(QPoint(0, e->height() / 2)), 0) << t;
  }
  // "Winkel DEG" and "Winkel GRA" fit the angle grid's label column.
  const QHeaderView* titel = form1.Winkel_StringGrid->verticalHeader();
  EXPECT_GE(titel->width(), titel->sizeHint().width());
  Seite(2);
  EXPECT_EQ(form1.Bedinungsanleitung_Memo->verticalScrollBar()->value(), 0);
}

// Tab goes through page 2 box by box, each box row by row.
TEST_F(FensterTest, TabFollowsTheReadingOrderOfPageTwo) {
  const QList<QWidget*> erwartet = {form1.L_RadioButton,
                                    form1.L_Edit,
                                    form1.fL_RadioButton,
                                    form1.fL_Edit,
                                    form1.XL_RadioButton,
                                    form1.XL_Edit,
                                    form1.istGleichXL_Button,
                                    form1.C_RadioButton,
                                    form1.C_Edit,
                                    form1.fC_RadioButton,
                                    form1.fC_Edit,
                                    form1.XC_RadioButton,
                                    form1.XC_Edit,
                                    form1.istGleichXC_Button,
                                    form1.ZK_Rechenfeld_Edit,
                                    form1.Beispiel_BitBtn,
                                    form1.ist_gleich_Button,
                                    form1.Loesche_Rechenfeld_Button,
                                    form1.Winkel_StringGrid};
  QList<QWidget*> kette;
  QWidget* w = form1.L_RadioButton;
  do {
    if (erwartet.contains(w)) kette << w;
    w = w->nextInFocusChain();
  } while (w != form1.L_RadioButton);
  EXPECT_EQ(kette, erwartet);
}

TEST_F(FensterTest, TheDisplayFormatFollowsTheRadioButtons) {
  QTest::mouseClick(form1.Exponent_RadioButton, Qt::LeftButton);
  EXPECT_EQ(form1.Zustand.ZahlenFormat, Exponent);
  QTest::mouseClick(form1.General_RadioButton, Qt::LeftButton);
  EXPECT_EQ(form1.Zustand.ZahlenFormat, General);
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
