// SPDX-License-Identifier: GPL-3.0-or-later
#include "Formelwerte.h"

#include <utility>

void Formelwerte::Geaendert() {
  vorherText_ = std::move(text_);
  vorher_ = std::move(teile_);
  text_.clear();
  teile_.clear();
}

void Formelwerte::Eingefuegt(std::string_view text, std::size_t stelle, std::size_t ersetzt,
                             std::size_t laenge, const std::optional<ZKZahl>& wert) {
  std::vector<Festwert> teile;
  // Only an insertion that turns the remembered text into this one.
  if (stelle + ersetzt <= vorherText_.size() &&
      vorherText_.size() - ersetzt + laenge == text.size()) {
    for (Festwert f : vorher_) {
      const std::size_t ende = f.anfang + f.laenge;
      if (ende <= stelle) {
        teile.push_back(f);
      } else if (f.anfang >= stelle + ersetzt) {
        f.anfang = f.anfang - ersetzt + laenge;
        teile.push_back(f);
      }
    }
  }
  if (wert && laenge > 0) teile.push_back({stelle, laenge, *wert});
  vorherText_.clear();
  vorher_.clear();
  text_ = text;
  teile_ = std::move(teile);
}

std::vector<Festwert> Formelwerte::Fuer(std::string_view text) const {
  return text == text_ ? teile_ : std::vector<Festwert>{};
}

void Formelwerte::Setze(std::string text, std::vector<Festwert> teile) {
  text_ = std::move(text);
  teile_ = std::move(teile);
  vorherText_.clear();
  vorher_.clear();
}
