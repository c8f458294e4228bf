// SPDX-License-Identifier: GPL-3.0-or-later
// Formulas as they stand in the textbook: parallel connection, powers,
// functions, pi and the angle notation, with known answers.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <string>
#include <vector>

#include "complex/Ansi.h"
#include "formula/FormelRechner.h"

namespace {

using Komplex = std::complex<long double>;

Komplex Polar(long double betrag, long double grad) {
  return std::polar(betrag, grad * std::numbers::pi_v<long double> / 180.0L);
}

// The angle sign and the degree sign as the window's text becomes bytes.
std::string Winkel(const std::string& vorher, const std::string& nachher) {
  return vorher + kWinkelzeichen + nachher;
}

class Lehrbuch : public ::testing::Test {
 protected:
  Lehrbuch() {
    k_[1].SetzeKartesisch(100, 0);       // R
    k_[2].SetzeKartesisch(0, 314.159L);  // XL at 50 Hz, L = 1 H
    k_[3].SetzeKartesisch(0, -318.31L);  // XC at 50 Hz, C = 10 uF
    for (int i = 1; i <= 3; ++i) g_[i] = 1.0L / k_[i];
  }

  // The value of a formula, which must translate and compute.
  Komplex Wert(const std::string& formel) {
    EXPECT_EQ(r_.Uebersetzen(formel.c_str()), KeinFehler) << formel;
    const ZKZahl z = r_.Auswerten();
    EXPECT_EQ(r_.Fehler().art, Rechenfehler::Art::Keiner) << formel;
    return {z.Realteil, z.Imaginaerteil};
  }

  ::testing::AssertionResult Nahe(const std::string& formel, Komplex soll,
                                  long double rel = 1e-12L) {
    const Komplex ist = Wert(formel);
    if (std::abs(ist - soll) <= rel * std::max(1.0L, std::abs(soll))) {
      return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << formel << " gives " << ist.real() << " " << ist.imag()
                                         << ", expected " << soll.real() << " " << soll.imag();
  }

  ZKSpeicher k_{};
  ZKSpeicher g_{};
  FormelRechner r_{k_, g_};
};

}  // namespace

TEST_F(Lehrbuch, AcCircuitCases) {
  const Komplex xl(0, 314.159L), xc(0, -318.31L);
  const Komplex parallel = xl * xc / (xl + xc);
  // Series-parallel RLC network at 50 Hz, typed and from the memory.
  EXPECT_TRUE(Nahe("100+(j314.159||(-j318.31))", 100.0L + parallel));
  EXPECT_TRUE(Nahe("100+j314.159||-j318.31", 100.0L + parallel));
  EXPECT_TRUE(Nahe("K1+K2||K3", 100.0L + parallel));
  EXPECT_TRUE(Nahe("1/(G1+1/(K2||K3))", 1.0L / (0.01L + 1.0L / parallel)));
  // Apparent power S = U * conjugate(I): 230 V at 0 degrees, 10 A at -30.
  EXPECT_TRUE(Nahe(Winkel("230", "0") + "*konj(" + Winkel("10", "-30") + ")",
                   {1991.858428704209L, 1150.0L}, 1e-15L));
  EXPECT_TRUE(Nahe("230*conj(10*e^-j30)", {1991.858428704209L, 1150.0L}, 1e-15L));
  // |Z| and its angle, always -180..180 whatever angle the value stores.
  EXPECT_TRUE(Nahe("betrag(3+j4)", 5));
  EXPECT_TRUE(Nahe("abs(-j2)", 2));
  EXPECT_TRUE(
      Nahe("winkel(3+j4)", std::atan2(4.0L, 3.0L) * 180.0L / std::numbers::pi_v<long double>));
  EXPECT_TRUE(Nahe("arg(-j5)", -90));  // stored as 270
  EXPECT_TRUE(Nahe("winkel(-1)", 180));
  EXPECT_TRUE(Nahe("winkel(2*e^j-190)", 170));
  EXPECT_TRUE(Nahe("winkel(0)", 0));
  // A zero has the angle 0, whatever angle its path left in it.
  EXPECT_TRUE(Nahe("winkel(0*j5)", 0));
  EXPECT_TRUE(Nahe("arg(0*" + Winkel("5", "30") + ")", 0));
  // A product landing on exactly -180 degrees is taken as +180.
  EXPECT_TRUE(Nahe("winkel(1*e^-j90*1*e^-j90)", 180));
  EXPECT_TRUE(Nahe("wurzel(4*e^-j90*1*e^-j90)", {0, 2}));
  EXPECT_TRUE(Nahe("re(3-j4)+im(3-j4)", -1));
  // Roots and powers.
  EXPECT_TRUE(Nahe("wurzel(3^2+4^2)", 5, 0));
  EXPECT_TRUE(Nahe("sqrt(-4)", {0, 2}));
  EXPECT_TRUE(Nahe("(1+j)^8", 16, 1e-15L));
  EXPECT_TRUE(Nahe("2||2||2", 2.0L / 3.0L));
  EXPECT_TRUE(Nahe("2*pi*50", 100 * std::numbers::pi_v<long double>));
}

TEST_F(Lehrbuch, PrecedenceAndAssociativity) {
  EXPECT_TRUE(Nahe("-2^2", -4));
  EXPECT_TRUE(Nahe("2^-1", 0.5L));
  EXPECT_TRUE(Nahe("2^3^2", 512));  // right-associative
  EXPECT_TRUE(Nahe("(2^3)^2", 64));
  EXPECT_TRUE(Nahe("3*-2^2", -12));  // the sign after "*" too
  EXPECT_TRUE(Nahe("--2^2", 4));
  EXPECT_TRUE(Nahe("2^-2^2", 1.0L / 16));
  EXPECT_TRUE(Nahe("1+2*3^2", 19));
  EXPECT_TRUE(Nahe("1+2^2*3", 13));
  EXPECT_TRUE(Nahe("2*3||6", 3));    // "*" before "||"
  EXPECT_TRUE(Nahe("1+2||2-1", 1));  // "||" before "+" and "-"
  EXPECT_TRUE(Nahe("6||3*2", 3));
  EXPECT_TRUE(Nahe("-2||2*2", -4));  // the leading sign belongs to the term
  EXPECT_TRUE(Nahe("(2||2)^2", 1));
  EXPECT_TRUE(Nahe("j^2", -1));
  EXPECT_TRUE(Nahe("-j^2", 1));
  EXPECT_TRUE(Nahe("j2^2", -4));
  EXPECT_TRUE(Nahe("2*-pi", -2 * std::numbers::pi_v<long double>));
  EXPECT_TRUE(Nahe("2^-K1", std::pow(2.0L, -100.0L)));
  EXPECT_TRUE(Nahe("2*-konj(j)", {0, 2}));
  EXPECT_TRUE(Nahe("konj(j)^2", -1));
  EXPECT_TRUE(Nahe("1-wurzel(4)*3", -5));
  // The exponential form and the angle notation are one operand.
  EXPECT_TRUE(Nahe("5*e^j30^2", Polar(25, 60)));
  EXPECT_TRUE(Nahe(Winkel("5", "30") + "^2", Polar(25, 60)));
  EXPECT_TRUE(Nahe("-5*e^j30^2", -Polar(25, 60)));
}

TEST_F(Lehrbuch, PowersTakeTheStoredOrThePrincipalAngle) {
  ASSERT_EQ(r_.Uebersetzen("(1+j)^8"), KeinFehler);
  EXPECT_EQ(r_.Auswerten().Winkel, 360.0L);
  // A non-integer exponent turns the principal angle: 270 is -90.
  EXPECT_TRUE(Nahe("(2*e^j270)^0.5", Polar(std::sqrt(2.0L), -45)));
  EXPECT_TRUE(Nahe("(-8)^(1/3)", Polar(2, 60)));
  EXPECT_TRUE(Nahe("4^0.5", 2));
  EXPECT_TRUE(Nahe("0^2", 0));
  EXPECT_TRUE(Nahe("2^(j*j)", 0.5L));  // the exponent is real after all
  EXPECT_TRUE(Nahe("0||5", 0));
}

TEST_F(Lehrbuch, NamesAndConstants) {
  for (const char* f : {"KONJ(j)", "Konj(j)", "conj(j)", "CONJ(j)"}) EXPECT_TRUE(Nahe(f, {0, -1}));
  for (const char* f : {"pi", "PI", "Pi", "pI"})
    EXPECT_TRUE(Nahe(f, std::numbers::pi_v<long double>));
  EXPECT_TRUE(Nahe(std::string(1, kPiZeichen) + "/2", std::numbers::pi_v<long double> / 2));
  EXPECT_TRUE(Nahe("Sqrt(16)+Wurzel(9)+ABS(-1)+Betrag(1)", 9));
  EXPECT_TRUE(Nahe("RE(3+j4)*IM(3+j4)*Arg(j)*Winkel(1)", 0));
  EXPECT_TRUE(Nahe(Winkel("230", "-30"), Polar(230, -30)));
  EXPECT_TRUE(Nahe(Winkel("230", "-30\xB0"), Polar(230, -30)));
  EXPECT_TRUE(Nahe(Winkel("10", "+90\xB0") + "+1", {1, 10}));
  EXPECT_TRUE(Nahe(Winkel("-2", "30"), Polar(2, 210)));
}

TEST_F(Lehrbuch, ZeroSumsAndComplexExponents) {
  for (const char* f : {"2||-2", "0||0", "j||-j", "0^-1"}) {
    ASSERT_EQ(r_.Uebersetzen(f), KeinFehler) << f;
    (void)r_.Auswerten();
    EXPECT_EQ(r_.Fehler().art, Rechenfehler::Art::DivisionDurchNull) << f;
  }
  for (const char* f : {"2^j", "2^(1+j)", "K1^K2", "1+2^j*3"}) {
    ASSERT_EQ(r_.Uebersetzen(f), KeinFehler) << f;
    EXPECT_FALSE(r_.Auswerten() != ZKZahl()) << f;
    EXPECT_EQ(r_.Fehler().art, Rechenfehler::Art::KomplexerExponent) << f;
  }
  // The next formula starts without the error.
  EXPECT_TRUE(Nahe("2^2", 4));
}

// The product and the sum's squared magnitude inside a||b would leave the
// 80-bit range long before the operands or the result do.
TEST_F(Lehrbuch, ParallelStaysInRangeInside) {
  EXPECT_TRUE(Nahe("6/14||8^3000", 3.0L / 7.0L));
  EXPECT_TRUE(Nahe("8^3000||6/14", 3.0L / 7.0L));
  for (const int e : {9000, -9000}) {
    const std::string zwei = "2^" + std::to_string(e);
    const Komplex z = Wert(zwei + "||j*" + zwei);  // (1+j)/2 * 2^e
    EXPECT_NEAR(static_cast<double>(std::ldexp(z.real(), -e)), 0.5, 1e-15) << e;
    EXPECT_NEAR(static_cast<double>(std::ldexp(z.imag(), -e)), 0.5, 1e-15) << e;
  }
  EXPECT_NEAR(static_cast<double>(Wert("10^4000||10^-4000").real() * 1e4000L), 1.0, 1e-15);
  // Beyond any precision: the smaller operand itself.
  EXPECT_EQ(Wert("2^16000||2^-16000").real(), std::ldexp(1.0L, -16000));
}

TEST_F(Lehrbuch, MalformedNewFormsAreFormulaErrors) {
  const std::vector<std::string> fehler = {"konj()",
                                           "konj3",
                                           "konj",
                                           "foo(3)",
                                           "konjx(3)",
                                           "pix",
                                           "2pi",
                                           "pi2",
                                           "||3",
                                           "3||",
                                           "3|4",
                                           "3|||4",
                                           "3||||4",
                                           "3||*4",
                                           "(3||)",
                                           "3||+",
                                           "3^",
                                           "^3",
                                           "2^*3",
                                           "2^^3",
                                           "(2^)",
                                           "2*^3",
                                           "3^-",
                                           "K1*e^j30",
                                           "e^j30",
                                           "2konj(3)",
                                           Winkel("3", ""),
                                           Winkel("3", "\xB0"),
                                           Winkel("", "30"),
                                           Winkel("K1", "30"),
                                           Winkel("3", "30") + "\xB0\xB0",
                                           "3\xB0"};
  for (const std::string& f : fehler) EXPECT_EQ(r_.Uebersetzen(f.c_str()), Formelfehler) << f;
  EXPECT_EQ(r_.Uebersetzen("konj(3"), Klammerfehler);
  EXPECT_EQ(r_.Uebersetzen("(2||3"), Klammerfehler);
}

// The groups of powers, functions and chains do not count as the user's
// brackets: ten nested functions are fine, twenty brackets still are not.
TEST_F(Lehrbuch, NestedFunctionsAreNotABracketError) {
  std::string f = "2";
  for (int i = 0; i < 10; ++i) f = "konj(" + f + "||2)^1";
  ASSERT_EQ(r_.Uebersetzen(f.c_str()), KeinFehler) << f;
  // The function's bracket is one of the user's.
  std::string klammern = std::string(18, '(') + "wurzel(4^2)||4" + std::string(18, ')');
  EXPECT_TRUE(Nahe(klammern, 2));
  klammern = std::string(19, '(') + "wurzel(4)" + std::string(19, ')');
  EXPECT_EQ(r_.Uebersetzen(klammern.c_str()), Klammerfehler);
  klammern = std::string(20, '(') + "2^2" + std::string(20, ')');
  EXPECT_EQ(r_.Uebersetzen(klammern.c_str()), Klammerfehler);
}

// How the additions are compiled: groups of their own around the new
// operators, so that the implicit groups of "+" and "*" stay as they were.
TEST_F(Lehrbuch, CompiledForms) {
  struct Fall {
    const char* formel;
    const char* symbole;
    std::vector<int> codes;
  };
  const Fall faelle[] = {
      {"2^3", "(Z^Z)E", {128, 16, 32, 16, 256, 0, 0}},
      {"1||2", "((Z)|(Z))E", {128, 128, 16, 256, 64, 128, 16, 256, 256, 0, 0}},
      {"konj(1)", "((Z)k)E", {128, 128, 16, 256, 512, 256, 0, 0}},
      {"1+2^2*3", "Z+(Z^Z)*ZE", {16, 1, 128, 16, 32, 16, 4, 16, 256, 0, 0}},
  };
  for (const Fall& f : faelle) {
    ASSERT_EQ(r_.Uebersetzen(f.formel), KeinFehler) << f.formel;
    EXPECT_STREQ(r_.Symbolfolge(), f.symbole) << f.formel;
    std::vector<int> codes;
    for (std::size_t i = 0; i < f.codes.size(); ++i) codes.push_back(r_.Codefolge()[i]);
    EXPECT_EQ(codes, f.codes) << f.formel;
  }
}

// The locus page's parameter: f and ω only where the caller allows them, the
// value set per point without translating again.
TEST_F(Lehrbuch, FrequencyParameterOnlyWhereAllowed) {
  const std::string omega(1, kOmegaZeichen);
  for (const std::string& f : {std::string("f"), std::string("omega"), omega, std::string("2*f")})
    EXPECT_EQ(r_.Uebersetzen(f.c_str()), Formelfehler) << f;

  r_.ErlaubeFrequenz(true);
  r_.SetzeFrequenz(50);
  const long double w = 100 * std::numbers::pi_v<long double>;
  EXPECT_TRUE(Nahe("f", 50));
  EXPECT_TRUE(r_.NutztFrequenz());
  for (const std::string& f : {std::string("omega"), std::string("OMEGA"), omega})
    EXPECT_TRUE(Nahe(f, w)) << f;
  EXPECT_TRUE(Nahe("2*-f+-" + omega, -100 - w));
  EXPECT_TRUE(Nahe("K1+j*omega*1", {100, w}));
  EXPECT_TRUE(Nahe("1/(j*2*pi*f*1E-5)", {0, -1 / (w * 1e-5L)}));
  for (const char* f : {"f2", "fa", "2f", "f(1)", "F", "omegas", "jf"})
    EXPECT_EQ(r_.Uebersetzen(f), Formelfehler) << f;
  EXPECT_TRUE(Nahe("K1", 100));
  EXPECT_FALSE(r_.NutztFrequenz());

  // A new frequency rewrites only the parameter; a division by zero at one
  // point leaves the next one sound.
  ASSERT_EQ(r_.Uebersetzen("K1+1/(j*omega*1E-3)"), KeinFehler);
  r_.SetzeFrequenz(0);
  (void)r_.Auswerten();
  EXPECT_EQ(r_.Fehler().art, Rechenfehler::Art::DivisionDurchNull);
  r_.SetzeFrequenz(1000);
  const ZKZahl z = r_.Auswerten();
  EXPECT_EQ(r_.Fehler().art, Rechenfehler::Art::Keiner);
  EXPECT_NEAR(static_cast<double>(z.Imaginaerteil), -1 / (2 * M_PI), 1e-15);
  EXPECT_EQ(z.Realteil, 100);
}
