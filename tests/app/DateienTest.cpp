// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and opening the work through the window: the round trip of every
// control, bad files that change nothing, the atomic save, the save
// question, the recent list, F1 and the menu bar; and the block copy and
// paste of the matrix, result and memory grids.
#include <sys/resource.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <csignal>
#include <memory>

#include "Fenster.h"
#include "app/Dateien.h"
#include "datei/AufgabenDatei.h"

namespace {

class DateiTest : public FensterTest {
 protected:
  void SetUp() override {
    // The recent list goes to a scratch directory, never the user's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen.path());
    FensterTest::SetUp();
    d = Dateiaktionen(form1);
    ASSERT_NE(d, nullptr);
    d->LeereZuletzt();
  }
  void TearDown() override { QApplication::clipboard()->clear(); }

  QString Pfad(const QString& name) const { return ordner.filePath(name); }
  static void Schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  static QByteArray Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

  // A little of everything, typed through the handlers.
  void FuelleAlles(TForm1& f, bool exponent = true) {
    BaueMatrixseite(f);
    (exponent ? Exponent_RadioButton(f) : General_RadioButton(f))->setChecked(true);
    AnzahlMatrix_Edit(f)->setText(QStringLiteral("4"));
    AnzahlMatrix_Edit(f)->setText(QStringLiteral("2"));
    TStringGrid* m = MatrixTab_StringGrid(f);
    const char* zellen[2][3] = {{"5", "1", "1"}, {"1", "1", "-1"}};
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 3; ++c) m->SetCell(c, r, QString::fromUtf8(zellen[r - 1][c - 1]));
    f.Zustand().System().SetzeZelle(4, 5, QStringLiteral("9,5"));  // outside the dimension
    Berechnen_BitBtn(f)->click();
    Variablen_StringGrid(f)->SetCell(1, 1, QStringLiteral("3+j4"));
    Variablen_StringGrid(f)->SetCell(2, 1, QStringLiteral("Zuleitung „Ä“ größer"));
    G_Variablen_StringGrid(f)->SetCell(1, 3, QStringLiteral("0,5"));
    ZK_Rechenfeld_Edit(f)->setText(QStringLiteral("K1*2+K3"));
    ist_gleich_Button(f)->click();
    fL_RadioButton(f)->click();
    L_Edit(f)->setText(QStringLiteral("10m"));
    XL_Edit(f)->setText(QStringLiteral("3,14"));
    istGleichXL_Button(f)->click();
    C_Edit(f)->setText(QStringLiteral("1µ"));
    Wandel_KE_EK_Edit(f)->setText(QStringLiteral("5*e^j53,13"));
    Winkel_StringGrid(f)->SetCell(1, 0, QStringLiteral("30"));
  }

  // Every text a control shows that the work consists of.
  // (Header cells are left out: the coefficient grid keeps the header of a
  // larger dimension shown before, which is no part of the work.)
  static std::string Texte(TForm1& f) {
    QStringList t;
    for (TStringGrid* g : {MatrixTab_StringGrid(f), KxWerte_StringGrid(f), Variablen_StringGrid(f),
                           G_Variablen_StringGrid(f), Winkel_StringGrid(f)})
      for (int r = g->FixedRows(); r <= 21; ++r)
        for (int c = 1; c <= 21; ++c)
          t << QStringLiteral("(%1,%2)=").arg(c).arg(r) + g->Cells(c, r);
    for (QLineEdit* e :
         {static_cast<QLineEdit*>(AnzahlMatrix_Edit(f)), static_cast<QLineEdit*>(L_Edit(f)),
          static_cast<QLineEdit*>(fL_Edit(f)), static_cast<QLineEdit*>(XL_Edit(f)),
          static_cast<QLineEdit*>(C_Edit(f)), static_cast<QLineEdit*>(fC_Edit(f)),
          static_cast<QLineEdit*>(XC_Edit(f)), static_cast<QLineEdit*>(ZK_Rechenfeld_Edit(f)),
          static_cast<QLineEdit*>(Wandel_KE_EK_Edit(f))})
      t << e->text() << QString::number(e->isReadOnly());
    for (QLabel* l : {static_cast<QLabel*>(XL_Label(f)), static_cast<QLabel*>(XC_Label(f)),
                      static_cast<QLabel*>(ZK_Rechenfeld_Label(f))})
      t << l->text();
    for (QRadioButton* b :
         {L_RadioButton(f), fL_RadioButton(f), XL_RadioButton(f), C_RadioButton(f),
          fC_RadioButton(f), XC_RadioButton(f), General_RadioButton(f), Exponent_RadioButton(f)})
      t << QString::number(b->isChecked());
    t << QString::number(f.Zustand().System().Dimension())
      << QString::number(f.Zustand().ZahlenFormat())
      << QString::number(MatrixTab_StringGrid(f)->RowCount())
      << QString::number(MatrixTab_StringGrid(f)->ColCount());
    for (int n = 1; n <= 20; ++n)
      t << AusAnsi(KomponentenText(f.Zustand().Speicher().Werte(aufgabe::Seite::K)[n], 0))
        << AusAnsi(KomponentenText(f.Zustand().Speicher().Werte(aufgabe::Seite::G)[n], 0));
    return t.join(QLatin1Char('\n')).toStdString();
  }

  QTemporaryDir ordner;
  inline static QTemporaryDir einstellungen;
  TDateiAktionen* d = nullptr;
};

TEST_F(DateiTest, MenuBarSitsAboveThePagesAndTheWindowGrowsByIt) {
  QMenuBar* bar = d->Menue();
  ASSERT_TRUE(bar->isVisible());
  EXPECT_EQ(form1.height(), 624 + bar->height());
  EXPECT_EQ(TabbedNotebook(form1)->mapTo(&form1, QPoint(0, 0)).y(), 7 + bar->height());
  QStringList menues;
  for (QAction* a : bar->actions()) menues << a->text();
  EXPECT_EQ(menues, (QStringList{QStringLiteral("&Datei"), QStringLiteral("&Hilfe")}));
  // A command of the bar's menus by its text, as the user reads it.
  auto befehl = [bar](const char* text) -> QAction* {
    for (QAction* menue : bar->actions())
      for (QAction* a : menue->menu()->actions())
        if (a->text().remove(QLatin1Char('&')) == QString::fromUtf8(text)) return a;
    return nullptr;
  };
  for (const char* name :
       {"Neu", "Öffnen…", "Speichern", "Speichern unter…", "Beenden", "Anleitung", "Über Quorvel"})
    EXPECT_NE(befehl(name), nullptr) << name;
  ASSERT_NE(befehl("Öffnen…"), nullptr);
  EXPECT_EQ(befehl("Öffnen…")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_EQ(befehl("Speichern")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
}

// The menu bar's overflow arrow (shown when the window is too narrow for
// its menus) is Qt's own picture, though read without Qt's icon loader.
TEST_F(DateiTest, TheMenuBarsOverflowArrowIsQtsOwn) {
  const auto* knopf = d->Menue()->findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
  ASSERT_NE(knopf, nullptr);
  EXPECT_FALSE(knopf->icon().isNull());
  const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
  for (const QStyle::StandardPixmap sp :
       {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
    const QIcon unser = QApplication::style()->standardIcon(sp);
    const QIcon qt = fusion->standardIcon(sp);
    ASSERT_FALSE(qt.availableSizes().isEmpty());
    EXPECT_EQ(unser.availableSizes(), qt.availableSizes());
    for (const QSize g : qt.availableSizes())
      EXPECT_EQ(unser.pixmap(g).toImage().convertToFormat(QImage::Format_ARGB32),
                qt.pixmap(g).toImage().convertToFormat(QImage::Format_ARGB32))
          << g.width() << "x" << g.height();
  }
}

TEST_F(DateiTest, RoundTripRestoresEveryControlAndRecomputesTheResults) {
  for (bool exponent : {true, false}) {
    SCOPED_TRACE(exponent ? "Exponent" : "General");
    TForm1 quelle;
    FuelleAlles(quelle, exponent);
    ASSERT_FALSE(KxWerte_StringGrid(quelle)->Cells(1, 1).isEmpty());
    ASSERT_FALSE(XL_Label(quelle)->text().isEmpty());
    ASSERT_FALSE(G_Variablen_StringGrid(quelle)->Cells(1, 1).isEmpty());
    const QString pfad = Pfad(QStringLiteral("aufgabe.quorvel"));
    ASSERT_TRUE(Dateiaktionen(quelle)->SpeichereNach(pfad));
    TForm1 neu;
    ASSERT_TRUE(Dateiaktionen(neu)->Oeffne(pfad));
    EXPECT_EQ(Texte(neu), Texte(quelle));
    EXPECT_FALSE(Dateiaktionen(neu)->Geaendert());
    EXPECT_TRUE(neu.windowTitle().endsWith(QStringLiteral(" – aufgabe.quorvel")));
  }
  EXPECT_TRUE(meldungen.gezeigt.empty());
}

// A copied result keeps its full value in the memory, the matrix and the
// formula after saving and opening.
TEST_F(DateiTest, ValuesBehindCopiedResultsComeBackBitForBit) {
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  const char* zellen[2][3] = {{"3", "1", "1"}, {"1+j2", "1", "-1"}};
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c)
      MatrixTab_StringGrid(form1)->SetCell(c, r, QLatin1String(zellen[r - 1][c - 1]));
  Berechnen_BitBtn(form1)->click();
  const QString x1 = KxWerte_StringGrid(form1)->Cells(1, 1);
  Modell& m = form1.Zustand();
  const std::optional<ZKZahl> wert = m.System().Ergebnisse()->Wert(1, 1);
  ASSERT_TRUE(wert);
  m.Speicher().Setze(aufgabe::Seite::K, 1, x1, wert);
  m.System().SetzeZelle(5, 5, x1, wert);
  ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("*2"));
  m.Formel().FuegeEin(0, 0, x1, wert);
  ist_gleich_Button(form1)->click();
  ASSERT_TRUE(ZK_Rechenfeld_Label(form1)->text().endsWith(QStringLiteral("=  4+j2")));
  ASSERT_TRUE(d->SpeichereNach(Pfad(QStringLiteral("w.quorvel"))));

  TForm1 neu;
  ASSERT_TRUE(Dateiaktionen(neu)->Oeffne(Pfad(QStringLiteral("w.quorvel"))));
  EXPECT_EQ(ZK_Rechenfeld_Label(neu)->text(), ZK_Rechenfeld_Label(form1)->text());
  EXPECT_EQ(neu.Zustand().Speicher().Werte(aufgabe::Seite::K)[1].Realteil, wert->Realteil);
  EXPECT_EQ(neu.Zustand().Speicher().Werte(aufgabe::Seite::K)[1].Imaginaerteil,
            wert->Imaginaerteil);
  const std::optional<ZKZahl> zelle = neu.Zustand().System().Zellwert(5, 5);
  ASSERT_TRUE(zelle);
  EXPECT_EQ(zelle->Imaginaerteil, wert->Imaginaerteil);
  EXPECT_FALSE(Dateiaktionen(neu)->Geaendert());
}

// Saved in the middle of an exercise, the file opens as that exercise: the
// task locked, the answers typed so far, the solution hidden (and computed
// again, not read from the file).
TEST_F(DateiTest, AnExerciseIsSavedAndOpenedAsAnExercise) {
  Uebung_CheckBox(form1)->click();
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  form1.Zustand().Beispiele().festerSamen = 7;
  BeispielAufgaben_BitBtn(form1)->click();
  ASSERT_TRUE(form1.Zustand().System().UebungAktiv());
  const QString richtig =
      AusAnsi(ExponentialText(form1.Zustand().System().UebungsLoesung()[1], General));
  KxWerte_StringGrid(form1)->SetCell(1, 1, richtig);
  ASSERT_TRUE(d->SpeichereNach(Pfad(QStringLiteral("u.quorvel"))));
  EXPECT_TRUE(Lies(Pfad(QStringLiteral("u.quorvel"))).contains("\"antworten\""));

  TForm1 neu;
  ASSERT_TRUE(Dateiaktionen(neu)->Oeffne(Pfad(QStringLiteral("u.quorvel"))));
  ASSERT_TRUE(neu.Zustand().System().UebungAktiv());
  EXPECT_TRUE(Uebung_CheckBox(neu)->isChecked());
  EXPECT_FALSE(Berechnen_BitBtn(neu)->isEnabled());
  EXPECT_EQ(KxWerte_StringGrid(neu)->Cells(1, 1), richtig);
  EXPECT_TRUE(KxWerte_StringGrid(neu)->Cells(2, 2).isEmpty());
  Pruefen_BitBtn(neu)->click();
  EXPECT_EQ(Uebung_Label(neu)->text(), QStringLiteral("1 von 2 richtig"));
  EXPECT_FALSE(Dateiaktionen(neu)->Geaendert());
  // A plain task opened over it ends the exercise.
  ASSERT_TRUE(Dateiaktionen(neu)->Neu());
  EXPECT_FALSE(neu.Zustand().System().UebungAktiv());
  EXPECT_TRUE(Berechnen_BitBtn(neu)->isEnabled());
}

TEST_F(DateiTest, ResultsThatWereEmptyStayEmpty) {
  FuelleAlles(form1);
  // An edited cell clears the results.
  form1.Zustand().System().SetzeZelle(1, 1, MatrixTab_StringGrid(form1)->Cells(1, 1));
  Loesche_Rechenfeld_Button(form1)->click();
  ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("K1"));
  ASSERT_TRUE(d->SpeichereNach(Pfad(QStringLiteral("a.quorvel"))));
  TForm1 neu;
  ASSERT_TRUE(Dateiaktionen(neu)->Oeffne(Pfad(QStringLiteral("a.quorvel"))));
  EXPECT_TRUE(KxWerte_StringGrid(neu)->Cells(1, 1).isEmpty());
  EXPECT_TRUE(ZK_Rechenfeld_Label(neu)->text().isEmpty());
  EXPECT_EQ(ZK_Rechenfeld_Edit(neu)->text(), QStringLiteral("K1"));
}

TEST_F(DateiTest, OpeningRunsNoMessageBoxEvenForABadCell) {
  // A bad cell with results shown cannot happen by typing, but a file can
  // say so: the solve finds the bad cell silently and shows nothing.
  QByteArray bytes;
  {
    TForm1 quelle;
    BaueMatrixseite(quelle);
    MatrixTab_StringGrid(quelle)->SetCell(1, 1, QStringLiteral("abc"));
    aufgabe::Aufgabe a = Dateiaktionen(quelle)->Erfasse();
    a.matrixErgebnisGezeigt = true;
    std::string s, fehler;
    ASSERT_TRUE(aufgabe::SchreibeAufgabe(a, s, fehler));
    bytes = QByteArray::fromStdString(s);
  }
  Schreibe(Pfad(QStringLiteral("b.quorvel")), bytes);
  ASSERT_TRUE(d->Oeffne(Pfad(QStringLiteral("b.quorvel"))));
  EXPECT_TRUE(meldungen.gezeigt.empty());
  EXPECT_EQ(MatrixTab_StringGrid(form1)->Cells(1, 1), QStringLiteral("abc"));
  EXPECT_TRUE(KxWerte_StringGrid(form1)->Cells(1, 1).isEmpty());
}

TEST_F(DateiTest, BadFilesShowOneMessageAndChangeNothing) {
  FuelleAlles(form1);
  const std::string vorher = Texte(form1);
  ASSERT_TRUE(d->SpeichereNach(Pfad(QStringLiteral("gut.quorvel"))));
  const QByteArray gut = Lies(Pfad(QStringLiteral("gut.quorvel")));
  const struct {
    const char* name;
    QByteArray bytes;
  } faelle[] = {
      {"kein_json", "Das ist keine Aufgabe."},
      {"falscher_typ", "[\"quorvel\"]"},
      {"fehlendes_feld", QByteArray(gut).replace("\"speicher\"", "\"speicha\"")},
      {"neuer",
       QByteArray(gut).replace("\"version\": " + QByteArray::number(aufgabe::kDateiVersion),
                               "\"version\": 1000")},
      // An exercise whose task has no unique solution has nothing to hide.
      {"uebung_ohne_loesung", QByteArray(gut)
                                  .replace("\"uebung\": null", "\"uebung\": {\"antworten\": []}")
                                  .replace("\"-1\"", "\"1\"")},
      {"riesig", gut + QByteArray(1100 * 1024, ' ')},
      {"lange_zelle", QByteArray(gut).replace("\"9,5\"", "\"" + QByteArray(10000, '9') + "\"")},
      {"kein_utf8", QByteArray(gut).replace("größer",
                                            "gr\xF6\xDF"
                                            "er")},
  };
  for (const auto& fall : faelle) {
    SCOPED_TRACE(fall.name);
    ASSERT_NE(fall.bytes, gut);
    const QString pfad = Pfad(QString::fromUtf8(fall.name) + QStringLiteral(".quorvel"));
    Schreibe(pfad, fall.bytes);
    meldungen.Erwarte();
    EXPECT_FALSE(d->Oeffne(pfad));
    ASSERT_EQ(meldungen.gezeigt.size(), 1u);
    EXPECT_EQ(meldungen.gezeigt.back().titel, QStringLiteral("Datei öffnen"));
    EXPECT_TRUE(meldungen.gezeigt.back().text.contains(QStringLiteral("nicht geöffnet")));
    meldungen.gezeigt.clear();
    EXPECT_EQ(Texte(form1), vorher);
    EXPECT_EQ(d->Pfad(), QFileInfo(Pfad(QStringLiteral("gut.quorvel"))).absoluteFilePath());
  }
  meldungen.Erwarte();
  EXPECT_FALSE(d->Oeffne(Pfad(QStringLiteral("gibt_es_nicht.quorvel"))));
  EXPECT_EQ(Texte(form1), vorher);
}

TEST_F(DateiTest, FailedSaveLeavesTheOldFileWhole) {
  const QString pfad = Pfad(QStringLiteral("alt.quorvel"));
  ASSERT_TRUE(d->SpeichereNach(pfad));
  const QByteArray alt = Lies(pfad);
  FuelleAlles(form1);
  // A disk that fills up after a few bytes: the file size limit makes every
  // write beyond it fail as a full disk would.
  rlimit vorher{};
  getrlimit(RLIMIT_FSIZE, &vorher);
  const auto altesSignal = std::signal(SIGXFSZ, SIG_IGN);
  rlimit klein = vorher;
  klein.rlim_cur = 100;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &klein), 0);
  meldungen.Erwarte();
  const bool gespeichert = d->SpeichereNach(pfad);
  setrlimit(RLIMIT_FSIZE, &vorher);
  std::signal(SIGXFSZ, altesSignal);
  EXPECT_FALSE(gespeichert);
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_TRUE(meldungen.gezeigt[0].text.contains(QStringLiteral("unverändert")));
  EXPECT_EQ(Lies(pfad), alt);
  EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files), QStringList{QStringLiteral("alt.quorvel")});
  EXPECT_TRUE(d->Geaendert());
}

TEST_F(DateiTest, NewAndOpenAskOnlyWhenTypedInputWouldBeLost) {
  // A fresh window: nothing to lose.
  EXPECT_TRUE(d->Neu());
  EXPECT_TRUE(meldungen.gezeigt.empty());
  // Pressing "=" is not typing.
  istGleichXL_Button(form1)->click();
  EXPECT_FALSE(d->Geaendert());

  ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("1+j"));
  EXPECT_TRUE(d->Geaendert());
  meldungen.Erwarte(IDCANCEL);
  EXPECT_FALSE(d->Neu());
  EXPECT_EQ(ZK_Rechenfeld_Edit(form1)->text(), QStringLiteral("1+j"));
  EXPECT_EQ(meldungen.gezeigt.back().text, QStringLiteral("Änderungen speichern?"));
  EXPECT_EQ(meldungen.gezeigt.back().flags, int(MB_YESNOCANCEL));

  // "Ja" with no file yet chooses one first.
  const QString pfad = Pfad(QStringLiteral("neu.quorvel"));
  d->Dateiwahl = [&](bool speichern) { return speichern ? pfad : QString(); };
  meldungen.Erwarte(IDYES);
  EXPECT_TRUE(d->Neu());
  EXPECT_TRUE(ZK_Rechenfeld_Edit(form1)->text().isEmpty());
  EXPECT_TRUE(QFile::exists(pfad));
  EXPECT_TRUE(d->Pfad().isEmpty());

  // Opening the saved file: no question, the window is unchanged since "Neu".
  EXPECT_TRUE(d->OeffneNachFrage(pfad));
  EXPECT_EQ(ZK_Rechenfeld_Edit(form1)->text(), QStringLiteral("1+j"));
  EXPECT_EQ(meldungen.gezeigt.size(), 2u);

  // "Nein" drops the change.
  Variablen_StringGrid(form1)->SetCell(2, 5, QStringLiteral("nur ein Kommentar"));
  meldungen.Erwarte(IDNO);
  EXPECT_TRUE(d->Neu());
  EXPECT_TRUE(Variablen_StringGrid(form1)->Cells(2, 5).isEmpty());
  EXPECT_EQ(Lies(pfad).contains("nur ein Kommentar"), false);
}

TEST_F(DateiTest, ClosingAsksOnlyForChangedWorkThatHasAFile) {
  {
    // Never saved: closes as it always did.
    TForm1 f;
    f.show();
    ZK_Rechenfeld_Edit(f)->setText(QStringLiteral("1"));
    EXPECT_TRUE(f.close());
  }
  TForm1 f;
  f.show();
  TDateiAktionen* fd = Dateiaktionen(f);
  const QString pfad = Pfad(QStringLiteral("z.quorvel"));
  ASSERT_TRUE(fd->SpeichereNach(pfad));
  EXPECT_TRUE(f.close());  // saved and unchanged
  f.show();
  ZK_Rechenfeld_Edit(f)->setText(QStringLiteral("K1+1"));
  meldungen.Erwarte(IDCANCEL);
  EXPECT_FALSE(f.close());
  EXPECT_TRUE(f.isVisible());
  meldungen.Erwarte(IDYES);
  EXPECT_TRUE(f.close());
  EXPECT_TRUE(Lies(pfad).contains("K1+1"));
}

TEST_F(DateiTest, RecentListKeepsOpenedFilesNewestFirstAndCanBeCleared) {
  for (const char* name : {"eins.quorvel", "zwei.quorvel", "eins.quorvel"})
    ASSERT_TRUE(d->SpeichereNach(Pfad(QString::fromUtf8(name))));
  EXPECT_EQ(d->Zuletzt(), (QStringList{Pfad(QStringLiteral("eins.quorvel")),
                                       Pfad(QStringLiteral("zwei.quorvel"))}));
  // Kept between runs: a new window's menu lists them too.
  TForm1 neu;
  QMenu* m = Dateiaktionen(neu)->ZuletztMenue();
  emit m->aboutToShow();
  ASSERT_GE(m->actions().size(), 4);
  EXPECT_EQ(m->actions()[0]->data().toString(), Pfad(QStringLiteral("eins.quorvel")));
  QAction* leeren = m->findChild<QAction*>(QStringLiteral("Liste leeren"));
  ASSERT_NE(leeren, nullptr);
  leeren->trigger();
  EXPECT_TRUE(d->Zuletzt().isEmpty());
  emit m->aboutToShow();
  EXPECT_EQ(m->actions().size(), 1);
  EXPECT_FALSE(m->actions()[0]->isEnabled());
}

// A file on the list that has gone since: one German message, the entry
// leaves the list, the work stays.
TEST_F(DateiTest, AVanishedRecentFileIsNamedAndLeavesTheList) {
  const QString pfad = Pfad(QStringLiteral("weg.quorvel"));
  ASSERT_TRUE(d->SpeichereNach(pfad));
  ASSERT_TRUE(QFile::remove(pfad));
  ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("1+j"));
  QMenu* m = d->ZuletztMenue();
  emit m->aboutToShow();
  meldungen.Erwarte();
  m->actions()[0]->trigger();
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_EQ(
      meldungen.gezeigt[0].text,
      QStringLiteral("Die Datei „%1“ gibt es nicht (mehr).").arg(QDir::toNativeSeparators(pfad)));
  EXPECT_TRUE(d->Zuletzt().isEmpty());
  EXPECT_EQ(ZK_Rechenfeld_Edit(form1)->text(), QStringLiteral("1+j"));
}

TEST_F(DateiTest, F1ShowsTheManualAndAboutNamesVersionAndLicence) {
  Seite(0);
  QTest::keyClick(form1.windowHandle(), Qt::Key_F1);
  EXPECT_TRUE(TabbedNotebook(form1)->currentWidget()->isAncestorOf(Bedinungsanleitung_Memo(form1)));
  const QStringList zeilen = Bedinungsanleitung_Memo(form1)->toPlainText().split(QLatin1Char('\n'));
  EXPECT_EQ(zeilen[0],
            QStringLiteral("Mit  diesem Programm  können Sie im Komplexen Zahlensystem rechnen,"));
  EXPECT_TRUE(
      zeilen.contains(QStringLiteral("Lizenztext: https://www.gnu.org/licenses/gpl-3.0.html")));
  EXPECT_GT(zeilen.size(), 150);
  meldungen.Erwarte();
  d->ZeigeUeber();
  EXPECT_TRUE(meldungen.gezeigt[0].text.contains(QStringLiteral("Quorvel 1.")));
  EXPECT_TRUE(meldungen.gezeigt[0].text.contains(QStringLiteral("GNU General Public License")));
}

// The language chosen in the menu is kept for the next start and said so
// in that language; choosing the one already kept says nothing.
TEST_F(DateiTest, TheLanguageMenuKeepsTheChoiceForTheNextStart) {
  auto* deutsch = form1.findChild<QAction*>(QStringLiteral("Sprache_de_Aktion"));
  auto* englisch = form1.findChild<QAction*>(QStringLiteral("Sprache_en_Aktion"));
  ASSERT_TRUE(deutsch && englisch);
  EXPECT_TRUE(deutsch->isChecked());
  meldungen.Erwarte();
  englisch->trigger();
  englisch->trigger();
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_EQ(meldungen.gezeigt[0].text, "Quorvel will speak English from its next start.");
  EXPECT_EQ(QSettings(QStringLiteral("Quorvel"), QStringLiteral("Quorvel"))
                .value(QStringLiteral("sprache")),
            "en");
  meldungen.Erwarte();
  deutsch->trigger();
  EXPECT_EQ(QSettings(QStringLiteral("Quorvel"), QStringLiteral("Quorvel"))
                .value(QStringLiteral("sprache")),
            "de");
}

// The manual is appended when its page is first shown, however it is
// reached: whole, once, after the memo's own lines, opening at the top.
TEST_F(DateiTest, TheManualIsOnItsPageOnceHoweverThePageIsReached) {
  QFile datei(QStringLiteral(":/anleitung/Anleitung.txt"));
  ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
  QStringList anleitung = QString::fromUtf8(datei.readAll()).split(QLatin1Char('\n'));
  if (anleitung.back().isEmpty()) anleitung.removeLast();
  QPlainTextEdit* memo = Bedinungsanleitung_Memo(form1);
  auto zeilen = [memo] { return memo->toPlainText().split(QLatin1Char('\n')); };
  const QStringList eigene = zeilen();
  EXPECT_LT(eigene.size(), 30);  // not laid out for the start

  QTabBar* reiter = TabbedNotebook(form1)->tabBar();
  QTest::mouseClick(reiter, Qt::LeftButton, {}, reiter->tabRect(2).center());
  ASSERT_EQ(TabbedNotebook(form1)->currentIndex(), 2);
  EXPECT_EQ(zeilen(), eigene + anleitung);
  EXPECT_EQ(memo->verticalScrollBar()->value(), 0);
  EXPECT_EQ(memo->textCursor().position(), 0);

  Seite(0);
  Taste(Qt::Key_F1);
  Seite(1);
  Seite(2);
  d->ZeigeAnleitung();
  EXPECT_EQ(zeilen(), eigene + anleitung);
}

// Block copy and paste.

void Kopiere(const QString& text) {
  QApplication::clipboard()->setText(text);
}

TEST_F(DateiTest, BlockPasteFillsFromTheCurrentCellAndGrowsTheDimension) {
  Seite(0);
  TStringGrid* m = MatrixTab_StringGrid(form1);
  m->SetCell(1, 1, QStringLiteral("alt"));
  m->setFocus();
  m->SetCol(2);
  m->SetRow(2);
  Kopiere(QStringLiteral("1.5\t2\t\n3\t4,5\t6\r\n7\n"));
  QTest::keyClick(form1.windowHandle(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(m->Cells(2, 2), QStringLiteral("1,5"));
  EXPECT_EQ(m->Cells(3, 2), QStringLiteral("2"));
  EXPECT_EQ(m->Cells(4, 2), QString());
  EXPECT_EQ(m->Cells(4, 3), QStringLiteral("6"));
  EXPECT_EQ(m->Cells(2, 4), QStringLiteral("7"));
  EXPECT_EQ(m->Cells(1, 1), QStringLiteral("alt"));
  // Row 4 and the coefficient of X3 fit dimension 4.
  EXPECT_EQ(form1.Zustand().System().Dimension(), 4);
  EXPECT_EQ(AnzahlMatrix_Edit(form1)->text(), QStringLiteral("4"));
  EXPECT_EQ(m->RowCount(), 5);
}

TEST_F(DateiTest, BlockPasteInTheOpenEditorToo) {
  Seite(0);
  TStringGrid* m = MatrixTab_StringGrid(form1);
  KlickeZelle(m, 1, 1);
  ASSERT_TRUE(m->EditorMode());
  Kopiere(QStringLiteral("1\t2\n3\t4"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(m->Cells(1, 1), QStringLiteral("1"));
  EXPECT_EQ(m->Cells(2, 2), QStringLiteral("4"));
  // A single value still pastes into the editor as before.
  Kopiere(QStringLiteral("8\n"));
  KlickeZelle(m, 3, 1);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(m->Cells(3, 1).left(1), QStringLiteral("8"));
}

TEST_F(DateiTest, BlockThatDoesNotFitIsRefusedAndChangesNothing) {
  Seite(0);
  TStringGrid* m = MatrixTab_StringGrid(form1);
  m->setFocus();
  m->SetCol(1);
  m->SetRow(1);
  const QString zeile = QStringList(22, QStringLiteral("1")).join(QLatin1Char('\t'));
  const std::string vorher = Texte(form1);
  for (const QString& block : {zeile, QStringList(21, QStringLiteral("1\t2")).join('\n')}) {
    Kopiere(block);
    meldungen.Erwarte();
    QTest::keyClick(form1.windowHandle(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(meldungen.gezeigt.size(), 1u);
    EXPECT_TRUE(meldungen.gezeigt[0].text.contains(QStringLiteral("nichts eingefügt")));
    meldungen.gezeigt.clear();
    EXPECT_EQ(Texte(form1), vorher);
  }
  // From the last row and column, one cell still fits... and 20 x 21 from the first.
  Kopiere(QStringList(20, QStringList(21, QStringLiteral("1")).join('\t')).join('\n'));
  QTest::keyClick(form1.windowHandle(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(form1.Zustand().System().Dimension(), 20);
  EXPECT_EQ(m->Cells(21, 20), QStringLiteral("1"));
}

TEST_F(DateiTest, SeveralSelectedCellsCopyAsTabSeparatedLines) {
  Seite(0);
  TStringGrid* m = MatrixTab_StringGrid(form1);
  const char* zellen[2][3] = {{"5", "1", "1"}, {"1", "1", "-1"}};
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c) m->SetCell(c, r, QString::fromUtf8(zellen[r - 1][c - 1]));
  Berechnen_BitBtn(form1)->click();
  TStringGrid* x = KxWerte_StringGrid(form1);
  x->setFocus();
  x->selectionModel()->select(QItemSelection(x->model()->index(0, 0), x->model()->index(1, 0)),
                              QItemSelectionModel::ClearAndSelect);
  QTest::keyClick(form1.windowHandle(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(),
            QStringLiteral("X1\t%1\t%2\nX2\t%3\t%4")
                .arg(x->Cells(1, 1), x->Cells(2, 1), x->Cells(1, 2), x->Cells(2, 2)));
  EXPECT_EQ(x->Cells(2, 1), QStringLiteral("3"));
  // One cell copies as before.
  KlickeZelle(x, 2, 2);
  QTest::keyClick(form1.windowHandle(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("2"));

  m->setFocus();
  m->selectionModel()->select(QItemSelection(m->model()->index(0, 0), m->model()->index(1, 2)),
                              QItemSelectionModel::ClearAndSelect);
  QTest::keyClick(form1.windowHandle(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("5\t1\t1\n1\t1\t-1"));
}

// A plain click edits its cell; Shift+click, Shift+arrows (also from the
// open editor) and a drag choose a block, which Ctrl+C copies whole.
TEST_F(DateiTest, ABlockIsChosenByShiftClickShiftArrowsOrADrag) {
  Seite(0);
  TStringGrid* m = MatrixTab_StringGrid(form1);
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
  const char* zellen[2][3] = {{"5", "1", "2"}, {"1", "3", "-1"}};
  for (int r = 1; r <= 2; ++r)
    for (int c = 1; c <= 3; ++c) m->SetCell(c, r, QString::fromUtf8(zellen[r - 1][c - 1]));
  auto kopiert = [this] {
    QApplication::clipboard()->clear();
    QTest::keyClick(form1.windowHandle(), Qt::Key_C, Qt::ControlModifier);
    return QApplication::clipboard()->text();
  };

  KlickeZelle(m, 1, 1);
  ASSERT_TRUE(m->EditorMode());
  QTest::mouseClick(m->viewport(), Qt::LeftButton, Qt::ShiftModifier, Mitte(m, 2, 2));
  EXPECT_FALSE(m->EditorMode());
  EXPECT_EQ(kopiert(), QStringLiteral("5\t1\n1\t3"));

  KlickeZelle(m, 2, 1);
  ASSERT_TRUE(m->EditorMode()) << "a plain click edits again";
  for (Qt::Key k : {Qt::Key_Right, Qt::Key_Down})
    QTest::keyClick(QApplication::focusWidget(), k, Qt::ShiftModifier);
  EXPECT_FALSE(m->EditorMode());
  EXPECT_EQ(kopiert(), QStringLiteral("1\t2\n3\t-1"));

  QTest::mousePress(m->viewport(), Qt::LeftButton, {}, Mitte(m, 3, 2));
  QTest::mouseMove(m->viewport(), Mitte(m, 1, 1));
  QTest::mouseRelease(m->viewport(), Qt::LeftButton, {}, Mitte(m, 1, 1));
  EXPECT_FALSE(m->EditorMode());
  EXPECT_EQ(kopiert(), QStringLiteral("5\t1\t2\n1\t3\t-1"));
  EXPECT_EQ(m->Cells(3, 2), QStringLiteral("-1")) << "the editor the press opened kept its text";
}

// A spreadsheet block fills the memory from the current row: values (as if
// typed, each row read) and comments; G takes values only. A block that
// does not fit changes nothing.
TEST_F(DateiTest, ABlockFillsTheMemoryRowByRow) {
  TStringGrid* k = Variablen_StringGrid(form1);
  TStringGrid* g = G_Variablen_StringGrid(form1);
  Waehle(k, 1, 2);
  Kopiere(QStringLiteral("4\tMotor\r\n2.5\n"));
  QTest::keyClick(form1.windowHandle(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(k->Cells(1, 2), QStringLiteral("4"));
  EXPECT_EQ(k->Cells(2, 2), QStringLiteral("Motor"));
  EXPECT_EQ(k->Cells(1, 3), QStringLiteral("2,5"));
  EXPECT_DOUBLE_EQ(double(form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[3].Realteil), 2.5);
  EXPECT_DOUBLE_EQ(double(form1.Zustand().Speicher().Werte(aufgabe::Seite::G)[2].Realteil), 0.25);

  // In the open editor of a comment, and into G.
  KlickeZelle(k, 2, 5);
  ASSERT_TRUE(k->EditorMode());
  Kopiere(QStringLiteral("Last\nQuelle"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(k->Cells(2, 6), QStringLiteral("Quelle"));
  EXPECT_TRUE(k->Cells(1, 6).isEmpty());
  Waehle(g, 1, 7);
  Kopiere(QStringLiteral("2\n0,5"));
  QTest::keyClick(form1.windowHandle(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_DOUBLE_EQ(double(form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[8].Realteil), 2);

  const std::string vorher = Texte(form1);
  struct Fall {
    TStringGrid* grid;
    int c, r;
    const char* block;
  };
  for (const Fall& f : {Fall{k, 1, 20, "1\n2"}, Fall{k, 2, 1, "a\tb"}, Fall{g, 1, 1, "1\t2"}}) {
    Waehle(f.grid, f.c, f.r);
    Kopiere(QString::fromUtf8(f.block));
    meldungen.Erwarte();
    QTest::keyClick(form1.windowHandle(), Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(meldungen.gezeigt.size(), 1u) << f.block;
    EXPECT_TRUE(meldungen.gezeigt[0].text.contains(QStringLiteral("nichts eingefügt")));
    meldungen.gezeigt.clear();
  }
  EXPECT_EQ(Texte(form1), vorher);
}

}  // namespace
