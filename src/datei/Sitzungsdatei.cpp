// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sitzungsdatei.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>

#include "datei/AufgabenDatei.h"

namespace {

constexpr int kFormat = 1;
constexpr int kMaxSeite = 99;

}  // namespace

bool LiesSitzung(std::string_view bytes, Sitzungsstand& stand, QString& grund) {
  if (bytes.size() > static_cast<std::size_t>(kMaxSitzungsGroesse)) {
    grund = QCoreApplication::translate("Sitzungsdatei", "Die Datei ist zu groß.");
    return false;
  }
  QJsonParseError fehler{};
  const QJsonDocument doc = QJsonDocument::fromJson(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &fehler);
  const QJsonObject o = doc.object();
  if (fehler.error != QJsonParseError::NoError || !doc.isObject() ||
      o.value(QLatin1String("quorvelSitzung")).toInt(-1) != kFormat) {
    grund = QCoreApplication::translate(
        "Sitzungsdatei", "Die Datei ist unvollständig oder keine Sitzung von Quorvel.");
    return false;
  }
  const QJsonValue seite = o.value(QLatin1String("seite"));
  const QJsonValue pfad = o.value(QLatin1String("pfad"));
  const QJsonValue aufgabe = o.value(QLatin1String("aufgabe"));
  if (!seite.isDouble() || seite.toInt(-1) < 0 || seite.toInt(-1) > kMaxSeite ||
      seite.toDouble() != seite.toInt() || !pfad.isString() || !aufgabe.isObject()) {
    grund = QCoreApplication::translate("Sitzungsdatei",
                                        "Die Angaben zur Sitzung fehlen oder sind ungültig.");
    return false;
  }
  const QByteArray innen = QJsonDocument(aufgabe.toObject()).toJson(QJsonDocument::Compact);
  const aufgabe::Leseergebnis e = aufgabe::LiesAufgabe(
      std::string_view(innen.constData(), static_cast<std::size_t>(innen.size())));
  if (e.fehler != aufgabe::Lesefehler::Keiner) {
    // The work inside is named as the session it belongs to.
    grund = QString::fromStdString(aufgabe::Lesemeldung(
        e, QCoreApplication::translate("Sitzungsdatei", "Sitzung").toStdString()));
    return false;
  }
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
