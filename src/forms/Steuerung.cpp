// SPDX-License-Identifier: GPL-3.0-or-later
#include "Steuerung.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <utility>

#include "forms/Anwendung.h"

void TSteuerung::BeginDrag() {
  if (TZiehVerwalter* z = TZiehVerwalter::Von(Widget())) z->Beginne(Widget());
}

TZiehVerwalter* TZiehVerwalter::Von(const QWidget* w) {
  return w->window()->findChild<TZiehVerwalter*>(QString(), Qt::FindDirectChildrenOnly);
}

void TZiehVerwalter::Beginne(QWidget* quelle) {
  if (aktiv_) return;
  aktiv_ = true;
  quelle_ = quelle;
  QGuiApplication::setOverrideCursor(Qt::ForbiddenCursor);
}

TSteuerung* TZiehVerwalter::ZielUnter(QPointF global, QPoint& lokal, bool& annehmen) {
  annehmen = false;
  TSteuerung* ziel = SteuerungVon(QApplication::widgetAt(global.toPoint()));
  if (!ziel || !ziel->OnDragOver || !quelle_) return nullptr;
  lokal = ziel->Widget()->mapFromGlobal(global).toPoint();
  // As in the form framework the handlers were written for, a control with
  // a drag-over handler accepts unless the handler says no.
  annehmen = true;
  Ereignis(ziel->OnDragOver, quelle_.data(), lokal.x(), lokal.y(), annehmen);
  return ziel;
}

void TZiehVerwalter::Bewege(QPointF global) {
  if (!aktiv_) return;
  QPoint lokal;
  bool annehmen = false;
  ZielUnter(global, lokal, annehmen);
  QGuiApplication::changeOverrideCursor(annehmen ? Qt::DragCopyCursor : Qt::ForbiddenCursor);
}

void TZiehVerwalter::Lasse(QPointF global) {
  if (!aktiv_) return;
  QPoint lokal;
  bool annehmen = false;
  TSteuerung* ziel = ZielUnter(global, lokal, annehmen);
  QPointer<QWidget> quelle = quelle_;
  Abbrechen();
  if (ziel && annehmen && quelle) Ereignis(ziel->OnDragDrop, quelle.data(), lokal.x(), lokal.y());
  // Every right press starts a drag, so a context menu can only follow a
  // press and release on the same control.
  if (ziel && quelle && ziel->Widget() == quelle && ziel->PopupMenu)
    ziel->PopupMenu->popup(global.toPoint());
}

void TZiehVerwalter::Abbrechen() {
  if (!aktiv_) return;
  aktiv_ = false;
  quelle_ = nullptr;
  QGuiApplication::restoreOverrideCursor();
}

TSteuerung* SteuerungVon(QWidget* w) {
  for (; w; w = w->isWindow() ? nullptr : w->parentWidget())
    if (auto* s = dynamic_cast<TSteuerung*>(w)) return s;
  return nullptr;
}

namespace {
WertMelder& Melder() {
  static WertMelder m = [](QAccessibleEvent& e) { QAccessible::updateAccessibility(&e); };
  return m;
}
}  // namespace

void MeldeNeuenWert(QWidget* feld, const QString& wert) {
  QAccessibleValueChangeEvent ereignis(feld, wert);
  Melder()(ereignis);
}

WertMelder SetzeWertMelder(WertMelder melder) {
  return std::exchange(Melder(), std::move(melder));
}

bool VerarbeiteTaste(QWidget* empfaenger, QKeyEvent* e, const std::function<void(int&)>& keyDown,
                     const std::function<void(QChar&)>& keyPress) {
  // Qt hands a key on by sending it again (a grid passes the key that opened
  // its editor to the editor); the handlers saw it at the first receiver.
  if (!e->spontaneous()) return false;
  if (keyDown) {
    int taste = e->key();
    Ereignis(keyDown, taste);
    if (taste == 0) return true;
  }
  const QString text = e->text();
  // Delete types no character in the framework the handlers were written for.
  if (text.isEmpty() || !keyPress || e->key() == Qt::Key_Delete) return false;
  QChar zeichen = text.at(0);
  Ereignis(keyPress, zeichen);
  if (zeichen.isNull()) return true;
  if (zeichen == text.at(0)) return false;
  QKeyEvent neu(e->type(), e->key(), e->modifiers(), QString(zeichen), e->isAutoRepeat());
  // Sent, not spontaneous: the handlers above let it pass.
  QCoreApplication::sendEvent(empfaenger, &neu);
  return true;
}
