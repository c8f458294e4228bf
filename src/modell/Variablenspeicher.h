// SPDX-License-Identifier: GPL-3.0-or-later
// The variable memory K1..K20 with the reciprocals G1..G20: each row's two
// value texts, its comment, which side was typed, the value behind a text
// that came from a result, and the numbers the formulas read.
//
// The side typed or dropped into keeps its text; the program writes only
// the other side, with the reciprocal and its full value behind it. Every
// write says which side it is, so the typed side is known on every path
// (typing, a drop, a paste, a block, the phasor page, a file).
#ifndef QUORVEL_MODELL_VARIABLENSPEICHER_H
#define QUORVEL_MODELL_VARIABLENSPEICHER_H

#include <QString>
#include <array>
#include <optional>

#include "complex/ZKZahl.h"
#include "datei/Aufgabe.h"
#include "formula/FormelRechner.h"
#include "modell/Texttabelle.h"

class Speichertabelle;

class Variablenspeicher : public QObject {
  Q_OBJECT

 public:
  using Seite = aufgabe::Seite;
  static constexpr int kZeilen = 20;

  // Texts of reciprocals are written in the display format `zahlenFormat`
  // points to (the model's), as it is at the moment of writing.
  Variablenspeicher(const int& zahlenFormat, QObject* eltern = nullptr);
  ~Variablenspeicher() override;

  // Row n is 1..20; other rows read as empty and take nothing.
  QString Text(Seite seite, int n) const;
  QString Kommentar(int n) const;
  std::optional<ZKZahl> Wert(Seite seite, int n) const;
  // The side typed last (K for a row never typed).
  Seite Getippt(int n) const;

  // Typed, pasted or dropped into one side: its text, and the full value
  // behind it when it is a copied result. The row is read again and the
  // other side shows the reciprocal.
  void Setze(Seite seite, int n, const QString& text,
             const std::optional<ZKZahl>& wert = std::nullopt);
  void SetzeKommentar(int n, const QString& text);
  // Both value cells and the comment empty, the row's variables zero.
  void LeereZeile(int n);
  void LeereAlles();

  // The first row whose K value cell counts as empty; 0 when all are full.
  int ErsteFreieZeile() const;
  // The number behind K's cell while its text reads as a number (what the
  // phasor page draws).
  std::optional<ZKZahl> Zahl(int n) const;

  // K1..K20 and G1..G20 (entries 1..20) as the formulas read them.
  const ZKSpeicher& Werte(Seite seite) const { return seite == Seite::K ? k_ : g_; }

  // The grids' views: K (value, comment) and G (value).
  Speichertabelle* Tabelle(Seite seite) const;

  // Only the window's double click on the heading row empties these.
  QString Spaltentitel(Seite seite, int spalte) const;
  void SetzeSpaltentitel(Seite seite, int spalte, const QString& text);

 signals:
  void ZeileGeaendert(int n);

 private:
  struct Zeile {
    Textwert k, g;
    QString kommentar;
    Seite getippt = Seite::K;
    Textwert& Von(Seite seite) { return seite == Seite::K ? k : g; }
    const Textwert& Von(Seite seite) const { return seite == Seite::K ? k : g; }
  };
  static bool IstZeile(int n) { return n >= 1 && n <= kZeilen; }
  Zeile& Z(int n) { return zeilen_[static_cast<std::size_t>(n - 1)]; }
  const Zeile& Z(int n) const { return zeilen_[static_cast<std::size_t>(n - 1)]; }
  void Geaendert(int n);

  const int& format_;
  std::array<Zeile, kZeilen> zeilen_{};
  ZKSpeicher k_{}, g_{};
  std::array<QString, 2> kTitel_, gTitel_;
  Speichertabelle* kTabelle_;
  Speichertabelle* gTabelle_;
};

// One side of the memory as a table: rows K1..K20 (or G1..G20); the K side
// has the value and the comment column, the G side the value column.
class Speichertabelle : public Texttabelle {
  Q_OBJECT

 public:
  Speichertabelle(Variablenspeicher& speicher, Variablenspeicher::Seite seite);

  QVariant headerData(int abschnitt, Qt::Orientation o, int rolle = Qt::DisplayRole) const override;
  bool setHeaderData(int abschnitt, Qt::Orientation o, const QVariant& wert, int rolle) override;
  void ZeileGeaendert(int n);

 protected:
  QString Zelltext(int zeile, int spalte) const override;
  bool Tippe(int zeile, int spalte, const QString& text) override;

 private:
  Variablenspeicher& s_;
  Variablenspeicher::Seite seite_;
};

#endif
