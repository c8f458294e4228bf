// SPDX-License-Identifier: GPL-3.0-or-later
// Tables from and to a spreadsheet: a block of tab- and line-separated
// values pasted into the coefficient grid, and several selected cells of the
// coefficient or result grid copied as such lines. A single cell keeps the
// grids' own copy and paste. The values behind copied results travel with
// the block (Zwischenablage.h).
#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <algorithm>
#include <set>

#include "app/Dateien.h"
#include "app/MainQuorvel.h"
#include "app/Zwischenablage.h"
#include "forms/Anwendung.h"

namespace {

constexpr int kMaxDimension = 20;

// Grid coordinates (column, row) of the selected non-fixed cells.
std::vector<std::pair<int, int>> Auswahl(const TStringGrid* g) {
  std::vector<std::pair<int, int>> zellen;
  for (const QModelIndex& i : g->selectionModel()->selectedIndexes())
    zellen.emplace_back(i.column() + g->FixedCols(), i.row() + g->FixedRows());
  return zellen;
}

KopierBlock MatrixBlock(const TForm1& f, const TStringGrid* g,
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
        zeile.push_back({g->Cells(c, r), f.Zellwert(g, c, r)});
      else
        zeile.push_back({});
    }
  }
  return block;
}

// "X1<TAB>exponential<TAB>component" for every row touched by the selection.
KopierBlock ErgebnisZeilen(const TForm1& f, const TStringGrid* g,
                           const std::vector<std::pair<int, int>>& zellen) {
  std::set<int> reihen;
  for (auto [c, r] : zellen)
    if (r >= 1) reihen.insert(r);
  KopierBlock block;
  for (int r : reihen) {
    QString name = g->Cells(0, r).trimmed();
    if (name.endsWith(QLatin1Char('='))) name = name.chopped(1).trimmed();
    block.push_back({{name, std::nullopt},
                     {g->Cells(1, r), f.Zellwert(g, 1, r)},
                     {g->Cells(2, r), f.Zellwert(g, 2, r)}});
  }
  return block;
}

// Pastes the block at the current cell as if it were typed there: points
// become commas, the dimension grows if the block needs it. A block that
// does not fit 20 equations and 20 unknowns changes nothing.
bool FuegeMatrixBlockEin(TForm1& f, const QString& text) {
  TStringGrid* g = f.MatrixTab_StringGrid;
  // An exercise's task is locked: the block is taken, and nothing changes.
  if (f.UebungAktiv()) return true;
  QStringList zeilen = text.split(QLatin1Char('\n'));
  std::vector<QStringList> block;
  int breite = 0;
  for (QString z : zeilen) {
    if (z.endsWith(QLatin1Char('\r'))) z.chop(1);
    block.push_back(z.split(QLatin1Char('\t')));
    breite = std::max(breite, static_cast<int>(block.back().size()));
  }
  const int hoehe = static_cast<int>(block.size());
  const int c0 = std::max(1, g->Col()), r0 = std::max(1, g->Row());
  const int letzteZeile = r0 + hoehe - 1, letzteSpalte = c0 + breite - 1;
  if (letzteZeile > kMaxDimension || letzteSpalte > kMaxDimension + 1) {
    TApplication::MessageBox(
        QStringLiteral("Der Block aus der Zwischenablage (%1 Zeilen, %2 Spalten) passt ab "
                       "Zelle( %3 , %4 ) nicht in die Matrix: sie hat höchstens %5 Gleichungen "
                       "und %5 Unbekannte. Es wurde nichts eingefügt.")
            .arg(hoehe)
            .arg(breite)
            .arg(r0)
            .arg(c0)
            .arg(kMaxDimension),
        QStringLiteral("Einfügen"), MB_OK);
    return true;
  }
  g->SetEditorMode(false);
  // The values behind copied results, where the block carries them.
  const auto werte = WerteInZwischenablage();
  for (int i = 0; i < hoehe; ++i)
    for (int k = 0; k < breite; ++k) {
      const QStringList& zeile = block[static_cast<std::size_t>(i)];
      QString zelle = k < zeile.size() ? zeile[k] : QString();
      zelle.replace(QLatin1Char('.'), QLatin1Char(','));
      std::optional<ZKZahl> wert;
      if (static_cast<std::size_t>(i) < werte.size() &&
          static_cast<std::size_t>(k) < werte[static_cast<std::size_t>(i)].size())
        wert = werte[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)];
      f.SetzeText(g, c0 + k, r0 + i, zelle, wert);
    }
  // Column c holds the coefficient of X(c - 1).
  const int noetig = std::max(letzteZeile, letzteSpalte - 1);
  if (noetig > f.Zustand.DimMatrix) {
    f.AnzahlMatrix_Edit->setText(QString::number(noetig));
  }
  // The shown solution no longer belongs to the matrix.
  for (int r = 1; r < f.KxWerte_StringGrid->RowCount(); ++r) {
    f.KxWerte_StringGrid->SetCell(1, r, QString());
    f.KxWerte_StringGrid->SetCell(2, r, QString());
  }
  g->SetCol(c0);
  g->SetRow(r0);
  return true;
}

// Several selected cells are copied as `block` writes them; a single one
// as the grid copied it before.
void KopiereAuswahl(TForm1& f, TStringGrid* g,
                    KopierBlock (*block)(const TForm1&, const TStringGrid*,
                                         const std::vector<std::pair<int, int>>&)) {
  auto einzeln = g->OnKopieren;
  g->OnKopieren = [&f, g, block, einzeln](int c, int r) {
    const auto zellen = Auswahl(g);
    if (zellen.size() > 1)
      KopiereInZwischenablage(block(f, g, zellen));
    else if (einzeln)
      einzeln(c, r);
  };
}

}  // namespace

void VerbindeTabellen(TForm1& f) {
  TStringGrid* matrix = f.MatrixTab_StringGrid;
  TStringGrid* ergebnis = f.KxWerte_StringGrid;
  // Several result rows can be chosen for copying, as in the coefficient grid.
  ergebnis->setSelectionMode(QAbstractItemView::ExtendedSelection);

  KopiereAuswahl(f, matrix, MatrixBlock);
  KopiereAuswahl(f, ergebnis, ErgebnisZeilen);
  matrix->OnBlockEinfuegen = [&f](const QString& text) { return FuegeMatrixBlockEin(f, text); };
}
