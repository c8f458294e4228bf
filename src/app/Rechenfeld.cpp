// SPDX-License-Identifier: GPL-3.0-or-later
// The formula field: evaluates a formula over complex numbers and the
// memory variables K1..K20, G1..G20, and steps through the prepared examples.
#include "app/MainQuorvel.h"
#include "app/Zeigerdiagramm.h"
#include "logik/Formelergebnis.h"

// The label over the field names the four operators; what the field reads
// besides them is listed in the field's tooltip.
void TForm1::RechenfeldHinweisSetzen() {
  ZK_Rechenfeld_Edit->setToolTip(QStringLiteral(
      "<p>Außer + - * / : und Klammern versteht das Rechenfeld:</p>"
      "<table>"
      "<tr><td>a||b</td><td>Parallelschaltung a·b/(a+b), z.&nbsp;B. K1+K2||K3</td></tr>"
      "<tr><td>a^b</td><td>Potenz mit reellem Exponenten, z.&nbsp;B. (1+j)^8, -2^2 = -4</td></tr>"
      "<tr><td>konj( ) conj( )</td><td>konjugiert komplexer Wert</td></tr>"
      "<tr><td>betrag( ) abs( )</td><td>Betrag</td></tr>"
      "<tr><td>winkel( ) arg( )</td><td>Winkel in Grad, -180 bis 180</td></tr>"
      "<tr><td>re( ) im( )</td><td>Real- und Imaginärteil</td></tr>"
      "<tr><td>wurzel( ) sqrt( )</td><td>Quadratwurzel (Hauptwert)</td></tr>"
      "<tr><td>pi π</td><td>die Kreiszahl</td></tr>"
      "<tr><td>r∠φ</td><td>Winkelform, φ in Grad: 230∠-30 oder 230∠-30° = 230*e^-j30</td></tr>"
      "</table>"
      "<p>Groß- und Kleinschreibung der Namen ist gleich.</p>"));
}

void TForm1::ist_gleich_ButtonClick() {
  // The edit keeps the text as typed; the label gets the result or the
  // error text, so the user can correct the formula.
  const std::string formel = NachAnsi(ZK_Rechenfeld_Edit->text());
  const std::vector<Festwert> teile = Zustand.Formelteile.Fuer(formel);
  const Formelwert e = BerechneFormel(Zustand.Rechner, formel, Zustand.ZahlenFormat, teile);
  ZK_Rechenfeld_Label->setText(AusAnsi(e.text));
  ZeigtWert(Ort::Formelergebnis, 0, 0, ZK_Rechenfeld_Label->text(),
            e.berechnet ? std::optional(e.wert) : std::nullopt);
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
