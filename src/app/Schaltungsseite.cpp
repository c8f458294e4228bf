// SPDX-License-Identifier: GPL-3.0-or-later
#include "Schaltungsseite.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QSyntaxHighlighter>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBlock>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "app/Schaltungsgraph.h"
#include "app/Ziehen.h"
#include "app/Zwischenablage.h"
#include "complex/ZKText.h"
#include "forms/Steuerung.h"
#include "modell/Modell.h"
#include "modell/Text.h"
#include "schaltung/Beispielschaltungen.h"

namespace {

// Typing pauses this long before the analysis runs.
constexpr int kPauseMs = 300;

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

QString Utf8(const std::string& s) {
  return QString::fromStdString(s);
}

// The netlist's parts in colour: element names, nodes, values (units and
// prefixes apart), the frequency line and comments.
class TNetzlistenFarben : public QSyntaxHighlighter {
 public:
  explicit TNetzlistenFarben(QTextDocument* d) : QSyntaxHighlighter(d) {
    name_.setForeground(QColor(0, 0, 160));
    name_.setFontWeight(QFont::Bold);
    knoten_.setForeground(QColor(0, 110, 0));
    wert_.setForeground(QColor(0, 0, 0));
    einheit_.setForeground(QColor(140, 0, 140));
    kommentar_.setForeground(QColor(110, 110, 110));
    kommentar_.setFontItalic(true);
  }

 protected:
  void highlightBlock(const QString& zeile) override {
    // Where a comment starts: a whole line after * # ;, else " ;" or "#".
    qsizetype kommentar = zeile.size();
    const QString ohne = zeile.trimmed();
    if (ohne.startsWith(u'*') || ohne.startsWith(u'#') || ohne.startsWith(u';')) {
      kommentar = 0;
    } else {
      static const QRegularExpression kAb(QStringLiteral("(\\s;|#)"));
      const QRegularExpressionMatch m = kAb.match(zeile);
      if (m.hasMatch()) kommentar = m.capturedStart();
    }
    if (kommentar < zeile.size())
      setFormat(static_cast<int>(kommentar), static_cast<int>(zeile.size() - kommentar),
                kommentar_);
    const QString code = zeile.left(kommentar);
    // The frequency line: its key as a name, the rest as a value.
    static const QRegularExpression kFrequenz(QStringLiteral("^\\s*(f|ω|w)\\s*="));
    if (const QRegularExpressionMatch m = kFrequenz.match(code); m.hasMatch()) {
      setFormat(static_cast<int>(m.capturedStart(1)), static_cast<int>(m.capturedLength(1)), name_);
      Wert(code, m.capturedEnd());
      return;
    }
    static const QRegularExpression kWort(QStringLiteral("\\S+"));
    auto it = kWort.globalMatch(code);
    int nr = 0;
    while (it.hasNext()) {
      const QRegularExpressionMatch m = it.next();
      if (nr == 0) {
        setFormat(static_cast<int>(m.capturedStart()), static_cast<int>(m.capturedLength()), name_);
      } else if (nr <= 2) {
        setFormat(static_cast<int>(m.capturedStart()), static_cast<int>(m.capturedLength()),
                  knoten_);
      } else {
        Wert(code, m.capturedStart());
        return;
      }
      ++nr;
    }
  }

 private:
  // Digits and signs as a value, letters (prefixes, units, j) apart.
  void Wert(const QString& code, qsizetype ab) {
    for (qsizetype i = ab; i < code.size(); ++i) {
      const QChar c = code.at(i);
      if (c.isSpace()) continue;
      setFormat(static_cast<int>(i), 1, c.isLetter() || c == u'°' ? einheit_ : wert_);
    }
  }

  QTextCharFormat name_, knoten_, wert_, einheit_, kommentar_;
};

class TZeilenRand : public QWidget {
 public:
  explicit TZeilenRand(TNetzlistenEditor* e) : QWidget(e), e_(e) {}
  QSize sizeHint() const override { return {e_->RandBreite(), 0}; }

 protected:
  void paintEvent(QPaintEvent* ev) override { e_->ZeichneRand(ev); }

 private:
  TNetzlistenEditor* e_;
};

enum Spalte { SpElement, SpU, SpI, SpS, SpP, SpQ, SpCos, kSpalten };

}  // namespace

// ---------------------------------------------------------------------------

TNetzlistenEditor::TNetzlistenEditor(QWidget* eltern)
    : QPlainTextEdit(eltern), rand_(new TZeilenRand(this)) {
  connect(this, &QPlainTextEdit::blockCountChanged, this,
          [this] { setViewportMargins(RandBreite(), 0, 0, 0); });
  connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect& r, int dy) {
    if (dy != 0)
      rand_->scroll(0, dy);
    else
      rand_->update(0, r.y(), rand_->width(), r.height());
  });
  setViewportMargins(RandBreite(), 0, 0, 0);
}

int TNetzlistenEditor::RandBreite() const {
  int stellen = 1;
  for (int n = std::max(1, blockCount()); n >= 10; n /= 10) ++stellen;
  return 8 + fontMetrics().horizontalAdvance(u'9') * std::max(stellen, 2);
}

void TNetzlistenEditor::resizeEvent(QResizeEvent* e) {
  QPlainTextEdit::resizeEvent(e);
  const QRect r = contentsRect();
  rand_->setGeometry(QRect(r.left(), r.top(), RandBreite(), r.height()));
}

void TNetzlistenEditor::ZeichneRand(QPaintEvent* e) {
  QPainter p(rand_);
  p.fillRect(e->rect(), QColor(238, 238, 238));
  QTextBlock block = firstVisibleBlock();
  int nr = block.blockNumber();
  int oben = qRound(blockBoundingGeometry(block).translated(contentOffset()).top());
  int unten = oben + qRound(blockBoundingRect(block).height());
  p.setPen(QColor(120, 120, 120));
  while (block.isValid() && oben <= e->rect().bottom()) {
    if (block.isVisible() && unten >= e->rect().top())
      p.drawText(0, oben, rand_->width() - 4, fontMetrics().height(), Qt::AlignRight,
                 QString::number(nr + 1));
    block = block.next();
    oben = unten;
    unten = oben + qRound(blockBoundingRect(block).height());
    ++nr;
  }
}

// ---------------------------------------------------------------------------

TSchaltungsseite::TSchaltungsseite(QWidget* eltern) : QWidget(eltern) {
  setAccessibleName(tr("Schaltung"));
}

TSchaltungsseite::~TSchaltungsseite() = default;

void TSchaltungsseite::VerbindeModell() {
  Schaltungsfeld& s = m_->Schaltung();
  connect(&s, &Schaltungsfeld::NetzlisteGeaendert, this, [this] { NetzlisteGeaendert(); });
  connect(&s, &Schaltungsfeld::VerfahrenGeaendert, this, [this] {
    if (!Editor) return;
    Verfahren_Auswahl->setCurrentIndex(m_->Schaltung().Verfahren() == Verfahren::Maschen ? 1 : 0);
    AnalysiereJetzt();
  });
  connect(&s, &Schaltungsfeld::AnalyseGeaendert, this, [this] {
    if (Editor) ZeigeAnalyse();
  });
  connect(m_, &Modell::FormatGeaendert, this, [this] {
    if (Editor) ZeigeErgebnisse();
  });
}

void TSchaltungsseite::showEvent(QShowEvent* e) {
  Baue();
  QWidget::showEvent(e);
}

void TSchaltungsseite::Baue() {
  if (Editor) return;
  Editor = new TNetzlistenEditor(this);
  Editor->setObjectName(QStringLiteral("Netzliste_Editor"));
  Editor->setAccessibleName(tr("Netzliste"));
  Editor->setAccessibleDescription(
      tr("Ein Element je Zeile: Name, zwei Knoten, Wert, etwa „R1 1 2 4,7k“; "
         "eine Zeile „f = 50 Hz“ setzt die Frequenz."));
  Editor->setLineWrapMode(QPlainTextEdit::NoWrap);
  Editor->setTabChangesFocus(true);
  QFont schrift(QStringLiteral("DejaVu Sans Mono"));
  schrift.setStyleHint(QFont::Monospace);
  schrift.setPointSize(9);
  Editor->setFont(schrift);
  new TNetzlistenFarben(Editor->document());

  Beispiele_Button = new QToolButton(this);
  Beispiele_Button->setObjectName(QStringLiteral("Beispiele_Button"));
  Beispiele_Button->setText(tr("Beispiele"));
  Beispiele_Button->setAccessibleName(tr("Beispielschaltungen"));
  Beispiele_Button->setPopupMode(QToolButton::InstantPopup);
  Beispiele_Button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  Beispiele_Button->setMinimumWidth(fontMetrics().horizontalAdvance(Beispiele_Button->text()) + 28);
  auto* menue = new QMenu(Beispiele_Button);
  menue->setAccessibleName(tr("Beispielschaltungen"));
  const auto beispiele = Beispielschaltungen();
  for (std::size_t i = 0; i < beispiele.size(); ++i)
    menue->addAction(QCoreApplication::translate("Beispielschaltungen", beispiele[i].titel), this,
                     [this, i] { LadeBeispiel(static_cast<int>(i)); });
  Beispiele_Button->setMenu(menue);

  Verfahren_Auswahl = new QComboBox(this);
  Verfahren_Auswahl->setObjectName(QStringLiteral("Verfahren_Auswahl"));
  Verfahren_Auswahl->addItems({tr("Knotenpotentialverfahren"), tr("Maschenstromverfahren")});
  Verfahren_Auswahl->setAccessibleName(tr("Verfahren"));
  Uebernehmen_Button = new QPushButton(tr("In Matrix übernehmen"), this);
  Uebernehmen_Button->setObjectName(QStringLiteral("Uebernehmen_Button"));
  Uebernehmen_Button->setAccessibleName(tr("In Matrix übernehmen"));
  Uebernehmen_Button->setToolTip(
      tr("Schreibt das Gleichungssystem der Schaltung auf die Matrixseite"));

  Meldung_Label = new QLabel(this);
  Meldung_Label->setObjectName(QStringLiteral("Meldung_Label"));
  Meldung_Label->setWordWrap(true);
  Meldung_Label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  Meldung_Label->setAccessibleName(tr("Meldung zur Netzliste"));

  Anzeige_Auswahl = new QComboBox(this);
  Anzeige_Auswahl->setObjectName(QStringLiteral("Anzeige_Auswahl"));
  Anzeige_Auswahl->addItems({tr("Format des Speichers"), tr("SI-Einheiten")});
  Anzeige_Auswahl->setAccessibleName(tr("Darstellung der Ergebnisse"));
  // Units read best for circuits; the memory's format is one choice away.
  Anzeige_Auswahl->setCurrentIndex(1);

  Ergebnis_Tabelle = new QTableWidget(0, kSpalten, this);
  Ergebnis_Tabelle->setObjectName(QStringLiteral("Ergebnis_Tabelle"));
  Ergebnis_Tabelle->setAccessibleName(tr("Ergebnisse der Schaltung"));
  Ergebnis_Tabelle->setAccessibleDescription(
      tr("Je Element Spannung, Strom und Leistung, dann die Knotenpotentiale und die "
         "Leistungsbilanz. Strg+C kopiert den Wert, die rechte Maustaste zieht ihn."));
  Ergebnis_Tabelle->setHorizontalHeaderLabels(
      {QStringLiteral("Element"), QStringLiteral("U"), QStringLiteral("I"), QStringLiteral("S"),
       QStringLiteral("P"), QStringLiteral("Q"), QStringLiteral("cos φ")});
  Ergebnis_Tabelle->verticalHeader()->hide();
  Ergebnis_Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Ergebnis_Tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
  Ergebnis_Tabelle->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  SetzeOrt(Ergebnis_Tabelle, Ort::Schaltung);
  Ergebnis_Tabelle->viewport()->installEventFilter(this);
  auto* kopieren = new QShortcut(QKeySequence::Copy, Ergebnis_Tabelle);
  kopieren->setContext(Qt::WidgetShortcut);
  connect(kopieren, &QShortcut::activated, this, [this] { KopiereWert(); });

  Herleitung_Liste = new QListWidget(this);
  Herleitung_Liste->setObjectName(QStringLiteral("Herleitung_Liste"));
  Herleitung_Liste->setAccessibleName(tr("Herleitung der Matrixeinträge"));

  Graph = new TSchaltungsgraph(this);
  Graph->setObjectName(QStringLiteral("Graph"));

  auto* reiter = new QTabWidget(this);
  reiter->setObjectName(QStringLiteral("Ansicht_Reiter"));
  reiter->setAccessibleName(tr("Ansichten der Schaltung"));
  auto* ergebnisse = new QWidget;
  auto* ergebnisRahmen = new QVBoxLayout(ergebnisse);
  ergebnisRahmen->setContentsMargins(2, 2, 2, 2);
  auto* anzeige = new QHBoxLayout;
  auto* anzeigeText = new QLabel(tr("&Darstellung:"));
  anzeigeText->setBuddy(Anzeige_Auswahl);
  anzeige->addWidget(anzeigeText);
  anzeige->addWidget(Anzeige_Auswahl);
  anzeige->addStretch(1);
  ergebnisRahmen->addLayout(anzeige);
  ergebnisRahmen->addWidget(Ergebnis_Tabelle, 1);
  reiter->addTab(ergebnisse, tr("Ergebnisse"));
  reiter->addTab(Herleitung_Liste, tr("Herleitung"));
  reiter->addTab(Graph, tr("Graph"));

  auto* links = new QVBoxLayout;
  links->setContentsMargins(0, 0, 0, 0);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(Beispiele_Button);
  knoepfe->addWidget(Verfahren_Auswahl, 1);
  links->addLayout(knoepfe);
  links->addWidget(Editor, 1);
  links->addWidget(Meldung_Label);
  links->addWidget(Uebernehmen_Button);
  auto* linksFlaeche = new QWidget;
  linksFlaeche->setLayout(links);
  auto* teiler = new QSplitter(this);
  teiler->addWidget(linksFlaeche);
  teiler->addWidget(reiter);
  teiler->setStretchFactor(0, 0);
  teiler->setStretchFactor(1, 1);
  teiler->setSizes({330, 560});
  auto* rahmen = new QHBoxLayout(this);
  rahmen->setContentsMargins(4, 4, 4, 4);
  rahmen->addWidget(teiler);

  pause_ = new QTimer(this);
  pause_->setSingleShot(true);
  pause_->setInterval(kPauseMs);
  connect(pause_, &QTimer::timeout, this, [this] { AnalysiereJetzt(); });
  connect(Editor, &QPlainTextEdit::textChanged, this, [this] {
    if (schreibt_) return;
    m_->Schaltung().SetzeNetzliste(Editor->toPlainText());
  });
  connect(Verfahren_Auswahl, &QComboBox::currentIndexChanged, this, [this](int i) {
    m_->Schaltung().SetzeVerfahren(i == 1 ? Verfahren::Maschen : Verfahren::Knoten);
  });
  connect(Anzeige_Auswahl, &QComboBox::currentIndexChanged, this, [this] { ZeigeErgebnisse(); });
  connect(Uebernehmen_Button, &QPushButton::clicked, this, [this] { Uebernimm(); });

  setTabOrder(Beispiele_Button, Verfahren_Auswahl);
  setTabOrder(Verfahren_Auswahl, Editor);
  setTabOrder(Editor, Uebernehmen_Button);
  setTabOrder(Uebernehmen_Button, reiter);

  // The model's circuit as it stands (a file may have set one).
  schreibt_ = true;
  Editor->setPlainText(m_->Schaltung().Netzliste());
  schreibt_ = false;
  Verfahren_Auswahl->setCurrentIndex(m_->Schaltung().Verfahren() == Verfahren::Maschen ? 1 : 0);
  // Children added to a shown page stay hidden unless shown themselves.
  for (QWidget* w : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) w->show();
  rahmen->activate();
  AnalysiereJetzt();
}

void TSchaltungsseite::NetzlisteGeaendert() {
  if (!Editor) return;
  const QString text = m_->Schaltung().Netzliste();
  if (Editor->toPlainText() == text) {
    // Typed here: the analysis waits until typing pauses.
    pause_->start();
    return;
  }
  // An example or a file: shown at once.
  schreibt_ = true;
  Editor->setPlainText(text);
  schreibt_ = false;
  AnalysiereJetzt();
}

void TSchaltungsseite::AnalysiereJetzt() {
  Baue();
  pause_->stop();
  m_->Schaltung().Analysiere();
  // Analysiere says nothing when nothing changed since the last time.
  ZeigeAnalyse();
}

void TSchaltungsseite::LadeBeispiel(int i) {
  const auto beispiele = Beispielschaltungen();
  if (i < 0 || U(i) >= beispiele.size()) return;
  Baue();
  // Translated, the comments speak the user's language; the lines they
  // explain stay as they are.
  m_->Schaltung().SetzeNetzliste(
      QCoreApplication::translate("Beispielschaltungen", beispiele[U(i)].netzliste));
}

void TSchaltungsseite::ZeigeAnalyse() {
  ZeigeFehler();
  ZeigeErgebnisse();
  ZeigeHerleitungen();
  const Schaltungsanalyse& a = m_->Schaltung().Analyse();
  if (a.aufgestellt)
    Graph->Setze(m_->Schaltung().Gelesen(), &a.system);
  else if (m_->Schaltung().Fehler().empty())
    Graph->Setze(m_->Schaltung().Gelesen(), nullptr);
  else
    Graph->Leere();
}

void TSchaltungsseite::ZeigeFehler() {
  const Schaltungsanalyse& a = m_->Schaltung().Analyse();
  QList<QTextEdit::ExtraSelection> markiert;
  QStringList texte;
  for (const SchaltungsFehler& f : a.fehler) {
    texte << Utf8(f.text);
    const QTextBlock block = Editor->document()->findBlockByNumber(f.zeile - 1);
    if (f.zeile < 1 || !block.isValid()) continue;
    QTextEdit::ExtraSelection s;
    s.cursor = QTextCursor(block);
    s.cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    s.format.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    s.format.setUnderlineColor(Qt::red);
    s.format.setToolTip(Utf8(f.text));
    markiert << s;
  }
  Editor->setExtraSelections(markiert);
  QString meldung;
  if (!texte.isEmpty()) {
    meldung = texte.join(u'\n');
    Meldung_Label->setStyleSheet(QStringLiteral("color: #b00000;"));
  } else {
    Meldung_Label->setStyleSheet({});
    if (a.aufgestellt) {
      QStringList namen;
      for (const std::string& n : a.system.unbekannte) namen << Utf8(n);
      const QString liste = namen.join(QStringLiteral(", "));
      meldung = a.system.n > Gleichungssystem::kMaxDimension
                    ? tr("%1 Unbekannte: %2. Hier gelöst; die Matrixseite zeigt höchstens %3.")
                          .arg(QString::number(a.system.n), liste,
                               QString::number(Gleichungssystem::kMaxDimension))
                    : tr("%1 Unbekannte: %2").arg(QString::number(a.system.n), liste);
      if (a.ergebnis.status != Geloest) meldung += u'\n' + Utf8(a.ergebnis.meldung);
    }
  }
  Meldung_Label->setText(meldung);
}

void TSchaltungsseite::ZeigeErgebnisse() {
  const Schaltungsanalyse& a = m_->Schaltung().Analyse();
  const Schaltung& s = m_->Schaltung().Gelesen();
  werte_.clear();
  std::vector<QString> namen;
  const bool geloest = a.aufgestellt && a.ergebnis.status == Geloest;
  auto zeiger = [](const ZKZahl& z, const char* einheit) {
    return std::optional<Zellwert>(Zellwert{z, true, QString::fromUtf8(einheit)});
  };
  auto reell = [](long double x, const char* einheit) {
    ZKZahl z;
    z.SetzeKartesisch(x, 0.0L);
    return std::optional<Zellwert>(Zellwert{z, false, QString::fromUtf8(einheit)});
  };
  if (geloest) {
    for (std::size_t k = 0; k < s.elemente.size() && k < a.ergebnis.elemente.size(); ++k) {
      const ElementWerte& w = a.ergebnis.elemente[k];
      std::vector<std::optional<Zellwert>> zeile(kSpalten);
      zeile[SpU] = zeiger(w.u, "V");
      zeile[SpI] = zeiger(w.i, "A");
      zeile[SpS] = zeiger(w.s, "VA");
      zeile[SpP] = reell(w.s.Realteil, "W");
      zeile[SpQ] = reell(w.s.Imaginaerteil, "var");
      if (w.s.Betrag > 0) zeile[SpCos] = reell(w.s.Realteil / w.s.Betrag, "");
      werte_.push_back(std::move(zeile));
      namen.push_back(Utf8(s.elemente[k].name));
    }
    for (std::size_t k = 1; k < s.knoten.size() && k < a.ergebnis.potentiale.size(); ++k) {
      std::vector<std::optional<Zellwert>> zeile(kSpalten);
      zeile[SpU] = zeiger(a.ergebnis.potentiale[k], "V");
      werte_.push_back(std::move(zeile));
      namen.push_back(tr("φ Knoten %1").arg(Utf8(s.knoten[k])));
    }
    std::vector<std::optional<Zellwert>> bilanz(kSpalten);
    bilanz[SpS] = zeiger(a.ergebnis.leistungsbilanz, "VA");
    bilanz[SpP] = reell(a.ergebnis.leistungsbilanz.Realteil, "W");
    bilanz[SpQ] = reell(a.ergebnis.leistungsbilanz.Imaginaerteil, "var");
    werte_.push_back(std::move(bilanz));
    namen.push_back(tr("Bilanz ΣS"));
  }
  QTableWidget* t = Ergebnis_Tabelle;
  t->setRowCount(static_cast<int>(werte_.size()));
  const bool si = Anzeige_Auswahl->currentIndex() == 1;
  for (int r = 0; r < t->rowCount(); ++r) {
    auto setze = [t, r](int c, const QString& text, const QString& ganz) {
      QTableWidgetItem* item = t->item(r, c);
      if (!item) {
        item = new QTableWidgetItem;
        t->setItem(r, c, item);
      }
      item->setText(text);
      item->setToolTip(ganz);
    };
    setze(SpElement, namen[U(r)], namen[U(r)]);
    for (int c = SpU; c < kSpalten; ++c) {
      const std::optional<Zellwert>& w = werte_[U(r)][U(c)];
      if (!w) {
        setze(c, {}, {});
        continue;
      }
      QString text;
      if (si)
        text =
            w->zeiger ? SiZeigerText(w->wert, w->einheit)
            : c == SpCos
                ? QString::number(static_cast<double>(w->wert.Realteil), 'f', 3).replace(u'.', u',')
                : SiText(w->wert.Realteil, w->einheit);
      else
        text = Zahltext(r, c);
      setze(c, text, Zahltext(r, c));
    }
  }
  t->resizeColumnsToContents();
}

void TSchaltungsseite::ZeigeHerleitungen() {
  Herleitung_Liste->clear();
  const Schaltungsanalyse& a = m_->Schaltung().Analyse();
  if (!a.aufgestellt) return;
  const Schaltung& s = m_->Schaltung().Gelesen();
  const Matrixtexte t = MatrixtexteVon(s, a.system);
  QFont fett = Herleitung_Liste->font();
  fett.setBold(true);
  for (int r = 0; r < t.n; ++r) {
    auto* titel = new QListWidgetItem(Utf8(ZeilenBedeutung(a.system, s, r)), Herleitung_Liste);
    titel->setFont(fett);
    for (int c = 1; c <= t.n; ++c)
      if (!a.system.A(r, c - 1).terme.empty())
        new QListWidgetItem(QStringLiteral("   ") + t.herleitungen[U(r)][U(c)], Herleitung_Liste);
    new QListWidgetItem(QStringLiteral("   ") + t.herleitungen[U(r)][0], Herleitung_Liste);
  }
}

void TSchaltungsseite::Uebernimm() {
  Baue();
  AnalysiereJetzt();
  const int n = m_->Schaltung().Analyse().system.n;
  switch (m_->UebernimmSchaltung()) {
    case Modell::Uebernahme::Uebernommen:
      Meldung_Label->setStyleSheet({});
      Meldung_Label->setText(tr("Das Gleichungssystem (%1 Gleichungen) steht auf der Matrixseite; "
                                "„=“ löst es dort.")
                                 .arg(n));
      emit MatrixUebernommen();
      return;
    case Modell::Uebernahme::Netzlistenfehler:
      if (m_->Schaltung().Netzliste().trimmed().isEmpty())
        Meldung_Label->setText(tr("Die Netzliste ist leer."));
      else {
        ZeigeFehler();  // the errors alone, not a message of an earlier click
        Meldung_Label->setText(Meldung_Label->text() + u'\n' +
                               tr("Die Matrixseite bleibt, wie sie ist."));
      }
      return;
    case Modell::Uebernahme::ZuGross:
      Meldung_Label->setText(
          tr("Die Schaltung hat %1 Unbekannte; die Matrixseite zeigt höchstens %2. "
             "Die Ergebnisse stehen hier auf dieser Seite.")
              .arg(n)
              .arg(Gleichungssystem::kMaxDimension));
      return;
    case Modell::Uebernahme::Gesperrt:
      Meldung_Label->setText(
          tr("Auf der Matrixseite ist eine Übung gestellt; sie nimmt kein anderes "
             "Gleichungssystem an."));
      return;
  }
}

std::optional<ZKZahl> TSchaltungsseite::Wert(int zeile, int spalte) const {
  if (zeile < 0 || spalte < 0 || U(zeile) >= werte_.size() || spalte >= kSpalten) return {};
  const std::optional<Zellwert>& w = werte_[U(zeile)][U(spalte)];
  if (!w) return std::nullopt;
  return w->wert;
}

QString TSchaltungsseite::Zahltext(int zeile, int spalte) const {
  if (zeile < 0 || spalte < 0 || U(zeile) >= werte_.size() || spalte >= kSpalten) return {};
  const std::optional<Zellwert>& w = werte_[U(zeile)][U(spalte)];
  if (!w) return {};
  const int format = m_->ZahlenFormat();
  return AusAnsi(w->zeiger ? ExponentialText(w->wert, format) : KomponentenText(w->wert, format));
}

void TSchaltungsseite::KopiereWert() {
  const QModelIndex i = Ergebnis_Tabelle->currentIndex();
  if (const std::optional<ZKZahl> w = Wert(i.row(), i.column()))
    KopiereInZwischenablage(Zahltext(i.row(), i.column()), w);
}

bool TSchaltungsseite::eventFilter(QObject* o, QEvent* e) {
  if (Ergebnis_Tabelle && o == Ergebnis_Tabelle->viewport() &&
      e->type() == QEvent::MouseButtonPress) {
    auto* maus = static_cast<QMouseEvent*>(e);
    if (maus->button() == Qt::RightButton) {
      // A right-button drag carries the value as the program writes it.
      const QModelIndex i = Ergebnis_Tabelle->indexAt(maus->position().toPoint());
      if (const std::optional<ZKZahl> w = Wert(i.row(), i.column())) {
        Ergebnis_Tabelle->setCurrentIndex(i);
        m_->SetzeKopie(Zahltext(i.row(), i.column()), w);
        if (TZiehVerwalter* z = TZiehVerwalter::Von(Ergebnis_Tabelle)) z->Beginne(Ergebnis_Tabelle);
      }
      return true;
    }
  }
  return QWidget::eventFilter(o, e);
}
