// SPDX-License-Identifier: GPL-3.0-or-later
// The angle calculator without the window: one typed row (degrees, radians,
// sine, cosine, tangent, cotangent, gon) gives all the others.
#ifndef QUORVEL_LOGIK_WINKELWERTE_H
#define QUORVEL_LOGIK_WINKELWERTE_H

#include <array>
#include <string>
#include <string_view>

enum WinkelZeile : int {
  Grad = 0,
  Rad = 1,
  Sinus = 2,
  Kosinus = 3,
  Tangens = 4,
  Kotangens = 5,
  Gon = 6
};
constexpr int kWinkelZeilen = 7;

// From v[k], computes the other six entries (double precision trigonometry;
// a typed angle in degrees or gon is reduced exactly to a quarter turn first).
void BerechneWinkelwerte(int k, std::array<double, kWinkelZeilen>& v);

// Reads a cell text as a number with a decimal comma: blanks around it, a
// sign, digits, one comma, an exponent. No point, no second comma.
bool LiesWinkelZahl(std::string_view text, double& wert);

struct WinkelTexte {
  bool zahl = false;                              // false: every other row becomes empty
  bool eingabeErsetzt = false;                    // the typed cell was clamped (sine, cosine)
  std::string eingabe;                            // its new text when clamped
  std::array<std::string, kWinkelZeilen> zeilen;  // texts of the other rows
};

// Everything that one keystroke in row k with the given cell text changes.
WinkelTexte WinkelZeileBerechnen(int k, std::string_view text);

#endif
