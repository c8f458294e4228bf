// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <cstring>

#include "formula/FormelRechner.h"

namespace {

// The longest prepared example of the formula field, a real formula.
constexpr const char* kBeispiel13 =
    "-3256.7-23.6*7.4+302.0/4.0+455.0-7.3-(4.0+7.0*3.0)-4.2*(((5.0+7.0*5.0)-21.0/7.0)+4.0)+6.0*"
    "7.0*8.0/3.0+3.0*2.0*12.0/4.0+6.0-7.0+5.0*3.0-4.0/(3.0+1.0*2.0)+121.0*7.0*3.0-45.0";

// A full-length formula (255 characters) with variables, exponential forms
// and brackets.
constexpr const char* kVoll =
    "K1*2.5*e^j30+G2:(K3-j4.25)*K4-1.5*e^-j45*(G5+K6*3.75*e^j120)-K7:G8+(K9-2*e^j60)*(G10+j2)-"
    "K11*K12:4.5*e^j15+(G13-K14)*-(K15+3)-K16:(2.5*e^-j30+G17)+K18*G19-K20*1.25*e^j75+(3-j2)*"
    "(K1+K2)*0.5*e^j10-G3:K4+1.75*e^j300-j2.5*K5:(K6+1)+K7*2.25*e^-j15-G9:(K8-j1.5)";

// The same length with every textbook form: parallel connection, powers
// (right to left, negative and broken exponents), every function under both
// names and in other cases, pi in both spellings, the angle notation with
// and without degree sign (the bytes the window's angle and pi signs become).
constexpr const char* kLehrbuch =
    "K1+K2||K3*2.5*e^j30^2-konj(G4)*betrag(K5-j4.25)+winkel(K6||G7)*pi/180-wurzel(K8^2+G9^2)+"
    "re(K10)*im(G11)+230\x81-30\xB0||K12-2^-1*(1+j)^8+conj(K13)||abs(G14)*arg(K15)-sqrt(-4)*"
    "\x8D+(K16||K17||G18)^0.5-Re(K19)^2^1+Im(G20)*10\x81"
    "45-PI*K1^3||G2+WURZEL(K3*G3)^-2.5+K4||K11";

void Lauf(benchmark::State& state, const char* formel) {
  ZKSpeicher k{}, g{};
  for (std::size_t nr = 1; nr <= 20; ++nr) {
    k[nr].SetzePolar(static_cast<long double>(nr), 11.0L * static_cast<long double>(nr));
    g[nr] = 1.0L / k[nr];
  }
  FormelRechner rechner(k, g);
  if (rechner.Uebersetzen(formel) != 0) {
    state.SkipWithError("formula does not translate");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(rechner.Uebersetzen(formel));
    benchmark::DoNotOptimize(rechner.Auswerten());
  }
  state.counters["zeichen"] = static_cast<double>(std::strlen(formel));
}

void BM_FormelBeispiel13(benchmark::State& state) {
  Lauf(state, kBeispiel13);
}
void BM_Formel255Zeichen(benchmark::State& state) {
  Lauf(state, kVoll);
}
void BM_Formel255ZeichenLehrbuch(benchmark::State& state) {
  Lauf(state, kLehrbuch);
}

}  // namespace

BENCHMARK(BM_FormelBeispiel13);
BENCHMARK(BM_Formel255Zeichen);
BENCHMARK(BM_Formel255ZeichenLehrbuch);
