// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a screen smaller than its design: ctest runs these as
// test_app.KleinerBildschirm on a 1280x1024 screen at scale factor 2, where
// Qt has 640x512 for the window and its frame.
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "Fenster.h"

namespace {

class KleinerBildschirm : public FensterTest {
 protected:
  void SetUp() override {
    const QSize frei = QGuiApplication::primaryScreen()->availableGeometry().size();
    if (frei.width() > 1000 && frei.height() > 700)
      GTEST_SKIP() << "braucht einen kleinen Bildschirm (ctest: test_app.KleinerBildschirm)";
    FensterTest::SetUp();
  }

  // The notebook page a control lies on, or -1 below the notebook.
  int SeiteVon(QWidget* w) {
    for (; w && w != TabbedNotebook(form1); w = w->parentWidget())
      if (const int i = TabbedNotebook(form1)->indexOf(w); i >= 0) return i;
    return -1;
  }
};

TEST_F(KleinerBildschirm, BothWindowsFitTheScreenAndTheirContentScrolls) {
  const QRect frei = form1.screen()->availableGeometry();
  EXPECT_TRUE(frei.contains(form1.frameGeometry()));
  EXPECT_LT(form1.width(), 908);
  EXPECT_LT(form1.height(), 624);
  EXPECT_TRUE(form1.Rollbereich()->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(form1.Rollbereich()->verticalScrollBar()->isVisible());

  Seite(0);
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("1"));
  form1.Zustand().Beispiele().festerSamen = 1;
  QTest::mouseClick(BeispielAufgaben_BitBtn(form1), Qt::LeftButton);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form2));
  EXPECT_TRUE(frei.contains(form2.frameGeometry()));
}

// Every control can be scrolled into view and then takes a click.
TEST_F(KleinerBildschirm, EveryControlIsReachable) {
  QWidget* sicht = form1.Rollbereich()->viewport();
  int geprueft = 0;
  for (QWidget* w : form1.Rollbereich()->widget()->findChildren<QWidget*>()) {
    const QString name = w->objectName();
    if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || w == Dummy_Edit(form1)) continue;
    if (const int seite = SeiteVon(w); seite >= 0) Seite(seite);
    if (!w->isVisible()) continue;  // an open cell editor, a hidden scroll bar
    form1.Rollbereich()->ensureWidgetVisible(w, 0, 0);
    QApplication::processEvents();
    const QRect sichtbar = QRect(w->mapTo(sicht, QPoint(0, 0)), w->size()) & sicht->rect();
    ASSERT_FALSE(sichtbar.isEmpty()) << name.toStdString();
    const QWidget* getroffen = QApplication::widgetAt(sicht->mapToGlobal(sichtbar.center()));
    EXPECT_TRUE(getroffen == w || w->isAncestorOf(getroffen)) << name.toStdString();
    ++geprueft;
  }
  EXPECT_GT(geprueft, 60);
}

}  // namespace
