// SPDX-License-Identifier: GPL-3.0-or-later
#include "GleichungsLoeser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "complex/ZKText.h"
#include "solver/GenaueSumme.h"
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

// A solution is trusted at all only when the bound on its error is at most
// this fraction of its largest unknown (the largest unknown sets the scale:
// an unknown that is zero has no magnitude of its own to measure against).
constexpr long double kFehlerGrenze = 1e-11L;

// Results are shown with 10 significant digits. A part (real or imaginary
// part of an unknown) that is not zero is given out only when the bound on
// its error is at most this fraction of its magnitude: its digits are then
// off by at most one unit in the last place, and only next to a rounding
// tie. The refinement aims further, at digits that no value within the
// bound would show differently.
constexpr long double kTeilGrenze = 5e-11L;

// A part below this fraction of its weight (the terms that cancel in it) is
// zero: the doubles the cells are read into carry each typed decimal to
// 2^-53 (1.1e-16) of itself, which moves a part by up to that fraction of
// its weight, so such a part is zero as far as the typed system can say.
// Twice that, for the weight's own approximation; no more, for a part just
// above it is not zero in the typed system either. The measure is a ratio,
// so no scaling of an equation or an unknown moves it.
constexpr long double kNullGrenze = 2.3e-16L;

// Refinement steps at most. Each step multiplies the error by about the
// condition number times 1e-19; from the 1e-11 the first check allows, three
// steps reach the limit of twice the working precision for condition
// numbers up to 1e10.
constexpr int kVerfeinerungen = 3;

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

// The power of two that brings a positive magnitude into [1, 2); 1 for zero.
long double Zweierfaktor(long double groesste) {
  if (!(groesste > 0.0L)) return 1.0L;
  int exponent = 0;
  std::frexp(groesste, &exponent);
  return std::ldexp(1.0L, 1 - exponent);
}

// A value to about twice the working precision: hoch + tief, |tief| at most
// half a unit in the last place of hoch.
struct Doppelt {
  long double hoch = 0.0L;
  long double tief = 0.0L;

  Doppelt& operator+=(long double d) {
    long double s = 0.0L, fehler = 0.0L;
    ZweiSumme(hoch, d, s, fehler);
    ZweiSumme(s, fehler + tief, hoch, tief);
    return *this;
  }
};

// The real and imaginary part of one unknown during the refinement.
struct Teile {
  Doppelt re, im;
};

// One equation's residual and, by part, the sum of the magnitudes of its
// terms.
struct Rest {
  Komplex wert;
  Komplex terme;
};

}  // namespace

// Decided by arithmetic where x lies clearly inside a rounding interval, by
// the text itself near an edge.
bool ZiffernSicher(long double x, long double schranke) {
  const long double a = std::fabs(x);
  if (!(schranke < a)) return false;  // reaches zero (or is no number)
  if (schranke == 0.0L) return true;
  // a scaled into [1e9, 1e10): one unit is then the last shown digit. The
  // decimal exponent is estimated from the binary one (off by one at most,
  // mended below); powers of ten up to 10^27 are exact in long double.
  static constexpr auto kZehnHoch = [] {
    std::array<long double, 28> p{};
    p[0] = 1.0L;
    for (std::size_t k = 1; k < p.size(); ++k) p[k] = p[k - 1] * 10.0L;
    return p;
  }();
  int zweier = 0;
  std::frexp(a, &zweier);
  const int e = static_cast<int>(std::floor((zweier - 1) * 0.30102999566398120L));
  const int k = 9 - e;
  long double y = std::numeric_limits<long double>::infinity(), bs = y;
  if (k >= 0 && k < static_cast<int>(kZehnHoch.size())) {
    y = a * kZehnHoch[static_cast<std::size_t>(k)];
    bs = schranke * kZehnHoch[static_cast<std::size_t>(k)];
  } else if (k < 0 && -k < static_cast<int>(kZehnHoch.size())) {
    y = a / kZehnHoch[static_cast<std::size_t>(-k)];
    bs = schranke / kZehnHoch[static_cast<std::size_t>(-k)];
  }
  if (y >= 1e10L) {
    y /= 10;
    bs /= 10;
  } else if (y < 1e9L) {
    y *= 10;
    bs *= 10;
  }
  // The scaling is off by a few units of 1e-19 of y, far below this margin.
  constexpr long double kRand = 1e-6L;
  if (std::isfinite(y) && std::isfinite(bs) && y - bs - kRand >= 1e9L && y + bs + kRand < 1e10L) {
    const long double rest = y - std::floor(y);
    if (bs + kRand < std::fabs(rest - 0.5L)) return true;
  }
  const std::string text = General10(a);
  return General10(a - schranke) == text && General10(a + schranke) == text;
}

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

  // For the record only: working entries that the elimination makes zero
  // (kNullGebaut) or one (kEinsGebaut) by construction. The arithmetic
  // leaves rounding residue there, which the solution never reads; the
  // record shows what the step means.
  static constexpr char kNullGebaut = 1;
  static constexpr char kEinsGebaut = 2;
  std::vector<std::array<char, kGroesse>> gebaut;

  void Zeilen(int zeilen) {
    const auto anzahl = static_cast<std::size_t>(zeilen) + 1;
    if (matrix.size() < anzahl) matrix.resize(anzahl);
    if (arbeitsmatrix.size() < anzahl) {
      arbeitsmatrix.resize(anzahl);
      ohnePolar.resize(anzahl);
      gebaut.resize(anzahl);
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
  // Row exchanges, residues set to zero and parts refined or set to zero in
  // the last solve: the steps where it left the plain elimination in the
  // arrangement's order.
  int eingriffe = 0;
  // The factors of the elimination, by working position: row s holds the
  // pivot at (s, s), the normalised pivot row right of it and, left of the
  // diagonal, the multipliers its row was cleared with. Working row s is
  // then the sum of faktoren[s][j] times normalised row j over j <= s.
  std::vector<Komplex> faktoren;
  Komplex& Faktor(int zeile, int spalte) {
    return faktoren[static_cast<std::size_t>(zeile) * kGroesse + static_cast<std::size_t>(spalte)];
  }
  // The inverse that the factors give, entry (i, k) at (k - 1) * n + i - 1:
  // the magnitudes of its real and imaginary parts.
  std::vector<long double> inverseRe, inverseIm;

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
      for (int c = 0; c <= n; ++c) schritt.matrix.push_back(Gezeigt(r, c));
    }
  }
  // A working entry as the record shows it.
  ZKZahl Gezeigt(int zeile, int spalte) {
    switch (gebaut[zeile][spalte]) {
      case kNullGebaut:
        return ZKZahl();
      case kEinsGebaut: {
        ZKZahl eins;
        eins.SetzeKartesisch(1.0L, 0.0L);
        return eins;
      }
      default:
        return MitPolar(zeile, spalte);
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
      for (int c = 0; c <= n; ++c) Wucht(i, c) = matrix[k][c].Betrag;
      ohnePolar[i].fill(false);
      gebaut[i].fill(0);
    }
  }

  void NormiereZeile(int s, int n) {
    ZeileMitPolar(s, n);
    const ZKZahl p = arbeitsmatrix[s][s];
    if (weg) Notiere(RechenSchritt::Art::Normierung, s).wert = p;
    for (int c = 0; c <= n; ++c) {
      if (!IstNull(arbeitsmatrix[s][c])) arbeitsmatrix[s][c] /= p;
    }
    gebaut[s][s] = kEinsGebaut;
  }

  void EliminiereUnterhalb(int s, int n) {
    for (int r = s + 1; r <= n; ++r) {
      const ZKZahl f = MitPolar(r, s);
      if (weg) Notiere(RechenSchritt::Art::Elimination, r, s).wert = f;
      const ZKZahl rechts = arbeitsmatrix[s][0] * f;
      Abziehen(r, 0, rechts);
      Wucht(r, 0) = std::max(Wucht(r, 0), rechts.Betrag);
      for (int c = s; c <= n; ++c) {
        const ZKZahl produkt = arbeitsmatrix[s][c] * f;
        Abziehen(r, c, produkt);
        Wucht(r, c) = std::max(Wucht(r, c), produkt.Betrag);
      }
      gebaut[r][s] = kNullGebaut;
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
      gebaut[r][s] = kNullGebaut;
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

  // Exchanges working rows s and r with their arrangement entries.
  void TauscheNurZeilen(int s, int r, int n) {
    std::swap(arbeitsmatrix[s], arbeitsmatrix[r]);
    std::swap(ohnePolar[s], ohnePolar[r]);
    std::swap(zeilenfolge[s], zeilenfolge[r]);
    std::swap(gebaut[s], gebaut[r]);
    for (int c = 0; c <= n; ++c) std::swap(Wucht(s, c), Wucht(r, c));
  }

  // Exchanges working rows s and r, with the multipliers already recorded
  // for them, as a step of the elimination.
  void TauscheZeilen(int s, int r, int n, bool rest) {
    TauscheNurZeilen(s, r, n);
    for (int j = 1; j < s; ++j) std::swap(Faktor(s, j), Faktor(r, j));
    ++eingriffe;
    if (weg) Notiere(RechenSchritt::Art::Tausch, s, r).rest = rest;
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
      grund = OhnePivot(s, n);
      return false;
    }
    if (IstRest(s, s)) {
      TauscheZeilen(s, beste, n, true);
    } else if (!(Skaliert(s, s) >= tauschFaktor * groesste)) {
      TauscheZeilen(s, beste, n, false);
    }
    return true;
  }

  // Column s has no pivot left: the system has no unique solution. Which of
  // the two it is, none or infinitely many, the rows without a pivot tell
  // once nothing is left of their coefficients. So the elimination goes on
  // over the later columns, the same way but passing over a column without
  // pivot, and the rows left over read 0 = their right-hand side: all of
  // them 0 = 0 (rounding residue counts as zero, see kSingulaerSchwelle)
  // leaves unknowns free, any other is a contradiction.
  Abbruchgrund OhnePivot(int s, int n) {
    int p = s;  // the next row to take a pivot
    bool geaendert = false;
    auto raeume = [&](int r, int c) {
      if (IstNull(arbeitsmatrix[r][c])) return;
      arbeitsmatrix[r][c] = ZKZahl();
      ohnePolar[r][c] = false;
      geaendert = true;
    };
    for (int c = s; c <= n && p <= n; ++c) {
      int beste = 0;
      long double groesste = 0.0L;
      for (int r = p; r <= n; ++r) {
        if (IstRest(r, c)) continue;
        const long double kandidat = Skaliert(r, c);
        if (beste == 0 || kandidat > groesste) {
          groesste = kandidat;
          beste = r;
        }
      }
      if (beste == 0) {
        for (int r = p; r <= n; ++r) raeume(r, c);
        continue;
      }
      geaendert = true;
      if (beste != p) TauscheNurZeilen(p, beste, n);
      ZeileMitPolar(p, n);
      const ZKZahl pivot = arbeitsmatrix[p][c];
      for (int k = 0; k <= n; ++k) {
        if (!IstNull(arbeitsmatrix[p][k])) arbeitsmatrix[p][k] /= pivot;
      }
      gebaut[p][c] = kEinsGebaut;
      for (int r = p + 1; r <= n; ++r) {
        const ZKZahl f = MitPolar(r, c);
        for (int k = 0; k <= n; ++k) {
          if (k != 0 && k < c) continue;
          const ZKZahl produkt = MitPolar(p, k) * f;
          Abziehen(r, k, produkt);
          Wucht(r, k) = std::max(Wucht(r, k), produkt.Betrag);
        }
        gebaut[r][c] = kNullGebaut;
      }
      ++p;
    }
    bool widerspruch = false;
    for (int r = p; r <= n; ++r) {
      if (IstRest(r, 0)) {
        raeume(r, 0);
      } else {
        widerspruch = true;
      }
    }
    const Abbruchgrund urteil =
        widerspruch ? Abbruchgrund::Widerspruch : Abbruchgrund::UnendlichViele;
    if (weg) {
      RechenSchritt& schritt = Notiere(RechenSchritt::Art::OhnePivot, p, s);
      schritt.grund = urteil;
      if (geaendert) {
        for (int r = 1; r <= n; ++r) {
          for (int c = 0; c <= n; ++c) schritt.matrix.push_back(Gezeigt(r, c));
        }
      }
      // The rows left over, with their right-hand sides, for the text.
      for (int r = p; r <= n; ++r) schritt.werte.push_back(MitPolar(r, 0));
    }
    return urteil;
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

  // The residual of every equation for the solution x (unknowns 1..n), with
  // products and sums kept exact to about twice the working precision, so
  // its own rounding is negligible beside what it measures; and by part
  // the size of its terms.
  std::vector<Rest> Residuum(int n, const std::vector<Teile>& x) const {
    std::vector<Rest> rest(static_cast<std::size_t>(n) + 1);
    for (int k = 1; k <= n; ++k) {
      GenaueSumme re, im;
      re.Plus(matrix[k][0].Realteil);
      im.Plus(matrix[k][0].Imaginaerteil);
      for (int c = 1; c <= n; ++c) {
        const ZKZahl& a = matrix[k][c];
        if (a.Realteil == 0.0L && a.Imaginaerteil == 0.0L) continue;
        const Teile& xc = x[static_cast<std::size_t>(c)];
        re.PlusProdukt(-a.Realteil, xc.re.hoch);
        re.PlusProdukt(a.Imaginaerteil, xc.im.hoch);
        im.PlusProdukt(-a.Realteil, xc.im.hoch);
        im.PlusProdukt(-a.Imaginaerteil, xc.re.hoch);
        if (xc.re.tief == 0.0L && xc.im.tief == 0.0L) continue;
        re.PlusProdukt(-a.Realteil, xc.re.tief);
        re.PlusProdukt(a.Imaginaerteil, xc.im.tief);
        im.PlusProdukt(-a.Realteil, xc.im.tief);
        im.PlusProdukt(-a.Imaginaerteil, xc.re.tief);
      }
      rest[static_cast<std::size_t>(k)] = {{re.Wert(), im.Wert()}, {re.Terme(), im.Terme()}};
    }
    return rest;
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

  // The inverse Z that the kept factors give, one column per unit
  // right-hand side, kept as the magnitudes of its parts.
  void Inverse(int n) {
    const auto un = static_cast<std::size_t>(n);
    inverseRe.assign(un * un, 0.0L);
    inverseIm.assign(un * un, 0.0L);
    std::vector<Komplex> z(un + 1);
    std::vector<Komplex> einheit(un + 1);
    for (int k = 1; k <= n; ++k) {
      const auto uk = static_cast<std::size_t>(k);
      einheit[uk] = {1.0L, 0.0L};
      LoeseMitFaktoren(einheit, n, z);
      einheit[uk] = {};
      for (std::size_t i = 1; i <= un; ++i) {
        inverseRe[(uk - 1) * un + i - 1] = std::fabs(z[i].re);
        inverseIm[(uk - 1) * un + i - 1] = std::fabs(z[i].im);
      }
    }
  }

  // The error of x is Z times its residual; bounded entry by entry with
  // |Z| and |residual| taken by parts, that bound holds for every part on
  // its own, small ones included. Fills schranke[1..n] (re: the real part's
  // bound, im: the imaginary part's) and, when asked, gewicht[1..n]: the
  // same sum over the sizes of the residual's terms, the size of the terms
  // that cancel in each part.
  void Schranken(int n, const std::vector<Rest>& rest, std::vector<Komplex>& schranke,
                 std::vector<Komplex>* gewicht) const {
    const auto un = static_cast<std::size_t>(n);
    // The residual is exact but for its final rounding and the roundings,
    // at twice the working precision, of the sum of its 8n + 1 terms.
    const long double gamma = std::ldexp(16.0L * static_cast<long double>(n + 1), -128);
    constexpr long double kEigeneRundung = 1.0L + 0x1p-62L;
    schranke.assign(un + 1, Komplex{});
    if (gewicht) gewicht->assign(un + 1, Komplex{});
    for (std::size_t k = 1; k <= un; ++k) {
      const Rest& r = rest[k];
      const long double rr = std::fabs(r.wert.re) * kEigeneRundung + gamma * r.terme.re;
      const long double ri = std::fabs(r.wert.im) * kEigeneRundung + gamma * r.terme.im;
      const long double* zr = &inverseRe[(k - 1) * un];
      const long double* zi = &inverseIm[(k - 1) * un];
      for (std::size_t i = 1; i <= un; ++i) {
        schranke[i].re += zr[i - 1] * rr + zi[i - 1] * ri;
        schranke[i].im += zr[i - 1] * ri + zi[i - 1] * rr;
        if (gewicht) {
          (*gewicht)[i].re += zr[i - 1] * r.terme.re + zi[i - 1] * r.terme.im;
          (*gewicht)[i].im += zr[i - 1] * r.terme.im + zi[i - 1] * r.terme.re;
        }
      }
    }
  }

  // Whether the elimination's factors can be trusted at all. A system is
  // singular when a relative change of its coefficients of about
  // kSingulaerSchwelle can make it so: the spectral radius of |Z| |A|
  // measures the inverse of that distance, whatever the units of equations
  // and unknowns (a singular system whose rounding residue slipped past the
  // pivot test, having been multiplied up by a small pivot, shows here).
  // That verdict and the error bounds rest on Z; they hold for the system
  // only when the elimination's own rounding (kRundung of the magnitudes it
  // combined) stays far below that distance, else this order of pivots
  // cannot tell.
  LoeseStatus PruefeFaktoren(int n) {
    const auto un = static_cast<std::size_t>(n);
    std::vector<long double> betragsprodukt(un * un), wuchtprodukt(un * un);
    std::vector<int> position(un + 1, 0);
    for (int i = 1; i <= n; ++i) position[static_cast<std::size_t>(zeilenfolge[i])] = i;
    // Each entry of the products summed over k in ascending order, as a
    // register sum rather than through memory; the digits are the same.
    for (std::size_t i = 1; i <= un; ++i) {
      for (int j = 1; j <= n; ++j) {
        long double summe = 0.0L, wuchtsumme = 0.0L;
        for (std::size_t k = 1; k <= un; ++k) {
          const long double zik = inverseRe[(k - 1) * un + i - 1] + inverseIm[(k - 1) * un + i - 1];
          summe += zik * matrix[k][j].Betrag;
          wuchtsumme += zik * Wucht(position[k], j);
        }
        const std::size_t ij = (i - 1) * un + static_cast<std::size_t>(j - 1);
        betragsprodukt[ij] = summe;
        wuchtprodukt[ij] = wuchtsumme;
      }
    }
    if (!(Spektralradius(wuchtprodukt, n) * kRundung < 1e-3L)) {
      grund = Abbruchgrund::Ungenau;
      return SchlechtKonditioniert;
    }
    if (!(Spektralradius(betragsprodukt, n) < 1.0L / kSingulaerSchwelle)) {
      grund = Abbruchgrund::Singulaer;
      return KeineEindeutigeLoesung;
    }
    return Geloest;
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

  // The bound of the whole solution against its largest unknown; the
  // solution is trusted when it is at most kFehlerGrenze (NaN is not).
  static long double NormFehler(int n, const std::vector<Teile>& x,
                                const std::vector<Komplex>& schranke) {
    long double groesste = 0.0L, fehler = 0.0L;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i) {
      groesste = std::max(groesste, std::hypot(x[i].re.hoch, x[i].im.hoch));
      const long double f = schranke[i].re + schranke[i].im;
      fehler = (f > fehler || f != f) ? f : fehler;
    }
    return groesste > 0.0L ? fehler / groesste : fehler;
  }

  // A part's weight is capped by the largest unknown: where the terms
  // cancelling in a part exceed every unknown, the part is ill-determined
  // by the typed decimals, and showing it as zero would hide that, not
  // remove a rounding residue. Such a part is judged by its bound alone.
  static void Deckle(int n, const std::vector<Teile>& x, std::vector<Komplex>& gewicht) {
    long double groesste = 0.0L;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i)
      groesste = std::max(groesste, std::hypot(x[i].re.hoch, x[i].im.hoch));
    for (std::size_t i = 1; i <= static_cast<std::size_t>(n); ++i)
      gewicht[i] = {std::min(gewicht[i].re, groesste), std::min(gewicht[i].im, groesste)};
  }

  // Where a part of the solution stands.
  enum Stand : char {
    kOffen,       // not settled yet
    kEliminiert,  // the elimination's value, its digits certain
    kNull,        // zero
    kVerfeinert,  // the refined value
  };

  // A part settled as zero: within its bound of zero, the bound itself
  // below what the typed decimals tell from zero, or the part and its bound
  // together below that.
  static bool NullFest(long double wert, long double schranke, long double gewicht) {
    const long double a = std::fabs(wert), lesen = kNullGrenze * gewicht;
    return a + schranke <= lesen || (a <= schranke && schranke <= lesen);
  }

  // A part settled with this value: every value within its bound shows the
  // same digits, and the bound meets kTeilGrenze.
  static bool WertFest(long double wert, long double schranke) {
    return schranke <= kTeilGrenze * std::fabs(wert) && ZiffernSicher(wert, schranke);
  }

  // The checks before anything is shown, after an elimination that left
  // its solution in column 0 of the working matrix. The factors must be
  // sound and the solution's bound within kFehlerGrenze of its largest
  // unknown. Each part then keeps the elimination's value where its digits
  // are certain, and is zero where NullFest holds; the others are refined
  // (at most kVerfeinerungen steps, the solution and its residual in about
  // twice the working precision) until they are settled, and at the end
  // UrteileTeil decides. The solution is then written back; an unknown none
  // of whose parts changed keeps the elimination's value bit for bit.
  LoeseStatus PruefeUndVerbessere(int n) {
    const auto un = static_cast<std::size_t>(n);
    std::vector<Teile> x(un + 1);
    for (std::size_t i = 1; i <= un; ++i) {
      x[i].re.hoch = arbeitsmatrix[i][0].Realteil;
      x[i].im.hoch = arbeitsmatrix[i][0].Imaginaerteil;
    }
    std::vector<Rest> rest = Residuum(n, x);
    Inverse(n);
    const LoeseStatus sinnvoll = PruefeFaktoren(n);
    std::vector<Komplex> schranke, gewicht;
    Schranken(n, rest, schranke, &gewicht);
    Deckle(n, x, gewicht);
    long double normFehler = NormFehler(n, x, schranke);
    bool getraut = normFehler <= kFehlerGrenze;
    const bool zuerstGetraut = getraut;
    if (weg) NotierePruefung(sinnvoll == Geloest && getraut, sinnvoll, normFehler);
    if (sinnvoll != Geloest) return sinnvoll;

    // Part j = 2 (i - 1) + t of unknown i, t = 0 real, 1 imaginary.
    auto teil = [](const Komplex& z, std::size_t t) { return t == 0 ? z.re : z.im; };
    auto teilDoppelt = [](const Teile& z, std::size_t t) -> const Doppelt& {
      return t == 0 ? z.re : z.im;
    };
    std::vector<Komplex> eliminiert(un + 1);
    for (std::size_t i = 1; i <= un; ++i) eliminiert[i] = {x[i].re.hoch, x[i].im.hoch};
    std::vector<Stand> stand(2 * un, kOffen);
    bool offen = false;
    for (std::size_t i = 1; i <= un; ++i) {
      for (std::size_t t = 0; t < 2; ++t) {
        const long double v = teil(eliminiert[i], t), b = teil(schranke[i], t);
        Stand& st = stand[2 * (i - 1) + t];
        if (NullFest(v, b, teil(gewicht[i], t))) {
          st = kNull;
        } else if (WertFest(v, b)) {
          st = kEliminiert;
        } else {
          offen = true;
        }
      }
    }

    int schritte = 0;
    std::vector<Komplex> korrektur(un + 1);
    std::vector<Komplex> residuum(un + 1);
    while ((offen || !getraut) && schritte < kVerfeinerungen) {
      ++schritte;
      for (std::size_t k = 1; k <= un; ++k) residuum[k] = rest[k].wert;
      LoeseMitFaktoren(residuum, n, korrektur);
      for (std::size_t i = 1; i <= un; ++i) {
        x[i].re += korrektur[i].re;
        x[i].im += korrektur[i].im;
        if (!std::isfinite(x[i].re.hoch) || !std::isfinite(x[i].im.hoch)) {
          grund = Abbruchgrund::ErgebnisNichtEndlich;
          return KeineEindeutigeLoesung;
        }
      }
      rest = Residuum(n, x);
      std::vector<Komplex> fein;
      Schranken(n, rest, fein, &gewicht);
      Deckle(n, x, gewicht);
      // What is given out is the refined value rounded to the working
      // precision (or the elimination's value): its bound adds the
      // distance to the refined value.
      for (std::size_t i = 1; i <= un; ++i) {
        schranke[i] = {fein[i].re + std::fabs(x[i].re.tief), fein[i].im + std::fabs(x[i].im.tief)};
      }
      normFehler = NormFehler(n, x, schranke);
      getraut = normFehler <= kFehlerGrenze;
      offen = false;
      for (std::size_t i = 1; i <= un; ++i) {
        for (std::size_t t = 0; t < 2; ++t) {
          Stand& st = stand[2 * (i - 1) + t];
          if (st == kEliminiert || st == kNull) continue;
          const Doppelt& verfeinert = teilDoppelt(x[i], t);
          const long double v0 = teil(eliminiert[i], t), b = teil(schranke[i], t);
          const long double b0 =
              std::fabs((v0 - verfeinert.hoch) - verfeinert.tief) + teil(fein[i], t);
          if (WertFest(v0, b0)) {
            st = kEliminiert;
          } else if (NullFest(verfeinert.hoch, b, teil(gewicht[i], t))) {
            st = kNull;
          } else if (WertFest(verfeinert.hoch, b)) {
            st = kVerfeinert;
          } else {
            st = kOffen;
            offen = true;
          }
        }
      }
    }
    if (weg && schritte > 0) Notiere(RechenSchritt::Art::Verfeinerung).versuch = schritte;

    for (std::size_t i = 1; i <= un && offen; ++i) {
      for (std::size_t t = 0; t < 2; ++t) {
        Stand& st = stand[2 * (i - 1) + t];
        if (st != kOffen) continue;
        switch (UrteileTeil(teilDoppelt(x[i], t).hoch, teil(schranke[i], t), teil(gewicht[i], t))) {
          case TeilUrteil::Null:
            st = kNull;
            break;
          case TeilUrteil::Gezeigt:
            st = kVerfeinert;
            break;
          case TeilUrteil::Abgelehnt:
            grund = Abbruchgrund::Ungenau;
            if (weg) {
              RechenSchritt& schritt = Notiere(RechenSchritt::Art::Pruefung, static_cast<int>(i));
              schritt.teil = static_cast<int>(t) + 1;
              schritt.grund = grund;
              schritt.fehler = normFehler;
            }
            return SchlechtKonditioniert;
        }
      }
    }
    if (!getraut) {
      grund = Abbruchgrund::Ungenau;
      if (weg) NotierePruefung(false, SchlechtKonditioniert, normFehler);
      return SchlechtKonditioniert;
    }
    // The first check failed and the refined solution passes it.
    if (weg && !zuerstGetraut) NotierePruefung(true, Geloest, normFehler);

    for (std::size_t i = 1; i <= un; ++i) {
      long double neu[2];
      for (std::size_t t = 0; t < 2; ++t) {
        switch (stand[2 * (i - 1) + t]) {
          case kNull:
            neu[t] = 0.0L;
            break;
          case kVerfeinert:
            neu[t] = teilDoppelt(x[i], t).hoch;
            break;
          default:
            neu[t] = teil(eliminiert[i], t);
        }
      }
      bool geaendert = false;
      for (std::size_t t = 0; t < 2; ++t) {
        const long double alt = teil(eliminiert[i], t);
        if (neu[t] == alt) continue;
        geaendert = true;
        ++eingriffe;
        if (weg) {
          RechenSchritt& schritt = Notiere(
              neu[t] == 0.0L ? RechenSchritt::Art::NullGesetzt : RechenSchritt::Art::Nachgebessert,
              static_cast<int>(i));
          schritt.teil = static_cast<int>(t) + 1;
          schritt.alt = alt;
          schritt.neu = neu[t];
        }
      }
      if (geaendert) arbeitsmatrix[i][0].SetzeKartesisch(neu[0], neu[1]);
    }
    return Geloest;
  }

  void NotierePruefung(bool bestanden, LoeseStatus status, long double fehler) {
    RechenSchritt& schritt = Notiere(RechenSchritt::Art::Pruefung);
    schritt.bestanden = bestanden;
    schritt.grund =
        bestanden ? Abbruchgrund::Keiner : (status == Geloest ? Abbruchgrund::Ungenau : grund);
    schritt.fehler = fehler;
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
    return PruefeUndVerbessere(n);
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

TeilUrteil UrteileTeil(long double wert, long double schranke, long double gewicht) {
  const long double a = std::fabs(wert);
  if (!(schranke >= 0.0L) || !std::isfinite(a)) return TeilUrteil::Abgelehnt;
  if (a <= schranke || a + schranke <= kNullGrenze * gewicht) return TeilUrteil::Null;
  return schranke <= kTeilGrenze * a ? TeilUrteil::Gezeigt : TeilUrteil::Abgelehnt;
}
