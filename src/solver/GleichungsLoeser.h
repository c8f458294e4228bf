// SPDX-License-Identifier: GPL-3.0-or-later
// Gauss-Jordan solver for n complex linear equations (n <= 100).
//
// Rows are ordered first so that every diagonal coefficient is non-zero,
// then eliminated in that order; a row exchange steps in only where the
// pivot that order offers is tiny against its column. All elimination
// arithmetic is that of the ZKZahl operators, digit for digit; a difference
// derives its polar form only once something reads it. Before a solution is
// given out, an error bound on the whole solution decides whether the
// elimination can be trusted, and a bound on each part (real and imaginary
// part of each unknown) whether its ten shown digits are certain; a part
// that is not is refined in about twice the working precision, and a part
// within its bound of zero is zero.
#ifndef QUORVEL_SOLVER_GLEICHUNGSLOESER_H
#define QUORVEL_SOLVER_GLEICHUNGSLOESER_H

#include <memory>
#include <vector>

#include "complex/ZKZahl.h"

struct Rechenweg;

// Result of Loese.
enum LoeseStatus : int {
  Geloest = 0,
  KeineEindeutigeLoesung = 1,  // singular or not arrangeable: nothing written
  SchlechtKonditioniert = 2,   // error may reach the shown digits: nothing written
};

// How one part of an unknown (its real or imaginary part) is given out,
// from its value, the bound on its error and its weight (the size of the
// terms that cancel in it): zero when the bound reaches zero or the part
// is below what the typed decimals can tell from zero; shown when the
// bound is at most 5e-11 of it (its ten digits are then right); otherwise
// the system is refused.
enum class TeilUrteil { Gezeigt, Null, Abgelehnt };
TeilUrteil UrteileTeil(long double wert, long double schranke, long double gewicht);
// Whether every value within `schranke` of x shows the same ten significant
// digits as x (General10 and Exponent10 round alike); never for a bound that
// reaches zero.
bool ZiffernSicher(long double x, long double schranke);

class GleichungsLoeser {
 public:
  static constexpr int kKapazitaet = 100;

  GleichungsLoeser();
  ~GleichungsLoeser();
  GleichungsLoeser(const GleichungsLoeser&) = delete;
  GleichungsLoeser& operator=(const GleichungsLoeser&) = delete;

  void SetzeDimension(int n);
  // Takes rows 0..n and columns 0..m of the source (column 0: right-hand sides).
  void UebernehmeMatrix(int n, int m, const ZKMatrix& quelle);
  LoeseStatus Loese();
  // X1..Xn of the last Loese (Xr at index r - 1), as numbers: how they are
  // shown is the caller's business. Empty unless that Loese returned
  // Geloest, so a refused system never leaves values behind.
  const std::vector<ZKZahl>& Loesung() const;
  // While set, Loese fills this record (cleared first) with every step it
  // takes; without one nothing is recorded.
  void SetzeRechenweg(Rechenweg* weg);

  // Read access for tests: the arrangement and the reduced working matrix.
  int Zeilenfolge(int i) const;
  const ZKZahl& Arbeitswert(int zeile, int spalte) const;
  int Dimension() const;
  // Steps of the last solve that left the plain elimination in the
  // arrangement's order (row exchanges, rounding residue set to zero,
  // parts of the solution refined or set to zero).
  int Eingriffe() const;

 private:
  LoeseStatus LoeseUndNotiere();

  struct Daten;
  std::unique_ptr<Daten> d_;
};

#endif
