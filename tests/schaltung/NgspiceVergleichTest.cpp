// SPDX-License-Identifier: GPL-3.0-or-later
// Random circuits, solved by both analyses and by ngspice, must agree.
//
// How the simulator's conventions map onto ours:
// - A source is written "AC magnitude phase" with the phase in degrees, as
//   our 230∠-30° is; its magnitude is taken as our RMS phasor, both being
//   plain phasors of a linear analysis. (ngspice's own phase outputs, ph(),
//   are in radians: we read real and imaginary parts only, never a phase.)
// - i(V1) is positive when the current flows into the + node, through the
//   source and out of the - node: that is our I_U1 with the same sign.
// - A current source "I1 a b" drives its current from a through the source
//   to b, as ours does.
// - ngspice has no complex impedance: Z = R + jX becomes R in series with an
//   L (X > 0) or a C (X < 0) at the circuit's frequency, Y = G + jB a
//   resistor in parallel with a C (B > 0) or an L (B < 0).
// - Values go to ngspice in plain scientific notation (its "M" is milli);
//   our netlist gets the same decimal digits with SI prefixes and units.
// - `.options noopac` skips the DC operating point, which a node reached only
//   through capacitors would make singular; the circuits are linear.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"
#include "schaltung/Vereinigung.h"

namespace {

using Komplex = std::complex<long double>;

constexpr int kSchaltungenProTeil = 260;
constexpr int kTeile = 8;  // 2080 circuits, each solved by both analyses
constexpr long double kHoechsteKondition = 1e6L;

std::string Wissenschaftlich(double x) {
  char puffer[40];
  const auto r =
      std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific, 16);
  return std::string(puffer, r.ptr);
}

struct Zufall {
  std::mt19937_64 gen;
  double Gleich(double a, double b) { return std::uniform_real_distribution<double>(a, b)(gen); }
  int Ganz(int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); }
  bool Muenze() { return Ganz(0, 1) == 1; }
  double Dekaden(double mitte, double breite) {
    return mitte * std::pow(10.0, Gleich(-breite, breite));
  }
};

// The same decimal digits as Wissenschaftlich(x), sometimes with an SI
// prefix in place of the exponent and a decimal comma.
std::string MitVorsatz(double x, Zufall& z) {
  const std::string s = Wissenschaftlich(x);
  const bool komma = z.Muenze();
  auto ersetze = [komma](std::string t) {
    if (komma) std::replace(t.begin(), t.end(), '.', ',');
    return t;
  };
  if (z.Ganz(0, 3) == 0) return ersetze(s);
  // s is "d.dddddddddddddddde+XX" (or with a leading minus).
  const std::size_t e = s.find('e');
  const int exponent = std::stoi(s.substr(e + 1));
  const int vorsatz = static_cast<int>(std::floor(exponent / 3.0)) * 3;
  if (vorsatz < -12 || vorsatz > 12) return ersetze(s);
  std::string ziffern = s.substr(0, 1) + s.substr(2, e - 2);
  const std::size_t vorKomma = static_cast<std::size_t>(exponent - vorsatz) + 1;
  std::string zahl = ziffern.substr(0, vorKomma) + "." + ziffern.substr(vorKomma);
  static const char* const kVorsaetze[] = {"p", "n", "\xC2\xB5", "m", "", "k", "M", "G", "T"};
  std::string v = kVorsaetze[(vorsatz + 12) / 3];
  if (vorsatz == -6 && z.Muenze()) v = "u";
  return ersetze(zahl) + v;
}

struct Zufallsschaltung {
  std::string netzliste;
  std::string spice;
  int knoten = 0;                    // nodes "1" .. "knoten" besides ground
  std::vector<std::string> quellen;  // our voltage sources U1.. (V1.. in ngspice)
};

Zufallsschaltung Erzeuge(Zufall& z) {
  Zufallsschaltung c;
  const int n = z.Ganz(3, 25);  // nodes with ground
  c.knoten = n - 1;
  const double f = std::pow(10.0, z.Gleich(0.0, 8.0));
  const long double omega = 2.0L * ZK_Pi() * static_cast<long double>(f);
  const double z0 = std::pow(10.0, z.Gleich(0.0, 6.0));
  std::ostringstream net, sp;
  net << "* Zufallsschaltung\nf = " << MitVorsatz(f, z) << (z.Muenze() ? " Hz" : "") << "\n";
  sp << "* Zufallsschaltung\n";
  const char* masse[] = {"0", "GND", "Masse", "0"};
  const std::string ground = masse[z.Ganz(0, 3)];
  auto name = [&](int k) { return k == 0 ? ground : std::to_string(k); };
  auto spName = [](int k) { return std::to_string(k); };
  int nummer = 0;

  auto passiv = [&](int a, int b) {
    ++nummer;
    const double betrag = z.Dekaden(z0, 1.5);
    const std::string na = name(a), nb = name(b), sa = spName(a), sb = spName(b);
    switch (z.Ganz(0, 4)) {
      case 0: {
        net << "R" << nummer << " " << na << " " << nb << " " << MitVorsatz(betrag, z)
            << (z.Muenze() ? "\xCE\xA9" : "") << "\n";
        sp << "R" << nummer << " " << sa << " " << sb << " " << Wissenschaftlich(betrag) << "\n";
        break;
      }
      case 1: {
        const double l = static_cast<double>(betrag / omega);
        net << "L" << nummer << " " << na << " " << nb << " " << MitVorsatz(l, z)
            << (z.Muenze() ? "H" : "") << "\n";
        sp << "L" << nummer << " " << sa << " " << sb << " " << Wissenschaftlich(l) << "\n";
        break;
      }
      case 2: {
        const double cap = static_cast<double>(1.0L / (omega * betrag));
        net << "C" << nummer << " " << na << " " << nb << " " << MitVorsatz(cap, z)
            << (z.Muenze() ? "F" : "") << "\n";
        sp << "C" << nummer << " " << sa << " " << sb << " " << Wissenschaftlich(cap) << "\n";
        break;
      }
      default: {
        // Z (or Y = 1/Z) with an angle short of ±90°.
        const bool admittanz = z.Muenze();
        const double winkel = z.Gleich(-85.0, 85.0);
        const double wert = admittanz ? 1.0 / betrag : betrag;
        long double re = 0.0L, im = 0.0L;
        std::string text;
        if (z.Muenze()) {
          ZKZahl p;
          p.SetzePolar(wert, winkel);
          re = p.Realteil;
          im = p.Imaginaerteil;
          text = MitVorsatz(wert, z) + "\xE2\x88\xA0" + Wissenschaftlich(winkel) + "\xC2\xB0";
        } else {
          const double r = wert * std::cos(winkel * M_PI / 180.0);
          const double x = wert * std::sin(winkel * M_PI / 180.0);
          re = r;
          im = x;
          text = MitVorsatz(r, z) + (x < 0 ? " - j" : " + j") + MitVorsatz(std::fabs(x), z);
        }
        const std::string nm = (admittanz ? "Y" : "Z") + std::to_string(nummer);
        net << nm << " " << na << " " << nb << " " << text << "\n";
        if (!admittanz) {
          const std::string mitte = "z" + std::to_string(nummer);
          sp << "R" << nm << " " << sa << " " << mitte << " "
             << Wissenschaftlich(static_cast<double>(re)) << "\n";
          if (im > 0)
            sp << "L" << nm << " " << mitte << " " << sb << " "
               << Wissenschaftlich(static_cast<double>(im / omega)) << "\n";
          else
            sp << "C" << nm << " " << mitte << " " << sb << " "
               << Wissenschaftlich(static_cast<double>(-1.0L / (omega * im))) << "\n";
        } else {
          sp << "R" << nm << " " << sa << " " << sb << " "
             << Wissenschaftlich(static_cast<double>(1.0L / re)) << "\n";
          if (im > 0)
            sp << "C" << nm << " " << sa << " " << sb << " "
               << Wissenschaftlich(static_cast<double>(im / omega)) << "\n";
          else
            sp << "L" << nm << " " << sa << " " << sb << " "
               << Wissenschaftlich(static_cast<double>(-1.0L / (omega * im))) << "\n";
        }
        break;
      }
    }
  };
  auto paar = [&](int& a, int& b) {
    a = z.Ganz(0, n - 1);
    do b = z.Ganz(0, n - 1);
    while (b == a);
  };

  // A tree of passive elements keeps every node connected without the
  // sources; more elements close loops (parallel ones included).
  for (int k = 1; k < n; ++k) passiv(z.Ganz(0, k - 1), k);
  const int weitere = z.Ganz(0, n);
  for (int k = 0; k < weitere; ++k) {
    int a = 0, b = 0;
    paar(a, b);
    passiv(a, b);
  }
  int spannungen = 0, stroeme = 0;
  // At most n - 1 voltage sources fit without closing a loop of them.
  do {
    spannungen = std::min(z.Ganz(0, 3), n - 1);
    stroeme = z.Ganz(0, 3);
  } while (spannungen + stroeme == 0);
  Vereinigung quellenWald(static_cast<std::size_t>(n));
  for (int q = 1; q <= spannungen; ++q) {
    int a = 0, b = 0;
    do paar(a, b);
    while (quellenWald.Wurzel(a) == quellenWald.Wurzel(b));
    quellenWald.Vereinige(a, b);
    const double betrag = std::pow(10.0, z.Gleich(0.0, 3.0));
    const double phase = z.Gleich(-180.0, 180.0);
    const std::string nm = std::to_string(q);
    c.quellen.push_back("U" + nm);
    net << (z.Muenze() ? "U" : "V") << nm << " " << name(a) << " " << name(b) << " ";
    if (z.Muenze())
      net << MitVorsatz(betrag, z) << (z.Muenze() ? " V" : "") << " \xE2\x88\xA0 "
          << Wissenschaftlich(phase) << "\xC2\xB0\n";
    else
      net << Wissenschaftlich(betrag) << "*e^j" << Wissenschaftlich(phase) << "\n";
    sp << "V" << nm << " " << spName(a) << " " << spName(b) << " AC " << Wissenschaftlich(betrag)
       << " " << Wissenschaftlich(phase) << "\n";
  }
  for (int q = 1; q <= stroeme; ++q) {
    int a = 0, b = 0;
    paar(a, b);
    const double betrag = z.Dekaden(100.0 / z0, 1.0);
    const double phase = z.Gleich(-180.0, 180.0);
    net << "I" << q << " " << name(a) << " " << name(b) << " " << MitVorsatz(betrag, z)
        << (z.Muenze() ? "A" : "") << "\xE2\x88\xA0" << Wissenschaftlich(phase) << "\xC2\xB0\n";
    sp << "I" << q << " " << spName(a) << " " << spName(b) << " AC " << Wissenschaftlich(betrag)
       << " " << Wissenschaftlich(phase) << "\n";
  }
  sp << ".options noopac\n.ac lin 1 " << Wissenschaftlich(f) << " " << Wissenschaftlich(f)
     << "\n.end\n";
  c.netzliste = net.str();
  c.spice = sp.str();
  return c;
}

// The condition number of the system as the solver meets it: every equation
// and then every unknown scaled by a power of two to a largest coefficient
// in [1, 2), then the infinity norm of the matrix times that of its inverse.
long double Kondition(const Gleichungssystem& g) {
  const std::size_t n = static_cast<std::size_t>(g.n);
  if (n == 0) return 1.0L;
  std::vector<Komplex> a(n * n);
  for (std::size_t r = 0; r < n; ++r)
    for (std::size_t c = 0; c < n; ++c) {
      const ZKZahl& w = g.A(static_cast<int>(r), static_cast<int>(c)).wert;
      a[r * n + c] = {w.Realteil, w.Imaginaerteil};
    }
  auto zweier = [](long double m) {
    int e = 0;
    std::frexp(m, &e);
    return std::ldexp(1.0L, 1 - e);
  };
  for (std::size_t r = 0; r < n; ++r) {
    long double m = 0;
    for (std::size_t c = 0; c < n; ++c) m = std::max(m, std::abs(a[r * n + c]));
    if (m == 0) return INFINITY;
    for (std::size_t c = 0; c < n; ++c) a[r * n + c] *= zweier(m);
  }
  for (std::size_t c = 0; c < n; ++c) {
    long double m = 0;
    for (std::size_t r = 0; r < n; ++r) m = std::max(m, std::abs(a[r * n + c]));
    if (m == 0) return INFINITY;
    for (std::size_t r = 0; r < n; ++r) a[r * n + c] *= zweier(m);
  }
  long double normA = 0;
  for (std::size_t r = 0; r < n; ++r) {
    long double s = 0;
    for (std::size_t c = 0; c < n; ++c) s += std::abs(a[r * n + c]);
    normA = std::max(normA, s);
  }
  // Gauss-Jordan with partial pivoting on [A | I].
  std::vector<Komplex> inv(n * n);
  for (std::size_t k = 0; k < n; ++k) inv[k * n + k] = 1.0L;
  for (std::size_t s = 0; s < n; ++s) {
    std::size_t p = s;
    for (std::size_t r = s + 1; r < n; ++r)
      if (std::abs(a[r * n + s]) > std::abs(a[p * n + s])) p = r;
    if (std::abs(a[p * n + s]) == 0) return INFINITY;
    for (std::size_t c = 0; c < n; ++c) {
      std::swap(a[s * n + c], a[p * n + c]);
      std::swap(inv[s * n + c], inv[p * n + c]);
    }
    const Komplex d = a[s * n + s];
    for (std::size_t c = 0; c < n; ++c) {
      a[s * n + c] /= d;
      inv[s * n + c] /= d;
    }
    for (std::size_t r = 0; r < n; ++r) {
      if (r == s) continue;
      const Komplex m = a[r * n + s];
      if (m == Komplex()) continue;
      for (std::size_t c = 0; c < n; ++c) {
        a[r * n + c] -= m * a[s * n + c];
        inv[r * n + c] -= m * inv[s * n + c];
      }
    }
  }
  long double normInv = 0;
  for (std::size_t r = 0; r < n; ++r) {
    long double s = 0;
    for (std::size_t c = 0; c < n; ++c) s += std::abs(inv[r * n + c]);
    normInv = std::max(normInv, s);
  }
  return normA * normInv;
}

// ngspice's answers, by circuit: "v(3)" or "i(v1)" to the value.
std::vector<std::map<std::string, Komplex>> FrageNgspice(const std::vector<Zufallsschaltung>& c,
                                                         const std::filesystem::path& ordner) {
  std::ofstream steuer(ordner / "steuer.cir");
  steuer << "* Vergleich\n.control\nset numdgt=17\n";
  for (std::size_t k = 0; k < c.size(); ++k) {
    const auto datei = ordner / ("c" + std::to_string(k) + ".cir");
    std::ofstream(datei) << c[k].spice;
    steuer << "source " << datei.string() << "\nrun\necho @@@ " << k << "\n";
    for (int n = 1; n <= c[k].knoten; ++n) steuer << "print v(" << n << ")\n";
    for (std::size_t q = 1; q <= c[k].quellen.size(); ++q) steuer << "print i(v" << q << ")\n";
    steuer << "remcirc\n";
  }
  // Without "quit" ngspice -b ends with status 1: its own circuit ran no analysis.
  steuer << "quit 0\n.endc\n.end\n";
  steuer.close();
  const auto ausgabe = ordner / "ausgabe.txt", meldungen = ordner / "meldungen.txt";
  const std::string befehl = "ngspice -b " + (ordner / "steuer.cir").string() + " >" +
                             ausgabe.string() + " 2>" + meldungen.string();
  const int status = std::system(befehl.c_str());
  std::ifstream ein(ausgabe);
  if (status != 0) {
    std::stringstream text;
    text << std::ifstream(meldungen).rdbuf();
    ADD_FAILURE() << "ngspice fehlt oder scheiterte (" << status << "):\n" << text.str();
    return {};
  }
  std::vector<std::map<std::string, Komplex>> werte(c.size());
  std::string zeile;
  long aktuell = -1;
  while (std::getline(ein, zeile)) {
    if (zeile.rfind("@@@ ", 0) == 0) {
      aktuell = std::stol(zeile.substr(4));
      continue;
    }
    const std::size_t gleich = zeile.find(" = ");
    const std::size_t komma = zeile.find(',');
    if (aktuell < 0 || gleich == std::string::npos || komma == std::string::npos) continue;
    const long double re = std::strtold(zeile.c_str() + gleich + 3, nullptr);
    const long double im = std::strtold(zeile.c_str() + komma + 1, nullptr);
    werte[static_cast<std::size_t>(aktuell)][zeile.substr(0, gleich)] = {re, im};
  }
  return werte;
}

Komplex K(const ZKZahl& z) {
  return {z.Realteil, z.Imaginaerteil};
}

// The largest deviation, as a fraction of the largest magnitude, over a
// list of pairs.
struct Abweichung {
  long double groesste = 0.0L;
  long double abstand = 0.0L;
  void Dazu(Komplex ist, Komplex soll) {
    groesste = std::max(groesste, std::abs(soll));
    abstand = std::max(abstand, std::abs(ist - soll));
  }
  long double Relativ() const { return groesste > 0 ? abstand / groesste : abstand; }
};

struct Schlimmste {
  long double potential[2] = {0, 0};
  long double strom[2] = {0, 0};
  long double zwischen = 0;  // nodal against mesh, element voltages and currents
  long double bilanz = 0;
};

class NgspiceVergleich : public ::testing::TestWithParam<int> {};

TEST_P(NgspiceVergleich, BothAnalysesAgreeWithTheSimulator) {
  Zufall z{std::mt19937_64(20260000u + static_cast<unsigned>(GetParam()))};
  std::vector<Zufallsschaltung> schaltungen;
  std::vector<Schaltung> gelesen;
  std::vector<Aufstellung> systeme[2];
  int verworfen = 0;
  while (static_cast<int>(schaltungen.size()) < kSchaltungenProTeil) {
    Zufallsschaltung c = Erzeuge(z);
    NetzlistenErgebnis n = LiesNetzliste(c.netzliste);
    ASSERT_TRUE(n.fehler.empty()) << n.fehler.front().text << "\n" << c.netzliste;
    Aufstellung knoten = StelleAuf(n.schaltung, Verfahren::Knoten);
    Aufstellung maschen = StelleAuf(n.schaltung, Verfahren::Maschen);
    ASSERT_FALSE(knoten.fehler || maschen.fehler) << c.netzliste;
    if (Kondition(knoten.system) > kHoechsteKondition ||
        Kondition(maschen.system) > kHoechsteKondition) {
      ++verworfen;
      continue;
    }
    schaltungen.push_back(std::move(c));
    gelesen.push_back(std::move(n.schaltung));
    systeme[0].push_back(std::move(knoten));
    systeme[1].push_back(std::move(maschen));
  }
  const auto ordner =
      std::filesystem::temp_directory_path() / ("quorvel-ngspice-" + std::to_string(::getpid()));
  std::filesystem::create_directories(ordner);
  const auto spice = FrageNgspice(schaltungen, ordner);
  std::filesystem::remove_all(ordner);
  ASSERT_EQ(spice.size(), schaltungen.size());

  Schlimmste schlimmste;
  for (std::size_t k = 0; k < schaltungen.size(); ++k) {
    const Schaltung& s = gelesen[k];
    const auto& sp = spice[k];
    Ergebnis e[2];
    bool geloest = true;
    for (int v = 0; v < 2; ++v) {
      e[v] = Loese(s, systeme[v][k].system);
      EXPECT_EQ(e[v].status, Geloest) << (v == 0 ? "Knoten" : "Maschen") << "\n"
                                      << schaltungen[k].netzliste;
      geloest = geloest && e[v].status == Geloest;
    }
    if (!geloest) continue;
    for (int v = 0; v < 2; ++v) {
      Abweichung pot, strom;
      for (std::size_t n = 1; n < s.knoten.size(); ++n) {
        const auto it = sp.find("v(" + s.knoten[n] + ")");
        ASSERT_NE(it, sp.end()) << "ngspice: v(" << s.knoten[n] << ") fehlt\n"
                                << schaltungen[k].spice;
        pot.Dazu(K(e[v].potentiale[n]), it->second);
      }
      for (std::size_t el = 0; el < s.elemente.size(); ++el) {
        if (s.elemente[el].art != ElementArt::Spannungsquelle) continue;
        const auto it = sp.find("i(v" + s.elemente[el].name.substr(1) + ")");
        ASSERT_NE(it, sp.end()) << schaltungen[k].spice;
        strom.Dazu(K(e[v].elemente[el].i), it->second);
      }
      EXPECT_LE(pot.Relativ(), 1e-9L) << (v == 0 ? "Knoten" : "Maschen") << "\n"
                                      << schaltungen[k].netzliste;
      EXPECT_LE(strom.Relativ(), 1e-9L) << (v == 0 ? "Knoten" : "Maschen") << "\n"
                                        << schaltungen[k].netzliste;
      schlimmste.potential[v] = std::max(schlimmste.potential[v], pot.Relativ());
      schlimmste.strom[v] = std::max(schlimmste.strom[v], strom.Relativ());
    }
    // Both analyses give the same element values, and the power balances.
    Abweichung u, i;
    long double summeS = 0;
    for (std::size_t el = 0; el < s.elemente.size(); ++el) {
      u.Dazu(K(e[1].elemente[el].u), K(e[0].elemente[el].u));
      i.Dazu(K(e[1].elemente[el].i), K(e[0].elemente[el].i));
      summeS += e[0].elemente[el].s.Betrag;
    }
    EXPECT_LE(u.Relativ(), 1e-10L) << schaltungen[k].netzliste;
    EXPECT_LE(i.Relativ(), 1e-10L) << schaltungen[k].netzliste;
    schlimmste.zwischen = std::max({schlimmste.zwischen, u.Relativ(), i.Relativ()});
    for (int v = 0; v < 2; ++v) {
      EXPECT_LE(e[v].leistungsbilanz.Betrag, 1e-12L * summeS) << schaltungen[k].netzliste;
      schlimmste.bilanz = std::max(schlimmste.bilanz, e[v].leistungsbilanz.Betrag / summeS);
    }
  }
  std::printf(
      "Teil %d: %zu Schaltungen (%d verworfen, Kondition über 1e6); größte Abweichung von "
      "ngspice: Potentiale %.3Lg (Knoten) %.3Lg (Maschen), Quellenströme %.3Lg (Knoten) %.3Lg "
      "(Maschen); Knoten gegen Maschen %.3Lg; Leistungsbilanz %.3Lg\n",
      GetParam(), schaltungen.size(), verworfen, schlimmste.potential[0], schlimmste.potential[1],
      schlimmste.strom[0], schlimmste.strom[1], schlimmste.zwischen, schlimmste.bilanz);
}

INSTANTIATE_TEST_SUITE_P(Zufallsschaltungen, NgspiceVergleich, ::testing::Range(0, kTeile));

}  // namespace
