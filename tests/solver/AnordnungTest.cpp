// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "SystemBau.h"
#include "solver/GleichungsLoeser.h"

namespace {

using systembau::Polar;

// Non-zero entries get unrelated complex values, so that a system is regular
// exactly when its zero pattern allows an arrangement.
ZKMatrix AusMuster(const std::vector<std::string>& muster, std::mt19937& zufall) {
  const int n = static_cast<int>(muster.size());
  std::uniform_real_distribution<double> betrag(1.0, 10.0);
  std::uniform_real_distribution<double> winkel(-180.0, 180.0);
  ZKMatrix m(n + 1, n + 1);
  for (int r = 1; r <= n; ++r) {
    m[r][0] = Polar(betrag(zufall), winkel(zufall));
    for (int c = 1; c <= n; ++c) {
      if (muster[r - 1][c - 1] == '1') m[r][c] = Polar(betrag(zufall), winkel(zufall));
    }
  }
  return m;
}

struct MusterFall {
  const char* name;
  std::vector<std::string> muster;
  std::vector<int> zeilenfolge;
};

// Names the row in test listings instead of dumping its bytes.
void PrintTo(const MusterFall& f, std::ostream* os) {
  *os << f.name;
}

class Anordnung : public ::testing::TestWithParam<MusterFall> {};

TEST_P(Anordnung, FindsTheExpectedRowForEachPosition) {
  const auto& f = GetParam();
  std::mt19937 zufall(7);
  GleichungsLoeser l;
  ASSERT_EQ(systembau::Loese(l, AusMuster(f.muster, zufall)), Geloest);
  for (int i = 1; i <= static_cast<int>(f.zeilenfolge.size()); ++i) {
    EXPECT_EQ(l.Zeilenfolge(i), f.zeilenfolge[i - 1]) << "position " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Muster, Anordnung,
    ::testing::Values(
        MusterFall{"single_equation", {"1"}, {1}},
        MusterFall{"full_pattern_keeps_the_given_order", {"111", "111", "111"}, {1, 2, 3}},
        MusterFall{"leading_zero_coefficient", {"01", "11"}, {2, 1}},
        // The first attempt leaves position 3 empty; the second succeeds.
        MusterFall{"second_top_level_attempt", {"110", "100", "011"}, {2, 1, 3}},
        MusterFall{"cyclic_pattern", {"010", "001", "100"}, {3, 1, 2}},
        // Every greedy attempt fails here although an arrangement exists.
        MusterFall{"missed_by_greedy_search", {"111", "110", "100"}, {3, 2, 1}},
        // Eight arrangements exist and the greedy search finds none; the
        // fallback takes the one with the lowest rows first.
        MusterFall{"fallback_prefers_lower_rows", {"1111", "1111", "1110", "1100"}, {1, 4, 3, 2}}),
    [](const auto& fall) { return std::string(fall.param.name); });

// Every 4x4 zero pattern: solved exactly when some arrangement exists, and
// then with a valid one. One solver serves all, so no search state may leak
// from one system into the next.
TEST(AnordnungVollstaendig, EveryFourByFourPatternWithAnArrangementIsSolved) {
  constexpr int n = 4;
  std::mt19937 zufall(11);
  GleichungsLoeser l;
  for (int bits = 0; bits < (1 << (n * n)); ++bits) {
    std::vector<std::string> muster(n, std::string(n, '0'));
    for (int r = 0; r < n; ++r) {
      for (int c = 0; c < n; ++c) muster[r][c] = ((bits >> (r * n + c)) & 1) ? '1' : '0';
    }
    std::vector<int> perm(n);
    std::iota(perm.begin(), perm.end(), 0);
    bool existiert = false;
    do {
      existiert = true;
      for (int i = 0; i < n; ++i) existiert = existiert && muster[perm[i]][i] == '1';
    } while (!existiert && std::next_permutation(perm.begin(), perm.end()));

    const LoeseStatus status = systembau::Loese(l, AusMuster(muster, zufall));
    ASSERT_EQ(status, existiert ? Geloest : KeineEindeutigeLoesung) << "pattern " << bits;
    if (status != Geloest) continue;
    std::vector<bool> vergeben(n + 1, false);
    for (int i = 1; i <= n; ++i) {
      const int k = l.Zeilenfolge(i);
      ASSERT_TRUE(k >= 1 && k <= n && !vergeben[k]) << "pattern " << bits;
      vergeben[k] = true;
      ASSERT_EQ(muster[k - 1][i - 1], '1') << "pattern " << bits << " position " << i;
    }
  }
}

}  // namespace
