// SPDX-License-Identifier: GPL-3.0-or-later
// The equation system of the matrix page: 20 x 21 cell texts (each with the
// value behind a copied result and how the text was derived), the
// dimension, the solution, the last step record, and the exercise set on
// it.
//
// As a table it shows the current dimension: row r is equation r + 1,
// column 0 its right-hand side, column c the coefficient of Xc. Cells
// outside the dimension keep their texts (Zelle, SetzeZelle). The results
// (or, in an exercise, the student's answers) are a table of their own.
//
// An exercise locks the task: no cell, no dimension and no solve changes
// while it is set, whatever path asks.
#ifndef QUORVEL_MODELL_GLEICHUNGSSYSTEM_H
#define QUORVEL_MODELL_GLEICHUNGSSYSTEM_H

#include <QString>
#include <array>
#include <optional>
#include <vector>

#include "complex/ZKZahl.h"
#include "modell/Texttabelle.h"
#include "solver/GleichungsLoeser.h"
#include "solver/Rechenweg.h"

class Ergebnistabelle;

// Roles beyond Qt's: how a cell's text came about (empty: typed), and an
// answer's verdict (Marke).
inline constexpr int kHerleitungRolle = Qt::UserRole + 1;
inline constexpr int kMarkeRolle = Qt::UserRole + 2;
enum class Marke : int { Keine = 0, Richtig = 1, Falsch = 2 };

class Gleichungssystem : public Texttabelle {
  Q_OBJECT

 public:
  static constexpr int kMaxDimension = 20;
  static constexpr int kZeilen = kMaxDimension, kSpalten = kMaxDimension + 1;

  // Texts of results are written in the display format `zahlenFormat`
  // points to, as it is when the system is solved.
  explicit Gleichungssystem(const int& zahlenFormat, QObject* eltern = nullptr);
  ~Gleichungssystem() override;

  // Titles exist for every row and column up to the largest dimension.
  QVariant headerData(int abschnitt, Qt::Orientation o, int rolle = Qt::DisplayRole) const override;

  int Dimension() const { return n_; }
  // 1 to 20 (clamped); the results go, and so do the cells' derivations
  // when it changes (the system is no longer the one derived). False in an
  // exercise.
  bool SetzeDimension(int n);

  // Cell (zeile 1..20, spalte 1..21), inside the dimension or not.
  QString Zelle(int zeile, int spalte) const;
  std::optional<ZKZahl> Zellwert(int zeile, int spalte) const;
  QString Herleitung(int zeile, int spalte) const;
  // Any change of a cell's text makes the shown solution stale: the results
  // go, and so does the cell's derivation unless one comes with the text.
  // False (nothing changed) in an exercise.
  bool SetzeZelle(int zeile, int spalte, const QString& text,
                  const std::optional<ZKZahl>& wert = std::nullopt, const QString& herleitung = {});
  // Puts a derivation beside a cell's text as it stands (a file's circuit
  // derived the same text again).
  void SetzeHerleitung(int zeile, int spalte, const QString& herleitung);
  // Empties the cells of the current dimension and the results; the
  // titles go back to the standard ones.
  bool LeereTabelle();

  // Titles of rows and columns; an empty one gives back the standard title.
  void SetzeZeilentitel(int zeile, const QString& titel);
  void SetzeSpaltentitel(int spalte, const QString& titel);
  // A whole system at once: the dimension, every cell of it (zellen[r][c],
  // c = 0 the right-hand side), and titles where given; `werte` and
  // `herleitungen`, where given, are the values behind the texts and how
  // each was derived (a circuit's system). Cells outside it are emptied.
  // False in an exercise.
  bool SetzeSystem(int n, const std::vector<std::vector<QString>>& zellen,
                   const std::vector<QString>& zeilentitel = {},
                   const std::vector<QString>& spaltentitel = {},
                   const std::vector<std::vector<ZKZahl>>& werte = {},
                   const std::vector<std::vector<QString>>& herleitungen = {});
  // The titles set (empty: the standard one), rows 1..20 and columns 1..21.
  QString Zeilentitel(int zeile) const;
  QString Spaltentitel(int spalte) const;

  // Solving.
  struct Loesungsstand {
    enum Art { Geloest, KeineEindeutigeLoesung, SchlechtKonditioniert, Zellfehler, Gesperrt };
    Art art = Geloest;
    int zeile = 0, spalte = 0;  // the unreadable cell (Zellfehler)
  };
  // Reads every cell of the dimension (a value behind a text counts, other
  // texts are read), solves, and shows the solution in the results; a
  // system that has none leaves them empty. The steps are recorded only
  // when asked (an open Rechenweg window); otherwise NimmRechenwegAuf
  // records them later from the same input.
  Loesungsstand Loese(bool aufzeichnen);
  Ergebnistabelle* Ergebnisse() const { return ergebnisse_; }
  void LoescheErgebnisse();
  // The shown solution X1..Xn (empty when none is shown).
  std::vector<ZKZahl> Loesung() const;

  const Rechenweg& LetzterRechenweg() const { return weg_; }
  // Records the last solve's steps if it left them unrecorded.
  void NimmRechenwegAuf();

  // An example system of the level (1..3) at dimension n, drawn from the
  // seed, written into the cells (an exercise set before goes). Returns
  // the solution X1..Xn at 1..n and the cells' texts row by row.
  struct Beispiel {
    std::vector<ZKZahl> loesung;
    std::vector<std::vector<QString>> zeilen;
  };
  Beispiel ZieheBeispiel(std::uint32_t samen, int stufe, int n);

  // The exercise: the mode ("Übung" ticked) and a task set in it, whose
  // solution stays hidden until shown.
  bool UebungsModus() const { return modus_; }
  // Leaving the mode ends a set exercise (its answers go).
  void SetzeUebungsModus(bool an);
  bool UebungAktiv() const { return !uebungsLoesung_.empty(); }
  // In the mode, sets the task in the cells with this hidden solution (X1..Xn
  // at 1..n); false outside the mode.
  bool StelleUebung(std::vector<ZKZahl> loesung);
  const std::vector<ZKZahl>& UebungsLoesung() const { return uebungsLoesung_; }
  // Marks every answer; "k von n richtig".
  void Pruefe();
  // Ends the exercise and gives its solution; the caller solves as "=".
  std::vector<ZKZahl> GibLoesungFrei();
  // What the exercise label says (empty outside the mode).
  QString Uebungsstand() const { return stand_; }

  // The solution of a task file's exercise, as "=" would solve it (X1..Xn at
  // 1..n); false with the German reason when it has none.
  static bool LoeseAufgabe(int n, const std::vector<std::vector<QString>>& zellen,
                           const std::vector<std::vector<std::optional<ZKZahl>>>& werte,
                           std::vector<ZKZahl>& loesung, QString& grund);

 signals:
  void DimensionGeaendert(int n);
  // After every solve: the results and the record are new.
  void LoesungGeaendert();
  void UebungGeaendert();

 protected:
  QString Zelltext(int zeile, int spalte) const override;
  QVariant Zellrolle(int zeile, int spalte, int rolle) const override;
  bool Editierbar(int, int) const override { return !UebungAktiv(); }
  bool Tippe(int zeile, int spalte, const QString& text) override;

 private:
  friend class Ergebnistabelle;
  struct Zelleintrag : Textwert {
    QString herleitung;
  };
  static bool IstZelle(int zeile, int spalte) {
    return zeile >= 1 && zeile <= kZeilen && spalte >= 1 && spalte <= kSpalten;
  }
  Zelleintrag& Z(int zeile, int spalte) {
    return zellen_[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)];
  }
  const Zelleintrag& Z(int zeile, int spalte) const {
    return zellen_[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)];
  }
  // Writes without the lock and without clearing the results.
  void Schreibe(int zeile, int spalte, const QString& text, const std::optional<ZKZahl>& wert,
                const QString& herleitung);
  void Groesse(int n);
  void SetzeStand(const QString& stand);
  void AntwortGeaendert(int zeile);
  void LoescheMarken();
  void LoescheHerleitungen();
  void LoescheTitel();

  const int& format_;
  std::array<std::array<Zelleintrag, kSpalten>, kZeilen> zellen_{};
  std::array<QString, kZeilen> zeilentitel_;
  std::array<QString, kSpalten> spaltentitel_;
  // The dimension; the counts views see (zeilen_, spalten_) follow it step by
  // step (Groesse).
  int n_ = 3;
  Ergebnistabelle* ergebnisse_;
  ZKMatrix eingabe_ = ErzeugeMatrix(25, 25);
  // The system the last solve read (dimension 0: none), for its record.
  Rechenweg weg_;
  int letzteDimension_ = 0;
  ZKMatrix letzteEingabe_ = ErzeugeMatrix(25, 25);
  bool modus_ = false;
  std::vector<ZKZahl> uebungsLoesung_;
  QString stand_;
};

// The results X1..Xn in both forms, each with the full value behind it; in
// an exercise the student's answers with their verdicts.
class Ergebnistabelle : public Texttabelle {
  Q_OBJECT

 public:
  explicit Ergebnistabelle(Gleichungssystem& system);

  QVariant headerData(int abschnitt, Qt::Orientation o, int rolle = Qt::DisplayRole) const override;

  // Row 1..20, column 1 (exponential form) or 2 (component form).
  QString Text(int zeile, int spalte) const;
  std::optional<ZKZahl> Wert(int zeile, int spalte) const;
  Marke MarkeVon(int zeile, int spalte) const;
  // An answer put there (a file opened in an exercise).
  void SetzeAntwort(int zeile, int spalte, const QString& text);
  bool Leer() const;

 protected:
  QString Zelltext(int zeile, int spalte) const override { return Text(zeile + 1, spalte + 1); }
  QVariant Zellrolle(int zeile, int spalte, int rolle) const override;
  // The student types the answers here, in an exercise.
  bool Editierbar(int, int) const override { return s_.UebungAktiv(); }
  // An answer typed; its marks and the count go.
  bool Tippe(int zeile, int spalte, const QString& text) override;

 private:
  friend class Gleichungssystem;
  struct Eintrag : Textwert {
    Marke marke = Marke::Keine;
    QString urteil;  // the verdict in words, for screen readers
  };
  static bool IstZelle(int zeile, int spalte) {
    return zeile >= 1 && zeile <= Gleichungssystem::kZeilen && spalte >= 1 && spalte <= 2;
  }
  Eintrag& E(int zeile, int spalte) {
    return e_[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)];
  }
  const Eintrag& E(int zeile, int spalte) const {
    return e_[static_cast<std::size_t>(zeile - 1)][static_cast<std::size_t>(spalte - 1)];
  }
  void Setze(int zeile, int spalte, const QString& text, const std::optional<ZKZahl>& wert);
  void Markiere(int zeile, int spalte, Marke marke, const QString& urteil);
  void Geaendert(int zeile);

  Gleichungssystem& s_;
  std::array<std::array<Eintrag, 2>, Gleichungssystem::kZeilen> e_{};
};

#endif
