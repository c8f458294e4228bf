// SPDX-License-Identifier: GPL-3.0-or-later
// Builds linear systems for the solver tests in the layout the matrix page
// hands over: row r is equation r, column 0 its right-hand side.
#ifndef QUORVEL_TESTS_SOLVER_SYSTEMBAU_H
#define QUORVEL_TESTS_SOLVER_SYSTEMBAU_H

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "complex/ZKLesen.h"
#include "complex/ZKZahl.h"
#include "solver/GleichungsLoeser.h"

namespace systembau {

inline ZKZahl Polar(long double r, long double phi) {
  ZKZahl z;
  z.SetzePolar(r, phi);
  return z;
}

inline ZKZahl Kartesisch(long double a, long double b) {
  ZKZahl z;
  z.SetzeKartesisch(a, b);
  return z;
}

using Zeilen = std::vector<std::vector<ZKZahl>>;

// Coefficients a[r][c] (0-based here, rows 1..n there) and right-hand sides
// made from the known solution x, the way the example generator makes them.
inline ZKMatrix MitLoesung(const Zeilen& a, const std::vector<ZKZahl>& x) {
  const int n = static_cast<int>(a.size());
  ZKMatrix m(n + 1, n + 1);
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n; ++c) {
      m[r][c] = a[r - 1][c - 1];
      m[r][0] += m[r][c] * x[c - 1];
    }
  }
  return m;
}

// Coefficients and explicit right-hand sides.
inline ZKMatrix MitRechterSeite(const Zeilen& a, const std::vector<ZKZahl>& b) {
  const int n = static_cast<int>(a.size());
  ZKMatrix m(n + 1, n + 1);
  for (int r = 1; r <= n; ++r) {
    m[r][0] = b[r - 1];
    for (int c = 1; c <= n; ++c) m[r][c] = a[r - 1][c - 1];
  }
  return m;
}

// Equations as typed, one text per row: "right-hand side; X1; X2; ...",
// each cell read as the matrix page reads it. An unreadable cell stays zero.
inline ZKMatrix AusTexten(const std::vector<std::string>& gleichungen) {
  const int n = static_cast<int>(gleichungen.size());
  ZKMatrix m(n + 1, n + 1);
  for (int r = 1; r <= n; ++r) {
    std::istringstream zeile(gleichungen[r - 1]);
    std::string zelle;
    for (int c = 0; c <= n && std::getline(zeile, zelle, ';'); ++c) {
      LiesZKZahl(zelle, m[r][c]);
    }
  }
  return m;
}

inline Zeilen Reell(const std::vector<std::vector<double>>& werte) {
  Zeilen z;
  for (const auto& zeile : werte) {
    z.emplace_back();
    for (double w : zeile) z.back().push_back(Kartesisch(w, 0));
  }
  return z;
}

// |ist - soll| / |soll|, in extended precision.
inline long double RelativerFehler(const ZKZahl& ist, const ZKZahl& soll) {
  const long double d =
      std::hypot(ist.Realteil - soll.Realteil, ist.Imaginaerteil - soll.Imaginaerteil);
  return soll.Betrag == 0.0L ? d : d / soll.Betrag;
}

inline LoeseStatus Loese(GleichungsLoeser& l, const ZKMatrix& m) {
  const int n = m.Zeilen() - 1;
  l.SetzeDimension(n);
  l.UebernehmeMatrix(n, n, m);
  return l.Loese();
}

}  // namespace systembau

#endif
