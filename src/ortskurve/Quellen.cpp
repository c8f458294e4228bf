// SPDX-License-Identifier: GPL-3.0-or-later
#include "Quellen.h"

#include <cstring>

#include "complex/Ansi.h"
#include "complex/ZKLesen.h"
#include "logik/Formelergebnis.h"
#include "sprache/Uebersetzung.h"

Formelquelle::Formelquelle(const ZKSpeicher& k, const ZKSpeicher& g) : rechner_(k, g) {
  rechner_.ErlaubeFrequenz(true);
}

std::string Formelquelle::Uebersetze(std::string_view formel, std::span<const Festwert> festwerte) {
  uebersetzt_ = false;
  // As the formula field does: commas become points in place, so pasted
  // parts keep their places; a text beyond the field's length is refused.
  char arbeit[kZellPuffer];
  if (formel.size() + 1 > sizeof arbeit || formel.find('\0') != std::string_view::npos)
    return AnsiNachUtf8(Formelmeldung(kFormelfehler));
  std::memcpy(arbeit, formel.data(), formel.size());
  arbeit[formel.size()] = '\0';
  KommaNachPunkt(arbeit);
  const int status = rechner_.Uebersetzen(arbeit, festwerte);
  if (status != KeinFehler)
    return AnsiNachUtf8(Formelmeldung(status == Klammerfehler ? kKlammerfehler : kFormelfehler));
  // A memory row without value is missing at every frequency.
  (void)rechner_.Auswerten();
  if (rechner_.Fehler().art == Rechenfehler::Art::VariableOhneWert)
    return AnsiNachUtf8(Rechenfehlertext(rechner_.Fehler()));
  uebersetzt_ = true;
  return {};
}

bool Formelquelle::NutztFrequenz() const {
  return uebersetzt_ && rechner_.NutztFrequenz();
}

Kurvenpunkt Formelquelle::Wert(long double f) {
  Kurvenpunkt p;
  p.f = f;
  if (!uebersetzt_) {
    grund_ = AnsiNachUtf8(Formelmeldung(kFormelfehler));
    return p;
  }
  rechner_.SetzeFrequenz(f);
  p.wert = rechner_.Auswerten();
  if (rechner_.Fehler().art != Rechenfehler::Art::Keiner) {
    grund_ = AnsiNachUtf8(Rechenfehlertext(rechner_.Fehler()));
  } else if (!p.wert.IstEndlich()) {
    grund_ = AnsiNachUtf8(Formelmeldung(kNichtDefiniert));
  } else {
    p.gueltig = true;
    return p;
  }
  p.wert = ZKZahl{};
  return p;
}

Schaltungsquelle::Schaltungsquelle(const Schaltung& s, KennwertArt art, int a, int b)
    : rechner_(s, art, a, b) {
  for (const Element& e : s.elemente)
    mitInduktivitaet_ = mitInduktivitaet_ || e.art == ElementArt::Induktivitaet;
}

std::string Schaltungsquelle::Hindernis() const {
  return rechner_.Hindernis() ? rechner_.Hindernis()->text : std::string();
}

bool Schaltungsquelle::OhneWert(long double f) {
  if (rechner_.Hindernis()) {
    grund_ = rechner_.Hindernis()->text;
    return true;
  }
  if (f != 0.0L || !mitInduktivitaet_) return false;
  grund_ = sprache::Tr(
      "Ortskurve",
      "Bei f = 0 ist jede Induktivität ein Kurzschluss; dafür gibt es hier keinen Wert.");
  return true;
}

Kurvenpunkt Schaltungsquelle::Punkt(long double f, LoeseStatus status, const ZKZahl& wert,
                                    long double fehler) {
  Kurvenpunkt p;
  p.f = f;
  if (status != Geloest) {
    grund_ = LoeseMeldung(status);
    return p;
  }
  p.gueltig = true;
  p.wert = wert;
  p.fehler = fehler;
  return p;
}

Kurvenpunkt Schaltungsquelle::Wert(long double f) {
  if (OhneWert(f)) return Luecke(f);
  const Naeherung n = rechner_.Schnell(2.0L * ZK_Pi() * f);
  ZKZahl z;
  z.SetzeKartesisch(n.wert.real(), n.wert.imag());
  return Punkt(f, n.status, z, n.fehler);
}

Kurvenpunkt Schaltungsquelle::GenauerWert(long double f) {
  if (OhneWert(f)) return Luecke(f);
  const Kennwert k = rechner_.Genau(2.0L * ZK_Pi() * f);
  return Punkt(f, k.status, k.wert, 0.0L);
}
