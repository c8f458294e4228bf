// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "formula/FormelRechner.h"

namespace {

// The memory as the window fills it: K from a typed value, G its reciprocal.
struct Speicher {
  ZKSpeicher k{};
  ZKSpeicher g{};
  void Setze(int nr, long double betrag, long double winkel) {
    k[nr].SetzePolar(betrag, winkel);
    g[nr] = 1.0L / k[nr];
  }
};

// The code sequence up to and including its two end codes.
std::vector<int> Codes(const FormelRechner& r) {
  std::vector<int> codes;
  const std::int16_t* c = r.Codefolge();
  for (int i = 0; i < 1000; ++i) {
    codes.push_back(c[i]);
    if (i > 0 && c[i] == 0 && c[i - 1] == 0) break;
  }
  return codes;
}

// Names the rows of a table-driven test after what they check.
struct NachName {
  template <class Info>
  std::string operator()(const Info& info) const {
    return info.param.name;
  }
};

// Evaluates a formula, which must translate without error.
ZKZahl Wert(FormelRechner& r, const char* formel) {
  EXPECT_EQ(r.Uebersetzen(formel), KeinFehler) << formel;
  return r.Auswerten();
}

}  // namespace

// --- The compiled form: symbols, group codes and values -------------------

struct CodeFall {
  const char* name;
  const char* formel;
  const char* symbole;
  std::vector<int> codes;
  double wert;
};

class Uebersetzung : public ::testing::TestWithParam<CodeFall> {};

TEST_P(Uebersetzung, GivesSymbolsCodesAndValue) {
  const CodeFall& f = GetParam();
  ZKSpeicher k{}, g{};
  FormelRechner r(k, g);
  ASSERT_EQ(r.Uebersetzen(f.formel), KeinFehler);
  EXPECT_STREQ(r.Symbolfolge(), f.symbole);
  EXPECT_EQ(Codes(r), f.codes);
  const ZKZahl z = r.Auswerten();
  EXPECT_NEAR(static_cast<double>(z.Realteil), f.wert, 1e-12);
  EXPECT_EQ(z.Imaginaerteil, 0.0L);
}

INSTANTIATE_TEST_SUITE_P(
    ImplicitGroups, Uebersetzung,
    ::testing::Values(
        CodeFall{"product_after_plus", "2+3*4", "Z+Z*ZE", {16, 1, 128, 16, 4, 16, 256, 0, 0}, 14},
        CodeFall{
            "two_products", "2*3+4*5", "Z*Z+Z*ZE", {16, 4, 16, 1, 128, 16, 4, 16, 256, 0, 0}, 26},
        CodeFall{"bracket_first", "(1+2)*3", "(Z+Z)*ZE", {128, 16, 1, 16, 256, 4, 16, 0, 0}, 9},
        CodeFall{"additive_bracket_stays_open",
                 "1+(1+2)*3",
                 "Z+(Z+Z)*ZE",
                 {16, 1, 128, 16, 1, 16, 4, 16, 256, 0, 0},
                 10},
        CodeFall{"bracket_inside_product",
                 "2*(3+4)*5",
                 "Z*(Z+Z)*ZE",
                 {16, 4, 128, 16, 1, 16, 256, 4, 16, 0, 0},
                 70},
        CodeFall{"empty_formula", "", "E", {0, 0}, 0},
        // The sign becomes an implicit bracket around its operand.
        CodeFall{"sign_before_bracket",
                 "9*-(9)",
                 "Z*(-(Z))E",
                 {16, 4, 128, 2, 128, 16, 256, 256, 0, 0},
                 -81}),
    NachName{});

// --- Values of complete formulas ------------------------------------------

struct WertFall {
  const char* name;
  const char* formel;
  long double real;
  long double imag;
  long double toleranz;
};

class Werte : public ::testing::TestWithParam<WertFall> {
 protected:
  Werte() {
    // The memory of the formula field's examples 10 to 12 (K1..K5 as
    // typed, G the reciprocals).
    s_.Setze(1, 50, 0);
    s_.Setze(2, 60, -90);
    s_.Setze(3, 50, 90);
    s_.Setze(4, 30, 0);
    s_.Setze(5, 75, 90);
    s_.Setze(6, 100, 0);
    s_.Setze(7, 247, 0);
    s_.Setze(8, 560, 0);
    s_.Setze(9, 12, 36.869L);
    s_.Setze(10, 8.5, 49.458L);
    s_.Setze(11, 10, 41.410L);
  }
  Speicher s_;
};

TEST_P(Werte, Evaluate) {
  const WertFall& f = GetParam();
  FormelRechner r(s_.k, s_.g);
  const ZKZahl z = Wert(r, f.formel);
  EXPECT_NEAR(static_cast<double>(z.Realteil), static_cast<double>(f.real),
              static_cast<double>(f.toleranz));
  EXPECT_NEAR(static_cast<double>(z.Imaginaerteil), static_cast<double>(f.imag),
              static_cast<double>(f.toleranz));
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Werte,
    ::testing::Values(
        WertFall{"ex1_mixed", "3*7+5-3*100+8:2*(((3+4)*7+3)*(5+2))+24", 1206, 0, 1e-12L},
        WertFall{"ex2_bare_j", "3+j+4+j5", 7, 6, 1e-15L},
        WertFall{"ex3_nested", "((7+3*9)+(5-7*3+5/4)*(10-6))*100.0", -2500, 0, 1e-11L},
        WertFall{"ex6_leading_blank", " 10:(6:3+12:4)+50", 52, 0, 1e-12L},
        WertFall{"ex7", " 10+(6:3+12:4):50", 10.1L, 0, 1e-12L},
        WertFall{"ex8", "2*(3-4*(5+4):3)", -18, 0, 1e-12L},
        WertFall{"ex9_parallel", "1:(1:100+1:247+1:560)", 63.15404985846042L, 0, 1e-10L},
        WertFall{"ex10_g_variables", "1:(G6+G7+G8)", 63.15404985846042L, 0, 1e-10L},
        WertFall{"ex11_k_sum", "K9+K10+K11", 22.625114059498344L, 20.273679714406132L, 1e-9L},
        WertFall{"ex12_network", "K1+K2+1:(G3+1:(K4+K5))", 54.53857791225417L, -28.910741301059005L,
                 1e-9L},
        WertFall{"ex13_long_real",
                 "-3256.7-23.6*7.4+302.0/4.0+455.0-7.3-(4.0+7.0*3.0)-4.2*(((5.0+7.0*5.0)-21.0/"
                 "7.0)+4.0)+6.0*7.0*8.0/3.0+3.0*2.0*12.0/4.0+6.0-7.0+5.0*3.0-4.0/"
                 "(3.0+1.0*2.0)+121.0*7.0*3.0-45.0",
                 -466.14L, 0, 1e-9L},
        WertFall{"ex14_product", "(4+j3)*(-4+j2)", -22, -4, 1e-14L}),
    NachName{});

INSTANTIATE_TEST_SUITE_P(
    Operands, Werte,
    ::testing::Values(WertFall{"blanks_ignored", "3 + 4", 7, 0, 0},
                      WertFall{"div_left_to_right", "8/2/2", 2, 0, 0},
                      WertFall{"minus_left_to_right", "8-2-2", 4, 0, 0},
                      WertFall{"colon_left_to_right", "2:4:2", 0.25L, 0, 0},
                      WertFall{"j_alone", "j", 0, 1, 0}, WertFall{"minus_j", "-j", 0, -1, 0},
                      WertFall{"component_form", "3-j4", 3, -4, 0},
                      WertFall{"sign_after_j_is_operator", "j-5", -5, 1, 0},
                      WertFall{"sign_belongs_to_number", "3*-4", -12, 0, 0},
                      WertFall{"signed_bracket_at_start", "(-2.5)", -2.5L, 0, 0},
                      WertFall{"trailing_operator", "3+", 3, 0, 0},
                      WertFall{"trailing_operator_in_bracket", "(3+)*2", 6, 0, 0},
                      WertFall{"double_sign_at_start", "--3", 3, 0, 0},
                      WertFall{"variable_number_truncated", "K1.9+K01", 100, 0, 1e-15L},
                      WertFall{"exp_minus_marker", "2*e^-j90", 0, -2, 1e-15L},
                      WertFall{"exp_plus_marker", "2*e^+j90", 0, 2, 1e-15L},
                      WertFall{"exp_negated_angle", "2*e^-j-90", 0, 2, 1e-15L},
                      WertFall{"number_exponent", "1.5e2+j2E-1", 150, 0.2L, 1e-13L}),
    NachName{});

// A sign after an operator belongs to the bracket, variable or sign that
// follows it, as it does to a number.
INSTANTIATE_TEST_SUITE_P(
    SignAfterOperator, Werte,
    ::testing::Values(WertFall{"times_minus_variable", "2*-K1", -100, 0, 1e-12L},
                      WertFall{"times_minus_bracket", "9*-(9)", -81, 0, 0},
                      WertFall{"minus_minus_bracket", "9--(7)", 16, 0, 0},
                      WertFall{"inside_product", "2+3*-(4)*5", -58, 0, 1e-12L},
                      WertFall{"plus_minus_bracket_times", "2+-(3)*4", -10, 0, 1e-12L},
                      WertFall{"divided_plus_variable", "100/+K1", 2, 0, 1e-15L},
                      WertFall{"double_sign_number", "2+--3", 5, 0, 0},
                      WertFall{"double_sign_variable", "2*--K1", 100, 0, 1e-12L},
                      WertFall{"nested_signed_brackets", "2*-(3+-K1)", 94, 0, 1e-12L},
                      WertFall{"start_keeps_meaning", "-K1*2+1", -99, 0, 1e-12L},
                      WertFall{"after_bracket_keeps_meaning", "3*(-K1)", -150, 0, 1e-12L}),
    NachName{});

TEST(FormelRechnerPolar, ExponentialFormsKeepTheirPolarPath) {
  ZKSpeicher k{}, g{};
  FormelRechner r(k, g);
  EXPECT_STREQ((r.Uebersetzen("4.0*e^j20 * 3.0*e^j40 : 2.0*e^j50"), r.Symbolfolge()), "Z*Z/ZE");
  ZKZahl z = r.Auswerten();
  EXPECT_NEAR(static_cast<double>(z.Betrag), 6.0, 1e-15);
  EXPECT_NEAR(static_cast<double>(z.Winkel), 10.0, 1e-13);

  z = Wert(r, "(2.828427125+j2.828427125) : 4*e^j37");
  EXPECT_NEAR(static_cast<double>(z.Betrag), 1.0, 1e-9);
  EXPECT_NEAR(static_cast<double>(z.Winkel), 8.0, 1e-9);

  // SetzePolar with a negative magnitude turns the angle by 180 degrees.
  z = Wert(r, "-2*e^j30");
  EXPECT_EQ(z.Betrag, 2.0L);
  EXPECT_EQ(z.Winkel, 210.0L);
}

TEST(FormelRechnerVariablen, ReadWhenTranslatedNotWhenEvaluated) {
  Speicher s;
  s.Setze(1, 5, 53.13L);
  FormelRechner r(s.k, s.g);
  ZKZahl z = Wert(r, "-K1");
  EXPECT_EQ(z.Realteil, -s.k[1].Realteil);
  EXPECT_EQ(z.Imaginaerteil, -s.k[1].Imaginaerteil);

  ASSERT_EQ(r.Uebersetzen("K1"), KeinFehler);
  s.Setze(1, 7, 0);
  z = r.Auswerten();
  EXPECT_NEAR(static_cast<double>(z.Betrag), 5.0, 1e-15);
  // A repeated evaluation gives the same value.
  const ZKZahl nochmal = r.Auswerten();
  EXPECT_FALSE(z != nochmal);
}

// A row marked unreadable has no value: the evaluation computes nothing and
// says which variable the formula named and which cell holds the text.
TEST(FormelRechnerVariablen, WithoutValueComputesNothing) {
  Speicher s;
  s.Setze(1, 4, 0);
  s.k.unlesbar[2] = true;
  s.g.unlesbar[3] = true;
  FormelRechner r(s.k, s.g);
  EXPECT_EQ(Wert(r, "K1+1").Realteil, 5.0L);
  EXPECT_EQ(r.Fehler().art, Rechenfehler::Art::Keiner);

  for (const char* formel : {"G2*3", "-K2", "K1+K2", "(1+K2)*K1"}) {
    const ZKZahl z = Wert(r, formel);
    EXPECT_FALSE(z != ZKZahl()) << formel;
    EXPECT_EQ(r.Fehler().art, Rechenfehler::Art::VariableOhneWert) << formel;
    EXPECT_EQ(r.Fehler().nummer, 2) << formel;
    EXPECT_EQ(r.Fehler().zelle, 'K') << formel;
  }
  EXPECT_EQ(r.Fehler().variable, 'K');
  (void)Wert(r, "G2*K3");
  EXPECT_EQ(r.Fehler().variable, 'G');  // the first one named
  (void)Wert(r, "K3");
  EXPECT_EQ(r.Fehler().zelle, 'G');
  EXPECT_EQ(r.Fehler().nummer, 3);
  // Repeated evaluation reports it again; a new formula starts clean.
  (void)r.Auswerten();
  EXPECT_EQ(r.Fehler().art, Rechenfehler::Art::VariableOhneWert);
  (void)Wert(r, "K1");
  EXPECT_EQ(r.Fehler().art, Rechenfehler::Art::Keiner);
  // Status stays that of the text.
  EXPECT_EQ(r.Uebersetzen("(K2"), Klammerfehler);
}

// Also where a later step would turn the non-finite value back into a
// number: the reciprocal of infinity, the angle of it, a parallel with it.
TEST(FormelRechnerDivision, ByZeroAnywhereComputesNothing) {
  Speicher s;
  s.Setze(2, 0, 0);  // G2 is the reciprocal of zero
  FormelRechner r(s.k, s.g);
  for (const char* formel : {"1:0", "1/(3-3)", "K1/K2", "1:(1:0)", "arg(1:0)", "5+1:(0^-1)",
                             "5||(1:0)", "(1/0)^0", "1:G2", "0^-0.5", "j||-j", "0||0"}) {
    EXPECT_FALSE(Wert(r, formel) != ZKZahl{}) << formel;
    EXPECT_EQ(r.Fehler().art, Rechenfehler::Art::DivisionDurchNull) << formel;
  }
  for (const char* formel : {"0:1", "0^2", "0||5", "K2*2"}) {
    (void)Wert(r, formel);
    EXPECT_EQ(r.Fehler().art, Rechenfehler::Art::Keiner) << formel;
  }
}

// --- Bad input --------------------------------------------------------------

struct StatusFall {
  const char* name;
  std::string formel;
  int status;
};

class Fehler : public ::testing::TestWithParam<StatusFall> {};

TEST_P(Fehler, ReportsStatus) {
  ZKSpeicher k{}, g{};
  FormelRechner r(k, g);
  EXPECT_EQ(r.Uebersetzen(GetParam().formel.c_str()), GetParam().status);
  EXPECT_EQ(r.Status(), GetParam().status);
  // Whatever was compiled, evaluating it stays inside the tables.
  (void)r.Auswerten();
}

std::string Verschachtelt(int tiefe) {
  return std::string(static_cast<std::size_t>(tiefe), '(') + "1" +
         std::string(static_cast<std::size_t>(tiefe), ')');
}

std::string Summe(int operanden) {
  std::string s = "1";
  for (int i = 1; i < operanden; ++i) s += "+1";
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    FormulaErrors, Fehler,
    ::testing::Values(
        StatusFall{"k0", "K0", 2}, StatusFall{"k21", "K21", 2}, StatusFall{"lowercase_k", "k1", 2},
        StatusFall{"g_huge", "G1e300", 2}, StatusFall{"exp_behind_variable", "K1*e^j30", 2},
        StatusFall{"comma", "1,5", 2}, StatusFall{"tab", "3\t+4", 2},
        StatusFall{"number_after_bracket", "(3)4", 2}, StatusFall{"j_after_number", "4j", 2},
        StatusFall{"exp_without_angle", "3*e^j", 2}, StatusFall{"dangling_exponent", "1e", 2},
        StatusFall{"letter_wins_over_bracket", "(3x", 2},
        StatusFall{"bracket_after_number", "2(3+j4)", 2},
        StatusFall{"bracket_after_bracket", "(2)(3)", 2},
        StatusFall{"bracket_after_variable", "K1(2)", 2}, StatusFall{"close_then_open", ")(", 2},
        StatusFall{"signed_invalid_variable", "2*-K0", 2},
        StatusFall{"text_256_chars", Summe(128) + " ", 2},
        StatusFall{"operands_257", Summe(257), 2}),
    NachName{});

// Two binary operators in a row, a sign followed by "*", "/" or ":", or a
// sign after an operator with nothing behind it: no formula, no value.
INSTANTIATE_TEST_SUITE_P(MalformedOperators, Fehler,
                         ::testing::Values(StatusFall{"times_divided", "2*/3", 2},
                                           StatusFall{"times_colon", "2*:3", 2},
                                           StatusFall{"plus_minus_times", "2+-*3", 2},
                                           StatusFall{"times_plus_at_end", "2*+", 2},
                                           StatusFall{"plus_minus_at_end", "3+-", 2},
                                           StatusFall{"divided_times", "2/*3", 2},
                                           StatusFall{"sign_then_times_at_start", "+*3", 2},
                                           StatusFall{"inside_bracket", "(2*/3)", 2},
                                           StatusFall{"after_bracket", "(2)+-*3", 2}),
                         NachName{});

INSTANTIATE_TEST_SUITE_P(BracketErrors, Fehler,
                         ::testing::Values(StatusFall{"open_missing_close", "((3)", 1},
                                           StatusFall{"close_missing_open", "(3))", 1},
                                           StatusFall{"close_only", "3)", 1},
                                           StatusFall{"close_before_open", "3)+(4", 1},
                                           // The groups of "^" and "||" must not pair them.
                                           StatusFall{"close_before_power", "2)^(3", 1},
                                           StatusFall{"close_before_power_sum", "1+2)^(3*2", 1},
                                           StatusFall{"power_of_brackets_only", ")^(", 1},
                                           StatusFall{"close_before_parallel", "2)||(3", 1},
                                           StatusFall{"depth_20", Verschachtelt(20), 1},
                                           StatusFall{"signed_operand_unclosed", "2*-(3", 1}),
                         NachName{});

INSTANTIATE_TEST_SUITE_P(Limits, Fehler,
                         ::testing::Values(StatusFall{"depth_19", Verschachtelt(19), 0},
                                           StatusFall{"text_255_chars", Summe(128), 0}),
                         NachName{});

TEST(FormelRechnerGrenzen, LongestSumEvaluatesFully) {
  ZKSpeicher k{}, g{};
  FormelRechner r(k, g);
  const std::string s = Summe(128);
  ASSERT_EQ(s.size(), 255u);
  EXPECT_EQ(Wert(r, s.c_str()).Realteil, 128.0L);
}

TEST(FormelRechnerGrenzen, ErrorLeavesNoStaleResult) {
  ZKSpeicher k{}, g{};
  FormelRechner r(k, g);
  EXPECT_EQ(Wert(r, "5").Realteil, 5.0L);
  ASSERT_EQ(r.Uebersetzen("5x"), Formelfehler);
  EXPECT_FALSE(r.Auswerten() != ZKZahl{});
}

// --- Values pasted with their full digits -----------------------------------

// The numbers inside a pasted part take their digits from its value; the
// text's operators keep their order, and a number that reaches beyond the
// part is read from the text.
TEST(FormelRechner, NumbersInsideAPastedPartTakeItsDigits) {
  ZKSpeicher k{}, g{};
  FormelRechner r(k, g);
  ZKZahl x1, drittel;
  x1.SetzeKartesisch(2.0L, 1.0L);
  drittel.SetzeKartesisch(1.0L / 3.0L, -2.0L / 3.0L);
  const struct {
    const char* formel;
    std::size_t anfang, laenge;
    ZKZahl wert;
    long double re, im, toleranz;
  } faelle[] = {
      // The exponential text of 2+j1 stands for 2+j1, not for its rounded angle.
      {"2.236067977*e^j26.57*2", 0, 20, x1, 4.0L, 2.0L, 1e-15L},
      // 3 times the real part, plus the imaginary part: the sum stays a sum.
      {"3*0.3333333333-j0.6666666667", 2, 26, drittel, 1.0L, -2.0L / 3.0L, 1e-15L},
      // Blanks count as characters of the text.
      {" 3 * 0.3333333333 - j0.6666666667 ", 5, 28, drittel, 1.0L, -2.0L / 3.0L, 1e-15L},
      {"-j0.6666666667*3", 0, 14, drittel, 0.0L, -2.0L, 1e-15L},
      // A digit typed before the part makes another number: the text counts.
      {"32.236067977*e^j26.57", 1, 20, x1, 28.8315704, 14.4188982, 1e-6L},
  };
  for (const auto& f : faelle) {
    const Festwert teil{f.anfang, f.laenge, f.wert};
    ASSERT_EQ(r.Uebersetzen(f.formel, std::span(&teil, 1)), KeinFehler) << f.formel;
    const ZKZahl z = r.Auswerten();
    EXPECT_NEAR(double(z.Realteil), double(f.re), double(f.toleranz)) << f.formel;
    EXPECT_NEAR(double(z.Imaginaerteil), double(f.im), double(f.toleranz)) << f.formel;
  }
  // Without the part, the rounded angle shows in the fifth digit.
  EXPECT_GT(std::fabs(Wert(r, "2.236067977*e^j26.57*2").Realteil - 4.0L), 1e-4L);
}
