// SPDX-License-Identifier: GPL-3.0-or-later
#include "Eingabepruefer.h"

#include <QLineEdit>
#include <QLocale>
#include <algorithm>
#include <limits>

namespace {

// Where a change put new text: text[vorn, ende) stands where the old text
// had something else (or nothing) between the same unchanged ends.
struct Aenderung {
  qsizetype vorn = 0, ende = 0;
};

Aenderung Neu(const QString& vorher, const QString& text) {
  const qsizetype n = std::min(text.size(), vorher.size());
  qsizetype vorn = 0;
  while (vorn < n && text.at(vorn) == vorher.at(vorn)) ++vorn;
  qsizetype hinten = 0;
  while (hinten < n - vorn &&
         text.at(text.size() - 1 - hinten) == vorher.at(vorher.size() - 1 - hinten))
    ++hinten;
  return {vorn, text.size() - hinten};
}

// Takes out of the new text what `behalten` refuses and lets `ersetzen`
// change the rest. False when the change brought text but nothing usable:
// the change is then refused and a selection stays, as when a refused key
// is typed.
template <class Behalten, class Ersetzen>
bool Bereinige(QString& text, int& stelle, Aenderung& a, Behalten behalten, Ersetzen ersetzen) {
  const bool brachteEtwas = a.ende > a.vorn;
  for (qsizetype i = a.ende - 1; i >= a.vorn; --i) {
    if (!behalten(text.at(i))) {
      text.remove(i, 1);
      if (i < stelle) --stelle;
      --a.ende;
    } else {
      text[i] = ersetzen(text.at(i));
    }
  }
  return !brachteEtwas || a.ende > a.vorn;
}

template <class Pruefer>
void Folge(QLineEdit* feld, Pruefer* pruefer, QString& stand) {
  stand = feld->text();
  // Whatever the change (also a program's text Qt keeps though it was
  // refused), the next one is measured against what the field then shows.
  QObject::connect(feld, &QLineEdit::textChanged, pruefer,
                   [&stand](const QString& t) { stand = t; });
  feld->setValidator(pruefer);
}

}  // namespace

TEingabepruefer::TEingabepruefer(QLineEdit* feld, Punkt punkt, int grenze)
    : QValidator(feld), punkt_(punkt), grenze_(grenze) {}

TEingabepruefer* TEingabepruefer::Setze(QLineEdit* feld, Punkt punkt, int grenze) {
  auto* pruefer = new TEingabepruefer(feld, punkt, grenze);
  Folge(feld, pruefer, pruefer->stand_);
  return pruefer;
}

QValidator::State TEingabepruefer::validate(QString& text, int& stelle) const {
  Aenderung a = Neu(stand_, text);
  const bool komma = punkt_ == Punkt::Komma;
  if (!Bereinige(
          text, stelle, a, [](QChar c) { return c.category() != QChar::Other_Control; },
          [komma](QChar c) { return komma && c == QLatin1Char('.') ? QChar(u',') : c; }))
    return Invalid;
  if (grenze_ > 0) {
    // Cut at the end of what came in, as Qt's own limit cuts a paste.
    const qsizetype zuViel = text.size() - std::max<qsizetype>(grenze_, stand_.size());
    if (zuViel > 0) {
      if (zuViel >= a.ende - a.vorn) return Invalid;
      text.remove(a.ende - zuViel, zuViel);
      if (stelle >= a.ende)
        stelle -= static_cast<int>(zuViel);
      else
        stelle = static_cast<int>(std::min<qsizetype>(stelle, a.ende - zuViel));
    }
  }
  if (punkt_ == Punkt::ErsterKomma && text != stand_)
    if (const qsizetype p = text.indexOf(QLatin1Char('.')); p >= 0) text[p] = QLatin1Char(',');
  stand_ = text;
  return Acceptable;
}

TGanzzahlpruefer::TGanzzahlpruefer(QLineEdit* feld)
    : QIntValidator(0, std::numeric_limits<int>::max(), feld) {
  // Digits only, whatever the user's locale says of group separators.
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::RejectGroupSeparator);
  setLocale(c);
}

TGanzzahlpruefer* TGanzzahlpruefer::Setze(QLineEdit* feld) {
  auto* pruefer = new TGanzzahlpruefer(feld);
  Folge(feld, pruefer, pruefer->stand_);
  return pruefer;
}

QValidator::State TGanzzahlpruefer::validate(QString& text, int& stelle) const {
  Aenderung a = Neu(stand_, text);
  if (!Bereinige(
          text, stelle, a, [](QChar c) { return c >= u'0' && c <= u'9'; },
          [](QChar c) { return c; }))
    return Invalid;
  const State s = QIntValidator::validate(text, stelle);
  if (s != Invalid) stand_ = text;
  return s;
}
