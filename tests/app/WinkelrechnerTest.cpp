// SPDX-License-Identifier: GPL-3.0-or-later
// The angle grid, typed into key by key as a user does.
#include <QLineEdit>
#include <array>

#include "RechnerFixture.h"

namespace {

constexpr int kDeg = 0, kRad = 1, kSin = 2, kCos = 3, kTan = 4, kCot = 5, kGon = 6;

}  // namespace

class Winkelrechner : public RechnerTest {
 protected:
  TStringGrid* Grid() { return Element<TStringGrid>("Winkel_StringGrid"); }

  // Opens the editor on the value cell of a row, empties it and types.
  QLineEdit* Tippe(int zeile, const QString& text) {
    Waehle(Grid(), 1, zeile);
    Grid()->SetEditorMode(true);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    EXPECT_NE(editor, nullptr);
    if (editor == nullptr) return nullptr;
    editor->selectAll();
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, text);
    return editor;
  }
  QString Zelle(int zeile) { return Grid()->Cells(1, zeile); }
  std::array<QString, 7> Zeilen() {
    std::array<QString, 7> z;
    for (int i = 0; i < 7; ++i) z[static_cast<std::size_t>(i)] = Zelle(i);
    return z;
  }
};

// Typing into any row writes every other row's cell and leaves the typed
// one as it is (the values themselves are the angle logic's business).
TEST_F(Winkelrechner, EachRowGivesAllOthers) {
  struct Fall {
    int zeile;
    const char* eingabe;
    std::array<const char*, 7> erwartet;
  };
  const Fall faelle[] = {
      {kDeg, "90", {"90", "1,570796327", "1", "0.0", "Error", "0.0", "100"}},
      {kCot, "1", {"45", "0,7853981634", "0,7071067812", "0,7071067812", "1", "1", "50"}},
  };
  for (const Fall& f : faelle) {
    Tippe(f.zeile, QString::fromUtf8(f.eingabe));
    const auto zeilen = Zeilen();
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(zeilen[static_cast<std::size_t>(i)], QString::fromUtf8(f.erwartet[i]))
          << "typed " << f.eingabe << " in row " << f.zeile << ", row " << i;
  }
}

// A typed point is a comma at once, the editor stays open and the caret
// stays where the user types.
TEST_F(Winkelrechner, PointBecomesCommaWhileTyping) {
  QLineEdit* editor = Tippe(kDeg, "1.5");
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(Zelle(kDeg), "1,5");
  EXPECT_TRUE(Grid()->EditorMode());
  EXPECT_EQ(editor->text(), "1,5");
  EXPECT_EQ(editor->cursorPosition(), 3);
  EXPECT_EQ(Zelle(kGon), "1,666666667");
  QTest::keyClicks(editor, "2.");  // only the first point: a second one is no number
  EXPECT_EQ(editor->text(), "1,52,");
  EXPECT_EQ(Zelle(kGon), "");
}

// Sine or cosine beyond -1..1 is replaced by the nearest bound, in the cell
// and in the open editor.
TEST_F(Winkelrechner, SineAndCosineAreClampedToTheNearestBound) {
  struct Fall {
    int zeile;
    const char* eingabe;
    const char* zelle;
    const char* grad;
  };
  const Fall faelle[] = {{kSin, "1.5", "1", "90"}, {kCos, "-2", "-1", "180"}};
  for (const Fall& f : faelle) {
    QLineEdit* editor = Tippe(f.zeile, QString::fromUtf8(f.eingabe));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(Zelle(f.zeile), f.zelle) << f.eingabe;
    EXPECT_EQ(editor->text(), f.zelle) << f.eingabe;
    EXPECT_EQ(Zelle(kDeg), f.grad) << f.eingabe;
  }
}

TEST_F(Winkelrechner, TextThatIsNoNumberEmptiesTheOtherRows) {
  QLineEdit* editor = Tippe(kDeg, "45");
  ASSERT_NE(editor, nullptr);
  ASSERT_EQ(Zelle(kTan), "1");
  QTest::keyClick(editor, Qt::Key_X);
  EXPECT_EQ(Zelle(kDeg), "45x");
  for (int i = 1; i < 7; ++i) EXPECT_EQ(Zelle(i), "") << i;
  QTest::keyClick(editor, Qt::Key_Backspace);
  EXPECT_EQ(Zelle(kTan), "1");
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Backspace);
  EXPECT_EQ(Zelle(kDeg), "");
  for (int i = 1; i < 7; ++i) EXPECT_EQ(Zelle(i), "") << i;
}

TEST_F(Winkelrechner, WritesGeneral10WhateverTheDisplayFormat) {
  Format(Exponent);
  Tippe(kDeg, "90");
  EXPECT_EQ(Zelle(kRad), "1,570796327");
  EXPECT_EQ(Zelle(kGon), "100");
}
