// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window under random input: clicks, double clicks, keys, pastes,
// right-button drags, context menus and wheel turns on every page, with the
// real message boxes and dialogs, each answered by Escape after 200 ms. It
// must not crash, trip a sanitizer, or stop handling events for a second.
//
// A fixed seed and 1,000 events by default; QUORVEL_AFFE_EREIGNISSE and
// QUORVEL_AFFE_SAMEN choose others, QUORVEL_AFFE_PROTOKOLL=1 lists every
// event on standard error.
#include <gtest/gtest.h>
#include <pthread.h>
#include <time.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QPointer>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <thread>

#include "app/Beispiel.h"
#include "app/Dateien.h"
#include "app/MainQuorvel.h"
#include "app/Sitzungsschutz.h"

namespace {

using Uhr = std::chrono::steady_clock;

// The offscreen platform's notes on what it cannot do, and the grid's note
// on a key that opens no editor, at every other event.
QtMessageHandler gWeiter = nullptr;
void Meldung(QtMsgType typ, const QMessageLogContext& ort, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support")) ||
      text == QLatin1String("edit: editing failed"))
    return;
  gWeiter(typ, ort, text);
}

int Zahl(const char* name, int vorgabe) {
  bool ok = false;
  const int n = qEnvironmentVariableIntValue(name, &ok);
  return ok ? n : vorgabe;
}

// Stops the process when the event loop stands still (a nested dialog's
// loop counts as running): for a second of the main thread's own CPU time
// (a loop that never ends), or for ten seconds of waiting (a lock that is
// never released). CPU time, not the clock: a machine busy with other work
// must not look like a hang.
class Waechter {
 public:
  explicit Waechter(std::chrono::milliseconds grenze) : grenze_(grenze) {
    pthread_getcpuclockid(pthread_self(), &cpu_);
    puls_.setInterval(50);
    QObject::connect(&puls_, &QTimer::timeout, [this] { Schlage(); });
    puls_.start();
    Schlage();
    faden_ = std::thread([this] {
      while (!ende_) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const auto rechnet = std::chrono::nanoseconds(Cpu() - cpuSchlag_.load());
        const auto wartet = Uhr::now() - Uhr::time_point(Uhr::duration(schlag_.load()));
        if (rechnet > grenze_ || wartet > 10 * grenze_) {
          std::fprintf(
              stderr, "Affentest: %lld ms (%lld ms gerechnet) ohne Ereignisverarbeitung nach: %s\n",
              static_cast<long long>(
                  std::chrono::duration_cast<std::chrono::milliseconds>(wartet).count()),
              static_cast<long long>(
                  std::chrono::duration_cast<std::chrono::milliseconds>(rechnet).count()),
              ereignis_);
          std::abort();
        }
      }
    });
  }
  ~Waechter() {
    ende_ = true;
    faden_.join();
  }
  void Schlage() {
    schlag_ = Uhr::now().time_since_epoch().count();
    cpuSchlag_ = Cpu();
  }
  // What the driver does now, for the message (a fixed buffer: the thread
  // reads it without a lock).
  void Ereignis(const QString& was) {
    std::snprintf(ereignis_, sizeof ereignis_, "%s", was.toUtf8().constData());
  }

 private:
  std::int64_t Cpu() const {
    timespec t{};
    clock_gettime(cpu_, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
  }

  std::chrono::milliseconds grenze_;
  clockid_t cpu_{};
  QTimer puls_;
  std::atomic<Uhr::rep> schlag_{0};
  std::atomic<std::int64_t> cpuSchlag_{0};
  std::atomic<bool> ende_{false};
  char ereignis_[256] = "";
  std::thread faden_;
};

// Answers every modal dialog and popup with Escape once it has been open
// for 200 ms; one that does not close after several is closed and counted.
class Antworter {
 public:
  Antworter() {
    zeit_.setInterval(200);
    QObject::connect(&zeit_, &QTimer::timeout, [this] { Pruefe(); });
    zeit_.start();
  }
  int Verweigert() const { return verweigert_; }

 private:
  void Pruefe() {
    QWidget* w = QApplication::activePopupWidget();
    if (!w) w = QApplication::activeModalWidget();
    if (!w) {
      offen_ = nullptr;
      return;
    }
    versuche_ = w == offen_ ? versuche_ + 1 : 1;
    offen_ = w;
    if (versuche_ > 5) {
      std::fprintf(stderr, "Affentest: %s „%s“ schließt nicht mit Escape\n",
                   w->metaObject()->className(),
                   w->property("text").toString().toUtf8().constData());
      ++verweigert_;
      w->close();
      return;
    }
    QTest::keyClick(w, Qt::Key_Escape);
  }

  QTimer zeit_;
  QWidget* offen_ = nullptr;
  int versuche_ = 0;
  int verweigert_ = 0;
};

class Affe {
 public:
  Affe(TForm1& f, std::uint32_t samen) : f_(f), zufall_(samen) {}

  QString Schritt() {
    // Keys go to the focus widget of the active window, as a user's do.
    if (!QApplication::activeWindow()) {
      f_.activateWindow();
      QApplication::processEvents();
    }
    QWidget* w = Ziel();
    if (!w) return QStringLiteral("kein Ziel");
    const QPoint p = Punkt(w);
    const QString name = Name(w) + QStringLiteral(" @%1,%2").arg(p.x()).arg(p.y());
    const int art = Wuerfel(100);
    if (art < 30) {
      QTest::mouseClick(w, Qt::LeftButton, {}, p);
      return QStringLiteral("Klick ") + name;
    }
    if (art < 35) {
      QTest::mouseDClick(w, Qt::LeftButton, {}, p);
      return QStringLiteral("Doppelklick ") + name;
    }
    if (art < 45) {
      QWidget* z = Ziel();
      if (!z) return QStringLiteral("kein Ziel");
      const QPoint q = Punkt(z);
      const QString zname = Name(z);
      // The press may open or close a window: the target may be gone.
      QPointer<QWidget> ziel(z);
      QTest::mousePress(w, Qt::RightButton, {}, p);
      if (ziel) QTest::mouseMove(ziel, q);
      if (ziel) QTest::mouseRelease(ziel, Qt::RightButton, {}, q);
      return QStringLiteral("Ziehen ") + name + QStringLiteral(" -> ") + zname;
    }
    if (art < 75) {
      const auto [taste, mod] = Taste();
      QWidget* fokus = QApplication::focusWidget();
      const QString was = QStringLiteral("Taste %1/%2 in %3")
                              .arg(int(taste), 0, 16)
                              .arg(int(mod), 0, 16)
                              .arg(fokus ? Name(fokus) : QStringLiteral("Fenster"));
      QTest::keyClick(fokus ? fokus : &f_, taste, mod);
      return was;
    }
    if (art < 85) {
      const QString text = Text();
      QApplication::clipboard()->setText(text);
      QWidget* fokus = QApplication::focusWidget();
      QTest::keyClick(fokus ? fokus : &f_, Qt::Key_V, Qt::ControlModifier);
      return QStringLiteral("Einfügen „%1“").arg(text.left(40).replace(QLatin1Char('\n'), u'¶'));
    }
    if (art < 92) {
      auto* seiten = f_.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook"));
      const int i = Wuerfel(seiten->count());
      seiten->setCurrentIndex(i);
      return QStringLiteral("Seite %1").arg(i);
    }
    if (art < 96) {
      QContextMenuEvent e(QContextMenuEvent::Mouse, p, w->mapToGlobal(p));
      QApplication::sendEvent(w, &e);
      return QStringLiteral("Kontextmenü ") + name;
    }
    QWheelEvent e(p, w->mapToGlobal(p), {}, {0, Wuerfel(2) ? 120 : -120}, Qt::NoButton, {},
                  Qt::NoScrollPhase, false);
    QApplication::sendEvent(w, &e);
    return QStringLiteral("Rad ") + name;
  }

 private:
  int Wuerfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(zufall_); }

  // A visible, enabled widget of a visible window of the program.
  QWidget* Ziel() {
    QWidgetList kandidaten;
    for (QWidget* fenster : QApplication::topLevelWidgets()) {
      if (!fenster->isVisible()) continue;
      kandidaten << fenster;
      for (QWidget* w : fenster->findChildren<QWidget*>())
        if (w->isVisible() && w->isEnabled() && w->width() > 0 && w->height() > 0) kandidaten << w;
    }
    return kandidaten.isEmpty() ? nullptr : kandidaten[Wuerfel(int(kandidaten.size()))];
  }
  QPoint Punkt(QWidget* w) { return {Wuerfel(w->width()), Wuerfel(w->height())}; }
  static QString Name(QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className()) + QLatin1Char('/') + w->objectName();
  }

  std::pair<Qt::Key, Qt::KeyboardModifiers> Taste() {
    static const QString zeichen = QStringLiteral("0123456789,.+-*:/()jJeE^°<>= abcKGxX");
    static const Qt::Key sonder[] = {
        Qt::Key_Tab,  Qt::Key_Backtab, Qt::Key_Return,    Qt::Key_Enter,  Qt::Key_Escape,
        Qt::Key_Left, Qt::Key_Right,   Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home,
        Qt::Key_End,  Qt::Key_Delete,  Qt::Key_Backspace, Qt::Key_PageUp, Qt::Key_PageDown,
        Qt::Key_F2,   Qt::Key_Space,   Qt::Key_Insert};
    static const Qt::Key strg[] = {Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_A,
                                   Qt::Key_Z, Qt::Key_N, Qt::Key_S, Qt::Key_O};
    const int art = Wuerfel(10);
    if (art < 6) {
      const QChar c = zeichen[Wuerfel(int(zeichen.size()))];
      return {static_cast<Qt::Key>(c.toUpper().unicode()), Qt::NoModifier};
    }
    if (art < 9) return {sonder[Wuerfel(int(std::size(sonder)))], Qt::NoModifier};
    return {strg[Wuerfel(int(std::size(strg)))], Qt::ControlModifier};
  }

  // Numbers, near-numbers, garbage, blocks of rows and columns, long texts.
  QString Text() {
    static const QStringList muster = {QStringLiteral("3 + j4"),
                                       QStringLiteral("1,5*e^j30"),
                                       QStringLiteral("-0,25"),
                                       QStringLiteral("K1*G2+(3:4)"),
                                       QStringLiteral("1e4000"),
                                       QStringLiteral("j"),
                                       QStringLiteral("1\t2\t3\n4\t5\t6\n"),
                                       QStringLiteral("((((((((1"),
                                       QStringLiteral("1,2,3"),
                                       QStringLiteral("\u00e4\u00f6\u00fc\U0001F600"),
                                       QStringLiteral("0"),
                                       QStringLiteral("R1 1 2 100\nV1 1 0 10\n")};
    switch (Wuerfel(4)) {
      case 0:
        return QString(Wuerfel(600), QLatin1Char("9,j+"[Wuerfel(4)]));
      case 1: {
        QString s;
        for (int i = Wuerfel(30); i > 0; --i) s += QChar(char16_t(1 + Wuerfel(0x2FF)));
        return s;
      }
      default:
        return muster[Wuerfel(int(muster.size()))];
    }
  }

  TForm1& f_;
  std::mt19937 zufall_;
};

TEST(Affentest, TheWindowSurvivesRandomInput) {
  gWeiter = qInstallMessageHandler(Meldung);
  QTemporaryDir heim;
  // Settings of their own: the menu's „Liste leeren“ must not empty the user's list.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, heim.path());
  TForm1 form1;
  TForm2 form2;
  form1.SetzeBeispielfenster(&form2);
  // No file is chosen: the file menu's dialogs would write into the folder.
  Dateiaktionen(form1)->Dateiwahl = [](bool) { return QString(); };
  // The recovery copy is made in between, from whatever state the input leaves.
  TSitzungsschutz schutz(form1, heim.path());
  schutz.Starte();
  form1.show();
  form1.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));

  const int ereignisse = Zahl("QUORVEL_AFFE_EREIGNISSE", 1000);
  const auto samen = static_cast<std::uint32_t>(Zahl("QUORVEL_AFFE_SAMEN", 20261207));
  const bool protokoll = Zahl("QUORVEL_AFFE_PROTOKOLL", 0) != 0;
  Waechter waechter(std::chrono::milliseconds(Zahl("QUORVEL_AFFE_GRENZE_MS", 1000)));
  Antworter antworter;
  Affe affe(form1, samen);
  for (int i = 0; i < ereignisse; ++i) {
    waechter.Ereignis(QStringLiteral("Ereignis %1").arg(i));
    const QString was = affe.Schritt();
    waechter.Ereignis(QStringLiteral("Ereignis %1: %2").arg(i).arg(was));
    if (protokoll) std::fprintf(stderr, "%d %s\n", i, was.toUtf8().constData());
    QApplication::processEvents();
    // A close (Ctrl+Q, the menu) ends nothing here: the window comes back.
    if (!form1.isVisible()) {
      form1.show();
      form1.activateWindow();
    }
    waechter.Schlage();
  }
  schutz.Beende();
  EXPECT_EQ(antworter.Verweigert(), 0);
  qInstallMessageHandler(gWeiter);
}

}  // namespace
