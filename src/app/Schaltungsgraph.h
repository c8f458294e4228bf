// SPDX-License-Identifier: GPL-3.0-or-later
// The circuit's graph: its nodes on a circle (ground at the bottom, the
// others in the order they first appear), every element a branch with its
// reference arrow (from its first node to its second) and its name. For the
// mesh method the tree's branches are drawn bold and every mesh is a
// labelled loop arrow turning the way its current runs. The layout depends
// on the circuit alone, so it stays put while values change.
#ifndef QUORVEL_APP_SCHALTUNGSGRAPH_H
#define QUORVEL_APP_SCHALTUNGSGRAPH_H

#include <QImage>
#include <QPointF>
#include <QWidget>
#include <vector>

#include "schaltung/Analyse.h"
#include "schaltung/Netzliste.h"

// Where the circle layout puts each node in a picture of this size.
std::vector<QPointF> KnotenOrte(int knoten, QSizeF groesse);

class TSchaltungsgraph : public QWidget {
 public:
  explicit TSchaltungsgraph(QWidget* eltern);

  // An empty circuit draws nothing; the system gives the tree and meshes
  // (none for a nodal system or one not set up).
  void Setze(const Schaltung& s, const Schaltungssystem* g);
  void Leere();

  void Zeichne(QPainter& p, QSize groesse) const;
  QImage Bild() const;
  bool SpeichereAlsPng(const QString& datei) const;
  bool SpeichereAlsSvg(const QString& datei) const;

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  void ZeigeMenue(QPoint p);
  void SpeichereMitDialog(bool svg);

  Schaltung s_;
  bool maschen_ = false;
  std::vector<bool> baum_;
  std::vector<Masche> maschen_liste_;
};

#endif
