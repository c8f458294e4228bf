// SPDX-License-Identifier: GPL-3.0-or-later
// Dense LU factorisation with partial pivoting in long double, for solving
// systems of one size many times over (a frequency sweep): plain complex
// arithmetic without the value type's polar form, zeros skipped, and no
// allocation per solve. About fifty times faster than GleichungsLoeser at
// n = 20.
//
// It guarantees no digits by itself. Each solution is refined twice, each
// time with the residual b - Ax summed to about twice the working precision:
// the first correction takes x near working precision, and how much the
// second one shrank against the first tells how far the factors can be
// trusted. From that comes an estimate of the error left in each unknown,
// which the caller weighs against what it needs, solving exactly where it
// falls short. The shrinking is measured twice: over all unknowns by the
// largest (what an unknown near that size can be off by), and relative to
// each unknown (what holds for the small ones: a ladder network's far end
// lies many decades below its input); each unknown takes the smaller.
#ifndef QUORVEL_SOLVER_SCHNELLLOESER_H
#define QUORVEL_SOLVER_SCHNELLLOESER_H

#include <complex>
#include <span>
#include <vector>

class SchnellLoeser {
 public:
  using Komplex = std::complex<long double>;

  explicit SchnellLoeser(int n);
  int Dimension() const { return n_; }

  // The matrix, row-major, to be filled before each Zerlege.
  std::span<Komplex> Matrix() { return a_; }
  // Factors the matrix; false when a column has no non-zero, finite pivot
  // left (singular as far as this path can tell).
  bool Zerlege();
  // After a Zerlege that succeeded: x solves Ax = b.
  void Loese(std::span<const Komplex> b, std::span<Komplex> x);
  // The estimate of |error| of unknown i after Loese, its own rounding
  // (twice a unit in its last place) included.
  long double Fehler(int i) const { return fehler_[static_cast<std::size_t>(i)]; }

 private:
  void MitFaktoren(std::span<const Komplex> rechts, std::span<Komplex> x) const;
  // rest_ = b - Ax, each part to about twice the working precision.
  void Rest(std::span<const Komplex> b, std::span<const Komplex> x);

  // A matrix entry with its parts split for exact products.
  struct Geteilt {
    long double wert, hoch, tief;
  };
  struct Eintrag {
    std::size_t spalte;
    Geteilt re, im;
  };

  int n_;
  std::vector<Komplex> a_;          // as given
  std::vector<Komplex> lu_;         // L below the diagonal (unit diagonal), U on and above
  std::vector<Komplex> kehrwerte_;  // 1 / U(k, k)
  std::vector<int> zeile_;          // row of the given matrix at position k
  std::vector<Eintrag> besetzt_;    // the non-zero entries of a_, row by row
  std::vector<std::size_t> zeilenAnfang_;
  std::vector<Komplex> rest_, korrektur_[2];
  std::vector<long double> fehler_;
  std::vector<Geteilt> xRe_, xIm_;
};

#endif
