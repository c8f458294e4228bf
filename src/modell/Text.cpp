// SPDX-License-Identifier: GPL-3.0-or-later
#include "Text.h"

#include "complex/Ansi.h"

std::string NachAnsi(const QString& text) {
  return Utf16NachAnsi(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

QString AusAnsi(const std::string& text) {
  const std::u16string u = AnsiNachUtf16(text);
  return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}
