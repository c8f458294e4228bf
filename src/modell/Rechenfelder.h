// SPDX-License-Identifier: GPL-3.0-or-later
// The second page's fields and the conversion field: the formula with its
// result, the two reactance calculators, the conversion field and the angle
// calculator. Each holds its texts and the value behind a shown result;
// reading and computing are src/logik's.
#ifndef QUORVEL_MODELL_RECHENFELDER_H
#define QUORVEL_MODELL_RECHENFELDER_H

#include <QObject>
#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "complex/ZKZahl.h"
#include "formula/FormelRechner.h"
#include "logik/Formelwerte.h"
#include "logik/Reaktanz.h"
#include "logik/Winkelwerte.h"
#include "modell/Texttabelle.h"

// The formula, the values pasted into it (as parts of its text, for as long
// as it is not edited), and its result.
class Formelfeld : public QObject {
  Q_OBJECT

 public:
  Formelfeld(const int& zahlenFormat, const ZKSpeicher& k, const ZKSpeicher& g,
             QObject* eltern = nullptr);

  QString Text() const { return text_; }
  // Typed or set: the pasted values go, unless Eingefuegt reports the
  // change right after as a paste.
  void SetzeText(const QString& text);
  // The change just set put `laenge` characters at `stelle` in place of
  // `ersetzt`: a paste, standing for `wert` if it is a copied result.
  void Eingefuegt(int stelle, int ersetzt, int laenge, const std::optional<ZKZahl>& wert);
  // Puts `text` at `stelle` in place of `ersetzt` characters (a drop
  // appends), the pasted values of the rest kept.
  void FuegeEin(int stelle, int ersetzt, const QString& text, const std::optional<ZKZahl>& wert);
  std::vector<Festwert> Teile() const;
  // The text with its pasted parts (a file opened).
  void SetzeText(const QString& text, std::vector<Festwert> teile);

  void Berechne();
  // The result text ("exponential  =  component", or an error text) and the
  // value it shows.
  QString Ergebnis() const { return ergebnis_; }
  std::optional<ZKZahl> Wert() const { return wert_; }
  void LeereErgebnis();

 signals:
  void TextGeaendert();
  void ErgebnisGeaendert();

 private:
  const int& format_;
  FormelRechner rechner_;
  QString text_;
  Formelwerte teile_;
  QString ergebnis_;
  std::optional<ZKZahl> wert_;
};

// One reactance calculator: the texts of its three fields in the order of
// Feld, which one is sought, and the complex reactance it shows.
class Blindrechner : public QObject {
  Q_OBJECT

 public:
  enum class Art { Induktiv, Kapazitiv };
  Blindrechner(Art art, const int& zahlenFormat, QObject* eltern = nullptr);

  QString Text(Feld feld) const { return texte_[static_cast<std::size_t>(feld)]; }
  void SetzeText(Feld feld, const QString& text);
  Feld Gesucht() const { return gesucht_; }
  // The sought field is emptied; the former one keeps its text, so that a
  // computed value serves as input for the next computation.
  void SetzeGesucht(Feld feld);
  QString Ergebnis() const { return ergebnis_; }
  std::optional<ZKZahl> Wert() const { return wert_; }
  void LeereErgebnis();
  // Computes the sought field and the reactance, or says why not (the
  // field to correct in fehlerFeld).
  BlindErgebnis Berechne();

 signals:
  void Geaendert();

 private:
  Art art_;
  const int& format_;
  std::array<QString, 3> texte_;
  Feld gesucht_ = FeldBlindwiderstand;
  QString ergebnis_;
  std::optional<ZKZahl> wert_;
};

// The conversion field: a scratch text, and the value behind it when it
// shows a conversion's result.
class Wandelfeld : public QObject {
  Q_OBJECT

 public:
  Wandelfeld(const int& zahlenFormat, QObject* eltern = nullptr);

  QString Text() const { return text_; }
  std::optional<ZKZahl> Wert() const { return wert_; }
  // Typed or dropped: the text is read from now on.
  void SetzeText(const QString& text);
  // Both return false and change nothing for unreadable text.
  bool Wandle();
  bool Kehrwert();

 signals:
  void Geaendert();

 private:
  bool Forme(bool (*umformung)(std::string_view, int, std::string&, ZKZahl*));

  const int& format_;
  QString text_;
  std::optional<ZKZahl> wert_;
};

// The angle calculator as a table of seven rows (degrees, radians, sine,
// cosine, tangent, cotangent, gon) and one value column: the typed row is
// read, the others are derived from it.
class Winkeltabelle : public Texttabelle {
  Q_OBJECT

 public:
  explicit Winkeltabelle(QObject* eltern = nullptr);

  QVariant headerData(int abschnitt, Qt::Orientation o, int rolle = Qt::DisplayRole) const override;

  QString Text(int zeile) const;
  // The row typed last (-1: none).
  int Getippt() const { return getippt_; }
  void Setze(int zeile, const QString& text);
  void Leere();

 protected:
  QString Zelltext(int zeile, int) const override { return Text(zeile); }
  bool Tippe(int zeile, int, const QString& text) override;

 private:
  std::array<QString, kWinkelZeilen> texte_;
  int getippt_ = -1;
};

#endif
