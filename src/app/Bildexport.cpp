// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bildexport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDialog>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>

#include "forms/Anwendung.h"

bool SchreibeGanz(const QString& datei, const QByteArray& daten) {
  QSaveFile f(datei);
  if (!f.open(QIODevice::WriteOnly)) return false;
  if (f.write(daten) != daten.size()) {
    f.cancelWriting();
    return false;
  }
  return f.commit();
}

bool SpeicherePng(const QString& datei, const QImage& bild) {
  QBuffer puffer;
  puffer.open(QIODevice::WriteOnly);
  return bild.save(&puffer, "PNG") && SchreibeGanz(datei, puffer.data());
}

bool SpeichereSvg(const QString& datei, QSize groesse, const QString& titel,
                  const std::function<void(QPainter&)>& zeichne) {
  QBuffer puffer;
  puffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&puffer);
  svg.setSize(groesse);
  svg.setViewBox(QRect(QPoint(0, 0), groesse));
  svg.setTitle(titel);
  svg.setDescription(titel + QStringLiteral(" aus Quorvel"));
  {
    QPainter p(&svg);
    zeichne(p);
  }
  return SchreibeGanz(datei, puffer.data());
}

QString FrageExportdatei(QWidget* eltern, const QString& titel, const QString& name,
                         const QString& endung, const QString& filter) {
  QString datei = QFileDialog::getSaveFileName(eltern, titel, name + endung, filter);
  if (!datei.isEmpty() && !datei.endsWith(endung, Qt::CaseInsensitive)) datei += endung;
  return datei;
}

QString FrageBilddatei(QWidget* eltern, bool svg, const QString& name) {
  return svg ? FrageExportdatei(eltern,
                                QCoreApplication::translate("Bildexport", "Als SVG speichern"),
                                name, QStringLiteral(".svg"),
                                QCoreApplication::translate("Bildexport", "SVG-Bild (*.svg)"))
             : FrageExportdatei(eltern,
                                QCoreApplication::translate("Bildexport", "Als PNG speichern"),
                                name, QStringLiteral(".png"),
                                QCoreApplication::translate("Bildexport", "PNG-Bild (*.png)"));
}

void MeldeBildNichtGespeichert(const QString& datei) {
  TApplication::MessageBox(QCoreApplication::translate(
                               "Bildexport", "Das Bild konnte nicht als „%1“ gespeichert werden.")
                               .arg(datei),
                           QCoreApplication::translate("Bildexport", "Achtung!"), MB_OK);
}
