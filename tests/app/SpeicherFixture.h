// SPDX-License-Identifier: GPL-3.0-or-later
// A shown main window on the offscreen platform for the formula field and
// memory tests: controls found by objectName, keys typed one at a time into
// whatever has the focus, message boxes answered from a script.
#ifndef QUORVEL_TESTS_APP_SPEICHERFIXTURE_H
#define QUORVEL_TESTS_APP_SPEICHERFIXTURE_H

#include <QHeaderView>
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstring>
#include <string>

#include "Fenster.h"
#include "complex/ZKText.h"
#include "logik/Formelergebnis.h"

namespace speicher_test {

// Expected values are worked out with std::complex, apart from the core.
using Komplex = std::complex<long double>;

inline Komplex Polar(long double betrag, long double grad) {
  return std::polar(betrag, grad * std::acos(-1.0L) / 180.0L);
}

// Equal within `rel` of the larger magnitude (10 significant digits by default).
inline ::testing::AssertionResult Nahe(const ZKZahl& ist, Komplex soll, double rel = 1e-9) {
  const Komplex z(ist.Realteil, ist.Imaginaerteil);
  const long double d = std::abs(z - soll);
  const long double skala = std::max({std::abs(z), std::abs(soll), 1e-300L});
  if (std::isfinite(static_cast<double>(d)) && d <= rel * skala)
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "(" << static_cast<double>(z.real()) << ", " << static_cast<double>(z.imag())
         << ") is not (" << static_cast<double>(soll.real()) << ", "
         << static_cast<double>(soll.imag()) << ")";
}

// The exponential form shows the angle with two decimals (General).
constexpr double kWinkelGenau = 1e-4;

inline Komplex AlsKomplex(const ZKZahl& z) {
  return {z.Realteil, z.Imaginaerteil};
}

// The text the other side's cell must show for a value.
inline QString ExpZelle(Komplex z, int format = General) {
  ZKZahl w;
  w.SetzeKartesisch(z.real(), z.imag());
  return AusAnsi(ExponentialText(w, format));
}

class SpeicherFixture : public FensterTest {
 protected:
  TStringGrid* K() { return Element<TStringGrid>("Variablen_StringGrid"); }
  TStringGrid* G() { return Element<TStringGrid>("G_Variablen_StringGrid"); }
  TEdit* Formel() { return Element<TEdit>("ZK_Rechenfeld_Edit"); }
  TLabel* Ergebnis() { return Element<TLabel>("ZK_Rechenfeld_Label"); }
  Modell& Zustand() { return form_->Zustand(); }

  static QWidget* Fokus() { return QApplication::focusWidget(); }

  // Each character as its own key press to the focused widget, so that the
  // handlers run per keystroke as they do for a user.
  void Tippe(const QString& text) {
    for (QChar c : text) {
      QWidget* w = Fokus();
      ASSERT_NE(w, nullptr);
      QTest::keyClick(w, c.toLatin1());
    }
  }
  void Taste(Qt::Key k) {
    QWidget* w = Fokus();
    ASSERT_NE(w, nullptr);
    QTest::keyClick(w, k);
  }

  // Makes the cell current and types into it; the first key opens the
  // editor over the cell's old text. Escape leaves the editor afterwards.
  void TippeInZelle(TStringGrid* grid, int col, int row, const QString& text) {
    Waehle(grid, col, row);
    Tippe(text);
    Taste(Qt::Key_Escape);
  }

  void TippeFormel(const QString& text) {
    Formel()->setFocus();
    Formel()->clear();
    Tippe(text);
  }
  // The label's value, read from its component form behind the separator.
  ZKZahl Ergebniswert() {
    const QString text = Ergebnis()->text();
    const qsizetype pos = text.indexOf(QLatin1String(kTrenner));
    EXPECT_GE(pos, 0) << text.toStdString();
    return Wert(text.mid(pos + qsizetype(std::strlen(kTrenner))));
  }
};

}  // namespace speicher_test

#endif
