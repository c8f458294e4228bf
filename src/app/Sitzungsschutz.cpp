// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sitzungsschutz.h"

#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QStatusBar>
#include <QTabWidget>
#include <csignal>
#include <cstdio>

#include "app/Dateien.h"
#include "app/MainQuorvel.h"

namespace {

const QString kTitel = QStringLiteral("Quorvel");

// Made when asked: the language is chosen after static initialisation.
QString Frage() {
  return QCoreApplication::translate(
      "TSitzungsschutz",
      "Quorvel wurde nicht ordnungsgemäß beendet. Die letzte Sitzung wiederherstellen?");
}

// The handler only writes a byte into this pipe; the event loop reads it.
int signalRohr[2] = {-1, -1};

void SignalEmpfangen(int) {
  const char c = 1;
  [[maybe_unused]] const ssize_t n = write(signalRohr[1], &c, 1);
}

QString Testantwort() {
  return qEnvironmentVariable("QUORVEL_TESTANTWORT");
}

void Schreibe(const QString& text) {
  std::fprintf(stderr, "%s\n", text.toUtf8().constData());
  std::fflush(stderr);
}

}  // namespace

TSitzungsschutz::TSitzungsschutz(TForm1& fenster, const QString& verzeichnis)
    : QObject(&fenster), f_(fenster), sitzung_(fenster.Zustand(), verzeichnis) {
  auto* seiten = f_.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook"));
  if (seiten) {
    sitzung_.SetzeSeite(seiten->currentIndex());
    connect(seiten, &QTabWidget::currentChanged, this, [this](int i) { sitzung_.SetzeSeite(i); });
  }
  // The title changes with the file the work belongs to.
  connect(&f_, &QWidget::windowTitleChanged, this, [this] {
    if (TDateiAktionen* d = Dateiaktionen(f_)) sitzung_.SetzePfad(d->Pfad());
  });
  connect(&sitzung_, &Sitzung::Schreibfehler, this, [this](const QString& grund) {
    f_.statusBar()->showMessage(
        tr("Die Sitzung konnte nicht gesichert werden: %1 Die letzte Sicherung "
           "bleibt erhalten.")
            .arg(grund));
  });
}

bool TSitzungsschutz::Starte() {
  switch (sitzung_.Beanspruche()) {
    case Sitzung::Fund::Nichts:
      return false;
    case Sitzung::Fund::Beschaedigt:
      Meldung(tr("Die Sitzung eines früheren Laufs von Quorvel ist beschädigt und "
                 "kann nicht wiederhergestellt werden: %1\nDie Datei wurde als „%2“ "
                 "aufbewahrt.")
                  .arg(sitzung_.Grund(), QDir::toNativeSeparators(sitzung_.Beiseite())));
      return false;
    case Sitzung::Fund::Verlassen:
      break;
  }
  bool wiederherstellen = false;
  if (const QString antwort = Testantwort(); !antwort.isEmpty()) {
    Schreibe(Frage());
    wiederherstellen = antwort == QStringLiteral("Wiederherstellen");
  } else {
    QMessageBox box(QMessageBox::Question, kTitel, Frage(), QMessageBox::NoButton, &f_);
    QPushButton* ja = box.addButton(tr("&Wiederherstellen"), QMessageBox::AcceptRole);
    // Declining deletes the work: Escape does not.
    box.addButton(tr("&Verwerfen"), QMessageBox::DestructiveRole);
    box.setDefaultButton(ja);
    box.exec();
    // A signal that ended the question keeps the file for the next start.
    if (behalten_) return false;
    wiederherstellen = box.clickedButton() == ja;
  }
  if (!wiederherstellen) {
    sitzung_.Verwirf();
    return false;
  }
  const Sitzungsstand& stand = sitzung_.Gefunden();
  if (TDateiAktionen* d = Dateiaktionen(f_)) d->StelleWiederHer(stand.aufgabe, stand.pfad);
  if (auto* seiten = f_.findChild<QTabWidget*>(QStringLiteral("TabbedNotebook"));
      seiten && stand.seite < seiten->count())
    seiten->setCurrentIndex(stand.seite);
  sitzung_.Uebernimm();
  return true;
}

void TSitzungsschutz::FangeSignale() {
  if (signalRohr[0] >= 0 || pipe2(signalRohr, O_CLOEXEC | O_NONBLOCK) != 0) return;
  auto* melder = new QSocketNotifier(signalRohr[0], QSocketNotifier::Read, this);
  connect(melder, &QSocketNotifier::activated, this, [this] {
    char puffer[16];
    while (read(signalRohr[0], puffer, sizeof puffer) > 0) {
    }
    SichereUndBeende();
  });
  struct sigaction sa {};
  sa.sa_handler = SignalEmpfangen;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGHUP, &sa, nullptr);
#ifndef QT_NO_SESSIONMANAGER
  connect(qGuiApp, &QGuiApplication::commitDataRequest, this,
          [this](QSessionManager&) { SichereUndBeende(); });
#endif
}

void TSitzungsschutz::SichereUndBeende() {
  behalten_ = true;
  sitzung_.Schreibe();
  // Every event loop ends, also that of a dialog that is open.
  QCoreApplication::exit(0);
}

void TSitzungsschutz::Beende() {
  if (!behalten_) sitzung_.Entferne();
}

void TSitzungsschutz::Meldung(const QString& text) {
  if (!Testantwort().isEmpty()) {
    Schreibe(text);
    return;
  }
  QMessageBox::warning(&f_, kTitel, text);
}
