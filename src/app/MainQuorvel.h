// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: four notebook pages, the variable memory, and every
// handler of their controls.
//
// How data flows through every handler:
//
//   control text (QString) --Utf16NachAnsi--> bytes --LiesZKZahl / reactance
//   reader / Rechner.Uebersetzen--> ZKZahl values --ZKZahl operators,
//   GleichungsLoeser or Rechner.Auswerten--> ZKZahl results
//   --ExponentialText / KomponentenText (Zustand.ZahlenFormat)--> bytes
//   --AnsiNachUtf16--> control text (grid cell, edit, label, memo).
//
// Input errors end as a text in the result field or cell, or as a message
// box; the controls keep what the user typed. The shared state lives in
// Zustand; the right-button drag carries Zustand.KopierText.
//
// A shown result is text rounded to ten digits; the number behind it is
// recorded beside the text in Zustand.Werte. A drag or Ctrl+C carries it
// with the text, the place it is dropped or pasted into keeps it, and the
// readers above take it instead of the text's digits until the text is
// edited (Werte.cpp).
//
// The handlers are split by page, one source file each: MainQuorvel.cpp
// (frame, Escape), MatrixSeite.cpp, Blindwiderstand.cpp, Rechenfeld.cpp,
// Variablenspeicher.cpp, Wandeln.cpp, Winkelrechner.cpp,
// ZiehenUndAblegen.cpp, Werte.cpp, Beispielaufgaben.cpp, Zeigerdiagramm.cpp
// (a page of its own class, fed from the memory, the results and the
// formula field).
#ifndef QUORVEL_APP_MAINQUORVEL_H
#define QUORVEL_APP_MAINQUORVEL_H

#include <optional>
#include <string>
#include <vector>

#include "app/Programmzustand.h"
#include "app/Zwischenablage.h"
#include "forms/Formular.h"
#include "forms/Steuerelemente.h"
#include "forms/StringGrid.h"
#include "solver/Rechenweg.h"
#include "ui_Anleitungsseite.h"
#include "ui_Hauptfenster.h"
#include "ui_Matrixseite.h"
#include "ui_Rechenseite.h"
#include "ui_Speicher.h"

class RechenwegFenster;
class TForm2;
class TZeigerdiagramm;

// Result fields are light yellow.
inline const QColor kErgebnisGelb(255, 255, 128);

// Window text to reader bytes and back (Windows-1252).
std::string NachAnsi(const QString& text);
QString AusAnsi(const std::string& text);

// The controls are the Designer forms' members, under their names in the
// forms (src/app/ui): the frame with the notebook, one form per page that
// has controls, and the memory below the notebook.
class TForm1 : public TForm,
               public Ui::Hauptfenster,
               public Ui::Matrixseite,
               public Ui::Rechenseite,
               public Ui::Anleitungsseite,
               public Ui::Speicher {
  Q_OBJECT

 public:
  TForm1();
  ~TForm1() override;

  Programmzustand Zustand;
  // The example window; set by the entry point after both windows exist.
  TForm2* Form2 = nullptr;

  // The fourth page (Zeigerdiagramm.cpp).
  TZeigerdiagramm* Zeigerdiagramm_Seite = nullptr;

  // The matrix page's two grids are a large part of the start-up and the
  // window opens on another page: the page is built when it is first shown,
  // or earlier by any code that reaches its controls from elsewhere (files,
  // Escape, the display format, the phasor page), which calls this first.
  // Until then its controls are null and it is in its start state.
  void BaueMatrixseite();
  bool MatrixseiteGebaut() const { return MatrixTab_StringGrid != nullptr; }

  // Frame (MainQuorvel.cpp)
  void FormKeyPress(QChar& Key);
  void SetzeMatrixKopf(int n);
  void ZahlenFormat_RadioButtonClick();

  // Matrix page (MatrixSeite.cpp)
  void AnzahlMatrix_EditKeyPress(QChar& Key);
  void AnzahlMatrix_EditChange();
  void AnzahlMatrix_UpDownClick(bool aufwaerts);
  void Berechnen_BitBtnClick();
  void Clear_Tabelle_ButtonClick();
  void MatrixTab_StringGridKeyPress(QChar& Key);
  void MatrixTab_StringGridSetEditText(int ACol, int ARow, const QString& Value);
  void KxWerte_StringGridKeyDown(int& Key);
  void KxWerte_StringGridKeyPress(QChar& Key);

  // Reactance calculators (Blindwiderstand.cpp)
  void istGleichXL_ButtonClick();
  void istGleichXC_ButtonClick();
  void C_f_XL_RadioButtonClick(QObject* Sender);
  void C_f_XC_RadioButtonClick(QObject* Sender);
  void L_fL_XL_EditKeyPress(QObject* Sender, QChar& Key);
  void C_fc_Xc_EditKeyPress(QObject* Sender, QChar& Key);

  // Formula field (Rechenfeld.cpp)
  void RechenfeldHinweisSetzen();
  void ist_gleich_ButtonClick();
  void ZK_Rechenfeld_EditKeyPress(QChar& Key);
  void Beispiel_BitBtnClick();
  void Loesche_Rechenfeld_ButtonClick();

  // Variable memory (Variablenspeicher.cpp)
  void K_ZeileBerechnen(int n);
  void G_ZeileBerechnen(int n);
  void SpeicherZellenLeeren();
  void Variablen_StringGridSetEditText(int ACol, int ARow, const QString& Value);
  void G_Variablen_StringGridSetEditText(int ACol, int ARow, const QString& Value);
  void Variablen_StringGridDragDrop(QWidget* Source, int X, int Y);
  void G_Variablen_StringGridDragDrop(QWidget* Source, int X, int Y);
  void Variablen_StringGridKeyPress(QChar& Key);
  void G_Variablen_StringGridKeyPress(QChar& Key);
  void Variablen_StringGridDblClick();
  void Variablen_StringGridTopLeftChanged();
  void G_Variablen_StringGridTopLeftChanged();
  void ClearVarSpeicher_ButtonClick();

  // Conversion and reciprocal (Wandeln.cpp)
  void Wandeln_EK_KE_ButtonClick();
  void Kehrwert_ButtonClick();
  void Wandel_KE_EK_EditKeyPress(QChar& Key);

  // Angle calculator (Winkelrechner.cpp)
  void Winkel_StringGridSetEditText(int ACol, int ARow, const QString& Value);
  void Winkel_StringGridKeyPress(QChar& Key);

  // Right-button drag and drop (ZiehenUndAblegen.cpp)
  void WerteLabels_MouseDown(QObject* Sender, Qt::MouseButton Button, Qt::KeyboardModifiers Shift,
                             int X, int Y);
  void WerteLabels_DragOver(QObject* Sender, QWidget* Source, int X, int Y, bool& Accept);
  void MatrixTab_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                     int Y);
  void MatrixTab_StringGridDragOver(QWidget* Source, int X, int Y, bool& Accept);
  void MatrixTab_StringGridDragDrop(QWidget* Source, int X, int Y);
  void KxWerte_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                   int Y);
  void KxWerte_StringGridDragOver(QWidget* Source, int X, int Y, bool& Accept);
  void Variablen_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                     int Y);
  void Variablen_StringGridDragOver(QWidget* Source, int X, int Y, bool& Accept);
  void G_Variablen_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                       int Y);
  void G_Variablen_StringGridDragOver(QWidget* Source, int X, int Y, bool& Accept);
  void Winkel_StringGridMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                  int Y);
  void Winkel_StringGridDragOver(QWidget* Source, int X, int Y, bool& Accept);
  void Winkel_StringGridDragDrop(QWidget* Source, int X, int Y);
  void Wandel_KE_EK_EditMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X,
                                  int Y);
  void Wandel_KE_EK_EditDragOver(QWidget* Source, int X, int Y, bool& Accept);
  void Wandel_KE_EK_EditDragDrop(QWidget* Source, int X, int Y);
  void ZK_Rechenfeld_EditDragOver(QWidget* Source, int X, int Y, bool& Accept);
  void ZK_Rechenfeld_EditDragDrop(QWidget* Source, int X, int Y);
  // The sources whose drag a memory value cell takes.
  bool SpeicherNimmtAn(const QWidget* Source) const;
  // The text a right-button drag from this source carries (a grid's cell,
  // or a label's or the conversion edit's whole text); Ctrl+C copies the same.
  QString GetragenerText(const QWidget* Quelle, int ACol = 0, int ARow = 0) const;
  // Puts copied texts on the clipboard, each with the value behind it
  // (Zwischenablage.h): every Ctrl+C and "Kopieren" of the window goes this
  // way, a block of cells too.
  void Kopiere(const KopierBlock& block);
  void Kopiere(const QString& text, const std::optional<ZKZahl>& wert = std::nullopt);

  // Values behind texts (Werte.cpp)
  // Where a control keeps the values behind its texts.
  std::optional<Ort> OrtVon(const QWidget* w) const;
  // The full value behind what a source shows at a cell (a field: its text):
  // a result computed there, or a value dropped or pasted there.
  std::optional<ZKZahl> GetragenerWert(const QWidget* Quelle, int ACol = 0, int ARow = 0) const;
  // The value behind a cell's text, while it is the text the value came with.
  std::optional<ZKZahl> Zellwert(const TStringGrid* g, int ACol, int ARow) const;
  // Writes a cell's text, with the value behind it when it has one (a
  // result, or a copy of one dropped or pasted).
  void SetzeText(TStringGrid* g, int ACol, int ARow, const QString& text,
                 const std::optional<ZKZahl>& wert);
  // A result field or cell now shows `text` for `wert` (none: no value).
  void ZeigtWert(Ort ort, int ACol, int ARow, const QString& text,
                 const std::optional<ZKZahl>& wert);
  // Puts `text` into the formula at `stelle` in place of `ersetzt`
  // characters (a drop appends), the pasted values of the rest kept.
  void FuegeInFormelEin(int stelle, int ersetzt, const QString& text,
                        const std::optional<ZKZahl>& wert);

  // Example tasks (Beispielaufgaben.cpp)
  void BeispielAufgaben_BitBtnClick();

  // Rechenweg and Übung (RechenwegUndUebung.cpp)
  RechenwegFenster* Rechenweg_Fenster = nullptr;
  Rechenweg LetzterRechenweg;
  // The system the last "=" solved (dimension 0: none). Its steps are
  // recorded only while the Rechenweg window is open; otherwise the record
  // stays empty and the window solves it again with one when it is opened.
  int LetzteDimension = 0;
  ZKMatrix LetzteEingabe = ErzeugeMatrix(25, 25);
  // The hidden solution of the exercise set (index 1..n); empty: none.
  std::vector<ZKZahl> UebungsLoesung;
  void Rechenweg_BitBtnClick();
  // An open Rechenweg window shows the last solve (after "="), or in an
  // exercise why it shows none.
  void RechenwegNachfuehren();
  // Records the last solve's steps if "=" left them unrecorded.
  void NimmRechenwegAuf();
  void Uebung_CheckBoxClick();
  // In exercise mode takes the example's solution and hides it (true);
  // otherwise false and the example is solved as before.
  bool StelleUebung(const std::vector<ZKZahl>& loesung);
  bool UebungAktiv() const;
  void Pruefen_BitBtnClick();
  void LoesungZeigen_BitBtnClick();
  // The student changed the answer in a row of the result grid.
  void AntwortGeaendert(int ARow);

 private:
  void VerbindeRechenwegUndUebung();
  void SperreUebung(bool gesperrt);
  // The exercise label's text, also for screen readers.
  void ZeigeUebungsstand(const QString& text);
  void VerbindeEreignisse();
  void SetzeAnfangszustand();
  void VerbindeMatrixseite();
  void SetzeMatrixAnfangszustand();
  // Puts the matrix page's controls where the Tab key found them when the
  // page was built with the window: after the tab bar, before page 2.
  void ReiheMatrixseiteEin();
  // Empties both result columns of the matrix page, rows 1 to the last.
  void LoescheErgebnisse();
  // Clears the results, sizes both grids for DimMatrix and writes the header.
  void WendeDimensionAn();
  // The dimension edit's text as a whole number; a message box when it is none.
  bool LiesDimension(int& n);
  // Ctrl+C in the grids and the labels' "Kopieren" menu (ZiehenUndAblegen.cpp).
  void VerbindeZwischenablage();
  void VerbindeZwischenablage(TStringGrid* g);
  // The values behind the texts of a grid, and of the fields (Werte.cpp).
  void VerbindeWerte(TStringGrid* g);
  void VerbindeWerte();
  // The drag rules' three moments, read from the tables in ZiehenUndAblegen.cpp:
  // a press on a source, a target asked while the drag passes, a drop.
  void ZiehenBeginnen(QWidget* Quelle, Qt::MouseButton Button, int X, int Y);
  bool ZiehenAnnehmen(const QWidget* Ziel, const QWidget* Quelle) const;
  void ZiehenAblegen(QWidget* Ziel, const QWidget* Quelle, int X, int Y);
};

#endif
