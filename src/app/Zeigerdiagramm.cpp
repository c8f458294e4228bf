// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zeigerdiagramm.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QMenu>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStaticText>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>
#include <map>
#include <utility>

#include "Achsenkreuz.h"
#include "Bildexport.h"
#include "app/Ziehen.h"
#include "app/Zwischenablage.h"
#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "forms/Anwendung.h"
#include "forms/Steuerelemente.h"
#include "modell/Modell.h"
#include "modell/Text.h"

namespace {

// A hover counts within this many pixels of an arrow.
constexpr double kTrefferToleranz = 5.0;
// A wheel notch (120) zooms by a fifth.
constexpr double kRadFaktorProStufe = 1.2;
// Comments are long; the arrow's label keeps their start.
constexpr int kKommentarZeichen = 24;
// A message quotes at most this much of a text that is no value.
constexpr int kZitatZeichen = 60;

Flaeche F(QSize s) {
  return {double(s.width()), double(s.height())};
}

// List rows as the standard delegate draws them, but with each row's text
// laid out once: the standard one shapes every visible text at every paint,
// which made the list cost more than the whole drawing.
class TZeilenDelegat : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* p, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    QStyleOptionViewItem o(option);
    initStyleOption(&o, index);
    const QString text = o.text;
    o.text.clear();
    const QWidget* w = o.widget;
    QStyle* stil = w ? w->style() : QApplication::style();
    stil->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
    const QRect platz = stil->subElementRect(QStyle::SE_ItemViewItemText, &o, w);
    const int links = platz.left() + 3, breite = o.rect.right() - links - 2;
    if (breite <= 0 || text.isEmpty()) return;
    if (texte_.size() > 500) texte_.clear();
    const auto schluessel = std::make_pair(text, breite);
    auto it = texte_.find(schluessel);
    if (it == texte_.end()) {
      QStaticText st(QFontMetrics(o.font).elidedText(text, Qt::ElideRight, breite));
      st.setTextFormat(Qt::PlainText);
      st.prepare(QTransform(), o.font);
      it = texte_.emplace(schluessel, st).first;
    }
    const bool gewaehlt = o.state & QStyle::State_Selected;
    p->save();
    p->setFont(o.font);
    p->setPen(o.palette.color(gewaehlt ? QPalette::HighlightedText : QPalette::Text));
    p->drawStaticText(QPointF(links, o.rect.center().y() + 1 - it->second.size().height() / 2),
                      it->second);
    p->restore();
  }

 private:
  mutable std::map<std::pair<QString, int>, QStaticText> texte_;
};

// The drags the page takes: every shown value but the memory's own, as a
// drop on the K memory's value cell takes them.
bool NimmtAuf(const QWidget* quelle) {
  const std::optional<Ort> ort = OrtVon(quelle);
  return ort && Ziehregel(Ort::K, *ort) == Folge::Kopie;
}

QString Gekuerzt(const QString& text, int zeichen) {
  return text.size() <= zeichen ? text : text.left(zeichen - 1) + QChar(0x2026);
}

}  // namespace

// ---------------------------------------------------------------------------
// The drawing

TZeigerFlaeche::TZeigerFlaeche(QWidget* parent) : QWidget(parent) {
  setFont(DiagrammSchrift());
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAccessibleName(QCoreApplication::translate("TZeigerFlaeche", "Zeigerdiagramm"));
  setAccessibleDescription(QCoreApplication::translate(
      "TZeigerFlaeche",
      "Zeiger der angehakten Werte in der komplexen Ebene; die Liste daneben "
      "nennt jeden Wert in beiden Formen."));
}

QColor TZeigerFlaeche::Farbe(int quelle) {
  switch (quelle) {
    case QuelleSpeicher:
      return {0, 80, 200};
    case QuelleLoesung:
      return {205, 40, 30};
    case QuelleRechenfeld:
      return {0, 140, 60};
    default:  // the chain's closing sum
      return {130, 0, 150};
  }
}

QString TZeigerFlaeche::QuellenName(int quelle) {
  switch (quelle) {
    case QuelleSpeicher:
      return QCoreApplication::translate("TZeigerFlaeche", "Speicher K");
    case QuelleLoesung:
      return QCoreApplication::translate("TZeigerFlaeche", "Lösungen X");
    case QuelleRechenfeld:
      return QCoreApplication::translate("TZeigerFlaeche", "Rechenfeld ZK");
    default:
      return QCoreApplication::translate("TZeigerFlaeche", "Summe der Zeigerkette");
  }
}

void TZeigerFlaeche::SetzeEintraege(std::vector<Eintrag> eintraege,
                                    const QString& summenErklaerung) {
  eintraege_ = std::move(eintraege);
  summenErklaerung_ = summenErklaerung;
  Geaendert();
}

void TZeigerFlaeche::SetzeKette(bool an) {
  if (kette_ == an) return;
  kette_ = an;
  Geaendert();
}

void TZeigerFlaeche::Einpassen() {
  automatisch_ = true;
  Geaendert();
}

void TZeigerFlaeche::Geaendert() {
  szene_.reset();
  bild_ = QPixmap();
  update();
}

Ansicht TZeigerFlaeche::SichtFuer(QSize groesse) const {
  if (!automatisch_) return ansicht_;
  std::vector<Zeigereintrag> e;
  for (const Eintrag& x : eintraege_) e.push_back({x.re, x.im, {}, x.quelle});
  return ::Einpassen(SichtbarePunkte(e, kette_), F(groesse), SzenenMasse{}.rand);
}

std::vector<int> TZeigerFlaeche::LegendenQuellen() const {
  bool da[3] = {false, false, false};
  int endliche = 0;
  for (const Eintrag& e : eintraege_) {
    if (!std::isfinite(e.re) || !std::isfinite(e.im)) continue;
    ++endliche;
    if (e.quelle >= 0 && e.quelle < 3) da[e.quelle] = true;
  }
  std::vector<int> quellen;
  for (int q = 0; q < 3; ++q)
    if (da[q]) quellen.push_back(q);
  if (kette_ && endliche >= 2) quellen.push_back(kSummenQuelle);
  return quellen;
}

QSizeF TZeigerFlaeche::LegendenGroesse(const std::vector<int>& quellen) const {
  if (quellen.empty()) return {};
  const QFontMetricsF fm(font());
  double breite = 0;
  for (int q : quellen) breite = std::max(breite, fm.horizontalAdvance(QuellenName(q)));
  return {breite + 30, quellen.size() * (fm.height() + 2) + 8};
}

Szene TZeigerFlaeche::BaueSzeneFuer(QSize groesse) const {
  std::vector<Zeigereintrag> e;
  e.reserve(eintraege_.size());
  for (const Eintrag& x : eintraege_)
    e.push_back({x.re, x.im, x.beschriftung.toStdString(), x.quelle});
  const QFontMetricsF fm(font());
  auto messe = [this, &fm](const std::string& text) {
    // Labels seldom change while values do; shaping a text is the costly part.
    if (breiten_.size() > 1000) breiten_.clear();
    auto it = breiten_.find(text);
    if (it == breiten_.end())
      it = breiten_.emplace(text, fm.horizontalAdvance(QString::fromStdString(text))).first;
    return Flaeche{it->second + 6, fm.height() + 2};
  };
  const QSizeF legende = LegendenGroesse(LegendenQuellen());
  return BaueSzene(e, kette_, SichtFuer(groesse), F(groesse), messe,
                   {legende.width(), legende.height()});
}

const Szene& TZeigerFlaeche::AktuelleSzene() const {
  if (!szene_) szene_ = BaueSzeneFuer(size());
  return *szene_;
}

QString TZeigerFlaeche::ErklaerungAn(QPoint p) const {
  const Szene& s = AktuelleSzene();
  const int i = PfeilUnter(s, {double(p.x()), double(p.y())}, kTrefferToleranz);
  if (i < 0) return {};
  const int eintrag = s.pfeile[static_cast<std::size_t>(i)].eintrag;
  if (eintrag < 0) return summenErklaerung_;
  return eintraege_[static_cast<std::size_t>(eintrag)].erklaerung;
}

void TZeigerFlaeche::Zeichne(QPainter& p, QSize groesse) const {
  const Szene eigene = groesse == size() ? Szene{} : BaueSzeneFuer(groesse);
  const Szene& s = groesse == size() ? AktuelleSzene() : eigene;
  const double b = groesse.width(), h = groesse.height();
  p.setFont(font());
  const QFontMetricsF fm(font());
  p.fillRect(QRectF(0, 0, b, h), kHintergrund);

  // Grid, axes and ticks.
  ZeichneAchsenkreuz(p, {s.teilung, s.reAchseY, s.imAchseX, s.reName, s.imName}, b, h, font(), true,
                     [&](const QRectF& r, const QString& text) { ZeichneMittig(p, r, text); });

  // Arrows, then their labels on top.
  p.setRenderHint(QPainter::Antialiasing, true);
  for (const GezeichneterPfeil& g : s.pfeile) {
    const QColor farbe = Farbe(g.quelle);
    const Pfeil& a = g.pfeil;
    if (a.punkt) {
      p.setPen(Qt::NoPen);
      p.setBrush(farbe);
      p.drawEllipse(Q(a.spitze), 3.5, 3.5);
      continue;
    }
    QPen stift(farbe, g.quelle == kSummenQuelle ? 2.5 : 2.0);
    stift.setCapStyle(Qt::FlatCap);
    p.setPen(stift);
    if (a.schaftEnde.x != a.anfang.x || a.schaftEnde.y != a.anfang.y)
      p.drawLine(Q(a.anfang), Q(a.schaftEnde));
    p.setPen(Qt::NoPen);
    p.setBrush(farbe);
    const QPointF kopf[] = {Q(a.spitze), Q(a.links), Q(a.rechts)};
    p.drawPolygon(kopf, 3);
  }
  p.setBrush(Qt::NoBrush);
  for (const GezeichneterPfeil& g : s.pfeile) {
    const QRectF r = Q(g.beschriftungsBox);
    if (r.isEmpty()) continue;
    // A label pushed away from its tip keeps a thin line to it.
    const QPointF spitze = Q(g.pfeil.spitze);
    const QPointF naechster(std::clamp(spitze.x(), r.left(), r.right()),
                            std::clamp(spitze.y(), r.top(), r.bottom()));
    if (QLineF(spitze, naechster).length() > 12) {
      p.setPen(QPen(Farbe(g.quelle).lighter(150), 1));
      p.drawLine(spitze, naechster);
    }
    // Opaque: a label is read, not the grid under it (and blending costs).
    p.fillRect(r, kHintergrund);
    p.setPen(Farbe(g.quelle).darker(120));
    ZeichneMittig(p, r, QString::fromStdString(g.beschriftung));
  }

  // Legend.
  const std::vector<int> quellen = LegendenQuellen();
  if (!quellen.empty()) {
    const QRectF box = Q(s.legende);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(190, 190, 190), 1));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawRect(box);
    double y = box.top() + 4;
    for (int q : quellen) {
      p.fillRect(QRectF(box.left() + 6, y + fm.height() / 2 - 5, 14, 10), Farbe(q));
      p.setPen(kAchse);
      p.drawText(QRectF(box.left() + 24, y, box.width() - 26, fm.height()),
                 Qt::AlignLeft | Qt::AlignVCenter, QuellenName(q));
      y += fm.height() + 2;
    }
  } else {
    p.setPen(kAchse);
    p.drawText(QRectF(0, 0, b, h / 2), Qt::AlignCenter,
               QCoreApplication::translate("TZeigerFlaeche",
                                           "Keine Werte angehakt: die Liste links wählt sie aus."));
  }
}

void TZeigerFlaeche::ZeichneMittig(QPainter& p, const QRectF& r, const QString& text) const {
  // On the screen the laid-out texts are kept: a repaint then only draws
  // glyphs. Exports lay out afresh, so that SVG keeps real text.
  if (p.paintEngine()->type() != QPaintEngine::Raster) {
    p.drawText(r, Qt::AlignCenter, text);
    return;
  }
  if (texte_.size() > 500) texte_.clear();
  auto it = texte_.find(text);
  if (it == texte_.end()) {
    QStaticText st(text);
    st.setTextFormat(Qt::PlainText);
    st.prepare(QTransform(), p.font());
    it = texte_.emplace(text, st).first;
  }
  const QSizeF g = it->second.size();
  p.drawStaticText(QPointF(r.center().x() - g.width() / 2, r.center().y() - g.height() / 2),
                   it->second);
}

void TZeigerFlaeche::paintEvent(QPaintEvent* /*e*/) {
  QPainter p(this);
  p.drawPixmap(0, 0,
               GepuffertesBild(*this, bild_, [this](QPainter& m, QSize g) { Zeichne(m, g); }));
  if (hasFocus()) {
    // The drawing is always white: a dark frame, in the highlight colour
    // where that stands out against white.
    const QColor hervor = palette().color(QPalette::Highlight);
    const QColor rahmen = Kontrastverhaeltnis(hervor, kHintergrund) >= 3.0 ? hervor : kAchse;
    p.setPen(QPen(rahmen, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void TZeigerFlaeche::resizeEvent(QResizeEvent* /*e*/) {
  szene_.reset();
  bild_ = QPixmap();
}

void TZeigerFlaeche::wheelEvent(QWheelEvent* e) {
  const double stufen = e->angleDelta().y() / 120.0;
  if (stufen == 0.0) return;
  const QPointF m = e->position();
  ansicht_ =
      Zoome(SichtFuer(size()), F(size()), std::pow(kRadFaktorProStufe, stufen), {m.x(), m.y()});
  automatisch_ = false;
  Geaendert();
  e->accept();
}

bool TZeigerFlaeche::event(QEvent* e) {
  // The frame that shows the focus comes and goes with it.
  if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) update();
  if (e->type() == QEvent::ToolTip) {
    auto* hilfe = static_cast<QHelpEvent*>(e);
    const QString text = ErklaerungAn(hilfe->pos());
    if (text.isEmpty()) {
      QToolTip::hideText();
      e->ignore();
    } else {
      QToolTip::showText(hilfe->globalPos(), text, this);
    }
    return true;
  }
  return QWidget::event(e);
}

// ---------------------------------------------------------------------------
// The page

TZeigerdiagramm::TZeigerdiagramm(QWidget* eltern) : QWidget(eltern) {
  setFont(DiagrammSchrift());
  connect(Ereignisse(), &TSteuerungsereignisse::ziehenUeber, this,
          [](QWidget* quelle, QPoint, bool& annehmen) { annehmen = NimmtAuf(quelle); });
  connect(Ereignisse(), &TSteuerungsereignisse::abgelegt, this,
          [this](QWidget* quelle, QPoint) { Ablegen(quelle); });
}

void TZeigerdiagramm::VerbindeModell() {
  Modell& m = *m_;
  // The model reports every change of the values, whoever makes it
  // (typing, drops, examples, deleting, solving, a file). Before this page
  // is built there is nothing to follow: it reads every value when built.
  auto vormerken = [this] { Vormerken(); };
  connect(&m.Speicher(), &Variablenspeicher::ZeileGeaendert, this, vormerken);
  connect(m.System().Ergebnisse(), &QAbstractItemModel::dataChanged, this, vormerken);
  connect(&m.System(), &Gleichungssystem::DimensionGeaendert, this, vormerken);
  connect(&m.System(), &Gleichungssystem::UebungGeaendert, this, vormerken);
  connect(&m.Formel(), &Formelfeld::ErgebnisGeaendert, this, vormerken);
  connect(&m, &Modell::FormatGeaendert, this, vormerken);
}

void TZeigerdiagramm::showEvent(QShowEvent* e) {
  Baue();
  QWidget::showEvent(e);
}

void TZeigerdiagramm::Baue() {
  if (Diagramm) return;
  Werte_Liste = new QTreeWidget(this);
  Werte_Liste->setObjectName(QStringLiteral("Werte_Liste"));
  Werte_Liste->setHeaderHidden(true);
  Werte_Liste->setColumnCount(1);
  Werte_Liste->setRootIsDecorated(true);
  // One height for every row: the view then need not measure each text.
  Werte_Liste->setUniformRowHeights(true);
  Werte_Liste->setItemDelegate(new TZeilenDelegat(Werte_Liste));
  Werte_Liste->setAccessibleName(tr("Werte im Zeigerdiagramm"));
  Werte_Liste->setAccessibleDescription(
      tr("Jeder angehakte Wert wird als Zeiger gezeichnet. Strg+C kopiert den Wert, "
         "Strg+V legt einen Wert aus der Zwischenablage im Speicher ab."));
  const char* gruppen[] = {QT_TR_NOOP("Speicher K1..K20"), QT_TR_NOOP("Lösungen X1..Xn"),
                           QT_TR_NOOP("Rechenfeld")};
  for (int q = 0; q < 3; ++q) {
    gruppen_[q] = new QTreeWidgetItem(Werte_Liste, {tr(gruppen[q])});
    QPixmap muster(12, 12);
    muster.fill(TZeigerFlaeche::Farbe(q));
    gruppen_[q]->setIcon(0, QIcon(muster));
    gruppen_[q]->setExpanded(true);
  }

  Kette_CheckBox = new QCheckBox(tr("Zeigerkette"), this);
  Kette_CheckBox->setObjectName(QStringLiteral("Kette_CheckBox"));
  Kette_CheckBox->setToolTip(
      tr("Die angehakten Werte in Listenfolge Kopf an Fuß, mit ihrer Summe"));
  Einpassen_Button = new QPushButton(tr("Einpassen"), this);
  Einpassen_Button->setObjectName(QStringLiteral("Einpassen_Button"));
  Einpassen_Button->setToolTip(tr("Alle Zeiger zeigen (das Mausrad zoomt)"));
  Diagramm = new TZeigerFlaeche(this);
  Diagramm->setObjectName(QStringLiteral("Diagramm"));
  Diagramm->setContextMenuPolicy(Qt::CustomContextMenu);

  auto* links = new QVBoxLayout;
  links->setContentsMargins(0, 0, 0, 0);
  links->addWidget(Werte_Liste, 1);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(Kette_CheckBox);
  knoepfe->addStretch(1);
  knoepfe->addWidget(Einpassen_Button);
  links->addLayout(knoepfe);
  auto* rahmen = new QHBoxLayout(this);
  rahmen->setContentsMargins(4, 4, 4, 4);
  rahmen->addLayout(links);
  rahmen->addWidget(Diagramm, 1);
  Werte_Liste->setFixedWidth(300);

  connect(Werte_Liste, &QTreeWidget::itemChanged, this,
          [this](QTreeWidgetItem* item) { HakenGeaendert(item); });
  connect(Kette_CheckBox, &QCheckBox::toggled, this, [this](bool an) { Diagramm->SetzeKette(an); });
  connect(Einpassen_Button, &QPushButton::clicked, this, [this] { Diagramm->Einpassen(); });
  connect(Diagramm, &QWidget::customContextMenuRequested, this,
          [this](QPoint p) { ZeigeMenue(p); });
  // The list's own Ctrl+C would copy the row's text with its name.
  auto* kopieren = new QShortcut(QKeySequence::Copy, Werte_Liste);
  kopieren->setContext(Qt::WidgetShortcut);
  connect(kopieren, &QShortcut::activated, this, [this] { KopiereWert(); });
  auto* einfuegen = new QShortcut(QKeySequence::Paste, this);
  einfuegen->setContext(Qt::WidgetWithChildrenShortcut);
  connect(einfuegen, &QShortcut::activated, this, [this] { Einfuegen(); });
  // Children added to a shown widget stay hidden unless shown themselves.
  for (QWidget* w : {static_cast<QWidget*>(Werte_Liste), static_cast<QWidget*>(Kette_CheckBox),
                     static_cast<QWidget*>(Einpassen_Button), static_cast<QWidget*>(Diagramm)})
    w->show();
  rahmen->activate();
  Aktualisiere();
}

void TZeigerdiagramm::Vormerken() {
  // Before the page is first shown there is nothing to follow: it reads
  // every value when it is built.
  if (vorgemerkt_ || !Diagramm) return;
  vorgemerkt_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        vorgemerkt_ = false;
        Aktualisiere();
      },
      Qt::QueuedConnection);
}

std::vector<TZeigerdiagramm::Wert> TZeigerdiagramm::SammleWerte() const {
  const int format = m_->ZahlenFormat();
  std::vector<Wert> werte;
  auto neu = [&](QString schluessel, int quelle, const ZKZahl& z, QString name, QString kommentar) {
    werte.push_back({std::move(schluessel), quelle, double(z.Realteil), double(z.Imaginaerteil),
                     std::move(name), std::move(kommentar), AusAnsi(ExponentialText(z, format)),
                     AusAnsi(KomponentenText(z, format))});
  };
  // The memory: what the formulas use, for every readable value cell.
  const Variablenspeicher& speicher = m_->Speicher();
  for (int r = 1; r <= Variablenspeicher::kZeilen; ++r) {
    const std::optional<ZKZahl> z = speicher.Zahl(r);
    if (!z) continue;
    const QString name = QStringLiteral("K%1").arg(r);
    neu(name, QuelleSpeicher, *z, name, speicher.Kommentar(r).trimmed());
  }
  // The solutions shown.
  const std::vector<ZKZahl> x = m_->System().Loesung();
  for (std::size_t i = 0; i < x.size(); ++i) {
    const QString name = QStringLiteral("X%1").arg(i + 1);
    neu(name, QuelleLoesung, x[i], name, {});
  }
  // The formula's result (an error text has no value).
  if (const std::optional<ZKZahl> zk = m_->Formel().Wert())
    neu(QStringLiteral("ZK"), QuelleRechenfeld, *zk, QStringLiteral("ZK"), {});
  return werte;
}

void TZeigerdiagramm::Aktualisiere() {
  if (!Diagramm) {
    Baue();
    return;
  }
  const std::vector<Wert> werte = SammleWerte();
  FuelleListe(werte);

  std::vector<TZeigerFlaeche::Eintrag> eintraege;
  ZKZahl summe;
  int teile = 0;
  for (const Wert& w : werte) {
    if (!haken_[w.schluessel]) continue;
    QString beschriftung = w.name;
    if (!w.kommentar.isEmpty())
      beschriftung += QLatin1Char(' ') + Gekuerzt(w.kommentar, kKommentarZeichen);
    QString erklaerung = w.name;
    if (!w.kommentar.isEmpty()) erklaerung += QStringLiteral(" (") + w.kommentar + u')';
    erklaerung += QStringLiteral(":\n") + w.exponential + QStringLiteral("  =  ") + w.komponenten;
    eintraege.push_back({w.re, w.im, beschriftung, erklaerung, w.quelle});
    if (std::isfinite(w.re) && std::isfinite(w.im)) {
      ZKZahl z;
      z.SetzeKartesisch(w.re, w.im);
      summe += z;
      ++teile;
    }
  }
  QString summenErklaerung;
  if (teile >= 2) {
    const int format = m_->ZahlenFormat();
    summenErklaerung = tr("Summe der Zeigerkette:\n") + AusAnsi(ExponentialText(summe, format)) +
                       QStringLiteral("  =  ") + AusAnsi(KomponentenText(summe, format));
  }
  Diagramm->SetzeEintraege(std::move(eintraege), summenErklaerung);
}

void TZeigerdiagramm::FuelleListe(const std::vector<Wert>& werte) {
  fuellt_ = true;
  const int oben = Werte_Liste->verticalScrollBar()->value();
  for (int q = 0; q < 3; ++q) {
    QTreeWidgetItem* gruppe = gruppen_[q];
    std::vector<const Wert*> eigene;
    for (const Wert& w : werte)
      if (w.quelle == q) eigene.push_back(&w);
    // A keystroke changes a value, not which values there are: the rows
    // stay and only their texts change.
    bool gleich = gruppe->childCount() == int(eigene.size());
    for (int i = 0; gleich && i < gruppe->childCount(); ++i)
      gleich = gruppe->child(i)->data(0, Qt::UserRole).toString() == eigene[i]->schluessel;
    if (!gleich) {
      qDeleteAll(gruppe->takeChildren());
      for (const Wert* w : eigene) {
        auto* item = new QTreeWidgetItem(gruppe);
        item->setData(0, Qt::UserRole, w->schluessel);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
      }
    }
    for (int i = 0; i < gruppe->childCount(); ++i) {
      const Wert& w = *eigene[static_cast<std::size_t>(i)];
      QTreeWidgetItem* item = gruppe->child(i);
      if (haken_.find(w.schluessel) == haken_.end()) haken_[w.schluessel] = true;
      QString text = w.name + QStringLiteral(" = ") + w.exponential;
      if (!w.kommentar.isEmpty()) text += QStringLiteral("   ") + w.kommentar;
      // What a screen reader says: both forms and the comment.
      const QString ganz = w.name + QStringLiteral(": ") + w.exponential + QStringLiteral("  =  ") +
                           w.komponenten +
                           (w.kommentar.isEmpty() ? QString() : QStringLiteral(", ") + w.kommentar);
      const Qt::CheckState haken = haken_[w.schluessel] ? Qt::Checked : Qt::Unchecked;
      if (item->text(0) != text) item->setText(0, text);
      if (item->toolTip(0) != ganz) {
        item->setToolTip(0, ganz);
        item->setData(0, Qt::AccessibleTextRole, ganz);
      }
      if (item->data(0, Qt::CheckStateRole).isNull() || item->checkState(0) != haken)
        item->setCheckState(0, haken);
    }
    if (gruppe->childCount() == 0) {
      gruppe->setFlags(Qt::ItemIsEnabled);
      gruppe->setData(0, Qt::CheckStateRole, QVariant());
    } else {
      gruppe->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsAutoTristate);
    }
  }
  Werte_Liste->verticalScrollBar()->setValue(oben);
  fuellt_ = false;
}

void TZeigerdiagramm::HakenGeaendert(QTreeWidgetItem* item) {
  if (fuellt_ || !item || !item->parent()) return;
  haken_[item->data(0, Qt::UserRole).toString()] = item->checkState(0) == Qt::Checked;
  // A group's box sets all its values, one change each; draw once.
  Vormerken();
}

void TZeigerdiagramm::Ablegen(const QWidget* quelle) {
  if (!NimmtAuf(quelle)) return;
  NimmAuf(m_->KopierText(), m_->KopierWert());
}

void TZeigerdiagramm::Einfuegen() {
  QString text = QApplication::clipboard()->text();
  // A spreadsheet ends even a single cell with a line break.
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  if (text.endsWith(QLatin1Char('\r'))) text.chop(1);
  if (text.isEmpty()) return;
  NimmAuf(text, WertInZwischenablage());
}

void TZeigerdiagramm::KopiereWert() {
  const QTreeWidgetItem* item = Werte_Liste->currentItem();
  if (!item || !item->parent()) return;  // a group has no value of its own
  const QString schluessel = item->data(0, Qt::UserRole).toString();
  for (const Wert& w : SammleWerte())
    if (w.schluessel == schluessel) KopiereInZwischenablage(w.exponential, std::nullopt);
}

void TZeigerdiagramm::NimmAuf(const QString& text, const std::optional<ZKZahl>& wert) {
  ZKZahl z;
  if (LiesZKZahl(NachAnsi(text), z, kSpeicherPuffer) == ZKForm::Keine) {
    // Pasted text can be anything: the message quotes its start.
    TApplication::MessageBox(tr("„%1“ ist keine komplexe Zahl und wird nicht gespeichert.")
                                 .arg(Gekuerzt(text, kZitatZeichen)),
                             tr("Falscheingabe!"), MB_OK);
    return;
  }
  Variablenspeicher& speicher = m_->Speicher();
  const int frei = speicher.ErsteFreieZeile();
  if (frei == 0) {
    TApplication::MessageBox(
        tr("Alle 20 Speicher K1..K20 enthalten schon Werte. Bitte zuerst einen "
           "Speicher löschen."),
        tr("Achtung!"), MB_OK);
    return;
  }
  // As a drop on the memory's value cell: the comment stays, G follows,
  // a result's value comes with its text, and K is the typed side.
  speicher.Setze(aufgabe::Seite::K, frei, text, wert);
  haken_[QStringLiteral("K%1").arg(frei)] = true;
  Aktualisiere();
}

QImage TZeigerdiagramm::Bild() {
  Baue();
  QImage bild(size(), QImage::Format_ARGB32);
  bild.fill(Qt::white);
  QPainter p(&bild);
  Diagramm->Zeichne(p, size());
  return bild;
}

void TZeigerdiagramm::KopiereBild() {
  QApplication::clipboard()->setImage(Bild());
}

bool TZeigerdiagramm::SpeichereAlsPng(const QString& datei) {
  return SpeicherePng(datei, Bild());
}

bool TZeigerdiagramm::SpeichereAlsSvg(const QString& datei) {
  Baue();
  return SpeichereSvg(datei, size(), tr("Zeigerdiagramm"),
                      [this](QPainter& p) { Diagramm->Zeichne(p, size()); });
}

void TZeigerdiagramm::SpeichereMitDialog(bool svg) {
  const QString datei = FrageBilddatei(this, svg, tr("Zeigerdiagramm"));
  if (datei.isEmpty()) return;
  if (!(svg ? SpeichereAlsSvg(datei) : SpeichereAlsPng(datei))) MeldeBildNichtGespeichert(datei);
}

void TZeigerdiagramm::ZeigeMenue(QPoint p) {
  QMenu menue(this);
  menue.addAction(tr("Bild kopieren"), this, [this] { KopiereBild(); });
  menue.addAction(tr("Als PNG speichern…"), this, [this] { SpeichereMitDialog(false); });
  menue.addAction(tr("Als SVG speichern…"), this, [this] { SpeichereMitDialog(true); });
  menue.exec(Diagramm->mapToGlobal(p));
}
