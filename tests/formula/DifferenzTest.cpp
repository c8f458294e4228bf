// Random well-formed formulas, evaluated by the formula evaluator and by an
// independent recursive-descent evaluator over std::complex<long double>.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <numbers>
#include <random>
#include <string>

#include "FormelRechner.h"

namespace {

using Komplex = std::complex<long double>;

Komplex Polar(long double betrag, long double grad) {
  return std::polar(betrag, grad * std::numbers::pi_v<long double> / 180.0L);
}

// The usual grammar: sums of products of signed factors. The exponential
// form is one operand, "j" stands before its number, a bare "j" is j1.
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

 private:
  Komplex Merke(Komplex v) {
    groesster_ = std::max(groesster_, std::abs(v));
    return v;
  }

  Komplex Summe() {
    Komplex v = Produkt();
    while (*p_ == '+' || *p_ == '-') {
      const char op = *p_++;
      const Komplex t = Produkt();
      v = Merke(op == '+' ? v + t : v - t);
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
    if (*p_ == '-') return (++p_, -Faktor());
    if (*p_ == '(') {
      ++p_;
      const Komplex v = Summe();
      if (*p_++ != ')') std::abort();
      return v;
    }
    if (*p_ == 'K' || *p_ == 'G') {
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
};

class Generator {
 public:
  explicit Generator(unsigned saat) : zufall_(saat) {}

  std::string Formel() { return Summe(0); }

 private:
  int Wuerfel(int n) { return std::uniform_int_distribution<int>(0, n - 1)(zufall_); }

  std::string Summe(int tiefe) {
    std::string s = Produkt(tiefe);
    for (int n = Wuerfel(4); n > 0; --n) s += (Wuerfel(2) ? "+" : "-") + Produkt(tiefe);
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
    if (tiefe < 4 && Wuerfel(5) == 0) return vorzeichen + "(" + Summe(tiefe + 1) + ")";
    return vorzeichen + Operand();
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
    switch (Wuerfel(7)) {
      case 0:
        return Wuerfel(3) ? "j" + Zahl() : "j";
      case 1:
        return Zahl() + (Wuerfel(2) ? "*e^j" : "*e^-j") + std::to_string(Wuerfel(400) - 100);
      case 2:
      case 3:
        return (Wuerfel(2) ? "K" : "G") + std::to_string(1 + Wuerfel(20));
      default:
        return Zahl();
    }
  }

  std::mt19937 zufall_;
};

}  // namespace

TEST(FormelRechnerDifferenz, AgreesWithOrdinaryComplexArithmetic) {
  ZKSpeicher k{}, g{};
  std::mt19937 werte(4711);
  std::uniform_real_distribution<long double> betrag(0.1L, 20.0L), winkel(-180.0L, 270.0L);
  for (int nr = 1; nr <= 20; ++nr) {
    k[nr].SetzePolar(betrag(werte), winkel(werte));
    g[nr] = 1.0L / k[nr];
  }
  FormelRechner rechner(k, g);
  Generator generator(20240611);

  int verglichen = 0;
  int ausgelassen = 0;
  int abweichend = 0;
  while (verglichen < 20000) {
    const std::string formel = generator.Formel();
    if (formel.size() > 255) continue;
    Orakel orakel(formel, k, g);
    const Komplex erwartet = orakel.Wert();
    const long double groesster = std::max(1.0L, orakel.GroessterBetrag());
    // A zero divisor has no value to compare; one that is tiny against the
    // values around it comes from a near-cancelling sum, whose rounding the
    // two sides need not share.
    if (!std::isfinite(std::abs(erwartet)) || orakel.KleinsterTeiler() < 1e-9L * groesster) {
      ++ausgelassen;
      continue;
    }
    ++verglichen;
    ASSERT_EQ(rechner.Uebersetzen(formel.c_str()), KeinFehler) << formel;
    const ZKZahl z = rechner.Auswerten();
    const long double abstand = std::abs(Komplex(z.Realteil, z.Imaginaerteil) - erwartet);
    if (!(abstand <= 1e-12L * groesster) && ++abweichend <= 10) {
      ADD_FAILURE() << formel << "\n  expected " << erwartet.real() << " " << erwartet.imag()
                    << "\n  got      " << z.Realteil << " " << z.Imaginaerteil;
    }
  }
  EXPECT_EQ(abweichend, 0);
  std::cout << "compared " << verglichen << " formulas, skipped " << ausgelassen
            << " with a (near-)zero divisor\n";
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
  Generator generator(19);
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
