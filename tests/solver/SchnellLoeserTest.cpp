// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <vector>

#include "solver/SchnellLoeser.h"

namespace {

using Komplex = SchnellLoeser::Komplex;

// A zero where the first pivot would be, a known solution; the error
// estimates hold and are small. A singular matrix does not factor.
TEST(SchnellLoeser, PivotsSolvesAndRefusesSingular) {
  const Komplex j(0, 1);
  const std::vector<Komplex> a = {0, 1, 2, 1, 0, j, 2, 1, 0};
  const std::vector<Komplex> soll = {1, j, -1};
  SchnellLoeser l(3);
  std::copy(a.begin(), a.end(), l.Matrix().begin());
  ASSERT_TRUE(l.Zerlege());
  std::vector<Komplex> b(3), x(3);
  for (std::size_t r = 0; r < 3; ++r)
    for (std::size_t c = 0; c < 3; ++c) b[r] += a[r * 3 + c] * soll[c];
  l.Loese(b, x);
  for (int i = 0; i < 3; ++i) {
    const auto u = static_cast<std::size_t>(i);
    EXPECT_LE(std::abs(x[u] - soll[u]), l.Fehler(i)) << i;
    EXPECT_LE(l.Fehler(i), 1e-18L) << i;
  }

  SchnellLoeser s(2);
  const std::vector<Komplex> singulaer = {1, 2, 2, 4};
  std::copy(singulaer.begin(), singulaer.end(), s.Matrix().begin());
  EXPECT_FALSE(s.Zerlege());
}

}  // namespace
