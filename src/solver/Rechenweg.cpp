// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rechenweg.h"

#include <algorithm>
#include <cstdio>

#include "complex/Ansi.h"
#include "complex/ZKText.h"
#include "sprache/Uebersetzung.h"

namespace {

using sprache::Fuelle;
using sprache::Tr;

// The number texts are Windows-1252 bytes; the record's text is UTF-8.
std::string Utf8(const std::string& ansi) {
  std::string aus;
  for (const char16_t z : AnsiNachUtf16(ansi)) {
    if (z < 0x80) {
      aus += static_cast<char>(z);
    } else if (z < 0x800) {
      aus += static_cast<char>(0xC0 | (z >> 6));
      aus += static_cast<char>(0x80 | (z & 0x3F));
    } else {
      aus += static_cast<char>(0xE0 | (z >> 12));
      aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
      aus += static_cast<char>(0x80 | (z & 0x3F));
    }
  }
  return aus;
}

// The component form writes an exact zero as nothing; here it must show.
std::string Komponenten(const ZKZahl& z, int format) {
  const std::string text = Utf8(KomponentenText(z, format));
  return text.empty() ? "0" : text;
}

// Both forms of a value: "3+j4 = 5*e^j53,13".
std::string BeideFormen(const ZKZahl& z, int format) {
  return Komponenten(z, format) + " = " + Utf8(ExponentialText(z, format));
}

std::size_t Zeichen(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Rechts(const std::string& text, std::size_t breite) {
  const std::size_t z = Zeichen(text);
  return std::string(breite > z ? breite - z : 0, ' ') + text;
}

// One part of an unknown, in the display format.
std::string Teilzahl(long double x, int format) {
  return Utf8(format == Exponent ? Exponent10(x) : General10(x));
}

std::string TeilName(const RechenSchritt& s) {
  return Fuelle(
      s.teil == 1 ? Tr("Rechenweg", "X%1, Realteil") : Tr("Rechenweg", "X%1, Imaginärteil"),
      {std::to_string(s.zeile)});
}

// The heading over the reason a solve ended: what the user is told about
// the solutions.
std::string AbbruchUeberschrift(Abbruchgrund grund) {
  switch (grund) {
    case Abbruchgrund::UnendlichViele:
      return Tr("Rechenweg", "Unendlich viele Lösungen");
    case Abbruchgrund::Widerspruch:
      return Tr("Rechenweg", "Keine Lösung");
    case Abbruchgrund::KeineAnordnung:
    case Abbruchgrund::Singulaer:
      return Tr("Rechenweg", "Keine eindeutige Lösung");
    case Abbruchgrund::Ungenau:
      return Tr("Rechenweg", "Lösung nicht genau bestimmbar");
    default:
      return Tr("Rechenweg", "Rechnung abgebrochen");
  }
}

std::string Zahl(long double x) {
  char puffer[32];
  std::snprintf(puffer, sizeof puffer, "%.1Le", x);
  std::string text(puffer);
  std::replace(text.begin(), text.end(), '.', ',');
  return text;
}

// Plain text and HTML share the walk through the record; a Ausgabe writes
// one kind of document.
class Ausgabe {
 public:
  virtual ~Ausgabe() = default;
  virtual void Titel(const std::string& text) = 0;
  virtual void Ueberschrift(const std::string& text) = 0;
  virtual void Zeile(const std::string& text) = 0;
  // rows of cells, the first row the header; the last column is split off.
  virtual void Tabelle(const std::vector<std::vector<std::string>>& zellen) = 0;
  virtual std::string Ergebnis() = 0;
};

// Lines of right-aligned columns: the row names (column 0), then columns
// von..bis-1 of the cells; the last column of all (the right-hand side)
// stands after a bar.
std::vector<std::string> Spaltentext(const std::vector<std::vector<std::string>>& zellen,
                                     std::size_t von, std::size_t bis) {
  const std::size_t letzte = zellen.front().size() - 1;
  std::vector<std::size_t> breite(bis, 0);
  for (const auto& zeile : zellen) {
    breite[0] = std::max(breite[0], Zeichen(zeile[0]));
    for (std::size_t c = von; c < bis; ++c) breite[c] = std::max(breite[c], Zeichen(zeile[c]));
  }
  std::vector<std::string> zeilen;
  for (const auto& zeile : zellen) {
    std::string text = "     " + Rechts(zeile[0], breite[0]);
    for (std::size_t c = von; c < bis; ++c) {
      text += (c == letzte && c > 1) ? "  | " : "  ";
      text += Rechts(zeile[c], breite[c]);
    }
    zeilen.push_back(text);
  }
  return zeilen;
}

class TextAusgabe : public Ausgabe {
 public:
  void Titel(const std::string& text) override { text_ += text + "\n"; }
  void Ueberschrift(const std::string& text) override { text_ += "\n" + text + "\n"; }
  void Zeile(const std::string& text) override { text_ += "  " + text + "\n"; }
  void Tabelle(const std::vector<std::vector<std::string>>& zellen) override {
    for (const std::string& zeile : Spaltentext(zellen, 1, zellen.front().size()))
      text_ += zeile + "\n";
  }
  std::string Ergebnis() override { return text_; }

 private:
  std::string text_;
};

std::string Html(const std::string& text) {
  std::string aus;
  for (const char c : text) {
    switch (c) {
      case '&':
        aus += "&amp;";
        break;
      case '<':
        aus += "&lt;";
        break;
      case '>':
        aus += "&gt;";
        break;
      default:
        aus += c;
    }
  }
  return aus;
}

class HtmlAusgabe : public Ausgabe {
 public:
  explicit HtmlAusgabe(int spaltenJeBlock) : block_(spaltenJeBlock) {}
  void Titel(const std::string& text) override { text_ += "<h1>" + Html(text) + "</h1>\n"; }
  void Ueberschrift(const std::string& text) override { text_ += "<h2>" + Html(text) + "</h2>\n"; }
  void Zeile(const std::string& text) override { text_ += "<p>" + Html(text) + "</p>\n"; }
  // A matrix as aligned monospace text, which a text document lays out far
  // faster than a table of as many cells (at n = 20 the steps hold some
  // 18000). A wide one is split into blocks of columns, each with the row
  // names, so that a page never cuts one off.
  void Tabelle(const std::vector<std::vector<std::string>>& zellen) override {
    const std::size_t spalten = zellen.front().size();
    const std::size_t block = block_ > 0 ? static_cast<std::size_t>(block_) : spalten;
    for (std::size_t von = 1; von < spalten; von += block) {
      text_ += "<pre class=\"matrix\">";
      for (const std::string& zeile : Spaltentext(zellen, von, std::min(spalten, von + block)))
        text_ += Html(zeile) + "\n";
      text_ += "</pre>\n";
    }
  }
  std::string Ergebnis() override {
    //: The language code of the saved HTML document.
    const std::string sprache = Tr("Rechenweg", "de");
    return "<!DOCTYPE html>\n<html lang=\"" + Html(sprache) +
           "\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>" +
           Html(Tr("Rechenweg", "Rechenweg")) +
           "</title>\n<style>\n"
           "body { font-family: sans-serif; }\n"
           "pre.matrix { margin: 0.3em 0 0.8em 0; font-family: monospace; }\n"
           "h2 { font-size: 1.1em; margin-bottom: 0.2em; }\n"
           "p { margin: 0.15em 0 0.15em 1em; }\n"
           "</style>\n</head>\n<body>\n" +
           text_ + "</body>\n</html>\n";
  }

 private:
  int block_;
  std::string text_;
};

std::string Nr(int i) {
  return std::to_string(i);
}

// A recorded matrix: one row per working row, columns X1..Xn, then the
// right-hand side.
void Matrix(Ausgabe& aus, const Rechenweg& weg, const RechenSchritt& schritt, int format) {
  const int n = weg.n;
  std::vector<std::vector<std::string>> zellen;
  zellen.emplace_back();
  zellen.back().push_back("");
  for (int c = 1; c <= n; ++c) zellen.back().push_back("X" + Nr(c));
  zellen.back().push_back(Tr("Rechenweg", "rechte Seite"));
  const std::string zeilenname = Tr("Rechenweg", "Z%1");
  for (int r = 1; r <= n; ++r) {
    zellen.emplace_back();
    zellen.back().push_back(Fuelle(zeilenname, {Nr(r)}));
    for (int c = 1; c <= n; ++c)
      zellen.back().push_back(Komponenten(weg.Eintrag(schritt, r, c), format));
    zellen.back().push_back(Komponenten(weg.Eintrag(schritt, r, 0), format));
  }
  aus.Tabelle(zellen);
}

void Schreibe(Ausgabe& aus, const Rechenweg& weg, int format) {
  const int n = weg.n;
  aus.Titel(Tr("Rechenweg", "Rechenweg"));
  bool rueckwaerts = false;
  int spalte = 0;
  int versuch = 1;
  const RechenSchritt* vorher = nullptr;
  for (const RechenSchritt& s : weg.schritte) {
    using Art = RechenSchritt::Art;
    switch (s.art) {
      case Art::Gleichungen: {
        aus.Ueberschrift(
            Fuelle(n == 1 ? Tr("Rechenweg", "Aufgabe: %1 Gleichung, wie sie gelesen wurde")
                          : Tr("Rechenweg", "Aufgabe: %1 Gleichungen, wie sie gelesen wurden"),
                   {Nr(n)}));
        const std::string gleichung = Tr("Rechenweg", "Gleichung %1:  %2 = %3");
        for (int r = 1; r <= n; ++r) {
          std::string summe;
          for (int c = 1; c <= n; ++c) {
            summe += (c > 1 ? " + " : "") + std::string("(") +
                     Komponenten(weg.Eintrag(s, r, c), format) + ")·X" + Nr(c);
          }
          aus.Zeile(Fuelle(gleichung, {Nr(r), summe, Komponenten(weg.Eintrag(s, r, 0), format)}));
        }
        break;
      }
      case Art::Anordnung: {
        aus.Ueberschrift(Tr("Rechenweg", "Anordnung (jede Diagonale ungleich null)"));
        const std::string zeile = Tr("Rechenweg", "Zeile %1: Gleichung %2 (für X%1)");
        bool getauscht = false;
        for (int i = 1; i <= n; ++i) {
          const int k = s.folge[static_cast<std::size_t>(i)];
          aus.Zeile(Fuelle(zeile, {Nr(i), Nr(k)}));
          getauscht = getauscht || k != i;
        }
        if (!getauscht) aus.Zeile(Tr("Rechenweg", "Die Gleichungen bleiben in ihrer Reihenfolge."));
        break;
      }
      case Art::Wiederholung: {
        versuch = s.versuch;
        aus.Ueberschrift(Tr("Rechenweg", "Wiederholte Rechnung"));
        // A column without pivot in the first elimination may come of its
        // pivot order: what it would say of the solutions is not the verdict.
        const bool ohnePivot =
            s.grund == Abbruchgrund::UnendlichViele || s.grund == Abbruchgrund::Widerspruch;
        aus.Zeile(Fuelle(
            Tr("Rechenweg", "Das Ergebnis der ersten Elimination bestand die Prüfung nicht (%1)."),
            {ohnePivot ? Tr("Rechenweg", "in einer Spalte blieb kein Pivot ungleich null")
                       : AbbruchText(s.grund)}));
        aus.Zeile(s.versuch == 2
                      ? Tr("Rechenweg",
                           "Die Elimination wurde wiederholt, mit dem betragsgrößten Pivot jeder "
                           "Spalte (Zeilentausch). Gezeigt wird diese Rechnung.")
                      : Tr("Rechenweg",
                           "Die Elimination wurde wiederholt, mit Zeilentausch nach dem größten "
                           "Pivot und danach noch einmal mit den Pivots der Anordnung, wo sie "
                           "nicht null sind. Gezeigt wird die letzte Rechnung, deren Ergebnis "
                           "besteht."));
        break;
      }
      case Art::Tausch: {
        const std::string grund =
            s.rest ? Fuelle(Tr("Rechenweg", "der Pivot in Zeile %1 ist null oder Rundungsrest"),
                            {Nr(s.zeile)})
            : versuch == 2
                ? Fuelle(Tr("Rechenweg", "Zeile %1 hat den betragsgrößten Pivot der Spalte"),
                         {Nr(s.mit)})
                : Fuelle(Tr("Rechenweg", "der Pivot %1 ist zu klein gegen seine Spalte"),
                         {Nr(s.zeile)});
        aus.Zeile(Fuelle(Tr("Rechenweg", "Zeile %1 und Zeile %2 getauscht (%3)."),
                         {Nr(s.zeile), Nr(s.mit), grund}));
        break;
      }
      case Art::Normierung:
        if (s.zeile != spalte) {
          spalte = s.zeile;
          aus.Ueberschrift(Fuelle(Tr("Rechenweg", "Spalte %1"), {Nr(spalte)}));
        }
        aus.Zeile(Fuelle(Tr("Rechenweg", "Zeile %1 geteilt durch (%2)"),
                         {Nr(s.zeile), BeideFormen(s.wert, format)}));
        break;
      case Art::Rest:
        aus.Zeile(Fuelle(
            Tr("Rechenweg", "Eintrag Zeile %1, Spalte %2 ist Rundungsrest und wird null gesetzt."),
            {Nr(s.zeile), Nr(s.mit)}));
        break;
      case Art::Elimination:
        if (s.oberhalb && (!rueckwaerts || s.mit != spalte)) {
          rueckwaerts = true;
          spalte = s.mit;
          aus.Ueberschrift(
              Fuelle(Tr("Rechenweg", "Rückwärts: Spalte %1 oberhalb der Diagonale"), {Nr(spalte)}));
        }
        aus.Zeile(Fuelle(Tr("Rechenweg", "Zeile %1 − (%2) × Zeile %3"),
                         {Nr(s.zeile), BeideFormen(s.wert, format), Nr(s.mit)}));
        break;
      case Art::Stand:
        if (vorher != nullptr && vorher->art == Art::Stand && !s.nachOperation) {
          aus.Zeile(Fuelle(Tr("Rechenweg", "Spalte %1 ist fertig."), {Nr(s.mit)}));
        } else {
          if (!s.nachOperation)
            aus.Zeile(Fuelle(Tr("Rechenweg", "Matrix nach Spalte %1:"), {Nr(s.mit)}));
          Matrix(aus, weg, s, format);
        }
        break;
      case Art::OhnePivot: {
        if (s.mit != spalte) {
          spalte = s.mit;
          aus.Ueberschrift(Fuelle(Tr("Rechenweg", "Spalte %1"), {Nr(spalte)}));
        }
        aus.Zeile(
            Fuelle(Tr("Rechenweg", "In Spalte %1 ist jeder mögliche Pivot null."), {Nr(s.mit)}));
        if (!s.matrix.empty()) {
          aus.Zeile(Tr("Rechenweg",
                       "Die übrigen Spalten, ebenso eliminiert (eine Spalte ohne Pivot wird "
                       "übergangen):"));
          Matrix(aus, weg, s, format);
        }
        const std::string lautet = Tr("Rechenweg", "Zeile %1 lautet jetzt 0 = %2.");
        for (std::size_t k = 0; k < s.werte.size(); ++k) {
          aus.Zeile(
              Fuelle(lautet, {Nr(s.zeile + static_cast<int>(k)), Komponenten(s.werte[k], format)}));
        }
        aus.Zeile(s.grund == Abbruchgrund::Widerspruch
                      ? Tr("Rechenweg",
                           "Eine Gleichung 0 = c mit c ungleich 0 ist ein Widerspruch: das System "
                           "hat keine Lösung.")
                      : Tr("Rechenweg",
                           "Eine Gleichung 0 = 0 gilt für alle Werte der Unbekannten: mindestens "
                           "eine bleibt frei wählbar, das System hat unendlich viele Lösungen."));
        break;
      }
      case Art::Pruefung:
        aus.Ueberschrift(Tr("Rechenweg", "Probe"));
        if (s.bestanden) {
          aus.Zeile(Fuelle(Tr("Rechenweg",
                              "Die Lösung erfüllt alle Gleichungen; ihr Fehler ist höchstens %1 "
                              "des größten Betrags der Unbekannten."),
                           {Zahl(s.fehler)}));
        } else if (s.teil != 0) {
          aus.Zeile(Fuelle(Tr("Rechenweg", "Nicht bestanden: %1: %2."),
                           {TeilName(s), AbbruchText(s.grund)}));
        } else {
          aus.Zeile(Fuelle(Tr("Rechenweg", "Nicht bestanden: %1."), {AbbruchText(s.grund)}));
        }
        break;
      case Art::Verfeinerung:
        aus.Zeile(s.versuch == 1
                      ? Tr("Rechenweg",
                           "Die Lösung wird nachgebessert (ein Schritt): der Rest der Gleichungen, "
                           "mit etwa 38 Stellen gerechnet, ergibt ihre Korrektur.")
                      : Fuelle(Tr("Rechenweg",
                                  "Die Lösung wird nachgebessert (%1 Schritte): der Rest der "
                                  "Gleichungen, mit etwa 38 Stellen gerechnet, ergibt ihre "
                                  "Korrektur."),
                               {Nr(s.versuch)}));
        break;
      case Art::Nachgebessert: {
        const std::string neu = Teilzahl(s.neu, format), alt = Teilzahl(s.alt, format);
        aus.Zeile(neu == alt ? Fuelle(Tr("Rechenweg", "%1: %2 (dieselben Stellen, nun gesichert)"),
                                      {TeilName(s), neu})
                             : Fuelle(Tr("Rechenweg", "%1: %2 statt %3"), {TeilName(s), neu, alt}));
        break;
      }
      case Art::NullGesetzt:
        aus.Zeile(Fuelle(Tr("Rechenweg", "%1: %2 ist von null nicht zu unterscheiden und wird 0."),
                         {TeilName(s), Teilzahl(s.alt, format)}));
        break;
      case Art::Loesung:
        aus.Ueberschrift(Tr("Rechenweg", "Lösung"));
        for (int i = 1; i <= n; ++i) {
          aus.Zeile("X" + Nr(i) + " = " +
                    BeideFormen(s.werte[static_cast<std::size_t>(i)], format));
        }
        break;
      case Art::Abbruch:
        aus.Ueberschrift(AbbruchUeberschrift(s.grund));
        aus.Zeile(AbbruchText(s.grund) + ".");
        break;
    }
    vorher = &s;
  }
}

}  // namespace

std::string AbbruchText(Abbruchgrund grund) {
  switch (grund) {
    case Abbruchgrund::Keiner:
      return Tr("Rechenweg", "Kein Fehler");
    case Abbruchgrund::Dimension:
      return Tr("Rechenweg", "Die Anzahl der Gleichungen liegt außerhalb von 0 bis 100");
    case Abbruchgrund::NichtEndlich:
      return Tr("Rechenweg", "Ein Wert des Systems ist unendlich oder unbestimmt");
    case Abbruchgrund::KeineAnordnung:
      return Tr("Rechenweg",
                "Keine Reihenfolge der Gleichungen gibt eine Diagonale ohne Null: das System hat "
                "keine eindeutige Lösung");
    case Abbruchgrund::UnendlichViele:
      return Tr("Rechenweg",
                "Eine Spalte hat keinen Pivot, und jede Gleichung ohne Pivot lautet 0 = 0: das "
                "System hat unendlich viele Lösungen");
    case Abbruchgrund::Widerspruch:
      return Tr("Rechenweg",
                "Eine Spalte hat keinen Pivot, und eine Gleichung ohne Pivot lautet 0 = c mit c "
                "ungleich 0: das System hat keine Lösung");
    case Abbruchgrund::ErgebnisNichtEndlich:
      return Tr("Rechenweg", "Die Elimination ergab einen unendlichen oder unbestimmten Wert");
    case Abbruchgrund::Singulaer:
      return Tr("Rechenweg",
                "Eine winzige Änderung der Koeffizienten macht das System singulär: es hat keine "
                "eindeutige Lösung");
    case Abbruchgrund::Ungenau:
      return Tr("Rechenweg",
                "Der Fehler der Lösung könnte die angezeigten Stellen erreichen (schlecht "
                "konditioniert)");
  }
  return "";
}

std::string RechenwegText(const Rechenweg& weg, int zahlenFormat) {
  TextAusgabe aus;
  Schreibe(aus, weg, zahlenFormat);
  return aus.Ergebnis();
}

std::string RechenwegHtml(const Rechenweg& weg, int zahlenFormat, int spaltenJeBlock) {
  HtmlAusgabe aus(spaltenJeBlock);
  Schreibe(aus, weg, zahlenFormat);
  return aus.Ergebnis();
}
