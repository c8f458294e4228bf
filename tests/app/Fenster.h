// SPDX-License-Identifier: GPL-3.0-or-later
// The one window fixture of the GUI tests: the two windows as the program
// builds them, shown offscreen and active, with helpers that drive them
// through real mouse and key events, and message boxes answered from a
// script (an unexpected one fails the test). The page fixtures
// (RechnerFixture.h, SpeicherFixture.h, ZiehFixture.h) add helpers only.
#ifndef QUORVEL_TESTS_APP_FENSTER_H
#define QUORVEL_TESTS_APP_FENSTER_H

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QToolButton>

#include "Bedienelemente.h"
#include "Meldungen.h"
#include "app/Beispiel.h"
#include "app/MainQuorvel.h"
#include "complex/ZKLesen.h"
#include "modell/Text.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

class FensterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form1.SetzeBeispielfenster(&form2);
    // The tests reach every page's controls; those that need the matrix
    // page unbuilt make their own window.
    BaueMatrixseite(form1);
    form1.show();
    form1.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
  }

  void Seite(int i) {
    TabbedNotebook(form1)->setCurrentIndex(i);
    QApplication::processEvents();
  }
  static QPoint Mitte(TStringGrid* g, int c, int r) {
    return g->viewport()->mapFrom(g, g->CellRect(c, r).center());
  }
  void KlickeZelle(TStringGrid* g, int c, int r) {
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, Mitte(g, c, r));
  }
  // Focuses the grid with the given cell current, as the keyboard leaves it.
  static void Waehle(TStringGrid* g, int c, int r) {
    g->setFocus();
    g->SetCol(c);
    g->SetRow(r);
  }
  // A control of form_ by its object name.
  template <class W>
  W* Element(const char* name) {
    W* w = form_->findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  void Tippe(const QString& text) {
    for (QChar ch : text) {
      if (ch == QLatin1Char('\t'))
        QTest::keyClick(form1.windowHandle(), Qt::Key_Tab);
      else
        QTest::keyClick(form1.windowHandle(), ch.toLatin1());
    }
  }
  void Taste(Qt::Key k) { QTest::keyClick(form1.windowHandle(), k); }
  // Opens a widget's context menu as a right click does.
  static QMenu* Kontextmenue(QWidget* w) {
    const QPoint p(5, w->height() / 2);
    QContextMenuEvent e(QContextMenuEvent::Mouse, p, w->mapToGlobal(p));
    QApplication::sendEvent(w, &e);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
  }
  // Value of a cell text, as the readers take it.
  static ZKZahl Wert(const QString& text) {
    ZKZahl z;
    EXPECT_NE(LiesZKZahl(NachAnsi(text), z), ZKForm::Keine) << text.toStdString();
    return z;
  }
  static void ErwarteWert(const QString& text, long double re, long double im) {
    const ZKZahl z = Wert(text);
    const long double tol = 1e-6L * (1 + std::fabs(re) + std::fabs(im));
    EXPECT_NEAR(double(z.Realteil), double(re), double(tol)) << text.toStdString();
    EXPECT_NEAR(double(z.Imaginaerteil), double(im), double(tol)) << text.toStdString();
  }

  Meldungen meldungen;
  TForm1 form1;
  TForm2 form2;
  // The window the by-name helpers look in; a test may point it at a fresh
  // window of its own.
  TForm1* form_ = &form1;
};

#endif
