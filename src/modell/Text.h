// SPDX-License-Identifier: GPL-3.0-or-later
// Window text to the core's byte text and back. The readers and writers of
// src/complex work on Windows-1252 bytes; everything above them on QString.
#ifndef QUORVEL_MODELL_TEXT_H
#define QUORVEL_MODELL_TEXT_H

#include <QString>
#include <string>

std::string NachAnsi(const QString& text);
QString AusAnsi(const std::string& text);

#endif
