// SPDX-License-Identifier: GPL-3.0-or-later
#include "sprache/Uebersetzung.h"

#include <atomic>

namespace sprache {

namespace {
std::atomic<Uebersetzer> gUebersetzer{nullptr};
}

void SetzeUebersetzer(Uebersetzer uebersetzer) {
  gUebersetzer.store(uebersetzer);
}

std::string Tr(const char* kontext, const char* text) {
  const Uebersetzer u = gUebersetzer.load();
  return u ? u(kontext, text) : std::string(text);
}

std::string Fuelle(std::string_view vorlage, std::initializer_list<std::string_view> argumente) {
  std::string ergebnis;
  ergebnis.reserve(vorlage.size() + 16 * argumente.size());
  for (std::size_t i = 0; i < vorlage.size(); ++i) {
    if (vorlage[i] == '%' && i + 1 < vorlage.size() && vorlage[i + 1] >= '1' &&
        vorlage[i + 1] <= '9') {
      const auto n = static_cast<std::size_t>(vorlage[i + 1] - '1');
      if (n < argumente.size()) {
        ergebnis += *(argumente.begin() + n);
        ++i;
        continue;
      }
    }
    ergebnis += vorlage[i];
  }
  return ergebnis;
}

}  // namespace sprache
