// SPDX-License-Identifier: GPL-3.0-or-later
// The program after its application object exists: the two windows, the
// recovery copy, the file from the command line, the event loop. Returns
// the exit status.
#ifndef QUORVEL_APP_PROGRAMM_H
#define QUORVEL_APP_PROGRAMM_H

int FuehreQuorvelAus();

#endif
