// SPDX-License-Identifier: GPL-3.0-or-later
// The fourth notebook page: the values the calculator holds, drawn as
// phasors in the complex plane.
//
// The page gathers the model's numbers (memory K1..K20 with their comments,
// the solutions X1..Xn, the formula field's result ZK; never a shown text
// read back), lists them with a checkbox each, and hands the ticked ones to
// TZeigerFlaeche, which paints what the geometry unit (Zeigergeometrie.h)
// lays out. It follows the model's signals.
#ifndef QUORVEL_APP_ZEIGERDIAGRAMM_H
#define QUORVEL_APP_ZEIGERDIAGRAMM_H

#include <QPixmap>
#include <QStaticText>
#include <QString>
#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/Modellansicht.h"
#include "complex/ZKZahl.h"
#include "forms/Steuerung.h"
#include "zeiger/Zeigergeometrie.h"

class QCheckBox;
class QPainter;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Where a value comes from; each source has its own colour.
enum ZeigerQuelle : int { QuelleSpeicher = 0, QuelleLoesung = 1, QuelleRechenfeld = 2 };

// The drawing: axes, ticks, arrows, labels and legend. Paints what it is
// given; the mouse wheel zooms around the cursor, hovering explains an arrow.
// It takes the keyboard focus (for Ctrl+V and its menu) and then shows a frame.
class TZeigerFlaeche : public QWidget {
 public:
  struct Eintrag {
    double re = 0.0;
    double im = 0.0;
    QString beschriftung;  // next to the arrow
    QString erklaerung;    // on hover: name and both text forms
    int quelle = QuelleSpeicher;
  };

  explicit TZeigerFlaeche(QWidget* parent);

  void SetzeEintraege(std::vector<Eintrag> eintraege, const QString& summenErklaerung);
  const std::vector<Eintrag>& Eintraege() const { return eintraege_; }
  void SetzeKette(bool an);
  bool Kette() const { return kette_; }

  // Shows every value again and follows later changes of the values; a
  // wheel zoom keeps its view until then.
  void Einpassen();
  bool Automatisch() const { return automatisch_; }
  // The view for a drawing of this size.
  Ansicht SichtFuer(QSize groesse) const;

  // The scene as painted at the widget's current size.
  const Szene& AktuelleSzene() const;
  // The hover text at a point of the widget; empty away from every arrow.
  QString ErklaerungAn(QPoint p) const;

  // The same picture at another size (exports use the page's size).
  void Zeichne(QPainter& p, QSize groesse) const;

  static QColor Farbe(int quelle);
  static QString QuellenName(int quelle);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  bool event(QEvent* e) override;

 private:
  Szene BaueSzeneFuer(QSize groesse) const;
  // The legend's rows and its size; the scene chooses its corner.
  std::vector<int> LegendenQuellen() const;
  QSizeF LegendenGroesse(const std::vector<int>& quellen) const;
  void Geaendert();
  // Draws a text centred in a box.
  void ZeichneMittig(QPainter& p, const QRectF& r, const QString& text) const;

  std::vector<Eintrag> eintraege_;
  QString summenErklaerung_;
  bool kette_ = false;
  bool automatisch_ = true;
  Ansicht ansicht_;
  mutable std::optional<Szene> szene_;
  QPixmap bild_;  // the last painted picture
  // Measured label widths in the drawing's font.
  mutable std::map<std::string, double> breiten_;
  mutable std::map<QString, QStaticText> texte_;
};

// The page: the list of values beside the drawing, the chain option, the
// fit button; a drop target for the right-button drag and the home of the
// picture's copy and export menu. The page is hidden when the window opens:
// its list, buttons and drawing are built when it is first shown (or a
// picture is asked for), and follow the values from then on.
class TZeigerdiagramm : public QWidget, public TSteuerung, public Modellansicht {
  Q_OBJECT

 public:
  explicit TZeigerdiagramm(QWidget* eltern = nullptr);

  // Null until the page is first shown.
  QTreeWidget* Werte_Liste = nullptr;
  QCheckBox* Kette_CheckBox = nullptr;
  QPushButton* Einpassen_Button = nullptr;
  TZeigerFlaeche* Diagramm = nullptr;

  QWidget* Widget() override { return this; }

  // Reads the values again once the running handler has finished (the
  // memory's tables follow its cells within the same handler).
  void Vormerken();
  // Reads the values now (building the page first if need be).
  void Aktualisiere();

  // The drop of a right-button drag: the carried value goes into the first
  // memory row whose value cell is empty, as if typed there.
  void Ablegen(const QWidget* quelle);
  // Ctrl+V anywhere on the page: the clipboard's text, as a drop takes it.
  void Einfuegen();
  // Ctrl+C on a value of the list: its exponential form as the list shows it.
  void KopiereWert();

  // The picture has the page's size.
  QImage Bild();
  void KopiereBild();
  bool SpeichereAlsPng(const QString& datei);
  bool SpeichereAlsSvg(const QString& datei);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void VerbindeModell() override;
  void Baue();
  struct Wert {
    QString schluessel;  // K3, X2, ZK
    int quelle;
    double re, im;
    QString name, kommentar, exponential, komponenten;
  };
  std::vector<Wert> SammleWerte() const;
  void FuelleListe(const std::vector<Wert>& werte);
  void HakenGeaendert(QTreeWidgetItem* item);
  // Stores a value text in the first empty memory row, with the value
  // behind it if it has one, or says why not.
  void NimmAuf(const QString& text, const std::optional<ZKZahl>& wert);
  void ZeigeMenue(QPoint p);
  void SpeichereMitDialog(bool svg);

  QTreeWidgetItem* gruppen_[3];
  // Ticked or not, per value, for the whole run: a value that disappears
  // while being retyped comes back as it was. New values start ticked.
  std::map<QString, bool> haken_;
  bool vorgemerkt_ = false;
  bool fuellt_ = false;
};

#endif
