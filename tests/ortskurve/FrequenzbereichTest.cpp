// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "ortskurve/Frequenzbereich.h"

namespace {

struct BereichFall {
  const char* name;
  const char *von, *bis, *punkte;
  bool log;
  const char* meldung;  // empty: the range reads
};

class Bereich : public ::testing::TestWithParam<BereichFall> {};

TEST_P(Bereich, ReadsOrSaysWhyNot) {
  const BereichFall& f = GetParam();
  const Bereichslesung l = LiesBereich(f.von, f.bis, f.punkte, f.log);
  EXPECT_EQ(l.meldung, f.meldung);
  EXPECT_EQ(l.bereich.has_value(), std::string(f.meldung).empty());
}

INSTANTIATE_TEST_SUITE_P(
    Felder, Bereich,
    ::testing::Values(
        BereichFall{"prefixes_units_commas", " 1,5 ", "2 MHz", "1000", true, ""},
        BereichFall{"linear_from_zero", "0", "1k", "2", false, ""},
        BereichFall{"empty_start", "", "1k", "10", true, "Bitte die Startfrequenz eingeben."},
        BereichFall{"unreadable", "1", "zwei", "10", true,
                    "„zwei“ ist keine Frequenz (z. B. 50, 1,5k oder 2 MHz)."},
        BereichFall{"wrong_unit", "1 F", "10", "10", true,
                    "„1 F“ ist keine Frequenz (z. B. 50, 1,5k oder 2 MHz)."},
        BereichFall{"complex", "1+j", "10", "10", true,
                    "„1+j“ ist keine Frequenz (z. B. 50, 1,5k oder 2 MHz)."},
        BereichFall{"negative", "-1", "10", "10", false, "Eine Frequenz ist nicht negativ: „-1“."},
        BereichFall{"beyond_limits", "1", "2E15", "10", true,
                    "Frequenzen sind 0 oder liegen zwischen 1E-15 Hz und 1E15 Hz."},
        BereichFall{"descending", "1k", "10", "10", true,
                    "Die Endfrequenz muss größer als die Startfrequenz sein."},
        BereichFall{"log_from_zero", "0", "10", "10", true,
                    "Logarithmische Schritte brauchen eine Startfrequenz über 0."},
        BereichFall{"too_many_points", "1", "10", "10001", true,
                    "Die Zahl der Punkte muss zwischen 2 und 10000 liegen."},
        BereichFall{"one_point", "1", "10", "1", true,
                    "Die Zahl der Punkte muss zwischen 2 und 10000 liegen."},
        BereichFall{"broken_count", "1", "10", "12,5", true,
                    "Die Zahl der Punkte muss eine ganze Zahl zwischen 2 und 10000 sein."}),
    [](const auto& fall) { return std::string(fall.param.name); });

TEST(Frequenzen, EndsExactStepsEqualOrByEqualRatios) {
  const std::vector<long double> log = Frequenzen({1.5L, 2e6L, true, 1000});
  ASSERT_EQ(log.size(), 1000u);
  EXPECT_EQ(log.front(), 1.5L);
  EXPECT_EQ(log.back(), 2e6L);
  const long double q = log[1] / log[0];
  for (std::size_t k = 1; k < log.size(); ++k)
    EXPECT_NEAR(static_cast<double>(log[k] / log[k - 1] / q), 1.0, 1e-15) << k;

  const std::vector<long double> lin = Frequenzen({0, 1000, false, 11});
  for (std::size_t k = 0; k < lin.size(); ++k) EXPECT_EQ(lin[k], 100.0L * k);
  EXPECT_TRUE(Frequenzen({10, 1, true, 10}).empty());
}

TEST(Marken, DecadesAreTheNumbersTheReaderGives) {
  const std::vector<long double> d = Dekadenmarken({0.05L, 2e3L, true, 100});
  ASSERT_EQ(d.size(), 5u);  // 0,1 1 10 100 1000
  for (std::size_t k = 0; k < d.size(); ++k) {
    const std::string text = "1e" + std::to_string(static_cast<int>(k) - 1);
    EXPECT_EQ(d[k], std::strtold(text.c_str(), nullptr)) << text;
  }
  // From 0 the first decade is the one at or above the second point.
  EXPECT_EQ(Dekadenmarken({0, 1000, false, 101}), (std::vector<long double>{10, 100, 1000}));
}

TEST(Marken, ChosenOnesSortedInsideTheRange) {
  const Frequenzbereich b{10, 10000, true, 100};
  const Markenlesung l = LiesMarken(" 1k; 50;;50 Hz ; 2,5k", b);
  ASSERT_TRUE(l.marken) << l.meldung;
  EXPECT_EQ(*l.marken, (std::vector<long double>{50, 1000, 2500}));
  EXPECT_EQ(LiesMarken("50; 20k", b).meldung,
            "Die Bezifferung 20 kHz liegt außerhalb des Bereichs 10 Hz bis 10 kHz.");
  // A blank drops out of a number ("1, 5" would be 1,5): a comma before
  // one is taken for a list someone separated the wrong way.
  EXPECT_EQ(LiesMarken("50, 60", b).meldung,
            "„50, 60“: Bezifferungen werden mit Semikolon getrennt (50; 100; 1,5k).");
  EXPECT_TRUE(LiesMarken("", b).marken->empty());
}

TEST(Marken, FrequencyTextTakesThePrefixThatFits) {
  EXPECT_EQ(FrequenzText(50), "50 Hz");
  EXPECT_EQ(FrequenzText(1500), "1,5 kHz");
  EXPECT_EQ(FrequenzText(0.1L), "100 mHz");
  EXPECT_EQ(FrequenzText(2.2e-6L), "2,2 \u00b5Hz");
  EXPECT_EQ(FrequenzText(0), "0 Hz");
  // Rounded to ten digits it is the next prefix's 1.
  EXPECT_EQ(FrequenzText(999.99999999999L), "1 kHz");
  EXPECT_EQ(FrequenzText(1e15L), "1000 THz");
}

}  // namespace
