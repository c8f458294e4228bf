// The variable memory K1..K20 with the reciprocals G1..G20.
#include "MainQuorvel.h"

void TForm1::K_ZeileBerechnen(int /*n*/) {}
void TForm1::G_ZeileBerechnen(int /*n*/) {}
void TForm1::SpeicherZellenLeeren() {}
void TForm1::Variablen_StringGridSetEditText(int /*ACol*/, int /*ARow*/, const QString& /*Value*/) {
}
void TForm1::G_Variablen_StringGridSetEditText(int /*ACol*/, int /*ARow*/,
                                               const QString& /*Value*/) {}
void TForm1::Variablen_StringGridDragDrop(QWidget* /*Source*/, int /*X*/, int /*Y*/) {}
void TForm1::G_Variablen_StringGridDragDrop(QWidget* /*Source*/, int /*X*/, int /*Y*/) {}
void TForm1::Variablen_StringGridKeyPress(QChar& /*Key*/) {}
void TForm1::G_Variablen_StringGridKeyPress(QChar& /*Key*/) {}
void TForm1::Variablen_StringGridDblClick() {}
void TForm1::Variablen_StringGridTopLeftChanged() {}
void TForm1::G_Variablen_StringGridTopLeftChanged() {}
void TForm1::ClearVarSpeicher_ButtonClick() {}
