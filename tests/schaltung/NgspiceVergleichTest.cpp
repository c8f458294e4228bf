// SPDX-License-Identifier: GPL-3.0-or-later
// Random circuits, solved by both analyses and by ngspice, must agree. How
// the simulator's conventions map onto ours: NgspiceHilfe.h.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "NgspiceHilfe.h"
#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"

namespace {

constexpr int kSchaltungenProTeil = 260;
constexpr int kTeile = 8;  // 2080 circuits, each solved by both analyses
constexpr long double kHoechsteKondition = 1e6L;

Komplex K(const ZKZahl& z) {
  return {z.Realteil, z.Imaginaerteil};
}

// The largest deviation, as a fraction of the largest magnitude, over a
// list of pairs.
struct Abweichung {
  long double groesste = 0.0L;
  long double abstand = 0.0L;
  void Dazu(Komplex ist, Komplex soll) {
    groesste = std::max(groesste, std::abs(soll));
    abstand = std::max(abstand, std::abs(ist - soll));
  }
  long double Relativ() const { return groesste > 0 ? abstand / groesste : abstand; }
};

struct Schlimmste {
  long double potential[2] = {0, 0};
  long double strom[2] = {0, 0};
  long double zwischen = 0;  // nodal against mesh, element voltages and currents
  long double bilanz = 0;
};

class NgspiceVergleich : public ::testing::TestWithParam<int> {};

TEST_P(NgspiceVergleich, BothAnalysesAgreeWithTheSimulator) {
  Zufall z{std::mt19937_64(20260000u + static_cast<unsigned>(GetParam()))};
  std::vector<Zufallsschaltung> schaltungen;
  std::vector<Schaltung> gelesen;
  std::vector<Aufstellung> systeme[2];
  int verworfen = 0;
  while (static_cast<int>(schaltungen.size()) < kSchaltungenProTeil) {
    Zufallsschaltung c = Erzeuge(z);
    NetzlistenErgebnis n = LiesNetzliste(c.netzliste);
    ASSERT_TRUE(n.fehler.empty()) << n.fehler.front().text << "\n" << c.netzliste;
    Aufstellung knoten = StelleAuf(n.schaltung, Verfahren::Knoten);
    Aufstellung maschen = StelleAuf(n.schaltung, Verfahren::Maschen);
    ASSERT_FALSE(knoten.fehler || maschen.fehler) << c.netzliste;
    if (Kondition(knoten.system) > kHoechsteKondition ||
        Kondition(maschen.system) > kHoechsteKondition) {
      ++verworfen;
      continue;
    }
    schaltungen.push_back(std::move(c));
    gelesen.push_back(std::move(n.schaltung));
    systeme[0].push_back(std::move(knoten));
    systeme[1].push_back(std::move(maschen));
  }
  std::vector<std::string> decks;
  std::vector<std::vector<std::string>> vektoren;
  for (const Zufallsschaltung& c : schaltungen) {
    decks.push_back(c.spice);
    std::vector<std::string> v;
    for (int n = 1; n <= c.knoten; ++n) v.push_back("v(" + std::to_string(n) + ")");
    for (std::size_t q = 1; q <= c.quellen.size(); ++q)
      v.push_back("i(v" + std::to_string(q) + ")");
    vektoren.push_back(std::move(v));
  }
  const std::vector<SpiceAntwort> spice = FrageNgspice(decks, vektoren);
  ASSERT_EQ(spice.size(), schaltungen.size());

  Schlimmste schlimmste;
  for (std::size_t k = 0; k < schaltungen.size(); ++k) {
    const Schaltung& s = gelesen[k];
    const auto& sp = spice[k].werte;
    Ergebnis e[2];
    bool geloest = true;
    for (int v = 0; v < 2; ++v) {
      e[v] = Loese(s, systeme[v][k].system);
      EXPECT_EQ(e[v].status, Geloest) << (v == 0 ? "Knoten" : "Maschen") << "\n"
                                      << schaltungen[k].netzliste;
      geloest = geloest && e[v].status == Geloest;
    }
    if (!geloest) continue;
    for (int v = 0; v < 2; ++v) {
      Abweichung pot, strom;
      for (std::size_t n = 1; n < s.knoten.size(); ++n) {
        const auto it = sp.find("v(" + s.knoten[n] + ")");
        ASSERT_NE(it, sp.end()) << "ngspice: v(" << s.knoten[n] << ") fehlt\n"
                                << schaltungen[k].spice;
        ASSERT_EQ(it->second.size(), 1u) << schaltungen[k].spice;
        pot.Dazu(K(e[v].potentiale[n]), it->second[0]);
      }
      for (std::size_t el = 0; el < s.elemente.size(); ++el) {
        if (s.elemente[el].art != ElementArt::Spannungsquelle) continue;
        const auto it = sp.find("i(v" + s.elemente[el].name.substr(1) + ")");
        ASSERT_NE(it, sp.end()) << schaltungen[k].spice;
        ASSERT_EQ(it->second.size(), 1u) << schaltungen[k].spice;
        strom.Dazu(K(e[v].elemente[el].i), it->second[0]);
      }
      EXPECT_LE(pot.Relativ(), 1e-9L) << (v == 0 ? "Knoten" : "Maschen") << "\n"
                                      << schaltungen[k].netzliste;
      EXPECT_LE(strom.Relativ(), 1e-9L) << (v == 0 ? "Knoten" : "Maschen") << "\n"
                                        << schaltungen[k].netzliste;
      schlimmste.potential[v] = std::max(schlimmste.potential[v], pot.Relativ());
      schlimmste.strom[v] = std::max(schlimmste.strom[v], strom.Relativ());
    }
    // Both analyses give the same element values, and the power balances.
    Abweichung u, i;
    long double summeS = 0;
    for (std::size_t el = 0; el < s.elemente.size(); ++el) {
      u.Dazu(K(e[1].elemente[el].u), K(e[0].elemente[el].u));
      i.Dazu(K(e[1].elemente[el].i), K(e[0].elemente[el].i));
      summeS += e[0].elemente[el].s.Betrag;
    }
    EXPECT_LE(u.Relativ(), 1e-10L) << schaltungen[k].netzliste;
    EXPECT_LE(i.Relativ(), 1e-10L) << schaltungen[k].netzliste;
    schlimmste.zwischen = std::max({schlimmste.zwischen, u.Relativ(), i.Relativ()});
    for (int v = 0; v < 2; ++v) {
      EXPECT_LE(e[v].leistungsbilanz.Betrag, 1e-12L * summeS) << schaltungen[k].netzliste;
      schlimmste.bilanz = std::max(schlimmste.bilanz, e[v].leistungsbilanz.Betrag / summeS);
    }
  }
  std::printf(
      "Teil %d: %zu Schaltungen (%d verworfen, Kondition über 1e6); größte Abweichung von "
      "ngspice: Potentiale %.3Lg (Knoten) %.3Lg (Maschen), Quellenströme %.3Lg (Knoten) %.3Lg "
      "(Maschen); Knoten gegen Maschen %.3Lg; Leistungsbilanz %.3Lg\n",
      GetParam(), schaltungen.size(), verworfen, schlimmste.potential[0], schlimmste.potential[1],
      schlimmste.strom[0], schlimmste.strom[1], schlimmste.zwischen, schlimmste.bilanz);
}

INSTANTIATE_TEST_SUITE_P(Zufallsschaltungen, NgspiceVergleich, ::testing::Range(0, kTeile));

}  // namespace
