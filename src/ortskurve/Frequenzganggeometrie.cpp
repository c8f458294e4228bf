// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frequenzganggeometrie.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "complex/ZKText.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
// Phase steps that divide the circle the way textbooks label it.
constexpr double kPhasenschritte[] = {15, 30, 45, 90, 180, 360, 720, 1440, 2880, 5760};

double Hauptwert(long double grad) {
  long double h = std::remainder(grad, 360.0L);
  if (h <= -180.0L) h += 360.0L;
  return static_cast<double>(h);
}

// The value of the same direction nearest to `bezug`.
double Naechster(double winkel, double bezug) {
  return winkel + 360.0 * std::round((bezug - winkel) / 360.0);
}

// In long double: a ladder's far end can lie below the smallest double.
double Dezibel(const Kurvenpunkt& p) {
  return static_cast<double>(20.0L * std::log10(p.wert.Betrag));
}

// A tick step for a value axis: at least `mindestens`, round (1, 2, 5 times
// a power of ten), for the phase from 15° up a divisor of the circle.
double Schritt(double mindestens, bool phase) {
  if (phase && mindestens > 10.0) {
    for (const double s : kPhasenschritte)
      if (s >= mindestens) return s;
  }
  return RunderSchritt(mindestens);
}

// The panel's range: the values, widened to whole steps; a flat curve gets
// some room around it.
void Wertachse(Diagrammfeld& feld, double min, double max, bool phase, bool abNull,
               double tickAbstand) {
  if (abNull) min = std::min(min, 0.0);
  if (!(max > min)) {
    const double rand = phase ? 10.0 : std::max(1.0, std::fabs(max) * 0.1);
    min -= abNull && min == 0.0 ? 0.0 : rand;
    max += rand;
  }
  const double hoehe = std::max(1.0, feld.rahmen.hoehe);
  double schritt = Schritt((max - min) * tickAbstand / hoehe, phase);
  if (schritt > 0) {
    min = std::floor(min / schritt) * schritt;
    max = std::ceil(max / schritt) * schritt;
    // The range grew: a step for it may be coarser now.
    schritt = Schritt((max - min) * tickAbstand / hoehe, phase);
    min = std::floor(min / schritt) * schritt;
    max = std::ceil(max / schritt) * schritt;
  }
  feld.unten = min;
  feld.oben = max;
  if (!(schritt > 0) || !((max - min) / schritt < 1000)) return;
  for (double k = std::round(min / schritt); k * schritt <= max * (1 + 1e-12) + 1e-300; ++k) {
    const double wert = k == 0 ? 0.0 : k * schritt;
    const double y = feld.rahmen.y + feld.rahmen.hoehe * (max - wert) / (max - min);
    feld.striche.push_back({wert, y, General10(wert)});
  }
}

double Y(const Diagrammfeld& feld, double wert) {
  return feld.rahmen.y + feld.rahmen.hoehe * (feld.oben - wert) / (feld.oben - feld.unten);
}

}  // namespace

std::vector<double> Phasenverlauf(const Kurve& k) {
  std::vector<double> phase(k.punkte.size(), kNaN);
  bool begonnen = false;
  double letzte = 0;
  for (std::size_t i = 0; i < k.punkte.size(); ++i) {
    const Kurvenpunkt& p = k.punkte[i];
    if (!p.gueltig || p.wert.Betrag == 0.0L) continue;
    const double h = Hauptwert(p.wert.Winkel);
    letzte = begonnen ? Naechster(h, letzte) : h;
    begonnen = true;
    phase[i] = letzte;
  }
  return phase;
}

FrequenzgangSzene BaueFrequenzgang(const Kurve& k, Flaeche f, bool dezibel,
                                   const FrequenzgangMasse& m) {
  FrequenzgangSzene s;
  s.flaeche = f;
  const double breite = std::max(1.0, f.breite - m.links - m.rechts);
  const double hoehe = std::max(2.0, f.hoehe - m.oben - m.unten - m.zwischen);
  s.betrag.rahmen = {m.links, m.oben, breite, hoehe / 2};
  s.phase.rahmen = {m.links, m.oben + hoehe / 2 + m.zwischen, breite, hoehe / 2};
  s.betrag.titel = dezibel ? "|x| in dB" : "|x|";
  s.phase.titel = "\u03c6 in \u00b0";

  // The frequency axis: the sweep's positive frequencies.
  double fVon = 0, fBis = 0;
  for (const Kurvenpunkt& p : k.punkte) {
    if (p.f <= 0) continue;
    if (fVon == 0) fVon = static_cast<double>(p.f);
    fBis = static_cast<double>(p.f);
  }
  if (!(fVon > 0) || !(fBis > fVon)) return s;
  s.fVon = fVon;
  s.fBis = fBis;
  const double l0 = std::log10(fVon), l1 = std::log10(fBis);
  auto x = [&](double fk) { return m.links + breite * (std::log10(fk) - l0) / (l1 - l0); };

  // Decades, and their 2..9 between; the 1..9 are labelled when fewer than
  // two decades fall into the range, round steps when even those are too few.
  std::vector<Achsstrich> alle;
  int dekaden = 0;
  for (int e = static_cast<int>(std::floor(l0)); e <= static_cast<int>(std::ceil(l1)); ++e) {
    for (int z = 1; z <= 9; ++z) {
      const std::string text = std::to_string(z) + "e" + std::to_string(e);
      const double fk = std::strtod(text.c_str(), nullptr);
      if (fk < fVon * (1 - 1e-12) || fk > fBis * (1 + 1e-12)) continue;
      if (z == 1) ++dekaden;
      alle.push_back({fk, x(fk), z == 1 ? FrequenzText(fk) : std::string()});
    }
  }
  if (dekaden < 2) {
    double letzte = -std::numeric_limits<double>::infinity();
    int beschriftet = 0;
    for (Achsstrich& a : alle) {
      if (a.pixel - letzte < m.fTickAbstand) continue;
      a.text = FrequenzText(a.wert);
      letzte = a.pixel;
      ++beschriftet;
    }
    if (beschriftet < 2) {
      alle.clear();
      const double schritt = RunderSchritt((fBis - fVon) * m.fTickAbstand / breite);
      for (double q = std::ceil(fVon / schritt); q * schritt <= fBis * (1 + 1e-12); ++q)
        alle.push_back({q * schritt, x(q * schritt), FrequenzText(q * schritt)});
    }
  }
  s.fStriche = std::move(alle);

  // The values: magnitude and unwrapped phase, each point and each mark.
  const std::vector<double> phase = Phasenverlauf(k);
  auto betragWert = [&](const Kurvenpunkt& p) {
    if (!p.gueltig || !(p.f > 0)) return kNaN;
    if (!dezibel) return static_cast<double>(p.wert.Betrag);
    return p.wert.Betrag > 0 ? Dezibel(p) : kNaN;
  };
  double bMin = INFINITY, bMax = -INFINITY, pMin = INFINITY, pMax = -INFINITY;
  for (std::size_t i = 0; i < k.punkte.size(); ++i) {
    const double b = betragWert(k.punkte[i]);
    if (std::isfinite(b)) {
      bMin = std::min(bMin, b);
      bMax = std::max(bMax, b);
    }
    if (k.punkte[i].f > 0 && std::isfinite(phase[i])) {
      pMin = std::min(pMin, phase[i]);
      pMax = std::max(pMax, phase[i]);
    }
  }
  // A mark's phase is the one nearest to the sweep's at its place.
  std::vector<double> markenPhase(k.marken.size(), kNaN);
  std::size_t j = 0;
  for (std::size_t i = 0; i < k.marken.size(); ++i) {
    const Kurvenpunkt& mk = k.marken[i];
    if (!mk.gueltig || mk.wert.Betrag == 0.0L) continue;
    while (j + 1 < k.punkte.size() && k.punkte[j + 1].f <= mk.f) ++j;
    double bezug = kNaN;
    for (std::size_t d = 0; d < k.punkte.size() && std::isnan(bezug); ++d) {
      if (j >= d && std::isfinite(phase[j - d]))
        bezug = phase[j - d];
      else if (j + d < phase.size() && std::isfinite(phase[j + d]))
        bezug = phase[j + d];
    }
    const double h = Hauptwert(mk.wert.Winkel);
    markenPhase[i] = std::isfinite(bezug) ? Naechster(h, bezug) : h;
  }
  if (std::isfinite(bMin)) Wertachse(s.betrag, bMin, bMax, false, !dezibel, m.tickAbstand);
  if (std::isfinite(pMin)) Wertachse(s.phase, pMin, pMax, true, false, m.tickAbstand);

  // The curves, broken where a point has no value; marks merged in by f.
  std::vector<ZPunkt> zugB, zugP;
  auto schliesse = [](std::vector<ZPunkt>& zug, std::vector<std::vector<ZPunkt>>& zuege) {
    if (zug.size() >= 2) zuege.push_back(zug);
    zug.clear();
  };
  auto nimm = [&](const Kurvenpunkt& p, double ph, int punkt, int marke) {
    if (!(p.f > 0)) return;
    const double b = betragWert(p);
    if (!std::isfinite(b) || !std::isfinite(ph)) {
      schliesse(zugB, s.betrag.zuege);
      schliesse(zugP, s.phase.zuege);
      return;
    }
    const ZPunkt pb{x(static_cast<double>(p.f)), Y(s.betrag, b)};
    const ZPunkt pp{pb.x, Y(s.phase, ph)};
    zugB.push_back(pb);
    zugP.push_back(pp);
    s.stellen.push_back({pb, p.f, marke, punkt});
    if (marke >= 0) {
      s.betrag.marken.push_back(pb);
      s.phase.marken.push_back(pp);
    }
  };
  j = 0;
  for (std::size_t i = 0; i < k.punkte.size(); ++i) {
    for (; j < k.marken.size() && k.marken[j].f <= k.punkte[i].f; ++j)
      nimm(k.marken[j], markenPhase[j], -1, static_cast<int>(j));
    nimm(k.punkte[i], phase[i], static_cast<int>(i), -1);
  }
  for (; j < k.marken.size(); ++j) nimm(k.marken[j], markenPhase[j], -1, static_cast<int>(j));
  schliesse(zugB, s.betrag.zuege);
  schliesse(zugP, s.phase.zuege);
  return s;
}

int StelleBeiX(const FrequenzgangSzene& szene, double x) {
  int treffer = -1;
  double bester = INFINITY;
  for (std::size_t i = 0; i < szene.stellen.size(); ++i) {
    const double d = std::fabs(szene.stellen[i].pixel.x - x);
    if (d < bester || (d == bester && szene.stellen[i].marke >= 0)) {
      bester = d;
      treffer = static_cast<int>(i);
    }
  }
  return treffer;
}
