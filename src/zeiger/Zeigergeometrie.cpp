// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zeigergeometrie.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "complex/ZKText.h"
#include "sprache/Uebersetzung.h"

namespace {

// Beyond these scales the tick steps leave the range of double or fall
// below its resolution; the view stops zooming there.
constexpr double kKleinsterMassstab = 1e-300;
constexpr double kGroessterMassstab = 1e300;
// More ticks than this on one axis means the view holds no sensible range.
constexpr double kHoechstensTeilstriche = 1000.0;
// Pixel coordinates are kept within this margin around the area, so that
// the painter never sees coordinates it cannot rasterise.
constexpr double kZeichenRand = 2000.0;

double Begrenzt(double massstab) {
  if (!std::isfinite(massstab)) return kGroessterMassstab;
  return std::clamp(massstab, kKleinsterMassstab, kGroessterMassstab);
}

bool Endlich(ZPunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

ZPunkt Plus(ZPunkt a, ZPunkt b) {
  return {a.x + b.x, a.y + b.y};
}
ZPunkt Mal(ZPunkt a, double f) {
  return {a.x * f, a.y * f};
}

// Unit vector of the value's direction in pixels (Im points up); zero for
// the zero value. Scaled first, so that huge and tiny parts both work.
ZPunkt PixelRichtung(double re, double im) {
  const double m = std::max(std::fabs(re), std::fabs(im));
  if (!(m > 0.0) || !std::isfinite(m)) return {};
  const double x = re / m, y = -im / m;
  const double l = std::hypot(x, y);
  return {x / l, y / l};
}

double AbstandZurStrecke(ZPunkt p, ZPunkt a, ZPunkt b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double l2 = dx * dx + dy * dy;
  double t = l2 > 0.0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / l2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

bool ImDreieck(ZPunkt p, ZPunkt a, ZPunkt b, ZPunkt c) {
  auto seite = [](ZPunkt u, ZPunkt v, ZPunkt w) {
    return (v.x - u.x) * (w.y - u.y) - (v.y - u.y) * (w.x - u.x);
  };
  const double d1 = seite(a, b, p), d2 = seite(b, c, p), d3 = seite(c, a, p);
  const bool neg = d1 < 0 || d2 < 0 || d3<0, pos = d1> 0 || d2 > 0 || d3 > 0;
  return !(neg && pos);
}

ZRechteck UmMitte(ZPunkt mitte, Flaeche g) {
  return {mitte.x - g.breite / 2, mitte.y - g.hoehe / 2, g.breite, g.hoehe};
}

}  // namespace

// Liang-Barsky.
bool SchneideZu(ZPunkt& p0, ZPunkt& p1, const ZRechteck& box) {
  const double dx = p1.x - p0.x, dy = p1.y - p0.y;
  double t0 = 0.0, t1 = 1.0;
  const double p[] = {-dx, dx, -dy, dy};
  const double q[] = {p0.x - box.x, box.x + box.breite - p0.x, p0.y - box.y,
                      box.y + box.hoehe - p0.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0.0) {
      if (q[i] < 0.0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0.0)
      t0 = std::max(t0, t);
    else
      t1 = std::min(t1, t);
    if (t0 > t1) return false;
  }
  const ZPunkt a = p0;
  p0 = {a.x + t0 * dx, a.y + t0 * dy};
  p1 = {a.x + t1 * dx, a.y + t1 * dy};
  return true;
}

double ZRechteck::Ueberlappung(const ZRechteck& r) const {
  const double b = std::min(x + breite, r.x + r.breite) - std::max(x, r.x);
  const double h = std::min(y + hoehe, r.y + r.hoehe) - std::max(y, r.y);
  return b > 0 && h > 0 ? b * h : 0.0;
}

double RunderSchritt(double mindestens) {
  if (!(mindestens > 0.0) || !std::isfinite(mindestens)) return 0.0;
  const double basis = std::pow(10.0, std::floor(std::log10(mindestens)));
  for (const double f : {1.0, 2.0, 5.0, 10.0, 20.0}) {
    // log10 may land one decade low or high; a hair of tolerance keeps an
    // exact round bound (0.2, 1e-6) as the step itself.
    const double schritt = f * basis;
    if (schritt >= mindestens * (1.0 - 1e-12) && std::isfinite(schritt)) return schritt;
  }
  return 0.0;
}

ZPunkt NachPixel(const Ansicht& a, Flaeche f, ZPunkt wert) {
  return {f.breite / 2 + (wert.x - a.mitteRe) * a.massstab,
          f.hoehe / 2 - (wert.y - a.mitteIm) * a.massstab};
}

ZPunkt NachWert(const Ansicht& a, Flaeche f, ZPunkt pixel) {
  return {a.mitteRe + (pixel.x - f.breite / 2) / a.massstab,
          a.mitteIm - (pixel.y - f.hoehe / 2) / a.massstab};
}

Ansicht Einpassen(const std::vector<ZPunkt>& punkte, Flaeche f, double rand) {
  double reMin = 0, reMax = 0, imMin = 0, imMax = 0;
  for (const ZPunkt& p : punkte) {
    if (!Endlich(p)) continue;
    reMin = std::min(reMin, p.x);
    reMax = std::max(reMax, p.x);
    imMin = std::min(imMin, p.y);
    imMax = std::max(imMax, p.y);
  }
  if (reMax - reMin == 0.0 && imMax - imMin == 0.0) {
    reMin = imMin = -1.0;
    reMax = imMax = 1.0;
  }
  return PasseEin({reMin, imMin}, {reMax, imMax}, f, rand);
}

Ansicht PasseEin(ZPunkt min, ZPunkt max, Flaeche f, double rand) {
  const double breite = std::max(1.0, f.breite - 2 * rand);
  const double hoehe = std::max(1.0, f.hoehe - 2 * rand);
  const double inf = std::numeric_limits<double>::infinity();
  // Halves first: the span of two values near the largest double overflows.
  const double halbRe = max.x / 2 - min.x / 2, halbIm = max.y / 2 - min.y / 2;
  const double sRe = halbRe > 0 ? breite / 2 / halbRe : inf;
  const double sIm = halbIm > 0 ? hoehe / 2 / halbIm : inf;
  Ansicht a;
  a.massstab = Begrenzt(std::min(sRe, sIm));
  a.mitteRe = min.x / 2 + max.x / 2;
  a.mitteIm = min.y / 2 + max.y / 2;
  return a;
}

Ansicht Zoome(const Ansicht& a, Flaeche f, double faktor, ZPunkt pixel) {
  if (!(faktor > 0.0) || !std::isfinite(faktor)) return a;
  const ZPunkt v = NachWert(a, f, pixel);
  Ansicht n;
  n.massstab = Begrenzt(a.massstab * faktor);
  // Much closer and neighbouring ticks would carry the same ten-digit label.
  const double groesse =
      std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(a.mitteRe), std::fabs(a.mitteIm)});
  const double seite = std::max({f.breite, f.hoehe, 1.0});
  if (groesse > 0) n.massstab = std::min(n.massstab, Begrenzt(seite / (groesse * 1e-7)));
  n.mitteRe = v.x - (pixel.x - f.breite / 2) / n.massstab;
  n.mitteIm = v.y + (pixel.y - f.hoehe / 2) / n.massstab;
  if (!std::isfinite(n.mitteRe) || !std::isfinite(n.mitteIm)) return a;
  return n;
}

Teilung Teile(const Ansicht& a, Flaeche f, double abstand) {
  Teilung t;
  t.schritt = RunderSchritt(abstand / a.massstab);
  if (t.schritt == 0.0) return t;
  auto achse = [&](double von, double bis, bool re, std::vector<Teilstrich>& striche) {
    const double k0 = std::ceil(von / t.schritt), k1 = std::floor(bis / t.schritt);
    // Beyond 2^53 a step of one in k no longer changes k.
    if (!(std::fabs(k0) < 0x1p53) || !(std::fabs(k1) < 0x1p53) || k1 - k0 > kHoechstensTeilstriche)
      return;
    for (double k = k0; k <= k1; ++k) {
      // k = 0 gives 0 itself, never -0 or a rounding remainder.
      const double wert = k == 0.0 ? 0.0 : k * t.schritt;
      const ZPunkt p = NachPixel(a, f, re ? ZPunkt{wert, 0} : ZPunkt{0, wert});
      // The imaginary axis is labelled in the program's own form: -j10, j10.
      const std::string text =
          re ? General10(wert) : (wert < 0.0 ? "-j" : "j") + General10(std::fabs(wert));
      striche.push_back({wert, re ? p.x : p.y, text});
    }
  };
  const ZPunkt obenLinks = NachWert(a, f, {0, 0});
  const ZPunkt untenRechts = NachWert(a, f, {f.breite, f.hoehe});
  achse(obenLinks.x, untenRechts.x, true, t.re);
  achse(untenRechts.y, obenLinks.y, false, t.im);
  if (t.re.empty() && t.im.empty()) t.schritt = 0.0;
  return t;
}

Pfeil PfeilGeometrie(ZPunkt anfangPixel, double re, double im, const Ansicht& a, Flaeche /*f*/,
                     double kopfLaenge, double kopfBreite) {
  Pfeil p;
  p.anfang = p.schaftEnde = p.spitze = p.links = p.rechts = anfangPixel;
  const ZPunkt d = PixelRichtung(re, im);
  if (d.x == 0.0 && d.y == 0.0) {
    p.punkt = true;
    return p;
  }
  const double laenge = std::hypot(re, im) * a.massstab;
  p.spitze = std::isfinite(laenge) ? Plus(anfangPixel, Mal(d, laenge))
                                   : Plus(anfangPixel, Mal(d, kGroessterMassstab));
  const ZPunkt basis = Plus(p.spitze, Mal(d, -kopfLaenge));
  const ZPunkt n{-d.y, d.x};
  p.links = Plus(basis, Mal(n, kopfBreite / 2));
  p.rechts = Plus(basis, Mal(n, -kopfBreite / 2));
  // Shorter than its head: the head alone shows the direction.
  p.schaftEnde = laenge > kopfLaenge ? basis : anfangPixel;
  return p;
}

std::vector<ZPunkt> Kette(const std::vector<ZPunkt>& werte) {
  std::vector<ZPunkt> punkte{{0.0, 0.0}};
  punkte.reserve(werte.size() + 1);
  for (const ZPunkt& w : werte) punkte.push_back(Plus(punkte.back(), w));
  return punkte;
}

std::vector<ZRechteck> PlatziereBeschriftungen(const std::vector<ZPunkt>& spitzen,
                                               const std::vector<ZPunkt>& richtungen,
                                               const std::vector<Flaeche>& groessen, Flaeche f,
                                               const std::vector<ZRechteck>& hindernisse,
                                               const std::vector<ZStrecke>& schaefte) {
  // A shaft under a label costs as much as a good part of a label's area.
  constexpr double kSchaftKosten = 400;
  constexpr double kGrad = 3.14159265358979323846 / 180.0;
  constexpr double kDrehungen[] = {0, 45, -45, 90, -90, 135, -135, 180};
  constexpr double kAbstaende[] = {4, 16, 32};
  constexpr double kSpitzenMarke = 7;  // the head's neighbourhood stays visible
  const ZRechteck bereich{0, 0, f.breite, f.hoehe};

  std::vector<ZRechteck> frei(hindernisse);
  for (const ZPunkt& s : spitzen)
    frei.push_back(
        {s.x - kSpitzenMarke, s.y - kSpitzenMarke, 2 * kSpitzenMarke, 2 * kSpitzenMarke});

  std::vector<ZRechteck> boxen;
  for (std::size_t i = 0; i < spitzen.size(); ++i) {
    const Flaeche g = i < groessen.size() ? groessen[i] : Flaeche{};
    ZPunkt u = i < richtungen.size() ? richtungen[i] : ZPunkt{};
    if (u.x == 0.0 && u.y == 0.0) u = {std::sqrt(0.5), -std::sqrt(0.5)};
    ZRechteck beste{};
    double besteKosten = std::numeric_limits<double>::infinity();
    for (const double abstand : kAbstaende) {
      for (const double drehung : kDrehungen) {
        const double c = std::cos(drehung * kGrad), s = std::sin(drehung * kGrad);
        const ZPunkt r{u.x * c - u.y * s, u.x * s + u.y * c};
        // The box's nearest side lies `abstand` beyond the tip along r.
        const double halb = std::fabs(r.x) * g.breite / 2 + std::fabs(r.y) * g.hoehe / 2;
        const ZRechteck box = UmMitte(Plus(spitzen[i], Mal(r, abstand + halb)), g);
        double kosten = (box.breite * box.hoehe - box.Ueberlappung(bereich)) * 4;
        for (std::size_t j = 0; j < frei.size(); ++j) {
          // A label may cover the region around its own tip's mark less than
          // the others: that is where it belongs.
          const bool eigeneMarke = j == hindernisse.size() + i;
          if (!eigeneMarke) kosten += box.Ueberlappung(frei[j]);
        }
        for (const ZRechteck& b : boxen) kosten += 2 * box.Ueberlappung(b);
        for (const ZStrecke& st : schaefte) {
          ZPunkt a = st.a, b = st.b;
          if (SchneideZu(a, b, box)) kosten += kSchaftKosten;
        }
        if (kosten < besteKosten) {
          besteKosten = kosten;
          beste = box;
        }
        if (kosten == 0.0) break;
      }
      if (besteKosten == 0.0) break;
    }
    // Whatever won, the text stays inside the area when it fits.
    if (beste.breite <= f.breite) beste.x = std::clamp(beste.x, 0.0, f.breite - beste.breite);
    if (beste.hoehe <= f.hoehe) beste.y = std::clamp(beste.y, 0.0, f.hoehe - beste.hoehe);
    boxen.push_back(beste);
  }
  return boxen;
}

std::vector<ZPunkt> SichtbarePunkte(const std::vector<Zeigereintrag>& eintraege, bool kette) {
  std::vector<ZPunkt> werte;
  for (const Zeigereintrag& e : eintraege)
    if (std::isfinite(e.re) && std::isfinite(e.im)) werte.push_back({e.re, e.im});
  if (!kette) return werte;
  return Kette(werte);
}

Szene BaueSzene(const std::vector<Zeigereintrag>& eintraege, bool kette, const Ansicht& a,
                Flaeche f, const std::function<Flaeche(const std::string&)>& messe, Flaeche legende,
                const SzenenMasse& m) {
  Szene szene;
  szene.flaeche = f;
  szene.teilung = Teile(a, f, m.tickAbstand);
  const ZPunkt ursprung = NachPixel(a, f, {0, 0});
  szene.reAchseY = std::clamp(ursprung.y, 0.0, f.hoehe);
  szene.imAchseX = std::clamp(ursprung.x, 0.0, f.breite);

  std::vector<int> gueltig;
  std::vector<ZPunkt> werte;
  for (std::size_t i = 0; i < eintraege.size(); ++i) {
    const Zeigereintrag& e = eintraege[i];
    if (!std::isfinite(e.re) || !std::isfinite(e.im)) continue;
    gueltig.push_back(static_cast<int>(i));
    werte.push_back({e.re, e.im});
  }
  const std::vector<ZPunkt> anfaenge = kette ? Kette(werte) : std::vector<ZPunkt>{};

  auto fuegeHinzu = [&](ZPunkt anfang, double re, double im, const std::string& text, int quelle,
                        int eintrag) {
    GezeichneterPfeil g;
    g.pfeil = PfeilGeometrie(NachPixel(a, f, anfang), re, im, a, f, m.kopfLaenge, m.kopfBreite);
    g.beschriftung = text;
    g.quelle = quelle;
    g.eintrag = eintrag;
    szene.pfeile.push_back(g);
  };
  for (std::size_t k = 0; k < gueltig.size(); ++k) {
    const Zeigereintrag& e = eintraege[static_cast<std::size_t>(gueltig[k])];
    fuegeHinzu(kette ? anfaenge[k] : ZPunkt{}, e.re, e.im, e.beschriftung, e.quelle, gueltig[k]);
  }
  // One link is its own sum; the closing arrow would only cover it.
  if (kette && werte.size() >= 2) {
    const ZPunkt summe = anfaenge.back();
    if (Endlich(summe))
      fuegeHinzu({}, summe.x, summe.y, sprache::Tr("Zeigergeometrie", "Summe"), kSummenQuelle, -1);
  }

  // Far outside the area only the visible part of a shaft is kept; a head
  // that lies out there is not drawn at all.
  const ZRechteck zeichenbar{-kZeichenRand, -kZeichenRand, f.breite + 2 * kZeichenRand,
                             f.hoehe + 2 * kZeichenRand};
  for (GezeichneterPfeil& g : szene.pfeile) {
    Pfeil& p = g.pfeil;
    if (zeichenbar.Enthaelt(p.anfang) && zeichenbar.Enthaelt(p.spitze) &&
        zeichenbar.Enthaelt(p.links) && zeichenbar.Enthaelt(p.rechts))
      continue;
    ZPunkt a0 = p.anfang, a1 = p.spitze;
    if (!SchneideZu(a0, a1, zeichenbar)) a0 = a1 = ZPunkt{-kZeichenRand, -kZeichenRand};
    if (!zeichenbar.Enthaelt(p.spitze)) {
      p.links = p.rechts = p.spitze = a1;
      p.schaftEnde = a1;
    } else if (!zeichenbar.Enthaelt(p.schaftEnde)) {
      p.schaftEnde = a1;
    }
    p.anfang = a0;
  }

  // The axis names at the right end of the Re axis and the top of the jIm
  // axis, inside the area.
  const Flaeche reGroesse = messe ? messe("Re") : Flaeche{};
  const Flaeche imGroesse = messe ? messe("jIm") : Flaeche{};
  szene.reName = {f.breite - reGroesse.breite - 2,
                  std::clamp(szene.reAchseY - reGroesse.hoehe - 2, 0.0,
                             std::max(0.0, f.hoehe - reGroesse.hoehe)),
                  reGroesse.breite, reGroesse.hoehe};
  szene.imName = {std::clamp(szene.imAchseX + 4, 0.0, std::max(0.0, f.breite - imGroesse.breite)),
                  2, imGroesse.breite, imGroesse.hoehe};

  // The legend's place along the top or bottom edge: where the fewest arrow
  // points fall into it and it hides neither an axis nor its name; among
  // equals the one nearest a corner, top before bottom.
  if (legende.breite > 0 && legende.hoehe > 0) {
    constexpr double kAbstand = 6, kRaster = 10;
    const double rechts = std::max(kAbstand, f.breite - legende.breite - kAbstand);
    const double unten = std::max(kAbstand, f.hoehe - legende.hoehe - kAbstand);
    std::vector<ZPunkt> plaetze;
    for (const double y : {kAbstand, unten}) {
      for (double x = kAbstand; x < rechts; x += kRaster) plaetze.push_back({x, y});
      plaetze.push_back({rechts, y});
    }
    double besteKosten = std::numeric_limits<double>::infinity();
    for (const ZPunkt ecke : plaetze) {
      const ZRechteck box{ecke.x, ecke.y, legende.breite, legende.hoehe};
      double kosten = 100 * (box.Ueberlappung(szene.reName) + box.Ueberlappung(szene.imName));
      if (szene.imAchseX > box.x && szene.imAchseX < box.x + box.breite) kosten += 300;
      if (szene.reAchseY > box.y && szene.reAchseY < box.y + box.hoehe) kosten += 300;
      kosten += std::min(ecke.x - kAbstand, rechts - ecke.x) / 100;
      for (const GezeichneterPfeil& g : szene.pfeile) {
        constexpr int kProben = 24;
        for (int i = 0; i <= kProben; ++i) {
          const double t = double(i) / kProben;
          const ZPunkt p{g.pfeil.anfang.x + t * (g.pfeil.spitze.x - g.pfeil.anfang.x),
                         g.pfeil.anfang.y + t * (g.pfeil.spitze.y - g.pfeil.anfang.y)};
          // The tip, where the label goes, weighs most.
          if (box.Enthaelt(p)) kosten += i == kProben ? 400 : 100;
        }
      }
      if (kosten < besteKosten) {
        besteKosten = kosten;
        szene.legende = box;
      }
    }
  }
  std::vector<ZRechteck> hindernisse{szene.reName, szene.imName};
  if (szene.legende.breite > 0) hindernisse.push_back(szene.legende);

  std::vector<ZPunkt> spitzen, richtungen;
  std::vector<Flaeche> groessen;
  std::vector<ZStrecke> schaefte;
  for (const GezeichneterPfeil& g : szene.pfeile) {
    spitzen.push_back(g.pfeil.spitze);
    // Short of the head's base, so a label may still touch its own tip.
    if (!g.pfeil.punkt) schaefte.push_back({g.pfeil.anfang, g.pfeil.schaftEnde});
    const double dx = g.pfeil.spitze.x - g.pfeil.links.x / 2 - g.pfeil.rechts.x / 2;
    const double dy = g.pfeil.spitze.y - g.pfeil.links.y / 2 - g.pfeil.rechts.y / 2;
    const double l = std::hypot(dx, dy);
    richtungen.push_back(l > 0 ? ZPunkt{dx / l, dy / l} : ZPunkt{});
    groessen.push_back(messe ? messe(g.beschriftung) : Flaeche{});
  }
  const std::vector<ZRechteck> boxen =
      PlatziereBeschriftungen(spitzen, richtungen, groessen, f, hindernisse, schaefte);
  for (std::size_t i = 0; i < szene.pfeile.size(); ++i) szene.pfeile[i].beschriftungsBox = boxen[i];
  return szene;
}

int PfeilUnter(const Szene& szene, ZPunkt pixel, double toleranz) {
  int treffer = -1;
  double bester = toleranz;
  for (std::size_t i = 0; i < szene.pfeile.size(); ++i) {
    const Pfeil& p = szene.pfeile[i].pfeil;
    double d = AbstandZurStrecke(pixel, p.anfang, p.spitze);
    if (!p.punkt && ImDreieck(pixel, p.spitze, p.links, p.rechts)) d = 0.0;
    // Later arrows are drawn on top and win a tie.
    if (d <= bester) {
      bester = d;
      treffer = static_cast<int>(i);
    }
  }
  return treffer;
}
