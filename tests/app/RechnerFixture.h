// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window, shown headless, for tests that drive the
// calculators of the second page by their controls' object names.
#ifndef QUORVEL_TESTS_APP_RECHNERFIXTURE_H
#define QUORVEL_TESTS_APP_RECHNERFIXTURE_H

#include <QLineEdit>

#include "Fenster.h"

// The calculators' tests name controls by object name and work on form_.
class RechnerTest : public FensterTest {
 protected:
  TEdit* Edit(const char* name) { return Element<TEdit>(name); }
  QString Text(const char* name) { return Element<QWidget>(name)->property("text").toString(); }
  bool HatFokus(const char* name) { return QApplication::focusWidget() == Element<QWidget>(name); }
  void Klick(const char* name) {
    QTest::mouseClick(Element<QAbstractButton>(name), Qt::LeftButton);
  }
  // Replaces the edit's text by typing it key by key.
  void Tippe(const char* name, const QString& text) {
    TEdit* e = Edit(name);
    e->setFocus();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    QTest::keyClicks(e, text);
  }
  void Format(int zahlenFormat) {
    Klick(zahlenFormat == Exponent ? "Exponent_RadioButton" : "General_RadioButton");
    ASSERT_EQ(form_->Zustand().ZahlenFormat(), zahlenFormat);
  }
};

#endif
