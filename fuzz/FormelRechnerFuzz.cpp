// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte text through Uebersetzen and Auswerten: no crash, no overrun, a
// status of 0, 1 or 2, and a repeated evaluation that gives the same value
// and the same error. Row 20 has no readable value, so formulas naming K20
// or G20 reach the evaluation error; the corpus seeds the textbook forms
// (||, ^, functions, pi and the angle sign's byte). An odd first byte
// allows the frequency (f, omega and its byte), as the locus page does, and
// evaluates at a second frequency too.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "formula/FormelRechner.h"

namespace {

ZKSpeicher BeispielSpeicher(bool kehrwert) {
  ZKSpeicher s{};
  for (std::size_t nr = 1; nr <= 20; ++nr) {
    s[nr].SetzePolar(static_cast<long double>(nr), 17.0L * static_cast<long double>(nr));
    if (kehrwert) s[nr] = 1.0L / s[nr];
  }
  s[20] = ZKZahl();
  s.unlesbar[20] = !kehrwert;
  return s;
}

bool Gleich(long double a, long double b) {
  return a == b || (a != a && b != b);  // not-a-number equals itself here
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  static const ZKSpeicher k = BeispielSpeicher(false);
  static const ZKSpeicher g = BeispielSpeicher(true);
  static FormelRechner rechner(k, g);

  const bool frequenz = groesse > 0 && (daten[0] & 1) != 0;
  rechner.ErlaubeFrequenz(frequenz);
  rechner.SetzeFrequenz(50.0L);
  // Longer than the formula field allows, so the length check is reached too.
  char text[1024];
  if (groesse >= sizeof text) return 0;
  std::memcpy(text, daten, groesse);
  text[groesse] = '\0';

  const int status = rechner.Uebersetzen(text);
  if (status < 0 || status > 2 || status != rechner.Status()) std::abort();
  if (std::strlen(rechner.Symbolfolge()) >= 1000) std::abort();
  if (status != 0) return 0;
  const ZKZahl a = rechner.Auswerten();
  const Rechenfehler fehler = rechner.Fehler();
  const ZKZahl b = rechner.Auswerten();
  if (!Gleich(a.Realteil, b.Realteil) || !Gleich(a.Imaginaerteil, b.Imaginaerteil)) std::abort();
  if (fehler.art != rechner.Fehler().art) std::abort();
  // What computes nothing shows nothing.
  if (fehler.art != Rechenfehler::Art::Keiner && (a != ZKZahl{})) std::abort();
  if (!frequenz && rechner.NutztFrequenz()) std::abort();
  if (frequenz) {
    rechner.SetzeFrequenz(0.0L);
    const ZKZahl c = rechner.Auswerten();
    if (rechner.Fehler().art != Rechenfehler::Art::Keiner && (c != ZKZahl{})) std::abort();
    if (!rechner.NutztFrequenz() &&
        (!Gleich(a.Realteil, c.Realteil) || !Gleich(a.Imaginaerteil, c.Imaginaerteil)))
      std::abort();
  }
  return 0;
}
