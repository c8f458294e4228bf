// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy's file (modell/Sitzung.h keeps it): JSON around a task
// file, with the page that was shown and the name of the task file the work
// belongs to. Qt Core only, like the task file.
#ifndef QUORVEL_DATEI_SITZUNGSDATEI_H
#define QUORVEL_DATEI_SITZUNGSDATEI_H

#include <QByteArray>
#include <QString>
#include <string_view>

#include "datei/Aufgabe.h"

struct Sitzungsstand {
  aufgabe::Aufgabe aufgabe;
  int seite = 0;  // the notebook page shown
  QString pfad;   // the task file the work belongs to, empty if none
};

// A recovery copy is never near this size; a larger file counts as damaged.
constexpr qsizetype kMaxSitzungsGroesse = 2 * 1024 * 1024;

// False (with the German reason) when the bytes are no whole recovery copy.
bool LiesSitzung(std::string_view bytes, Sitzungsstand& stand, QString& grund);
// False (with the German reason) when the task cannot be written.
bool SchreibeSitzung(const Sitzungsstand& stand, QByteArray& bytes, QString& grund);

#endif
