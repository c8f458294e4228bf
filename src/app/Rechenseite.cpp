// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rechenseite.h"

#include <QApplication>
#include <QClipboard>
#include <array>

#include "app/Ziehen.h"
#include "app/Zwischenablage.h"
#include "forms/Steuerelemente.h"
#include "logik/Formelergebnis.h"
#include "modell/Modell.h"
#include "modell/Text.h"
#include "ui_Rechenseite.h"

namespace {

// Result fields are light yellow.
const QColor kErgebnisGelb(255, 255, 128);

}  // namespace

// The three edits of one calculator, its radio buttons and its label, in
// the order of Feld, and the model's calculator they show.
struct TRechenseite::Rechner {
  Blindrechner* modell;
  std::array<TEdit*, 3> edits;
  std::array<TRadioButton*, 3> wahl;
  TLabel* label;
  TButton* istGleich;
};

TRechenseite::TRechenseite(QWidget* eltern)
    : QWidget(eltern), ui_(std::make_unique<Ui::Rechenseite>()) {
  ui_->setupUi(this);
  // Result labels are read-only fields that Tab reaches.
  for (TLabel* l : {ui_->XL_Label, ui_->XC_Label, ui_->ZK_Rechenfeld_Label}) l->AlsLesefeld();
}

TRechenseite::~TRechenseite() = default;

TRechenseite::Rechner TRechenseite::RechnerFuer(Blindrechner::Art art) const {
  const Ui::Rechenseite& u = *ui_;
  if (art == Blindrechner::Art::Induktiv)
    return {&m_->Induktiv(),
            {u.L_Edit, u.fL_Edit, u.XL_Edit},
            {u.L_RadioButton, u.fL_RadioButton, u.XL_RadioButton},
            u.XL_Label,
            u.istGleichXL_Button};
  return {&m_->Kapazitiv(),
          {u.C_Edit, u.fC_Edit, u.XC_Edit},
          {u.C_RadioButton, u.fC_RadioButton, u.XC_RadioButton},
          u.XC_Label,
          u.istGleichXC_Button};
}

void TRechenseite::VerbindeModell() {
  Modell& m = *m_;
  Ui::Rechenseite& u = *ui_;
  connect(u.ExpotentialForm_GroupBox2->Ereignisse(), &TSteuerungsereignisse::geklickt, this,
          &TRechenseite::DimensionAnwendenVerlangt);

  // Reactance calculators. Enter in an edit computes as the "=" does.
  connect(u.istGleichXL_Button, &TButton::geklickt, this, &TRechenseite::istGleichXL_ButtonClick);
  connect(u.istGleichXC_Button, &TButton::geklickt, this, &TRechenseite::istGleichXC_ButtonClick);
  for (TRadioButton* b : {u.L_RadioButton, u.fL_RadioButton, u.XL_RadioButton})
    connect(b, &TRadioButton::gewaehlt, this, [this, b] { C_f_XL_RadioButtonClick(b); });
  for (TRadioButton* b : {u.C_RadioButton, u.fC_RadioButton, u.XC_RadioButton})
    connect(b, &TRadioButton::gewaehlt, this, [this, b] { C_f_XC_RadioButtonClick(b); });
  for (TEdit* e : {u.L_Edit, u.fL_Edit, u.XL_Edit})
    connect(e, &QLineEdit::returnPressed, u.istGleichXL_Button, &QPushButton::click);
  for (TEdit* e : {u.C_Edit, u.fC_Edit, u.XC_Edit})
    connect(e, &QLineEdit::returnPressed, u.istGleichXC_Button, &QPushButton::click);
  VerbindeRechner(RechnerFuer(Blindrechner::Art::Induktiv));
  VerbindeRechner(RechnerFuer(Blindrechner::Art::Kapazitiv));

  // Formula field.
  connect(u.ist_gleich_Button, &TButton::geklickt, this, &TRechenseite::ist_gleich_ButtonClick);
  connect(u.ZK_Rechenfeld_Edit, &QLineEdit::returnPressed, this,
          &TRechenseite::ist_gleich_ButtonClick);
  connect(u.Beispiel_BitBtn, &TButton::geklickt, this, &TRechenseite::Beispiel_BitBtnClick);
  connect(u.Loesche_Rechenfeld_Button, &TButton::geklickt, this,
          &TRechenseite::Loesche_Rechenfeld_ButtonClick);
  connect(u.ZK_Rechenfeld_Edit, &QLineEdit::textChanged, this,
          [this](const QString& text) { m_->Formel().SetzeText(text); });
  // A paste of a copied result keeps its value behind the pasted text.
  connect(u.ZK_Rechenfeld_Edit, &TEdit::eingefuegt, this,
          [this](int stelle, int ersetzt, int laenge) {
            std::optional<ZKZahl> wert = WertInZwischenablage();
            const QString eingefuegt = ui_->ZK_Rechenfeld_Edit->text().mid(stelle, laenge);
            if (!GleicherZahlText(eingefuegt, QApplication::clipboard()->text())) wert.reset();
            m_->Formel().Eingefuegt(stelle, ersetzt, laenge, wert);
          });
  connect(&m.Formel(), &Formelfeld::TextGeaendert, this, [this] { ZeigeFormel(); });
  connect(&m.Formel(), &Formelfeld::ErgebnisGeaendert, this,
          [this] { ui_->ZK_Rechenfeld_Label->setText(m_->Formel().Ergebnis()); });

  // Angle calculator.
  TStringGrid* w = u.Winkel_StringGrid;
  w->SetzeModell(&m.Winkel());
  // "Winkel DEG" and "Winkel GRA" need a little more than the design's 90.
  w->SetColWidths(0, 95);
  w->SetColWidths(1, 125);
  w->SetSpaltenTitel(1, tr("Wert"));
  const char* const kWinkel[] = {QT_TRANSLATE_NOOP("TRechenseite", "Winkel in Grad"),
                                 QT_TRANSLATE_NOOP("TRechenseite", "Winkel im Bogenmaß"),
                                 QT_TRANSLATE_NOOP("TRechenseite", "Sinus"),
                                 QT_TRANSLATE_NOOP("TRechenseite", "Kosinus"),
                                 QT_TRANSLATE_NOOP("TRechenseite", "Tangens"),
                                 QT_TRANSLATE_NOOP("TRechenseite", "Kotangens"),
                                 QT_TRANSLATE_NOOP("TRechenseite", "Winkel in Gon")};
  for (int r = 0; r < 7; ++r) w->SetZeilenTitel(r, tr(kWinkel[r]));

  VerbindeZiehen(m, u.XL_Label, Ort::XL);
  VerbindeZiehen(m, u.XC_Label, Ort::XC);
  VerbindeZiehen(m, u.ZK_Rechenfeld_Label, Ort::Formelergebnis);
  VerbindeZiehen(m, u.ZK_Rechenfeld_Edit, Ort::Formel);
  VerbindeZiehen(m, w, Ort::Winkel);

  // Results are announced where they appear, also when the focus stays on
  // the button or the formula.
  for (const Rechner& r :
       {RechnerFuer(Blindrechner::Art::Induktiv), RechnerFuer(Blindrechner::Art::Kapazitiv)})
    connect(r.istGleich, &QPushButton::clicked, this, [r] {
      for (TEdit* e : r.edits)
        if (e->isReadOnly()) MeldeNeuenWert(e, e->text());
      MeldeNeuenWert(r.label, r.label->text());
    });
  auto formel = [this] {
    MeldeNeuenWert(ui_->ZK_Rechenfeld_Label, ui_->ZK_Rechenfeld_Label->text());
  };
  connect(u.ist_gleich_Button, &QPushButton::clicked, this, formel);
  connect(u.Beispiel_BitBtn, &QPushButton::clicked, this, formel);
  // Enter in the formula computes in its key handler, before this signal.
  connect(u.ZK_Rechenfeld_Edit, &QLineEdit::returnPressed, this, formel);
}

void TRechenseite::VerbindeRechner(const Rechner& r) {
  for (std::size_t i = 0; i < 3; ++i)
    connect(r.edits[i], &QLineEdit::textChanged, this,
            [r, i](const QString& text) { r.modell->SetzeText(static_cast<Feld>(i), text); });
  connect(r.modell, &Blindrechner::Geaendert, this, [this, r] { ZeigeRechner(r); });
  ZeigeRechner(r);
}

// The sought quantity is the edit whose radio button is checked; it is the
// yellow result field and takes no typing.
void TRechenseite::ZeigeRechner(const Rechner& r) {
  const auto gesucht = static_cast<std::size_t>(r.modell->Gesucht());
  if (!r.wahl[gesucht]->isChecked()) r.wahl[gesucht]->setChecked(true);
  for (std::size_t i = 0; i < 3; ++i) {
    TEdit* e = r.edits[i];
    const QString text = r.modell->Text(static_cast<Feld>(i));
    if (e->text() != text) e->SetzeTextUeberGrenze(text);
    const bool ergebnis = i == gesucht;
    if (e->isReadOnly() != ergebnis) {
      e->setReadOnly(ergebnis);
      SetzeFarbe(e, ergebnis ? kErgebnisGelb : QColor());  // else the palette's own
    }
  }
  if (r.label->text() != r.modell->Ergebnis()) r.label->setText(r.modell->Ergebnis());
}

void TRechenseite::Berechne(const Rechner& r) {
  const BlindErgebnis e = r.modell->Berechne();
  if (e.art == BlindErgebnis::Berechnet) {
    // A text wider than the edit shows its start: the sign and the leading
    // digits, not a bare exponent.
    r.edits[static_cast<std::size_t>(e.gesucht)]->setCursorPosition(0);
    return;
  }
  r.edits[static_cast<std::size_t>(e.fehlerFeld)]->setFocus();
}

// The clicked quantity becomes the result field; the former one keeps its
// text so that a computed value serves as input for the next computation.
void TRechenseite::WaehleGesucht(const Rechner& r, QObject* sender) {
  std::size_t neu = 0;
  while (neu < 3 && r.wahl[neu] != sender) ++neu;
  // Showing the model's choice checks its button again: no new choice.
  if (neu < 3 && static_cast<Feld>(neu) != r.modell->Gesucht())
    r.modell->SetzeGesucht(static_cast<Feld>(neu));
}

void TRechenseite::istGleichXL_ButtonClick() {
  Berechne(RechnerFuer(Blindrechner::Art::Induktiv));
}

void TRechenseite::istGleichXC_ButtonClick() {
  Berechne(RechnerFuer(Blindrechner::Art::Kapazitiv));
}

void TRechenseite::C_f_XL_RadioButtonClick(QObject* Sender) {
  WaehleGesucht(RechnerFuer(Blindrechner::Art::Induktiv), Sender);
}

void TRechenseite::C_f_XC_RadioButtonClick(QObject* Sender) {
  WaehleGesucht(RechnerFuer(Blindrechner::Art::Kapazitiv), Sender);
}

// The edit keeps the text as typed; the label gets the result or the error
// text, so the user can correct the formula.
void TRechenseite::ist_gleich_ButtonClick() {
  m_->Formel().Berechne();
}

void TRechenseite::Beispiel_BitBtnClick() {
  int& nr = m_->Beispiele().formel;
  ++nr;
  ui_->Beispiel_BitBtn->setText(tr("Beispiel:%1").arg(nr));
  Variablenspeicher& speicher = m_->Speicher();
  speicher.LeereAlles();
  if (nr < kAnzahlBeispiele) {
    const Rechenbeispiel& beispiel = Beispielformel(nr);
    m_->Formel().SetzeText(AusAnsi(beispiel.formel));
    for (const SpeicherBeispiel& zeile : beispiel.speicher) {
      if (zeile.zeile == 0) continue;
      speicher.Setze(aufgabe::Seite::K, zeile.zeile, AusAnsi(zeile.wert));
      speicher.SetzeKommentar(zeile.zeile, AusAnsi(Beispielkommentar(zeile)));
    }
  } else {
    // The caption keeps 14; the next click starts again at 1.
    m_->Formel().SetzeText(AusAnsi(Beispielformel(kAnzahlBeispiele).formel));
    nr = 0;
  }
  ist_gleich_ButtonClick();
}

void TRechenseite::Loesche_Rechenfeld_ButtonClick() {
  m_->Formel().SetzeText(QString());
  m_->Formel().LeereErgebnis();
}

// What the program puts there (an example, a drop, a file) may be longer
// than the user may type.
void TRechenseite::ZeigeFormel() {
  const QString text = m_->Formel().Text();
  if (ui_->ZK_Rechenfeld_Edit->text() != text) ui_->ZK_Rechenfeld_Edit->SetzeTextUeberGrenze(text);
}
