// SPDX-License-Identifier: GPL-3.0-or-later
#include "Modell.h"

#include "complex/ZKGenau.h"

using aufgabe::Aufgabe;
using aufgabe::Seite;

namespace {

QString U(const std::string& s) {
  return QString::fromStdString(s);
}
std::string S(const QString& s) {
  return s.toStdString();
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

aufgabe::Blindrechner Erfasse(const Blindrechner& r) {
  aufgabe::Blindrechner b;
  for (std::size_t i = 0; i < 3; ++i) b.texte[i] = S(r.Text(static_cast<Feld>(i)));
  b.gesucht = static_cast<int>(r.Gesucht());
  b.ergebnisGezeigt = !r.Ergebnis().isEmpty();
  return b;
}

void Wende(Blindrechner& r, const aufgabe::Blindrechner& b) {
  r.SetzeGesucht(static_cast<Feld>(b.gesucht));
  for (std::size_t i = 0; i < 3; ++i) r.SetzeText(static_cast<Feld>(i), U(b.texte[i]));
  r.LeereErgebnis();
  if (b.ergebnisGezeigt) r.Berechne();
}

}  // namespace

Modell::Modell(QObject* eltern)
    : QObject(eltern),
      speicher_(new Variablenspeicher(format_, this)),
      system_(new Gleichungssystem(format_, this)),
      formel_(
          new Formelfeld(format_, speicher_->Werte(Seite::K), speicher_->Werte(Seite::G), this)),
      induktiv_(new Blindrechner(Blindrechner::Art::Induktiv, format_, this)),
      kapazitiv_(new Blindrechner(Blindrechner::Art::Kapazitiv, format_, this)),
      wandeln_(new Wandelfeld(format_, this)),
      winkel_(new Winkeltabelle(this)),
      schaltung_(new Schaltungsfeld(this)) {
  // One signal for every change, whichever part made it.
  auto geaendert = [this] { emit Geaendert(); };
  connect(speicher_, &Variablenspeicher::ZeileGeaendert, this, geaendert);
  connect(system_, &QAbstractItemModel::dataChanged, this, geaendert);
  connect(system_->Ergebnisse(), &QAbstractItemModel::dataChanged, this, geaendert);
  connect(system_, &Gleichungssystem::DimensionGeaendert, this, geaendert);
  connect(system_, &Gleichungssystem::UebungGeaendert, this, geaendert);
  connect(system_, &QAbstractItemModel::headerDataChanged, this, geaendert);
  connect(formel_, &Formelfeld::TextGeaendert, this, geaendert);
  connect(schaltung_, &Schaltungsfeld::NetzlisteGeaendert, this, geaendert);
  connect(schaltung_, &Schaltungsfeld::VerfahrenGeaendert, this, geaendert);
  connect(formel_, &Formelfeld::ErgebnisGeaendert, this, geaendert);
  connect(induktiv_, &Blindrechner::Geaendert, this, geaendert);
  connect(kapazitiv_, &Blindrechner::Geaendert, this, geaendert);
  connect(wandeln_, &Wandelfeld::Geaendert, this, geaendert);
  connect(winkel_, &QAbstractItemModel::dataChanged, this, geaendert);
  connect(this, &Modell::FormatGeaendert, this, geaendert);
  connect(this, &Modell::OrtskurveGeaendert, this, geaendert);
}

Modell::~Modell() = default;

void Modell::SetzeZahlenFormat(int format) {
  format_ = format == Exponent ? Exponent : General;
  emit FormatGeaendert(format_);
}

void Modell::SetzeOrtskurve(const aufgabe::Ortskurve& k) {
  if (k == ortskurve_) return;
  ortskurve_ = k;
  emit OrtskurveGeaendert();
}

void Modell::SetzeKopie(const QString& text, const std::optional<ZKZahl>& wert) {
  kopierText_ = text;
  kopierWert_ = wert;
}

QString Modell::Text(Ort ort, int spalte, int zeile) const {
  switch (ort) {
    case Ort::Matrix:
      return system_->Zelle(zeile, spalte);
    case Ort::Ergebnis:
      return system_->Ergebnisse()->Text(zeile, spalte);
    case Ort::K:
      return spalte == 2 ? speicher_->Kommentar(zeile) : speicher_->Text(Seite::K, zeile);
    case Ort::G:
      return speicher_->Text(Seite::G, zeile);
    case Ort::XL:
      return induktiv_->Ergebnis();
    case Ort::XC:
      return kapazitiv_->Ergebnis();
    case Ort::Formelergebnis:
      return formel_->Ergebnis();
    case Ort::Wandeln:
      return wandeln_->Text();
    case Ort::Winkel:
      return winkel_->Text(zeile);
    case Ort::Formel:
      return formel_->Text();
    case Ort::Schaltung:
      break;
  }
  return {};
}

std::optional<ZKZahl> Modell::Wert(Ort ort, int spalte, int zeile) const {
  switch (ort) {
    case Ort::Matrix:
      return system_->Zellwert(zeile, spalte);
    case Ort::Ergebnis:
      return system_->Ergebnisse()->Wert(zeile, spalte);
    case Ort::K:
      return spalte == 1 ? speicher_->Wert(Seite::K, zeile) : std::nullopt;
    case Ort::G:
      return spalte == 1 ? speicher_->Wert(Seite::G, zeile) : std::nullopt;
    case Ort::XL:
      return induktiv_->Wert();
    case Ort::XC:
      return kapazitiv_->Wert();
    case Ort::Formelergebnis:
      return formel_->Wert();
    case Ort::Wandeln:
      return wandeln_->Wert();
    case Ort::Winkel:  // real numbers from double arithmetic: the text is all
    case Ort::Formel:
    case Ort::Schaltung:
      return std::nullopt;
  }
  return std::nullopt;
}

Modell::Uebernahme Modell::UebernimmSchaltung() {
  if (system_->UebungAktiv()) return Uebernahme::Gesperrt;
  const Schaltungsanalyse& a = schaltung_->Analysiere();
  if (!a.aufgestellt) return Uebernahme::Netzlistenfehler;
  if (a.system.n > Gleichungssystem::kMaxDimension) return Uebernahme::ZuGross;
  const Matrixtexte t = MatrixtexteVon(schaltung_->Gelesen(), a.system);
  return system_->SetzeSystem(t.n, t.zellen, t.zeilentitel, t.spaltentitel, t.werte, t.herleitungen)
             ? Uebernahme::Uebernommen
             : Uebernahme::Gesperrt;
}

void Modell::LeiteMatrixHer() {
  const Schaltungsanalyse& a = schaltung_->Analysiere();
  if (!a.aufgestellt || a.system.n != system_->Dimension()) return;
  const Matrixtexte t = MatrixtexteVon(schaltung_->Gelesen(), a.system);
  for (int r = 1; r <= t.n; ++r)
    for (int c = 1; c <= t.n + 1; ++c)
      if (system_->Zelle(r, c) !=
          t.zellen[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)])
        return;
  for (int r = 1; r <= t.n; ++r)
    for (int c = 1; c <= t.n + 1; ++c)
      system_->SetzeHerleitung(
          r, c, t.herleitungen[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)]);
}

Aufgabe Modell::Schnappschuss() const {
  Aufgabe a;
  a.zahlenFormat = format_;
  a.dimension = system_->Dimension();
  for (int r = 1; r <= aufgabe::kMatrixZeilen; ++r)
    for (int c = 1; c <= aufgabe::kMatrixSpalten; ++c) {
      const auto i = static_cast<std::size_t>(r - 1), k = static_cast<std::size_t>(c - 1);
      a.zellen[i][k] = S(system_->Zelle(r, c));
      a.zellwerte[i][k] = Genau(system_->Zellwert(r, c));
    }
  if (system_->UebungAktiv()) {
    // An exercise's results are the student's answers, no result: opening
    // the file must not solve the task in view. It is kept as an exercise,
    // with the answers and without the solution.
    aufgabe::Uebung u;
    const int n = static_cast<int>(system_->UebungsLoesung().size()) - 1;
    for (int r = 1; r <= n && r <= aufgabe::kMaxDimension; ++r)
      for (int c = 1; c <= 2; ++c)
        u.antworten[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)] =
            S(system_->Ergebnisse()->Text(r, c));
    a.uebung = u;
  } else {
    a.matrixErgebnisGezeigt = !system_->Ergebnisse()->Leer();
  }

  for (int n = 1; n <= aufgabe::kSpeicherZeilen; ++n) {
    aufgabe::SpeicherZeile& z = a.speicher[static_cast<std::size_t>(n - 1)];
    z.k = S(speicher_->Text(Seite::K, n));
    z.kommentar = S(speicher_->Kommentar(n));
    z.g = S(speicher_->Text(Seite::G, n));
    z.getippt = speicher_->Getippt(n);
    // A side without text cannot have been the typed one.
    if (z.getippt == Seite::K && z.k.empty() && !z.g.empty()) z.getippt = Seite::G;
    if (z.getippt == Seite::G && z.g.empty()) z.getippt = Seite::K;
    z.wert = Genau(speicher_->Wert(z.getippt, n));
  }

  a.formel = S(formel_->Text());
  for (const Festwert& t : formel_->Teile())
    a.formelteile.push_back(
        {static_cast<int>(t.anfang), static_cast<int>(t.laenge), GenauerText(t.wert)});
  a.formelErgebnisGezeigt = !formel_->Ergebnis().isEmpty();
  a.induktiv = Erfasse(*induktiv_);
  a.kapazitiv = Erfasse(*kapazitiv_);
  a.wandeln = S(wandeln_->Text());
  if (const int w = winkel_->Getippt(); w >= 0 && !winkel_->Text(w).isEmpty()) {
    a.winkelZeile = w;
    a.winkelText = S(winkel_->Text(w));
  }
  a.netzliste = S(schaltung_->Netzliste());
  a.verfahren = schaltung_->Verfahren() == ::Verfahren::Maschen ? 1 : 0;
  for (int r = 1; r <= aufgabe::kMatrixZeilen; ++r)
    a.zeilentitel[static_cast<std::size_t>(r - 1)] = S(system_->Zeilentitel(r));
  for (int c = 1; c <= aufgabe::kMatrixSpalten; ++c)
    a.spaltentitel[static_cast<std::size_t>(c - 1)] = S(system_->Spaltentitel(c));
  a.ortskurve = ortskurve_;
  return a;
}

bool Modell::LoeseUebung(const Aufgabe& a, std::vector<ZKZahl>& loesung, QString& grund) {
  std::vector<std::vector<QString>> zellen;
  std::vector<std::vector<std::optional<ZKZahl>>> werte;
  for (std::size_t i = 0; i < a.zellen.size(); ++i) {
    auto& z = zellen.emplace_back();
    auto& w = werte.emplace_back();
    for (std::size_t k = 0; k < a.zellen[i].size(); ++k) {
      z.push_back(U(a.zellen[i][k]));
      w.push_back(AusGenau(a.zellwerte[i][k]));
    }
  }
  return Gleichungssystem::LoeseAufgabe(a.dimension, zellen, werte, loesung, grund);
}

void Modell::Wende(const Aufgabe& a) {
  // The work in view goes, its exercise included; the file's comes whole.
  system_->SetzeUebungsModus(false);
  SetzeZahlenFormat(a.zahlenFormat == 1 ? Exponent : General);

  // The memory before the formula, which reads it.
  speicher_->LeereAlles();
  for (int n = 1; n <= aufgabe::kSpeicherZeilen; ++n) {
    const aufgabe::SpeicherZeile& z = a.speicher[static_cast<std::size_t>(n - 1)];
    speicher_->SetzeKommentar(n, U(z.kommentar));
    speicher_->Setze(z.getippt, n, U(z.getippt == Seite::K ? z.k : z.g), AusGenau(z.wert));
  }

  for (int r = 1; r <= aufgabe::kMatrixZeilen; ++r)
    for (int c = 1; c <= aufgabe::kMatrixSpalten; ++c) {
      const auto i = static_cast<std::size_t>(r - 1), k = static_cast<std::size_t>(c - 1);
      system_->SetzeZelle(r, c, U(a.zellen[i][k]), AusGenau(a.zellwerte[i][k]));
    }
  system_->SetzeDimension(a.dimension);
  schaltung_->SetzeNetzliste(U(a.netzliste));
  schaltung_->SetzeVerfahren(a.verfahren == 1 ? ::Verfahren::Maschen : ::Verfahren::Knoten);
  for (int r = 1; r <= aufgabe::kMatrixZeilen; ++r)
    system_->SetzeZeilentitel(r, U(a.zeilentitel[static_cast<std::size_t>(r - 1)]));
  for (int c = 1; c <= aufgabe::kMatrixSpalten; ++c)
    system_->SetzeSpaltentitel(c, U(a.spaltentitel[static_cast<std::size_t>(c - 1)]));
  if (!a.uebung) LeiteMatrixHer();
  std::vector<ZKZahl> loesung;
  QString grund;
  if (a.uebung && LoeseUebung(a, loesung, grund)) {
    // Set as "Beispiele" sets one, with the answers typed so far.
    system_->SetzeUebungsModus(true);
    system_->StelleUebung(loesung);
    for (int r = 1; r <= system_->Dimension(); ++r)
      for (int c = 1; c <= 2; ++c)
        system_->Ergebnisse()->SetzeAntwort(
            r, c,
            U(a.uebung
                  ->antworten[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)]));
  } else if (a.matrixErgebnisGezeigt) {
    system_->Loese(false);
  }

  std::vector<Festwert> teile;
  for (const aufgabe::Formelteil& t : a.formelteile)
    if (const auto wert = AusGenau(t.wert))
      teile.push_back(
          {static_cast<std::size_t>(t.stelle), static_cast<std::size_t>(t.laenge), *wert});
  formel_->SetzeText(U(a.formel), std::move(teile));
  formel_->LeereErgebnis();
  if (a.formelErgebnisGezeigt) formel_->Berechne();

  ::Wende(*induktiv_, a.induktiv);
  ::Wende(*kapazitiv_, a.kapazitiv);
  wandeln_->SetzeText(U(a.wandeln));

  winkel_->Leere();
  if (a.winkelZeile >= 0) winkel_->Setze(a.winkelZeile, U(a.winkelText));
  SetzeOrtskurve(a.ortskurve);
}
