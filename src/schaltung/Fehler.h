// SPDX-License-Identifier: GPL-3.0-or-later
// What can be wrong with a netlist, kept as data: the kind, the line and the
// arguments, and the German text made from them. A translation maps the kind
// to its own template and fills in the same arguments.
#ifndef QUORVEL_SCHALTUNG_FEHLER_H
#define QUORVEL_SCHALTUNG_FEHLER_H

#include <string>
#include <vector>

enum class FehlerArt {
  Kodierung,               // the line is no UTF-8
  UnbekannteAngabe,        // "x = ..." with x not f, ω or w
  UnbekanntesElement,      // %1: the name
  NameUngueltig,           // %1: the name
  KnotenFehlt,             // %1: the element
  KnotenUngueltig,         // %1: the element, %2: the node
  WertFehlt,               // %1: the element
  WertUnlesbar,            // %1: the element (or f), %2: the value text
  WertZuLang,              // %1: the element (or f)
  VorsatzMeg,              // %1: the element (or f), %2: "Meg" or "meg"
  VorsatzFemto,            // %1: the element (or f)
  EinheitFalsch,           // %1: the element, %2: the unit, %3: the units that fit
  NameDoppelt,             // %1: the name, %2: the line it was first given in
  GleicheKnoten,           // %1: the element, %2: the node
  WertNichtReell,          // %1: the element, %2: the quantity
  WertNichtPositiv,        // %1: the element, %2: the quantity
  WertNull,                // %1: the element (Z or Y)
  FrequenzDoppelt,         // %1: the line of the first one
  FrequenzUngueltig,       // %1: f or ω
  FrequenzFehlt,           // %1: the first L or C
  FrequenzNull,            // %1: the first L or C
  KeinElement,             //
  KeineMasse,              //
  NichtVerbunden,          // %1: the element, %2: its nodes
  Spannungsquellenmasche,  // %1: the element closing it, %2: the sources of the loop
  NurStromquellen,         // %1: the node, %2: the current source
  ZuVieleUnbekannte,       // %1: the number, %2: the capacity
  // What a quantity over frequency (Kennwert.h) asks of its nodes:
  KnotenUnbekannt,        // %1: the node's index
  ImpedanzGleicheKnoten,  // %1: the node
  VerhaeltnisZuMasse,     // %1: the node a, %2: ground's name
  VerhaeltnisOhneQuelle,  //
};

struct SchaltungsFehler {
  FehlerArt art;
  int zeile = 0;  // 1-based; 0 when it concerns the netlist as a whole
  std::vector<std::string> argumente;
  std::string text;  // "Zeile 3: ..." (the line number only when there is one)
};

// The German template of a kind, with %1, %2, ... for the arguments (its
// translation is looked up under the context "Schaltungsfehler").
const char* FehlerVorlage(FehlerArt art);
// Fills in the template in the program's language and puts the line number
// in front.
SchaltungsFehler MacheFehler(FehlerArt art, int zeile, std::vector<std::string> argumente);

#endif
