// SPDX-License-Identifier: GPL-3.0-or-later
#include "Anwendung.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QImageReader>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTranslator>
#include <clocale>
#include <memory>

#include "forms/Steuerelemente.h"
#include "sprache/Sprachwahl.h"

namespace {

QString Ja() {
  return QCoreApplication::translate("TApplication", "&Ja");
}
QString Nein() {
  return QCoreApplication::translate("TApplication", "&Nein");
}

int QtMeldung(const QString& text, const QString& titel, int flags) {
  QMessageBox box(QApplication::activeWindow());
  box.setWindowTitle(titel);
  box.setText(text);
  if (flags == MB_YESNO) {
    box.setIcon(QMessageBox::Question);
    QPushButton* ja = box.addButton(Ja(), QMessageBox::YesRole);
    box.addButton(Nein(), QMessageBox::NoRole);
    box.exec();
    return box.clickedButton() == ja ? IDYES : IDNO;
  }
  if (flags == MB_YESNOCANCEL) {
    box.setIcon(QMessageBox::Question);
    QPushButton* ja = box.addButton(Ja(), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(Nein(), QMessageBox::NoRole);
    box.setEscapeButton(box.addButton(QCoreApplication::translate("TApplication", "Abbrechen"),
                                      QMessageBox::RejectRole));
    box.exec();
    return box.clickedButton() == ja ? IDYES : box.clickedButton() == nein ? IDNO : IDCANCEL;
  }
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
  return IDOK;
}

// Fusion, with the tool-bar extension arrows read from Qt's own PNGs by the
// PNG reader alone. Every menu bar asks for the arrow at construction (for
// its overflow button); the common style's way to it starts the icon-theme
// loader and loads every image-format plugin to detect the PNG's format,
// which cost more than the whole menu bar.
class TStil : public QProxyStyle {
 public:
  TStil() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

  QIcon standardIcon(StandardPixmap sp, const QStyleOption* option,
                     const QWidget* widget) const override {
    const bool waagerecht = sp == SP_ToolBarHorizontalExtensionButton;
    const bool rtl = widget ? widget->isRightToLeft() : QApplication::isRightToLeft();
    if ((waagerecht && !rtl) || sp == SP_ToolBarVerticalExtensionButton) {
      const QString richtung = waagerecht ? QStringLiteral("h") : QStringLiteral("v");
      QIcon symbol;
      static constexpr int kWaagerecht[] = {8, 16, 32}, kSenkrecht[] = {5, 10, 20};
      for (int groesse : waagerecht ? kWaagerecht : kSenkrecht) {
        QFile datei(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/toolbar-ext-%1-%2.png")
                .arg(richtung)
                .arg(groesse));
        if (!datei.open(QIODevice::ReadOnly)) continue;
        QImageReader leser(&datei, "png");
        leser.setAutoDetectImageFormat(false);
        if (const QImage bild = leser.read(); !bild.isNull())
          symbol.addPixmap(QPixmap::fromImage(bild));
      }
      if (!symbol.isNull()) return symbol;
    }
    return QProxyStyle::standardIcon(sp, option, widget);
  }
};

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
  QApplication::setStyle(new TStil);
  // The form framework's default font, for every widget without a font of
  // its own (message boxes). Qt's own default would be one more font file
  // to open at start: every line edit lays out its text once in the default
  // font before it takes its own.
  QApplication::setFont(Schrift(QStringLiteral("MS Sans Serif"), 11, false));

  // The program speaks German whatever the locale, Qt's own texts included.
  LadeQtTexte(QStringLiteral("de"));
}

QString TApplication::QtUebersetzungen() {
  return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

QString TApplication::LadeQtTexte(const QString& sprache, const QString& ordner) {
  static QTranslator* geladen = nullptr;
  if (geladen) {
    QCoreApplication::removeTranslator(geladen);
    delete geladen;
    geladen = nullptr;
  }
  // The system's catalogue first: it is the one that matches the Qt the
  // program runs on. The copy in the program is from build time. Only an
  // existing file is tried, since a missing one would make the translator
  // fall back to a catalogue of another name.
  const QString name = QStringLiteral("qtbase_%1.qm").arg(sprache);
  for (const QString& datei :
       {QDir(ordner).filePath(name), QStringLiteral(":/uebersetzungen/") + name}) {
    auto uebersetzer = std::make_unique<QTranslator>();
    if (!QFile::exists(datei) || !uebersetzer->load(datei)) continue;
    geladen = uebersetzer.release();
    QCoreApplication::installTranslator(geladen);
    return datei;
  }
  return {};
}

bool TApplication::SetzeSprache(const QString& sprache) {
  const bool geladen = sprache::LadeSprache(sprache);
  LadeQtTexte(sprache::AktuelleSprache());
  return geladen;
}

int TApplication::MessageBox(const QString& text, const QString& titel, int flags) {
  return Meldung()(text, titel, flags);
}

TApplication::MeldungsFunktion TApplication::SetzeMeldungsFunktion(MeldungsFunktion f) {
  return std::exchange(Meldung(), std::move(f));
}

void TApplication::ShowException(const std::exception& e) {
  const char* was = e.what();
  MessageBox(QCoreApplication::translate("TApplication", "Interner Fehler: %1")
                 .arg(QString::fromLocal8Bit(was ? was : "")),
             QStringLiteral("Quorvel"), MB_OK);
}
