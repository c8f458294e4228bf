// SPDX-License-Identifier: GPL-3.0-or-later
// A curve over frequency: its source, the computed sweep and marks, and its
// inverse. Nothing here draws; Ortskurvengeometrie.h and
// Frequenzganggeometrie.h turn a curve into what the page paints.
//
// The data flow of the page: read the range (Frequenzbereich.h) and the
// source's input; BerechneKurve computes every point and every mark; the
// page keeps the curve it drew until a new computation succeeds. Hover and
// memory ask the source for GenauerWert at the point's frequency.
#ifndef QUORVEL_ORTSKURVE_KURVE_H
#define QUORVEL_ORTSKURVE_KURVE_H

#include <optional>
#include <string>
#include <vector>

#include "complex/ZKZahl.h"
#include "ortskurve/Frequenzbereich.h"

struct Kurvenpunkt {
  long double f = 0.0L;  // Hz
  bool gueltig = false;  // false: no value at this frequency (a gap)
  ZKZahl wert;
  // An estimate of |error| of a value from a faster path; 0 where the value
  // is what the program's exact path gives.
  long double fehler = 0.0L;
};

// A point without value at f.
Kurvenpunkt Luecke(long double f);

// A source of values over frequency.
class Kurvenquelle {
 public:
  virtual ~Kurvenquelle() = default;
  // For drawing: may come from a faster path with an error estimate.
  virtual Kurvenpunkt Wert(long double f) = 0;
  // To every digit the program shows.
  virtual Kurvenpunkt GenauerWert(long double f) = 0;
  // Why the last point asked for had no value (German, UTF-8).
  virtual std::string Grund() const = 0;
};

struct Kurve {
  std::vector<Kurvenpunkt> punkte;  // the sweep, rising in f
  std::vector<Kurvenpunkt> marken;  // each at its own frequency, rising
};

struct Kurvenergebnis {
  std::optional<Kurve> kurve;
  std::string meldung;  // why there is no curve
};

// Every point of the range and every mark (at exactly the frequency asked
// for). No curve, and a German message, for a range that is not sound or
// when not one point has a value.
Kurvenergebnis BerechneKurve(Kurvenquelle& quelle, const Frequenzbereich& bereich,
                             const std::vector<long double>& marken);

// The reciprocal of a value as the program takes it (1/X of the conversion
// page); a zero has none.
Kurvenpunkt Kehrwert(const Kurvenpunkt& p);
// The curve 1/x (impedance to admittance and back), with the same marks.
Kurve Invertiert(const Kurve& k);

#endif
