// SPDX-License-Identifier: GPL-3.0-or-later
#include "Umrechnung.h"

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"

bool WandleForm(std::string_view text, int zahlenFormat, std::string& ergebnis, ZKZahl* wert) {
  ZKZahl z;
  const ZKForm form = LiesZKZahl(text, z);
  if (form == ZKForm::Keine) return false;
  ergebnis = (form == ZKForm::Exponential) ? KomponentenText(z, zahlenFormat)
                                           : ExponentialText(z, zahlenFormat);
  if (wert) *wert = z;
  return true;
}

bool BildeKehrwert(std::string_view text, int zahlenFormat, std::string& ergebnis, ZKZahl* wert) {
  ZKZahl z;
  const ZKForm form = LiesZKZahl(text, z);
  if (form == ZKForm::Keine) return false;
  if (z != ZKZahl()) z = 1.0L / z;
  ergebnis = (form == ZKForm::Exponential) ? ExponentialText(z, zahlenFormat)
                                           : KomponentenText(z, zahlenFormat);
  if (wert) *wert = z;
  return true;
}
