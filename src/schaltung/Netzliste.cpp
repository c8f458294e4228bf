// SPDX-License-Identifier: GPL-3.0-or-later
#include "Netzliste.h"

#include <algorithm>
#include <map>
#include <optional>
#include <utility>

#include "complex/Ansi.h"
#include "complex/ZKLesen.h"
#include "schaltung/Vereinigung.h"
#include "sprache/Uebersetzung.h"

namespace {

// UTF-8 of the few characters beyond ASCII that a netlist uses.
constexpr std::string_view kWinkel = "\xE2\x88\xA0";      // ∠
constexpr std::string_view kGrad = "\xC2\xB0";            // °
constexpr std::string_view kMikro = "\xC2\xB5";           // µ (micro sign)
constexpr std::string_view kMy = "\xCE\xBC";              // μ (Greek mu)
constexpr std::string_view kOmega = "\xCE\xA9";           // Ω (Greek capital omega)
constexpr std::string_view kOhmZeichen = "\xE2\x84\xA6";  // Ω (ohm sign)
constexpr std::string_view kKleinOmega = "\xCF\x89";      // ω

bool IstLeer(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool IstZiffer(char c) {
  return c >= '0' && c <= '9';
}

bool IstAsciiBuchstabe(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool GueltigesUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto c = static_cast<unsigned char>(s[i]);
    std::size_t folge = 0;
    char32_t wert = 0;
    if (c < 0x80) {
      ++i;
      continue;
    } else if ((c & 0xE0) == 0xC0) {
      folge = 1;
      wert = c & 0x1F;
    } else if ((c & 0xF0) == 0xE0) {
      folge = 2;
      wert = c & 0x0F;
    } else if ((c & 0xF8) == 0xF0) {
      folge = 3;
      wert = c & 0x07;
    } else {
      return false;
    }
    if (i + folge >= s.size()) return false;
    for (std::size_t k = 1; k <= folge; ++k) {
      const auto f = static_cast<unsigned char>(s[i + k]);
      if ((f & 0xC0) != 0x80) return false;
      wert = (wert << 6) | (f & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode are no UTF-8.
    constexpr char32_t kKleinste[] = {0, 0x80, 0x800, 0x10000};
    if (wert < kKleinste[folge] || (wert >= 0xD800 && wert <= 0xDFFF) || wert > 0x10FFFF)
      return false;
    i += folge + 1;
  }
  return true;
}

// Letters, digits and _, and the German letters beyond ASCII.
bool IstNamensText(std::string_view s) {
  if (s.empty()) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    if (IstAsciiBuchstabe(c) || IstZiffer(c) || c == '_') continue;
    if (c == '\xC3' && i + 1 < s.size()) {
      const std::string_view umlaute = "\xA4\xB6\xBC\x84\x96\x9C\x9F";  // ä ö ü Ä Ö Ü ß
      if (umlaute.find(s[i + 1]) != std::string_view::npos) {
        ++i;
        continue;
      }
    }
    return false;
  }
  return true;
}

bool GleichOhneGross(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    auto klein = [](char c) {
      return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    };
    if (klein(a[i]) != klein(b[i])) return false;
  }
  return true;
}

bool IstMasse(std::string_view name) {
  return name == "0" || GleichOhneGross(name, "gnd") || GleichOhneGross(name, "masse");
}

std::string OhneLeerzeichen(std::string_view s) {
  std::string r;
  for (const char c : s) {
    if (!IstLeer(c)) r += c;
  }
  return r;
}

std::string_view Getrimmt(std::string_view s) {
  while (!s.empty() && IstLeer(s.front())) s.remove_prefix(1);
  while (!s.empty() && IstLeer(s.back())) s.remove_suffix(1);
  return s;
}

bool BeginntMit(std::string_view s, std::size_t i, std::string_view praefix) {
  return s.substr(i, praefix.size()) == praefix;
}

// Exponent of the SI prefix at position i, with its length; nullopt when
// there is none.
struct Vorsatz {
  int exponent;
  std::size_t laenge;
};
std::optional<Vorsatz> VorsatzBei(std::string_view s, std::size_t i) {
  if (i >= s.size()) return std::nullopt;
  if (BeginntMit(s, i, kMikro) || BeginntMit(s, i, kMy)) return Vorsatz{-6, 2};
  switch (s[i]) {
    case 'p':
      return Vorsatz{-12, 1};
    case 'n':
      return Vorsatz{-9, 1};
    case 'u':
      return Vorsatz{-6, 1};
    case 'm':
      return Vorsatz{-3, 1};
    case 'k':
      return Vorsatz{3, 1};
    case 'M':
      return Vorsatz{6, 1};
    case 'G':
      return Vorsatz{9, 1};
    case 'T':
      return Vorsatz{12, 1};
    default:
      return std::nullopt;
  }
}

// Every unit symbol a value may carry, the longer before their prefixes.
constexpr std::string_view kEinheiten[] = {"Ohm", "rad/s", "Hz", kOmega, kOhmZeichen,
                                           "H",   "F",     "V",  "A",    "S"};

bool EinheitErlaubt(std::string_view einheit, std::string_view erlaubt) {
  // Ω and the ohm sign are the same unit.
  if (einheit == kOhmZeichen) einheit = kOmega;
  std::size_t i = 0;
  while (i < erlaubt.size()) {
    const std::size_t ende = std::min(erlaubt.find(' ', i), erlaubt.size());
    if (erlaubt.substr(i, ende - i) == einheit) return true;
    i = ende + 1;
  }
  return false;
}

// Whether the number about to follow in `aus` (the rewritten text so far) is
// an angle: it comes after the angle sign or an "e^j" marker, a sign between.
bool WinkelFolgt(const std::string& aus) {
  std::string_view v = aus;
  if (!v.empty() && (v.back() == '+' || v.back() == '-')) v.remove_suffix(1);
  if (!v.empty() && v.back() == kWinkelzeichen) return true;
  if (v.size() >= 2 && v.substr(v.size() - 2) == "^j") return true;
  return v.size() >= 3 && (v.substr(v.size() - 3) == "^+j" || v.substr(v.size() - 3) == "^-j");
}

// The decimal text `zahl` (point as separator, optional exponent) with
// `zusatz` added to its exponent. Absurd exponents are clamped: the reader
// then refuses or flushes the number as it would have anyway.
std::string MitExponent(std::string_view zahl, int zusatz) {
  if (zusatz == 0) return std::string(zahl);
  std::size_t e = zahl.find_first_of("eE");
  long exponent = 0;
  if (e != std::string_view::npos) {
    std::size_t i = e + 1;
    const bool negativ = i < zahl.size() && zahl[i] == '-';
    if (i < zahl.size() && (zahl[i] == '+' || zahl[i] == '-')) ++i;
    for (; i < zahl.size(); ++i) exponent = std::min(exponent * 10 + (zahl[i] - '0'), 1000000L);
    if (negativ) exponent = -exponent;
  } else {
    e = zahl.size();
  }
  return std::string(zahl.substr(0, e)) + "e" + std::to_string(exponent + zusatz);
}

}  // namespace

bool IstQuelle(ElementArt art) {
  return art == ElementArt::Spannungsquelle || art == ElementArt::Stromquelle;
}

GelesenerWert LiesWert(std::string_view text, std::string_view einheiten) {
  GelesenerWert w;
  const std::string s = OhneLeerzeichen(text);
  if (s.size() >= kZellPuffer) {
    w.fehler = GelesenerWert::ZuLang;
    return w;
  }
  // The numbers get their prefixes as exponents, units are checked and
  // dropped, and the few characters beyond ASCII become the bytes the
  // program's complex reader takes; that reader then reads the value.
  std::string aus;
  std::size_t i = 0;
  while (i < s.size()) {
    const char c = s[i];
    if (IstZiffer(c) || c == '.' || c == ',') {
      const bool winkel = WinkelFolgt(aus);
      std::size_t ende = i;
      while (ende < s.size() && IstZiffer(s[ende])) ++ende;
      if (ende < s.size() && (s[ende] == '.' || s[ende] == ',')) {
        ++ende;
        while (ende < s.size() && IstZiffer(s[ende])) ++ende;
      }
      if (ende < s.size() && (s[ende] == 'e' || s[ende] == 'E')) {
        std::size_t k = ende + 1;
        if (k < s.size() && (s[k] == '+' || s[k] == '-')) ++k;
        if (k < s.size() && IstZiffer(s[k])) {
          while (k < s.size() && IstZiffer(s[k])) ++k;
          ende = k;
        }
      }
      std::string zahl = s.substr(i, ende - i);
      std::replace(zahl.begin(), zahl.end(), ',', '.');
      i = ende;
      if (winkel) {
        aus += zahl;
        continue;
      }
      if (BeginntMit(s, i, "Meg") || BeginntMit(s, i, "meg") || BeginntMit(s, i, "MEG")) {
        w.fehler = GelesenerWert::Meg;
        w.detail = s.substr(i, 3);
        return w;
      }
      if (i < s.size() && s[i] == 'f') {
        w.fehler = GelesenerWert::Femto;
        return w;
      }
      int exponent = 0;
      if (const auto v = VorsatzBei(s, i)) {
        exponent = v->exponent;
        i += v->laenge;
      }
      for (const std::string_view einheit : kEinheiten) {
        if (!BeginntMit(s, i, einheit)) continue;
        if (!EinheitErlaubt(einheit, einheiten)) {
          w.fehler = GelesenerWert::Einheit;
          w.detail = std::string(einheit);
          return w;
        }
        i += einheit.size();
        break;
      }
      aus += MitExponent(zahl, exponent);
      continue;
    }
    if (BeginntMit(s, i, kWinkel)) {
      aus += kWinkelzeichen;
      i += kWinkel.size();
    } else if (BeginntMit(s, i, kGrad)) {
      aus += kGradzeichen;
      i += kGrad.size();
    } else if (static_cast<unsigned char>(c) >= 0x80) {
      // Anything else beyond ASCII has no place in a value.
      aus += kOhneByte;
      ++i;
    } else {
      aus += c;
      ++i;
    }
  }
  if (aus.size() >= kZellPuffer) {
    w.fehler = GelesenerWert::ZuLang;
    return w;
  }
  if (LiesZKZahl(aus, w.zahl) == ZKForm::Keine || !w.zahl.IstEndlich())
    w.fehler = GelesenerWert::Unlesbar;
  return w;
}

namespace {

struct ArtInfo {
  ElementArt art;
  const char* einheiten;  // the units that fit, blank-separated
  const char* groesse;    // what the value is, for messages (German; translated at use)
};

std::optional<ArtInfo> ArtVon(char buchstabe) {
  switch (buchstabe) {
    case 'R':
    case 'r':
      return ArtInfo{ElementArt::Widerstand, "\xCE\xA9 Ohm",
                     QT_TRANSLATE_NOOP("Netzliste", "Der Widerstand")};
    case 'L':
    case 'l':
      return ArtInfo{ElementArt::Induktivitaet, "H",
                     QT_TRANSLATE_NOOP("Netzliste", "Die Induktivität")};
    case 'C':
    case 'c':
      return ArtInfo{ElementArt::Kapazitaet, "F", QT_TRANSLATE_NOOP("Netzliste", "Die Kapazität")};
    case 'Z':
    case 'z':
      return ArtInfo{ElementArt::Impedanz, "\xCE\xA9 Ohm",
                     QT_TRANSLATE_NOOP("Netzliste", "Die Impedanz")};
    case 'Y':
    case 'y':
      return ArtInfo{ElementArt::Admittanz, "S", QT_TRANSLATE_NOOP("Netzliste", "Die Admittanz")};
    case 'U':
    case 'u':
    case 'V':
    case 'v':
      return ArtInfo{ElementArt::Spannungsquelle, "V",
                     QT_TRANSLATE_NOOP("Netzliste", "Die Quellenspannung")};
    case 'I':
    case 'i':
      return ArtInfo{ElementArt::Stromquelle, "A",
                     QT_TRANSLATE_NOOP("Netzliste", "Der Quellenstrom")};
    default:
      return std::nullopt;
  }
}

// "Ω oder Ohm" from "Ω Ohm".
std::string EinheitenListe(const char* einheiten) {
  const std::string_view alle(einheiten);
  std::string s;
  std::size_t i = 0;
  while (i <= alle.size()) {
    const std::size_t ende = std::min(alle.find(' ', i), alle.size());
    const std::string_view eine = alle.substr(i, ende - i);
    s = s.empty() ? std::string(eine)
                  : sprache::Fuelle(sprache::Tr("Netzliste", "%1 oder %2"), {s, eine});
    i = ende + 1;
  }
  return s;
}

// Errors of a value, named after `wer` (the element, or f / ω).
std::optional<SchaltungsFehler> WertFehler(const GelesenerWert& w, int zeile,
                                           const std::string& wer, std::string_view text,
                                           const char* einheiten) {
  switch (w.fehler) {
    case GelesenerWert::Keiner:
      return std::nullopt;
    case GelesenerWert::Unlesbar:
      return MacheFehler(FehlerArt::WertUnlesbar, zeile, {wer, std::string(Getrimmt(text))});
    case GelesenerWert::ZuLang:
      return MacheFehler(FehlerArt::WertZuLang, zeile, {wer});
    case GelesenerWert::Meg:
      return MacheFehler(FehlerArt::VorsatzMeg, zeile, {wer, w.detail});
    case GelesenerWert::Femto:
      return MacheFehler(FehlerArt::VorsatzFemto, zeile, {wer});
    case GelesenerWert::Einheit:
      return MacheFehler(FehlerArt::EinheitFalsch, zeile,
                         {wer, w.detail, EinheitenListe(einheiten)});
  }
  return std::nullopt;
}

class Leser {
 public:
  NetzlistenErgebnis Lies(std::string_view text) {
    ergebnis_.schaltung.knoten.push_back("0");
    int zeile = 0;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
      const std::size_t ende = std::min(text.find('\n', anfang), text.size());
      ++zeile;
      LiesZeile(text.substr(anfang, ende - anfang), zeile);
      anfang = ende + 1;
    }
    if (ergebnis_.fehler.empty()) PruefeSchaltung();
    return std::move(ergebnis_);
  }

 private:
  void Fehler(SchaltungsFehler f) { ergebnis_.fehler.push_back(std::move(f)); }

  void LiesZeile(std::string_view zeile, int nummer) {
    if (!GueltigesUtf8(zeile)) {
      Fehler(MacheFehler(FehlerArt::Kodierung, nummer, {}));
      return;
    }
    zeile = Getrimmt(zeile);
    if (zeile.empty() || zeile[0] == '*' || zeile[0] == '#' || zeile[0] == ';') return;
    // A comment runs from "#" or from ";" after a blank to the end of the line.
    std::size_t kommentar = zeile.find('#');
    for (std::size_t i = 1; i < zeile.size() && i < kommentar; ++i) {
      if (zeile[i] == ';' && IstLeer(zeile[i - 1])) kommentar = i;
    }
    zeile = Getrimmt(zeile.substr(0, std::min(kommentar, zeile.size())));
    if (zeile.empty()) return;
    if (const std::size_t gleich = zeile.find('='); gleich != std::string_view::npos) {
      LiesFrequenz(Getrimmt(zeile.substr(0, gleich)), zeile.substr(gleich + 1), nummer);
    } else {
      LiesElement(zeile, nummer);
    }
  }

  void LiesFrequenz(std::string_view name, std::string_view wert, int nummer) {
    const bool istF = name == "f";
    if (!istF && name != "w" && name != kKleinOmega) {
      Fehler(MacheFehler(FehlerArt::UnbekannteAngabe, nummer, {std::string(name)}));
      return;
    }
    Schaltung& s = ergebnis_.schaltung;
    if (s.mitFrequenz) {
      Fehler(MacheFehler(FehlerArt::FrequenzDoppelt, nummer, {std::to_string(s.frequenzZeile)}));
      return;
    }
    const std::string wer(name);
    const char* einheiten = istF ? "Hz" : "rad/s";
    // "1/s" would run into the number once the blanks are gone: taken off first.
    wert = Getrimmt(wert);
    if (!istF && wert.size() > 4 && wert.substr(wert.size() - 3) == "1/s" &&
        IstLeer(wert[wert.size() - 4]))
      wert = Getrimmt(wert.substr(0, wert.size() - 3));
    const GelesenerWert w = LiesWert(wert, einheiten);
    if (auto f = WertFehler(w, nummer, wer, wert, einheiten)) {
      Fehler(std::move(*f));
      return;
    }
    if (w.zahl.Imaginaerteil != 0.0L || w.zahl.Realteil < 0.0L) {
      Fehler(MacheFehler(FehlerArt::FrequenzUngueltig, nummer, {wer}));
      return;
    }
    s.mitFrequenz = true;
    s.frequenzZeile = nummer;
    const long double zweiPi = 2.0L * ZK_Pi();
    if (istF) {
      s.frequenz = w.zahl.Realteil;
      s.omega = zweiPi * s.frequenz;
    } else {
      s.omega = w.zahl.Realteil;
      s.frequenz = s.omega / zweiPi;
    }
  }

  // The node's index, a new one for a name not seen before.
  int Knoten(std::string_view name) {
    std::vector<std::string>& knoten = ergebnis_.schaltung.knoten;
    if (IstMasse(name)) {
      if (!masseGesehen_) knoten[0] = std::string(name);
      masseGesehen_ = true;
      return 0;
    }
    const auto [it, neu] = knotenIndex_.emplace(std::string(name), static_cast<int>(knoten.size()));
    if (neu) knoten.emplace_back(name);
    return it->second;
  }

  void LiesElement(std::string_view zeile, int nummer) {
    std::vector<std::string_view> worte;
    std::size_t i = 0;
    std::size_t wertAnfang = zeile.size();
    while (i < zeile.size()) {
      while (i < zeile.size() && IstLeer(zeile[i])) ++i;
      if (i >= zeile.size()) break;
      if (worte.size() == 3) {
        wertAnfang = i;
        break;
      }
      const std::size_t anfang = i;
      while (i < zeile.size() && !IstLeer(zeile[i])) ++i;
      worte.push_back(zeile.substr(anfang, i - anfang));
    }
    const std::string name(worte[0]);
    const auto info = ArtVon(name[0]);
    if (!info) {
      Fehler(MacheFehler(FehlerArt::UnbekanntesElement, nummer, {name}));
      return;
    }
    if (!IstNamensText(name)) {
      Fehler(MacheFehler(FehlerArt::NameUngueltig, nummer, {name}));
      return;
    }
    const std::string_view wert = zeile.substr(wertAnfang);
    if (worte.size() < 3 || (wert.empty() && !IstNamensText(worte[2]))) {
      Fehler(MacheFehler(FehlerArt::KnotenFehlt, nummer, {name}));
      return;
    }
    for (int k = 1; k <= 2; ++k) {
      if (!IstNamensText(worte[static_cast<std::size_t>(k)])) {
        Fehler(MacheFehler(FehlerArt::KnotenUngueltig, nummer,
                           {name, std::string(worte[static_cast<std::size_t>(k)])}));
        return;
      }
    }
    if (wert.empty()) {
      Fehler(MacheFehler(FehlerArt::WertFehlt, nummer, {name}));
      return;
    }
    if (const auto [it, neu] = namen_.emplace(name, nummer); !neu) {
      Fehler(MacheFehler(FehlerArt::NameDoppelt, nummer, {name, std::to_string(it->second)}));
      return;
    }
    const GelesenerWert w = LiesWert(wert, info->einheiten);
    if (auto f = WertFehler(w, nummer, name, wert, info->einheiten)) {
      Fehler(std::move(*f));
      return;
    }
    const bool reell = info->art == ElementArt::Widerstand ||
                       info->art == ElementArt::Induktivitaet ||
                       info->art == ElementArt::Kapazitaet;
    if (reell && w.zahl.Imaginaerteil != 0.0L) {
      Fehler(MacheFehler(FehlerArt::WertNichtReell, nummer,
                         {name, sprache::Tr("Netzliste", info->groesse)}));
      return;
    }
    if (reell && !(w.zahl.Realteil > 0.0L)) {
      Fehler(MacheFehler(FehlerArt::WertNichtPositiv, nummer,
                         {name, sprache::Tr("Netzliste", info->groesse)}));
      return;
    }
    const bool passiv = info->art == ElementArt::Impedanz || info->art == ElementArt::Admittanz;
    if (passiv && !(w.zahl != ZKZahl())) {
      Fehler(MacheFehler(FehlerArt::WertNull, nummer, {name}));
      return;
    }
    if (IstMasse(worte[1]) ? IstMasse(worte[2]) : worte[1] == worte[2]) {
      Fehler(MacheFehler(FehlerArt::GleicheKnoten, nummer, {name, std::string(worte[1])}));
      return;
    }
    Element e;
    e.art = info->art;
    e.name = name;
    e.knoten1 = Knoten(worte[1]);
    e.knoten2 = Knoten(worte[2]);
    e.wert = w.zahl;
    e.zeile = nummer;
    ergebnis_.schaltung.elemente.push_back(std::move(e));
  }

  std::string KnotenVon(const Element& e) const {
    const auto& k = ergebnis_.schaltung.knoten;
    return sprache::Fuelle(
        sprache::Tr("Netzliste", "Knoten %1 und %2"),
        {k[static_cast<std::size_t>(e.knoten1)], k[static_cast<std::size_t>(e.knoten2)]});
  }

  void PruefeSchaltung() {
    const Schaltung& s = ergebnis_.schaltung;
    if (s.elemente.empty()) {
      Fehler(MacheFehler(FehlerArt::KeinElement, 0, {}));
      return;
    }
    for (const Element& e : s.elemente) {
      if (e.art != ElementArt::Induktivitaet && e.art != ElementArt::Kapazitaet) continue;
      if (!s.mitFrequenz) {
        Fehler(MacheFehler(FehlerArt::FrequenzFehlt, e.zeile, {e.name}));
        return;
      }
      if (s.omega == 0.0L) {
        Fehler(MacheFehler(FehlerArt::FrequenzNull, s.frequenzZeile, {e.name}));
        return;
      }
      break;
    }
    if (!masseGesehen_) {
      Fehler(MacheFehler(FehlerArt::KeineMasse, 0, {}));
      return;
    }
    const std::size_t n = s.knoten.size();
    // Every part must hang together with ground.
    Vereinigung alle(n);
    for (const Element& e : s.elemente) alle.Vereinige(e.knoten1, e.knoten2);
    for (const Element& e : s.elemente) {
      if (alle.Wurzel(e.knoten1) != alle.Wurzel(0)) {
        Fehler(MacheFehler(FehlerArt::NichtVerbunden, e.zeile, {e.name, KnotenVon(e)}));
        return;
      }
    }
    // Ideal voltage sources may not close a loop among themselves.
    Vereinigung quellen(n);
    std::vector<std::vector<std::pair<int, int>>> quellenNachbarn(n);  // node, element
    for (std::size_t k = 0; k < s.elemente.size(); ++k) {
      const Element& e = s.elemente[k];
      if (e.art != ElementArt::Spannungsquelle) continue;
      if (!quellen.Vereinige(e.knoten1, e.knoten2)) {
        Fehler(MacheFehler(FehlerArt::Spannungsquellenmasche, e.zeile,
                           {e.name, Quellenmasche(quellenNachbarn, static_cast<int>(k))}));
        return;
      }
      quellenNachbarn[static_cast<std::size_t>(e.knoten1)].emplace_back(e.knoten2, k);
      quellenNachbarn[static_cast<std::size_t>(e.knoten2)].emplace_back(e.knoten1, k);
    }
    // Without its current sources the circuit must still hang together,
    // else nothing fixes the potential of the part they alone reach.
    Vereinigung ohneStromquellen(n);
    for (const Element& e : s.elemente) {
      if (e.art != ElementArt::Stromquelle) ohneStromquellen.Vereinige(e.knoten1, e.knoten2);
    }
    for (const Element& e : s.elemente) {
      if (e.art != ElementArt::Stromquelle) continue;
      for (const int k : {e.knoten1, e.knoten2}) {
        if (ohneStromquellen.Wurzel(k) != ohneStromquellen.Wurzel(0)) {
          Fehler(MacheFehler(FehlerArt::NurStromquellen, e.zeile,
                             {s.knoten[static_cast<std::size_t>(k)], e.name}));
          return;
        }
      }
    }
  }

  // The names of the voltage sources on the path between the ends of
  // source `k` through the sources before it, and k itself.
  std::string Quellenmasche(const std::vector<std::vector<std::pair<int, int>>>& nachbarn,
                            int k) const {
    const Schaltung& s = ergebnis_.schaltung;
    const Element& q = s.elemente[static_cast<std::size_t>(k)];
    std::vector<int> ueber(nachbarn.size(), -1);  // the element a node was reached by
    std::vector<int> von(nachbarn.size(), -1);
    std::vector<int> offen = {q.knoten1};
    von[static_cast<std::size_t>(q.knoten1)] = q.knoten1;
    while (!offen.empty()) {
      const int a = offen.back();
      offen.pop_back();
      for (const auto& [b, e] : nachbarn[static_cast<std::size_t>(a)]) {
        if (von[static_cast<std::size_t>(b)] >= 0) continue;
        von[static_cast<std::size_t>(b)] = a;
        ueber[static_cast<std::size_t>(b)] = e;
        offen.push_back(b);
      }
    }
    std::vector<int> masche;
    for (int b = q.knoten2; b != q.knoten1; b = von[static_cast<std::size_t>(b)])
      masche.push_back(ueber[static_cast<std::size_t>(b)]);
    masche.push_back(k);
    std::sort(masche.begin(), masche.end());
    std::string namen;
    for (const int e : masche) {
      if (!namen.empty()) namen += ", ";
      namen += s.elemente[static_cast<std::size_t>(e)].name;
    }
    return namen;
  }

  NetzlistenErgebnis ergebnis_;
  bool masseGesehen_ = false;
  std::map<std::string, int, std::less<>> knotenIndex_;
  std::map<std::string, int, std::less<>> namen_;
};

}  // namespace

NetzlistenErgebnis LiesNetzliste(std::string_view text) {
  // Windows editors may put a byte order mark in front of UTF-8.
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  return Leser().Lies(text);
}
