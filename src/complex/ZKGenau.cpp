// SPDX-License-Identifier: GPL-3.0-or-later
#include "ZKGenau.h"

#include <locale.h>
#include <stdlib.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <limits>

namespace {

// One significant digit before the point and twenty after it.
constexpr int kNachkommastellen = 20;

locale_t CLocale() {
  static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return c;
}

// strtold, not from_chars: from_chars refuses the subnormal values, which
// the writer can produce. Only digits, point, exponent and signs reach it,
// so no "inf", "nan", hexadecimal or blank is taken.
bool Teil(std::string_view text, long double& wert) {
  constexpr std::size_t kMaxLaenge = 40;
  if (text.empty() || text.size() > kMaxLaenge ||
      text.find_first_not_of("0123456789.eE+-") != std::string_view::npos)
    return false;
  char kopie[kMaxLaenge + 1];
  text.copy(kopie, text.size());
  kopie[text.size()] = '\0';
  char* ende = nullptr;
  errno = 0;
  const long double x = strtold_l(kopie, &ende, CLocale());
  if (ende != kopie + text.size() || !std::isfinite(x)) return false;
  // A range error is an overflow, an underflow to zero, or a subnormal
  // result; only the last is a value.
  if (errno == ERANGE && (x == 0.0L || std::fabs(x) >= std::numeric_limits<long double>::min()))
    return false;
  wert = x;
  return true;
}

}  // namespace

std::string GenauerText(const ZKZahl& z) {
  if (!std::isfinite(z.Realteil) || !std::isfinite(z.Imaginaerteil)) return {};
  char puffer[80];
  char* p = puffer;
  char* const ende = puffer + sizeof puffer;
  p = std::to_chars(p, ende, z.Realteil, std::chars_format::scientific, kNachkommastellen).ptr;
  *p++ = ' ';
  p = std::to_chars(p, ende, z.Imaginaerteil, std::chars_format::scientific, kNachkommastellen).ptr;
  return std::string(puffer, p);
}

bool LiesGenauenText(std::string_view text, ZKZahl& z) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string_view::npos) return false;
  long double re = 0.0L, im = 0.0L;
  if (!Teil(text.substr(0, blank), re) || !Teil(text.substr(blank + 1), im)) return false;
  z.SetzeKartesisch(re, im);
  return true;
}
