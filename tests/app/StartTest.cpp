// The window as it opens, and the frame's Escape handling.
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>

#include "Dateien.h"
#include "Fenster.h"

namespace {

TEST_F(FensterTest, OpensOnTheSecondPageWithDimensionThree) {
  EXPECT_EQ(form1.TabbedNotebook->PageIndex(), 1);
  // The design's client area, with the menu bar above it.
  EXPECT_EQ(form1.size(), QSize(908, 624 + Dateiaktionen(form1)->Menue()->height()));
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

TEST_F(FensterTest, TheDisplayFormatFollowsTheRadioButtons) {
  QTest::mouseClick(form1.Exponent_RadioButton, Qt::LeftButton);
  EXPECT_EQ(form1.Zustand.ZahlenFormat, Exponent);
  QTest::mouseClick(form1.General_RadioButton, Qt::LeftButton);
  EXPECT_EQ(form1.Zustand.ZahlenFormat, General);
}

}  // namespace

namespace {

// The icon the windows and the desktop entry use is built into the program
// and renders (the SVG support is a runtime plugin the install script adds).
TEST(ProgrammSymbol, IsBuiltInAndRenders) {
  const QIcon symbol(QStringLiteral(":/org.quorvel.Quorvel.svg"));
  ASSERT_FALSE(symbol.isNull());
  const QImage bild = symbol.pixmap(64, 64).toImage();
  ASSERT_FALSE(bild.isNull());
  EXPECT_EQ(bild.width(), 64);
  // The yellow background of the design, not an empty picture.
  EXPECT_GT(qAlpha(bild.pixel(32, 10)), 0);
}

// Not a check: writes a picture of each page for looking at
// (QUORVEL_BILDER=dir test_app --gtest_also_run_disabled_tests).
TEST_F(FensterTest, DISABLED_SchreibtSeitenbilder) {
  const QString ziel = qEnvironmentVariable("QUORVEL_BILDER", QStringLiteral("."));
  form1.Zustand.FesterZufallsSamen = 1;
  QTest::mouseClick(form1.BeispielAufgaben_BitBtn, Qt::LeftButton);
  for (int i = 0; i < 3; ++i) {
    Seite(i);
    form1.grab().save(QStringLiteral("%1/seite%2.png").arg(ziel).arg(i));
  }
  form2.grab().save(ziel + QStringLiteral("/beispiel.png"));
}

}  // namespace
