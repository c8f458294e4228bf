// SPDX-License-Identifier: GPL-3.0-or-later
// The record of one solve, filled by GleichungsLoeser while it eliminates,
// and its German text for the Rechenweg window.
//
// The record holds what the solver did, operation by operation, with the
// very values it used, so the steps shown are the arithmetic behind the
// result grid: replaying them with the ZKZahl operators gives the same
// solution bit for bit. Where the solver had to eliminate again, only the
// elimination whose result stands is kept, after a step that says why.
#ifndef QUORVEL_SOLVER_RECHENWEG_H
#define QUORVEL_SOLVER_RECHENWEG_H

#include <string>
#include <vector>

#include "complex/ZKZahl.h"

// Why a solve ended without a shown solution.
enum class Abbruchgrund {
  Keiner,
  Dimension,             // n outside 0..capacity
  NichtEndlich,          // a typed value is infinite or undefined
  KeineAnordnung,        // no order of the equations gives a non-zero diagonal
  UnendlichViele,        // a column without pivot, every equation left says 0 = 0
  Widerspruch,           // a column without pivot, an equation left says 0 = c, c not 0
  ErgebnisNichtEndlich,  // the elimination left an infinite or undefined unknown
  Singulaer,             // a tiny change of the coefficients makes the system singular
  Ungenau,               // the error may reach the shown digits
};

struct RechenSchritt {
  enum class Art {
    Gleichungen,    // matrix: the system as read (rows 1..n)
    Anordnung,      // folge: folge[i] = equation at position i
    Wiederholung,   // versuch: 2 or 3; grund: why the elimination before failed
    Tausch,         // zeile and mit exchanged (rest: zeile's pivot was zero or residue)
    Normierung,     // zeile divided by wert (its pivot)
    Rest,           // entry (zeile, mit) was rounding residue and is set to zero
    Elimination,    // zeile minus wert times row mit; oberhalb: back substitution
    Stand,          // matrix after column mit (nachOperation: after one operation)
    OhnePivot,      // column mit has no pivot; grund: the verdict; rows zeile..n
                    // are left without coefficients, werte their right-hand
                    // sides; matrix: after the later columns were eliminated
                    // too (empty when that changed nothing)
    Pruefung,       // the check: bestanden, grund, fehler (bound of the whole
                    // solution against its largest unknown); not passed for a
                    // single part: zeile and teil name it
    Verfeinerung,   // versuch: refinement steps taken, in about twice the precision
    Nachgebessert,  // part teil of unknown zeile: alt replaced by the refined neu
    NullGesetzt,    // part teil of unknown zeile (value alt) cannot be told from 0: 0
    Loesung,        // werte[i] = Xi
    Abbruch,        // grund
  };
  Art art = Art::Gleichungen;
  int zeile = 0;
  int mit = 0;
  int versuch = 0;
  int teil = 0;  // 1: real part, 2: imaginary part
  bool oberhalb = false;
  bool nachOperation = false;
  bool bestanden = false;
  bool rest = false;
  Abbruchgrund grund = Abbruchgrund::Keiner;
  long double fehler = 0.0L;
  long double alt = 0.0L;
  long double neu = 0.0L;
  ZKZahl wert;
  std::vector<int> folge;
  std::vector<ZKZahl> werte;   // index 1..n
  std::vector<ZKZahl> matrix;  // rows 1..n, columns 0..n: (r - 1) * (n + 1) + c
};

struct Rechenweg {
  int n = 0;
  bool geloest = false;
  std::vector<RechenSchritt> schritte;

  void Leeren() {
    n = 0;
    geloest = false;
    schritte.clear();
  }
  // Entry (r, c) of a recorded matrix, r 1..n, c 0..n.
  const ZKZahl& Eintrag(const RechenSchritt& schritt, int r, int c) const {
    return schritt.matrix[static_cast<std::size_t>((r - 1) * (n + 1) + c)];
  }
};

// The record as plain text and as an HTML document, numbers in the display
// format given (General or Exponent), texts in UTF-8.
std::string RechenwegText(const Rechenweg& weg, int zahlenFormat);
// spaltenJeBlock > 0 splits wider matrices into blocks of that many columns.
std::string RechenwegHtml(const Rechenweg& weg, int zahlenFormat, int spaltenJeBlock = 0);
// One sentence for a reason, e.g. for a status line.
std::string AbbruchText(Abbruchgrund grund);

#endif
