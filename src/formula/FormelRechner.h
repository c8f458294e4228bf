// SPDX-License-Identifier: GPL-3.0-or-later
// Formula evaluator: splits a formula into symbols and operand values,
// compiles precedence into inserted groups, and evaluates the code sequence
// recursively on an accumulator. Fixed-size storage, nothing allocated per
// formula.
#ifndef QUORVEL_FORMULA_FORMELRECHNER_H
#define QUORVEL_FORMULA_FORMELRECHNER_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "complex/ZKZahl.h"

// The memory tables K1..K20 / G1..G20 (entries 1..20 used), owned by the
// window's program state and only read here. `unlesbar` marks a row whose
// cell on this side holds text that no reader accepts: that row has no value
// on either side, and a formula naming it computes nothing.
struct ZKSpeicher : std::array<ZKZahl, 25> {
  std::array<bool, 25> unlesbar{};
};

// Why the evaluation of a translated formula computed nothing.
struct Rechenfehler {
  // DivisionDurchNull: a divisor, a parallel sum or a power's zero base
  // with a negative exponent was zero somewhere on the way (also a memory
  // value that is the reciprocal of a zero), even where later steps would
  // hide it (1:(1:0)).
  enum class Art { Keiner, VariableOhneWert, KomplexerExponent, DivisionDurchNull };
  Art art = Art::Keiner;
  // VariableOhneWert: the variable the formula names ('K' or 'G', number)
  // and the side whose cell holds the unreadable text.
  char variable = '\0';
  int nummer = 0;
  char zelle = '\0';
};

// A value pasted into the formula with its full digits: the text's
// characters [anfang, anfang + laenge) were written from `wert`. A number
// read wholly inside them takes its digits from `wert` instead of the text:
// an exponential form that is the whole part takes the value itself; the
// first number of the part its real part, the last one its imaginary part,
// each with the sign the text gives it. The text's operators and their
// order stay as written ("K1*3+j4" is still K1*3 plus j4).
struct Festwert {
  std::size_t anfang = 0;
  std::size_t laenge = 0;
  ZKZahl wert;
};

enum UebersetzStatus : int { KeinFehler = 0, Klammerfehler = 1, Formelfehler = 2 };

class FormelRechner {
 public:
  FormelRechner(const ZKSpeicher& kVarSpeicher, const ZKSpeicher& gVarSpeicher);
  ~FormelRechner();
  FormelRechner(const FormelRechner&) = delete;
  FormelRechner& operator=(const FormelRechner&) = delete;

  // Text uses the point as decimal separator (the caller turns commas).
  // The parts in `festwerte` count in characters of `text`, blanks included.
  int Uebersetzen(const char* text, std::span<const Festwert> festwerte = {});
  // Meaningful after Uebersetzen returned 0; may be repeated. When the
  // formula cannot be computed (Fehler() says why) the result is zero.
  ZKZahl Auswerten();
  // Set by Auswerten: Art::Keiner when it computed a value.
  const Rechenfehler& Fehler() const;

  // The frequency as a parameter, for the locus page's formula: `f` (Hz)
  // and `omega` (any case) or the byte kOmegaZeichen (1/s). Off, as the
  // formula field has it, these are formula errors. Takes effect at the
  // next Uebersetzen.
  void ErlaubeFrequenz(bool an);
  // The frequency the translated formula's f and ω stand for (ω = 2πf);
  // only those operands are rewritten, so a sweep translates once and sets
  // the frequency before each Auswerten. Before the first call f is 0.
  void SetzeFrequenz(long double f);
  // Whether the translated formula names f or ω.
  bool NutztFrequenz() const;

  // For tests: the symbol string (zero-terminated) and the code sequence.
  const char* Symbolfolge() const;
  const std::int16_t* Codefolge() const;
  int Status() const;

 private:
  // Implementation details are private to FormelRechner.cpp.
  struct Daten;
  std::unique_ptr<Daten> d_;
};

#endif
