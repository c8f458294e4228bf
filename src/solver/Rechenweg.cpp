// SPDX-License-Identifier: GPL-3.0-or-later
#include "Rechenweg.h"

#include <algorithm>
#include <cstdio>

#include "complex/Ansi.h"
#include "complex/ZKText.h"

namespace {

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
  return "X" + std::to_string(s.zeile) + (s.teil == 1 ? ", Realteil" : ", Imaginärteil");
}

// The heading over the reason a solve ended: what the user is told about
// the solutions.
std::string AbbruchUeberschrift(Abbruchgrund grund) {
  switch (grund) {
    case Abbruchgrund::UnendlichViele:
      return "Unendlich viele Lösungen";
    case Abbruchgrund::Widerspruch:
      return "Keine Lösung";
    case Abbruchgrund::KeineAnordnung:
    case Abbruchgrund::Singulaer:
      return "Keine eindeutige Lösung";
    case Abbruchgrund::Ungenau:
      return "Lösung nicht genau bestimmbar";
    default:
      return "Rechnung abgebrochen";
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
    return "<!DOCTYPE html>\n<html lang=\"de\">\n<head>\n<meta charset=\"utf-8\">\n"
           "<title>Rechenweg</title>\n<style>\n"
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
void Matrix(Ausgabe& aus, const Rechenweg& weg, const RechenSchritt& schritt, int format,
            const std::string& zeilenname) {
  const int n = weg.n;
  std::vector<std::vector<std::string>> zellen;
  zellen.emplace_back();
  zellen.back().push_back("");
  for (int c = 1; c <= n; ++c) zellen.back().push_back("X" + Nr(c));
  zellen.back().push_back("rechte Seite");
  for (int r = 1; r <= n; ++r) {
    zellen.emplace_back();
    zellen.back().push_back(zeilenname + Nr(r));
    for (int c = 1; c <= n; ++c)
      zellen.back().push_back(Komponenten(weg.Eintrag(schritt, r, c), format));
    zellen.back().push_back(Komponenten(weg.Eintrag(schritt, r, 0), format));
  }
  aus.Tabelle(zellen);
}

void Schreibe(Ausgabe& aus, const Rechenweg& weg, int format) {
  const int n = weg.n;
  aus.Titel("Rechenweg");
  bool rueckwaerts = false;
  int spalte = 0;
  int versuch = 1;
  const RechenSchritt* vorher = nullptr;
  for (const RechenSchritt& s : weg.schritte) {
    using Art = RechenSchritt::Art;
    switch (s.art) {
      case Art::Gleichungen: {
        aus.Ueberschrift("Aufgabe: " + Nr(n) +
                         (n == 1 ? " Gleichung, wie sie gelesen wurde"
                                 : " Gleichungen, wie sie gelesen wurden"));
        for (int r = 1; r <= n; ++r) {
          std::string text = "Gleichung " + Nr(r) + ":  ";
          for (int c = 1; c <= n; ++c) {
            text += (c > 1 ? " + " : "") + std::string("(") +
                    Komponenten(weg.Eintrag(s, r, c), format) + ")·X" + Nr(c);
          }
          aus.Zeile(text + " = " + Komponenten(weg.Eintrag(s, r, 0), format));
        }
        break;
      }
      case Art::Anordnung: {
        aus.Ueberschrift("Anordnung (jede Diagonale ungleich null)");
        bool getauscht = false;
        for (int i = 1; i <= n; ++i) {
          const int k = s.folge[static_cast<std::size_t>(i)];
          aus.Zeile("Zeile " + Nr(i) + ": Gleichung " + Nr(k) + " (für X" + Nr(i) + ")");
          getauscht = getauscht || k != i;
        }
        if (!getauscht) aus.Zeile("Die Gleichungen bleiben in ihrer Reihenfolge.");
        break;
      }
      case Art::Wiederholung: {
        versuch = s.versuch;
        aus.Ueberschrift("Wiederholte Rechnung");
        // A column without pivot in the first elimination may come of its
        // pivot order: what it would say of the solutions is not the verdict.
        const bool ohnePivot =
            s.grund == Abbruchgrund::UnendlichViele || s.grund == Abbruchgrund::Widerspruch;
        aus.Zeile("Das Ergebnis der ersten Elimination bestand die Prüfung nicht (" +
                  (ohnePivot ? std::string("in einer Spalte blieb kein Pivot ungleich null")
                             : AbbruchText(s.grund)) +
                  ").");
        aus.Zeile(s.versuch == 2
                      ? "Die Elimination wurde wiederholt, mit dem betragsgrößten Pivot jeder "
                        "Spalte (Zeilentausch). Gezeigt wird diese Rechnung."
                      : "Die Elimination wurde wiederholt, mit Zeilentausch nach dem größten "
                        "Pivot und danach noch einmal mit den Pivots der Anordnung, wo sie nicht "
                        "null sind. Gezeigt wird die letzte Rechnung, deren Ergebnis besteht.");
        break;
      }
      case Art::Tausch:
        aus.Zeile("Zeile " + Nr(s.zeile) + " und Zeile " + Nr(s.mit) + " getauscht (" +
                  (s.rest ? "der Pivot in Zeile " + Nr(s.zeile) + " ist null oder Rundungsrest"
                   : versuch == 2
                       ? "Zeile " + Nr(s.mit) + " hat den betragsgrößten Pivot der Spalte"
                       : "der Pivot " + Nr(s.zeile) + " ist zu klein gegen seine Spalte") +
                  ").");
        break;
      case Art::Normierung:
        if (s.zeile != spalte) {
          spalte = s.zeile;
          aus.Ueberschrift("Spalte " + Nr(spalte));
        }
        aus.Zeile("Zeile " + Nr(s.zeile) + " geteilt durch (" + BeideFormen(s.wert, format) + ")");
        break;
      case Art::Rest:
        aus.Zeile("Eintrag Zeile " + Nr(s.zeile) + ", Spalte " + Nr(s.mit) +
                  " ist Rundungsrest und wird null gesetzt.");
        break;
      case Art::Elimination:
        if (s.oberhalb && (!rueckwaerts || s.mit != spalte)) {
          rueckwaerts = true;
          spalte = s.mit;
          aus.Ueberschrift("Rückwärts: Spalte " + Nr(spalte) + " oberhalb der Diagonale");
        }
        aus.Zeile("Zeile " + Nr(s.zeile) + " − (" + BeideFormen(s.wert, format) + ") × Zeile " +
                  Nr(s.mit));
        break;
      case Art::Stand:
        if (vorher != nullptr && vorher->art == Art::Stand && !s.nachOperation) {
          aus.Zeile("Spalte " + Nr(s.mit) + " ist fertig.");
        } else {
          if (!s.nachOperation) aus.Zeile("Matrix nach Spalte " + Nr(s.mit) + ":");
          Matrix(aus, weg, s, format, "Z");
        }
        break;
      case Art::OhnePivot: {
        if (s.mit != spalte) {
          spalte = s.mit;
          aus.Ueberschrift("Spalte " + Nr(spalte));
        }
        aus.Zeile("In Spalte " + Nr(s.mit) + " ist jeder mögliche Pivot null.");
        if (!s.matrix.empty()) {
          aus.Zeile(
              "Die übrigen Spalten, ebenso eliminiert (eine Spalte ohne Pivot wird "
              "übergangen):");
          Matrix(aus, weg, s, format, "Z");
        }
        for (std::size_t k = 0; k < s.werte.size(); ++k) {
          aus.Zeile("Zeile " + Nr(s.zeile + static_cast<int>(k)) +
                    " lautet jetzt 0 = " + Komponenten(s.werte[k], format) + ".");
        }
        aus.Zeile(s.grund == Abbruchgrund::Widerspruch
                      ? "Eine Gleichung 0 = c mit c ungleich 0 ist ein Widerspruch: das System "
                        "hat keine Lösung."
                      : "Eine Gleichung 0 = 0 gilt für alle Werte der Unbekannten: mindestens eine "
                        "bleibt frei wählbar, das System hat unendlich viele Lösungen.");
        break;
      }
      case Art::Pruefung:
        aus.Ueberschrift("Probe");
        if (s.bestanden) {
          aus.Zeile("Die Lösung erfüllt alle Gleichungen; ihr Fehler ist höchstens " +
                    Zahl(s.fehler) + " des größten Betrags der Unbekannten.");
        } else if (s.teil != 0) {
          aus.Zeile("Nicht bestanden: " + TeilName(s) + ": " + AbbruchText(s.grund) + ".");
        } else {
          aus.Zeile("Nicht bestanden: " + AbbruchText(s.grund) + ".");
        }
        break;
      case Art::Verfeinerung:
        aus.Zeile(std::string("Die Lösung wird nachgebessert (") +
                  (s.versuch == 1 ? "ein Schritt" : Nr(s.versuch) + " Schritte") +
                  "): der Rest der Gleichungen, mit etwa 38 Stellen gerechnet, ergibt ihre "
                  "Korrektur.");
        break;
      case Art::Nachgebessert: {
        const std::string neu = Teilzahl(s.neu, format), alt = Teilzahl(s.alt, format);
        aus.Zeile(TeilName(s) + ": " + neu +
                  (neu == alt ? " (dieselben Stellen, nun gesichert)" : " statt " + alt));
        break;
      }
      case Art::NullGesetzt:
        aus.Zeile(TeilName(s) + ": " + Teilzahl(s.alt, format) +
                  " ist von null nicht zu unterscheiden und wird 0.");
        break;
      case Art::Loesung:
        aus.Ueberschrift("Lösung");
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
      return "Kein Fehler";
    case Abbruchgrund::Dimension:
      return "Die Anzahl der Gleichungen liegt außerhalb von 0 bis 100";
    case Abbruchgrund::NichtEndlich:
      return "Ein Wert des Systems ist unendlich oder unbestimmt";
    case Abbruchgrund::KeineAnordnung:
      return "Keine Reihenfolge der Gleichungen gibt eine Diagonale ohne Null: das System hat "
             "keine eindeutige Lösung";
    case Abbruchgrund::UnendlichViele:
      return "Eine Spalte hat keinen Pivot, und jede Gleichung ohne Pivot lautet 0 = 0: das "
             "System hat unendlich viele Lösungen";
    case Abbruchgrund::Widerspruch:
      return "Eine Spalte hat keinen Pivot, und eine Gleichung ohne Pivot lautet 0 = c mit c "
             "ungleich 0: das System hat keine Lösung";
    case Abbruchgrund::ErgebnisNichtEndlich:
      return "Die Elimination ergab einen unendlichen oder unbestimmten Wert";
    case Abbruchgrund::Singulaer:
      return "Eine winzige Änderung der Koeffizienten macht das System singulär: es hat keine "
             "eindeutige Lösung";
    case Abbruchgrund::Ungenau:
      return "Der Fehler der Lösung könnte die angezeigten Stellen erreichen (schlecht "
             "konditioniert)";
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
