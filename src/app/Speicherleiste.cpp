// SPDX-License-Identifier: GPL-3.0-or-later
#include "Speicherleiste.h"

#include "app/Tabellen.h"
#include "app/Ziehen.h"
#include "forms/Anwendung.h"
#include "modell/Modell.h"
#include "ui_Speicher.h"

using aufgabe::Seite;

TSpeicherleiste::TSpeicherleiste(QWidget* eltern)
    : TGroupBox(eltern), ui_(std::make_unique<Ui::Speicher>()) {
  ui_->setupUi(this);
}

TSpeicherleiste::~TSpeicherleiste() = default;

void TSpeicherleiste::VerbindeModell() {
  Modell& m = *m_;
  Ui::Speicher& u = *ui_;
  TStringGrid* k = u.Variablen_StringGrid;
  TStringGrid* g = u.G_Variablen_StringGrid;
  k->SetzeModell(m.Speicher().Tabelle(Seite::K));
  g->SetzeModell(m.Speicher().Tabelle(Seite::G));
  const int kBreiten[] = {40, 200, 270};
  for (int c = 0; c < 3; ++c) k->SetColWidths(c, kBreiten[c]);
  for (int c = 0; c < 2; ++c) g->SetColWidths(c, kBreiten[c]);
  for (TStringGrid* grid : {k, g}) grid->SetCell(0, 0, QStringLiteral("Var"));
  // Spoken titles where the header shows abbreviations or misspellings.
  for (int r = 1; r <= Variablenspeicher::kZeilen; ++r) {
    k->SetZeilenTitel(r, QStringLiteral("K%1").arg(r));
    g->SetZeilenTitel(r, QStringLiteral("G%1").arg(r));
  }
  k->SetSpaltenTitel(1, QStringLiteral("Komplexe Zahl"));
  g->SetSpaltenTitel(1, QStringLiteral("Gn = 1/Kn"));

  VerbindeZiehen(m, k, Ort::K);
  VerbindeZiehen(m, g, Ort::G);
  VerbindeZiehen(m, u.Wandel_KE_EK_Edit, Ort::Wandeln);
  VerbindeBlockkopie(m, k, Ort::K);
  VerbindeBlockeinfuegen(m, k, Ort::K);
  VerbindeBlockeinfuegen(m, g, Ort::G);
  // Every press, of any button, first; the double click reads it to know
  // whether a row title was hit.
  k->OnMouseDown = [this, k, ziehen = k->OnMouseDown](Qt::MouseButton b, Qt::KeyboardModifiers s,
                                                      int x, int y) {
    k->MouseToCell(x, y, klickSpalte_, klickZeile_);
    ziehen(b, s, x, y);
  };
  k->OnSetEditText = [this](int c, int r, const QString& t) {
    Variablen_StringGridSetEditText(c, r, t);
  };
  g->OnSetEditText = [this](int c, int r, const QString& t) {
    G_Variablen_StringGridSetEditText(c, r, t);
  };
  k->OnDblClick = [this] { Variablen_StringGridDblClick(); };
  k->OnTopLeftChanged = [this] { Variablen_StringGridTopLeftChanged(); };
  g->OnTopLeftChanged = [this] { G_Variablen_StringGridTopLeftChanged(); };
  u.ClearVarSpeicher_Button->OnClick = [this] { ClearVarSpeicher_ButtonClick(); };

  u.Wandeln_EK_KE_Button->OnClick = [this] { Wandeln_EK_KE_ButtonClick(); };
  u.Kehrwert_Button->OnClick = [this] { Kehrwert_ButtonClick(); };
  u.Wandel_KE_EK_Edit->OnKeyPress = [this](QChar& taste) { Wandel_KE_EK_EditKeyPress(taste); };
  connect(u.Wandel_KE_EK_Edit, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_->Wandeln().SetzeText(text); });
  connect(&m.Wandeln(), &Wandelfeld::Geaendert, this, [this] { ZeigeWandeln(); });

  u.General_RadioButton->OnClick = [this] { ZahlenFormat_RadioButtonClick(); };
  u.Exponent_RadioButton->OnClick = [this] { ZahlenFormat_RadioButtonClick(); };
  connect(&m, &Modell::FormatGeaendert, this, [this] { ZeigeFormat(); });
}

// The first point typed becomes a comma at once; the memory has read the
// row already, and reads it again with the comma.
void TSpeicherleiste::Variablen_StringGridSetEditText(int ACol, int ARow, const QString&) {
  if (ACol != 1 || ARow < 1 || ARow > Variablenspeicher::kZeilen) return;
  ui_->Variablen_StringGrid->ErsterPunktZuKomma(1, ARow);
}

void TSpeicherleiste::G_Variablen_StringGridSetEditText(int, int ARow, const QString&) {
  if (ARow < 1 || ARow > Variablenspeicher::kZeilen) return;
  ui_->G_Variablen_StringGrid->ErsterPunktZuKomma(1, ARow);
}

void TSpeicherleiste::Variablen_StringGridDblClick() {
  // Only a double click on a row title (K1=, K2=, ...) empties the row.
  if (klickSpalte_ != 0) return;
  if (klickZeile_ == 0) {
    // The corner: the heading row is a row like the others here.
    for (int c = 1; c <= 2; ++c) ui_->Variablen_StringGrid->SetCell(c, 0, QString());
    return;
  }
  // The emptied K leaves no reciprocal behind, neither shown nor in formulas.
  m_->Speicher().LeereZeile(klickZeile_);
}

// The two grids show the same rows; setting a top row that is already there
// raises no further event, so one exchange ends the coupling.
void TSpeicherleiste::Variablen_StringGridTopLeftChanged() {
  ui_->G_Variablen_StringGrid->SetTopRow(ui_->Variablen_StringGrid->TopRow());
}

void TSpeicherleiste::G_Variablen_StringGridTopLeftChanged() {
  ui_->Variablen_StringGrid->SetTopRow(ui_->G_Variablen_StringGrid->TopRow());
}

void TSpeicherleiste::ClearVarSpeicher_ButtonClick() {
  if (TApplication::MessageBox(QStringLiteral("Wollen Sie wirklich alles Löschen?"),
                               QStringLiteral("Achtung!"), MB_YESNO) != IDYES)
    return;
  m_->Speicher().LeereAlles();
}

// Unreadable text stays as the user typed it; only the focus shows that
// nothing happened.
void TSpeicherleiste::Wandeln_EK_KE_ButtonClick() {
  if (!m_->Wandeln().Wandle()) {
    ui_->Wandel_KE_EK_Edit->setFocus();
    return;
  }
  // Long component forms do not fit: show the start, where the sign is.
  ui_->Wandel_KE_EK_Edit->setCursorPosition(0);
}

void TSpeicherleiste::Kehrwert_ButtonClick() {
  if (!m_->Wandeln().Kehrwert()) {
    ui_->Wandel_KE_EK_Edit->setFocus();
    return;
  }
  ui_->Wandel_KE_EK_Edit->setCursorPosition(0);
}

// Enter presses no button here: the edit is a scratch field, and a number
// dropped into it should not change before the user chooses what to do.
void TSpeicherleiste::Wandel_KE_EK_EditKeyPress(QChar& Key) {
  if (Key == QLatin1Char('.')) Key = QLatin1Char(',');
}

void TSpeicherleiste::ZahlenFormat_RadioButtonClick() {
  m_->SetzeZahlenFormat(ui_->Exponent_RadioButton->isChecked() ? Exponent : General);
}

// What the program puts there (a result, a drop, a file) may be longer
// than the user may type.
void TSpeicherleiste::ZeigeWandeln() {
  if (ui_->Wandel_KE_EK_Edit->text() != m_->Wandeln().Text())
    ui_->Wandel_KE_EK_Edit->SetzeTextUeberGrenze(m_->Wandeln().Text());
}

void TSpeicherleiste::ZeigeFormat() {
  (m_->ZahlenFormat() == Exponent ? ui_->Exponent_RadioButton : ui_->General_RadioButton)
      ->setChecked(true);
}
