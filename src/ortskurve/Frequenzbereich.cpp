// SPDX-License-Identifier: GPL-3.0-or-later
#include "Frequenzbereich.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "complex/ZKText.h"
#include "schaltung/Netzliste.h"
#include "sprache/Uebersetzung.h"

namespace {

std::string_view Getrimmt(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

bool Zulaessig(long double f) {
  return f == 0.0L || (f >= kKleinsteFrequenz && f <= kGroessteFrequenz);
}

std::string Unzulaessig() {
  return sprache::Tr("Ortskurve", "Frequenzen sind 0 oder liegen zwischen 1E-15 Hz und 1E15 Hz.");
}

// A frequency as the netlist reads its values: SI prefix and Hz allowed.
// `leer` is the message for an empty field.
std::optional<long double> LiesFrequenz(std::string_view text, const char* leer,
                                        std::string& meldung) {
  const std::string t(Getrimmt(text));
  if (t.empty()) {
    meldung = sprache::Tr("Ortskurve", leer);
    return std::nullopt;
  }
  const GelesenerWert w = LiesWert(t, "Hz");
  if (w.fehler != GelesenerWert::Keiner || w.zahl.Imaginaerteil != 0.0L) {
    meldung = sprache::Fuelle(
        sprache::Tr("Ortskurve", "„%1“ ist keine Frequenz (z. B. 50, 1,5k oder 2 MHz)."), {t});
    return std::nullopt;
  }
  const long double f = w.zahl.Realteil;
  if (f < 0.0L) {
    meldung =
        sprache::Fuelle(sprache::Tr("Ortskurve", "Eine Frequenz ist nicht negativ: „%1“."), {t});
    return std::nullopt;
  }
  if (!Zulaessig(f)) {
    meldung = Unzulaessig();
    return std::nullopt;
  }
  return f + 0.0L;  // -0 is 0
}

// The long double nearest 10^k, as the reader gives "1E<k>".
long double Zehnhoch(int k) {
  const std::string text = "1e" + std::to_string(k);
  return std::strtold(text.c_str(), nullptr);
}

}  // namespace

std::string PruefeBereich(const Frequenzbereich& b) {
  if (!std::isfinite(b.von) || !std::isfinite(b.bis) || b.von < 0.0L || b.bis < 0.0L ||
      !Zulaessig(b.von) || !Zulaessig(b.bis))
    return Unzulaessig();
  if (!(b.bis > b.von))
    return sprache::Tr("Ortskurve", "Die Endfrequenz muss größer als die Startfrequenz sein.");
  if (b.logarithmisch && b.von == 0.0L)
    return sprache::Tr("Ortskurve", "Logarithmische Schritte brauchen eine Startfrequenz über 0.");
  if (b.punkte < 2 || b.punkte > kHoechstePunktzahl)
    return sprache::Fuelle(
        sprache::Tr("Ortskurve", "Die Zahl der Punkte muss zwischen 2 und %1 liegen."),
        {std::to_string(kHoechstePunktzahl)});
  return {};
}

Bereichslesung LiesBereich(std::string_view von, std::string_view bis, std::string_view punkte,
                           bool logarithmisch) {
  Bereichslesung l;
  Frequenzbereich b;
  b.logarithmisch = logarithmisch;
  const auto f0 = LiesFrequenz(
      von, QT_TRANSLATE_NOOP("Ortskurve", "Bitte die Startfrequenz eingeben."), l.meldung);
  if (!f0) return l;
  const auto f1 = LiesFrequenz(
      bis, QT_TRANSLATE_NOOP("Ortskurve", "Bitte die Endfrequenz eingeben."), l.meldung);
  if (!f1) return l;
  b.von = *f0;
  b.bis = *f1;
  const std::string_view p = Getrimmt(punkte);
  int zahl = 0;
  const auto [ende, fehler] = std::from_chars(p.data(), p.data() + p.size(), zahl);
  if (p.empty() || fehler != std::errc() || ende != p.data() + p.size()) {
    l.meldung = sprache::Fuelle(
        sprache::Tr("Ortskurve",
                    "Die Zahl der Punkte muss eine ganze Zahl zwischen 2 und %1 sein."),
        {std::to_string(kHoechstePunktzahl)});
    return l;
  }
  b.punkte = zahl;
  l.meldung = PruefeBereich(b);
  if (l.meldung.empty()) l.bereich = b;
  return l;
}

std::vector<long double> Frequenzen(const Frequenzbereich& b) {
  std::vector<long double> f;
  if (!PruefeBereich(b).empty()) return f;
  const auto n = static_cast<std::size_t>(b.punkte);
  f.reserve(n);
  const long double letzter = static_cast<long double>(n - 1);
  const long double lnVerhaeltnis = b.logarithmisch ? std::log(b.bis / b.von) : 0.0L;
  for (std::size_t k = 0; k < n; ++k) {
    const long double t = static_cast<long double>(k) / letzter;
    f.push_back(b.logarithmisch ? b.von * std::exp(t * lnVerhaeltnis)
                                : b.von + (b.bis - b.von) * t);
  }
  f.front() = b.von;
  f.back() = b.bis;
  return f;
}

std::vector<long double> Dekadenmarken(const Frequenzbereich& b) {
  std::vector<long double> m;
  const std::vector<long double> f = Frequenzen(b);
  if (f.empty()) return m;
  const long double unten = f.front() > 0.0L ? f.front() : f[1];
  const int k0 = static_cast<int>(std::floor(std::log10(unten))) - 1;
  const int k1 = static_cast<int>(std::ceil(std::log10(b.bis))) + 1;
  for (int k = k0; k <= k1; ++k) {
    const long double d = Zehnhoch(k);
    if (d >= unten && d <= b.bis) m.push_back(d);
  }
  return m;
}

Markenlesung LiesMarken(std::string_view text, const Frequenzbereich& b) {
  Markenlesung l;
  std::vector<long double> m;
  std::size_t i = 0;
  while (i <= text.size()) {
    const std::size_t ende = std::min(text.find(';', i), text.size());
    const std::string_view teil = Getrimmt(text.substr(i, ende - i));
    i = ende + 1;
    if (teil.empty()) continue;
    // Blanks drop out of a number, so "50, 60" would be 50,6 Hz: a comma
    // with a blank behind it is a list separated the wrong way.
    const std::size_t komma = teil.find(',');
    if (komma != std::string_view::npos && komma + 1 < teil.size() &&
        (teil[komma + 1] == ' ' || teil[komma + 1] == '\t')) {
      l.meldung = sprache::Fuelle(
          sprache::Tr("Ortskurve",
                      "„%1“: Bezifferungen werden mit Semikolon getrennt (50; 100; 1,5k)."),
          {teil});
      return l;
    }
    const auto f = LiesFrequenz(teil, "", l.meldung);  // never empty here
    if (!f) return l;
    if (*f < b.von || *f > b.bis) {
      l.meldung = sprache::Fuelle(
          sprache::Tr("Ortskurve", "Die Bezifferung %1 liegt außerhalb des Bereichs %2 bis %3."),
          {FrequenzText(*f), FrequenzText(b.von), FrequenzText(b.bis)});
      return l;
    }
    m.push_back(*f);
  }
  std::sort(m.begin(), m.end());
  m.erase(std::unique(m.begin(), m.end()), m.end());
  if (m.size() > static_cast<std::size_t>(kHoechsteMarkenzahl)) {
    l.meldung = sprache::Fuelle(sprache::Tr("Ortskurve", "Höchstens %1 Bezifferungen."),
                                {std::to_string(kHoechsteMarkenzahl)});
    return l;
  }
  l.marken = std::move(m);
  return l;
}

std::string FrequenzText(long double f) {
  struct Vorsatz {
    int exponent;
    const char* zeichen;
  };
  static constexpr Vorsatz kVorsaetze[] = {{12, "T"}, {9, "G"},       {6, "M"},  {3, "k"},  {0, ""},
                                           {-3, "m"}, {-6, "\u00b5"}, {-9, "n"}, {-12, "p"}};
  constexpr std::size_t kAnzahl = sizeof kVorsaetze / sizeof kVorsaetze[0];
  if (f == 0.0L || !std::isfinite(f)) return General10(f) + " Hz";
  const long double a = std::fabs(f);
  std::size_t i = 0;
  while (i + 1 < kAnzahl && a < Zehnhoch(kVorsaetze[i].exponent)) ++i;
  std::string text = General10(f / Zehnhoch(kVorsaetze[i].exponent));
  // Rounded to ten digits, 999,99999999 Hz is 1 kHz.
  if ((text == "1000" || text == "-1000") && i > 0) {
    --i;
    text = General10(f / Zehnhoch(kVorsaetze[i].exponent));
  }
  return text + " " + kVorsaetze[i].zeichen + "Hz";
}
