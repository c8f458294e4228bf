// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ortskurvengeometrie.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Pixel coordinates stay within this margin around the area (as in the
// phasor diagram): the painter never sees what it cannot rasterise.
constexpr double kZeichenRand = 2000.0;
// Curve segments nearer a mark than this are obstacles for its label.
constexpr double kMarkenUmgebung = 80.0;

bool Endlich(ZPunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

ZPunkt Wert(const Kurvenpunkt& p) {
  return {static_cast<double>(p.wert.Realteil), static_cast<double>(p.wert.Imaginaerteil)};
}

bool Gleich(ZPunkt a, ZPunkt b) {
  return a.x == b.x && a.y == b.y;
}

// An arrow head on a run of the curve, half way along its visible part,
// pointing the way the frequency rises.
bool Pfeilkopf(const std::vector<ZPunkt>& zug, const ZRechteck& bereich, const OrtskurvenMasse& m,
               Pfeil& kopf) {
  std::vector<double> laengen;
  double gesamt = 0;
  for (std::size_t i = 1; i < zug.size(); ++i) {
    ZPunkt a = zug[i - 1], b = zug[i];
    const double l = SchneideZu(a, b, bereich) ? std::hypot(b.x - a.x, b.y - a.y) : 0.0;
    laengen.push_back(l);
    gesamt += l;
  }
  if (gesamt < 3 * m.kopfLaenge) return false;
  double rest = gesamt / 2;
  for (std::size_t i = 0; i < laengen.size(); ++i) {
    if (rest > laengen[i] || laengen[i] == 0) {
      rest -= laengen[i];
      continue;
    }
    ZPunkt a = zug[i], b = zug[i + 1];
    SchneideZu(a, b, bereich);
    const double l = laengen[i];
    const ZPunkt d{(b.x - a.x) / l, (b.y - a.y) / l};
    const ZPunkt mitte{a.x + d.x * rest, a.y + d.y * rest};
    const ZPunkt n{-d.y, d.x};
    kopf.spitze = {mitte.x + d.x * m.kopfLaenge / 2, mitte.y + d.y * m.kopfLaenge / 2};
    const ZPunkt basis{mitte.x - d.x * m.kopfLaenge / 2, mitte.y - d.y * m.kopfLaenge / 2};
    kopf.anfang = kopf.schaftEnde = basis;
    kopf.links = {basis.x + n.x * m.kopfBreite / 2, basis.y + n.y * m.kopfBreite / 2};
    kopf.rechts = {basis.x - n.x * m.kopfBreite / 2, basis.y - n.y * m.kopfBreite / 2};
    return true;
  }
  return false;
}

}  // namespace

Ansicht PasseOrtskurveEin(const Kurve& k, Flaeche f, double rand) {
  const double inf = std::numeric_limits<double>::infinity();
  ZPunkt min{inf, inf}, max{-inf, -inf};
  auto nimm = [&](const std::vector<Kurvenpunkt>& punkte) {
    for (const Kurvenpunkt& p : punkte) {
      const ZPunkt w = Wert(p);
      if (!p.gueltig || !Endlich(w)) continue;
      min = {std::min(min.x, w.x), std::min(min.y, w.y)};
      max = {std::max(max.x, w.x), std::max(max.y, w.y)};
    }
  };
  nimm(k.punkte);
  nimm(k.marken);
  if (!(min.x <= max.x)) return PasseEin({-1, -1}, {1, 1}, f, rand);
  const double ausdehnung = std::max(max.x - min.x, max.y - min.y);
  const double dx = std::max({min.x, -max.x, 0.0}), dy = std::max({min.y, -max.y, 0.0});
  if (std::hypot(dx, dy) <= ausdehnung || ausdehnung == 0.0) {
    min = {std::min(min.x, 0.0), std::min(min.y, 0.0)};
    max = {std::max(max.x, 0.0), std::max(max.y, 0.0)};
  }
  if (Gleich(min, max)) return PasseEin({-1, -1}, {1, 1}, f, rand);
  return PasseEin(min, max, f, rand);
}

OrtskurvenSzene BaueOrtskurve(const Kurve& k, const Ansicht& a, Flaeche f,
                              const std::function<Flaeche(const std::string&)>& messe,
                              const OrtskurvenMasse& m) {
  OrtskurvenSzene s;
  s.flaeche = f;
  s.teilung = Teile(a, f, m.tickAbstand);
  const ZPunkt ursprung = NachPixel(a, f, {0, 0});
  s.reAchseY = std::clamp(ursprung.y, 0.0, f.hoehe);
  s.imAchseX = std::clamp(ursprung.x, 0.0, f.breite);
  const Flaeche reGroesse = messe ? messe("Re") : Flaeche{};
  const Flaeche imGroesse = messe ? messe("jIm") : Flaeche{};
  s.reName = {
      f.breite - reGroesse.breite - 2,
      std::clamp(s.reAchseY - reGroesse.hoehe - 2, 0.0, std::max(0.0, f.hoehe - reGroesse.hoehe)),
      reGroesse.breite, reGroesse.hoehe};
  s.imName = {std::clamp(s.imAchseX + 4, 0.0, std::max(0.0, f.breite - imGroesse.breite)), 2,
              imGroesse.breite, imGroesse.hoehe};

  // Sweep points and marks in one rising sequence; a point without value
  // (or one the pixels cannot hold) ends a run.
  const ZRechteck bereich{0, 0, f.breite, f.hoehe};
  const ZRechteck zeichenbar{-kZeichenRand, -kZeichenRand, f.breite + 2 * kZeichenRand,
                             f.hoehe + 2 * kZeichenRand};
  std::vector<ZPunkt> zug;
  auto schliesse = [&] {
    if (zug.size() >= 2) s.zuege.push_back(std::move(zug));
    zug.clear();
  };
  bool vorgaenger = false;
  ZPunkt letzte{};
  auto nimm = [&](const Kurvenpunkt& p, int punkt, int marke) {
    const ZPunkt px = NachPixel(a, f, Wert(p));
    if (!p.gueltig || !Endlich(px)) {
      schliesse();
      vorgaenger = false;
      return;
    }
    s.stellen.push_back({px, p.f, marke, punkt});
    if (!vorgaenger) {
      if (zeichenbar.Enthaelt(px)) zug.push_back(px);
    } else {
      ZPunkt a0 = letzte, a1 = px;
      if (!SchneideZu(a0, a1, zeichenbar)) {
        schliesse();
      } else {
        if (!Gleich(a0, letzte)) {
          schliesse();
          zug.push_back(a0);
        }
        zug.push_back(a1);
        if (!Gleich(a1, px)) schliesse();
      }
    }
    vorgaenger = true;
    letzte = px;
  };
  std::size_t j = 0;
  for (std::size_t i = 0; i < k.punkte.size(); ++i) {
    for (; j < k.marken.size() && k.marken[j].f <= k.punkte[i].f; ++j)
      nimm(k.marken[j], -1, static_cast<int>(j));
    nimm(k.punkte[i], static_cast<int>(i), -1);
  }
  for (; j < k.marken.size(); ++j) nimm(k.marken[j], -1, static_cast<int>(j));
  schliesse();

  for (const std::vector<ZPunkt>& z : s.zuege) {
    Pfeil kopf;
    if (Pfeilkopf(z, bereich, m, kopf)) s.pfeile.push_back(kopf);
  }

  // Marks inside the area, their labels off the curve: away from the
  // middle of the visible curve, across the curve's direction at the mark.
  ZPunkt schwerpunkt{};
  double anzahl = 0;
  for (const Kurvenstelle& st : s.stellen) {
    if (!bereich.Enthaelt(st.pixel)) continue;
    schwerpunkt = {schwerpunkt.x + st.pixel.x, schwerpunkt.y + st.pixel.y};
    ++anzahl;
  }
  if (anzahl > 0) schwerpunkt = {schwerpunkt.x / anzahl, schwerpunkt.y / anzahl};
  std::vector<ZPunkt> spitzen, richtungen;
  std::vector<Flaeche> groessen;
  for (std::size_t i = 0; i < s.stellen.size(); ++i) {
    const Kurvenstelle& st = s.stellen[i];
    if (st.marke < 0 || !bereich.Enthaelt(st.pixel)) continue;
    const ZPunkt vor = i > 0 ? s.stellen[i - 1].pixel : st.pixel;
    const ZPunkt nach = i + 1 < s.stellen.size() ? s.stellen[i + 1].pixel : st.pixel;
    ZPunkt n{-(nach.y - vor.y), nach.x - vor.x};
    const double l = std::hypot(n.x, n.y);
    n = l > 0 && std::isfinite(l) ? ZPunkt{n.x / l, n.y / l} : ZPunkt{};
    if (n.x * (st.pixel.x - schwerpunkt.x) + n.y * (st.pixel.y - schwerpunkt.y) < 0)
      n = {-n.x, -n.y};
    GezeichneteMarke gm;
    gm.marke = st.marke;
    gm.pixel = st.pixel;
    gm.text = FrequenzText(st.f);
    s.marken.push_back(gm);
    spitzen.push_back(st.pixel);
    richtungen.push_back(n);
    groessen.push_back(messe ? messe(gm.text) : Flaeche{});
  }
  if (!s.marken.empty()) {
    std::vector<ZStrecke> naehe;
    for (const std::vector<ZPunkt>& z : s.zuege) {
      for (std::size_t i = 1; i < z.size(); ++i) {
        const ZPunkt p = z[i - 1], q = z[i];
        for (const ZPunkt& sp : spitzen) {
          if (std::min(p.x, q.x) - kMarkenUmgebung <= sp.x &&
              std::max(p.x, q.x) + kMarkenUmgebung >= sp.x &&
              std::min(p.y, q.y) - kMarkenUmgebung <= sp.y &&
              std::max(p.y, q.y) + kMarkenUmgebung >= sp.y) {
            naehe.push_back({p, q});
            break;
          }
        }
      }
    }
    const std::vector<ZRechteck> boxen =
        PlatziereBeschriftungen(spitzen, richtungen, groessen, f, {s.reName, s.imName}, naehe);
    for (std::size_t i = 0; i < s.marken.size(); ++i) s.marken[i].box = boxen[i];
  }
  return s;
}

int StelleUnter(const OrtskurvenSzene& szene, ZPunkt pixel, double toleranz) {
  const ZRechteck bereich{0, 0, szene.flaeche.breite, szene.flaeche.hoehe};
  int treffer = -1;
  double bester = toleranz;
  for (std::size_t i = 0; i < szene.stellen.size(); ++i) {
    const ZPunkt p = szene.stellen[i].pixel;
    if (!bereich.Enthaelt(p)) continue;
    const double d = std::hypot(p.x - pixel.x, p.y - pixel.y);
    // A mark wins a tie: it is what was asked for.
    if (d < bester || (d == bester && szene.stellen[i].marke >= 0)) {
      bester = d;
      treffer = static_cast<int>(i);
    }
  }
  return treffer;
}
