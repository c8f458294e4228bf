// SPDX-License-Identifier: GPL-3.0-or-later
// The frequencies a locus or a frequency response is computed at, and the
// marks along the curve ("Bezifferung"). Texts are UTF-8.
#ifndef QUORVEL_ORTSKURVE_FREQUENZBEREICH_H
#define QUORVEL_ORTSKURVE_FREQUENZBEREICH_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr int kHoechstePunktzahl = 10000;
constexpr int kHoechsteMarkenzahl = 100;
// Frequencies are 0 or lie between these (30 decades, far beyond any
// circuit): the decade ticks and marks of a logarithmic range stay few.
constexpr long double kKleinsteFrequenz = 1e-15L;
constexpr long double kGroessteFrequenz = 1e15L;

struct Frequenzbereich {
  long double von = 0.0L;  // Hz
  long double bis = 0.0L;
  bool logarithmisch = true;
  int punkte = 0;
};

// The German message for a range that cannot be swept; empty when it can.
std::string PruefeBereich(const Frequenzbereich& b);

// The page's fields: frequencies with a decimal comma or point, an SI
// prefix and the unit Hz allowed ("1k", "2,5 MHz"), the number of points an
// integer. The range, or the message for the first fault.
struct Bereichslesung {
  std::optional<Frequenzbereich> bereich;
  std::string meldung;
};
Bereichslesung LiesBereich(std::string_view von, std::string_view bis, std::string_view punkte,
                           bool logarithmisch);

// The sweep, rising: the ends exactly as given, between them equal steps or
// equal ratios.
std::vector<long double> Frequenzen(const Frequenzbereich& b);

// The marks at each decade 10^k within the range (from the second point on
// where the range starts at 0), each the long double nearest to 10^k.
std::vector<long double> Dekadenmarken(const Frequenzbereich& b);

// Chosen marks, "50; 100; 1,5k" (semicolons between them, blanks allowed),
// in rising order without repeats; each must lie within the range.
struct Markenlesung {
  std::optional<std::vector<long double>> marken;
  std::string meldung;
};
Markenlesung LiesMarken(std::string_view text, const Frequenzbereich& b);

// "50 Hz", "1,5 kHz", "100 mHz": ten significant digits at most, with the
// prefix that leaves 1 to 999 in front of the unit.
std::string FrequenzText(long double f);

#endif
