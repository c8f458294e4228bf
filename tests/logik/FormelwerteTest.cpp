// SPDX-License-Identifier: GPL-3.0-or-later
// The values behind a memory row's text and the formula's parts: in the
// formula they move with their text or go with it.
#include <gtest/gtest.h>

#include "complex/ZKText.h"
#include "logik/Formelwerte.h"
#include "logik/Speicher.h"

namespace {

ZKZahl Zahl(long double re, long double im) {
  ZKZahl z;
  z.SetzeKartesisch(re, im);
  return z;
}

// The memory row takes a value given beside its text, not the text's digits.
TEST(Formelwerte, AMemoryRowTakesTheValueBehindItsText) {
  ZKSpeicher k{}, g{};
  const ZKZahl x = Zahl(2, 1);
  const std::string text = ExponentialText(x, General);
  EXPECT_EQ(SpeicherZeileBerechnen(text, General, k, g, 4, x), ExponentialText(1.0L / x, General));
  EXPECT_EQ(k[4].Realteil, 2.0L);
  SpeicherZeileBerechnen(text, General, k, g, 4);
  EXPECT_NE(k[4].Realteil, 2.0L);
}

struct Einfuegung {
  const char* name;
  std::size_t stelle, ersetzt, laenge;
  std::vector<std::size_t> anfaenge;  // of the parts afterwards
};

class FormelTeile : public ::testing::TestWithParam<Einfuegung> {};

// "2*e^j1+3*e^j2": two pasted parts, at 0 (6 long) and at 7 (6 long).
TEST_P(FormelTeile, MoveWithTheirTextOrGoWithIt) {
  const Einfuegung& e = GetParam();
  const std::string alt = "2*e^j1+3*e^j2";
  Formelwerte f;
  f.Setze(alt, {{0, 6, Zahl(1, 1)}, {7, 6, Zahl(2, 2)}});
  std::string neu = alt;
  neu.replace(e.stelle, e.ersetzt, std::string(e.laenge, 'x'));
  f.Geaendert();
  EXPECT_TRUE(f.Fuer(alt).empty());  // an edit makes them go
  f.Eingefuegt(neu, e.stelle, e.ersetzt, e.laenge, std::nullopt);
  std::vector<std::size_t> anfaenge;
  for (const Festwert& t : f.Fuer(neu)) anfaenge.push_back(t.anfang);
  EXPECT_EQ(anfaenge, e.anfaenge);
  EXPECT_TRUE(f.Fuer(alt).empty());
}

INSTANTIATE_TEST_SUITE_P(Formelwerte, FormelTeile,
                         ::testing::Values(Einfuegung{"AtTheEnd", 13, 0, 2, {0, 7}},
                                           Einfuegung{"BetweenThem", 6, 1, 3, {0, 9}},
                                           Einfuegung{"InsideTheFirst", 3, 0, 1, {8}},
                                           Einfuegung{"OverTheSecond", 10, 3, 1, {0}},
                                           Einfuegung{"AtTheStart", 0, 0, 4, {4, 11}}),
                         [](const auto& i) { return std::string(i.param.name); });

TEST(Formelwerte, APasteAddsItsValueAndAnEditThatIsNoInsertionDropsAll) {
  Formelwerte f;
  f.Geaendert();
  f.Eingefuegt("K1*j2", 3, 0, 2, Zahl(0, 2));
  ASSERT_EQ(f.Fuer("K1*j2").size(), 1u);
  EXPECT_EQ(f.Fuer("K1*j2")[0].anfang, 3u);
  // A change without an insertion after it (typing, setting the text).
  f.Geaendert();
  f.Geaendert();
  f.Eingefuegt("K1*j2+", 5, 0, 1, std::nullopt);
  EXPECT_TRUE(f.Fuer("K1*j2+").empty());
}

}  // namespace
