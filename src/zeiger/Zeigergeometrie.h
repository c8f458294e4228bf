// SPDX-License-Identifier: GPL-3.0-or-later
// The phasor diagram's geometry without a window: which part of the complex
// plane is shown, where the round ticks go, how each arrow is drawn, and
// where its label sits. The page widget measures texts and paints what
// BaueSzene returns; nothing here knows Qt.
//
// Two coordinate systems: values (Re to the right, Im up) and pixels of the
// drawing area (x to the right, y down, origin at the top left). One scale,
// pixels per unit, holds for both axes, so angles are drawn true.
#ifndef QUORVEL_ZEIGER_ZEIGERGEOMETRIE_H
#define QUORVEL_ZEIGER_ZEIGERGEOMETRIE_H

#include <functional>
#include <string>
#include <vector>

struct ZPunkt {
  double x = 0.0;
  double y = 0.0;
};

struct ZRechteck {
  double x = 0.0, y = 0.0, breite = 0.0, hoehe = 0.0;
  bool Enthaelt(ZPunkt p) const {
    return p.x >= x && p.x <= x + breite && p.y >= y && p.y <= y + hoehe;
  }
  // Area shared with another rectangle (0 when they only touch).
  double Ueberlappung(const ZRechteck& r) const;
};

// Cuts the segment p0-p1 to the box; false when nothing of it is inside.
bool SchneideZu(ZPunkt& p0, ZPunkt& p1, const ZRechteck& box);

// The smallest step 1, 2 or 5 times a power of ten that is not below
// `mindestens`; 0 for a bound that is not a positive finite number.
double RunderSchritt(double mindestens);

// What is shown: the value at the centre of the area and pixels per unit.
struct Ansicht {
  double mitteRe = 0.0;
  double mitteIm = 0.0;
  double massstab = 1.0;
};

struct Flaeche {
  double breite = 0.0;
  double hoehe = 0.0;
};

ZPunkt NachPixel(const Ansicht& a, Flaeche f, ZPunkt wert);
ZPunkt NachWert(const Ansicht& a, Flaeche f, ZPunkt pixel);

// The view that shows the origin and every finite point with `rand` pixels
// to spare on each side. Only the origin (or nothing finite): -1..1.
Ansicht Einpassen(const std::vector<ZPunkt>& punkte, Flaeche f, double rand);
// The view that shows the box from `min` to `max` (values) with `rand`
// pixels to spare, centred; a box of no extent at all gets the largest scale.
Ansicht PasseEin(ZPunkt min, ZPunkt max, Flaeche f, double rand);

// Zooms by `faktor` (above 1: closer) so that the value under `pixel` stays
// under it. The scale stays within limits where ticks can still be labelled.
Ansicht Zoome(const Ansicht& a, Flaeche f, double faktor, ZPunkt pixel);

struct Teilstrich {
  double wert;       // on its axis
  double pixel;      // x for the Re axis, y for the Im axis
  std::string text;  // General-10 with decimal comma; "-j10", "j10" on the Im axis
};

struct Teilung {
  double schritt = 0.0;  // the same on both axes
  std::vector<Teilstrich> re, im;
};

// Ticks at the multiples of a round step, at least `abstand` pixels apart,
// inside the area. Empty when the view cannot be divided sensibly.
Teilung Teile(const Ansicht& a, Flaeche f, double abstand);

// One arrow in pixels. A very short arrow keeps a full-size head (it then
// reaches back past its start); a zero arrow is a dot at its start.
struct Pfeil {
  ZPunkt anfang, schaftEnde, spitze, links, rechts;
  bool punkt = false;
};

// The direction comes from the value itself, so an arrow far below a pixel
// long still points the right way.
Pfeil PfeilGeometrie(ZPunkt anfangPixel, double re, double im, const Ansicht& a, Flaeche f,
                     double kopfLaenge, double kopfBreite);

// Head to tail in the given order from the origin: the start of each value
// and, last, the end of the chain (the sum).
std::vector<ZPunkt> Kette(const std::vector<ZPunkt>& werte);

// A segment between two pixels (an arrow's shaft).
struct ZStrecke {
  ZPunkt a, b;
};

// Label boxes of the given sizes near the arrow tips: beyond the tip first,
// then around it, then further out; the first place that stays inside the
// area and clears every placed label, obstacle and shaft wins, else the one
// that covers least.
std::vector<ZRechteck> PlatziereBeschriftungen(const std::vector<ZPunkt>& spitzen,
                                               const std::vector<ZPunkt>& richtungen,
                                               const std::vector<Flaeche>& groessen, Flaeche f,
                                               const std::vector<ZRechteck>& hindernisse,
                                               const std::vector<ZStrecke>& schaefte = {});

// What the page draws.
struct Zeigereintrag {
  double re = 0.0;
  double im = 0.0;
  std::string beschriftung;
  int quelle = 0;  // colour group; the widget chooses the colour
};

struct GezeichneterPfeil {
  Pfeil pfeil;
  ZRechteck beschriftungsBox;
  std::string beschriftung;
  int quelle = 0;
  int eintrag = -1;  // index in the entries; -1 for the closing sum
};

struct Szene {
  Flaeche flaeche;
  Teilung teilung;
  // Where the axes run: through the origin, or along the edge it lies beyond.
  double reAchseY = 0.0;
  double imAchseX = 0.0;
  // The axis names "Re" and "jIm", at the ends of their axes.
  ZRechteck reName, imName;
  std::vector<GezeichneterPfeil> pfeile;
  // The corner the legend takes (empty without one).
  ZRechteck legende;
};

struct SzenenMasse {
  double rand = 36.0;         // space kept free around the values when fitting
  double tickAbstand = 56.0;  // minimum pixels between two ticks
  double kopfLaenge = 11.0;
  double kopfBreite = 9.0;
};

constexpr int kSummenQuelle = -1;

// The points the view must hold: every finite value, and with the chain
// every link's end.
std::vector<ZPunkt> SichtbarePunkte(const std::vector<Zeigereintrag>& eintraege, bool kette);

// Non-finite entries are left out. `messe` gives a text's size in pixels.
// The legend, of the given size, goes into the corner that covers the
// fewest arrows; the labels keep clear of it and of the axis names.
Szene BaueSzene(const std::vector<Zeigereintrag>& eintraege, bool kette, const Ansicht& a,
                Flaeche f, const std::function<Flaeche(const std::string&)>& messe,
                Flaeche legende = {}, const SzenenMasse& m = {});

// The arrow under a pixel (index into szene.pfeile), the nearest within
// `toleranz` pixels, or -1.
int PfeilUnter(const Szene& szene, ZPunkt pixel, double toleranz);

#endif
