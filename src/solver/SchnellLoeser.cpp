// SPDX-License-Identifier: GPL-3.0-or-later
#include "SchnellLoeser.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "solver/GenaueSumme.h"

namespace {

using Komplex = SchnellLoeser::Komplex;

// The estimate of the error left is this many times what the refinement's
// rate of contraction predicts.
constexpr long double kSicherheit = 2.0L;
// An unknown the first correction changed by more than this fraction is
// not settled enough to be measured against itself.
constexpr long double kGesetzt = 1e-12L;

// The pivot's size: the 1-norm of its parts chooses as well as the
// magnitude and needs no square root.
long double Groesse(Komplex z) {
  return std::fabs(z.real()) + std::fabs(z.imag());
}

// a - b * c written out: std::complex's product checks for NaN on every
// call, which the elimination's inner loop need not pay for.
Komplex MalMinus(Komplex a, Komplex b, Komplex c) {
  return {a.real() - (b.real() * c.real() - b.imag() * c.imag()),
          a.imag() - (b.real() * c.imag() + b.imag() * c.real())};
}

Komplex Mal(Komplex a, Komplex b) {
  return {a.real() * b.real() - a.imag() * b.imag(), a.real() * b.imag() + a.imag() * b.real()};
}

long double Norm(std::span<const Komplex> v) {
  long double m = 0.0L;
  for (const Komplex& z : v) m = std::max(m, Groesse(z));
  return m;
}

}  // namespace

SchnellLoeser::SchnellLoeser(int n)
    : n_(std::max(n, 0)),
      a_(static_cast<std::size_t>(n_) * static_cast<std::size_t>(n_)),
      lu_(a_.size()),
      kehrwerte_(static_cast<std::size_t>(n_)),
      zeile_(static_cast<std::size_t>(n_)),
      zeilenAnfang_(static_cast<std::size_t>(n_) + 1),
      rest_(static_cast<std::size_t>(n_)),
      korrektur_{std::vector<Komplex>(static_cast<std::size_t>(n_)),
                 std::vector<Komplex>(static_cast<std::size_t>(n_))},
      fehler_(static_cast<std::size_t>(n_)),
      xRe_(static_cast<std::size_t>(n_)),
      xIm_(static_cast<std::size_t>(n_)) {}

bool SchnellLoeser::Zerlege() {
  const auto n = static_cast<std::size_t>(n_);
  // Dekker's split into two halves of 32 bits: their products are exact.
  auto teile = [](long double a) {
    constexpr long double kTeiler = 4294967297.0L;  // 2^32 + 1
    const long double t = kTeiler * a;
    const long double hoch = t - (t - a);
    return Geteilt{a, hoch, a - hoch};
  };
  besetzt_.clear();
  for (std::size_t r = 0; r < n; ++r) {
    zeilenAnfang_[r] = besetzt_.size();
    for (std::size_t c = 0; c < n; ++c) {
      const Komplex z = a_[r * n + c];
      if (z != Komplex()) besetzt_.push_back({c, teile(z.real()), teile(z.imag())});
    }
  }
  zeilenAnfang_[n] = besetzt_.size();

  lu_ = a_;
  std::iota(zeile_.begin(), zeile_.end(), 0);
  for (std::size_t k = 0; k < n; ++k) {
    std::size_t p = k;
    long double groesste = Groesse(lu_[k * n + k]);
    for (std::size_t r = k + 1; r < n; ++r) {
      const long double g = Groesse(lu_[r * n + k]);
      if (g > groesste) {
        groesste = g;
        p = r;
      }
    }
    if (!(groesste > 0.0L) || !std::isfinite(groesste)) return false;
    if (p != k) {
      std::swap_ranges(lu_.begin() + static_cast<std::ptrdiff_t>(k * n),
                       lu_.begin() + static_cast<std::ptrdiff_t>(k * n + n),
                       lu_.begin() + static_cast<std::ptrdiff_t>(p * n));
      std::swap(zeile_[k], zeile_[p]);
    }
    const Komplex kehr = 1.0L / lu_[k * n + k];
    if (!std::isfinite(kehr.real()) || !std::isfinite(kehr.imag())) return false;
    kehrwerte_[k] = kehr;
    const Komplex* pivotzeile = &lu_[k * n];
    for (std::size_t r = k + 1; r < n; ++r) {
      Komplex* z = &lu_[r * n];
      if (z[k] == Komplex()) continue;
      const Komplex l = Mal(z[k], kehr);
      z[k] = l;
      for (std::size_t c = k + 1; c < n; ++c)
        if (pivotzeile[c] != Komplex()) z[c] = MalMinus(z[c], l, pivotzeile[c]);
    }
  }
  return true;
}

void SchnellLoeser::MitFaktoren(std::span<const Komplex> rechts, std::span<Komplex> x) const {
  const auto n = static_cast<std::size_t>(n_);
  for (std::size_t i = 0; i < n; ++i) {
    Komplex w = rechts[static_cast<std::size_t>(zeile_[i])];
    const Komplex* z = &lu_[i * n];
    // The factors of a circuit's matrix keep most of its zeros.
    for (std::size_t c = 0; c < i; ++c)
      if (z[c] != Komplex()) w = MalMinus(w, z[c], x[c]);
    x[i] = w;
  }
  for (std::size_t i = n; i-- > 0;) {
    Komplex w = x[i];
    const Komplex* z = &lu_[i * n];
    for (std::size_t c = i + 1; c < n; ++c)
      if (z[c] != Komplex()) w = MalMinus(w, z[c], x[c]);
    x[i] = Mal(w, kehrwerte_[i]);
  }
}

void SchnellLoeser::Rest(std::span<const Komplex> b, std::span<const Komplex> x) {
  const auto n = static_cast<std::size_t>(n_);
  constexpr long double kTeiler = 4294967297.0L;
  for (std::size_t c = 0; c < n; ++c) {
    for (const auto& [teil, wert] :
         {std::pair{&xRe_, x[c].real()}, std::pair{&xIm_, x[c].imag()}}) {
      const long double t = kTeiler * wert;
      const long double hoch = t - (t - wert);
      (*teil)[c] = {wert, hoch, wert - hoch};
    }
  }
  // The sum and the rounding errors of its terms, kept apart.
  struct Summe {
    long double wert = 0.0L, fehler = 0.0L;
    void Plus(long double a) {
      long double s = 0.0L, f = 0.0L;
      ZweiSumme(wert, a, s, f);
      wert = s;
      fehler += f;
    }
    // Adds the exact product a*b, or its negative.
    void Produkt(const Geteilt& a, const Geteilt& b, bool minus) {
      const long double p = a.wert * b.wert;
      const long double f =
          ((a.hoch * b.hoch - p) + a.hoch * b.tief + a.tief * b.hoch) + a.tief * b.tief;
      Plus(minus ? -p : p);
      fehler += minus ? -f : f;
    }
  };
  for (std::size_t r = 0; r < n; ++r) {
    Summe re, im;
    re.Plus(b[r].real());
    im.Plus(b[r].imag());
    for (std::size_t k = zeilenAnfang_[r]; k < zeilenAnfang_[r + 1]; ++k) {
      const Eintrag& e = besetzt_[k];
      re.Produkt(e.re, xRe_[e.spalte], true);
      re.Produkt(e.im, xIm_[e.spalte], false);
      im.Produkt(e.re, xIm_[e.spalte], true);
      im.Produkt(e.im, xRe_[e.spalte], true);
    }
    rest_[r] = {re.wert + re.fehler, im.wert + im.fehler};
  }
}

void SchnellLoeser::Loese(std::span<const Komplex> b, std::span<Komplex> x) {
  const auto n = static_cast<std::size_t>(n_);
  MitFaktoren(b, x);
  for (std::vector<Komplex>& d : korrektur_) {
    Rest(b, x);
    MitFaktoren(rest_, d);
    for (std::size_t i = 0; i < n; ++i) x[i] += d[i];
  }
  // The second correction is the error the first left, computed with the
  // same factors: its own error is smaller by the rate at which the
  // corrections shrink (about the condition number times 1e-19).
  auto rate = [](long double vorher, long double nachher) {
    return vorher > 0.0L ? std::min(1.0L, nachher / vorher) : 0.0L;
  };
  const long double d0 = Norm(korrektur_[0]), d1 = Norm(korrektur_[1]);
  const long double ueberAlle = kSicherheit * rate(d0, d1) * d1;
  // Relative to each unknown, over those that the first correction changed
  // by at most kGesetzt of themselves: the factors got them right to that
  // from the start, so the rate measured on them holds for them. Others,
  // such as an unknown that is zero in truth and comes out as rounding
  // residue, keep the estimate over all unknowns, which is large against them.
  auto gesetzt = [&](std::size_t i) {
    const long double g = Groesse(x[i]);
    return g > 0.0L && Groesse(korrektur_[0][i]) <= kGesetzt * g;
  };
  long double r0 = 0.0L, r1 = 0.0L;
  for (std::size_t i = 0; i < n; ++i) {
    if (!gesetzt(i)) continue;
    const long double g = Groesse(x[i]);
    r0 = std::max(r0, Groesse(korrektur_[0][i]) / g);
    r1 = std::max(r1, Groesse(korrektur_[1][i]) / g);
  }
  const long double jeWert = kSicherheit * rate(r0, r1) * r1;
  for (std::size_t i = 0; i < n; ++i) {
    const long double g = Groesse(x[i]);
    fehler_[i] = (gesetzt(i) ? std::min(ueberAlle, jeWert * g) : ueberAlle) + 0x1p-63L * g;
  }
}
