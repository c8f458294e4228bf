// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rechenfelder.h"

#include <algorithm>

#include "complex/ZKText.h"
#include "logik/Formelergebnis.h"
#include "logik/Umrechnung.h"
#include "modell/Text.h"

Formelfeld::Formelfeld(const int& zahlenFormat, const ZKSpeicher& k, const ZKSpeicher& g,
                       QObject* eltern)
    : QObject(eltern), format_(zahlenFormat), rechner_(k, g) {}

void Formelfeld::SetzeText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  teile_.Geaendert();
  emit TextGeaendert();
}

void Formelfeld::Eingefuegt(int stelle, int ersetzt, int laenge,
                            const std::optional<ZKZahl>& wert) {
  // The formula's byte text has a byte for each UTF-16 unit of its text.
  teile_.Eingefuegt(NachAnsi(text_), static_cast<std::size_t>(std::max(stelle, 0)),
                    static_cast<std::size_t>(std::max(ersetzt, 0)),
                    static_cast<std::size_t>(std::max(laenge, 0)), wert);
}

void Formelfeld::FuegeEin(int stelle, int ersetzt, const QString& text,
                          const std::optional<ZKZahl>& wert) {
  QString formel = text_;
  stelle = std::clamp(stelle, 0, static_cast<int>(formel.size()));
  ersetzt = std::clamp(ersetzt, 0, static_cast<int>(formel.size()) - stelle);
  formel.replace(stelle, ersetzt, text);
  text_ = formel;
  teile_.Geaendert();
  Eingefuegt(stelle, ersetzt, static_cast<int>(text.size()), wert);
  emit TextGeaendert();
}

std::vector<Festwert> Formelfeld::Teile() const {
  return teile_.Fuer(NachAnsi(text_));
}

void Formelfeld::SetzeText(const QString& text, std::vector<Festwert> teile) {
  text_ = text;
  teile_.Setze(NachAnsi(text_), std::move(teile));
  emit TextGeaendert();
}

void Formelfeld::Berechne() {
  // The field keeps the text as typed; the result is the value or the
  // error text, so the user can correct the formula.
  const std::string formel = NachAnsi(text_);
  const Formelwert e = BerechneFormel(rechner_, formel, format_, teile_.Fuer(formel));
  ergebnis_ = AusAnsi(e.text);
  wert_ = e.berechnet && !ergebnis_.isEmpty() ? std::optional(e.wert) : std::nullopt;
  emit ErgebnisGeaendert();
}

void Formelfeld::LeereErgebnis() {
  if (ergebnis_.isEmpty() && !wert_) return;
  ergebnis_.clear();
  wert_.reset();
  emit ErgebnisGeaendert();
}

Blindrechner::Blindrechner(Art art, const int& zahlenFormat, QObject* eltern)
    : QObject(eltern), art_(art), format_(zahlenFormat), texte_{QString(), QStringLiteral("50")} {}

void Blindrechner::SetzeText(Feld feld, const QString& text) {
  QString& t = texte_[static_cast<std::size_t>(feld)];
  if (t == text) return;
  t = text;
  emit Geaendert();
}

void Blindrechner::SetzeGesucht(Feld feld) {
  gesucht_ = feld;
  texte_[static_cast<std::size_t>(feld)].clear();
  emit Geaendert();
}

void Blindrechner::LeereErgebnis() {
  ergebnis_.clear();
  wert_.reset();
  emit Geaendert();
}

BlindErgebnis Blindrechner::Berechne() {
  std::array<std::string, 3> bytes;
  std::string_view texte[3];
  for (std::size_t i = 0; i < 3; ++i) {
    bytes[i] = NachAnsi(texte_[i]);
    texte[i] = bytes[i];
  }
  const BlindErgebnis e = art_ == Art::Induktiv ? BerechneXL(gesucht_, texte, format_)
                                                : BerechneXC(gesucht_, texte, format_);
  wert_.reset();
  switch (e.art) {
    case BlindErgebnis::Berechnet:
      texte_[static_cast<std::size_t>(e.gesucht)] = AusAnsi(e.text);
      ergebnis_ = AusAnsi(ExponentialText(e.zeiger, format_));
      wert_ = e.zeiger;
      break;
    case BlindErgebnis::Eingabefehler:
      ergebnis_ = tr("Eingabe Fehler!");
      break;
    case BlindErgebnis::DivisionDurchNull:
      // No number to show: name the cause and point at the zero.
      ergebnis_ = tr("Division durch 0!");
      break;
  }
  emit Geaendert();
  return e;
}

Wandelfeld::Wandelfeld(const int& zahlenFormat, QObject* eltern)
    : QObject(eltern), format_(zahlenFormat) {}

void Wandelfeld::SetzeText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  wert_.reset();
  emit Geaendert();
}

bool Wandelfeld::Wandle() {
  return Forme(&WandleForm);
}

bool Wandelfeld::Kehrwert() {
  return Forme(&BildeKehrwert);
}

bool Wandelfeld::Forme(bool (*umformung)(std::string_view, int, std::string&, ZKZahl*)) {
  std::string ergebnis;
  ZKZahl wert;
  if (!umformung(NachAnsi(text_), format_, ergebnis, &wert)) return false;
  // The result's text stands for the value computed.
  text_ = AusAnsi(ergebnis);
  wert_ = text_.isEmpty() ? std::nullopt : std::optional(wert);
  emit Geaendert();
  return true;
}

Winkeltabelle::Winkeltabelle(QObject* eltern) : Texttabelle(eltern, kWinkelZeilen, 1) {}

QVariant Winkeltabelle::headerData(int abschnitt, Qt::Orientation o, int rolle) const {
  static const char* const kTitel[] = {
      QT_TR_NOOP("Winkel DEG"), QT_TR_NOOP("Winkel RAD"), "sin", "cos", "tan", "cotan",
      QT_TR_NOOP("Winkel GRA")};
  if (rolle != Qt::DisplayRole || o != Qt::Vertical || abschnitt < 0 || abschnitt >= kWinkelZeilen)
    return {};
  return tr(kTitel[abschnitt]);
}

bool Winkeltabelle::Tippe(int zeile, int, const QString& text) {
  Setze(zeile, text);
  return true;
}

QString Winkeltabelle::Text(int zeile) const {
  if (zeile < 0 || zeile >= kWinkelZeilen) return {};
  return texte_[static_cast<std::size_t>(zeile)];
}

void Winkeltabelle::Setze(int zeile, const QString& text) {
  if (zeile < 0 || zeile >= kWinkelZeilen) return;
  getippt_ = zeile;
  const WinkelTexte t = WinkelZeileBerechnen(zeile, NachAnsi(text));
  texte_[static_cast<std::size_t>(zeile)] = t.eingabeErsetzt ? AusAnsi(t.eingabe) : text;
  for (int i = 0; i < kWinkelZeilen; ++i)
    if (i != zeile)
      texte_[static_cast<std::size_t>(i)] = AusAnsi(t.zeilen[static_cast<std::size_t>(i)]);
  emit dataChanged(index(0, 0), index(kWinkelZeilen - 1, 0));
}

void Winkeltabelle::Leere() {
  texte_ = {};
  getippt_ = -1;
  emit dataChanged(index(0, 0), index(kWinkelZeilen - 1, 0));
}
