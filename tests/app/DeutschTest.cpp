// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in the windows are German whatever the locale is; ctest
// runs these once more under LANG=C and LANG=de_DE.UTF-8. And the window
// chosen to speak English does so in every layer of its texts.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "Fenster.h"
#include "sprache/Sprachwahl.h"

namespace {

class Deutsch : public FensterTest {
 protected:
  // The texts of a widget's context menu without separators, each without
  // its shortcut; every shortcut is written the German way.
  static QStringList Menuetexte(QWidget* w) {
    QMenu* menue = Kontextmenue(w);
    if (!menue) return {};
    QStringList texte;
    for (const QAction* a : menue->actions()) {
      if (a->isSeparator()) continue;
      texte << a->text().section(QLatin1Char('\t'), 0, 0);
      const QString kuerzel = a->text().section(QLatin1Char('\t'), 1);
      EXPECT_TRUE(kuerzel.isEmpty() || kuerzel.startsWith(QStringLiteral("Strg+")))
          << kuerzel.toStdString();
    }
    menue->close();
    return texte;
  }
};

const QStringList kMenue = {QStringLiteral("&Rückgängig"),    QStringLiteral("Wieder&herstellen"),
                            QStringLiteral("&Ausschneiden"),  QStringLiteral("&Kopieren"),
                            QStringLiteral("Einf&ügen"),      QStringLiteral("Löschen"),
                            QStringLiteral("Alles auswählen")};

TEST_F(Deutsch, TheContextMenusOfAnEditAndOfACellEditorAreGerman) {
  Seite(0);
  KlickeZelle(MatrixTab_StringGrid(form1), 2, 1);
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Menuetexte(editor), kMenue);
  EXPECT_EQ(Menuetexte(AnzahlMatrix_Edit(form1)), kMenue);
  Seite(1);
  EXPECT_EQ(Menuetexte(ZK_Rechenfeld_Edit(form1)), kMenue);
}

// English from before the windows are built to after they are gone; the
// message box the program shows when no test answers for it is kept.
struct Englisch {
  Englisch() {
    TApplication::SetzeSprache(QStringLiteral("en"));
    echteMeldung = TApplication::SetzeMeldungsFunktion({});
    TApplication::SetzeMeldungsFunktion(echteMeldung);
  }
  ~Englisch() { TApplication::SetzeSprache(QStringLiteral("de")); }
  TApplication::MeldungsFunktion echteMeldung;
};

class EnglischesFenster : private Englisch, public FensterTest {
 protected:
  using Englisch::echteMeldung;
};

TEST_F(EnglischesFenster, FormsCodeAndMessageBoxesSpeakEnglish) {
  ASSERT_EQ(sprache::AktuelleSprache(), QStringLiteral("en"));
  QTabWidget* seiten = TabbedNotebook(form1);
  EXPECT_EQ(seiten->tabText(0), QStringLiteral("Gauss Algorithm with Complex Numbers"));
  EXPECT_EQ(seiten->tabText(seiten->count() - 1), QStringLiteral("Locus"));
  EXPECT_EQ(Clear_Tabelle_Button(form1)->text(), QStringLiteral("Clear table"));

  // The page's question in the box the program really shows.
  QString titel, text;
  QStringList knoepfe;
  QTimer suche;
  QObject::connect(&suche, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    titel = box->windowTitle();
    text = box->text();
    for (QAbstractButton* b : box->buttons()) knoepfe << b->text();
    for (QAbstractButton* b : box->buttons())
      if (box->buttonRole(b) == QMessageBox::NoRole) b->click();
  });
  suche.start(10);
  const auto test = TApplication::SetzeMeldungsFunktion(echteMeldung);
  Clear_Tabelle_Button(form1)->click();
  TApplication::SetzeMeldungsFunktion(test);
  EXPECT_EQ(titel, QStringLiteral("Attention!"));
  EXPECT_EQ(text, QStringLiteral("Do you really want to clear the table?"));
  EXPECT_EQ(knoepfe, (QStringList{QStringLiteral("&Yes"), QStringLiteral("&No")}));
}

}  // namespace
