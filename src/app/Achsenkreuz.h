// SPDX-License-Identifier: GPL-3.0-or-later
// The complex plane's grid, axes, ticks and axis names, and the colours,
// font and point conversions the phasor page and the locus page share.
#ifndef QUORVEL_APP_ACHSENKREUZ_H
#define QUORVEL_APP_ACHSENKREUZ_H

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>
#include <functional>

#include "zeiger/Zeigergeometrie.h"

class QPainter;
class QWidget;

inline const QColor kHintergrund(255, 255, 255);
inline const QColor kGitter(228, 228, 228);
inline const QColor kAchse(70, 70, 70);

QFont DiagrammSchrift();

inline QPointF Q(ZPunkt p) {
  return {p.x, p.y};
}

inline QRectF Q(const ZRechteck& r) {
  return {r.x, r.y, r.breite, r.hoehe};
}

struct Achsenkreuz {
  const Teilung& teilung;
  double reAchseY;
  double imAchseX;
  ZRechteck reName;
  ZRechteck imName;
};

// Draws on a plane of b × h pixels in the painter's font `schrift`; `text`
// puts a label centred into its box (the phasor page keeps laid-out texts).
// With `nullBeschriften` the origin gets its "0".
void ZeichneAchsenkreuz(QPainter& p, const Achsenkreuz& a, double b, double h, const QFont& schrift,
                        bool nullBeschriften,
                        const std::function<void(const QRectF&, const QString&)>& text);

// A drawing's picture at the widget's size and pixel ratio, kept in `bild`:
// drawn by `zeichne` only when there is none or the size changed, so that
// other repaints (uncovering, a tooltip closing) copy it. Dropping `bild`
// asks for a new one.
const QPixmap& GepuffertesBild(const QWidget& w, QPixmap& bild,
                               const std::function<void(QPainter&, QSize)>& zeichne);

#endif
