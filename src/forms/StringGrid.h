// SPDX-License-Identifier: GPL-3.0-or-later
// A string grid: text cells addressed as (column, row) from 0, with at most
// one fixed (header) row and one fixed column, an in-place editor, and the
// events the window's handlers are written for.
//
// The text lives in a sparse store, not in the view: cells outside the
// current row and column counts keep their text and show it again when
// the counts grow (the window writes row labels once for the largest size).
#ifndef QUORVEL_FORMS_STRINGGRID_H
#define QUORVEL_FORMS_STRINGGRID_H

#include <QColor>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <map>
#include <utility>
#include <vector>

#include "forms/Steuerung.h"

class QLabel;
class QLineEdit;
class TZellModell;

class TStringGrid : public QTableView, public TSteuerung {
  Q_OBJECT
  // What a form sets; FixedCols and FixedRows come before the counts.
  Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
  Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
  Q_PROPERTY(int ColCount READ ColCount WRITE SetColCount)
  Q_PROPERTY(int RowCount READ RowCount WRITE SetRowCount)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(bool Editieren READ Editieren WRITE SetzeEditieren)
  Q_PROPERTY(bool ImmerEditor READ ImmerEditor WRITE SetzeImmerEditor)
  Q_PROPERTY(bool Bereiche READ Bereiche WRITE SetzeBereiche)

 public:
  struct Optionen {
    bool Editieren = false;    // cells can be edited in place
    bool ImmerEditor = false;  // in editor mode the editor follows the current cell
    bool Bereiche = false;     // ranges of cells can be selected
  };

  TStringGrid(QWidget* parent, int colCount, int rowCount, int fixedCols, int fixedRows,
              Optionen optionen);
  // Five by five cells, one fixed row and column, nothing editable.
  explicit TStringGrid(QWidget* parent = nullptr);
  ~TStringGrid() override;

  QString Cells(int col, int row) const;
  void SetCell(int col, int row, const QString& text);
  // Whether cells can be edited in place, changed after construction.
  void SetzeEditieren(bool ja);
  bool Editieren() const { return optionen_.Editieren; }
  void SetzeImmerEditor(bool ja) { optionen_.ImmerEditor = ja; }
  bool ImmerEditor() const { return optionen_.ImmerEditor; }
  void SetzeBereiche(bool ja);
  bool Bereiche() const { return optionen_.Bereiche; }
  // With ranges on, a block is chosen by Shift+click (Ctrl+click adds a
  // cell), Shift+arrows or a left drag over several cells; each closes the
  // cell editor (its text kept), so that Ctrl+C reaches the grid. True
  // while OnMouseDown reports a left press that is such a choice.
  bool PresseWaehlt() const { return presseWaehlt_; }
  // A cell's own background (an invalid colour: the grid's).
  void SetzeZellfarbe(int col, int row, const QColor& farbe);
  // What assistive technology reads as a cell's description (empty: none),
  // e.g. the words for what its colour shows.
  void SetzeZellBeschreibung(int col, int row, const QString& text);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  // Changing the size never opens an editor or moves the focus; an editor
  // open in a cell that is removed is closed (its text kept in the cell).
  void SetColCount(int n);
  void SetRowCount(int n);
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  // No fixed column or row, or one; the cells keep their texts, and what
  // was a fixed cell becomes a scrollable one (or the other way).
  void SetFixedCols(int n);
  void SetFixedRows(int n);

  // Widths and heights without the grid line.
  int ColWidths(int col) const;
  void SetColWidths(int col, int breite);
  void SetDefaultColWidth(int breite);
  int DefaultColWidth() const { return standardBreite_; }
  void SetDefaultRowHeight(int hoehe);
  void SetGridLineWidth(int breite);

  // First scrollable row and column shown next to the fixed ones.
  int TopRow() const;
  void SetTopRow(int row);
  int LeftCol() const;
  void SetLeftCol(int col);

  // The current cell.
  int Row() const;
  int Col() const;
  void SetRow(int row);
  void SetCol(int col);

  bool EditorMode() const;
  void SetEditorMode(bool an);
  // The German decimal comma while typing: the first point of the cell's
  // text becomes a comma, written back with the editor kept open and its
  // caret in place. False when the text holds no point.
  bool ErsterPunktZuKomma(int col, int row);

  // What assistive technology reads as the title of a column or row, in
  // place of the shown header text (which stays as it is); empty: that text.
  void SetSpaltenTitel(int col, const QString& titel);
  void SetZeilenTitel(int row, const QString& titel);
  // The titles of a cell's row and column, as a screen reader names them.
  QString ZellTitel(int col, int row) const;

  // Cell under a point in grid coordinates; -1 where there is none.
  void MouseToCell(int x, int y, int& col, int& row) const;
  // Where a cell lies, in grid coordinates (empty when not shown).
  QRect CellRect(int col, int row) const;

  std::function<void(int& key)> OnKeyDown;
  std::function<void(QChar& key)> OnKeyPress;
  // After every change in the cell editor; the cell already holds the text.
  std::function<void(int col, int row, const QString& text)> OnSetEditText;
  std::function<void()> OnTopLeftChanged;
  // Ctrl+C on the grid (not in its open editor) for the current cell; it
  // comes before OnKeyDown, so a grid that refuses keys can still be copied.
  std::function<void(int col, int row)> OnKopieren;
  // Ctrl+V with a clipboard text of several cells (tabs or more than one
  // line), in and out of editor mode, before the key handlers; true when it
  // took the text. Without it, or when it returns false, the grid pastes the
  // block's first cell: no cell ever takes a tab or a line break.
  std::function<bool(const QString& text)> OnBlockEinfuegen;
  // After Ctrl+V put the clipboard's text into a cell: in place of its text,
  // or at the caret of its open editor.
  std::function<void(int col, int row)> OnEingefuegt;
  // After every change of a cell's text, by the editor or by code.
  std::function<void(int col, int row)> OnZelleGeschrieben;

  QWidget* Widget() override { return this; }
  bool IstMausFlaeche(const QWidget* w) override;
  bool MeldetPresseSelbst(const QWidget* w, Qt::MouseButton b, bool doppelklick) override;
  QRect MenueStelle() override;

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;
  void updateGeometries() override;

 private:
  // The grid's model is its one text store and its delegate opens the cell
  // editors the key handlers watch: neither may be replaced from outside,
  // nor may editing start by other triggers than the grid's own.
  using QTableView::setEditTriggers;
  using QTableView::setItemDelegate;
  using QTableView::setItemDelegateForColumn;
  using QTableView::setItemDelegateForRow;
  using QTableView::setModel;
  using QTableView::setRootIndex;

  friend class TZellDelegat;
  friend class TZellModell;

  QModelIndex Index(int col, int row) const;
  // The headers and the corner for the fixed counts.
  void RichteFesteEin();
  void EditorGeaendert(const QPersistentModelIndex& zelle, const QString& text);
  void SchliesseEditor();
  // Runs a change of the row or column count (see SetColCount).
  void AendereGroesse(const std::function<void()>& aenderung);
  void FuegeEin();
  // Tab on the last cell and Shift+Tab on the first leave the grid instead
  // of wrapping round, so that the keyboard can always go on.
  bool AmRand(bool vorwaerts) const;
  void Verlasse(bool vorwaerts);
  // Ctrl+Tab and Ctrl+Shift+Tab, Qt's keys for leaving a widget that uses
  // Tab itself: true when the key was one of them and the grid was left.
  bool VerlassePerStrgTab(const QKeyEvent* k);
  // Shift with a key that moves the current cell, in a grid with ranges:
  // the block grows from the current cell. From the open editor only the
  // keys it has no use for (up and down, left and right at the text's end).
  bool IstBlockTaste(const QKeyEvent* k, const QLineEdit* editor) const;
  void ErweitereBlock(QKeyEvent* k);
  // The clipboard's text for one cell: a spreadsheet's closing line break
  // off, and of a block only its first cell.
  static QString EinzelneZelle(QString text);
  QString Titel(Qt::Orientation o, int abschnitt) const;
  bool FuegeBlockEin();
  void WendeBreitenAn();

  TZellModell* modell_;
  QLabel* ecke_ = nullptr;
  QPointer<QLineEdit> editor_;
  std::map<std::pair<int, int>, QString> zellen_;
  std::map<std::pair<int, int>, QColor> farben_;
  std::map<std::pair<int, int>, QString> beschreibungen_;
  std::map<int, QString> spaltenTitel_, zeilenTitel_;
  std::vector<int> breiten_;
  int colCount_;
  int rowCount_;
  int fixedCols_;
  int fixedRows_;
  int standardBreite_ = 64;
  int standardHoehe_ = 24;
  int linie_ = 1;
  Optionen optionen_;
  bool editorModus_ = false;
  // Set while SetRowCount or SetColCount changes the model.
  bool groesseAendern_ = false;
  // The cell a left press went down on; a drag from it to another selects.
  QPersistentModelIndex gedrueckt_;
  bool presseWaehlt_ = false;
};

#endif
