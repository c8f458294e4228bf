// SPDX-License-Identifier: GPL-3.0-or-later
#include "Analyse.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numeric>
#include <utility>

#include "schaltung/Vereinigung.h"
#include "sprache/Uebersetzung.h"

namespace {

using Komplex = std::complex<long double>;

Komplex AlsKomplex(const ZKZahl& z) {
  return {z.Realteil, z.Imaginaerteil};
}

ZKZahl AlsZK(Komplex k) {
  ZKZahl z;
  z.SetzeKartesisch(k.real(), k.imag());
  return z;
}

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// A part of a sum below this fraction of its weight (the sizes of the terms
// that cancel in it) is zero: the netlist's values are read into doubles,
// which carry each to 2^-53 of itself, so such a part is zero as far as the
// circuit as typed can say (the solver settles its unknowns by the same
// rule). Without it a balanced bridge shows 1E-19 V and a resonance 1E-17 S.
constexpr long double kNullGrenze = 2.3e-16L;

// A sum that remembers the sizes of its terms, part by part.
class Summe {
 public:
  Summe& operator+=(Komplex t) {
    wert_ += t;
    gewichtRe_ += std::fabs(t.real());
    gewichtIm_ += std::fabs(t.imag());
    return *this;
  }
  Summe& operator-=(Komplex t) { return *this += -t; }
  // The product's parts are sums of two terms each, which may cancel too.
  Summe& AddiereProdukt(Komplex a, Komplex b) {
    wert_ += a * b;
    gewichtRe_ += std::fabs(a.real() * b.real()) + std::fabs(a.imag() * b.imag());
    gewichtIm_ += std::fabs(a.real() * b.imag()) + std::fabs(a.imag() * b.real());
    return *this;
  }
  Komplex Wert() const {
    const long double re =
        std::fabs(wert_.real()) <= kNullGrenze * gewichtRe_ ? 0.0L : wert_.real();
    const long double im =
        std::fabs(wert_.imag()) <= kNullGrenze * gewichtIm_ ? 0.0L : wert_.imag();
    return {re, im};
  }

 private:
  Komplex wert_;
  long double gewichtRe_ = 0.0L;
  long double gewichtIm_ = 0.0L;
};

Komplex Produkt(Komplex a, Komplex b) {
  return Summe().AddiereProdukt(a, b).Wert();
}

Komplex Impedanz(const Element& e, long double omega) {
  switch (e.art) {
    case ElementArt::Widerstand:
      return {e.wert.Realteil, 0.0L};
    case ElementArt::Induktivitaet:
      return {0.0L, omega * e.wert.Realteil};
    case ElementArt::Kapazitaet:
      return {0.0L, -1.0L / (omega * e.wert.Realteil)};
    case ElementArt::Impedanz:
      return AlsKomplex(e.wert);
    case ElementArt::Admittanz:
      return 1.0L / AlsKomplex(e.wert);
    case ElementArt::Spannungsquelle:
    case ElementArt::Stromquelle:
      break;
  }
  return {};
}

Komplex Admittanz(const Element& e, long double omega) {
  switch (e.art) {
    case ElementArt::Widerstand:
      return {1.0L / e.wert.Realteil, 0.0L};
    case ElementArt::Induktivitaet:
      return {0.0L, -1.0L / (omega * e.wert.Realteil)};
    case ElementArt::Kapazitaet:
      return {0.0L, omega * e.wert.Realteil};
    case ElementArt::Impedanz:
      return 1.0L / AlsKomplex(e.wert);
    case ElementArt::Admittanz:
      return AlsKomplex(e.wert);
    case ElementArt::Spannungsquelle:
    case ElementArt::Stromquelle:
      break;
  }
  return {};
}

// Every passive element's admittance (nodal analysis) or impedance (mesh
// analysis) at one ω, computed once for all the terms that name it.
struct Elementwerte {
  std::vector<Komplex> y, z;
  Elementwerte(const Schaltung& s, Verfahren v, long double omega) {
    std::vector<Komplex>& werte = v == Verfahren::Knoten ? y : z;
    werte.resize(s.elemente.size());
    for (std::size_t k = 0; k < s.elemente.size(); ++k) {
      werte[k] =
          v == Verfahren::Knoten ? Admittanz(s.elemente[k], omega) : Impedanz(s.elemente[k], omega);
    }
  }
};

Komplex TermWert(const Term& t, const Schaltung& s, const Elementwerte& w) {
  const std::size_t k = U(t.element);
  Komplex v;
  switch (t.art) {
    case Term::Art::Leitwert:
      v = w.y[k];
      break;
    case Term::Art::Widerstand:
      v = w.z[k];
      break;
    case Term::Art::Eins:
      v = 1.0L;
      break;
    case Term::Art::Quelle:
      v = AlsKomplex(s.elemente[k].wert);
      break;
    case Term::Art::WiderstandMalQuelle:
      v = w.z[k] * AlsKomplex(s.elemente[U(t.quelle)].wert);
      break;
  }
  return t.vorzeichen < 0 ? -v : v;
}

Komplex Wert(const Eintrag& e, const Schaltung& s, const Elementwerte& w) {
  if (e.terme.empty()) return {};
  Summe summe;
  for (const Term& t : e.terme) summe += TermWert(t, s, w);
  return summe.Wert();
}

bool IstPassiv(const Element& e) {
  return !IstQuelle(e.art);
}

void KnotenSystem(const Schaltung& s, Schaltungssystem& g) {
  const int knoten = static_cast<int>(s.knoten.size()) - 1;
  for (int k = 1; k <= knoten; ++k) g.unbekannte.push_back("U" + s.knoten[U(k)]);
  for (std::size_t e = 0; e < s.elemente.size(); ++e) {
    if (s.elemente[e].art != ElementArt::Spannungsquelle) continue;
    g.spannungsquellen.push_back(static_cast<int>(e));
    g.unbekannte.push_back("I_" + s.elemente[e].name);
  }
  g.n = static_cast<int>(g.unbekannte.size());
  if (g.n > GleichungsLoeser::kKapazitaet) return;
  g.a.resize(U(g.n) * U(g.n));
  g.b.resize(U(g.n));
  auto a = [&](int zeile, int spalte) -> std::vector<Term>& {
    return g.a[U(zeile) * U(g.n) + U(spalte)].terme;
  };
  int quelle = knoten;
  for (std::size_t k = 0; k < s.elemente.size(); ++k) {
    const Element& e = s.elemente[k];
    const int el = static_cast<int>(k);
    // Row of node p is p - 1; ground has no row.
    const int p = e.knoten1 - 1, q = e.knoten2 - 1;
    switch (e.art) {
      case ElementArt::Spannungsquelle:
        if (p >= 0) {
          a(p, quelle).push_back({Term::Art::Eins, el, +1});
          a(quelle, p).push_back({Term::Art::Eins, el, +1});
        }
        if (q >= 0) {
          a(q, quelle).push_back({Term::Art::Eins, el, -1});
          a(quelle, q).push_back({Term::Art::Eins, el, -1});
        }
        g.b[U(quelle)].terme.push_back({Term::Art::Quelle, el, +1});
        ++quelle;
        break;
      case ElementArt::Stromquelle:
        // Leaves the first node, enters the second: known currents go right.
        if (p >= 0) g.b[U(p)].terme.push_back({Term::Art::Quelle, el, -1});
        if (q >= 0) g.b[U(q)].terme.push_back({Term::Art::Quelle, el, +1});
        break;
      default:
        if (p >= 0) a(p, p).push_back({Term::Art::Leitwert, el, +1});
        if (q >= 0) a(q, q).push_back({Term::Art::Leitwert, el, +1});
        if (p >= 0 && q >= 0) {
          a(p, q).push_back({Term::Art::Leitwert, el, -1});
          a(q, p).push_back({Term::Art::Leitwert, el, -1});
        }
        break;
    }
  }
}

// The tree (voltage sources, then passive branches by rising |Z|), every
// link's loop through it, and the mesh equations.
void MaschenSystem(const Schaltung& s, long double omega, Schaltungssystem& g) {
  const std::size_t anzahl = s.elemente.size();
  std::vector<int> reihenfolge;
  for (std::size_t k = 0; k < anzahl; ++k) {
    if (s.elemente[k].art == ElementArt::Spannungsquelle)
      reihenfolge.push_back(static_cast<int>(k));
  }
  std::vector<std::pair<long double, int>> passiv;
  for (std::size_t k = 0; k < anzahl; ++k) {
    if (IstPassiv(s.elemente[k]))
      passiv.emplace_back(std::abs(Impedanz(s.elemente[k], omega)), static_cast<int>(k));
  }
  std::stable_sort(passiv.begin(), passiv.end(),
                   [](const auto& x, const auto& y) { return x.first < y.first; });
  for (const auto& [betrag, k] : passiv) reihenfolge.push_back(k);

  const std::size_t knoten = s.knoten.size();
  Vereinigung wald(knoten);
  g.baum.assign(anzahl, false);
  std::vector<std::vector<std::pair<int, int>>> nachbarn(knoten);  // node, element
  for (const int k : reihenfolge) {
    const Element& e = s.elemente[U(k)];
    if (!wald.Vereinige(e.knoten1, e.knoten2)) continue;
    g.baum[U(k)] = true;
    nachbarn[U(e.knoten1)].emplace_back(e.knoten2, k);
    nachbarn[U(e.knoten2)].emplace_back(e.knoten1, k);
  }
  // The tree hangs from ground: each node's parent, the branch to it, depth.
  std::vector<int> eltern(knoten, -1), zweig(knoten, -1), tiefe(knoten, 0);
  std::vector<int> offen = {0};
  eltern[0] = 0;
  while (!offen.empty()) {
    const int a = offen.back();
    offen.pop_back();
    for (const auto& [b, e] : nachbarn[U(a)]) {
      if (eltern[U(b)] >= 0) continue;
      eltern[U(b)] = a;
      zweig[U(b)] = e;
      tiefe[U(b)] = tiefe[U(a)] + 1;
      offen.push_back(b);
    }
  }
  auto richtung = [&](int element, int von) {
    return s.elemente[U(element)].knoten1 == von ? 1 : -1;
  };

  int unbekannte = 0;
  for (std::size_t k = 0; k < anzahl; ++k) {
    if (g.baum[k]) continue;
    const Element& e = s.elemente[k];
    Masche m;
    m.verbindung = static_cast<int>(k);
    m.unbekannte = e.art == ElementArt::Stromquelle ? -1 : unbekannte++;
    m.zweige.emplace_back(static_cast<int>(k), 1);
    // Back from the link's second node to its first: up from the second
    // node to where both paths meet, then down to the first.
    int x = e.knoten2, y = e.knoten1;
    std::vector<std::pair<int, int>> abwaerts;
    while (x != y) {
      if (tiefe[U(x)] >= tiefe[U(y)]) {
        m.zweige.emplace_back(zweig[U(x)], richtung(zweig[U(x)], x));
        x = eltern[U(x)];
      } else {
        abwaerts.emplace_back(zweig[U(y)], richtung(zweig[U(y)], eltern[U(y)]));
        y = eltern[U(y)];
      }
    }
    m.zweige.insert(m.zweige.end(), abwaerts.rbegin(), abwaerts.rend());
    if (m.unbekannte >= 0) g.unbekannte.push_back("I_M" + std::to_string(unbekannte));
    g.maschen.push_back(std::move(m));
  }
  g.n = unbekannte;
  if (g.n > GleichungsLoeser::kKapazitaet) return;
  g.a.resize(U(g.n) * U(g.n));
  g.b.resize(U(g.n));

  // For every branch the loops through it, with the direction they take.
  std::vector<std::vector<std::pair<int, int>>> maschenDurch(anzahl);  // loop, direction
  for (std::size_t m = 0; m < g.maschen.size(); ++m) {
    for (const auto& [e, r] : g.maschen[m].zweige) maschenDurch[U(e)].emplace_back(m, r);
  }
  for (std::size_t k = 0; k < anzahl; ++k) {
    const Element& e = s.elemente[k];
    const int el = static_cast<int>(k);
    for (const auto& [mk, rk] : maschenDurch[k]) {
      const int zeile = g.maschen[U(mk)].unbekannte;
      if (zeile < 0) continue;
      if (e.art == ElementArt::Spannungsquelle) {
        // Met from + to -, the source's voltage is a drop: it goes right negated.
        g.b[U(zeile)].terme.push_back({Term::Art::Quelle, el, -rk});
        continue;
      }
      if (e.art == ElementArt::Stromquelle) continue;  // never on another link's loop
      for (const auto& [mm, rm] : maschenDurch[k]) {
        const Masche& andere = g.maschen[U(mm)];
        if (andere.unbekannte >= 0) {
          g.a[U(zeile) * U(g.n) + U(andere.unbekannte)].terme.push_back(
              {Term::Art::Widerstand, el, rk * rm});
        } else {
          g.b[U(zeile)].terme.push_back(
              {Term::Art::WiderstandMalQuelle, el, -rk * rm, andere.verbindung});
        }
      }
    }
  }
}

}  // namespace

Aufstellung StelleAuf(const Schaltung& s, Verfahren verfahren, long double omega) {
  Aufstellung auf;
  Schaltungssystem& g = auf.system;
  g.verfahren = verfahren;
  if (verfahren == Verfahren::Knoten)
    KnotenSystem(s, g);
  else
    MaschenSystem(s, omega, g);
  if (g.n > GleichungsLoeser::kKapazitaet) {
    auf.fehler = MacheFehler(FehlerArt::ZuVieleUnbekannte, 0,
                             {std::to_string(g.n), std::to_string(GleichungsLoeser::kKapazitaet)});
    return auf;
  }
  BewerteBei(g, s, omega);
  return auf;
}

Komplex Differenz(Komplex a, Komplex b) {
  Summe d;
  d += a;
  d -= b;
  return d.Wert();
}

void BewerteBei(Schaltungssystem& g, const Schaltung& s, long double omega) {
  g.omega = omega;
  const Elementwerte w(s, g.verfahren, omega);
  for (Eintrag& e : g.a) e.wert = AlsZK(Wert(e, s, w));
  for (Eintrag& e : g.b) e.wert = AlsZK(Wert(e, s, w));
}

void WerteBei(const Schaltungssystem& g, const Schaltung& s, long double omega,
              std::span<Komplex> a, std::span<Komplex> b) {
  const Elementwerte w(s, g.verfahren, omega);
  for (std::size_t k = 0; k < g.a.size() && k < a.size(); ++k) a[k] = Wert(g.a[k], s, w);
  for (std::size_t k = 0; k < g.b.size() && k < b.size(); ++k) b[k] = Wert(g.b[k], s, w);
}

ZKZahl AufDoubleGerundet(const ZKZahl& z) {
  ZKZahl r;
  r.SetzeKartesisch(static_cast<double>(z.Realteil), static_cast<double>(z.Imaginaerteil));
  return r;
}

std::string LoeseMeldung(LoeseStatus status) {
  switch (status) {
    case Geloest:
      return {};
    case KeineEindeutigeLoesung:
      return sprache::Tr("Schaltung", "Das Gleichungssystem hat keine eindeutige Lösung.");
    case SchlechtKonditioniert:
      return sprache::Tr("Schaltung",
                         "Das Gleichungssystem ist schlecht konditioniert; die Lösung ist nicht "
                         "genau bestimmbar.");
  }
  return {};
}

// Solves the system (entries rounded as asked); the unknowns, or nothing.
LoeseStatus LoeseGleichungen(const Schaltungssystem& g, Rundung rundung, std::vector<ZKZahl>& x) {
  x.clear();
  // A system whose set-up failed (too many unknowns) has no entries.
  if (g.a.size() != static_cast<std::size_t>(g.n) * static_cast<std::size_t>(g.n) ||
      g.b.size() != static_cast<std::size_t>(g.n))
    return KeineEindeutigeLoesung;
  if (g.n == 0) return Geloest;
  ZKMatrix m = ErzeugeMatrix(g.n + 1, g.n + 1);
  auto wert = [rundung](const Eintrag& e) {
    return rundung == Rundung::AufDouble ? AufDoubleGerundet(e.wert) : e.wert;
  };
  for (int r = 0; r < g.n; ++r) {
    m[r + 1][0] = wert(g.b[U(r)]);
    for (int c = 0; c < g.n; ++c) m[r + 1][c + 1] = wert(g.A(r, c));
  }
  GleichungsLoeser loeser;
  loeser.UebernehmeMatrix(g.n, g.n, m);
  const LoeseStatus status = loeser.Loese();
  if (status == Geloest) x = loeser.Loesung();
  return status;
}

namespace {

// Element voltages and currents from the node potentials.
void AusPotentialen(const Schaltung& s, const Schaltungssystem& g, const std::vector<Komplex>& phi,
                    const std::vector<ZKZahl>& x, std::vector<Komplex>& u,
                    std::vector<Komplex>& i) {
  // A source's own value is known exactly; it is not taken from the solution.
  for (std::size_t k = 0; k < s.elemente.size(); ++k) {
    const Element& e = s.elemente[k];
    u[k] = e.art == ElementArt::Spannungsquelle ? AlsKomplex(e.wert)
                                                : Differenz(phi[U(e.knoten1)], phi[U(e.knoten2)]);
    if (e.art == ElementArt::Stromquelle) {
      i[k] = AlsKomplex(e.wert);
    } else if (e.art != ElementArt::Spannungsquelle) {
      i[k] = Produkt(Admittanz(e, g.omega), u[k]);
    }
  }
  const std::size_t erste = s.knoten.size() - 1;
  for (std::size_t q = 0; q < g.spannungsquellen.size(); ++q)
    i[U(g.spannungsquellen[q])] = AlsKomplex(x[erste + q]);
}

// Branch currents from the mesh currents, voltages from the branches, and
// the potentials along the tree from ground.
void AusMaschenstroemen(const Schaltung& s, const Schaltungssystem& g, const std::vector<ZKZahl>& x,
                        std::vector<Komplex>& phi, std::vector<Komplex>& u,
                        std::vector<Komplex>& i) {
  // A branch in several meshes carries the sum of their currents.
  std::vector<Summe> zweigstrom(s.elemente.size());
  for (std::size_t m = 0; m < g.maschen.size(); ++m) {
    const Masche& masche = g.maschen[m];
    const Komplex strom = masche.unbekannte >= 0
                              ? AlsKomplex(x[U(masche.unbekannte)])
                              : AlsKomplex(s.elemente[U(masche.verbindung)].wert);
    for (const auto& [e, r] : masche.zweige) zweigstrom[U(e)] += r > 0 ? strom : -strom;
  }
  for (std::size_t k = 0; k < s.elemente.size(); ++k) {
    i[k] = zweigstrom[k].Wert();
    const Element& e = s.elemente[k];
    if (e.art == ElementArt::Spannungsquelle)
      u[k] = AlsKomplex(e.wert);
    else if (e.art != ElementArt::Stromquelle)
      u[k] = Produkt(Impedanz(e, g.omega), i[k]);
  }
  // A current source's voltage closes its loop: the drops around it sum to 0.
  for (const Masche& masche : g.maschen) {
    if (masche.unbekannte >= 0) continue;
    Summe summe;
    for (std::size_t z = 1; z < masche.zweige.size(); ++z) {
      const auto& [e, r] = masche.zweige[z];
      summe += r > 0 ? u[U(e)] : -u[U(e)];
    }
    u[U(masche.verbindung)] = -summe.Wert();
  }
  std::vector<std::vector<std::pair<int, int>>> nachbarn(s.knoten.size());
  for (std::size_t k = 0; k < s.elemente.size(); ++k) {
    if (!g.baum[k]) continue;
    nachbarn[U(s.elemente[k].knoten1)].emplace_back(s.elemente[k].knoten2, k);
    nachbarn[U(s.elemente[k].knoten2)].emplace_back(s.elemente[k].knoten1, k);
  }
  std::vector<bool> erreicht(s.knoten.size(), false);
  std::vector<int> offen = {0};
  erreicht[0] = true;
  while (!offen.empty()) {
    const int a = offen.back();
    offen.pop_back();
    for (const auto& [b, e] : nachbarn[U(a)]) {
      if (erreicht[U(b)]) continue;
      erreicht[U(b)] = true;
      // u = phi(first) - phi(second)
      phi[U(b)] = s.elemente[U(e)].knoten1 == b ? Differenz(phi[U(a)], -u[U(e)])
                                                : Differenz(phi[U(a)], u[U(e)]);
      offen.push_back(b);
    }
  }
}

}  // namespace

Ergebnis Loese(const Schaltung& s, const Schaltungssystem& g, Rundung rundung) {
  Ergebnis erg;
  erg.status = LoeseGleichungen(g, rundung, erg.loesung);
  if (erg.status != Geloest) {
    erg.meldung = LoeseMeldung(erg.status);
    return erg;
  }
  const std::size_t anzahl = s.elemente.size();
  std::vector<Komplex> phi(s.knoten.size()), u(anzahl), i(anzahl);
  if (g.verfahren == Verfahren::Knoten) {
    for (std::size_t k = 1; k < s.knoten.size(); ++k) phi[k] = AlsKomplex(erg.loesung[k - 1]);
    AusPotentialen(s, g, phi, erg.loesung, u, i);
  } else {
    AusMaschenstroemen(s, g, erg.loesung, phi, u, i);
  }
  for (const Komplex& p : phi) erg.potentiale.push_back(AlsZK(p));
  Summe bilanz;
  for (std::size_t k = 0; k < anzahl; ++k) {
    const Element& el = s.elemente[k];
    // A passive element's power from the quantity the analysis knows it by,
    // conj(Y)·|U|² or Z·|I|²: a resistor's is then real and a reactance's
    // imaginary, without rounding residue in the other part.
    Komplex leistung = Produkt(u[k], std::conj(i[k]));
    if (!IstQuelle(el.art)) {
      leistung = g.verfahren == Verfahren::Knoten
                     ? std::conj(Admittanz(el, g.omega)) * std::norm(u[k])
                     : Impedanz(el, g.omega) * std::norm(i[k]);
    }
    bilanz += leistung;
    erg.elemente.push_back({AlsZK(u[k]), AlsZK(i[k]), AlsZK(leistung)});
  }
  erg.leistungsbilanz = AlsZK(bilanz.Wert());
  return erg;
}
