// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ansi.h"

#include <array>
#include <cstdint>

namespace {

// Code points of the bytes 0x80..0x9F; 0 where the code page has none.
constexpr std::array<char16_t, 32> kObereSteuerzeichen = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

constexpr char16_t kWinkelCodepunkt = 0x2220;
constexpr char16_t kPiCodepunkt = 0x03C0;
constexpr char16_t kOmegaCodepunkt = 0x03C9;

char NachByte(char32_t c) {
  if (c == 0) return kOhneByte;
  if (c == kWinkelCodepunkt) return kWinkelzeichen;
  if (c == kPiCodepunkt) return kPiZeichen;
  if (c == kOmegaCodepunkt) return kOmegaZeichen;
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(static_cast<unsigned char>(c));
  if (c == 0x03BC) return static_cast<char>(0xB5);
  for (std::size_t i = 0; i < kObereSteuerzeichen.size(); ++i) {
    if (kObereSteuerzeichen[i] != 0 && kObereSteuerzeichen[i] == c) {
      return static_cast<char>(0x80 + i);
    }
  }
  return kOhneByte;
}

}  // namespace

std::string Utf16NachAnsi(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c >= 0xD800 && c <= 0xDFFF) {
      // A surrogate pair (or a lone surrogate) is one character with no byte.
      if (c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
        ++i;
      }
      bytes += kOhneByte;
      continue;
    }
    bytes += NachByte(c);
  }
  return bytes;
}

std::u16string AnsiNachUtf16(std::string_view text) {
  std::u16string s;
  s.reserve(text.size());
  for (const char b : text) {
    const auto u = static_cast<unsigned char>(b);
    if (b == kWinkelzeichen) {
      s += kWinkelCodepunkt;
    } else if (b == kPiZeichen) {
      s += kPiCodepunkt;
    } else if (b == kOmegaZeichen) {
      s += kOmegaCodepunkt;
    } else if (u >= 0x80 && u <= 0x9F) {
      const char16_t c = kObereSteuerzeichen[u - 0x80];
      s += (c != 0) ? c : u'\uFFFD';
    } else {
      s += static_cast<char16_t>(u);
    }
  }
  return s;
}

std::string AnsiNachUtf8(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  // Every code point of the table lies in the Basic Multilingual Plane and
  // outside the surrogates: one to three bytes each.
  for (const char16_t c : AnsiNachUtf16(text)) {
    if (c < 0x80) {
      s += static_cast<char>(c);
    } else if (c < 0x800) {
      s += static_cast<char>(0xC0 | (c >> 6));
      s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      s += static_cast<char>(0xE0 | (c >> 12));
      s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      s += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return s;
}

std::string Utf8NachAnsi(std::string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto b = static_cast<unsigned char>(text[i]);
    const std::size_t laenge = b < 0x80           ? 1
                               : (b >> 5) == 0x6  ? 2
                               : (b >> 4) == 0xE  ? 3
                               : (b >> 3) == 0x1E ? 4
                                                  : 0;
    char32_t c = laenge == 1 ? b : laenge == 2 ? (b & 0x1F) : laenge == 3 ? (b & 0x0F) : (b & 0x07);
    std::size_t k = 1;
    while (k < laenge && i + k < text.size() &&
           (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80) {
      c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
      ++k;
    }
    if (laenge == 0 || k < laenge) {
      bytes += kOhneByte;
      i += laenge == 0 ? 1 : k;
      continue;
    }
    bytes += NachByte(c);
    i += laenge;
  }
  return bytes;
}
