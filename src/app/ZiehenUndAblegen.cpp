// Right-button drag and drop between the shown values and the input places.
// A press on a source stores the text in Zustand.KopierText and starts the
// drag; a drop on an accepting target reads it from there. Nothing is read
// as a number here: each target's own handling does that later.
//
// The left button never drags; on the grids it switches editor mode on.
//
// The keyboard's way for every drag: Ctrl+C on a source, or its "Kopieren"
// menu (menu key, Shift+F10; the labels' also on a right click that stays
// on them), puts on the clipboard the text a drag from there would carry.
// Ctrl+V on a target is typing that text: into the current cell of a grid
// (whose own handlers then read it), or at the caret of an edit.
#include <QApplication>
#include <QClipboard>
#include <QMenu>

#include "MainQuorvel.h"

namespace {

// Blanks and control characters at both ends, as the form framework's Trim.
QString Getrimmt(const QString& text) {
  qsizetype anfang = 0, ende = text.size();
  while (anfang < ende && text.at(anfang).unicode() <= 0x20) ++anfang;
  while (ende > anfang && text.at(ende - 1).unicode() <= 0x20) --ende;
  return text.mid(anfang, ende - anfang);
}

// The part before the first `trenner`, trimmed; a formula result shows
// "exponential = component", a memory or angle cell "value # comment".
QString VorDemTrenner(const QString& text, QChar trenner) {
  const qsizetype stelle = text.indexOf(trenner);
  return Getrimmt(stelle < 0 ? text : text.left(stelle));
}

}  // namespace

QString TForm1::GetragenerText(const QWidget* Quelle, int ACol, int ARow) const {
  if (Quelle == XL_Label || Quelle == XC_Label)
    return Getrimmt(static_cast<const TLabel*>(Quelle)->text());
  if (Quelle == ZK_Rechenfeld_Label) return VorDemTrenner(ZK_Rechenfeld_Label->text(), u'=');
  if (Quelle == Wandel_KE_EK_Edit) return Wandel_KE_EK_Edit->text();
  if (Quelle == Variablen_StringGrid || Quelle == Winkel_StringGrid)
    return VorDemTrenner(static_cast<const TStringGrid*>(Quelle)->Cells(ACol, ARow), u'#');
  if (Quelle == MatrixTab_StringGrid || Quelle == KxWerte_StringGrid ||
      Quelle == G_Variablen_StringGrid)
    return static_cast<const TStringGrid*>(Quelle)->Cells(ACol, ARow);
  return {};
}

bool TForm1::SpeicherNimmtAn(const QWidget* Source) const {
  // Every shown value but the memory's own: the sources the K memory's drop
  // handler lists. The phasor page stores its drops in the memory by it.
  return Source == MatrixTab_StringGrid || Source == KxWerte_StringGrid || Source == XL_Label ||
         Source == XC_Label || Source == ZK_Rechenfeld_Label || Source == Wandel_KE_EK_Edit ||
         Source == Winkel_StringGrid || Source == G_Variablen_StringGrid;
}

void TForm1::VerbindeZwischenablage() {
  auto kopiere = [](const QString& text) { QApplication::clipboard()->setText(text); };
  auto menue = [](QWidget* quelle, const std::function<void()>& kopieren) {
    auto* m = new QMenu(quelle);
    m->setAccessibleName(QStringLiteral("Kontextmenü"));
    m->addAction(QStringLiteral("Kopieren"), kopieren);
    return m;
  };
  for (TStringGrid* g : {MatrixTab_StringGrid, KxWerte_StringGrid, Variablen_StringGrid,
                         G_Variablen_StringGrid, Winkel_StringGrid}) {
    g->OnKopieren = [this, g, kopiere](int c, int r) { kopiere(GetragenerText(g, c, r)); };
    // The key menu only: a right click on a grid is a drag.
    g->TastenMenue = menue(g, [g] { g->OnKopieren(g->Col(), g->Row()); });
  }
  for (TLabel* l : {XL_Label, XC_Label, ZK_Rechenfeld_Label}) {
    l->OnKopieren = [this, l, kopiere] { kopiere(GetragenerText(l)); };
    l->PopupMenu = l->TastenMenue = menue(l, l->OnKopieren);
  }
  // A selection is copied as usual; without one, what a drag carries.
  Wandel_KE_EK_Edit->OnKopieren = [this, kopiere] { kopiere(GetragenerText(Wandel_KE_EK_Edit)); };
}

void TForm1::WerteLabels_MouseDown(QObject* Sender, Qt::MouseButton Button,
                                   Qt::KeyboardModifiers /*Shift*/, int /*X*/, int /*Y*/) {
  if (Button != Qt::RightButton) return;
  auto* label = static_cast<TLabel*>(static_cast<QWidget*>(Sender));
  Zustand.KopierText = GetragenerText(label);
  label->BeginDrag();
}

void TForm1::WerteLabels_DragOver(QObject* Sender, QWidget* Source, int /*X*/, int /*Y*/,
                                  bool& Accept) {
  Accept = Source == Sender;
}

void TForm1::MatrixTab_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                           int X, int Y) {
  if (Button == Qt::LeftButton) {
    MatrixTab_StringGrid->SetEditorMode(true);
    return;
  }
  if (Button != Qt::RightButton) return;
  MatrixTab_StringGrid->SetEditorMode(false);
  int c = -1, r = -1;
  MatrixTab_StringGrid->MouseToCell(X, Y, c, r);
  if (c < 1 || r < 1) return;
  Zustand.KopierText = GetragenerText(MatrixTab_StringGrid, c, r);
  MatrixTab_StringGrid->BeginDrag();
}

void TForm1::MatrixTab_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = Source == MatrixTab_StringGrid || Source == KxWerte_StringGrid ||
           Source == Wandel_KE_EK_Edit || Source == Variablen_StringGrid ||
           Source == G_Variablen_StringGrid;
}

void TForm1::MatrixTab_StringGridDragDrop(QWidget* Source, int X, int Y) {
  if (Source != Variablen_StringGrid && Source != KxWerte_StringGrid &&
      Source != Wandel_KE_EK_Edit && Source != G_Variablen_StringGrid)
    return;
  int c = -1, r = -1;
  MatrixTab_StringGrid->MouseToCell(X, Y, c, r);
  if (c >= 1 && r >= 1) MatrixTab_StringGrid->SetCell(c, r, Zustand.KopierText);
  // The shown solution no longer belongs to the matrix, even when the drop
  // missed every cell.
  LoescheErgebnisse();
}

void TForm1::KxWerte_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                         int X, int Y) {
  if (Button == Qt::LeftButton) {
    KxWerte_StringGrid->SetEditorMode(true);
    return;
  }
  if (Button != Qt::RightButton) return;
  KxWerte_StringGrid->SetEditorMode(false);
  int c = -1, r = -1;
  KxWerte_StringGrid->MouseToCell(X, Y, c, r);
  // The header row counts: its texts can be dragged too.
  if (c < 1 || r < 0) return;
  Zustand.KopierText = GetragenerText(KxWerte_StringGrid, c, r);
  KxWerte_StringGrid->BeginDrag();
}

void TForm1::KxWerte_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = Source == KxWerte_StringGrid;
}

void TForm1::Variablen_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                           int X, int Y) {
  // Every press, of any button, first; the double click reads it to know
  // whether a row title was hit.
  Variablen_StringGrid->MouseToCell(X, Y, Zustand.KlickSpalte, Zustand.KlickZeile);
  if (Button == Qt::LeftButton) {
    Variablen_StringGrid->SetEditorMode(true);
    return;
  }
  if (Button != Qt::RightButton) return;
  const int c = Zustand.KlickSpalte, r = Zustand.KlickZeile;
  if (c < 1 || r < 1) return;
  Variablen_StringGrid->SetEditorMode(false);
  Zustand.KopierText = GetragenerText(Variablen_StringGrid, c, r);
  Variablen_StringGrid->BeginDrag();
}

void TForm1::Variablen_StringGridDragOver(QWidget* /*Source*/, int /*X*/, int /*Y*/, bool& Accept) {
  // Every source; the drop handler decides which cells take it.
  Accept = true;
}

void TForm1::G_Variablen_StringGridMouseDown(Qt::MouseButton Button,
                                             Qt::KeyboardModifiers /*Shift*/, int X, int Y) {
  if (Button == Qt::LeftButton) {
    G_Variablen_StringGrid->SetEditorMode(true);
    return;
  }
  if (Button != Qt::RightButton) return;
  int c = -1, r = -1;
  G_Variablen_StringGrid->MouseToCell(X, Y, c, r);
  if (c < 1 || r < 0) return;
  // Unlike the other grids, an open editor stays open here.
  Zustand.KopierText = GetragenerText(G_Variablen_StringGrid, c, r);
  G_Variablen_StringGrid->BeginDrag();
}

void TForm1::G_Variablen_StringGridDragOver(QWidget* /*Source*/, int /*X*/, int /*Y*/,
                                            bool& Accept) {
  Accept = true;
}

void TForm1::Winkel_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                        int X, int Y) {
  if (Button == Qt::LeftButton) {
    Winkel_StringGrid->SetEditorMode(true);
    return;
  }
  if (Button != Qt::RightButton) return;
  int c = -1, r = -1;
  Winkel_StringGrid->MouseToCell(X, Y, c, r);
  // No fixed row: row 0 is the angle in degrees.
  if (c < 1 || r < 0) return;
  Winkel_StringGrid->SetEditorMode(false);
  Zustand.KopierText = GetragenerText(Winkel_StringGrid, c, r);
  Winkel_StringGrid->BeginDrag();
}

void TForm1::Winkel_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = Source == Winkel_StringGrid;
}

// The angle grid is filled only by typing: it accepts its own drags, and
// even those change nothing.
void TForm1::Winkel_StringGridDragDrop(QWidget* /*Source*/, int /*X*/, int /*Y*/) {}

void TForm1::Wandel_KE_EK_EditMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers /*Shift*/,
                                        int /*X*/, int /*Y*/) {
  if (Button != Qt::RightButton) return;
  Zustand.KopierText = GetragenerText(Wandel_KE_EK_Edit);
  Wandel_KE_EK_Edit->BeginDrag();
}

void TForm1::Wandel_KE_EK_EditDragOver(QWidget* /*Source*/, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = true;
}

void TForm1::Wandel_KE_EK_EditDragDrop(QWidget* Source, int /*X*/, int /*Y*/) {
  if (Source != MatrixTab_StringGrid && Source != KxWerte_StringGrid &&
      Source != Variablen_StringGrid && Source != G_Variablen_StringGrid &&
      Source != Winkel_StringGrid && Source != XL_Label && Source != XC_Label &&
      Source != ZK_Rechenfeld_Label)
    return;
  Wandel_KE_EK_Edit->SetText(Zustand.KopierText);
}

void TForm1::ZK_Rechenfeld_EditDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = Source == ZK_Rechenfeld_Edit || Source == Variablen_StringGrid ||
           Source == G_Variablen_StringGrid || Source == XL_Label || Source == XC_Label ||
           Source == Winkel_StringGrid || Source == Wandel_KE_EK_Edit;
}

void TForm1::ZK_Rechenfeld_EditDragDrop(QWidget* Source, int /*X*/, int /*Y*/) {
  if (Source != XL_Label && Source != XC_Label && Source != Variablen_StringGrid &&
      Source != G_Variablen_StringGrid && Source != Winkel_StringGrid &&
      Source != Wandel_KE_EK_Edit)
    return;
  // A value is added to the formula being written: at its end, whatever the
  // caret, and past the typing limit if need be.
  ZK_Rechenfeld_Edit->SetText(ZK_Rechenfeld_Edit->text() + Zustand.KopierText);
}
