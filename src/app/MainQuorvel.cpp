// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainQuorvel.h"

#include <QTabBar>
#include <QTextCursor>

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

const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kSerif = QStringLiteral("Times New Roman");

template <class W>
W* Benenne(W* w, const char* name, int x, int y, int breite, int hoehe) {
  w->setObjectName(QLatin1String(name));
  w->setGeometry(x, y, breite, hoehe);
  return w;
}

// An edit that only shows results.
void Ergebnisfeld(TEdit* e) {
  e->setReadOnly(true);
  SetzeFarbe(e, kErgebnisGelb);
}

}  // namespace

TForm1::TForm1() {
  setObjectName(QStringLiteral("Form1"));
  ErzeugeSteuerelemente();
  ErzeugeRechenwegUndUebung();
  VerbindeEreignisse();
  SetzeAnfangszustand();
  RichteBarrierefreiheitEin(*this);
  InstalliereDateimenue(*this);
}

TForm1::~TForm1() = default;

void TForm1::ErzeugeSteuerelemente() {
  setWindowTitle(QStringLiteral("[ Mirelto 1.0  ]  Autor: das Quorvel-Projekt"));
  setFont(Schrift(kSansSerif, 13, true));
  KeyPreview = true;
  // The client area of the design; the window shows it whole, or scrolls it
  // on a screen too small for it.
  auto* inhalt = new QWidget;
  inhalt->setObjectName(QStringLiteral("Inhalt"));
  inhalt->setFixedSize(908, 624);

  // Lies under the notebook: focus can only go to a visible widget.
  Dummy_Edit = Benenne(new TEdit(inhalt, QStringLiteral("Dummy_Edit")), "Dummy_Edit", 0, 0, 0, 0);

  TabbedNotebook = Benenne(new TTabbedNotebook(inhalt), "TabbedNotebook", -1, 7, 897, 356);
  TabbedNotebook->tabBar()->setFont(Schrift(kSansSerif, 11, false));
  const QFont seitenSchrift = Schrift(kSerif, 16, true);
  QWidget* matrixSeite = TabbedNotebook->NeueSeite(
      QStringLiteral("Gauss Algorithmus mit Komplexen Zahlen"), seitenSchrift);
  QWidget* rechenSeite =
      TabbedNotebook->NeueSeite(QStringLiteral("KomplexeZahlen +  - * :"), seitenSchrift);
  QWidget* anleitungSeite =
      TabbedNotebook->NeueSeite(QStringLiteral("Bedienungsanleitung"), seitenSchrift);
  QWidget* zeigerSeite = TabbedNotebook->NeueSeite(QStringLiteral("Zeigerdiagramm"), seitenSchrift);

  // Page 1: the matrix.
  Matrix_GroupBox = Benenne(new TGroupBox(matrixSeite, QStringLiteral("Matrix")), "Matrix_GroupBox",
                            4, 0, 878, 322);
  MatrixTab_StringGrid =
      Benenne(new TStringGrid(Matrix_GroupBox, 4, 3, 1, 1,
                              {.Editieren = true, .ImmerEditor = true, .Bereiche = true}),
              "MatrixTab_StringGrid", 7, 23, 849, 153);
  MatrixTab_StringGrid->SetDefaultColWidth(200);
  KxWerte_StringGrid = Benenne(new TStringGrid(Matrix_GroupBox, 3, 4, 1, 1, {}),
                               "KxWerte_StringGrid", 253, 183, 441, 132);
  SetzeFarbe(KxWerte_StringGrid, kErgebnisGelb);
  GroupBox3 = Benenne(new TGroupBox(Matrix_GroupBox, QStringLiteral("DimMatrix")), "GroupBox3", 7,
                      181, 122, 62);
  AnzahlMatrix_Edit =
      Benenne(new TEdit(GroupBox3, QStringLiteral("2")), "AnzahlMatrix_Edit", 8, 26, 50, 28);
  AnzahlMatrix_Edit->setFont(Schrift(kSansSerif, 16, true));
  AnzahlMatrix_UpDown =
      Benenne(new TUpDown(GroupBox3, 1, 20, 2), "AnzahlMatrix_UpDown", 62, 26, 52, 28);
  Berechnen_BitBtn = Benenne(new TButton(Matrix_GroupBox, QStringLiteral("=")), "Berechnen_BitBtn",
                             137, 187, 108, 56);
  Berechnen_BitBtn->setFont(Schrift(kSerif, 28, true));
  Clear_Tabelle_Button = Benenne(new TButton(Matrix_GroupBox, QStringLiteral("Tabelle löschen")),
                                 "Clear_Tabelle_Button", 7, 250, 238, 30);
  BeispielAufgaben_BitBtn = Benenne(new TButton(Matrix_GroupBox, QStringLiteral("Beispiele")),
                                    "BeispielAufgaben_BitBtn", 7, 285, 238, 30);

  // Page 2: reactance calculators, formula field, angle calculator.
  ExpotentialForm_GroupBox2 =
      Benenne(new TGroupBox(rechenSeite, QStringLiteral(" XL = 2 * P I * f * L ")),
              "ExpotentialForm_GroupBox2", 4, 0, 318, 220);
  ExpotentialForm_GroupBox2->setFont(Schrift(kSansSerif, 16, true));
  Panel1 = Benenne(new TPanel(ExpotentialForm_GroupBox2), "Panel1", 6, 30, 306, 130);
  GroupBox2 = Benenne(new TGroupBox(rechenSeite, QStringLiteral(" XC =1/ ( 2 * P I * f * C)")),
                      "GroupBox2", 328, 0, 318, 220);
  GroupBox2->setFont(Schrift(kSansSerif, 16, true));
  Panel2 = Benenne(new TPanel(GroupBox2), "Panel2", 6, 30, 306, 130);

  const QFont editSchrift = Schrift(kSerif, 16, true);
  struct Zeile {
    TRadioButton*& wahl;
    const char* wahlName;
    const char* wahlText;
    TEdit*& edit;
    const char* editName;
    const char* editText;
    TLabel*& einheit;
    const char* einheitName;
    const char* einheitText;
  };
  auto rechner = [&](TPanel* panel, std::initializer_list<Zeile> zeilen) {
    int y = 8;
    for (const Zeile& z : zeilen) {
      z.wahl =
          Benenne(new TRadioButton(panel, QString::fromUtf8(z.wahlText)), z.wahlName, 4, y, 80, 28);
      z.edit = Benenne(new TEdit(panel, QString::fromUtf8(z.editText)), z.editName, 86, y, 140, 28);
      z.edit->setFont(editSchrift);
      z.einheit = Benenne(new TLabel(panel, QString::fromUtf8(z.einheitText)), z.einheitName, 229,
                          y, 38, 28);
      y += 40;
    }
  };
  rechner(Panel1,
          {{L_RadioButton, "L_RadioButton", "? L = ", L_Edit, "L_Edit", "", Label1, "Label1", "H"},
           {fL_RadioButton, "fL_RadioButton", "? f =", fL_Edit, "fL_Edit", "50", Label2, "Label2",
            "Hz"},
           {XL_RadioButton, "XL_RadioButton", "? XL =", XL_Edit, "XL_Edit", "", Label7, "Label7",
            "Ohm"}});
  rechner(Panel2,
          {{C_RadioButton, "C_RadioButton", "? C =", C_Edit, "C_Edit", "", Label8, "Label8", "F"},
           {fC_RadioButton, "fC_RadioButton", "? f =", fC_Edit, "fC_Edit", "50", Label9, "Label9",
            "Hz"},
           {XC_RadioButton, "XC_RadioButton", "? XC=", XC_Edit, "XC_Edit", "", Label10, "Label10",
            "Ohm"}});
  XL_RadioButton->setChecked(true);
  XC_RadioButton->setChecked(true);
  istGleichXL_Button =
      Benenne(new TButton(Panel1, QStringLiteral("=")), "istGleichXL_Button", 268, 8, 34, 108);
  istGleichXC_Button =
      Benenne(new TButton(Panel2, QStringLiteral("=")), "istGleichXC_Button", 268, 8, 34, 108);
  Label4 = Benenne(new TLabel(ExpotentialForm_GroupBox2, QStringLiteral("K_XL=")), "Label4", 8, 176,
                   62, 28);
  XL_Label = Benenne(new TLabel(ExpotentialForm_GroupBox2), "XL_Label", 72, 176, 240, 28);
  Label6 = Benenne(new TLabel(GroupBox2, QStringLiteral("K_XC=")), "Label6", 8, 176, 62, 28);
  XC_Label = Benenne(new TLabel(GroupBox2), "XC_Label", 72, 176, 240, 28);

  Rechenfeld_GroupBox = Benenne(
      new TGroupBox(rechenSeite,
                    QStringLiteral("Rechenfeld    Erlaubte Zeichen  {  Operratoren:  +  -  "
                                   "*  :  (  )    Variablen: K1 .. K20 , G1..G20  und   Zahlen}")),
      "Rechenfeld_GroupBox", 4, 222, 880, 102);
  Rechenfeld_Label = Benenne(new TLabel(Rechenfeld_GroupBox, QStringLiteral("ZK=")),
                             "Rechenfeld_Label", 10, 28, 40, 28);
  ZK_Rechenfeld_Edit =
      Benenne(new TEdit(Rechenfeld_GroupBox), "ZK_Rechenfeld_Edit", 52, 28, 570, 28);
  ZK_Rechenfeld_Edit->SetMaxLength(255);
  Label3 = Benenne(new TLabel(Rechenfeld_GroupBox, QStringLiteral("ZK")), "Label3", 10, 64, 40, 28);
  ZK_Rechenfeld_Label =
      Benenne(new TLabel(Rechenfeld_GroupBox), "ZK_Rechenfeld_Label", 52, 64, 570, 28);
  Beispiel_BitBtn = Benenne(new TButton(Rechenfeld_GroupBox, QStringLiteral("Beispiel")),
                            "Beispiel_BitBtn", 634, 26, 130, 32);
  ist_gleich_Button = Benenne(new TButton(Rechenfeld_GroupBox, QStringLiteral("=")),
                              "ist_gleich_Button", 772, 26, 98, 32);
  Loesche_Rechenfeld_Button = Benenne(new TButton(Rechenfeld_GroupBox, QStringLiteral("Löschen")),
                                      "Loesche_Rechenfeld_Button", 634, 62, 236, 32);
  for (TLabel* l : {XL_Label, XC_Label, ZK_Rechenfeld_Label}) {
    SetzeFarbe(l, kErgebnisGelb);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setIndent(3);
  }

  GroupBox1 = Benenne(new TGroupBox(rechenSeite, QStringLiteral("Winkelrechner")), "GroupBox1", 652,
                      0, 232, 220);
  Winkel_StringGrid =
      Benenne(new TStringGrid(GroupBox1, 2, 7, 1, 0, {.Editieren = true, .ImmerEditor = true}),
              "Winkel_StringGrid", 6, 23, 221, 186);
  // Both columns fit; a horizontal scroll bar would only cover the last row.
  Winkel_StringGrid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // Page 3: the instructions.
  Bedinungsanleitung_Memo =
      Benenne(new TMemo(anleitungSeite), "Bedinungsanleitung_Memo", 20, 19, 843, 295);
  Bedinungsanleitung_Memo->setReadOnly(true);
  for (const char* zeile :
       {"Mit  diesem Programm  können Sie im Komplexen Zahlensystem rechnen,",
        "als wenn Sie mit Reellen Zahlen rechnen würden.",
        "Auch können Gleichungssysteme mit Komplexen Zahlen gelöst werden.", "",
        "Mit der rechten Maustaste können (nach dem Darg & Drop verfahren)",
        "Zahlenwerte kopiert werden.", " ",
        "Der Editormodus kann mit der Taste [ESC] abgeschaltet werden um das",
        "Darg und Dorp zu ermöglichen.", "", "Für Fragen und Verbesserungen.",
        "Bitte an das Quorvel-Projekt wenden (Menü Hilfe, „Über Quorvel“).", "", " ",
        "                                                                      "
        "                        Das Quorvel-Projekt",
        // The notice the GPL asks an interactive program to show.
        "", "Copyright © 2026 die Quorvel-Entwickler. Quorvel ist freie Software nach der GNU GPL,",
        "Version 3 oder neuer: Sie dürfen es weitergeben und ändern. OHNE JEDE GEWÄHRLEISTUNG.",
        "Lizenztext: https://www.gnu.org/licenses/gpl-3.0.html"})
    Bedinungsanleitung_Memo->LinesAdd(QString::fromUtf8(zeile));
  // Opens at its first line, not where the last line was added.
  Bedinungsanleitung_Memo->moveCursor(QTextCursor::Start);

  // The variable memory below the notebook.
  Variablen_GroupBox =
      Benenne(new TGroupBox(inhalt, QStringLiteral("Variablen K1..K20  (* Speicher *)")),
              "Variablen_GroupBox", 10, 366, 887, 216);
  Variablen_StringGrid = Benenne(
      new TStringGrid(Variablen_GroupBox, 3, 21, 1, 1, {.Editieren = true, .Bereiche = true}),
      "Variablen_StringGrid", 21, 22, 547, 129);
  Variablen_StringGrid->setFont(editSchrift);
  G_Variablen_StringGrid =
      Benenne(new TStringGrid(Variablen_GroupBox, 2, 21, 1, 1, {.Editieren = true}),
              "G_Variablen_StringGrid", 576, 23, 300, 127);
  G_Variablen_StringGrid->setFont(editSchrift);
  SetzeFarbe(G_Variablen_StringGrid, Qt::white);
  Wandeln_GroupBox = Benenne(new TGroupBox(Variablen_GroupBox, QStringLiteral("Wandeln:")),
                             "Wandeln_GroupBox", 21, 154, 494, 56);
  // Wide enough for the longest Exponent text, -8,888888888E+88-j8,888888888E+88.
  Wandel_KE_EK_Edit = Benenne(new TEdit(Wandeln_GroupBox), "Wandel_KE_EK_Edit", 8, 20, 280, 28);
  Wandel_KE_EK_Edit->setFont(editSchrift);
  Wandeln_EK_KE_Button =
      Benenne(new TButton(Wandeln_GroupBox, QStringLiteral("Wandeln  Ex <-> Kom")),
              "Wandeln_EK_KE_Button", 294, 20, 140, 28);
  Kehrwert_Button = Benenne(new TButton(Wandeln_GroupBox, QStringLiteral("1/X")), "Kehrwert_Button",
                            440, 20, 46, 28);
  Zahlendarstellung_GroupBox =
      Benenne(new TGroupBox(Variablen_GroupBox, QStringLiteral("Zahlendarstellung")),
              "Zahlendarstellung_GroupBox", 524, 154, 220, 56);
  General_RadioButton =
      Benenne(new TRadioButton(Zahlendarstellung_GroupBox, QStringLiteral("General")),
              "General_RadioButton", 10, 22, 95, 26);
  Exponent_RadioButton =
      Benenne(new TRadioButton(Zahlendarstellung_GroupBox, QStringLiteral("Exponent")),
              "Exponent_RadioButton", 110, 22, 100, 26);
  General_RadioButton->setChecked(true);
  ClearVarSpeicher_Button = Benenne(new TButton(Variablen_GroupBox, QStringLiteral("Löschen")),
                                    "ClearVarSpeicher_Button", 754, 166, 110, 34);

  Form_StatusBar = Benenne(new TStatusBar(inhalt), "Form_StatusBar", 0, 590, 908, 34);
  Form_StatusBar->SetSimpleText(
      QStringLiteral("Quorvel 1.0 – Homepage: die Projektseite von Quorvel (siehe README)"));

  // Page 2 in reading order, box by box. The angle grid comes last: it keeps
  // Tab for moving between its cells, so Tab reaches every other control first.
  QWidget* vorige = nullptr;
  for (QWidget* w : std::initializer_list<QWidget*>{
           L_RadioButton, L_Edit, fL_RadioButton, fL_Edit, XL_RadioButton, XL_Edit,
           istGleichXL_Button, C_RadioButton, C_Edit, fC_RadioButton, fC_Edit, XC_RadioButton,
           XC_Edit, istGleichXC_Button, ZK_Rechenfeld_Edit, Beispiel_BitBtn, ist_gleich_Button,
           Loesche_Rechenfeld_Button, Winkel_StringGrid}) {
    if (vorige) setTabOrder(vorige, w);
    vorige = w;
  }
  // Last: it reads the grids and the formula field.
  Zeigerdiagramm_Seite = new TZeigerdiagramm(zeigerSeite, *this);

  Dummy_Edit->lower();
  TabbedNotebook->SetPageIndex(1);
  SetzeInhalt(inhalt);
  Platziere(QPoint(6, 86));
}

void TForm1::VerbindeEreignisse() {
  OnKeyPress = [this](QChar& k) { FormKeyPress(k); };

  // Matrix page
  AnzahlMatrix_Edit->OnKeyPress = [this](QChar& k) { AnzahlMatrix_EditKeyPress(k); };
  AnzahlMatrix_Edit->OnChange = [this] { AnzahlMatrix_EditChange(); };
  ExpotentialForm_GroupBox2->OnClick = [this] { AnzahlMatrix_EditChange(); };
  AnzahlMatrix_UpDown->OnClick = [this](bool auf) { AnzahlMatrix_UpDownClick(auf); };
  Berechnen_BitBtn->OnClick = [this] { Berechnen_BitBtnClick(); };
  Clear_Tabelle_Button->OnClick = [this] { Clear_Tabelle_ButtonClick(); };
  BeispielAufgaben_BitBtn->OnClick = [this] { BeispielAufgaben_BitBtnClick(); };
  MatrixTab_StringGrid->OnKeyDown = [this](int& k) { MatrixTab_StringGridKeyDown(k); };
  MatrixTab_StringGrid->OnKeyPress = [this](QChar& k) { MatrixTab_StringGridKeyPress(k); };
  MatrixTab_StringGrid->OnSetEditText = [this](int c, int r, const QString& t) {
    MatrixTab_StringGridSetEditText(c, r, t);
  };
  KxWerte_StringGrid->OnKeyDown = [this](int& k) { KxWerte_StringGridKeyDown(k); };
  KxWerte_StringGrid->OnKeyPress = [this](QChar& k) { KxWerte_StringGridKeyPress(k); };

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
  auto maus = [this](auto handler) {
    return [this, handler](Qt::MouseButton b, Qt::KeyboardModifiers s, int x, int y) {
      (this->*handler)(b, s, x, y);
    };
  };
  auto ueber = [this](auto handler) {
    return [this, handler](QWidget* q, int x, int y, bool& a) { (this->*handler)(q, x, y, a); };
  };
  auto ablegen = [this](auto handler) {
    return [this, handler](QWidget* q, int x, int y) { (this->*handler)(q, x, y); };
  };
  MatrixTab_StringGrid->OnMouseDown = maus(&TForm1::MatrixTab_StringGridMouseDown);
  MatrixTab_StringGrid->OnDragOver = ueber(&TForm1::MatrixTab_StringGridDragOver);
  MatrixTab_StringGrid->OnDragDrop = ablegen(&TForm1::MatrixTab_StringGridDragDrop);
  KxWerte_StringGrid->OnMouseDown = maus(&TForm1::KxWerte_StringGridMouseDown);
  KxWerte_StringGrid->OnDragOver = ueber(&TForm1::KxWerte_StringGridDragOver);
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
}

void TForm1::SetzeAnfangszustand() {
  Zustand.ZahlenFormat = General;
  // The design's dimension text is "2"; the window opens with one more.
  Zustand.DimMatrix = AnzahlMatrix_Edit->text().toInt() + 1;
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

  const int kBreiten[] = {40, 200, 270};
  for (int c = 0; c < 3; ++c) Variablen_StringGrid->SetColWidths(c, kBreiten[c]);
  for (int c = 0; c < 2; ++c) G_Variablen_StringGrid->SetColWidths(c, kBreiten[c]);

  MatrixTab_StringGrid->SetCell(0, 0, QStringLiteral("Nr"));
  SetzeMatrixKopf(Zustand.DimMatrix);
  Variablen_StringGrid->SetCell(0, 0, QStringLiteral("Var"));
  Variablen_StringGrid->SetCell(1, 0, QStringLiteral("Kmoplexe Zahl"));
  Variablen_StringGrid->SetCell(2, 0, QStringLiteral("Kommentar"));
  G_Variablen_StringGrid->SetCell(0, 0, QStringLiteral("Var"));
  G_Variablen_StringGrid->SetCell(1, 0, QStringLiteral(" Gn =1/Kn"));
  for (int r = 1; r <= 20; ++r) {
    MatrixTab_StringGrid->SetCell(0, r, QStringLiteral("GL %1:").arg(r));
    Variablen_StringGrid->SetCell(0, r, QStringLiteral("K%1=").arg(r));
    G_Variablen_StringGrid->SetCell(0, r, QStringLiteral("G%1=").arg(r));
  }
  MatrixTab_StringGrid->SetGridLineWidth(1);

  // "Winkel DEG" and "Winkel GRA" need a little more than the design's 90.
  Winkel_StringGrid->SetColWidths(0, 95);
  Winkel_StringGrid->SetColWidths(1, 125);
  const char* kWinkelZeilen[] = {"Winkel DEG", "Winkel RAD", "sin",       "cos",
                                 "tan",        "cotan",      "Winkel GRA"};
  for (int r = 0; r < 7; ++r) Winkel_StringGrid->SetCell(0, r, QLatin1String(kWinkelZeilen[r]));

  // The calculators open asking for the reactance.
  for (TEdit* e : {C_Edit, fC_Edit, L_Edit, fL_Edit}) e->setReadOnly(false);
  XC_Edit->clear();
  XL_Edit->clear();
  Ergebnisfeld(XC_Edit);
  Ergebnisfeld(XL_Edit);
}

void TForm1::FormKeyPress(QChar& Key) {
  if (Key != QChar(27)) return;
  // Escape leaves every grid's editor so that a right-button press reaches
  // the cells for dragging.
  Dummy_Edit->setFocus();
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
