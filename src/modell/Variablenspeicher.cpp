// SPDX-License-Identifier: GPL-3.0-or-later
#include "Variablenspeicher.h"

#include "complex/ZKLesen.h"
#include "logik/Speicher.h"
#include "modell/Text.h"

Variablenspeicher::Variablenspeicher(const int& zahlenFormat, QObject* eltern)
    : QObject(eltern),
      format_(zahlenFormat),
      kTitel_{tr("Kmoplexe Zahl"), tr("Kommentar")},
      gTitel_{QStringLiteral(" Gn =1/Kn"), QString()},
      kTabelle_(new Speichertabelle(*this, Seite::K)),
      gTabelle_(new Speichertabelle(*this, Seite::G)) {}

Variablenspeicher::~Variablenspeicher() = default;

QString Variablenspeicher::Text(Seite seite, int n) const {
  return IstZeile(n) ? Z(n).Von(seite).text : QString();
}

QString Variablenspeicher::Kommentar(int n) const {
  return IstZeile(n) ? Z(n).kommentar : QString();
}

std::optional<ZKZahl> Variablenspeicher::Wert(Seite seite, int n) const {
  return IstZeile(n) ? Z(n).Von(seite).wert : std::nullopt;
}

Variablenspeicher::Seite Variablenspeicher::Getippt(int n) const {
  return IstZeile(n) ? Z(n).getippt : Seite::K;
}

void Variablenspeicher::Setze(Seite seite, int n, const QString& text,
                              const std::optional<ZKZahl>& wert) {
  if (!IstZeile(n)) return;
  Zeile& z = Z(n);
  const bool k = seite == Seite::K;
  ZKSpeicher& eigen = k ? k_ : g_;
  ZKSpeicher& gegenueber = k ? g_ : k_;
  const std::optional<ZKZahl> eigenerWert = text.isEmpty() ? std::nullopt : wert;
  const std::string anderer =
      SpeicherZeileBerechnen(NachAnsi(text), format_, eigen, gegenueber, n, eigenerWert);
  const auto i = static_cast<std::size_t>(n);
  // The reciprocal's text stands for its full value; "ERROR" for none.
  const bool kehrwert = !anderer.empty() && eigen[i] != ZKZahl();
  z.Von(seite).Setze(text, eigenerWert);
  z.Von(k ? Seite::G : Seite::K)
      .Setze(AusAnsi(anderer), kehrwert ? std::optional(gegenueber[i]) : std::nullopt);
  z.getippt = seite;
  Geaendert(n);
}

void Variablenspeicher::SetzeKommentar(int n, const QString& text) {
  if (!IstZeile(n) || Z(n).kommentar == text) return;
  Z(n).kommentar = text;
  Geaendert(n);
}

void Variablenspeicher::LeereZeile(int n) {
  if (!IstZeile(n)) return;
  Z(n) = Zeile{};
  // A deleted value must not live on in formulas.
  SpeicherZeileLeeren(k_, g_, n);
  Geaendert(n);
}

void Variablenspeicher::LeereAlles() {
  for (int n = 1; n <= kZeilen; ++n) LeereZeile(n);
}

int Variablenspeicher::ErsteFreieZeile() const {
  for (int n = 1; n <= kZeilen; ++n)
    if (SpeicherZelleLeer(NachAnsi(Z(n).k.text))) return n;
  return 0;
}

std::optional<ZKZahl> Variablenspeicher::Zahl(int n) const {
  ZKZahl z;
  if (!IstZeile(n) || LiesZKZahl(NachAnsi(Z(n).k.text), z, kSpeicherPuffer) == ZKForm::Keine)
    return std::nullopt;
  return k_[static_cast<std::size_t>(n)];
}

Speichertabelle* Variablenspeicher::Tabelle(Seite seite) const {
  return seite == Seite::K ? kTabelle_ : gTabelle_;
}

QString Variablenspeicher::Spaltentitel(Seite seite, int spalte) const {
  if (spalte < 0 || spalte > 1) return {};
  return (seite == Seite::K ? kTitel_ : gTitel_)[static_cast<std::size_t>(spalte)];
}

void Variablenspeicher::SetzeSpaltentitel(Seite seite, int spalte, const QString& text) {
  if (spalte < 0 || spalte > 1) return;
  (seite == Seite::K ? kTitel_ : gTitel_)[static_cast<std::size_t>(spalte)] = text;
  Speichertabelle* t = Tabelle(seite);
  emit t->headerDataChanged(Qt::Horizontal, spalte, spalte);
}

void Variablenspeicher::Geaendert(int n) {
  kTabelle_->ZeileGeaendert(n);
  gTabelle_->ZeileGeaendert(n);
  emit ZeileGeaendert(n);
}

Speichertabelle::Speichertabelle(Variablenspeicher& speicher, Variablenspeicher::Seite seite)
    : Texttabelle(&speicher, Variablenspeicher::kZeilen,
                  seite == Variablenspeicher::Seite::K ? 2 : 1),
      s_(speicher),
      seite_(seite) {}

QString Speichertabelle::Zelltext(int zeile, int spalte) const {
  return spalte == 0 ? s_.Text(seite_, zeile + 1) : s_.Kommentar(zeile + 1);
}

QVariant Speichertabelle::headerData(int abschnitt, Qt::Orientation o, int rolle) const {
  if (rolle != Qt::DisplayRole) return {};
  if (o == Qt::Horizontal) return s_.Spaltentitel(seite_, abschnitt);
  const QChar name = seite_ == Variablenspeicher::Seite::K ? u'K' : u'G';
  return QStringLiteral("%1%2=").arg(name).arg(abschnitt + 1);
}

bool Speichertabelle::Tippe(int zeile, int spalte, const QString& text) {
  if (spalte == 1)
    s_.SetzeKommentar(zeile + 1, text);
  else
    s_.Setze(seite_, zeile + 1, text);
  return true;
}

bool Speichertabelle::setHeaderData(int abschnitt, Qt::Orientation o, const QVariant& wert,
                                    int rolle) {
  if (o != Qt::Horizontal || rolle != Qt::EditRole) return false;
  s_.SetzeSpaltentitel(seite_, abschnitt, wert.toString());
  return true;
}

void Speichertabelle::ZeileGeaendert(int n) {
  emit dataChanged(index(n - 1, 0), index(n - 1, spalten_ - 1));
}
