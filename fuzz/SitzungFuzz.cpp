// SPDX-License-Identifier: GPL-3.0-or-later
// The recovery copy's reader on arbitrary bytes: it must never crash, and a
// copy it accepts must be written and read back to the same work.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "datei/Sitzungsdatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Sitzungsstand stand;
  QString grund;
  if (!LiesSitzung(std::string_view(reinterpret_cast<const char*>(data), size), stand, grund))
    return 0;
  QByteArray geschrieben;
  if (!SchreibeSitzung(stand, geschrieben, grund)) std::abort();
  Sitzungsstand wieder;
  if (!LiesSitzung(std::string_view(geschrieben.constData(), std::size_t(geschrieben.size())),
                   wieder, grund) ||
      !(wieder.aufgabe == stand.aufgabe) || wieder.seite != stand.seite ||
      wieder.pfad != stand.pfad)
    std::abort();
  return 0;
}
