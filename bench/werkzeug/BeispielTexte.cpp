// SPDX-License-Identifier: GPL-3.0-or-later
// Prints every text that the example tasks and their solution show, for
// levels 1..3, seeds 1..N and n = 1..20 (or the list given):
//
//     beispiel_texte [N=200] [FORMAT=0] [n,n,...]
//
// one line each: the cell texts of the generated system (A), then the
// solver's two texts of every unknown (X). Two runs on two builds, compared
// line by line, show which texts a change of the arithmetic moves
// (bench/texte-vergleichen). A small run is the solver test's record of
// texts (tests/solver/daten/aufgabentexte.txt).
//
// The generation repeats the example button's steps (src/app/Beispielaufgaben.cpp)
// and the "=" button's reading of the grid, without the window.
#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "logik/Beispielsystem.h"
#include "solver/GleichungsLoeser.h"

namespace {

void Aufgabe(std::uint32_t samen, int stufe, int n, int format) {
  std::array<ZKZahl, 25> x{};
  ZKMatrix M = ErzeugeMatrix(25, 25);
  ZieheBeispielsystem(samen, stufe, n, x, M);
  // The grid holds texts; "=" reads them back into rows 1..n.
  ZKMatrix E = ErzeugeMatrix(25, 25);
  for (int s = 0; s < n; ++s) {
    for (int k = 0; k <= n; ++k) {
      const ZKZahl& z = M[s][k];
      const std::string text =
          z.Winkel != 0 ? ExponentialText(z, format) : KomponentenText(z, format);
      std::printf("%u %d %d A %d %d %s\n", samen, stufe, n, s + 1, k, text.c_str());
      ZKZahl w;
      if (LiesZKZahl(text, w) == ZKForm::Keine) {
        std::printf("%u %d %d A %d %d unlesbar\n", samen, stufe, n, s + 1, k);
        return;
      }
      E[s + 1][k] = w;
    }
  }
  GleichungsLoeser l;
  l.SetzeDimension(n);
  l.UebernehmeMatrix(n, n, E);
  if (l.Loese() != Geloest) std::printf("%u %d %d keine Loesung\n", samen, stufe, n);
  for (std::size_t i = 0; i < l.Loesung().size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    const ZKZahl& xr = l.Loesung()[i];
    std::printf("%u %d %d X %d E %s\n", samen, stufe, n, r, ExponentialText(xr, format).c_str());
    std::printf("%u %d %d X %d K %s\n", samen, stufe, n, r, KomponentenText(xr, format).c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const int samen = argc > 1 ? std::atoi(argv[1]) : 200;
  const int format = argc > 2 ? std::atoi(argv[2]) : General;
  std::vector<int> dimensionen;
  if (argc > 3) {
    std::istringstream liste(argv[3]);
    std::string n;
    while (std::getline(liste, n, ',')) dimensionen.push_back(std::atoi(n.c_str()));
  } else {
    for (int n = 1; n <= 20; ++n) dimensionen.push_back(n);
  }
  for (int s = 1; s <= samen; ++s)
    for (int stufe = 1; stufe <= 3; ++stufe)
      for (int n : dimensionen) Aufgabe(static_cast<std::uint32_t>(s), stufe, n, format);
  return 0;
}
