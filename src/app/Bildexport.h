// SPDX-License-Identifier: GPL-3.0-or-later
// Saving what a page draws (the phasor diagram, the circuit's graph, the
// locus): one way to ask for the file and one way to write it.
#ifndef QUORVEL_APP_BILDEXPORT_H
#define QUORVEL_APP_BILDEXPORT_H

#include <QByteArray>
#include <QSize>
#include <QString>
#include <functional>

class QImage;
class QPainter;
class QWidget;

// Written whole or not at all: a failure must not look like success, nor
// leave half a file where an old one was.
bool SchreibeGanz(const QString& datei, const QByteArray& daten);
bool SpeicherePng(const QString& datei, const QImage& bild);
bool SpeichereSvg(const QString& datei, QSize groesse, const QString& titel,
                  const std::function<void(QPainter&)>& zeichne);

// Asks where to save, proposing `name` with the ending; the ending is added
// when the user leaves it out. Empty when the user cancels.
QString FrageExportdatei(QWidget* eltern, const QString& titel, const QString& name,
                         const QString& endung, const QString& filter);
QString FrageBilddatei(QWidget* eltern, bool svg, const QString& name);
void MeldeBildNichtGespeichert(const QString& datei);

#endif
