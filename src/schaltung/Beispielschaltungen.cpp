// SPDX-License-Identifier: GPL-3.0-or-later
#include "schaltung/Beispielschaltungen.h"

#include <array>

#include "sprache/Uebersetzung.h"

namespace {

constexpr std::array<Beispielschaltung, 8> kBeispiele = {{
    {QT_TRANSLATE_NOOP("Beispielschaltungen", "Spannungsteiler"),
     QT_TRANSLATE_NOOP("Beispielschaltungen",
                       "* Unbelasteter Spannungsteiler\n"
                       "* U2 = U · R2 / (R1 + R2) = 10 V · 4 kΩ / 5 kΩ = 8 V\n"
                       "U1 1 0 10 V\n"
                       "R1 1 2 1k\n"
                       "R2 2 0 4k\n")},
    {QT_TRANSLATE_NOOP("Beispielschaltungen", "RC-Tiefpass"),
     QT_TRANSLATE_NOOP("Beispielschaltungen",
                       "* RC-Tiefpass bei seiner Grenzfrequenz fg = 1/(2π·R·C) = 1 kHz:\n"
                       "* U2 = U1/√2 ∠ −45°, also |U2| = 0,7071 V\n"
                       "f = 1000 Hz\n"
                       "U1 1 0 1∠0°\n"
                       "R1 1 2 1k\n"
                       "C1 2 0 159,15494309n   ; Ausgang ist Knoten 2\n")},
    {QT_TRANSLATE_NOOP("Beispielschaltungen", "RL-Hochpass"),
     QT_TRANSLATE_NOOP("Beispielschaltungen",
                       "* RL-Hochpass bei seiner Grenzfrequenz fg = R/(2π·L) = 1 kHz:\n"
                       "* U2 = U1/√2 ∠ +45°, also |U2| = 0,7071 V\n"
                       "f = 1000 Hz\n"
                       "U1 1 0 1∠0°\n"
                       "R1 1 2 100\n"
                       "L1 2 0 15,915494309m   ; Ausgang ist Knoten 2\n")},
    {QT_TRANSLATE_NOOP("Beispielschaltungen", "Reihenschwingkreis"),
     QT_TRANSLATE_NOOP("Beispielschaltungen",
                       "* Reihenschwingkreis in Resonanz: f0 = 1/(2π·√(L·C)) = 1591,55 Hz\n"
                       "* Z = R, also I = U/R = 1 A in Phase mit U;\n"
                       "* Güte Q = ω0·L/R = 10, also |UL| = |UC| = Q·U = 100 V\n"
                       "f = 1591,5494309\n"
                       "U1 1 0 10∠0°\n"
                       "R1 1 2 10\n"
                       "L1 2 3 10m\n"
                       "C1 3 0 1µ\n")},
    {QT_TRANSLATE_NOOP("Beispielschaltungen", "Parallelschwingkreis"),
     QT_TRANSLATE_NOOP("Beispielschaltungen",
                       "* Parallelschwingkreis in Resonanz: f0 = 1/(2π·√(L·C)) = 1591,55 Hz\n"
                       "* Y = 1/R, also U = I·R = 10 mA · 1 kΩ = 10 V in Phase mit I\n"
                       "f = 1591,5494309\n"
                       "I1 0 1 10m∠0°   ; speist 10 mA in Knoten 1\n"
                       "R1 1 0 1k\n"
                       "L1 1 0 10m\n"
                       "C1 1 0 1µ\n")},
    {QT_TRANSLATE_NOOP("Beispielschaltungen", "Wheatstone-Brücke"),
     QT_TRANSLATE_NOOP("Beispielschaltungen",
                       "* Abgeglichene Wheatstone-Brücke: R1/R2 = R3/R4,\n"
                       "* also fließt durch den Brückenzweig R5 kein Strom: I(R5) = 0\n"
                       "U1 1 0 10 V\n"
                       "R1 1 2 100\n"
                       "R2 2 0 200\n"
                       "R3 1 3 150\n"
                       "R4 3 0 300\n"
                       "R5 2 3 50   ; Brückenzweig\n")},
    {QT_TRANSLATE_NOOP("Beispielschaltungen", "Drehstrom-Sternlast"),
     QT_TRANSLATE_NOOP(
         "Beispielschaltungen",
         "* Symmetrische Sternlast am Vierleiternetz 3 × 230 V, 50 Hz\n"
         "* Knoten 0 ist der Sternpunkt N der Quelle, S der der Last.\n"
         "* Strangstrom |I| = 230 V / |80 + j60| Ω = 2,3 A; Neutralleiterstrom I(RN) = 0\n"
         "f = 50 Hz\n"
         "U1 L1 0 230∠0°\n"
         "U2 L2 0 230∠-120°\n"
         "U3 L3 0 230∠120°\n"
         "Z1 L1 S 80+j60\n"
         "Z2 L2 S 80+j60\n"
         "Z3 L3 S 80+j60\n"
         "RN S 0 1   ; Neutralleiter\n")},
    {QT_TRANSLATE_NOOP("Beispielschaltungen", "Überbrückte T-Schaltung"),
     QT_TRANSLATE_NOOP(
         "Beispielschaltungen",
         "* Überbrückte T-Schaltung (Kerbfilter), Ausgang Knoten 3 unbelastet:\n"
         "* f0 = 1/(2π·C·√(R1·R2)) = 5032,92 Hz, dort U3/U1 = 2·R2/(R1 + 2·R2) = 1/6\n"
         "f = 5032,9212104487\n"
         "U1 1 0 1∠0°\n"
         "C1 1 2 10n\n"
         "C2 2 3 10n\n"
         "R1 1 3 10k   ; überbrückt das T\n"
         "R2 2 0 1k\n")},
}};

}  // namespace

std::span<const Beispielschaltung> Beispielschaltungen() {
  return kBeispiele;
}
