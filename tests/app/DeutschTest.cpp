// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's own texts in the windows are German whatever the locale is; ctest
// runs these once more under LANG=C and LANG=de_DE.UTF-8.
#include "Fenster.h"

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

}  // namespace
