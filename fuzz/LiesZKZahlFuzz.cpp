// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte text through the reading sequence: no crash, no overrun, and an
// accepted text gives a value whose written form reads back again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
  ZKZahl z;
  if (LiesZKZahl(text, z, kSpeicherPuffer) != ZKForm::Keine) {
    ZKZahl y;
    if (LiesZKZahl(text, y) == ZKForm::Keine) std::abort();  // larger buffer must accept too
  }
  if (LiesZKZahl(text, z) == ZKForm::Keine || !z.IstEndlich()) return 0;
  for (int format = 0; format < 2; ++format) {
    for (const auto& t : {KomponentenText(z, format), ExponentialText(z, format)}) {
      ZKZahl zurueck;
      if (!t.empty() && LiesZKZahl(t, zurueck) == ZKForm::Keine) std::abort();
    }
  }
  return 0;
}
