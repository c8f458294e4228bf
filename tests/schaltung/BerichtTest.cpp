// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON output is for other programs: it must parse, carry the keys
// docs/schaltung.md promises, and give every double back exactly.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <charconv>
#include <string>

#include "schaltung/Bericht.h"

namespace {

QJsonObject Parse(const std::string& json) {
  QJsonParseError fehler;
  const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString(json), &fehler);
  EXPECT_EQ(fehler.error, QJsonParseError::NoError) << json;
  return d.object();
}

TEST(Json, ASolvedCircuitGivesEveryKeyAndExactDoubles) {
  const NetzlistenErgebnis s =
      LiesNetzliste("f = 50\nU1 ein 0 230\nR1 ein aus 1k\nC1 aus GND 3\xC2\xB5\n");
  ASSERT_TRUE(s.fehler.empty());
  const Schaltungssystem g = StelleAuf(s.schaltung, Verfahren::Maschen).system;
  const Ergebnis e = Loese(s.schaltung, g);
  const QJsonObject o = Parse(JsonBericht(s.schaltung, g, e));
  for (const char* k : {"frequenz", "omega", "verfahren", "unbekannte", "system", "herleitung",
                        "loesung", "knoten", "elemente", "leistungsbilanz"})
    EXPECT_TRUE(o.contains(k)) << k;
  EXPECT_EQ(o["verfahren"].toString(), "maschen");
  EXPECT_EQ(o["frequenz"].toDouble(), 50.0);
  const QJsonArray a00 = o["system"]["a"][0][0].toArray();
  EXPECT_EQ(a00[0].toDouble(), static_cast<double>(g.A(0, 0).wert.Realteil));
  EXPECT_EQ(a00[1].toDouble(), static_cast<double>(g.A(0, 0).wert.Imaginaerteil));
  EXPECT_EQ(o["herleitung"]["a"][0][0].toString(), QString::fromUtf8("R1 + 1/(j\xCF\x89"
                                                                     "C1)"));
  const QJsonObject knoten = o["knoten"].toObject();
  EXPECT_EQ(knoten.keys(), (QStringList{"0", "aus", "ein"}));  // ground as first written
  EXPECT_EQ(knoten["ein"][0].toDouble(), 230.0);
  const QJsonArray u = o["elemente"]["C1"]["u"].toArray();
  EXPECT_EQ(u[1].toDouble(), static_cast<double>(e.elemente[2].u.Imaginaerteil));
}

TEST(Json, AnUnsolvableSystemKeepsTheSystemAndSaysWhy) {
  const NetzlistenErgebnis s = LiesNetzliste("w = 1\nI1 0 1 1\nL1 1 0 1\nC1 1 0 1\n");
  const Schaltungssystem g = StelleAuf(s.schaltung, Verfahren::Knoten).system;
  const QJsonObject o = Parse(JsonBericht(s.schaltung, g, Loese(s.schaltung, g)));
  EXPECT_EQ(o["fehler"].toString(),
            QString::fromUtf8("Das Gleichungssystem hat keine eindeutige Lösung."));
  EXPECT_TRUE(o.contains("system"));
  EXPECT_FALSE(o.contains("loesung"));
  EXPECT_EQ(o["omega"].toDouble(), 1.0);
}

TEST(Json, NetlistErrorsAndNumbers) {
  // The message quotes the value, quote marks and a backslash included.
  const QJsonObject o = Parse(JsonFehler(LiesNetzliste("R1 1 0 1\nR2 1 0 \"5\\\"\n").fehler));
  EXPECT_EQ(o["zeile"].toInt(), 2);
  EXPECT_EQ(o["fehler"].toString(),
            QString::fromUtf8("Zeile 2: Der Wert „\"5\\\"“ von R2 ist nicht lesbar."));
  EXPECT_EQ(JsonZahl(0.1L), "0.10000000000000001");
  EXPECT_EQ(JsonZahl(-0.0L), "0");
  for (const double x : {1.0 / 3.0, 1e-300, -2.5e10, 4.9e-324}) {
    const std::string t = JsonZahl(x);
    double zurueck = 0.0;
    std::from_chars(t.data(), t.data() + t.size(), zurueck);
    EXPECT_EQ(zurueck, x) << t;
  }
}

}  // namespace
