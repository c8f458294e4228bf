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
  for (TStringGrid* grid : {k, g}) grid->SetCell(0, 0, tr("Var"));
  // Spoken titles where the header shows abbreviations or misspellings.
  for (int r = 1; r <= Variablenspeicher::kZeilen; ++r) {
    k->SetZeilenTitel(r, QStringLiteral("K%1").arg(r));
    g->SetZeilenTitel(r, QStringLiteral("G%1").arg(r));
  }
  k->SetSpaltenTitel(1, tr("Komplexe Zahl"));
  g->SetSpaltenTitel(1, QStringLiteral("Gn = 1/Kn"));

  // Every press, of any button, first; the double click reads it to know
  // whether a row title was hit.
  connect(k->Ereignisse(), &TSteuerungsereignisse::mausGedrueckt, this,
          [this, k](Qt::MouseButton, Qt::KeyboardModifiers, QPoint p) {
            k->MouseToCell(p.x(), p.y(), klickSpalte_, klickZeile_);
          });
  VerbindeZiehen(m, k, Ort::K);
  VerbindeZiehen(m, g, Ort::G);
  VerbindeZiehen(m, u.Wandel_KE_EK_Edit, Ort::Wandeln);
  VerbindeBlockeinfuegen(m, k, Ort::K);
  VerbindeBlockeinfuegen(m, g, Ort::G);
  connect(k->Ereignisse(), &TSteuerungsereignisse::doppelgeklickt, this,
          &TSpeicherleiste::Variablen_StringGridDblClick);
  connect(k, &TStringGrid::obenLinksGeaendert, this,
          &TSpeicherleiste::Variablen_StringGridTopLeftChanged);
  connect(g, &TStringGrid::obenLinksGeaendert, this,
          &TSpeicherleiste::G_Variablen_StringGridTopLeftChanged);
  connect(u.ClearVarSpeicher_Button, &TButton::geklickt, this,
          &TSpeicherleiste::ClearVarSpeicher_ButtonClick);

  connect(u.Wandeln_EK_KE_Button, &TButton::geklickt, this,
          &TSpeicherleiste::Wandeln_EK_KE_ButtonClick);
  connect(u.Kehrwert_Button, &TButton::geklickt, this, &TSpeicherleiste::Kehrwert_ButtonClick);
  connect(u.Wandel_KE_EK_Edit, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_->Wandeln().SetzeText(text); });
  connect(&m.Wandeln(), &Wandelfeld::Geaendert, this, [this] { ZeigeWandeln(); });

  for (TRadioButton* b : {u.General_RadioButton, u.Exponent_RadioButton})
    connect(b, &TRadioButton::gewaehlt, this, &TSpeicherleiste::ZahlenFormat_RadioButtonClick);
  connect(&m, &Modell::FormatGeaendert, this, [this] { ZeigeFormat(); });
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
  if (TApplication::MessageBox(tr("Wollen Sie wirklich alles Löschen?"), tr("Achtung!"),
                               MB_YESNO) != IDYES)
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
