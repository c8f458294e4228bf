// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kennwert.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using Komplex = std::complex<long double>;

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

Komplex AlsKomplex(const ZKZahl& z) {
  return {z.Realteil, z.Imaginaerteil};
}

bool Endlich(Komplex z) {
  return std::isfinite(z.real()) && std::isfinite(z.imag());
}

}  // namespace

Kennwertrechner::Kennwertrechner(const Schaltung& s, KennwertArt art, int a, int b)
    : s_(s), art_(art), a_(a), b_(b), loeser_(0) {
  const int knoten = static_cast<int>(s_.knoten.size());
  for (const int k : {a, b}) {
    if (k < 0 || k >= knoten) {
      hindernis_ = MacheFehler(FehlerArt::KnotenUnbekannt, 0, {std::to_string(k)});
      return;
    }
  }
  if (art == KennwertArt::Impedanz && a == b) {
    hindernis_ = MacheFehler(FehlerArt::ImpedanzGleicheKnoten, 0, {s_.knoten[U(a)]});
    return;
  }
  if (art == KennwertArt::Verhaeltnis) {
    if (b == 0) {
      hindernis_ = MacheFehler(FehlerArt::VerhaeltnisZuMasse, 0, {s_.knoten[U(a)], s_.knoten[0]});
      return;
    }
    bool quelle = false;
    for (const Element& e : s_.elemente) quelle = quelle || IstQuelle(e.art);
    if (!quelle) {
      hindernis_ = MacheFehler(FehlerArt::VerhaeltnisOhneQuelle, 0, {});
      return;
    }
  }
  Aufstellung auf = StelleAuf(s_, Verfahren::Knoten, s_.omega);
  if (auf.fehler) {
    hindernis_ = auf.fehler;
    return;
  }
  g_ = std::move(auf.system);
  // The impedance sees the sources at zero, which keeps the matrix: a
  // voltage source of 0 V is a short, a current source of 0 A is open.
  if (art == KennwertArt::Impedanz)
    for (Eintrag& e : g_.b) e = Eintrag();
  loeser_ = SchnellLoeser(g_.n);
  rechts_.assign(U(g_.n), {});
  x_.assign(U(g_.n), {});
}

Naeherung Kennwertrechner::Schnell(long double omega) {
  if (hindernis_) return {};
  WerteBei(g_, s_, omega, loeser_.Matrix(), rechts_);
  if (art_ == KennwertArt::Impedanz) {
    if (a_ > 0) rechts_[U(a_ - 1)] = 1.0L;
    if (b_ > 0) rechts_[U(b_ - 1)] = -1.0L;
  }
  if (!loeser_.Zerlege()) return Rueckfall(omega);
  loeser_.Loese(rechts_, x_);
  auto knoten = [](const std::vector<Komplex>& v, int k) {
    return k > 0 ? v[U(k - 1)] : Komplex();
  };
  const Komplex xa = knoten(x_, a_), xb = knoten(x_, b_);
  const long double ea = a_ > 0 ? loeser_.Fehler(a_ - 1) : 0.0L;
  const long double eb = b_ > 0 ? loeser_.Fehler(b_ - 1) : 0.0L;
  Naeherung n;
  if (art_ == KennwertArt::Impedanz) {
    n.wert = xa - xb;
    n.fehler = ea + eb;
  } else {
    if (xb == Komplex()) return Rueckfall(omega);
    n.wert = xa / xb;
    // Relative errors of a quotient add up.
    n.fehler = (ea + std::abs(n.wert) * eb) / std::abs(xb);
  }
  n.fehler += 0x1p-63L * std::abs(n.wert);  // the last operation's rounding
  if (!Endlich(n.wert) || !(n.fehler <= kSchnellGrenze * std::abs(n.wert))) return Rueckfall(omega);
  n.status = Geloest;
  return n;
}

Naeherung Kennwertrechner::Rueckfall(long double omega) {
  ++rueckfaelle_;
  const Kennwert k = Genau(omega);
  Naeherung n;
  n.status = k.status;
  n.wert = AlsKomplex(k.wert);
  n.genau = true;
  return n;
}

Kennwert Kennwertrechner::Genau(long double omega) {
  Kennwert k;
  if (hindernis_) return k;
  BewerteBei(g_, s_, omega);
  if (art_ == KennwertArt::Impedanz) {
    if (a_ > 0) g_.b[U(a_ - 1)].wert.SetzeKartesisch(1.0L, 0.0L);
    if (b_ > 0) g_.b[U(b_ - 1)].wert.SetzeKartesisch(-1.0L, 0.0L);
  }
  std::vector<ZKZahl> x;
  k.status = LoeseGleichungen(g_, Rundung::Keine, x);
  if (k.status != Geloest) return k;
  const Komplex xa = a_ > 0 ? AlsKomplex(x[U(a_ - 1)]) : Komplex();
  const Komplex xb = b_ > 0 ? AlsKomplex(x[U(b_ - 1)]) : Komplex();
  if (art_ == KennwertArt::Impedanz) {
    const Komplex z = Differenz(xa, xb);
    k.wert.SetzeKartesisch(z.real(), z.imag());
    return k;
  }
  if (xb == Komplex()) {
    k.status = KeineEindeutigeLoesung;
    return k;
  }
  const Komplex q = xa / xb;
  k.wert.SetzeKartesisch(q.real(), q.imag());
  return k;
}

Kennwert ImpedanzZwischen(const Schaltung& s, int a, int b, long double omega) {
  return Kennwertrechner(s, KennwertArt::Impedanz, a, b).Genau(omega);
}

Kennwert Potentialverhaeltnis(const Schaltung& s, int a, int b, long double omega) {
  return Kennwertrechner(s, KennwertArt::Verhaeltnis, a, b).Genau(omega);
}
