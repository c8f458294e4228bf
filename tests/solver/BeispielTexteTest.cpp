// SPDX-License-Identifier: GPL-3.0-or-later
// The example generator's systems (levels 1-3, n = 1..20) must keep the
// texts the solver wrote for them when this recording was made.
//
// The systems are made here by the generator's own call sequence (the same
// seeded draws, SetzePolar, * and +=), written as cell texts the way the
// generator writes them today (exponential form when the angle is not 0,
// otherwise component form, display format General), and read back by
// LiesZKZahl as the "=" button reads the grid. The recording therefore
// follows the generator's cell texts as they are now; if the generator comes
// to write other texts, this test keeps checking the solver on today's.
//
// Regenerating the recording is a deliberate act, done in a commit that says
// why the texts may change:
//   QUORVEL_BEISPIELTEXTE_NEU=1 build/asan/tests/solver/test_solver
//   --gtest_filter='BeispielTexte.*'
// writes tests/solver/BeispielTexte.txt anew from the solver as it is.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "SystemBau.h"
#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "logik/Beispielsystem.h"
#include "solver/GleichungsLoeser.h"

namespace {

constexpr int kSamenJeSystem = 4;

// The grid as the generator fills it: the texts of rows 0..n-1 of its table.
std::vector<std::vector<std::string>> ZellTexte(int stufe, int n, std::uint32_t samen) {
  std::array<ZKZahl, 25> x{};
  ZKMatrix m = ErzeugeMatrix(25, 25);
  ZieheBeispielsystem(samen, stufe, n, x, m);
  std::vector<std::vector<std::string>> texte(n, std::vector<std::string>(n + 1));
  for (int s = 0; s < n; ++s) {
    const ZKZahl* zeile = m[s];
    for (int k = 0; k <= n; ++k) {
      const ZKZahl& z = zeile[k];
      texte[s][k] = z.Winkel != 0 ? ExponentialText(z, General) : KomponentenText(z, General);
    }
  }
  return texte;
}

struct Ergebnis {
  LoeseStatus status = Geloest;
  std::vector<std::string> zeilen;  // "exponential<TAB>komponenten" per unknown
  int eingriffe = 0;
};

Ergebnis LoeseBeispiel(int stufe, int n, std::uint32_t samen) {
  const auto texte = ZellTexte(stufe, n, samen);
  ZKMatrix m(25, 25);
  for (int r = 1; r <= n; ++r) {
    for (int c = 0; c <= n; ++c) {
      ZKZahl z;
      EXPECT_NE(LiesZKZahl(texte[r - 1][c], z), ZKForm::Keine) << texte[r - 1][c];
      m[r][c] = z;
    }
  }
  Ergebnis e;
  e.zeilen.resize(n);
  GleichungsLoeser l;
  l.SetzeDimension(n);
  l.UebernehmeMatrix(n, n, m);
  e.status = l.Loese();
  e.eingriffe = l.Eingriffe();
  for (std::size_t i = 0; i < l.Loesung().size(); ++i) {
    const ZKZahl& x = l.Loesung()[i];
    e.zeilen[i] = ExponentialText(x, General) + "\t" + KomponentenText(x, General);
  }
  return e;
}

std::string Schluessel(int stufe, int n, std::uint32_t samen) {
  std::ostringstream s;
  s << stufe << '\t' << n << '\t' << samen;
  return s.str();
}

// One line per unknown: level, n, seed, r, then both texts; r = 0 carries
// the status when it is not "solved".
// Also counts, by system key, the solver's departures from the plain
// elimination, which alone may change a recorded text.
std::string Aufzeichnung(std::map<std::string, int>* eingriffe = nullptr) {
  std::ostringstream out;
  out << "# Solver texts of the example systems (level, n, seed, unknown, exponential form,\n"
         "# component form). Made by BeispielTexteTest; regenerate only deliberately.\n";
  for (int stufe = 1; stufe <= 3; ++stufe) {
    for (int n = 1; n <= 20; ++n) {
      for (std::uint32_t samen = 1; samen <= kSamenJeSystem; ++samen) {
        const Ergebnis e = LoeseBeispiel(stufe, n, samen);
        const std::string k = Schluessel(stufe, n, samen);
        if (eingriffe != nullptr) (*eingriffe)[k] = e.eingriffe;
        if (e.status != Geloest) out << k << "\t0\tstatus " << e.status << '\n';
        for (int r = 1; r <= n; ++r) out << k << '\t' << r << '\t' << e.zeilen[r - 1] << '\n';
      }
    }
  }
  return out.str();
}

// The recorded lines of each system, by "level<TAB>n<TAB>seed".
std::map<std::string, std::vector<std::string>> NachSystem(const std::string& text) {
  std::map<std::string, std::vector<std::string>> systeme;
  std::istringstream in(text);
  std::string zeile;
  while (std::getline(in, zeile)) {
    if (zeile.empty() || zeile[0] == '#') continue;
    std::size_t pos = 0;
    for (int feld = 0; feld < 3 && pos != std::string::npos; ++feld)
      pos = zeile.find('\t', pos + 1);
    systeme[zeile.substr(0, pos)].push_back(zeile);
  }
  return systeme;
}

// A system whose texts changed must be one where the solver left the plain
// elimination (a row exchange, a residue set to zero, a refinement); such
// changes are listed, any other is a failure.
TEST(BeispielTexte, MatchTheRecording) {
  std::map<std::string, int> eingriffe;
  const std::string jetzt = Aufzeichnung(&eingriffe);
  if (std::getenv("QUORVEL_BEISPIELTEXTE_NEU") != nullptr) {
    std::ofstream(QUORVEL_BEISPIELTEXTE) << jetzt;
    GTEST_SKIP() << "recording written to " << QUORVEL_BEISPIELTEXTE;
  }
  std::ifstream datei(QUORVEL_BEISPIELTEXTE);
  ASSERT_TRUE(datei) << QUORVEL_BEISPIELTEXTE;
  std::stringstream gelesen;
  gelesen << datei.rdbuf();

  const auto soll = NachSystem(gelesen.str());
  const auto ist = NachSystem(jetzt);
  ASSERT_EQ(soll.size(), ist.size());
  int geaendert = 0, mitEingriff = 0;
  for (const auto& [schluessel, zeilen] : soll) {
    const auto it = ist.find(schluessel);
    ASSERT_NE(it, ist.end()) << schluessel;
    mitEingriff += eingriffe[schluessel] > 0;
    if (it->second == zeilen) continue;
    ++geaendert;
    EXPECT_GT(eingriffe[schluessel], 0) << "texts changed without a departure: " << schluessel;
    std::cout << "[ changed  ] system " << schluessel << " (level, n, seed)\n";
  }
  std::cout << "[ Beispiel ] " << soll.size() << " systems, " << mitEingriff
            << " with a departure from the plain elimination, " << geaendert
            << " with changed texts\n";
}

}  // namespace
