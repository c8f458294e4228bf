// SPDX-License-Identifier: GPL-3.0-or-later
// A top-level window of the program (a main window: its form may give it a
// menu bar and a status bar): mouse presses, clicks and double clicks
// reported as the controls' events (Steuerung.h), the controls' key menus,
// and the right-button drag between controls. The form sees these events
// through a filter on each of its own widgets, also those added later;
// other windows' events never pass it.
#ifndef QUORVEL_FORMS_FORMULAR_H
#define QUORVEL_FORMS_FORMULAR_H

#include <QMainWindow>
#include <QPointer>

#include "forms/Steuerung.h"

class QKeyEvent;
class QScrollArea;

class TForm : public QMainWindow {
  Q_OBJECT

 public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;

  TZiehVerwalter& Ziehen() { return *ziehen_; }

  // Puts the design content (a widget of fixed size, holding every control)
  // into the window, in a scroll area (the form's own, when the content is
  // already the widget of the window's central scroll area). Where the free
  // area of the screen is smaller than the content, the window takes what
  // fits and the content scrolls; elsewhere the window has the content's
  // size and shows no scroll bars.
  void SetzeInhalt(QWidget* inhalt);
  QScrollArea* Rollbereich() const { return rollbereich_; }
  // Moves the window's frame to a design position, or just as far from it
  // as keeps the window on the free area of its screen.
  void Platziere(QPoint position);
  // The frame's parts beyond the client area: known once shown, estimated
  // before.
  QMargins Rahmen() const;
  // Sizes the window to its content (and a menu bar above it, a status bar
  // below), bounded by the free area of its screen.
  void PasseAnBildschirm();

 protected:
  bool eventFilter(QObject* objekt, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  bool GehoertZuMir(QObject* objekt) const;
  void Beobachte(QWidget* w);
  bool ZeigeTastenMenue(QWidget* fokus, const QKeyEvent* k);

  QScrollArea* rollbereich_ = nullptr;
  bool bildschirmVerbunden_ = false;

  TZiehVerwalter* ziehen_;
  QPointer<QWidget> geklickt_;
  bool kontextmenueSchlucken_ = false;
};

#endif
