// SPDX-License-Identifier: GPL-3.0-or-later
// What may stand in an edit or a grid's cell editor, checked by Qt on every
// change, however it comes: typed, pasted by key, by the context menu or
// by the middle button, dropped, or undone.
#ifndef QUORVEL_FORMS_EINGABEPRUEFER_H
#define QUORVEL_FORMS_EINGABEPRUEFER_H

#include <QIntValidator>
#include <QString>
#include <QValidator>

class QLineEdit;

// Number fields of the German program: a point becomes the decimal comma,
// and control characters never stay (a pasted line break is no Enter key).
// In an edit every point that comes in becomes a comma; in a grid's cell
// the first point of the text does after each change, as the grids always
// did (a pasted "1.2.3" becomes "1,2.3": the user sees it and goes on).
// A typing limit (grenze > 0) bounds what the user enters; a paste is cut
// to fit, as Qt's own limit does. Only what a change brings in is checked:
// a text the program put there (Erlaube) stays as it is, points and length
// included, and while it is too long the user can shorten it but not
// lengthen it.
class TEingabepruefer : public QValidator {
  Q_OBJECT

 public:
  enum class Punkt { Bleibt, Komma, ErsterKomma };
  // Checks the field's input from now on (the field owns the checker).
  static TEingabepruefer* Setze(QLineEdit* feld, Punkt punkt, int grenze = 0);

  State validate(QString& text, int& stelle) const override;

  // The program's own next text: taken as it is.
  void Erlaube(const QString& text) const { stand_ = text; }

 private:
  TEingabepruefer(QLineEdit* feld, Punkt punkt, int grenze);
  Punkt punkt_;
  int grenze_;
  // The field's text, followed through every change.
  mutable QString stand_;
};

// Whole numbers without sign: Qt's integer validator, with everything else
// dropped first (a pasted "1x2" is 12), as the field's key filter did. A
// paste with no digit at all changes nothing.
class TGanzzahlpruefer : public QIntValidator {
  Q_OBJECT

 public:
  static TGanzzahlpruefer* Setze(QLineEdit* feld);
  State validate(QString& text, int& stelle) const override;

 private:
  explicit TGanzzahlpruefer(QLineEdit* feld);
  mutable QString stand_;
};

#endif
