// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kurve.h"

#include <cmath>

#include "sprache/Uebersetzung.h"

Kurvenpunkt Luecke(long double f) {
  Kurvenpunkt p;
  p.f = f;
  return p;
}

Kurvenergebnis BerechneKurve(Kurvenquelle& quelle, const Frequenzbereich& bereich,
                             const std::vector<long double>& marken) {
  Kurvenergebnis e;
  e.meldung = PruefeBereich(bereich);
  if (!e.meldung.empty()) return e;
  Kurve k;
  const std::vector<long double> f = Frequenzen(bereich);
  k.punkte.reserve(f.size());
  bool einer = false;
  std::string grund;
  for (const long double fk : f) {
    k.punkte.push_back(quelle.Wert(fk));
    if (k.punkte.back().gueltig) {
      einer = true;
    } else if (grund.empty()) {
      grund = quelle.Grund();
    }
  }
  if (!einer) {
    e.meldung = sprache::Fuelle(
        sprache::Tr("Ortskurve", "Bei keiner Frequenz des Bereichs gibt es einen Wert: %1"),
        {grund});
    return e;
  }
  for (const long double m : marken) k.marken.push_back(quelle.Wert(m));
  e.kurve = std::move(k);
  return e;
}

Kurvenpunkt Kehrwert(const Kurvenpunkt& p) {
  Kurvenpunkt q;
  q.f = p.f;
  if (!p.gueltig || p.wert.Betrag == 0.0L) return q;
  q.wert = 1.0L / p.wert;
  q.gueltig = q.wert.IstEndlich();
  // The relative error stays what it was.
  q.fehler = p.fehler == 0.0L ? 0.0L : p.fehler / p.wert.Betrag * q.wert.Betrag;
  return q;
}

Kurve Invertiert(const Kurve& k) {
  Kurve i;
  i.punkte.reserve(k.punkte.size());
  for (const Kurvenpunkt& p : k.punkte) i.punkte.push_back(Kehrwert(p));
  for (const Kurvenpunkt& p : k.marken) i.marken.push_back(Kehrwert(p));
  return i;
}
