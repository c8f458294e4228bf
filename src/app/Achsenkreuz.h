// SPDX-License-Identifier: GPL-3.0-or-later
// The complex plane's grid, axes, ticks and axis names, drawn the same way
// on the phasor page and the locus page.
#ifndef QUORVEL_APP_ACHSENKREUZ_H
#define QUORVEL_APP_ACHSENKREUZ_H

#include <QColor>
#include <QRectF>
#include <QString>
#include <functional>

#include "zeiger/Zeigergeometrie.h"

class QFont;
class QPainter;

inline const QColor kGitterFarbe(228, 228, 228);
inline const QColor kAchsenFarbe(70, 70, 70);

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

#endif
