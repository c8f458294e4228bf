// SPDX-License-Identifier: GPL-3.0-or-later
// The one place where window text (Unicode) becomes the byte text the
// readers work on, and back.
//
// Bytes are Windows-1252. U+00B5 (micro sign) becomes 0xB5, the byte the
// reactance reader compares with; U+03BC (Greek mu, typed on some layouts)
// is taken as the same prefix. A character without a byte, and U+0000,
// becomes 0x1A (SUB), which no reader accepts: such input is unreadable
// rather than silently read as something else.
//
// Three characters that formulas and cells use have no byte in the code
// page: U+2220 (angle sign, "230∠-30" = 230*e^-j30) becomes 0x81, U+03C0
// (pi) 0x8D and U+03C9 (omega, the locus page's angular frequency) 0x8F,
// bytes the code page leaves unused, and back. A text
// keeps its length, so the working-buffer limits stay those of the typed
// text; the readers know these bytes (ZKLesen.h, FormelRechner.h).
#ifndef QUORVEL_COMPLEX_ANSI_H
#define QUORVEL_COMPLEX_ANSI_H

#include <string>
#include <string_view>

constexpr char kOhneByte = '\x1A';
constexpr char kWinkelzeichen = '\x81';
constexpr char kPiZeichen = '\x8D';
constexpr char kOmegaZeichen = '\x8F';

std::string Utf16NachAnsi(std::u16string_view text);
std::u16string AnsiNachUtf16(std::string_view text);
// The same text as UTF-8, for the cores whose texts are UTF-8.
std::string AnsiNachUtf8(std::string_view text);
// UTF-8 (a translated message) as bytes; a malformed sequence is one
// character without a byte.
std::string Utf8NachAnsi(std::string_view text);

#endif
