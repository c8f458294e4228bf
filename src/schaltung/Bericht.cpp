// SPDX-License-Identifier: GPL-3.0-or-later
#include "Bericht.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "complex/ZKText.h"
#include "sprache/Uebersetzung.h"

namespace {

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// Component form, "0" for zero (the General form writes nothing for it).
std::string Komponenten(const ZKZahl& z) {
  const std::string t = KomponentenText(z, General);
  return t.empty() ? "0" : t;
}

// Both forms: "5*e^j53,13 = 3+j4".
std::string Beide(const ZKZahl& z) {
  return ExponentialText(z, General) + " = " + Komponenten(z);
}

std::string VerfahrenName(Verfahren v) {
  return v == Verfahren::Knoten ? sprache::Tr("Bericht", "Knotenpotentialverfahren")
                                : sprache::Tr("Bericht", "Maschenstromverfahren");
}

// A row as an equation: "(1/R1 + 1/R2)·U1 - 1/R2·U2 + I_U1 = Iq₁".
std::string Gleichung(const Schaltungssystem& g, const Schaltung& s, int zeile) {
  std::string text;
  for (int c = 0; c < g.n; ++c) {
    if (g.A(zeile, c).terme.empty()) continue;
    std::string k = Herleitung(g, s, zeile, c);
    bool minus = false;
    if (k.rfind("-(", 0) == 0) {
      minus = true;
      k = k.substr(1);
    } else if (k[0] == '-' && k.find_first_of("+-", 1) == std::string::npos) {
      minus = true;
      k = k.substr(1);
    } else if (k.find_first_of("+-", 1) != std::string::npos) {
      k = "(" + k + ")";
    }
    const std::string& x = g.unbekannte[U(c)];
    const std::string glied = k == "1" ? x : k + "\xC2\xB7" + x;
    if (text.empty())
      text = minus ? "-" + glied : glied;
    else
      text += (minus ? " - " : " + ") + glied;
  }
  return (text.empty() ? "0" : text) + " = " + Herleitung(g, s, zeile, -1);
}

// "Y₂₂ = 1/R1 + jωC1 = 0,001+j0,001"; a plain number ("1", "0") only once.
std::string EintragText(const Schaltungssystem& g, const Schaltung& s, int zeile, int spalte) {
  const std::string herleitung = Herleitung(g, s, zeile, spalte);
  std::string text = Bezeichnung(g, zeile, spalte) + " = " + herleitung;
  if (herleitung.find_first_not_of("-0123456789") == std::string::npos) return text;
  const ZKZahl& wert = spalte < 0 ? g.b[U(zeile)].wert : g.A(zeile, spalte).wert;
  return text + " = " + Komponenten(wert);
}

void JsonText(std::string& aus, const std::string& s) {
  aus += '"';
  for (const char c : s) {
    if (c == '"' || c == '\\') {
      aus += '\\';
      aus += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char puffer[8];
      std::snprintf(puffer, sizeof puffer, "\\u%04x", static_cast<unsigned>(c));
      aus += puffer;
    } else {
      aus += c;
    }
  }
  aus += '"';
}

std::string JsonKomplex(const ZKZahl& z) {
  return "[" + JsonZahl(z.Realteil) + ", " + JsonZahl(z.Imaginaerteil) + "]";
}

void JsonSystem(std::string& j, const Schaltung& s, const Schaltungssystem& g) {
  j += "  \"frequenz\": ";
  j += s.mitFrequenz ? JsonZahl(s.frequenz) : "null";
  j += ",\n  \"omega\": " + JsonZahl(g.omega);
  j += ",\n  \"verfahren\": ";
  j += g.verfahren == Verfahren::Knoten ? "\"knoten\"" : "\"maschen\"";
  j += ",\n  \"unbekannte\": [";
  for (int k = 0; k < g.n; ++k) {
    if (k > 0) j += ", ";
    JsonText(j, g.unbekannte[U(k)]);
  }
  j += "],\n  \"system\": {\n    \"a\": [";
  for (int r = 0; r < g.n; ++r) {
    j += r > 0 ? ",\n      [" : "\n      [";
    for (int c = 0; c < g.n; ++c) j += (c > 0 ? ", " : "") + JsonKomplex(g.A(r, c).wert);
    j += "]";
  }
  j += g.n > 0 ? "\n    ],\n    \"b\": [" : "],\n    \"b\": [";
  for (int r = 0; r < g.n; ++r) j += (r > 0 ? ", " : "") + JsonKomplex(g.b[U(r)].wert);
  j += "]\n  },\n  \"herleitung\": {\n    \"a\": [";
  for (int r = 0; r < g.n; ++r) {
    j += r > 0 ? ",\n      [" : "\n      [";
    for (int c = 0; c < g.n; ++c) {
      if (c > 0) j += ", ";
      JsonText(j, Herleitung(g, s, r, c));
    }
    j += "]";
  }
  j += g.n > 0 ? "\n    ],\n    \"b\": [" : "],\n    \"b\": [";
  for (int r = 0; r < g.n; ++r) {
    if (r > 0) j += ", ";
    JsonText(j, Herleitung(g, s, r, -1));
  }
  j += "]\n  }";
}

}  // namespace

std::string JsonZahl(long double x) {
  const double d = static_cast<double>(x);
  if (d == 0.0 || !std::isfinite(d)) return "0";  // no "-0"; never infinite in a result
  char puffer[32];
  const auto r = std::to_chars(puffer, puffer + sizeof puffer, d, std::chars_format::general, 17);
  return std::string(puffer, r.ptr);
}

std::string TextBericht(const Schaltung& s, const Schaltungssystem& g, const Ergebnis& e) {
  std::string t = VerfahrenName(g.verfahren);
  if (s.mitFrequenz)
    t += ", f = " + General10(s.frequenz) + " Hz (\xCF\x89 = " + General10(g.omega) + " 1/s)";
  t += "\n\n" + sprache::Tr("Bericht", "Unbekannte:");
  for (int k = 0; k < g.n; ++k) t += (k > 0 ? ", " : " ") + g.unbekannte[U(k)];
  t += "\n\n" + sprache::Tr("Bericht", "Gleichungen:") + "\n";
  for (int r = 0; r < g.n; ++r) {
    t += std::to_string(r + 1) + ". " + ZeilenBedeutung(g, s, r) + "\n";
    t += "   " + Gleichung(g, s, r) + "\n";
    for (int c = 0; c < g.n; ++c) {
      if (!g.A(r, c).terme.empty()) t += "   " + EintragText(g, s, r, c) + "\n";
    }
    t += "   " + EintragText(g, s, r, -1) + "\n";
  }
  if (e.status != Geloest) return t;
  t += "\n" + sprache::Tr("Bericht", "Lösung:") + "\n";
  for (int k = 0; k < g.n; ++k)
    t += "   " + g.unbekannte[U(k)] + " = " + Beide(e.loesung[U(k)]) + "\n";
  t +=
      "\n" +
      sprache::Fuelle(sprache::Tr("Bericht", "Knotenpotentiale (gegen Masse %1):"), {s.knoten[0]}) +
      "\n";
  for (std::size_t k = 1; k < s.knoten.size(); ++k)
    t += "   " + s.knoten[k] + ": " + Beide(e.potentiale[k]) + " V\n";
  t += "\n" +
       sprache::Tr("Bericht",
                   "Elemente (U vom ersten zum zweiten Knoten, I durch das Element in gleicher "
                   "Richtung, S = U·I*):") +
       "\n";
  for (std::size_t k = 0; k < s.elemente.size(); ++k) {
    const ElementWerte& w = e.elemente[k];
    t += "   " + s.elemente[k].name + ": U = " + Beide(w.u) + " V, I = " + Beide(w.i) + " A\n";
    t += "      S = " + Komponenten(w.s) + " VA: P = " + General10(w.s.Realteil) +
         " W, Q = " + General10(w.s.Imaginaerteil) + " var, |S| = " + General10(w.s.Betrag) +
         " VA, cos \xCF\x86 = " + (w.s.Betrag > 0.0L ? General10(w.s.Realteil / w.s.Betrag) : "-") +
         "\n";
  }
  long double summe = 0.0L;
  for (const ElementWerte& w : e.elemente) summe += w.s.Betrag;
  t += "\n" +
       sprache::Fuelle(
           sprache::Tr("Bericht",
                       "Leistungsbilanz: Summe aller S = %1 VA (Summe aller |S| = %2 VA)"),
           {Komponenten(e.leistungsbilanz), General10(summe)}) +
       "\n";
  return t;
}

std::string JsonBericht(const Schaltung& s, const Schaltungssystem& g, const Ergebnis& e) {
  std::string j = "{\n";
  JsonSystem(j, s, g);
  if (e.status != Geloest) {
    j += ",\n  \"fehler\": ";
    JsonText(j, e.meldung);
    return j + "\n}\n";
  }
  j += ",\n  \"loesung\": [";
  for (int k = 0; k < g.n; ++k) j += (k > 0 ? ", " : "") + JsonKomplex(e.loesung[U(k)]);
  j += "],\n  \"knoten\": {";
  for (std::size_t k = 0; k < s.knoten.size(); ++k) {
    j += k > 0 ? ",\n    " : "\n    ";
    JsonText(j, s.knoten[k]);
    j += ": " + JsonKomplex(e.potentiale[k]);
  }
  j += "\n  },\n  \"elemente\": {";
  for (std::size_t k = 0; k < s.elemente.size(); ++k) {
    const ElementWerte& w = e.elemente[k];
    j += k > 0 ? ",\n    " : "\n    ";
    JsonText(j, s.elemente[k].name);
    j += ": {\"u\": " + JsonKomplex(w.u) + ", \"i\": " + JsonKomplex(w.i) +
         ", \"s\": " + JsonKomplex(w.s) + "}";
  }
  j += "\n  },\n  \"leistungsbilanz\": " + JsonKomplex(e.leistungsbilanz) + "\n}\n";
  return j;
}

std::string JsonFehler(const std::vector<SchaltungsFehler>& fehler) {
  std::string text;
  for (const SchaltungsFehler& f : fehler) text += (text.empty() ? "" : "\n") + f.text;
  std::string j = "{\"fehler\": ";
  JsonText(j, text);
  j += ", \"zeile\": " + std::to_string(fehler.empty() ? 0 : fehler.front().zeile) + "}\n";
  return j;
}
