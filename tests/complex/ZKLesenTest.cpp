// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <ostream>
#include <string>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"

namespace {

struct LeseFall {
  const char* name;
  const char* text;
  ZKForm form;
  long double a;  // real part, or magnitude for the exponential form
  long double b;  // imaginary part, or angle
};
// Test names and failure messages show the case name, not raw bytes.
inline void PrintTo(const LeseFall& f, std::ostream* os) {
  *os << f.name;
}

void PruefeLesen(const LeseFall& f) {
  ZKZahl z;
  const ZKForm form = LiesZKZahl(f.text, z);
  ASSERT_EQ(static_cast<int>(form), static_cast<int>(f.form)) << f.text;
  if (form == ZKForm::Keine) return;
  if (form == ZKForm::Exponential) {
    ZKZahl erwartet;
    erwartet.SetzePolar(f.a, f.b);
    EXPECT_EQ(z.Betrag, erwartet.Betrag) << f.text;
    EXPECT_EQ(z.Winkel, erwartet.Winkel) << f.text;
  } else {
    EXPECT_EQ(z.Realteil, f.a) << f.text;
    EXPECT_EQ(z.Imaginaerteil, f.b) << f.text;
  }
}

std::string Name(const ::testing::TestParamInfo<LeseFall>& fall) {
  return fall.param.name;
}

}  // namespace

class Lesen : public ::testing::TestWithParam<LeseFall> {};
TEST_P(Lesen, ReadsAsExpected) {
  PruefeLesen(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    AcceptedForms, Lesen,
    ::testing::Values(LeseFall{"exp_comma", "5*e^j53,13", ZKForm::Exponential, 5, 53.13},
                      LeseFall{"exp_plus_marker", "5*e^+j53.13", ZKForm::Exponential, 5, 53.13},
                      LeseFall{"exp_minus_marker", "5*e^-j30", ZKForm::Exponential, 5, -30},
                      LeseFall{"exp_sign_in_angle", "5*e^j-30", ZKForm::Exponential, 5, -30},
                      LeseFall{"exp_double_minus", "5*e^-j-30", ZKForm::Exponential, 5, 30},
                      LeseFall{"exp_with_exponent", "2,5E2*e^j90", ZKForm::Exponential, 250, 90},
                      LeseFall{"exp_empty_angle", "5*e^j", ZKForm::Exponential, 5, 0},
                      LeseFall{"exp_negative_magnitude", "-5*e^j30", ZKForm::Exponential, -5, 30},
                      LeseFall{"exp_blanks", " 5 * e ^ j 3 0 ", ZKForm::Exponential, 5, 30},
                      LeseFall{"comp_blanks", "3 + j 4", ZKForm::Komponenten, 3, 4},
                      LeseFall{"comp_commas", "3,5+j4,25", ZKForm::Komponenten, 3.5, 4.25},
                      LeseFall{"comp_minus", "3-j4", ZKForm::Komponenten, 3, -4},
                      LeseFall{"comp_j_direct", "3j4", ZKForm::Komponenten, 3, 4},
                      LeseFall{"comp_sign_inside", "3+j-4", ZKForm::Komponenten, 3, -4},
                      LeseFall{"comp_exponent_real", "1,5E-3+j2", ZKForm::Komponenten, 1.5e-3, 2},
                      LeseFall{"comp_bare_j_is_one", "3+j", ZKForm::Komponenten, 3, 1},
                      LeseFall{"comp_bare_minus_j", "3-j", ZKForm::Komponenten, 3, -1},
                      LeseFall{"comp_exponent_format_zero_real", "0,000000000E+00j5,000000000E+00",
                               ZKForm::Komponenten, 0, 5},
                      LeseFall{"real", "4", ZKForm::Reell, 4, 0},
                      LeseFall{"real_negative_comma", "-2,5", ZKForm::Reell, -2.5, 0},
                      LeseFall{"real_exponent", "1E-6", ZKForm::Reell, 1e-6, 0},
                      LeseFall{"real_trailing_point", "1.", ZKForm::Reell, 1, 0},
                      LeseFall{"real_leading_point", ".5", ZKForm::Reell, 0.5, 0},
                      LeseFall{"real_underflow_is_zero", "1e-400", ZKForm::Reell, 0, 0},
                      LeseFall{"imag", "j5", ZKForm::Imaginaer, 0, 5},
                      LeseFall{"imag_plus", "+j5", ZKForm::Imaginaer, 0, 5},
                      LeseFall{"imag_minus", "-j2", ZKForm::Imaginaer, 0, -2},
                      LeseFall{"imag_bare", "j", ZKForm::Imaginaer, 0, 1},
                      LeseFall{"imag_bare_minus", "-j", ZKForm::Imaginaer, 0, -1},
                      LeseFall{"imag_sign_inside", "j-5", ZKForm::Imaginaer, 0, -5},
                      LeseFall{"imag_double_minus", "-j-5", ZKForm::Imaginaer, 0, 5}),
    Name);

INSTANTIATE_TEST_SUITE_P(
    Rejected, Lesen,
    ::testing::Values(LeseFall{"empty", "", ZKForm::Keine, 0, 0},
                      LeseFall{"blanks_only", "   ", ZKForm::Keine, 0, 0},
                      LeseFall{"suffix_j", "3+4j", ZKForm::Keine, 0, 0},
                      LeseFall{"i_instead_of_j", "3+i4", ZKForm::Keine, 0, 0},
                      LeseFall{"upper_case_marker", "5*E^j30", ZKForm::Keine, 0, 0},
                      LeseFall{"upper_case_j", "5*e^J30", ZKForm::Keine, 0, 0},
                      LeseFall{"marker_without_star", "5e^j30", ZKForm::Keine, 0, 0},
                      LeseFall{"thousands_separator", "1.000,5", ZKForm::Keine, 0, 0},
                      LeseFall{"trailing_letter", "4x", ZKForm::Keine, 0, 0},
                      LeseFall{"angle_not_to_end", "5*e^j30x", ZKForm::Keine, 0, 0},
                      LeseFall{"tab_is_not_skipped", "4\t", ZKForm::Keine, 0, 0},
                      LeseFall{"leading_tab", "\t4", ZKForm::Keine, 0, 0},
                      LeseFall{"hexadecimal", "0x10", ZKForm::Keine, 0, 0},
                      LeseFall{"infinity_word", "inf", ZKForm::Keine, 0, 0},
                      LeseFall{"nan_word", "nan", ZKForm::Keine, 0, 0},
                      LeseFall{"beyond_double", "1e400", ZKForm::Keine, 0, 0},
                      LeseFall{"beyond_double_imag", "j1e400", ZKForm::Keine, 0, 0},
                      LeseFall{"exponent_without_digits", "1e", ZKForm::Keine, 0, 0},
                      LeseFall{"lone_sign", "-", ZKForm::Keine, 0, 0},
                      LeseFall{"lone_point", ".", ZKForm::Keine, 0, 0},
                      // Text between magnitude and marker used to be dropped silently.
                      LeseFall{"component_before_marker", "3+j4*e^j30", ZKForm::Keine, 0, 0},
                      LeseFall{"letter_before_marker", "x*e^j30", ZKForm::Keine, 0, 0},
                      LeseFall{"missing_magnitude", "*e^j30", ZKForm::Keine, 0, 0}),
    Name);

// The angle notation r∠φ (the angle sign's byte), with an optional degree
// sign, reads as r*e^jφ; anything else around it stays unreadable.
INSTANTIATE_TEST_SUITE_P(
    AngleNotation, Lesen,
    ::testing::Values(LeseFall{"angle_sign", "230\x81-30", ZKForm::Exponential, 230, -30},
                      LeseFall{"angle_sign_degrees", "230\x81-30\xB0", ZKForm::Exponential, 230,
                               -30},
                      LeseFall{"angle_sign_comma_blanks", "12,5 \x81 +36,87 \xB0",
                               ZKForm::Exponential, 12.5, 36.87},
                      LeseFall{"angle_sign_negative_magnitude",
                               "-2\x81"
                               "30",
                               ZKForm::Exponential, -2, 30},
                      LeseFall{"angle_sign_empty_angle", "5\x81", ZKForm::Exponential, 5, 0},
                      LeseFall{"angle_sign_degrees_only", "5\x81\xB0", ZKForm::Keine, 0, 0},
                      LeseFall{"angle_sign_no_magnitude",
                               "\x81"
                               "30",
                               ZKForm::Keine, 0, 0},
                      LeseFall{"angle_sign_twice",
                               "5\x81"
                               "30\x81"
                               "30",
                               ZKForm::Keine, 0, 0},
                      LeseFall{"angle_sign_two_degrees",
                               "5\x81"
                               "30\xB0\xB0",
                               ZKForm::Keine, 0, 0},
                      LeseFall{"degrees_after_marker", "5*e^j30\xB0", ZKForm::Keine, 0, 0},
                      LeseFall{"degrees_after_number", "30\xB0", ZKForm::Keine, 0, 0},
                      LeseFall{"pi_is_no_cell_value", "\x8D", ZKForm::Keine, 0, 0}),
    Name);

TEST(LiesZKZahl, CleanUpStepsWorkInPlace) {
  char text[] = " 1 ,5\t+ j,2 ";
  EntferneLeerzeichen(text);
  EXPECT_STREQ(text, "1,5\t+j,2");
  KommaNachPunkt(text);
  EXPECT_STREQ(text, "1.5\t+j.2");
}

TEST(LiesZKZahl, OverlongTextIsUnreadableNotCut) {
  // 255 characters still fit the cell buffer, 256 do not.
  std::string passt = "1" + std::string(254, '0');
  ZKZahl z;
  passt.replace(1, 254, std::string(254, ' '));
  EXPECT_EQ(LiesZKZahl(passt, z), ZKForm::Reell);
  EXPECT_EQ(LiesZKZahl(passt + " ", z), ZKForm::Keine);
  // The memory cells hold 79 characters.
  const std::string speicher = "2" + std::string(78, ' ');
  EXPECT_EQ(LiesZKZahl(speicher, z, kSpeicherPuffer), ZKForm::Reell);
  EXPECT_EQ(LiesZKZahl(speicher + " ", z, kSpeicherPuffer), ZKForm::Keine);
  // A very long text never overruns anything (sanitizers watch this).
  EXPECT_EQ(LiesZKZahl(std::string(100000, '9'), z), ZKForm::Keine);
}

TEST(LiesZKZahl, EmbeddedZeroByteIsUnreadable) {
  ZKZahl z;
  EXPECT_EQ(LiesZKZahl(std::string_view("4\0"
                                        "5",
                                        3),
                       z),
            ZKForm::Keine);
}

TEST(LiesZKZahl, ValueUntouchedWhenUnreadable) {
  ZKZahl z;
  z.SetzeKartesisch(7, 7);
  EXPECT_EQ(LiesZKZahl("abc", z), ZKForm::Keine);
  EXPECT_EQ(z.Realteil, 7.0L);
}

// The window sets the process locale from the environment; a German
// LC_NUMERIC must change neither reading nor writing.
class UnterDeutschemLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    alt_ = std::setlocale(LC_ALL, nullptr);
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
      GTEST_SKIP() << "de_DE.UTF-8 is not installed (scripts/install-deps generates it)";
    }
  }
  void TearDown() override { std::setlocale(LC_ALL, alt_.c_str()); }
  std::string alt_;
};

TEST_F(UnterDeutschemLocale, ReadersAndWritersGiveTheSameDigits) {
  ZKZahl z;
  ASSERT_EQ(LiesZKZahl("3.5+j4,25", z), ZKForm::Komponenten);
  EXPECT_EQ(z.Realteil, 3.5L);
  EXPECT_EQ(z.Imaginaerteil, 4.25L);
  ASSERT_EQ(LiesZKZahl("5.000000000E+00*e^j53.1", z), ZKForm::Exponential);
  EXPECT_EQ(z.Winkel, static_cast<long double>(53.1));
  EXPECT_EQ(General10(1.0L / 3.0L), "0,3333333333");
  EXPECT_EQ(Exponent10(-1234.5L), "-1,234500000E+03");
  ZKZahl d;
  d.SetzeKartesisch(3, 4);
  EXPECT_EQ(ExponentialText(d, Exponent), "5.000000000E+00*e^j53.1");
}
