// SPDX-License-Identifier: GPL-3.0-or-later
#include "Csv.h"

#include <cmath>

#include "complex/ZKText.h"
#include "solver/GleichungsLoeser.h"

namespace {

// A part below this fraction of the magnitude is zero as far as the typed
// values can tell; the exact path shows such a part as 0 too.
constexpr long double kNullGrenze = 2.3e-16L;

long double Hauptwert(long double grad) {
  long double h = std::remainder(grad, 360.0L);
  if (h <= -180.0L) h += 360.0L;
  return h;
}

// The four numbers a row shows. A part of a value from a faster path that
// is rounding residue next to the other part is zero, as the exact path
// makes it. True when the error estimate leaves none of their digits in doubt.
struct Zeile {
  long double re = 0, im = 0, betrag = 0, winkel = 0;
};

bool Sicher(const Kurvenpunkt& p, Zeile& z) {
  const long double e = p.fehler;
  const ZKZahl& w = p.wert;
  if (e == 0.0L) {
    z = {w.Realteil, w.Imaginaerteil, w.Betrag, w.Betrag == 0.0L ? 0.0L : Hauptwert(w.Winkel)};
    return true;
  }
  bool sicher = true;
  auto teil = [&](long double v) {
    if (std::fabs(v) + e <= kNullGrenze * w.Betrag) return 0.0L;
    sicher = sicher && ZiffernSicher(v, e);
    return v;
  };
  z.re = teil(w.Realteil);
  z.im = teil(w.Imaginaerteil);
  ZKZahl neu;
  neu.SetzeKartesisch(z.re, z.im);
  z.betrag = neu.Betrag;
  z.winkel = neu.Betrag == 0.0L ? 0.0L : Hauptwert(neu.Winkel);
  // With a part zero the angle is exactly 0, ±90 or 180.
  const bool winkelExakt = z.re == 0.0L || z.im == 0.0L;
  return sicher && ZiffernSicher(z.betrag, e) &&
         (winkelExakt || ZiffernSicher(z.winkel, e / neu.Betrag * ZK_RadNachGrad()));
}

}  // namespace

std::string CsvText(const Kurve& k, const std::function<Kurvenpunkt(long double)>& genau) {
  std::string t =
      "\xEF\xBB\xBF"
      "f in Hz;Re;Im;|x|;\xCF\x86 in \xC2\xB0\r\n";
  for (const Kurvenpunkt& p : k.punkte) {
    t += General10(p.f);
    Zeile z;
    bool wert = p.gueltig;
    if (wert && !Sicher(p, z) && genau) {
      const Kurvenpunkt g = genau(p.f);
      wert = g.gueltig && Sicher(g, z);
    }
    if (wert) {
      // + 0 turns a negative zero into the zero the program writes.
      for (const long double v : {z.re, z.im, z.betrag, z.winkel}) t += ";" + General10(v + 0.0L);
    } else {
      t += ";;;;";
    }
    t += "\r\n";
  }
  return t;
}
