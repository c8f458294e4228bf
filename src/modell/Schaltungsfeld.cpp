// SPDX-License-Identifier: GPL-3.0-or-later
#include "Schaltungsfeld.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "complex/ZKLesen.h"
#include "modell/Text.h"

namespace {

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

QString Utf8(const std::string& s) {
  return QString::fromStdString(s);
}

// Whether the cell reader takes the text to exactly these doubles.
bool LiestZurueck(const QString& text, double re, double im) {
  ZKZahl z;
  return LiesZKZahl(NachAnsi(text), z) != ZKForm::Keine && static_cast<double>(z.Realteil) == re &&
         static_cast<double>(z.Imaginaerteil) == im;
}

}  // namespace

QString RundreiseText(double x) {
  char puffer[64];
  // The shortest digits that name the double; the reader works in long
  // double, so a text it would round elsewhere gets all 17 digits.
  for (const bool kurz : {true, false}) {
    const std::to_chars_result ende =
        kurz ? std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general)
             : std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 17);
    QString text = QString::fromLatin1(puffer, ende.ptr - puffer);
    text.replace(QLatin1Char('.'), QLatin1Char(',')).replace(QLatin1Char('e'), QLatin1Char('E'));
    if (!kurz || LiestZurueck(text, x, 0.0)) return text;
  }
  return {};
}

QString RundreiseText(const ZKZahl& z) {
  const double a = static_cast<double>(z.Realteil), b = static_cast<double>(z.Imaginaerteil);
  QString text;
  if (a != 0 || b == 0) text = RundreiseText(a);
  if (b > 0)
    text += (a != 0 ? QStringLiteral("+j") : QStringLiteral("j")) + RundreiseText(b);
  else if (b < 0)
    text += QStringLiteral("-j") + RundreiseText(-b);
  return text;
}

QString SiText(long double x, const QString& einheit) {
  const QChar minus(0x2212);
  if (!std::isfinite(x)) return QStringLiteral("—");
  const double b = std::fabs(static_cast<double>(x));
  static const char* const kVorsatz[] = {"p", "n", "µ", "m", "", "k", "M", "G", "T"};
  int stufe = 0;  // powers of 1000 from 1e-12
  if (b != 0) {
    const int dekade = static_cast<int>(std::floor(std::log10(b)));
    stufe = std::clamp(static_cast<int>(std::floor(dekade / 3.0)) + 4, 0, 8);
  } else {
    stufe = 4;
  }
  double m = b / std::pow(10.0, 3 * (stufe - 4));
  // Three significant digits; rounding may carry to the next prefix.
  auto stellen = [](double v) { return v >= 100 ? 0 : v >= 10 ? 1 : 2; };
  int nachkomma = stellen(m);
  double gerundet = std::round(m * std::pow(10.0, nachkomma)) / std::pow(10.0, nachkomma);
  if (gerundet >= 1000 && stufe < 8) {
    ++stufe;
    m /= 1000;
    nachkomma = stellen(m);
    gerundet = std::round(m * std::pow(10.0, nachkomma)) / std::pow(10.0, nachkomma);
  }
  QString zahl = QString::number(gerundet, 'f', nachkomma);
  // Trailing zeros say nothing here: "2,30 A" reads as "2,3 A".
  if (zahl.contains(QLatin1Char('.'))) {
    while (zahl.endsWith(QLatin1Char('0'))) zahl.chop(1);
    if (zahl.endsWith(QLatin1Char('.'))) zahl.chop(1);
  }
  zahl.replace(QLatin1Char('.'), QLatin1Char(','));
  if (x < 0 && gerundet != 0) zahl.prepend(minus);
  return zahl + QLatin1Char(' ') + QString::fromUtf8(kVorsatz[stufe]) + einheit;
}

QString SiZeigerText(const ZKZahl& z, const QString& einheit) {
  const QString betrag = SiText(z.Betrag, einheit);
  if (z.Betrag == 0 || !std::isfinite(z.Betrag)) return betrag;
  QString winkel = QString::number(static_cast<double>(z.Winkel), 'f', 1);
  if (winkel == QLatin1String("-0.0") || winkel == QLatin1String("-180.0")) winkel.remove(0, 1);
  winkel.replace(QLatin1Char('.'), QLatin1Char(',')).replace(QLatin1Char('-'), QChar(0x2212));
  return betrag + QStringLiteral(" ∠ ") + winkel + QStringLiteral("°");
}

Matrixtexte MatrixtexteVon(const Schaltung& s, const Schaltungssystem& g) {
  Matrixtexte t;
  t.n = g.n;
  const int knotenZeilen = g.n - static_cast<int>(g.spannungsquellen.size());
  for (int r = 0; r < g.n; ++r) {
    if (g.verfahren == Verfahren::Maschen)
      t.zeilentitel.push_back(Schaltungsfeld::tr("Masche %1").arg(r + 1));
    else if (r < knotenZeilen)
      t.zeilentitel.push_back(Schaltungsfeld::tr("Knoten %1").arg(Utf8(s.knoten[U(r + 1)])));
    else
      t.zeilentitel.push_back(Utf8(s.elemente[U(g.spannungsquellen[U(r - knotenZeilen)])].name));
    auto& zellen = t.zellen.emplace_back();
    auto& werte = t.werte.emplace_back();
    auto& herleitungen = t.herleitungen.emplace_back();
    for (int c = -1; c < g.n; ++c) {
      const Eintrag& e = c < 0 ? g.b[U(r)] : g.A(r, c);
      const ZKZahl wert = AufDoubleGerundet(e.wert);
      zellen.push_back(RundreiseText(wert));
      werte.push_back(wert);
      herleitungen.push_back(Utf8(Bezeichnung(g, r, c)) + QStringLiteral(" = ") +
                             Utf8(Herleitung(g, s, r, c)) + QStringLiteral(" = ") + zellen.back());
    }
  }
  t.spaltentitel.emplace_back();
  for (const std::string& name : g.unbekannte) t.spaltentitel.push_back(Utf8(name));
  return t;
}

Schaltungsfeld::Schaltungsfeld(QObject* eltern) : QObject(eltern) {}

void Schaltungsfeld::SetzeNetzliste(const QString& text) {
  if (text == text_) return;
  text_ = text;
  gelesen_ = LiesNetzliste(text_.toStdString());
  aktuell_ = false;
  emit NetzlisteGeaendert();
}

void Schaltungsfeld::SetzeVerfahren(::Verfahren verfahren) {
  if (verfahren == verfahren_) return;
  verfahren_ = verfahren;
  aktuell_ = false;
  emit VerfahrenGeaendert();
}

const Schaltungsanalyse& Schaltungsfeld::Analysiere() {
  if (aktuell_) return analyse_;
  aktuell_ = true;
  analyse_ = {};
  analyse_.fehler = gelesen_.fehler;
  if (analyse_.fehler.empty() && !text_.trimmed().isEmpty()) {
    Aufstellung a = StelleAuf(gelesen_.schaltung, verfahren_);
    if (a.fehler) {
      analyse_.fehler.push_back(*a.fehler);
    } else {
      analyse_.aufgestellt = true;
      analyse_.system = std::move(a.system);
      analyse_.ergebnis = Loese(gelesen_.schaltung, analyse_.system, Rundung::AufDouble);
    }
  }
  emit AnalyseGeaendert();
  return analyse_;
}
