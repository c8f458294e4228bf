// SPDX-License-Identifier: GPL-3.0-or-later
#include "Winkelwerte.h"

#include <cmath>
#include <cstring>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "complex/ZKZahl.h"

namespace {

constexpr double kNull = 1e-9;  // below this a sine, cosine or tangent shows as "0.0"
constexpr double kPol = 1e9;    // above this a tangent or cotangent shows "Error"

std::string Text(double x) {
  return General10(x);
}

std::string NullOderText(double x) {
  return std::fabs(x) < kNull ? "0.0" : Text(x);
}

// Tangent and cotangent: "Error" at their poles, "0.0" at their zeros.
std::string PolOderText(double x) {
  if (!(std::fabs(x) <= kPol)) return "Error";
  return NullOderText(x);
}

}  // namespace

void BerechneWinkelwerte(int k, std::array<double, kWinkelZeilen>& v) {
  const long double pi = ZK_Pi();
  const long double gradNachRad = pi * (1.0L / 180.0L);
  const long double radNachGrad = 180.0L / pi;
  double r = 0.0;
  // A typed angle in degrees or gon is reduced exactly in its own unit: in
  // radians, 1e8 degrees would already have lost digits to the rounding of r.
  bool reduziert = false;
  long double sinus = 0.0L;
  long double kosinus = 0.0L;
  switch (k) {
    case Grad:
      r = static_cast<double>(v[Grad] * gradNachRad);
      SinusKosinusGrad(v[Grad], sinus, kosinus);
      reduziert = true;
      break;
    case Rad:
      r = v[Rad];
      break;
    case Sinus:
      r = std::asin(v[Sinus]);
      break;
    case Kosinus:
      r = std::acos(v[Kosinus]);
      break;
    case Tangens:
      r = std::atan(v[Tangens]);
      break;
    case Kotangens:
      // A cotangent of 0 is the angle 90 degrees.
      r = v[Kotangens] == 0.0 ? static_cast<double>(pi / 2.0L) : std::atan(1.0 / v[Kotangens]);
      break;
    case Gon:
      r = static_cast<double>(0.005L * v[Gon] * pi);
      SinusKosinusGon(v[Gon], sinus, kosinus);
      reduziert = true;
      break;
    default:
      return;
  }
  const double d = (k == Grad) ? v[Grad] : static_cast<double>(r * radNachGrad);
  if (k != Grad) v[Grad] = d;
  if (k != Rad) v[Rad] = r;
  // At 90 degrees the reduced cosine is an exact zero and the tangent
  // infinite: both show as the pole they are.
  const double t = reduziert ? static_cast<double>(sinus / kosinus) : std::tan(r);
  if (k != Sinus) v[Sinus] = reduziert ? static_cast<double>(sinus) : std::sin(r);
  if (k != Kosinus) v[Kosinus] = reduziert ? static_cast<double>(kosinus) : std::cos(r);
  if (k != Tangens) v[Tangens] = t;
  if (k != Kotangens) v[Kotangens] = (t == 0.0) ? HUGE_VAL : 1.0 / t;
  if (k != Gon) v[Gon] = d * (1.0 / 360.0) * 400.0;
}

bool LiesWinkelZahl(std::string_view text, double& wert) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  char arbeit[kZellPuffer];
  if (text.empty() || text.size() + 1 > sizeof arbeit) return false;
  if (text.find('.') != std::string_view::npos) return false;
  std::memcpy(arbeit, text.data(), text.size());
  arbeit[text.size()] = '\0';
  if (char* komma = std::strchr(arbeit, ',')) *komma = '.';
  double x = 0.0;
  const char* ende = LiesZahl(arbeit, x);
  if (ende == arbeit || *ende != '\0') return false;
  wert = x;
  return true;
}

WinkelTexte WinkelZeileBerechnen(int k, std::string_view text) {
  WinkelTexte t;
  std::array<double, kWinkelZeilen> v{};
  if (k < 0 || k >= kWinkelZeilen || !LiesWinkelZahl(text, v[k])) return t;
  t.zahl = true;
  if ((k == Sinus || k == Kosinus) && std::fabs(v[k]) > 1.0) {
    // Clamp to the nearest bound: -1.5 is -1, not +1.
    v[k] = v[k] > 0 ? 1.0 : -1.0;
    t.eingabeErsetzt = true;
    t.eingabe = v[k] > 0 ? "1" : "-1";
  }
  BerechneWinkelwerte(k, v);
  for (int i = 0; i < kWinkelZeilen; ++i) {
    if (i == k) continue;
    switch (i) {
      case Sinus:
      case Kosinus:
        t.zeilen[i] = NullOderText(v[i]);
        break;
      case Tangens:
      case Kotangens:
        t.zeilen[i] = PolOderText(v[i]);
        break;
      default:
        t.zeilen[i] = Text(v[i]);
        break;
    }
  }
  return t;
}
