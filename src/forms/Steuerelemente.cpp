#include "Steuerelemente.h"

#include <QHBoxLayout>
#include <QKeyEvent>
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

void TEdit::keyPressEvent(QKeyEvent* e) {
  if (VerarbeiteTaste(this, e, nullptr, OnKeyPress)) return;
  QLineEdit::keyPressEvent(e);
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
