// SPDX-License-Identifier: GPL-3.0-or-later
// The Rechenweg window and the exercise mode on the real main window.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "ZiehFixture.h"
#include "app/Beispiel.h"
#include "app/Dateien.h"
#include "app/MainQuorvel.h"
#include "app/RechenwegFenster.h"
#include "complex/ZKLesen.h"
#include "modell/Uebung.h"

namespace {

class RechenwegFensterTest : public FensterTest {
 protected:
  void TearDown() override {
    if (Rechenwegfenster(form1)) Rechenwegfenster(form1)->close();
  }

  // Types a system (rows: right-hand side, then the coefficients) and presses "=".
  void Rechne(const std::vector<std::vector<const char*>>& zeilen) {
    AnzahlMatrix_Edit(form1)->setText(QString::number(zeilen.size()));
    for (std::size_t r = 0; r < zeilen.size(); ++r) {
      for (std::size_t c = 0; c < zeilen[r].size(); ++c) {
        MatrixTab_StringGrid(form1)->SetCell(int(c) + 1, int(r) + 1,
                                             QString::fromUtf8(zeilen[r][c]));
      }
    }
    QTest::mouseClick(Berechnen_BitBtn(form1), Qt::LeftButton);
  }
  void Beispiel(int n, int stufe, std::uint32_t samen) {
    AnzahlMatrix_Edit(form1)->setText(QString::number(n));
    form1.Zustand().Beispiele().system = stufe - 1;
    form1.Zustand().Beispiele().festerSamen = samen;
    QTest::mouseClick(BeispielAufgaben_BitBtn(form1), Qt::LeftButton);
  }
  RechenwegFenster* OeffneRechenweg() {
    QTest::mouseClick(Rechenweg_BitBtn(form1), Qt::LeftButton);
    return Rechenwegfenster(form1);
  }
};

// Worked by hand: X1 + X2 = 5, X1 - X2 = 1.
const char* const kZweiMalZwei = R"(Rechenweg

Aufgabe: 2 Gleichungen, wie sie gelesen wurden
  Gleichung 1:  (1)·X1 + (1)·X2 = 5
  Gleichung 2:  (1)·X1 + (-1)·X2 = 1

Anordnung (jede Diagonale ungleich null)
  Zeile 1: Gleichung 1 (für X1)
  Zeile 2: Gleichung 2 (für X2)
  Die Gleichungen bleiben in ihrer Reihenfolge.

Spalte 1
  Zeile 1 geteilt durch (1 = 1*e^j0,00)
         X1  X2  | rechte Seite
     Z1   1   1  |            5
     Z2   1  -1  |            1
  Zeile 2 − (1 = 1*e^j0,00) × Zeile 1
         X1  X2  | rechte Seite
     Z1   1   1  |            5
     Z2   0  -2  |           -4
  Spalte 1 ist fertig.

Spalte 2
  Zeile 2 geteilt durch (-2 = 2*e^j180,00)
         X1  X2  | rechte Seite
     Z1   1   1  |            5
     Z2   0   1  |            2
  Spalte 2 ist fertig.

Rückwärts: Spalte 2 oberhalb der Diagonale
  Zeile 1 − (1 = 1*e^j0,00) × Zeile 2
         X1  X2  | rechte Seite
     Z1   1   0  |            3
     Z2   0   1  |            2
  Spalte 2 ist fertig.

Probe
  Die Lösung erfüllt alle Gleichungen; ihr Fehler ist höchstens 3,8e-37 des größten Betrags der Unbekannten.

Lösung
  X1 = 3 = 3*e^j0,00
  X2 = 2 = 2*e^j0,00
)";

// Worked by hand: 2 1 1 | 4, 1 3 1 | 5, 1 1 4 | 6; every unknown is 1.
const char* const kDreiMalDrei = R"(Spalte 1
  Zeile 1 geteilt durch (2 = 2*e^j0,00)
         X1   X2   X3  | rechte Seite
     Z1   1  0,5  0,5  |            2
     Z2   1    3    1  |            5
     Z3   1    1    4  |            6
  Zeile 2 − (1 = 1*e^j0,00) × Zeile 1
         X1   X2   X3  | rechte Seite
     Z1   1  0,5  0,5  |            2
     Z2   0  2,5  0,5  |            3
     Z3   1    1    4  |            6
  Zeile 3 − (1 = 1*e^j0,00) × Zeile 1
         X1   X2   X3  | rechte Seite
     Z1   1  0,5  0,5  |            2
     Z2   0  2,5  0,5  |            3
     Z3   0  0,5  3,5  |            4
  Spalte 1 ist fertig.

Spalte 2
  Zeile 2 geteilt durch (2,5 = 2,5*e^j0,00)
         X1   X2   X3  | rechte Seite
     Z1   1  0,5  0,5  |            2
     Z2   0    1  0,2  |          1,2
     Z3   0  0,5  3,5  |            4
  Zeile 3 − (0,5 = 0,5*e^j0,00) × Zeile 2
         X1   X2   X3  | rechte Seite
     Z1   1  0,5  0,5  |            2
     Z2   0    1  0,2  |          1,2
     Z3   0    0  3,4  |          3,4
  Spalte 2 ist fertig.

Spalte 3
  Zeile 3 geteilt durch (3,4 = 3,4*e^j0,00)
         X1   X2   X3  | rechte Seite
     Z1   1  0,5  0,5  |            2
     Z2   0    1  0,2  |          1,2
     Z3   0    0    1  |            1
  Spalte 3 ist fertig.

Rückwärts: Spalte 3 oberhalb der Diagonale
  Zeile 2 − (0,2 = 0,2*e^j0,00) × Zeile 3
         X1   X2   X3  | rechte Seite
     Z1   1  0,5  0,5  |            2
     Z2   0    1    0  |            1
     Z3   0    0    1  |            1
  Zeile 1 − (0,5 = 0,5*e^j0,00) × Zeile 3
         X1   X2  X3  | rechte Seite
     Z1   1  0,5   0  |          1,5
     Z2   0    1   0  |            1
     Z3   0    0   1  |            1
  Spalte 3 ist fertig.

Rückwärts: Spalte 2 oberhalb der Diagonale
  Zeile 1 − (0,5 = 0,5*e^j0,00) × Zeile 2
         X1  X2  X3  | rechte Seite
     Z1   1   0   0  |            1
     Z2   0   1   0  |            1
     Z3   0   0   1  |            1
  Spalte 2 ist fertig.
)";

TEST_F(RechenwegFensterTest, ShowsTheHandCheckedStepsAndFollowsEveryNewSolve) {
  Rechne({{"5", "1", "1"}, {"1", "1", "-1"}});
  RechenwegFenster* fenster = OeffneRechenweg();
  ASSERT_NE(fenster, nullptr);
  EXPECT_TRUE(fenster->isVisible());
  EXPECT_FALSE(fenster->isModal());
  EXPECT_TRUE(fenster->isWindow());
  EXPECT_EQ(fenster->Text(), QString::fromUtf8(kZweiMalZwei));

  Rechne({{"4", "2", "1", "1"}, {"5", "1", "3", "1"}, {"6", "1", "1", "4"}});
  const QString text = fenster->Text();
  EXPECT_TRUE(text.contains(QString::fromUtf8(kDreiMalDrei))) << text.toStdString();
  EXPECT_TRUE(text.endsWith(QStringLiteral("  X3 = 1 = 1*e^j0,00\n")));
}

// "=" records the steps only while the window is open; opened later, the
// window records the system that "=" solved, not what the grid holds now,
// and shows what an open window would have shown.
TEST_F(RechenwegFensterTest, OpenedAfterTheSolveShowsTheSolvedSystemsSteps) {
  Beispiel(6, 3, 11);
  MatrixTab_StringGrid(form1)->SetCell(2, 1, QStringLiteral("99"));
  const QString spaeter = OeffneRechenweg()->Text();
  EXPECT_TRUE(spaeter.contains(QStringLiteral("\nLösung\n"))) << spaeter.toStdString();

  Beispiel(6, 3, 11);  // the window is open now: this solve is recorded as it runs
  EXPECT_EQ(Rechenwegfenster(form1)->Text(), spaeter);
  EXPECT_FALSE(spaeter.contains(QStringLiteral("(99)")));
}

TEST_F(RechenwegFensterTest, ASingularSystemShowsWhyItHasNoUniqueSolution) {
  meldungen.Erwarte(IDOK);
  Rechne({{"1", "1", "2"}, {"2", "2", "4"}});
  const QString text = OeffneRechenweg()->Text();
  EXPECT_TRUE(text.contains(QStringLiteral("In Spalte 2 ist jeder mögliche Pivot null.")))
      << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Zeile 2 lautet jetzt 0 = 0.")));
  EXPECT_TRUE(text.contains(QStringLiteral("\nUnendlich viele Lösungen\n")));
  EXPECT_FALSE(text.contains(QStringLiteral("\nLösung\n")));
}

// Before anything is solved the window says so, and offers nothing to
// copy, save or print.
TEST_F(RechenwegFensterTest, WithNothingSolvedTheWindowSaysWhy) {
  RechenwegFenster* fenster = OeffneRechenweg();
  EXPECT_EQ(fenster->Text(),
            QStringLiteral("Rechenweg\n\n  Es wurde noch kein Gleichungssystem gelöst. Nach „=“ "
                           "steht hier jeder Schritt der Rechnung.\n"));
  EXPECT_TRUE(
      fenster->Anzeige->toPlainText().contains(QStringLiteral("noch kein Gleichungssystem")));
  EXPECT_FALSE(fenster->Pdf_Button->isEnabled());
  Rechne({{"5", "1", "1"}, {"1", "1", "-1"}});
  EXPECT_TRUE(fenster->Pdf_Button->isEnabled());
}

QString Normiert(QString text) {
  return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

// Every line of the window's text must be in an export: sentences whole,
// matrix rows cell by cell (a document lays tables out in its own way).
void PruefeVollstaendig(const QString& fensterText, const QString& export_) {
  const QString alles = Normiert(export_);
  for (const QString& zeile : fensterText.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    if (zeile.contains(QLatin1Char('|')) || zeile.trimmed().startsWith(QLatin1Char('X'))) {
      for (const QString& zelle : zeile.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (zelle != QStringLiteral("|")) {
          EXPECT_TRUE(alles.contains(zelle)) << zelle.toStdString();
        }
      }
    } else {
      EXPECT_TRUE(alles.contains(Normiert(zeile))) << zeile.toStdString();
    }
  }
}

TEST_F(RechenwegFensterTest, HtmlAndPdfHoldTheTaskEveryStepAndTheSolution) {
  for (const int n : {3, 8}) {
    SCOPED_TRACE(n);
    Beispiel(n, 3, 1234);
    RechenwegFenster* fenster = OeffneRechenweg();
    const QString text = fenster->Text();
    ASSERT_TRUE(text.contains(QStringLiteral("\nLösung\n")));
    QTemporaryDir ordner;
    const QString html = ordner.filePath(QStringLiteral("r.html"));
    const QString pdf = ordner.filePath(QStringLiteral("r.pdf"));
    ASSERT_TRUE(fenster->SpeichereHtml(html));
    ASSERT_TRUE(fenster->SpeicherePdf(pdf));

    QFile f(html);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QString htmlText = QString::fromUtf8(f.readAll());
    htmlText.replace(QRegularExpression(QStringLiteral("<[^>]*>")), QStringLiteral(" "));
    htmlText.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    htmlText.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    htmlText.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    PruefeVollstaendig(text, htmlText);

    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000));
    const QString pdfText = QString::fromUtf8(pdftotext.readAllStandardOutput());
    ASSERT_FALSE(pdfText.isEmpty());
    PruefeVollstaendig(text, pdfText);
  }
}

// An export that cannot be written is told, with the file's name, and
// leaves no file behind; one that can is not.
TEST_F(RechenwegFensterTest, AFailedExportIsToldAndLeavesNothing) {
  Beispiel(3, 3, 1234);
  RechenwegFenster* fenster = OeffneRechenweg();
  QTemporaryDir ordner;
  for (const bool pdf : {false, true}) {
    const QString datei = ordner.filePath(QStringLiteral("fehlt/r"));
    meldungen.Erwarte();
    EXPECT_FALSE(fenster->Exportiere(datei, pdf));
    ASSERT_FALSE(meldungen.gezeigt.empty());
    EXPECT_TRUE(meldungen.gezeigt.back().text.contains(QStringLiteral("„%1“").arg(datei)));
    EXPECT_TRUE(fenster->Exportiere(ordner.filePath(QStringLiteral("r")), pdf));
  }
  EXPECT_EQ(meldungen.gezeigt.size(), 2U);
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("r")});
}

struct Grenzfall {
  const char* name;
  const char* antwort;
  const char* loesung;
  bool richtig;
};

class Toleranz : public ::testing::TestWithParam<Grenzfall> {};

TEST_P(Toleranz, MagnitudeWithinAThousandthAngleWithinATenthOfADegree) {
  ZKZahl antwort, loesung;
  ASSERT_NE(LiesZKZahl(GetParam().antwort, antwort), ZKForm::Keine);
  ASSERT_NE(LiesZKZahl(GetParam().loesung, loesung), ZKForm::Keine);
  EXPECT_EQ(AntwortRichtig(antwort, loesung), GetParam().richtig);
}

INSTANTIATE_TEST_SUITE_P(
    Grenzen, Toleranz,
    ::testing::Values(Grenzfall{"Exact", "50*e^j30", "50*e^j30", true},
                      Grenzfall{"MagnitudeAtTheEdge", "50,05*e^j30", "50*e^j30", true},
                      Grenzfall{"MagnitudeBelowAtTheEdge", "49,95*e^j30", "50*e^j30", true},
                      Grenzfall{"MagnitudeBeyond", "50,051*e^j30", "50*e^j30", false},
                      Grenzfall{"AngleAtTheEdge", "50*e^j30,1", "50*e^j30", true},
                      Grenzfall{"AngleBeyond", "50*e^j30,11", "50*e^j30", false},
                      Grenzfall{"AngleModulo360", "50*e^j359,95", "50*e^-j0,05", true},
                      Grenzfall{"AngleAcrossZero", "50*e^j0,04", "50*e^j359,98", true},
                      Grenzfall{"OppositeSign", "-50*e^j30", "50*e^j30", false},
                      Grenzfall{"ComponentForm", "3+j4", "5*e^j53,13", true},
                      Grenzfall{"ComponentFormConjugate", "3-j4", "5*e^j53,13", false}),
    [](const auto& fall) { return std::string(fall.param.name); });

QColor Farbe(TStringGrid* g, int c, int r) {
  return g->model()->data(g->model()->index(r - 1, c - 1), Qt::BackgroundRole).value<QColor>();
}

TEST_F(RechenwegFensterTest, ExerciseHidesTheSolutionMarksAnswersAndShowsItOnRequest) {
  EXPECT_TRUE(Pruefen_BitBtn(form1)->isHidden());
  Uebung_CheckBox(form1)->click();
  EXPECT_FALSE(Pruefen_BitBtn(form1)->isHidden());
  EXPECT_FALSE(LoesungZeigen_BitBtn(form1)->isHidden());
  Beispiel(3, 2, 99);
  ASSERT_EQ(form1.Zustand().System().UebungsLoesung().size(), 4u);
  // Hidden: no solution in the memo or the grid; grid, dimension and "=" locked.
  EXPECT_FALSE(form2.Zeilen().join(QLatin1Char('\n')).contains(QStringLiteral("X1 =")));
  for (int r = 1; r <= 3; ++r) {
    EXPECT_TRUE(KxWerte_StringGrid(form1)->Cells(1, r).isEmpty());
    EXPECT_TRUE(KxWerte_StringGrid(form1)->Cells(2, r).isEmpty());
  }
  const auto editierbar = [](TStringGrid* g) {
    return bool(g->model()->flags(g->model()->index(0, 0)) & Qt::ItemIsEditable);
  };
  EXPECT_FALSE(editierbar(MatrixTab_StringGrid(form1)));
  EXPECT_TRUE(editierbar(KxWerte_StringGrid(form1)));
  EXPECT_FALSE(Berechnen_BitBtn(form1)->isEnabled());
  EXPECT_FALSE(AnzahlMatrix_Edit(form1)->isEnabled());
  EXPECT_EQ(OeffneRechenweg()->Text(),
            QStringLiteral("Rechenweg\n\n  Im Übungsmodus bleibt der Rechenweg verborgen, bis "
                           "„Lösung zeigen“ die Aufgabe löst.\n"));

  // X1 right in exponential form, X2 right in one column and wrong in the
  // other, X3 not answered.
  const ZKZahl& x1 = form1.Zustand().System().UebungsLoesung()[1];
  const ZKZahl& x2 = form1.Zustand().System().UebungsLoesung()[2];
  TStringGrid* kx = KxWerte_StringGrid(form1);
  kx->SetCell(1, 1, AusAnsi(ExponentialText(x1, General)));
  kx->SetCell(2, 2, AusAnsi(KomponentenText(x2, General)));
  ZKZahl daneben;
  daneben.SetzePolar(x2.Betrag * 1.002L, x2.Winkel);
  kx->SetCell(1, 2, AusAnsi(ExponentialText(daneben, General)));
  QTest::mouseClick(Pruefen_BitBtn(form1), Qt::LeftButton);
  const QColor gruen = Farbe(kx, 1, 1), rot = Farbe(kx, 1, 2);
  ASSERT_TRUE(gruen.isValid());
  ASSERT_TRUE(rot.isValid());
  EXPECT_GT(gruen.green(), gruen.red());
  EXPECT_GT(rot.red(), rot.green());
  EXPECT_EQ(Farbe(kx, 2, 2), gruen);
  EXPECT_EQ(Farbe(kx, 1, 3), rot);
  EXPECT_EQ(Uebung_Label(form1)->text(), QStringLiteral("1 von 3 richtig"));

  // Saved now, the file claims no shown result, so opening it does not
  // solve the exercise in view.
  const auto* dateien = form1.findChild<TDateiAktionen*>();
  ASSERT_NE(dateien, nullptr);
  EXPECT_FALSE(dateien->Erfasse().matrixErgebnisGezeigt);

  // With the wrong text gone, X2's remaining answer counts.
  kx->SetCell(1, 2, QString());
  QTest::mouseClick(Pruefen_BitBtn(form1), Qt::LeftButton);
  EXPECT_EQ(Uebung_Label(form1)->text(), QStringLiteral("2 von 3 richtig"));

  QTest::mouseClick(LoesungZeigen_BitBtn(form1), Qt::LeftButton);
  EXPECT_FALSE(form1.Zustand().System().UebungAktiv());
  EXPECT_TRUE(form2.Zeilen().join(QLatin1Char('\n')).contains(QStringLiteral("X3 =")));
  EXPECT_FALSE(kx->Cells(1, 3).isEmpty());
  EXPECT_FALSE(Farbe(kx, 1, 2).isValid());
  EXPECT_TRUE(Berechnen_BitBtn(form1)->isEnabled());
  EXPECT_TRUE(Rechenwegfenster(form1)->Text().contains(QStringLiteral("\nLösung\n")));
}

TEST_F(RechenwegFensterTest, WithTheBoxOffExamplesAreSolvedAsBefore) {
  Uebung_CheckBox(form1)->click();
  Uebung_CheckBox(form1)->click();
  EXPECT_TRUE(Pruefen_BitBtn(form1)->isHidden());
  Beispiel(2, 1, 5);
  EXPECT_FALSE(form1.Zustand().System().UebungAktiv());
  EXPECT_FALSE(KxWerte_StringGrid(form1)->Cells(1, 1).isEmpty());
  EXPECT_TRUE(form2.Zeilen().join(QLatin1Char('\n')).contains(QStringLiteral("X2 =")));
  EXPECT_TRUE(Berechnen_BitBtn(form1)->isEnabled());
}

// --- The exercise's task is locked, whatever way tries to change it -------

enum class Weg {
  Typing,
  Paste,
  BlockPaste,
  Drop,
  ClearTable,
  DimensionEdit,
  UpDown,
  InductiveBoxOnPage2,
  Solve
};

class UebungsSperre : public ZiehFixture, public ::testing::WithParamInterface<Weg> {
 protected:
  void TearDown() override { QApplication::clipboard()->clear(); }
  void Strg(Qt::Key k) { QTest::keyClick(form1.windowHandle(), k, Qt::ControlModifier); }

  void Versuche(Weg weg) {
    TStringGrid* m = MatrixTab_StringGrid(form1);
    switch (weg) {
      case Weg::Typing:
        KlickeZelle(m, 2, 1);
        Tippe(QStringLiteral("7"));
        break;
      case Weg::Paste:
        QApplication::clipboard()->setText(QStringLiteral("7"));
        Waehle(m, 2, 1);
        Strg(Qt::Key_V);
        break;
      case Weg::BlockPaste:
        QApplication::clipboard()->setText(QStringLiteral("7\t8\n9\t1\t2\t3\t4"));
        Waehle(m, 1, 1);
        Strg(Qt::Key_V);
        break;
      case Weg::Drop:
        Variablen_StringGrid(form1)->SetCell(1, 1, QStringLiteral("7"));
        EXPECT_NE(Ziehe(Zelle(Variablen_StringGrid(form1), 1, 1, kUeberall),
                        Zelle(m, 2, 1, kMatrixSeite)),
                  Qt::DragCopyCursor);
        break;
      case Weg::ClearTable:
        EXPECT_FALSE(Clear_Tabelle_Button(form1)->isEnabled());
        Clear_Tabelle_Button(form1)->click();
        break;
      case Weg::DimensionEdit:
        EXPECT_FALSE(AnzahlMatrix_Edit(form1)->isEnabled());
        AnzahlMatrix_Edit(form1)->setText(QStringLiteral("4"));
        break;
      case Weg::UpDown:
        AnzahlMatrix_UpDown(form1)->SetPosition(4);
        emit AnzahlMatrix_UpDown(form1)->geklickt(true);
        break;
      case Weg::InductiveBoxOnPage2:
        emit ExpotentialForm_GroupBox2(form1)->Ereignisse()->geklickt();
        break;
      case Weg::Solve:
        Berechnen_BitBtn(form1)->click();
        break;
    }
  }
};

TEST_P(UebungsSperre, LeavesTaskDimensionAndAnswersAsTheyWere) {
  Seite(kMatrixSeite);
  Uebung_CheckBox(form1)->click();
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("3"));
  form1.Zustand().Beispiele().festerSamen = 3;
  BeispielAufgaben_BitBtn(form1)->click();
  ASSERT_TRUE(form1.Zustand().System().UebungAktiv());
  form1.activateWindow();  // the example window took the focus
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
  KxWerte_StringGrid(form1)->SetCell(1, 1, QStringLiteral("5"));
  auto aufgabe = [this] {
    QStringList zellen;
    for (int r = 1; r <= 3; ++r)
      for (int c = 1; c <= 4; ++c) zellen << MatrixTab_StringGrid(form1)->Cells(c, r);
    return zellen;
  };
  const QStringList vorher = aufgabe();

  Versuche(GetParam());

  EXPECT_EQ(aufgabe(), vorher);
  EXPECT_EQ(form1.Zustand().System().Dimension(), 3);
  EXPECT_EQ(AnzahlMatrix_Edit(form1)->text(), QStringLiteral("3"));
  EXPECT_EQ(MatrixTab_StringGrid(form1)->ColCount(), 5);
  EXPECT_EQ(KxWerte_StringGrid(form1)->Cells(1, 1), QStringLiteral("5"));
  EXPECT_TRUE(KxWerte_StringGrid(form1)->Cells(2, 1).isEmpty()) << "the solution stays hidden";
  EXPECT_TRUE(form1.Zustand().System().UebungAktiv());
}

std::string WegName(const ::testing::TestParamInfo<Weg>& info) {
  const char* const namen[] = {"Typing",     "Paste",         "BlockPaste", "Drop",
                               "ClearTable", "DimensionEdit", "UpDown",     "InductiveBoxOnPage2",
                               "Solve"};
  return namen[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Uebung, UebungsSperre,
                         ::testing::Values(Weg::Typing, Weg::Paste, Weg::BlockPaste, Weg::Drop,
                                           Weg::ClearTable, Weg::DimensionEdit, Weg::UpDown,
                                           Weg::InductiveBoxOnPage2, Weg::Solve),
                         WegName);

// After "Prüfen" each mark says its verdict in words too; changing an answer
// takes its row's marks and the count away, the other marks stay.
TEST_F(RechenwegFensterTest, MarksSayTheirVerdictAndGoWhenTheirAnswerChanges) {
  Seite(0);
  Uebung_CheckBox(form1)->click();
  Beispiel(2, 2, 11);
  form1.activateWindow();  // the example window took the focus
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
  TStringGrid* kx = KxWerte_StringGrid(form1);
  kx->SetCell(1, 1,
              AusAnsi(ExponentialText(form1.Zustand().System().UebungsLoesung()[1], General)));
  kx->SetCell(1, 2, QStringLiteral("1"));
  QTest::mouseClick(Pruefen_BitBtn(form1), Qt::LeftButton);
  auto beschreibung = [kx](int c, int r) {
    return kx->model()
        ->data(kx->model()->index(r - 1, c - 1), Qt::AccessibleDescriptionRole)
        .toString();
  };
  EXPECT_EQ(beschreibung(1, 1), QStringLiteral("richtig"));
  EXPECT_EQ(beschreibung(1, 2), QStringLiteral("falsch"));
  QAccessibleInterface* stand = QAccessible::queryAccessibleInterface(Uebung_Label(form1));
  EXPECT_EQ(stand->text(QAccessible::Description), QStringLiteral("1 von 2 richtig"));

  // X2's answer typed anew.
  Waehle(kx, 1, 2);
  Tippe(QStringLiteral("2"));
  ASSERT_EQ(kx->Cells(1, 2), QStringLiteral("2"));
  EXPECT_FALSE(Farbe(kx, 1, 2).isValid());
  EXPECT_TRUE(beschreibung(1, 2).isEmpty());
  EXPECT_TRUE(Farbe(kx, 1, 1).isValid());
  EXPECT_EQ(Uebung_Label(form1)->text(), QStringLiteral("Lösungen eintragen, dann „Prüfen“."));
  EXPECT_EQ(stand->text(QAccessible::Description), Uebung_Label(form1)->text());
}

}  // namespace
