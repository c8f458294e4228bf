// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window icon.
#ifndef QUORVEL_APP_SYMBOL_H
#define QUORVEL_APP_SYMBOL_H

#include <QIcon>

// The icon from the pre-rendered PNG sizes built into the program: no SVG
// rendering, no image plugin and no font at start-up.
QIcon ProgrammSymbol();

#endif
