// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "complex/Ansi.h"
#include "complex/ZKLesen.h"

TEST(Ansi, LatinCharactersKeepTheirByte) {
  EXPECT_EQ(Utf16NachAnsi(u"3+j4"), "3+j4");
  EXPECT_EQ(Utf16NachAnsi(u"L\u00f6schen"), "L\xf6schen");
  EXPECT_EQ(Utf16NachAnsi(u"\u20ac"), "\x80");
}

TEST(Ansi, BothMicroSignsBecomeTheMicroByte) {
  EXPECT_EQ(Utf16NachAnsi(u"4,7\u00b5F"),
            "4,7\xb5"
            "F");
  EXPECT_EQ(Utf16NachAnsi(u"4,7\u03bcF"),
            "4,7\xb5"
            "F");
}

TEST(Ansi, CharactersWithoutByteBecomeUnreadable) {
  const std::string s = Utf16NachAnsi(
      u"3\u2212"
      "4");  // U+2212 minus sign
  EXPECT_EQ(s, std::string("3") + kOhneByte + "4");
  ZKZahl z;
  EXPECT_EQ(LiesZKZahl(s, z), ZKForm::Keine);
  EXPECT_EQ(Utf16NachAnsi(std::u16string(u"4\0"
                                         "5",
                                         3)),
            std::string("4") + kOhneByte + "5");
  // A surrogate pair is one character: one substitute byte.
  EXPECT_EQ(Utf16NachAnsi(u"\U0001F600"), std::string(1, kOhneByte));
}

TEST(Ansi, BackToUnicode) {
  EXPECT_EQ(AnsiNachUtf16("Gr\xfc\xdf"
                          "e"),
            u"Gr\u00fc\u00dfe");
  EXPECT_EQ(AnsiNachUtf16("\x80"), u"\u20ac");
}

// The angle sign, pi and omega have no byte in the code page: each gets an
// unused one, so texts keep their length, and comes back unchanged.
TEST(Ansi, AngleSignAndPiGetTheirOwnBytes) {
  EXPECT_EQ(Utf16NachAnsi(u"230\u2220-30\u00b0"), "230\x81-30\xB0");
  EXPECT_EQ(Utf16NachAnsi(u"2*\u03c0"), "2*\x8D");
  EXPECT_EQ(AnsiNachUtf16("230\x81-30\xB0"), u"230\u2220-30\u00b0");
  EXPECT_EQ(AnsiNachUtf16("\x8D"), u"\u03c0");
  EXPECT_EQ(Utf16NachAnsi(u"\u03c9"), "\x8F");
  EXPECT_EQ(AnsiNachUtf16("\x8F"), u"\u03c9");
  EXPECT_EQ(AnsiNachUtf8("\x8F=2\x8D\xB7"
                         "f, \x80 \xE4"),
            "\u03c9=2\u03c0\u00b7f, \u20ac \u00e4");
  // The control characters U+0081 and U+008D do not reach those bytes.
  EXPECT_EQ(Utf16NachAnsi(u"\u0081\u008d"), std::string(2, kOhneByte));
  ZKZahl z;
  EXPECT_EQ(LiesZKZahl(Utf16NachAnsi(u"230\u2220-30"), z), ZKForm::Exponential);
  EXPECT_EQ(z.Winkel, -30.0L);
}

TEST(Ansi, Utf8BecomesBytesAndAMalformedSequenceOneUnreadableByte) {
  EXPECT_EQ(Utf8NachAnsi("\u201eK1\u201c enth\u00e4lt \u20ac \u03c9"),
            "\x84K1\x93 enth\xE4lt \x80 \x8F");
  // A cut sequence, a stray continuation byte, a character beyond the BMP.
  EXPECT_EQ(Utf8NachAnsi("a\xE2\x82"
                         "b\x80"
                         "c\U0001F600"),
            std::string("a") + kOhneByte + "b" + kOhneByte + "c" + kOhneByte);
}
