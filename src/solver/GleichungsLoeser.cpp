#include "GleichungsLoeser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "ZKText.h"

namespace {

// Indices 0..100 in every table; index 0 is present but belongs to no equation.
constexpr int kGroesse = GleichungsLoeser::kKapazitaet + 1;

// A pivot counts as zero when its magnitude is at most this fraction of the
// largest coefficient magnitude of its own equation. The elimination works in
// 80-bit long double (about 1e-19 relative), so the rounding residue that a
// singular system leaves (1 2 3 / 4 5 6 / 7 8 9 ends with a pivot near 1e-18)
// lies far below it, while regular systems keep their pivots many orders of
// magnitude above it. Measuring against each equation's own scale keeps an
// equation in microfarads next to one in megaohms from looking singular.
constexpr long double kSingulaerSchwelle = 1e-12L;

}  // namespace

struct GleichungsLoeser::Daten {
  using Tabelle = std::array<std::array<ZKZahl, kGroesse>, kGroesse>;

  Tabelle matrix;
  Tabelle arbeitsmatrix;
  std::array<int, kGroesse> zeilenfolge{};
  int dimension = kKapazitaet;
  std::array<bool, kGroesse> spalteBelegt{};
  std::array<bool, kGroesse> zeileVergeben{};

  int zahlenFormat = General;
  Ausgabe ausgabe;

  // Fallback matching: the row each position holds and the position each row
  // stands at (0: none), plus the DFS marks of one augmenting-path search.
  std::array<int, kGroesse> zeileAnPosition{};
  std::array<bool, kGroesse> besucht{};
  // Largest coefficient magnitude of each equation of `matrix`.
  std::array<long double, kGroesse> zeilenMass{};

  static bool IstNull(const ZKZahl& z) { return !(z != ZKZahl()); }
  bool Eintrag(int zeile, int spalte) const { return !IstNull(matrix[zeile][spalte]); }

  void SetzeSucheZurueck() {
    zeilenfolge.fill(0);
    spalteBelegt.fill(false);
    zeileVergeben.fill(false);
  }

  bool AnordnungVollstaendig(int n) const {
    for (int i = 1; i <= n; ++i) {
      if (zeilenfolge[i] == 0) return false;
    }
    return true;
  }

  void Vergib(int position, int zeile) {
    spalteBelegt[position] = true;
    zeileVergeben[zeile] = true;
    zeilenfolge[position] = zeile;
  }

  // The greedy search with restart at the top level, in its non-recursive
  // form: each attempt gives position i row k, then every other position, in
  // ascending order, the lowest free row with a non-zero entry there.
  bool SucheAnordnung(int n) {
    for (int i = 1; i <= n; ++i) {
      for (int k = 1; k <= n; ++k) {
        if (!Eintrag(k, i)) continue;
        SetzeSucheZurueck();
        Vergib(i, k);
        for (int p = 1; p <= n; ++p) {
          if (spalteBelegt[p]) continue;
          for (int r = 1; r <= n; ++r) {
            if (!zeileVergeben[r] && Eintrag(r, p)) {
              Vergib(p, r);
              break;
            }
          }
        }
        if (AnordnungVollstaendig(n)) return true;
      }
    }
    SetzeSucheZurueck();
    return n < 1;
  }

  // Augmenting path from position p; positions below `ab` are fixed and may
  // not give up their row. zeilenfolge/zeileAnPosition hold the matching.
  bool Erweitere(int p, int n, int ab) {
    for (int r = 1; r <= n; ++r) {
      if (besucht[r] || !Eintrag(r, p)) continue;
      besucht[r] = true;
      const int q = zeileAnPosition[r];
      if (q != 0 && q < ab) continue;
      if (q == 0 || Erweitere(q, n, ab)) {
        zeilenfolge[p] = r;
        zeileAnPosition[r] = p;
        return true;
      }
    }
    return false;
  }

  // Complete search for when the greedy one misses: any perfect matching of
  // positions to rows, then, position by position, the lowest row that still
  // leaves a complete arrangement (an alternating cycle through the lower row
  // exists exactly when it does).
  bool SucheAnordnungVollstaendig(int n) {
    SetzeSucheZurueck();
    zeileAnPosition.fill(0);
    for (int p = 1; p <= n; ++p) {
      besucht.fill(false);
      if (!Erweitere(p, n, 1)) {
        SetzeSucheZurueck();
        return false;
      }
    }
    for (int i = 1; i <= n; ++i) {
      const int bisher = zeilenfolge[i];
      for (int k = 1; k < bisher; ++k) {
        const int j = zeileAnPosition[k];
        if (!Eintrag(k, i) || j < i) continue;  // rows of fixed positions stay
        // Give k to i; j must then reach the row i gives up, through free
        // positions only.
        zeileAnPosition[bisher] = 0;
        zeilenfolge[i] = k;
        zeileAnPosition[k] = i;
        zeilenfolge[j] = 0;
        besucht.fill(false);
        besucht[k] = true;
        if (Erweitere(j, n, i + 1)) break;
        zeilenfolge[j] = k;
        zeileAnPosition[k] = j;
        zeilenfolge[i] = bisher;
        zeileAnPosition[bisher] = i;
      }
    }
    for (int i = 1; i <= n; ++i) Vergib(i, zeilenfolge[i]);
    return true;
  }

  void OrdneZeilenUm(int n) {
    for (int i = 1; i <= n; ++i) {
      const int k = zeilenfolge[i];
      for (int c = 1; c <= n; ++c) arbeitsmatrix[i][c] = matrix[k][c];
      arbeitsmatrix[i][0] = matrix[k][0];
    }
  }

  // A zero (or negligible) pivot does not make a system singular: a row
  // below may still have a usable entry in that column. Its columns left of
  // s are already cleared, so exchanging keeps the elimination valid.
  bool TauschePivotZeile(int s, int n) {
    for (int r = s + 1; r <= n; ++r) {
      if (PivotTraegt(r, s)) {
        std::swap(arbeitsmatrix[s], arbeitsmatrix[r]);
        std::swap(zeilenfolge[s], zeilenfolge[r]);
        return true;
      }
    }
    return false;
  }

  void NormiereZeile(int s, int n) {
    const ZKZahl p = arbeitsmatrix[s][s];
    for (int c = 0; c <= n; ++c) {
      if (!IstNull(arbeitsmatrix[s][c])) arbeitsmatrix[s][c] /= p;
    }
  }

  void EliminiereUnterhalb(int s, int n) {
    for (int r = s + 1; r <= n; ++r) {
      const ZKZahl f = arbeitsmatrix[r][s];
      arbeitsmatrix[r][0] = arbeitsmatrix[r][0] - (arbeitsmatrix[s][0] * f);
      for (int c = s; c <= n; ++c) {
        arbeitsmatrix[r][c] = arbeitsmatrix[r][c] - (arbeitsmatrix[s][c] * f);
      }
    }
  }

  void EliminiereOberhalb(int s, int n) {
    for (int r = s - 1; r >= 1; --r) {
      const ZKZahl f = arbeitsmatrix[r][s];
      arbeitsmatrix[r][0] = arbeitsmatrix[r][0] - (arbeitsmatrix[s][0] * f);
      for (int c = n; c >= 1; --c) {
        arbeitsmatrix[r][c] = arbeitsmatrix[r][c] - (arbeitsmatrix[s][c] * f);
      }
    }
  }

  // The largest coefficient magnitude of every equation; false when any value
  // of the system (right-hand sides included) is not finite.
  bool MissZeilen(int n) {
    for (int r = 1; r <= n; ++r) {
      zeilenMass[r] = 0.0L;
      for (int c = 0; c <= n; ++c) {
        const ZKZahl& z = matrix[r][c];
        if (!z.IstEndlich()) return false;
        if (c > 0 && z.Betrag > zeilenMass[r]) zeilenMass[r] = z.Betrag;
      }
    }
    return true;
  }

  // Whether working row r can serve as pivot in column s. Written as "above"
  // so that a NaN is caught too.
  bool PivotTraegt(int r, int s) const {
    return arbeitsmatrix[r][s].Betrag > kSingulaerSchwelle * zeilenMass[zeilenfolge[r]];
  }
};

GleichungsLoeser::GleichungsLoeser() : d_(std::make_unique<Daten>()) {}

GleichungsLoeser::~GleichungsLoeser() = default;

void GleichungsLoeser::SetzeDimension(int n) {
  d_->dimension = n;
}

void GleichungsLoeser::SetzeAusgabe(int zahlenFormat, Ausgabe ausgabe) {
  d_->zahlenFormat = zahlenFormat;
  d_->ausgabe = std::move(ausgabe);
}

void GleichungsLoeser::UebernehmeMatrix(int n, int m, const ZKMatrix& quelle) {
  d_->dimension = n;
  // Never read or write past either table; missing rows stay zero, which the
  // solve then reports as having no unique solution.
  const int zeilen = std::min({n, kKapazitaet, quelle.Zeilen() - 1});
  const int spalten = std::min({m, kKapazitaet, quelle.Spalten() - 1});
  for (int i = 0; i <= zeilen; ++i) {
    for (int j = 0; j <= spalten; ++j) d_->matrix[i][j] = quelle[i][j];
  }
}

LoeseStatus GleichungsLoeser::Loese() {
  Daten& d = *d_;
  const int n = d.dimension;
  if (n < 0 || n > kKapazitaet) return KeineEindeutigeLoesung;

  // Without an arrangement the working rows would be copies of row 0, which
  // is no equation at all.
  if (!d.SucheAnordnung(n) && !d.SucheAnordnungVollstaendig(n)) return KeineEindeutigeLoesung;

  if (!d.MissZeilen(n)) return KeineEindeutigeLoesung;

  d.OrdneZeilenUm(n);
  for (int s = 1; s <= n; ++s) {
    if (!d.PivotTraegt(s, s) && !d.TauschePivotZeile(s, n)) {
      return KeineEindeutigeLoesung;
    }
    d.NormiereZeile(s, n);
    d.EliminiereUnterhalb(s, n);
  }
  for (int s = n; s >= 1; --s) d.EliminiereOberhalb(s, n);

  for (int r = 1; r <= n; ++r) {
    if (!d.arbeitsmatrix[r][0].IstEndlich()) return KeineEindeutigeLoesung;
  }
  if (d.ausgabe) {
    for (int r = 1; r <= n; ++r) {
      const ZKZahl& x = d.arbeitsmatrix[r][0];
      d.ausgabe(r, ExponentialText(x, d.zahlenFormat), KomponentenText(x, d.zahlenFormat));
    }
  }
  return Geloest;
}

int GleichungsLoeser::Zeilenfolge(int i) const {
  return (i >= 0 && i < kGroesse) ? d_->zeilenfolge[i] : 0;
}

const ZKZahl& GleichungsLoeser::Arbeitswert(int zeile, int spalte) const {
  static const ZKZahl kNull;
  if (zeile < 0 || zeile >= kGroesse || spalte < 0 || spalte >= kGroesse) return kNull;
  return d_->arbeitsmatrix[zeile][spalte];
}

int GleichungsLoeser::Dimension() const {
  return d_->dimension;
}
