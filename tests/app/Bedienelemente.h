// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls for the tests, found by their object names as a
// user's tools (and the tests' by-name helpers) find them; the matrix page
// is built first where it is asked for, as showing it would.
#ifndef QUORVEL_TESTS_APP_BEDIENELEMENTE_H
#define QUORVEL_TESTS_APP_BEDIENELEMENTE_H

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTabWidget>

#include "app/Anleitungsseite.h"
#include "app/Matrixseite.h"
#include "app/Rechenseite.h"
#include "app/RechenwegFenster.h"
#include "app/Speicherleiste.h"
#include "app/Zeigerdiagramm.h"
#include "forms/Steuerelemente.h"
#include "forms/StringGrid.h"

inline void BaueMatrixseite(QWidget& fenster) {
  if (auto* seite = fenster.findChild<TMatrixseite*>()) seite->Baue();
}
inline bool MatrixseiteGebaut(QWidget& fenster) {
  return fenster.findChild<TStringGrid*>(QStringLiteral("MatrixTab_StringGrid")) != nullptr;
}
inline TZeigerdiagramm* Zeigerseite(QWidget& fenster) {
  return fenster.findChild<TZeigerdiagramm*>();
}
inline RechenwegFenster* Rechenwegfenster(QWidget& fenster) {
  return fenster.findChild<RechenwegFenster*>();
}

#define QUORVEL_STEUERELEMENT(Klasse, Name, Matrix)           \
  inline Klasse* Name(QWidget& fenster) {                     \
    if (Matrix) BaueMatrixseite(fenster);                     \
    return fenster.findChild<Klasse*>(QStringLiteral(#Name)); \
  }
QUORVEL_STEUERELEMENT(TAnleitungsseite, Anleitung_Seite, false)
QUORVEL_STEUERELEMENT(TEdit, AnzahlMatrix_Edit, true)
QUORVEL_STEUERELEMENT(TUpDown, AnzahlMatrix_UpDown, true)
QUORVEL_STEUERELEMENT(QPlainTextEdit, Bedinungsanleitung_Memo, false)
QUORVEL_STEUERELEMENT(TButton, BeispielAufgaben_BitBtn, true)
QUORVEL_STEUERELEMENT(TButton, Beispiel_BitBtn, false)
QUORVEL_STEUERELEMENT(TButton, Berechnen_BitBtn, true)
QUORVEL_STEUERELEMENT(TEdit, C_Edit, false)
QUORVEL_STEUERELEMENT(TRadioButton, C_RadioButton, false)
QUORVEL_STEUERELEMENT(TButton, ClearVarSpeicher_Button, false)
QUORVEL_STEUERELEMENT(TButton, Clear_Tabelle_Button, true)
QUORVEL_STEUERELEMENT(TEdit, Dummy_Edit, false)
QUORVEL_STEUERELEMENT(TRadioButton, Exponent_RadioButton, false)
QUORVEL_STEUERELEMENT(TGroupBox, ExpotentialForm_GroupBox2, false)
QUORVEL_STEUERELEMENT(TStringGrid, G_Variablen_StringGrid, false)
QUORVEL_STEUERELEMENT(TRadioButton, General_RadioButton, false)
QUORVEL_STEUERELEMENT(TGroupBox, GroupBox3, true)
QUORVEL_STEUERELEMENT(TStringGrid, KxWerte_StringGrid, true)
QUORVEL_STEUERELEMENT(TEdit, L_Edit, false)
QUORVEL_STEUERELEMENT(TRadioButton, L_RadioButton, false)
QUORVEL_STEUERELEMENT(TLabel, Label1, false)
QUORVEL_STEUERELEMENT(TButton, Loesche_Rechenfeld_Button, false)
QUORVEL_STEUERELEMENT(TButton, LoesungZeigen_BitBtn, true)
QUORVEL_STEUERELEMENT(TStringGrid, MatrixTab_StringGrid, true)
QUORVEL_STEUERELEMENT(TGroupBox, Matrix_GroupBox, true)
QUORVEL_STEUERELEMENT(TMatrixseite, Matrix_Seite, false)
QUORVEL_STEUERELEMENT(TButton, Pruefen_BitBtn, true)
QUORVEL_STEUERELEMENT(TRechenseite, Rechen_Seite, false)
QUORVEL_STEUERELEMENT(TGroupBox, Rechenfeld_GroupBox, false)
QUORVEL_STEUERELEMENT(TLabel, Rechenfeld_Label, false)
QUORVEL_STEUERELEMENT(TButton, Rechenweg_BitBtn, true)
QUORVEL_STEUERELEMENT(QTabWidget, TabbedNotebook, false)
QUORVEL_STEUERELEMENT(QCheckBox, Uebung_CheckBox, true)
QUORVEL_STEUERELEMENT(QLabel, Uebung_Label, true)
QUORVEL_STEUERELEMENT(TSpeicherleiste, Variablen_GroupBox, false)
QUORVEL_STEUERELEMENT(TStringGrid, Variablen_StringGrid, false)
QUORVEL_STEUERELEMENT(TEdit, Wandel_KE_EK_Edit, false)
QUORVEL_STEUERELEMENT(TStringGrid, Winkel_StringGrid, false)
QUORVEL_STEUERELEMENT(TEdit, XC_Edit, false)
QUORVEL_STEUERELEMENT(TLabel, XC_Label, false)
QUORVEL_STEUERELEMENT(TRadioButton, XC_RadioButton, false)
QUORVEL_STEUERELEMENT(TEdit, XL_Edit, false)
QUORVEL_STEUERELEMENT(TLabel, XL_Label, false)
QUORVEL_STEUERELEMENT(TRadioButton, XL_RadioButton, false)
QUORVEL_STEUERELEMENT(TEdit, ZK_Rechenfeld_Edit, false)
QUORVEL_STEUERELEMENT(TLabel, ZK_Rechenfeld_Label, false)
QUORVEL_STEUERELEMENT(TZeigerdiagramm, Zeiger_Seite, false)
QUORVEL_STEUERELEMENT(TEdit, fC_Edit, false)
QUORVEL_STEUERELEMENT(TRadioButton, fC_RadioButton, false)
QUORVEL_STEUERELEMENT(TEdit, fL_Edit, false)
QUORVEL_STEUERELEMENT(TRadioButton, fL_RadioButton, false)
QUORVEL_STEUERELEMENT(TButton, istGleichXC_Button, false)
QUORVEL_STEUERELEMENT(TButton, istGleichXL_Button, false)
QUORVEL_STEUERELEMENT(TButton, ist_gleich_Button, false)
#undef QUORVEL_STEUERELEMENT

#endif
