// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit the circuit and locus benchmarks measure.
#ifndef QUORVEL_BENCH_LEITER_H
#define QUORVEL_BENCH_LEITER_H

#include <string>

// A ladder of `knoten` nodes: series R and L, shunt C and R to ground, a
// cross link every fourth node, one voltage source at the start and (for
// the 20-node case) a current source in the middle; the 90-node case has
// one source and no cross links (89 loops).
inline std::string Leiter(int knoten, bool mitStromquelle) {
  std::string t =
      "f = 50 Hz\nU1 1 0 230\xE2\x88\xA0"
      "0\xC2\xB0\n";
  auto k = [](int n) { return std::to_string(n); };
  for (int n = 1; n < knoten; ++n) {
    t += (n % 2 ? "R" : "L") + k(n) + " " + k(n) + " " + k(n + 1) + (n % 2 ? " 4,7k\n" : " 33m\n");
    t +=
        (n % 3 ? "C" : "Rq") + k(n) + " " + k(n + 1) + " 0" + (n % 3 ? " 2,2\xC2\xB5\n" : " 10k\n");
    if (mitStromquelle && n % 4 == 0 && n + 3 <= knoten)
      t += "Z" + k(n) + " " + k(n) + " " + k(n + 3) + " 1k+j300\n";
  }
  if (mitStromquelle) t += "I1 0 " + k(knoten / 2) + " 10m\xE2\x88\xA0-30\xC2\xB0\n";
  return t;
}

#endif
