// SPDX-License-Identifier: GPL-3.0-or-later
#include "Schaltungsgraph.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <map>

#include "Bildexport.h"
#include "forms/Anwendung.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kKnotenRadius = 5.0;
// How far parallel branches between the same two nodes bow apart.
constexpr double kBogen = 34.0;

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

struct Zweig {
  QPointF a, b, steuer, mitte;  // ends, the curve's control point, the curve's middle
};

// Every element's curve; parallel branches bow to either side in line order.
std::vector<Zweig> Zweige(const Schaltung& s, const std::vector<QPointF>& orte) {
  std::map<std::pair<int, int>, int> anzahl, schon;
  for (const Element& e : s.elemente)
    ++anzahl[{std::min(e.knoten1, e.knoten2), std::max(e.knoten1, e.knoten2)}];
  std::vector<Zweig> z;
  for (const Element& e : s.elemente) {
    const std::pair<int, int> paar{std::min(e.knoten1, e.knoten2), std::max(e.knoten1, e.knoten2)};
    const int m = anzahl[paar], j = schon[paar]++;
    const QPointF a = orte[U(e.knoten1)], b = orte[U(e.knoten2)];
    // The bow's side is taken from the pair in ascending order, so that two
    // branches written in opposite directions still bow apart.
    const QPointF p = orte[U(paar.first)], q = orte[U(paar.second)];
    const QPointF d = q - p;
    const double l = std::hypot(d.x(), d.y());
    const QPointF normal = l > 0 ? QPointF(-d.y() / l, d.x() / l) : QPointF(0, -1);
    const double versatz = (j - (m - 1) / 2.0) * kBogen;
    const QPointF steuer = (a + b) / 2 + normal * (2 * versatz);
    z.push_back({a, b, steuer, (a + b) / 4 + steuer / 2});
  }
  return z;
}

// The point at t (0 at the first node, 1 at the second) of the curve.
QPointF Bei(const Zweig& z, double t) {
  return z.a * ((1 - t) * (1 - t)) + z.steuer * (2 * t * (1 - t)) + z.b * (t * t);
}

// The curve's direction at its middle.
QPointF Richtung(const Zweig& z) {
  const QPointF d = z.b - z.a;
  const double l = std::hypot(d.x(), d.y());
  return l > 0 ? d / l : QPointF(1, 0);
}

void Pfeilspitze(QPainter& p, QPointF spitze, QPointF richtung, double groesse) {
  const QPointF n(-richtung.y(), richtung.x());
  QPolygonF dreieck;
  dreieck << spitze << spitze - richtung * groesse + n * (groesse * 0.45)
          << spitze - richtung * groesse - n * (groesse * 0.45);
  p.drawPolygon(dreieck);
}

}  // namespace

std::vector<QPointF> KnotenOrte(int knoten, QSizeF groesse) {
  std::vector<QPointF> orte;
  const QPointF mitte(groesse.width() / 2, groesse.height() / 2);
  const double r = std::max(20.0, std::min(groesse.width(), groesse.height()) / 2 - 36);
  for (int k = 0; k < knoten; ++k) {
    // Ground at the bottom, the others clockwise from its left.
    const double winkel = kPi / 2 + 2 * kPi * k / std::max(knoten, 1);
    orte.emplace_back(mitte.x() + r * std::cos(winkel), mitte.y() + r * std::sin(winkel));
  }
  if (knoten == 2) orte[1] = QPointF(mitte.x(), mitte.y() - r);
  return orte;
}

TSchaltungsgraph::TSchaltungsgraph(QWidget* eltern) : QWidget(eltern) {
  setContextMenuPolicy(Qt::CustomContextMenu);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(QCoreApplication::translate("TSchaltungsgraph", "Graph der Schaltung"));
  setAccessibleDescription(QCoreApplication::translate(
      "TSchaltungsgraph",
      "Knoten und Zweige mit Zählpfeilen; beim Maschenstromverfahren der Baum fett "
      "und jede Masche als Umlaufpfeil. Das Kontextmenü speichert das Bild."));
  connect(this, &QWidget::customContextMenuRequested, this, [this](QPoint p) { ZeigeMenue(p); });
}

void TSchaltungsgraph::Setze(const Schaltung& s, const Schaltungssystem* g) {
  s_ = s;
  maschen_ = g && g->verfahren == Verfahren::Maschen;
  baum_ = maschen_ ? g->baum : std::vector<bool>();
  maschen_liste_ = maschen_ ? g->maschen : std::vector<Masche>();
  update();
}

void TSchaltungsgraph::Leere() {
  Setze(Schaltung{}, nullptr);
}

void TSchaltungsgraph::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  Zeichne(p, size());
  if (hasFocus()) {
    p.setPen(QPen(palette().highlight().color(), 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }
}

void TSchaltungsgraph::Zeichne(QPainter& p, QSize groesse) const {
  p.setRenderHint(QPainter::Antialiasing);
  const int knoten = static_cast<int>(s_.knoten.size());
  if (knoten == 0 || s_.elemente.empty()) return;
  const std::vector<QPointF> orte = KnotenOrte(knoten, groesse);
  const std::vector<Zweig> zweige = Zweige(s_, orte);
  const QFontMetricsF fm(p.font());

  for (std::size_t i = 0; i < zweige.size(); ++i) {
    const Zweig& z = zweige[i];
    const bool fett = maschen_ && i < baum_.size() && baum_[i];
    p.setPen(QPen(Qt::black, fett ? 3.0 : 1.2));
    p.setBrush(Qt::NoBrush);
    QPainterPath pfad(z.a);
    pfad.quadTo(z.steuer, z.b);
    p.drawPath(pfad);
    // The reference arrow: from the first node to the second.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const QPointF r = Richtung(z);
    Pfeilspitze(p, Bei(z, 0.6), r, 9);
    // The name nearer the first node than the middle, so that two branches
    // crossing in their middles keep their names apart.
    const QPointF n(-r.y(), r.x());
    const QString name = QString::fromStdString(s_.elemente[i].name);
    const QPointF stelle = Bei(z, 0.35) + n * 11;
    const QRectF box(stelle.x() - fm.horizontalAdvance(name) / 2 - 2, stelle.y() - fm.height() / 2,
                     fm.horizontalAdvance(name) + 4, fm.height());
    p.setPen(QColor(0, 0, 150));
    p.drawText(box, Qt::AlignCenter, name);
  }

  // The meshes: a loop arrow in the middle of each loop's branches, turning
  // the way the loop runs.
  std::vector<QPointF> schon;
  for (const Masche& m : maschen_liste_) {
    if (m.zweige.empty()) continue;
    QPointF mitte(0, 0), knotenMitte(0, 0);
    std::vector<int> besucht;
    double flaeche = 0;
    for (const auto& [e, richtung] : m.zweige) {
      const Zweig& z = zweige[U(e)];
      mitte += z.mitte;
      const Element& el = s_.elemente[U(e)];
      for (const int k : {el.knoten1, el.knoten2})
        if (std::find(besucht.begin(), besucht.end(), k) == besucht.end()) {
          besucht.push_back(k);
          knotenMitte += orte[U(k)];
        }
      const QPointF von = richtung > 0 ? z.a : z.b, nach = richtung > 0 ? z.b : z.a;
      // Through the curve's middle, so that a loop of two parallel
      // branches has an area too.
      flaeche += von.x() * z.mitte.y() - z.mitte.x() * von.y();
      flaeche += z.mitte.x() * nach.y() - nach.x() * z.mitte.y();
    }
    // Inside the loop's nodes; a loop of two nodes between its branches.
    mitte = besucht.size() >= 3 ? knotenMitte / static_cast<double>(besucht.size())
                                : mitte / static_cast<double>(m.zweige.size());
    // Loops around the same place stand apart.
    for (bool frei = false; !frei;) {
      frei = true;
      for (const QPointF& q : schon)
        if (std::hypot(q.x() - mitte.x(), q.y() - mitte.y()) < 30) {
          mitte += QPointF(0, 30);
          frei = false;
        }
    }
    schon.push_back(mitte);
    const bool uhrzeiger = flaeche > 0;  // y points down on screen
    const double r = 13;
    const QColor farbe = m.unbekannte >= 0 ? QColor(190, 30, 30) : QColor(120, 120, 120);
    p.setPen(QPen(farbe, 1.5));
    p.setBrush(Qt::NoBrush);
    const QRectF kreis(mitte.x() - r, mitte.y() - r, 2 * r, 2 * r);
    // Qt's angles run counter-clockwise; the arc leaves a gap at the top
    // where the arrow head sits.
    p.drawArc(kreis, 110 * 16, 320 * 16 * (uhrzeiger ? -1 : 1));
    const double ende = (110.0 + (uhrzeiger ? -320.0 : 320.0)) * kPi / 180;
    const QPointF spitze(mitte.x() + r * std::cos(ende), mitte.y() - r * std::sin(ende));
    const QPointF tangente = uhrzeiger ? QPointF(std::sin(ende), std::cos(ende))
                                       : QPointF(-std::sin(ende), -std::cos(ende));
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    Pfeilspitze(p, spitze + tangente * 3, tangente, 8);
    p.setPen(farbe);
    const QString name = m.unbekannte >= 0
                             ? QStringLiteral("M%1").arg(m.unbekannte + 1)
                             : QString::fromStdString(s_.elemente[U(m.verbindung)].name);
    p.drawText(kreis, Qt::AlignCenter, name);
  }

  for (int k = 0; k < knoten; ++k) {
    const QPointF o = orte[U(k)];
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(k == 0 ? QColor(60, 60, 60) : QColor(255, 220, 120));
    p.drawEllipse(o, kKnotenRadius, kKnotenRadius);
    const QString name = QString::fromStdString(s_.knoten[U(k)]);
    // Names outside the circle, away from the branches.
    const QPointF mitte(groesse.width() / 2.0, groesse.height() / 2.0);
    QPointF weg = o - mitte;
    const double l = std::hypot(weg.x(), weg.y());
    weg = l > 0 ? weg / l : QPointF(0, 1);
    const QPointF stelle = o + weg * 16;
    const double breite = fm.horizontalAdvance(name) + 4;
    p.setPen(Qt::black);
    p.drawText(QRectF(stelle.x() - breite / 2, stelle.y() - fm.height() / 2, breite, fm.height()),
               Qt::AlignCenter, name);
  }
}

QImage TSchaltungsgraph::Bild() const {
  QImage bild(size(), QImage::Format_ARGB32);
  bild.fill(Qt::white);
  QPainter p(&bild);
  Zeichne(p, size());
  return bild;
}

bool TSchaltungsgraph::SpeichereAlsPng(const QString& datei) const {
  return SpeicherePng(datei, Bild());
}

bool TSchaltungsgraph::SpeichereAlsSvg(const QString& datei) const {
  return SpeichereSvg(datei, size(),
                      QCoreApplication::translate("TSchaltungsgraph", "Graph der Schaltung"),
                      [this](QPainter& p) { Zeichne(p, size()); });
}

void TSchaltungsgraph::SpeichereMitDialog(bool svg) {
  const QString datei =
      FrageBilddatei(this, svg, QCoreApplication::translate("TSchaltungsgraph", "Schaltungsgraph"));
  if (datei.isEmpty()) return;
  if (!(svg ? SpeichereAlsSvg(datei) : SpeichereAlsPng(datei))) MeldeBildNichtGespeichert(datei);
}

void TSchaltungsgraph::ZeigeMenue(QPoint p) {
  QMenu menue(this);
  menue.setAccessibleName(QCoreApplication::translate("TSchaltungsgraph", "Kontextmenü"));
  menue.addAction(QCoreApplication::translate("TSchaltungsgraph", "Bild kopieren"), this,
                  [this] { QApplication::clipboard()->setImage(Bild()); });
  menue.addAction(QCoreApplication::translate("TSchaltungsgraph", "Als PNG speichern…"), this,
                  [this] { SpeichereMitDialog(false); });
  menue.addAction(QCoreApplication::translate("TSchaltungsgraph", "Als SVG speichern…"), this,
                  [this] { SpeichereMitDialog(true); });
  menue.exec(mapToGlobal(p));
}
