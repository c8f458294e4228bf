// SPDX-License-Identifier: GPL-3.0-or-later
// Formula evaluator: splits a formula into symbols and operand values,
// compiles precedence into inserted groups, and evaluates the code sequence
// recursively on an accumulator. Fixed-size storage, nothing allocated per
// formula.
#ifndef QUORVEL_FORMULA_FORMELRECHNER_H
#define QUORVEL_FORMULA_FORMELRECHNER_H

#include <array>
#include <cstdint>
#include <memory>

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

enum UebersetzStatus : int { KeinFehler = 0, Klammerfehler = 1, Formelfehler = 2 };

class FormelRechner {
 public:
  FormelRechner(const ZKSpeicher& kVarSpeicher, const ZKSpeicher& gVarSpeicher);
  ~FormelRechner();
  FormelRechner(const FormelRechner&) = delete;
  FormelRechner& operator=(const FormelRechner&) = delete;

  // Text uses the point as decimal separator (the caller turns commas).
  int Uebersetzen(const char* text);
  // Meaningful after Uebersetzen returned 0; may be repeated. When the
  // formula cannot be computed (Fehler() says why) the result is zero.
  ZKZahl Auswerten();
  // Set by Auswerten: Art::Keiner when it computed a value.
  const Rechenfehler& Fehler() const;

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
