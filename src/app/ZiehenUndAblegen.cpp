// SPDX-License-Identifier: GPL-3.0-or-later
// Right-button drag and drop between the shown values and the input places.
// A press on a source stores the text in Zustand.KopierText and starts the
// drag; a drop on an accepting target reads it from there. Nothing is read
// as a number here: each target's own handling does that later.
//
// Which source may be dropped where, and what the drop does, stands once in
// kZiehRegeln; the drag-over and the drop handlers both read it. How a press
// on each source behaves stands in kQuellRegeln.
//
// The left button never drags; on the grids it switches editor mode on,
// unless it chose a block of cells.
//
// The keyboard's way for every drag: Ctrl+C on a source, or its "Kopieren"
// menu (menu key, Shift+F10; the labels' also on a right click that stays
// on them), puts on the clipboard the text a drag from there would carry,
// and beside it the value behind that text (Zwischenablage.h).
// Ctrl+V on a target is typing that text: into the current cell of a grid
// (whose own handlers then read it), or at the caret of an edit.
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <array>

#include "app/MainQuorvel.h"
#include "app/Zwischenablage.h"

namespace {

enum class Folge {
  Nein,       // the target refuses the drag
  Nichts,     // accepted, but the drop changes nothing
  Kopie,      // the target receives the carried text
  Anhaengen,  // the carried text is appended to the target's text
};
constexpr Folge N = Folge::Nein, O = Folge::Nichts, K = Folge::Kopie, A = Folge::Anhaengen;

constexpr int kQuellen = 9, kZiele = 10;

// The sources, in the column order of kZiehRegeln and kQuellRegeln.
std::array<QWidget*, kQuellen> Quellen(const TForm1& f) {
  return {f.XL_Label,
          f.XC_Label,
          f.ZK_Rechenfeld_Label,
          f.MatrixTab_StringGrid,
          f.KxWerte_StringGrid,
          f.Variablen_StringGrid,
          f.G_Variablen_StringGrid,
          f.Winkel_StringGrid,
          f.Wandel_KE_EK_Edit};
}
// The targets, in the row order of kZiehRegeln.
std::array<QWidget*, kZiele> Ziele(const TForm1& f) {
  return {f.MatrixTab_StringGrid,
          f.Variablen_StringGrid,
          f.G_Variablen_StringGrid,
          f.Wandel_KE_EK_Edit,
          f.ZK_Rechenfeld_Edit,
          f.Winkel_StringGrid,
          f.XL_Label,
          f.XC_Label,
          f.ZK_Rechenfeld_Label,
          f.KxWerte_StringGrid};
}

// Rows: where the drag is released; columns: where it started.
constexpr std::array<std::array<Folge, kQuellen>, kZiele> kZiehRegeln = {{
    // XL XC  =  Mat Kx  K  G  Wi Wa
    {N, N, N, O, K, K, K, N, K},  // MatrixTab_StringGrid
    {K, K, K, K, K, O, K, K, K},  // Variablen_StringGrid
    {K, K, K, K, K, K, O, K, K},  // G_Variablen_StringGrid
    {K, K, K, K, K, K, K, K, O},  // Wandel_KE_EK_Edit
    {A, A, N, N, N, A, A, A, A},  // ZK_Rechenfeld_Edit
    {N, N, N, N, N, N, N, O, N},  // Winkel_StringGrid
    {O, N, N, N, N, N, N, N, N},  // XL_Label
    {N, O, N, N, N, N, N, N, N},  // XC_Label
    {N, N, O, N, N, N, N, N, N},  // ZK_Rechenfeld_Label
    {N, N, N, N, O, N, N, N, N},  // KxWerte_StringGrid
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
  bool tabelle;           // a grid: the cell under the press is the source
  int abSpalte, abZeile;  // grids: the first cell that starts a drag
  Editor editor;
  Schnitt schnitt;
};
// Header rows count where abZeile is 0: their texts can be dragged too. The
// angle grid has no fixed row.
constexpr std::array<QuellRegel, kQuellen> kQuellRegeln = {{
    {false, 0, 0, Editor::Bleibt, Schnitt::Getrimmt},        // XL_Label
    {false, 0, 0, Editor::Bleibt, Schnitt::Getrimmt},        // XC_Label
    {false, 0, 0, Editor::Bleibt, Schnitt::VorGleich},       // ZK_Rechenfeld_Label
    {true, 1, 1, Editor::Aus, Schnitt::Ganz},                // MatrixTab_StringGrid
    {true, 1, 0, Editor::Aus, Schnitt::Ganz},                // KxWerte_StringGrid
    {true, 1, 1, Editor::AusBeimZiehen, Schnitt::VorRaute},  // Variablen_StringGrid
    {true, 1, 0, Editor::Bleibt, Schnitt::Ganz},             // G_Variablen_StringGrid
    {true, 1, 0, Editor::AusBeimZiehen, Schnitt::VorRaute},  // Winkel_StringGrid
    {false, 0, 0, Editor::Bleibt, Schnitt::Ganz},            // Wandel_KE_EK_Edit
}};

template <std::size_t n>
int Stelle(const std::array<QWidget*, n>& liste, const QWidget* w) {
  // An unbuilt page's controls are null in the lists.
  if (w == nullptr) return -1;
  for (std::size_t i = 0; i < n; ++i) {
    if (liste[i] == w) return static_cast<int>(i);
  }
  return -1;
}

Folge Regel(const TForm1& f, const QWidget* ziel, const QWidget* quelle) {
  const int z = Stelle(Ziele(f), ziel), q = Stelle(Quellen(f), quelle);
  if (z < 0 || q < 0) return Folge::Nein;
  return kZiehRegeln[std::size_t(z)][std::size_t(q)];
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

}  // namespace

QString TForm1::GetragenerText(const QWidget* Quelle, int ACol, int ARow) const {
  const int q = Stelle(Quellen(*this), Quelle);
  if (q < 0) return {};
  const QuellRegel& regel = kQuellRegeln[std::size_t(q)];
  QString text;
  if (regel.tabelle)
    text = static_cast<const TStringGrid*>(Quelle)->Cells(ACol, ARow);
  else if (Quelle == Wandel_KE_EK_Edit)
    text = Wandel_KE_EK_Edit->text();
  else
    text = static_cast<const TLabel*>(Quelle)->text();
  return Geschnitten(text, regel.schnitt);
}

void TForm1::ZiehenBeginnen(QWidget* Quelle, Qt::MouseButton Button, int X, int Y) {
  const int q = Stelle(Quellen(*this), Quelle);
  if (q < 0) return;
  const QuellRegel& regel = kQuellRegeln[std::size_t(q)];
  TSteuerung* steuerung = SteuerungVon(Quelle);
  if (!regel.tabelle) {
    if (Button != Qt::RightButton) return;
    Zustand.KopierText = GetragenerText(Quelle);
    Zustand.KopierWert = GetragenerWert(Quelle);
    steuerung->BeginDrag();
    return;
  }
  auto* grid = static_cast<TStringGrid*>(Quelle);
  if (Button == Qt::LeftButton) {
    // A press that chose cells (Shift or Ctrl with it) leaves them chosen
    // for copying.
    if (!grid->PresseWaehlt()) grid->SetEditorMode(true);
    return;
  }
  if (Button != Qt::RightButton) return;
  if (regel.editor == Editor::Aus) grid->SetEditorMode(false);
  int c = -1, r = -1;
  grid->MouseToCell(X, Y, c, r);
  if (c < regel.abSpalte || r < regel.abZeile) return;
  if (regel.editor == Editor::AusBeimZiehen) grid->SetEditorMode(false);
  Zustand.KopierText = GetragenerText(grid, c, r);
  Zustand.KopierWert = GetragenerWert(grid, c, r);
  grid->BeginDrag();
}

bool TForm1::ZiehenAnnehmen(const QWidget* Ziel, const QWidget* Quelle) const {
  // An exercise's task takes nothing.
  if (Ziel == MatrixTab_StringGrid && UebungAktiv()) return false;
  return Regel(*this, Ziel, Quelle) != Folge::Nein;
}

void TForm1::ZiehenAblegen(QWidget* Ziel, const QWidget* Quelle, int X, int Y) {
  if (!ZiehenAnnehmen(Ziel, Quelle)) return;
  const Folge folge = Regel(*this, Ziel, Quelle);
  if (folge == Folge::Anhaengen) {
    // A value is added to the formula being written: at its end, whatever
    // the caret, and past the typing limit if need be.
    const auto ende = static_cast<int>(static_cast<TEdit*>(Ziel)->text().size());
    FuegeInFormelEin(ende, 0, Zustand.KopierText, Zustand.KopierWert);
    return;
  }
  if (folge != Folge::Kopie) return;
  if (Ziel == Wandel_KE_EK_Edit) {
    Wandel_KE_EK_Edit->SetzeTextUeberGrenze(Zustand.KopierText);
    return;
  }
  auto* grid = static_cast<TStringGrid*>(Ziel);
  int c = -1, r = -1;
  grid->MouseToCell(X, Y, c, r);
  if (grid == MatrixTab_StringGrid) {
    if (c >= 1 && r >= 1) SetzeText(grid, c, r, Zustand.KopierText, Zustand.KopierWert);
    // The shown solution no longer belongs to the matrix, even when the
    // drop missed every cell.
    LoescheErgebnisse();
    return;
  }
  // The memory grids take a value only in their value column.
  if (c != 1 || r < 1 || r > 20) return;
  SetzeText(grid, 1, r, Zustand.KopierText, Zustand.KopierWert);
  if (grid == Variablen_StringGrid)
    K_ZeileBerechnen(r);
  else
    G_ZeileBerechnen(r);
}

bool TForm1::SpeicherNimmtAn(const QWidget* Source) const {
  // Every shown value but the memory's own: the sources the K memory's drop
  // handler lists. The phasor page stores its drops in the memory by it.
  if (Source == nullptr) return false;  // the matrix page's grids are null until it is built
  return Source == MatrixTab_StringGrid || Source == KxWerte_StringGrid || Source == XL_Label ||
         Source == XC_Label || Source == ZK_Rechenfeld_Label || Source == Wandel_KE_EK_Edit ||
         Source == Winkel_StringGrid || Source == G_Variablen_StringGrid;
}

void TForm1::Kopiere(const KopierBlock& block) {
  KopiereInZwischenablage(block);
}

void TForm1::Kopiere(const QString& text, const std::optional<ZKZahl>& wert) {
  KopiereInZwischenablage(text, wert);
}

namespace {

QMenu* KopierMenue(QWidget* quelle, const std::function<void()>& kopieren) {
  auto* m = new QMenu(quelle);
  m->setAccessibleName(QStringLiteral("Kontextmenü"));
  m->addAction(QStringLiteral("Kopieren"), kopieren);
  return m;
}

}  // namespace

void TForm1::VerbindeZwischenablage(TStringGrid* g) {
  g->OnKopieren = [this, g](int c, int r) {
    Kopiere(GetragenerText(g, c, r), GetragenerWert(g, c, r));
  };
  // The key menu only: a right click on a grid is a drag.
  g->TastenMenue = KopierMenue(g, [g] { g->OnKopieren(g->Col(), g->Row()); });
}

void TForm1::VerbindeZwischenablage() {
  for (TStringGrid* g : {Variablen_StringGrid, G_Variablen_StringGrid, Winkel_StringGrid})
    VerbindeZwischenablage(g);
  for (TLabel* l : {XL_Label, XC_Label, ZK_Rechenfeld_Label}) {
    l->OnKopieren = [this, l] { Kopiere(GetragenerText(l), GetragenerWert(l)); };
    l->PopupMenu = l->TastenMenue = KopierMenue(l, l->OnKopieren);
  }
  // A selection is copied as usual; without one, what a drag carries.
  Wandel_KE_EK_Edit->OnKopieren = [this] {
    Kopiere(GetragenerText(Wandel_KE_EK_Edit), GetragenerWert(Wandel_KE_EK_Edit));
  };
}

// The handlers the window names, one line each.

void TForm1::WerteLabels_MouseDown(QObject* Sender, Qt::MouseButton Button,
                                   Qt::KeyboardModifiers /*Shift*/, int X, int Y) {
  ZiehenBeginnen(static_cast<QWidget*>(Sender), Button, X, Y);
}

void TForm1::WerteLabels_DragOver(QObject* Sender, QWidget* Source, int /*X*/, int /*Y*/,
                                  bool& Accept) {
  Accept = ZiehenAnnehmen(static_cast<QWidget*>(Sender), Source);
}

void TForm1::MatrixTab_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                           int X, int Y) {
  ZiehenBeginnen(MatrixTab_StringGrid, Button, X, Y);
}

void TForm1::MatrixTab_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = ZiehenAnnehmen(MatrixTab_StringGrid, Source);
}

void TForm1::MatrixTab_StringGridDragDrop(QWidget* Source, int X, int Y) {
  ZiehenAblegen(MatrixTab_StringGrid, Source, X, Y);
}

void TForm1::KxWerte_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                         int X, int Y) {
  ZiehenBeginnen(KxWerte_StringGrid, Button, X, Y);
}

void TForm1::KxWerte_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = ZiehenAnnehmen(KxWerte_StringGrid, Source);
}

void TForm1::Variablen_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                           int X, int Y) {
  // Every press, of any button, first; the double click reads it to know
  // whether a row title was hit.
  Variablen_StringGrid->MouseToCell(X, Y, Zustand.KlickSpalte, Zustand.KlickZeile);
  ZiehenBeginnen(Variablen_StringGrid, Button, X, Y);
}

void TForm1::Variablen_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = ZiehenAnnehmen(Variablen_StringGrid, Source);
}

void TForm1::G_Variablen_StringGridMouseDown(Qt::MouseButton Button,
                                             Qt::KeyboardModifiers /*Shift*/, int X, int Y) {
  ZiehenBeginnen(G_Variablen_StringGrid, Button, X, Y);
}

void TForm1::G_Variablen_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = ZiehenAnnehmen(G_Variablen_StringGrid, Source);
}

void TForm1::Winkel_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                        int X, int Y) {
  ZiehenBeginnen(Winkel_StringGrid, Button, X, Y);
}

void TForm1::Winkel_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = ZiehenAnnehmen(Winkel_StringGrid, Source);
}

void TForm1::Winkel_StringGridDragDrop(QWidget* Source, int X, int Y) {
  ZiehenAblegen(Winkel_StringGrid, Source, X, Y);
}

void TForm1::Wandel_KE_EK_EditMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                        int X, int Y) {
  ZiehenBeginnen(Wandel_KE_EK_Edit, Button, X, Y);
}

void TForm1::Wandel_KE_EK_EditDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = ZiehenAnnehmen(Wandel_KE_EK_Edit, Source);
}

void TForm1::Wandel_KE_EK_EditDragDrop(QWidget* Source, int X, int Y) {
  ZiehenAblegen(Wandel_KE_EK_Edit, Source, X, Y);
}

void TForm1::ZK_Rechenfeld_EditDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = ZiehenAnnehmen(ZK_Rechenfeld_Edit, Source);
}

void TForm1::ZK_Rechenfeld_EditDragDrop(QWidget* Source, int X, int Y) {
  ZiehenAblegen(ZK_Rechenfeld_Edit, Source, X, Y);
}
