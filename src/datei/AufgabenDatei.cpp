// SPDX-License-Identifier: GPL-3.0-or-later
#include "AufgabenDatei.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>
#include <array>

#include "complex/ZKGenau.h"

namespace aufgabe {

namespace {

constexpr const char* kFormatName = "quorvel";

// The calculators' keys, in the order of Blindrechner::texte.
constexpr std::array<const char*, 3> kInduktiv = {"L", "f", "XL"};
constexpr std::array<const char*, 3> kKapazitiv = {"C", "f", "XC"};

// The locus page's choices, in the order of their enums (false before true).
constexpr std::array<const char*, 2> kOrtsQuelle = {"Formel", "Schaltung"};
constexpr std::array<const char*, 2> kOrtsGroesse = {"Impedanz", "Verhaeltnis"};
constexpr std::array<const char*, 2> kOrtsSchritte = {"logarithmisch", "linear"};
constexpr std::array<const char*, 3> kOrtsMarken = {"keine", "Dekaden", "gewaehlt"};
constexpr std::array<const char*, 2> kOrtsAnsicht = {"Ortskurve", "Frequenzgang"};
constexpr std::array<const char*, 2> kOrtsBetrag = {"dB", "linear"};
constexpr std::array<const char*, 3> kOrtsInversion = {"aus", "daneben", "statt"};

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IstUtf8(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    int folge;
    unsigned min;
    unsigned cp;
    if ((b & 0xE0) == 0xC0) {
      folge = 1, min = 0x80, cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      folge = 2, min = 0x800, cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      folge = 3, min = 0x10000, cp = b & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(folge) >= s.size()) return false;
    for (int k = 1; k <= folge; ++k) {
      const auto f = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((f & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (f & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
    i += static_cast<std::size_t>(folge) + 1;
  }
  return true;
}

// Reading stops at the first fault; `detail` names it for the message.
struct Leser {
  Q_DECLARE_TR_FUNCTIONS(AufgabenDatei)

 public:
  std::string detail;

  bool Fehler(const QString& was) {
    if (detail.empty()) detail = was.toStdString();
    return false;
  }

  // The value is there and of the kind wanted; `keineArt()` gives the
  // message when it is not (made only then: most values are fine).
  template <class Meldung>
  bool Da(const QJsonValue& v, const QString& name, bool passt, Meldung keineArt) {
    if (v.isUndefined()) return Fehler(tr("„%1“ fehlt").arg(name));
    if (!passt) return Fehler(keineArt());
    return true;
  }

  bool Objekt(const QJsonObject& o, const char* name, QJsonObject& aus) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (!Da(v, QLatin1String(name), v.isObject(),
            [&] { return tr("„%1“ ist kein Objekt").arg(QLatin1String(name)); }))
      return false;
    aus = v.toObject();
    return true;
  }

  bool Text(const QJsonValue& v, const QString& name, std::string& aus) {
    if (!Da(v, name, v.isString(), [&] { return tr("„%1“ ist kein Text").arg(name); }))
      return false;
    const QString s = v.toString();
    if (s.size() > kMaxTextLaenge)
      return Fehler(tr("„%1“ ist länger als %2 Zeichen").arg(name).arg(kMaxTextLaenge));
    if (s.contains(QChar(0))) return Fehler(tr("„%1“ enthält ein Nullzeichen").arg(name));
    aus = s.toStdString();
    return true;
  }
  bool Text(const QJsonObject& o, const char* name, std::string& aus) {
    return Text(o.value(QLatin1String(name)), QLatin1String(name), aus);
  }

  bool Wahr(const QJsonObject& o, const char* name, bool& aus) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (!Da(v, QLatin1String(name), v.isBool(),
            [&] { return tr("„%1“ ist nicht true oder false").arg(QLatin1String(name)); }))
      return false;
    aus = v.toBool();
    return true;
  }

  // A whole number within [min, max]; JSON has only doubles, so 3.5 and
  // 1e300 are refused rather than cut.
  bool Zahl(const QJsonValue& v, const QString& name, int min, int max, int& aus) {
    const double d = v.toDouble(-1e18);
    // The range first: casting 1e300 to an integer is undefined.
    const bool ganz =
        v.isDouble() && d >= min && d <= max && d == static_cast<double>(static_cast<long long>(d));
    if (!Da(v, name, ganz, [&] {
          return tr("„%1“ ist keine ganze Zahl von %2 bis %3")
              .arg(name, QString::number(min), QString::number(max));
        }))
      return false;
    aus = static_cast<int>(d);
    return true;
  }

  bool Matrix(const QJsonObject& o, Aufgabe& a) {
    QJsonObject m;
    if (!Objekt(o, "matrix", m)) return false;
    if (!Zahl(m.value(QLatin1String("dimension")), QStringLiteral("dimension"), 1, kMaxDimension,
              a.dimension))
      return false;
    if (!Wahr(m, "ergebnis_gezeigt", a.matrixErgebnisGezeigt)) return false;
    const QJsonValue zv = m.value(QLatin1String("zeilen"));
    if (!Da(zv, QStringLiteral("zeilen"), zv.isArray() && zv.toArray().size() <= kMatrixZeilen, [] {
          return tr("„%1“ ist keine Liste von höchstens %2 Zeilen")
              .arg(QStringLiteral("zeilen"))
              .arg(kMatrixZeilen);
        }))
      return false;
    const QJsonArray zeilen = zv.toArray();
    for (qsizetype r = 0; r < zeilen.size(); ++r) {
      if (!zeilen[r].isArray() || zeilen[r].toArray().size() > kMatrixSpalten)
        return Fehler(tr("Zeile %1 der Matrix ist keine Liste von höchstens %2 Texten")
                          .arg(r + 1)
                          .arg(kMatrixSpalten));
      const QJsonArray zellen = zeilen[r].toArray();
      for (qsizetype c = 0; c < zellen.size(); ++c)
        // Row first, as the matrix page names its cells.
        if (!Zelle(zellen[c], tr("Zelle( %1 , %2 )").arg(r + 1).arg(c + 1),
                   a.zellen[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)],
                   a.zellwerte[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]))
          return false;
    }
    return true;
  }

  // A lossless value text ("Realteil Imaginärteil", complex/ZKGenau.h).
  bool Wert(const QJsonValue& v, const QString& name, std::string& aus) {
    if (!Text(v, name, aus)) return false;
    ZKZahl z;
    if (!LiesGenauenText(aus, z))
      return Fehler(tr("„%1“ ist kein Wert aus Real- und Imaginärteil").arg(name));
    return true;
  }

  // A cell is its text, or an object of the text and the value behind it.
  bool Zelle(const QJsonValue& v, const QString& name, std::string& text, std::string& wert) {
    if (!v.isObject()) return Text(v, name, text);
    const QJsonObject o = v.toObject();
    return Text(o.value(QLatin1String("text")), name, text) &&
           Wert(o.value(QLatin1String("wert")), tr("wert“ von „%1").arg(name), wert);
  }

  bool Speicher(const QJsonObject& o, Aufgabe& a) {
    const QJsonValue sv = o.value(QLatin1String("speicher"));
    if (!Da(sv, QStringLiteral("speicher"), sv.isArray(),
            [] { return tr("„%1“ ist keine Liste").arg(QStringLiteral("speicher")); }))
      return false;
    std::array<bool, kSpeicherZeilen> gesehen{};
    for (const QJsonValue& zv : sv.toArray()) {
      if (!zv.isObject()) return Fehler(tr("ein Speichereintrag ist kein Objekt"));
      const QJsonObject z = zv.toObject();
      int nr = 0;
      if (!Zahl(z.value(QLatin1String("nr")), QStringLiteral("nr"), 1, kSpeicherZeilen, nr))
        return false;
      auto& gesehenNr = gesehen[static_cast<std::size_t>(nr - 1)];
      if (gesehenNr) return Fehler(tr("K%1 steht zweimal im Speicher").arg(nr));
      gesehenNr = true;
      SpeicherZeile& zeile = a.speicher[static_cast<std::size_t>(nr - 1)];
      std::string seite;
      if (!Text(z, "k", zeile.k) || !Text(z, "g", zeile.g) ||
          !Text(z, "kommentar", zeile.kommentar) || !Text(z, "getippt", seite))
        return false;
      if (seite != "K" && seite != "G")
        return Fehler(tr("„getippt“ von K%1 ist weder „K“ noch „G“").arg(nr));
      zeile.getippt = seite == "K" ? Seite::K : Seite::G;
      const QJsonValue wert = z.value(QLatin1String("wert"));
      if (!wert.isUndefined() && !Wert(wert, tr("wert“ von „K%1").arg(nr), zeile.wert))
        return false;
    }
    return true;
  }

  // One of a few names; `aus` becomes its index.
  template <class E, std::size_t N>
  bool Wahl(const QJsonObject& o, const char* name, const std::array<const char*, N>& namen,
            E& aus) {
    std::string text;
    if (!Text(o, name, text)) return false;
    for (std::size_t i = 0; i < N; ++i)
      if (text == namen[i]) {
        aus = static_cast<E>(i);
        return true;
      }
    QStringList erlaubt;
    for (const char* n : namen) erlaubt << QStringLiteral("„%1“").arg(QString::fromUtf8(n));
    return Fehler(tr("„%1“ ist keiner der Werte %2")
                      .arg(QLatin1String(name), erlaubt.join(QStringLiteral(", "))));
  }

  // The locus page's block; files before it have none and keep the defaults.
  bool Ortskurve(const QJsonObject& o, aufgabe::Ortskurve& k) {
    if (o.value(QLatin1String("ortskurve")).isUndefined()) return true;
    QJsonObject ok;
    bool verhaeltnis = false, frequenzgang = false, linear = false, betragLinear = false;
    if (!Objekt(o, "ortskurve", ok) || !Wahl(ok, "quelle", kOrtsQuelle, k.quelle) ||
        !Text(ok, "formel", k.formel) || !Wahl(ok, "groesse", kOrtsGroesse, verhaeltnis) ||
        !Text(ok, "knoten_a", k.knotenA) || !Text(ok, "knoten_b", k.knotenB) ||
        !Text(ok, "von", k.von) || !Text(ok, "bis", k.bis) || !Text(ok, "punkte", k.punkte) ||
        !Wahl(ok, "schritte", kOrtsSchritte, linear) ||
        !Wahl(ok, "bezifferung", kOrtsMarken, k.marken) || !Text(ok, "marken", k.gewaehlt) ||
        !Wahl(ok, "ansicht", kOrtsAnsicht, frequenzgang) ||
        !Wahl(ok, "betrag", kOrtsBetrag, betragLinear) ||
        !Wahl(ok, "inversion", kOrtsInversion, k.inversion))
      return false;
    k.verhaeltnis = verhaeltnis;
    k.logarithmisch = !linear;
    k.frequenzgang = frequenzgang;
    k.dezibel = !betragLinear;
    return true;
  }

  bool Rechner(const QJsonObject& o, const char* name, const std::array<const char*, 3>& felder,
               Blindrechner& b) {
    QJsonObject r;
    if (!Objekt(o, name, r)) return false;
    for (std::size_t i = 0; i < 3; ++i)
      if (!Text(r, felder[i], b.texte[i])) return false;
    std::string gesucht;
    if (!Text(r, "gesucht", gesucht) || !Wahr(r, "ergebnis_gezeigt", b.ergebnisGezeigt))
      return false;
    for (std::size_t i = 0; i < 3; ++i)
      if (gesucht == felder[i]) {
        b.gesucht = static_cast<int>(i);
        return true;
      }
    return Fehler(tr("„gesucht“ in „%1“ ist keine der Größen %2, %3, %4")
                      .arg(QLatin1String(name), QLatin1String(felder[0]), QLatin1String(felder[1]),
                           QLatin1String(felder[2])));
  }

  bool Rest(const QJsonObject& o, Aufgabe& a) {
    std::string format;
    if (!Text(o, "zahlendarstellung", format)) return false;
    if (format != "General" && format != "Exponent")
      return Fehler(tr("„zahlendarstellung“ ist weder „General“ noch „Exponent“"));
    a.zahlenFormat = format == "General" ? 0 : 1;

    QJsonObject rf;
    if (!Objekt(o, "rechenfeld", rf) || !Text(rf, "formel", a.formel) ||
        !Wahr(rf, "ergebnis_gezeigt", a.formelErgebnisGezeigt) ||
        !Formelteile(rf.value(QLatin1String("werte")), a))
      return false;
    if (!Rechner(o, "induktiv", kInduktiv, a.induktiv) ||
        !Rechner(o, "kapazitiv", kKapazitiv, a.kapazitiv) || !Text(o, "wandeln", a.wandeln))
      return false;

    const QJsonValue w = o.value(QLatin1String("winkelrechner"));
    if (w.isUndefined()) return Fehler(tr("„%1“ fehlt").arg(QStringLiteral("winkelrechner")));
    if (!w.isNull()) {
      QJsonObject wo;
      if (!Objekt(o, "winkelrechner", wo) ||
          !Zahl(wo.value(QLatin1String("zeile")), QStringLiteral("zeile"), 0, kWinkelZeilen - 1,
                a.winkelZeile) ||
          !Text(wo, "text", a.winkelText))
        return false;
    }

    const QJsonValue u = o.value(QLatin1String("uebung"));
    if (u.isUndefined()) return Fehler(tr("„%1“ fehlt").arg(QStringLiteral("uebung")));
    if (!u.isNull() && !Uebung(u, a)) return false;
    return Ortskurve(o, a.ortskurve);
  }

  // The pasted parts lie within the formula, in order and apart, so that
  // each number of the text belongs to at most one.
  bool Formelteile(const QJsonValue& v, Aufgabe& a) {
    if (v.isUndefined()) return true;
    const QString name = QStringLiteral("werte");
    if (!Da(v, name, v.isArray(), [&] { return tr("„%1“ ist keine Liste").arg(name); }))
      return false;
    const int laenge = static_cast<int>(QString::fromStdString(a.formel).size());
    int frei = 0;
    for (const QJsonValue& tv : v.toArray()) {
      if (!tv.isObject()) return Fehler(tr("ein Eintrag in „werte“ ist kein Objekt"));
      const QJsonObject t = tv.toObject();
      Formelteil teil;
      if (!Zahl(t.value(QLatin1String("stelle")), QStringLiteral("stelle"), 0, kMaxTextLaenge,
                teil.stelle) ||
          !Zahl(t.value(QLatin1String("laenge")), QStringLiteral("laenge"), 1, kMaxTextLaenge,
                teil.laenge) ||
          !Wert(t.value(QLatin1String("wert")), QStringLiteral("wert"), teil.wert))
        return false;
      if (teil.stelle < frei || teil.stelle + teil.laenge > laenge)
        return Fehler(
            tr("ein Eintrag in „werte“ liegt nicht in der Formel oder überlappt den vorigen"));
      frei = teil.stelle + teil.laenge;
      a.formelteile.push_back(teil);
    }
    return true;
  }

  // A list of at most `max` texts.
  bool Texte(const QJsonObject& o, const char* name, qsizetype max, std::vector<std::string>& aus) {
    const QJsonValue v = o.value(QLatin1String(name));
    if (!Da(v, QLatin1String(name), v.isArray() && v.toArray().size() <= max, [&] {
          return tr("„%1“ ist keine Liste von höchstens %2 Texten")
              .arg(QLatin1String(name))
              .arg(max);
        }))
      return false;
    for (const QJsonValue& t : v.toArray())
      if (!Text(t, QLatin1String(name), aus.emplace_back())) return false;
    return true;
  }

  // From version 3 on: the circuit page and the titles its system gave.
  bool Schaltung(const QJsonObject& o, Aufgabe& a) {
    // Files before version 3 have none; one without a circuit may leave it out.
    if (o.value(QLatin1String("schaltung")).isUndefined()) return true;
    QJsonObject s;
    if (!Objekt(o, "schaltung", s)) return false;
    std::vector<std::string> zeilen, zeilentitel, spaltentitel;
    std::string verfahren;
    if (!Texte(s, "netzliste", kMaxNetzlistenZeilen, zeilen) || !Text(s, "verfahren", verfahren) ||
        !Texte(s, "zeilentitel", kMatrixZeilen, zeilentitel) ||
        !Texte(s, "spaltentitel", kMatrixSpalten, spaltentitel))
      return false;
    if (verfahren != "knoten" && verfahren != "maschen")
      return Fehler(tr("„verfahren“ ist weder „knoten“ noch „maschen“"));
    a.verfahren = verfahren == "maschen" ? 1 : 0;
    for (std::size_t i = 0; i < zeilen.size(); ++i) a.netzliste += (i > 0 ? "\n" : "") + zeilen[i];
    for (std::size_t i = 0; i < zeilentitel.size(); ++i) a.zeilentitel[i] = zeilentitel[i];
    for (std::size_t i = 0; i < spaltentitel.size(); ++i) a.spaltentitel[i] = spaltentitel[i];
    return true;
  }

  bool Uebung(const QJsonValue& v, Aufgabe& a) {
    if (!v.isObject()) return Fehler(tr("„uebung“ ist weder null noch ein Objekt"));
    const QJsonValue av = v.toObject().value(QLatin1String("antworten"));
    if (!Da(av, QStringLiteral("antworten"), av.isArray() && av.toArray().size() <= kMaxDimension,
            [] {
              return tr("„%1“ ist keine Liste von höchstens %2 Zeilen")
                  .arg(QStringLiteral("antworten"))
                  .arg(kMaxDimension);
            }))
      return false;
    aufgabe::Uebung u;
    const QJsonArray zeilen = av.toArray();
    for (qsizetype r = 0; r < zeilen.size(); ++r) {
      if (!zeilen[r].isArray() || zeilen[r].toArray().size() > 2)
        return Fehler(tr("Antwort X%1 ist keine Liste von höchstens 2 Texten").arg(r + 1));
      const QJsonArray spalten = zeilen[r].toArray();
      for (qsizetype c = 0; c < spalten.size(); ++c)
        if (!Text(spalten[c], tr("Antwort X%1").arg(r + 1),
                  u.antworten[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]))
          return false;
    }
    a.uebung = u;
    return true;
  }
};

QJsonValue Q(const std::string& s) {
  return QJsonValue(QString::fromStdString(s));
}

// A task file that ends too early (a copy or a save cut short): the JSON
// parser ran out of text, and the beginning names the format.
bool Abgeschnitten(std::string_view bytes, const QJsonParseError& fehler) {
  if (fehler.offset < 0 || static_cast<std::size_t>(fehler.offset) < bytes.size()) return false;
  std::size_t i = bytes.find("\"format\"");
  if (i == std::string_view::npos) return false;
  i += 8;
  auto leer = [&] {
    while (i < bytes.size() &&
           (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\n' || bytes[i] == '\r'))
      ++i;
  };
  leer();
  if (i >= bytes.size() || bytes[i] != ':') return false;
  ++i;
  leer();
  const std::string_view name = kFormatName;
  return bytes.substr(i).starts_with('"') && bytes.substr(i + 1).starts_with(name) &&
         bytes.substr(i + 1 + name.size()).starts_with('"');
}

bool ZuLang(const std::string& s) {
  return QString::fromStdString(s).size() > kMaxTextLaenge;
}

}  // namespace

Leseergebnis LiesAufgabe(std::string_view bytes) {
  Leseergebnis e;
  if (bytes.size() > kMaxDateiGroesse) {
    e.fehler = Lesefehler::ZuGross;
    return e;
  }
  if (!IstUtf8(bytes)) {
    e.fehler = Lesefehler::KeinUtf8;
    return e;
  }
  QJsonParseError fehler{};
  const QJsonDocument doc = QJsonDocument::fromJson(
      QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), &fehler);
  if (fehler.error != QJsonParseError::NoError) {
    e.fehler = Abgeschnitten(bytes, fehler) ? Lesefehler::Beschaedigt : Lesefehler::KeinJson;
    if (e.fehler == Lesefehler::Beschaedigt)
      e.detail =
          QCoreApplication::translate("AufgabenDatei", "sie ist abgeschnitten, ihr Ende fehlt")
              .toStdString();
    return e;
  }
  const QJsonObject o = doc.object();
  if (!doc.isObject() ||
      o.value(QLatin1String("format")).toString() != QLatin1String(kFormatName)) {
    e.fehler = Lesefehler::KeineQuorvelDatei;
    return e;
  }
  Leser l;
  int version = 0;
  // Any whole number is a version; a newer one is told apart from damage.
  if (!l.Zahl(o.value(QLatin1String("version")), QStringLiteral("version"), 1, 1000000, version)) {
    e.fehler = Lesefehler::Beschaedigt;
    e.detail = l.detail;
    return e;
  }
  if (version > kDateiVersion) {
    e.fehler = Lesefehler::NeuereVersion;
    e.detail = std::to_string(version);
    return e;
  }
  if (!l.Matrix(o, e.aufgabe) || !l.Speicher(o, e.aufgabe) || !l.Rest(o, e.aufgabe) ||
      !l.Schaltung(o, e.aufgabe)) {
    e.fehler = Lesefehler::Beschaedigt;
    e.detail = l.detail;
    e.aufgabe = Aufgabe{};
  }
  return e;
}

bool SchreibeAufgabe(const Aufgabe& a, std::string& bytes, std::string& fehler) {
  QJsonObject o;
  o.insert(QLatin1String("format"), QLatin1String(kFormatName));
  o.insert(QLatin1String("version"), kDateiVersion);
  o.insert(QLatin1String("zahlendarstellung"),
           a.zahlenFormat == 1 ? QLatin1String("Exponent") : QLatin1String("General"));

  // Rows and cells without text at their end are left out; the reader
  // takes a missing cell as empty.
  QJsonArray zeilen;
  int letzteZeile = 0;
  for (int r = 0; r < kMatrixZeilen; ++r) {
    const auto& zeile = a.zellen[static_cast<std::size_t>(r)];
    int letzte = 0;
    for (int c = 0; c < kMatrixSpalten; ++c)
      if (!zeile[static_cast<std::size_t>(c)].empty()) letzte = c + 1;
    QJsonArray zellen;
    for (int c = 0; c < letzte; ++c) {
      const auto i = static_cast<std::size_t>(c);
      const std::string& wert = a.zellwerte[static_cast<std::size_t>(r)][i];
      if (wert.empty()) {
        zellen.append(Q(zeile[i]));
      } else {
        QJsonObject zelle;
        zelle.insert(QLatin1String("text"), Q(zeile[i]));
        zelle.insert(QLatin1String("wert"), Q(wert));
        zellen.append(zelle);
      }
    }
    zeilen.append(zellen);
    if (letzte > 0) letzteZeile = r + 1;
  }
  while (zeilen.size() > letzteZeile) zeilen.removeLast();
  QJsonObject m;
  m.insert(QLatin1String("dimension"), a.dimension);
  m.insert(QLatin1String("zeilen"), zeilen);
  m.insert(QLatin1String("ergebnis_gezeigt"), a.matrixErgebnisGezeigt);
  o.insert(QLatin1String("matrix"), m);

  QJsonArray speicher;
  for (int n = 0; n < kSpeicherZeilen; ++n) {
    const SpeicherZeile& z = a.speicher[static_cast<std::size_t>(n)];
    if (z.Leer()) continue;
    QJsonObject e;
    e.insert(QLatin1String("nr"), n + 1);
    e.insert(QLatin1String("getippt"),
             z.getippt == Seite::K ? QLatin1String("K") : QLatin1String("G"));
    e.insert(QLatin1String("k"), Q(z.k));
    e.insert(QLatin1String("g"), Q(z.g));
    e.insert(QLatin1String("kommentar"), Q(z.kommentar));
    if (!z.wert.empty()) e.insert(QLatin1String("wert"), Q(z.wert));
    speicher.append(e);
  }
  o.insert(QLatin1String("speicher"), speicher);

  QJsonObject rf;
  rf.insert(QLatin1String("formel"), Q(a.formel));
  rf.insert(QLatin1String("ergebnis_gezeigt"), a.formelErgebnisGezeigt);
  // Only parts the reader takes: in order, inside the formula, with a value.
  QJsonArray teile;
  int frei = 0;
  const int formelLaenge = static_cast<int>(QString::fromStdString(a.formel).size());
  for (const Formelteil& t : a.formelteile) {
    ZKZahl z;
    if (t.stelle < frei || t.laenge < 1 || t.stelle + t.laenge > formelLaenge ||
        !LiesGenauenText(t.wert, z))
      continue;
    frei = t.stelle + t.laenge;
    QJsonObject teil;
    teil.insert(QLatin1String("stelle"), t.stelle);
    teil.insert(QLatin1String("laenge"), t.laenge);
    teil.insert(QLatin1String("wert"), Q(t.wert));
    teile.append(teil);
  }
  if (!teile.isEmpty()) rf.insert(QLatin1String("werte"), teile);
  o.insert(QLatin1String("rechenfeld"), rf);

  auto rechner = [](const Blindrechner& b, const std::array<const char*, 3>& felder) {
    QJsonObject r;
    for (std::size_t i = 0; i < 3; ++i) r.insert(QLatin1String(felder[i]), Q(b.texte[i]));
    r.insert(QLatin1String("gesucht"),
             QLatin1String(
                 felder[static_cast<std::size_t>(b.gesucht < 0 || b.gesucht > 2 ? 2 : b.gesucht)]));
    r.insert(QLatin1String("ergebnis_gezeigt"), b.ergebnisGezeigt);
    return r;
  };
  o.insert(QLatin1String("induktiv"), rechner(a.induktiv, kInduktiv));
  o.insert(QLatin1String("kapazitiv"), rechner(a.kapazitiv, kKapazitiv));
  o.insert(QLatin1String("wandeln"), Q(a.wandeln));
  if (a.winkelZeile >= 0 && a.winkelZeile < kWinkelZeilen) {
    QJsonObject w;
    w.insert(QLatin1String("zeile"), a.winkelZeile);
    w.insert(QLatin1String("text"), Q(a.winkelText));
    o.insert(QLatin1String("winkelrechner"), w);
  } else {
    o.insert(QLatin1String("winkelrechner"), QJsonValue::Null);
  }
  if (a.uebung) {
    // Rows and cells without text at their end are left out, as in the matrix.
    QJsonArray antworten;
    int letzteAntwort = 0;
    for (int r = 0; r < kMaxDimension; ++r) {
      const auto& antwort = a.uebung->antworten[static_cast<std::size_t>(r)];
      QJsonArray zeile;
      if (!antwort[0].empty() || !antwort[1].empty()) zeile.append(Q(antwort[0]));
      if (!antwort[1].empty()) zeile.append(Q(antwort[1]));
      antworten.append(zeile);
      if (!zeile.isEmpty()) letzteAntwort = r + 1;
    }
    while (antworten.size() > letzteAntwort) antworten.removeLast();
    QJsonObject u;
    u.insert(QLatin1String("antworten"), antworten);
    o.insert(QLatin1String("uebung"), u);
  } else {
    o.insert(QLatin1String("uebung"), QJsonValue::Null);
  }

  // The circuit page: the netlist line by line, so that each line is a text
  // of its own; titles up to the last one set.
  std::vector<std::string> netzzeilen;
  {
    QJsonObject s;
    QJsonArray netz;
    if (!a.netzliste.empty()) {
      std::size_t anfang = 0;
      for (;;) {
        const std::size_t ende = a.netzliste.find('\n', anfang);
        netzzeilen.push_back(
            a.netzliste.substr(anfang, ende == std::string::npos ? ende : ende - anfang));
        netz.append(Q(netzzeilen.back()));
        if (ende == std::string::npos) break;
        anfang = ende + 1;
      }
    }
    s.insert(QLatin1String("netzliste"), netz);
    s.insert(QLatin1String("verfahren"),
             a.verfahren == 1 ? QLatin1String("maschen") : QLatin1String("knoten"));
    auto titel = [](const auto& liste) {
      QJsonArray t;
      std::size_t letzter = 0;
      for (std::size_t i = 0; i < liste.size(); ++i)
        if (!liste[i].empty()) letzter = i + 1;
      for (std::size_t i = 0; i < letzter; ++i) t.append(Q(liste[i]));
      return t;
    };
    s.insert(QLatin1String("zeilentitel"), titel(a.zeilentitel));
    s.insert(QLatin1String("spaltentitel"), titel(a.spaltentitel));
    o.insert(QLatin1String("schaltung"), s);
  }

  {
    const aufgabe::Ortskurve& k = a.ortskurve;
    auto wahl = [](const auto& namen, auto wert) {
      return QJsonValue(QString::fromUtf8(namen[static_cast<std::size_t>(wert)]));
    };
    QJsonObject ok;
    ok.insert(QLatin1String("quelle"), wahl(kOrtsQuelle, k.quelle));
    ok.insert(QLatin1String("formel"), Q(k.formel));
    ok.insert(QLatin1String("groesse"), wahl(kOrtsGroesse, k.verhaeltnis));
    ok.insert(QLatin1String("knoten_a"), Q(k.knotenA));
    ok.insert(QLatin1String("knoten_b"), Q(k.knotenB));
    ok.insert(QLatin1String("von"), Q(k.von));
    ok.insert(QLatin1String("bis"), Q(k.bis));
    ok.insert(QLatin1String("punkte"), Q(k.punkte));
    ok.insert(QLatin1String("schritte"), wahl(kOrtsSchritte, !k.logarithmisch));
    ok.insert(QLatin1String("bezifferung"), wahl(kOrtsMarken, k.marken));
    ok.insert(QLatin1String("marken"), Q(k.gewaehlt));
    ok.insert(QLatin1String("ansicht"), wahl(kOrtsAnsicht, k.frequenzgang));
    ok.insert(QLatin1String("betrag"), wahl(kOrtsBetrag, !k.dezibel));
    ok.insert(QLatin1String("inversion"), wahl(kOrtsInversion, k.inversion));
    o.insert(QLatin1String("ortskurve"), ok);
  }

  // The writer must never make a file that the reader refuses. `wo` names
  // the place in the message.
  auto pruefe = [&fehler](const std::string& s, const QString& wo) {
    if (!ZuLang(s)) return true;
    fehler = QCoreApplication::translate(
                 "AufgabenDatei",
                 "Der Text in %1 ist länger als %2 Zeichen und kann so nicht gespeichert "
                 "werden.")
                 .arg(wo)
                 .arg(kMaxTextLaenge)
                 .toStdString();
    return false;
  };
  for (int r = 0; r < kMatrixZeilen; ++r)
    for (int c = 0; c < kMatrixSpalten; ++c)
      if (!pruefe(a.zellen[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)],
                  QCoreApplication::translate("AufgabenDatei", "Zelle( %1 , %2 )")
                      .arg(r + 1)
                      .arg(c + 1)))
        return false;
  for (int n = 0; n < kSpeicherZeilen; ++n) {
    const SpeicherZeile& z = a.speicher[static_cast<std::size_t>(n)];
    if (!pruefe(z.k, QStringLiteral("K%1").arg(n + 1)) ||
        !pruefe(z.g, QStringLiteral("G%1").arg(n + 1)) ||
        !pruefe(z.kommentar,
                QCoreApplication::translate("AufgabenDatei", "dem Kommentar zu K%1").arg(n + 1)))
      return false;
  }
  if (a.uebung)
    for (int r = 0; r < kMaxDimension; ++r)
      for (const std::string& antwort : a.uebung->antworten[static_cast<std::size_t>(r)])
        if (!pruefe(antwort,
                    QCoreApplication::translate("AufgabenDatei", "der Antwort für X%1").arg(r + 1)))
          return false;
  if (netzzeilen.size() > static_cast<std::size_t>(kMaxNetzlistenZeilen)) {
    fehler = QCoreApplication::translate(
                 "AufgabenDatei",
                 "Die Netzliste hat mehr als %1 Zeilen und kann so nicht gespeichert werden.")
                 .arg(kMaxNetzlistenZeilen)
                 .toStdString();
    return false;
  }
  for (std::size_t i = 0; i < netzzeilen.size(); ++i)
    if (!pruefe(netzzeilen[i],
                QCoreApplication::translate("AufgabenDatei", "Zeile %1 der Netzliste").arg(i + 1)))
      return false;
  for (const std::string& t : a.zeilentitel)
    if (!pruefe(t, QCoreApplication::translate("AufgabenDatei", "einem Zeilentitel der Matrix")))
      return false;
  for (const std::string& t : a.spaltentitel)
    if (!pruefe(t, QCoreApplication::translate("AufgabenDatei", "einem Spaltentitel der Matrix")))
      return false;
  for (const std::string* s :
       {&a.formel, &a.wandeln, &a.winkelText, &a.induktiv.texte[0], &a.induktiv.texte[1],
        &a.induktiv.texte[2], &a.kapazitiv.texte[0], &a.kapazitiv.texte[1], &a.kapazitiv.texte[2],
        &a.ortskurve.formel, &a.ortskurve.knotenA, &a.ortskurve.knotenB, &a.ortskurve.von,
        &a.ortskurve.bis, &a.ortskurve.punkte, &a.ortskurve.gewaehlt})
    if (!pruefe(*s, QCoreApplication::translate("AufgabenDatei", "einem Eingabefeld")))
      return false;

  const QByteArray json = QJsonDocument(o).toJson(QJsonDocument::Indented);
  if (static_cast<std::size_t>(json.size()) > kMaxDateiGroesse) {
    fehler =
        QCoreApplication::translate(
            "AufgabenDatei", "Die Aufgabe ist größer als 1 MB und kann nicht gespeichert werden.")
            .toStdString();
    return false;
  }
  bytes.assign(json.constData(), static_cast<std::size_t>(json.size()));
  return true;
}

std::string Lesemeldung(const Leseergebnis& e, std::string_view dateiname) {
  const QString name =
      QString::fromUtf8(dateiname.data(), static_cast<qsizetype>(dateiname.size()));
  QString meldung;
  switch (e.fehler) {
    case Lesefehler::Keiner:
      return {};
    case Lesefehler::ZuGross:
      meldung = QCoreApplication::translate(
                    "AufgabenDatei",
                    "Die Datei „%1“ ist größer als 1 MB und damit keine Quorvel-Aufgabe. Sie "
                    "wurde nicht geöffnet.")
                    .arg(name);
      break;
    case Lesefehler::KeinUtf8:
      meldung = QCoreApplication::translate(
                    "AufgabenDatei",
                    "Die Datei „%1“ enthält ungültige Zeichen (kein UTF-8). Sie ist keine "
                    "Quorvel-Aufgabe oder beschädigt und wurde nicht geöffnet.")
                    .arg(name);
      break;
    case Lesefehler::KeinJson:
    case Lesefehler::KeineQuorvelDatei:
      meldung = QCoreApplication::translate(
                    "AufgabenDatei",
                    "Die Datei „%1“ ist keine Quorvel-Aufgabe. Sie wurde nicht geöffnet.")
                    .arg(name);
      break;
    case Lesefehler::NeuereVersion:
      meldung = QCoreApplication::translate(
                    "AufgabenDatei",
                    "Die Datei „%1“ stammt von einer neueren Quorvel-Version (Dateiformat "
                    "%2, dieses Programm kennt bis %3). Sie wurde nicht geöffnet.")
                    .arg(name, QString::fromStdString(e.detail), QString::number(kDateiVersion));
      break;
    case Lesefehler::Beschaedigt:
      meldung = QCoreApplication::translate(
                    "AufgabenDatei", "Die Datei „%1“ ist beschädigt: %2. Sie wurde nicht geöffnet.")
                    .arg(name, QString::fromStdString(e.detail));
      break;
  }
  return meldung.toStdString();
}

}  // namespace aufgabe
