// SPDX-License-Identifier: GPL-3.0-or-later
// The locus page's wiring on the real window: its controls to the curve,
// bad input leaving the drawing alone, a click into the memory, and its
// settings through the task file. The curve's values and geometry are the
// core's (tests/ortskurve).
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>

#include "Fenster.h"
#include "app/Ortskurvenseite.h"
#include "complex/ZKZahl.h"
#include "datei/AufgabenDatei.h"
#include "modell/Modell.h"

namespace {

class Ortskurvenseite : public FensterTest {
 protected:
  void SetUp() override {
    FensterTest::SetUp();
    seite = form1.findChild<TOrtskurvenseite*>();
    ASSERT_NE(seite, nullptr);
    EXPECT_EQ(seite->Diagramm, nullptr);  // nothing built before it is shown
    Seite(TabbedNotebook(form1)->indexOf(seite));
    ASSERT_NE(seite->Diagramm, nullptr);
  }
  static void Ersetze(QLineEdit* e, const QString& text) {
    // As a paste: QTest types Latin-1 only, and ω is not.
    e->selectAll();
    e->insert(text);
    QApplication::processEvents();
  }
  const std::optional<Kurve>& Kurve_() const { return seite->Diagramm->Gezeichnet(); }
  // The drawn value at f, against the expected one.
  void ErwartePunkt(long double f, long double re, long double im) {
    ASSERT_TRUE(Kurve_());
    for (const Kurvenpunkt& p : Kurve_()->punkte)
      if (p.f == f) {
        EXPECT_NEAR(double(p.wert.Realteil), double(re), 1e-9 * std::fabs(double(re)) + 1e-12);
        EXPECT_NEAR(double(p.wert.Imaginaerteil), double(im), 1e-9 * std::fabs(double(im)) + 1e-12);
        return;
      }
    ADD_FAILURE() << "no point at " << double(f);
  }

  TOrtskurvenseite* seite = nullptr;
};

TEST_F(Ortskurvenseite, FormulaAndCircuitDrawTheirCurve) {
  Ersetze(seite->Formel_Edit, QStringLiteral("100 + j*ω*0,1"));
  Ersetze(seite->Von_Edit, QStringLiteral("10"));
  Ersetze(seite->Bis_Edit, QStringLiteral("1k"));
  Ersetze(seite->Punkte_Edit, QStringLiteral("11"));
  seite->Schritte_Auswahl->setCurrentIndex(1);  // linear
  QApplication::processEvents();
  EXPECT_EQ(seite->Meldung(), QString());
  ASSERT_TRUE(Kurve_());
  EXPECT_EQ(Kurve_()->punkte.size(), 11u);
  ErwartePunkt(10.0L, 100, 2 * ZK_Pi() * 10 * 0.1L);

  // The circuit from the model, impedance from node 1 to ground by default.
  form1.Zustand().Schaltung().SetzeNetzliste(QStringLiteral("R1 1 2 100\nL1 2 0 100m\n"));
  seite->Quelle_Auswahl->setCurrentIndex(1);
  QApplication::processEvents();
  EXPECT_EQ(seite->Meldung(), QString());
  ErwartePunkt(1000.0L, 100, 2 * ZK_Pi() * 1000 * 0.1L);
  EXPECT_EQ(seite->KnotenA_Auswahl->count(), 3);  // 0, 1, 2

  // Editing the netlist draws the new circuit.
  form1.Zustand().Schaltung().SetzeNetzliste(QStringLiteral("R1 1 2 200\nL1 2 0 100m\n"));
  QApplication::processEvents();
  ErwartePunkt(1000.0L, 200, 2 * ZK_Pi() * 1000 * 0.1L);
  // A node the circuit lacks is a message.
  seite->KnotenA_Auswahl->setEditText(QStringLiteral("7"));
  QApplication::processEvents();
  EXPECT_EQ(seite->Meldung(), QStringLiteral("Den Knoten „7“ gibt es in der Netzliste nicht."));
}

TEST_F(Ortskurvenseite, BadInputKeepsThePictureUntilItIsGoodAgain) {
  ASSERT_TRUE(Kurve_());  // the default formula
  const std::vector<Kurvenpunkt> vorher = Kurve_()->punkte;
  const QImage bild = seite->Bild();
  const struct {
    QLineEdit* feld;
    const char* text;
    const char* alt;
  } faelle[] = {
      {seite->Formel_Edit, "100 + j*omega*(0,1", "100 + j*omega*0,1"},
      {seite->Von_Edit, "abc", "10"},
      {seite->Punkte_Edit, "10001", "500"},
  };
  for (const auto& f : faelle) {
    Ersetze(f.feld, QString::fromUtf8(f.text));
    EXPECT_NE(seite->Meldung(), QString()) << f.text;
    EXPECT_EQ(seite->Meldung_Label->text(), seite->Meldung());
    ASSERT_TRUE(Kurve_());
    EXPECT_EQ(Kurve_()->punkte.size(), vorher.size()) << f.text;
    EXPECT_TRUE(seite->Bild() == bild) << f.text;
    Ersetze(f.feld, QString::fromUtf8(f.alt));
    EXPECT_EQ(seite->Meldung(), QString()) << f.alt;
  }
  EXPECT_EQ(seite->Meldung_Label->text(), QString());
  Ersetze(seite->Formel_Edit, QStringLiteral("100 + j*omega*(0,1"));
  EXPECT_EQ(seite->Meldung(), QStringLiteral("Es ist ein Klammerfehler aufgetreten."));
  Ersetze(seite->Formel_Edit, QStringLiteral("200 + j*omega*0,1"));
  EXPECT_EQ(seite->Meldung(), QString());
  EXPECT_FALSE(seite->Bild() == bild);
}

TEST_F(Ortskurvenseite, AClickPutsTheExactValueIntoTheFirstEmptyMemoryRow) {
  Variablenspeicher& k = form1.Zustand().Speicher();
  k.Setze(aufgabe::Seite::K, 1, QStringLiteral("5"));
  // The inverse only: the click takes the inverse's value.
  seite->Inversion_Auswahl->setCurrentIndex(2);
  QApplication::processEvents();
  const std::optional<QPoint> p = seite->Diagramm->PixelVon(100.0L);  // a decade mark
  ASSERT_TRUE(p);
  const std::optional<Kurventreffer> t = seite->Diagramm->TrefferAn(*p);
  ASSERT_TRUE(t);
  EXPECT_TRUE(t->invertiert);
  QTest::mouseClick(seite->Diagramm, Qt::LeftButton, {}, *p);
  ZKZahl z;
  z.SetzeKartesisch(100, 2 * ZK_Pi() * t->f * 0.1L);
  const ZKZahl erwartet = 1.0L / z;
  const std::optional<ZKZahl> wert = k.Wert(aufgabe::Seite::K, 2);
  ASSERT_TRUE(wert);
  EXPECT_NEAR(double(wert->Realteil), double(erwartet.Realteil), 1e-15);
  EXPECT_NEAR(double(wert->Imaginaerteil), double(erwartet.Imaginaerteil), 1e-15);
  EXPECT_EQ(k.Getippt(2), aufgabe::Seite::K);
  ErwarteWert(k.Text(aufgabe::Seite::K, 2), erwartet.Realteil, erwartet.Imaginaerteil);
}

TEST_F(Ortskurvenseite, SettingsGoThroughTheTaskFile) {
  Ersetze(seite->Formel_Edit, QStringLiteral("1/(K1+j*f)"));
  seite->Bezifferung_Auswahl->setCurrentIndex(2);
  Ersetze(seite->Marken_Edit, QStringLiteral("50; 1,5k"));
  seite->Ansicht_Auswahl->setCurrentIndex(1);
  seite->Inversion_Auswahl->setCurrentIndex(1);
  std::string bytes, fehler;
  ASSERT_TRUE(aufgabe::SchreibeAufgabe(form1.Zustand().Schnappschuss(), bytes, fehler));
  const aufgabe::Leseergebnis e = aufgabe::LiesAufgabe(bytes);
  ASSERT_EQ(e.fehler, aufgabe::Lesefehler::Keiner);

  // Opened in a window whose page is already built: the controls follow.
  form1.Zustand().Wende(aufgabe::Aufgabe{});
  EXPECT_EQ(seite->Formel_Edit->text(), QString::fromStdString(aufgabe::Ortskurve{}.formel));
  form1.Zustand().Wende(e.aufgabe);
  QApplication::processEvents();
  EXPECT_EQ(seite->Formel_Edit->text(), QStringLiteral("1/(K1+j*f)"));
  EXPECT_EQ(seite->Marken_Edit->text(), QStringLiteral("50; 1,5k"));
  EXPECT_EQ(seite->Bezifferung_Auswahl->currentIndex(), 2);
  EXPECT_EQ(seite->Ansicht_Auswahl->currentIndex(), 1);
  EXPECT_EQ(seite->Inversion_Auswahl->currentIndex(), 1);
}

}  // namespace
