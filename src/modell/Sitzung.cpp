// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sitzung.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <vector>

#include "complex/ZKZahl.h"
#include "datei/AufgabenDatei.h"
#include "modell/Modell.h"

namespace {

constexpr int kFormat = 1;
constexpr int kMaxSeite = 99;
// Far more than instances ever run at once; the bound only ends the search
// in a folder that fills up with locks for some other reason.
constexpr int kMaxPlaetze = 1000;
constexpr int kVerzoegerungMs = 1000;

QString Name(int n, const char* endung) {
  return QStringLiteral("sitzung-%1.%2").arg(n).arg(QLatin1String(endung));
}

}  // namespace

bool LiesSitzung(std::string_view bytes, Sitzungsstand& stand, QString& grund) {
  if (bytes.size() > static_cast<std::size_t>(kMaxSitzungsGroesse)) {
    grund = QStringLiteral("Die Datei ist zu groß.");
    return false;
  }
  QJsonParseError fehler{};
  const QJsonDocument doc = QJsonDocument::fromJson(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &fehler);
  const QJsonObject o = doc.object();
  if (fehler.error != QJsonParseError::NoError || !doc.isObject() ||
      o.value(QLatin1String("quorvelSitzung")).toInt(-1) != kFormat) {
    grund = QStringLiteral("Die Datei ist unvollständig oder keine Sitzung von Quorvel.");
    return false;
  }
  const QJsonValue seite = o.value(QLatin1String("seite"));
  const QJsonValue pfad = o.value(QLatin1String("pfad"));
  const QJsonValue aufgabe = o.value(QLatin1String("aufgabe"));
  if (!seite.isDouble() || seite.toInt(-1) < 0 || seite.toInt(-1) > kMaxSeite ||
      seite.toDouble() != seite.toInt() || !pfad.isString() || !aufgabe.isObject()) {
    grund = QStringLiteral("Die Angaben zur Sitzung fehlen oder sind ungültig.");
    return false;
  }
  const QByteArray innen = QJsonDocument(aufgabe.toObject()).toJson(QJsonDocument::Compact);
  const aufgabe::Leseergebnis e = aufgabe::LiesAufgabe(
      std::string_view(innen.constData(), static_cast<std::size_t>(innen.size())));
  if (e.fehler != aufgabe::Lesefehler::Keiner) {
    grund = QString::fromStdString(aufgabe::Lesemeldung(e, "Sitzung"));
    return false;
  }
  // An exercise without a solution cannot be put back.
  std::vector<ZKZahl> loesung;
  if (e.aufgabe.uebung && !Modell::LoeseUebung(e.aufgabe, loesung, grund)) return false;
  stand.aufgabe = e.aufgabe;
  stand.seite = seite.toInt();
  stand.pfad = pfad.toString();
  return true;
}

bool SchreibeSitzung(const Sitzungsstand& stand, QByteArray& bytes, QString& grund) {
  std::string aufgabe, fehler;
  if (!aufgabe::SchreibeAufgabe(stand.aufgabe, aufgabe, fehler)) {
    grund = QString::fromStdString(fehler);
    return false;
  }
  QJsonObject o;
  o.insert(QLatin1String("quorvelSitzung"), kFormat);
  o.insert(QLatin1String("seite"), stand.seite);
  o.insert(QLatin1String("pfad"), stand.pfad);
  o.insert(QLatin1String("aufgabe"),
           QJsonDocument::fromJson(QByteArray::fromStdString(aufgabe)).object());
  bytes = QJsonDocument(o).toJson(QJsonDocument::Compact);
  return true;
}

Sitzung::Sitzung(Modell& modell, const QString& verzeichnis, QObject* eltern)
    : QObject(eltern), m_(modell), verzeichnis_(verzeichnis) {
  zeitgeber_.setSingleShot(true);
  zeitgeber_.setInterval(kVerzoegerungMs);
  connect(&zeitgeber_, &QTimer::timeout, this, [this] { Schreibe(); });
  // Only the timer runs on a change: the copy is made once typing pauses.
  connect(&m_, &Modell::Geaendert, this, [this] {
    if (!aktiv_) return;
    veraendert_ = true;
    zeitgeber_.start();
  });
}

Sitzung::~Sitzung() = default;

QString Sitzung::StandardVerzeichnis() {
  return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
         QStringLiteral("/sitzungen");
}

bool Sitzung::NimmPlatz(int n) {
  auto sperre = std::make_unique<QLockFile>(verzeichnis_ + QLatin1Char('/') + Name(n, "lock"));
  // A lock is stale only when its process is gone, however old it is: an
  // instance may run for days.
  sperre->setStaleLockTime(0);
  if (!sperre->tryLock(0)) return false;
  sperre_ = std::move(sperre);
  datei_ = verzeichnis_ + QLatin1Char('/') + Name(n, "json");
  return true;
}

Sitzung::Fund Sitzung::Beanspruche() {
  if (verzeichnis_.isEmpty() || !QDir().mkpath(verzeichnis_)) {
    Fehler(QStringLiteral("Der Ordner „%1“ lässt sich nicht anlegen.")
               .arg(QDir::toNativeSeparators(verzeichnis_)));
    return Fund::Nichts;
  }
  // First a copy no running instance holds; else the first free place.
  const QDir dir(verzeichnis_);
  const QStringList dateien =
      dir.entryList({QStringLiteral("sitzung-*.json")}, QDir::Files, QDir::Name);
  bool gefunden = false;
  for (const QString& name : dateien) {
    bool zahl = false;
    const int n = name.mid(8, name.size() - 13).toInt(&zahl);
    if (zahl && n > 0 && name == Name(n, "json") && NimmPlatz(n)) {
      gefunden = true;
      break;
    }
  }
  for (int n = 1; !gefunden && n <= kMaxPlaetze; ++n) gefunden = NimmPlatz(n);
  if (!gefunden) {
    Fehler(QStringLiteral("Im Ordner „%1“ lässt sich keine Sitzung anlegen.")
               .arg(QDir::toNativeSeparators(verzeichnis_)));
    return Fund::Nichts;
  }

  QFile datei(datei_);
  if (!datei.exists()) {
    aktiv_ = true;
    return Fund::Nichts;
  }
  // One byte more than allowed tells a large file without reading all of it.
  const QByteArray bytes =
      datei.open(QIODevice::ReadOnly) ? datei.read(kMaxSitzungsGroesse + 1) : QByteArray();
  datei.close();
  if (LiesSitzung(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                  gefunden_, grund_))
    return Fund::Verlassen;
  // Kept for the user under a name no start reads again.
  beiseite_ = datei_ + QStringLiteral(".beschaedigt-") +
              QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
  if (!QFile::rename(datei_, beiseite_)) {
    beiseite_.clear();
    QFile::remove(datei_);
  }
  aktiv_ = true;
  return Fund::Beschaedigt;
}

void Sitzung::Verwirf() {
  if (!sperre_) return;
  QFile::remove(datei_);
  aktiv_ = true;
}

void Sitzung::Uebernimm() {
  if (!sperre_) return;
  aktiv_ = veraendert_ = true;
  seite_ = gefunden_.seite;
  pfad_ = gefunden_.pfad;
  zeitgeber_.start();
}

void Sitzung::SetzeSeite(int seite) {
  if (seite == seite_) return;
  seite_ = seite;
  if (aktiv_) zeitgeber_.start();
}

void Sitzung::SetzePfad(const QString& pfad) {
  if (pfad == pfad_) return;
  pfad_ = pfad;
  if (aktiv_) zeitgeber_.start();
}

bool Sitzung::Schreibe() {
  zeitgeber_.stop();
  if (!aktiv_) return false;
  // A window nobody worked in leaves nothing to offer back.
  if (!veraendert_) return true;
  Sitzungsstand stand{m_.Schnappschuss(), seite_, pfad_};
  QByteArray bytes;
  QString grund;
  if (!SchreibeSitzung(stand, bytes, grund)) {
    Fehler(grund);
    return false;
  }
  QSaveFile datei(datei_);
  // Unbuffered, so that a short write on a full disk is seen before commit
  // renames a cut file over the whole one.
  const bool ok = datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                  datei.write(bytes) == bytes.size() && datei.commit();
  if (!ok) {
    datei.cancelWriting();
    // QSaveFile names a full disk or a size limit "unknown error".
    Fehler(QStringLiteral("Der Datenträger ist voll oder nicht beschreibbar."));
  }
  return ok;
}

void Sitzung::Entferne() {
  zeitgeber_.stop();
  aktiv_ = false;
  if (!sperre_) return;
  QFile::remove(datei_);
  sperre_->unlock();
  sperre_.reset();
}

void Sitzung::Fehler(const QString& grund) {
  grund_ = grund;
  if (gemeldet_) return;
  gemeldet_ = true;
  emit Schreibfehler(grund);
}
