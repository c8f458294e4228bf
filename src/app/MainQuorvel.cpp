// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainQuorvel.h"

#include <QActionGroup>
#include <QMenu>
#include <QShortcut>
#include <QTabBar>

#include "app/Anleitungsseite.h"
#include "app/Dateien.h"
#include "app/Matrixseite.h"
#include "app/Ortskurvenseite.h"
#include "app/Rechenseite.h"
#include "app/Schaltungsseite.h"
#include "app/Speicherleiste.h"
#include "app/Zeigerdiagramm.h"
#include "forms/Anwendung.h"
#include "forms/StringGrid.h"
#include "sprache/Sprachwahl.h"
#include "ui_Hauptfenster.h"

TForm1::TForm1() : ui_(std::make_unique<Ui::Hauptfenster>()) {
  Ui::Hauptfenster& u = *ui_;
  u.setupUi(this);
  WendeEntwurfAn(this);
  // The memory first: the second page's handlers and the drag rules find
  // its grids' places set.
  u.Variablen_GroupBox->SetzeModell(modell_);
  u.Rechen_Seite->SetzeModell(modell_);
  u.Matrix_Seite->SetzeModell(modell_);
  u.Zeiger_Seite->SetzeModell(modell_);
  u.Schaltung_Seite->SetzeModell(modell_);
  // The circuit's system goes to the matrix page, where "=" solves it.
  connect(u.Schaltung_Seite, &TSchaltungsseite::MatrixUebernommen, this,
          [this] { ui_->TabbedNotebook->setCurrentWidget(ui_->Matrix_Seite); });
  // The locus page follows the form's pages; it is built when first shown.
  auto* ortskurve = new TOrtskurvenseite;
  ortskurve->setObjectName(QStringLiteral("Ortskurven_Seite"));
  u.TabbedNotebook->addTab(ortskurve, tr("Ortskurve"));
  ortskurve->SetzeModell(modell_);
  connect(u.Rechen_Seite, &TRechenseite::DimensionAnwendenVerlangt, u.Matrix_Seite,
          &TMatrixseite::WendeDimensionErneutAn);
  u.TabbedNotebook->tabBar()->setAccessibleName(tr("Seitenauswahl"));

  // The design's client area: the window shows it whole, or scrolls it on
  // a screen too small for it.
  SetzeInhalt(u.Inhalt);
  Platziere(QPoint(6, 86));

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  connect(escape, &QShortcut::activated, this, &TForm1::FormKeyPress);

  auto* dateien = new TDateiAktionen(*this, modell_, u.Zuletzt_Menue);
  connect(u.Neu_Aktion, &QAction::triggered, dateien, &TDateiAktionen::Neu);
  connect(u.Oeffnen_Aktion, &QAction::triggered, dateien, &TDateiAktionen::OeffnenMitDialog);
  connect(u.Speichern_Aktion, &QAction::triggered, dateien, &TDateiAktionen::Speichern);
  connect(u.SpeichernUnter_Aktion, &QAction::triggered, dateien, &TDateiAktionen::SpeichernUnter);
  connect(u.Beenden_Aktion, &QAction::triggered, this, &QWidget::close);
  connect(u.Anleitung_Aktion, &QAction::triggered, dateien, &TDateiAktionen::ZeigeAnleitung);
  connect(u.Ueber_Aktion, &QAction::triggered, dateien, &TDateiAktionen::ZeigeUeber);
  BaueSprachmenue();
  connect(dateien, &TDateiAktionen::AnleitungVerlangt, this, &TForm1::ZeigeAnleitung);
  connect(dateien, &TDateiAktionen::VorDemOeffnen, this, [this] {
    for (TStringGrid* g : findChildren<TStringGrid*>()) g->SetEditorMode(false);
  });
}

void TForm1::BaueSprachmenue() {
  // Named in both languages, and each language in its own: whoever cannot
  // read the one the program speaks still finds the other.
  auto* menue = new QMenu(QStringLiteral("Sprache / Language"), ui_->Hilfe_Menue);
  menue->setObjectName(QStringLiteral("Sprache_Menue"));
  ui_->Hilfe_Menue->insertMenu(ui_->Ueber_Aktion, menue);
  ui_->Hilfe_Menue->insertSeparator(ui_->Ueber_Aktion);
  auto* gruppe = new QActionGroup(menue);
  QString gewaehlt = sprache::BehalteneSprache();
  if (gewaehlt.isEmpty()) gewaehlt = sprache::AktuelleSprache();
  for (const auto& [kuerzel, name] : {std::pair{"de", "Deutsch"}, std::pair{"en", "English"}}) {
    QAction* a = menue->addAction(QString::fromLatin1(name));
    a->setObjectName(QStringLiteral("Sprache_%1_Aktion").arg(QLatin1String(kuerzel)));
    a->setCheckable(true);
    a->setChecked(gewaehlt == QLatin1String(kuerzel));
    gruppe->addAction(a);
    connect(a, &QAction::triggered, this,
            [this, k = QString::fromLatin1(kuerzel)] { WaehleSprache(k); });
  }
}

void TForm1::WaehleSprache(const QString& sprache) {
  if (sprache::BehalteneSprache() == sprache) return;
  sprache::BehalteSprache(sprache);
  // Every window would have to be built again in the new language: the
  // choice takes effect at the next start, in whose language it is told.
  const QString text = sprache == QLatin1String("en")
                           ? QStringLiteral("Quorvel will speak English from its next start.")
                           : QStringLiteral("Quorvel spricht ab dem nächsten Start Deutsch.");
  TApplication::MessageBox(text, QStringLiteral("Sprache / Language"), MB_OK);
}

TForm1::~TForm1() {
  // The pages view the model: they go first (a QWidget deletes its children
  // only after its members).
  delete centralWidget();
}

void TForm1::SetzeBeispielfenster(TForm2* beispiel) {
  ui_->Matrix_Seite->SetzeBeispielfenster(beispiel);
}

void TForm1::FormKeyPress() {
  // The hidden edit takes the focus, so that no cell editor keeps it; the
  // grids of a page not built yet have no editor to leave.
  ui_->Dummy_Edit->setFocus();
  for (TStringGrid* g : findChildren<TStringGrid*>()) g->SetEditorMode(false);
}

void TForm1::ZeigeAnleitung() {
  ui_->TabbedNotebook->setCurrentIndex(ui_->TabbedNotebook->indexOf(ui_->Anleitung_Seite));
  show();
  raise();
  activateWindow();
  ui_->Anleitung_Seite->ZeigeAnleitung();
}
