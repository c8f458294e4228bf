// SPDX-License-Identifier: GPL-3.0-or-later
// The simple controls of the windows: Qt widgets with what the windows add
// to them (drag and drop, copying, number fields, result labels).
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

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
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

// An edit of the windows: a drag source and target (TSteuerung), with its
// input checked by a TEingabepruefer when it is a number field (Komma) or
// has a typing limit (Eingabegrenze), both properties a form sets.
class TEdit : public QLineEdit, public TSteuerung {
  Q_OBJECT
  Q_PROPERTY(bool Komma READ Komma WRITE SetzeKomma)
  Q_PROPERTY(int Eingabegrenze READ Eingabegrenze WRITE SetzeEingabegrenze)

 public:
  explicit TEdit(QWidget* parent = nullptr, const QString& text = {});
  QWidget* Widget() override { return this; }

  bool Komma() const { return komma_; }
  void SetzeKomma(bool ja);
  // The typing limit bounds what the user types or pastes (0: none). What
  // the program puts there itself may be longer: SetzeTextUeberGrenze keeps
  // the whole text (a drop may append beyond the limit, a file may hold a
  // longer formula).
  int Eingabegrenze() const { return grenze_; }
  void SetzeEingabegrenze(int n);
  void SetzeTextUeberGrenze(const QString& text);

 signals:
  // The text changed, by typing or by code (textChanged, inside the guard).
  void geaendert();
  // Ctrl+C with nothing selected (a selection is copied as usual).
  void kopieren();
  // After Ctrl+V or the context menu's paste: `laenge` characters now stand
  // at `stelle`, in place of the `ersetzt` selected ones.
  void eingefuegt(int stelle, int ersetzt, int laenge);

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  void Pruefe();
  // Runs a paste of the clipboard and reports it (eingefuegt).
  void FuegeEinUndMelde(const std::function<void()>& einfuegen);
  bool komma_ = false;
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

 signals:
  // Ctrl+C while the label has the focus.
  void kopieren();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  bool lesefeld_ = false;
};

// Push button and bitmap button. Stays beside QPushButton: its click
// reaches the handlers inside the framework's guard (Ereignis).
class TButton : public QPushButton {
  Q_OBJECT

 public:
  explicit TButton(QWidget* parent = nullptr, const QString& text = {});

 signals:
  void geklickt();
};

// Stays beside QRadioButton: like the framework the handlers were written
// for, it reports a click only when it becomes the chosen one (clicking the
// chosen button again must not, for example, empty a calculator's field).
class TRadioButton : public QRadioButton {
  Q_OBJECT

 public:
  explicit TRadioButton(QWidget* parent = nullptr, const QString& text = {});

 signals:
  void gewaehlt();
};

class TGroupBox : public QGroupBox, public TSteuerung {
  Q_OBJECT

 public:
  explicit TGroupBox(QWidget* parent = nullptr, const QString& titel = {});
  QWidget* Widget() override { return this; }
};

// Horizontal up-down: two arrow buttons that step Position within Min..Max
// without wrapping; geklickt follows every step. (Qt's spin box has its
// field built in and its arrows stacked; the design has them apart.)
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
  QToolButton* Ab() const { return ab_; }
  QToolButton* Auf() const { return auf_; }

 signals:
  void geklickt(bool aufwaerts);

 private:
  void Schritt(int d);
  QToolButton* ab_;
  QToolButton* auf_;
  int min_, max_, position_;
};

// One simple panel, no size grip. Stays beside QStatusBar: its text is a
// property a form can set (QStatusBar's messages are not).
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
