// SPDX-License-Identifier: GPL-3.0-or-later
// The full values behind the parts of a formula. A result shows ten digits
// of the number the program holds; a text copied from it and pasted into
// the formula keeps standing for that number there, so that computing on
// with it loses nothing to the rounding of the text. Texts are compared as
// bytes; the caller passes them in one fixed encoding.
#ifndef QUORVEL_LOGIK_FORMELWERTE_H
#define QUORVEL_LOGIK_FORMELWERTE_H

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "complex/ZKZahl.h"
#include "formula/FormelRechner.h"

// The values pasted into the formula field, as parts of its text (see
// Festwert), for as long as the text is not edited.
class Formelwerte {
 public:
  // The formula's text changed: its values go. The change is remembered for
  // one moment, so that an insertion reported right after it keeps them.
  void Geaendert();
  // The change just reported put `laenge` characters at `stelle` in place
  // of `ersetzt` ones, giving `text`: the values before it stay, those
  // behind it move with their text, those in the replaced characters or
  // around the place go, and the inserted text stands for `wert` if it has one.
  void Eingefuegt(std::string_view text, std::size_t stelle, std::size_t ersetzt,
                  std::size_t laenge, const std::optional<ZKZahl>& wert);
  // The parts for this text; none when the values belong to another text.
  std::vector<Festwert> Fuer(std::string_view text) const;
  // Sets the parts of a text at once (a file opened).
  void Setze(std::string text, std::vector<Festwert> teile);

 private:
  std::string text_, vorherText_;
  std::vector<Festwert> teile_, vorher_;
};

#endif
