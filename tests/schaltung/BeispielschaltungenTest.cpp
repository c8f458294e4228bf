// SPDX-License-Identifier: GPL-3.0-or-later
// Every example of the circuit page's menu reads, solves in both methods
// and gives the value its comment promises.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <cmath>
#include <string>

#include "schaltung/Analyse.h"
#include "schaltung/Beispielschaltungen.h"
#include "sprache/Sprachwahl.h"

namespace {

struct Pruefung {
  const char* titel;
  const char* element;  // whose value is checked
  char groesse;         // 'u' or 'i'
  double betrag;
  double winkel;  // degrees; NAN: not checked
};

// The textbook values, as the examples' comments state them.
const Pruefung kWerte[] = {
    {"Spannungsteiler", "R2", 'u', 8.0, 0.0},
    {"RC-Tiefpass", "C1", 'u', 1 / std::sqrt(2.0), -45.0},
    {"RL-Hochpass", "L1", 'u', 1 / std::sqrt(2.0), 45.0},
    {"Reihenschwingkreis", "R1", 'i', 1.0, 0.0},
    {"Parallelschwingkreis", "R1", 'u', 10.0, 0.0},
    {"Wheatstone-Brücke", "R5", 'i', 0.0, NAN},
    {"Drehstrom-Sternlast", "RN", 'i', 0.0, NAN},
    {"Überbrückte T-Schaltung", "", 'u', 0.0, NAN},  // checked below: U3/U1
};

TEST(Beispielschaltungen, EachReadsSolvesAndGivesItsTextbookValue) {
  const auto beispiele = Beispielschaltungen();
  ASSERT_EQ(beispiele.size(), std::size(kWerte));
  for (std::size_t k = 0; k < beispiele.size(); ++k) {
    const Pruefung& p = kWerte[k];
    SCOPED_TRACE(p.titel);
    EXPECT_STREQ(beispiele[k].titel, p.titel);
    const NetzlistenErgebnis n = LiesNetzliste(beispiele[k].netzliste);
    ASSERT_TRUE(n.fehler.empty()) << n.fehler.front().text;
    const Schaltung& s = n.schaltung;
    for (const Verfahren v : {Verfahren::Knoten, Verfahren::Maschen}) {
      const Aufstellung a = StelleAuf(s, v);
      ASSERT_FALSE(a.fehler);
      const Ergebnis e = Loese(s, a.system);
      ASSERT_EQ(e.status, Geloest) << e.meldung;
      EXPECT_LT(std::abs(static_cast<double>(e.leistungsbilanz.Betrag)), 1e-9);
      auto wert = [&](const std::string& name, char groesse) {
        for (std::size_t i = 0; i < s.elemente.size(); ++i)
          if (s.elemente[i].name == name) return groesse == 'u' ? e.elemente[i].u : e.elemente[i].i;
        ADD_FAILURE() << name;
        return ZKZahl();
      };
      if (k + 1 == beispiele.size()) {
        // The bridged T's notch: U3/U1 = 2·R2/(R1 + 2·R2) = 1/6 at f0.
        EXPECT_NEAR(static_cast<double>(e.potentiale[3].Betrag), 1.0 / 6, 1e-9);
        continue;
      }
      const ZKZahl z = wert(p.element, p.groesse);
      EXPECT_NEAR(static_cast<double>(z.Betrag), p.betrag, 1e-9 * std::max(1.0, p.betrag));
      if (!std::isnan(p.winkel)) {
        EXPECT_NEAR(static_cast<double>(z.Winkel), p.winkel, 1e-6);
      }
    }
  }
  // The quality of the series circuit shows: |UL| = Q·U = 100 V.
  const NetzlistenErgebnis r = LiesNetzliste(beispiele[3].netzliste);
  const Ergebnis e = Loese(r.schaltung, StelleAuf(r.schaltung, Verfahren::Knoten).system);
  EXPECT_NEAR(static_cast<double>(e.elemente[2].u.Betrag), 100.0, 1e-6);
  // The star load's line current: 230 V / 100 Ω.
  const NetzlistenErgebnis d = LiesNetzliste(beispiele[6].netzliste);
  const Ergebnis ed = Loese(d.schaltung, StelleAuf(d.schaltung, Verfahren::Maschen).system);
  EXPECT_NEAR(static_cast<double>(ed.elemente[3].i.Betrag), 2.3, 1e-9);
}

// The English catalogue translates the comments only: each example reads
// to the same circuit, line for line.
TEST(Beispielschaltungen, InEnglishTheSameCircuits) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  const QCoreApplication app(argc, argv);
  ASSERT_TRUE(sprache::LadeSprache("en"));
  for (const Beispielschaltung& b : Beispielschaltungen()) {
    SCOPED_TRACE(b.titel);
    const std::string englisch =
        QCoreApplication::translate("Beispielschaltungen", b.netzliste).toStdString();
    EXPECT_NE(englisch, b.netzliste);
    const NetzlistenErgebnis de = LiesNetzliste(b.netzliste), en = LiesNetzliste(englisch);
    ASSERT_TRUE(en.fehler.empty()) << en.fehler.front().text;
    EXPECT_EQ(en.schaltung.knoten, de.schaltung.knoten);
    EXPECT_EQ(en.schaltung.frequenz, de.schaltung.frequenz);
    ASSERT_EQ(en.schaltung.elemente.size(), de.schaltung.elemente.size());
    for (std::size_t k = 0; k < de.schaltung.elemente.size(); ++k) {
      const Element &d = de.schaltung.elemente[k], &e = en.schaltung.elemente[k];
      EXPECT_EQ(e.name, d.name);
      EXPECT_EQ(e.art, d.art);
      EXPECT_EQ(e.zeile, d.zeile);
      EXPECT_EQ(std::pair(e.knoten1, e.knoten2), std::pair(d.knoten1, d.knoten2));
      EXPECT_EQ(e.wert.Realteil, d.wert.Realteil);
      EXPECT_EQ(e.wert.Imaginaerteil, d.wert.Imaginaerteil);
    }
  }
  sprache::LadeSprache("de");
}

}  // namespace
