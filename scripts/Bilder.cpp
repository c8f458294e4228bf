// Pictures and listings for looking at, not checks (scripts/bilder runs it):
//   bilder seiten DIR      each notebook page and the example window, as
//                          the widgets draw themselves (any platform)
//   bilder bildschirm DIR  the whole screen: the example window beside the
//                          main window, an edit's German context menu
//                          (a real X server: QT_QPA_PLATFORM=xcb)
//   bilder zeiger DIR      the phasor page: the formula field's example 11
//                          and an example system, alone and as a chain
//   bilder fokusfolge      what a screen reader reads on the matrix page,
//                          in focus order
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QScreen>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>
#include <cstdio>
#include <cstring>

#include "app/Beispiel.h"
#include "app/MainQuorvel.h"
#include "app/Zeigerdiagramm.h"
#include "forms/Anwendung.h"

namespace {

void Seite(TForm1& form1, int i) {
  form1.TabbedNotebook->SetPageIndex(i);
  QApplication::processEvents();
}

void Seitenbilder(TForm1& form1, TForm2& form2, const QString& ziel) {
  form1.Zustand.FesterZufallsSamen = 1;
  QTest::mouseClick(form1.BeispielAufgaben_BitBtn, Qt::LeftButton);
  for (int i = 0; i < 3; ++i) {
    Seite(form1, i);
    form1.grab().save(QStringLiteral("%1/seite%2.png").arg(ziel).arg(i));
  }
  form2.grab().save(ziel + QStringLiteral("/beispiel.png"));
}

void Bildschirmfotos(TForm1& form1, const QString& ziel) {
  auto foto = [&](const char* name) {
    QTest::qWait(500);
    QGuiApplication::primaryScreen()->grabWindow(0).save(ziel + QLatin1Char('/') +
                                                         QLatin1String(name));
  };
  Seite(form1, 0);
  form1.Zustand.FesterZufallsSamen = 5;
  QTest::mouseClick(form1.BeispielAufgaben_BitBtn, Qt::LeftButton);
  QTest::mouseClick(form1.BeispielAufgaben_BitBtn, Qt::LeftButton);
  foto("beispiel-neben.png");
  Seite(form1, 1);
  QLineEdit* formel = form1.ZK_Rechenfeld_Edit;
  formel->setText(QStringLiteral("(3+j4)*K1"));
  formel->selectAll();
  const QPoint p(5, formel->height() / 2);
  QContextMenuEvent e(QContextMenuEvent::Mouse, p, formel->mapToGlobal(p));
  QApplication::sendEvent(formel, &e);
  foto("kontextmenue.png");
}

void Zeigerbilder(TForm1& form1, TForm2& form2, const QString& ziel) {
  constexpr int kZeigerSeite = 3;
  TZeigerdiagramm* seite = form1.Zeigerdiagramm_Seite;
  auto gruppe = [seite](int q) { return seite->Werte_Liste->topLevelItem(q); };
  auto bild = [&](const char* name) {
    QApplication::processEvents();
    form1.grab().save(QStringLiteral("%1/%2.png").arg(ziel, QLatin1String(name)));
  };
  // The formula field's example 11: three currents and their sum.
  for (int i = 0; i < 11; ++i) form1.Beispiel_BitBtnClick();
  Seite(form1, kZeigerSeite);
  bild("zeiger_beispiel11");
  seite->Kette_CheckBox->setChecked(true);
  gruppe(2)->child(0)->setCheckState(0, Qt::Unchecked);
  bild("zeiger_beispiel11_kette");

  // A level-3 example system at n = 5, alone.
  seite->Kette_CheckBox->setChecked(false);
  gruppe(0)->setCheckState(0, Qt::Unchecked);
  form1.AnzahlMatrix_Edit->setText(QStringLiteral("5"));
  form1.Zustand.FesterZufallsSamen = 7;
  for (int i = 0; i < 3; ++i) form1.BeispielAufgaben_BitBtnClick();
  form2.hide();
  Seite(form1, kZeigerSeite);
  bild("zeiger_stufe3_n5");
  seite->Kette_CheckBox->setChecked(true);
  bild("zeiger_stufe3_n5_kette");
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
  form1.TabbedNotebook->tabBar()->setFocus();
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

}  // namespace

int main(int argc, char** argv) {
  const char* art = argc > 1 ? argv[1] : "";
  const QString ziel = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(".");
  if (std::strcmp(art, "seiten") != 0 && std::strcmp(art, "bildschirm") != 0 &&
      std::strcmp(art, "zeiger") != 0 && std::strcmp(art, "fokusfolge") != 0) {
    std::fprintf(stderr, "bilder seiten|bildschirm|zeiger DIR, bilder fokusfolge\n");
    return 2;
  }
  QApplication app(argc, argv);
  TApplication::Initialize();
  TForm1 form1;
  TForm2 form2;
  form1.Form2 = &form2;
  form1.show();
  if (!QTest::qWaitForWindowExposed(&form1)) return 1;
  if (std::strcmp(art, "seiten") == 0)
    Seitenbilder(form1, form2, ziel);
  else if (std::strcmp(art, "bildschirm") == 0)
    Bildschirmfotos(form1, ziel);
  else if (std::strcmp(art, "zeiger") == 0)
    Zeigerbilder(form1, form2, ziel);
  else
    Fokusfolge(form1);
  return 0;
}
