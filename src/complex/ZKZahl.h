// SPDX-License-Identifier: GPL-3.0-or-later
// The one complex-number type of Quorvel.
//
// Every value is held twice, cartesian (Realteil, Imaginaerteil) and polar
// (Betrag, Winkel in degrees), all in 80-bit long double. Each operation works
// on the representation that suits it and derives the other one, so the digits
// the program shows depend on which path a value took: keep the paths exactly.
#ifndef QUORVEL_COMPLEX_ZKZAHL_H
#define QUORVEL_COMPLEX_ZKZAHL_H

#include <cstddef>
#include <vector>

// Module constants, computed once in extended precision.
long double ZK_Pi();
long double ZK_GradNachRad();  // pi * (1/180)
long double ZK_RadNachGrad();  // 180 / pi

// Sine and cosine of an angle in degrees or in gon, reduced exactly to a
// quarter turn first: a multiple of 90 degrees (100 gon) has an exact zero
// part, and a huge angle keeps its digits.
void SinusKosinusGrad(long double grad, long double& sinus, long double& kosinus);
void SinusKosinusGon(long double gon, long double& sinus, long double& kosinus);

class ZKZahl {
 public:
  long double Realteil = 0.0L;
  long double Imaginaerteil = 0.0L;
  long double Betrag = 0.0L;
  long double Winkel = 0.0L;  // degrees, never normalised on the polar path

  ZKZahl() = default;

  void SetzePolar(long double r, long double phi);
  void SetzeKartesisch(long double a, long double b);
  void Loeschen();
  // Inductive reactance j*2*pi*f*L; only the sign of L picks the angle.
  void SetzeXL(long double L, long double f);
  // Capacitive reactance -j/(2*pi*f*C); only the sign of C picks the angle.
  void SetzeXC(long double C, long double f);

  ZKZahl& operator+=(const ZKZahl& w);
  ZKZahl& operator-=(const ZKZahl& w);
  ZKZahl& operator*=(const ZKZahl& w);
  ZKZahl& operator/=(const ZKZahl& w);

  // False after an unguarded division by zero (infinite or undefined parts).
  bool IstEndlich() const;

  friend ZKZahl operator-(const ZKZahl& a, const ZKZahl& b);
  friend ZKZahl operator*(const ZKZahl& a, const ZKZahl& b);
  // Reciprocal-style division of a real by a complex value (callers use x = 1).
  friend ZKZahl operator/(const long double& x, const ZKZahl& w);
  // Exact comparison of the cartesian parts; polar parts are not compared.
  friend bool operator!=(const ZKZahl& a, const ZKZahl& b);

 private:
  void KartesischNachPolar();
  void PolarNachKartesisch();
};

// A rows x columns table of zero values; Zeile(i)[j] addresses row i, column j.
// Rows are contiguous, as the solver's hand-over expects.
class ZKMatrix {
 public:
  ZKMatrix(int zeilen, int spalten);
  ZKZahl* operator[](int zeile) { return &werte_[static_cast<std::size_t>(zeile) * spalten_]; }
  const ZKZahl* operator[](int zeile) const {
    return &werte_[static_cast<std::size_t>(zeile) * spalten_];
  }
  int Zeilen() const { return zeilen_; }
  int Spalten() const { return spalten_; }

 private:
  int zeilen_;
  std::size_t spalten_;
  std::vector<ZKZahl> werte_;
};

ZKMatrix ErzeugeMatrix(int zeilen, int spalten);

#endif
