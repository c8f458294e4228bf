// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ziehen.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <array>

#include "app/Tabellen.h"
#include "app/Zwischenablage.h"
#include "forms/Steuerelemente.h"
#include "forms/StringGrid.h"

namespace {

constexpr int kOrte = static_cast<int>(Ort::Schaltung) + 1;
constexpr Folge N = Folge::Nein, O = Folge::Nichts, K = Folge::Kopie, A = Folge::Anhaengen;

// Rows: where the drag is released; columns: where it started, both in the
// order of Ort. The formula edit is no source; the circuit page's results
// are no target.
constexpr std::array<std::array<Folge, kOrte>, kOrte> kZiehRegeln = {{
    // Mat Erg K  G  XL XC =  Wa Wi Fo Sch
    {O, K, K, K, N, N, N, K, N, N, K},  // Matrix
    {N, O, N, N, N, N, N, N, N, N, N},  // Ergebnis
    {K, K, O, K, K, K, K, K, K, N, K},  // K
    {K, K, K, O, K, K, K, K, K, N, K},  // G
    {N, N, N, N, O, N, N, N, N, N, N},  // XL
    {N, N, N, N, N, O, N, N, N, N, N},  // XC
    {N, N, N, N, N, N, O, N, N, N, N},  // Formelergebnis
    {K, K, K, K, K, K, K, O, K, N, K},  // Wandeln
    {N, N, N, N, N, N, N, N, O, N, N},  // Winkel
    {N, N, A, A, A, A, N, A, A, N, A},  // Formel
    {N, N, N, N, N, N, N, N, N, N, O},  // Schaltung
}};

// What a right-button press on a grid does to the grid's editor mode.
enum class Editor { Aus, AusBeimZiehen, Bleibt };
// Which part of the shown text a drag carries.
enum class Schnitt {
  Ganz,       // unchanged
  Getrimmt,   // blanks and control characters off both ends
  VorGleich,  // up to the first "=", trimmed: "exponential = component"
  VorRaute,   // up to the first "#", trimmed: "value # comment"
};
struct QuellRegel {
  bool quelle;            // a drag can start here
  int abSpalte, abZeile;  // grids: the first cell that starts a drag
  Editor editor;
  Schnitt schnitt;
};
// In the order of Ort. Header rows count where abZeile is 0: their texts
// can be dragged too. The angle grid has no fixed row.
constexpr std::array<QuellRegel, kOrte> kQuellRegeln = {{
    {true, 1, 1, Editor::Aus, Schnitt::Ganz},                // Matrix
    {true, 1, 0, Editor::Aus, Schnitt::Ganz},                // Ergebnis
    {true, 1, 1, Editor::AusBeimZiehen, Schnitt::VorRaute},  // K
    {true, 1, 0, Editor::Bleibt, Schnitt::Ganz},             // G
    {true, 0, 0, Editor::Bleibt, Schnitt::Getrimmt},         // XL
    {true, 0, 0, Editor::Bleibt, Schnitt::Getrimmt},         // XC
    {true, 0, 0, Editor::Bleibt, Schnitt::VorGleich},        // Formelergebnis
    {true, 0, 0, Editor::Bleibt, Schnitt::Ganz},             // Wandeln
    {true, 1, 0, Editor::AusBeimZiehen, Schnitt::VorRaute},  // Winkel
    {false, 0, 0, Editor::Bleibt, Schnitt::Ganz},            // Formel
    {true, 0, 0, Editor::Bleibt, Schnitt::Ganz},             // Schaltung (its page starts drags)
}};

constexpr const char* kOrtEigenschaft = "quorvelOrt";

std::size_t I(Ort o) {
  return static_cast<std::size_t>(o);
}

// Blanks and control characters at both ends, as the form framework's Trim.
QString Getrimmt(const QString& text) {
  qsizetype anfang = 0, ende = text.size();
  while (anfang < ende && text.at(anfang).unicode() <= 0x20) ++anfang;
  while (ende > anfang && text.at(ende - 1).unicode() <= 0x20) --ende;
  return text.mid(anfang, ende - anfang);
}

// The part before the first `trenner`, trimmed.
QString VorDemTrenner(const QString& text, QChar trenner) {
  const qsizetype stelle = text.indexOf(trenner);
  return Getrimmt(stelle < 0 ? text : text.left(stelle));
}

QString Geschnitten(const QString& text, Schnitt schnitt) {
  switch (schnitt) {
    case Schnitt::Getrimmt:
      return Getrimmt(text);
    case Schnitt::VorGleich:
      return VorDemTrenner(text, u'=');
    case Schnitt::VorRaute:
      return VorDemTrenner(text, u'#');
    case Schnitt::Ganz:
      break;
  }
  return text;
}

// The whole text a control shows (a grid: the cell's).
QString Gezeigt(const QWidget* w, int spalte, int zeile) {
  if (const auto* g = qobject_cast<const TStringGrid*>(w)) return g->Cells(spalte, zeile);
  if (const auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (const auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
  return {};
}

void Beginne(Modell& m, QWidget* quelle, Ort ort, Qt::MouseButton knopf, int x, int y) {
  const QuellRegel& regel = kQuellRegeln[I(ort)];
  if (!regel.quelle) return;
  auto* grid = qobject_cast<TStringGrid*>(quelle);
  if (!grid) {
    if (knopf != Qt::RightButton) return;
    m.SetzeKopie(GetragenerText(quelle), GetragenerWert(m, quelle));
    SteuerungVon(quelle)->BeginDrag();
    return;
  }
  if (knopf == Qt::LeftButton) {
    // A press that chose cells (Shift or Ctrl with it) leaves them chosen
    // for copying.
    if (!grid->PresseWaehlt()) grid->SetEditorMode(true);
    return;
  }
  if (knopf != Qt::RightButton) return;
  if (regel.editor == Editor::Aus) grid->SetEditorMode(false);
  int c = -1, r = -1;
  grid->MouseToCell(x, y, c, r);
  if (c < regel.abSpalte || r < regel.abZeile) return;
  if (regel.editor == Editor::AusBeimZiehen) grid->SetEditorMode(false);
  m.SetzeKopie(GetragenerText(grid, c, r), GetragenerWert(m, grid, c, r));
  grid->BeginDrag();
}

void Ablege(Modell& m, QWidget* ziel, Ort ort, const QWidget* quelle, int x, int y) {
  if (!NimmtAn(m, ort, quelle)) return;
  const Folge folge = Ziehregel(ort, *OrtVon(quelle));
  const QString text = m.KopierText();
  const std::optional<ZKZahl> wert = m.KopierWert();
  if (folge == Folge::Anhaengen) {
    // A value is added to the formula being written: at its end, whatever
    // the caret, and past the typing limit if need be.
    m.Formel().FuegeEin(static_cast<int>(m.Formel().Text().size()), 0, text, wert);
    return;
  }
  if (folge != Folge::Kopie) return;
  if (ort == Ort::Wandeln) {
    m.Wandeln().SetzeText(text);
    return;
  }
  int c = -1, r = -1;
  static_cast<TStringGrid*>(ziel)->MouseToCell(x, y, c, r);
  if (ort == Ort::Matrix) {
    if (c >= 1 && r >= 1) m.System().SetzeZelle(r, c, text, wert);
    // The shown solution no longer belongs to the matrix, even when the
    // drop missed every cell.
    m.System().LoescheErgebnisse();
    return;
  }
  // The memory grids take a value only in their value column.
  if (c != 1 || r < 1 || r > Variablenspeicher::kZeilen) return;
  m.Speicher().Setze(ort == Ort::K ? aufgabe::Seite::K : aufgabe::Seite::G, r, text, wert);
}

QMenu* KopierMenue(QWidget* quelle, const std::function<void()>& kopieren) {
  auto* menue = new QMenu(quelle);
  menue->setAccessibleName(QCoreApplication::translate("Ziehen", "Kontextmenü"));
  menue->addAction(QCoreApplication::translate("Ziehen", "Kopieren"), kopieren);
  return menue;
}

void VerbindeKopieren(const Modell& m, QWidget* w, Ort ort) {
  if (auto* g = qobject_cast<TStringGrid*>(w)) {
    // Several result rows can be chosen for copying, as in the coefficient grid.
    if (ort == Ort::Ergebnis) g->setSelectionMode(QAbstractItemView::ExtendedSelection);
    QObject::connect(g, &TStringGrid::kopieren, g, [&m, g, ort](int c, int r) {
      // Several selected cells go as a block, one as what a drag carries.
      const KopierBlock block = Auswahlblock(m, g, ort);
      if (!block.empty())
        KopiereInZwischenablage(block);
      else
        KopiereInZwischenablage(GetragenerText(g, c, r), GetragenerWert(m, g, c, r));
    });
    // The key menu only: a right click on a grid is a drag.
    g->TastenMenue = KopierMenue(g, [g] { emit g->kopieren(g->Col(), g->Row()); });
  } else if (auto* l = qobject_cast<TLabel*>(w)) {
    QObject::connect(l, &TLabel::kopieren, l,
                     [&m, l] { KopiereInZwischenablage(GetragenerText(l), GetragenerWert(m, l)); });
    l->PopupMenu = l->TastenMenue = KopierMenue(l, [l] { emit l->kopieren(); });
  } else if (auto* e = qobject_cast<TEdit*>(w)) {
    // A selection is copied as usual; without one, what a drag carries.
    QObject::connect(e, &TEdit::kopieren, e,
                     [&m, e] { KopiereInZwischenablage(GetragenerText(e), GetragenerWert(m, e)); });
  }
}

// Ctrl+V of a copied result keeps its value where the cell now shows its
// text whole (a paste into an edited text makes another text).
void VerbindeWerte(Modell& m, TStringGrid* g, Ort ort) {
  QObject::connect(g, &TStringGrid::eingefuegt, g, [&m, g, ort](int c, int r) {
    const std::optional<ZKZahl> wert = WertInZwischenablage();
    const QString text = g->Cells(c, r);
    if (!wert || !GleicherZahlText(text, QApplication::clipboard()->text())) return;
    if (ort == Ort::Matrix) {
      m.System().SetzeZelle(r, c, text, wert);
    } else if (c == 1) {
      // The row was read from the text as it was typed in; now from the value.
      m.Speicher().Setze(ort == Ort::K ? aufgabe::Seite::K : aufgabe::Seite::G, r, text, wert);
    }
  });
}

}  // namespace

Folge Ziehregel(Ort ziel, Ort quelle) {
  return kZiehRegeln[I(ziel)][I(quelle)];
}

void SetzeOrt(QWidget* w, Ort ort) {
  w->setProperty(kOrtEigenschaft, static_cast<int>(ort));
}

std::optional<Ort> OrtVon(const QWidget* w) {
  if (!w) return std::nullopt;
  const QVariant ort = w->property(kOrtEigenschaft);
  if (!ort.isValid()) return std::nullopt;
  return static_cast<Ort>(ort.toInt());
}

QString GetragenerText(const QWidget* quelle, int spalte, int zeile) {
  const std::optional<Ort> ort = OrtVon(quelle);
  if (!ort) return {};
  return Geschnitten(Gezeigt(quelle, spalte, zeile), kQuellRegeln[I(*ort)].schnitt);
}

std::optional<ZKZahl> GetragenerWert(const Modell& m, const QWidget* quelle, int spalte,
                                     int zeile) {
  const std::optional<Ort> ort = OrtVon(quelle);
  if (!ort) return std::nullopt;
  // The value stands behind the whole text shown (a drag may carry a part
  // of it, the exponential form of the formula's result, which shows the
  // same); a field shows the model's text unless it was written otherwise.
  if (qobject_cast<const TStringGrid*>(quelle)) return m.Wert(*ort, spalte, zeile);
  if (Gezeigt(quelle, 0, 0) != m.Text(*ort)) return std::nullopt;
  return m.Wert(*ort);
}

bool NimmtAn(const Modell& m, Ort ziel, const QWidget* quelle) {
  const std::optional<Ort> von = OrtVon(quelle);
  if (!von) return false;
  // An exercise's task takes nothing.
  if (ziel == Ort::Matrix && m.System().UebungAktiv()) return false;
  return Ziehregel(ziel, *von) != Folge::Nein;
}

void VerbindeZiehen(Modell& m, TSteuerung* s, Ort ort) {
  QWidget* w = s->Widget();
  SetzeOrt(w, ort);
  TSteuerungsereignisse* e = s->Ereignisse();
  if (kQuellRegeln[I(ort)].quelle) {
    QObject::connect(e, &TSteuerungsereignisse::mausGedrueckt, w,
                     [&m, w, ort](Qt::MouseButton b, Qt::KeyboardModifiers, QPoint p) {
                       Beginne(m, w, ort, b, p.x(), p.y());
                     });
    VerbindeKopieren(m, w, ort);
  }
  QObject::connect(e, &TSteuerungsereignisse::ziehenUeber, w,
                   [&m, ort](QWidget* quelle, QPoint, bool& annehmen) {
                     annehmen = annehmen && NimmtAn(m, ort, quelle);
                   });
  QObject::connect(e, &TSteuerungsereignisse::abgelegt, w, [&m, w, ort](QWidget* quelle, QPoint p) {
    Ablege(m, w, ort, quelle, p.x(), p.y());
  });
  if (auto* g = qobject_cast<TStringGrid*>(w);
      g && (ort == Ort::Matrix || ort == Ort::K || ort == Ort::G))
    VerbindeWerte(m, g, ort);
}
