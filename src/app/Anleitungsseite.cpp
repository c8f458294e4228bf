// SPDX-License-Identifier: GPL-3.0-or-later
#include "Anleitungsseite.h"

#include <QFile>

#include "sprache/Sprachwahl.h"
#include "ui_Anleitungsseite.h"

TAnleitungsseite::TAnleitungsseite(QWidget* eltern)
    : QWidget(eltern), ui_(std::make_unique<Ui::Anleitungsseite>()) {
  ui_->setupUi(this);
}

TAnleitungsseite::~TAnleitungsseite() = default;

QString TAnleitungsseite::AnleitungsDatei(const QString& sprache) {
  // The manual is one long text per language, not messages of the
  // catalogue: a translator keeps its chapters and tables in one piece, and
  // a catalogue entry of 20,000 characters would be unreadable in any tool.
  if (sprache == QLatin1String("en")) return QStringLiteral(":/anleitung/Anleitung_en.txt");
  return QStringLiteral(":/anleitung/Anleitung.txt");
}

void TAnleitungsseite::showEvent(QShowEvent* e) {
  HaengeAnleitungAn();
  QWidget::showEvent(e);
}

void TAnleitungsseite::ZeigeAnleitung() {
  HaengeAnleitungAn();
  ui_->Bedinungsanleitung_Memo->setFocus();
}

void TAnleitungsseite::HaengeAnleitungAn() {
  if (angehaengt_) return;
  angehaengt_ = true;
  QFile datei(AnleitungsDatei(sprache::AktuelleSprache()));
  if (!datei.open(QIODevice::ReadOnly)) return;
  QString text = QString::fromUtf8(datei.readAll());
  // The resource ends with a line break; it adds no empty line.
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  QPlainTextEdit* memo = ui_->Bedinungsanleitung_Memo;
  // In one insertion: the memo then lays out only the lines it shows, where
  // one insertion per line lays out each line as it comes.
  memo->appendPlainText(text);
  // The manual's tables put a tab between their columns.
  memo->setTabStopDistance(190);
  memo->moveCursor(QTextCursor::Start);
}
