// Pictures and listings for looking at, not checks (scripts/bilder runs it):
//   bilder seiten DIR      each notebook page and the example window, as
//                          the widgets draw themselves (any platform)
//   bilder bildschirm DIR  the whole screen: the example window beside the
//                          main window, an edit's German context menu
//                          (a real X server: QT_QPA_PLATFORM=xcb)
//   bilder schaltung DIR   the circuit page with the bridge example, both methods,
//                          each view, and the matrix page it fills
//   bilder zeiger DIR      the phasor page: the formula field's example 11
//                          and an example system, alone and as a chain
//   bilder ortskurve DIR   the locus page: an RL series circuit as a line
//                          beside its inverse circle, and a parallel
//                          resonance circuit's frequency response
//   bilder rechenweg DIR   the Rechenweg window: empty, for the singular
//                          1 2 3 / 4 5 6 / 7 8 9, for a complex example
//                          system, and that one's PDF export
//   bilder fokus DIR       the matrix page in the normal, a dark and a
//                          high-contrast palette: a block chosen in the
//                          coefficient grid, then the focus on a result
//                          cell; the phasor drawing with the focus (a real
//                          X server: QT_QPA_PLATFORM=xcb)
//   bilder fokusfolge      what a screen reader reads on the matrix page,
//                          in focus order
//   bilder liste           every widget of both windows with its geometry,
//                          font, colours, texts and flags, and the focus
//                          chain: diff two listings after editing a form
// `--sprache en` after the others: the window in that language.
#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <cstdio>
#include <cstring>

#include "app/Beispiel.h"
#include "app/MainQuorvel.h"
#include "app/Ortskurvenseite.h"
#include "app/RechenwegFenster.h"
#include "app/Schaltungsseite.h"
#include "app/Zeigerdiagramm.h"
#include "forms/Anwendung.h"
#include "forms/Steuerelemente.h"
#include "forms/StringGrid.h"
#include "sprache/Sprachwahl.h"

namespace {

// A control of the window by its object name.
template <class W = QWidget>
W* E(QObject& fenster, const char* name) {
  return fenster.findChild<W*>(QLatin1String(name));
}

void Seite(TForm1& form1, int i) {
  E<QTabWidget>(form1, "TabbedNotebook")->setCurrentIndex(i);
  QApplication::processEvents();
}

// Clicks a button as its handler runs, without taking the focus.
void Klicke(TForm1& form1, const char* knopf) {
  E<QAbstractButton>(form1, knopf)->click();
}

void Seitenbilder(TForm1& form1, TForm2& form2, const QString& ziel) {
  form1.Zustand().Beispiele().festerSamen = 1;
  Seite(form1, 0);
  Klicke(form1, "BeispielAufgaben_BitBtn");
  for (int i = 0; i < 5; ++i) {
    Seite(form1, i);
    form1.grab().save(QStringLiteral("%1/seite%2.png").arg(ziel).arg(i));
  }
  form2.grab().save(ziel + QStringLiteral("/beispiel.png"));
}

void Rechenwegbilder(TForm1& form1, const QString& ziel) {
  Seite(form1, 0);
  Klicke(form1, "Rechenweg_BitBtn");
  RechenwegFenster* fenster = form1.findChild<RechenwegFenster*>();
  auto bild = [&](const char* name) {
    QApplication::processEvents();
    fenster->grab().save(ziel + QLatin1Char('/') + QLatin1String(name));
  };
  bild("rechenweg-leer.png");
  Gleichungssystem& system = form1.Zustand().System();
  system.SetzeDimension(3);
  const char* const kSingulaer[3][4] = {
      {"1", "1", "2", "3"}, {"2", "4", "5", "6"}, {"3", "7", "8", "9"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 4; ++c)
      system.SetzeZelle(r + 1, c + 1, QString::fromUtf8(kSingulaer[r][c]));
  TApplication::SetzeMeldungsFunktion(
      [](const QString&, const QString&, int) { return int(IDOK); });
  Klicke(form1, "Berechnen_BitBtn");
  fenster->Anzeige->moveCursor(QTextCursor::End);
  bild("rechenweg-singulaer.png");
  form1.Zustand().Beispiele().festerSamen = 3;
  form1.Zustand().Beispiele().system = 2;
  Klicke(form1, "BeispielAufgaben_BitBtn");
  fenster->Anzeige->moveCursor(QTextCursor::Start);
  bild("rechenweg-beispiel.png");
  fenster->SpeicherePdf(ziel + QStringLiteral("/rechenweg-beispiel.pdf"));
}

void Bildschirmfotos(TForm1& form1, const QString& ziel) {
  auto foto = [&](const char* name) {
    QTest::qWait(500);
    QGuiApplication::primaryScreen()->grabWindow(0).save(ziel + QLatin1Char('/') +
                                                         QLatin1String(name));
  };
  Seite(form1, 0);
  form1.Zustand().Beispiele().festerSamen = 5;
  Klicke(form1, "BeispielAufgaben_BitBtn");
  Klicke(form1, "BeispielAufgaben_BitBtn");
  foto("beispiel-neben.png");
  Seite(form1, 1);
  QLineEdit* formel = E<QLineEdit>(form1, "ZK_Rechenfeld_Edit");
  formel->setText(QStringLiteral("(3+j4)*K1"));
  formel->selectAll();
  const QPoint p(5, formel->height() / 2);
  QContextMenuEvent e(QContextMenuEvent::Mouse, p, formel->mapToGlobal(p));
  QApplication::sendEvent(formel, &e);
  foto("kontextmenue.png");
}

void Schaltungsbilder(TForm1& form1, const QString& ziel) {
  constexpr int kSchaltungsSeite = 4;
  auto* seite = form1.findChild<TSchaltungsseite*>();
  auto bild = [&](const QString& name) {
    QApplication::processEvents();
    form1.grab().save(QStringLiteral("%1/%2.png").arg(ziel, name));
  };
  Seite(form1, kSchaltungsSeite);
  auto* reiter = E<QTabWidget>(form1, "Ansicht_Reiter");
  seite->LadeBeispiel(5);  // the Wheatstone bridge
  for (int verfahren = 0; verfahren < 2; ++verfahren) {
    seite->Verfahren_Auswahl->setCurrentIndex(verfahren);
    const QString v = verfahren == 0 ? QStringLiteral("knoten") : QStringLiteral("maschen");
    for (int r = 0; r < 3; ++r) {
      reiter->setCurrentIndex(r);
      bild(QStringLiteral("schaltung_%1_%2").arg(v).arg(r));
    }
    seite->Uebernimm();
    Klicke(form1, "Berechnen_BitBtn");
    bild(QStringLiteral("schaltung_%1_matrix").arg(v));
    Seite(form1, kSchaltungsSeite);
  }
  seite->Editor->appendPlainText(QStringLiteral("R6 2 9 -5"));
  seite->AnalysiereJetzt();
  bild(QStringLiteral("schaltung_fehler"));
}

void Zeigerbilder(TForm1& form1, TForm2& form2, const QString& ziel) {
  constexpr int kZeigerSeite = 3;
  TZeigerdiagramm* seite = form1.findChild<TZeigerdiagramm*>();
  auto gruppe = [seite](int q) { return seite->Werte_Liste->topLevelItem(q); };
  auto bild = [&](const char* name) {
    QApplication::processEvents();
    form1.grab().save(QStringLiteral("%1/%2.png").arg(ziel, QLatin1String(name)));
  };
  // The formula field's example 11: three currents and their sum.
  for (int i = 0; i < 11; ++i) Klicke(form1, "Beispiel_BitBtn");
  Seite(form1, kZeigerSeite);
  bild("zeiger_beispiel11");
  seite->Kette_CheckBox->setChecked(true);
  gruppe(2)->child(0)->setCheckState(0, Qt::Unchecked);
  bild("zeiger_beispiel11_kette");

  // A level-3 example system at n = 5, alone.
  seite->Kette_CheckBox->setChecked(false);
  gruppe(0)->setCheckState(0, Qt::Unchecked);
  Seite(form1, 0);
  E<QLineEdit>(form1, "AnzahlMatrix_Edit")->setText(QStringLiteral("5"));
  form1.Zustand().Beispiele().festerSamen = 7;
  for (int i = 0; i < 3; ++i) Klicke(form1, "BeispielAufgaben_BitBtn");
  form2.hide();
  Seite(form1, kZeigerSeite);
  bild("zeiger_stufe3_n5");
  seite->Kette_CheckBox->setChecked(true);
  bild("zeiger_stufe3_n5_kette");
}

void Ortskurvenbilder(TForm1& form1, const QString& ziel) {
  Modell& m = form1.Zustand();
  auto* notizbuch = E<QTabWidget>(form1, "TabbedNotebook");
  auto bild = [&](const char* name) {
    QApplication::processEvents();
    form1.grab().save(QStringLiteral("%1/%2.png").arg(ziel, QLatin1String(name)));
  };
  m.Schaltung().SetzeNetzliste(QStringLiteral("R1 1 2 100\nL1 2 0 100m\n"));
  aufgabe::Ortskurve e;
  e.quelle = aufgabe::Ortskurve::Quelle::Schaltung;
  e.knotenA = "1";
  e.knotenB = "0";
  e.von = "1";
  e.bis = "1k";
  e.inversion = aufgabe::Ortskurve::Inversion::Daneben;
  m.SetzeOrtskurve(e);
  notizbuch->setCurrentIndex(notizbuch->indexOf(form1.findChild<TOrtskurvenseite*>()));
  bild("ortskurve_rl");

  m.Schaltung().SetzeNetzliste(QStringLiteral("R1 1 0 1k\nL1 1 0 10m\nC1 1 0 1u\n"));
  e.von = "100";
  e.bis = "100k";
  e.frequenzgang = true;
  e.inversion = aufgabe::Ortskurve::Inversion::Aus;
  m.SetzeOrtskurve(e);
  bild("ortskurve_parallelschwingkreis");
  e.frequenzgang = false;
  m.SetzeOrtskurve(e);
  bild("ortskurve_parallelschwingkreis_kreis");
}

// The palettes the accessibility tests set: a dark one, and yellow on black.
QPalette DunklePalette() {
  QPalette p;
  p.setColor(QPalette::Window, QColor(53, 53, 53));
  p.setColor(QPalette::WindowText, Qt::white);
  p.setColor(QPalette::Base, QColor(35, 35, 35));
  p.setColor(QPalette::AlternateBase, QColor(53, 53, 53));
  p.setColor(QPalette::Text, Qt::white);
  p.setColor(QPalette::Button, QColor(53, 53, 53));
  p.setColor(QPalette::ButtonText, Qt::white);
  p.setColor(QPalette::Highlight, QColor(42, 130, 218));
  p.setColor(QPalette::HighlightedText, Qt::black);
  return p;
}

QPalette KontrastPalette() {
  const QColor gelb(255, 255, 0), schwarz(Qt::black);
  QPalette p(gelb, schwarz, gelb, gelb, gelb, gelb, Qt::white, schwarz, schwarz);
  p.setColor(QPalette::Highlight, gelb);
  p.setColor(QPalette::HighlightedText, schwarz);
  return p;
}

void Fokusbilder(TForm1& form1, const QString& ziel) {
  Seite(form1, 0);
  form1.activateWindow();
  if (!QTest::qWaitForWindowActive(&form1)) std::fprintf(stderr, "Fenster nicht aktiv\n");
  TStringGrid* m = E<TStringGrid>(form1, "MatrixTab_StringGrid");
  TStringGrid* x = E<TStringGrid>(form1, "KxWerte_StringGrid");
  const char* zellen[3][4] = {{"6", "1", "2", "3"}, {"3+j1", "1", "j1", "1"}, {"2", "0", "1", "1"}};
  for (int r = 1; r <= 3; ++r)
    for (int c = 1; c <= 4; ++c) m->SetCell(c, r, QLatin1String(zellen[r - 1][c - 1]));
  Klicke(form1, "Berechnen_BitBtn");
  auto mitte = [](TStringGrid* g, int c, int r) {
    return g->viewport()->mapFrom(g, g->CellRect(c, r).center());
  };
  auto foto = [&](const QString& name) {
    QTest::qWait(300);
    QWidget* gruppe = E(form1, "Matrix_GroupBox");
    const QRect r(gruppe->mapToGlobal(QPoint(0, 0)), gruppe->size());
    QGuiApplication::primaryScreen()
        ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
        .save(QStringLiteral("%1/%2.png").arg(ziel, name));
  };
  const std::pair<const char*, QPalette> paletten[] = {{"normal", QApplication::palette()},
                                                       {"dunkel", DunklePalette()},
                                                       {"kontrast", KontrastPalette()}};
  for (const auto& [name, palette] : paletten) {
    QApplication::setPalette(palette);
    QTest::mouseClick(m->viewport(), Qt::LeftButton, {}, mitte(m, 1, 1));
    QTest::mouseClick(m->viewport(), Qt::LeftButton, Qt::ShiftModifier, mitte(m, 3, 2));
    foto(QStringLiteral("block_%1").arg(QLatin1String(name)));
    QTest::mouseClick(x->viewport(), Qt::LeftButton, {}, mitte(x, 2, 2));
    foto(QStringLiteral("ergebnis_%1").arg(QLatin1String(name)));
  }
  // The phasor drawing with the keyboard focus.
  QApplication::setPalette(paletten[0].second);
  Seite(form1, 3);
  auto* seite = form1.findChild<TZeigerdiagramm*>();
  seite->Diagramm->setFocus();
  QTest::qWait(300);
  const QPoint o = seite->mapToGlobal(QPoint(0, 0));
  QGuiApplication::primaryScreen()
      ->grabWindow(0, o.x(), o.y(), seite->width(), seite->height())
      .save(ziel + QStringLiteral("/zeiger_fokus.png"));
}

const char* Rolle(QAccessible::Role r) {
  switch (r) {
    case QAccessible::PushButton:
      return "Schaltfläche";
    case QAccessible::EditableText:
      return "Eingabefeld";
    case QAccessible::Table:
      return "Tabelle";
    case QAccessible::PageTabList:
      return "Registerleiste";
    case QAccessible::RadioButton:
      return "Optionsfeld";
    default:
      return "andere";
  }
}

void Fokusfolge(TForm1& form1) {
  Seite(form1, 0);
  E<QTabWidget>(form1, "TabbedNotebook")->tabBar()->setFocus();
  QWidget* erstes = QApplication::focusWidget();
  for (int i = 0; i < 60; ++i) {
    QWidget* w = QApplication::focusWidget();
    if (w == nullptr) break;
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    std::printf("%-28s | %-14s | %s | %s | %s\n", w->objectName().toUtf8().constData(),
                Rolle(a->role()), a->text(QAccessible::Name).toUtf8().constData(),
                a->text(QAccessible::Value).toUtf8().constData(),
                a->text(QAccessible::Description).toUtf8().constData());
    if (auto* g = qobject_cast<TStringGrid*>(w)) {
      QAccessibleInterface* zelle =
          a->tableInterface()->cellAt(g->Row() - g->FixedRows(), g->Col() - g->FixedCols());
      if (zelle)
        std::printf("%-28s | Zelle      | %s / %s\n", "",
                    g->ZellTitel(g->Col(), g->Row()).toUtf8().constData(),
                    zelle->text(QAccessible::Name).toUtf8().constData());
      // One stop per control: from its last cell Tab leaves a grid.
      g->SetRow(g->RowCount() - 1);
      g->SetCol(g->ColCount() - 1);
    }
    QTest::keyClick(form1.windowHandle(), Qt::Key_Tab);
    if (QApplication::focusWidget() == erstes) break;
  }
}

QByteArray Farbe(const QPalette& p, QPalette::ColorRole r) {
  return p.color(r).name().toLatin1();
}

void Liste(QWidget* w, int tiefe) {
  QByteArray z(tiefe * 2, ' ');
  z += w->metaObject()->className();
  z += ' ' + w->objectName().toUtf8();
  const QRect g = w->geometry();
  z += QStringLiteral(" [%1,%2 %3x%4]")
           .arg(g.x())
           .arg(g.y())
           .arg(g.width())
           .arg(g.height())
           .toUtf8();
  z += w->isVisibleTo(w->window()) ? " sichtbar" : " verborgen";
  if (!w->isEnabled()) z += " gesperrt";
  z += " fokus=" + QByteArray::number(int(w->focusPolicy()));
  z += " schrift=" + w->font().toString().toUtf8() + '/' +
       QByteArray::number(qulonglong(w->font().resolveMask()));
  if (w->testAttribute(Qt::WA_SetPalette))
    z += " farben=" + Farbe(w->palette(), QPalette::Base) + ',' +
         Farbe(w->palette(), QPalette::Window) + ',' + Farbe(w->palette(), QPalette::Text) + ',' +
         Farbe(w->palette(), QPalette::WindowText);
  if (w->autoFillBackground()) z += " fuellt";
  if (auto* e = qobject_cast<QLineEdit*>(w))
    z += " text=\"" + e->text().toUtf8() + "\" max=" + QByteArray::number(e->maxLength()) +
         (e->isReadOnly() ? " nurlesen" : "");
  if (auto* l = qobject_cast<QLabel*>(w))
    z += " text=\"" + l->text().toUtf8() + "\" rahmen=" + QByteArray::number(l->frameStyle()) +
         " einzug=" + QByteArray::number(l->indent()) + (l->wordWrap() ? " umbruch" : "");
  if (auto* b = qobject_cast<QAbstractButton*>(w))
    z += " text=\"" + b->text().toUtf8() + "\"" + (b->isChecked() ? " gewaehlt" : "");
  if (auto* b = qobject_cast<QGroupBox*>(w)) z += " titel=\"" + b->title().toUtf8() + '"';
  if (auto* m = qobject_cast<QPlainTextEdit*>(w))
    z += " inhalt=" + QByteArray::number(qHash(m->toPlainText())) +
         " caret=" + QByteArray::number(m->textCursor().position()) +
         (m->isReadOnly() ? " nurlesen" : "") +
         " umbruch=" + QByteArray::number(int(m->lineWrapMode())) +
         " leisten=" + QByteArray::number(int(m->horizontalScrollBarPolicy())) +
         QByteArray::number(int(m->verticalScrollBarPolicy()));
  if (auto* t = qobject_cast<QTabWidget*>(w)) {
    z += " aktuell=" + QByteArray::number(t->currentIndex());
    for (int i = 0; i < t->count(); ++i) z += " \"" + t->tabText(i).toUtf8() + '"';
  }
  if (auto* s = qobject_cast<TStringGrid*>(w)) {
    z += QStringLiteral(" zellen=%1x%2 fest=%3,%4 wahl=%5 editieren=%6 zelle=%7,%8 leiste=%9")
             .arg(s->ColCount())
             .arg(s->RowCount())
             .arg(s->FixedCols())
             .arg(s->FixedRows())
             .arg(int(s->selectionMode()))
             .arg(int(s->editTriggers()))
             .arg(s->Col())
             .arg(s->Row())
             .arg(int(s->horizontalScrollBarPolicy()))
             .toUtf8();
    for (int c = 0; c < s->ColCount(); ++c) z += ' ' + QByteArray::number(s->ColWidths(c));
    for (int r = 0; r < s->RowCount(); ++r)
      for (int c = 0; c < s->ColCount(); ++c)
        if (!s->Cells(c, r).isEmpty()) z += " |" + s->Cells(c, r).toUtf8();
  }
  if (auto* u = qobject_cast<TUpDown*>(w)) z += " position=" + QByteArray::number(u->Position());
  if (auto* s = qobject_cast<TStatusBar*>(w)) z += " text=\"" + s->SimpleText().toUtf8() + '"';
  if (!w->accessibleName().isEmpty()) z += " name=\"" + w->accessibleName().toUtf8() + '"';
  std::printf("%s\n", z.constData());
  for (QObject* k : w->children())
    if (k->isWidgetType()) Liste(static_cast<QWidget*>(k), tiefe + 1);
}

void Fokuskette(QWidget* fenster) {
  std::printf("Fokuskette %s:", fenster->objectName().toUtf8().constData());
  for (QWidget* w = fenster->nextInFocusChain(); w != fenster; w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus)
      std::printf(" %s:%s", w->metaObject()->className(), w->objectName().toUtf8().constData());
  std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
  const char* art = argc > 1 ? argv[1] : "";
  const QString ziel = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(".");
  if (std::strcmp(art, "seiten") != 0 && std::strcmp(art, "bildschirm") != 0 &&
      std::strcmp(art, "zeiger") != 0 && std::strcmp(art, "rechenweg") != 0 &&
      std::strcmp(art, "ortskurve") != 0 && std::strcmp(art, "fokus") != 0 &&
      std::strcmp(art, "fokusfolge") != 0 && std::strcmp(art, "liste") != 0 &&
      std::strcmp(art, "schaltung") != 0) {
    std::fprintf(stderr,
                 "bilder seiten|bildschirm|zeiger|schaltung|ortskurve|rechenweg|fokus DIR, bilder "
                 "fokusfolge|liste\n");
    return 2;
  }
  QApplication app(argc, argv);
  TApplication::Initialize();
  QStringList argumente = QApplication::arguments();
  QString sprache, fehler;
  if (!sprache::NimmSpracheAus(argumente, sprache, fehler)) {
    std::fprintf(stderr, "bilder: %s\n", fehler.toUtf8().constData());
    return 2;
  }
  if (!sprache.isEmpty()) TApplication::SetzeSprache(sprache);
  TForm1 form1;
  TForm2 form2;
  form1.SetzeBeispielfenster(&form2);
  form1.show();
  if (!QTest::qWaitForWindowExposed(&form1)) return 1;
  if (std::strcmp(art, "seiten") == 0)
    Seitenbilder(form1, form2, ziel);
  else if (std::strcmp(art, "bildschirm") == 0)
    Bildschirmfotos(form1, ziel);
  else if (std::strcmp(art, "zeiger") == 0)
    Zeigerbilder(form1, form2, ziel);
  else if (std::strcmp(art, "schaltung") == 0)
    Schaltungsbilder(form1, ziel);
  else if (std::strcmp(art, "ortskurve") == 0)
    Ortskurvenbilder(form1, ziel);
  else if (std::strcmp(art, "rechenweg") == 0)
    Rechenwegbilder(form1, ziel);
  else if (std::strcmp(art, "fokus") == 0)
    Fokusbilder(form1, ziel);
  else if (std::strcmp(art, "liste") == 0) {
    // The matrix page as the user finds it: built and laid out.
    Seite(form1, 0);
    Seite(form1, 1);
    std::printf("%s / %s\n", form1.windowTitle().toUtf8().constData(),
                form2.windowTitle().toUtf8().constData());
    Liste(&form1, 0);
    Liste(&form2, 0);
    Fokuskette(&form1);
    Fokuskette(&form2);
  } else
    Fokusfolge(form1);
  return 0;
}
