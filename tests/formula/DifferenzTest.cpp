// SPDX-License-Identifier: GPL-3.0-or-later
// Random well-formed formulas, evaluated by the formula evaluator and by an
// independent recursive-descent evaluator over std::complex<long double>.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <numbers>
#include <random>
#include <string>

#include "complex/Ansi.h"
#include "formula/FormelRechner.h"

namespace {

using Komplex = std::complex<long double>;

Komplex Polar(long double betrag, long double grad) {
  return std::polar(betrag, grad * std::numbers::pi_v<long double> / 180.0L);
}

constexpr long double kPi = std::numbers::pi_v<long double>;

// The usual grammar: sums of parallel chains of products of signed powers.
// The exponential form and the angle notation are one operand, "j" stands
// before its number, a bare "j" is j1; "^" binds more strongly than a sign
// and from right to left; a power or root of a complex value takes its
// principal angle (-180 excluded to 180), except for an integer exponent,
// where the branch does not matter.
class Orakel {
 public:
  Orakel(const std::string& text, const ZKSpeicher& k, const ZKSpeicher& g)
      : p_(text.c_str()), k_(k), g_(g) {}

  Komplex Wert() {
    const Komplex v = Summe();
    if (*p_ != '\0') std::abort();  // the generator made something it cannot read
    return v;
  }
  long double GroessterBetrag() const { return groesster_; }
  long double KleinsterTeiler() const { return kleinsterTeiler_; }
  long double KleinsterWinkelBetrag() const { return kleinsterWinkelBetrag_; }
  // A principal angle was taken of a value so close to the negative real
  // axis that rounding decides between +180 and -180.
  bool AmSchnitt() const { return amSchnitt_; }

 private:
  Komplex Merke(Komplex v) {
    groesster_ = std::max(groesster_, std::abs(v));
    return v;
  }

  // The principal angle in radians, -pi excluded.
  long double Hauptwinkel(Komplex z) {
    long double a = std::arg(z);
    if (a <= -kPi) a = kPi;
    if (z != Komplex(0) && kPi - std::fabs(a) < 1e-9L) amSchnitt_ = true;
    return a;
  }

  Komplex Potenz(Komplex z, long double b) {
    const bool ganz = b == std::trunc(b);
    if (b < 0 || !ganz) kleinsterTeiler_ = std::min(kleinsterTeiler_, std::abs(z));
    const long double winkel = ganz ? std::arg(z) : Hauptwinkel(z);
    return Merke(std::polar(std::pow(std::abs(z), b), b * winkel));
  }

  Komplex Summe() {
    Komplex v = Parallel();
    while (*p_ == '+' || *p_ == '-') {
      const char op = *p_++;
      const Komplex t = Parallel();
      v = Merke(op == '+' ? v + t : v - t);
    }
    return v;
  }

  Komplex Parallel() {
    Komplex v = Produkt();
    while (p_[0] == '|' && p_[1] == '|') {
      p_ += 2;
      const Komplex t = Produkt();
      kleinsterTeiler_ = std::min(kleinsterTeiler_, std::abs(v + t));
      v = Merke(v * t / (v + t));
    }
    return v;
  }

  Komplex Produkt() {
    Komplex v = Faktor();
    while (*p_ == '*' || *p_ == '/' || *p_ == ':') {
      const char op = *p_++;
      const Komplex f = Faktor();
      if (op == '*') {
        v = Merke(v * f);
      } else {
        kleinsterTeiler_ = std::min(kleinsterTeiler_, std::abs(f));
        v = Merke(v / f);
      }
    }
    return v;
  }

  Komplex Faktor() {
    if (*p_ == '+') return (++p_, Faktor());
    if (*p_ == '-') return (++p_, Merke(-Faktor()));
    const Komplex basis = Primaer();
    if (*p_ != '^') return basis;
    ++p_;
    const Komplex exponent = Faktor();
    if (exponent.imag() != 0) std::abort();  // the generator makes real exponents
    return Potenz(basis, exponent.real());
  }

  Komplex Primaer() {
    if (*p_ == '(') {
      ++p_;
      const Komplex v = Summe();
      if (*p_++ != ')') std::abort();
      return v;
    }
    if (*p_ == kPiZeichen) return (++p_, Komplex(kPi));
    const bool variable =
        (*p_ == 'K' || *p_ == 'G') && std::isdigit(static_cast<unsigned char>(p_[1]));
    if (std::isalpha(static_cast<unsigned char>(*p_)) && !variable && *p_ != 'j') {
      std::string name;
      while (std::isalpha(static_cast<unsigned char>(*p_))) {
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(*p_++)));
      }
      if (name == "pi") return kPi;
      if (*p_++ != '(') std::abort();
      const Komplex a = Summe();
      if (*p_++ != ')') std::abort();
      if (name == "konj" || name == "conj") return std::conj(a);
      if (name == "betrag" || name == "abs") return std::abs(a);
      if (name == "re") return a.real();
      if (name == "im") return a.imag();
      if (name == "winkel" || name == "arg") {
        kleinsterWinkelBetrag_ = std::min(kleinsterWinkelBetrag_, std::abs(a));
        return Hauptwinkel(a) * 180.0L / kPi;
      }
      if (name == "wurzel" || name == "sqrt") return Potenz(a, 0.5L);
      std::abort();
    }
    if (variable) {
      const ZKSpeicher& tabelle = *p_ == 'K' ? k_ : g_;
      char* ende = nullptr;
      const long nr = std::strtol(p_ + 1, &ende, 10);
      p_ = ende;
      return Merke({tabelle[nr].Realteil, tabelle[nr].Imaginaerteil});
    }
    if (*p_ == 'j') {
      ++p_;
      if (!std::isdigit(static_cast<unsigned char>(*p_))) return {0, 1};
      return Merke({0, Zahl()});
    }
    const long double x = Zahl();
    if (*p_ == kWinkelzeichen) {
      ++p_;
      const long double phi = Zahl();
      if (*p_ == '\xB0') ++p_;
      return Merke(Polar(x, phi));
    }
    for (const char* marke : {"*e^-j", "*e^j"}) {
      const std::string m = marke;
      if (std::string(p_).starts_with(m)) {
        p_ += m.size();
        const long double phi = Zahl();
        return Merke(Polar(x, m == "*e^-j" ? -phi : phi));
      }
    }
    return Merke({x, 0});
  }

  long double Zahl() {
    char* ende = nullptr;
    const long double x = std::strtold(p_, &ende);
    if (ende == p_) std::abort();
    p_ = ende;
    return x;
  }

  const char* p_;
  const ZKSpeicher& k_;
  const ZKSpeicher& g_;
  long double groesster_ = 0;
  long double kleinsterTeiler_ = INFINITY;
  long double kleinsterWinkelBetrag_ = INFINITY;
  bool amSchnitt_ = false;
};

// Formulas of the old forms only, or mixed with the additions.
class Generator {
 public:
  Generator(unsigned saat, bool neu) : zufall_(saat), neu_(neu) {}

  std::string Formel() { return Summe(0); }

 private:
  int Wuerfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(zufall_); }

  std::string Summe(int tiefe) {
    std::string s = Parallel(tiefe);
    for (int n = Wuerfel(4); n > 0; --n) s += (Wuerfel(2) ? "+" : "-") + Parallel(tiefe);
    return s;
  }

  std::string Parallel(int tiefe) {
    std::string s = Produkt(tiefe);
    if (!neu_ || Wuerfel(6) != 0) return s;
    for (int n = 1 + Wuerfel(2); n > 0; --n) s += "||" + Produkt(tiefe);
    return s;
  }

  std::string Produkt(int tiefe) {
    std::string s = Faktor(tiefe);
    static const char* const kOps[] = {"*", "/", ":"};
    for (int n = Wuerfel(3); n > 0; --n) s += kOps[Wuerfel(3)] + Faktor(tiefe);
    return s;
  }

  // Signs in front of numbers, brackets and variables, sometimes two.
  std::string Faktor(int tiefe) {
    std::string vorzeichen;
    if (Wuerfel(4) == 0) vorzeichen = Wuerfel(3) ? "-" : "+";
    if (!vorzeichen.empty() && Wuerfel(10) == 0) vorzeichen += Wuerfel(2) ? "-" : "+";
    std::string basis;
    if (tiefe < 4 && Wuerfel(5) == 0) {
      // A bracket, or with the additions sometimes a function's bracket.
      static const char* const kNamen[] = {"konj", "conj", "betrag", "abs",  "winkel", "arg",
                                           "re",   "im",   "wurzel", "sqrt", "Konj",   "SQRT"};
      const std::string name = neu_ && Wuerfel(3) == 0 ? kNamen[Wuerfel(12)] : "";
      basis = name + "(" + Summe(tiefe + 1) + ")";
    } else {
      basis = Operand();
    }
    if (neu_ && Wuerfel(8) == 0) basis += "^" + Exponent();
    return vorzeichen + basis;
  }

  // Real exponents: integers, halves, signed, in brackets, sometimes a
  // power themselves (right to left).
  std::string Exponent() {
    switch (Wuerfel(8)) {
      case 0:
        return "-" + std::to_string(1 + Wuerfel(2));
      case 1:
        return "0.5";
      case 2:
        return "(1/3)";
      case 3:
        return "1.5";
      case 4:
        return "2^" + std::to_string(Wuerfel(2));
      case 5:
        return "-(2)";
      default:
        return std::to_string(Wuerfel(4));
    }
  }

  std::string Zahl() {
    switch (Wuerfel(4)) {
      case 0:
        return std::to_string(1 + Wuerfel(9)) + "." + std::to_string(Wuerfel(1000));
      case 1:
        return std::to_string(Wuerfel(5)) + ".25e" + std::to_string(Wuerfel(3) - 1);
      default:
        return std::to_string(Wuerfel(21));
    }
  }

  std::string Operand() {
    switch (Wuerfel(neu_ ? 9 : 7)) {
      case 0:
        return Wuerfel(3) ? "j" + Zahl() : "j";
      case 1:
        return Zahl() + (Wuerfel(2) ? "*e^j" : "*e^-j") + std::to_string(Wuerfel(400) - 100);
      case 2:
      case 3:
        return (Wuerfel(2) ? "K" : "G") + std::to_string(1 + Wuerfel(20));
      case 7:
        return Zahl() + kWinkelzeichen + std::to_string(Wuerfel(400) - 200) +
               (Wuerfel(2) ? "\xB0" : "");
      case 8: {
        static const char* const kPis[] = {"pi", "PI", "Pi"};
        return Wuerfel(4) ? kPis[Wuerfel(3)] : std::string(1, kPiZeichen);
      }
      default:
        return Zahl();
    }
  }

  std::mt19937 zufall_;
  bool neu_;
};

// Many random formulas, evaluated both ways; near-zero divisors and values
// on the branch cut of a principal angle have no value to compare.
void Vergleiche(bool neu, unsigned saat, int anzahl) {
  ZKSpeicher k{}, g{};
  std::mt19937 werte(4711);
  std::uniform_real_distribution<long double> betrag(0.1L, 20.0L), winkel(-180.0L, 270.0L);
  for (int nr = 1; nr <= 20; ++nr) {
    k[nr].SetzePolar(betrag(werte), winkel(werte));
    g[nr] = 1.0L / k[nr];
  }
  FormelRechner rechner(k, g);
  Generator generator(saat, neu);

  int verglichen = 0;
  int ausgelassen = 0;
  int abweichend = 0;
  while (verglichen < anzahl) {
    const std::string formel = generator.Formel();
    if (formel.size() > 255) continue;
    Orakel orakel(formel, k, g);
    const Komplex erwartet = orakel.Wert();
    const long double groesster = std::max(1.0L, orakel.GroessterBetrag());
    // A zero divisor has no value to compare; one that is tiny against the
    // values around it comes from a near-cancelling sum, whose rounding the
    // two sides need not share. The same holds for the angle of a value
    // that is small against the values around it.
    if (!std::isfinite(std::abs(erwartet)) || orakel.KleinsterTeiler() < 1e-9L * groesster ||
        orakel.KleinsterWinkelBetrag() < 1e-4L * groesster || orakel.AmSchnitt() ||
        !std::isfinite(groesster)) {
      ++ausgelassen;
      continue;
    }
    ++verglichen;
    ASSERT_EQ(rechner.Uebersetzen(formel.c_str()), KeinFehler) << formel;
    const ZKZahl z = rechner.Auswerten();
    ASSERT_EQ(rechner.Fehler().art, Rechenfehler::Art::Keiner) << formel;
    const long double abstand = std::abs(Komplex(z.Realteil, z.Imaginaerteil) - erwartet);
    if (!(abstand <= 1e-12L * groesster) && ++abweichend <= 10) {
      ADD_FAILURE() << formel << "\n  expected " << erwartet.real() << " " << erwartet.imag()
                    << "\n  got      " << z.Realteil << " " << z.Imaginaerteil;
    }
  }
  EXPECT_EQ(abweichend, 0);
  std::cout << "compared " << verglichen << " formulas, skipped " << ausgelassen
            << " with a (near-)zero divisor or an angle on the branch cut\n";
}

}  // namespace

TEST(FormelRechnerDifferenz, AgreesWithOrdinaryComplexArithmetic) {
  Vergleiche(false, 20240611, 20000);
}

TEST(FormelRechnerDifferenz, AgreesAlsoWithTheTextbookForms) {
  Vergleiche(true, 20261207, 20000);
}

// The evaluator clears only the table entries the previous formula wrote; a
// formula must see the same table as in a fresh evaluator, also when it
// follows a longer one or a failed one.
TEST(FormelRechnerTabellen, ReusedEvaluatorGivesTheBitsOfAFreshOne) {
  ZKSpeicher k{}, g{};
  for (int nr = 1; nr <= 20; ++nr) {
    k[nr].SetzePolar(nr, 17.0L * nr);
    g[nr] = 1.0L / k[nr];
  }
  FormelRechner wieder(k, g);
  Generator generator(19, true);
  for (int i = 0; i < 3000; ++i) {
    std::string formel = generator.Formel();
    if (formel.size() > 255) continue;
    // Every so often a failed or truncated formula in between.
    if (i % 7 == 3) wieder.Uebersetzen((formel + "x").c_str());
    if (i % 11 == 5) formel = formel.substr(0, formel.size() / 2);
    FormelRechner frisch(k, g);
    const int status = frisch.Uebersetzen(formel.c_str());
    ASSERT_EQ(wieder.Uebersetzen(formel.c_str()), status) << formel;
    ASSERT_STREQ(wieder.Symbolfolge(), frisch.Symbolfolge()) << formel;
    const ZKZahl a = wieder.Auswerten();
    const ZKZahl b = frisch.Auswerten();
    ASSERT_EQ(std::memcmp(&a.Realteil, &b.Realteil, 10), 0) << formel;
    ASSERT_EQ(std::memcmp(&a.Imaginaerteil, &b.Imaginaerteil, 10), 0) << formel;
    ASSERT_EQ(std::memcmp(&a.Betrag, &b.Betrag, 10), 0) << formel;
    ASSERT_EQ(std::memcmp(&a.Winkel, &b.Winkel, 10), 0) << formel;
  }
}
