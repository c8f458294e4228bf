// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dateien.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSaveFile>
#include <QSettings>

#include "app/MainQuorvel.h"
#include "complex/ZKGenau.h"
#include "complex/ZKLesen.h"
#include "datei/AufgabenDatei.h"
#include "forms/Anwendung.h"
#include "solver/GleichungsLoeser.h"

using aufgabe::Aufgabe;
using aufgabe::Seite;

namespace {

constexpr int kZuletztAnzahl = 8;
const QString kDateiTitel = QStringLiteral("Datei öffnen");
const QString kSpeichernTitel = QStringLiteral("Datei speichern");

QSettings Einstellungen() {
  return QSettings(QStringLiteral("Quorvel"), QStringLiteral("Quorvel"));
}

QString U(const std::string& s) {
  return QString::fromStdString(s);
}
std::string S(const QString& s) {
  return s.toStdString();
}

// The calculators' controls in the order of aufgabe::Blindrechner::texte.
struct Rechnerteile {
  std::array<TEdit*, 3> edits;
  std::array<TRadioButton*, 3> wahl;
  TLabel* label;
};
Rechnerteile Induktiv(TForm1& f) {
  return {{f.L_Edit, f.fL_Edit, f.XL_Edit},
          {f.L_RadioButton, f.fL_RadioButton, f.XL_RadioButton},
          f.XL_Label};
}
Rechnerteile Kapazitiv(TForm1& f) {
  return {{f.C_Edit, f.fC_Edit, f.XC_Edit},
          {f.C_RadioButton, f.fC_RadioButton, f.XC_RadioButton},
          f.XC_Label};
}

aufgabe::Blindrechner ErfasseRechner(const Rechnerteile& t) {
  aufgabe::Blindrechner b;
  for (std::size_t i = 0; i < 3; ++i) {
    b.texte[i] = S(t.edits[i]->text());
    if (t.wahl[i]->isChecked()) b.gesucht = static_cast<int>(i);
  }
  b.ergebnisGezeigt = !t.label->text().isEmpty();
  return b;
}

// The value behind a text, as the file keeps it ("" for none).
std::string Genau(const std::optional<ZKZahl>& wert) {
  return wert ? GenauerText(*wert) : std::string();
}
std::optional<ZKZahl> AusGenau(const std::string& text) {
  ZKZahl z;
  if (text.empty() || !LiesGenauenText(text, z)) return std::nullopt;
  return z;
}

// Solves the task of an exercise as "=" would: X1..Xn at 1..n (0 unused).
// False with the German reason when it has no unique solution.
bool LoeseUebung(const Aufgabe& a, std::vector<ZKZahl>& loesung, QString& grund) {
  const int n = a.dimension;
  ZKMatrix m = ErzeugeMatrix(25, 25);
  for (int r = 1; r <= n; ++r)
    for (int c = 1; c <= n + 1; ++c) {
      const auto i = static_cast<std::size_t>(r - 1), k = static_cast<std::size_t>(c - 1);
      ZKZahl z;
      if (const auto wert = AusGenau(a.zellwerte[i][k]))
        z = *wert;
      else if (LiesZKZahl(NachAnsi(U(a.zellen[i][k])), z, kZellPuffer) == ZKForm::Keine) {
        grund = QStringLiteral("in Zelle( %1 , %2 ) steht keine Zahl").arg(r).arg(c);
        return false;
      }
      m[r][c - 1] = z;
    }
  GleichungsLoeser loeser;
  loeser.SetzeDimension(n);
  loeser.UebernehmeMatrix(n, n, m);
  if (loeser.Loese() != Geloest) {
    grund = QStringLiteral("ihr Gleichungssystem hat keine eindeutige, genau bestimmbare Lösung");
    return false;
  }
  loesung.assign(1, ZKZahl());
  loesung.insert(loesung.end(), loeser.Loesung().begin(), loeser.Loesung().end());
  return true;
}

// What the user typed, without what the program computed from it: the
// reciprocal side of the memory, the sought calculator field, and whether
// results are shown.
Aufgabe NurEingaben(Aufgabe a) {
  a.matrixErgebnisGezeigt = a.formelErgebnisGezeigt = false;
  for (aufgabe::SpeicherZeile& z : a.speicher) (z.getippt == Seite::K ? z.g : z.k).clear();
  for (aufgabe::Blindrechner* b : {&a.induktiv, &a.kapazitiv}) {
    b->texte[static_cast<std::size_t>(b->gesucht)].clear();
    b->ergebnisGezeigt = false;
  }
  return a;
}

// Shifts the window's content below the menu bar when it has no layout
// that could take the bar itself.
void SetzeMenueleiste(TForm1& f, QMenuBar* bar) {
  if (QLayout* l = f.layout()) {
    l->setMenuBar(bar);
    f.PasseAnBildschirm();
    return;
  }
  const int h = bar->sizeHint().height();
  for (QObject* o : f.children()) {
    auto* w = qobject_cast<QWidget*>(o);
    if (w && w != bar && !w->isWindow()) w->move(w->x(), w->y() + h);
  }
  const bool fest = f.minimumSize() == f.maximumSize();
  if (fest)
    f.setFixedSize(f.width(), f.height() + h);
  else
    f.resize(f.width(), f.height() + h);
  bar->setGeometry(0, 0, f.width(), h);
}

// The page that holds the manual's memo.
int AnleitungsSeite(const TForm1& f) {
  const TTabbedNotebook* nb = f.TabbedNotebook;
  for (int i = 0; i < nb->count(); ++i)
    if (nb->widget(i)->isAncestorOf(f.Bedinungsanleitung_Memo)) return i;
  return -1;
}

}  // namespace

TDateiAktionen::TDateiAktionen(TForm1& form) : QObject(&form), f_(form) {
  setObjectName(QStringLiteral("Dateiaktionen"));
  titel_ = f_.windowTitle();
  Dateiwahl = [this](bool speichern) {
    const QString filter = QStringLiteral("Quorvel-Aufgaben (*.quorvel);;Alle Dateien (*)");
    const QString start = pfad_.isEmpty() ? QString() : QFileInfo(pfad_).absolutePath();
    QString pfad =
        speichern
            ? QFileDialog::getSaveFileName(&f_, QStringLiteral("Aufgabe speichern unter"),
                                           pfad_.isEmpty() ? start : pfad_, filter)
            : QFileDialog::getOpenFileName(&f_, QStringLiteral("Aufgabe öffnen"), start, filter);
    if (speichern && !pfad.isEmpty() && QFileInfo(pfad).suffix().isEmpty())
      pfad += QStringLiteral(".quorvel");
    return pfad;
  };

  menue_ = new QMenuBar(&f_);
  menue_->setObjectName(QStringLiteral("Menueleiste"));
  menue_->setFont(Schrift(QStringLiteral("MS Sans Serif"), 13, false));
  QMenu* datei = menue_->addMenu(QStringLiteral("&Datei"));
  datei->addAction(QStringLiteral("&Neu"), QKeySequence::New, this, [this] { Neu(); });
  datei->addAction(QStringLiteral("Ö&ffnen…"), QKeySequence::Open, this,
                   [this] { OeffnenMitDialog(); });
  zuletzt_ = datei->addMenu(QStringLiteral("&Zuletzt geöffnet"));
  connect(zuletzt_, &QMenu::aboutToShow, this, [this] { BaueZuletztMenue(); });
  BaueZuletztMenue();
  datei->addSeparator();
  datei->addAction(QStringLiteral("&Speichern"), QKeySequence::Save, this, [this] { Speichern(); });
  // Qt's SaveAs is empty on some desktops; the manual promises this one.
  datei->addAction(QStringLiteral("Speichern &unter…"),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), this,
                   [this] { SpeichernUnter(); });
  datei->addSeparator();
  datei->addAction(QStringLiteral("&Beenden"), QKeySequence(Qt::CTRL | Qt::Key_Q), &f_,
                   [this] { f_.close(); });
  QMenu* hilfe = menue_->addMenu(QStringLiteral("&Hilfe"));
  QAction* anleitung = hilfe->addAction(QStringLiteral("&Anleitung"), QKeySequence(Qt::Key_F1),
                                        this, [this] { ZeigeAnleitung(); });
  // F1 works from the example window as well.
  anleitung->setShortcutContext(Qt::ApplicationShortcut);
  hilfe->addAction(QStringLiteral("Ü&ber Quorvel"), this, [this] { ZeigeUeber(); });
  for (QAction* a : datei->actions() + hilfe->actions())
    a->setObjectName(a->text().remove(QLatin1Char('&')));

  SetzeMenueleiste(f_, menue_);
  // Laying out the manual is a large part of the start-up, and its page is
  // hidden then: it is appended when the page is first shown.
  anleitungLaden_ = connect(f_.TabbedNotebook, &QTabWidget::currentChanged, this, [this](int i) {
    if (i == AnleitungsSeite(f_)) HaengeAnleitungAn();
  });
  if (f_.TabbedNotebook->currentIndex() == AnleitungsSeite(f_)) HaengeAnleitungAn();
  VerfolgeEingaben();
  f_.installEventFilter(this);
  leer_ = referenz_ = Erfasse();
}

void TDateiAktionen::VerfolgeEingaben() {
  auto merke = [this](TStringGrid* g, Seite seite) {
    auto alt = g->OnSetEditText;
    g->OnSetEditText = [this, alt, seite](int c, int r, const QString& t) {
      if (alt) alt(c, r, t);
      if (c == 1 && r >= 1 && r <= aufgabe::kSpeicherZeilen)
        seiten_[static_cast<std::size_t>(r - 1)] = seite;
    };
    auto altDrop = g->OnDragDrop;
    g->OnDragDrop = [this, g, altDrop, seite](QWidget* q, int x, int y) {
      int c = -1, r = -1;
      g->MouseToCell(x, y, c, r);
      const QString zelle = c == 1 && r >= 1 ? g->Cells(1, r) : QString();
      if (altDrop) altDrop(q, x, y);
      // Only a drop that was taken makes this the typed side.
      if (c == 1 && r >= 1 && r <= aufgabe::kSpeicherZeilen && g->Cells(1, r) != zelle)
        seiten_[static_cast<std::size_t>(r - 1)] = seite;
    };
    // A pasted block makes this the typed side of each row whose value it wrote.
    auto altBlock = g->OnBlockEinfuegen;
    g->OnBlockEinfuegen = [this, g, altBlock, seite](const QString& text) {
      std::array<QString, aufgabe::kSpeicherZeilen> vorher;
      for (int r = 1; r <= aufgabe::kSpeicherZeilen; ++r)
        vorher[static_cast<std::size_t>(r - 1)] = g->Cells(1, r);
      const bool genommen = altBlock && altBlock(text);
      for (int r = 1; r <= aufgabe::kSpeicherZeilen; ++r)
        if (g->Cells(1, r) != vorher[static_cast<std::size_t>(r - 1)])
          seiten_[static_cast<std::size_t>(r - 1)] = seite;
      return genommen;
    };
  };
  merke(f_.Variablen_StringGrid, Seite::K);
  merke(f_.G_Variablen_StringGrid, Seite::G);
  // The prepared formulas fill the K side.
  auto altBeispiel = f_.Beispiel_BitBtn->OnClick;
  f_.Beispiel_BitBtn->OnClick = [this, altBeispiel] {
    if (altBeispiel) altBeispiel();
    seiten_.fill(Seite::K);
  };
  auto altWinkel = f_.Winkel_StringGrid->OnSetEditText;
  f_.Winkel_StringGrid->OnSetEditText = [this, altWinkel](int c, int r, const QString& t) {
    if (altWinkel) altWinkel(c, r, t);
    if (c == 1) winkelZeile_ = r;
  };
}

Aufgabe TDateiAktionen::Erfasse() const {
  TForm1& f = f_;
  Aufgabe a;
  a.zahlenFormat = f.Zustand.ZahlenFormat;
  a.dimension = f.Zustand.DimMatrix;
  // A matrix page not yet built is in its start state: no cells, no result.
  if (f.MatrixseiteGebaut()) {
    for (int r = 1; r <= aufgabe::kMatrixZeilen; ++r)
      for (int c = 1; c <= aufgabe::kMatrixSpalten; ++c) {
        const auto i = static_cast<std::size_t>(r - 1), k = static_cast<std::size_t>(c - 1);
        a.zellen[i][k] = S(f.MatrixTab_StringGrid->Cells(c, r));
        a.zellwerte[i][k] = Genau(f.Zellwert(f.MatrixTab_StringGrid, c, r));
      }
    for (int r = 1; r < f.KxWerte_StringGrid->RowCount(); ++r)
      a.matrixErgebnisGezeigt |= !f.KxWerte_StringGrid->Cells(1, r).isEmpty() ||
                                 !f.KxWerte_StringGrid->Cells(2, r).isEmpty();
  }
  // An exercise's grid holds the student's answers, no result: opening the
  // file must not solve the task in view. It is kept as an exercise, with
  // the answers and without the solution.
  if (f.UebungAktiv()) {
    a.matrixErgebnisGezeigt = false;
    aufgabe::Uebung u;
    const int n = static_cast<int>(f.UebungsLoesung.size()) - 1;
    for (int r = 1; r <= n && r <= aufgabe::kMaxDimension; ++r)
      for (int c = 1; c <= 2; ++c)
        u.antworten[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] =
            S(f.KxWerte_StringGrid->Cells(c, r));
    a.uebung = u;
  }

  for (int n = 1; n <= aufgabe::kSpeicherZeilen; ++n) {
    aufgabe::SpeicherZeile& z = a.speicher[static_cast<std::size_t>(n - 1)];
    z.k = S(f.Variablen_StringGrid->Cells(1, n));
    z.kommentar = S(f.Variablen_StringGrid->Cells(2, n));
    z.g = S(f.G_Variablen_StringGrid->Cells(1, n));
    z.getippt = seiten_[static_cast<std::size_t>(n - 1)];
    // A side without text cannot have been the typed one.
    if (z.getippt == Seite::K && z.k.empty() && !z.g.empty()) z.getippt = Seite::G;
    if (z.getippt == Seite::G && z.g.empty()) z.getippt = Seite::K;
    z.wert = Genau(f.Zellwert(
        z.getippt == Seite::K ? f.Variablen_StringGrid : f.G_Variablen_StringGrid, 1, n));
  }

  a.formel = S(f.ZK_Rechenfeld_Edit->text());
  // The formula's byte text has a byte for each UTF-16 unit of its text.
  for (const Festwert& t : f.Zustand.Formelteile.Fuer(NachAnsi(f.ZK_Rechenfeld_Edit->text())))
    a.formelteile.push_back(
        {static_cast<int>(t.anfang), static_cast<int>(t.laenge), GenauerText(t.wert)});
  a.formelErgebnisGezeigt = !f.ZK_Rechenfeld_Label->text().isEmpty();
  a.induktiv = ErfasseRechner(Induktiv(f));
  a.kapazitiv = ErfasseRechner(Kapazitiv(f));
  a.wandeln = S(f.Wandel_KE_EK_Edit->text());
  if (winkelZeile_ >= 0 && winkelZeile_ < aufgabe::kWinkelZeilen &&
      !f.Winkel_StringGrid->Cells(1, winkelZeile_).isEmpty()) {
    a.winkelZeile = winkelZeile_;
    a.winkelText = S(f.Winkel_StringGrid->Cells(1, winkelZeile_));
  }
  return a;
}

void TDateiAktionen::Wende(const Aufgabe& a) {
  TForm1& f = f_;
  // Restoring runs the handlers of typing; a bad input shows its error text
  // in its field as it would when typed, but no message box.
  const auto alteMeldung = TApplication::SetzeMeldungsFunktion(
      [](const QString&, const QString&, int flags) { return flags == MB_OK ? IDOK : IDNO; });
  struct Zurueck {
    TApplication::MeldungsFunktion alt;
    ~Zurueck() { TApplication::SetzeMeldungsFunktion(alt); }
  } zurueck{alteMeldung};

  f.BaueMatrixseite();
  for (TStringGrid* g : {f.MatrixTab_StringGrid, f.Winkel_StringGrid, f.Variablen_StringGrid,
                         f.G_Variablen_StringGrid})
    g->SetEditorMode(false);
  // The work in view goes, its exercise included; the file's comes whole.
  f.Uebung_CheckBox->setChecked(false);
  f.Uebung_CheckBoxClick();
  f.Zustand.Werte = Zellwerte{};

  (a.zahlenFormat == 1 ? f.Exponent_RadioButton : f.General_RadioButton)->setChecked(true);
  f.ZahlenFormat_RadioButtonClick();

  // The memory before the formula, which reads it.
  f.SpeicherZellenLeeren();
  for (int n = 1; n <= aufgabe::kSpeicherZeilen; ++n) {
    const aufgabe::SpeicherZeile& z = a.speicher[static_cast<std::size_t>(n - 1)];
    seiten_[static_cast<std::size_t>(n - 1)] = z.getippt;
    f.Variablen_StringGrid->SetCell(2, n, U(z.kommentar));
    if (z.getippt == Seite::K) {
      f.SetzeText(f.Variablen_StringGrid, 1, n, U(z.k), AusGenau(z.wert));
      f.K_ZeileBerechnen(n);
    } else {
      f.SetzeText(f.G_Variablen_StringGrid, 1, n, U(z.g), AusGenau(z.wert));
      f.G_ZeileBerechnen(n);
    }
  }

  for (int r = 1; r <= aufgabe::kMatrixZeilen; ++r)
    for (int c = 1; c <= aufgabe::kMatrixSpalten; ++c) {
      const auto i = static_cast<std::size_t>(r - 1), k = static_cast<std::size_t>(c - 1);
      f.SetzeText(f.MatrixTab_StringGrid, c, r, U(a.zellen[i][k]), AusGenau(a.zellwerte[i][k]));
    }
  f.AnzahlMatrix_Edit->setText(QString::number(a.dimension));
  f.AnzahlMatrix_EditChange();  // also when the text was already this number
  std::vector<ZKZahl> loesung;
  QString grund;
  if (a.uebung && LoeseUebung(a, loesung, grund)) {
    // Set as "Beispiele" sets one, with the answers typed so far.
    f.Uebung_CheckBox->setChecked(true);
    f.Uebung_CheckBoxClick();
    f.StelleUebung(loesung);
    for (int r = 1; r <= a.dimension; ++r)
      for (int c = 1; c <= 2; ++c)
        f.KxWerte_StringGrid->SetCell(c, r,
                                      U(a.uebung->antworten[static_cast<std::size_t>(r - 1)]
                                                           [static_cast<std::size_t>(c - 1)]));
  } else if (a.matrixErgebnisGezeigt) {
    f.Berechnen_BitBtnClick();
  }

  f.ZK_Rechenfeld_Edit->SetzeTextUeberGrenze(U(a.formel));
  std::vector<Festwert> teile;
  for (const aufgabe::Formelteil& t : a.formelteile)
    if (const auto wert = AusGenau(t.wert))
      teile.push_back(
          {static_cast<std::size_t>(t.stelle), static_cast<std::size_t>(t.laenge), *wert});
  f.Zustand.Formelteile.Setze(NachAnsi(f.ZK_Rechenfeld_Edit->text()), std::move(teile));
  f.ZK_Rechenfeld_Label->clear();
  if (a.formelErgebnisGezeigt) f.ist_gleich_ButtonClick();

  auto rechner = [](const Rechnerteile& t, const aufgabe::Blindrechner& b, auto waehle,
                    auto berechne) {
    TRadioButton* wahl = t.wahl[static_cast<std::size_t>(b.gesucht)];
    wahl->setChecked(true);
    waehle(wahl);
    for (std::size_t i = 0; i < 3; ++i) t.edits[i]->setText(U(b.texte[i]));
    t.label->clear();
    if (b.ergebnisGezeigt) berechne();
  };
  rechner(
      Induktiv(f), a.induktiv, [&f](QObject* b) { f.C_f_XL_RadioButtonClick(b); },
      [&f] { f.istGleichXL_ButtonClick(); });
  rechner(
      Kapazitiv(f), a.kapazitiv, [&f](QObject* b) { f.C_f_XC_RadioButtonClick(b); },
      [&f] { f.istGleichXC_ButtonClick(); });

  f.Wandel_KE_EK_Edit->SetzeTextUeberGrenze(U(a.wandeln));

  for (int r = 0; r < aufgabe::kWinkelZeilen; ++r) f.Winkel_StringGrid->SetCell(1, r, QString());
  winkelZeile_ = a.winkelZeile;
  if (a.winkelZeile >= 0) {
    f.Winkel_StringGrid->SetCell(1, a.winkelZeile, U(a.winkelText));
    f.Winkel_StringGridSetEditText(1, a.winkelZeile, U(a.winkelText));
  }
}

bool TDateiAktionen::Geaendert() const {
  return NurEingaben(Erfasse()) != NurEingaben(referenz_);
}

bool TDateiAktionen::FrageSpeichern() {
  if (!Geaendert()) return true;
  const int antwort = TApplication::MessageBox(QStringLiteral("Änderungen speichern?"),
                                               QStringLiteral("Quorvel"), MB_YESNOCANCEL);
  if (antwort == IDCANCEL) return false;
  if (antwort == IDNO) return true;
  return Speichern();
}

bool TDateiAktionen::Neu() {
  if (!FrageSpeichern()) return false;
  Wende(leer_);
  pfad_.clear();
  referenz_ = Erfasse();
  ZeigeTitel();
  return true;
}

bool TDateiAktionen::OeffnenMitDialog() {
  const QString pfad = Dateiwahl ? Dateiwahl(false) : QString();
  if (pfad.isEmpty()) return false;
  return OeffneNachFrage(pfad);
}

bool TDateiAktionen::OeffneNachFrage(const QString& pfad) {
  // The file is checked before the question: a file that cannot be opened
  // asks nothing and changes nothing.
  QFile datei(pfad);
  if (!datei.exists()) {
    TApplication::MessageBox(
        QStringLiteral("Die Datei „%1“ gibt es nicht (mehr).").arg(QDir::toNativeSeparators(pfad)),
        kDateiTitel, MB_OK);
    return false;
  }
  if (!FrageSpeichern()) return false;
  return Oeffne(pfad);
}

bool TDateiAktionen::Oeffne(const QString& pfad) {
  const QString name = QFileInfo(pfad).fileName();
  QFile datei(pfad);
  if (!datei.open(QIODevice::ReadOnly)) {
    TApplication::MessageBox(QStringLiteral("Die Datei „%1“ kann nicht gelesen werden: %2")
                                 .arg(QDir::toNativeSeparators(pfad), datei.errorString()),
                             kDateiTitel, MB_OK);
    return false;
  }
  // One byte more than allowed tells a large file without reading all of it.
  const QByteArray bytes = datei.read(static_cast<qint64>(aufgabe::kMaxDateiGroesse) + 1);
  const aufgabe::Leseergebnis e = aufgabe::LiesAufgabe(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  if (e.fehler != aufgabe::Lesefehler::Keiner) {
    TApplication::MessageBox(U(aufgabe::Lesemeldung(e, S(name))), kDateiTitel, MB_OK);
    return false;
  }
  // An exercise hides a solution that opening computes: without one it
  // cannot be set, and the file is not opened.
  std::vector<ZKZahl> loesung;
  QString grund;
  if (e.aufgabe.uebung && !LoeseUebung(e.aufgabe, loesung, grund)) {
    TApplication::MessageBox(
        QStringLiteral("Die Übung in der Datei „%1“ lässt sich nicht stellen: %2. Sie wurde "
                       "nicht geöffnet.")
            .arg(name, grund),
        kDateiTitel, MB_OK);
    return false;
  }
  Wende(e.aufgabe);
  pfad_ = QFileInfo(pfad).absoluteFilePath();
  referenz_ = Erfasse();
  MerkeZuletzt(pfad_);
  ZeigeTitel();
  return true;
}

bool TDateiAktionen::Speichern() {
  if (pfad_.isEmpty()) return SpeichernUnter();
  return SpeichereNach(pfad_);
}

bool TDateiAktionen::SpeichernUnter() {
  const QString pfad = Dateiwahl ? Dateiwahl(true) : QString();
  if (pfad.isEmpty()) return false;
  return SpeichereNach(pfad);
}

bool TDateiAktionen::SpeichereNach(const QString& pfad) {
  const Aufgabe a = Erfasse();
  std::string bytes, grund;
  if (!aufgabe::SchreibeAufgabe(a, bytes, grund)) {
    TApplication::MessageBox(U(grund), kSpeichernTitel, MB_OK);
    return false;
  }
  QSaveFile datei(pfad);
  // Written to a temporary file beside the target and renamed over it at
  // the end, so a full disk or a crash leaves the old file whole. Unbuffered:
  // a buffered QSaveFile takes a short write on a full disk for success and
  // commits the cut file; unbuffered, write() reports what really went out.
  const bool ok = datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
                  datei.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                      static_cast<qint64>(bytes.size()) &&
                  datei.commit();
  if (!ok) {
    const QString grundText = datei.errorString();
    datei.cancelWriting();
    TApplication::MessageBox(
        QStringLiteral("Die Datei „%1“ konnte nicht gespeichert werden: %2\n"
                       "Eine schon vorhandene Datei dieses Namens ist unverändert.")
            .arg(QDir::toNativeSeparators(pfad), grundText),
        kSpeichernTitel, MB_OK);
    return false;
  }
  pfad_ = QFileInfo(pfad).absoluteFilePath();
  referenz_ = a;
  MerkeZuletzt(pfad_);
  ZeigeTitel();
  return true;
}

QStringList TDateiAktionen::Zuletzt() const {
  return Einstellungen().value(QStringLiteral("zuletzt")).toStringList();
}

void TDateiAktionen::LeereZuletzt() {
  Einstellungen().remove(QStringLiteral("zuletzt"));
  BaueZuletztMenue();
}

void TDateiAktionen::MerkeZuletzt(const QString& pfad) {
  QStringList liste = Zuletzt();
  liste.removeAll(pfad);
  liste.prepend(pfad);
  while (liste.size() > kZuletztAnzahl) liste.removeLast();
  Einstellungen().setValue(QStringLiteral("zuletzt"), liste);
  BaueZuletztMenue();
}

void TDateiAktionen::BaueZuletztMenue() {
  zuletzt_->clear();
  const QStringList liste = Zuletzt();
  for (qsizetype i = 0; i < liste.size(); ++i) {
    const QString pfad = liste[i];
    QAction* a = zuletzt_->addAction(
        QStringLiteral("&%1  %2").arg(i + 1).arg(QDir::toNativeSeparators(pfad)), this,
        [this, pfad] {
          if (!QFile::exists(pfad)) {
            QStringList l = Zuletzt();
            l.removeAll(pfad);
            Einstellungen().setValue(QStringLiteral("zuletzt"), l);
          }
          OeffneNachFrage(pfad);
        });
    a->setData(pfad);
  }
  if (!liste.isEmpty()) zuletzt_->addSeparator();
  QAction* leeren =
      zuletzt_->addAction(QStringLiteral("Liste leeren"), this, [this] { LeereZuletzt(); });
  leeren->setObjectName(QStringLiteral("Liste leeren"));
  leeren->setEnabled(!liste.isEmpty());
}

void TDateiAktionen::ZeigeTitel() {
  f_.setWindowTitle(pfad_.isEmpty() ? titel_
                                    : titel_ + QStringLiteral(" – ") + QFileInfo(pfad_).fileName());
}

void TDateiAktionen::ZeigeAnleitung() {
  HaengeAnleitungAn();
  if (const int seite = AnleitungsSeite(f_); seite >= 0) f_.TabbedNotebook->SetPageIndex(seite);
  f_.show();
  f_.raise();
  f_.activateWindow();
  f_.Bedinungsanleitung_Memo->setFocus();
}

void TDateiAktionen::HaengeAnleitungAn() {
  if (!anleitungLaden_) return;
  disconnect(anleitungLaden_);
  anleitungLaden_ = {};
  QFile datei(QStringLiteral(":/anleitung/Anleitung.txt"));
  if (!datei.open(QIODevice::ReadOnly)) return;
  QString text = QString::fromUtf8(datei.readAll());
  // The resource ends with a line break; it adds no empty line.
  if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
  TMemo* memo = f_.Bedinungsanleitung_Memo;
  // In one insertion: the memo then lays out only the lines it shows, where
  // one insertion per line lays out each line as it comes.
  memo->LinesAdd(text);
  // The manual's tables put a tab between their columns.
  memo->setTabStopDistance(190);
  memo->moveCursor(QTextCursor::Start);
}

void TDateiAktionen::ZeigeUeber() {
  TApplication::MessageBox(
      QStringLiteral(
          "Quorvel %1\n"
          "Rechner für komplexe Zahlen für den Unterricht in Wechselstromtechnik.\n\n"
          "Copyright © 2026 die Quorvel-Entwickler.\n\n"
          "Quorvel ist freie Software: Sie dürfen es unter den Bedingungen der GNU General "
          "Public License, wie von der Free Software Foundation veröffentlicht, weitergeben "
          "und/oder ändern, entweder nach Version 3 der Lizenz oder (nach Ihrer Wahl) jeder "
          "späteren Version.\n\n"
          "Quorvel wird in der Hoffnung verbreitet, dass es nützlich ist, aber OHNE JEDE "
          "GEWÄHRLEISTUNG, sogar ohne die implizite Gewährleistung der MARKTREIFE oder der "
          "EIGNUNG FÜR EINEN BESTIMMTEN ZWECK.\n\n"
          "Lizenztext: https://www.gnu.org/licenses/gpl-3.0.html")
          .arg(QStringLiteral(QUORVEL_VERSION)),
      QStringLiteral("Über Quorvel"), MB_OK);
}

bool TDateiAktionen::eventFilter(QObject* objekt, QEvent* e) {
  // Work that was never saved closes as it always did; work tied to a file
  // asks before its changes are lost.
  if (objekt == &f_ && e->type() == QEvent::Close && !pfad_.isEmpty() && Geaendert() &&
      !FrageSpeichern()) {
    e->ignore();
    return true;
  }
  return QObject::eventFilter(objekt, e);
}

void InstalliereDateimenue(TForm1& form) {
  new TDateiAktionen(form);
}

TDateiAktionen* Dateiaktionen(TForm1& form) {
  return form.findChild<TDateiAktionen*>(QString(), Qt::FindDirectChildrenOnly);
}
