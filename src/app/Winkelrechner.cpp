// The angle calculator: one row typed, all others derived.
#include "MainQuorvel.h"

void TForm1::Winkel_StringGridSetEditText(int /*ACol*/, int /*ARow*/, const QString& /*Value*/) {}
void TForm1::Winkel_StringGridKeyPress(QChar& /*Key*/) {}
