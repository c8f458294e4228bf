// SPDX-License-Identifier: GPL-3.0-or-later
// A top-level window of the program: key preview, mouse presses delivered
// to the controls' OnMouseDown, and the right-button drag between controls.
#ifndef QUORVEL_FORMS_FORMULAR_H
#define QUORVEL_FORMS_FORMULAR_H

#include <QPointF>
#include <QPointer>
#include <QWidget>
#include <functional>

class QKeyEvent;
class QScrollArea;
class TSteuerung;

// In-process drag: QDrag cannot be driven under the offscreen platform and
// blocks inside the press under X11. The drag starts on the press, each
// control under the mouse is asked whether it accepts the source, and a
// release over an accepting control drops there.
class TZiehVerwalter {
 public:
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

class TForm : public QWidget {
  Q_OBJECT

 public:
  explicit TForm(QWidget* parent = nullptr);
  ~TForm() override;

  // With KeyPreview, OnKeyPress sees every typed character of the window
  // before the focused control does; the control still gets it afterwards.
  bool KeyPreview = false;
  std::function<void(QChar&)> OnKeyPress;

  TZiehVerwalter& Ziehen() { return ziehen_; }

  // Puts the design content (a widget of fixed size, holding every control)
  // into the window. Where the free area of the screen is smaller than the
  // content, the window takes what fits and the content scrolls; elsewhere
  // the window has the content's size and shows no scroll bars.
  void SetzeInhalt(QWidget* inhalt);
  QScrollArea* Rollbereich() const { return rollbereich_; }
  // Moves the window's frame to a design position, or just as far from it
  // as keeps the window on the free area of its screen.
  void Platziere(QPoint position);
  // The frame's parts beyond the client area: known once shown, estimated
  // before.
  QMargins Rahmen() const;
  // Sizes the window to its content (and a menu bar above it), bounded by
  // the free area of its screen.
  void PasseAnBildschirm();

 protected:
  bool eventFilter(QObject* objekt, QEvent* e) override;
  void showEvent(QShowEvent* e) override;

 private:
  bool GehoertZuMir(QObject* objekt) const;
  bool ZeigeTastenMenue(QWidget* fokus, const QKeyEvent* k);

  QScrollArea* rollbereich_ = nullptr;
  bool bildschirmVerbunden_ = false;

  TZiehVerwalter ziehen_;
  QPointer<QWidget> geklickt_;
  bool kontextmenueSchlucken_ = false;
};

#endif
