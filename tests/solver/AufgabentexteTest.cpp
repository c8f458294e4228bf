// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the solver shows for a recorded set of generated example systems
// (levels 1-3, n up to 20, both display formats), text for text. The record
// holds the systems as the grid's cell texts and the texts shown for them; a
// change of the arithmetic that moves any shown digit fails here.
//
// Regenerate only on purpose, after counting what changed
// (bench/texte-vergleichen), with
//   build/bench/bench/beispiel_texte 2 0 1,2,3,5,8,13,20 >
//   tests/solver/daten/aufgabentexte-general.txt build/bench/bench/beispiel_texte 1 1 1,4,13,20 >
//   tests/solver/daten/aufgabentexte-exponent.txt
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "solver/GleichungsLoeser.h"

namespace {

struct Aufgabe {
  int n = 0;
  std::vector<std::tuple<int, int, std::string>> zellen;  // row, column, text
  std::vector<std::string> ergebnisse;                    // "r E text" / "r K text"
};

// Lines "seed level n A row column text" and "seed level n X r E|K text".
std::map<std::string, Aufgabe> LiesAufzeichnung(const std::string& datei) {
  std::map<std::string, Aufgabe> aufgaben;
  std::ifstream ein(datei);
  std::string zeile;
  while (std::getline(ein, zeile)) {
    std::istringstream teile(zeile);
    std::string samen, stufe, art;
    int n = 0;
    teile >> samen >> stufe >> n >> art;
    Aufgabe& a = aufgaben[samen + " " + stufe + " " + std::to_string(n)];
    a.n = n;
    if (art == "A") {
      int r = 0, c = 0;
      teile >> r >> c;
      teile.get();
      std::string text;
      std::getline(teile, text);
      a.zellen.emplace_back(r, c, text);
    } else {
      teile.get();
      std::string rest;
      std::getline(teile, rest);
      a.ergebnisse.push_back(rest);
    }
  }
  return aufgaben;
}

void PruefeAufzeichnung(const std::string& datei, int format) {
  const auto aufgaben = LiesAufzeichnung(datei);
  ASSERT_GE(aufgaben.size(), 12u) << datei;
  for (const auto& [name, a] : aufgaben) {
    ZKMatrix m = ErzeugeMatrix(25, 25);
    for (const auto& [r, c, text] : a.zellen) {
      ZKZahl z;
      ASSERT_NE(LiesZKZahl(text, z), ZKForm::Keine) << name << ": " << text;
      m[r][c] = z;
    }
    std::vector<std::string> gezeigt;
    GleichungsLoeser l;
    l.SetzeDimension(a.n);
    l.UebernehmeMatrix(a.n, a.n, m);
    ASSERT_EQ(l.Loese(), Geloest) << name;
    for (std::size_t i = 0; i < l.Loesung().size(); ++i) {
      const std::string r = std::to_string(i + 1);
      gezeigt.push_back(r + " E " + ExponentialText(l.Loesung()[i], format));
      gezeigt.push_back(r + " K " + KomponentenText(l.Loesung()[i], format));
    }
    EXPECT_EQ(gezeigt, a.ergebnisse) << "system (seed level n) " << name;
  }
}

}  // namespace

TEST(Aufgabentexte, GeneralTextsAsRecorded) {
  PruefeAufzeichnung(QUORVEL_AUFGABENTEXTE "/aufgabentexte-general.txt", General);
}

TEST(Aufgabentexte, ExponentTextsAsRecorded) {
  PruefeAufzeichnung(QUORVEL_AUFGABENTEXTE "/aufgabentexte-exponent.txt", Exponent);
}
