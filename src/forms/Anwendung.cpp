// SPDX-License-Identifier: GPL-3.0-or-later
#include "Anwendung.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTranslator>
#include <clocale>

#include "forms/Steuerelemente.h"

namespace {

int QtMeldung(const QString& text, const QString& titel, int flags) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(titel);
  box.setText(text);
  if (flags == MB_YESNO) {
    box.setIcon(QMessageBox::Question);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == ja ? IDYES : IDNO;
  }
  if (flags == MB_YESNOCANCEL) {
    box.setIcon(QMessageBox::Question);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    box.setEscapeButton(box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == ja ? IDYES : box.clickedButton() == nein ? IDNO : IDCANCEL;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return IDOK;
}

TApplication::MeldungsFunktion& Meldung() {
  static TApplication::MeldungsFunktion f = QtMeldung;
  return f;
}

}  // namespace

void TApplication::Initialize() {
  // Qt sets the process locale from the environment; the C library's number
  // conversions must not start writing or expecting commas.
  std::setlocale(LC_NUMERIC, "C");
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                             {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
  // Named directly, the metric-compatible serif spares fontconfig's slow
  // fallback search for a family that is not installed (a third of the
  // window's start-up).
  QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                             {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  // The form framework's default font, for every widget without a font of
  // its own (message boxes). Qt's own default would be one more font file
  // to open at start: every line edit lays out its text once in the default
  // font before it takes its own.
  QApplication::setFont(Schrift(QStringLiteral("MS Sans Serif"), 11, false));

  // The program speaks German whatever the locale, Qt's own texts (an edit's
  // context menu, key names in it) included.
  auto* deutsch = new QTranslator(qApp);
  if (deutsch->load(QStringLiteral(":/uebersetzungen/qtbase_de.qm")))
    QCoreApplication::installTranslator(deutsch);
}

int TApplication::MessageBox(const QString& text, const QString& titel, int flags) {
  return Meldung()(text, titel, flags);
}

TApplication::MeldungsFunktion TApplication::SetzeMeldungsFunktion(MeldungsFunktion f) {
  return std::exchange(Meldung(), std::move(f));
}

void TApplication::ShowException(const std::exception& e) {
  const char* was = e.what();
  MessageBox(QStringLiteral("Interner Fehler: %1").arg(QString::fromLocal8Bit(was ? was : "")),
             QStringLiteral("Quorvel"), MB_OK);
}
