// SPDX-License-Identifier: GPL-3.0-or-later
// Names, buddies, grid titles, focus order and result announcements for
// screen readers and keyboard users. Everything is looked up by the
// controls' object names, so the window's construction stays as it is.
#include "Barrierefreiheit.h"

#include <QTabBar>
#include <QToolButton>
#include <vector>

#include "app/Beispiel.h"
#include "app/MainQuorvel.h"

namespace {

struct Benennung {
  const char* objekt;
  const char* name;
  const char* beschreibung;  // may be empty
};

// Controls whose captions read the same ("=", "Löschen", "? f =") get names
// that tell them apart; the name keeps the caption's word where it has one,
// so that a user who sees "Löschen" can also say it to speech control.
constexpr Benennung kHauptfenster[] = {
    {"Dummy_Edit", "Bearbeitungsmodus beendet",
     "Escape hat die Eingabe in den Tabellen beendet; mit Tab geht es weiter."},
    // Matrix page
    {"MatrixTab_StringGrid", "Koeffizientenmatrix",
     "Spalte Ergebnis: rechte Seite jeder Gleichung, danach die Koeffizienten von X1 bis Xn. "
     "Umschalt+Pfeiltasten markieren einen Block, Strg+C kopiert die Zelle oder den Block, "
     "Strg+V fügt ein, Strg+Tab verlässt die Tabelle."},
    {"AnzahlMatrix_Edit", "Anzahl der Unbekannten", "Dimension des Gleichungssystems, 1 bis 20."},
    {"Berechnen_BitBtn", "Gleichungssystem berechnen", ""},
    {"KxWerte_StringGrid", "Ergebnisse X1 bis Xn",
     "Lösungen in Exponential- und Komponentenform. Strg+C kopiert die Zelle."},
    {"Clear_Tabelle_Button", "Tabelle löschen",
     "Leert die Koeffizientenmatrix nach einer Rückfrage."},
    {"BeispielAufgaben_BitBtn", "Beispiele",
     "Erzeugt ein Gleichungssystem mit bekannter Lösung und erklärt es im Beispielfenster."},
    {"Rechenweg_BitBtn", "Rechenweg", "Öffnet ein Fenster mit den Schritten der letzten Rechnung."},
    {"Uebung_CheckBox", "Übung (Lösung verbergen)",
     "Beispiele stellen dann eine Aufgabe ohne Lösung; die Ergebnisse trägt man selbst ein."},
    {"Pruefen_BitBtn", "Prüfen", "Markiert jede eingetragene Lösung grün (richtig) oder rot."},
    {"LoesungZeigen_BitBtn", "Lösung zeigen", "Rechnet die Übungsaufgabe und zeigt die Lösung."},
    {"Uebung_Label", "Übungsstand", ""},
    // Reactance calculators
    {"L_RadioButton", "Induktivität L berechnen", ""},
    {"fL_RadioButton", "Frequenz f aus L und XL berechnen", ""},
    {"XL_RadioButton", "Blindwiderstand XL berechnen", ""},
    {"L_Edit", "Induktivität L in Henry", "Vorsätze wie m oder µ sind erlaubt."},
    {"fL_Edit", "Frequenz f in Hertz, induktiv", ""},
    {"XL_Edit", "Induktiver Blindwiderstand XL in Ohm", ""},
    {"istGleichXL_Button", "XL = 2 * Pi * f * L berechnen", ""},
    {"XL_Label", "Komplexer Blindwiderstand K_XL", "Strg+C kopiert den Wert."},
    {"C_RadioButton", "Kapazität C berechnen", ""},
    {"fC_RadioButton", "Frequenz f aus C und XC berechnen", ""},
    {"XC_RadioButton", "Blindwiderstand XC berechnen", ""},
    {"C_Edit", "Kapazität C in Farad", "Vorsätze wie n oder µ sind erlaubt."},
    {"fC_Edit", "Frequenz f in Hertz, kapazitiv", ""},
    {"XC_Edit", "Kapazitiver Blindwiderstand XC in Ohm", ""},
    {"istGleichXC_Button", "XC = 1 / (2 * Pi * f * C) berechnen", ""},
    {"XC_Label", "Komplexer Blindwiderstand K_XC", "Strg+C kopiert den Wert."},
    // Formula field
    {"ZK_Rechenfeld_Edit", "Formel",
     "Erlaubt sind + - * : ( ), die Variablen K1 bis K20 und G1 bis G20 und Zahlen. "
     "Eingabetaste rechnet."},
    {"ZK_Rechenfeld_Label", "Ergebnis der Formel", "Strg+C kopiert die Exponentialform."},
    {"Beispiel_BitBtn", "Beispielformel laden", "Lädt die nächste von 14 Beispielformeln."},
    {"ist_gleich_Button", "Formel berechnen", ""},
    {"Loesche_Rechenfeld_Button", "Formel löschen", ""},
    // Angle calculator
    {"Winkel_StringGrid", "Winkelrechner",
     "Einen Wert eingeben, die übrigen Zeilen werden berechnet. Strg+C kopiert die Zelle."},
    // Instructions
    {"Bedinungsanleitung_Memo", "Bedienungsanleitung", ""},
    // Memory and conversion
    {"Variablen_StringGrid", "Speicher K1 bis K20",
     "Wert und Kommentar jeder Variablen; die Kehrwerte stehen in G1 bis G20. "
     "Umschalt+Pfeiltasten markieren einen Block, Strg+C kopiert die Zelle oder den Block, "
     "Strg+V fügt ein, auch einen Block ab der gewählten Zeile."},
    {"G_Variablen_StringGrid", "Kehrwerte G1 bis G20",
     "Gn = 1/Kn. Strg+C kopiert die Zelle, Strg+V fügt ein."},
    {"Wandel_KE_EK_Edit", "Zahl zum Wandeln",
     "Strg+C ohne Auswahl kopiert den ganzen Inhalt, Strg+V fügt ein."},
    {"Wandeln_EK_KE_Button", "Wandeln zwischen Exponential- und Komponentenform", ""},
    {"Kehrwert_Button", "Kehrwert 1/X bilden", ""},
    {"General_RadioButton", "Zahlendarstellung General", ""},
    {"Exponent_RadioButton", "Zahlendarstellung Exponent", ""},
    {"ClearVarSpeicher_Button", "Speicher löschen", "Leert K1 bis K20 nach einer Rückfrage."},
};

// Label → the field it names (no mnemonic: the captions stay as they are).
constexpr std::pair<const char*, const char*> kBuddies[] = {
    {"Label1", "L_Edit"},
    {"Label2", "fL_Edit"},
    {"Label7", "XL_Edit"},
    {"Label8", "C_Edit"},
    {"Label9", "fC_Edit"},
    {"Label10", "XC_Edit"},
    {"Label4", "XL_Label"},
    {"Label6", "XC_Label"},
    {"Rechenfeld_Label", "ZK_Rechenfeld_Edit"},
    {"Label3", "ZK_Rechenfeld_Label"},
};

void Benenne(QWidget* fenster, const Benennung& b) {
  auto* w = fenster->findChild<QWidget*>(QLatin1String(b.objekt));
  if (!w) return;
  w->setAccessibleName(QString::fromUtf8(b.name));
  if (*b.beschreibung) w->setAccessibleDescription(QString::fromUtf8(b.beschreibung));
}

// Spoken titles where the header shows abbreviations or misspellings.
void SetzeGridTitel(TForm1& f) {
  for (int r = 1; r <= 20; ++r) {
    f.Variablen_StringGrid->SetZeilenTitel(r, QStringLiteral("K%1").arg(r));
    f.G_Variablen_StringGrid->SetZeilenTitel(r, QStringLiteral("G%1").arg(r));
  }
  f.Variablen_StringGrid->SetSpaltenTitel(1, QStringLiteral("Komplexe Zahl"));
  f.G_Variablen_StringGrid->SetSpaltenTitel(1, QStringLiteral("Gn = 1/Kn"));
  f.Winkel_StringGrid->SetSpaltenTitel(1, QStringLiteral("Wert"));
  const char* const kWinkel[] = {"Winkel in Grad", "Winkel im Bogenmaß", "Sinus",        "Kosinus",
                                 "Tangens",        "Kotangens",          "Winkel in Gon"};
  for (int r = 0; r < 7; ++r) f.Winkel_StringGrid->SetZeilenTitel(r, QString::fromUtf8(kWinkel[r]));
}

void SetzeMatrixGridTitel(TForm1& f) {
  for (int r = 1; r <= 20; ++r)
    f.MatrixTab_StringGrid->SetZeilenTitel(r, QStringLiteral("Gleichung %1").arg(r));
  for (int r = 1; r <= 21; ++r)
    f.KxWerte_StringGrid->SetZeilenTitel(r, QStringLiteral("X%1").arg(r));
  f.MatrixTab_StringGrid->SetSpaltenTitel(1, QStringLiteral("Ergebnis, rechte Seite"));
  f.KxWerte_StringGrid->SetSpaltenTitel(1, QStringLiteral("Ergebnis Exponentialform"));
  f.KxWerte_StringGrid->SetSpaltenTitel(2, QStringLiteral("Ergebnis Komponentenform"));
}

// Results are announced where they appear, also when the focus stays on
// the button or the formula.
void VerbindeMatrixAnsage(TForm1& f) {
  QObject::connect(f.Berechnen_BitBtn, &QPushButton::clicked, &f, [&f] {
    QStringList werte;
    for (int r = 1; r < f.KxWerte_StringGrid->RowCount(); ++r)
      if (const QString w = f.KxWerte_StringGrid->Cells(2, r); !w.isEmpty())
        werte << QStringLiteral("X%1 = %2").arg(r).arg(w);
    if (!werte.isEmpty()) MeldeNeuenWert(f.KxWerte_StringGrid, werte.join(QStringLiteral("; ")));
  });
}

void VerbindeAnsagen(TForm1& f) {
  auto blindwiderstand = [&f](TButton* istGleich, std::initializer_list<TEdit*> edits,
                              TLabel* label) {
    QObject::connect(istGleich, &QPushButton::clicked, &f, [edits = std::vector(edits), label] {
      for (TEdit* e : edits)
        if (e->isReadOnly()) MeldeNeuenWert(e, e->text());
      MeldeNeuenWert(label, label->text());
    });
  };
  blindwiderstand(f.istGleichXL_Button, {f.L_Edit, f.fL_Edit, f.XL_Edit}, f.XL_Label);
  blindwiderstand(f.istGleichXC_Button, {f.C_Edit, f.fC_Edit, f.XC_Edit}, f.XC_Label);
  auto formel = [&f] { MeldeNeuenWert(f.ZK_Rechenfeld_Label, f.ZK_Rechenfeld_Label->text()); };
  QObject::connect(f.ist_gleich_Button, &QPushButton::clicked, &f, formel);
  QObject::connect(f.Beispiel_BitBtn, &QPushButton::clicked, &f, formel);
  // Enter in the formula computes in its key handler, before this signal.
  QObject::connect(f.ZK_Rechenfeld_Edit, &QLineEdit::returnPressed, &f, formel);
}

}  // namespace

void RichteBarrierefreiheitEin(TForm1& f) {
  // Result labels become read-only fields that Tab reaches (before they are
  // named, so that the name goes to the field's interface).
  for (TLabel* l : {f.XL_Label, f.XC_Label, f.ZK_Rechenfeld_Label}) l->AlsLesefeld();
  for (const Benennung& b : kHauptfenster) Benenne(&f, b);
  for (const auto& [label, feld] : kBuddies) {
    auto* l = f.findChild<QLabel*>(QLatin1String(label));
    auto* w = f.findChild<QWidget*>(QLatin1String(feld));
    if (l && w) l->setBuddy(w);
  }
  f.TabbedNotebook->setAccessibleName(QStringLiteral("Rechnerseiten"));
  f.TabbedNotebook->tabBar()->setAccessibleName(QStringLiteral("Seitenauswahl"));
  SetzeGridTitel(f);

  // Escape still parks the focus on the hidden edit, which now has a name;
  // Tab never lands there, and nothing typed goes into it.
  f.Dummy_Edit->setFocusPolicy(Qt::NoFocus);
  f.Dummy_Edit->setReadOnly(true);

  VerbindeAnsagen(f);
}

void RichteBarrierefreiheitDerMatrixseiteEin(TForm1& f) {
  // Only the page's own controls: the rest of the window is named already.
  for (const Benennung& b : kHauptfenster) Benenne(f.Matrix_Seite, b);
  for (const auto& [label, feld] : kBuddies) {
    auto* l = f.Matrix_Seite->findChild<QLabel*>(QLatin1String(label));
    auto* w = f.Matrix_Seite->findChild<QWidget*>(QLatin1String(feld));
    if (l && w) l->setBuddy(w);
  }
  f.AnzahlMatrix_UpDown->setAccessibleName(QStringLiteral("Dimension ändern"));
  f.AnzahlMatrix_UpDown->Ab()->setAccessibleName(QStringLiteral("Dimension verringern"));
  f.AnzahlMatrix_UpDown->Auf()->setAccessibleName(QStringLiteral("Dimension erhöhen"));
  SetzeMatrixGridTitel(f);

  // The matrix page as it is read: matrix, dimension, "=", results, buttons.
  QWidget* const kMatrixFolge[] = {f.MatrixTab_StringGrid,      f.AnzahlMatrix_Edit,
                                   f.AnzahlMatrix_UpDown->Ab(), f.AnzahlMatrix_UpDown->Auf(),
                                   f.Berechnen_BitBtn,          f.KxWerte_StringGrid,
                                   f.Clear_Tabelle_Button,      f.BeispielAufgaben_BitBtn};
  for (std::size_t i = 1; i < std::size(kMatrixFolge); ++i)
    QWidget::setTabOrder(kMatrixFolge[i - 1], kMatrixFolge[i]);

  VerbindeMatrixAnsage(f);
}

void RichteBarrierefreiheitEin(TForm2& f) {
  f.Beispiel_Memo->setAccessibleName(QStringLiteral("Beispielaufgabe mit Lösung"));
  // The memo is only read: Tab must not be typed into it.
  f.Beispiel_Memo->setTabChangesFocus(true);
}
