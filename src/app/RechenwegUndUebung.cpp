// SPDX-License-Identifier: GPL-3.0-or-later
// The matrix page's "Rechenweg" button and its exercise mode.
//
// In exercise mode "Beispiele" sets a system whose solution stays hidden:
// the task is locked (the coefficient grid against typing, pasting,
// dropping and clearing, the dimension, and "="), and the result grid takes
// the student's answers until "Prüfen" marks them or "Lösung zeigen" solves
// the system as usual. A mark says its verdict in words as well as in
// colour, and goes as soon as its answer changes.
#include <QCheckBox>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "app/Beispiel.h"
#include "app/MainQuorvel.h"
#include "app/RechenwegFenster.h"
#include "app/Uebung.h"
#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "solver/GleichungsLoeser.h"

namespace {

const QColor kRichtig(150, 230, 150);
const QColor kFalsch(255, 150, 150);

const QString kEintragen = QStringLiteral("Lösungen eintragen, dann „Prüfen“.");

// A cell's verdict, in colour and in words for screen readers.
void Markiere(TStringGrid* g, int c, int r, const QColor& farbe, const QString& worte) {
  g->SetzeZellfarbe(c, r, farbe);
  g->SetzeZellBeschreibung(c, r, worte);
}

}  // namespace

bool AntwortRichtig(const ZKZahl& antwort, const ZKZahl& loesung) {
  // A little slack, so that an answer typed exactly at the edge (50,05 for
  // 50; 30,1 degrees for 30) is not refused for the rounding of its reading.
  constexpr long double kSpiel = 1e-9L;
  const long double b = loesung.Betrag;
  if (!(std::fabs(antwort.Betrag - b) <= (kBetragToleranz + kSpiel) * b)) return false;
  if (b == 0.0L) return true;  // zero has no angle
  long double d = std::fmod(std::fabs(antwort.Winkel - loesung.Winkel), 360.0L);
  d = std::min(d, 360.0L - d);
  return d <= kWinkelToleranz + kSpiel;
}

void TForm1::VerbindeRechenwegUndUebung() {
  // Shown only while the box is ticked (a disabled caption would be
  // too faint to read).
  Pruefen_BitBtn->setVisible(false);
  LoesungZeigen_BitBtn->setVisible(false);
  Rechenweg_BitBtn->OnClick = [this] { Rechenweg_BitBtnClick(); };
  Pruefen_BitBtn->OnClick = [this] { Pruefen_BitBtnClick(); };
  LoesungZeigen_BitBtn->OnClick = [this] { LoesungZeigen_BitBtnClick(); };
  KxWerte_StringGrid->OnSetEditText = [this](int, int r, const QString&) { AntwortGeaendert(r); };
  QObject::connect(Uebung_CheckBox, &QCheckBox::clicked, this, [this] { Uebung_CheckBoxClick(); });
}

void TForm1::Rechenweg_BitBtnClick() {
  if (!Rechenweg_Fenster) Rechenweg_Fenster = new RechenwegFenster(this);
  if (!UebungAktiv()) NimmRechenwegAuf();
  Rechenweg_Fenster->show();
  RechenwegNachfuehren();
  Rechenweg_Fenster->raise();
}

void TForm1::NimmRechenwegAuf() {
  // A recorded solve has at least one equation.
  if (LetzteDimension == 0 || LetzterRechenweg.n != 0) return;
  // The same input gives the same steps, bit for bit.
  GleichungsLoeser loeser;
  loeser.SetzeDimension(LetzteDimension);
  loeser.UebernehmeMatrix(LetzteDimension, LetzteDimension, LetzteEingabe);
  loeser.SetzeRechenweg(&LetzterRechenweg);
  loeser.Loese();
}

void TForm1::RechenwegNachfuehren() {
  if (!Rechenweg_Fenster || !Rechenweg_Fenster->isVisible()) return;
  // An exercise's solve has not happened yet: nothing to show but why.
  if (UebungAktiv()) {
    Rechenweg_Fenster->ZeigeHinweis(QStringLiteral(
        "Im Übungsmodus bleibt der Rechenweg verborgen, bis „Lösung zeigen“ die Aufgabe löst."));
  } else {
    Rechenweg_Fenster->Zeige(LetzterRechenweg, Zustand.ZahlenFormat);
  }
}

bool TForm1::UebungAktiv() const {
  return !UebungsLoesung.empty();
}

void TForm1::SperreUebung(bool gesperrt) {
  MatrixTab_StringGrid->SetzeEditieren(!gesperrt);
  Berechnen_BitBtn->setEnabled(!gesperrt);
  Clear_Tabelle_Button->setEnabled(!gesperrt);
  GroupBox3->setEnabled(!gesperrt);
  KxWerte_StringGrid->SetzeEditieren(gesperrt);
  for (int r = 1; r < KxWerte_StringGrid->RowCount(); ++r) {
    Markiere(KxWerte_StringGrid, 1, r, QColor(), QString());
    Markiere(KxWerte_StringGrid, 2, r, QColor(), QString());
  }
}

void TForm1::ZeigeUebungsstand(const QString& text) {
  if (Uebung_Label->text() == text) return;
  Uebung_Label->setText(text);
  // The label's name is „Übungsstand“; what it says is its description.
  Uebung_Label->setAccessibleDescription(text);
  if (!text.isEmpty()) MeldeNeuenWert(Uebung_Label, text);
}

void TForm1::AntwortGeaendert(int ARow) {
  if (!UebungAktiv()) return;
  // The row's marks and the count were about the answer before.
  Markiere(KxWerte_StringGrid, 1, ARow, QColor(), QString());
  Markiere(KxWerte_StringGrid, 2, ARow, QColor(), QString());
  ZeigeUebungsstand(kEintragen);
}

bool TForm1::StelleUebung(const std::vector<ZKZahl>& loesung) {
  if (!Uebung_CheckBox->isChecked()) return false;
  UebungsLoesung = loesung;
  LetzterRechenweg.Leeren();
  LetzteDimension = 0;
  LoescheErgebnisse();
  SperreUebung(true);
  ZeigeUebungsstand(kEintragen);
  RechenwegNachfuehren();  // an open window must not keep the last system's steps
  return true;
}

// Ends an exercise: unlocks everything, forgets the hidden solution.
void TForm1::Uebung_CheckBoxClick() {
  Pruefen_BitBtn->setVisible(Uebung_CheckBox->isChecked());
  LoesungZeigen_BitBtn->setVisible(Uebung_CheckBox->isChecked());
  if (Uebung_CheckBox->isChecked()) {
    ZeigeUebungsstand(QStringLiteral("„Beispiele“ stellt eine Aufgabe."));
    return;
  }
  if (UebungAktiv()) LoescheErgebnisse();
  UebungsLoesung.clear();
  SperreUebung(false);
  ZeigeUebungsstand(QString());
}

void TForm1::Pruefen_BitBtnClick() {
  if (!UebungAktiv()) return;
  const int n = static_cast<int>(UebungsLoesung.size()) - 1;
  int richtig = 0;
  for (int r = 1; r <= n; ++r) {
    // Every column that holds text must be right; an empty row is wrong.
    bool zeileRichtig = false, etwas = false;
    for (int c = 1; c <= 2; ++c) {
      const QString text = KxWerte_StringGrid->Cells(c, r).trimmed();
      if (text.isEmpty()) {
        Markiere(KxWerte_StringGrid, c, r, QColor(), QString());
        continue;
      }
      ZKZahl z;
      const bool gut = LiesZKZahl(NachAnsi(text), z) != ZKForm::Keine &&
                       AntwortRichtig(z, UebungsLoesung[static_cast<std::size_t>(r)]);
      Markiere(KxWerte_StringGrid, c, r, gut ? kRichtig : kFalsch,
               gut ? QStringLiteral("richtig") : QStringLiteral("falsch"));
      zeileRichtig = etwas ? (zeileRichtig && gut) : gut;
      etwas = true;
    }
    if (!etwas) {
      Markiere(KxWerte_StringGrid, 1, r, kFalsch, QStringLiteral("falsch: keine Antwort"));
      Markiere(KxWerte_StringGrid, 2, r, kFalsch, QStringLiteral("falsch: keine Antwort"));
    }
    richtig += zeileRichtig ? 1 : 0;
  }
  KxWerte_StringGrid->clearSelection();  // the marks show, not the selection
  ZeigeUebungsstand(QStringLiteral("%1 von %2 richtig").arg(richtig).arg(n));
}

void TForm1::LoesungZeigen_BitBtnClick() {
  if (!UebungAktiv()) return;
  // The memo lists the solution as an example without exercise does.
  if (Form2) {
    TMemo* memo = Form2->Beispiel_Memo;
    memo->LinesAdd(QString());
    for (std::size_t i = 1; i < UebungsLoesung.size(); ++i) {
      memo->LinesAdd(QStringLiteral("X%1 = %2")
                         .arg(i)
                         .arg(AusAnsi(ExponentialText(UebungsLoesung[i], Zustand.ZahlenFormat))));
    }
  }
  UebungsLoesung.clear();
  SperreUebung(false);
  ZeigeUebungsstand(QStringLiteral("Lösung gezeigt."));
  // "=" fills the result grid and the Rechenweg.
  Berechnen_BitBtn->click();
}
