// SPDX-License-Identifier: GPL-3.0-or-later
// What the model's tables share: cells of text that a grid shows and its
// editor sets. A table has its counts, says what a cell holds and what
// typing into it does; the rest is Qt's model protocol.
#ifndef QUORVEL_MODELL_TEXTTABELLE_H
#define QUORVEL_MODELL_TEXTTABELLE_H

#include <QAbstractTableModel>
#include <QString>
#include <optional>

#include "complex/ZKZahl.h"

// A shown text and the full number behind it when it is a result or a copy
// of one: the value belongs to this text only, and an empty text has none.
struct Textwert {
  QString text;
  std::optional<ZKZahl> wert;

  void Setze(const QString& t, const std::optional<ZKZahl>& w) {
    text = t;
    wert = t.isEmpty() ? std::nullopt : w;
  }
};

class Texttabelle : public QAbstractTableModel {
 public:
  Texttabelle(QObject* eltern, int zeilen, int spalten)
      : QAbstractTableModel(eltern), zeilen_(zeilen), spalten_(spalten) {}

  int rowCount(const QModelIndex& eltern = {}) const final;
  int columnCount(const QModelIndex& eltern = {}) const final;
  QVariant data(const QModelIndex& i, int rolle = Qt::DisplayRole) const final;
  Qt::ItemFlags flags(const QModelIndex& i) const final;
  bool setData(const QModelIndex& i, const QVariant& wert, int rolle = Qt::EditRole) final;

 protected:
  // Row and column count from 0, as the view's indexes do.
  virtual QString Zelltext(int zeile, int spalte) const = 0;
  // What a cell gives for the other roles (none by default).
  virtual QVariant Zellrolle(int zeile, int spalte, int rolle) const;
  virtual bool Editierbar(int zeile, int spalte) const;
  // Typed into a cell (its text changed); false when the table refuses it.
  virtual bool Tippe(int zeile, int spalte, const QString& text) = 0;

  // The counts a view sees; a table that changes them tells its views.
  int zeilen_, spalten_;
};

#endif
