// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sitzung.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <vector>

#include "complex/ZKZahl.h"
#include "modell/Modell.h"

namespace {

// Far more than instances ever run at once; the bound only ends the search
// in a folder that fills up with locks for some other reason.
constexpr int kMaxPlaetze = 1000;
constexpr int kVerzoegerungMs = 1000;

QString Name(int n, const char* endung) {
  return QStringLiteral("sitzung-%1.%2").arg(n).arg(QLatin1String(endung));
}

}  // namespace

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
    Fehler(tr("Der Ordner „%1“ lässt sich nicht anlegen.")
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
    Fehler(tr("Im Ordner „%1“ lässt sich keine Sitzung anlegen.")
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
  // An exercise without a solution cannot be put back.
  std::vector<ZKZahl> loesung;
  if (LiesSitzung(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                  gefunden_, grund_) &&
      (!gefunden_.aufgabe.uebung || Modell::LoeseUebung(gefunden_.aufgabe, loesung, grund_)))
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
    Fehler(tr("Der Datenträger ist voll oder nicht beschreibbar."));
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
