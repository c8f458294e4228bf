// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <string>
#include <vector>

#include "SystemBau.h"
#include "complex/ZKText.h"
#include "solver/GleichungsLoeser.h"
#include "solver/Rechenweg.h"
#include "sprache/Uebersetzung.h"

namespace {

using Art = RechenSchritt::Art;
using systembau::AusTexten;
using systembau::Polar;

// Performs the recorded steps on the recorded equations with the ZKZahl
// operators, the way the steps say, and returns the unknowns (index 1..n).
std::vector<ZKZahl> Nachrechnen(const Rechenweg& weg) {
  const int n = weg.n;
  std::vector<std::vector<ZKZahl>> m(static_cast<std::size_t>(n) + 1,
                                     std::vector<ZKZahl>(static_cast<std::size_t>(n) + 1));
  const RechenSchritt* gleichungen = nullptr;
  auto zelle = [&m](int r, int c) -> ZKZahl& {
    return m[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)];
  };
  for (const RechenSchritt& s : weg.schritte) {
    switch (s.art) {
      case Art::Gleichungen:
        gleichungen = &s;
        break;
      case Art::Anordnung:
        for (int i = 1; i <= n; ++i) {
          for (int c = 0; c <= n; ++c) {
            zelle(i, c) = weg.Eintrag(*gleichungen, s.folge[static_cast<std::size_t>(i)], c);
          }
        }
        break;
      case Art::Tausch:
        std::swap(m[static_cast<std::size_t>(s.zeile)], m[static_cast<std::size_t>(s.mit)]);
        break;
      case Art::Normierung:
        for (int c = 0; c <= n; ++c) {
          if (zelle(s.zeile, c) != ZKZahl()) zelle(s.zeile, c) /= s.wert;
        }
        break;
      case Art::Rest:
        zelle(s.zeile, s.mit) = ZKZahl();
        break;
      case Art::Elimination:
        // Forward steps leave the columns left of the pivot alone.
        for (int c = 0; c <= n; ++c) {
          if (!s.oberhalb && c >= 1 && c < s.mit) continue;
          zelle(s.zeile, c) = zelle(s.zeile, c) - (zelle(s.mit, c) * s.wert);
        }
        break;
      case Art::Nachgebessert:
      case Art::NullGesetzt: {
        ZKZahl& x = zelle(s.zeile, 0);
        x.SetzeKartesisch(s.teil == 1 ? s.neu : x.Realteil, s.teil == 2 ? s.neu : x.Imaginaerteil);
        break;
      }
      default:
        break;
    }
  }
  std::vector<ZKZahl> x(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) x[static_cast<std::size_t>(i)] = zelle(i, 0);
  return x;
}

bool Gleich(const ZKZahl& a, const ZKZahl& b) {
  return a.Realteil == b.Realteil && a.Imaginaerteil == b.Imaginaerteil && a.Betrag == b.Betrag &&
         a.Winkel == b.Winkel;
}

// Solves with a record and checks that replaying it gives the solver's own
// unknowns (and the recorded solution) bit for bit.
void PruefeNachrechnung(const ZKMatrix& system) {
  GleichungsLoeser l;
  Rechenweg weg;
  l.SetzeRechenweg(&weg);
  ASSERT_EQ(systembau::Loese(l, system), Geloest);
  ASSERT_TRUE(weg.geloest);
  ASSERT_FALSE(weg.schritte.empty());
  const RechenSchritt& loesung = weg.schritte.back();
  ASSERT_EQ(loesung.art, Art::Loesung);
  const std::vector<ZKZahl> x = Nachrechnen(weg);
  for (int i = 1; i <= weg.n; ++i) {
    const auto ui = static_cast<std::size_t>(i);
    EXPECT_TRUE(Gleich(x[ui], l.Arbeitswert(i, 0))) << "X" << i << " von " << weg.n;
    EXPECT_TRUE(Gleich(loesung.werte[ui], l.Arbeitswert(i, 0))) << "X" << i;
  }
}

// The example generator's draw: magnitudes 11..99, angles 0..89 (level 1:
// real solutions, levels 1-2: real coefficients).
ZKMatrix Zufallssystem(int stufe, int n, std::mt19937& zufall) {
  auto betrag = [&] { return static_cast<long double>(11 + zufall() % 89); };
  auto winkel = [&](bool erlaubt) {
    return erlaubt ? static_cast<long double>(zufall() % 90) * (zufall() % 3 == 0 ? -1 : 1) : 0.0L;
  };
  std::vector<ZKZahl> x;
  for (int i = 0; i < n; ++i) x.push_back(Polar(betrag(), winkel(stufe > 1)));
  systembau::Zeilen a(static_cast<std::size_t>(n));
  for (auto& zeile : a) {
    for (int c = 0; c < n; ++c) zeile.push_back(Polar(betrag(), winkel(stufe == 3)));
  }
  return systembau::MitLoesung(a, x);
}

TEST(Rechenweg, ReplaysBitForBitForRandomSystemsOfEverySizeAndLevel) {
  std::mt19937 zufall(17);
  for (int stufe = 1; stufe <= 3; ++stufe) {
    for (int n = 1; n <= 20; ++n) {
      SCOPED_TRACE("Stufe " + std::to_string(stufe) + ", n = " + std::to_string(n));
      PruefeNachrechnung(Zufallssystem(stufe, n, zufall));
    }
  }
}

// Zero pattern 1 1 1 / 1 1 0 / 1 0 0: the greedy search misses the only
// arrangement (equations 3, 2, 1), which the complete search finds; in
// column 2 its pivot 1e-9 is tiny against equation 1's 2 and the rows are
// exchanged.
TEST(Rechenweg, RecordsTheFallbackArrangementAndARowExchangeAndStillReplays) {
  const ZKMatrix system = AusTexten({"1; 5; 2; 3", "2; 4; 1e-9; 0", "3; 1; 0; 0"});
  PruefeNachrechnung(system);
  GleichungsLoeser l;
  Rechenweg weg;
  l.SetzeRechenweg(&weg);
  ASSERT_EQ(systembau::Loese(l, system), Geloest);
  int tausche = 0;
  for (const RechenSchritt& s : weg.schritte) {
    if (s.art == Art::Anordnung) {
      EXPECT_EQ(s.folge, (std::vector<int>{0, 3, 2, 1}));
    }
    if (s.art == Art::Tausch) {
      ++tausche;
      EXPECT_EQ(s.zeile, 2);
      EXPECT_EQ(s.mit, 3);
    }
  }
  EXPECT_EQ(tausche, 1);
  EXPECT_NE(RechenwegText(weg, General).find("Zeile 2 und Zeile 3 getauscht"), std::string::npos);
}

// The first elimination of this system finds no pivot in a column, and the
// second, with the largest pivots, fails its check; the third, with the
// arrangement's own pivots, passes, though one of them is zero after
// column 1 and gives way to the row below. The record holds only that
// elimination, after saying why.
TEST(Rechenweg, ARepeatedEliminationIsSaidAndOnlyTheShownOneIsKept) {
  const ZKMatrix system = AusTexten({"2; 7e-7; -5,4; 0; 0", "9; -3; 0; 0; 3e-17",
                                     "5; 7e-7; -5,4; -2; 6", "8; 0; -1,1; 2e-17; 0"});
  PruefeNachrechnung(system);
  GleichungsLoeser l;
  Rechenweg weg;
  l.SetzeRechenweg(&weg);
  ASSERT_EQ(systembau::Loese(l, system), Geloest);
  int wiederholungen = 0, normierungen = 0, proben = 0, resteGetauscht = 0;
  for (const RechenSchritt& s : weg.schritte) {
    if (s.art == Art::Wiederholung) {
      ++wiederholungen;
      EXPECT_EQ(s.versuch, 3);
      EXPECT_NE(s.grund, Abbruchgrund::Keiner);
    }
    normierungen += s.art == Art::Normierung;
    proben += s.art == Art::Pruefung;
    resteGetauscht += s.art == Art::Tausch && s.rest;
  }
  EXPECT_EQ(wiederholungen, 1);
  EXPECT_EQ(normierungen, 4);  // one elimination, not three
  EXPECT_GE(proben, 1);
  EXPECT_EQ(resteGetauscht, 1);
  const std::string text = RechenwegText(weg, General);
  EXPECT_NE(text.find("in einer Spalte blieb kein Pivot ungleich null"), std::string::npos);
  EXPECT_NE(text.find("und danach noch einmal mit den Pivots der Anordnung"), std::string::npos);
  EXPECT_NE(text.find("(der Pivot in Zeile 2 ist null oder Rundungsrest)"), std::string::npos);
}

// Whether the arrangement keeps the order, and which elimination is shown,
// is said in so many words.
TEST(Rechenweg, SaysWhetherTheOrderIsKeptAndWhichEliminationIsShown) {
  auto text = [](const std::vector<std::string>& gleichungen) {
    GleichungsLoeser l;
    Rechenweg weg;
    l.SetzeRechenweg(&weg);
    EXPECT_EQ(systembau::Loese(l, AusTexten(gleichungen)), Geloest);
    return RechenwegText(weg, General);
  };
  const std::string kBleibt = "Die Gleichungen bleiben in ihrer Reihenfolge.";
  EXPECT_NE(text({"5; 1; 1", "1; 1; -1"}).find(kBleibt), std::string::npos);
  EXPECT_EQ(text({"3; 0; 1", "5; 1; 1"}).find(kBleibt), std::string::npos);
  // The threshold pivoting finds no pivot in column 2; the largest pivots do.
  const std::string zweiter = text({"8; 3; -2; -5", "3; 3; 0; 1e-19", "6; 6; 8e-16; 9e-14"});
  EXPECT_NE(zweiter.find("Die Elimination wurde wiederholt, mit dem betragsgrößten Pivot jeder "
                         "Spalte (Zeilentausch). Gezeigt wird diese Rechnung."),
            std::string::npos)
      << zweiter;
  EXPECT_NE(zweiter.find("Zeile 1 und Zeile 2 getauscht (Zeile 2 hat den betragsgrößten Pivot "
                         "der Spalte)."),
            std::string::npos);
}

// X1 = 3 + j, X2 = 0: the elimination's values pass the check as they are;
// nothing is refined, and the record says nothing of refining.
TEST(Rechenweg, AnExactZeroUnknownNeedsNoRefinement) {
  GleichungsLoeser l;
  Rechenweg weg;
  l.SetzeRechenweg(&weg);
  ASSERT_EQ(systembau::Loese(l, AusTexten({"2+j4; 1+j1; 3", "4-j2; 1-j1; -2+j1"})), Geloest);
  for (const RechenSchritt& s : weg.schritte) {
    EXPECT_NE(s.art, Art::Verfeinerung);
    EXPECT_NE(s.art, Art::Nachgebessert);
  }
  EXPECT_EQ(RechenwegText(weg, General).find("nachgebessert"), std::string::npos);
  EXPECT_EQ(KomponentenText(l.Loesung()[0], General), "3+j1");
  EXPECT_EQ(l.Loesung()[1].Realteil, 0.0L);
  EXPECT_EQ(l.Loesung()[1].Imaginaerteil, 0.0L);
}

// The arithmetic leaves rounding residue where the elimination makes an
// entry zero or one; the record shows what the step makes of it.
TEST(Rechenweg, EntriesTheEliminationClearsAreShownAsZeroAndOne) {
  std::mt19937 zufall(23);
  const ZKMatrix system = Zufallssystem(3, 4, zufall);
  GleichungsLoeser l;
  Rechenweg weg;
  l.SetzeRechenweg(&weg);
  ASSERT_EQ(systembau::Loese(l, system), Geloest);
  bool rest = false;
  for (int r = 1; r <= 4; ++r) {
    for (int c = 1; c <= 4; ++c) {
      const ZKZahl& z = l.Arbeitswert(r, c);
      rest = rest || (r == c ? z.Realteil != 1.0L || z.Imaginaerteil != 0.0L : z != ZKZahl());
    }
  }
  EXPECT_TRUE(rest) << "the working matrix should hold residue for this test to mean anything";
  const RechenSchritt* letzter = nullptr;
  for (const RechenSchritt& s : weg.schritte) {
    if (s.art == Art::Stand) letzter = &s;
  }
  ASSERT_NE(letzter, nullptr);
  for (int r = 1; r <= 4; ++r) {
    for (int c = 1; c <= 4; ++c) {
      const ZKZahl& z = weg.Eintrag(*letzter, r, c);
      EXPECT_EQ(z.Realteil, r == c ? 1.0L : 0.0L) << r << ", " << c;
      EXPECT_EQ(z.Imaginaerteil, 0.0L) << r << ", " << c;
    }
  }
}

// A wide matrix in the HTML splits into blocks of columns, each with the
// row names; the right-hand side comes with the last block.
TEST(Rechenweg, HtmlSplitsWideMatricesIntoColumnBlocks) {
  GleichungsLoeser l;
  Rechenweg weg;
  l.SetzeRechenweg(&weg);
  ASSERT_EQ(systembau::Loese(l, AusTexten({"4; 2; 1; 1", "5; 1; 3; 1", "6; 1; 1; 4"})), Geloest);
  const std::string html = RechenwegHtml(weg, General, 2);
  const std::size_t erste = html.find("<pre");
  const std::size_t zweite = html.find("<pre", erste + 1);
  const std::size_t dritte = html.find("<pre", zweite + 1);
  ASSERT_NE(dritte, std::string::npos);
  const std::string block1 = html.substr(erste, zweite - erste);
  const std::string block2 = html.substr(zweite, dritte - zweite);
  for (const std::string& block : {block1, block2}) EXPECT_NE(block.find("Z3"), std::string::npos);
  EXPECT_NE(block1.find("X2"), std::string::npos);
  EXPECT_EQ(block1.find("X3"), std::string::npos);
  EXPECT_EQ(block1.find("rechte Seite"), std::string::npos);
  EXPECT_NE(block2.find("X3  | rechte Seite"), std::string::npos);
  // The same matrix whole when no block size is given.
  const std::string ganz = RechenwegHtml(weg, General);
  const std::size_t matrix = ganz.find("<pre");
  EXPECT_NE(ganz.substr(matrix, ganz.find("</pre>", matrix) - matrix).find("X3  | rechte Seite"),
            std::string::npos);
}

// One equation is one: "wie sie gelesen wurde".
TEST(Rechenweg, OneEquationIsSingular) {
  GleichungsLoeser l;
  Rechenweg weg;
  l.SetzeRechenweg(&weg);
  ASSERT_EQ(systembau::Loese(l, AusTexten({"5; 2"})), Geloest);
  EXPECT_NE(RechenwegText(weg, General).find("Aufgabe: 1 Gleichung, wie sie gelesen wurde\n"),
            std::string::npos);
}

struct Unloesbar {
  const char* name;
  std::vector<std::string> gleichungen;
  Abbruchgrund grund;
  const char* ueberschrift;
  const char* zeile;  // what the elimination shows, or ""
};

class RechenwegUnloesbar : public ::testing::TestWithParam<Unloesbar> {};

TEST_P(RechenwegUnloesbar, EndsWithItsReason) {
  GleichungsLoeser l;
  Rechenweg weg;
  l.SetzeRechenweg(&weg);
  EXPECT_NE(systembau::Loese(l, AusTexten(GetParam().gleichungen)), Geloest);
  EXPECT_FALSE(weg.geloest);
  ASSERT_FALSE(weg.schritte.empty());
  EXPECT_EQ(weg.schritte.front().art, Art::Gleichungen);
  EXPECT_EQ(weg.schritte.back().art, Art::Abbruch);
  EXPECT_EQ(weg.schritte.back().grund, GetParam().grund);
  const std::string text = RechenwegText(weg, General);
  EXPECT_NE(text.find(std::string("\n") + GetParam().ueberschrift + "\n  " +
                      AbbruchText(GetParam().grund) + ".\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(GetParam().zeile), std::string::npos);
  // Every column is finished once.
  for (int s = 1; s <= weg.n; ++s) {
    const std::string fertig = "Spalte " + std::to_string(s) + " ist fertig.";
    const std::size_t erste = text.find(fertig);
    if (erste != std::string::npos) {
      EXPECT_EQ(text.find(fertig, erste + 1), std::string::npos) << fertig;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Faelle, RechenwegUnloesbar,
                         ::testing::Values(Unloesbar{"ZeroColumn",
                                                     {"1; 1; 0", "2; 3; 0"},
                                                     Abbruchgrund::KeineAnordnung,
                                                     "Keine eindeutige Lösung",
                                                     ""},
                                           Unloesbar{"DependentRows",
                                                     {"1; 1; 2", "2; 2; 4"},
                                                     Abbruchgrund::UnendlichViele,
                                                     "Unendlich viele Lösungen",
                                                     "Zeile 2 lautet jetzt 0 = 0."},
                                           Unloesbar{"OneTwoThree",
                                                     {"1; 1; 2; 3", "2; 4; 5; 6", "3; 7; 8; 9"},
                                                     Abbruchgrund::UnendlichViele,
                                                     "Unendlich viele Lösungen",
                                                     "Zeile 3 lautet jetzt 0 = 0."},
                                           Unloesbar{"OneTwoThreeContradicted",
                                                     {"1; 1; 2; 3", "2; 4; 5; 6", "4; 7; 8; 9"},
                                                     Abbruchgrund::Widerspruch,
                                                     "Keine Lösung",
                                                     "Zeile 3 lautet jetzt 0 = 1."},
                                           // X2 never stands alone: column 2 has no pivot, column 3
                                           // has one further down, and what is left says 0 = 0.
                                           Unloesbar{"PivotOnlyInALaterColumn",
                                                     {"1; 1; 1; 1", "2; 1; 1; 2", "3; 1; 1; 3"},
                                                     Abbruchgrund::UnendlichViele,
                                                     "Unendlich viele Lösungen",
                                                     "Die übrigen Spalten, ebenso eliminiert"}),
                         [](const auto& fall) { return std::string(fall.param.name); });

// Without a record the solve is the same: same unknowns, same interventions.
TEST(Rechenweg, RecordingChangesNothingInTheSolve) {
  std::mt19937 zufall(4);
  const ZKMatrix system = Zufallssystem(3, 6, zufall);
  GleichungsLoeser mit, ohne;
  Rechenweg weg;
  mit.SetzeRechenweg(&weg);
  ASSERT_EQ(systembau::Loese(mit, system), Geloest);
  ASSERT_EQ(systembau::Loese(ohne, system), Geloest);
  for (int i = 1; i <= 6; ++i) EXPECT_TRUE(Gleich(mit.Arbeitswert(i, 0), ohne.Arbeitswert(i, 0)));
  EXPECT_EQ(mit.Eingriffe(), ohne.Eingriffe());
}

// In another language every sentence, heading and verdict is the
// translator's, with its numbers inside: a piece of German still glued on
// outside a translated text shows as two letters in a row outside «…».
TEST(Rechenweg, EverySentenceGoesThroughTheTranslatorWithItsArguments) {
  sprache::SetzeUebersetzer(
      [](const char*, const char* text) { return "«" + std::string(text) + "»"; });
  std::string alles;
  auto schreibe = [&alles](const ZKMatrix& system) {
    GleichungsLoeser l;
    Rechenweg weg;
    l.SetzeRechenweg(&weg);
    systembau::Loese(l, system);
    alles += RechenwegText(weg, General);
  };
  std::mt19937 zufall(4);
  schreibe(Zufallssystem(3, 6, zufall));
  schreibe(AusTexten({"5; 2"}));
  schreibe(AusTexten({"2; 7e-7; -5,4; 0; 0", "9; -3; 0; 0; 3e-17", "5; 7e-7; -5,4; -2; 6",
                      "8; 0; -1,1; 2e-17; 0"}));
  schreibe(AusTexten({"8; 3; -2; -5", "3; 3; 0; 1e-19", "6; 6; 8e-16; 9e-14"}));
  schreibe(AusTexten({"1; 1; 1; 1", "2; 1; 1; 2", "3; 1; 1; 3"}));
  schreibe(AusTexten({"1; 1; 2; 3", "2; 4; 5; 6", "4; 7; 8; 9"}));
  schreibe(AusTexten({"1; 1; 0", "2; 3; 0"}));
  sprache::SetzeUebersetzer(nullptr);

  std::string draussen;
  int tiefe = 0;
  for (std::size_t i = 0; i < alles.size(); ++i) {
    if (alles.compare(i, 2, "«") == 0) ++tiefe;
    if (alles.compare(i, 2, "»") == 0) --tiefe;
    draussen += tiefe == 0 ? alles[i] : ' ';
  }
  EXPECT_EQ(tiefe, 0);
  const auto buchstabe = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  for (std::size_t i = 1; i < draussen.size(); ++i)
    EXPECT_FALSE(buchstabe(draussen[i - 1]) && buchstabe(draussen[i]))
        << draussen.substr(draussen.rfind('\n', i) + 1, 60);
  for (const char* satz :
       {"«Zeile 1 und Zeile 2 getauscht («Zeile 2 hat den betragsgrößten Pivot der Spalte»).»",
        "«Aufgabe: 1 Gleichung, wie sie gelesen wurde»", "«Zeile 3 lautet jetzt 0 = 1.»", "«Z3»",
        "«Keine Lösung»\n  «Eine Spalte hat keinen Pivot"})
    EXPECT_NE(alles.find(satz), std::string::npos) << satz;
}

}  // namespace
