// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainQuorvel.h"

#include "app/Barrierefreiheit.h"
#include "app/Dateien.h"
#include "app/Zeigerdiagramm.h"
#include "complex/Ansi.h"
#include "forms/Anwendung.h"

std::string NachAnsi(const QString& text) {
  return Utf16NachAnsi(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

QString AusAnsi(const std::string& text) {
  const std::u16string u = AnsiNachUtf16(text);
  return QString::fromUtf16(u.data(), static_cast<qsizetype>(u.size()));
}

namespace {

// Drag handlers of a control, bound to the window.
template <class Handler>
auto Maus(TForm1* f, Handler handler) {
  return [f, handler](Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) {
    (f->*handler)(b, s, x, y);
  };
}
template <class Handler>
auto Ueber(TForm1* f, Handler handler) {
  return [f, handler](QWidget* q, int x, int y, bool& a) { (f->*handler)(q, x, y, a); };
}
template <class Handler>
auto Ablegen(TForm1* f, Handler handler) {
  return [f, handler](QWidget* q, int x, int y) { (f->*handler)(q, x, y); };
}

}  // namespace

TForm1::TForm1() {
  // The form structs leave their pointers uninitialised; the matrix page's
  // must read null until the page is built.
  static_cast<Ui::Matrixseite&>(*this) = Ui::Matrixseite{};
  Ui::Hauptfenster::setupUi(this);
  Ui::Rechenseite::setupUi(Rechen_Seite);
  Ui::Anleitungsseite::setupUi(Anleitung_Seite);
  Ui::Speicher::setupUi(Variablen_GroupBox);
  WendeEntwurfAn(this);
  // After the memory, whose grid it follows.
  Zeigerdiagramm_Seite = new TZeigerdiagramm(Zeiger_Seite, *this);
  // The design's client area: the window shows it whole, or scrolls it on
  // a screen too small for it.
  SetzeInhalt(Inhalt);
  Platziere(QPoint(6, 86));
  VerbindeEreignisse();
  SetzeAnfangszustand();
  RichteBarrierefreiheitEin(*this);
  InstalliereDateimenue(*this);
  QObject::connect(TabbedNotebook, &QTabWidget::currentChanged, this, [this](int i) {
    if (TabbedNotebook->widget(i) == Matrix_Seite) BaueMatrixseite();
  });
  if (TabbedNotebook->currentWidget() == Matrix_Seite) BaueMatrixseite();
}

void TForm1::BaueMatrixseite() {
  if (MatrixseiteGebaut()) return;
  // The form sizes its page as Designer shows it; the notebook may have
  // placed it already.
  const QRect platz = Matrix_Seite->geometry();
  Ui::Matrixseite::setupUi(Matrix_Seite);
  Matrix_Seite->setGeometry(platz);
  WendeEntwurfAn(Matrix_Seite);
  VerbindeMatrixseite();
  VerbindeRechenwegUndUebung();
  SetzeMatrixAnfangszustand();
  VerbindeTabellen(*this);
  RichteBarrierefreiheitDerMatrixseiteEin(*this);
  ReiheMatrixseiteEin();
  // Children added to a shown page stay hidden unless shown themselves;
  // those the start state hid stay hidden.
  for (QWidget* w : Matrix_Seite->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->testAttribute(Qt::WA_WState_ExplicitShowHide)) w->show();
}

void TForm1::ReiheMatrixseiteEin() {
  auto tab = [](const QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) != 0; };
  // Built late, the page's controls were appended to the end of the chain.
  QWidget* vorher = nullptr;
  QWidget* rechenseite = nullptr;
  QList<QWidget*> seite;
  for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
    if (!tab(w)) continue;
    if (Matrix_Seite->isAncestorOf(w))
      seite << w;
    else if (!rechenseite && Rechen_Seite->isAncestorOf(w))
      rechenseite = w;
    else if (!rechenseite)
      vorher = w;
  }
  if (!vorher) return;
  for (QWidget* w : seite) {
    QWidget::setTabOrder(vorher, w);
    vorher = w;
  }
}

TForm1::~TForm1() = default;

void TForm1::VerbindeEreignisse() {
  OnKeyPress = [this](QChar& k) { FormKeyPress(k); };

  ExpotentialForm_GroupBox2->OnClick = [this] {
    BaueMatrixseite();
    AnzahlMatrix_EditChange();
  };

  // Reactance calculators
  istGleichXL_Button->OnClick = [this] { istGleichXL_ButtonClick(); };
  istGleichXC_Button->OnClick = [this] { istGleichXC_ButtonClick(); };
  for (TRadioButton* b : {L_RadioButton, fL_RadioButton, XL_RadioButton})
    b->OnClick = [this, b] { C_f_XL_RadioButtonClick(b); };
  for (TRadioButton* b : {C_RadioButton, fC_RadioButton, XC_RadioButton})
    b->OnClick = [this, b] { C_f_XC_RadioButtonClick(b); };
  for (TEdit* e : {L_Edit, fL_Edit, XL_Edit})
    e->OnKeyPress = [this, e](QChar& k) { L_fL_XL_EditKeyPress(e, k); };
  for (TEdit* e : {C_Edit, fC_Edit, XC_Edit})
    e->OnKeyPress = [this, e](QChar& k) { C_fc_Xc_EditKeyPress(e, k); };

  // Formula field
  ist_gleich_Button->OnClick = [this] { ist_gleich_ButtonClick(); };
  ZK_Rechenfeld_Edit->OnKeyPress = [this](QChar& k) { ZK_Rechenfeld_EditKeyPress(k); };
  RechenfeldHinweisSetzen();
  Beispiel_BitBtn->OnClick = [this] { Beispiel_BitBtnClick(); };
  Loesche_Rechenfeld_Button->OnClick = [this] { Loesche_Rechenfeld_ButtonClick(); };

  // Variable memory
  Variablen_StringGrid->OnSetEditText = [this](int c, int r, const QString& t) {
    Variablen_StringGridSetEditText(c, r, t);
  };
  G_Variablen_StringGrid->OnSetEditText = [this](int c, int r, const QString& t) {
    G_Variablen_StringGridSetEditText(c, r, t);
  };
  Variablen_StringGrid->OnDragDrop = [this](QWidget* q, int x, int y) {
    Variablen_StringGridDragDrop(q, x, y);
  };
  G_Variablen_StringGrid->OnDragDrop = [this](QWidget* q, int x, int y) {
    G_Variablen_StringGridDragDrop(q, x, y);
  };
  Variablen_StringGrid->OnKeyPress = [this](QChar& k) { Variablen_StringGridKeyPress(k); };
  G_Variablen_StringGrid->OnKeyPress = [this](QChar& k) { G_Variablen_StringGridKeyPress(k); };
  Variablen_StringGrid->OnDblClick = [this] { Variablen_StringGridDblClick(); };
  Variablen_StringGrid->OnTopLeftChanged = [this] { Variablen_StringGridTopLeftChanged(); };
  G_Variablen_StringGrid->OnTopLeftChanged = [this] { G_Variablen_StringGridTopLeftChanged(); };
  ClearVarSpeicher_Button->OnClick = [this] { ClearVarSpeicher_ButtonClick(); };

  // Conversion and reciprocal
  Wandeln_EK_KE_Button->OnClick = [this] { Wandeln_EK_KE_ButtonClick(); };
  Kehrwert_Button->OnClick = [this] { Kehrwert_ButtonClick(); };
  Wandel_KE_EK_Edit->OnKeyPress = [this](QChar& k) { Wandel_KE_EK_EditKeyPress(k); };

  // Angle calculator
  Winkel_StringGrid->OnSetEditText = [this](int c, int r, const QString& t) {
    Winkel_StringGridSetEditText(c, r, t);
  };
  Winkel_StringGrid->OnKeyPress = [this](QChar& k) { Winkel_StringGridKeyPress(k); };

  // Display format
  General_RadioButton->OnClick = [this] { ZahlenFormat_RadioButtonClick(); };
  Exponent_RadioButton->OnClick = [this] { ZahlenFormat_RadioButtonClick(); };

  // Drag and drop
  for (TLabel* l : {XL_Label, XC_Label, ZK_Rechenfeld_Label}) {
    l->OnMouseDown = [this, l](Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) {
      WerteLabels_MouseDown(l, b, s, x, y);
    };
    l->OnDragOver = [this, l](QWidget* q, int x, int y, bool& a) {
      WerteLabels_DragOver(l, q, x, y, a);
    };
  }
  auto maus = [this](auto handler) { return Maus(this, handler); };
  auto ueber = [this](auto handler) { return Ueber(this, handler); };
  auto ablegen = [this](auto handler) { return Ablegen(this, handler); };
  Variablen_StringGrid->OnMouseDown = maus(&TForm1::Variablen_StringGridMouseDown);
  Variablen_StringGrid->OnDragOver = ueber(&TForm1::Variablen_StringGridDragOver);
  G_Variablen_StringGrid->OnMouseDown = maus(&TForm1::G_Variablen_StringGridMouseDown);
  G_Variablen_StringGrid->OnDragOver = ueber(&TForm1::G_Variablen_StringGridDragOver);
  Winkel_StringGrid->OnMouseDown = maus(&TForm1::Winkel_StringGridMouseDown);
  Winkel_StringGrid->OnDragOver = ueber(&TForm1::Winkel_StringGridDragOver);
  Winkel_StringGrid->OnDragDrop = ablegen(&TForm1::Winkel_StringGridDragDrop);
  Wandel_KE_EK_Edit->OnMouseDown = maus(&TForm1::Wandel_KE_EK_EditMouseDown);
  Wandel_KE_EK_Edit->OnDragOver = ueber(&TForm1::Wandel_KE_EK_EditDragOver);
  Wandel_KE_EK_Edit->OnDragDrop = ablegen(&TForm1::Wandel_KE_EK_EditDragDrop);
  ZK_Rechenfeld_Edit->OnDragOver = ueber(&TForm1::ZK_Rechenfeld_EditDragOver);
  ZK_Rechenfeld_Edit->OnDragDrop = ablegen(&TForm1::ZK_Rechenfeld_EditDragDrop);
  VerbindeZwischenablage();
  VerbindeWerte();
  VerbindeSpeicherTabellen(*this);
}

void TForm1::VerbindeMatrixseite() {
  AnzahlMatrix_Edit->OnKeyPress = [this](QChar& k) { AnzahlMatrix_EditKeyPress(k); };
  AnzahlMatrix_Edit->OnChange = [this] { AnzahlMatrix_EditChange(); };
  AnzahlMatrix_UpDown->OnClick = [this](bool auf) { AnzahlMatrix_UpDownClick(auf); };
  Berechnen_BitBtn->OnClick = [this] { Berechnen_BitBtnClick(); };
  Clear_Tabelle_Button->OnClick = [this] { Clear_Tabelle_ButtonClick(); };
  BeispielAufgaben_BitBtn->OnClick = [this] { BeispielAufgaben_BitBtnClick(); };
  MatrixTab_StringGrid->OnKeyPress = [this](QChar& k) { MatrixTab_StringGridKeyPress(k); };
  MatrixTab_StringGrid->OnSetEditText = [this](int c, int r, const QString& t) {
    MatrixTab_StringGridSetEditText(c, r, t);
  };
  KxWerte_StringGrid->OnKeyDown = [this](int& k) { KxWerte_StringGridKeyDown(k); };
  KxWerte_StringGrid->OnKeyPress = [this](QChar& k) { KxWerte_StringGridKeyPress(k); };

  MatrixTab_StringGrid->OnMouseDown = Maus(this, &TForm1::MatrixTab_StringGridMouseDown);
  MatrixTab_StringGrid->OnDragOver = Ueber(this, &TForm1::MatrixTab_StringGridDragOver);
  MatrixTab_StringGrid->OnDragDrop = Ablegen(this, &TForm1::MatrixTab_StringGridDragDrop);
  KxWerte_StringGrid->OnMouseDown = Maus(this, &TForm1::KxWerte_StringGridMouseDown);
  KxWerte_StringGrid->OnDragOver = Ueber(this, &TForm1::KxWerte_StringGridDragOver);
  for (TStringGrid* g : {MatrixTab_StringGrid, KxWerte_StringGrid}) {
    VerbindeZwischenablage(g);
    VerbindeWerte(g);
  }
}

void TForm1::SetzeAnfangszustand() {
  Zustand.ZahlenFormat = General;
  // One more than the design's dimension text "2". Set here, not read from
  // the edit: the matrix page is built later and shows this value.
  Zustand.DimMatrix = 3;

  const int kBreiten[] = {40, 200, 270};
  for (int c = 0; c < 3; ++c) Variablen_StringGrid->SetColWidths(c, kBreiten[c]);
  for (int c = 0; c < 2; ++c) G_Variablen_StringGrid->SetColWidths(c, kBreiten[c]);

  Variablen_StringGrid->SetCell(0, 0, QStringLiteral("Var"));
  Variablen_StringGrid->SetCell(1, 0, QStringLiteral("Kmoplexe Zahl"));
  Variablen_StringGrid->SetCell(2, 0, QStringLiteral("Kommentar"));
  G_Variablen_StringGrid->SetCell(0, 0, QStringLiteral("Var"));
  G_Variablen_StringGrid->SetCell(1, 0, QStringLiteral(" Gn =1/Kn"));
  for (int r = 1; r <= 20; ++r) {
    Variablen_StringGrid->SetCell(0, r, QStringLiteral("K%1=").arg(r));
    G_Variablen_StringGrid->SetCell(0, r, QStringLiteral("G%1=").arg(r));
  }

  // "Winkel DEG" and "Winkel GRA" need a little more than the design's 90.
  Winkel_StringGrid->SetColWidths(0, 95);
  Winkel_StringGrid->SetColWidths(1, 125);
  const char* kWinkelZeilen[] = {"Winkel DEG", "Winkel RAD", "sin",       "cos",
                                 "tan",        "cotan",      "Winkel GRA"};
  for (int r = 0; r < 7; ++r) Winkel_StringGrid->SetCell(0, r, QLatin1String(kWinkelZeilen[r]));
}

void TForm1::SetzeMatrixAnfangszustand() {
  AnzahlMatrix_UpDown->SetPosition(Zustand.DimMatrix);
  AnzahlMatrix_Edit->setText(QString::number(Zustand.DimMatrix));  // applies it at once
  MatrixTab_StringGrid->SetRowCount(Zustand.DimMatrix + 1);
  MatrixTab_StringGrid->SetColCount(Zustand.DimMatrix + 2);
  MatrixTab_StringGrid->SetColWidths(0, 50);

  TStringGrid* kx = KxWerte_StringGrid;
  kx->SetColWidths(0, 55);
  kx->SetRowCount(4);
  kx->SetColWidths(1, 200);
  kx->SetColWidths(2, 270);
  kx->SetCell(1, 0, QStringLiteral("Ergebnis Expotentialform "));
  kx->SetCell(2, 0, QStringLiteral("Ergebnis Koponetenform "));
  for (int r = 1; r <= 21; ++r) kx->SetCell(0, r, QStringLiteral("X%1 = ").arg(r));

  MatrixTab_StringGrid->SetCell(0, 0, QStringLiteral("Nr"));
  SetzeMatrixKopf(Zustand.DimMatrix);
  for (int r = 1; r <= 20; ++r)
    MatrixTab_StringGrid->SetCell(0, r, QStringLiteral("GL %1:").arg(r));
  MatrixTab_StringGrid->SetGridLineWidth(1);
}

void TForm1::FormKeyPress(QChar& Key) {
  if (Key != QChar(27)) return;
  // Escape leaves every grid's editor so that a right-button press reaches
  // the cells for dragging.
  Dummy_Edit->setFocus();
  BaueMatrixseite();
  MatrixTab_StringGrid->SetEditorMode(false);
  Winkel_StringGrid->SetEditorMode(false);
  Variablen_StringGrid->SetEditorMode(false);
  G_Variablen_StringGrid->SetEditorMode(false);
}

void TForm1::SetzeMatrixKopf(int n) {
  for (int c = 1; c <= n + 1; ++c) {
    if (c == 1)
      MatrixTab_StringGrid->SetCell(1, 0, QStringLiteral("Ergebnis  = "));
    else
      MatrixTab_StringGrid->SetCell(c, 0, QStringLiteral("Koeffizient von X%1").arg(c - 1));
  }
}

void TForm1::ZahlenFormat_RadioButtonClick() {
  if (General_RadioButton->isChecked())
    Zustand.ZahlenFormat = General;
  else if (Exponent_RadioButton->isChecked())
    Zustand.ZahlenFormat = Exponent;
  Zeigerdiagramm_Seite->Vormerken();
}
