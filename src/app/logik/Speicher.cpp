#include "Speicher.h"

#include <limits>

#include "ZKLesen.h"
#include "ZKText.h"

bool SpeicherZelleLeer(std::string_view text) {
  return text.find_first_not_of(' ') == std::string_view::npos;
}

std::string SpeicherZeileBerechnen(std::string_view text, int zahlenFormat, ZKZahl& eigen,
                                   ZKZahl& anderer) {
  if (SpeicherZelleLeer(text)) {
    eigen = ZKZahl();
    anderer = ZKZahl();
    return {};
  }
  ZKZahl wert;
  if (LiesZKZahl(text, wert, kSpeicherPuffer) == ZKForm::Keine) return {};
  eigen = wert;
  if (wert != ZKZahl()) {
    anderer = 1.0L / wert;
    return ExponentialText(anderer, zahlenFormat);
  }
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  anderer.SetzePolar(nan, nan);
  return "ERROR";
}
