// The real main window, shown headless, for tests that drive the
// calculators of the second page by their controls' object names.
#ifndef QUORVEL_TESTS_APP_RECHNERFIXTURE_H
#define QUORVEL_TESTS_APP_RECHNERFIXTURE_H

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>
#include <ostream>

#include "Anwendung.h"
#include "MainQuorvel.h"
#include "Meldungen.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}

// One QApplication for the whole executable. TApplication::Initialize is not
// called on purpose: the C library keeps the locale of the environment, so
// a run under a German locale shows that no reader or writer depends on it.
class QtUmgebung : public ::testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "test_rechner";
    static char* argv[] = {name, nullptr};
    app_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { app_.reset(); }

 private:
  std::unique_ptr<QApplication> app_;
};

inline ::testing::Environment* const kQtUmgebung =
    ::testing::AddGlobalTestEnvironment(new QtUmgebung);

class RechnerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = std::make_unique<TForm1>();
    form_->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form_.get()));
  }
  void TearDown() override { form_.reset(); }

  template <class W>
  W* Control(const char* name) {
    W* w = form_->findChild<W*>(QLatin1String(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  TEdit* Edit(const char* name) { return Control<TEdit>(name); }
  QString Text(const char* name) { return Control<QWidget>(name)->property("text").toString(); }
  bool HatFokus(const char* name) { return QApplication::focusWidget() == Control<QWidget>(name); }
  void Klick(const char* name) {
    QTest::mouseClick(Control<QAbstractButton>(name), Qt::LeftButton);
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
    ASSERT_EQ(form_->Zustand.ZahlenFormat, zahlenFormat);
  }

  std::unique_ptr<TForm1> form_;

 private:
  // None of these pages opens a message box: any box fails the test
  // instead of hanging the headless run.
  Meldungen meldungen_;
};

#endif
