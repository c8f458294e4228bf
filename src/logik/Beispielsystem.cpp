// SPDX-License-Identifier: GPL-3.0-or-later
#include "Beispielsystem.h"

#include <random>

namespace {

// rand()-like draws: 31 bits of a seeded mt19937.
class Zufall {
 public:
  explicit Zufall(std::uint32_t samen) : gen_(samen) {}
  int operator()() { return static_cast<int>(gen_() & 0x7fffffffU); }
  // An integer magnitude 11..99.
  int Betrag() {
    int b;
    do b = (*this)() % 100;
    while (b <= 10);
    return b;
  }

 private:
  std::mt19937 gen_;
};

}  // namespace

void ZieheBeispielsystem(std::uint32_t samen, int stufe, int n, std::array<ZKZahl, 25>& x,
                         ZKMatrix& m) {
  Zufall zufall(samen);
  for (int i = 1; i <= n; ++i) {
    const int b = zufall.Betrag();
    int a = zufall() % 90;
    if (stufe == 1) a = 0;
    if (zufall() % 3 == 0) a = -a;
    x[i].SetzePolar(b, a);
  }
  for (int s = 0; s < n; ++s) {
    m[s][0].SetzePolar(0, 0);
    for (int k = 1; k <= n; ++k) {
      const int b = zufall.Betrag();
      int a = zufall() % 90;
      if (stufe <= 2) a = 0;
      m[s][k].SetzePolar(b, a);
      m[s][0] += m[s][k] * x[k];
    }
  }
}
