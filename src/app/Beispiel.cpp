#include "Beispiel.h"

#include <QGuiApplication>
#include <QScreen>

#include "Barrierefreiheit.h"

TForm2::TForm2() {
  setObjectName(QStringLiteral("Form2"));
  setWindowTitle(QStringLiteral("Beispielaufgaben"));
  // Dialog border with the system menu only; closing just hides the window,
  // and it must not keep the program alive after the main window closed.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  setAttribute(Qt::WA_QuitOnClose, false);
  setFont(Schrift(QStringLiteral("MS Sans Serif"), 11, false));
  setFixedSize(836, 329);
  if (const QScreen* s = QGuiApplication::primaryScreen())
    move(s->availableGeometry().center() - rect().center());

  Beispiel_Memo = new TMemo(this);
  Beispiel_Memo->setObjectName(QStringLiteral("Beispiel_Memo"));
  Beispiel_Memo->setGeometry(0, 16, 817, 305);
  Beispiel_Memo->setFont(Schrift(QStringLiteral("MS Sans Serif"), 16, true));
  Beispiel_Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  Beispiel_Memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Beispiel_Memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Beispiel_Memo->LinesAdd(QString());
  RichteBarrierefreiheitEin(*this);
}
