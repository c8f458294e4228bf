// SPDX-License-Identifier: GPL-3.0-or-later
// The simple controls of the windows, as Qt widgets with the events the
// window's handlers are written for.
//
// The windows are laid out in Designer forms (src/app/ui) with these classes
// as promoted widgets: each has a constructor taking only the parent, and
// what a control is built with (texts, ranges, lines) is a property the form
// sets. Two design values Designer cannot hold are dynamic properties that
// WendeEntwurfAn applies once the form is set up:
//   pixelgroesse (int)   the font's size in pixels; the form's <font> gives
//                        family and weight, its point size only serves
//                        Designer's preview
//   feldfarbe (QColor)   the field's design colour, given to SetzeFarbe
#ifndef QUORVEL_FORMS_STEUERELEMENTE_H
#define QUORVEL_FORMS_STEUERELEMENTE_H

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <functional>

#include "forms/Steuerung.h"

class QToolButton;

// Design fonts are given in pixels.
QFont Schrift(const QString& familie, int pixel, bool fett);
// Applies the dynamic design properties (see above) of the widget and all
// its descendants.
void WendeEntwurfAn(QWidget* wurzel);
// Background of a field (edits, grids, labels): the design colour in a
// light palette; in a dark one (light text on dark ground) a dark shade of
// it, so that the desktop's palette is followed and its text stays legible.
// The text keeps a contrast of at least kMindestKontrast either way, also
// after the desktop's palette changes. An invalid colour: the palette's own.
void SetzeFarbe(QWidget* w, const QColor& farbe);
// The background SetzeFarbe gives a field of this design colour in a palette.
QColor Feldfarbe(const QColor& entwurf, const QPalette& palette);
// Contrast ratio of two colours as WCAG 2 defines it (1 to 21).
double Kontrastverhaeltnis(const QColor& a, const QColor& b);
inline constexpr double kMindestKontrast = 4.5;

class TEdit : public QLineEdit, public TSteuerung {
  Q_OBJECT
  Q_PROPERTY(int Eingabegrenze READ Eingabegrenze WRITE SetMaxLength)

 public:
  explicit TEdit(QWidget* parent = nullptr, const QString& text = {});
  // Raised at once, inside the code that set the text, and only when it differs.
  std::function<void()> OnChange;
  // A key filter sees every typed character, but not the standard shortcuts
  // (select all, copy, cut, paste, undo, redo): they work as everywhere.
  // Pasted or dropped text passes it character by character, as if typed.
  std::function<void(QChar& key)> OnKeyPress;
  QWidget* Widget() override { return this; }

  // The typing limit bounds what the user types or pastes (0: Qt's own).
  // Qt's setText cuts a text to it; SetzeTextUeberGrenze keeps the whole
  // text, for what the program puts there itself (a drop may append beyond
  // the limit, a file may hold a longer formula).
  void SetMaxLength(int n);
  int Eingabegrenze() const { return grenze_; }
  void SetzeTextUeberGrenze(const QString& text);
  // Ctrl+C with nothing selected (a selection is copied as usual).
  std::function<void()> OnKopieren;
  // After Ctrl+V or the menu's paste: `laenge` characters now stand at
  // `stelle`, in place of the `ersetzt` selected ones.
  std::function<void(int stelle, int ersetzt, int laenge)> OnEingefuegt;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void dropEvent(QDropEvent* e) override;

 private:
  // What of a pasted text the key filter lets through (no control
  // characters: a pasted line break is no Enter key).
  QString Gefiltert(const QString& text);
  void FuegeGefiltertEin(const QString& text);
  // Runs a paste of the clipboard and reports it to OnEingefuegt.
  void FuegeEinUndMelde(const std::function<void()>& einfuegen);
  // Qt cuts any text to its own limit, so that one is raised to a longer
  // text set by the program and lowered again as the user shortens it.
  void PasseGrenzeAn();
  int grenze_ = 0;
};

class TLabel : public QLabel, public TSteuerung {
  Q_OBJECT

 public:
  explicit TLabel(QWidget* parent = nullptr, const QString& text = {});
  QWidget* Widget() override { return this; }

  // A label that shows results: reached with Tab, drawn with a focus frame,
  // and reported to assistive technology as a read-only text field whose
  // name is the accessible name and whose text is the shown value.
  void AlsLesefeld();
  bool IstLesefeld() const { return lesefeld_; }
  // Ctrl+C while the label has the focus.
  std::function<void()> OnKopieren;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  bool lesefeld_ = false;
};

// Push button and bitmap button.
class TButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TButton(QWidget* parent = nullptr, const QString& text = {});
  std::function<void()> OnClick;
};

class TRadioButton : public QRadioButton {
  Q_OBJECT

 public:
  explicit TRadioButton(QWidget* parent = nullptr, const QString& text = {});
  std::function<void()> OnClick;
};

class TGroupBox : public QGroupBox, public TSteuerung {
  Q_OBJECT

 public:
  explicit TGroupBox(QWidget* parent = nullptr, const QString& titel = {});
  QWidget* Widget() override { return this; }
};

class TPanel : public QFrame {
  Q_OBJECT

 public:
  explicit TPanel(QWidget* parent = nullptr);
};

// Horizontal up-down: two arrow buttons that step Position within Min..Max
// without wrapping; OnClick follows every step.
class TUpDown : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int Min READ Min WRITE SetMin)
  Q_PROPERTY(int Max READ Max WRITE SetMax)
  Q_PROPERTY(int Position READ Position WRITE SetPosition)

 public:
  explicit TUpDown(QWidget* parent = nullptr, int min = 0, int max = 100, int position = 0);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // The position stays within the range when the range changes.
  void SetMin(int min);
  void SetMax(int max);
  void SetPosition(int p);
  std::function<void(bool aufwaerts)> OnClick;
  QToolButton* Ab() const { return ab_; }
  QToolButton* Auf() const { return auf_; }

 private:
  void Schritt(int d);
  QToolButton* ab_;
  QToolButton* auf_;
  int min_, max_, position_;
};

class TMemo : public QPlainTextEdit {
  Q_OBJECT
  Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)

 public:
  explicit TMemo(QWidget* parent = nullptr);
  QStringList Lines() const;
  // Replaces the text by these lines and shows the first of them.
  void SetLines(const QStringList& zeilen);
  void LinesAdd(const QString& zeile);
  void LinesClear();
};

class TTabbedNotebook : public QTabWidget {
  Q_OBJECT

 public:
  explicit TTabbedNotebook(QWidget* parent = nullptr);
  int PageIndex() const { return currentIndex(); }
  void SetPageIndex(int i) { setCurrentIndex(i); }
};

// One simple panel, no size grip.
class TStatusBar : public QStatusBar {
  Q_OBJECT
  Q_PROPERTY(QString SimpleText READ SimpleText WRITE SetSimpleText)

 public:
  explicit TStatusBar(QWidget* parent = nullptr);
  void SetSimpleText(const QString& text);
  QString SimpleText() const;

 private:
  QLabel* text_;
};

#endif
