// Right-button drag and drop between the shown values and the input places.
// A press on a source stores the text in Zustand.KopierText and starts the
// drag; a drop on an accepting target reads it from there.
#include "MainQuorvel.h"

void TForm1::WerteLabels_MouseDown(QObject* /*Sender*/, Qt::MouseButton /*Button*/,
                                   Qt::KeyboardModifiers /*Shift*/, int /*X*/, int /*Y*/) {}

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
  Zustand.KopierText = MatrixTab_StringGrid->Cells(c, r);
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
  // The shown solution no longer belongs to the matrix.
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
  if (c < 1 || r < 0) return;
  Zustand.KopierText = KxWerte_StringGrid->Cells(c, r);
  KxWerte_StringGrid->BeginDrag();
}

void TForm1::KxWerte_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = Source == KxWerte_StringGrid;
}

void TForm1::Variablen_StringGridMouseDown(Qt::MouseButton /*Button*/,
                                           Qt::KeyboardModifiers /*Shift*/, int /*X*/, int /*Y*/) {}

void TForm1::Variablen_StringGridDragOver(QWidget* /*Source*/, int /*X*/, int /*Y*/,
                                          bool& /*Accept*/) {}

void TForm1::G_Variablen_StringGridMouseDown(Qt::MouseButton /*Button*/,
                                             Qt::KeyboardModifiers /*Shift*/, int /*X*/,
                                             int /*Y*/) {}

void TForm1::G_Variablen_StringGridDragOver(QWidget* /*Source*/, int /*X*/, int /*Y*/,
                                            bool& /*Accept*/) {}

void TForm1::Winkel_StringGridMouseDown(Qt::MouseButton /*Button*/, Qt::KeyboardModifiers /*Shift*/,
                                        int /*X*/, int /*Y*/) {}

void TForm1::Winkel_StringGridDragOver(QWidget* Source, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = Source == Winkel_StringGrid;
}

void TForm1::Winkel_StringGridDragDrop(QWidget* /*Source*/, int /*X*/, int /*Y*/) {}

void TForm1::Wandel_KE_EK_EditMouseDown(Qt::MouseButton /*Button*/, Qt::KeyboardModifiers /*Shift*/,
                                        int /*X*/, int /*Y*/) {}

void TForm1::Wandel_KE_EK_EditDragOver(QWidget* /*Source*/, int /*X*/, int /*Y*/,
                                       bool& /*Accept*/) {}

void TForm1::Wandel_KE_EK_EditDragDrop(QWidget* /*Source*/, int /*X*/, int /*Y*/) {}

void TForm1::ZK_Rechenfeld_EditDragOver(QWidget* /*Source*/, int /*X*/, int /*Y*/, bool& Accept) {
  Accept = false;
}

void TForm1::ZK_Rechenfeld_EditDragDrop(QWidget* /*Source*/, int /*X*/, int /*Y*/) {}
