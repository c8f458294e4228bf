// SPDX-License-Identifier: GPL-3.0-or-later
// Texts the cores write for the user are German in the source. A program
// that speaks another language installs a translator here (the window and
// the command-line program do, from their Qt catalogue); without one the
// German stands, which is what the cores' own tests see.
//
// The translation catalogue is collected from calls of the form
//   sprache::Tr("Kontext", "Text mit %1")  (arguments: Fuelle, below)
// and from QT_TRANSLATE_NOOP("Kontext", "Text") in tables, so both must name
// the context and the text as literals. Arguments are filled in after the
// translation (Fuelle), so a translation may put them in another order.
#ifndef QUORVEL_SPRACHE_UEBERSETZUNG_H
#define QUORVEL_SPRACHE_UEBERSETZUNG_H

#include <initializer_list>
#include <string>
#include <string_view>

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(kontext, text) text
#endif

namespace sprache {

// Gives the text for `text` (UTF-8) in the program's language; returns the
// German text itself when it has none.
using Uebersetzer = std::string (*)(const char* kontext, const char* text);

// nullptr: German. Set before the first text is made; not for use while
// another thread writes texts.
void SetzeUebersetzer(Uebersetzer uebersetzer);

std::string Tr(const char* kontext, const char* text);

// `vorlage` with %1 … %9 replaced by the arguments (a %n without an argument
// stays as it is; an argument's own % signs are not read again).
std::string Fuelle(std::string_view vorlage, std::initializer_list<std::string_view> argumente);

// Arguments go through Fuelle(Tr("Kontext", "Text mit %1"), {…}): lupdate
// reads a Tr call only when its third argument is absent or a string literal,
// so a Tr with its arguments would leave the text out of the catalogue and
// untranslated without any check noticing.
std::string Tr(const char* kontext, const char* text,
               std::initializer_list<std::string_view> argumente) = delete;

}  // namespace sprache

#endif
