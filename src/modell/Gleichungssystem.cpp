// SPDX-License-Identifier: GPL-3.0-or-later
#include "Gleichungssystem.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "complex/ZKLesen.h"
#include "complex/ZKText.h"
#include "logik/Beispielsystem.h"
#include "modell/Text.h"
#include "modell/Uebung.h"

namespace {

QString Eintragen() {
  return Gleichungssystem::tr("Lösungen eintragen, dann „Prüfen“.");
}

// A double as a text that reads back to it, with the program's decimal
// comma: the shortest such text in General ("1234,5678901234567", "1,5E-05"),
// 17 significant digits in Exponent ("1,2345678901234567E+03").
std::string GenaueZahl(double x, int format) {
  char puffer[64];
  const std::to_chars_result ende =
      format == Exponent
          ? std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific, 16)
          : std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general);
  std::string text(puffer, ende.ptr);
  for (char& c : text) {
    if (c == '.') c = ',';
    if (c == 'e') c = 'E';
  }
  return text;
}

// A right-hand side is a sum of products; its shown text (angle rounded to
// 0.01 degree) would put another system into the grid than the one whose
// solution the memo lists. Where the shown text does not read back to the
// sum, the component form with round-trip digits in each part does.
std::string RechteSeiteText(const ZKZahl& z, int format) {
  std::string text = z.Winkel != 0 ? ExponentialText(z, format) : KomponentenText(z, format);
  const double a = double(z.Realteil), b = double(z.Imaginaerteil);
  ZKZahl gelesen;
  if (LiesZKZahl(text, gelesen) != ZKForm::Keine && gelesen.Realteil == a &&
      gelesen.Imaginaerteil == b)
    return text;
  text.clear();
  if (a != 0 || b == 0) text += GenaueZahl(a, format);
  if (b > 0)
    text += (a != 0 ? "+j" : "j") + GenaueZahl(b, format);
  else if (b < 0)
    text += "-j" + GenaueZahl(-b, format);
  return text;
}

// Reads the n x (n + 1) cells into m (row r, column 0 the right-hand side);
// false at the first cell no reader takes, with its place.
template <class Text, class Wert>
bool LiesSystem(int n, const Text& text, const Wert& wert, ZKMatrix& m, int& zeile, int& spalte) {
  for (int r = 1; r <= n; ++r) {
    for (int c = 1; c <= n + 1; ++c) {
      ZKZahl z;
      // A pasted result counts with its full value; other texts are read.
      // Texts longer than the working buffer are bad cells, never cut.
      if (const std::optional<ZKZahl> voll = wert(r, c)) {
        z = *voll;
      } else if (LiesZKZahl(NachAnsi(text(r, c)), z, kZellPuffer) == ZKForm::Keine) {
        zeile = r;
        spalte = c;
        return false;
      }
      m[r][c - 1] = z;
    }
  }
  return true;
}

}  // namespace

Gleichungssystem::Gleichungssystem(const int& zahlenFormat, QObject* eltern)
    : Texttabelle(eltern, 3, 4), format_(zahlenFormat), ergebnisse_(new Ergebnistabelle(*this)) {}

Gleichungssystem::~Gleichungssystem() = default;

QString Gleichungssystem::Zelltext(int zeile, int spalte) const {
  return Z(zeile + 1, spalte + 1).text;
}

QVariant Gleichungssystem::Zellrolle(int zeile, int spalte, int rolle) const {
  const QString& herleitung = Z(zeile + 1, spalte + 1).herleitung;
  if (rolle == kHerleitungRolle) return herleitung;
  // Hovering a cell, or a screen reader on it, tells where it comes from.
  if ((rolle == Qt::ToolTipRole || rolle == Qt::AccessibleDescriptionRole) && !herleitung.isEmpty())
    return herleitung;
  return {};
}

QVariant Gleichungssystem::headerData(int abschnitt, Qt::Orientation o, int rolle) const {
  if (rolle != Qt::DisplayRole || abschnitt < 0) return {};
  if (o == Qt::Vertical) {
    if (abschnitt < kZeilen && !zeilentitel_[static_cast<std::size_t>(abschnitt)].isEmpty())
      return zeilentitel_[static_cast<std::size_t>(abschnitt)];
    return tr("GL %1:").arg(abschnitt + 1);
  }
  if (abschnitt < kSpalten && !spaltentitel_[static_cast<std::size_t>(abschnitt)].isEmpty())
    return spaltentitel_[static_cast<std::size_t>(abschnitt)];
  if (abschnitt == 0) return tr("Ergebnis  = ");
  return tr("Koeffizient von X%1").arg(abschnitt);
}

bool Gleichungssystem::Tippe(int zeile, int spalte, const QString& text) {
  return SetzeZelle(zeile + 1, spalte + 1, text);
}

bool Gleichungssystem::SetzeDimension(int n) {
  if (UebungAktiv()) return false;
  LoescheErgebnisse();
  n = std::clamp(n, 1, kMaxDimension);
  if (n != n_) LoescheHerleitungen();
  Groesse(n);
  emit DimensionGeaendert(n_);
  return true;
}

// Rows, columns and the results' rows change one after the other: a view
// sees each count change only inside its own begin and end.
void Gleichungssystem::Groesse(int n) {
  n_ = n;
  auto zeilen = [n](auto& tabelle, int& anzahl) {
    if (n < anzahl) {
      tabelle.beginRemoveRows({}, n, anzahl - 1);
      anzahl = n;
      tabelle.endRemoveRows();
    } else if (n > anzahl) {
      tabelle.beginInsertRows({}, anzahl, n - 1);
      anzahl = n;
      tabelle.endInsertRows();
    }
  };
  zeilen(*this, zeilen_);
  if (n + 1 < spalten_) {
    beginRemoveColumns({}, n + 1, spalten_ - 1);
    spalten_ = n + 1;
    endRemoveColumns();
  } else if (n + 1 > spalten_) {
    beginInsertColumns({}, spalten_, n);
    spalten_ = n + 1;
    endInsertColumns();
  }
  zeilen(*ergebnisse_, ergebnisse_->zeilen_);
}

QString Gleichungssystem::Zelle(int zeile, int spalte) const {
  return IstZelle(zeile, spalte) ? Z(zeile, spalte).text : QString();
}

std::optional<ZKZahl> Gleichungssystem::Zellwert(int zeile, int spalte) const {
  return IstZelle(zeile, spalte) ? Z(zeile, spalte).wert : std::nullopt;
}

QString Gleichungssystem::Herleitung(int zeile, int spalte) const {
  return IstZelle(zeile, spalte) ? Z(zeile, spalte).herleitung : QString();
}

void Gleichungssystem::Schreibe(int zeile, int spalte, const QString& text,
                                const std::optional<ZKZahl>& wert, const QString& herleitung) {
  if (!IstZelle(zeile, spalte)) return;
  Z(zeile, spalte).Setze(text, wert);
  Z(zeile, spalte).herleitung = herleitung;
  if (zeile <= zeilen_ && spalte <= spalten_) {
    const QModelIndex i = index(zeile - 1, spalte - 1);
    emit dataChanged(i, i);
  }
}

bool Gleichungssystem::SetzeZelle(int zeile, int spalte, const QString& text,
                                  const std::optional<ZKZahl>& wert, const QString& herleitung) {
  if (UebungAktiv() || !IstZelle(zeile, spalte)) return false;
  Schreibe(zeile, spalte, text, wert, herleitung);
  LoescheErgebnisse();
  return true;
}

bool Gleichungssystem::LeereTabelle() {
  if (UebungAktiv()) return false;
  for (int r = 1; r <= n_; ++r)
    for (int c = 1; c <= n_ + 1; ++c) Schreibe(r, c, {}, std::nullopt, {});
  LoescheErgebnisse();
  LoescheTitel();
  return true;
}

void Gleichungssystem::SetzeHerleitung(int zeile, int spalte, const QString& herleitung) {
  if (IstZelle(zeile, spalte))
    Schreibe(zeile, spalte, Z(zeile, spalte).text, Z(zeile, spalte).wert, herleitung);
}

void Gleichungssystem::LoescheHerleitungen() {
  for (int r = 1; r <= kZeilen; ++r)
    for (int c = 1; c <= kSpalten; ++c)
      if (!Z(r, c).herleitung.isEmpty()) Schreibe(r, c, Z(r, c).text, Z(r, c).wert, {});
}

void Gleichungssystem::LoescheTitel() {
  for (int r = 1; r <= kZeilen; ++r)
    if (!Zeilentitel(r).isEmpty()) SetzeZeilentitel(r, {});
  for (int c = 1; c <= kSpalten; ++c)
    if (!Spaltentitel(c).isEmpty()) SetzeSpaltentitel(c, {});
}

QString Gleichungssystem::Zeilentitel(int zeile) const {
  return zeile >= 1 && zeile <= kZeilen ? zeilentitel_[static_cast<std::size_t>(zeile - 1)]
                                        : QString();
}

QString Gleichungssystem::Spaltentitel(int spalte) const {
  return spalte >= 1 && spalte <= kSpalten ? spaltentitel_[static_cast<std::size_t>(spalte - 1)]
                                           : QString();
}

void Gleichungssystem::SetzeZeilentitel(int zeile, const QString& titel) {
  if (zeile < 1 || zeile > kZeilen) return;
  zeilentitel_[static_cast<std::size_t>(zeile - 1)] = titel;
  emit headerDataChanged(Qt::Vertical, zeile - 1, zeile - 1);
}

void Gleichungssystem::SetzeSpaltentitel(int spalte, const QString& titel) {
  if (spalte < 1 || spalte > kSpalten) return;
  spaltentitel_[static_cast<std::size_t>(spalte - 1)] = titel;
  emit headerDataChanged(Qt::Horizontal, spalte - 1, spalte - 1);
  if (spalte >= 2) emit ergebnisse_->headerDataChanged(Qt::Vertical, spalte - 2, spalte - 2);
}

bool Gleichungssystem::SetzeSystem(int n, const std::vector<std::vector<QString>>& zellen,
                                   const std::vector<QString>& zeilentitel,
                                   const std::vector<QString>& spaltentitel,
                                   const std::vector<std::vector<ZKZahl>>& werte,
                                   const std::vector<std::vector<QString>>& herleitungen) {
  if (UebungAktiv()) return false;
  n = std::clamp(n, 1, kMaxDimension);
  // The dimension first: its change takes the old derivations with it.
  SetzeDimension(n);
  auto hat = [](const auto& tabelle, std::size_t i, std::size_t k) {
    return i < tabelle.size() && k < tabelle[i].size();
  };
  for (int r = 1; r <= kZeilen; ++r)
    for (int c = 1; c <= kSpalten; ++c) {
      const auto i = static_cast<std::size_t>(r - 1), k = static_cast<std::size_t>(c - 1);
      const bool drin = r <= n && c <= n + 1 && hat(zellen, i, k);
      Schreibe(r, c, drin ? zellen[i][k] : QString(),
               drin && hat(werte, i, k) ? std::optional<ZKZahl>(werte[i][k]) : std::nullopt,
               drin && hat(herleitungen, i, k) ? herleitungen[i][k] : QString());
    }
  for (int r = 1; r <= kZeilen; ++r)
    SetzeZeilentitel(r, static_cast<std::size_t>(r - 1) < zeilentitel.size()
                            ? zeilentitel[static_cast<std::size_t>(r - 1)]
                            : QString());
  for (int c = 1; c <= kSpalten; ++c)
    SetzeSpaltentitel(c, static_cast<std::size_t>(c - 1) < spaltentitel.size()
                             ? spaltentitel[static_cast<std::size_t>(c - 1)]
                             : QString());
  LoescheErgebnisse();
  return true;
}

Gleichungssystem::Loesungsstand Gleichungssystem::Loese(bool aufzeichnen) {
  if (UebungAktiv()) return {Loesungsstand::Gesperrt};  // would show the hidden solution
  const int n = n_;
  Loesungsstand stand;
  if (!LiesSystem(
          n, [this](int r, int c) { return Z(r, c).text; },
          [this](int r, int c) { return Z(r, c).wert; }, eingabe_, stand.zeile, stand.spalte)) {
    stand.art = Loesungsstand::Zellfehler;
    return stand;
  }
  GleichungsLoeser loeser;
  loeser.SetzeDimension(n);
  loeser.UebernehmeMatrix(n, n, eingabe_);
  // Recording costs a quarter of the solve at n = 20: only an open
  // Rechenweg window pays it; otherwise it is taken when the window opens.
  loeser.SetzeRechenweg(aufzeichnen ? &weg_ : nullptr);
  if (!aufzeichnen) weg_.Leeren();
  letzteDimension_ = n;
  letzteEingabe_ = eingabe_;
  const LoeseStatus status = loeser.Loese();
  const std::vector<ZKZahl>& x = loeser.Loesung();
  for (std::size_t i = 0; i < x.size(); ++i) {
    const int r = static_cast<int>(i) + 1;
    ergebnisse_->Setze(r, 1, AusAnsi(ExponentialText(x[i], format_)), x[i]);
    ergebnisse_->Setze(r, 2, AusAnsi(KomponentenText(x[i], format_)), x[i]);
  }
  if (status != Geloest) LoescheErgebnisse();
  stand.art = status == Geloest                 ? Loesungsstand::Geloest
              : status == SchlechtKonditioniert ? Loesungsstand::SchlechtKonditioniert
                                                : Loesungsstand::KeineEindeutigeLoesung;
  emit LoesungGeaendert();
  return stand;
}

void Gleichungssystem::LoescheErgebnisse() {
  for (int r = 1; r <= kZeilen; ++r) {
    for (int c = 1; c <= 2; ++c) {
      Ergebnistabelle::Eintrag& e = ergebnisse_->E(r, c);
      if (e.text.isEmpty() && !e.wert && e.marke == Marke::Keine && e.urteil.isEmpty()) continue;
      e = {};
      ergebnisse_->Geaendert(r);
    }
  }
}

std::vector<ZKZahl> Gleichungssystem::Loesung() const {
  std::vector<ZKZahl> x;
  if (UebungAktiv()) return x;  // the answers are no solution
  for (int r = 1; r <= n_; ++r) {
    const std::optional<ZKZahl> w = ergebnisse_->Wert(r, 1);
    if (!w) return {};
    x.push_back(*w);
  }
  return x;
}

void Gleichungssystem::NimmRechenwegAuf() {
  // A recorded solve has at least one equation.
  if (letzteDimension_ == 0 || weg_.n != 0) return;
  // The same input gives the same steps, bit for bit.
  GleichungsLoeser loeser;
  loeser.SetzeDimension(letzteDimension_);
  loeser.UebernehmeMatrix(letzteDimension_, letzteDimension_, letzteEingabe_);
  loeser.SetzeRechenweg(&weg_);
  loeser.Loese();
}

Gleichungssystem::Beispiel Gleichungssystem::ZieheBeispiel(std::uint32_t samen, int stufe, int n) {
  n = std::clamp(n, 1, kMaxDimension);
  if (n != n_) {
    Groesse(n);
    emit DimensionGeaendert(n_);
  }
  // A drawn example is no circuit's system: its titles are the standard ones.
  LoescheTitel();
  LoescheHerleitungen();
  std::array<ZKZahl, 25> x{};
  ZieheBeispielsystem(samen, stufe, n, x, eingabe_);
  Beispiel b;
  b.loesung.assign(x.begin(), x.begin() + n + 1);
  for (int s = 0; s < n; ++s) {
    auto& zeile = b.zeilen.emplace_back();
    for (int k = 0; k <= n; ++k) {
      const ZKZahl& z = eingabe_[s][k];
      zeile.push_back(AusAnsi(k == 0          ? RechteSeiteText(z, format_)
                              : z.Winkel != 0 ? ExponentialText(z, format_)
                                              : KomponentenText(z, format_)));
      // A new example replaces the task of an exercise too.
      Schreibe(s + 1, k + 1, zeile.back(), std::nullopt, {});
    }
  }
  return b;
}

void Gleichungssystem::SetzeStand(const QString& stand) {
  if (stand_ == stand) return;
  stand_ = stand;
  emit UebungGeaendert();
}

void Gleichungssystem::SetzeUebungsModus(bool an) {
  modus_ = an;
  if (an) {
    stand_ = tr("„Beispiele“ stellt eine Aufgabe.");
    emit UebungGeaendert();
    return;
  }
  if (UebungAktiv()) LoescheErgebnisse();
  uebungsLoesung_.clear();
  LoescheMarken();
  stand_.clear();
  emit UebungGeaendert();
}

bool Gleichungssystem::StelleUebung(std::vector<ZKZahl> loesung) {
  if (!modus_) return false;
  uebungsLoesung_ = std::move(loesung);
  weg_.Leeren();
  letzteDimension_ = 0;
  LoescheErgebnisse();
  stand_ = Eintragen();
  emit UebungGeaendert();
  emit LoesungGeaendert();  // an open Rechenweg window must not keep the last system's steps
  return true;
}

void Gleichungssystem::LoescheMarken() {
  for (int r = 1; r <= kZeilen; ++r)
    for (int c = 1; c <= 2; ++c) ergebnisse_->Markiere(r, c, Marke::Keine, {});
}

void Gleichungssystem::AntwortGeaendert(int zeile) {
  if (!UebungAktiv()) return;
  // The row's marks and the count were about the answer before.
  ergebnisse_->Markiere(zeile, 1, Marke::Keine, {});
  ergebnisse_->Markiere(zeile, 2, Marke::Keine, {});
  SetzeStand(Eintragen());
}

void Gleichungssystem::Pruefe() {
  if (!UebungAktiv()) return;
  const int n = static_cast<int>(uebungsLoesung_.size()) - 1;
  int richtig = 0;
  for (int r = 1; r <= n; ++r) {
    // Every column that holds text must be right; an empty row is wrong.
    bool zeileRichtig = false, etwas = false;
    for (int c = 1; c <= 2; ++c) {
      const QString text = ergebnisse_->Text(r, c).trimmed();
      if (text.isEmpty()) {
        ergebnisse_->Markiere(r, c, Marke::Keine, {});
        continue;
      }
      ZKZahl z;
      const bool gut = LiesZKZahl(NachAnsi(text), z) != ZKForm::Keine &&
                       AntwortRichtig(z, uebungsLoesung_[static_cast<std::size_t>(r)]);
      ergebnisse_->Markiere(r, c, gut ? Marke::Richtig : Marke::Falsch,
                            gut ? tr("richtig") : tr("falsch"));
      zeileRichtig = etwas ? (zeileRichtig && gut) : gut;
      etwas = true;
    }
    if (!etwas) {
      ergebnisse_->Markiere(r, 1, Marke::Falsch, tr("falsch: keine Antwort"));
      ergebnisse_->Markiere(r, 2, Marke::Falsch, tr("falsch: keine Antwort"));
    }
    richtig += zeileRichtig ? 1 : 0;
  }
  SetzeStand(tr("%1 von %2 richtig").arg(richtig).arg(n));
}

std::vector<ZKZahl> Gleichungssystem::GibLoesungFrei() {
  std::vector<ZKZahl> loesung = std::move(uebungsLoesung_);
  uebungsLoesung_.clear();
  LoescheMarken();
  stand_ = tr("Lösung gezeigt.");
  emit UebungGeaendert();
  return loesung;
}

bool Gleichungssystem::LoeseAufgabe(int n, const std::vector<std::vector<QString>>& zellen,
                                    const std::vector<std::vector<std::optional<ZKZahl>>>& werte,
                                    std::vector<ZKZahl>& loesung, QString& grund) {
  n = std::clamp(n, 1, kMaxDimension);
  auto feld = [](const auto& tabelle, int r, int c) {
    using T = std::decay_t<decltype(tabelle[0][0])>;
    const auto i = static_cast<std::size_t>(r - 1), k = static_cast<std::size_t>(c - 1);
    return i < tabelle.size() && k < tabelle[i].size() ? tabelle[i][k] : T{};
  };
  ZKMatrix m = ErzeugeMatrix(25, 25);
  int zeile = 0, spalte = 0;
  if (!LiesSystem(
          n, [&](int r, int c) { return feld(zellen, r, c); },
          [&](int r, int c) { return feld(werte, r, c); }, m, zeile, spalte)) {
    grund = tr("in Zelle( %1 , %2 ) steht keine Zahl").arg(zeile).arg(spalte);
    return false;
  }
  GleichungsLoeser loeser;
  loeser.SetzeDimension(n);
  loeser.UebernehmeMatrix(n, n, m);
  if (loeser.Loese() != Geloest) {
    grund = tr("ihr Gleichungssystem hat keine eindeutige, genau bestimmbare Lösung");
    return false;
  }
  loesung.assign(1, ZKZahl());
  loesung.insert(loesung.end(), loeser.Loesung().begin(), loeser.Loesung().end());
  return true;
}

bool AntwortRichtig(const ZKZahl& antwort, const ZKZahl& loesung) {
  // A little slack, so that an answer typed exactly at the edge (50,05 for
  // 50; 30,1 degrees for 30) is not refused for the rounding of its reading.
  constexpr long double kSpiel = 1e-9L;
  const long double b = loesung.Betrag;
  if (!(std::fabs(antwort.Betrag - b) <= (kBetragToleranz + kSpiel) * b)) return false;
  if (b == 0.0L) return true;  // zero has no angle
  long double d = std::fmod(std::fabs(antwort.Winkel - loesung.Winkel), 360.0L);
  d = std::min(d, 360.0L - d);
  return d <= kWinkelToleranz + kSpiel;
}

// ---------------------------------------------------------------------------

Ergebnistabelle::Ergebnistabelle(Gleichungssystem& system)
    : Texttabelle(&system, system.Dimension(), 2), s_(system) {}

QVariant Ergebnistabelle::Zellrolle(int zeile, int spalte, int rolle) const {
  const Eintrag& e = E(zeile + 1, spalte + 1);
  if (rolle == Qt::AccessibleDescriptionRole)
    return e.urteil.isEmpty() ? QVariant() : QVariant(e.urteil);
  if (rolle == kMarkeRolle) return static_cast<int>(e.marke);
  return {};
}

QVariant Ergebnistabelle::headerData(int abschnitt, Qt::Orientation o, int rolle) const {
  if (rolle != Qt::DisplayRole || abschnitt < 0) return {};
  // A circuit's system names its unknowns; the others are X1, X2, …
  if (o == Qt::Vertical) {
    const QString name = s_.Spaltentitel(abschnitt + 2);
    return (name.isEmpty() ? QStringLiteral("X%1").arg(abschnitt + 1) : name) +
           QStringLiteral(" = ");
  }
  if (abschnitt == 0) return tr("Ergebnis Expotentialform ");
  if (abschnitt == 1) return tr("Ergebnis Koponetenform ");
  return {};
}

bool Ergebnistabelle::Tippe(int zeile, int spalte, const QString& text) {
  Setze(zeile + 1, spalte + 1, text, std::nullopt);
  s_.AntwortGeaendert(zeile + 1);
  return true;
}

QString Ergebnistabelle::Text(int zeile, int spalte) const {
  return IstZelle(zeile, spalte) ? E(zeile, spalte).text : QString();
}

std::optional<ZKZahl> Ergebnistabelle::Wert(int zeile, int spalte) const {
  return IstZelle(zeile, spalte) ? E(zeile, spalte).wert : std::nullopt;
}

Marke Ergebnistabelle::MarkeVon(int zeile, int spalte) const {
  return IstZelle(zeile, spalte) ? E(zeile, spalte).marke : Marke::Keine;
}

void Ergebnistabelle::SetzeAntwort(int zeile, int spalte, const QString& text) {
  if (!IstZelle(zeile, spalte) || !s_.UebungAktiv()) return;
  Setze(zeile, spalte, text, std::nullopt);
}

bool Ergebnistabelle::Leer() const {
  for (int r = 1; r <= Gleichungssystem::kZeilen; ++r)
    for (int c = 1; c <= 2; ++c)
      if (!E(r, c).text.isEmpty()) return false;
  return true;
}

void Ergebnistabelle::Setze(int zeile, int spalte, const QString& text,
                            const std::optional<ZKZahl>& wert) {
  if (!IstZelle(zeile, spalte)) return;
  E(zeile, spalte).Setze(text, wert);
  Geaendert(zeile);
}

void Ergebnistabelle::Markiere(int zeile, int spalte, Marke marke, const QString& urteil) {
  if (!IstZelle(zeile, spalte)) return;
  Eintrag& e = E(zeile, spalte);
  if (e.marke == marke && e.urteil == urteil) return;
  e.marke = marke;
  e.urteil = urteil;
  Geaendert(zeile);
}

void Ergebnistabelle::Geaendert(int zeile) {
  if (zeile > zeilen_) return;
  emit dataChanged(index(zeile - 1, 0), index(zeile - 1, 1));
}
