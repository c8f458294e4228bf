// SPDX-License-Identifier: GPL-3.0-or-later
// The main window driven by real right-button drags: press, move and
// release on the window handle, as the window system delivers them.
#ifndef QUORVEL_TESTS_APP_ZIEHFIXTURE_H
#define QUORVEL_TESTS_APP_ZIEHFIXTURE_H

#include <QCursor>
#include <QGuiApplication>
#include <QStringList>

#include "Fenster.h"

// A place to press or release: a point of a widget on a notebook page
// (-1: outside the notebook, always shown).
struct Stelle {
  QWidget* widget;
  QPoint punkt;
  int seite;
};

class ZiehFixture : public FensterTest {
 protected:
  static constexpr int kMatrixSeite = 0, kRechenSeite = 1, kUeberall = -1;

  // Near a cell's left edge, which every cell shows whatever the width of
  // its column.
  static Stelle Zelle(TStringGrid* g, int c, int r, int seite) {
    const QRect z = g->CellRect(c, r);
    return {g->viewport(), g->viewport()->mapFrom(g, QPoint(z.left() + 12, z.center().y())), seite};
  }
  static Stelle Mittig(QWidget* w, int seite) { return {w, w->rect().center(), seite}; }

  QPoint ImFenster(const Stelle& s) { return s.widget->mapTo(&form1, s.punkt); }
  void Zeige(const Stelle& s) {
    if (s.seite >= 0 && TabbedNotebook(form1)->currentIndex() != s.seite) Seite(s.seite);
  }

  void Druecke(const Stelle& s, Qt::MouseButton b = Qt::RightButton) {
    Zeige(s);
    QTest::mousePress(form1.windowHandle(), b, {}, ImFenster(s));
  }
  void Lasse(const Stelle& s, Qt::MouseButton b = Qt::RightButton) {
    QTest::mouseRelease(form1.windowHandle(), b, {}, ImFenster(s));
  }

  // Drags from one place to another (switching the page on the way, as the
  // keyboard can while the button is held) and returns the cursor shown
  // over the target: Qt::DragCopyCursor when it accepts.
  Qt::CursorShape Ziehe(const Stelle& von, const Stelle& nach) {
    Druecke(von);
    Zeige(nach);
    QTest::mouseMove(form1.windowHandle(), ImFenster(nach));
    const QCursor* c = QGuiApplication::overrideCursor();
    const Qt::CursorShape form = c ? c->shape() : Qt::ArrowCursor;
    Lasse(nach);
    EXPECT_FALSE(form1.Ziehen().Aktiv());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    return form;
  }

  // Everything a drag could change, but the carried text itself.
  QStringList Schnappschuss() {
    QStringList z;
    for (TLabel* l : {XL_Label(form1), XC_Label(form1), ZK_Rechenfeld_Label(form1)}) z << l->text();
    for (TEdit* e : {Wandel_KE_EK_Edit(form1), ZK_Rechenfeld_Edit(form1)}) z << e->text();
    auto zellen = [&z](TStringGrid* g, int c0, int c1, int r0, int r1) {
      for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) z << g->Cells(c, r);
    };
    zellen(MatrixTab_StringGrid(form1), 0, 4, 0, 3);
    zellen(KxWerte_StringGrid(form1), 1, 2, 0, 3);
    zellen(Variablen_StringGrid(form1), 1, 2, 0, 6);
    zellen(G_Variablen_StringGrid(form1), 1, 1, 0, 6);
    zellen(Winkel_StringGrid(form1), 1, 1, 0, 6);
    for (int n = 1; n <= 6; ++n)
      for (const ZKZahl& w : {form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[n],
                              form1.Zustand().Speicher().Werte(aufgabe::Seite::G)[n]})
        z << QString::number(double(w.Realteil)) + QLatin1Char('/') +
                 QString::number(double(w.Imaginaerteil));
    return z;
  }
};

#endif
