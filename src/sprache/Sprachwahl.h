// SPDX-License-Identifier: GPL-3.0-or-later
// Which language the program speaks, and its catalogue loaded for it. Used
// by the window and by the command-line program (Qt Core only).
#ifndef QUORVEL_SPRACHE_SPRACHWAHL_H
#define QUORVEL_SPRACHE_SPRACHWAHL_H

#include <QString>
#include <QStringList>

namespace sprache {

// The languages the program speaks: "de" (its own) and "en".
bool IstSprache(const QString& sprache);

// German for a German user interface, English for any other: the first of
// the system's user-interface languages (QLocale::uiLanguages, which
// follows LANGUAGE, LC_ALL, LC_MESSAGES and LANG) decides.
QString SystemSprache(const QStringList& uiSprachen);

// `--sprache de|en` (or `--sprache=…`) taken out of the arguments. Returns
// false, with `fehler` set, for a value the program does not speak or a
// missing one; `sprache` stays empty when the option is not given.
bool NimmSpracheAus(QStringList& argumente, QString& sprache, QString& fehler);

// The command line wins, then the choice the user kept (Hilfe → Sprache),
// then the system's language.
QString WaehleSprache(const QString& befehlszeile, const QString& gespeichert,
                      const QStringList& uiSprachen);

// Installs the program's catalogue for `sprache` (German needs none) and
// the translator the cores use; replaces what was loaded before. Returns
// false when the catalogue is missing (the program then stays German).
bool LadeSprache(const QString& sprache);
// "de" until LadeSprache loaded another.
QString AktuelleSprache();

// At a program's start: takes `--sprache` out of the arguments and loads
// the language it names, else `gespeichert`, else the system's. False for a
// wrong option, with `fehler` in the language loaded then (the system's).
bool StelleSpracheEin(QStringList& argumente, const QString& gespeichert, QString& fehler);

// The choice made in the window's menu, kept for the next start ("" when
// none was made).
QString BehalteneSprache();
void BehalteSprache(const QString& sprache);

}  // namespace sprache

#endif
