// SPDX-License-Identifier: GPL-3.0-or-later
#include "NgspiceHilfe.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "schaltung/Vereinigung.h"

std::string Wissenschaftlich(double x) {
  char puffer[40];
  const auto r =
      std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific, 16);
  return std::string(puffer, r.ptr);
}

namespace {

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

}  // namespace

std::string SpiceDeck(const std::string& elemente, const std::string& analyse) {
  return "* Zufallsschaltung\n" + elemente + ".options noopac\n" + analyse + "\n.end\n";
}

Zufallsschaltung Erzeuge(Zufall& z, bool nurRLC) {
  Zufallsschaltung c;
  const int n = z.Ganz(3, 25);  // nodes with ground
  c.knoten = n - 1;
  const double f = std::pow(10.0, z.Gleich(0.0, 8.0));
  const long double omega = 2.0L * ZK_Pi() * static_cast<long double>(f);
  const double z0 = std::pow(10.0, z.Gleich(0.0, 6.0));
  std::ostringstream net, sp, quellen, nullquellen;
  net << "* Zufallsschaltung\nf = " << MitVorsatz(f, z) << (z.Muenze() ? " Hz" : "") << "\n";
  const char* masse[] = {"0", "GND", "Masse", "0"};
  const std::string ground = masse[z.Ganz(0, 3)];
  auto name = [&](int k) { return k == 0 ? ground : std::to_string(k); };
  auto spName = [](int k) { return std::to_string(k); };
  int nummer = 0;

  auto passiv = [&](int a, int b) {
    ++nummer;
    const double betrag = z.Dekaden(z0, 1.5);
    const std::string na = name(a), nb = name(b), sa = spName(a), sb = spName(b);
    switch (z.Ganz(0, nurRLC ? 2 : 4)) {
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
    quellen << "V" << nm << " " << spName(a) << " " << spName(b) << " AC "
            << Wissenschaftlich(betrag) << " " << Wissenschaftlich(phase) << "\n";
    nullquellen << "V" << nm << " " << spName(a) << " " << spName(b) << " AC 0 0\n";
  }
  for (int q = 1; q <= stroeme; ++q) {
    int a = 0, b = 0;
    paar(a, b);
    const double betrag = z.Dekaden(100.0 / z0, 1.0);
    const double phase = z.Gleich(-180.0, 180.0);
    net << "I" << q << " " << name(a) << " " << name(b) << " " << MitVorsatz(betrag, z)
        << (z.Muenze() ? "A" : "") << "\xE2\x88\xA0" << Wissenschaftlich(phase) << "\xC2\xB0\n";
    quellen << "I" << q << " " << spName(a) << " " << spName(b) << " AC "
            << Wissenschaftlich(betrag) << " " << Wissenschaftlich(phase) << "\n";
    nullquellen << "I" << q << " " << spName(a) << " " << spName(b) << " AC 0 0\n";
  }
  c.netzliste = net.str();
  c.frequenz = f;
  c.spiceBauteile = sp.str();
  c.spiceQuellen = quellen.str();
  c.spiceNullquellen = nullquellen.str();
  c.spice = SpiceDeck(c.spiceBauteile + c.spiceQuellen,
                      ".ac lin 1 " + Wissenschaftlich(f) + " " + Wissenschaftlich(f));
  return c;
}

long double Kondition(const Schaltungssystem& g) {
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

std::vector<SpiceAntwort> FrageNgspice(const std::vector<std::string>& decks,
                                       const std::vector<std::vector<std::string>>& vektoren) {
  const auto ordner =
      std::filesystem::temp_directory_path() / ("quorvel-ngspice-" + std::to_string(::getpid()));
  std::filesystem::create_directories(ordner);
  auto tabelle = [&](std::size_t k) { return ordner / ("w" + std::to_string(k) + ".txt"); };
  // wrdata writes one row per frequency: the frequency, then the real and
  // imaginary part of each vector, at full precision.
  std::ofstream steuer(ordner / "steuer.cir");
  steuer << "* Vergleich\n.control\nset numdgt=17\nset wr_singlescale\n";
  for (std::size_t k = 0; k < decks.size(); ++k) {
    const auto datei = ordner / ("c" + std::to_string(k) + ".cir");
    std::ofstream(datei) << decks[k];
    steuer << "source " << datei.string() << "\nrun\nwrdata " << tabelle(k).string();
    for (const std::string& v : vektoren[k]) steuer << " " << v;
    steuer << "\nremcirc\n";
  }
  // Without "quit" ngspice -b ends with status 1: its own circuit ran no analysis.
  steuer << "quit 0\n.endc\n.end\n";
  steuer.close();
  const auto ausgabe = ordner / "ausgabe.txt", meldungen = ordner / "meldungen.txt";
  const std::string befehl = "ngspice -b " + (ordner / "steuer.cir").string() + " >" +
                             ausgabe.string() + " 2>" + meldungen.string();
  const int status = std::system(befehl.c_str());
  std::vector<SpiceAntwort> antworten;
  if (status != 0) {
    std::stringstream text;
    text << std::ifstream(meldungen).rdbuf();
    ADD_FAILURE() << "ngspice fehlt oder scheiterte (" << status << "):\n" << text.str();
    std::filesystem::remove_all(ordner);
    return antworten;
  }
  antworten.resize(decks.size());
  for (std::size_t k = 0; k < decks.size(); ++k) {
    std::ifstream ein(tabelle(k));
    std::string zeile;
    while (std::getline(ein, zeile)) {
      std::istringstream felder(zeile);
      // strtold, not the stream: the test's locale must not matter.
      std::vector<long double> zahlen;
      std::string feld;
      while (felder >> feld) zahlen.push_back(std::strtold(feld.c_str(), nullptr));
      if (zahlen.size() != 1 + 2 * vektoren[k].size()) continue;
      antworten[k].frequenzen.push_back(zahlen[0]);
      for (std::size_t v = 0; v < vektoren[k].size(); ++v)
        antworten[k].werte[vektoren[k][v]].push_back({zahlen[1 + 2 * v], zahlen[2 + 2 * v]});
    }
  }
  std::filesystem::remove_all(ordner);
  return antworten;
}
