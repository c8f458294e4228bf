// SPDX-License-Identifier: GPL-3.0-or-later
// The page „Ortskurve“: how a quantity behaves as the frequency changes,
// as a locus in the complex plane or as a frequency response.
//
// The settings live in the model (Modell::Ortskurve, saved with the task);
// the controls write them there. The source is a formula in f and ω of
// this page's own field, or a quantity of the circuit the model holds. A
// computed curve is kept with its source until a new computation succeeds:
// a formula error or a bad range is a message beside the drawing, and the
// drawing stays as it was. Hover and a click ask the source for the exact
// value at the point's frequency.
#ifndef QUORVEL_APP_ORTSKURVENSEITE_H
#define QUORVEL_APP_ORTSKURVENSEITE_H

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "app/Modellansicht.h"
#include "datei/Aufgabe.h"
#include "ortskurve/Frequenzganggeometrie.h"
#include "ortskurve/Kurve.h"
#include "ortskurve/Ortskurvengeometrie.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPainter;
class QPushButton;

// What lies under the mouse: a drawn point of the curve or of its inverse.
struct Kurventreffer {
  long double f = 0.0L;
  bool invertiert = false;
  Kurvenpunkt punkt;  // as drawn
};

// The drawing: one or two panels side by side (the curve, its inverse, or
// both), each a locus or a frequency response. It paints what the geometry
// of src/ortskurve lays out; scenes are kept until the curve, the view or
// the size changes, so a repaint costs only the painting.
class TOrtskurvenFlaeche : public QWidget {
  Q_OBJECT

 public:
  explicit TOrtskurvenFlaeche(QWidget* eltern);

  void SetzeKurve(std::optional<Kurve> kurve);
  const std::optional<Kurve>& Gezeichnet() const { return kurve_; }
  void SetzeDarstellung(bool frequenzgang, bool dezibel, aufgabe::Ortskurve::Inversion inversion);

  // The point at a pixel of the widget, within a few pixels of the curve.
  std::optional<Kurventreffer> TrefferAn(QPoint p) const;
  // The pixel where the drawn point nearest to frequency f lies in the
  // first panel (for tests and the keyboard), or nothing.
  std::optional<QPoint> PixelVon(long double f) const;

  void Zeichne(QPainter& p, QSize groesse) const;
  // Lays the scenes out again for the current size (what a redraw without
  // computing costs besides painting).
  void NeuAufbauen();

  // Builds the hover text of a hit; set by the page.
  std::function<QString(const Kurventreffer&)> erklaerung;

 signals:
  void Geklickt(const Kurventreffer& t);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  bool event(QEvent* e) override;

 private:
  struct Feld {
    bool invertiert = false;
    QRectF rahmen;
    std::optional<OrtskurvenSzene> ort;
    std::optional<FrequenzgangSzene> gang;
  };
  std::vector<Feld> BaueFelder(QSize groesse) const;
  const std::vector<Feld>& Felder() const;
  void Geaendert();
  void ZeichneOrt(QPainter& p, const Feld& f) const;
  void ZeichneGang(QPainter& p, const Feld& f) const;

  std::optional<Kurve> kurve_, inverse_;
  bool frequenzgang_ = false, dezibel_ = true;
  aufgabe::Ortskurve::Inversion inversion_ = aufgabe::Ortskurve::Inversion::Aus;
  mutable std::optional<std::vector<Feld>> felder_;
  QPixmap bild_;
};

class TOrtskurvenseite : public QWidget, public Modellansicht {
  Q_OBJECT

 public:
  explicit TOrtskurvenseite(QWidget* eltern = nullptr);
  ~TOrtskurvenseite() override;

  // Null until the page is first shown.
  QComboBox* Quelle_Auswahl = nullptr;
  QLineEdit* Formel_Edit = nullptr;
  QComboBox* Groesse_Auswahl = nullptr;
  QComboBox* KnotenA_Auswahl = nullptr;
  QComboBox* KnotenB_Auswahl = nullptr;
  QLineEdit* Von_Edit = nullptr;
  QLineEdit* Bis_Edit = nullptr;
  QLineEdit* Punkte_Edit = nullptr;
  QComboBox* Schritte_Auswahl = nullptr;
  QComboBox* Bezifferung_Auswahl = nullptr;
  QLineEdit* Marken_Edit = nullptr;
  QComboBox* Ansicht_Auswahl = nullptr;
  QComboBox* Betrag_Auswahl = nullptr;
  QComboBox* Inversion_Auswahl = nullptr;
  QPushButton* Export_Button = nullptr;
  QLabel* Meldung_Label = nullptr;
  TOrtskurvenFlaeche* Diagramm = nullptr;

  // Computes the curve from the model's settings now (building the page
  // first if need be); the drawing changes only when that succeeds.
  void Berechne();
  // The German message of the last computation; empty when it succeeded.
  QString Meldung() const { return meldung_; }

  // The value at a point into the first empty memory row, as a drop on the
  // phasor page puts it there.
  void NimmAuf(const Kurventreffer& t);

  QImage Bild();
  bool SpeichereAlsPng(const QString& datei);
  bool SpeichereAlsSvg(const QString& datei);
  // False with the reason when nothing is drawn or the file cannot be written.
  bool SpeichereAlsCsv(const QString& datei, QString& grund);

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void VerbindeModell() override;
  void Baue();
  void ZeigeEinstellungen();
  void FuelleKnoten();
  // The controls' state into the model.
  void Uebernehme();
  void Vormerken();
  void ZeigeMeldung(const QString& text);
  // The exact value of a hit, as the shown curve has it.
  Kurvenpunkt GenauerPunkt(const Kurventreffer& t);
  QString Erklaerung(const Kurventreffer& t);
  void SpeichereMitDialog(int art);
  void ZeigeExportmenue(QPoint global);

  std::unique_ptr<Kurvenquelle> quelle_;  // of the curve drawn
  QString meldung_;
  bool zeigt_ = false;  // the controls are being set from the model
  bool vorgemerkt_ = false;
};

#endif
