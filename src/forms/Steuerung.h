// SPDX-License-Identifier: GPL-3.0-or-later
// Events every control of a form can have, in the shape the window's
// handlers expect: mouse press with button and position, drag-over asking
// for acceptance, drop, click, double click. Mixed into the Qt widgets of
// Steuerelemente.h and StringGrid.h.
#ifndef QUORVEL_FORMS_STEUERUNG_H
#define QUORVEL_FORMS_STEUERUNG_H

#include <QChar>
#include <QWidget>
#include <functional>

class QAccessibleEvent;
class QKeyEvent;
class QMenu;

class TSteuerung {
 public:
  virtual ~TSteuerung() = default;

  // Positions are in the control's own coordinates.
  std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;
  std::function<void(QWidget* quelle, int x, int y, bool& annehmen)> OnDragOver;
  std::function<void(QWidget* quelle, int x, int y)> OnDragDrop;
  std::function<void()> OnClick;
  std::function<void()> OnDblClick;
  // Shown when a right-button drag from this control ends on the control
  // itself: a click that did not move. Not owned (usually a child).
  QMenu* PopupMenu = nullptr;
  // Shown by the menu key or Shift+F10 while the control itself has the
  // focus: the keyboard's way to the same commands. Not owned.
  QMenu* TastenMenue = nullptr;

  virtual QWidget* Widget() = 0;
  // The widgets whose mouse presses count as presses on this control (a
  // grid's cells and headers, but not its open cell editor).
  virtual bool IstMausFlaeche(const QWidget* w) { return w == Widget(); }
  // True when the control runs OnMouseDown itself for this press, after its
  // own handling (a grid selects the pressed cell first).
  virtual bool MeldetPresseSelbst(const QWidget*, Qt::MouseButton, bool /*doppelklick*/) {
    return false;
  }

  // Where a menu opened by key appears below, in the control's coordinates
  // (a grid: its current cell).
  virtual QRect MenueStelle() { return Widget()->rect(); }

  // Starts a drag with this control as source, at once (no threshold).
  void BeginDrag();
};

// Finds the control a widget belongs to (itself or its nearest ancestor).
TSteuerung* SteuerungVon(QWidget* w);

// Tells assistive technology that a field now shows a new value (a result
// of "=", say), so that a screen reader can read it without the focus there.
void MeldeNeuenWert(QWidget* feld, const QString& wert);
// Where MeldeNeuenWert sends its event: Qt's accessibility, which passes it
// to the desktop's bridge only while a screen reader listens. Tests put
// their own in place; returns the one in force before.
using WertMelder = std::function<void(QAccessibleEvent& ereignis)>;
WertMelder SetzeWertMelder(WertMelder melder);

// The key events of a control: OnKeyDown with the Qt key code, OnKeyPress
// with the typed character. Setting either to 0 discards the key; a
// changed character is delivered instead of the typed one. Returns true
// when the caller must not process the event itself.
bool VerarbeiteTaste(QWidget* empfaenger, QKeyEvent* e, const std::function<void(int&)>& keyDown,
                     const std::function<void(QChar&)>& keyPress);

#endif
