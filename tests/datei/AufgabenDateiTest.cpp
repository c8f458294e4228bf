// SPDX-License-Identifier: GPL-3.0-or-later
// The task file on its own: what is written is read back unchanged, and
// every kind of bad file is refused with its own kind of message.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>

#include "datei/AufgabenDatei.h"
#include "sprache/Sprachwahl.h"

namespace {

using namespace aufgabe;

Aufgabe VolleAufgabe() {
  Aufgabe a;
  a.zahlenFormat = 1;
  a.dimension = 2;
  a.zellen[0] = {"5", "1", "1"};
  a.zellen[1] = {"1", "1", "-1"};
  a.zellen[19][20] = "7,5*e^j30";  // far outside the dimension
  a.matrixErgebnisGezeigt = true;
  a.speicher[0] = {"3+j4", "2,0000E-1*e^j-5,3130E+1", "Zuleitung „Ä“ größer", Seite::K, ""};
  a.speicher[19] = {"5", "0,2", "", Seite::G, ""};
  a.formel = "K1*2+(3.5-j2):G20";
  a.formelErgebnisGezeigt = true;
  a.induktiv = {{"10m", "50", "3,14"}, 0, true};
  a.kapazitiv = {{"", "1k", "5"}, 1, false};
  a.wandeln = "5*e^j53,13";
  a.winkelZeile = 6;
  a.winkelText = "100";
  // Values behind pasted texts.
  a.zellen[0][1] = "2,236067977*e^j26,57";
  a.zellwerte[0][1] = "2.00000000000000000000e+00 1.00000000000000000000e+00";
  a.speicher[0].wert = "3.00000000000000000000e+00 4.00000000000000000000e+00";
  a.formelteile = {{10, 3, "-2.00000000000000000000e+00 0.00000000000000000000e+00"}};
  // The circuit, its lines (an empty one and the last without a break) kept.
  a.netzliste = "* Teiler\nU1 1 0 10∠0°\n\nR1 1 0 4,7k";
  a.verfahren = 1;
  a.zeilentitel[0] = "Masche 1";
  a.spaltentitel[1] = "I_M1";
  // The locus page, every setting away from its default.
  a.ortskurve = {Ortskurve::Quelle::Schaltung,
                 "1/(K1+j*ω*K2)",
                 true,
                 "aus",
                 "Masse",
                 "0",
                 "1 MHz",
                 "10000",
                 false,
                 Ortskurve::Marken::Gewaehlt,
                 "50; 1,5k",
                 true,
                 false,
                 Ortskurve::Inversion::Statt};
  return a;
}

Aufgabe Uebungsaufgabe() {
  Aufgabe a = VolleAufgabe();
  a.matrixErgebnisGezeigt = false;
  a.uebung = Uebung{};
  a.uebung->antworten[0] = {"5*e^j0", ""};
  a.uebung->antworten[2] = {"", "2"};
  return a;
}

std::string Schreibe(const Aufgabe& a) {
  std::string bytes, fehler;
  EXPECT_TRUE(SchreibeAufgabe(a, bytes, fehler)) << fehler;
  return bytes;
}

TEST(AufgabenDatei, EveryFieldComesBackUnchanged) {
  for (const Aufgabe& a : {Aufgabe{}, VolleAufgabe(), Uebungsaufgabe()}) {
    const Leseergebnis e = LiesAufgabe(Schreibe(a));
    ASSERT_EQ(e.fehler, Lesefehler::Keiner) << e.detail;
    EXPECT_TRUE(e.aufgabe == a);
  }
}

TEST(AufgabenDatei, IsReadableJsonWithFormatAndVersion) {
  const std::string bytes = Schreibe(VolleAufgabe());
  EXPECT_NE(bytes.find("\"format\": \"quorvel\""), std::string::npos);
  EXPECT_NE(bytes.find("\"version\": 4"), std::string::npos);
  // Umlauts as they are, not escaped.
  EXPECT_NE(bytes.find("größer"), std::string::npos);
  EXPECT_NE(bytes.find("\"uebung\": null"), std::string::npos);
}

TEST(AufgabenDatei, WriterRefusesTextTheReaderWouldRefuse) {
  Aufgabe a;
  a.speicher[4].kommentar = std::string(kMaxTextLaenge + 1, 'x');
  std::string bytes, fehler;
  EXPECT_FALSE(SchreibeAufgabe(a, bytes, fehler));
  EXPECT_NE(fehler.find("Kommentar zu K5"), std::string::npos) << fehler;
  a.speicher[4].kommentar = std::string(kMaxTextLaenge, 'x');
  EXPECT_EQ(LiesAufgabe(Schreibe(a)).fehler, Lesefehler::Keiner);
}

// A valid file with one spot replaced.
std::string Ersetzt(const std::string& alt, const std::string& neu) {
  std::string s = Schreibe(VolleAufgabe());
  const auto p = s.find(alt);
  EXPECT_NE(p, std::string::npos) << alt;
  if (p != std::string::npos) s.replace(p, alt.size(), neu);
  return s;
}

struct BoeseDatei {
  const char* name;
  std::string bytes;
  Lesefehler fehler;
};

class BadFile : public ::testing::TestWithParam<BoeseDatei> {};

TEST_P(BadFile, IsRefusedWithItsMessage) {
  const Leseergebnis e = LiesAufgabe(GetParam().bytes);
  EXPECT_EQ(e.fehler, GetParam().fehler) << e.detail;
  EXPECT_TRUE(e.aufgabe == Aufgabe{});
  const std::string meldung = Lesemeldung(e, "a.quorvel");
  EXPECT_NE(meldung.find("„a.quorvel“"), std::string::npos);
  EXPECT_NE(meldung.find("nicht geöffnet"), std::string::npos) << meldung;
}

INSTANTIATE_TEST_SUITE_P(
    AufgabenDatei, BadFile,
    ::testing::Values(
        BoeseDatei{"empty", "", Lesefehler::KeinJson},
        BoeseDatei{"not_json", "Hallo Welt", Lesefehler::KeinJson},
        BoeseDatei{"cut_off", Schreibe(VolleAufgabe()).substr(0, 200), Lesefehler::Beschaedigt},
        BoeseDatei{"other_json_cut_off", R"({"name": "x)", Lesefehler::KeinJson},
        BoeseDatei{"json_array", "[1,2,3]", Lesefehler::KeineQuorvelDatei},
        BoeseDatei{"other_json", R"({"name": "x"})", Lesefehler::KeineQuorvelDatei},
        BoeseDatei{"newer_version", Ersetzt("\"version\": 4", "\"version\": 5"),
                   Lesefehler::NeuereVersion},
        BoeseDatei{"version_text", Ersetzt("\"version\": 4", "\"version\": \"4\""),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"version_fraction", Ersetzt("\"version\": 4", "\"version\": 0.5"),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"unknown_method", Ersetzt("\"maschen\"", "\"dreieck\""),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"missing_matrix", Ersetzt("\"matrix\"", "\"matrixx\""), Lesefehler::Beschaedigt},
        BoeseDatei{"missing_formula", Ersetzt("\"formel\"", "\"formal\""), Lesefehler::Beschaedigt},
        BoeseDatei{"missing_exercise_field", Ersetzt("\"uebung\"", "\"uebungX\""),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"exercise_without_answers", Ersetzt("\"uebung\": null", "\"uebung\": {}"),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"value_not_two_parts", Ersetzt("e+00 1.0", "e+00,1.0"), Lesefehler::Beschaedigt},
        BoeseDatei{"value_infinite", Ersetzt("3.00000000000000000000e+00 4", "inf 4"),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"formula_part_beyond_the_formula", Ersetzt("\"stelle\": 10", "\"stelle\": 15"),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"dimension_21", Ersetzt("\"dimension\": 2", "\"dimension\": 21"),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"dimension_text", Ersetzt("\"dimension\": 2", "\"dimension\": \"2\""),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"cell_number", Ersetzt("\"5\",", "5,"), Lesefehler::Beschaedigt},
        BoeseDatei{"cell_10000_chars", Ersetzt("\"5\",", "\"" + std::string(10000, '1') + "\","),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"cell_nul", Ersetzt("\"5\",", "\"5\\u0000\","), Lesefehler::Beschaedigt},
        BoeseDatei{"memory_twice", Ersetzt("\"nr\": 20", "\"nr\": 1"), Lesefehler::Beschaedigt},
        BoeseDatei{"memory_side", Ersetzt("\"getippt\": \"G\"", "\"getippt\": \"X\""),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"sought_unknown", Ersetzt("\"gesucht\": \"L\"", "\"gesucht\": \"R\""),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"shown_not_bool",
                   Ersetzt("\"ergebnis_gezeigt\": false", "\"ergebnis_gezeigt\": 0"),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"format_wrong", Ersetzt("\"Exponent\"", "\"Wissenschaftlich\""),
                   Lesefehler::Beschaedigt},
        BoeseDatei{"angle_row_7", Ersetzt("\"zeile\": 6", "\"zeile\": 7"), Lesefehler::Beschaedigt},
        BoeseDatei{"invalid_utf8",
                   Ersetzt("größer",
                           "gr\xF6\xDF"
                           "er"),
                   Lesefehler::KeinUtf8},
        BoeseDatei{"utf8_overlong", Ersetzt("größer", "gr\xC0\xAF"), Lesefehler::KeinUtf8},
        BoeseDatei{"utf8_cut_at_end", Schreibe(VolleAufgabe()) + "\xC3", Lesefehler::KeinUtf8},
        BoeseDatei{
            "over_1_MB",
            Ersetzt("\"wandeln\": \"5*e^j53,13\"",
                    "\"wandeln\": \"5\", \"x\": \"" + std::string(kMaxDateiGroesse, ' ') + "\""),
            Lesefehler::ZuGross}),
    [](const ::testing::TestParamInfo<BoeseDatei>& i) { return std::string(i.param.name); });

// The message names the damaged key and what is wrong with it. Numbers far
// outside the range are refused like near ones, never cast first.
TEST(AufgabenDatei, DamageNamesTheKey) {
  const struct {
    std::string bytes;
    const char* detail;
  } faelle[] = {
      {Ersetzt("\"matrix\"", "\"matrixx\""), "„matrix“ fehlt"},
      {Ersetzt("\"dimension\": 2", "\"dimension\": \"2\""),
       "„dimension“ ist keine ganze Zahl von 1 bis 20"},
      {Ersetzt("\"dimension\": 2", "\"dimension\": 1e300"),
       "„dimension“ ist keine ganze Zahl von 1 bis 20"},
      {Ersetzt("\"nr\": 20", "\"nr\": -1e300"), "„nr“ ist keine ganze Zahl von 1 bis 20"},
      {Ersetzt("\"ergebnis_gezeigt\": false", "\"ergebnis_gezeigt\": 0"),
       "„ergebnis_gezeigt“ ist nicht true oder false"},
      {Ersetzt("\"5\",", "5,"), "„XC“ ist kein Text"},
      {Ersetzt("\"speicher\": [", "\"speicher\": 1, \"alt\": ["), "„speicher“ ist keine Liste"},
      {Ersetzt("\"rechenfeld\": {", "\"rechenfeld\": 1, \"alt\": {"),
       "„rechenfeld“ ist kein Objekt"},
      // Row first, as the page names its cells.
      {Ersetzt("\"7,5*e^j30\"", "7"), "„Zelle( 20 , 21 )“ ist kein Text"},
      {Schreibe(VolleAufgabe()).substr(0, 300), "sie ist abgeschnitten, ihr Ende fehlt"},
      {Ersetzt("\"inversion\": \"statt\"", "\"inversion\": \"quer\""),
       "„inversion“ ist keiner der Werte „aus“, „daneben“, „statt“"},
  };
  for (const auto& f : faelle) {
    const Leseergebnis e = LiesAufgabe(f.bytes);
    EXPECT_EQ(e.fehler, Lesefehler::Beschaedigt);
    EXPECT_EQ(e.detail, f.detail);
  }
}

// A file of the first version, as it wrote them: no values behind texts,
// no exercise.
TEST(AufgabenDatei, AFirstVersionFileStillOpens) {
  const Leseergebnis e = LiesAufgabe(R"({
    "format": "quorvel", "version": 1, "zahlendarstellung": "General",
    "matrix": {"dimension": 2, "zeilen": [["5", "1", "1"], ["1", "1", "-1"]],
               "ergebnis_gezeigt": true},
    "speicher": [{"nr": 1, "getippt": "K", "k": "3+j4", "g": "0,2*e^-j53,13", "kommentar": ""}],
    "rechenfeld": {"formel": "K1*2", "ergebnis_gezeigt": true},
    "induktiv": {"L": "10m", "f": "50", "XL": "", "gesucht": "XL", "ergebnis_gezeigt": false},
    "kapazitiv": {"C": "", "f": "50", "XC": "", "gesucht": "XC", "ergebnis_gezeigt": false},
    "wandeln": "", "winkelrechner": {"zeile": 0, "text": "30"}, "uebung": null})");
  ASSERT_EQ(e.fehler, Lesefehler::Keiner) << e.detail;
  EXPECT_EQ(e.aufgabe.zellen[1][2], "-1");
  EXPECT_EQ(e.aufgabe.speicher[0].k, "3+j4");
  EXPECT_EQ(e.aufgabe.speicher[0].wert, "");
  EXPECT_FALSE(e.aufgabe.uebung);
  EXPECT_TRUE(e.aufgabe.ortskurve == Ortskurve{});
}

// The edges of strict UTF-8: the surrogates end at U+DFFF, and a sequence
// cut by the end of the input is refused even when the next byte in memory
// would complete it.
TEST(AufgabenDatei, Utf8EdgesOfSurrogatesAndOfTheInput) {
  EXPECT_EQ(LiesAufgabe(Ersetzt("größer", "\xED\xBF\xBF")).fehler, Lesefehler::KeinUtf8);
  EXPECT_EQ(LiesAufgabe(Ersetzt("größer", "\xEE\x80\x80")).fehler, Lesefehler::Keiner);
  const std::string mitFolge = Schreibe(VolleAufgabe()) + "\xC3\xA4";
  EXPECT_EQ(LiesAufgabe(std::string_view(mitFolge).substr(0, mitFolge.size() - 1)).fehler,
            Lesefehler::KeinUtf8);
}

TEST(AufgabenDatei, ShortRowsAndUnknownKeysAreAccepted) {
  // Cells left out at a row's end are empty; keys this version does not
  // know are ignored (a later minor addition).
  const Leseergebnis e = LiesAufgabe(Ersetzt("\"wandeln\"", "\"neu\": 1, \"wandeln\""));
  ASSERT_EQ(e.fehler, Lesefehler::Keiner) << e.detail;
  EXPECT_EQ(e.aufgabe.zellen[2][0], "");
  EXPECT_EQ(e.aufgabe.zellen[19][20], "7,5*e^j30");
}

// In English each message is one sentence with the file's name, the detail
// and the numbers in their places (the catalogue built into the program).
TEST(AufgabenDatei, MessagesAreTranslatedWholeWithTheirParts) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  ASSERT_TRUE(sprache::LadeSprache(QStringLiteral("en")));
  const std::string beschaedigt =
      Lesemeldung(LiesAufgabe(Ersetzt("\"dimension\": 2", "\"dimension\": \"2\"")), "a");
  const std::string neuer =
      Lesemeldung(LiesAufgabe(Ersetzt("\"version\": 4", "\"version\": 99")), "a");
  Aufgabe a;
  a.speicher[4].kommentar = std::string(kMaxTextLaenge + 1, 'x');
  std::string bytes, fehler;
  EXPECT_FALSE(SchreibeAufgabe(a, bytes, fehler));
  sprache::LadeSprache(QStringLiteral("de"));
  EXPECT_EQ(beschaedigt,
            "The file “a” is damaged: “dimension” is not a whole number from 1 to 20. It was not "
            "opened.");
  EXPECT_EQ(neuer,
            "The file “a” comes from a newer Quorvel version (file format 99, this program knows "
            "up to 4). It was not opened.");
  EXPECT_EQ(fehler, "The text in the comment on K5 is longer than " +
                        std::to_string(kMaxTextLaenge) +
                        " characters and cannot be saved like this.");
}

}  // namespace
