// SPDX-License-Identifier: GPL-3.0-or-later
// Example tasks: random linear systems with a known solution, in three
// levels, written into the matrix grid, explained in the example window and
// solved by the matrix page.
#include <QCheckBox>
#include <array>
#include <charconv>
#include <chrono>

#include "app/Beispiel.h"
#include "app/MainQuorvel.h"
#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "forms/Anwendung.h"
#include "logik/Beispielsystem.h"

namespace {

// A double as a text that reads back to it, with the program's decimal
// comma: the shortest such text in General ("1234,5678901234567", "1,5E-05"),
// 17 significant digits in Exponent ("1,2345678901234567E+03").
std::string GenaueZahl(double x, int format) {
  char puffer[64];
  const std::to_chars_result ende =
      format == Exponent
          ? std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific, 16)
          : std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general);
  std::string text(puffer, ende.ptr);
  for (char& c : text) {
    if (c == '.') c = ',';
    if (c == 'e') c = 'E';
  }
  return text;
}

// A right-hand side is a sum of products; its shown text (angle rounded to
// 0.01 degree) would put another system into the grid than the one whose
// solution the memo lists. Where the shown text does not read back to the
// sum, the component form with round-trip digits in each part does.
std::string RechteSeiteText(const ZKZahl& z, int format) {
  std::string text = z.Winkel != 0 ? ExponentialText(z, format) : KomponentenText(z, format);
  const double a = double(z.Realteil), b = double(z.Imaginaerteil);
  ZKZahl gelesen;
  if (LiesZKZahl(text, gelesen) != ZKForm::Keine && gelesen.Realteil == a &&
      gelesen.Imaginaerteil == b)
    return text;
  text.clear();
  if (a != 0 || b == 0) text += GenaueZahl(a, format);
  if (b > 0)
    text += (a != 0 ? "+j" : "j") + GenaueZahl(b, format);
  else if (b < 0)
    text += "-j" + GenaueZahl(-b, format);
  return text;
}

std::uint32_t UhrSamen() {
  return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

void TForm1::BeispielAufgaben_BitBtnClick() {
  const std::uint32_t samen = Zustand.FesterZufallsSamen.value_or(UhrSamen());
  int n = 0;
  if (!LiesDimension(n)) return;
  n = std::clamp(n, 1, 20);
  const int stufe = ++Zustand.BeispielZaehler;
  BeispielAufgaben_BitBtn->setText(QStringLiteral("Beispiel: %1").arg(stufe));

  MatrixTab_StringGrid->SetRowCount(n + 1);
  MatrixTab_StringGrid->SetColCount(n + 2);
  std::array<ZKZahl, 25> x{};
  ZKMatrix& M = Zustand.Eingabematrix;
  ZieheBeispielsystem(samen, stufe, n, x, M);

  const int format = Zustand.ZahlenFormat;
  TMemo* memo = Form2 ? Form2->Beispiel_Memo : nullptr;
  if (memo) memo->LinesClear();
  for (int s = 0; s < n; ++s) {
    QString zeile;
    for (int k = 0; k <= n; ++k) {
      const ZKZahl& z = M[s][k];
      const QString text = AusAnsi(k == 0          ? RechteSeiteText(z, format)
                                   : z.Winkel != 0 ? ExponentialText(z, format)
                                                   : KomponentenText(z, format));
      MatrixTab_StringGrid->SetCell(k + 1, s + 1, text);
      if (k == 0) {
        zeile = QStringLiteral("GL%1 : %2  = ").arg(s + 1).arg(text);
      } else {
        zeile += QStringLiteral("%1 * X%2").arg(text).arg(k);
        if (k < n) zeile += QStringLiteral(" + ");
      }
    }
    if (Form2) Form2->setWindowTitle(QStringLiteral("Beispielaufgabe: %1").arg(stufe));
    if (memo) memo->LinesAdd(zeile);
  }
  if (memo && !Uebung_CheckBox->isChecked()) {  // an exercise keeps it hidden
    memo->LinesAdd(QString());
    for (int i = 1; i <= n; ++i)
      memo->LinesAdd(QStringLiteral("X%1 = %2").arg(i).arg(AusAnsi(ExponentialText(x[i], format))));
  }
  if (Form2) Form2->ZeigeNeben(this);

  if (!StelleUebung(std::vector<ZKZahl>(x.begin(), x.begin() + n + 1))) Berechnen_BitBtn->click();
  if (Zustand.BeispielZaehler >= 3) Zustand.BeispielZaehler = 0;
}
