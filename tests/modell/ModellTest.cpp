// SPDX-License-Identifier: GPL-3.0-or-later
// The model without the window: the typed side and the values behind texts
// on every path, the exercise lock, the derivations of cells, and the
// snapshot that a task file is.
#include <gtest/gtest.h>

#include <QCoreApplication>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "modell/Modell.h"
#include "modell/Text.h"
#include "sprache/Sprachwahl.h"

namespace {

using Seite = aufgabe::Seite;

ZKZahl Zahl(long double re, long double im) {
  ZKZahl z;
  z.SetzeKartesisch(re, im);
  return z;
}

// A value put into the first free row (as the phasor page does) after the
// row was typed on its G side and emptied is the typed K side: saved and
// opened, K keeps its text and its value is not read back from G's digits.
TEST(Modell, APutValueMakesItsSideTheTypedOneWhateverWasTypedBefore) {
  Modell m;
  Variablenspeicher& s = m.Speicher();
  s.Setze(Seite::G, 1, QStringLiteral("0,5"));
  s.Setze(Seite::G, 1, QString());
  ASSERT_EQ(s.ErsteFreieZeile(), 1);
  s.Setze(Seite::K, 1, QStringLiteral("7"));
  EXPECT_EQ(s.Getippt(1), Seite::K);

  Modell neu;
  neu.Wende(m.Schnappschuss());
  EXPECT_EQ(neu.Speicher().Text(Seite::K, 1), QStringLiteral("7"));
  EXPECT_EQ(neu.Speicher().Werte(Seite::K)[1].Realteil, 7.0L);
}

// A value stands behind its text only: any other text, even the same one
// typed again, is read from its digits.
TEST(Modell, AValueHoldsUntilItsTextIsEditedOnEveryTable) {
  Modell m;
  const ZKZahl x = Zahl(2, 1);
  const QString text = AusAnsi(ExponentialText(x, General));
  m.Speicher().Setze(Seite::K, 3, text, x);
  EXPECT_EQ(m.Speicher().Werte(Seite::K)[3].Realteil, 2.0L);
  // The reciprocal on the other side has its full value too.
  EXPECT_EQ(m.Speicher().Wert(Seite::G, 3)->Realteil, (1.0L / x).Realteil);
  QAbstractItemModel* k = m.Speicher().Tabelle(Seite::K);
  k->setData(k->index(2, 0), text + QLatin1Char('0'), Qt::EditRole);
  k->setData(k->index(2, 0), text, Qt::EditRole);
  EXPECT_FALSE(m.Speicher().Wert(Seite::K, 3));
  EXPECT_NE(m.Speicher().Werte(Seite::K)[3].Realteil, 2.0L);

  Gleichungssystem& g = m.System();
  g.SetzeZelle(1, 2, text, x, QStringLiteral("Knoten 1"));
  EXPECT_EQ(g.Zellwert(1, 2)->Realteil, 2.0L);
  g.setData(g.index(0, 1), QStringLiteral("1"), Qt::EditRole);
  EXPECT_FALSE(g.Zellwert(1, 2));
  // The derivation goes with the text it explained, by any path.
  EXPECT_TRUE(g.Herleitung(1, 2).isEmpty());
}

// The task of an exercise changes by no path; an answer that changes loses
// its mark and the count.
TEST(Modell, AnExerciseLocksItsTaskAndAChangedAnswerLosesItsMark) {
  Modell m;
  Gleichungssystem& g = m.System();
  g.SetzeUebungsModus(true);
  const Gleichungssystem::Beispiel b = g.ZieheBeispiel(7, 1, 2);
  ASSERT_TRUE(g.StelleUebung(b.loesung));
  const QString zelle = g.Zelle(1, 1);
  EXPECT_FALSE(g.SetzeZelle(1, 1, QStringLiteral("9")));
  EXPECT_FALSE(g.setData(g.index(0, 0), QStringLiteral("9"), Qt::EditRole));
  EXPECT_FALSE(g.SetzeDimension(4));
  EXPECT_FALSE(g.LeereTabelle());
  EXPECT_FALSE(g.SetzeSystem(2, {}));
  EXPECT_EQ(g.Loese(false).art, Gleichungssystem::Loesungsstand::Gesperrt);
  EXPECT_EQ(g.Zelle(1, 1), zelle);
  EXPECT_EQ(g.Dimension(), 2);
  EXPECT_FALSE(g.flags(g.index(0, 0)) & Qt::ItemIsEditable);

  Ergebnistabelle* e = g.Ergebnisse();
  e->setData(e->index(0, 0), AusAnsi(ExponentialText(b.loesung[1], General)), Qt::EditRole);
  g.Pruefe();
  EXPECT_EQ(g.Uebungsstand(), QStringLiteral("1 von 2 richtig"));
  EXPECT_EQ(e->MarkeVon(1, 1), Marke::Richtig);
  EXPECT_EQ(e->index(1, 0).data(Qt::AccessibleDescriptionRole).toString(),
            QStringLiteral("falsch: keine Antwort"));
  e->setData(e->index(0, 0), QStringLiteral("1"), Qt::EditRole);
  EXPECT_EQ(e->MarkeVon(1, 1), Marke::Keine);
  EXPECT_EQ(g.Uebungsstand(), QStringLiteral("Lösungen eintragen, dann „Prüfen“."));
  EXPECT_TRUE(g.Loesung().empty()) << "answers are no solution";
}

// The snapshot holds every input; opening it computes the shown results
// again and gives the same snapshot. Every change is reported by one signal.
TEST(Modell, TheSnapshotComesBackWholeAndEveryChangeIsSignalled) {
  Modell m;
  int meldungen = 0;
  QObject::connect(&m, &Modell::Geaendert, [&] { ++meldungen; });
  auto zaehlt = [&](const char* was, const std::function<void()>& aenderung) {
    const int vorher = meldungen;
    aenderung();
    EXPECT_GT(meldungen, vorher) << was;
  };
  zaehlt("format", [&] { m.SetzeZahlenFormat(Exponent); });
  zaehlt("system", [&] {
    m.System().SetzeSystem(2,
                           {{QStringLiteral("5"), QStringLiteral("1"), QStringLiteral("1")},
                            {QStringLiteral("1"), QStringLiteral("1"), QStringLiteral("-1")}},
                           {QStringLiteral("Knoten A")}, {QString(), QStringLiteral("I1")});
  });
  EXPECT_EQ(m.System().headerData(0, Qt::Vertical).toString(), QStringLiteral("Knoten A"));
  EXPECT_EQ(m.System().headerData(1, Qt::Vertical).toString(), QStringLiteral("GL 2:"));
  EXPECT_EQ(m.System().headerData(1, Qt::Horizontal).toString(), QStringLiteral("I1"));
  zaehlt("solve", [&] { m.System().Loese(false); });
  zaehlt("memory", [&] { m.Speicher().Setze(Seite::G, 2, QStringLiteral("0,5")); });
  zaehlt("comment", [&] { m.Speicher().SetzeKommentar(2, QStringLiteral("Last")); });
  zaehlt("formula", [&] { m.Formel().SetzeText(QStringLiteral("K2*X")); });
  m.Formel().FuegeEin(4, 1, QStringLiteral("3"), Zahl(3, 0));
  zaehlt("result", [&] { m.Formel().Berechne(); });
  zaehlt("reactance", [&] { m.Induktiv().SetzeText(FeldGroesse, QStringLiteral("10m")); });
  m.Induktiv().Berechne();
  zaehlt("conversion", [&] { m.Wandeln().SetzeText(QStringLiteral("3+j4")); });
  zaehlt("angle", [&] { m.Winkel().Setze(0, QStringLiteral("30")); });
  zaehlt("netlist", [&] { m.Schaltung().SetzeNetzliste(QStringLiteral("R1 1 0 10\nI1 0 1 1")); });
  EXPECT_TRUE(m.Schaltung().Lesbar());
  zaehlt("method", [&] { m.Schaltung().SetzeVerfahren(Verfahren::Maschen); });

  const aufgabe::Aufgabe a = m.Schnappschuss();
  EXPECT_TRUE(a.matrixErgebnisGezeigt);
  EXPECT_EQ(a.speicher[1].getippt, Seite::G);
  ASSERT_EQ(a.formelteile.size(), 1u);
  Modell neu;
  neu.Wende(a);
  EXPECT_EQ(neu.Schnappschuss(), a);
  EXPECT_EQ(neu.System().Ergebnisse()->Text(1, 2), m.System().Ergebnisse()->Text(1, 2));
  EXPECT_EQ(neu.Formel().Ergebnis(), m.Formel().Ergebnis());
  EXPECT_EQ(neu.Induktiv().Ergebnis(), m.Induktiv().Ergebnis());
  EXPECT_EQ(neu.Winkel().Text(6), m.Winkel().Text(6));
}

// ---------------------------------------------------------------------------
// The circuit's system on the matrix page.

const char* const kTeiler =
    "U1 1 0 10\n"
    "R1 1 2 3\n"  // 1/3 has no short decimal text
    "C1 2 0 1µ\n"
    "f = 50\n";

TEST(Schaltungsmatrix, CellsReadBackToTheRoundedEntriesAndCarryTitlesAndDerivations) {
  Modell m;
  m.Schaltung().SetzeNetzliste(QString::fromUtf8(kTeiler));
  ASSERT_EQ(m.UebernimmSchaltung(), Modell::Uebernahme::Uebernommen);
  Gleichungssystem& g = m.System();
  ASSERT_EQ(g.Dimension(), 3);  // U1, U2, I_U1
  EXPECT_EQ(g.Zeilentitel(1), QStringLiteral("Knoten 1"));
  EXPECT_EQ(g.Zeilentitel(3), QStringLiteral("U1"));
  EXPECT_EQ(g.Spaltentitel(2), QStringLiteral("U1"));
  EXPECT_EQ(g.Spaltentitel(4), QStringLiteral("I_U1"));
  EXPECT_EQ(g.Zelle(1, 2), QStringLiteral("0,3333333333333333"));
  EXPECT_EQ(g.Zelle(3, 1), QStringLiteral("10"));
  EXPECT_TRUE(g.Herleitung(2, 3).startsWith(QStringLiteral("Y₂₂ = 1/R1 + jωC1 = ")));
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 4; ++c) {
      ZKZahl z;
      ASSERT_NE(LiesZKZahl(NachAnsi(g.Zelle(r, c)), z), ZKForm::Keine) << r << c;
      EXPECT_EQ(static_cast<double>(z.Realteil), static_cast<double>(g.Zellwert(r, c)->Realteil));
      EXPECT_EQ(static_cast<double>(z.Imaginaerteil),
                static_cast<double>(g.Zellwert(r, c)->Imaginaerteil));
    }
  // "=" on those cells gives the page's results, bit for bit.
  ASSERT_EQ(g.Loese(false).art, Gleichungssystem::Loesungsstand::Geloest);
  const std::vector<ZKZahl> x = g.Loesung();
  const Ergebnis& e = m.Schaltung().Analyse().ergebnis;
  ASSERT_EQ(x.size(), e.loesung.size());
  for (std::size_t i = 0; i < x.size(); ++i) {
    EXPECT_EQ(x[i].Realteil, e.loesung[i].Realteil);
    EXPECT_EQ(x[i].Imaginaerteil, e.loesung[i].Imaginaerteil);
  }

  // Editing a cell takes its derivation; the others stay.
  g.SetzeZelle(2, 3, QStringLiteral("5"));
  EXPECT_TRUE(g.Herleitung(2, 3).isEmpty());
  EXPECT_FALSE(g.Herleitung(2, 2).isEmpty());
  // So does another dimension, and a drawn example takes the titles too.
  g.SetzeDimension(4);
  EXPECT_TRUE(g.Herleitung(2, 2).isEmpty());
  g.ZieheBeispiel(1, 1, 3);
  EXPECT_TRUE(g.Zeilentitel(1).isEmpty());
}

TEST(Schaltungsmatrix, ANewCircuitReplacesTheWholeSystemAndABadOneChangesNothing) {
  Modell m;
  m.Schaltung().SetzeNetzliste(QString::fromUtf8(kTeiler));
  m.Schaltung().SetzeVerfahren(Verfahren::Knoten);
  ASSERT_EQ(m.UebernimmSchaltung(), Modell::Uebernahme::Uebernommen);
  // The mesh method: one unknown; no old cell, title or derivation stays.
  m.Schaltung().SetzeVerfahren(Verfahren::Maschen);
  ASSERT_EQ(m.UebernimmSchaltung(), Modell::Uebernahme::Uebernommen);
  Gleichungssystem& g = m.System();
  EXPECT_EQ(g.Dimension(), 1);
  EXPECT_EQ(g.Zeilentitel(1), QStringLiteral("Masche 1"));
  EXPECT_TRUE(g.Zeilentitel(2).isEmpty());
  EXPECT_EQ(g.Spaltentitel(2), QStringLiteral("I_M1"));
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 4; ++c)
      if (r > 1 || c > 2) {
        EXPECT_TRUE(g.Zelle(r, c).isEmpty()) << r << c;
        EXPECT_TRUE(g.Herleitung(r, c).isEmpty()) << r << c;
      }

  // A netlist error, an empty netlist, too many unknowns: the matrix stays.
  const aufgabe::Aufgabe vorher = m.Schnappschuss();
  m.Schaltung().SetzeNetzliste(QStringLiteral("U1 1 0 10\nR1 1 2 -3\n"));
  EXPECT_EQ(m.UebernimmSchaltung(), Modell::Uebernahme::Netzlistenfehler);
  m.Schaltung().SetzeNetzliste(QString());
  EXPECT_EQ(m.UebernimmSchaltung(), Modell::Uebernahme::Netzlistenfehler);
  QString leiter = QStringLiteral("U1 1 0 1\n");
  for (int k = 1; k <= 21; ++k) leiter += QStringLiteral("R%1 %1 %2 1\n").arg(k).arg(k + 1);
  leiter += QStringLiteral("R99 22 0 1\n");
  m.Schaltung().SetzeNetzliste(leiter);
  m.Schaltung().SetzeVerfahren(Verfahren::Knoten);  // 23 unknowns
  EXPECT_EQ(m.UebernimmSchaltung(), Modell::Uebernahme::ZuGross);
  EXPECT_EQ(m.Schaltung().Analyse().ergebnis.status, Geloest);  // solved all the same
  aufgabe::Aufgabe nachher = m.Schnappschuss();
  nachher.netzliste = vorher.netzliste;
  nachher.verfahren = vorher.verfahren;
  EXPECT_EQ(nachher, vorher);
}

// A file keeps the circuit and the titles; opened, the cells the circuit
// derives as they stand have their derivations again.
TEST(Schaltungsmatrix, AFileBringsBackTheCircuitTitlesAndDerivations) {
  Modell m;
  m.Schaltung().SetzeNetzliste(QString::fromUtf8(kTeiler));
  m.Schaltung().SetzeVerfahren(Verfahren::Maschen);
  ASSERT_EQ(m.UebernimmSchaltung(), Modell::Uebernahme::Uebernommen);
  Modell neu;
  neu.Wende(m.Schnappschuss());
  EXPECT_EQ(neu.Schaltung().Netzliste(), QString::fromUtf8(kTeiler));
  EXPECT_EQ(neu.Schaltung().Verfahren(), Verfahren::Maschen);
  EXPECT_EQ(neu.System().Zeilentitel(1), QStringLiteral("Masche 1"));
  EXPECT_EQ(neu.System().Herleitung(1, 2), m.System().Herleitung(1, 2));
  EXPECT_FALSE(neu.System().Herleitung(1, 2).isEmpty());
  // A cell edited before saving is no longer the circuit's: no derivations.
  m.System().SetzeZelle(1, 1, QStringLiteral("7"));
  neu.Wende(m.Schnappschuss());
  EXPECT_TRUE(neu.System().Herleitung(1, 2).isEmpty());
}

TEST(Schaltungstexte, RoundTripAndSiTexts) {
  EXPECT_EQ(RundreiseText(0.1), QStringLiteral("0,1"));
  EXPECT_EQ(RundreiseText(1.5e-5), QStringLiteral("1,5E-05"));
  EXPECT_EQ(RundreiseText(Zahl(0, -2)), QStringLiteral("-j2"));
  EXPECT_EQ(RundreiseText(Zahl(0.25, 1e-6)), QStringLiteral("0,25+j1E-06"));
  EXPECT_EQ(RundreiseText(Zahl(0, 0)), QStringLiteral("0"));
  ZKZahl strom;
  strom.SetzePolar(0.0235, -12.3);
  EXPECT_EQ(SiZeigerText(strom, QStringLiteral("A")), QStringLiteral("23,5 mA ∠ −12,3°"));
  EXPECT_EQ(SiText(-1234.0L, QStringLiteral("var")), QStringLiteral("−1,23 kvar"));
  EXPECT_EQ(SiText(999.7L, QStringLiteral("V")), QStringLiteral("1 kV"));
  EXPECT_EQ(SiText(2.3L, QStringLiteral("A")), QStringLiteral("2,3 A"));
  EXPECT_EQ(SiText(0.0L, QStringLiteral("W")), QStringLiteral("0 W"));
}

// In English the exercise's count and marks and the grid's titles keep
// their numbers in place (the catalogue built into the program).
TEST(Modell, ExerciseTextsAndTitlesAreTranslatedWithTheirNumbers) {
  int argc = 1;
  char name[] = "test";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  ASSERT_TRUE(sprache::LadeSprache(QStringLiteral("en")));
  Modell m;
  Gleichungssystem& g = m.System();
  g.SetzeUebungsModus(true);
  ASSERT_TRUE(g.StelleUebung(g.ZieheBeispiel(7, 1, 2).loesung));
  const QString eintragen = g.Uebungsstand();
  g.Pruefe();
  const QString stand = g.Uebungsstand();
  const QString marke = g.Ergebnisse()->index(1, 0).data(Qt::AccessibleDescriptionRole).toString();
  const QString titel = g.headerData(2, Qt::Horizontal, Qt::DisplayRole).toString();
  sprache::LadeSprache(QStringLiteral("de"));
  EXPECT_EQ(eintragen, QStringLiteral("Enter the solutions, then “Check”."));
  EXPECT_EQ(stand, QStringLiteral("0 of 2 right"));
  EXPECT_EQ(marke, QStringLiteral("wrong: no answer"));
  EXPECT_EQ(titel, QStringLiteral("Coefficient of X2"));
}

}  // namespace
