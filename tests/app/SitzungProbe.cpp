// SPDX-License-Identifier: GPL-3.0-or-later
// The program as it runs (Programm.h), with commands on standard input that
// type into it and read it, for the tests that kill and restart it
// (SitzungTest.cpp). One command per line, each answered by one line:
//   seite N                 show notebook page N           -> ok
//   zelle GRID C R TEXT     type TEXT into a grid's cell    -> ok
//   feld NAME TEXT          type TEXT into an edit          -> ok
//   klick NAME              click a button                  -> ok
//   lies ORT C R            the model's text at a place     -> = TEXT
//   status                  the status bar's message        -> = TEXT
//   antworte KNOPF          answer the open question          -> ok
//   schliesse               close the window as the user does -> ok
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "app/MainQuorvel.h"
#include "app/Programm.h"
#include "forms/StringGrid.h"

namespace {

TForm1* Fenster() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* f = qobject_cast<TForm1*>(w)) return f;
  return nullptr;
}

void Tippe(const QString& text) {
  for (QChar c : text) {
    QWidget* w = QApplication::focusWidget();
    if (!w) return;
    if (c == QLatin1Char('\t'))
      QTest::keyClick(w, Qt::Key_Tab);
    else
      QTest::keyClick(w, c.toLatin1());
  }
}

QString Fuehre(const QString& zeile) {
  TForm1* f = Fenster();
  if (!f) return QStringLiteral("fehlt Fenster");
  const QStringList w = zeile.split(QLatin1Char(' '));
  if (w.value(0) == QLatin1String("antworte")) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return QStringLiteral("keine Frage");
    for (QAbstractButton* b : box->buttons())
      if (b->text().remove(QLatin1Char('&')) == w.value(1)) {
        b->click();
        return QStringLiteral("ok");
      }
    return QStringLiteral("fehlt ") + w.value(1);
  }
  // Keys go to the focus widget, which only an active window has.
  if (!f->isActiveWindow()) {
    f->activateWindow();
    if (!QTest::qWaitForWindowActive(f)) return QStringLiteral("nicht aktiv");
  }
  const QString befehl = w.value(0);
  // The text is everything after the fixed words.
  auto rest = [&](int ab) { return w.mid(ab).join(QLatin1Char(' ')); };
  if (befehl == QLatin1String("seite")) {
    f->findChild<QTabWidget*>(QStringLiteral("TabbedNotebook"))
        ->setCurrentIndex(w.value(1).toInt());
    QApplication::processEvents();
    return QStringLiteral("ok");
  }
  if (befehl == QLatin1String("zelle")) {
    auto* g = f->findChild<TStringGrid*>(w.value(1));
    if (!g) return QStringLiteral("fehlt ") + w.value(1);
    g->setFocus();
    g->SetCol(w.value(2).toInt());
    g->SetRow(w.value(3).toInt());
    Tippe(rest(4));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    return QStringLiteral("ok");
  }
  if (befehl == QLatin1String("feld")) {
    auto* e = f->findChild<QWidget*>(w.value(1));
    if (!e) return QStringLiteral("fehlt ") + w.value(1);
    e->setFocus();
    Tippe(rest(2));
    return QStringLiteral("ok");
  }
  if (befehl == QLatin1String("klick")) {
    auto* b = f->findChild<QAbstractButton*>(w.value(1));
    if (!b) return QStringLiteral("fehlt ") + w.value(1);
    b->click();
    return QStringLiteral("ok");
  }
  if (befehl == QLatin1String("lies")) {
    static const QStringList orte = {QStringLiteral("Matrix"),
                                     QStringLiteral("Ergebnis"),
                                     QStringLiteral("K"),
                                     QStringLiteral("G"),
                                     QStringLiteral("XL"),
                                     QStringLiteral("XC"),
                                     QStringLiteral("Formelergebnis"),
                                     QStringLiteral("Wandeln"),
                                     QStringLiteral("Winkel"),
                                     QStringLiteral("Formel")};
    const auto ort = static_cast<Ort>(orte.indexOf(w.value(1)));
    return QStringLiteral("= ") + f->Zustand().Text(ort, w.value(2).toInt(), w.value(3).toInt());
  }
  if (befehl == QLatin1String("schliesse")) {
    QMetaObject::invokeMethod(f, &QWidget::close, Qt::QueuedConnection);
    return QStringLiteral("ok");
  }
  if (befehl == QLatin1String("status"))
    return QStringLiteral("= ") + f->statusBar()->currentMessage();
  return QStringLiteral("unbekannt ") + befehl;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QSocketNotifier eingabe(STDIN_FILENO, QSocketNotifier::Read);
  QByteArray puffer;
  QObject::connect(&eingabe, &QSocketNotifier::activated, [&] {
    char b[4096];
    const ssize_t n = read(STDIN_FILENO, b, sizeof b);
    if (n <= 0) {
      eingabe.setEnabled(false);
      return;
    }
    puffer.append(b, n);
    qsizetype ende;
    while ((ende = puffer.indexOf('\n')) >= 0) {
      const QString zeile = QString::fromUtf8(puffer.left(ende));
      puffer.remove(0, ende + 1);
      std::printf("%s\n", Fuehre(zeile).toUtf8().constData());
      std::fflush(stdout);
    }
  });
  return FuehreQuorvelAus();
}
