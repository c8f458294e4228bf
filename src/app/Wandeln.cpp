// Conversion between the two forms, and the reciprocal 1/X.
#include "MainQuorvel.h"

void TForm1::Wandeln_EK_KE_ButtonClick() {}
void TForm1::Kehrwert_ButtonClick() {}
void TForm1::Wandel_KE_EK_EditKeyPress(QChar& /*Key*/) {}
