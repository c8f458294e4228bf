// Reactance calculators XL = 2*pi*f*L and XC = 1/(2*pi*f*C).
#include "MainQuorvel.h"

void TForm1::istGleichXL_ButtonClick() {}
void TForm1::istGleichXC_ButtonClick() {}
void TForm1::C_f_XL_RadioButtonClick(QObject* /*Sender*/) {}
void TForm1::C_f_XC_RadioButtonClick(QObject* /*Sender*/) {}
void TForm1::L_fL_XL_EditKeyPress(QObject* /*Sender*/, QChar& /*Key*/) {}
void TForm1::C_fc_Xc_EditKeyPress(QObject* /*Sender*/, QChar& /*Key*/) {}
