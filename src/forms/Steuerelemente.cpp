#include "Steuerelemente.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QToolButton>
#include <algorithm>

#include "Anwendung.h"

QFont Schrift(const QString& familie, int pixel, bool fett) {
  QFont f(familie);
  f.setPixelSize(pixel);
  f.setBold(fett);
  return f;
}

void SetzeFarbe(QWidget* w, const QColor& farbe) {
  QPalette p = w->palette();
  p.setColor(QPalette::Base, farbe);
  p.setColor(QPalette::Window, farbe);
  w->setPalette(p);
  if (qobject_cast<QLabel*>(w)) w->setAutoFillBackground(true);
}

TEdit::TEdit(QWidget* parent, const QString& text) : QLineEdit(text, parent) {
  connect(this, &QLineEdit::textChanged, this, [this] { Ereignis(OnChange); });
}

namespace {

bool IstStandardKuerzel(QKeyEvent* e) {
  for (QKeySequence::StandardKey k :
       {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste,
        QKeySequence::Undo, QKeySequence::Redo})
    if (e->matches(k)) return true;
  return false;
}

}  // namespace

void TEdit::keyPressEvent(QKeyEvent* e) {
  if (IstStandardKuerzel(e)) {
    if (OnKeyPress && e->matches(QKeySequence::Paste))
      FuegeGefiltertEin(QApplication::clipboard()->text());
    else
      QLineEdit::keyPressEvent(e);
  } else if (VerarbeiteTaste(this, e, nullptr, OnKeyPress)) {
    return;
  } else {
    QLineEdit::keyPressEvent(e);
  }
  PasseGrenzeAn();
}

QString TEdit::Gefiltert(const QString& text) {
  QString ergebnis;
  for (QChar zeichen : text) {
    if (zeichen.category() == QChar::Other_Control) continue;
    Ereignis(OnKeyPress, zeichen);
    if (!zeichen.isNull()) ergebnis += zeichen;
  }
  return ergebnis;
}

void TEdit::FuegeGefiltertEin(const QString& text) {
  const QString gefiltert = Gefiltert(text);
  // Nothing acceptable: the selection stays, as when a filtered key is typed.
  if (isReadOnly() || gefiltert.isEmpty()) return;
  insert(gefiltert);
  PasseGrenzeAn();
}

void TEdit::contextMenuEvent(QContextMenuEvent* e) {
  QMenu* menue = createStandardContextMenu();
  // Qt names the action from its own (translated) text and the shortcut.
  const QString einfuegenText = QLineEdit::tr("&Paste");
  for (QAction* a : menue->actions()) {
    if (!OnKeyPress || a->text().section(QLatin1Char('\t'), 0, 0) != einfuegenText) continue;
    // Replaced, not rewired: how Qt connects its action is its own business.
    auto* ersatz = new QAction(a->icon(), a->text(), menue);
    ersatz->setEnabled(a->isEnabled());
    connect(ersatz, &QAction::triggered, this,
            [this] { FuegeGefiltertEin(QApplication::clipboard()->text()); });
    menue->insertAction(a, ersatz);
    menue->removeAction(a);
  }
  menue->setAttribute(Qt::WA_DeleteOnClose);
  menue->popup(e->globalPos());
}

// The middle button pastes the X11 selection.
void TEdit::mouseReleaseEvent(QMouseEvent* e) {
  if (!OnKeyPress || e->button() != Qt::MiddleButton ||
      !QApplication::clipboard()->supportsSelection()) {
    QLineEdit::mouseReleaseEvent(e);
    return;
  }
  if (!rect().contains(e->position().toPoint())) return;
  deselect();
  setCursorPosition(cursorPositionAt(e->position().toPoint()));
  FuegeGefiltertEin(QApplication::clipboard()->text(QClipboard::Selection));
}

void TEdit::dropEvent(QDropEvent* e) {
  if (!OnKeyPress || !e->mimeData()->hasText()) {
    QLineEdit::dropEvent(e);
    return;
  }
  QMimeData gefiltert;
  gefiltert.setText(Gefiltert(e->mimeData()->text()));
  QDropEvent neu(e->position(), e->possibleActions(), &gefiltert, e->buttons(), e->modifiers());
  neu.setDropAction(e->dropAction());
  QLineEdit::dropEvent(&neu);
  e->setDropAction(neu.dropAction());
  e->setAccepted(neu.isAccepted());
  PasseGrenzeAn();
}

void TEdit::SetMaxLength(int n) {
  grenze_ = n;
  setMaxLength(std::max<qsizetype>(n, text().size()));
}

void TEdit::SetText(const QString& text) {
  if (grenze_ > 0 && text.size() > maxLength()) setMaxLength(int(text.size()));
  setText(text);
  PasseGrenzeAn();
}

void TEdit::PasseGrenzeAn() {
  if (grenze_ <= 0) return;
  const int neu = int(std::max<qsizetype>(grenze_, text().size()));
  if (neu == maxLength()) return;
  // Setting Qt's limit sets the text again, which moves the caret to the end.
  const int caret = cursorPosition();
  setMaxLength(neu);
  setCursorPosition(caret);
}

TLabel::TLabel(QWidget* parent, const QString& text) : QLabel(text, parent) {}

TButton::TButton(QWidget* parent, const QString& text) : QPushButton(text, parent) {
  connect(this, &QPushButton::clicked, this, [this] { Ereignis(OnClick); });
}

// Like the framework the handlers were written for, a radio button reports a
// click only when it becomes the chosen one: clicking the chosen button again
// must not, for example, empty a calculator's result field.
TRadioButton::TRadioButton(QWidget* parent, const QString& text) : QRadioButton(text, parent) {
  connect(this, &QRadioButton::toggled, this, [this](bool gewaehlt) {
    if (gewaehlt) Ereignis(OnClick);
  });
}

TGroupBox::TGroupBox(QWidget* parent, const QString& titel) : QGroupBox(titel, parent) {}

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
}

TUpDown::TUpDown(QWidget* parent, int min, int max, int position)
    : QWidget(parent), min_(min), max_(max), position_(std::clamp(position, min, max)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  ab_ = new QToolButton(this);
  auf_ = new QToolButton(this);
  ab_->setObjectName(QStringLiteral("Ab"));
  auf_->setObjectName(QStringLiteral("Auf"));
  ab_->setArrowType(Qt::LeftArrow);
  auf_->setArrowType(Qt::RightArrow);
  for (QToolButton* b : {ab_, auf_}) {
    b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    b->setAutoRepeat(true);
    layout->addWidget(b);
  }
  connect(ab_, &QToolButton::clicked, this, [this] { Schritt(-1); });
  connect(auf_, &QToolButton::clicked, this, [this] { Schritt(+1); });
}

void TUpDown::SetPosition(int p) {
  position_ = std::clamp(p, min_, max_);
}

void TUpDown::Schritt(int d) {
  const int neu = std::clamp(position_ + d, min_, max_);
  if (neu == position_) return;
  position_ = neu;
  Ereignis(OnClick, d > 0);
}

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {}

QStringList TMemo::Lines() const {
  QStringList zeilen;
  for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) zeilen << b.text();
  if (zeilen.size() == 1 && zeilen.front().isEmpty() && document()->isEmpty()) zeilen.clear();
  return zeilen;
}

void TMemo::LinesAdd(const QString& zeile) {
  appendPlainText(zeile);
}
void TMemo::LinesClear() {
  clear();
}

TTabbedNotebook::TTabbedNotebook(QWidget* parent) : QTabWidget(parent) {}

QWidget* TTabbedNotebook::NeueSeite(const QString& titel, const QFont& seitenSchrift) {
  auto* seite = new QWidget(this);
  seite->setFont(seitenSchrift);
  addTab(seite, titel);
  return seite;
}

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
  setSizeGripEnabled(false);
  text_ = new QLabel(this);
  addWidget(text_, 1);
}

void TStatusBar::SetSimpleText(const QString& text) {
  text_->setText(text);
}
QString TStatusBar::SimpleText() const {
  return text_->text();
}
