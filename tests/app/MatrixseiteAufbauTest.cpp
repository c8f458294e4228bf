// The matrix page is built when it is first needed. Whatever builds it, it
// must look, read and behave as if it had been there from the start.
#include <QAbstractButton>
#include <QTemporaryDir>
#include <QTreeWidget>

#include "Dateien.h"
#include "Fenster.h"
#include "app/Zeigerdiagramm.h"

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
    if ((w->focusPolicy() & Qt::TabFocus) && !f.Zeiger_Seite->isAncestorOf(w))
      folge << w->objectName();
  return folge;
}

// What the page shows and tells a screen reader, control by control (the
// design's controls, not the views' inner parts that Qt lays out lazily),
// and where Tab goes through the window.
QStringList Abbild(TForm1& f) {
  QStringList a;
  for (QWidget* w : f.Matrix_Seite->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))) continue;
    QString z = QStringLiteral("%1 %2 sichtbar=%3 aktiv=%4 %5,%6 %7x%8 name=%9|%10")
                    .arg(w->objectName(), QLatin1String(w->metaObject()->className()))
                    .arg(w->isVisibleTo(f.Matrix_Seite))
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
  EXPECT_FALSE(f->MatrixseiteGebaut());
  EXPECT_EQ(f->MatrixTab_StringGrid, nullptr);
  EXPECT_TRUE(f->Matrix_Seite->findChildren<QWidget*>().isEmpty());
  EXPECT_EQ(f->Zustand.DimMatrix, 3);
  // The unbuilt page counts as the empty start, not as a change.
  EXPECT_FALSE(Dateiaktionen(*f)->Geaendert());

  f->TabbedNotebook->SetPageIndex(0);
  QApplication::processEvents();
  ASSERT_TRUE(f->MatrixseiteGebaut());
  EXPECT_EQ(f->Matrix_Seite->geometry(), f->Rechen_Seite->geometry());
  EXPECT_TRUE(f->MatrixTab_StringGrid->isVisible());
  EXPECT_TRUE(f->Berechnen_BitBtn->isVisible());
  EXPECT_FALSE(f->Pruefen_BitBtn->isVisible());
  EXPECT_EQ(f->AnzahlMatrix_Edit->text(), QStringLiteral("3"));
  EXPECT_EQ(f->MatrixTab_StringGrid->Cells(1, 0), QStringLiteral("Ergebnis  = "));
  EXPECT_EQ(f->MatrixTab_StringGrid->Cells(0, 20), QStringLiteral("GL 20:"));
  EXPECT_EQ(f->MatrixTab_StringGrid->accessibleName(), QStringLiteral("Koeffizientenmatrix"));
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
  f->MatrixTab_StringGrid->SetCell(1, 1, QStringLiteral("2"));
  f->MatrixTab_StringGrid->SetCell(2, 1, QStringLiteral("1"));
  f->AnzahlMatrix_Edit->setText(QStringLiteral("1"));
  f->Berechnen_BitBtnClick();
  ErwarteWert(f->KxWerte_StringGrid->Cells(2, 1), 2, 0);
}

// Every path that reaches the page from elsewhere builds it first and
// leaves it as showing it would have.
TEST_F(FensterTest, EveryOutsidePathBuildsTheMatrixPageAsShowingItWould) {
  auto gezeigt = NeuesFenster();
  gezeigt->TabbedNotebook->SetPageIndex(0);
  gezeigt->TabbedNotebook->SetPageIndex(1);
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
      {"Zahlenformat", [](TForm1& f) { f.ExpotentialForm_GroupBox2->OnClick(); }},
      {"Zeigerdiagramm", [](TForm1& f) { f.TabbedNotebook->SetPageIndex(3); }},
  };
  for (const auto& [name, weg] : kWege) {
    SCOPED_TRACE(name);
    auto f = NeuesFenster();
    weg(*f);
    QApplication::processEvents();
    ASSERT_TRUE(f->MatrixseiteGebaut());
    // Looked at, as the reference was: inner layouts settle when shown.
    f->TabbedNotebook->SetPageIndex(0);
    f->TabbedNotebook->SetPageIndex(1);
    const QStringList abbild = Abbild(*f);
    ASSERT_EQ(abbild.size(), erwartet.size());
    for (qsizetype i = 0; i < abbild.size(); ++i) EXPECT_EQ(abbild[i], erwartet[i]);
  }
}

// The phasor page follows the results once both pages exist, whichever
// was built first.
TEST_F(FensterTest, ThePhasorPageFollowsResultsOfAMatrixPageBuiltForIt) {
  auto f = NeuesFenster();
  f->TabbedNotebook->SetPageIndex(3);
  QApplication::processEvents();
  QTreeWidget* liste = f->Zeigerdiagramm_Seite->Werte_Liste;
  ASSERT_NE(liste, nullptr);
  EXPECT_EQ(liste->topLevelItem(1)->childCount(), 0);
  f->MatrixTab_StringGrid->SetCell(1, 1, QStringLiteral("2"));
  f->MatrixTab_StringGrid->SetCell(2, 1, QStringLiteral("1"));
  f->AnzahlMatrix_Edit->setText(QStringLiteral("1"));
  f->Berechnen_BitBtnClick();
  QApplication::processEvents();
  EXPECT_EQ(liste->topLevelItem(1)->childCount(), 1);
}

// A drag source the window does not know, or none, is never taken for a
// grid of the unbuilt page (whose pointers are null).
TEST_F(FensterTest, NoDragSourceMatchesTheUnbuiltMatrixPage) {
  auto f = NeuesFenster();
  EXPECT_FALSE(f->SpeicherNimmtAn(nullptr));
  bool annehmen = true;
  f->Variablen_StringGridDragOver(nullptr, 0, 0, annehmen);
  EXPECT_FALSE(annehmen);
  EXPECT_FALSE(f->MatrixseiteGebaut());
}

}  // namespace
