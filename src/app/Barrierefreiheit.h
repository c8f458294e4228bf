// SPDX-License-Identifier: GPL-3.0-or-later
// What assistive technology needs of the matrix page beyond what its form
// holds (names, descriptions and buddies are in the forms, src/app/ui):
// titles for the grids' rows and columns, the names of the dimension's
// arrow buttons, and the focus order through them.
#ifndef QUORVEL_APP_BARRIEREFREIHEIT_H
#define QUORVEL_APP_BARRIEREFREIHEIT_H

namespace Ui {
class Matrixseite;
}

// Called when the page is built.
void RichteBarrierefreiheitDerMatrixseiteEin(Ui::Matrixseite& u);

#endif
