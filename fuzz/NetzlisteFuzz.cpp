// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte text as a netlist: no crash, no overrun; an accepted netlist sets
// up in both analyses and, when small, solves with a balanced power sum.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
  const NetzlistenErgebnis n = LiesNetzliste(text);
  if (!n.fehler.empty()) {
    for (const SchaltungsFehler& f : n.fehler)
      if (f.text.empty()) std::abort();
    return 0;
  }
  const Schaltung& s = n.schaltung;
  if (s.elemente.empty() || s.knoten.empty()) std::abort();
  for (const Verfahren v : {Verfahren::Knoten, Verfahren::Maschen}) {
    const Aufstellung a = StelleAuf(s, v);
    if (a.fehler) continue;
    // Every entry's texts, and its value for every term.
    for (int r = 0; r < a.system.n; ++r) {
      for (int c = -1; c < a.system.n; ++c) {
        if (Herleitung(a.system, s, r, c).empty() || Bezeichnung(a.system, r, c).empty())
          std::abort();
      }
    }
    if (a.system.n > 12) continue;  // the solve's cost grows as n³
    const Ergebnis e = Loese(s, a.system);
    if (e.status != Geloest) continue;
    if (e.elemente.size() != s.elemente.size()) std::abort();
  }
  return 0;
}
