// SPDX-License-Identifier: GPL-3.0-or-later
#include "Ortskurvenseite.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QToolTip>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "Achsenkreuz.h"
#include "Bildexport.h"
#include "complex/ZKText.h"
#include "forms/Anwendung.h"
#include "forms/Steuerelemente.h"
#include "modell/Modell.h"
#include "modell/Text.h"
#include "ortskurve/Csv.h"
#include "ortskurve/Quellen.h"

using aufgabe::Ortskurve;

namespace {

const QColor kKurve(0, 80, 200);
const QColor kInverse(205, 40, 30);
const QColor kMarke(30, 30, 30);
const QColor kFehler(170, 0, 0);
// A hover or click counts within this many pixels of a drawn point.
constexpr double kTrefferToleranz = 6.0;

QString U(const std::string& s) {
  return QString::fromStdString(s);
}

std::string S(const QString& s) {
  return s.toStdString();
}

void ZeichneZug(QPainter& p, const std::vector<ZPunkt>& zug) {
  if (zug.size() < 2) {
    if (zug.size() == 1) p.drawPoint(Q(zug[0]));
    return;
  }
  QPolygonF linie;
  linie.reserve(static_cast<qsizetype>(zug.size()));
  for (const ZPunkt& z : zug) linie << Q(z);
  p.drawPolyline(linie);
}

// The circuit as the sweep reads it. The circuit page needs a line "f = …"
// for its one frequency; the sweep sets the frequency itself, so a netlist
// that lacks only that line is read as if it had one (at its end, so that
// the line numbers of messages stay).
NetzlistenErgebnis NetzFuerDurchlauf(const Schaltungsfeld& sf) {
  NetzlistenErgebnis n{sf.Gelesen(), sf.Fehler()};
  const bool nurFrequenzFehlt =
      !n.fehler.empty() && std::all_of(n.fehler.begin(), n.fehler.end(), [](const auto& f) {
        return f.art == FehlerArt::FrequenzFehlt;
      });
  if (nurFrequenzFehlt) n = LiesNetzliste(sf.Netzliste().toStdString() + "\nf = 1");
  return n;
}

}  // namespace

// ---------------------------------------------------------------------------
// The drawing

TOrtskurvenFlaeche::TOrtskurvenFlaeche(QWidget* eltern) : QWidget(eltern) {
  setFont(DiagrammSchrift());
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(tr("Ortskurvendiagramm"));
  setAccessibleDescription(
      tr("Die Kurve über der Frequenz. Die Maus auf einem Punkt zeigt Frequenz und "
         "Wert; ein Klick legt den Wert im ersten freien Speicher ab."));
}

void TOrtskurvenFlaeche::SetzeKurve(std::optional<Kurve> kurve) {
  kurve_ = std::move(kurve);
  inverse_.reset();
  if (kurve_) inverse_ = Invertiert(*kurve_);
  Geaendert();
}

void TOrtskurvenFlaeche::SetzeDarstellung(bool frequenzgang, bool dezibel,
                                          Ortskurve::Inversion inversion) {
  if (frequenzgang == frequenzgang_ && dezibel == dezibel_ && inversion == inversion_) return;
  frequenzgang_ = frequenzgang;
  dezibel_ = dezibel;
  inversion_ = inversion;
  Geaendert();
}

void TOrtskurvenFlaeche::Geaendert() {
  felder_.reset();
  bild_ = QPixmap();
  update();
}

void TOrtskurvenFlaeche::NeuAufbauen() {
  Geaendert();
  Felder();
}

std::vector<TOrtskurvenFlaeche::Feld> TOrtskurvenFlaeche::BaueFelder(QSize groesse) const {
  std::vector<Feld> felder;
  if (!kurve_) return felder;
  const int n = inversion_ == Ortskurve::Inversion::Daneben ? 2 : 1;
  const double breite = double(groesse.width()) / n, hoehe = groesse.height();
  const QFontMetricsF fm(font());
  auto messe = [&fm](const std::string& text) {
    return Flaeche{fm.horizontalAdvance(U(text)) + 6, fm.height() + 2};
  };
  for (int i = 0; i < n; ++i) {
    Feld f;
    f.invertiert = inversion_ == Ortskurve::Inversion::Statt || i == 1;
    f.rahmen = QRectF(i * breite, 0, breite, hoehe);
    const Kurve& k = f.invertiert ? *inverse_ : *kurve_;
    const Flaeche fl{breite, hoehe};
    if (frequenzgang_) {
      // Room on the right for half of the last frequency's label.
      FrequenzgangMasse m;
      m.rechts = 30.0;
      f.gang = BaueFrequenzgang(k, fl, dezibel_, m);
    } else {
      // Room at the top for the panel's name.
      OrtskurvenMasse m;
      m.rand = 40.0;
      f.ort = BaueOrtskurve(k, PasseOrtskurveEin(k, fl, m.rand), fl, messe, m);
    }
    felder.push_back(std::move(f));
  }
  return felder;
}

const std::vector<TOrtskurvenFlaeche::Feld>& TOrtskurvenFlaeche::Felder() const {
  if (!felder_) felder_ = BaueFelder(size());
  return *felder_;
}

std::optional<Kurventreffer> TOrtskurvenFlaeche::TrefferAn(QPoint p) const {
  for (const Feld& f : Felder()) {
    if (!f.rahmen.contains(p)) continue;
    const ZPunkt lokal{p.x() - f.rahmen.left(), p.y() - f.rahmen.top()};
    const Kurvenstelle* s = nullptr;
    if (f.ort) {
      const int i = StelleUnter(*f.ort, lokal, kTrefferToleranz);
      if (i >= 0) s = &f.ort->stellen[static_cast<std::size_t>(i)];
    } else if (f.gang) {
      const QRectF b = Q(f.gang->betrag.rahmen), ph = Q(f.gang->phase.rahmen);
      const bool drin = (lokal.y >= b.top() && lokal.y <= b.bottom()) ||
                        (lokal.y >= ph.top() && lokal.y <= ph.bottom());
      const int i = drin ? StelleBeiX(*f.gang, lokal.x) : -1;
      if (i >= 0) s = &f.gang->stellen[static_cast<std::size_t>(i)];
    }
    if (!s) return std::nullopt;
    const Kurve& k = f.invertiert ? *inverse_ : *kurve_;
    Kurventreffer t;
    t.f = s->f;
    t.invertiert = f.invertiert;
    t.punkt = s->marke >= 0 ? k.marken[static_cast<std::size_t>(s->marke)]
                            : k.punkte[static_cast<std::size_t>(s->punkt)];
    return t;
  }
  return std::nullopt;
}

std::optional<QPoint> TOrtskurvenFlaeche::PixelVon(long double f) const {
  const std::vector<Feld>& felder = Felder();
  if (felder.empty()) return std::nullopt;
  const Feld& feld = felder.front();
  const std::vector<Kurvenstelle>& stellen = feld.ort ? feld.ort->stellen : feld.gang->stellen;
  const Kurvenstelle* best = nullptr;
  for (const Kurvenstelle& s : stellen)
    if (!best || std::fabs(s.f - f) < std::fabs(best->f - f)) best = &s;
  if (!best) return std::nullopt;
  return QPointF(feld.rahmen.left() + best->pixel.x, feld.rahmen.top() + best->pixel.y).toPoint();
}

void TOrtskurvenFlaeche::Zeichne(QPainter& p, QSize groesse) const {
  const std::vector<Feld> eigene = groesse == size() ? std::vector<Feld>{} : BaueFelder(groesse);
  const std::vector<Feld>& felder = groesse == size() ? Felder() : eigene;
  p.setFont(font());
  p.fillRect(QRectF(QPointF(0, 0), QSizeF(groesse)), kHintergrund);
  if (felder.empty()) {
    p.setPen(kAchse);
    p.drawText(QRectF(QPointF(0, 0), QSizeF(groesse)), Qt::AlignCenter,
               tr("Noch keine Kurve: links die Quelle und den Bereich wählen."));
    return;
  }
  for (std::size_t i = 0; i < felder.size(); ++i) {
    const Feld& f = felder[i];
    p.save();
    p.translate(f.rahmen.topLeft());
    p.setClipRect(QRectF(QPointF(0, 0), f.rahmen.size()));
    if (f.ort)
      ZeichneOrt(p, f);
    else
      ZeichneGang(p, f);
    // Two panels: each says which it is.
    if (felder.size() > 1 || f.invertiert) {
      QFont fett = font();
      fett.setBold(true);
      p.setFont(fett);
      p.setPen(f.invertiert ? kInverse : kKurve);
      const QString name = f.invertiert ? tr("Kehrwert 1/x") : tr("Kurve x");
      const QFontMetricsF fm(fett);
      const QRectF box(6, 2, fm.horizontalAdvance(name) + 6, fm.height() + 2);
      p.fillRect(box, kHintergrund);
      p.drawText(box, Qt::AlignCenter, name);
      p.setFont(font());
    }
    p.restore();
    if (i > 0) {
      p.setPen(QPen(kAchse, 1));
      p.drawLine(f.rahmen.topLeft(), f.rahmen.bottomLeft());
    }
  }
}

void TOrtskurvenFlaeche::ZeichneOrt(QPainter& p, const Feld& f) const {
  const OrtskurvenSzene& s = *f.ort;
  const double b = f.rahmen.width(), h = f.rahmen.height();
  const QFontMetricsF fm(font());
  ZeichneAchsenkreuz(
      p, {s.teilung, s.reAchseY, s.imAchseX, s.reName, s.imName}, b, h, font(), false,
      [&](const QRectF& r, const QString& text) { p.drawText(r, Qt::AlignCenter, text); });

  const QColor farbe = f.invertiert ? kInverse : kKurve;
  p.setRenderHint(QPainter::Antialiasing, true);
  QPen stift(farbe, 2.0);
  stift.setJoinStyle(Qt::RoundJoin);
  p.setPen(stift);
  for (const std::vector<ZPunkt>& zug : s.zuege) ZeichneZug(p, zug);
  p.setPen(Qt::NoPen);
  p.setBrush(farbe);
  for (const Pfeil& a : s.pfeile) {
    const QPointF kopf[] = {Q(a.spitze), Q(a.links), Q(a.rechts)};
    p.drawPolygon(kopf, 3);
  }
  // The marks: a dot on the curve, the frequency beside it.
  p.setBrush(kMarke);
  for (const GezeichneteMarke& m : s.marken) p.drawEllipse(Q(m.pixel), 3.0, 3.0);
  p.setBrush(Qt::NoBrush);
  for (const GezeichneteMarke& m : s.marken) {
    const QRectF r = Q(m.box);
    if (r.isEmpty()) continue;
    p.fillRect(r, kHintergrund);
    p.setPen(kMarke);
    p.drawText(r, Qt::AlignCenter, U(m.text));
  }
}

void TOrtskurvenFlaeche::ZeichneGang(QPainter& p, const Feld& f) const {
  const FrequenzgangSzene& s = *f.gang;
  const QFontMetricsF fm(font());
  const QColor farbe = f.invertiert ? kInverse : kKurve;
  for (const Diagrammfeld* feld : {&s.betrag, &s.phase}) {
    const QRectF r = Q(feld->rahmen);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (const Achsstrich& t : s.fStriche) {
      p.setPen(QPen(t.text.empty() ? kGitter.lighter(104) : kGitter, 1));
      p.drawLine(QPointF(t.pixel, r.top()), QPointF(t.pixel, r.bottom()));
    }
    for (const Achsstrich& t : feld->striche) {
      p.setPen(QPen(kGitter, 1));
      p.drawLine(QPointF(r.left(), t.pixel), QPointF(r.right(), t.pixel));
      if (t.text.empty()) continue;
      p.setPen(kAchse);
      p.drawText(QRectF(0, t.pixel - fm.height() / 2, r.left() - 5, fm.height()),
                 Qt::AlignRight | Qt::AlignVCenter, U(t.text));
    }
    p.setPen(QPen(kAchse, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r);
    QFont fett = font();
    fett.setBold(true);
    p.setFont(fett);
    p.drawText(QRectF(r.left(), r.top() - fm.height() - 3, r.width(), fm.height() + 2),
               Qt::AlignRight | Qt::AlignVCenter, U(feld->titel));
    p.setFont(font());
    p.save();
    p.setClipRect(r.adjusted(-1, -1, 1, 1), Qt::IntersectClip);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(farbe, 2.0));
    for (const std::vector<ZPunkt>& zug : feld->zuege) ZeichneZug(p, zug);
    p.setPen(Qt::NoPen);
    p.setBrush(kMarke);
    for (const ZPunkt& m : feld->marken) p.drawEllipse(Q(m), 3.0, 3.0);
    p.restore();
  }
  // The frequency axis's labels under the lower panel.
  const QRectF unten = Q(s.phase.rahmen);
  p.setPen(kAchse);
  for (const Achsstrich& t : s.fStriche) {
    if (t.text.empty()) continue;
    const QString text = U(t.text);
    const double w = fm.horizontalAdvance(text);
    p.drawText(QRectF(t.pixel - w / 2 - 2, unten.bottom() + 3, w + 4, fm.height()), Qt::AlignCenter,
               text);
  }
}

void TOrtskurvenFlaeche::paintEvent(QPaintEvent* /*e*/) {
  QPainter p(this);
  p.drawPixmap(0, 0,
               GepuffertesBild(*this, bild_, [this](QPainter& m, QSize g) { Zeichne(m, g); }));
}

void TOrtskurvenFlaeche::resizeEvent(QResizeEvent* /*e*/) {
  felder_.reset();
  bild_ = QPixmap();
}

void TOrtskurvenFlaeche::mouseReleaseEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  if (const std::optional<Kurventreffer> t = TrefferAn(e->position().toPoint())) emit Geklickt(*t);
}

bool TOrtskurvenFlaeche::event(QEvent* e) {
  if (e->type() == QEvent::MouseMove) {
    const auto* m = static_cast<QMouseEvent*>(e);
    setCursor(TrefferAn(m->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
  }
  if (e->type() == QEvent::ToolTip) {
    auto* hilfe = static_cast<QHelpEvent*>(e);
    const std::optional<Kurventreffer> t = TrefferAn(hilfe->pos());
    if (!t || !erklaerung) {
      QToolTip::hideText();
      e->ignore();
    } else {
      QToolTip::showText(hilfe->globalPos(), erklaerung(*t), this);
    }
    return true;
  }
  return QWidget::event(e);
}

// ---------------------------------------------------------------------------
// The page

TOrtskurvenseite::TOrtskurvenseite(QWidget* eltern) : QWidget(eltern) {
  setAccessibleName(tr("Ortskurve"));
}

TOrtskurvenseite::~TOrtskurvenseite() = default;

void TOrtskurvenseite::VerbindeModell() {
  Modell& m = *m_;
  // Before the page is built there is nothing to follow: it reads the
  // model when it is built.
  connect(&m, &Modell::OrtskurveGeaendert, this, [this] {
    if (!Diagramm || zeigt_) return;
    ZeigeEinstellungen();
    Vormerken();
  });
  connect(&m.Schaltung(), &Schaltungsfeld::NetzlisteGeaendert, this, [this] {
    if (!Diagramm) return;
    FuelleKnoten();
    if (m_->Ortskurve().quelle == Ortskurve::Quelle::Schaltung) Vormerken();
  });
  // A formula reads K1..K20 and G1..G20.
  connect(&m.Speicher(), &Variablenspeicher::ZeileGeaendert, this, [this] {
    if (Diagramm && m_->Ortskurve().quelle == Ortskurve::Quelle::Formel) Vormerken();
  });
}

void TOrtskurvenseite::showEvent(QShowEvent* e) {
  Baue();
  QWidget::showEvent(e);
}

void TOrtskurvenseite::Baue() {
  if (Diagramm) return;
  auto auswahl = [this](const char* name, const QString& zugang, QStringList eintraege) {
    auto* c = new QComboBox(this);
    c->setObjectName(QLatin1String(name));
    c->addItems(eintraege);
    c->setAccessibleName(zugang);
    return c;
  };
  auto feld = [this](const char* name, const QString& zugang) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(name));
    e->setAccessibleName(zugang);
    return e;
  };
  Quelle_Auswahl = auswahl("Quelle_Auswahl", tr("Quelle der Kurve"),
                           {tr("Formel in f und ω"), tr("Schaltung der Seite „Schaltung“")});
  Formel_Edit = feld("Formel_Edit", tr("Formel der Kurve"));
  Formel_Edit->setMaxLength(255);
  Formel_Edit->setToolTip(
      tr("Wie im Rechenfeld, dazu f (Frequenz in Hz) und ω oder omega (1/s), "
         "z. B. 100 + j*omega*0,1"));
  Groesse_Auswahl = auswahl("Groesse_Auswahl", tr("Größe der Schaltung"),
                            {tr("Impedanz Z zwischen a und b"), tr("Übertragung U(a)/U(b)")});
  KnotenA_Auswahl = auswahl("KnotenA_Auswahl", tr("Knoten a"), {});
  KnotenB_Auswahl = auswahl("KnotenB_Auswahl", tr("Knoten b"), {});
  for (QComboBox* c : {KnotenA_Auswahl, KnotenB_Auswahl}) {
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->lineEdit()->setPlaceholderText(tr("automatisch"));
  }
  Von_Edit = feld("Von_Edit", tr("Frequenz von"));
  Bis_Edit = feld("Bis_Edit", tr("Frequenz bis"));
  Punkte_Edit = feld("Punkte_Edit", tr("Anzahl der Punkte"));
  Von_Edit->setToolTip(tr("In Hz, mit Vorsatz: 10, 2,5k, 1 MHz"));
  Bis_Edit->setToolTip(Von_Edit->toolTip());
  Punkte_Edit->setToolTip(tr("2 bis 10000 Punkte"));
  Schritte_Auswahl =
      auswahl("Schritte_Auswahl", tr("Schritte"), {tr("logarithmisch"), tr("linear")});
  Bezifferung_Auswahl = auswahl("Bezifferung_Auswahl", tr("Bezifferung"),
                                {tr("keine"), tr("Dekaden"), tr("gewählte Frequenzen")});
  Marken_Edit = feld("Marken_Edit", tr("Gewählte Frequenzen der Bezifferung"));
  Marken_Edit->setToolTip(tr("Frequenzen mit Semikolon getrennt: 50; 100; 1,5k"));
  Ansicht_Auswahl =
      auswahl("Ansicht_Auswahl", tr("Ansicht"), {tr("Ortskurve"), tr("Frequenzgang")});
  Betrag_Auswahl =
      auswahl("Betrag_Auswahl", tr("Betrag im Frequenzgang"), {tr("in dB"), tr("linear")});
  Inversion_Auswahl = auswahl("Inversion_Auswahl", tr("Inversion"),
                              {tr("aus"), tr("Kehrwert daneben"), tr("nur Kehrwert")});
  Inversion_Auswahl->setToolTip(tr("Die Kurve 1/x (Impedanz ↔ Admittanz) mit denselben Marken"));
  Export_Button = new QPushButton(tr("Exportieren…"), this);
  Export_Button->setObjectName(QStringLiteral("Export_Button"));
  Export_Button->setToolTip(tr("Das Bild als PNG oder SVG, die Punkte als CSV"));
  Meldung_Label = new QLabel(this);
  Meldung_Label->setObjectName(QStringLiteral("Meldung_Label"));
  Meldung_Label->setWordWrap(true);
  Meldung_Label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  Meldung_Label->setAccessibleName(tr("Meldung"));
  QPalette rot = Meldung_Label->palette();
  rot.setColor(QPalette::WindowText, kFehler);
  Meldung_Label->setPalette(rot);
  Diagramm = new TOrtskurvenFlaeche(this);
  Diagramm->setObjectName(QStringLiteral("Diagramm"));
  Diagramm->setContextMenuPolicy(Qt::CustomContextMenu);
  Diagramm->erklaerung = [this](const Kurventreffer& t) { return Erklaerung(t); };

  auto* raster = new QGridLayout;
  raster->setContentsMargins(0, 0, 0, 0);
  raster->setVerticalSpacing(3);
  raster->setHorizontalSpacing(4);
  int zeile = 0;
  auto beschriftet = [&](const QString& text, QWidget* w, QWidget* w2 = nullptr) {
    auto* l = new QLabel(text, this);
    l->setBuddy(w);
    raster->addWidget(l, zeile, 0);
    if (w2) {
      raster->addWidget(w, zeile, 1);
      raster->addWidget(w2, zeile, 2);
    } else {
      raster->addWidget(w, zeile, 1, 1, 2);
    }
    ++zeile;
    return l;
  };
  beschriftet(tr("&Quelle"), Quelle_Auswahl);
  QLabel* formelName = beschriftet(tr("&Formel"), Formel_Edit);
  QLabel* groesseName = beschriftet(tr("&Größe"), Groesse_Auswahl);
  QLabel* knotenName = beschriftet(tr("&a, b"), KnotenA_Auswahl, KnotenB_Auswahl);
  beschriftet(tr("&von, bis"), Von_Edit, Bis_Edit);
  beschriftet(tr("&Punkte"), Punkte_Edit, Schritte_Auswahl);
  beschriftet(tr("Be&zifferung"), Bezifferung_Auswahl);
  beschriftet(tr("&Marken"), Marken_Edit);
  beschriftet(tr("A&nsicht"), Ansicht_Auswahl, Betrag_Auswahl);
  beschriftet(tr("&Inversion"), Inversion_Auswahl);
  raster->addWidget(Export_Button, zeile++, 1, 1, 2);
  raster->addWidget(Meldung_Label, zeile, 0, 1, 3);
  raster->setRowStretch(zeile, 1);
  raster->setColumnStretch(1, 1);
  raster->setColumnStretch(2, 1);
  auto* links = new QWidget(this);
  links->setLayout(raster);
  links->setFixedWidth(270);
  auto* rahmen = new QHBoxLayout(this);
  rahmen->setContentsMargins(4, 4, 4, 4);
  rahmen->addWidget(links);
  rahmen->addWidget(Diagramm, 1);

  // The formula rows or the circuit rows, as the source asks.
  auto quelleZeigen = [=, this] {
    const bool formel = Quelle_Auswahl->currentIndex() == 0;
    formelName->setVisible(formel);
    Formel_Edit->setVisible(formel);
    for (QWidget* w : std::initializer_list<QWidget*>{groesseName, Groesse_Auswahl, knotenName,
                                                      KnotenA_Auswahl, KnotenB_Auswahl})
      w->setVisible(!formel);
    Marken_Edit->setEnabled(Bezifferung_Auswahl->currentIndex() == 2);
    Betrag_Auswahl->setEnabled(Ansicht_Auswahl->currentIndex() == 1);
  };
  connect(Quelle_Auswahl, &QComboBox::currentIndexChanged, this, quelleZeigen);
  connect(Bezifferung_Auswahl, &QComboBox::currentIndexChanged, this, quelleZeigen);
  connect(Ansicht_Auswahl, &QComboBox::currentIndexChanged, this, quelleZeigen);

  FuelleKnoten();
  ZeigeEinstellungen();
  quelleZeigen();

  for (QComboBox* c : {Quelle_Auswahl, Groesse_Auswahl, Schritte_Auswahl, Bezifferung_Auswahl,
                       Ansicht_Auswahl, Betrag_Auswahl, Inversion_Auswahl})
    connect(c, &QComboBox::currentIndexChanged, this, [this] { Uebernehme(); });
  for (QComboBox* c : {KnotenA_Auswahl, KnotenB_Auswahl})
    connect(c, &QComboBox::currentTextChanged, this, [this] { Uebernehme(); });
  for (QLineEdit* e : {Formel_Edit, Von_Edit, Bis_Edit, Punkte_Edit, Marken_Edit})
    connect(e, &QLineEdit::textEdited, this, [this] { Uebernehme(); });
  connect(Diagramm, &TOrtskurvenFlaeche::Geklickt, this,
          [this](const Kurventreffer& t) { NimmAuf(t); });
  connect(Diagramm, &QWidget::customContextMenuRequested, this,
          [this](QPoint p) { ZeigeExportmenue(Diagramm->mapToGlobal(p)); });
  connect(Export_Button, &QPushButton::clicked, this, [this] {
    ZeigeExportmenue(Export_Button->mapToGlobal(QPoint(0, Export_Button->height())));
  });
  // Children added to a shown widget stay hidden unless shown themselves.
  links->show();
  Diagramm->show();
  rahmen->activate();
  Berechne();
}

void TOrtskurvenseite::FuelleKnoten() {
  const NetzlistenErgebnis n = NetzFuerDurchlauf(m_->Schaltung());
  QStringList namen;
  if (n.fehler.empty())
    for (const std::string& k : n.schaltung.knoten) namen << U(k);
  const bool vorher = zeigt_;
  zeigt_ = true;
  for (QComboBox* c : {KnotenA_Auswahl, KnotenB_Auswahl}) {
    // The list follows the circuit; the typed text stays.
    const QString text = c->currentText();
    c->clear();
    c->addItems(namen);
    c->setEditText(text);
  }
  zeigt_ = vorher;
}

void TOrtskurvenseite::ZeigeEinstellungen() {
  const Ortskurve& e = m_->Ortskurve();
  zeigt_ = true;
  auto text = [](QLineEdit* w, const std::string& s) {
    if (w->text() != U(s)) w->setText(U(s));
  };
  Quelle_Auswahl->setCurrentIndex(static_cast<int>(e.quelle));
  text(Formel_Edit, e.formel);
  Groesse_Auswahl->setCurrentIndex(e.verhaeltnis ? 1 : 0);
  KnotenA_Auswahl->setEditText(U(e.knotenA));
  KnotenB_Auswahl->setEditText(U(e.knotenB));
  text(Von_Edit, e.von);
  text(Bis_Edit, e.bis);
  text(Punkte_Edit, e.punkte);
  Schritte_Auswahl->setCurrentIndex(e.logarithmisch ? 0 : 1);
  Bezifferung_Auswahl->setCurrentIndex(static_cast<int>(e.marken));
  text(Marken_Edit, e.gewaehlt);
  Ansicht_Auswahl->setCurrentIndex(e.frequenzgang ? 1 : 0);
  Betrag_Auswahl->setCurrentIndex(e.dezibel ? 0 : 1);
  Inversion_Auswahl->setCurrentIndex(static_cast<int>(e.inversion));
  zeigt_ = false;
  Diagramm->SetzeDarstellung(e.frequenzgang, e.dezibel, e.inversion);
}

void TOrtskurvenseite::Uebernehme() {
  if (zeigt_) return;
  const Ortskurve alt = m_->Ortskurve();
  Ortskurve e = alt;
  e.quelle = static_cast<Ortskurve::Quelle>(Quelle_Auswahl->currentIndex());
  e.formel = S(Formel_Edit->text());
  e.verhaeltnis = Groesse_Auswahl->currentIndex() == 1;
  e.knotenA = S(KnotenA_Auswahl->currentText().trimmed());
  e.knotenB = S(KnotenB_Auswahl->currentText().trimmed());
  e.von = S(Von_Edit->text());
  e.bis = S(Bis_Edit->text());
  e.punkte = S(Punkte_Edit->text());
  e.logarithmisch = Schritte_Auswahl->currentIndex() == 0;
  e.marken = static_cast<Ortskurve::Marken>(Bezifferung_Auswahl->currentIndex());
  e.gewaehlt = S(Marken_Edit->text());
  e.frequenzgang = Ansicht_Auswahl->currentIndex() == 1;
  e.dezibel = Betrag_Auswahl->currentIndex() == 0;
  e.inversion = static_cast<Ortskurve::Inversion>(Inversion_Auswahl->currentIndex());
  zeigt_ = true;
  m_->SetzeOrtskurve(e);
  zeigt_ = false;
  Diagramm->SetzeDarstellung(e.frequenzgang, e.dezibel, e.inversion);
  // What is shown changes the drawing only; the rest asks for a new curve.
  Ortskurve nurAnsicht = e;
  nurAnsicht.frequenzgang = alt.frequenzgang;
  nurAnsicht.dezibel = alt.dezibel;
  nurAnsicht.inversion = alt.inversion;
  if (!(nurAnsicht == alt)) Vormerken();
}

void TOrtskurvenseite::Vormerken() {
  // Several changes in one handler (a file opened) compute once.
  if (vorgemerkt_ || !Diagramm) return;
  vorgemerkt_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        vorgemerkt_ = false;
        Berechne();
      },
      Qt::QueuedConnection);
}

void TOrtskurvenseite::ZeigeMeldung(const QString& text) {
  meldung_ = text;
  if (Meldung_Label) Meldung_Label->setText(text);
}

void TOrtskurvenseite::Berechne() {
  if (!Diagramm) {
    Baue();
    return;
  }
  const Ortskurve& e = m_->Ortskurve();
  const Bereichslesung b = LiesBereich(e.von, e.bis, e.punkte, e.logarithmisch);
  if (!b.bereich) return ZeigeMeldung(U(b.meldung));
  std::vector<long double> marken;
  if (e.marken == Ortskurve::Marken::Dekaden) {
    marken = Dekadenmarken(*b.bereich);
  } else if (e.marken == Ortskurve::Marken::Gewaehlt) {
    const Markenlesung ml = LiesMarken(e.gewaehlt, *b.bereich);
    if (!ml.marken) return ZeigeMeldung(U(ml.meldung));
    marken = *ml.marken;
  }

  std::unique_ptr<Kurvenquelle> quelle;
  QString hinweis;
  if (e.quelle == Ortskurve::Quelle::Formel) {
    const Variablenspeicher& sp = m_->Speicher();
    auto q =
        std::make_unique<Formelquelle>(sp.Werte(aufgabe::Seite::K), sp.Werte(aufgabe::Seite::G));
    if (QString::fromStdString(e.formel).trimmed().isEmpty())
      return ZeigeMeldung(tr("Bitte eine Formel in f oder ω eingeben."));
    const std::string fehler = q->Uebersetze(NachAnsi(U(e.formel)));
    if (!fehler.empty()) return ZeigeMeldung(U(fehler));
    if (!q->NutztFrequenz())
      hinweis = tr("Die Formel enthält weder f noch ω: die Kurve ist ein Punkt.");
    quelle = std::move(q);
  } else {
    const Schaltungsfeld& sf = m_->Schaltung();
    if (sf.Netzliste().trimmed().isEmpty())
      return ZeigeMeldung(tr("Auf der Seite „Schaltung“ ist noch keine Netzliste eingegeben."));
    const NetzlistenErgebnis netz = NetzFuerDurchlauf(sf);
    if (!netz.fehler.empty())
      return ZeigeMeldung(tr("Die Netzliste der Seite „Schaltung“ hat Fehler: %1")
                              .arg(U(netz.fehler.front().text)));
    const Schaltung& s = netz.schaltung;
    const int n = static_cast<int>(s.knoten.size());
    // Without a choice: the impedance from node 1 to ground, the ratio of
    // the last node to node 1 (output over input in the usual numbering).
    auto knoten = [&](const std::string& name, int vorgabe) {
      if (name.empty()) return std::min(vorgabe, n - 1);
      const QString gesucht = U(name);
      for (int i = 0; i < n; ++i)
        if (U(s.knoten[static_cast<std::size_t>(i)]).compare(gesucht, Qt::CaseInsensitive) == 0)
          return i;
      return -1;
    };
    const int a = knoten(e.knotenA, e.verhaeltnis ? n - 1 : 1);
    const int bk = knoten(e.knotenB, e.verhaeltnis ? 1 : 0);
    for (const auto& [index, name] : {std::pair{a, e.knotenA}, std::pair{bk, e.knotenB}})
      if (index < 0)
        return ZeigeMeldung(tr("Den Knoten „%1“ gibt es in der Netzliste nicht.").arg(U(name)));
    auto q = std::make_unique<Schaltungsquelle>(
        s, e.verhaeltnis ? KennwertArt::Verhaeltnis : KennwertArt::Impedanz, a, bk);
    if (const std::string h = q->Hindernis(); !h.empty()) return ZeigeMeldung(U(h));
    quelle = std::move(q);
  }

  Kurvenergebnis k = BerechneKurve(*quelle, *b.bereich, marken);
  if (!k.kurve) return ZeigeMeldung(U(k.meldung));
  quelle_ = std::move(quelle);
  ZeigeMeldung({});
  if (Meldung_Label) Meldung_Label->setText(hinweis);
  Diagramm->SetzeKurve(std::move(k.kurve));
}

Kurvenpunkt TOrtskurvenseite::GenauerPunkt(const Kurventreffer& t) {
  if (!quelle_) return t.punkt;
  const Kurvenpunkt p = quelle_->GenauerWert(t.f);
  return t.invertiert ? Kehrwert(p) : p;
}

QString TOrtskurvenseite::Erklaerung(const Kurventreffer& t) {
  const Kurvenpunkt p = GenauerPunkt(t);
  QString text = QStringLiteral("f = ") + U(FrequenzText(t.f));
  if (!p.gueltig) {
    // A zero has no reciprocal; else the source says why.
    const bool null = t.invertiert && quelle_ && quelle_->GenauerWert(t.f).gueltig;
    return text + u'\n' +
           tr("kein Wert: %1")
               .arg(null      ? tr("0 hat keinen Kehrwert.")
                    : quelle_ ? U(quelle_->Grund())
                              : QString());
  }
  const int format = m_->ZahlenFormat();
  return text + QStringLiteral("\n") +
         (t.invertiert ? QStringLiteral("1/x = ") : QStringLiteral("x = ")) +
         AusAnsi(ExponentialText(p.wert, format)) + QStringLiteral("  =  ") +
         AusAnsi(KomponentenText(p.wert, format)) + u'\n' +
         tr("Klick: Wert in den ersten freien Speicher");
}

void TOrtskurvenseite::NimmAuf(const Kurventreffer& t) {
  const Kurvenpunkt p = GenauerPunkt(t);
  if (!p.gueltig) return;
  Variablenspeicher& speicher = m_->Speicher();
  const int frei = speicher.ErsteFreieZeile();
  if (frei == 0) {
    TApplication::MessageBox(
        tr("Alle 20 Speicher K1..K20 enthalten schon Werte. Bitte zuerst einen "
           "Speicher löschen."),
        tr("Achtung!"), MB_OK);
    return;
  }
  // As a drop of a shown result on the memory's value cell: its text, the
  // full value behind it, K the typed side, the comment untouched.
  speicher.Setze(aufgabe::Seite::K, frei, AusAnsi(ExponentialText(p.wert, m_->ZahlenFormat())),
                 p.wert);
}

QImage TOrtskurvenseite::Bild() {
  Baue();
  QImage bild(Diagramm->size(), QImage::Format_ARGB32);
  bild.fill(Qt::white);
  QPainter p(&bild);
  Diagramm->Zeichne(p, Diagramm->size());
  return bild;
}

bool TOrtskurvenseite::SpeichereAlsPng(const QString& datei) {
  return SpeicherePng(datei, Bild());
}

bool TOrtskurvenseite::SpeichereAlsSvg(const QString& datei) {
  Baue();
  const QSize groesse = Diagramm->size();
  return SpeichereSvg(datei, groesse, tr("Ortskurve"),
                      [this, groesse](QPainter& p) { Diagramm->Zeichne(p, groesse); });
}

bool TOrtskurvenseite::SpeichereAlsCsv(const QString& datei, QString& grund) {
  Baue();
  const std::optional<Kurve>& k = Diagramm->Gezeichnet();
  if (!k || !quelle_) {
    grund = tr("Es ist noch keine Kurve berechnet.");
    return false;
  }
  // The table of what is drawn: the inverse where only it is shown.
  const bool invertiert = m_->Ortskurve().inversion == Ortskurve::Inversion::Statt;
  auto genau = [this, invertiert](long double f) {
    const Kurvenpunkt p = quelle_->GenauerWert(f);
    return invertiert ? Kehrwert(p) : p;
  };
  const std::string text = CsvText(invertiert ? Invertiert(*k) : *k, genau);
  if (!SchreibeGanz(datei, QByteArray::fromStdString(text))) {
    grund = tr("Die Datei „%1“ konnte nicht geschrieben werden.").arg(datei);
    return false;
  }
  return true;
}

void TOrtskurvenseite::SpeichereMitDialog(int art) {
  const QString name = tr("Ortskurve");
  const QString datei = art < 2
                            ? FrageBilddatei(this, art == 1, name)
                            : FrageExportdatei(this, tr("Punkte als CSV speichern"), name,
                                               QStringLiteral(".csv"), tr("CSV-Tabelle (*.csv)"));
  if (datei.isEmpty()) return;
  if (art < 2) {
    if (!(art == 1 ? SpeichereAlsSvg(datei) : SpeichereAlsPng(datei)))
      MeldeBildNichtGespeichert(datei);
    return;
  }
  QString grund;
  if (!SpeichereAlsCsv(datei, grund)) TApplication::MessageBox(grund, tr("Achtung!"), MB_OK);
}

void TOrtskurvenseite::ZeigeExportmenue(QPoint global) {
  QMenu menue(this);
  menue.addAction(tr("Als PNG speichern…"), this, [this] { SpeichereMitDialog(0); });
  menue.addAction(tr("Als SVG speichern…"), this, [this] { SpeichereMitDialog(1); });
  menue.addAction(tr("Punkte als CSV speichern…"), this, [this] { SpeichereMitDialog(2); });
  menue.exec(global);
}
