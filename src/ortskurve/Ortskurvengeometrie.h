// SPDX-License-Identifier: GPL-3.0-or-later
// The locus diagram's geometry without a window: the complex plane with one
// scale on both axes (the phasor diagram's Ansicht, ticks and label
// placement), the curve as broken lines in pixels, an arrow for rising
// frequency on each piece, and the marks with their frequency labels. The
// page paints what BaueOrtskurve returns; for the inverse curve it passes
// Invertiert(kurve).
#ifndef QUORVEL_ORTSKURVE_ORTSKURVENGEOMETRIE_H
#define QUORVEL_ORTSKURVE_ORTSKURVENGEOMETRIE_H

#include <functional>
#include <string>
#include <vector>

#include "ortskurve/Kurve.h"
#include "zeiger/Zeigergeometrie.h"

// One drawn point of the curve: a sweep point or a mark, in rising f.
struct Kurvenstelle {
  ZPunkt pixel;
  long double f = 0.0L;
  int marke = -1;  // index into kurve.marken, -1 for a sweep point
  int punkt = -1;  // index into kurve.punkte
};

struct GezeichneteMarke {
  int marke = -1;  // index into kurve.marken
  ZPunkt pixel;
  ZRechteck box;  // the label's place
  std::string text;
};

struct OrtskurvenSzene {
  Flaeche flaeche;
  Teilung teilung;
  double reAchseY = 0.0;  // where the axes run (through the origin or along an edge)
  double imAchseX = 0.0;
  ZRechteck reName, imName;  // "Re" and "jIm"
  // Every point with a value, marks merged in, at its pixel.
  std::vector<Kurvenstelle> stellen;
  // Unbroken runs of the curve in pixels: a point without value breaks it,
  // and it is cut where it leaves the range the painter is handed.
  std::vector<std::vector<ZPunkt>> zuege;
  std::vector<Pfeil> pfeile;  // heads only: one per run long enough to carry one
  std::vector<GezeichneteMarke> marken;
};

struct OrtskurvenMasse {
  double rand = 36.0;
  double tickAbstand = 56.0;
  double kopfLaenge = 11.0;
  double kopfBreite = 9.0;
};

// The view: every finite value of the curve and its marks, and the origin
// unless it lies further from them than they spread (a curve far out
// would shrink to a dot beside it).
Ansicht PasseOrtskurveEin(const Kurve& k, Flaeche f, double rand);

// `messe` gives a text's size in pixels ("Re", "jIm", the marks' texts).
OrtskurvenSzene BaueOrtskurve(const Kurve& k, const Ansicht& a, Flaeche f,
                              const std::function<Flaeche(const std::string&)>& messe,
                              const OrtskurvenMasse& m = {});

// The drawn point nearest to a pixel, within `toleranz` pixels (index into
// szene.stellen), or -1: its frequency is what hover shows.
int StelleUnter(const OrtskurvenSzene& szene, ZPunkt pixel, double toleranz);

#endif
