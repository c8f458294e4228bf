// SPDX-License-Identifier: GPL-3.0-or-later
// The two sources of a curve: a formula in the frequency, and a quantity of
// a circuit from the circuit page.
#ifndef QUORVEL_ORTSKURVE_QUELLEN_H
#define QUORVEL_ORTSKURVE_QUELLEN_H

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "formula/FormelRechner.h"
#include "ortskurve/Kurve.h"
#include "schaltung/Kennwert.h"

// A formula of the formula field's language plus f (Hz) and ω (also
// "omega", 1/s). Translated once; each point sets the frequency and
// evaluates the compiled code, so a point costs what one evaluation in the
// formula field costs, and its value is the one the formula field would
// show with that frequency's digits typed in.
class Formelquelle : public Kurvenquelle {
 public:
  // The memory is read when the formula is translated, as in the formula field.
  Formelquelle(const ZKSpeicher& k, const ZKSpeicher& g);

  // The formula as the formula field takes it (byte text, decimal commas
  // allowed, pasted values in `festwerte`). The German message of a fault
  // (UTF-8), empty when it translated.
  std::string Uebersetze(std::string_view formel, std::span<const Festwert> festwerte = {});
  // Whether the formula names f or ω (else its curve is one point).
  bool NutztFrequenz() const;

  Kurvenpunkt Wert(long double f) override;
  Kurvenpunkt GenauerWert(long double f) override { return Wert(f); }
  std::string Grund() const override { return grund_; }

 private:
  FormelRechner rechner_;
  bool uebersetzt_ = false;
  std::string grund_;
};

// The impedance between two nodes (sources removed) or the ratio of two
// node potentials, of a circuit read from a netlist.
class Schaltungsquelle : public Kurvenquelle {
 public:
  Schaltungsquelle(const Schaltung& s, KennwertArt art, int a, int b);
  // Why this quantity exists at no frequency (German, UTF-8); empty when it does.
  std::string Hindernis() const;

  Kurvenpunkt Wert(long double f) override;
  Kurvenpunkt GenauerWert(long double f) override;
  std::string Grund() const override { return grund_; }
  // Points of Wert that were solved the exact way.
  int Rueckfaelle() const { return rechner_.Rueckfaelle(); }

 private:
  Kurvenpunkt Punkt(long double f, LoeseStatus status, const ZKZahl& wert, long double fehler);
  // No value for this quantity at all, or at f = 0 where an inductance is a
  // short, which nodal analysis cannot write; sets the reason.
  bool OhneWert(long double f);

  Kennwertrechner rechner_;
  bool mitInduktivitaet_ = false;
  std::string grund_;
};

#endif
