// SPDX-License-Identifier: GPL-3.0-or-later
// Events every control of a form can have, in the shape the window's
// handlers expect: mouse press with button and position, drag-over asking
// for acceptance, drop, click, double click. Mixed into the Qt widgets of
// Steuerelemente.h and StringGrid.h; the events are the signals of the
// control's TSteuerungsereignisse. Also the drag between controls, which
// the form (Formular.h) drives: the controls need not know the form.
#ifndef QUORVEL_FORMS_STEUERUNG_H
#define QUORVEL_FORMS_STEUERUNG_H

#include <QChar>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <functional>

class QAccessibleEvent;
class QKeyEvent;
class QMenu;

// A control's events as signals. Positions are in the control's own
// coordinates. Each is sent inside the framework's guard (Ereignis): what a
// receiver throws is shown and the event loop goes on.
class TSteuerungsereignisse : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  // Whether anything listens for drags: a control without a receiver is
  // no drop target.
  bool NimmtZiehen() const;

 signals:
  void mausGedrueckt(Qt::MouseButton knopf, Qt::KeyboardModifiers tasten, QPoint stelle);
  // A drag passes; a receiver that refuses sets annehmen to false.
  void ziehenUeber(QWidget* quelle, QPoint stelle, bool& annehmen);
  void abgelegt(QWidget* quelle, QPoint stelle);
  void geklickt();
  void doppelgeklickt();
};

class TSteuerung {
 public:
  virtual ~TSteuerung() = default;

  // The control's events (made with its first use, a child of the widget).
  TSteuerungsereignisse* Ereignisse();
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
  // True when the control reports this press itself, after its own handling
  // (a grid selects the pressed cell first).
  virtual bool MeldetPresseSelbst(const QWidget*, Qt::MouseButton, bool /*doppelklick*/) {
    return false;
  }

  // Where a menu opened by key appears below, in the control's coordinates
  // (a grid: its current cell).
  virtual QRect MenueStelle() { return Widget()->rect(); }

  // Starts a drag with this control as source, at once (no threshold).
  void BeginDrag();

 private:
  QPointer<TSteuerungsereignisse> ereignisse_;
};

// In-process drag: QDrag cannot be driven under the offscreen platform and
// blocks inside the press under X11. The drag starts on the press, each
// control under the mouse is asked whether it accepts the source, and a
// release over an accepting control drops there.
class TZiehVerwalter : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;
  // The drag manager of the window the widget is in (a form's child).
  static TZiehVerwalter* Von(const QWidget* w);

  void Beginne(QWidget* quelle);
  bool Aktiv() const { return aktiv_; }
  QWidget* Quelle() const { return quelle_; }
  void Bewege(QPointF global);
  void Lasse(QPointF global);
  void Abbrechen();

 private:
  TSteuerung* ZielUnter(QPointF global, QPoint& lokal, bool& annehmen);

  bool aktiv_ = false;
  QPointer<QWidget> quelle_;
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

// The key filters of a control: a receiver of `taste` (the Qt key code) or
// `zeichen` (the typed character) that sets it to 0 discards the key; the
// control then must not process it. True in that case.
bool VerwirftTaste(QKeyEvent* e, const std::function<void(int&)>& taste,
                   const std::function<void(QChar&)>& zeichen);

#endif
