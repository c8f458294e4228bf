// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "schaltung/Netzliste.h"
#include "sprache/Uebersetzung.h"

namespace {

ZKZahl Kart(long double a, long double b) {
  ZKZahl z;
  z.SetzeKartesisch(a, b);
  return z;
}

ZKZahl Pol(long double r, long double phi) {
  ZKZahl z;
  z.SetzePolar(r, phi);
  return z;
}

struct WertFall {
  const char* name;
  const char* text;
  const char* einheiten;
  ZKZahl erwartet;
};

void PrintTo(const WertFall& f, std::ostream* os) {
  *os << f.name;
}

class Wert : public ::testing::TestWithParam<WertFall> {};

// Prefixes become decimal exponents before the number is read, so a value
// is the very double its digits name, not a product with a rounded factor.
TEST_P(Wert, ReadsAsTheProgramReadsComplexValues) {
  const WertFall& f = GetParam();
  const GelesenerWert w = LiesWert(f.text, f.einheiten);
  ASSERT_EQ(w.fehler, GelesenerWert::Keiner) << w.detail;
  EXPECT_EQ(w.zahl.Realteil, f.erwartet.Realteil);
  EXPECT_EQ(w.zahl.Imaginaerteil, f.erwartet.Imaginaerteil);
}

INSTANTIATE_TEST_SUITE_P(
    Vorsaetze, Wert,
    ::testing::Values(
        WertFall{"kilo_with_comma", "4,7k", "", Kart(4700, 0)},
        WertFall{"unit_after_prefix_and_blanks", "4,7 k\xCE\xA9", "\xCE\xA9 Ohm", Kart(4700, 0)},
        WertFall{"ohm_sign_and_word", "4,7kOhm", "\xCE\xA9 Ohm", Kart(4700, 0)},
        WertFall{"micro_sign", "2,2\xC2\xB5", "", Kart(2.2e-6, 0)},
        WertFall{"u_for_micro_with_unit", "2.2uF", "F", Kart(2.2e-6, 0)},
        WertFall{"greek_mu", "2,2\xCE\xBC", "", Kart(2.2e-6, 0)},
        WertFall{"pico_nano", "33p", "", Kart(33e-12, 0)},
        WertFall{"milli_is_small_m", "10m", "", Kart(0.01, 0)},
        WertFall{"mega_is_capital_m", "1,5M", "", Kart(1.5e6, 0)},
        WertFall{"giga_tera", "2T", "", Kart(2e12, 0)},
        WertFall{"prefix_adds_to_an_exponent", "1e3k", "", Kart(1e6, 0)},
        WertFall{"component_form_with_prefixes", "3k + j4k", "", Kart(3000, 4000)},
        WertFall{"negative_imaginary_with_prefix", "-j2,5k", "", Kart(0, -2500)},
        WertFall{"angle_form_magnitude_prefixed",
                 "5k\xE2\x88\xA0"
                 "30\xC2\xB0",
                 "", Pol(5000, 30)},
        WertFall{"angle_with_comma_and_blanks", "5 \xE2\x88\xA0 53,13 \xC2\xB0", "", Pol(5, 53.13)},
        WertFall{"unit_before_the_angle", "230V\xE2\x88\xA0-30\xC2\xB0", "V", Pol(230, -30)},
        WertFall{"exponential_form", "2m*e^-j45", "", Pol(0.002, -45)}));

struct WertFehlerFall {
  const char* name;
  const char* text;
  GelesenerWert::Fehler fehler;
};

void PrintTo(const WertFehlerFall& f, std::ostream* os) {
  *os << f.name;
}

const std::string kZuLang(300, '1');

class WertFehler : public ::testing::TestWithParam<WertFehlerFall> {};

TEST_P(WertFehler, IsRefused) {
  EXPECT_EQ(LiesWert(GetParam().text, "\xCE\xA9 Ohm").fehler, GetParam().fehler);
}

INSTANTIATE_TEST_SUITE_P(
    Vorsaetze, WertFehler,
    ::testing::Values(WertFehlerFall{"spice_meg", "1Meg", GelesenerWert::Meg},
                      WertFehlerFall{"spice_meg_small", "1meg", GelesenerWert::Meg},
                      WertFehlerFall{"femto", "10f", GelesenerWert::Femto},
                      WertFehlerFall{"unit_of_another_kind", "10mH", GelesenerWert::Einheit},
                      WertFehlerFall{"angle_takes_no_prefix",
                                     "2\xE2\x88\xA0"
                                     "30m",
                                     GelesenerWert::Unlesbar},
                      WertFehlerFall{"unit_alone", "\xCE\xA9", GelesenerWert::Unlesbar},
                      WertFehlerFall{"word", "viel", GelesenerWert::Unlesbar},
                      WertFehlerFall{"beyond_double", "1e308k", GelesenerWert::Unlesbar},
                      WertFehlerFall{"too_long", kZuLang.c_str(), GelesenerWert::ZuLang}));

TEST(Netzliste, CommentsFrequencyGroundAndNodeOrder) {
  const NetzlistenErgebnis n = LiesNetzliste(
      "\xEF\xBB\xBF* Kopf, hinter der Bytefolgemarke eines Windows-Editors\n"
      "# auch ein Kommentar\n"
      "; und dieser\n"
      "\n"
      "  \u03c9 = 314,16 1/s  ; Kreisfrequenz\n"
      "U1 b GND 230\xE2\x88\xA0"
      "0\xC2\xB0   # Quelle\n"
      "R1 b a 4,7k\r\n"
      "\tC1 a Masse 2,2\xC2\xB5\n"
      "i1 a 0 1m\n");
  ASSERT_TRUE(n.fehler.empty()) << n.fehler.front().text;
  const Schaltung& s = n.schaltung;
  EXPECT_EQ(s.knoten, (std::vector<std::string>{"GND", "b", "a"}));
  ASSERT_EQ(s.elemente.size(), 4u);
  EXPECT_EQ(s.elemente[1].name, "R1");
  EXPECT_EQ(s.elemente[1].zeile, 7);
  EXPECT_EQ(s.elemente[2].knoten2, 0);
  EXPECT_EQ(s.elemente[3].art, ElementArt::Stromquelle);
  EXPECT_TRUE(s.mitFrequenz);
  EXPECT_EQ(s.omega, static_cast<long double>(314.16));  // read as a double
  EXPECT_EQ(s.frequenzZeile, 5);

  const NetzlistenErgebnis f = LiesNetzliste("f = 1,5 kHz\nV1 1 0 1\nL1 1 0 1m\n");
  ASSERT_TRUE(f.fehler.empty());
  EXPECT_EQ(f.schaltung.frequenz, 1500.0L);
  EXPECT_EQ(f.schaltung.elemente[0].art, ElementArt::Spannungsquelle);
}

struct FehlerFall {
  const char* name;
  const char* netzliste;
  FehlerArt art;
  int zeile;
  const char* text;
};

void PrintTo(const FehlerFall& f, std::ostream* os) {
  *os << f.name;
}

class Fehlerhaft : public ::testing::TestWithParam<FehlerFall> {};

TEST_P(Fehlerhaft, IsReportedWithItsLine) {
  const FehlerFall& f = GetParam();
  const NetzlistenErgebnis n = LiesNetzliste(f.netzliste);
  ASSERT_EQ(n.fehler.size(), 1u);
  EXPECT_EQ(n.fehler[0].art, f.art);
  EXPECT_EQ(n.fehler[0].zeile, f.zeile);
  EXPECT_EQ(n.fehler[0].text, f.text);
}

INSTANTIATE_TEST_SUITE_P(
    Netzlisten, Fehlerhaft,
    ::testing::Values(
        FehlerFall{"unknown_letter", "R1 1 0 1\nX1 1 0 5\n", FehlerArt::UnbekanntesElement, 2,
                   "Zeile 2: Unbekanntes Element „X1“: der erste Buchstabe muss R, L, C, Z, Y, "
                   "U (oder V) oder I sein."},
        FehlerFall{"bad_name", "R-1 1 0 5\n", FehlerArt::NameUngueltig, 1,
                   "Zeile 1: Der Name „R-1“ darf nur Buchstaben, Ziffern und _ enthalten."},
        FehlerFall{"missing_node", "R1 1 4,7k\n", FehlerArt::KnotenFehlt, 1,
                   "Zeile 1: Bei R1 fehlen Knoten: nach dem Namen stehen zwei Knoten und der "
                   "Wert."},
        FehlerFall{"bad_node", "R1 1 a/b 5\n", FehlerArt::KnotenUngueltig, 1,
                   "Zeile 1: Bei R1 ist „a/b“ kein Knotenname (nur Buchstaben, Ziffern und _)."},
        FehlerFall{"missing_value", "R1 1 0\n", FehlerArt::WertFehlt, 1,
                   "Zeile 1: Bei R1 fehlt der Wert."},
        FehlerFall{"unreadable_value", "R1 1 0 1\nR2 1 0 4,7x\n", FehlerArt::WertUnlesbar, 2,
                   "Zeile 2: Der Wert „4,7x“ von R2 ist nicht lesbar."},
        FehlerFall{"meg", "R1 1 0 1Meg\n", FehlerArt::VorsatzMeg, 1,
                   "Zeile 1: „Meg“ bei R1 ist kein Vorsatz: Mega ist M, Milli ist m (anders als "
                   "in SPICE)."},
        FehlerFall{"femto", "C1 1 0 10f\n", FehlerArt::VorsatzFemto, 1,
                   "Zeile 1: „f“ bei C1 ist kein Vorsatz: Femto gibt es hier nicht, und Farad "
                   "schreibt man F."},
        FehlerFall{"unit_of_another_kind", "R1 1 0 4,7kH\n", FehlerArt::EinheitFalsch, 1,
                   "Zeile 1: Die Einheit „H“ passt nicht zu R1 (erwartet: Ω oder Ohm)."},
        FehlerFall{"duplicate_name", "R1 1 0 1\nR2 1 0 1\nR1 1 0 2\n", FehlerArt::NameDoppelt, 3,
                   "Zeile 3: Der Name „R1“ ist schon in Zeile 1 vergeben."},
        FehlerFall{"both_ends_on_one_node", "R1 1 0 1\nR2 1 1 5\n", FehlerArt::GleicheKnoten, 2,
                   "Zeile 2: R2 liegt mit beiden Enden am Knoten „1“."},
        FehlerFall{"both_ends_on_ground_by_two_names", "R1 GND 0 5\n", FehlerArt::GleicheKnoten, 1,
                   "Zeile 1: R1 liegt mit beiden Enden am Knoten „GND“."},
        FehlerFall{"complex_resistance", "R1 1 0 3+j4\n", FehlerArt::WertNichtReell, 1,
                   "Zeile 1: R1: Der Widerstand muss reell sein (für komplexe Werte Z oder Y "
                   "verwenden)."},
        FehlerFall{"negative_resistance", "R1 1 0 -5\n", FehlerArt::WertNichtPositiv, 1,
                   "Zeile 1: R1: Der Widerstand muss größer als 0 sein."},
        FehlerFall{"zero_capacitance", "f = 50\nC1 1 0 0\n", FehlerArt::WertNichtPositiv, 2,
                   "Zeile 2: C1: Die Kapazität muss größer als 0 sein."},
        FehlerFall{"zero_impedance", "Z1 1 0 0+j0\n", FehlerArt::WertNull, 1,
                   "Zeile 1: Z1 darf nicht 0 sein."},
        FehlerFall{"zero_admittance", "Y1 1 0 0\n", FehlerArt::WertNull, 1,
                   "Zeile 1: Y1 darf nicht 0 sein."},
        FehlerFall{"unknown_assignment", "x = 5\n", FehlerArt::UnbekannteAngabe, 1,
                   "Zeile 1: Unbekannte Angabe „x“: mit „=“ wird nur die Frequenz gesetzt (f = "
                   "50 Hz oder ω = 314,16)."},
        FehlerFall{"second_frequency", "f = 50\nR1 1 0 1\nw = 3\n", FehlerArt::FrequenzDoppelt, 3,
                   "Zeile 3: Die Frequenz ist schon in Zeile 1 gesetzt."},
        FehlerFall{"negative_frequency", "f = -50\n", FehlerArt::FrequenzUngueltig, 1,
                   "Zeile 1: f muss eine reelle Zahl sein, nicht negativ."},
        FehlerFall{"no_utf8", "R1 1 0 5\xB5\n", FehlerArt::Kodierung, 1,
                   "Zeile 1: Die Zeile enthält Zeichen, die kein UTF-8 sind."},
        FehlerFall{"empty", "* nur ein Kommentar\n", FehlerArt::KeinElement, 0,
                   "Die Netzliste enthält kein Element."},
        FehlerFall{"reactance_without_frequency", "R1 1 0 1\nL1 1 0 1m\n", FehlerArt::FrequenzFehlt,
                   2,
                   "Zeile 2: L1 braucht eine Frequenz: eine Zeile „f = 50 Hz“ oder „ω = "
                   "314,16“."},
        FehlerFall{"frequency_zero_with_reactance", "f = 0 Hz\nR1 1 0 1\nC1 1 0 1\xC2\xB5\n",
                   FehlerArt::FrequenzNull, 1,
                   "Zeile 1: Die Frequenz ist 0, aber C1 braucht eine Frequenz über 0."},
        FehlerFall{"no_ground", "R1 1 2 5\nU1 1 2 1\n", FehlerArt::KeineMasse, 0,
                   "Die Schaltung hat keinen Masseknoten (0, GND oder Masse)."},
        FehlerFall{"part_not_connected", "U1 1 0 1\nR1 1 0 1\nR2 2 3 5\nR3 3 2 5\n",
                   FehlerArt::NichtVerbunden, 3,
                   "Zeile 3: R2 (Knoten 2 und 3) ist nicht mit dem Teil der Schaltung verbunden, "
                   "der an Masse liegt."},
        FehlerFall{
            "loop_of_voltage_sources", "U1 1 0 1\nR1 1 2 1\nU2 2 0 1\nU3 1 2 3\n",
            FehlerArt::Spannungsquellenmasche, 4,
            "Zeile 4: U3 schließt eine Masche nur aus idealen Spannungsquellen (U1, U2, U3)."},
        FehlerFall{"node_only_through_current_sources", "R1 1 0 1\nI1 1 2 1\nR2 2 3 1\nI2 3 0 1\n",
                   FehlerArt::NurStromquellen, 2,
                   "Zeile 2: Der Knoten „2“ ist nur über Stromquellen mit dem Rest der Schaltung "
                   "verbunden (I1)."}));

// A translation may order a message's arguments its own way; each must
// still land in its place, the line number and the translated quantity too.
TEST(Netzliste, ATranslatedMessageKeepsItsArgumentsInTheTranslatedOrder) {
  sprache::SetzeUebersetzer([](const char*, const char* text) -> std::string {
    const std::string t = text;
    if (t == "Zeile %1: %2") return "%2 (line %1)";
    if (t == "Der Wert „%2“ von %1 ist nicht lesbar.") return "“%2” of %1?";
    if (t == "%1: %2 muss reell sein (für komplexe Werte Z oder Y verwenden).") return "%2 of %1";
    if (t == "Der Widerstand") return "resistance";
    return t;
  });
  const NetzlistenErgebnis n = LiesNetzliste("R1 1 0 3+j4\nR2 1 0 4,7x\n");
  sprache::SetzeUebersetzer(nullptr);
  ASSERT_EQ(n.fehler.size(), 2u);
  EXPECT_EQ(n.fehler[0].text, "resistance of R1 (line 1)");
  EXPECT_EQ(n.fehler[1].text, "“4,7x” of R2? (line 2)");
}

TEST(Netzliste, ReportsEveryBadLineAndNothingElse) {
  const NetzlistenErgebnis n = LiesNetzliste("R1 1 0 x\nR2 1 0 1\nQ1 1 0 1\n");
  ASSERT_EQ(n.fehler.size(), 2u);
  EXPECT_EQ(n.fehler[0].zeile, 1);
  EXPECT_EQ(n.fehler[1].zeile, 3);
}

}  // namespace
