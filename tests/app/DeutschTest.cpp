// Qt's own texts in the windows are German whatever the locale is; ctest
// runs these once more under LANG=C and LANG=de_DE.UTF-8.
#include "Fenster.h"

namespace {

class Deutsch : public FensterTest {
 protected:
  // The texts of a widget's context menu, without separators.
  static QStringList Menuetexte(QWidget* w) {
    QMenu* menue = Kontextmenue(w);
    if (!menue) return {};
    QStringList texte;
    for (const QAction* a : menue->actions())
      if (!a->isSeparator()) texte << a->text();
    menue->close();
    return texte;
  }
};

const QStringList kMenue = {
    QStringLiteral("&Rückgängig\tStrg+Z"),    QStringLiteral("Wieder&herstellen\tStrg+Y"),
    QStringLiteral("&Ausschneiden\tStrg+X"),  QStringLiteral("&Kopieren\tStrg+C"),
    QStringLiteral("Einf&ügen\tStrg+V"),      QStringLiteral("Löschen"),
    QStringLiteral("Alles auswählen\tStrg+A")};

TEST_F(Deutsch, TheContextMenusOfAnEditAndOfACellEditorAreGerman) {
  Seite(0);
  KlickeZelle(form1.MatrixTab_StringGrid, 2, 1);
  auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Menuetexte(editor), kMenue);
  EXPECT_EQ(Menuetexte(form1.AnzahlMatrix_Edit), kMenue);
  Seite(1);
  EXPECT_EQ(Menuetexte(form1.ZK_Rechenfeld_Edit), kMenue);
}

}  // namespace
