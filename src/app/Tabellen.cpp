// SPDX-License-Identifier: GPL-3.0-or-later
#include "Tabellen.h"

#include <QCoreApplication>
#include <QItemSelectionModel>
#include <algorithm>
#include <set>

#include "app/Ziehen.h"
#include "app/Zwischenablage.h"
#include "forms/Anwendung.h"
#include "forms/StringGrid.h"

namespace {

constexpr int kMaxDimension = 20;
constexpr int kSpeicherZeilen = 20;

// Grid coordinates (column, row) of the selected non-fixed cells.
std::vector<std::pair<int, int>> Auswahl(const TStringGrid* g) {
  std::vector<std::pair<int, int>> zellen;
  for (const QModelIndex& i : g->selectionModel()->selectedIndexes())
    zellen.emplace_back(i.column() + g->FixedCols(), i.row() + g->FixedRows());
  return zellen;
}

// The cells the selection spans, each as its own Ctrl+C copies it; cells
// of the span that are not selected stay empty.
KopierBlock Block(const Modell& m, const TStringGrid* g,
                  const std::vector<std::pair<int, int>>& zellen) {
  int c0 = zellen[0].first, c1 = c0, r0 = zellen[0].second, r1 = r0;
  for (auto [c, r] : zellen) {
    c0 = std::min(c0, c), c1 = std::max(c1, c);
    r0 = std::min(r0, r), r1 = std::max(r1, r);
  }
  const std::set<std::pair<int, int>> gewaehlt(zellen.begin(), zellen.end());
  KopierBlock block;
  for (int r = r0; r <= r1; ++r) {
    auto& zeile = block.emplace_back();
    for (int c = c0; c <= c1; ++c) {
      if (gewaehlt.count({c, r}))
        zeile.push_back({GetragenerText(g, c, r), GetragenerWert(m, g, c, r)});
      else
        zeile.push_back({});
    }
  }
  return block;
}

// "X1<TAB>exponential<TAB>component" for every row touched by the selection.
KopierBlock ErgebnisZeilen(const Modell& m, const TStringGrid* g,
                           const std::vector<std::pair<int, int>>& zellen) {
  std::set<int> reihen;
  for (auto [c, r] : zellen)
    if (r >= 1) reihen.insert(r);
  KopierBlock block;
  for (int r : reihen) {
    QString name = g->Cells(0, r).trimmed();
    if (name.endsWith(QLatin1Char('='))) name = name.chopped(1).trimmed();
    block.push_back({{name, std::nullopt},
                     {GetragenerText(g, 1, r), GetragenerWert(m, g, 1, r)},
                     {GetragenerText(g, 2, r), GetragenerWert(m, g, 2, r)}});
  }
  return block;
}

// A pasted block as its lines of cells, and its width (the longest line).
std::vector<QStringList> Zerlege(const QString& text, int& breite) {
  std::vector<QStringList> block;
  breite = 0;
  for (QString z : text.split(QLatin1Char('\n'))) {
    if (z.endsWith(QLatin1Char('\r'))) z.chop(1);
    block.push_back(z.split(QLatin1Char('\t')));
    breite = std::max(breite, static_cast<int>(block.back().size()));
  }
  return block;
}

QString Feld(const std::vector<QStringList>& block, int zeile, int spalte) {
  const QStringList& z = block[static_cast<std::size_t>(zeile)];
  return spalte < z.size() ? z[spalte] : QString();
}

// The value the clipboard carries behind a cell of the pasted block, if any.
using Blockwerte = std::vector<std::vector<std::optional<ZKZahl>>>;
std::optional<ZKZahl> Wert(const Blockwerte& werte, int zeile, int spalte) {
  const auto i = static_cast<std::size_t>(zeile), k = static_cast<std::size_t>(spalte);
  return i < werte.size() && k < werte[i].size() ? werte[i][k] : std::nullopt;
}

// Pastes the block at the current cell as if it were typed there: points
// become commas, the dimension grows if the block needs it. A block that
// does not fit 20 equations and 20 unknowns changes nothing.
bool FuegeMatrixBlockEin(Modell& m, TStringGrid* g, const QString& text) {
  Gleichungssystem& s = m.System();
  // An exercise's task is locked: the block is taken, and nothing changes.
  if (s.UebungAktiv()) return true;
  int breite = 0;
  const std::vector<QStringList> block = Zerlege(text, breite);
  const int hoehe = static_cast<int>(block.size());
  const int c0 = std::max(1, g->Col()), r0 = std::max(1, g->Row());
  const int letzteZeile = r0 + hoehe - 1, letzteSpalte = c0 + breite - 1;
  if (letzteZeile > kMaxDimension || letzteSpalte > kMaxDimension + 1) {
    TApplication::MessageBox(
        QCoreApplication::translate(
            "Tabellen",
            "Der Block aus der Zwischenablage (%1 Zeilen, %2 Spalten) passt ab "
            "Zelle( %3 , %4 ) nicht in die Matrix: sie hat höchstens %5 Gleichungen "
            "und %5 Unbekannte. Es wurde nichts eingefügt.")
            .arg(hoehe)
            .arg(breite)
            .arg(r0)
            .arg(c0)
            .arg(kMaxDimension),
        QCoreApplication::translate("Tabellen", "Einfügen"), MB_OK);
    return true;
  }
  g->SetEditorMode(false);
  const Blockwerte werte = WerteInZwischenablage();
  for (int i = 0; i < hoehe; ++i)
    for (int k = 0; k < breite; ++k)
      s.SetzeZelle(r0 + i, c0 + k, Feld(block, i, k).replace(QLatin1Char('.'), QLatin1Char(',')),
                   Wert(werte, i, k));
  // Column c holds the coefficient of X(c - 1).
  const int noetig = std::max(letzteZeile, letzteSpalte - 1);
  if (noetig > s.Dimension()) s.SetzeDimension(noetig);
  g->SetCol(c0);
  g->SetRow(r0);
  return true;
}

// Pastes the block from the current row down, as if each cell were typed:
// in the K memory value and comment, in the G memory the value. Every row
// whose value changed is read again. A block that does not fit K20 (or G20)
// and the grid's columns changes nothing.
bool FuegeSpeicherBlockEin(Modell& m, TStringGrid* g, Ort ort, const QString& text) {
  int breite = 0;
  const std::vector<QStringList> block = Zerlege(text, breite);
  const int hoehe = static_cast<int>(block.size());
  const int c0 = std::max(1, g->Col()), r0 = std::max(1, g->Row());
  const bool k = ort == Ort::K;
  if (r0 + hoehe - 1 > kSpeicherZeilen || c0 + breite - 1 > g->ColCount() - 1) {
    const QString zeile = QStringLiteral("%1%2").arg(k ? u'K' : u'G').arg(r0);
    const QString ab =
        c0 == 2 ? QCoreApplication::translate("Tabellen", "%1 (Kommentar)").arg(zeile) : zeile;
    TApplication::MessageBox(
        QCoreApplication::translate(
            "Tabellen",
            "Der Block aus der Zwischenablage (%1 Zeilen, %2 Spalten) passt ab %3 "
            "nicht in den Speicher: %4 Es wurde nichts eingefügt.")
            .arg(hoehe)
            .arg(breite)
            .arg(ab)
            .arg(k ? QCoreApplication::translate(
                         "Tabellen", "K1 bis K20 haben je einen Wert und einen Kommentar.")
                   : QCoreApplication::translate("Tabellen", "G1 bis G20 haben je einen Wert.")),
        QCoreApplication::translate("Tabellen", "Einfügen"), MB_OK);
    return true;
  }
  g->SetEditorMode(false);
  const Blockwerte werte = WerteInZwischenablage();
  Variablenspeicher& speicher = m.Speicher();
  for (int i = 0; i < hoehe; ++i) {
    for (int s = 0; s < breite; ++s) {
      QString feld = Feld(block, i, s);
      if (c0 + s != 1) {
        speicher.SetzeKommentar(r0 + i, feld);  // comments are never read
        continue;
      }
      feld.replace(QLatin1Char('.'), QLatin1Char(','));
      speicher.Setze(k ? aufgabe::Seite::K : aufgabe::Seite::G, r0 + i, feld, Wert(werte, i, s));
    }
  }
  g->SetCol(c0);
  g->SetRow(r0);
  return true;
}

}  // namespace

KopierBlock Auswahlblock(const Modell& m, const TStringGrid* g, Ort ort) {
  const auto zellen = Auswahl(g);
  if (zellen.size() < 2) return {};
  return ort == Ort::Ergebnis ? ErgebnisZeilen(m, g, zellen) : Block(m, g, zellen);
}

void VerbindeBlockeinfuegen(Modell& m, TStringGrid* g, Ort ort) {
  QObject::connect(g, &TStringGrid::blockEinfuegen, g,
                   [&m, g, ort](const QString& text, bool& genommen) {
                     genommen = ort == Ort::Matrix ? FuegeMatrixBlockEin(m, g, text)
                                                   : FuegeSpeicherBlockEin(m, g, ort, text);
                   });
}
