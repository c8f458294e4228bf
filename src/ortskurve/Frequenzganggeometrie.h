// SPDX-License-Identifier: GPL-3.0-or-later
// The frequency response's geometry without a window: the magnitude (in dB
// or linear) above the phase in degrees, both over one logarithmic
// frequency axis with a tick at each decade.
#ifndef QUORVEL_ORTSKURVE_FREQUENZGANGGEOMETRIE_H
#define QUORVEL_ORTSKURVE_FREQUENZGANGGEOMETRIE_H

#include <string>
#include <vector>

#include "ortskurve/Kurve.h"
#include "ortskurve/Ortskurvengeometrie.h"

struct Achsstrich {
  double wert = 0.0;   // Hz, dB, |x| or degrees
  double pixel = 0.0;  // x on the frequency axis, y on a value axis
  std::string text;    // empty for a minor tick
};

// One panel: its frame in pixels, the values it shows from bottom to top,
// its ticks and its curve.
struct Diagrammfeld {
  ZRechteck rahmen;
  double unten = 0.0, oben = 0.0;
  std::vector<Achsstrich> striche;
  std::vector<std::vector<ZPunkt>> zuege;
  std::vector<ZPunkt> marken;  // the marks with a value in this panel, in kurve order
  std::string titel;           // "|x| in dB", "|x|", "φ in °"
};

struct FrequenzgangSzene {
  Flaeche flaeche;
  double fVon = 0.0, fBis = 0.0;  // the frequency axis, Hz
  std::vector<Achsstrich> fStriche;
  Diagrammfeld betrag, phase;
  // Every point with a value and f > 0, marks merged in; pixel.x on the
  // frequency axis, pixel.y in the magnitude panel.
  std::vector<Kurvenstelle> stellen;
};

// The space around the panels, for the tick labels and titles.
struct FrequenzgangMasse {
  double links = 70.0;
  double rechts = 20.0;
  double oben = 24.0;
  double unten = 28.0;
  double zwischen = 40.0;
  double tickAbstand = 36.0;  // least pixels between labelled value ticks
  double fTickAbstand = 60.0;
};

// The phase in degrees along the sweep: the first value's principal value,
// then without jumps of more than 180°. NaN where a point has no value or
// is zero (which has no direction).
std::vector<double> Phasenverlauf(const Kurve& k);

FrequenzgangSzene BaueFrequenzgang(const Kurve& k, Flaeche f, bool dezibel,
                                   const FrequenzgangMasse& m = {});

// The drawn point whose frequency lies nearest to pixel column x (index
// into szene.stellen), or -1.
int StelleBeiX(const FrequenzgangSzene& szene, double x);

#endif
