// SPDX-License-Identifier: GPL-3.0-or-later
// The fifth notebook page: a circuit typed as a netlist becomes its system
// of equations. The student types the netlist (errors underlined as typing
// pauses), chooses nodal or mesh analysis, reads every element's voltage,
// current and power, the node potentials and the power balance, sees where
// each matrix entry comes from and the circuit's graph, and hands the
// system to the matrix page with „In Matrix übernehmen“.
//
// The page edits the model's circuit (Schaltungsfeld), which the locus
// page reads too; the analysis runs in the model once typing pauses. Like
// the matrix page it builds its controls when first shown.
#ifndef QUORVEL_APP_SCHALTUNGSSEITE_H
#define QUORVEL_APP_SCHALTUNGSSEITE_H

#include <QPlainTextEdit>
#include <QWidget>
#include <optional>
#include <vector>

#include "app/Modellansicht.h"
#include "complex/ZKZahl.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;
class QToolButton;
class TSchaltungsgraph;

// A plain-text editor with line numbers in a margin on its left.
class TNetzlistenEditor : public QPlainTextEdit {
 public:
  explicit TNetzlistenEditor(QWidget* eltern);
  int RandBreite() const;
  void ZeichneRand(QPaintEvent* e);

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  QWidget* rand_;
};

class TSchaltungsseite : public QWidget, public Modellansicht {
  Q_OBJECT

 public:
  explicit TSchaltungsseite(QWidget* eltern = nullptr);
  ~TSchaltungsseite() override;

  // Builds the page now, as its first showing does.
  void Baue();

  // Null until the page is built.
  TNetzlistenEditor* Editor = nullptr;
  QComboBox* Verfahren_Auswahl = nullptr;
  QComboBox* Anzeige_Auswahl = nullptr;
  QPushButton* Uebernehmen_Button = nullptr;
  QToolButton* Beispiele_Button = nullptr;
  QLabel* Meldung_Label = nullptr;
  QTableWidget* Ergebnis_Tabelle = nullptr;
  QListWidget* Herleitung_Liste = nullptr;
  TSchaltungsgraph* Graph = nullptr;

  // Analyses the netlist now, as the pause after typing does.
  void AnalysiereJetzt();
  // Loads example i (0-based) of the examples menu.
  void LadeBeispiel(int i);
  // „In Matrix übernehmen“.
  void Uebernimm();
  // Ctrl+C on the results: the chosen cell's value as the program's number text.
  void KopiereWert();

  // The value behind a results cell (row, column of the table), and the
  // program's text of it that a drag or copy carries.
  std::optional<ZKZahl> Wert(int zeile, int spalte) const;
  QString Zahltext(int zeile, int spalte) const;

 signals:
  // The system is on the matrix page: the window shows that page.
  void MatrixUebernommen();

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void VerbindeModell() override;
  // The model's netlist or method changed (typing, an example, a file).
  void NetzlisteGeaendert();
  void ZeigeAnalyse();
  void ZeigeFehler();
  void ZeigeErgebnisse();
  void ZeigeHerleitungen();

  struct Zellwert {
    ZKZahl wert;
    bool zeiger = true;  // a phasor; otherwise a real number (P, Q, cos φ)
    QString einheit;
  };
  // By table row, then column; empty where a cell has no value.
  std::vector<std::vector<std::optional<Zellwert>>> werte_;
  QTimer* pause_ = nullptr;
  bool schreibt_ = false;  // the page is writing the model's text into the editor
};

#endif
