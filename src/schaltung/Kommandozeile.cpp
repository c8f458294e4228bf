// SPDX-License-Identifier: GPL-3.0-or-later
// quorvel-schaltung: reads a netlist, sets up its system by nodal or mesh
// analysis, solves it and prints the system and the results.
//
// Exit status: 0 solved, 1 the netlist has an error, 2 the system is
// singular or ill-conditioned, 3 wrong call, unreadable file or failed output.
//
// It speaks German or English as the window does (--sprache de|en, else the
// system's language); the JSON keys and the option values stay German.
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

#include "schaltung/Analyse.h"
#include "schaltung/Bericht.h"
#include "schaltung/Netzliste.h"
#include "sprache/Sprachwahl.h"
#include "sprache/Uebersetzung.h"

namespace {

std::string Aufruf() {
  return sprache::Tr(
      "Kommandozeile",
      "Aufruf: quorvel-schaltung [--verfahren knoten|maschen] [--json] [--sprache de|en] DATEI\n"
      "Liest die Netzliste aus DATEI (- für die Standardeingabe), stellt das Schaltungssystem\n"
      "nach dem Knotenpotentialverfahren (knoten, Vorgabe) oder dem Maschenstromverfahren\n"
      "(maschen) auf, löst es und gibt System und Ergebnisse aus; mit --json als JSON.\n");
}

int Aufruffehler(const std::string& text) {
  std::cerr << "quorvel-schaltung: " << text << "\n" << Aufruf();
  return 3;
}

// A netlist is a few lines; a stream without end (/dev/zero) must not
// take all memory.
constexpr std::size_t kHoechstens = 16u << 20;

bool Lies(std::istream& ein, std::string& text) {
  char puffer[65536];
  while (ein.read(puffer, sizeof puffer) || ein.gcount() > 0) {
    text.append(puffer, static_cast<std::size_t>(ein.gcount()));
    if (text.size() > kHoechstens) return false;
  }
  return !ein.bad();
}

// Whatever was printed must have arrived; a full disk is no success.
int Ende(int status) {
  std::cout.flush();
  if (!std::cout) {
    std::cerr << "quorvel-schaltung: "
              << sprache::Tr("Kommandozeile", "Die Ausgabe ließ sich nicht schreiben.") << "\n";
    return 3;
  }
  return status;
}

// The language before anything is said: --sprache, else the system's (a
// command follows its environment; the window's kept choice is the
// window's). False, with the message in the system's language, for a wrong
// --sprache.
bool WaehleSprache(int argc, char** argv, std::string& fehler) {
  QStringList argumente;
  for (int k = 0; k < argc; ++k) argumente << QString::fromLocal8Bit(argv[k]);
  QString meldung;
  if (sprache::StelleSpracheEin(argumente, {}, meldung)) return true;
  fehler = meldung.toStdString();
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const QCoreApplication anwendung(argc, argv);
  if (std::string fehler; !WaehleSprache(argc, argv, fehler)) return Aufruffehler(fehler);
  Verfahren verfahren = Verfahren::Knoten;
  bool json = false;
  const char* datei = nullptr;
  for (int k = 1; k < argc; ++k) {
    const std::string arg = argv[k];
    if (arg == "--hilfe" || arg == "--help" || arg == "-h") {
      std::cout << Aufruf();
      return Ende(0);
    }
    // The language was chosen above.
    if (arg == "--sprache") {
      ++k;
      continue;
    }
    if (arg.rfind("--sprache=", 0) == 0) continue;
    if (arg == "--json") {
      json = true;
    } else if (arg == "--verfahren" || arg.rfind("--verfahren=", 0) == 0) {
      std::string wert;
      if (arg == "--verfahren") {
        if (k + 1 >= argc)
          return Aufruffehler(
              sprache::Tr("Kommandozeile", "Nach --verfahren fehlt knoten oder maschen."));
        wert = argv[++k];
      } else {
        wert = arg.substr(std::strlen("--verfahren="));
      }
      if (wert == "knoten") {
        verfahren = Verfahren::Knoten;
      } else if (wert == "maschen") {
        verfahren = Verfahren::Maschen;
      } else {
        return Aufruffehler(sprache::Fuelle(
            sprache::Tr("Kommandozeile", "Unbekanntes Verfahren „%1“ (knoten oder maschen)."),
            {wert}));
      }
    } else if (arg.size() > 1 && arg[0] == '-' && arg != "-") {
      return Aufruffehler(
          sprache::Fuelle(sprache::Tr("Kommandozeile", "Unbekannte Option „%1“."), {arg}));
    } else if (datei != nullptr) {
      return Aufruffehler(sprache::Tr("Kommandozeile", "Es wird genau eine Datei gelesen."));
    } else {
      datei = argv[k];
    }
  }
  if (datei == nullptr) return Aufruffehler(sprache::Tr("Kommandozeile", "Die Netzliste fehlt."));

  std::string text;
  std::ifstream offen;
  std::istream* ein = &std::cin;
  if (std::strcmp(datei, "-") != 0) {
    offen.open(datei, std::ios::binary);
    ein = &offen;
  }
  if (!*ein || !Lies(*ein, text)) {
    std::cerr << "quorvel-schaltung: "
              << (ein == &std::cin
                      ? sprache::Tr("Kommandozeile",
                                    "Die Standardeingabe lässt sich nicht lesen oder ist größer "
                                    "als 16 MiB.")
                      : sprache::Fuelle(sprache::Tr("Kommandozeile",
                                                    "Die Datei „%1“ lässt sich nicht lesen oder "
                                                    "ist größer als 16 MiB."),
                                        {datei}))
              << "\n";
    return 3;
  }

  const NetzlistenErgebnis gelesen = LiesNetzliste(text);
  std::vector<SchaltungsFehler> fehler = gelesen.fehler;
  Aufstellung auf;
  if (fehler.empty()) {
    auf = StelleAuf(gelesen.schaltung, verfahren);
    if (auf.fehler) fehler.push_back(*auf.fehler);
  }
  if (!fehler.empty()) {
    for (const SchaltungsFehler& f : fehler) std::cerr << f.text << "\n";
    if (json) std::cout << JsonFehler(fehler);
    return Ende(1);
  }
  const Ergebnis ergebnis = Loese(gelesen.schaltung, auf.system);
  std::cout << (json ? JsonBericht(gelesen.schaltung, auf.system, ergebnis)
                     : TextBericht(gelesen.schaltung, auf.system, ergebnis));
  if (ergebnis.status != Geloest) {
    std::cerr << ergebnis.meldung << "\n";
    return Ende(2);
  }
  return Ende(0);
}
