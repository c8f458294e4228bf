// SPDX-License-Identifier: GPL-3.0-or-later
#include "Texttabelle.h"

int Texttabelle::rowCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : zeilen_;
}

int Texttabelle::columnCount(const QModelIndex& eltern) const {
  return eltern.isValid() ? 0 : spalten_;
}

QVariant Texttabelle::data(const QModelIndex& i, int rolle) const {
  if (!i.isValid()) return {};
  if (rolle == Qt::DisplayRole || rolle == Qt::EditRole) return Zelltext(i.row(), i.column());
  return Zellrolle(i.row(), i.column(), rolle);
}

Qt::ItemFlags Texttabelle::flags(const QModelIndex& i) const {
  if (!i.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (Editierbar(i.row(), i.column())) f |= Qt::ItemIsEditable;
  return f;
}

bool Texttabelle::setData(const QModelIndex& i, const QVariant& wert, int rolle) {
  if (!i.isValid() || rolle != Qt::EditRole) return false;
  const QString text = wert.toString();
  // A closing editor hands back the text it already put there: that is no
  // input (it would forget a value behind the text, or make a memory row's
  // shown reciprocal the typed side).
  if (text == Zelltext(i.row(), i.column())) return true;
  return Tippe(i.row(), i.column(), text);
}

QVariant Texttabelle::Zellrolle(int, int, int) const {
  return {};
}

bool Texttabelle::Editierbar(int, int) const {
  return true;
}
