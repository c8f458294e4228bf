// SPDX-License-Identifier: GPL-3.0-or-later
#include "Matrixseite.h"

#include <QCheckBox>
#include <QStatusBar>
#include <QTabWidget>
#include <algorithm>
#include <chrono>
#include <memory>

#include "app/Barrierefreiheit.h"
#include "app/Beispiel.h"
#include "app/RechenwegFenster.h"
#include "app/Tabellen.h"
#include "app/Ziehen.h"
#include "complex/ZKText.h"
#include "forms/Anwendung.h"
#include "forms/Eingabepruefer.h"
#include "modell/Modell.h"
#include "modell/Text.h"
#include "ui_Matrixseite.h"

namespace {

const QColor kRichtig(150, 230, 150);
const QColor kFalsch(255, 150, 150);

std::uint32_t UhrSamen() {
  return static_cast<std::uint32_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

}  // namespace

TMatrixseite::TMatrixseite(QWidget* eltern) : QWidget(eltern) {}

TMatrixseite::~TMatrixseite() = default;

void TMatrixseite::VerbindeModell() {
  Gleichungssystem& s = m_->System();
  connect(&s, &Gleichungssystem::DimensionGeaendert, this, [this] { ZeigeDimension(); });
  connect(&s, &Gleichungssystem::UebungGeaendert, this, [this] { ZeigeUebung(); });
  connect(&s, &Gleichungssystem::LoesungGeaendert, this, [this] { RechenwegNachfuehren(); });
}

void TMatrixseite::showEvent(QShowEvent* e) {
  Baue();
  QWidget::showEvent(e);
  ZeigeHerleitung();
}

void TMatrixseite::Baue() {
  if (ui_) return;
  ui_ = std::make_unique<Ui::Matrixseite>();
  Ui::Matrixseite& u = *ui_;
  // The form sizes its page as Designer shows it; the notebook has placed
  // it already.
  const QRect platz = geometry();
  u.setupUi(this);
  setGeometry(platz);
  WendeEntwurfAn(this);

  Gleichungssystem& s = m_->System();
  TStringGrid* g = u.MatrixTab_StringGrid;
  TStringGrid* kx = u.KxWerte_StringGrid;
  g->SetzeModell(&s);
  kx->SetzeModell(s.Ergebnisse());
  g->SetColWidths(0, 50);
  g->SetCell(0, 0, tr("Nr"));
  g->SetGridLineWidth(1);
  kx->SetColWidths(0, 55);
  kx->SetColWidths(1, 200);
  kx->SetColWidths(2, 270);
  // An answer's verdict in colour (and in words, the model's description).
  kx->SetzeFarbrolle(kMarkeRolle, {{static_cast<int>(Marke::Richtig), kRichtig},
                                   {static_cast<int>(Marke::Falsch), kFalsch}});
  // Before the edit's handler is wired: showing the dimension changes nothing.
  u.AnzahlMatrix_UpDown->SetPosition(s.Dimension());
  u.AnzahlMatrix_Edit->setText(QString::number(s.Dimension()));

  Verbinde();
  ZeigeUebung();
  RichteBarrierefreiheitDerMatrixseiteEin(u);
  ReiheEin();
  // Children added to a shown page stay hidden unless shown themselves;
  // those the start state hid stay hidden.
  for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->testAttribute(Qt::WA_WState_ExplicitShowHide)) w->show();
}

void TMatrixseite::ZeigeHerleitung() {
  const QString h =
      isVisible() ? ui_->MatrixTab_StringGrid->currentIndex().data(kHerleitungRolle).toString()
                  : QString();
  auto* zeile = window()->findChild<QStatusBar*>();
  if (!zeile || h == herleitung_) return;
  // Only a derivation shown here is taken away again.
  if (!h.isEmpty())
    zeile->showMessage(h);
  else if (zeile->currentMessage() == herleitung_)
    zeile->clearMessage();
  herleitung_ = h;
}

void TMatrixseite::hideEvent(QHideEvent* e) {
  if (ui_) ZeigeHerleitung();
  QWidget::hideEvent(e);
}

void TMatrixseite::PasseTitelbreitenAn() {
  // A circuit's titles ("Knoten 12", "I_U1 = ") are read whole; the grids
  // never get narrower than designed.
  auto passe = [](TStringGrid* g, const QAbstractItemModel& m, int mindestens) {
    int breite = mindestens;
    for (int r = 0; r < Gleichungssystem::kZeilen; ++r)
      breite = std::max(
          breite,
          g->fontMetrics().horizontalAdvance(m.headerData(r, Qt::Vertical).toString()) + 10);
    if (g->ColWidths(0) != breite) g->SetColWidths(0, breite);
  };
  passe(ui_->MatrixTab_StringGrid, m_->System(), 50);
  passe(ui_->KxWerte_StringGrid, *m_->System().Ergebnisse(), 55);
}

void TMatrixseite::Verbinde() {
  Ui::Matrixseite& u = *ui_;
  TGanzzahlpruefer::Setze(u.AnzahlMatrix_Edit);
  connect(u.AnzahlMatrix_Edit, &TEdit::geaendert, this, &TMatrixseite::AnzahlMatrix_EditChange);
  connect(u.AnzahlMatrix_UpDown, &TUpDown::geklickt, this, &TMatrixseite::AnzahlMatrix_UpDownClick);
  for (const auto& [knopf, handler] :
       {std::pair{u.Berechnen_BitBtn, &TMatrixseite::Berechnen_BitBtnClick},
        {u.Clear_Tabelle_Button, &TMatrixseite::Clear_Tabelle_ButtonClick},
        {u.BeispielAufgaben_BitBtn, &TMatrixseite::BeispielAufgaben_BitBtnClick},
        {u.Rechenweg_BitBtn, &TMatrixseite::Rechenweg_BitBtnClick},
        {u.Pruefen_BitBtn, &TMatrixseite::Pruefen_BitBtnClick},
        {u.LoesungZeigen_BitBtn, &TMatrixseite::LoesungZeigen_BitBtnClick}})
    connect(knopf, &TButton::geklickt, this, handler);
  connect(u.KxWerte_StringGrid, &TStringGrid::tasteGedrueckt, this,
          &TMatrixseite::KxWerte_StringGridKeyDown);
  connect(u.KxWerte_StringGrid, &TStringGrid::zeichenGetippt, this,
          &TMatrixseite::KxWerte_StringGridKeyPress);
  connect(u.Uebung_CheckBox, &QCheckBox::clicked, this, [this] { Uebung_CheckBoxClick(); });

  // A cell that came from a circuit says where it comes from when chosen
  // (hovering shows the same as its tip), until its text changes.
  auto herleitung = [this] { ZeigeHerleitung(); };
  connect(u.MatrixTab_StringGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
          herleitung);
  connect(&m_->System(), &QAbstractItemModel::dataChanged, this, herleitung);
  herleitung();
  connect(&m_->System(), &QAbstractItemModel::headerDataChanged, this,
          [this] { PasseTitelbreitenAn(); });
  PasseTitelbreitenAn();

  VerbindeZiehen(*m_, u.MatrixTab_StringGrid, Ort::Matrix);
  VerbindeZiehen(*m_, u.KxWerte_StringGrid, Ort::Ergebnis);
  VerbindeBlockeinfuegen(*m_, u.MatrixTab_StringGrid, Ort::Matrix);

  // The results are announced where they appear, also when the focus
  // stays on the button.
  connect(u.Berechnen_BitBtn, &QPushButton::clicked, this, [this] {
    TStringGrid* kx = ui_->KxWerte_StringGrid;
    QStringList werte;
    for (int r = 1; r < kx->RowCount(); ++r)
      if (const QString w = kx->Cells(2, r); !w.isEmpty())
        werte << QStringLiteral("X%1 = %2").arg(r).arg(w);
    if (!werte.isEmpty()) MeldeNeuenWert(kx, werte.join(QStringLiteral("; ")));
  });
}

void TMatrixseite::ReiheEin() {
  auto* notizbuch =
      qobject_cast<QTabWidget*>(parentWidget() ? parentWidget()->parentWidget() : nullptr);
  const QWidget* naechste = notizbuch ? notizbuch->widget(notizbuch->indexOf(this) + 1) : nullptr;
  if (!naechste) return;
  auto tab = [](const QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) != 0; };
  // Built late, the page's controls were appended to the end of the chain.
  QWidget* fenster = window();
  QWidget* vorher = nullptr;
  bool danach = false;
  QList<QWidget*> seite;
  for (QWidget* w = fenster->nextInFocusChain(); w != fenster; w = w->nextInFocusChain()) {
    if (!tab(w)) continue;
    if (isAncestorOf(w))
      seite << w;
    else if (!danach && naechste->isAncestorOf(w))
      danach = true;
    else if (!danach)
      vorher = w;
  }
  if (!vorher) return;
  for (QWidget* w : seite) {
    QWidget::setTabOrder(vorher, w);
    vorher = w;
  }
}

bool TMatrixseite::LiesDimension(int& n) {
  const QString text = ui_->AnzahlMatrix_Edit->text();
  bool ok = false;
  n = text.trimmed().toInt(&ok);
  if (ok) return true;
  TApplication::MessageBox(tr("„%1“ ist keine gültige ganze Zahl für die Dimension.").arg(text),
                           tr("Falscheingabe!"), MB_OK);
  return false;
}

void TMatrixseite::ZeigeDimension() {
  if (!ui_) return;
  // Raises the edit's handler again when the text changes (clamped value,
  // leading zeros); that run finds the same dimension.
  const QString text = QString::number(m_->System().Dimension());
  if (ui_->AnzahlMatrix_Edit->text() != text) ui_->AnzahlMatrix_Edit->setText(text);
  ui_->AnzahlMatrix_UpDown->SetPosition(m_->System().Dimension());
}

void TMatrixseite::AnzahlMatrix_EditChange() {
  Gleichungssystem& s = m_->System();
  // An exercise's dimension is its task's.
  if (s.UebungAktiv()) {
    ZeigeDimension();
    return;
  }
  if (ui_->AnzahlMatrix_Edit->text().isEmpty()) {
    ui_->AnzahlMatrix_UpDown->SetPosition(s.Dimension());
    return;
  }
  int n = 0;
  if (!LiesDimension(n)) return;
  s.SetzeDimension(n);
}

void TMatrixseite::WendeDimensionErneutAn() {
  if (ui_) {
    AnzahlMatrix_EditChange();
    return;
  }
  // Unbuilt, the page would show the model's dimension in its edit.
  m_->System().SetzeDimension(m_->System().Dimension());
}

void TMatrixseite::AnzahlMatrix_UpDownClick(bool /*aufwaerts*/) {
  if (!m_->System().SetzeDimension(ui_->AnzahlMatrix_UpDown->Position())) ZeigeDimension();
}

void TMatrixseite::Berechnen_BitBtnClick() {
  Gleichungssystem& s = m_->System();
  if (s.UebungAktiv()) return;  // would show the hidden solution
  int n = 0;
  if (!LiesDimension(n)) return;
  TStringGrid* grid = ui_->MatrixTab_StringGrid;
  grid->SetTopRow(1);
  grid->SetLeftCol(1);
  const Gleichungssystem::Loesungsstand stand = s.Loese(rechenweg_ && rechenweg_->isVisible());
  switch (stand.art) {
    case Gleichungssystem::Loesungsstand::Zellfehler:
      grid->SetTopRow(stand.zeile);
      grid->SetLeftCol(stand.spalte);
      TApplication::MessageBox(
          tr("Fehlerhafte Eingabe in Zelle( %1 , %2 )").arg(stand.zeile).arg(stand.spalte),
          tr("Falscheingabe!"), MB_OK);
      grid->SetCol(stand.spalte);
      grid->SetRow(stand.zeile);
      grid->setFocus();
      break;
    case Gleichungssystem::Loesungsstand::SchlechtKonditioniert:
      TApplication::MessageBox(tr("Das Gleichungssystem ist schlecht konditioniert; die Lösung ist "
                                  "nicht genau bestimmbar."),
                               tr("Achtung!"), MB_OK);
      break;
    case Gleichungssystem::Loesungsstand::KeineEindeutigeLoesung:
      TApplication::MessageBox(tr("Das Gleichungssystem hat keine eindeutige Lösung."),
                               tr("Achtung!"), MB_OK);
      break;
    case Gleichungssystem::Loesungsstand::Geloest:
    case Gleichungssystem::Loesungsstand::Gesperrt:
      break;
  }
}

void TMatrixseite::Clear_Tabelle_ButtonClick() {
  if (m_->System().UebungAktiv()) return;  // the exercise's task
  if (TApplication::MessageBox(tr("Wollen Sie wirklich die Tabelle Löschen?"), tr("Achtung!"),
                               MB_YESNO) != IDYES)
    return;
  m_->System().LeereTabelle();
}

void TMatrixseite::KxWerte_StringGridKeyDown(int& Key) {
  if (m_->System().UebungAktiv()) return;  // the student types the answers here
  if (Key != Qt::Key_Left && Key != Qt::Key_Up && Key != Qt::Key_Right && Key != Qt::Key_Down)
    Key = 0;
}

void TMatrixseite::KxWerte_StringGridKeyPress(QChar& Key) {
  if (m_->System().UebungAktiv()) return;
  Key = QChar(0);
}

void TMatrixseite::BeispielAufgaben_BitBtnClick() {
  Beispielstand& b = m_->Beispiele();
  const std::uint32_t samen = b.festerSamen.value_or(UhrSamen());
  int n = 0;
  if (!LiesDimension(n)) return;
  const int stufe = ++b.system;
  ui_->BeispielAufgaben_BitBtn->setText(tr("Beispiel: %1").arg(stufe));
  Gleichungssystem& s = m_->System();
  const Gleichungssystem::Beispiel beispiel = s.ZieheBeispiel(samen, stufe, n);
  n = static_cast<int>(beispiel.zeilen.size());

  QStringList memo;
  for (int r = 0; r < n; ++r) {
    const auto& zellen = beispiel.zeilen[static_cast<std::size_t>(r)];
    QString zeile = tr("GL%1 : %2  = ").arg(r + 1).arg(zellen[0]);
    for (int k = 1; k <= n; ++k) {
      zeile += QStringLiteral("%1 * X%2").arg(zellen[static_cast<std::size_t>(k)]).arg(k);
      if (k < n) zeile += QStringLiteral(" + ");
    }
    memo << zeile;
  }
  if (!s.UebungsModus()) {  // an exercise keeps it hidden
    memo << QString();
    for (int i = 1; i <= n; ++i)
      memo << QStringLiteral("X%1 = %2")
                  .arg(i)
                  .arg(AusAnsi(ExponentialText(beispiel.loesung[static_cast<std::size_t>(i)],
                                               m_->ZahlenFormat())));
  }
  if (beispiel_) {
    beispiel_->ZeigeBeispiel(tr("Beispielaufgabe: %1").arg(stufe), memo);
    beispiel_->ZeigeNeben(window());
  }

  if (!s.StelleUebung(beispiel.loesung)) ui_->Berechnen_BitBtn->click();
  if (b.system >= 3) b.system = 0;
}

void TMatrixseite::Rechenweg_BitBtnClick() {
  if (!rechenweg_) rechenweg_ = new RechenwegFenster(this);
  if (!m_->System().UebungAktiv()) m_->System().NimmRechenwegAuf();
  rechenweg_->show();
  RechenwegNachfuehren();
  rechenweg_->raise();
}

void TMatrixseite::RechenwegNachfuehren() {
  if (!rechenweg_ || !rechenweg_->isVisible()) return;
  Gleichungssystem& s = m_->System();
  // An exercise's solve has not happened yet: nothing to show but why.
  if (s.UebungAktiv()) {
    rechenweg_->ZeigeHinweis(
        tr("Im Übungsmodus bleibt der Rechenweg verborgen, bis „Lösung zeigen“ die Aufgabe löst."));
    return;
  }
  // A solve that recorded nothing (a file opened) is recorded now.
  s.NimmRechenwegAuf();
  rechenweg_->Zeige(s.LetzterRechenweg(), m_->ZahlenFormat());
}

void TMatrixseite::Uebung_CheckBoxClick() {
  m_->System().SetzeUebungsModus(ui_->Uebung_CheckBox->isChecked());
}

void TMatrixseite::ZeigeUebung() {
  RechenwegNachfuehren();
  if (!ui_) return;
  Ui::Matrixseite& u = *ui_;
  const Gleichungssystem& s = m_->System();
  const bool gesperrt = s.UebungAktiv();
  u.Uebung_CheckBox->setChecked(s.UebungsModus());
  // Shown only while the box is ticked (a disabled caption would be too
  // faint to read).
  u.Pruefen_BitBtn->setVisible(s.UebungsModus());
  u.LoesungZeigen_BitBtn->setVisible(s.UebungsModus());
  // The task is locked, the result grid takes the answers.
  u.MatrixTab_StringGrid->SetzeEditieren(!gesperrt);
  u.Berechnen_BitBtn->setEnabled(!gesperrt);
  u.Clear_Tabelle_Button->setEnabled(!gesperrt);
  u.GroupBox3->setEnabled(!gesperrt);
  u.KxWerte_StringGrid->SetzeEditieren(gesperrt);
  const QString stand = s.Uebungsstand();
  if (u.Uebung_Label->text() == stand) return;
  u.Uebung_Label->setText(stand);
  // The label's name is „Übungsstand“; what it says is its description.
  u.Uebung_Label->setAccessibleDescription(stand);
  if (!stand.isEmpty()) MeldeNeuenWert(u.Uebung_Label, stand);
}

void TMatrixseite::Pruefen_BitBtnClick() {
  m_->System().Pruefe();
  ui_->KxWerte_StringGrid->clearSelection();  // the marks show, not the selection
}

void TMatrixseite::LoesungZeigen_BitBtnClick() {
  Gleichungssystem& s = m_->System();
  if (!s.UebungAktiv()) return;
  const std::vector<ZKZahl> loesung = s.GibLoesungFrei();
  // The memo lists the solution as an example without exercise does.
  if (beispiel_) {
    QStringList zeilen{QString()};
    for (std::size_t i = 1; i < loesung.size(); ++i)
      zeilen << QStringLiteral("X%1 = %2")
                    .arg(i)
                    .arg(AusAnsi(ExponentialText(loesung[i], m_->ZahlenFormat())));
    beispiel_->HaengeAn(zeilen);
  }
  // "=" fills the result grid and the Rechenweg.
  ui_->Berechnen_BitBtn->click();
}
