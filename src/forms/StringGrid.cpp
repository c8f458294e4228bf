// SPDX-License-Identifier: GPL-3.0-or-later
#include "StringGrid.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "forms/Anwendung.h"
#include "forms/Eingabepruefer.h"
#include "forms/Steuerelemente.h"

// What the view shows: the viewed model's cells and titles, with what the
// grid adds to them: the spoken titles of rows and columns, left-aligned
// headers, cell colours from a role, and editing only where the grid allows it.
class TZellModell : public QIdentityProxyModel {
  Q_OBJECT

 public:
  explicit TZellModell(TStringGrid* g) : QIdentityProxyModel(g), g_(g) {}

  QVariant data(const QModelIndex& i, int role = Qt::DisplayRole) const override {
    if (role == Qt::BackgroundRole && g_->farbrolle_ >= 0) {
      const QVariant wert = QIdentityProxyModel::data(i, g_->farbrolle_);
      const auto farbe = g_->farben_.find(wert.toInt());
      if (wert.isValid() && farbe != g_->farben_.end()) return farbe->second;
    }
    return QIdentityProxyModel::data(i, role);
  }
  QVariant headerData(int s, Qt::Orientation o, int role = Qt::DisplayRole) const override {
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignLeft | Qt::AlignVCenter);
    if (role == Qt::AccessibleTextRole) return g_->Titel(o, s);
    return QIdentityProxyModel::headerData(s, o, role);
  }
  Qt::ItemFlags flags(const QModelIndex& i) const override {
    Qt::ItemFlags f = QIdentityProxyModel::flags(i);
    if (!g_->optionen_.Editieren) f &= ~Qt::ItemIsEditable;
    return f;
  }

 private:
  TStringGrid* g_;
};

// The in-place editor: reports every keystroke's text at once and lets a
// handler rewrite the cell without throwing the caret to the end.
class TZellDelegat : public QStyledItemDelegate {
  Q_OBJECT

 public:
  explicit TZellDelegat(TStringGrid* g) : QStyledItemDelegate(g), g_(g) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                        const QModelIndex& index) const override {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    if (g_->optionen_.Komma && index.column() + g_->fixedCols_ != g_->textspalte_)
      TEingabepruefer::Setze(editor, TEingabepruefer::Punkt::ErsterKomma);
    // The editor is not a cell of the table: it names its cell itself.
    editor->setAccessibleName(
        g_->ZellTitel(index.column() + g_->fixedCols_, index.row() + g_->fixedRows_));
    g_->editor_ = editor;
    g_->editorModus_ = true;
    // The cell is the one the editor was made for, whatever its geometry
    // says after a scroll or a resize.
    QObject::connect(editor, &QLineEdit::textEdited, g_,
                     [g = g_, zelle = QPersistentModelIndex(index)](const QString& text) {
                       g->EditorGeaendert(zelle, text);
                     });
    return editor;
  }
  void setEditorData(QWidget* w, const QModelIndex& i) const override {
    auto* editor = static_cast<QLineEdit*>(w);
    const QString text = i.data(Qt::EditRole).toString();
    if (editor->text() == text) return;
    const int caret = editor->cursorPosition();
    // The cell's text as it stands, until the user changes it.
    if (const auto* pruefer = qobject_cast<const TEingabepruefer*>(editor->validator()))
      pruefer->Erlaube(text);
    editor->setText(text);
    editor->setCursorPosition(std::min<int>(caret, text.size()));
  }
  void setModelData(QWidget* w, QAbstractItemModel* m, const QModelIndex& i) const override {
    m->setData(i, static_cast<QLineEdit*>(w)->text());
  }
  // The focused grid's current cell gets a frame: the selection's colour
  // alone marks the current cell of every grid, focused or not.
  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyledItemDelegate::paint(p, option, index);
    if (!(option.state & QStyle::State_HasFocus)) return;
    QColor grund = option.palette.color(QPalette::Base);
    if (option.state & QStyle::State_Selected) {
      const bool aktiv = option.state & QStyle::State_Active;
      grund =
          option.palette.color(aktiv ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
    } else if (const QVariant eigene = index.data(Qt::BackgroundRole); eigene.isValid()) {
      grund = eigene.value<QColor>();
    }
    // Black or white, whichever stands out more: the palette's own colours
    // can all be near the selection's (yellow on yellow in high contrast).
    const QColor schwarz(Qt::black), weiss(Qt::white);
    const QColor rahmen =
        Kontrastverhaeltnis(schwarz, grund) >= Kontrastverhaeltnis(weiss, grund) ? schwarz : weiss;
    p->save();
    p->setPen(QPen(rahmen, 2));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
    p->restore();
  }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    // A press on the grid outside the editor (a fixed cell, or a right
    // press that starts a drag) gives the grid the focus. Editor mode is the
    // grid's state, not the editor's focus: the editor stays and the grid
    // hands the focus back to it.
    if (e->type() == QEvent::FocusOut && o == g_->editor_ && QApplication::focusWidget() == g_ &&
        g_->state() == QAbstractItemView::EditingState)
      return false;
    // Qt's delegate claims Escape for the editor before any shortcut; a
    // window's own Escape (leaving every grid's editor) comes first. Without
    // one the key still reaches the editor and closes it.
    if (e->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(e)->matches(QKeySequence::Cancel))
      return false;
    if (e->type() == QEvent::KeyPress) {
      auto* editor = static_cast<QWidget*>(o);
      auto* k = static_cast<QKeyEvent*>(e);
      if (g_->VerlassePerStrgTab(k)) return true;
      if (k->matches(QKeySequence::Paste) && g_->FuegeBlockEin()) return true;
      if (g_->VerwirftTaste(k)) return true;
      if (editor != g_->editor_ || !editor->isVisible()) return true;  // a handler closed it
      if (g_->IstBlockTaste(k, g_->editor_)) {
        g_->ErweitereBlock(k);
        return true;
      }
      if (k->matches(QKeySequence::Paste)) {
        const QModelIndex zelle = g_->currentIndex();
        g_->editor_->insert(TStringGrid::EinzelneZelle(QApplication::clipboard()->text()));
        if (zelle.isValid())
          Ereignis([&] {
            emit g_->eingefuegt(zelle.column() + g_->fixedCols_, zelle.row() + g_->fixedRows_);
          });
        return true;
      }
      const int taste = k->key();
      if (taste == Qt::Key_Tab || taste == Qt::Key_Backtab) {
        const bool vor = taste == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier);
        if (g_->AmRand(vor)) {
          g_->Verlasse(vor);
          return true;
        }
      }
    }
    return QStyledItemDelegate::eventFilter(o, e);
  }

 private:
  TStringGrid* g_;
};

TStringGrid::TStringGrid(QWidget* parent, int fixedCols, int fixedRows, Optionen optionen)
    : QTableView(parent),
      fixedCols_(std::clamp(fixedCols, 0, 1)),
      fixedRows_(std::clamp(fixedRows, 0, 1)),
      optionen_(optionen) {
  modell_ = new TZellModell(this);
  // Before the view's own handlers: an editor in a cell that goes must be
  // closed while its cell is still there, and no editor may open on the
  // cell the view makes current instead.
  connect(modell_, &QAbstractItemModel::rowsAboutToBeRemoved, this,
          [this](const QModelIndex&, int von, int bis) {
            VorGroessenaenderung(currentIndex().row() >= von && currentIndex().row() <= bis);
          });
  connect(modell_, &QAbstractItemModel::columnsAboutToBeRemoved, this,
          [this](const QModelIndex&, int von, int bis) {
            VorGroessenaenderung(currentIndex().column() >= von && currentIndex().column() <= bis);
          });
  connect(modell_, &QAbstractItemModel::rowsAboutToBeInserted, this,
          [this] { VorGroessenaenderung(false); });
  connect(modell_, &QAbstractItemModel::columnsAboutToBeInserted, this,
          [this] { VorGroessenaenderung(false); });
  setModel(modell_);
  // After them: the view has let go of what it had to.
  for (auto signal : {&QAbstractItemModel::rowsRemoved, &QAbstractItemModel::rowsInserted,
                      &QAbstractItemModel::columnsRemoved, &QAbstractItemModel::columnsInserted})
    connect(modell_, signal, this, [this] { NachGroessenaenderung(); });
  connect(modell_, &QAbstractItemModel::modelReset, this, [this] {
    WendeBreitenAn();  // the reset forgot the section sizes
    setCurrentIndex(Index(fixedCols_, fixedRows_));
  });
  setItemDelegate(new TZellDelegat(this));
  setCornerButtonEnabled(false);
  setWordWrap(false);
  setTabKeyNavigation(true);
  setSelectionMode(optionen_.Bereiche ? ExtendedSelection : SingleSelection);
  setEditTriggers(optionen_.Editieren ? AnyKeyPressed | DoubleClicked | EditKeyPressed
                                      : NoEditTriggers);
  for (QHeaderView* h : {horizontalHeader(), verticalHeader()}) {
    h->setSectionResizeMode(QHeaderView::Fixed);
    h->setSectionsClickable(false);
    h->setHighlightSections(false);
    h->setMinimumSectionSize(1);
    h->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  RichteFesteEin();
  breiten_.assign(static_cast<std::size_t>(ColCount()), standardBreite_);
  SetDefaultRowHeight(standardHoehe_);
  WendeBreitenAn();
  setCurrentIndex(Index(fixedCols_, fixedRows_));
  auto melden = [this] { Ereignis([this] { emit obenLinksGeaendert(); }); };
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, melden);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, melden);
}

TStringGrid::TStringGrid(QWidget* parent) : TStringGrid(parent, 1, 1, {}) {}

void TStringGrid::SetzeModell(QAbstractItemModel* modell) {
  SchliesseEditor();
  modell_->setSourceModel(modell);
}

void TStringGrid::RichteFesteEin() {
  horizontalHeader()->setVisible(fixedRows_ > 0);
  verticalHeader()->setVisible(fixedCols_ > 0);
  const bool ecke = fixedCols_ > 0 && fixedRows_ > 0;
  if (ecke && !ecke_) {
    ecke_ = new QLabel(this);
    ecke_->setObjectName(QStringLiteral("Ecke"));
    ecke_->setFrameStyle(QFrame::Panel | QFrame::Raised);
    ecke_->setAutoFillBackground(true);
    ecke_->setBackgroundRole(QPalette::Button);
    ecke_->setIndent(3);
    ecke_->setText(Cells(0, 0));
  } else if (!ecke && ecke_) {
    delete ecke_;
    ecke_ = nullptr;
  }
}

void TStringGrid::SetFixedCols(int n) {
  SetzeFeste(fixedCols_, n);
}

void TStringGrid::SetFixedRows(int n) {
  SetzeFeste(fixedRows_, n);
}

void TStringGrid::SetzeFeste(int& feste, int n) {
  n = std::clamp(n, 0, 1);
  if (n == feste) return;
  SchliesseEditor();
  feste = n;
  // Every grid coordinate moves: the view starts afresh.
  modell_->setSourceModel(modell_->sourceModel());
  RichteFesteEin();
  WendeBreitenAn();
}

void TStringGrid::SetzeBereiche(bool ja) {
  optionen_.Bereiche = ja;
  setSelectionMode(ja ? ExtendedSelection : SingleSelection);
}

TStringGrid::~TStringGrid() {
  // The scroll bars report their last value while the view goes.
  disconnect(verticalScrollBar(), nullptr, this, nullptr);
  disconnect(horizontalScrollBar(), nullptr, this, nullptr);
  setModel(nullptr);
  delete modell_;
}

int TStringGrid::ColCount() const {
  return modell_->columnCount() + fixedCols_;
}

int TStringGrid::RowCount() const {
  return modell_->rowCount() + fixedRows_;
}

QString TStringGrid::Cells(int col, int row) const {
  if (col < 0 || row < 0) return {};
  if (col < fixedCols_ && row < fixedRows_) return eckeText_;
  if (row < fixedRows_) return modell_->headerData(col - fixedCols_, Qt::Horizontal).toString();
  if (col < fixedCols_) return modell_->headerData(row - fixedRows_, Qt::Vertical).toString();
  return Index(col, row).data(Qt::EditRole).toString();
}

void TStringGrid::SetCell(int col, int row, const QString& text) {
  if (col < 0 || row < 0) return;
  if (col < fixedCols_ && row < fixedRows_) {
    eckeText_ = text;
    if (ecke_) ecke_->setText(text);
  }
  QAbstractItemModel* quelle = modell_->sourceModel();
  if (!quelle || (col < fixedCols_ && row < fixedRows_)) return;
  if (row < fixedRows_)
    quelle->setHeaderData(col - fixedCols_, Qt::Horizontal, text, Qt::EditRole);
  else if (col < fixedCols_)
    quelle->setHeaderData(row - fixedRows_, Qt::Vertical, text, Qt::EditRole);
  else if (const QModelIndex i = Index(col, row); i.isValid())
    modell_->setData(i, text, Qt::EditRole);
}

QModelIndex TStringGrid::Index(int col, int row) const {
  return modell_->index(row - fixedRows_, col - fixedCols_);
}

void TStringGrid::VorGroessenaenderung(bool entferntAktuelle) {
  if (entferntAktuelle) SchliesseEditor();
  warEditiert_ = state() == EditingState;
  groesseAendern_ = true;
}

void TStringGrid::NachGroessenaenderung() {
  groesseAendern_ = false;
  // Qt keeps the editor of a remaining cell open after removing rows or
  // columns, but forgets that the view is editing.
  if (warEditiert_ && editor_ && state() != EditingState) setState(EditingState);
  WendeBreitenAn();
}

int TStringGrid::ColWidths(int col) const {
  if (col < 0 || col >= ColCount()) return 0;
  return static_cast<std::size_t>(col) < breiten_.size() ? breiten_[static_cast<std::size_t>(col)]
                                                         : standardBreite_;
}

void TStringGrid::SetColWidths(int col, int breite) {
  if (col < 0) return;
  if (static_cast<std::size_t>(col) >= breiten_.size())
    breiten_.resize(static_cast<std::size_t>(col) + 1, standardBreite_);
  breiten_[static_cast<std::size_t>(col)] = breite;
  WendeBreitenAn();
}

void TStringGrid::SetDefaultColWidth(int breite) {
  standardBreite_ = breite;
  breiten_.assign(breiten_.size(), breite);
  horizontalHeader()->setDefaultSectionSize(breite + linie_);
  WendeBreitenAn();
}

void TStringGrid::SetDefaultRowHeight(int hoehe) {
  standardHoehe_ = hoehe;
  verticalHeader()->setDefaultSectionSize(hoehe + linie_);
  horizontalHeader()->setFixedHeight(hoehe + linie_);
}

void TStringGrid::SetGridLineWidth(int breite) {
  linie_ = std::clamp(breite, 0, 1);
  setShowGrid(linie_ > 0);
  SetDefaultRowHeight(standardHoehe_);
  WendeBreitenAn();
}

// Qt's section sizes include the grid line; the widths given here do not.
void TStringGrid::WendeBreitenAn() {
  auto breite = [this](int c) {
    return static_cast<std::size_t>(c) < breiten_.size() ? breiten_[static_cast<std::size_t>(c)]
                                                         : standardBreite_;
  };
  if (fixedCols_ > 0) verticalHeader()->setFixedWidth(breite(0) + linie_);
  for (int c = fixedCols_; c < ColCount(); ++c)
    horizontalHeader()->resizeSection(c - fixedCols_, breite(c) + linie_);
  // The viewport follows the header's width at once, also while the grid
  // is hidden or its model empty (Qt waits for a layout there).
  updateGeometries();
}

int TStringGrid::TopRow() const {
  return std::max(0, rowAt(0)) + fixedRows_;
}
int TStringGrid::LeftCol() const {
  return std::max(0, columnAt(0)) + fixedCols_;
}

void TStringGrid::SetTopRow(int row) {
  executeDelayedItemsLayout();
  updateGeometries();
  verticalScrollBar()->setValue(row - fixedRows_);
}

void TStringGrid::SetLeftCol(int col) {
  executeDelayedItemsLayout();
  updateGeometries();
  horizontalScrollBar()->setValue(col - fixedCols_);
}

int TStringGrid::Row() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? i.row() + fixedRows_ : fixedRows_;
}

int TStringGrid::Col() const {
  const QModelIndex i = currentIndex();
  return i.isValid() ? i.column() + fixedCols_ : fixedCols_;
}

void TStringGrid::SetRow(int row) {
  setCurrentIndex(Index(Col(), row));
}
void TStringGrid::SetCol(int col) {
  setCurrentIndex(Index(col, Row()));
}

bool TStringGrid::EditorMode() const {
  return state() == EditingState;
}

void TStringGrid::SetEditorMode(bool an) {
  if (!an) {
    editorModus_ = false;
    SchliesseEditor();
    return;
  }
  if (!optionen_.Editieren) return;
  editorModus_ = true;
  if (state() == EditingState) return;
  QModelIndex i = currentIndex();
  if (!i.isValid()) i = Index(fixedCols_, fixedRows_);
  if (i.isValid()) edit(i);
}

void TStringGrid::SchliesseEditor() {
  if (!editor_ || state() != EditingState) return;
  QLineEdit* editor = editor_;
  commitData(editor);
  closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void TStringGrid::EditorGeaendert(const QPersistentModelIndex& i, const QString& text) {
  if (!i.isValid()) return;
  const int col = i.column() + fixedCols_, row = i.row() + fixedRows_;
  SetCell(col, row, text);
  Ereignis([&] { emit zelleBearbeitet(col, row, text); });
}

bool TStringGrid::VerwirftTaste(QKeyEvent* e) {
  return ::VerwirftTaste(
      e, [this](int& taste) { emit tasteGedrueckt(taste); },
      [this](QChar& zeichen) { emit zeichenGetippt(zeichen); });
}

void TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
  const QPoint v = viewport()->mapFrom(this, QPoint(x, y));
  const QRect kopf = verticalHeader()->geometry();
  const QRect zeile = horizontalHeader()->geometry();
  // Along one axis: before the viewport the fixed cell, where its header
  // is; in it the section there.
  auto zelle = [](int imViewport, int feste, int wo, int anfang, int ende, int abschnitt) {
    if (imViewport < 0) return feste > 0 && wo >= anfang && wo <= ende ? 0 : -1;
    return abschnitt >= 0 ? abschnitt + feste : -1;
  };
  col = zelle(v.x(), fixedCols_, x, kopf.left(), kopf.right(), columnAt(v.x()));
  row = zelle(v.y(), fixedRows_, y, zeile.top(), zeile.bottom(), rowAt(v.y()));
}

QRect TStringGrid::CellRect(int col, int row) const {
  // A fixed cell is its header's width (height) across.
  const QRect kopf = verticalHeader()->geometry(), zeile = horizontalHeader()->geometry();
  const bool links = col < fixedCols_, oben = row < fixedRows_;
  const int c = col - fixedCols_, r = row - fixedRows_;
  return QRect(links ? kopf.x() : viewport()->x() + columnViewportPosition(c),
               oben ? zeile.y() : viewport()->y() + rowViewportPosition(r),
               links ? kopf.width() : columnWidth(c), oben ? zeile.height() : rowHeight(r));
}

bool TStringGrid::IstMausFlaeche(const QWidget* w) {
  return w == this || w == viewport() || w == ecke_ || w == horizontalHeader() ||
         w == verticalHeader() || w == horizontalHeader()->viewport() ||
         w == verticalHeader()->viewport();
}

bool TStringGrid::MeldetPresseSelbst(const QWidget* w, Qt::MouseButton b, bool doppelklick) {
  return w == viewport() && b == Qt::LeftButton && !doppelklick;
}

// Qt takes Tab and Shift+Tab before keyPressEvent (focus chain) and hands
// the grid only a synthetic copy; the key handlers must see the real key
// first, so that they can clear results or discard it as for any other key.
// A Tab that a handler refuses (the result grid takes arrows only) or that
// would wrap round leaves the grid for the next control.
bool TStringGrid::event(QEvent* e) {
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (VerlassePerStrgTab(k)) return true;
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
      const bool vor = k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier);
      const bool verworfen = VerwirftTaste(k);
      if (verworfen || AmRand(vor)) {
        Verlasse(vor);
        return true;
      }
    }
  }
  return QTableView::event(e);
}

bool TStringGrid::AmRand(bool vorwaerts) const {
  const QModelIndex i = currentIndex();
  if (!i.isValid()) return true;
  if (vorwaerts)
    return i.row() == modell_->rowCount() - 1 && i.column() == modell_->columnCount() - 1;
  return i.row() == 0 && i.column() == 0;
}

void TStringGrid::Verlasse(bool vorwaerts) {
  SetEditorMode(false);
  QWidget::focusNextPrevChild(vorwaerts);
}

bool TStringGrid::VerlassePerStrgTab(const QKeyEvent* k) {
  if (!(k->modifiers() & Qt::ControlModifier)) return false;
  if (k->key() != Qt::Key_Tab && k->key() != Qt::Key_Backtab) return false;
  Verlasse(k->key() == Qt::Key_Tab && !(k->modifiers() & Qt::ShiftModifier));
  return true;
}

bool TStringGrid::IstBlockTaste(const QKeyEvent* k, const QLineEdit* editor) const {
  const Qt::KeyboardModifiers m = k->modifiers() & ~Qt::KeypadModifier;
  if (!optionen_.Bereiche || m != Qt::ShiftModifier) return false;
  switch (k->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
      return true;
    case Qt::Key_Left:
      return !editor || editor->cursorPosition() == 0;
    case Qt::Key_Right:
      return !editor || editor->cursorPosition() == editor->text().size();
    case Qt::Key_Home:
    case Qt::Key_End:
      return !editor;  // in the editor they select text
    default:
      return false;
  }
}

void TStringGrid::ErweitereBlock(QKeyEvent* k) {
  SetEditorMode(false);
  QTableView::keyPressEvent(k);
}

void TStringGrid::SetSpaltenTitel(int col, const QString& titel) {
  spaltenTitel_[col] = titel;
}

void TStringGrid::SetZeilenTitel(int row, const QString& titel) {
  zeilenTitel_[row] = titel;
}

QString TStringGrid::Titel(Qt::Orientation o, int abschnitt) const {
  const auto& titel = o == Qt::Horizontal ? spaltenTitel_ : zeilenTitel_;
  const int nr = abschnitt + (o == Qt::Horizontal ? fixedCols_ : fixedRows_);
  if (const auto it = titel.find(nr); it != titel.end() && !it->second.isEmpty()) return it->second;
  const QString gezeigt = modell_->headerData(abschnitt, o, Qt::DisplayRole).toString();
  return gezeigt.simplified();
}

QString TStringGrid::ZellTitel(int col, int row) const {
  QStringList teile;
  if (col >= fixedCols_ && row >= fixedRows_) {
    teile << Titel(Qt::Vertical, row - fixedRows_) << Titel(Qt::Horizontal, col - fixedCols_);
    teile.removeAll(QString());
  }
  if (teile.isEmpty()) teile << accessibleName();
  return teile.join(QStringLiteral(", "));
}

QRect TStringGrid::MenueStelle() {
  const QModelIndex i = currentIndex();
  if (!i.isValid()) return rect();
  return QRect(viewport()->mapTo(this, visualRect(i).topLeft()), visualRect(i).size());
}

void TStringGrid::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Copy)) {
    if (currentIndex().isValid()) Ereignis([this] { emit kopieren(Col(), Row()); });
    return;
  }
  if (e->matches(QKeySequence::Paste) && FuegeBlockEin()) return;
  if (VerwirftTaste(e)) return;
  if (e->matches(QKeySequence::Paste)) {
    FuegeEin();
    return;
  }
  if (IstBlockTaste(e, nullptr)) {
    ErweitereBlock(e);
    return;
  }
  QTableView::keyPressEvent(e);
}

// Pastes as if the text were typed into the current cell: the editor opens
// on it, the text replaces the cell's, and zelleBearbeitet follows as after
// any keystroke. In editor mode the open editor takes the same one cell.
void TStringGrid::FuegeEin() {
  const QModelIndex i = currentIndex();
  const QString text = EinzelneZelle(QApplication::clipboard()->text());
  if (!optionen_.Editieren || !i.isValid() || text.isEmpty()) return;
  scrollTo(i);
  SetEditorMode(true);
  if (!editor_ || state() != EditingState) return;
  editor_->selectAll();
  editor_->insert(text);
  Ereignis([this] { emit eingefuegt(Col(), Row()); });
}

QString TStringGrid::EinzelneZelle(QString text) {
  const qsizetype ende = text.indexOf(QRegularExpression(QStringLiteral("[\t\r\n]")));
  return ende < 0 ? text : text.left(ende);
}

bool TStringGrid::FuegeBlockEin() {
  if (!isSignalConnected(QMetaMethod::fromSignal(&TStringGrid::blockEinfuegen))) return false;
  QString text = QApplication::clipboard()->text();
  // A spreadsheet ends even a single cell with a line break.
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
  if (!text.contains(QLatin1Char('\t')) && !text.contains(QLatin1Char('\n'))) return false;
  bool genommen = false;
  const std::function<void()> einfuegen = [&] { emit blockEinfuegen(text, genommen); };
  Ereignis(einfuegen);
  return genommen;
}

// The left button selects the cell before the press is reported (a handler may
// then open the editor there); the other buttons leave the current cell.
void TStringGrid::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  // Shift or Ctrl with the press chooses cells, which the open editor of
  // another cell would not let Qt do.
  const bool mitAuswahl = e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier);
  const bool waehlt = optionen_.Bereiche && mitAuswahl;
  if (waehlt) SetEditorMode(false);
  QTableView::mousePressEvent(e);
  gedrueckt_ = indexAt(e->position().toPoint());
  // Qt leaves a block chosen until the release (which the editor a handler
  // opens then swallows) when the press falls inside it.
  if (!mitAuswahl && gedrueckt_.isValid())
    selectionModel()->select(gedrueckt_, QItemSelectionModel::ClearAndSelect);
  if (e->type() != QEvent::MouseButtonPress || !e->spontaneous()) return;
  const QPoint p = viewport()->mapTo(this, e->position().toPoint());
  presseWaehlt_ = waehlt;
  Ereignis([&] { emit Ereignisse()->mausGedrueckt(e->button(), e->modifiers(), p); });
  presseWaehlt_ = false;
}

// Qt selects while the left button drags, but not while an editor is open:
// the one the press opened closes once the mouse leaves the pressed cell.
void TStringGrid::mouseMoveEvent(QMouseEvent* e) {
  if (optionen_.Bereiche && (e->buttons() & Qt::LeftButton) && gedrueckt_.isValid() &&
      state() == EditingState) {
    const QModelIndex i = indexAt(e->position().toPoint());
    if (i.isValid() && i != gedrueckt_) SetEditorMode(false);
  }
  QTableView::mouseMoveEvent(e);
}

void TStringGrid::focusInEvent(QFocusEvent* e) {
  QTableView::focusInEvent(e);
  if (editor_ && state() == EditingState) editor_->setFocus();
}

void TStringGrid::currentChanged(const QModelIndex& aktuell, const QModelIndex& vorher) {
  QTableView::currentChanged(aktuell, vorher);
  // A current cell that a smaller size removed moves to its neighbour; the
  // user did not go there, so no editor opens (it would take the focus and
  // the next keys would overwrite the neighbour's text).
  if (!editorModus_ || groesseAendern_) return;
  if (optionen_.ImmerEditor && optionen_.Editieren && aktuell.isValid()) {
    if (state() != EditingState) edit(aktuell);
  } else if (state() != EditingState) {
    editorModus_ = false;
  }
}

void TStringGrid::updateGeometries() {
  QTableView::updateGeometries();
  if (!ecke_) return;
  const QRect v = viewport()->geometry();
  const int b = verticalHeader()->width(), h = horizontalHeader()->height();
  ecke_->setGeometry(v.left() - b, v.top() - h, b, h);
  ecke_->raise();
}

void TStringGrid::SetzeEditieren(bool ja) {
  if (!ja) SetEditorMode(false);
  optionen_.Editieren = ja;
  setEditTriggers(ja ? AnyKeyPressed | DoubleClicked | EditKeyPressed : NoEditTriggers);
}

void TStringGrid::SetzeFarbrolle(int rolle, std::map<int, QColor> farben) {
  farbrolle_ = rolle;
  farben_ = std::move(farben);
  viewport()->update();
}

#include "StringGrid.moc"
