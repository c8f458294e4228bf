// SPDX-License-Identifier: GPL-3.0-or-later
#include "Steuerelemente.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMimeData>
#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QTextBlock>
#include <QToolButton>
#include <algorithm>
#include <cmath>

#include "forms/Anwendung.h"
#include "forms/Eingabepruefer.h"

namespace {

// Relative luminance (WCAG 2) of an sRGB colour.
double Leuchtdichte(const QColor& farbe) {
  auto linear = [](double k) {
    return k <= 0.03928 ? k / 12.92 : std::pow((k + 0.055) / 1.055, 2.4);
  };
  const QColor c = farbe.toRgb();
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

QColor Mische(const QColor& a, const QColor& b, double anteilA) {
  const QColor x = a.toRgb(), y = b.toRgb();
  auto k = [anteilA](int p, int q) { return int(std::lround(anteilA * p + (1 - anteilA) * q)); };
  return QColor(k(x.red(), y.red()), k(x.green(), y.green()), k(x.blue(), y.blue()));
}

// The palette's text on this ground, or black or white when that is too faint.
QColor LesbarerText(const QColor& text, const QColor& grund) {
  if (Kontrastverhaeltnis(text, grund) >= kMindestKontrast) return text;
  const QColor schwarz(Qt::black), weiss(Qt::white);
  return Kontrastverhaeltnis(schwarz, grund) >= Kontrastverhaeltnis(weiss, grund) ? schwarz : weiss;
}

constexpr const char* kEntwurfsfarbe = "quorvelEntwurfsfarbe";

void WendeFeldfarbeAn(QWidget* w) {
  const QColor entwurf = w->property(kEntwurfsfarbe).value<QColor>();
  const QPalette basis = QApplication::palette(w);
  QPalette p = w->palette();
  if (!entwurf.isValid()) {
    for (auto rolle : {QPalette::Base, QPalette::Window, QPalette::Text, QPalette::WindowText})
      p.setColor(rolle, basis.color(rolle));
    w->setPalette(p);
    return;
  }
  const QColor grund = Feldfarbe(entwurf, basis);
  p.setColor(QPalette::Base, grund);
  p.setColor(QPalette::Window, grund);
  p.setColor(QPalette::Text, LesbarerText(basis.color(QPalette::Text), grund));
  p.setColor(QPalette::WindowText, LesbarerText(basis.color(QPalette::WindowText), grund));
  w->setPalette(p);
}

// Follows a change of the desktop's palette: the field's colours are
// derived again before the widget merges the new palette with its own.
class TFarbWaechter : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::ApplicationPaletteChange && o == parent())
      WendeFeldfarbeAn(static_cast<QWidget*>(o));
    return false;
  }
};

}  // namespace

double Kontrastverhaeltnis(const QColor& a, const QColor& b) {
  const double la = Leuchtdichte(a), lb = Leuchtdichte(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor Feldfarbe(const QColor& entwurf, const QPalette& palette) {
  const QColor grund = palette.color(QPalette::Base), text = palette.color(QPalette::Text);
  if (Leuchtdichte(grund) >= Leuchtdichte(text)) return entwurf;
  // Dark palette: as much of the design colour as the text allows.
  for (double anteil = 0.3; anteil > 0.0; anteil -= 0.05) {
    const QColor m = Mische(entwurf, grund, anteil);
    if (Kontrastverhaeltnis(m, text) >= kMindestKontrast) return m;
  }
  return grund;
}

QFont Schrift(const QString& familie, int pixel, bool fett) {
  QFont f(familie);
  f.setPixelSize(pixel);
  f.setBold(fett);
  return f;
}

void WendeEntwurfAn(QWidget* wurzel) {
  QList<QWidget*> widgets = wurzel->findChildren<QWidget*>();
  widgets.prepend(wurzel);
  for (QWidget* w : widgets) {
    if (const QVariant pixel = w->property("pixelgroesse"); pixel.isValid()) {
      // Family and weight as the form set them; the size replaces the
      // form's point size.
      QFont f = w->font();
      f.setPixelSize(pixel.toInt());
      w->setFont(f);
    }
    if (const QVariant farbe = w->property("feldfarbe"); farbe.isValid())
      SetzeFarbe(w, farbe.value<QColor>());
  }
}

void SetzeFarbe(QWidget* w, const QColor& farbe) {
  if (!w->property(kEntwurfsfarbe).isValid()) w->installEventFilter(new TFarbWaechter(w));
  w->setProperty(kEntwurfsfarbe, farbe);
  WendeFeldfarbeAn(w);
  if (qobject_cast<QLabel*>(w)) w->setAutoFillBackground(true);
}

TEdit::TEdit(QWidget* parent, const QString& text) : QLineEdit(text, parent) {
  connect(this, &QLineEdit::textChanged, this, [this] { Ereignis([this] { emit geaendert(); }); });
}

void TEdit::SetzeKomma(bool ja) {
  komma_ = ja;
  Pruefe();
}

void TEdit::SetzeEingabegrenze(int n) {
  grenze_ = n;
  Pruefe();
}

// A field that is a number field or has a limit has its input checked.
void TEdit::Pruefe() {
  delete validator();
  if (!komma_ && grenze_ <= 0) return;
  TEingabepruefer::Setze(
      this, komma_ ? TEingabepruefer::Punkt::Komma : TEingabepruefer::Punkt::Bleibt, grenze_);
}

void TEdit::SetzeTextUeberGrenze(const QString& text) {
  if (const auto* pruefer = qobject_cast<const TEingabepruefer*>(validator()))
    pruefer->Erlaube(text);
  setText(text);
}

void TEdit::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Copy) && !hasSelectedText() &&
      isSignalConnected(QMetaMethod::fromSignal(&TEdit::kopieren))) {
    Ereignis([this] { emit kopieren(); });
    return;
  }
  if (e->matches(QKeySequence::Paste)) {
    FuegeEinUndMelde([this, e] { QLineEdit::keyPressEvent(e); });
    return;
  }
  QLineEdit::keyPressEvent(e);
}

void TEdit::FuegeEinUndMelde(const std::function<void()>& einfuegen) {
  const int stelle = hasSelectedText() ? selectionStart() : cursorPosition();
  const int ersetzt = static_cast<int>(selectedText().size());
  const QString vorher = text();
  einfuegen();
  const int laenge = static_cast<int>(text().size() - vorher.size()) + ersetzt;
  if (text() != vorher) Ereignis([&] { emit eingefuegt(stelle, ersetzt, laenge); });
}

void TEdit::contextMenuEvent(QContextMenuEvent* e) {
  QMenu* menue = createStandardContextMenu();
  // Qt names the action from its own (translated) text and the shortcut.
  const QString einfuegenText = QLineEdit::tr("&Paste");
  for (QAction* a : menue->actions()) {
    if (a->text().section(QLatin1Char('\t'), 0, 0) != einfuegenText) continue;
    // Replaced, not rewired: how Qt connects its action is its own business.
    auto* ersatz = new QAction(a->icon(), a->text(), menue);
    ersatz->setEnabled(a->isEnabled());
    connect(ersatz, &QAction::triggered, this, [this] { FuegeEinUndMelde([this] { paste(); }); });
    menue->insertAction(a, ersatz);
    menue->removeAction(a);
  }
  menue->setAttribute(Qt::WA_DeleteOnClose);
  menue->popup(e->globalPos());
}

TLabel::TLabel(QWidget* parent, const QString& text) : QLabel(text, parent) {}

namespace {

// A result label as assistive technology sees it: a read-only text field.
class TLesefeldZugang : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TLesefeldZugang(TLabel* l) : QAccessibleWidget(l, QAccessible::EditableText) {}

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Text();
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return Text();
    return QAccessibleWidget::text(t);
  }
  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }

  // Nothing can be selected or edited; the caret stays at the start.
  void selection(int, int* anfang, int* ende) const override { *anfang = *ende = 0; }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int anfang, int ende) const override { return Text().mid(anfang, ende - anfang); }
  int characterCount() const override { return int(Text().size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int offset, int* anfang, int* ende) const override {
    *anfang = *ende = offset;
    return {};
  }

 private:
  QString Text() const { return static_cast<const QLabel*>(widget())->text(); }
};

QAccessibleInterface* LesefeldFabrik(const QString&, QObject* o) {
  auto* l = qobject_cast<TLabel*>(o);
  return l && l->IstLesefeld() ? new TLesefeldZugang(l) : nullptr;
}

}  // namespace

void TLabel::AlsLesefeld() {
  static const bool fabrik = (QAccessible::installFactory(&LesefeldFabrik), true);
  (void)fabrik;
  // Setting a label's text has already made the plain label's interface;
  // dropped, the next query makes the read-only field's.
  if (QAccessibleInterface* alt = QAccessible::queryAccessibleInterface(this))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(alt));
  lesefeld_ = true;
  // Tab only: a left press on a result label still does nothing.
  setFocusPolicy(Qt::TabFocus);
}

void TLabel::keyPressEvent(QKeyEvent* e) {
  if (e->matches(QKeySequence::Copy) &&
      isSignalConnected(QMetaMethod::fromSignal(&TLabel::kopieren))) {
    Ereignis([this] { emit kopieren(); });
    return;
  }
  QLabel::keyPressEvent(e);
}

void TLabel::paintEvent(QPaintEvent* e) {
  QLabel::paintEvent(e);
  if (!hasFocus()) return;
  QPainter maler(this);
  QStyleOptionFocusRect o;
  o.initFrom(this);
  o.rect = contentsRect().adjusted(1, 1, -1, -1);
  o.backgroundColor = palette().color(backgroundRole());
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &maler, this);
}

void TLabel::focusInEvent(QFocusEvent* e) {
  QLabel::focusInEvent(e);
  update();
}

void TLabel::focusOutEvent(QFocusEvent* e) {
  QLabel::focusOutEvent(e);
  update();
}

TButton::TButton(QWidget* parent, const QString& text) : QPushButton(text, parent) {
  connect(this, &QPushButton::clicked, this, [this] { Ereignis([this] { emit geklickt(); }); });
}

TRadioButton::TRadioButton(QWidget* parent, const QString& text) : QRadioButton(text, parent) {
  connect(this, &QRadioButton::toggled, this, [this](bool an) {
    if (an) Ereignis([this] { emit gewaehlt(); });
  });
}

TGroupBox::TGroupBox(QWidget* parent, const QString& titel) : QGroupBox(titel, parent) {}

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

void TUpDown::SetMin(int min) {
  min_ = min;
  max_ = std::max(max_, min_);
  SetPosition(position_);
}

void TUpDown::SetMax(int max) {
  max_ = max;
  min_ = std::min(min_, max_);
  SetPosition(position_);
}

void TUpDown::SetPosition(int p) {
  position_ = std::clamp(p, min_, max_);
}

void TUpDown::Schritt(int d) {
  const int neu = std::clamp(position_ + d, min_, max_);
  if (neu == position_) return;
  position_ = neu;
  Ereignis([this, d] { emit geklickt(d > 0); });
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

#include "Steuerelemente.moc"
