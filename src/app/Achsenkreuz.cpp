// SPDX-License-Identifier: GPL-3.0-or-later
#include "Achsenkreuz.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QWidget>

#include "forms/Steuerelemente.h"

QFont DiagrammSchrift() {
  return Schrift(QStringLiteral("MS Sans Serif"), 12, false);
}

void ZeichneAchsenkreuz(QPainter& p, const Achsenkreuz& a, double b, double h, const QFont& schrift,
                        bool nullBeschriften,
                        const std::function<void(const QRectF&, const QString&)>& text) {
  const QFontMetricsF fm(schrift);
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(kGitter, 1));
  for (const Teilstrich& t : a.teilung.re) p.drawLine(QPointF(t.pixel, 0), QPointF(t.pixel, h));
  for (const Teilstrich& t : a.teilung.im) p.drawLine(QPointF(0, t.pixel), QPointF(b, t.pixel));
  p.setPen(QPen(kAchse, 1));
  p.drawLine(QPointF(0, a.reAchseY), QPointF(b, a.reAchseY));
  p.drawLine(QPointF(a.imAchseX, 0), QPointF(a.imAchseX, h));
  // Labels go below the Re axis and left of the jIm axis, or inside where
  // the axis runs along the edge.
  const bool reUnten = a.reAchseY + fm.height() + 4 <= h;
  const bool imLinks = a.imAchseX >= 40;
  for (const Teilstrich& t : a.teilung.re) {
    p.drawLine(QPointF(t.pixel, a.reAchseY - 3), QPointF(t.pixel, a.reAchseY + 3));
    if (t.wert == 0.0) continue;
    const QString s = QString::fromLatin1(t.text);
    const double w = fm.horizontalAdvance(s);
    const QRectF r(t.pixel - w / 2, reUnten ? a.reAchseY + 4 : a.reAchseY - 4 - fm.height(), w,
                   fm.height());
    if (r.left() >= 0 && r.right() <= b - 22) text(r, s);
  }
  for (const Teilstrich& t : a.teilung.im) {
    p.drawLine(QPointF(a.imAchseX - 3, t.pixel), QPointF(a.imAchseX + 3, t.pixel));
    if (t.wert == 0.0) continue;
    const QString s = QString::fromLatin1(t.text);
    const double w = fm.horizontalAdvance(s);
    const QRectF r(imLinks ? a.imAchseX - 5 - w : a.imAchseX + 5, t.pixel - fm.height() / 2, w,
                   fm.height());
    if (r.top() >= fm.height() + 2 && r.bottom() <= h) text(r, s);
  }
  if (nullBeschriften && (!a.teilung.re.empty() || !a.teilung.im.empty())) {
    const QString null = QStringLiteral("0");
    const QRectF r(a.imAchseX + (imLinks ? -fm.horizontalAdvance(null) - 4 : 4),
                   reUnten ? a.reAchseY + 2 : a.reAchseY - 2 - fm.height(),
                   fm.horizontalAdvance(null), fm.height());
    text(r, null);
  }
  QFont fett = schrift;
  fett.setBold(true);
  p.setFont(fett);
  p.drawText(Q(a.reName), Qt::AlignCenter, QStringLiteral("Re"));
  p.drawText(Q(a.imName), Qt::AlignCenter, QStringLiteral("jIm"));
  p.setFont(schrift);
}

const QPixmap& GepuffertesBild(const QWidget& w, QPixmap& bild,
                               const std::function<void(QPainter&, QSize)>& zeichne) {
  const qreal dpr = w.devicePixelRatioF();
  if (bild.isNull() || bild.size() != w.size() * dpr) {
    bild = QPixmap(w.size() * dpr);
    bild.setDevicePixelRatio(dpr);
    QPainter maler(&bild);
    zeichne(maler, w.size());
  }
  return bild;
}
