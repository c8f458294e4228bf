// SPDX-License-Identifier: GPL-3.0-or-later
// The full values behind shown texts, and how they travel with a copy.
//
// Where a result is shown, its number is recorded beside its text
// (ZeigtWert). A drag or Ctrl+C takes the value with the text
// (GetragenerWert, Zwischenablage.h); an input cell or the formula that
// receives both keeps the value (SetzeText, FuegeInFormelEin), and the
// matrix, the memory and the formula compute with it. Any other change of a
// cell's or field's text forgets its value: from then on the text is read.
#include <QApplication>
#include <QClipboard>

#include "app/MainQuorvel.h"
#include "app/Zwischenablage.h"

namespace {

// Cell and field texts are keyed as UTF-8.
std::string Schluessel(const QString& text) {
  return text.toStdString();
}

}  // namespace

std::optional<Ort> TForm1::OrtVon(const QWidget* w) const {
  if (w == nullptr) return std::nullopt;  // the matrix page's controls until it is built
  if (w == MatrixTab_StringGrid) return Ort::Matrix;
  if (w == KxWerte_StringGrid) return Ort::Ergebnis;
  if (w == Variablen_StringGrid) return Ort::K;
  if (w == G_Variablen_StringGrid) return Ort::G;
  if (w == XL_Label) return Ort::XL;
  if (w == XC_Label) return Ort::XC;
  if (w == ZK_Rechenfeld_Label) return Ort::Formelergebnis;
  if (w == Wandel_KE_EK_Edit) return Ort::Wandeln;
  // The angle calculator's rows are real numbers from double arithmetic,
  // shown to ten digits: they carry their text only.
  return std::nullopt;
}

std::optional<ZKZahl> TForm1::Zellwert(const TStringGrid* g, int ACol, int ARow) const {
  const std::optional<Ort> ort = OrtVon(g);
  if (!ort) return std::nullopt;
  return Zustand.Werte.Wert(*ort, ACol, ARow, Schluessel(g->Cells(ACol, ARow)));
}

std::optional<ZKZahl> TForm1::GetragenerWert(const QWidget* Quelle, int ACol, int ARow) const {
  const std::optional<Ort> ort = OrtVon(Quelle);
  if (!ort) return std::nullopt;
  // The value stands behind the whole text shown; a drag carries a part of
  // it (the exponential form of the formula's result), which shows the same.
  QString text;
  if (const auto* g = qobject_cast<const TStringGrid*>(Quelle)) return Zellwert(g, ACol, ARow);
  if (const auto* l = qobject_cast<const TLabel*>(Quelle))
    text = l->text();
  else if (const auto* e = qobject_cast<const TEdit*>(Quelle))
    text = e->text();
  return Zustand.Werte.Wert(*ort, 0, 0, Schluessel(text));
}

void TForm1::SetzeText(TStringGrid* g, int ACol, int ARow, const QString& text,
                       const std::optional<ZKZahl>& wert) {
  g->SetCell(ACol, ARow, text);  // forgets the value behind the old text
  ZeigtWert(*OrtVon(g), ACol, ARow, text, wert);
}

void TForm1::ZeigtWert(Ort ort, int ACol, int ARow, const QString& text,
                       const std::optional<ZKZahl>& wert) {
  if (wert && !text.isEmpty())
    Zustand.Werte.Setze(ort, ACol, ARow, Schluessel(text), *wert);
  else
    Zustand.Werte.Vergiss(ort, ACol, ARow);
}

void TForm1::FuegeInFormelEin(int stelle, int ersetzt, const QString& text,
                              const std::optional<ZKZahl>& wert) {
  QString formel = ZK_Rechenfeld_Edit->text();
  stelle = std::clamp(stelle, 0, static_cast<int>(formel.size()));
  ersetzt = std::clamp(ersetzt, 0, static_cast<int>(formel.size()) - stelle);
  formel.replace(stelle, ersetzt, text);
  ZK_Rechenfeld_Edit->SetzeTextUeberGrenze(formel);
  Zustand.Formelteile.Eingefuegt(NachAnsi(formel), static_cast<std::size_t>(stelle),
                                 static_cast<std::size_t>(ersetzt),
                                 static_cast<std::size_t>(text.size()), wert);
}

void TForm1::VerbindeWerte(TStringGrid* g) {
  const Ort ort = *OrtVon(g);
  g->OnZelleGeschrieben = [this, ort](int c, int r) { Zustand.Werte.Vergiss(ort, c, r); };
  if (ort != Ort::Matrix && ort != Ort::K && ort != Ort::G) return;
  // Ctrl+V of a copied result keeps its value where the cell now shows its
  // text (a paste into an edited text makes another text).
  g->OnEingefuegt = [this, g, ort](int c, int r) {
    const std::optional<ZKZahl> wert = WertInZwischenablage();
    const QString text = g->Cells(c, r);
    if (!wert || !GleicherZahlText(text, QApplication::clipboard()->text())) return;
    if (ort == Ort::Matrix) {
      if (c >= 1 && r >= 1) ZeigtWert(ort, c, r, text, wert);
      return;
    }
    if (c != 1 || r < 1 || r > 20) return;
    ZeigtWert(ort, c, r, text, wert);
    // The row was read from the text as it was typed in; now from the value.
    if (ort == Ort::K)
      K_ZeileBerechnen(r);
    else
      G_ZeileBerechnen(r);
  };
}

void TForm1::VerbindeWerte() {
  for (TStringGrid* g : {Variablen_StringGrid, G_Variablen_StringGrid}) VerbindeWerte(g);
  QObject::connect(Wandel_KE_EK_Edit, &QLineEdit::textChanged, this,
                   [this] { Zustand.Werte.Vergiss(Ort::Wandeln, 0, 0); });
  QObject::connect(ZK_Rechenfeld_Edit, &QLineEdit::textChanged, this,
                   [this] { Zustand.Formelteile.Geaendert(); });
  ZK_Rechenfeld_Edit->OnEingefuegt = [this](int stelle, int ersetzt, int laenge) {
    std::optional<ZKZahl> wert = WertInZwischenablage();
    const QString eingefuegt = ZK_Rechenfeld_Edit->text().mid(stelle, laenge);
    if (!GleicherZahlText(eingefuegt, QApplication::clipboard()->text())) wert.reset();
    Zustand.Formelteile.Eingefuegt(
        NachAnsi(ZK_Rechenfeld_Edit->text()), static_cast<std::size_t>(stelle),
        static_cast<std::size_t>(ersetzt), static_cast<std::size_t>(laenge), wert);
  };
}
