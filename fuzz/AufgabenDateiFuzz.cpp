// SPDX-License-Identifier: GPL-3.0-or-later
// The task file reader on arbitrary bytes: it must never crash, and a file it
// accepts must be written and read back to the same task.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "datei/AufgabenDatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const aufgabe::Leseergebnis e = aufgabe::LiesAufgabe(bytes);
  (void)aufgabe::Lesemeldung(e, "datei.quorvel");
  if (e.fehler != aufgabe::Lesefehler::Keiner) return 0;
  std::string geschrieben, fehler;
  if (!aufgabe::SchreibeAufgabe(e.aufgabe, geschrieben, fehler)) std::abort();
  const aufgabe::Leseergebnis wieder = aufgabe::LiesAufgabe(geschrieben);
  if (wieder.fehler != aufgabe::Lesefehler::Keiner || !(wieder.aufgabe == e.aufgabe)) std::abort();
  return 0;
}
