// SPDX-License-Identifier: GPL-3.0-or-later
#include "Beispiel.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTextBlock>
#include <algorithm>

#include "forms/Steuerelemente.h"
#include "ui_Beispielfenster.h"

TForm2::TForm2() : ui_(std::make_unique<Ui::Beispielfenster>()) {
  ui_->setupUi(this);
  // Dialog border with the system menu only; closing just hides the window,
  // and it must not keep the program alive after the main window closed.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_QuitOnClose, false);
  WendeEntwurfAn(this);
  SetzeInhalt(ui_->Inhalt);
  if (const QScreen* s = QGuiApplication::primaryScreen())
    Platziere(s->availableGeometry().center() - rect().center());
}

TForm2::~TForm2() = default;

QStringList TForm2::Zeilen() const {
  const QTextDocument* text = ui_->Beispiel_Memo->document();
  QStringList zeilen;
  if (text->isEmpty()) return zeilen;
  for (QTextBlock b = text->begin(); b.isValid(); b = b.next()) zeilen << b.text();
  return zeilen;
}

void TForm2::ZeigeBeispiel(const QString& titel, const QStringList& zeilen) {
  setWindowTitle(titel);
  QPlainTextEdit* memo = ui_->Beispiel_Memo;
  memo->clear();
  for (const QString& z : zeilen) memo->appendPlainText(z);
}

void TForm2::HaengeAn(const QStringList& zeilen) {
  for (const QString& z : zeilen) ui_->Beispiel_Memo->appendPlainText(z);
}

void TForm2::ZeigeNeben(const QWidget* hauptfenster) {
  if (!isVisible() && hauptfenster && hauptfenster->screen()) {
    const QRect frei = hauptfenster->screen()->availableGeometry();
    const QRect h = hauptfenster->frameGeometry();
    const QSize aussen = size().grownBy(Rahmen());
    auto quer = [&](int y) {
      return std::clamp(y, frei.top(), std::max(frei.top(), frei.bottom() + 1 - aussen.height()));
    };
    auto laengs = [&](int x) {
      return std::clamp(x, frei.left(), std::max(frei.left(), frei.right() + 1 - aussen.width()));
    };
    // Right of it, left of it, below, above: the first place on the screen.
    for (const QPoint p :
         {QPoint(h.right() + 1, quer(h.top())), QPoint(h.left() - aussen.width(), quer(h.top())),
          QPoint(laengs(h.left()), h.bottom() + 1),
          QPoint(laengs(h.left()), h.top() - aussen.height())}) {
      if (frei.contains(QRect(p, aussen))) {
        move(p);
        break;
      }
    }
  }
  show();
  if (!isActiveWindow()) {
    raise();
    activateWindow();
  }
}
