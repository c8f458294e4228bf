// SPDX-License-Identifier: GPL-3.0-or-later
// The windows in English: no German text left where a user reads it, and no
// control whose text does not fit it, in English or in German. Text widths
// need real fonts: ctest runs that test once more under a virtual X server.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QXmlStreamReader>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "Bedienelemente.h"
#include "Meldungen.h"
#include "app/Beispiel.h"
#include "app/MainQuorvel.h"
#include "forms/Anwendung.h"

namespace {

// A control's text as it reads: without the accelerator's &, without a
// menu entry's shortcut.
QString OhneKuerzel(QString text) {
  text = text.section(QLatin1Char('\t'), 0, 0);
  text.replace(QRegularExpression(QStringLiteral("&(.)")), QStringLiteral("\\1"));
  return text.trimmed();
}

// The object names from the window down, without Qt's own in between; an
// unnamed object is its class and its place among its unnamed siblings.
QString Pfad(const QObject* o) {
  QStringList teile;
  for (const QObject* p = o; p; p = p->parent())
    if (!p->objectName().isEmpty() && !p->objectName().startsWith(QLatin1String("qt_")))
      teile.prepend(p->objectName());
  if (o->objectName().isEmpty()) {
    QString name = QString::fromLatin1(o->metaObject()->className());
    if (o->parent()) {
      int stelle = 0;
      for (const QObject* k : o->parent()->children()) {
        if (k == o) break;
        stelle += k->objectName().isEmpty() && k->metaObject() == o->metaObject();
      }
      name += QStringLiteral("#%1").arg(stelle);
    }
    teile << name;
  }
  return teile.join(QLatin1Char('/'));
}

// The program's windows built in one language, with something in the
// example window, the Rechenweg window and the circuit page's results.
class Fenster {
 public:
  explicit Fenster(const char* sprache) {
    TApplication::SetzeSprache(QString::fromLatin1(sprache));
    haupt = std::make_unique<TForm1>();
    beispiel = std::make_unique<TForm2>();
    haupt->SetzeBeispielfenster(beispiel.get());
    haupt->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(haupt.get()));
    // Pages built when first shown are built now.
    QTabWidget* seiten = TabbedNotebook(*haupt);
    for (int i = 0; i < seiten->count(); ++i) {
      seiten->setCurrentIndex(i);
      QApplication::processEvents();
    }
    BeispielAufgaben_BitBtn(*haupt)->click();
    Rechenweg_BitBtn(*haupt)->click();
    if (auto* b = haupt->findChild<QToolButton*>(QStringLiteral("Beispiele_Button")))
      if (b->menu() && !b->menu()->actions().isEmpty()) b->menu()->actions().front()->trigger();
    QApplication::processEvents();
  }
  ~Fenster() {
    beispiel.reset();
    haupt.reset();
    TApplication::SetzeSprache(QStringLiteral("de"));
  }

  std::vector<QWidget*> Alle() const { return {haupt.get(), beispiel.get()}; }

  // Calls `pruefe` with every tab of every tab widget shown in turn,
  // nested ones inside each.
  void Reihum(const std::function<void()>& pruefe) {
    for (QWidget* w : Alle()) Reihum(w, pruefe);
  }

  Meldungen meldungen;
  std::unique_ptr<TForm1> haupt;
  std::unique_ptr<TForm2> beispiel;

 private:
  static void Reihum(QWidget* w, const std::function<void()>& pruefe) {
    std::vector<QTabWidget*> reiter;
    for (QTabWidget* t : w->findChildren<QTabWidget*>()) {
      QWidget* p = t->parentWidget();
      while (p != w && !qobject_cast<QTabWidget*>(p)) p = p->parentWidget();
      if (p == w) reiter.push_back(t);
    }
    if (reiter.empty()) pruefe();
    for (QTabWidget* t : reiter)
      for (int i = 0; i < t->count(); ++i) {
        t->setCurrentIndex(i);
        QApplication::processEvents();
        Reihum(t->widget(i), pruefe);
      }
  }
};

// Finds German in a text: a source text of the catalogue whose English
// differs, an umlaut or ß, or a common German word.
class DeutschFinder {
 public:
  explicit DeutschFinder(const QString& katalog) {
    QFile datei(katalog);
    EXPECT_TRUE(datei.open(QIODevice::ReadOnly)) << katalog.toStdString();
    QXmlStreamReader xml(&datei);
    QString quelle;
    while (!xml.atEnd()) {
      if (xml.readNext() != QXmlStreamReader::StartElement) continue;
      if (xml.name() == QLatin1String("source")) {
        quelle = OhneKuerzel(xml.readElementText());
      } else if (xml.name() == QLatin1String("translation")) {
        const QString englisch =
            OhneKuerzel(xml.readElementText(QXmlStreamReader::IncludeChildElements));
        if (englisch == quelle) continue;
        // A template matches its filled texts; one of placeholders only
        // would match anything.
        if (quelle.contains(QRegularExpression(QStringLiteral("%\\d")))) {
          QString muster = QRegularExpression::escape(quelle);
          muster.replace(QRegularExpression(QStringLiteral("%\\d")), QStringLiteral(".*"));
          if (QString(quelle).remove(QRegularExpression(QStringLiteral("%\\d|\\W"))).size() >= 4)
            vorlagen_.emplace_back(QRegularExpression::anchoredPattern(muster),
                                   QRegularExpression::DotMatchesEverythingOption);
        } else if (!quelle.isEmpty()) {
          quellen_.insert(quelle);
        }
      }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  }

  // Why `text` is German; empty when it is not.
  QString Grund(const QString& roh) const {
    QString text = OhneKuerzel(roh);
    // The language menu names itself and German in both languages.
    if (text == QLatin1String("Deutsch")) return {};
    text.remove(QStringLiteral("Sprache / Language"));
    if (quellen_.count(text)) return QStringLiteral("German source text");
    for (const QRegularExpression& v : vorlagen_)
      if (v.match(text).hasMatch()) return QStringLiteral("German template ") + v.pattern();
    static const QRegularExpression umlaut(QStringLiteral("[äöüÄÖÜß]"));
    static const QRegularExpression wort(
        QStringLiteral("\\b(und|der|die|das|ist|nicht|mit|für|von|oder|ein|eine|auf|bei|wird|"
                       "Zeile|Spalte|Lösung|Speicher|Datei|Seite|Fehler|Ergebnisse?|Werte?|Zahl|"
                       "Gleichung|Formel|Beispiele?|Knoten|Schaltung|Rechenweg|Ortskurve|Eingabe|"
                       "Hilfe|Speichern|Beenden|Neu|Strg|Umschalt|kopieren|einfügen|berechnen|"
                       "rechnen|zeigen|drucken|Bild|Aufgabe|Unbekannte|Frequenz|Spannung|Strom|"
                       "Leistung|Widerstand|Kehrwert|Zeiger|Punkte|Quelle|Ansicht|Darstellung|"
                       "Herleitung|Verfahren|Netzliste|Meldung|Achtung|Zelle|Tabelle|Variablen|"
                       "Komplexe|Zahlen)\\b"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    for (const QRegularExpression* r : {&umlaut, &wort}) {
      const QRegularExpressionMatch m = r->match(text);
      if (m.hasMatch())
        return QStringLiteral("„%1“ in …%2…")
            .arg(m.captured(), text.mid(std::max<qsizetype>(0, m.capturedStart() - 30), 70)
                                   .replace(QLatin1Char('\n'), QLatin1Char(' ')));
    }
    return {};
  }

 private:
  std::set<QString> quellen_;
  std::vector<QRegularExpression> vorlagen_;
};

// Every text a widget shows or tells a screen reader.
QStringList Texte(QWidget* w) {
  QStringList t = {w->toolTip(), w->statusTip(), w->whatsThis(), w->accessibleName(),
                   w->accessibleDescription()};
  if (w->isWindow()) t << w->windowTitle();
  if (auto* l = qobject_cast<QLabel*>(w)) t << l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) t << b->text();
  if (auto* g = qobject_cast<QGroupBox*>(w)) t << g->title();
  if (auto* s = qobject_cast<QStatusBar*>(w)) t << s->currentMessage();
  if (auto* r = qobject_cast<QTabBar*>(w))
    for (int i = 0; i < r->count(); ++i) t << r->tabText(i) << r->tabToolTip(i);
  if (auto* c = qobject_cast<QComboBox*>(w))
    for (int i = 0; i < c->count(); ++i) t << c->itemText(i);
  if (auto* e = qobject_cast<QLineEdit*>(w)) {
    t << e->placeholderText();
    if (e->isReadOnly()) t << e->text();
  }
  if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
    t << e->placeholderText();
    if (e->isReadOnly()) t << e->toPlainText();
  }
  if (auto* e = qobject_cast<QTextEdit*>(w)) {
    t << e->placeholderText();
    if (e->isReadOnly()) t << e->toPlainText();
  }
  if (auto* m = qobject_cast<QMenu*>(w)) {
    t << m->title();
    emit m->aboutToShow();  // menus filled when opened
  }
  for (const QAction* a : w->actions()) t << a->text() << a->toolTip() << a->statusTip();
  // A grid's header is its fixed cells; other views show what the program
  // wrote in every item.
  if (auto* g = qobject_cast<TStringGrid*>(w)) {
    for (int r = 0; r < g->RowCount(); ++r)
      for (int c = 0; c < g->ColCount(); ++c)
        if (r < g->FixedRows() || c < g->FixedCols()) t << g->Cells(c, r);
  } else if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model()) {
    const QAbstractItemModel* m = v->model();
    for (int c = 0; c < m->columnCount(); ++c) t << m->headerData(c, Qt::Horizontal).toString();
    std::function<void(const QModelIndex&)> zeilen = [&](const QModelIndex& eltern) {
      for (int r = 0; r < m->rowCount(eltern); ++r)
        for (int c = 0; c < m->columnCount(eltern); ++c) {
          const QModelIndex i = m->index(r, c, eltern);
          t << i.data().toString() << i.data(Qt::ToolTipRole).toString();
          if (c == 0) zeilen(i);
        }
    };
    zeilen({});
  }
  return t;
}

// What the accessibility tree says, but for the cells: the grids' values
// are the user's and the views' items are read above.
// `bei`: the nearest object, for an interface that has none of its own.
void Zugaenglich(QAccessibleInterface* i, const QObject* bei,
                 const std::function<void(const QObject*, const QString&)>& f) {
  if (!i || !i->isValid()) return;
  if (i->object()) bei = i->object();
  for (QAccessible::Text art :
       {QAccessible::Name, QAccessible::Description, QAccessible::Value, QAccessible::Help})
    f(bei, i->text(art));
  if (i->role() == QAccessible::Cell || i->role() == QAccessible::Row) return;
  for (int k = 0; k < i->childCount(); ++k) Zugaenglich(i->child(k), bei, f);
}

// A widget's context menu's texts, whether the menu opens by popup() or
// runs its own loop by exec().
QStringList Kontextmenue(QWidget* w) {
  QStringList t;
  auto lies = [&t] {
    if (auto* m = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (const QAction* a : m->actions()) t << a->text();
      m->close();
    }
  };
  QTimer::singleShot(0, w, lies);
  const QPoint p = w->rect().center();
  if (w->contextMenuPolicy() == Qt::CustomContextMenu) {
    emit w->customContextMenuRequested(p);
  } else {
    QContextMenuEvent e(QContextMenuEvent::Mouse, p, w->mapToGlobal(p));
    QApplication::sendEvent(w, &e);
  }
  lies();
  QApplication::processEvents();  // the timer, while `t` lives
  return t;
}

TEST(Englisch, NoGermanWordShows) {
  const DeutschFinder deutsch(QStringLiteral(QUORVEL_KATALOG));
  std::map<QString, std::set<QString>> funde;  // German text [why] -> where
  auto pruefe = [&](const QObject* o, const QString& text) {
    if (text.trimmed().isEmpty()) return;
    const QString grund = deutsch.Grund(text);
    if (!grund.isEmpty())
      funde[OhneKuerzel(text).left(80).replace(QLatin1Char('\n'), QStringLiteral(" ⏎ ")) +
            QStringLiteral("  [") + grund + ']']
          .insert(Pfad(o));
  };
  {
    Fenster f("en");
    std::set<QWidget*> mitMenue;
    f.Reihum([&] {
      for (QWidget* fenster : f.Alle()) {
        QList<QWidget*> alle = fenster->findChildren<QWidget*>();
        alle.prepend(fenster);
        for (QWidget* w : alle) {
          for (const QString& t : Texte(w)) pruefe(w, t);
          const bool menue =
              w->contextMenuPolicy() == Qt::CustomContextMenu || qobject_cast<QLineEdit*>(w);
          if (menue && w->isVisible() && mitMenue.insert(w).second)
            for (const QString& t : Kontextmenue(w)) pruefe(w, t);
        }
        Zugaenglich(QAccessible::queryAccessibleInterface(fenster), fenster, pruefe);
      }
      for (QWidget* w : f.haupt->findChildren<QWidget*>())
        if (w->isWindow() && w->isVisible())
          Zugaenglich(QAccessible::queryAccessibleInterface(w), w, pruefe);
    });
  }
  std::string bericht;
  for (const auto& [text, wo] : funde)
    bericht += (text + QStringLiteral("\n    ") +
                QStringList(wo.begin(), wo.end()).join(QStringLiteral("; ")))
                   .toStdString() +
               '\n';
  EXPECT_TRUE(funde.empty()) << "German in the English window:\n" << bericht;
}

TEST(Englisch, TheManualPageShowsTheManualOfTheLanguage) {
  for (const char* sprache : {"de", "en"}) {
    Fenster f(sprache);
    QFile datei(TAnleitungsseite::AnleitungsDatei(QString::fromLatin1(sprache)));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QString memo = Bedinungsanleitung_Memo(*f.haupt)->toPlainText();
    EXPECT_TRUE(memo.endsWith(QString::fromUtf8(datei.readAll()).trimmed())) << sprache;
    EXPECT_EQ(memo.contains(QStringLiteral("\nMANUAL\n")), sprache == std::string_view("en"));
  }
}

// Width a control's text needs, with the control's own margins, frame and
// indicator or arrow, and the width it has.
struct Platz {
  QString text;
  int braucht, hat;
};

void Miss(QWidget* w, std::map<QString, Platz>& masse) {
  if (!w->isVisible()) return;
  const QFontMetrics fm = w->fontMetrics();
  auto merke = [&](const QString& schluessel, const QString& text, int braucht, int hat) {
    // The advance of the last letter may end in blank space; cutting that
    // cuts nothing.
    const QString t = OhneKuerzel(text);
    if (!t.isEmpty()) braucht -= std::max(0, fm.rightBearing(t.back()));
    masse[schluessel] = {text, braucht, hat};
  };
  if (auto* l = qobject_cast<QLabel*>(w); l && !l->text().isEmpty()) {
    // A wrapping label is cut when the lines it needs are higher than it.
    if (l->wordWrap())
      masse[Pfad(w) + QStringLiteral(" (height)")] = {l->text(), l->heightForWidth(l->width()),
                                                      l->height()};
    else
      merke(Pfad(w), l->text(), l->sizeHint().width(), l->width());
  } else if (auto* b = qobject_cast<QPushButton*>(w); b && !b->text().isEmpty()) {
    // The style's minimum width of a text button is no need of the text.
    QStyleOptionButton o;
    o.initFrom(b);
    o.icon = b->icon();
    o.iconSize = b->iconSize();
    int breite = fm.horizontalAdvance(OhneKuerzel(b->text()));
    if (!b->icon().isNull()) breite += b->iconSize().width() + 4;
    merke(Pfad(w), b->text(),
          b->style()
              ->sizeFromContents(QStyle::CT_PushButton, &o, QSize(breite, fm.height()), b)
              .width(),
          b->width());
  } else if (auto* k = qobject_cast<QAbstractButton*>(w); k && !k->text().isEmpty()) {
    // A check or radio box draws its text right of the indicator.
    const bool box = qobject_cast<QCheckBox*>(k) || qobject_cast<QRadioButton*>(k);
    QStyleOptionButton o;
    o.initFrom(k);
    o.text = k->text();
    const QRect inhalt = k->style()->subElementRect(
        qobject_cast<QCheckBox*>(k) ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
        &o, k);
    merke(
        Pfad(w), k->text(),
        box ? inhalt.left() + fm.horizontalAdvance(OhneKuerzel(k->text())) : k->sizeHint().width(),
        k->width());
  } else if (auto* g = qobject_cast<QGroupBox*>(w); g && !g->title().isEmpty()) {
    QStyleOptionGroupBox o;
    o.initFrom(g);
    o.text = g->title();
    o.textAlignment = g->alignment();
    o.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (g->isCheckable()) o.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (g->isFlat()) o.features |= QStyleOptionFrame::Flat;
    const QRect titel =
        g->style()->subControlRect(QStyle::CC_GroupBox, &o, QStyle::SC_GroupBoxLabel, g);
    merke(Pfad(w), g->title(), titel.right() + 1, g->width());
  } else if (auto* c = qobject_cast<QComboBox*>(w); c && c->count() > 0) {
    // The box shows any of its items: the widest must fit.
    QString breitester;
    for (int i = 0; i < c->count(); ++i)
      if (fm.horizontalAdvance(c->itemText(i)) > fm.horizontalAdvance(breitester))
        breitester = c->itemText(i);
    QStyleOptionComboBox o;
    o.initFrom(c);
    o.editable = c->isEditable();
    merke(Pfad(w), breitester,
          c->style()
              ->sizeFromContents(QStyle::CT_ComboBox, &o,
                                 QSize(fm.horizontalAdvance(breitester), fm.height()), c)
              .width(),
          c->width());
  } else if (auto* r = qobject_cast<QTabBar*>(w)) {
    const int rand = r->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, r);
    QStringList texte;
    for (int i = 0; i < r->count(); ++i) {
      texte << r->tabText(i);
      merke(Pfad(w) + QStringLiteral(" tab %1").arg(i), r->tabText(i),
            r->fontMetrics().horizontalAdvance(OhneKuerzel(r->tabText(i))) + rand,
            r->tabRect(i).width());
    }
    // Tabs wider together than their bar hide behind its scroll buttons.
    masse[Pfad(w) + QStringLiteral(" tabs")] = {texte.join(QStringLiteral(" | ")),
                                                r->sizeHint().width(), r->width()};
  }
}

TEST(Englisch, NoControlTextIsCut) {
  if (QGuiApplication::platformName() != QLatin1String("xcb"))
    GTEST_SKIP() << "text widths need real fonts: ctest runs this under xvfb-run";
  std::map<QString, Platz> masse[2];
  const char* sprachen[2] = {"de", "en"};
  for (int s = 0; s < 2; ++s) {
    Fenster f(sprachen[s]);
    f.Reihum([&] {
      for (QWidget* fenster : f.Alle())
        for (QWidget* w : fenster->findChildren<QWidget*>()) Miss(w, masse[s]);
    });
  }
  // Every page was measured, not an empty window.
  EXPECT_GT(masse[1].size(), 60u);
  std::set<QString> schluessel;
  for (const auto& m : masse)
    for (const auto& [k, p] : m)
      if (p.braucht > p.hat) schluessel.insert(k);
  std::string bericht;
  for (const QString& k : schluessel) {
    bericht += k.toStdString() + ':';
    for (int s = 0; s < 2; ++s) {
      const auto p = masse[s].find(k);
      if (p == masse[s].end()) continue;
      bericht += QStringLiteral("  %1 „%2“ needs %3, has %4")
                     .arg(QLatin1String(sprachen[s]), p->second.text.left(60))
                     .arg(p->second.braucht)
                     .arg(p->second.hat)
                     .toStdString();
    }
    bericht += '\n';
  }
  EXPECT_TRUE(schluessel.empty()) << "Texts that do not fit:\n" << bericht;
}

}  // namespace
