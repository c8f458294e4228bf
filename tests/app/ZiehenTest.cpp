// SPDX-License-Identifier: GPL-3.0-or-later
// Right-button drag and drop between the window's controls, and the
// clipboard paths that carry the same texts.
#include <QClipboard>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <array>

#include "ZiehFixture.h"

namespace {

enum class Folge { Kopie, Anhaengen, Nein, Nichts };

constexpr int kQuellen = 9, kZiele = 10;
const char* const kQuellNamen[kQuellen] = {"XL_Label",
                                           "XC_Label",
                                           "ZK_Rechenfeld_Label",
                                           "MatrixTab_StringGrid",
                                           "KxWerte_StringGrid",
                                           "Variablen_StringGrid",
                                           "G_Variablen_StringGrid",
                                           "Winkel_StringGrid",
                                           "Wandel_KE_EK_Edit"};
const char* const kZielNamen[kZiele] = {"MatrixTab_StringGrid",
                                        "Variablen_StringGrid",
                                        "G_Variablen_StringGrid",
                                        "Wandel_KE_EK_Edit",
                                        "ZK_Rechenfeld_Edit",
                                        "Winkel_StringGrid",
                                        "XL_Label",
                                        "XC_Label",
                                        "ZK_Rechenfeld_Label",
                                        "KxWerte_StringGrid"};

// Rows: where the drag is released; columns: where it started, in the
// order of kQuellNamen. The window's own table (ZiehenUndAblegen.cpp) reads
// the same; this one is written out separately so that a slip in either
// shows.
constexpr Folge K = Folge::Kopie, A = Folge::Anhaengen, N = Folge::Nein, O = Folge::Nichts;
constexpr std::array<std::array<Folge, kQuellen>, kZiele> kKombinationen = {{
    // XL XC  =  Mat Kx  K  G  Wi Wa
    {N, N, N, O, K, K, K, N, K},  // MatrixTab_StringGrid
    {K, K, K, K, K, O, K, K, K},  // Variablen_StringGrid
    {K, K, K, K, K, K, O, K, K},  // G_Variablen_StringGrid
    {K, K, K, K, K, K, K, K, O},  // Wandel_KE_EK_Edit
    {A, A, N, N, N, A, A, A, A},  // ZK_Rechenfeld_Edit
    {N, N, N, N, N, N, N, O, N},  // Winkel_StringGrid
    {O, N, N, N, N, N, N, N, N},  // XL_Label
    {N, O, N, N, N, N, N, N, N},  // XC_Label
    {N, N, O, N, N, N, N, N, N},  // ZK_Rechenfeld_Label
    {N, N, N, N, O, N, N, N, N},  // KxWerte_StringGrid
}};

class KombinationTest : public ZiehFixture,
                        public ::testing::WithParamInterface<std::tuple<int, int>> {
 protected:
  // Every source shows its own number; the label of the formula result
  // carries only the part before "=".
  void FuelleQuellen() {
    XL_Label(form1)->setText(QStringLiteral("11"));
    XC_Label(form1)->setText(QStringLiteral("12"));
    ZK_Rechenfeld_Label(form1)->setText(QStringLiteral("13*e^j0,00  =  13"));
    MatrixTab_StringGrid(form1)->SetCell(1, 1, QStringLiteral("14"));
    MatrixTab_StringGrid(form1)->SetCell(2, 1, QStringLiteral("alt"));
    KxWerte_StringGrid(form1)->SetCell(1, 1, QStringLiteral("15*e^j0,00"));
    KxWerte_StringGrid(form1)->SetCell(2, 1, QStringLiteral("15"));
    Variablen_StringGrid(form1)->SetCell(1, 2, QStringLiteral("16"));
    Variablen_StringGrid(form1)->SetCell(1, 4, QStringLiteral("alt"));
    G_Variablen_StringGrid(form1)->SetCell(1, 3, QStringLiteral("17"));
    G_Variablen_StringGrid(form1)->SetCell(1, 4, QStringLiteral("alt"));
    // A row set computes the others: the source's row last.
    Winkel_StringGrid(form1)->SetCell(1, 3, QStringLiteral("alt"));
    Winkel_StringGrid(form1)->SetCell(1, 0, QStringLiteral("18"));
    Wandel_KE_EK_Edit(form1)->setText(QStringLiteral("19"));
    ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("K1+"));
  }
  Stelle Quelle(int q) {
    switch (q) {
      case 0:
        return Mittig(XL_Label(form1), kRechenSeite);
      case 1:
        return Mittig(XC_Label(form1), kRechenSeite);
      case 2:
        return Mittig(ZK_Rechenfeld_Label(form1), kRechenSeite);
      case 3:
        return Zelle(MatrixTab_StringGrid(form1), 1, 1, kMatrixSeite);
      case 4:
        return Zelle(KxWerte_StringGrid(form1), 2, 1, kMatrixSeite);
      case 5:
        return Zelle(Variablen_StringGrid(form1), 1, 2, kUeberall);
      case 6:
        return Zelle(G_Variablen_StringGrid(form1), 1, 3, kUeberall);
      case 7:
        return Zelle(Winkel_StringGrid(form1), 1, 0, kRechenSeite);
      default:
        return Mittig(Wandel_KE_EK_Edit(form1), kUeberall);
    }
  }
  Stelle Ziel(int z) {
    switch (z) {
      case 0:
        return Zelle(MatrixTab_StringGrid(form1), 2, 1, kMatrixSeite);
      case 1:
        return Zelle(Variablen_StringGrid(form1), 1, 4, kUeberall);
      case 2:
        return Zelle(G_Variablen_StringGrid(form1), 1, 4, kUeberall);
      case 3:
        return Mittig(Wandel_KE_EK_Edit(form1), kUeberall);
      case 4:
        return Mittig(ZK_Rechenfeld_Edit(form1), kRechenSeite);
      case 5:
        return Zelle(Winkel_StringGrid(form1), 1, 3, kRechenSeite);
      case 6:
        return Mittig(XL_Label(form1), kRechenSeite);
      case 7:
        return Mittig(XC_Label(form1), kRechenSeite);
      case 8:
        return Mittig(ZK_Rechenfeld_Label(form1), kRechenSeite);
      default:
        return Zelle(KxWerte_StringGrid(form1), 1, 2, kMatrixSeite);
    }
  }
};

TEST_P(KombinationTest, HaeltDieTabelle) {
  const auto [z, q] = GetParam();
  const Folge folge = kKombinationen[size_t(z)][size_t(q)];
  FuelleQuellen();
  const QString getragen = QString::number(11 + q);
  const QString erwartet = q == 2 ? QStringLiteral("13*e^j0,00") : getragen;
  const QStringList vorher = Schnappschuss();

  const Qt::CursorShape cursor = Ziehe(Quelle(q), Ziel(z));

  EXPECT_EQ(form1.Zustand().KopierText(), erwartet);
  EXPECT_EQ(cursor, folge == Folge::Nein ? Qt::ForbiddenCursor : Qt::DragCopyCursor);
  if (folge == Folge::Nein || folge == Folge::Nichts) {
    EXPECT_EQ(Schnappschuss(), vorher);
    return;
  }
  switch (z) {
    case 0:
      EXPECT_EQ(MatrixTab_StringGrid(form1)->Cells(2, 1), erwartet);
      EXPECT_TRUE(KxWerte_StringGrid(form1)->Cells(1, 1).isEmpty());
      EXPECT_TRUE(KxWerte_StringGrid(form1)->Cells(2, 1).isEmpty());
      break;
    case 1:
      EXPECT_EQ(Variablen_StringGrid(form1)->Cells(1, 4), erwartet);
      EXPECT_DOUBLE_EQ(double(form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[4].Realteil),
                       11.0 + q);
      break;
    case 2:
      EXPECT_EQ(G_Variablen_StringGrid(form1)->Cells(1, 4), erwartet);
      EXPECT_DOUBLE_EQ(double(form1.Zustand().Speicher().Werte(aufgabe::Seite::G)[4].Realteil),
                       11.0 + q);
      break;
    case 3:
      EXPECT_EQ(Wandel_KE_EK_Edit(form1)->text(), erwartet);
      break;
    case 4:
      ASSERT_EQ(folge, Folge::Anhaengen);
      EXPECT_EQ(ZK_Rechenfeld_Edit(form1)->text(), QStringLiteral("K1+") + erwartet);
      break;
    default:
      ADD_FAILURE() << kZielNamen[z] << " takes no drop";
  }
}

INSTANTIATE_TEST_SUITE_P(Ziehen, KombinationTest,
                         ::testing::Combine(::testing::Range(0, kZiele),
                                            ::testing::Range(0, kQuellen)),
                         [](const ::testing::TestParamInfo<std::tuple<int, int>>& p) {
                           return std::string(kQuellNamen[std::get<1>(p.param)]) + "_nach_" +
                                  kZielNamen[std::get<0>(p.param)];
                         });

class ZiehenTest : public ZiehFixture {
 protected:
  TStringGrid* M() { return MatrixTab_StringGrid(form1); }
  TStringGrid* X() { return KxWerte_StringGrid(form1); }
  TStringGrid* V() { return Variablen_StringGrid(form1); }
  TStringGrid* G() { return G_Variablen_StringGrid(form1); }
  TStringGrid* W() { return Winkel_StringGrid(form1); }
  QPoint Klick() { return Variablen_GroupBox(form1)->KlickZelle(); }
  Stelle Wandel() { return Mittig(Wandel_KE_EK_Edit(form1), kUeberall); }
  Stelle Formel() { return Mittig(ZK_Rechenfeld_Edit(form1), kRechenSeite); }
  void Tastenkombination(Qt::Key k) {
    QTest::keyClick(form1.windowHandle(), k, Qt::ControlModifier);
  }
};

TEST_F(ZiehenTest, TheCarriedTextIsTrimmedAndCutAsEachSourceSays) {
  struct Fall {
    const char* name;
    std::function<Stelle()> quelle;
    const char* gezeigt;
    const char* getragen;
  };
  auto label = [this](TLabel* l) { return [this, l] { return Mittig(l, kRechenSeite); }; };
  auto zelle = [](TStringGrid* g, int c, int r, int seite) {
    return [=] { return Zelle(g, c, r, seite); };
  };
  const Fall faelle[] = {
      {"reactance label, trimmed", label(XL_Label(form1)), " \t7+j7 \n", "7+j7"},
      {"formula result, before the =", label(ZK_Rechenfeld_Label(form1)), "5*e^j53,13  =  3+j4",
       "5*e^j53,13"},
      {"formula error, whole", label(ZK_Rechenfeld_Label(form1)),
       " Es ist ein Formelfehler aufgetreten. ", "Es ist ein Formelfehler aufgetreten."},
      {"K memory value, before the #", zelle(V(), 1, 1, kUeberall), "3+j4 # Motor", "3+j4"},
      {"K memory comment", zelle(V(), 2, 1, kUeberall), "  Motor ", "Motor"},
      {"angle, before the #", zelle(W(), 1, 4, kRechenSeite), " 1 # tan 45", "1"},
      {"matrix cell, unchanged", zelle(M(), 3, 2, kMatrixSeite), "3+j4 # Motor ", "3+j4 # Motor "},
      {"G memory, unchanged", zelle(G(), 1, 1, kUeberall), " 2 # x ", " 2 # x "},
      {"result header row", zelle(X(), 1, 0, kMatrixSeite), nullptr, "Ergebnis Expotentialform "},
      {"G memory header row", zelle(G(), 1, 0, kUeberall), nullptr, " Gn =1/Kn"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    const Stelle s = f.quelle();
    if (f.gezeigt) {
      const QString text = QString::fromUtf8(f.gezeigt);
      if (auto* l = qobject_cast<TLabel*>(s.widget)) l->setText(text);
      int c = -1, r = -1;
      if (auto* g = qobject_cast<TStringGrid*>(s.widget->parentWidget())) {
        const QPoint p = s.widget->mapTo(g, s.punkt);
        g->MouseToCell(p.x(), p.y(), c, r);
        g->SetCell(c, r, text);
      }
    }
    Ziehe(s, Wandel());
    EXPECT_EQ(Wandel_KE_EK_Edit(form1)->text(), QString::fromUtf8(f.getragen));
  }
  // The conversion edit carries its whole text, blanks included, and the
  // formula edit appends it at the end whatever the caret.
  Wandel_KE_EK_Edit(form1)->setText(QStringLiteral(" 1+j1 "));
  ZK_Rechenfeld_Edit(form1)->setText(QStringLiteral("K1+K2"));
  ZK_Rechenfeld_Edit(form1)->setCursorPosition(1);
  Ziehe(Wandel(), Formel());
  EXPECT_EQ(ZK_Rechenfeld_Edit(form1)->text(), QStringLiteral("K1+K2 1+j1 "));
}

TEST_F(ZiehenTest, ALeftPressNeverDragsAndAMiddlePressOnlyRecordsTheMemoryCell) {
  XL_Label(form1)->setText(QStringLiteral("7"));
  Wandel_KE_EK_Edit(form1)->setText(QStringLiteral("8"));
  for (const Stelle& s : {Mittig(XL_Label(form1), kRechenSeite), Zelle(M(), 1, 1, kMatrixSeite),
                          Zelle(X(), 1, 1, kMatrixSeite), Zelle(V(), 1, 1, kUeberall),
                          Zelle(G(), 1, 1, kUeberall), Zelle(W(), 1, 0, kRechenSeite), Wandel()}) {
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::MiddleButton}) {
      Druecke(s, b);
      EXPECT_FALSE(form1.Ziehen().Aktiv()) << s.widget->parentWidget()->objectName().toStdString();
      Lasse(s, b);
      Taste(Qt::Key_Escape);
    }
  }
  EXPECT_EQ(form1.Zustand().KopierText(), QString(27, QLatin1Char(' ')));

  // Every press in the K memory, whatever the button, records its cell first.
  Druecke(Zelle(V(), 2, 3, kUeberall), Qt::MiddleButton);
  Lasse(Zelle(V(), 2, 3, kUeberall), Qt::MiddleButton);
  EXPECT_EQ(Klick().x(), 2);
  EXPECT_EQ(Klick().y(), 3);
  Druecke(Zelle(V(), 0, 4, kUeberall));  // a row title: recorded, no drag
  EXPECT_FALSE(form1.Ziehen().Aktiv());
  Lasse(Zelle(V(), 0, 4, kUeberall));
  EXPECT_EQ(Klick().x(), 0);
  EXPECT_EQ(Klick().y(), 4);
  const int rechts = V()->viewport()->width() - 2;
  ASSERT_LT(V()->columnAt(rechts), 0) << "no room right of the last column";
  const Stelle daneben{V()->viewport(), QPoint(rechts, Mitte(V(), 1, 2).y()), kUeberall};
  Druecke(daneben, Qt::LeftButton);
  Lasse(daneben, Qt::LeftButton);
  EXPECT_LT(Klick().x(), 0);
  EXPECT_EQ(Klick().y(), 2);
}

TEST_F(ZiehenTest, EditorModesOnARightPressFollowEachGridsRule) {
  // The matrix leaves editor mode on every right press, even without a drag.
  KlickeZelle(M(), 2, 1);
  ASSERT_TRUE(M()->EditorMode());
  Druecke(Zelle(M(), 0, 1, kMatrixSeite));
  EXPECT_FALSE(form1.Ziehen().Aktiv());
  EXPECT_FALSE(M()->EditorMode());
  Lasse(Zelle(M(), 0, 1, kMatrixSeite));

  // The K memory only when a drag starts.
  KlickeZelle(V(), 1, 2);
  ASSERT_TRUE(V()->EditorMode());
  Druecke(Zelle(V(), 0, 4, kUeberall));
  EXPECT_TRUE(V()->EditorMode());
  Lasse(Zelle(V(), 0, 4, kUeberall));
  Ziehe(Zelle(V(), 1, 4, kUeberall), Wandel());
  EXPECT_FALSE(V()->EditorMode());

  // The G memory keeps it.
  G()->SetCell(1, 4, QStringLiteral("0,5"));
  KlickeZelle(G(), 1, 2);
  ASSERT_TRUE(G()->EditorMode());
  Ziehe(Zelle(G(), 1, 4, kUeberall), Wandel());
  EXPECT_TRUE(G()->EditorMode());
  EXPECT_EQ(Wandel_KE_EK_Edit(form1)->text(), QStringLiteral("0,5"));
}

TEST_F(ZiehenTest, APressOnTheEditedCellReachesTheEditorUntilEscape) {
  Seite(kMatrixSeite);
  KlickeZelle(M(), 2, 1);
  Tippe(QStringLiteral("42"));
  ASSERT_TRUE(M()->EditorMode());
  Druecke(Zelle(M(), 2, 1, kMatrixSeite));
  EXPECT_FALSE(form1.Ziehen().Aktiv());
  EXPECT_TRUE(M()->EditorMode());
  Lasse(Zelle(M(), 2, 1, kMatrixSeite));
  if (QWidget* menue = QApplication::activePopupWidget()) menue->close();  // the editor's own
  Taste(Qt::Key_Escape);
  EXPECT_FALSE(M()->EditorMode());
  Ziehe(Zelle(M(), 2, 1, kMatrixSeite), Wandel());
  EXPECT_EQ(Wandel_KE_EK_Edit(form1)->text(), QStringLiteral("42"));
}

TEST_F(ZiehenTest, ADropOnAFixedMatrixCellWritesNoCellButEmptiesTheResults) {
  V()->SetCell(1, 1, QStringLiteral("5"));
  X()->SetCell(1, 2, QStringLiteral("2*e^j0,00"));
  X()->SetCell(2, 2, QStringLiteral("2"));
  const QString titel = M()->Cells(0, 1);
  EXPECT_EQ(Ziehe(Zelle(V(), 1, 1, kUeberall), Zelle(M(), 0, 1, kMatrixSeite)), Qt::DragCopyCursor);
  EXPECT_EQ(M()->Cells(0, 1), titel);
  EXPECT_TRUE(X()->Cells(1, 2).isEmpty());
  EXPECT_TRUE(X()->Cells(2, 2).isEmpty());
}

TEST_F(ZiehenTest, MemoryDropsOnlyTakeTheValueColumn) {
  XL_Label(form1)->setText(QStringLiteral("7"));
  V()->SetCell(2, 4, QStringLiteral("Motor"));
  const QStringList vorher = Schnappschuss();
  for (const Stelle& s : {Zelle(V(), 2, 4, kUeberall), Zelle(V(), 0, 4, kUeberall),
                          Zelle(V(), 1, 0, kUeberall), Zelle(G(), 1, 0, kUeberall)})
    EXPECT_EQ(Ziehe(Mittig(XL_Label(form1), kRechenSeite), s), Qt::DragCopyCursor);
  EXPECT_EQ(Schnappschuss(), vorher);
}

TEST_F(ZiehenTest, AReleaseOutsideEveryTargetEndsTheDragWithoutEffect) {
  XL_Label(form1)->setText(QStringLiteral("7"));
  const QStringList vorher = Schnappschuss();
  // The instructions page: nothing there takes a drag.
  EXPECT_EQ(Ziehe(Mittig(XL_Label(form1), kRechenSeite), Mittig(Bedinungsanleitung_Memo(form1), 2)),
            Qt::ForbiddenCursor);
  EXPECT_EQ(
      Ziehe(Mittig(XL_Label(form1), kRechenSeite), Mittig(ClearVarSpeicher_Button(form1), -1)),
      Qt::ForbiddenCursor);
  // A later release over a target without a new press drops nothing.
  QTest::mouseMove(form1.windowHandle(), ImFenster(Wandel()));
  Lasse(Wandel());
  EXPECT_EQ(Schnappschuss(), vorher);
}

TEST_F(ZiehenTest, TheFormulaEditTakesDropsPastItsTypingLimit) {
  XL_Label(form1)->setText(QStringLiteral("+1"));
  ZK_Rechenfeld_Edit(form1)->setText(QString(254, QLatin1Char('1')));
  Ziehe(Mittig(XL_Label(form1), kRechenSeite), Formel());
  EXPECT_EQ(ZK_Rechenfeld_Edit(form1)->text().size(), 256);
  EXPECT_TRUE(ZK_Rechenfeld_Edit(form1)->text().endsWith(QStringLiteral("1+1")));
  // Typing still stops at the limit.
  ZK_Rechenfeld_Edit(form1)->setFocus();
  Tippe(QStringLiteral("2"));
  EXPECT_EQ(ZK_Rechenfeld_Edit(form1)->text().size(), 256);
  Taste(Qt::Key_Backspace);
  Tippe(QStringLiteral("2"));
  EXPECT_EQ(ZK_Rechenfeld_Edit(form1)->text().size(), 255);
}

TEST_F(ZiehenTest, CtrlCCopiesWhatADragWouldCarryFromTheCurrentCell) {
  Seite(kMatrixSeite);
  X()->SetCell(2, 2, QStringLiteral("3+j4"));
  Waehle(X(), 2, 2);
  Tastenkombination(Qt::Key_C);  // the result grid refuses every other key
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("3+j4"));

  V()->SetCell(1, 3, QStringLiteral(" 3+j4 # Motor"));
  Waehle(V(), 1, 3);
  Tastenkombination(Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("3+j4"));
}

TEST_F(ZiehenTest, CtrlVInAGridIsTypingTheClipboardIntoTheCurrentCell) {
  // The memory recomputes the other side.
  QApplication::clipboard()->setText(QStringLiteral("4"));
  V()->SetCell(1, 3, QStringLiteral("alt"));
  Waehle(V(), 1, 3);
  Tastenkombination(Qt::Key_V);
  EXPECT_EQ(V()->Cells(1, 3), QStringLiteral("4"));
  EXPECT_DOUBLE_EQ(double(form1.Zustand().Speicher().Werte(aufgabe::Seite::K)[3].Realteil), 4.0);
  EXPECT_DOUBLE_EQ(double(form1.Zustand().Speicher().Werte(aufgabe::Seite::G)[3].Realteil), 0.25);
  EXPECT_FALSE(G()->Cells(1, 3).isEmpty());
  EXPECT_TRUE(V()->EditorMode()) << "typing goes on in the cell";

  // The matrix clears its results and turns a point into a comma.
  Seite(kMatrixSeite);
  QApplication::clipboard()->setText(QStringLiteral("2.5"));
  X()->SetCell(2, 1, QStringLiteral("3"));
  Waehle(M(), 3, 2);
  Tastenkombination(Qt::Key_V);
  EXPECT_EQ(M()->Cells(3, 2), QStringLiteral("2,5"));
  EXPECT_TRUE(X()->Cells(2, 1).isEmpty());

  // Nothing goes into the result grid, and an empty clipboard changes nothing.
  Waehle(X(), 1, 1);
  Tastenkombination(Qt::Key_V);
  EXPECT_TRUE(X()->Cells(1, 1).isEmpty());
  QApplication::clipboard()->clear();
  Taste(Qt::Key_Escape);
  V()->setFocus();
  Tastenkombination(Qt::Key_V);
  EXPECT_EQ(V()->Cells(1, 3), QStringLiteral("4"));
}

TEST_F(ZiehenTest, AResultLabelOffersKopierenOnARightClickThatStaysOnIt) {
  ZK_Rechenfeld_Label(form1)->setText(QStringLiteral("5*e^j53,13  =  3+j4"));
  QApplication::clipboard()->clear();
  const Stelle label = Mittig(ZK_Rechenfeld_Label(form1), kRechenSeite);
  // Released elsewhere: a drag, no menu.
  Ziehe(label, Formel());
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

  Ziehe(label, label);
  auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
  ASSERT_NE(menue, nullptr);
  ASSERT_EQ(menue->actions().size(), 1);
  QAction* kopieren = menue->actions().front();
  EXPECT_EQ(kopieren->text(), QStringLiteral("Kopieren"));
  QTest::mouseClick(menue, Qt::LeftButton, {}, menue->actionGeometry(kopieren).center());
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("5*e^j53,13"));
  EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

}  // namespace

namespace {

// X1 + X2 = 3, X1 - X2 = 1+j2 gives X1 = 2+j1, shown as 2,236067977*e^j26,57:
// its angle has two decimals, so the text alone stands for 3,999827238+...
// when doubled.
class KopierterWertTest : public ZiehenTest {
 protected:
  void SetUp() override {
    ZiehenTest::SetUp();
    Seite(kMatrixSeite);
    Loese();
  }
  void Loese() {
    AnzahlMatrix_Edit(form1)->setText(QStringLiteral("2"));
    const char* zellen[2][3] = {{"3", "1", "1"}, {"1+j2", "1", "-1"}};
    for (int r = 1; r <= 2; ++r)
      for (int c = 1; c <= 3; ++c) M()->SetCell(c, r, QLatin1String(zellen[r - 1][c - 1]));
    Berechnen_BitBtn(form1)->click();
    ASSERT_EQ(X()->Cells(1, 1), QStringLiteral("2,236067977*e^j26,57"));
  }
  void TearDown() override { QApplication::clipboard()->clear(); }
  QString Formel(const QString& formel) {
    ZK_Rechenfeld_Edit(form1)->setText(formel);
    ist_gleich_Button(form1)->click();
    return ZK_Rechenfeld_Label(form1)->text();
  }
  const QString kVoll = QStringLiteral("4,472135955*e^j26,57  =  4+j2");
  const QString kGerundet = QStringLiteral("4,472135954*e^j26,57  =  3,999827238+j2,000345485");
};

TEST_F(KopierterWertTest, KeepsItsNumberWhenDraggedOrCopiedUntilItsTextIsEdited) {
  Ziehe(Zelle(X(), 1, 1, kMatrixSeite), Zelle(V(), 1, 1, kUeberall));
  Waehle(X(), 1, 1);
  Tastenkombination(Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(), X()->Cells(1, 1)) << "other programs get the text";
  EXPECT_TRUE(QApplication::clipboard()->mimeData()->hasFormat("application/x-quorvel-wert"));
  Waehle(V(), 1, 2);
  Tastenkombination(Qt::Key_V);
  Taste(Qt::Key_Escape);
  EXPECT_EQ(V()->Cells(1, 2), X()->Cells(1, 1));
  EXPECT_EQ(Formel(QStringLiteral("K1*2")), kVoll);
  EXPECT_EQ(Formel(QStringLiteral("K2*2")), kVoll);

  // In the formula, a pasted operand until the formula is edited.
  Formel(QStringLiteral("2*"));
  ZK_Rechenfeld_Edit(form1)->setFocus();
  ZK_Rechenfeld_Edit(form1)->end(false);
  Tastenkombination(Qt::Key_V);
  Taste(Qt::Key_Return);
  EXPECT_EQ(ZK_Rechenfeld_Label(form1)->text(), kVoll);
  Taste(Qt::Key_Space);
  Taste(Qt::Key_Return);
  EXPECT_EQ(ZK_Rechenfeld_Label(form1)->text(), kGerundet);

  // A matrix cell solves with the value dropped there.
  Ziehe(Zelle(X(), 1, 1, kMatrixSeite), Zelle(M(), 1, 1, kMatrixSeite));
  AnzahlMatrix_Edit(form1)->setText(QStringLiteral("1"));
  M()->SetCell(2, 1, QStringLiteral("1"));
  Berechnen_BitBtn(form1)->click();
  EXPECT_EQ(X()->Cells(2, 1), QStringLiteral("2+j1"));

  // Edited back to the same text, K1 is read from its text again.
  Waehle(V(), 1, 1);
  V()->SetEditorMode(true);
  Taste(Qt::Key_End);
  Tippe(QStringLiteral("0"));
  Taste(Qt::Key_Backspace);
  Taste(Qt::Key_Escape);
  EXPECT_EQ(V()->Cells(1, 1), QStringLiteral("2,236067977*e^j26,57"));
  EXPECT_EQ(Formel(QStringLiteral("K1*2")), kGerundet);

  // A block copy carries a value per cell, and a block paste keeps them.
  Loese();
  X()->setFocus();
  for (int r = 0; r < 2; ++r)
    X()->selectionModel()->select(X()->model()->index(r, 0), QItemSelectionModel::Select);
  Tastenkombination(Qt::Key_C);
  Waehle(M(), 1, 1);
  Tastenkombination(Qt::Key_V);
  ASSERT_EQ(M()->Cells(2, 1), QStringLiteral("2,236067977*e^j26,57"));
  const std::optional<ZKZahl> wert = form1.Zustand().System().Zellwert(1, 2);
  ASSERT_TRUE(wert);
  EXPECT_NEAR(double(wert->Realteil), 2.0, 1e-15);
}

}  // namespace
