// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor page on the real window: what it draws, how it follows the
// other pages, the drop into the memory, and the exported pictures.
#include <QCheckBox>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QWheelEvent>
#include <QXmlStreamReader>
#include <cmath>

#include "ZiehFixture.h"
#include "app/Zeigerdiagramm.h"

namespace {

constexpr int kZeigerSeite = 3;

class ZeigerdiagrammTest : public ZiehFixture {
 protected:
  void SetUp() override {
    ZiehFixture::SetUp();
    seite = Zeigerseite(form1);
    ASSERT_NE(seite, nullptr);
    Seite(kZeigerSeite);
  }

  // A memory value as if typed: the cell, then the row's reading.
  void Speicher(int r, const QString& wert, const QString& kommentar = {}) {
    Variablen_StringGrid(form1)->SetCell(1, r, wert);
    Variablen_StringGrid(form1)->SetCell(2, r, kommentar);
  }
  // Lets the page catch up with the handlers that ran.
  static void Warte() { QApplication::processEvents(); }

  const std::vector<TZeigerFlaeche::Eintrag>& Eintraege() const {
    return seite->Diagramm->Eintraege();
  }
  QTreeWidgetItem* Gruppe(int q) const { return seite->Werte_Liste->topLevelItem(q); }

  // Where a value's arrow ends, in the drawing's pixels.
  ZPunkt Spitze(double re, double im, ZPunkt von = {}) const {
    const QSize g = seite->Diagramm->size();
    const Ansicht a = seite->Diagramm->SichtFuer(g);
    const ZPunkt p =
        NachPixel(a, {double(g.width()), double(g.height())}, {von.x + re, von.y + im});
    return p;
  }
  // The colour a few pixels back from a tip, inside the head.
  QColor ImKopf(const QImage& bild, double re, double im, ZPunkt von = {}) const {
    const ZPunkt s = Spitze(re, im, von);
    const double l = std::hypot(re, im);
    const QPoint p(int(std::lround(s.x - 4 * re / l)), int(std::lround(s.y + 4 * im / l)));
    return bild.pixelColor(p);
  }
  QImage Gemalt() const { return seite->Diagramm->grab().toImage(); }

  TZeigerdiagramm* seite = nullptr;
};

TEST_F(ZeigerdiagrammTest, IsTheFourthPageAndLeavesTheFirstThreeAsTheyWere) {
  QTabWidget* nb = TabbedNotebook(form1);
  ASSERT_GE(nb->count(), 4);  // the pages added since follow it
  EXPECT_EQ(nb->tabText(0), QStringLiteral("Gauss Algorithmus mit Komplexen Zahlen"));
  EXPECT_EQ(nb->tabText(1), QStringLiteral("KomplexeZahlen +  - * :"));
  EXPECT_EQ(nb->tabText(2), QStringLiteral("Bedienungsanleitung"));
  EXPECT_EQ(nb->tabText(3), QStringLiteral("Zeigerdiagramm"));
  EXPECT_TRUE(seite->isAncestorOf(seite->Diagramm));
  EXPECT_EQ(Gruppe(0)->text(0), QStringLiteral("Speicher K1..K20"));
  EXPECT_EQ(Gruppe(1)->text(0), QStringLiteral("Lösungen X1..Xn"));
  EXPECT_EQ(Gruppe(2)->text(0), QStringLiteral("Rechenfeld"));
  EXPECT_TRUE(Eintraege().empty());
}

TEST_F(ZeigerdiagrammTest, ArrowTipsHaveTheirSourcesColours) {
  Speicher(1, QStringLiteral("3+j4"));
  Speicher(2, QStringLiteral("-2-j1"));
  ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("1-j3"));
  ist_gleich_Button(form1)->click();
  Warte();
  ASSERT_EQ(Eintraege().size(), 3u);
  const QImage bild = Gemalt();
  const QColor k = TZeigerFlaeche::Farbe(QuelleSpeicher),
               zk = TZeigerFlaeche::Farbe(QuelleRechenfeld);
  EXPECT_EQ(ImKopf(bild, 3, 4), k);
  EXPECT_EQ(ImKopf(bild, -2, -1), k);
  EXPECT_EQ(ImKopf(bild, 1, -3), zk);
  // Beside the arrows the plane is empty.
  const ZPunkt leer = Spitze(-2, 4);
  EXPECT_EQ(bild.pixelColor(int(leer.x) + 1, int(leer.y) + 1), QColor(Qt::white));

  // The chain: the second link starts at the first one's tip; the closing
  // sum ends where the third does.
  seite->Kette_CheckBox->setChecked(true);
  const QImage kette = Gemalt();
  EXPECT_EQ(ImKopf(kette, -2, -1, {3, 4}), k);
  EXPECT_EQ(seite->Diagramm->AktuelleSzene().pfeile.size(), 4u);
  EXPECT_EQ(ImKopf(kette, 2, 0), TZeigerFlaeche::Farbe(kSummenQuelle));
  const ZPunkt summe = Spitze(2, 0);
  EXPECT_TRUE(seite->Diagramm->ErklaerungAn(QPoint(int(summe.x) - 3, int(summe.y)))
                  .contains(QStringLiteral("2*e^j0,00  =  2")));
}

TEST_F(ZeigerdiagrammTest, FollowsTypingSolvingTheFormulaAndTheNumberFormat) {
  // Typing into the K memory, one key at a time.
  KlickeZelle(Variablen_StringGrid(form1), 1, 1);
  Tippe(QStringLiteral("3+j4"));
  Warte();
  ASSERT_EQ(Eintraege().size(), 1u);
  EXPECT_DOUBLE_EQ(Eintraege()[0].re, 3);
  EXPECT_DOUBLE_EQ(Eintraege()[0].im, 4);
  ASSERT_EQ(Gruppe(0)->childCount(), 1);
  EXPECT_EQ(Gruppe(0)->child(0)->text(0), QStringLiteral("K1 = 5*e^j53,13"));
  Tippe(QStringLiteral("0"));
  Warte();
  EXPECT_DOUBLE_EQ(Eintraege()[0].im, 40);
  Taste(Qt::Key_Escape);

  // Solving: X1..X3 of a diagonal system.
  Seite(0);
  TStringGrid* m = MatrixTab_StringGrid(form1);
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 4; ++c)
      m->SetCell(c, r,
                 c == 1       ? QStringLiteral("%1").arg(r)
                 : c == r + 1 ? QStringLiteral("j")
                              : QStringLiteral("0"));
  Berechnen_BitBtn(form1)->click();
  Warte();
  ASSERT_EQ(Gruppe(1)->childCount(), 3);
  EXPECT_EQ(Eintraege().size(), 4u);
  EXPECT_NEAR(Eintraege()[3].im, -3, 1e-9);  // X3 = 3/j
  meldungen.Erwarte(IDYES);
  Clear_Tabelle_Button(form1)->click();
  Warte();
  EXPECT_EQ(Gruppe(1)->childCount(), 0);

  // The formula field's result, and its deletion.
  ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("K1*2"));
  ist_gleich_Button(form1)->click();
  Warte();
  ASSERT_EQ(Gruppe(2)->childCount(), 1);
  EXPECT_DOUBLE_EQ(Eintraege().back().re, 6);
  ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("K1*("));
  ist_gleich_Button(form1)->click();  // an error text is no value
  Warte();
  EXPECT_EQ(Gruppe(2)->childCount(), 0);

  // The number format rewrites the list's and the hover texts.
  Seite(kZeigerSeite);
  QTest::mouseClick(Exponent_RadioButton(form1), Qt::LeftButton);
  Warte();
  EXPECT_EQ(Gruppe(0)->child(0)->text(0), QStringLiteral("K1 = 4.011234224E+01*e^j85.7"));
  EXPECT_TRUE(
      Eintraege()[0].erklaerung.contains(QStringLiteral("3,000000000E+00+j4,000000000E+01")));
}

TEST_F(ZeigerdiagrammTest, TheListTicksValuesSinglyAndByGroupAndSpeaksForTheDiagram) {
  Speicher(1, QStringLiteral("12,0*e^j36,869"), QStringLiteral("I1=12A  cosPhi2=0,8"));
  Speicher(2, QStringLiteral("8,5*e^j49,458"));
  Speicher(4, QStringLiteral("kein Wert"), QStringLiteral("bleibt draussen"));
  Warte();
  ASSERT_EQ(Gruppe(0)->childCount(), 2);
  QTreeWidgetItem* k1 = Gruppe(0)->child(0);
  EXPECT_EQ(k1->checkState(0), Qt::Checked);
  // The text alternative: name, both forms, comment.
  EXPECT_EQ(k1->data(0, Qt::AccessibleTextRole).toString(),
            QStringLiteral("K1: 12*e^j36,87  =  9,6001128+j7,199849597, I1=12A  cosPhi2=0,8"));
  EXPECT_EQ(Eintraege()[0].beschriftung, QStringLiteral("K1 I1=12A  cosPhi2=0,8"));

  k1->setCheckState(0, Qt::Unchecked);
  Warte();
  ASSERT_EQ(Eintraege().size(), 1u);
  EXPECT_EQ(Eintraege()[0].beschriftung, QStringLiteral("K2"));
  EXPECT_EQ(Gruppe(0)->checkState(0), Qt::PartiallyChecked);
  // The tick survives a rewrite of the value.
  Speicher(1, QStringLiteral("5"));
  Warte();
  EXPECT_EQ(Gruppe(0)->child(0)->checkState(0), Qt::Unchecked);

  Gruppe(0)->setCheckState(0, Qt::Checked);
  Warte();
  EXPECT_EQ(Eintraege().size(), 2u);
  Gruppe(0)->setCheckState(0, Qt::Unchecked);
  Warte();
  EXPECT_TRUE(Eintraege().empty());
  EXPECT_FALSE(seite->Diagramm->accessibleName().isEmpty());
}

TEST_F(ZeigerdiagrammTest, HoverShowsBothFormsAndTheWheelZoomsAroundTheCursor) {
  Speicher(3, QStringLiteral("3+j4"), QStringLiteral("Motor"));
  Warte();
  const ZPunkt s = Spitze(3, 4);
  const QPoint imKopf(int(std::lround(s.x - 2.4)), int(std::lround(s.y + 3.2)));
  EXPECT_EQ(seite->Diagramm->ErklaerungAn(imKopf),
            QStringLiteral("K3 (Motor):\n5*e^j53,13  =  3+j4"));
  EXPECT_TRUE(seite->Diagramm->ErklaerungAn(QPoint(2, seite->Diagramm->height() - 2)).isEmpty());

  TZeigerFlaeche* d = seite->Diagramm;
  const QSize g = d->size();
  const Flaeche f{double(g.width()), double(g.height())};
  const QPointF maus(imKopf);
  const ZPunkt vorher = NachWert(d->SichtFuer(g), f, {maus.x(), maus.y()});
  QWheelEvent rad(maus, d->mapToGlobal(maus), {}, QPoint(0, 240), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
  QApplication::sendEvent(d, &rad);
  EXPECT_FALSE(d->Automatisch());
  const ZPunkt nachher = NachWert(d->SichtFuer(g), f, {maus.x(), maus.y()});
  EXPECT_NEAR(nachher.x, vorher.x, 1e-9);
  EXPECT_NEAR(nachher.y, vorher.y, 1e-9);
  EXPECT_NEAR(d->SichtFuer(g).massstab, 1.44 * Einpassen({{3, 4}}, f, SzenenMasse{}.rand).massstab,
              1e-6);
  // A zoomed view stays when values change; the button fits them again.
  Speicher(4, QStringLiteral("-30"));
  Warte();
  EXPECT_FALSE(d->Automatisch());
  QTest::mouseClick(seite->Einpassen_Button, Qt::LeftButton);
  EXPECT_TRUE(d->Automatisch());
  EXPECT_DOUBLE_EQ(d->SichtFuer(g).massstab,
                   Einpassen({{3, 4}, {-30, 0}}, f, SzenenMasse{}.rand).massstab);
}

TEST_F(ZeigerdiagrammTest, ADropFillsTheFirstEmptyMemoryRowAsIfTyped) {
  Speicher(1, QStringLiteral("7"));
  Speicher(2, QString(), QStringLiteral("Motor"));
  Wandel_KE_EK_Edit(form1)->setText(QStringLiteral("3+j4"));
  Warte();
  EXPECT_EQ(
      Ziehe(Mittig(Wandel_KE_EK_Edit(form1), kUeberall), Mittig(seite->Diagramm, kZeigerSeite)),
      Qt::DragCopyCursor);
  EXPECT_EQ(Variablen_StringGrid(form1)->Cells(1, 2), QStringLiteral("3+j4"));
  EXPECT_EQ(Variablen_StringGrid(form1)->Cells(2, 2), QStringLiteral("Motor"));
  EXPECT_EQ(G_Variablen_StringGrid(form1)->Cells(1, 2), QStringLiteral("0,2*e^-j53,13"));
  EXPECT_DOUBLE_EQ(double(form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[2].Imaginaerteil), 4);
  ASSERT_EQ(Gruppe(0)->childCount(), 2);
  EXPECT_EQ(Gruppe(0)->child(1)->checkState(0), Qt::Checked);
  EXPECT_EQ(Eintraege().size(), 2u);

  // The memory's own drags and the angle grid's header are no values here:
  // the first is refused, the second explained.
  const QStringList vorher = Schnappschuss();
  EXPECT_EQ(Ziehe(Zelle(Variablen_StringGrid(form1), 1, 1, kUeberall),
                  Mittig(seite->Werte_Liste, kZeigerSeite)),
            Qt::ForbiddenCursor);
  Wandel_KE_EK_Edit(form1)->setText(QStringLiteral("Motor"));
  meldungen.Erwarte();
  Ziehe(Mittig(Wandel_KE_EK_Edit(form1), kUeberall), Mittig(seite->Diagramm, kZeigerSeite));
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_EQ(meldungen.gezeigt[0].titel, QStringLiteral("Falscheingabe!"));
  // Apart from the conversion edit's new text, nothing changed.
  EXPECT_EQ(Schnappschuss().mid(4), vorher.mid(4));
}

// The row a drop fills was typed on its G side before and emptied: the
// drop makes K the typed side, so the work opened again keeps K's text
// (and does not read K back from G's rounded reciprocal).
TEST_F(ZeigerdiagrammTest, ADropMakesKTheTypedSideOfItsRowInTheSavedWork) {
  G_Variablen_StringGrid(form1)->SetCell(1, 1, QStringLiteral("0,5"));
  G_Variablen_StringGrid(form1)->SetCell(1, 1, QString());
  Wandel_KE_EK_Edit(form1)->setText(QStringLiteral("3"));
  Ziehe(Mittig(Wandel_KE_EK_Edit(form1), kUeberall), Mittig(seite->Diagramm, kZeigerSeite));
  ASSERT_EQ(Variablen_StringGrid(form1)->Cells(1, 1), QStringLiteral("3"));
  TForm1 neu;
  neu.Zustand().Wende(form1.Zustand().Schnappschuss());
  EXPECT_EQ(Variablen_StringGrid(neu)->Cells(1, 1), QStringLiteral("3"));
}

TEST_F(ZeigerdiagrammTest, ADropOnAFullMemoryIsRefusedWithAMessage) {
  for (int r = 1; r <= 20; ++r) Speicher(r, QString::number(r));
  Wandel_KE_EK_Edit(form1)->setText(QStringLiteral("3+j4"));
  meldungen.Erwarte();
  Ziehe(Mittig(Wandel_KE_EK_Edit(form1), kUeberall), Mittig(seite->Diagramm, kZeigerSeite));
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_EQ(meldungen.gezeigt[0].titel, QStringLiteral("Achtung!"));
  EXPECT_TRUE(meldungen.gezeigt[0].text.contains(QStringLiteral("K1..K20")));
  for (int r = 1; r <= 20; ++r)
    EXPECT_EQ(Variablen_StringGrid(form1)->Cells(1, r), QString::number(r));
}

// Ctrl+C on a listed value copies a text the readers take back; Ctrl+V
// anywhere on the page stores the clipboard's value as a drop does, also
// with the focus on the drawing, which Tab reaches.
TEST_F(ZeigerdiagrammTest, CtrlCCopiesAValueThatReadsBackAndCtrlVAddsOne) {
  Speicher(1, QStringLiteral("42,01190308*e^j1,4"));
  Warte();
  seite->Werte_Liste->setFocus();
  seite->Werte_Liste->setCurrentItem(Gruppe(0)->child(0));
  QTest::keyClick(form1.windowHandle(), Qt::Key_C, Qt::ControlModifier);
  const ZKZahl k1 = form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[1];
  ErwarteWert(QApplication::clipboard()->text(), k1.Realteil, k1.Imaginaerteil);

  seite->Einpassen_Button->setFocus();
  Taste(Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), seite->Diagramm);
  QApplication::clipboard()->setText(QStringLiteral("3+j4\n"));
  QTest::keyClick(form1.windowHandle(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Variablen_StringGrid(form1)->Cells(1, 2), QStringLiteral("3+j4"));
  EXPECT_DOUBLE_EQ(double(form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[2].Imaginaerteil), 4);

  QApplication::clipboard()->setText(QString(500, QLatin1Char('x')));
  meldungen.Erwarte();
  QTest::keyClick(form1.windowHandle(), Qt::Key_V, Qt::ControlModifier);
  ASSERT_EQ(meldungen.gezeigt.size(), 1u);
  EXPECT_LT(meldungen.gezeigt[0].text.size(), 120) << "quotes only the start";
  EXPECT_TRUE(Variablen_StringGrid(form1)->Cells(1, 3).isEmpty());
}

TEST_F(ZeigerdiagrammTest, ARightClickOffersCopyAndBothExports) {
  Speicher(1, QStringLiteral("3+j4"));
  Warte();
  QStringList angebot;
  QTimer::singleShot(0, [&angebot] {
    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menue) return;
    for (QAction* a : menue->actions()) angebot << a->text();
    // "Bild kopieren" puts the page-sized picture on the clipboard.
    menue->actions().value(0)->trigger();
    menue->close();
  });
  // A real right click: the window's drag handling lets it through.
  const Stelle s = Mittig(seite->Diagramm, kZeigerSeite);
  Druecke(s);
  Lasse(s);
  Warte();
  EXPECT_EQ(angebot,
            (QStringList{QStringLiteral("Bild kopieren"), QStringLiteral("Als PNG speichern…"),
                         QStringLiteral("Als SVG speichern…")}));
  EXPECT_EQ(QApplication::clipboard()->image().size(), seite->size());
  EXPECT_FALSE(form1.Ziehen().Aktiv());
}

TEST_F(ZeigerdiagrammTest, PngHasThePagesSizeAndSvgHoldsOneArrowPerTickedValue) {
  Speicher(1, QStringLiteral("3+j4"));
  Speicher(2, QStringLiteral("-2"));
  Speicher(5, QStringLiteral("j7"));
  Warte();
  Gruppe(0)->child(1)->setCheckState(0, Qt::Unchecked);
  Warte();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString png = dir.filePath(QStringLiteral("z.png"));
  ASSERT_TRUE(seite->SpeichereAlsPng(png));
  const QImage bild(png);
  EXPECT_EQ(bild.size(), seite->size());
  EXPECT_GT(seite->size().width(), seite->Diagramm->width());

  for (const bool kette : {false, true}) {
    seite->Kette_CheckBox->setChecked(kette);
    const QString svg = dir.filePath(QStringLiteral("z.svg"));
    ASSERT_TRUE(seite->SpeichereAlsSvg(svg));
    QFile f(svg);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&f);
    int koepfe = 0;
    bool titel = false;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      // The heads are the drawing's only filled outlines.
      if (xml.name() == QLatin1String("path")) ++koepfe;
      if (xml.name() == QLatin1String("title")) titel = true;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(titel);
    // Two ticked values; the chain adds its sum.
    EXPECT_EQ(koepfe, kette ? 3 : 2);
  }
  // A place that cannot be written is reported, not passed over.
  EXPECT_FALSE(seite->SpeichereAlsSvg(dir.filePath(QStringLiteral("fehlt/z.svg"))));
  EXPECT_FALSE(seite->SpeichereAlsPng(dir.filePath(QStringLiteral("fehlt/z.png"))));
}

}  // namespace

namespace {

// The page is hidden when the window opens and is built when first shown.
// What was typed, solved and computed before must be there then, in the
// format chosen meanwhile, as on a page that watched it all; and the page
// follows from then on, shown or hidden.
class ZeigerseiteSpaeterTest : public ZiehFixture {
 protected:
  static void Eingeben(TForm1& f, int k) {
    Variablen_StringGrid(f)->SetCell(1, k, QStringLiteral("%1+j4").arg(k));
    Variablen_StringGrid(f)->SetCell(2, k, QStringLiteral("Zweig %1").arg(k));
    QApplication::processEvents();
  }
  static void AllesEingeben(TForm1& f) {
    Eingeben(f, 1);
    Eingeben(f, 3);
    TStringGrid* m = MatrixTab_StringGrid(f);
    for (int r = 1; r <= 3; ++r)
      for (int c = 1; c <= 4; ++c)
        m->SetCell(c, r,
                   c == 1       ? QStringLiteral("%1").arg(r)
                   : c == r + 1 ? QStringLiteral("2j")
                                : QStringLiteral("0"));
    Berechnen_BitBtn(f)->click();
    ZK_Rechenfeld_Edit(f)->setText(QStringLiteral("K1*K3"));
    ist_gleich_Button(f)->click();
    Exponent_RadioButton(f)->setChecked(true);
    QApplication::processEvents();
  }
  // The list's texts and the drawn entries.
  static QStringList Stand(const TZeigerdiagramm* s) {
    QStringList stand;
    for (int q = 0; q < s->Werte_Liste->topLevelItemCount(); ++q) {
      const QTreeWidgetItem* g = s->Werte_Liste->topLevelItem(q);
      for (int i = 0; i < g->childCount(); ++i)
        stand << g->child(i)->text(0) + g->child(i)->toolTip(0);
    }
    for (const TZeigerFlaeche::Eintrag& e : s->Diagramm->Eintraege())
      stand << QStringLiteral("%1 %2 %3 %4").arg(e.re).arg(e.im).arg(e.beschriftung, e.erklaerung);
    return stand;
  }
};

TEST_F(ZeigerseiteSpaeterTest, ShowsWhatWasEnteredWhileHiddenAndFollowsFromThenOn) {
  TZeigerdiagramm* seite = Zeigerseite(form1);
  AllesEingeben(form1);
  // Nothing of the page was built for the start.
  EXPECT_EQ(seite->Diagramm, nullptr);
  Seite(kZeigerSeite);
  ASSERT_NE(seite->Diagramm, nullptr);
  EXPECT_TRUE(seite->Diagramm->isVisible());
  EXPECT_TRUE(seite->Werte_Liste->isVisible());
  EXPECT_GT(seite->Diagramm->width(), 100);

  // A window whose page was shown before anything was typed.
  TForm1 zeugin;
  zeugin.show();
  TabbedNotebook(zeugin)->setCurrentIndex(kZeigerSeite);
  AllesEingeben(zeugin);
  const QStringList erwartet = Stand(Zeigerseite(zeugin));
  EXPECT_EQ(erwartet.size(), 2 + 3 + 1 + 6);  // K1, K3, X1..X3, ZK; list and drawing
  EXPECT_EQ(Stand(seite), erwartet);

  // Hidden again, it still follows.
  Seite(kRechenSeite);
  Eingeben(form1, 5);
  Seite(kZeigerSeite);
  EXPECT_EQ(seite->Werte_Liste->topLevelItem(QuelleSpeicher)->childCount(), 3);
  EXPECT_EQ(seite->Diagramm->Eintraege().size(), 7u);
}

}  // namespace
