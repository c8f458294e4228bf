// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dateien.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QSettings>

#include "datei/AufgabenDatei.h"
#include "forms/Anwendung.h"
#include "modell/Modell.h"

using aufgabe::Aufgabe;
using aufgabe::Seite;

namespace {

constexpr int kZuletztAnzahl = 8;
// Made when shown: the language is chosen after static initialisation.
QString DateiTitel() {
  return QCoreApplication::translate("TDateiAktionen", "Datei öffnen");
}
QString SpeichernTitel() {
  return QCoreApplication::translate("TDateiAktionen", "Datei speichern");
}

QSettings Einstellungen() {
  return QSettings(QStringLiteral("Quorvel"), QStringLiteral("Quorvel"));
}

QString U(const std::string& s) {
  return QString::fromStdString(s);
}
std::string S(const QString& s) {
  return s.toStdString();
}

// What the user typed, without what the program computed from it: the
// reciprocal side of the memory, the sought calculator field, and whether
// results are shown.
Aufgabe NurEingaben(Aufgabe a) {
  a.matrixErgebnisGezeigt = a.formelErgebnisGezeigt = false;
  for (aufgabe::SpeicherZeile& z : a.speicher) (z.getippt == Seite::K ? z.g : z.k).clear();
  for (aufgabe::Blindrechner* b : {&a.induktiv, &a.kapazitiv}) {
    b->texte[static_cast<std::size_t>(b->gesucht)].clear();
    b->ergebnisGezeigt = false;
  }
  return a;
}

}  // namespace

TDateiAktionen::TDateiAktionen(QMainWindow& fenster, Modell& modell, QMenu* zuletzt)
    : QObject(&fenster), f_(fenster), m_(modell), zuletzt_(zuletzt) {
  setObjectName(QStringLiteral("Dateiaktionen"));
  titel_ = f_.windowTitle();
  Dateiwahl = [this](bool speichern) {
    const QString filter = tr("Quorvel-Aufgaben (*.quorvel);;Alle Dateien (*)");
    const QString start = pfad_.isEmpty() ? QString() : QFileInfo(pfad_).absolutePath();
    QString pfad = speichern
                       ? QFileDialog::getSaveFileName(&f_, tr("Aufgabe speichern unter"),
                                                      pfad_.isEmpty() ? start : pfad_, filter)
                       : QFileDialog::getOpenFileName(&f_, tr("Aufgabe öffnen"), start, filter);
    if (speichern && !pfad.isEmpty() && QFileInfo(pfad).suffix().isEmpty())
      pfad += QStringLiteral(".quorvel");
    return pfad;
  };
  connect(zuletzt_, &QMenu::aboutToShow, this, [this] { BaueZuletztMenue(); });
  BaueZuletztMenue();
  f_.installEventFilter(this);
  leer_ = referenz_ = Erfasse();
}

QMenuBar* TDateiAktionen::Menue() const {
  return f_.menuBar();
}

aufgabe::Aufgabe TDateiAktionen::Erfasse() const {
  return m_.Schnappschuss();
}

void TDateiAktionen::Wende(const Aufgabe& a) {
  emit VorDemOeffnen();
  m_.Wende(a);
}

bool TDateiAktionen::Geaendert() const {
  return NurEingaben(Erfasse()) != NurEingaben(referenz_);
}

bool TDateiAktionen::FrageSpeichern() {
  if (!Geaendert()) return true;
  const int antwort = TApplication::MessageBox(tr("Änderungen speichern?"),
                                               QStringLiteral("Quorvel"), MB_YESNOCANCEL);
  if (antwort == IDCANCEL) return false;
  if (antwort == IDNO) return true;
  return Speichern();
}

bool TDateiAktionen::Neu() {
  if (!FrageSpeichern()) return false;
  Wende(leer_);
  pfad_.clear();
  referenz_ = Erfasse();
  ZeigeTitel();
  return true;
}

bool TDateiAktionen::OeffnenMitDialog() {
  const QString pfad = Dateiwahl ? Dateiwahl(false) : QString();
  if (pfad.isEmpty()) return false;
  return OeffneNachFrage(pfad);
}

bool TDateiAktionen::OeffneNachFrage(const QString& pfad) {
  // The file is checked before the question: a file that cannot be opened
  // asks nothing and changes nothing.
  QFile datei(pfad);
  if (!datei.exists()) {
    TApplication::MessageBox(
        tr("Die Datei „%1“ gibt es nicht (mehr).").arg(QDir::toNativeSeparators(pfad)),
        DateiTitel(), MB_OK);
    return false;
  }
  if (!FrageSpeichern()) return false;
  return Oeffne(pfad);
}

bool TDateiAktionen::Oeffne(const QString& pfad) {
  const QString name = QFileInfo(pfad).fileName();
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) {
    TApplication::MessageBox(tr("Die Datei „%1“ kann nicht gelesen werden: %2")
                                 .arg(QDir::toNativeSeparators(pfad), datei.errorString()),
                             DateiTitel(), MB_OK);
    return false;
  }
  // One byte more than allowed tells a large file without reading all of it.
  const QByteArray bytes = datei.read(static_cast<qint64>(aufgabe::kMaxDateiGroesse) + 1);
  const aufgabe::Leseergebnis e = aufgabe::LiesAufgabe(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (e.fehler != aufgabe::Lesefehler::Keiner) {
    TApplication::MessageBox(U(aufgabe::Lesemeldung(e, S(name))), DateiTitel(), MB_OK);
    return false;
  }
  // An exercise hides a solution that opening computes: without one it
  // cannot be set, and the file is not opened.
  std::vector<ZKZahl> loesung;
  QString grund;
  if (e.aufgabe.uebung && !Modell::LoeseUebung(e.aufgabe, loesung, grund)) {
    TApplication::MessageBox(
        tr("Die Übung in der Datei „%1“ lässt sich nicht stellen: %2. Sie wurde "
           "nicht geöffnet.")
            .arg(name, grund),
        DateiTitel(), MB_OK);
    return false;
  }
  Wende(e.aufgabe);
  pfad_ = QFileInfo(pfad).absoluteFilePath();
  referenz_ = Erfasse();
  MerkeZuletzt(pfad_);
  ZeigeTitel();
  return true;
}

void TDateiAktionen::StelleWiederHer(const Aufgabe& a, const QString& pfad) {
  Wende(a);
  pfad_ = pfad;
  ZeigeTitel();
}

bool TDateiAktionen::Speichern() {
  if (pfad_.isEmpty()) return SpeichernUnter();
  return SpeichereNach(pfad_);
}

bool TDateiAktionen::SpeichernUnter() {
  const QString pfad = Dateiwahl ? Dateiwahl(true) : QString();
  if (pfad.isEmpty()) return false;
  return SpeichereNach(pfad);
}

bool TDateiAktionen::SpeichereNach(const QString& pfad) {
  const Aufgabe a = Erfasse();
  std::string bytes, grund;
  if (!aufgabe::SchreibeAufgabe(a, bytes, grund)) {
    TApplication::MessageBox(U(grund), SpeichernTitel(), MB_OK);
    return false;
  }
  QSaveFile datei(pfad);
  // Written to a temporary file beside the target and renamed over it at
  // the end, so a full disk or a crash leaves the old file whole. Unbuffered:
  // a buffered QSaveFile takes a short write on a full disk for success and
  // commits the cut file; unbuffered, write() reports what really went out.
  const bool ok = datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                  datei.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                      static_cast<qint64>(bytes.size()) &&
                  datei.commit();
  if (!ok) {
    const QString grundText = datei.errorString();
    datei.cancelWriting();
    TApplication::MessageBox(tr("Die Datei „%1“ konnte nicht gespeichert werden: %2\n"
                                "Eine schon vorhandene Datei dieses Namens ist unverändert.")
                                 .arg(QDir::toNativeSeparators(pfad), grundText),
                             SpeichernTitel(), MB_OK);
    return false;
  }
  pfad_ = QFileInfo(pfad).absoluteFilePath();
  referenz_ = a;
  MerkeZuletzt(pfad_);
  ZeigeTitel();
  return true;
}

QStringList TDateiAktionen::Zuletzt() const {
  return Einstellungen().value(QStringLiteral("zuletzt")).toStringList();
}

void TDateiAktionen::LeereZuletzt() {
  Einstellungen().remove(QStringLiteral("zuletzt"));
  BaueZuletztMenue();
}

void TDateiAktionen::MerkeZuletzt(const QString& pfad) {
  QStringList liste = Zuletzt();
  liste.removeAll(pfad);
  liste.prepend(pfad);
  while (liste.size() > kZuletztAnzahl) liste.removeLast();
  Einstellungen().setValue(QStringLiteral("zuletzt"), liste);
  BaueZuletztMenue();
}

void TDateiAktionen::BaueZuletztMenue() {
  zuletzt_->clear();
  const QStringList liste = Zuletzt();
  for (qsizetype i = 0; i < liste.size(); ++i) {
    const QString pfad = liste[i];
    QAction* a = zuletzt_->addAction(
        QStringLiteral("&%1  %2").arg(i + 1).arg(QDir::toNativeSeparators(pfad)), this,
        [this, pfad] {
          if (!QFile::exists(pfad)) {
            QStringList l = Zuletzt();
            l.removeAll(pfad);
            Einstellungen().setValue(QStringLiteral("zuletzt"), l);
          }
          OeffneNachFrage(pfad);
        });
    a->setData(pfad);
  }
  if (!liste.isEmpty()) zuletzt_->addSeparator();
  QAction* leeren = zuletzt_->addAction(tr("Liste leeren"), this, [this] { LeereZuletzt(); });
  leeren->setObjectName(QStringLiteral("Liste leeren"));
  leeren->setEnabled(!liste.isEmpty());
}

void TDateiAktionen::ZeigeTitel() {
  f_.setWindowTitle(pfad_.isEmpty() ? titel_
                                    : titel_ + QStringLiteral(" – ") + QFileInfo(pfad_).fileName());
}

void TDateiAktionen::ZeigeAnleitung() {
  emit AnleitungVerlangt();
}

void TDateiAktionen::ZeigeUeber() {
  TApplication::MessageBox(
      tr("Quorvel %1\n"
         "Rechner für komplexe Zahlen für den Unterricht in Wechselstromtechnik.\n\n"
         "Copyright © 2026 die Quorvel-Entwickler.\n\n"
         "Quorvel ist freie Software: Sie dürfen es unter den Bedingungen der GNU General "
         "Public License, wie von der Free Software Foundation veröffentlicht, weitergeben "
         "und/oder ändern, entweder nach Version 3 der Lizenz oder (nach Ihrer Wahl) jeder "
         "späteren Version.\n\n"
         "Quorvel wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE JEDE "
         "GEWÄHRLEISTUNG, sogar ohne die implizite Gewährleistung der MARKTREIFE oder der "
         "EIGNUNG FÜR EINEN BESTIMMTEN ZWECK.\n\n"
         "Lizenztext: https://www.gnu.org/licenses/gpl-3.0.html")
          .arg(QStringLiteral(QUORVEL_VERSION)),
      tr("Über Quorvel"), MB_OK);
}

bool TDateiAktionen::eventFilter(QObject* objekt, QEvent* e) {
  // Work that was never saved closes as it always did; work tied to a file
  // asks before its changes are lost.
  if (objekt == &f_ && e->type() == QEvent::Close && !pfad_.isEmpty() && Geaendert() &&
      !FrageSpeichern()) {
    e->ignore();
    return true;
  }
  return QObject::eventFilter(objekt, e);
}

TDateiAktionen* Dateiaktionen(QWidget& fenster) {
  return fenster.findChild<TDateiAktionen*>(QString(), Qt::FindDirectChildrenOnly);
}
