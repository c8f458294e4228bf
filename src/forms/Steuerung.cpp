// SPDX-License-Identifier: GPL-3.0-or-later
#include "Steuerung.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <utility>

#include "forms/Anwendung.h"
#include "forms/Formular.h"

namespace {
// Set while a key with a changed character is delivered again, so that the
// handlers do not see it twice.
bool gNeuZugestellt = false;
}  // namespace

void TSteuerung::BeginDrag() {
  if (auto* form = qobject_cast<TForm*>(Widget()->window())) form->Ziehen().Beginne(Widget());
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
  if (gNeuZugestellt) return false;
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
  gNeuZugestellt = true;
  QCoreApplication::sendEvent(empfaenger, &neu);
  gNeuZugestellt = false;
  return true;
}
