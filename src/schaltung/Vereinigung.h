// SPDX-License-Identifier: GPL-3.0-or-later
// Disjoint sets of nodes (union-find), for the reader's checks of what is
// connected and for the mesh method's tree.
#ifndef QUORVEL_SCHALTUNG_VEREINIGUNG_H
#define QUORVEL_SCHALTUNG_VEREINIGUNG_H

#include <numeric>
#include <vector>

class Vereinigung {
 public:
  explicit Vereinigung(std::size_t n) : eltern_(n) { std::iota(eltern_.begin(), eltern_.end(), 0); }
  int Wurzel(int k) {
    while (eltern_[static_cast<std::size_t>(k)] != k) {
      const int e = eltern_[static_cast<std::size_t>(k)];
      eltern_[static_cast<std::size_t>(k)] = eltern_[static_cast<std::size_t>(e)];
      k = e;
    }
    return k;
  }
  // False when a and b were joined already.
  bool Vereinige(int a, int b) {
    a = Wurzel(a);
    b = Wurzel(b);
    if (a == b) return false;
    eltern_[static_cast<std::size_t>(a)] = b;
    return true;
  }

 private:
  std::vector<int> eltern_;
};

#endif
