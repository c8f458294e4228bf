// SPDX-License-Identifier: GPL-3.0-or-later
#include "Steuerung.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <utility>

#include "forms/Anwendung.h"

bool TSteuerungsereignisse::NimmtZiehen() const {
  return isSignalConnected(QMetaMethod::fromSignal(&TSteuerungsereignisse::ziehenUeber));
}

TSteuerungsereignisse* TSteuerung::Ereignisse() {
  if (!ereignisse_) ereignisse_ = new TSteuerungsereignisse(Widget());
  return ereignisse_;
}

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
  if (!ziel || !quelle_ || !ziel->Ereignisse()->NimmtZiehen()) return nullptr;
  lokal = ziel->Widget()->mapFromGlobal(global).toPoint();
  // As in the form framework the handlers were written for, a control with
  // a drag-over handler accepts unless the handler says no.
  annehmen = true;
  Ereignis([&] { emit ziel->Ereignisse()->ziehenUeber(quelle_.data(), lokal, annehmen); });
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
  if (ziel && annehmen && quelle)
    Ereignis([&] { emit ziel->Ereignisse()->abgelegt(quelle.data(), lokal); });
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

bool VerwirftTaste(QKeyEvent* e, const std::function<void(int&)>& taste,
                   const std::function<void(QChar&)>& zeichen) {
  // Qt hands a key on by sending it again (a grid passes the key that opened
  // its editor to the editor); the filters saw it at the first receiver.
  if (!e->spontaneous()) return false;
  if (taste) {
    int t = e->key();
    Ereignis(taste, t);
    if (t == 0) return true;
  }
  const QString text = e->text();
  // Delete types no character in the framework the handlers were written for.
  if (text.isEmpty() || !zeichen || e->key() == Qt::Key_Delete) return false;
  QChar z = text.at(0);
  Ereignis(zeichen, z);
  return z.isNull();
}
