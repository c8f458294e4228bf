// SPDX-License-Identifier: GPL-3.0-or-later
// A string grid: text cells addressed as (column, row) from 0, with at most
// one fixed (header) row and one fixed column, an in-place editor, and the
// events the window's handlers are written for.
//
// The grid views the table model it is given (SetzeModell) and keeps no
// texts of its own: the model's cells are the grid's scrollable cells and
// its header titles the fixed row and column; the model's counts are the
// grid's, and every cell the grid or its editor writes is set on the model.
// Without a model the grid shows its fixed cells only.
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

class QAbstractItemModel;
class QLabel;
class QLineEdit;
class TZellModell;

class TStringGrid : public QTableView, public TSteuerung {
  Q_OBJECT
  // What a form sets; the counts are the model's.
  Q_PROPERTY(int FixedCols READ FixedCols WRITE SetFixedCols)
  Q_PROPERTY(int FixedRows READ FixedRows WRITE SetFixedRows)
  Q_PROPERTY(int ColCount READ ColCount)
  Q_PROPERTY(int RowCount READ RowCount)
  Q_PROPERTY(int DefaultColWidth READ DefaultColWidth WRITE SetDefaultColWidth)
  Q_PROPERTY(bool Editieren READ Editieren WRITE SetzeEditieren)
  Q_PROPERTY(bool ImmerEditor READ ImmerEditor WRITE SetzeImmerEditor)
  Q_PROPERTY(bool Bereiche READ Bereiche WRITE SetzeBereiche)
  Q_PROPERTY(bool Komma READ Komma WRITE SetzeKomma)
  Q_PROPERTY(int Textspalte READ Textspalte WRITE SetzeTextspalte)

 public:
  struct Optionen {
    bool Editieren = false;    // cells can be edited in place
    bool ImmerEditor = false;  // in editor mode the editor follows the current cell
    bool Bereiche = false;     // ranges of cells can be selected
    bool Komma = false;        // a number grid: its editor takes a point as the comma
  };

  TStringGrid(QWidget* parent, int fixedCols, int fixedRows, Optionen optionen);
  // One fixed row and column, nothing editable.
  explicit TStringGrid(QWidget* parent = nullptr);
  ~TStringGrid() override;

  // Shows this model's cells (not owned; it must outlive the grid's use of
  // it); null: none.
  void SetzeModell(QAbstractItemModel* modell);

  QString Cells(int col, int row) const;
  // Sets the cell on the model (a header cell as the model's title).
  void SetCell(int col, int row, const QString& text);
  // Whether cells can be edited in place, changed after construction.
  void SetzeEditieren(bool ja);
  bool Editieren() const { return optionen_.Editieren; }
  void SetzeImmerEditor(bool ja) { optionen_.ImmerEditor = ja; }
  bool ImmerEditor() const { return optionen_.ImmerEditor; }
  void SetzeBereiche(bool ja);
  bool Bereiche() const { return optionen_.Bereiche; }
  // The cell editor checks its text as a number field's (TEingabepruefer),
  // except in the text column (a comment; -1: none).
  void SetzeKomma(bool ja) { optionen_.Komma = ja; }
  bool Komma() const { return optionen_.Komma; }
  void SetzeTextspalte(int col) { textspalte_ = col; }
  int Textspalte() const { return textspalte_; }
  // With ranges on, a block is chosen by Shift+click (Ctrl+click adds a
  // cell), Shift+arrows or a left drag over several cells; each closes the
  // cell editor (its text kept), so that Ctrl+C reaches the grid. True
  // while a reported left press is such a choice.
  bool PresseWaehlt() const { return presseWaehlt_; }
  // A cell's background from its data in `rolle`: the colour given for its
  // value there (an int), the grid's where none is given.
  void SetzeFarbrolle(int rolle, std::map<int, QColor> farben);

  int ColCount() const;
  int RowCount() const;
  // The model's counts and the fixed ones. Whoever changes the model's
  // size, it never opens an editor or moves the focus; an editor open in a
  // cell that is removed is closed (its text kept in the cell).
  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  // No fixed column or row, or one: whether the model's titles show.
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

  QWidget* Widget() override { return this; }
  bool IstMausFlaeche(const QWidget* w) override;
  bool MeldetPresseSelbst(const QWidget* w, Qt::MouseButton b, bool doppelklick) override;
  QRect MenueStelle() override;

 signals:
  // The key filters: a receiver that sets the key code (the character) to 0
  // discards the key.
  void tasteGedrueckt(int& taste);
  void zeichenGetippt(QChar& zeichen);
  // After every change in the cell editor; the cell already holds the text.
  void zelleBearbeitet(int col, int row, const QString& text);
  void obenLinksGeaendert();
  // Ctrl+C on the grid (not in its open editor) for the current cell; it
  // comes before the key filters, so a grid that refuses keys can still be
  // copied.
  void kopieren(int col, int row);
  // Ctrl+V with a clipboard text of several cells (tabs or more than one
  // line), in and out of editor mode, before the key filters; a receiver
  // that took the text sets genommen. Otherwise the grid pastes the block's
  // first cell: no cell ever takes a tab or a line break.
  void blockEinfuegen(const QString& text, bool& genommen);
  // After Ctrl+V put the clipboard's text into a cell: in place of its text,
  // or at the caret of its open editor.
  void eingefuegt(int col, int row);

 protected:
  bool event(QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) override;
  void updateGeometries() override;

 private:
  // The grid's view model maps its cells to the model it views (its own
  // or a given one, SetzeModell) and its delegate opens the cell editors
  // the key handlers watch: neither may be replaced from outside, nor may
  // editing start by other triggers than the grid's own.
  using QTableView::setEditTriggers;
  using QTableView::setItemDelegate;
  using QTableView::setItemDelegateForColumn;
  using QTableView::setItemDelegateForRow;
  using QTableView::setModel;
  using QTableView::setRootIndex;

  friend class TZellDelegat;
  friend class TZellModell;

  QModelIndex Index(int col, int row) const;
  // The key filters' verdict on a key (Steuerung.h).
  bool VerwirftTaste(QKeyEvent* e);
  // Around a change of the model's rows or columns (see ColCount).
  void VorGroessenaenderung(bool entferntAktuelle);
  void NachGroessenaenderung();
  void SetzeFeste(int& feste, int n);
  // The headers and the corner for the fixed counts.
  void RichteFesteEin();
  void EditorGeaendert(const QPersistentModelIndex& zelle, const QString& text);
  void SchliesseEditor();
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
  QString eckeText_;
  QPointer<QLineEdit> editor_;
  int farbrolle_ = -1;
  std::map<int, QColor> farben_;
  std::map<int, QString> spaltenTitel_, zeilenTitel_;
  std::vector<int> breiten_;
  int fixedCols_;
  int fixedRows_;
  int standardBreite_ = 64;
  int standardHoehe_ = 24;
  int linie_ = 1;
  Optionen optionen_;
  bool editorModus_ = false;
  // Set while the model's rows or columns change, and whether the view was
  // editing before.
  bool groesseAendern_ = false;
  bool warEditiert_ = false;
  // The cell a left press went down on; a drag from it to another selects.
  QPersistentModelIndex gedrueckt_;
  int textspalte_ = -1;
  bool presseWaehlt_ = false;
};

#endif
