// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a system: names of entries, their derivations and what each
// row says.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "schaltung/Analyse.h"
#include "sprache/Uebersetzung.h"

namespace {

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// "₁₂" from 12: subscript digits (U+2080..U+2089).
std::string Tief(int zahl) {
  std::string s;
  for (const char c : std::to_string(zahl)) {
    s += "\xE2\x82";
    s += static_cast<char>(0x80 + (c - '0'));
  }
  return s;
}

// Row and column as subscripts; a comma keeps two-digit indices apart.
std::string Index(int zeile, int spalte) {
  if (zeile < 10 && spalte < 10) return Tief(zeile) + Tief(spalte);
  return Tief(zeile) + "," + Tief(spalte);
}

int KnotenZeilen(const Schaltungssystem& g) {
  return g.n - static_cast<int>(g.spannungsquellen.size());
}

std::string ElementText(const Element& e, bool leitwert) {
  const std::string& n = e.name;
  switch (e.art) {
    case ElementArt::Widerstand:
      return leitwert ? "1/" + n : n;
    case ElementArt::Induktivitaet:
      return leitwert ? "1/(j\xCF\x89" + n + ")" : "j\xCF\x89" + n;
    case ElementArt::Kapazitaet:
      return leitwert ? "j\xCF\x89" + n : "1/(j\xCF\x89" + n + ")";
    case ElementArt::Impedanz:
      return leitwert ? "1/" + n : n;
    case ElementArt::Admittanz:
      return leitwert ? n : "1/" + n;
    case ElementArt::Spannungsquelle:
    case ElementArt::Stromquelle:
      break;
  }
  return n;
}

using Teile = std::vector<std::pair<int, std::string>>;  // sign, text

// "a + b - c"; "-(a + b)" when every part is negative.
std::string Summe(const Teile& teile) {
  if (teile.empty()) return "0";
  bool alleNegativ = true;
  for (const auto& [v, t] : teile) alleNegativ = alleNegativ && v < 0;
  std::string s;
  for (const auto& [v, t] : teile) {
    if (s.empty())
      s = (v < 0 && !alleNegativ) ? "-" + t : t;
    else
      s += ((v < 0 && !alleNegativ) ? " - " : " + ") + t;
  }
  if (!alleNegativ) return s;
  return teile.size() > 1 ? "-(" + s + ")" : "-" + s;
}

}  // namespace

std::string Bezeichnung(const Schaltungssystem& g, int zeile, int spalte) {
  const bool knoten = g.verfahren == Verfahren::Knoten;
  const int kz = KnotenZeilen(g);
  if (spalte < 0) return ((knoten && zeile < kz) ? "Iq" : "Uq") + Tief(zeile + 1);
  if (!knoten) return "Z" + Index(zeile + 1, spalte + 1);
  return ((zeile < kz && spalte < kz) ? "Y" : "a") + Index(zeile + 1, spalte + 1);
}

std::string Herleitung(const Schaltungssystem& g, const Schaltung& s, int zeile, int spalte) {
  const Eintrag& e = spalte < 0 ? g.b[U(zeile)] : g.A(zeile, spalte);
  Teile teile;
  // Terms with a current source's current are gathered by source:
  // -(R1 + jωL1)·I1.
  std::map<int, Teile> gruppen;
  std::vector<int> gruppenFolge;
  for (const Term& t : e.terme) {
    const Element& el = s.elemente[U(t.element)];
    switch (t.art) {
      case Term::Art::Leitwert:
        teile.emplace_back(t.vorzeichen, ElementText(el, true));
        break;
      case Term::Art::Widerstand:
        teile.emplace_back(t.vorzeichen, ElementText(el, false));
        break;
      case Term::Art::Eins:
        teile.emplace_back(t.vorzeichen, "1");
        break;
      case Term::Art::Quelle:
        teile.emplace_back(t.vorzeichen, el.name);
        break;
      case Term::Art::WiderstandMalQuelle:
        if (gruppen.find(t.quelle) == gruppen.end()) gruppenFolge.push_back(t.quelle);
        gruppen[t.quelle].emplace_back(t.vorzeichen, ElementText(el, false));
        break;
    }
  }
  for (const int q : gruppenFolge) {
    const Teile& gruppe = gruppen[q];
    const std::string& strom = s.elemente[U(q)].name;
    bool gleich = true;
    for (const auto& [v, t] : gruppe) gleich = gleich && v == gruppe.front().first;
    if (gleich) {
      Teile betraege;
      for (const auto& [v, t] : gruppe) betraege.emplace_back(1, t);
      const std::string summe = Summe(betraege);
      teile.emplace_back(gruppe.front().first,
                         (gruppe.size() > 1 ? "(" + summe + ")" : summe) + "\xC2\xB7" + strom);
    } else {
      teile.emplace_back(1, "(" + Summe(gruppe) + ")\xC2\xB7" + strom);
    }
  }
  return Summe(teile);
}

std::string ZeilenBedeutung(const Schaltungssystem& g, const Schaltung& s, int zeile) {
  if (g.verfahren == Verfahren::Knoten) {
    const int kz = KnotenZeilen(g);
    if (zeile < kz)
      return sprache::Fuelle(
          sprache::Tr("Herleitung", "Knoten %1: Summe der abfließenden Ströme = 0"),
          {s.knoten[U(zeile + 1)]});
    const Element& q = s.elemente[U(g.spannungsquellen[U(zeile - kz)])];
    return sprache::Fuelle(sprache::Tr("Herleitung",
                                       "Spannungsquelle %1: Potential von Knoten %2 (+) minus "
                                       "Potential von Knoten %3 (-) = %1"),
                           {q.name, s.knoten[U(q.knoten1)], s.knoten[U(q.knoten2)]});
  }
  for (const Masche& m : g.maschen) {
    if (m.unbekannte != zeile) continue;
    std::string umlauf;
    for (const auto& [e, r] : m.zweige) {
      if (!umlauf.empty()) umlauf += ", ";
      umlauf += s.elemente[U(e)].name;
    }
    return sprache::Fuelle(
        sprache::Tr("Herleitung", "Masche %1 über %2 (%3): Summe der Spannungen im Umlauf = 0"),
        {std::to_string(zeile + 1), s.elemente[U(m.verbindung)].name, umlauf});
  }
  return "";
}
