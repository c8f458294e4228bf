// SPDX-License-Identifier: GPL-3.0-or-later
#include "GleichungsLoeser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "solver/Rechenweg.h"

namespace {

// Indices 0..100 in every table; index 0 is present but belongs to no equation.
constexpr int kGroesse = GleichungsLoeser::kKapazitaet + 1;

// Pivots are compared on the system scaled by powers of two so that every
// equation's and then every unknown's largest coefficient magnitude lies in
// [1, 2). Powers of two scale every ZKZahl operation exactly, so the scaled
// and the typed system take the same path: scaling an equation (or, as long
// as its largest entries stay where they are, an unknown) by a power of two
// never changes a choice.
//
// An entry counts as zero when it is exactly zero or what is left after
// cancellation: at most this fraction of the largest of the values that made
// it (its typed coefficient and every product subtracted from it). The
// elimination works in 80-bit long double (about 1e-19 relative), so the
// residue a singular system leaves lies near 1e-18 of those values (1 2 3 /
// 4 5 6 / 7 8 9); a genuine entry cancelled this far means a condition
// number of at least 1e13, which the error bound could not pass anyway. A
// typed coefficient or a product is never a residue however small it is:
// units make entries small, cancellation makes them meaningless. The
// measure is a ratio, so no scaling of an equation or an unknown moves it.
constexpr long double kSingulaerSchwelle = 1e-13L;

// The pivot the arrangement offers is kept unless its scaled magnitude is
// below this fraction of the largest scaled candidate in its column; then
// the row holding that largest candidate takes its place. Small enough that
// the example generator's systems (coefficients 11..99) practically never
// meet it and keep their digits; large enough that one step can lose at most
// six of the nineteen digits the elimination carries, and the error bound
// catches any system where steps like that pile up.
constexpr long double kTauschFaktor = 1e-6L;

// Results are shown with 10 significant digits. An unknown is written only
// when the bound on its error is at most this fraction of its magnitude: an
// order of magnitude to spare for the bound's own rounding, so the shown
// digits are off by at most one unit in the last place.
constexpr long double kFehlerGrenze = 1e-11L;

// An unknown that lies within its error bound of zero, the bound being at
// most this fraction of the terms that cancel in it, is shown as zero: the
// doubles the cells are read into carry the typed decimals only to 1e-16,
// so such an unknown is zero as far as the typed system can say. The
// measure is a ratio, so no scaling of an equation or an unknown moves it.
constexpr long double kNullGrenze = 1e-15L;

// What one ZKZahl operation may be off by, relative to the magnitudes it
// combines: 80-bit rounding (5e-20) and the conversions between the polar
// and the cartesian form, with room to spare.
constexpr long double kRundung = 1e-18L;

// Plain complex arithmetic in long double for the error bound and the
// refinement; the elimination itself uses the ZKZahl operators only.
struct Komplex {
  long double re = 0.0L;
  long double im = 0.0L;
};

Komplex AlsKomplex(const ZKZahl& z) {
  return {z.Realteil, z.Imaginaerteil};
}

Komplex MalMinus(Komplex a, Komplex b, Komplex c) {  // a - b * c
  return {a.re - (b.re * c.re - b.im * c.im), a.im - (b.re * c.im + b.im * c.re)};
}

Komplex Durch(Komplex a, Komplex b) {
  const long double n = b.re * b.re + b.im * b.im;
  return {(a.re * b.re + a.im * b.im) / n, (a.im * b.re - a.re * b.im) / n};
}

// |re| + |im|: at least the magnitude, at most 1.42 times it.
long double Betrag1(Komplex a) {
  return std::fabs(a.re) + std::fabs(a.im);
}

// The power of two that brings a positive magnitude into [1, 2); 1 for zero.
long double Zweierfaktor(long double groesste) {
  if (!(groesste > 0.0L)) return 1.0L;
  int exponent = 0;
  std::frexp(groesste, &exponent);
  return std::ldexp(1.0L, 1 - exponent);
}

// Error-free transformations (Dekker, Knuth): the exact sum and product of
// two long doubles as a rounded value plus its rounding error.
void ZweiSumme(long double a, long double b, long double& s, long double& fehler) {
  s = a + b;
  const long double z = s - a;
  fehler = (a - (s - z)) + (b - z);
}

void ZweiProdukt(long double a, long double b, long double& p, long double& fehler) {
  constexpr long double kTeiler = 4294967297.0L;  // 2^32 + 1 splits a 64-bit mantissa
  const long double ta = kTeiler * a, tb = kTeiler * b;
  const long double ah = ta - (ta - a), al = a - ah;
  const long double bh = tb - (tb - b), bl = b - bh;
  p = a * b;
  fehler = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
}

// A sum of long doubles and products kept with its rounding errors, so that
// a residual that nearly cancels is still right to almost all its digits.
class GenaueSumme {
 public:
  void Plus(long double a) { Addiere(a, 0.0L); }
  void PlusProdukt(long double a, long double b) {
    long double p = 0.0L, fehler = 0.0L;
    ZweiProdukt(a, b, p, fehler);
    Addiere(p, fehler);
  }
  long double Wert() const { return summe_ + fehler_; }

 private:
  void Addiere(long double wert, long double wertFehler) {
    long double s = 0.0L, fehler = 0.0L;
    ZweiSumme(summe_, wert, s, fehler);
    summe_ = s;
    fehler_ += fehler + wertFehler;
  }
  long double summe_ = 0.0L;
  long double fehler_ = 0.0L;
};

}  // namespace

struct GleichungsLoeser::Daten {
  // Rows 0..100 of both tables, but only as many as a solve has reached so
  // far: a new solver allocates none, and a small system does not pay for
  // clearing the full capacity. Rows never given stay zero.
  using Zeile = std::array<ZKZahl, kGroesse>;
  std::vector<Zeile> matrix;
  std::vector<Zeile> arbeitsmatrix;
  // Working entries a subtraction left without their polar form: most of
  // them are only ever subtracted from again, and deriving the magnitude
  // and angle (an arctangent each) for those would be wasted. MitPolar
  // derives it, with the very function the subtraction would have called,
  // before anything reads it.
  std::vector<std::array<bool, kGroesse>> ohnePolar;

  void Zeilen(int zeilen) {
    const auto anzahl = static_cast<std::size_t>(zeilen) + 1;
    if (matrix.size() < anzahl) matrix.resize(anzahl);
    if (arbeitsmatrix.size() < anzahl) {
      arbeitsmatrix.resize(anzahl);
      ohnePolar.resize(anzahl);
    }
  }
  std::array<int, kGroesse> zeilenfolge{};
  // The search's arrangement, kept for a second elimination.
  std::array<int, kGroesse> anordnung{};
  int dimension = kKapazitaet;
  std::array<bool, kGroesse> spalteBelegt{};
  std::array<bool, kGroesse> zeileVergeben{};

  std::vector<ZKZahl> loesung;

  // Fallback matching: the row each position holds and the position each row
  // stands at (0: none), plus the DFS marks of one augmenting-path search.
  std::array<int, kGroesse> zeileAnPosition{};
  std::array<bool, kGroesse> besucht{};
  // The largest magnitude that went into each working entry (see
  // kSingulaerSchwelle), by working position like `arbeitsmatrix`.
  std::vector<long double> wucht;
  long double& Wucht(int zeile, int spalte) {
    return wucht[static_cast<std::size_t>(zeile) * kGroesse + static_cast<std::size_t>(spalte)];
  }
  // Power-of-two scale of each equation of `matrix` and of each unknown.
  std::array<long double, kGroesse> zeilenFaktor{};
  std::array<long double, kGroesse> spaltenFaktor{};
  // Row exchanges, residues set to zero and refinements in the last solve:
  // the steps where it left the plain elimination in the arrangement's order.
  int eingriffe = 0;
  // The factors of the elimination, by working position: row s holds the
  // pivot at (s, s), the normalised pivot row right of it and, left of the
  // diagonal, the multipliers its row was cleared with. Working row s is
  // then the sum of faktoren[s][j] times normalised row j over j <= s.
  std::vector<Komplex> faktoren;
  Komplex& Faktor(int zeile, int spalte) {
    return faktoren[static_cast<std::size_t>(zeile) * kGroesse + static_cast<std::size_t>(spalte)];
  }

  // The record being filled (null: none) and the steps of the current
  // elimination, kept apart until it is known whether its result stands.
  Rechenweg* weg = nullptr;
  std::vector<RechenSchritt> versuch;
  Abbruchgrund grund = Abbruchgrund::Keiner;

  RechenSchritt& Notiere(RechenSchritt::Art art, int zeile = 0, int mit = 0) {
    versuch.emplace_back();
    versuch.back().art = art;
    versuch.back().zeile = zeile;
    versuch.back().mit = mit;
    return versuch.back();
  }
  // The working matrix now, after column s (nachOperation: after a single
  // operation, recorded for small systems only).
  void NotiereStand(int s, int n, bool nachOperation) {
    if (nachOperation && n > 4) return;
    RechenSchritt& schritt = Notiere(RechenSchritt::Art::Stand, 0, s);
    schritt.nachOperation = nachOperation;
    schritt.matrix.reserve(static_cast<std::size_t>(n) * static_cast<std::size_t>(n + 1));
    for (int r = 1; r <= n; ++r) {
      for (int c = 0; c <= n; ++c) schritt.matrix.push_back(MitPolar(r, c));
    }
  }
  void NotiereLoesung(RechenSchritt::Art art, int n) {
    RechenSchritt& schritt = Notiere(art);
    schritt.werte.resize(static_cast<std::size_t>(n) + 1);
    for (int r = 1; r <= n; ++r) schritt.werte[static_cast<std::size_t>(r)] = arbeitsmatrix[r][0];
  }

  static bool IstNull(const ZKZahl& z) { return !(z != ZKZahl()); }

  ZKZahl& MitPolar(int zeile, int spalte) {
    ZKZahl& z = arbeitsmatrix[zeile][spalte];
    if (ohnePolar[zeile][spalte]) {
      z.SetzeKartesisch(z.Realteil, z.Imaginaerteil);
      ohnePolar[zeile][spalte] = false;
    }
    return z;
  }
  void ZeileMitPolar(int zeile, int n) {
    for (int c = 0; c <= n; ++c) MitPolar(zeile, c);
  }

  // arbeitsmatrix[zeile][spalte] - produkt in the cartesian parts, as the
  // ZKZahl operator computes them; an exact zero is cleared right away as
  // the operator clears it (no signed zeros left behind), anything else
  // waits for MitPolar.
  void Abziehen(int zeile, int spalte, const ZKZahl& produkt) {
    ZKZahl& z = arbeitsmatrix[zeile][spalte];
    z.Realteil -= produkt.Realteil;
    z.Imaginaerteil -= produkt.Imaginaerteil;
    if (z.Realteil == 0.0L && z.Imaginaerteil == 0.0L) {
      z.Loeschen();
      ohnePolar[zeile][spalte] = false;
    } else {
      ohnePolar[zeile][spalte] = true;
    }
  }
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
      for (int c = 1; c <= n; ++c) Wucht(i, c) = matrix[k][c].Betrag;
      ohnePolar[i].fill(false);
    }
  }

  void NormiereZeile(int s, int n) {
    ZeileMitPolar(s, n);
    const ZKZahl p = arbeitsmatrix[s][s];
    if (weg) Notiere(RechenSchritt::Art::Normierung, s).wert = p;
    for (int c = 0; c <= n; ++c) {
      if (!IstNull(arbeitsmatrix[s][c])) arbeitsmatrix[s][c] /= p;
    }
  }

  void EliminiereUnterhalb(int s, int n) {
    for (int r = s + 1; r <= n; ++r) {
      const ZKZahl f = MitPolar(r, s);
      if (weg) Notiere(RechenSchritt::Art::Elimination, r, s).wert = f;
      Abziehen(r, 0, arbeitsmatrix[s][0] * f);
      for (int c = s; c <= n; ++c) {
        const ZKZahl produkt = arbeitsmatrix[s][c] * f;
        Abziehen(r, c, produkt);
        Wucht(r, c) = std::max(Wucht(r, c), produkt.Betrag);
      }
      if (weg) NotiereStand(s, n, true);
    }
  }

  void EliminiereOberhalb(int s, int n) {
    ZeileMitPolar(s, n);
    for (int r = s - 1; r >= 1; --r) {
      const ZKZahl f = MitPolar(r, s);
      if (weg) {
        RechenSchritt& schritt = Notiere(RechenSchritt::Art::Elimination, r, s);
        schritt.wert = f;
        schritt.oberhalb = true;
      }
      Abziehen(r, 0, arbeitsmatrix[s][0] * f);
      for (int c = n; c >= 1; --c) Abziehen(r, c, arbeitsmatrix[s][c] * f);
      if (weg && s > 1) NotiereStand(s, n, true);
    }
  }

  // Scales every equation (coefficients only: the right-hand side has no
  // part in whether the system is singular) and then every unknown by a
  // power of two; false when any value of the system is not finite.
  bool SkaliereGleichungen(int n) {
    for (int r = 1; r <= n; ++r) {
      long double groesste = 0.0L;
      for (int c = 0; c <= n; ++c) {
        const ZKZahl& z = matrix[r][c];
        if (!z.IstEndlich()) return false;
        if (c > 0) groesste = std::max(groesste, z.Betrag);
      }
      zeilenFaktor[r] = Zweierfaktor(groesste);
    }
    for (int c = 1; c <= n; ++c) {
      long double groesste = 0.0L;
      for (int r = 1; r <= n; ++r) {
        groesste = std::max(groesste, matrix[r][c].Betrag * zeilenFaktor[r]);
      }
      spaltenFaktor[c] = Zweierfaktor(groesste);
    }
    return true;
  }

  // Working row r's entry in column s as the scaled system has it.
  long double Skaliert(int r, int s) {
    return MitPolar(r, s).Betrag * zeilenFaktor[zeilenfolge[r]] * spaltenFaktor[s];
  }

  // Whether working row r's entry in column s counts as zero (see
  // kSingulaerSchwelle). Written as "not above" so that a NaN counts too.
  bool IstRest(int r, int s) { return !(MitPolar(r, s).Betrag > kSingulaerSchwelle * Wucht(r, s)); }

  // Exchanges working rows s and r, with their arrangement entries and the
  // multipliers already recorded for them.
  void TauscheZeilen(int s, int r, int n) {
    std::swap(arbeitsmatrix[s], arbeitsmatrix[r]);
    std::swap(ohnePolar[s], ohnePolar[r]);
    std::swap(zeilenfolge[s], zeilenfolge[r]);
    for (int c = 1; c <= n; ++c) std::swap(Wucht(s, c), Wucht(r, c));
    for (int j = 1; j < s; ++j) std::swap(Faktor(s, j), Faktor(r, j));
    ++eingriffe;
    if (weg) Notiere(RechenSchritt::Art::Tausch, s, r);
  }

  // Threshold partial pivoting in column s. Keeps the arrangement's pivot
  // unless it counts as zero or is below tauschFaktor of the largest scaled
  // candidate in rows s..n (the first of equal ones), which then takes its
  // place. False when every candidate counts as zero: the system is singular.
  bool WaehlePivot(int s, int n, long double tauschFaktor) {
    int beste = 0;
    long double groesste = 0.0L;
    for (int r = s; r <= n; ++r) {
      if (IstRest(r, s)) continue;
      const long double kandidat = Skaliert(r, s);
      if (beste == 0 || kandidat > groesste) {
        groesste = kandidat;
        beste = r;
      }
    }
    if (beste == 0) {
      grund = Abbruchgrund::KeinPivot;
      if (weg) NotiereStand(s - 1, n, false);
      return false;
    }
    if (IstRest(s, s) || !(Skaliert(s, s) >= tauschFaktor * groesste)) TauscheZeilen(s, beste, n);
    return true;
  }

  // Sets the entries below pivot s that count as zero without being zero to
  // zero, so that rounding residue is not multiplied into their rows: a
  // singular system then ends with a residue as its last pivot, not with
  // residue grown by division through a small pivot.
  void LoescheReste(int s, int n) {
    for (int r = s + 1; r <= n; ++r) {
      if (IstRest(r, s) && !IstNull(arbeitsmatrix[r][s])) {
        arbeitsmatrix[r][s] = ZKZahl();
        ++eingriffe;
        if (weg) Notiere(RechenSchritt::Art::Rest, r, s);
      }
    }
  }

  // Keeps step s's factors: the pivot as it was before normalising, the
  // normalised pivot row, and the multipliers of the rows below, which
  // EliminiereUnterhalb reads before it changes them.
  void MerkeFaktoren(int s, int n, const ZKZahl& pivot) {
    Faktor(s, s) = AlsKomplex(pivot);
    for (int c = s + 1; c <= n; ++c) Faktor(s, c) = AlsKomplex(arbeitsmatrix[s][c]);
    for (int r = s + 1; r <= n; ++r) Faktor(r, s) = AlsKomplex(arbeitsmatrix[r][s]);
  }

  // The residual of every equation for the solution in column 0 of the
  // working matrix, with products and sums kept exact to twice the working
  // precision, so its own rounding is negligible beside what it measures.
  std::vector<Komplex> Residuum(int n) const {
    std::vector<Komplex> residuum(static_cast<std::size_t>(n) + 1);
    for (int k = 1; k <= n; ++k) {
      GenaueSumme re, im;
      re.Plus(matrix[k][0].Realteil);
      im.Plus(matrix[k][0].Imaginaerteil);
      for (int c = 1; c <= n; ++c) {
        const ZKZahl& a = matrix[k][c];
        const ZKZahl& x = arbeitsmatrix[c][0];
        re.PlusProdukt(-a.Realteil, x.Realteil);
        re.PlusProdukt(a.Imaginaerteil, x.Imaginaerteil);
        im.PlusProdukt(-a.Realteil, x.Imaginaerteil);
        im.PlusProdukt(-a.Imaginaerteil, x.Realteil);
      }
      residuum[static_cast<std::size_t>(k)] = {re.Wert(), im.Wert()};
    }
    return residuum;
  }

  // Solves the system for other right-hand sides (rechts[k] for equation
  // k) with the kept factors; z[i] is unknown i. Sizes n + 1.
  void LoeseMitFaktoren(const std::vector<Komplex>& rechts, int n, std::vector<Komplex>& z) {
    for (int i = 1; i <= n; ++i) {
      Komplex w = rechts[static_cast<std::size_t>(zeilenfolge[i])];
      for (int j = 1; j < i; ++j) w = MalMinus(w, Faktor(i, j), z[static_cast<std::size_t>(j)]);
      z[static_cast<std::size_t>(i)] = Durch(w, Faktor(i, i));
    }
    for (int i = n - 1; i >= 1; --i) {
      Komplex w = z[static_cast<std::size_t>(i)];
      for (int c = i + 1; c <= n; ++c)
        w = MalMinus(w, Faktor(i, c), z[static_cast<std::size_t>(c)]);
      z[static_cast<std::size_t>(i)] = w;
    }
  }

  // One step of iterative refinement: the solution's error, solved from its
  // residual, is added to it. With the residual exact to twice the working
  // precision, this leaves small unknowns right to nearly all their digits
  // where the elimination left them only right against the largest one.
  void VerbessereLoesung(int n) {
    std::vector<Komplex> korrektur(static_cast<std::size_t>(n) + 1);
    LoeseMitFaktoren(Residuum(n), n, korrektur);
    for (int i = 1; i <= n; ++i) {
      ZKZahl d;
      d.SetzeKartesisch(korrektur[static_cast<std::size_t>(i)].re,
                        korrektur[static_cast<std::size_t>(i)].im);
      arbeitsmatrix[i][0] += d;
    }
    if (weg) {
      RechenSchritt& schritt = Notiere(RechenSchritt::Art::Verfeinerung);
      schritt.werte.resize(static_cast<std::size_t>(n) + 1);
      for (int i = 1; i <= n; ++i) {
        schritt.werte[static_cast<std::size_t>(i)].SetzeKartesisch(
            korrektur[static_cast<std::size_t>(i)].re, korrektur[static_cast<std::size_t>(i)].im);
      }
    }
  }

  // The error of unknown i is (inverse times residual)_i; bounded by
  // |inverse| times |residual| taken entry by entry, that bound holds for
  // every unknown on its own, small ones included. Fills schranke[1..n],
  // gewicht[1..n] = (|inverse| (|b| + |A| |x|))_i, the size of the terms
  // that cancel in unknown i, and two n x n products (row-major, from index 0): |inverse| |A|, and
  // |inverse| times the magnitudes the elimination combined in each entry.
  void Fehlerschranken(int n, std::vector<long double>& schranke, std::vector<long double>& gewicht,
                       std::vector<long double>& betragsprodukt,
                       std::vector<long double>& wuchtprodukt) {
    const std::vector<Komplex> residuum = Residuum(n);
    const auto un = static_cast<std::size_t>(n);
    schranke.assign(un + 1, 0.0L);
    gewicht.assign(un + 1, 0.0L);
    // |b| + |A| |x| by equation: the sizes of the terms of each equation.
    std::vector<long double> terme(un + 1, 0.0L);
    for (int k = 1; k <= n; ++k) {
      long double summe = matrix[k][0].Betrag;
      for (int j = 1; j <= n; ++j) summe += matrix[k][j].Betrag * arbeitsmatrix[j][0].Betrag;
      terme[static_cast<std::size_t>(k)] = summe;
    }
    betragsprodukt.assign(un * un, 0.0L);
    wuchtprodukt.assign(un * un, 0.0L);
    std::vector<int> position(un + 1, 0);
    for (int i = 1; i <= n; ++i) position[static_cast<std::size_t>(zeilenfolge[i])] = i;
    std::vector<Komplex> z(un + 1);
    std::vector<Komplex> einheit(un + 1);
    // |inverse| by column: entry (i, k) at (k - 1) * n + i - 1.
    std::vector<long double> inverse(un * un);
    for (int k = 1; k <= n; ++k) {
      const auto uk = static_cast<std::size_t>(k);
      einheit[uk] = {1.0L, 0.0L};
      LoeseMitFaktoren(einheit, n, z);
      einheit[uk] = {};
      const long double rk = Betrag1(residuum[uk]);
      for (int i = 1; i <= n; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        const long double zik = Betrag1(z[ui]);
        inverse[(uk - 1) * un + ui - 1] = zik;
        schranke[ui] += zik * rk;
        gewicht[ui] += zik * terme[uk];
      }
    }
    // Each entry of the products summed over k in ascending order, as a
    // register sum rather than through memory; the digits are the same.
    for (int i = 1; i <= n; ++i) {
      for (int j = 1; j <= n; ++j) {
        long double summe = 0.0L, wuchtsumme = 0.0L;
        for (int k = 1; k <= n; ++k) {
          const long double zik =
              inverse[static_cast<std::size_t>(k - 1) * un + static_cast<std::size_t>(i - 1)];
          summe += zik * matrix[k][j].Betrag;
          wuchtsumme += zik * Wucht(position[static_cast<std::size_t>(k)], j);
        }
        const std::size_t ij =
            static_cast<std::size_t>(i - 1) * un + static_cast<std::size_t>(j - 1);
        betragsprodukt[ij] = summe;
        wuchtprodukt[ij] = wuchtsumme;
      }
    }
  }

  // The largest eigenvalue of a non-negative n x n matrix, by power
  // iteration: enough to tell its order of magnitude. NaN stays NaN.
  static long double Spektralradius(const std::vector<long double>& m, int n) {
    const auto un = static_cast<std::size_t>(n);
    std::vector<long double> v(un, 1.0L), w(un);
    long double radius = 0.0L;
    for (int schritt = 0; schritt < 30; ++schritt) {
      radius = 0.0L;
      for (std::size_t i = 0; i < un; ++i) {
        long double summe = 0.0L;
        for (std::size_t j = 0; j < un; ++j) summe += m[i * un + j] * v[j];
        w[i] = summe;
        radius = (summe > radius || summe != summe) ? summe : radius;
      }
      if (!(radius > 0.0L) || !std::isfinite(radius)) return radius;
      for (std::size_t i = 0; i < un; ++i) v[i] = w[i] / radius;
    }
    return radius;
  }

  // Whether x's shown digits are certain with an error of at most schranke,
  // measured against x's magnitude: the exponential form shows it, and the
  // component form's larger part. (A part below 1e-10 of the magnitude,
  // which the component form still writes with ten digits, is not covered:
  // no bound from the residual resolves it, and a zero part computed as
  // rounding residue would otherwise refuse countless sound systems.)
  static bool Genau(const ZKZahl& x, long double schranke) {
    return schranke <= kFehlerGrenze * x.Betrag;
  }

  // The checks before anything is shown. A system is singular when a
  // relative change of its coefficients of about kSingulaerSchwelle can make
  // it so: the spectral radius of |inverse| |A| measures the inverse of that
  // distance, whatever the units of equations and unknowns (a singular
  // system whose rounding residue slipped past the pivot test, having been
  // multiplied up by a small pivot, shows here). That verdict and the error
  // bounds rest on the inverse of the factors; they hold for the system only
  // when the elimination's own rounding (kRundung of the magnitudes it
  // combined) stays far below that distance, else this order of pivots
  // cannot tell. Then every unknown's error bound must be within
  // kFehlerGrenze of its magnitude (an unknown that is exactly zero needs a
  // bound of zero).
  LoeseStatus PruefeGenauigkeit(int n, const std::vector<bool>& nullErlaubt) {
    std::vector<long double> schranke, gewicht, betragsprodukt, wuchtprodukt;
    Fehlerschranken(n, schranke, gewicht, betragsprodukt, wuchtprodukt);
    const LoeseStatus status =
        PruefeSchranken(n, nullErlaubt, schranke, gewicht, betragsprodukt, wuchtprodukt);
    if (weg) {
      RechenSchritt& schritt = Notiere(RechenSchritt::Art::Pruefung);
      schritt.bestanden = status == Geloest;
      schritt.grund = status == Geloest ? Abbruchgrund::Keiner : grund;
      for (int i = 1; i <= n; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        const long double b = arbeitsmatrix[i][0].Betrag;
        const long double relativ = b > 0.0L ? schranke[ui] / b : schranke[ui];
        schritt.fehler = std::max(schritt.fehler, relativ);
      }
    }
    return status;
  }

  LoeseStatus PruefeSchranken(int n, const std::vector<bool>& nullErlaubt,
                              const std::vector<long double>& schranke,
                              const std::vector<long double>& gewicht,
                              const std::vector<long double>& betragsprodukt,
                              const std::vector<long double>& wuchtprodukt) {
    if (!(Spektralradius(wuchtprodukt, n) * kRundung < 1e-3L)) {
      grund = Abbruchgrund::Ungenau;
      return SchlechtKonditioniert;
    }
    if (!(Spektralradius(betragsprodukt, n) < 1.0L / kSingulaerSchwelle)) {
      grund = Abbruchgrund::Singulaer;
      return KeineEindeutigeLoesung;
    }
    std::vector<int> nullen;
    for (int i = 1; i <= n; ++i) {
      const auto ui = static_cast<std::size_t>(i);
      if (Genau(arbeitsmatrix[i][0], schranke[ui])) continue;
      if (nullErlaubt[ui] && arbeitsmatrix[i][0].Betrag <= schranke[ui] &&
          schranke[ui] <= kNullGrenze * gewicht[ui]) {
        nullen.push_back(i);
        continue;
      }
      grund = Abbruchgrund::Ungenau;
      return SchlechtKonditioniert;
    }
    for (const int i : nullen) {
      arbeitsmatrix[i][0] = ZKZahl();
      if (weg) Notiere(RechenSchritt::Art::NullGesetzt, i);
    }
    eingriffe += static_cast<int>(nullen.size());
    return Geloest;
  }

  // One elimination from the arrangement found by the search, with pivots
  // exchanged where they are below tauschFaktor of their column, then the
  // checks. The solution is left in column 0 of the working matrix.
  LoeseStatus LoeseInAnordnung(int n, long double tauschFaktor) {
    versuch.clear();
    zeilenfolge = anordnung;
    wucht.assign(static_cast<std::size_t>(n + 1) * kGroesse, 0.0L);
    faktoren.assign(static_cast<std::size_t>(n + 1) * kGroesse, Komplex{});
    OrdneZeilenUm(n);
    for (int s = 1; s <= n; ++s) {
      if (!WaehlePivot(s, n, tauschFaktor)) return KeineEindeutigeLoesung;
      const ZKZahl pivot = arbeitsmatrix[s][s];
      NormiereZeile(s, n);
      if (weg) NotiereStand(s, n, true);
      LoescheReste(s, n);
      MerkeFaktoren(s, n, pivot);
      EliminiereUnterhalb(s, n);
      if (weg) NotiereStand(s, n, false);
    }
    for (int s = n; s >= 1; --s) {
      EliminiereOberhalb(s, n);
      if (weg && s > 1) NotiereStand(s, n, false);
    }
    for (int r = 1; r <= n; ++r) MitPolar(r, 0);

    if (!LoesungEndlich(n)) return KeineEindeutigeLoesung;
    std::vector<bool> nullErlaubt(static_cast<std::size_t>(n) + 1, false);
    if (PruefeGenauigkeit(n, nullErlaubt) == Geloest) return Geloest;
    // Only a result that would not be shown is refined, so every system
    // shown before keeps its digits. An unknown the elimination left exactly
    // zero may be shown as zero afterwards (see PruefeGenauigkeit).
    for (int i = 1; i <= n; ++i)
      nullErlaubt[static_cast<std::size_t>(i)] = IstNull(arbeitsmatrix[i][0]);
    VerbessereLoesung(n);
    ++eingriffe;
    if (!LoesungEndlich(n)) return KeineEindeutigeLoesung;
    return PruefeGenauigkeit(n, nullErlaubt);
  }

  bool LoesungEndlich(int n) {
    for (int r = 1; r <= n; ++r) {
      if (!arbeitsmatrix[r][0].IstEndlich()) {
        grund = Abbruchgrund::ErgebnisNichtEndlich;
        return false;
      }
    }
    return true;
  }
};

GleichungsLoeser::GleichungsLoeser() : d_(std::make_unique<Daten>()) {}

GleichungsLoeser::~GleichungsLoeser() = default;

void GleichungsLoeser::SetzeDimension(int n) {
  d_->dimension = n;
}

void GleichungsLoeser::UebernehmeMatrix(int n, int m, const ZKMatrix& quelle) {
  d_->dimension = n;
  // Never read or write past either table; missing rows stay zero, which the
  // solve then reports as having no unique solution.
  const int zeilen = std::min({n, kKapazitaet, quelle.Zeilen() - 1});
  const int spalten = std::min({m, kKapazitaet, quelle.Spalten() - 1});
  if (zeilen >= 0) d_->Zeilen(zeilen);
  for (int i = 0; i <= zeilen; ++i) {
    for (int j = 0; j <= spalten; ++j) d_->matrix[i][j] = quelle[i][j];
  }
}

LoeseStatus GleichungsLoeser::Loese() {
  Daten& d = *d_;
  const int n = d.dimension;
  d.eingriffe = 0;
  d.grund = Abbruchgrund::Keiner;
  d.versuch.clear();
  d.loesung.clear();
  if (d.weg) d.weg->Leeren();
  const LoeseStatus status = LoeseUndNotiere();
  if (d.weg) {
    d.weg->geloest = status == Geloest;
    if (status != Geloest) d.Notiere(RechenSchritt::Art::Abbruch).grund = d.grund;
    d.weg->schritte.insert(d.weg->schritte.end(), std::make_move_iterator(d.versuch.begin()),
                           std::make_move_iterator(d.versuch.end()));
    d.versuch.clear();
  }
  if (status != Geloest) return status;
  for (int r = 1; r <= n; ++r) d.loesung.push_back(d.arbeitsmatrix[r][0]);
  return Geloest;
}

const std::vector<ZKZahl>& GleichungsLoeser::Loesung() const {
  return d_->loesung;
}

// The solve itself. With a record, the steps before the elimination go
// straight into it; each elimination's steps collect in `versuch`, and only
// those of the elimination whose result (or verdict) stands are kept.
LoeseStatus GleichungsLoeser::LoeseUndNotiere() {
  Daten& d = *d_;
  const int n = d.dimension;
  if (n < 0 || n > kKapazitaet) {
    d.grund = Abbruchgrund::Dimension;
    return KeineEindeutigeLoesung;
  }
  d.Zeilen(n);
  if (d.weg) {
    d.weg->n = n;
    RechenSchritt gleichungen;
    gleichungen.art = RechenSchritt::Art::Gleichungen;
    for (int r = 1; r <= n; ++r) {
      for (int c = 0; c <= n; ++c) gleichungen.matrix.push_back(d.matrix[r][c]);
    }
    d.weg->schritte.push_back(std::move(gleichungen));
  }

  // Without an arrangement the working rows would be copies of row 0, which
  // is no equation at all.
  if (!d.SucheAnordnung(n) && !d.SucheAnordnungVollstaendig(n)) {
    d.grund = Abbruchgrund::KeineAnordnung;
    return KeineEindeutigeLoesung;
  }
  if (!d.SkaliereGleichungen(n)) {
    d.grund = Abbruchgrund::NichtEndlich;
    return KeineEindeutigeLoesung;
  }
  d.anordnung = d.zeilenfolge;
  if (d.weg) {
    RechenSchritt anordnung;
    anordnung.art = RechenSchritt::Art::Anordnung;
    anordnung.folge.assign(d.anordnung.begin(), d.anordnung.begin() + n + 1);
    d.weg->schritte.push_back(std::move(anordnung));
  }

  LoeseStatus status = d.LoeseInAnordnung(n, kTauschFaktor);
  // The error bound, not the pivot order, decides what is shown, so a
  // system that fails it gets the other orders too: the largest pivot of
  // every column (the usual safe choice, whose verdict stands when all
  // fail), then the arrangement's own pivots wherever they are not zero
  // (for a small coefficient that is the only way to an unknown).
  if (status != Geloest) {
    const Abbruchgrund ersterGrund = d.grund;
    status = d.LoeseInAnordnung(n, 1.0L);
    std::vector<RechenSchritt> zweiter = std::move(d.versuch);
    const Abbruchgrund zweiterGrund = d.grund;
    int versuch = 2;
    if (status != Geloest && d.LoeseInAnordnung(n, 0.0L) == Geloest) {
      status = Geloest;
      versuch = 3;
    } else {
      d.versuch = std::move(zweiter);
      d.grund = zweiterGrund;
    }
    if (d.weg) {
      RechenSchritt wiederholung;
      wiederholung.art = RechenSchritt::Art::Wiederholung;
      wiederholung.versuch = versuch;
      wiederholung.grund = ersterGrund;
      d.weg->schritte.push_back(std::move(wiederholung));
    }
  }
  if (status == Geloest && d.weg) d.NotiereLoesung(RechenSchritt::Art::Loesung, n);
  return status;
}

void GleichungsLoeser::SetzeRechenweg(Rechenweg* weg) {
  d_->weg = weg;
}

int GleichungsLoeser::Zeilenfolge(int i) const {
  return (i >= 0 && i < kGroesse) ? d_->zeilenfolge[i] : 0;
}

const ZKZahl& GleichungsLoeser::Arbeitswert(int zeile, int spalte) const {
  static const ZKZahl kNull;
  if (zeile < 0 || static_cast<std::size_t>(zeile) >= d_->arbeitsmatrix.size() || spalte < 0 ||
      spalte >= kGroesse)
    return kNull;
  return d_->MitPolar(zeile, spalte);
}

int GleichungsLoeser::Dimension() const {
  return d_->dimension;
}

int GleichungsLoeser::Eingriffe() const {
  return d_->eingriffe;
}
