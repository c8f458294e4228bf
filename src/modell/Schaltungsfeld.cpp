// SPDX-License-Identifier: GPL-3.0-or-later
#include "Schaltungsfeld.h"

Schaltungsfeld::Schaltungsfeld(QObject* eltern) : QObject(eltern) {}

void Schaltungsfeld::SetzeNetzliste(const QString& text) {
  if (text == text_) return;
  text_ = text;
  gelesen_ = LiesNetzliste(text_.toStdString());
  emit NetzlisteGeaendert();
}

void Schaltungsfeld::SetzeVerfahren(::Verfahren verfahren) {
  if (verfahren == verfahren_) return;
  verfahren_ = verfahren;
  emit VerfahrenGeaendert();
}
