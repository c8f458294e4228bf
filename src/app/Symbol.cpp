// SPDX-License-Identifier: GPL-3.0-or-later
#include "Symbol.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPixmap>

QIcon ProgrammSymbol() {
  QIcon symbol;
  // The sizes a window icon is asked for. Read with the PNG reader built into
  // QtGui and no format detection: otherwise Qt loads every image-format
  // plugin to ask whether it reads the file.
  for (int groesse : {16, 32, 48, 64}) {
    QFile datei(QStringLiteral(":/symbol/%1x%1/org.quorvel.Quorvel.png").arg(groesse));
    if (!datei.open(QIODevice::ReadOnly)) continue;
    QImageReader leser(&datei, "png");
    leser.setAutoDetectImageFormat(false);
    symbol.addPixmap(QPixmap::fromImage(leser.read()));
  }
  return symbol;
}
