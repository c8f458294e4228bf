// SPDX-License-Identifier: GPL-3.0-or-later
#include "Formular.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QWindow>
#include <algorithm>

#include "forms/Anwendung.h"

TForm::TForm(QWidget* parent) : QMainWindow(parent), ziehen_(new TZiehVerwalter(this)) {
  Beobachte(this);
}

TForm::~TForm() {
  ziehen_->Abbrechen();
}

void TForm::Beobachte(QWidget* w) {
  // Installed again, a filter moves to the front: the form sees an event
  // before filters a widget got later (a grid's viewport and cell editor
  // have their own, which would otherwise take presses and keys first).
  w->installEventFilter(this);
  for (QWidget* kind : w->findChildren<QWidget*>()) kind->installEventFilter(this);
}

void TForm::SetzeInhalt(QWidget* inhalt) {
  inhalt->setAutoFillBackground(true);
  rollbereich_ = qobject_cast<QScrollArea*>(centralWidget());
  if (!rollbereich_ || rollbereich_->widget() != inhalt) {
    rollbereich_ = new QScrollArea(this);
    rollbereich_->setObjectName(QStringLiteral("Rollbereich"));
    rollbereich_->setWidget(inhalt);
    setCentralWidget(rollbereich_);
  }
  rollbereich_->setFrameShape(QFrame::NoFrame);
  // Only the controls are Tab stops, as without the scroll area.
  rollbereich_->setFocusPolicy(Qt::NoFocus);
  PasseAnBildschirm();
}

QMargins TForm::Rahmen() const {
  const QRect aussen = frameGeometry(), innen = geometry();
  if (aussen != innen)
    return {innen.left() - aussen.left(), innen.top() - aussen.top(),
            aussen.right() - innen.right(), aussen.bottom() - innen.bottom()};
  // A title bar and thin borders, as most window managers draw them.
  return {4, 32, 4, 4};
}

void TForm::PasseAnBildschirm() {
  if (!rollbereich_ || !rollbereich_->widget()) return;
  QSize design = rollbereich_->widget()->size();
  if (const QWidget* leiste = menuWidget()) design.rheight() += leiste->sizeHint().height();
  if (const auto* status = findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly))
    design.rheight() += status->sizeHint()
                            .expandedTo(status->minimumSize())
                            .boundedTo(status->maximumSize())
                            .height();
  QSize groesse = design;
  if (const QScreen* s = screen()) {
    const QMargins r = Rahmen();
    const QRect frei = s->availableGeometry().marginsRemoved(r);
    groesse = design.boundedTo(frei.size());
  }
  setFixedSize(groesse);
}

void TForm::Platziere(QPoint position) {
  QPoint p = position;
  if (const QScreen* s = screen()) {
    const QRect frei = s->availableGeometry();
    const QSize aussen = size().grownBy(Rahmen());
    p.setX(std::max(frei.left(), std::min(p.x(), frei.right() + 1 - aussen.width())));
    p.setY(std::max(frei.top(), std::min(p.y(), frei.bottom() + 1 - aussen.height())));
  }
  move(p);
}

void TForm::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  // A window moved to another screen fits that one.
  if (!bildschirmVerbunden_ && windowHandle()) {
    bildschirmVerbunden_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this] { PasseAnBildschirm(); });
  }
}

bool TForm::GehoertZuMir(QObject* objekt) const {
  auto* w = qobject_cast<QWidget*>(objekt);
  return w && w->window() == this;
}

// The menu key and Shift+F10 open a control's key menu when the control
// itself has the focus (not a grid's open cell editor, which has its own).
bool TForm::ZeigeTastenMenue(QWidget* fokus, const QKeyEvent* k) {
  const bool menueTaste =
      k->key() == Qt::Key_Menu || (k->key() == Qt::Key_F10 && k->modifiers() == Qt::ShiftModifier);
  if (!menueTaste || !fokus) return false;
  TSteuerung* s = SteuerungVon(fokus);
  if (!s || s->Widget() != fokus || !s->TastenMenue) return false;
  // Opened by key, the first entry is chosen: Enter runs it.
  s->TastenMenue->popup(fokus->mapToGlobal(s->MenueStelle().bottomLeft()));
  if (!s->TastenMenue->actions().isEmpty())
    s->TastenMenue->setActiveAction(s->TastenMenue->actions().front());
  return true;
}

bool TForm::eventFilter(QObject* objekt, QEvent* e) {
  switch (e->type()) {
    case QEvent::ChildAdded:
      // Widgets created here later, or moved here with their children.
      if (auto* kind = static_cast<QChildEvent*>(e)->child(); kind->isWidgetType())
        Beobachte(static_cast<QWidget*>(kind));
      break;
    case QEvent::ChildPolished:
      // About to be shown, a widget may have got filters after this one.
      if (auto* kind = static_cast<QChildEvent*>(e)->child(); kind->isWidgetType())
        kind->installEventFilter(this);
      break;
    case QEvent::KeyPress: {
      // Ignored keys travel on to the parents and pass this filter again;
      // only the first receiver counts.
      if (!e->spontaneous() || !GehoertZuMir(objekt)) break;
      QWidget* fokus = QApplication::focusWidget();
      if (objekt != (fokus ? fokus : this)) break;
      if (ZeigeTastenMenue(fokus, static_cast<QKeyEvent*>(e))) return true;
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      if (ziehen_->Aktiv()) return true;
      if (!GehoertZuMir(objekt)) break;
      kontextmenueSchlucken_ = false;
      auto* w = static_cast<QWidget*>(objekt);
      auto* m = static_cast<QMouseEvent*>(e);
      TSteuerung* s = SteuerungVon(w);
      if (!s || !s->IstMausFlaeche(w)) break;
      if (e->type() == QEvent::MouseButtonDblClick)
        Ereignis([s] { emit s->Ereignisse()->doppelgeklickt(); });
      if (!s->MeldetPresseSelbst(w, m->button(), e->type() == QEvent::MouseButtonDblClick)) {
        // w is the control itself or one of its parts (a grid's viewport or
        // headers); mapFrom would need it to be an ancestor.
        const QPoint p = w->mapTo(s->Widget(), m->position().toPoint());
        Ereignis([&] { emit s->Ereignisse()->mausGedrueckt(m->button(), m->modifiers(), p); });
      }
      if (ziehen_->Aktiv()) {
        // The press belongs to the drag; no selection, no context menu.
        kontextmenueSchlucken_ = true;
        ziehen_->Bewege(m->globalPosition());
        return true;
      }
      if (m->button() == Qt::LeftButton && e->type() == QEvent::MouseButtonPress)
        geklickt_ = s->Widget();
      break;
    }
    case QEvent::MouseMove:
      if (!ziehen_->Aktiv()) break;
      ziehen_->Bewege(static_cast<QMouseEvent*>(e)->globalPosition());
      return true;
    case QEvent::MouseButtonRelease: {
      auto* m = static_cast<QMouseEvent*>(e);
      if (ziehen_->Aktiv()) {
        ziehen_->Lasse(m->globalPosition());
        return true;
      }
      if (m->button() != Qt::LeftButton || !geklickt_ || !GehoertZuMir(objekt)) break;
      QPointer<QWidget> geklickt = geklickt_;
      geklickt_ = nullptr;
      auto* w = static_cast<QWidget*>(objekt);
      TSteuerung* s = SteuerungVon(w);
      if (s && s->Widget() == geklickt && s->IstMausFlaeche(w) &&
          w->rect().contains(m->position().toPoint()))
        Ereignis([s] { emit s->Ereignisse()->geklickt(); });
      break;
    }
    case QEvent::ContextMenu:
      if (ziehen_->Aktiv() || kontextmenueSchlucken_) {
        kontextmenueSchlucken_ = false;
        return true;
      }
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(objekt, e);
}
