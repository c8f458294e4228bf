// SPDX-License-Identifier: GPL-3.0-or-later
#include "Speicher.h"

#include <limits>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"

namespace {

bool IstZeile(int n) {
  return n >= 1 && n <= 20;
}

}  // namespace

bool SpeicherZelleLeer(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

void SpeicherZeileLeeren(ZKSpeicher& k, ZKSpeicher& g, int n) {
  if (!IstZeile(n)) return;
  const auto i = static_cast<std::size_t>(n);
  k[i] = ZKZahl();
  g[i] = ZKZahl();
  k.unlesbar[i] = false;
  g.unlesbar[i] = false;
}

std::string SpeicherZeileBerechnen(std::string_view text, int zahlenFormat, ZKSpeicher& eigen,
                                   ZKSpeicher& anderer, int n, const std::optional<ZKZahl>& voll) {
  if (!IstZeile(n)) return {};
  SpeicherZeileLeeren(eigen, anderer, n);
  if (SpeicherZelleLeer(text)) return {};
  const auto i = static_cast<std::size_t>(n);
  ZKZahl wert;
  if (voll) {
    wert = *voll;
  } else if (LiesZKZahl(text, wert, kSpeicherPuffer) == ZKForm::Keine) {
    eigen.unlesbar[i] = true;
    return {};
  }
  eigen[i] = wert;
  if (wert != ZKZahl()) {
    anderer[i] = 1.0L / wert;
    return ExponentialText(anderer[i], zahlenFormat);
  }
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  anderer[i].SetzePolar(nan, nan);
  return "ERROR";
}
