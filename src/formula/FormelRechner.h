// Formula evaluator: splits a formula into symbols and operand values,
// compiles precedence into inserted groups, and evaluates the code sequence
// recursively on an accumulator. Fixed-size storage, nothing allocated per
// formula.
#ifndef QUORVEL_FORMULA_FORMELRECHNER_H
#define QUORVEL_FORMULA_FORMELRECHNER_H

#include <array>
#include <cstdint>

#include "ZKZahl.h"

// The memory tables K1..K20 / G1..G20 (entries 1..20 used), owned by the
// window's program state and only read here.
using ZKSpeicher = std::array<ZKZahl, 25>;

enum UebersetzStatus : int { KeinFehler = 0, Klammerfehler = 1, Formelfehler = 2 };

class FormelRechner {
 public:
  FormelRechner(const ZKSpeicher& kVarSpeicher, const ZKSpeicher& gVarSpeicher);
  ~FormelRechner();
  FormelRechner(const FormelRechner&) = delete;
  FormelRechner& operator=(const FormelRechner&) = delete;

  // Text uses the point as decimal separator (the caller turns commas).
  int Uebersetzen(const char* text);
  // Meaningful after Uebersetzen returned 0; may be repeated.
  ZKZahl Auswerten();

  // For tests: the symbol string (zero-terminated) and the code sequence.
  const char* Symbolfolge() const;
  const std::int16_t* Codefolge() const;
  int Status() const;

 private:
  // Implementation details are private to FormelRechner.cpp.
  struct Daten;
  Daten* d_;
};

#endif
