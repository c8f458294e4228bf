// SPDX-License-Identifier: GPL-3.0-or-later
#include "sprache/Sprachwahl.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <memory>

#include "sprache/Uebersetzung.h"

namespace sprache {

namespace {

QString gSprache = QStringLiteral("de");
std::unique_ptr<QTranslator> gKatalog;

std::string QtUebersetzer(const char* kontext, const char* text) {
  return QCoreApplication::translate(kontext, text).toStdString();
}

}  // namespace

bool IstSprache(const QString& sprache) {
  return sprache == QLatin1String("de") || sprache == QLatin1String("en");
}

QString SystemSprache(const QStringList& uiSprachen) {
  if (!uiSprachen.isEmpty() && uiSprachen.front().startsWith(QLatin1String("de")))
    return QStringLiteral("de");
  return QStringLiteral("en");
}

bool NimmSpracheAus(QStringList& argumente, QString& sprache, QString& fehler) {
  for (qsizetype i = 1; i < argumente.size(); ++i) {
    const QString arg = argumente[i];
    if (arg == QLatin1String("--")) break;
    QString wert;
    if (arg == QLatin1String("--sprache")) {
      if (i + 1 >= argumente.size()) {
        fehler = QCoreApplication::translate("Sprachwahl", "Nach --sprache fehlt de oder en.");
        return false;
      }
      wert = argumente[i + 1];
      argumente.remove(i, 2);
    } else if (arg.startsWith(QLatin1String("--sprache="))) {
      wert = arg.mid(10);
      argumente.remove(i);
    } else {
      continue;
    }
    if (!IstSprache(wert)) {
      fehler = QCoreApplication::translate("Sprachwahl",
                                           "„%1“ ist keine Sprache von Quorvel: de oder en.")
                   .arg(wert);
      return false;
    }
    sprache = wert;
    --i;
  }
  return true;
}

QString WaehleSprache(const QString& befehlszeile, const QString& gespeichert,
                      const QStringList& uiSprachen) {
  if (IstSprache(befehlszeile)) return befehlszeile;
  if (IstSprache(gespeichert)) return gespeichert;
  return SystemSprache(uiSprachen);
}

bool LadeSprache(const QString& sprache) {
  if (gKatalog) {
    QCoreApplication::removeTranslator(gKatalog.get());
    gKatalog.reset();
  }
  SetzeUebersetzer(nullptr);
  gSprache = QStringLiteral("de");
  if (sprache == QLatin1String("de")) return true;
  auto katalog = std::make_unique<QTranslator>();
  if (!IstSprache(sprache) || !katalog->load(QStringLiteral(":/i18n/quorvel_%1.qm").arg(sprache)))
    return false;
  QCoreApplication::installTranslator(katalog.get());
  gKatalog = std::move(katalog);
  SetzeUebersetzer(&QtUebersetzer);
  gSprache = sprache;
  return true;
}

QString AktuelleSprache() {
  return gSprache;
}

bool StelleSpracheEin(QStringList& argumente, const QString& gespeichert, QString& fehler) {
  const QStringList wieGegeben = argumente;
  QString befehlszeile;
  const bool gut = NimmSpracheAus(argumente, befehlszeile, fehler);
  LadeSprache(WaehleSprache(befehlszeile, gespeichert, QLocale::system().uiLanguages()));
  if (!gut) {
    // The message was made before any language was loaded: once more.
    QStringList nochmal = wieGegeben;
    NimmSpracheAus(nochmal, befehlszeile, fehler);
  }
  return gut;
}

namespace {
QSettings Einstellungen() {
  return QSettings(QStringLiteral("Quorvel"), QStringLiteral("Quorvel"));
}
}  // namespace

QString BehalteneSprache() {
  return Einstellungen().value(QStringLiteral("sprache")).toString();
}

void BehalteSprache(const QString& sprache) {
  Einstellungen().setValue(QStringLiteral("sprache"), sprache);
}

}  // namespace sprache
