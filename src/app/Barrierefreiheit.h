// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology needs of the two windows: a German name for
// every control (and a description where the caption says too little),
// labels as buddies of their fields, titles for the grids' rows and
// columns, a focus order that reaches every control, and results announced.
// The captions on screen stay as the design has them.
#ifndef QUORVEL_APP_BARRIEREFREIHEIT_H
#define QUORVEL_APP_BARRIEREFREIHEIT_H

class TForm1;
class TForm2;

// Called once at the end of each window's construction.
void RichteBarrierefreiheitEin(TForm1& f);
void RichteBarrierefreiheitEin(TForm2& f);
// The matrix page's part, called when the page is built.
void RichteBarrierefreiheitDerMatrixseiteEin(TForm1& f);

#endif
