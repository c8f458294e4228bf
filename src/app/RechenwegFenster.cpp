// SPDX-License-Identifier: GPL-3.0-or-later
#include "RechenwegFenster.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

#include "app/Bildexport.h"
#include "forms/Anwendung.h"

namespace {

QPushButton* Knopf(QWidget* eltern, QLayout* reihe, const QString& text, const QString& name,
                   const QString& beschreibung) {
  auto* knopf = new QPushButton(text, eltern);
  knopf->setObjectName(name);
  knopf->setAccessibleName(text);
  knopf->setAccessibleDescription(beschreibung);
  reihe->addWidget(knopf);
  return knopf;
}

// Value columns per block on paper: 4 of the widest numbers (33 characters,
// as in "-9,866200635E-21+j2,612083826E-22") fit an A4 landscape line at 8 pt
// in a monospace font.
constexpr int kSpaltenJeBlockPapier = 4;

}  // namespace

RechenwegFenster::RechenwegFenster(QWidget* eltern) : QWidget(eltern, Qt::Window) {
  setObjectName(QStringLiteral("RechenwegFenster"));
  setWindowTitle(tr("Rechenweg"));
  setAccessibleName(tr("Rechenweg"));
  resize(760, 560);

  auto* spalte = new QVBoxLayout(this);
  Anzeige = new QTextBrowser(this);
  Anzeige->setObjectName(QStringLiteral("Rechenweg_Anzeige"));
  Anzeige->setAccessibleName(tr("Rechenweg des letzten Gleichungssystems"));
  Anzeige->setLineWrapMode(QTextEdit::NoWrap);
  spalte->addWidget(Anzeige);

  auto* reihe = new QHBoxLayout;
  spalte->addLayout(reihe);
  Kopieren_Button =
      Knopf(this, reihe, tr("Text kopieren"), QStringLiteral("RechenwegKopieren_Button"),
            tr("Legt den ganzen Rechenweg als Text in die Zwischenablage."));
  Html_Button = Knopf(this, reihe, tr("Als HTML speichern …"),
                      QStringLiteral("RechenwegHtml_Button"), QString());
  Pdf_Button = Knopf(this, reihe, tr("Als PDF speichern …"), QStringLiteral("RechenwegPdf_Button"),
                     QString());
  Drucken_Button =
      Knopf(this, reihe, tr("Drucken …"), QStringLiteral("RechenwegDrucken_Button"), QString());
  reihe->addStretch();
  auto* schliessen =
      Knopf(this, reihe, tr("Schließen"), QStringLiteral("RechenwegSchliessen_Button"), QString());

  connect(Kopieren_Button, &QPushButton::clicked, this,
          [this] { QApplication::clipboard()->setText(text_); });
  connect(Html_Button, &QPushButton::clicked, this, [this] {
    const QString datei =
        QFileDialog::getSaveFileName(this, tr("Rechenweg als HTML speichern"), tr("Rechenweg.html"),
                                     tr("HTML-Dokument (*.html)"));
    if (!datei.isEmpty()) Exportiere(datei, false);
  });
  connect(Pdf_Button, &QPushButton::clicked, this, [this] {
    const QString datei = QFileDialog::getSaveFileName(
        this, tr("Rechenweg als PDF speichern"), tr("Rechenweg.pdf"), tr("PDF-Dokument (*.pdf)"));
    if (!datei.isEmpty()) Exportiere(datei, true);
  });
  connect(Drucken_Button, &QPushButton::clicked, this, [this] {
    QPrinter drucker(QPrinter::HighResolution);
    QPrintDialog dialog(&drucker, this);
    if (dialog.exec() == QDialog::Accepted) Drucke(drucker);
  });
  connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
}

void RechenwegFenster::Zeige(const Rechenweg& weg, int zahlenFormat) {
  if (weg.schritte.empty()) {
    ZeigeHinweis(
        tr("Es wurde noch kein Gleichungssystem gelöst. Nach „=“ steht hier jeder Schritt der "
           "Rechnung."));
    return;
  }
  hinweis_.clear();
  weg_ = weg;
  format_ = zahlenFormat;
  text_ = QString::fromStdString(RechenwegText(weg_, format_));
  Anzeige->setHtml(Html(0));
  for (QPushButton* knopf : {Kopieren_Button, Html_Button, Pdf_Button, Drucken_Button})
    knopf->setEnabled(true);
}

void RechenwegFenster::ZeigeHinweis(const QString& satz) {
  weg_.Leeren();
  hinweis_ = satz;
  text_ = tr("Rechenweg") + QStringLiteral("\n\n  %1\n").arg(satz);
  Anzeige->setHtml(Html(0));
  // Nothing to copy, save or print.
  for (QPushButton* knopf : {Kopieren_Button, Html_Button, Pdf_Button, Drucken_Button})
    knopf->setEnabled(false);
}

QString RechenwegFenster::Html(int spaltenJeBlock) const {
  if (!hinweis_.isEmpty()) {
    return QStringLiteral("<h1>%1</h1>\n<p>%2</p>\n")
        .arg(tr("Rechenweg").toHtmlEscaped(), hinweis_.toHtmlEscaped());
  }
  return QString::fromStdString(RechenwegHtml(weg_, format_, spaltenJeBlock));
}

bool RechenwegFenster::SpeichereHtml(const QString& datei) const {
  return SchreibeGanz(datei, Html(0).toUtf8());
}

bool RechenwegFenster::SpeicherePdf(const QString& datei) const {
  // Made in memory first: a file that cannot be written must not leave half
  // a PDF where an old one was.
  QBuffer puffer;
  puffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&puffer);
    pdf.setCreator(QStringLiteral("Quorvel"));
    pdf.setTitle(tr("Rechenweg"));
    Drucke(pdf);
  }
  return !puffer.data().isEmpty() && SchreibeGanz(datei, puffer.data());
}

bool RechenwegFenster::Exportiere(const QString& datei, bool pdf) const {
  if (pdf ? SpeicherePdf(datei) : SpeichereHtml(datei)) return true;
  TApplication::MessageBox(tr("Der Rechenweg konnte nicht als „%1“ gespeichert werden.")
                               .arg(QDir::toNativeSeparators(datei)),
                           tr("Achtung!"), MB_OK);
  return false;
}

// A4, landscape for anything larger than one equation, 8 pt, matrices in
// blocks of columns: no number is wrapped or runs off the page.
void RechenwegFenster::Drucke(QPagedPaintDevice& drucker) const {
  drucker.setPageSize(QPageSize(QPageSize::A4));
  drucker.setPageOrientation(weg_.n > 1 ? QPageLayout::Landscape : QPageLayout::Portrait);
  drucker.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
  QTextDocument dokument;
  QFont schrift(QStringLiteral("Liberation Sans"));
  schrift.setPointSizeF(8.0);
  dokument.setDefaultFont(schrift);
  dokument.setDefaultStyleSheet(QStringLiteral("pre { font-family: 'Liberation Mono'; }"));
  dokument.setHtml(Html(kSpaltenJeBlockPapier));
  dokument.print(&drucker);
}
