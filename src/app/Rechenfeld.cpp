// The formula field: evaluates a formula over complex numbers and the
// memory variables K1..K20, G1..G20, and steps through the prepared examples.
#include "Rechenfeld.h"

#include "MainQuorvel.h"
#include "Zeigerdiagramm.h"

void TForm1::ist_gleich_ButtonClick() {
  // The edit keeps the text as typed; the label gets the result or the
  // error text, so the user can correct the formula.
  const std::string formel = NachAnsi(ZK_Rechenfeld_Edit->text());
  ZK_Rechenfeld_Label->setText(
      AusAnsi(RechenfeldErgebnis(Zustand.Rechner, formel, Zustand.ZahlenFormat)));
  Zeigerdiagramm_Seite->Vormerken();
}

void TForm1::ZK_Rechenfeld_EditKeyPress(QChar& Key) {
  // The German decimal separator in the edit; the evaluation turns it back.
  if (Key == QLatin1Char('.')) {
    Key = QLatin1Char(',');
    return;
  }
  if (Key == QChar(13)) ist_gleich_ButtonClick();
}

void TForm1::Beispiel_BitBtnClick() {
  ++Zustand.BeispielNr;
  Beispiel_BitBtn->setText(QStringLiteral("Beispiel:%1").arg(Zustand.BeispielNr));
  SpeicherZellenLeeren();
  if (Zustand.BeispielNr < kAnzahlBeispiele) {
    const Rechenbeispiel& beispiel = Beispielformel(Zustand.BeispielNr);
    ZK_Rechenfeld_Edit->setText(AusAnsi(beispiel.formel));
    bool mitSpeicher = false;
    for (const SpeicherBeispiel& zeile : beispiel.speicher) {
      if (zeile.zeile == 0) continue;
      Variablen_StringGrid->SetCell(1, zeile.zeile, AusAnsi(zeile.wert));
      Variablen_StringGrid->SetCell(2, zeile.zeile, AusAnsi(zeile.kommentar));
      mitSpeicher = true;
    }
    if (mitSpeicher)
      for (int n = 1; n <= 20; ++n) K_ZeileBerechnen(n);
  } else {
    // The caption keeps 14; the next click starts again at 1.
    ZK_Rechenfeld_Edit->setText(AusAnsi(Beispielformel(kAnzahlBeispiele).formel));
    Zustand.BeispielNr = 0;
  }
  ist_gleich_ButtonClick();
}

void TForm1::Loesche_Rechenfeld_ButtonClick() {
  ZK_Rechenfeld_Edit->setText(QString());
  ZK_Rechenfeld_Label->setText(QString());
  Zeigerdiagramm_Seite->Vormerken();
}
