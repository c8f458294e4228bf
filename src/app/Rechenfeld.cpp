// The formula field: evaluates formulas with the memory variables.
#include "MainQuorvel.h"

void TForm1::ist_gleich_ButtonClick() {}
void TForm1::ZK_Rechenfeld_EditKeyPress(QChar& /*Key*/) {}
void TForm1::Beispiel_BitBtnClick() {}
void TForm1::Loesche_Rechenfeld_ButtonClick() {}
