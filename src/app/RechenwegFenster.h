// SPDX-License-Identifier: GPL-3.0-or-later
// The Rechenweg window: the last solve of the matrix page, step by step.
//
// Non-modal and resizable; the matrix page hands it each new record after
// "=", so an open window follows every solve. The steps are the solver's
// own record (see Rechenweg.h); this window only lays them out, copies
// them, exports them as HTML or PDF and prints them.
#ifndef QUORVEL_APP_RECHENWEGFENSTER_H
#define QUORVEL_APP_RECHENWEGFENSTER_H

#include <QString>
#include <QWidget>

#include "solver/Rechenweg.h"

class QPagedPaintDevice;
class QPushButton;
class QTextBrowser;

class RechenwegFenster : public QWidget {
  Q_OBJECT

 public:
  explicit RechenwegFenster(QWidget* eltern = nullptr);

  // Shows this record in this display format (General or Exponent); an
  // empty record says that nothing has been solved yet.
  void Zeige(const Rechenweg& weg, int zahlenFormat);
  // Shows no steps, only this sentence saying why.
  void ZeigeHinweis(const QString& satz);
  // The record as plain text, as "Text kopieren" puts it on the clipboard.
  QString Text() const { return text_; }
  // Writes the document whole; false, and an old file left as it was, on
  // failure.
  bool SpeichereHtml(const QString& datei) const;
  bool SpeicherePdf(const QString& datei) const;
  // Either of them, as the buttons do after asking where: a failure is told.
  bool Exportiere(const QString& datei, bool pdf) const;

  QPushButton* Kopieren_Button;
  QPushButton* Html_Button;
  QPushButton* Pdf_Button;
  QPushButton* Drucken_Button;
  QTextBrowser* Anzeige;

 private:
  void Drucke(QPagedPaintDevice& drucker) const;
  QString Html(int spaltenJeBlock) const;

  Rechenweg weg_;
  int format_ = 0;
  QString text_;
  QString hinweis_;  // shown instead of steps when not empty
};

#endif
