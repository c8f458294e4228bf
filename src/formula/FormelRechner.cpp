// SPDX-License-Identifier: GPL-3.0-or-later
#include "FormelRechner.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "complex/Ansi.h"
#include "complex/ZKLesen.h"

namespace {

// Table sizes. The formula field limits its edit to 255 characters; a longer
// text (a drop may append beyond that limit) is refused, never cut.
constexpr std::size_t kMaxText = 255;
constexpr std::size_t kSymbolPlatz = 1000;
constexpr std::size_t kCodePlatz = 1000;
constexpr std::size_t kWertePlatz = 256;
constexpr int kMarkenZeilen = 100;  // rows of the group markers
// Brackets the user may nest: 19. The groups that powers, functions and
// parallel chains add count on top of them, up to a depth of 99.
constexpr int kKlammerTiefe = 19;
constexpr int kTiefen = kMarkenZeilen;
constexpr int kMarkenSpalten = 100;

// Codes of the compiled sequence; bit flags.
constexpr std::int16_t kEnde = 0;
constexpr std::int16_t kPlus = 1;
constexpr std::int16_t kMinus = 2;
constexpr std::int16_t kMal = 4;
constexpr std::int16_t kDurch = 8;
constexpr std::int16_t kWert = 16;
constexpr std::int16_t kAuf = 128;
constexpr std::int16_t kZu = 256;
// Power and parallel connection take the following operand like the four
// operators; a function code replaces the accumulator of its group by the
// function's value (kFunktion plus the function's place in kFunktionen).
constexpr std::int16_t kHoch = 32;
constexpr std::int16_t kParallel = 64;
constexpr std::int16_t kFunktion = 512;

// Marker of an open implicit group and the two bracket kinds.
constexpr int kMultiplikativ = 12;  // times | divided
constexpr int kAdditiv = 3;         // plus | minus

// A wrapped signed operand: "2*-K1" is evaluated as "2*(-K1)". The wrap
// closes when the operand is complete at the bracket count it was opened at.
constexpr int kMaxHuellen = 256;
// Bracket depths that the tokeniser follows (more than a 255-character text
// can open).
constexpr std::size_t kStufen = kMaxText + 2;

bool IstOperator(char s) {
  return s == '+' || s == '-' || s == '*' || s == '/' || s == '^' || s == '|';
}
bool IstPunktOperator(char s) {
  return s == '*' || s == '/';
}
bool IstStrichOperator(char s) {
  return s == '+' || s == '-';
}

bool IstBuchstabe(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
char Klein(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
// The name at p, case-insensitive, made of exactly these letters.
bool IstName(const char* p, std::size_t laenge, const char* name) {
  if (std::strlen(name) != laenge) return false;
  for (std::size_t i = 0; i < laenge; ++i) {
    if (Klein(p[i]) != name[i]) return false;
  }
  return true;
}

// Functions of one argument in brackets, German and common names. The
// symbol stands in the symbol string behind the argument's bracket.
struct Funktion {
  const char* name;
  char symbol;
};
constexpr char kFunktionsSymbole[] = "kbwriq";
constexpr Funktion kFunktionen[] = {{"konj", 'k'},   {"conj", 'k'}, {"betrag", 'b'}, {"abs", 'b'},
                                    {"winkel", 'w'}, {"arg", 'w'},  {"re", 'r'},     {"im", 'i'},
                                    {"wurzel", 'q'}, {"sqrt", 'q'}};

char FunktionsSymbol(const char* p, std::size_t laenge) {
  for (const Funktion& f : kFunktionen) {
    if (IstName(p, laenge, f.name)) return f.symbol;
  }
  return '\0';
}
bool IstFunktionsSymbol(char s) {
  return s != '\0' && std::strchr(kFunktionsSymbole, s) != nullptr;
}

// An angle in degrees as its principal value, -180 (excluded) to 180.
long double Hauptwert(long double grad) {
  long double h = std::remainder(grad, 360.0L);
  if (h <= -180.0L) h += 360.0L;
  return h;
}

ZKZahl Reell(long double x) {
  ZKZahl z;
  z.SetzeKartesisch(x, 0.0L);
  return z;
}

ZKZahl Funktionswert(char symbol, const ZKZahl& a) {
  ZKZahl z;
  switch (symbol) {
    case 'k':
      z.SetzeKartesisch(a.Realteil, -a.Imaginaerteil);
      return z;
    case 'b':
      return Reell(a.Betrag);
    case 'w':
      // A zero has no direction: the angle it carries from its path
      // (0*j5 keeps 90) is not its angle.
      return Reell(a.Betrag == 0.0L ? 0.0L : Hauptwert(a.Winkel));
    case 'r':
      return Reell(a.Realteil);
    case 'i':
      return Reell(a.Imaginaerteil);
    default:  // 'q': the principal root
      z.SetzePolar(std::sqrt(a.Betrag), Hauptwert(a.Winkel) / 2.0L);
      return z;
  }
}

// a^b with a real b through the polar form: an integer b turns the angle as
// it is stored ((1+j)^8 has the angle 360), any other b its principal value.
ZKZahl Potenz(const ZKZahl& a, long double b) {
  const long double phi = (b == std::trunc(b)) ? a.Winkel : Hauptwert(a.Winkel);
  ZKZahl z;
  z.SetzePolar(std::pow(a.Betrag, b), b * phi);
  return z;
}

// The value with its parts and magnitude times 2^e; exact while nothing
// leaves the range of normal numbers.
ZKZahl Skaliert(ZKZahl z, int e) {
  z.Realteil = std::ldexp(z.Realteil, e);
  z.Imaginaerteil = std::ldexp(z.Imaginaerteil, e);
  z.Betrag = std::ldexp(z.Betrag, e);
  return z;
}

// a||b = a*b/(a+b). The plain formula overflows in the product or in the
// squares of the sum's magnitude long before the result leaves the range
// (6/14||8^3000). Both operands are scaled by one power of two so that the
// larger has a magnitude near 1, and the sum once more; that scaling is
// exact, so wherever the plain formula stays in range it gives the same bits.
ZKZahl Parallel(const ZKZahl& a, const ZKZahl& b) {
  auto direkt = [&] {
    ZKZahl summe = a;
    summe += b;
    ZKZahl produkt = a * b;
    produkt /= summe;
    return produkt;
  };
  if (a.Betrag == 0.0L || b.Betrag == 0.0L || !a.IstEndlich() || !b.IstEndlich()) return direkt();
  const bool aKleiner = a.Betrag <= b.Betrag;
  const ZKZahl& klein = aKleiner ? a : b;
  const int k = -std::ilogb(aKleiner ? b.Betrag : a.Betrag);
  // Beyond this the smaller one is the result to every digit, and scaled it
  // would no longer be a normal number.
  if (std::ilogb(klein.Betrag) + k < -16000) return klein;
  const ZKZahl as = Skaliert(a, k);
  const ZKZahl bs = Skaliert(b, k);
  const long double re = as.Realteil + bs.Realteil;
  const long double im = as.Imaginaerteil + bs.Imaginaerteil;
  if (re == 0.0L && im == 0.0L) return direkt();  // not finite; the caller reports it
  const int m = -std::ilogb(std::max(std::fabs(re), std::fabs(im)));
  ZKZahl summe;
  summe.SetzeKartesisch(std::ldexp(re, m), std::ldexp(im, m));
  ZKZahl produkt = as * bs;
  produkt /= summe;
  return Skaliert(produkt, m - k);
}

enum class Art { Exponential, Reell, Imaginaer };

struct Operand {
  Art art = Art::Reell;
  long double a = 0.0L;  // magnitude, real or imaginary part
  long double b = 0.0L;  // angle in degrees
  // A variable whose row has no value: the side of the unreadable cell.
  char ohneWertZelle = '\0';
  int nummer = 0;
  // Read from digits (not a variable or pi): a pasted value may stand behind it.
  bool zahl = false;
  // The whole value, taken as it is (a pasted exponential form).
  bool voll = false;
  // The frequency parameter: 'f' or 'w' (ω); its value is set per point.
  char parameter = '\0';
  ZKZahl wert;
};

// The digits of a pasted value for a number read from the characters
// [von, bis) of the formula (see Festwert).
void WendeFestwertAn(Operand& op, std::size_t von, std::size_t bis,
                     std::span<const Festwert> festwerte) {
  for (const Festwert& f : festwerte) {
    const std::size_t ende = f.anfang + f.laenge;
    if (von < f.anfang || bis > ende) continue;
    const long double vorzeichen = std::signbit(op.a) ? -1.0L : 1.0L;
    switch (op.art) {
      case Art::Exponential:
        // A shown exponential form has a magnitude without sign.
        if (von == f.anfang && bis == ende && vorzeichen > 0) {
          op.voll = true;
          op.wert = f.wert;
        }
        break;
      case Art::Reell:
        if (von == f.anfang) op.a = vorzeichen * std::fabs(f.wert.Realteil);
        break;
      case Art::Imaginaer:
        if (bis == ende) op.a = vorzeichen * std::fabs(f.wert.Imaginaerteil);
        break;
    }
    return;
  }
}

}  // namespace

struct FormelRechner::Daten {
  const ZKSpeicher& kSpeicher;
  const ZKSpeicher& gSpeicher;

  char symbolfolge[kSymbolPlatz] = {};
  std::int16_t codefolge[kCodePlatz] = {};
  ZKZahl werte[kWertePlatz];
  std::size_t werteZeiger = 0;
  // The frequency parameter: whether it may be named, its value, and the
  // entries of `werte` that hold f ('f') or ω ('w').
  bool frequenzErlaubt = false;
  long double frequenz = 0.0L;
  std::size_t parameterStellen[kWertePlatz] = {};
  char parameterArt[kWertePlatz] = {};
  std::size_t parameterZahl = 0;
  // Entries Zerlegen wrote since the last clearing; all beyond are zero.
  std::size_t werteBelegt = 0;
  long codePos = -1;
  int status = 0;
  // Found while translating (a variable without value), reported by every
  // evaluation; `fehler` is what the last evaluation reports.
  Rechenfehler uebersetzFehler;
  Rechenfehler fehler;

  // Working tables of the compiler, cleared at every call.
  int tiefe = 0;
  int gruppenZahl[kTiefen] = {};
  int gruppenMarke[kMarkenZeilen][kMarkenSpalten] = {};
  int klammerArt[kMarkenZeilen] = {};

  // Working copy of the text and the symbol/code write positions.
  char kopie[kMaxText + 1] = {};
  // The pasted values of the text being translated, and for each character
  // of the copy (which has no blanks) its place in that text.
  std::span<const Festwert> festwerte;
  std::size_t herkunft[kMaxText + 1] = {};
  std::size_t symbolLaenge = 0;
  std::size_t codeLaenge = 0;
  bool ueberlauf = false;

  Daten(const ZKSpeicher& k, const ZKSpeicher& g) : kSpeicher(k), gSpeicher(g) {}

  int Zerlegen(const char* text);
  void SetzeParameter(ZKZahl& w, char art) const {
    w.SetzeKartesisch(art == 'f' ? frequenz : 2.0L * ZK_Pi() * frequenz, 0.0L);
  }
  const char* ZahlLesen(const char* p, Operand& op) const;
  int CodeErzeugen();
  ZKZahl Rechnen(ZKZahl akku);

  void Symbol(char s) {
    // Two places stay free for the end symbol and the terminator.
    if (symbolLaenge + 2 >= kSymbolPlatz) {
      ueberlauf = true;
      return;
    }
    symbolfolge[symbolLaenge++] = s;
  }
  // Inserts k symbols at pos, moving the rest behind them.
  bool Einfuegen(std::size_t pos, const char* s, std::size_t k) {
    if (symbolLaenge + k + 2 >= kSymbolPlatz || pos > symbolLaenge) {
      ueberlauf = true;
      return false;
    }
    std::memmove(symbolfolge + pos + k, symbolfolge + pos, symbolLaenge - pos);
    std::memcpy(symbolfolge + pos, s, k);
    symbolLaenge += k;
    return true;
  }
  char LetztesSymbol() const { return symbolLaenge == 0 ? '\0' : symbolfolge[symbolLaenge - 1]; }
  char SymbolBei(std::size_t i) const { return i < kSymbolPlatz ? symbolfolge[i] : '\0'; }

  void Code(std::int16_t c) {
    if (codeLaenge + 1 >= kCodePlatz) {
      ueberlauf = true;
      return;
    }
    codefolge[codeLaenge++] = c;
  }
  // Reads beyond the written sequence see end codes: an operator with no
  // operand passes over the code behind it, which may be a group close.
  std::int16_t CodeBei(long pos) const {
    return (pos >= 0 && static_cast<std::size_t>(pos) < kCodePlatz) ? codefolge[pos] : kEnde;
  }

  // The first fault of an evaluation is the one reported.
  void Melde(Rechenfehler::Art art) {
    if (fehler.art == Rechenfehler::Art::Keiner) fehler.art = art;
  }

  int& TopMarke() { return gruppenMarke[tiefe][gruppenZahl[tiefe]]; }
  void Pop() {
    TopMarke() = 0;
    --gruppenZahl[tiefe];
    Code(kZu);
  }
  bool Push() {
    if (gruppenZahl[tiefe] + 1 >= kMarkenSpalten) return false;
    ++gruppenZahl[tiefe];
    TopMarke() = kMultiplikativ;
    return true;
  }
};

FormelRechner::FormelRechner(const ZKSpeicher& kVarSpeicher, const ZKSpeicher& gVarSpeicher)
    : d_(std::make_unique<Daten>(kVarSpeicher, gVarSpeicher)) {}

FormelRechner::~FormelRechner() = default;

const char* FormelRechner::Symbolfolge() const {
  return d_->symbolfolge;
}
const std::int16_t* FormelRechner::Codefolge() const {
  return d_->codefolge;
}
int FormelRechner::Status() const {
  return d_->status;
}
const Rechenfehler& FormelRechner::Fehler() const {
  return d_->fehler;
}

void FormelRechner::ErlaubeFrequenz(bool an) {
  d_->frequenzErlaubt = an;
}

void FormelRechner::SetzeFrequenz(long double f) {
  Daten& d = *d_;
  d.frequenz = f;
  for (std::size_t i = 0; i < d.parameterZahl; ++i)
    d.SetzeParameter(d.werte[d.parameterStellen[i]], d.parameterArt[i]);
}

bool FormelRechner::NutztFrequenz() const {
  return d_->parameterZahl > 0;
}

int FormelRechner::Uebersetzen(const char* text, std::span<const Festwert> festwerte) {
  Daten& d = *d_;
  d.festwerte = festwerte;
  d.werteZeiger = 0;
  d.parameterZahl = 0;
  // Clearing only what the last formula wrote leaves the same all-zero table
  // as clearing all 256 entries, at a fraction of the cost.
  std::fill(d.werte, d.werte + d.werteBelegt, ZKZahl{});
  std::memset(d.symbolfolge, 0, sizeof d.symbolfolge);
  std::memset(d.codefolge, 0, sizeof d.codefolge);
  d.symbolLaenge = 0;
  d.codeLaenge = 0;
  d.ueberlauf = false;
  d.uebersetzFehler = Rechenfehler{};
  d.fehler = Rechenfehler{};
  d.status = d.Zerlegen(text == nullptr ? "" : text);
  d.werteBelegt = d.werteZeiger;
  d.festwerte = {};
  if (d.status == KeinFehler) d.status = d.CodeErzeugen();
  return d.status;
}

ZKZahl FormelRechner::Auswerten() {
  Daten& d = *d_;
  d.codePos = -1;
  d.werteZeiger = 0;
  d.fehler = d.uebersetzFehler;
  // A failed translation leaves a partial sequence that means nothing.
  if (d.status != KeinFehler) return ZKZahl{};
  // A variable without value: nothing is computed with a stand-in for it.
  if (d.fehler.art != Rechenfehler::Art::Keiner) return ZKZahl{};
  const ZKZahl wert = d.Rechnen(ZKZahl{});
  return d.fehler.art == Rechenfehler::Art::Keiner ? wert : ZKZahl{};
}

int FormelRechner::Daten::Zerlegen(const char* text) {
  std::size_t laenge = 0;
  while (text[laenge] != '\0') {
    if (++laenge > kMaxText) return Formelfehler;
  }
  std::memcpy(kopie, text, laenge + 1);
  EntferneLeerzeichen(kopie);
  const std::size_t n = std::strlen(kopie);
  if (!festwerte.empty()) {
    std::size_t k = 0;
    for (std::size_t i = 0; i < laenge; ++i)
      if (text[i] != ' ') herkunft[k++] = i;
    herkunft[k] = laenge;
  }

  const char* p = kopie;

  // Bracket counts at which wrapped operands are to be closed: a signed
  // operand after an operator, and the exponent of a power (whose base was
  // wrapped together with it). An operand followed by "^" is the base of a
  // power and closes nothing yet.
  int huellen[kMaxHuellen];
  int huellenZahl = 0;
  int klammern = 0;
  auto SchliesseHuellen = [&] {
    if (*p == '^') return;
    while (huellenZahl > 0 && huellen[huellenZahl - 1] == klammern) {
      Symbol(')');
      --huellenZahl;
    }
  };

  // Per bracket depth (0: outside all brackets): where the bracket's operand
  // begins in the symbols, the function it is the argument of, and an open
  // parallel chain with the start of its current term. "a||b||c" becomes
  // "((a)|(b)|(c))": each term a group of its own, evaluated pairwise.
  struct Stufe {
    std::size_t anfang;
    char funktion;
    bool kette;
    std::size_t glied;
  };
  Stufe stufen[kStufen];
  stufen[0] = {0, '\0', false, 0};
  auto InStufen = [&] { return klammern >= 0 && klammern < static_cast<int>(kStufen); };
  // Closes the open chain of the current depth; a chain whose last term is
  // empty ("3||") has no second operand.
  auto SchliesseKette = [&] {
    if (!InStufen() || !stufen[klammern].kette) return true;
    if (LetztesSymbol() == '(') return false;
    Symbol(')');
    Symbol(')');
    stufen[klammern].kette = false;
    return true;
  };
  // After "||" the last symbol is the next term's "(", yet an operator is
  // what was written last.
  auto NachOperator = [&] {
    return IstOperator(LetztesSymbol()) ||
           (symbolLaenge >= 2 && symbolfolge[symbolLaenge - 2] == '|');
  };

  int tiefsteKlammer = 0;
  // A ")" with no "(" open: the groups that "^" and "||" insert could pair
  // it with a later "(" ("2)^(3" would be 8), so it is caught right here.
  bool klammerVorAuf = false;
  std::size_t primaer = 0;  // where the operand completed last begins
  char funktion = '\0';     // a function name read, its bracket to come
  std::size_t schritte = 0;
  bool operandErwartet = true;
  while (*p != '\0' && schritte <= n) {
    ++schritte;
    if (operandErwartet) {
      Operand op;
      const char* ende = ZahlLesen(p, op);
      // "-2^2" is -(2^2): the power binds more strongly than a sign, also
      // one that the number reader would take as the number's own.
      const bool vorzeichenVorPotenz = ende != p && (*p == '+' || *p == '-') && *ende == '^';
      const bool gelesen = ende != p && !vorzeichenVorPotenz;
      if (gelesen) {
        if (werteZeiger >= kWertePlatz) return Formelfehler;
        if (op.ohneWertZelle != '\0' && uebersetzFehler.art == Rechenfehler::Art::Keiner) {
          uebersetzFehler = {Rechenfehler::Art::VariableOhneWert, *p, op.nummer, op.ohneWertZelle};
        }
        if (op.zahl && !festwerte.empty()) {
          const auto von = static_cast<std::size_t>(p - kopie);
          const auto bis = static_cast<std::size_t>(ende - kopie);
          WendeFestwertAn(op, herkunft[von], herkunft[bis - 1] + 1, festwerte);
        }
        ZKZahl& w = werte[werteZeiger++];
        switch (op.art) {
          case Art::Exponential:
            w.SetzePolar(op.a, op.b);
            break;
          case Art::Reell:
            w.SetzeKartesisch(op.a, 0.0L);
            break;
          case Art::Imaginaer:
            w.SetzeKartesisch(0.0L, op.a);
            break;
        }
        if (op.voll) w = op.wert;
        if (op.parameter != '\0') {
          parameterStellen[parameterZahl] = werteZeiger - 1;
          parameterArt[parameterZahl++] = op.parameter;
          SetzeParameter(w, op.parameter);
        }
        // Only a memory value is ever not finite: the reciprocal of a zero.
        if (!w.IstEndlich() && uebersetzFehler.art == Rechenfehler::Art::Keiner) {
          uebersetzFehler.art = Rechenfehler::Art::DivisionDurchNull;
        }
        primaer = symbolLaenge;
        Symbol('Z');
        p = ende;
        SchliesseHuellen();
      }
      operandErwartet = false;

      // A sign after an operator, in front of a bracket, a variable, a name
      // or a further sign, belongs to that operand, as it does in front of
      // a number. Left as an operator symbol, it would take no operand and
      // the operand would replace the accumulator: "2*-K1" would be K1.
      if (!gelesen && (*p == '+' || *p == '-') && NachOperator()) {
        const char danach = p[1];
        if (vorzeichenVorPotenz || danach == '(' || danach == 'K' || danach == 'G' ||
            danach == '+' || danach == '-' || IstBuchstabe(danach) || danach == kPiZeichen ||
            danach == kOmegaZeichen) {
          if (huellenZahl >= kMaxHuellen) return Formelfehler;
          huellen[huellenZahl++] = klammern;
          Symbol('(');
          Symbol(*p);
          ++p;
          operandErwartet = true;
          continue;
        }
      }

      // A name where an operand belongs: a function with its bracket, or
      // no formula.
      if (!gelesen && IstBuchstabe(*p)) {
        std::size_t l = 0;
        while (IstBuchstabe(p[l])) ++l;
        funktion = FunktionsSymbol(p, l);
        if (funktion == '\0' || p[l] != '(') return Formelfehler;
        p += l;
      }
    }
    switch (*p) {
      case '(':
        // A group right after an operand would silently replace it
        // ("2(3+j4)" would be 3+j4): without an operator it is no formula.
        if (LetztesSymbol() == 'Z' || LetztesSymbol() == ')') break;
        if (klammern + 1 >= static_cast<int>(kStufen)) return Klammerfehler;
        ++klammern;
        tiefsteKlammer = std::max(tiefsteKlammer, klammern);
        if (InStufen()) {
          stufen[klammern] = {symbolLaenge, funktion, false, 0};
          // The function applies to the bracket's value inside a group of
          // its own: "(" "(" argument ")" function ")".
          if (funktion != '\0') Symbol('(');
        }
        funktion = '\0';
        Symbol('(');
        if (InStufen()) stufen[klammern].glied = symbolLaenge;
        ++p;
        operandErwartet = true;
        break;
      case ')':
        if (LetztesSymbol() == '^') return Formelfehler;  // a power without exponent
        SchliesseHuellen();                               // a wrapped sign left without its operand
        if (!SchliesseKette()) return Formelfehler;
        if (klammern > 0 && InStufen() && stufen[klammern].funktion != '\0') {
          if (LetztesSymbol() == '(') return Formelfehler;  // no argument
          Symbol(')');
          Symbol(stufen[klammern].funktion);
        }
        if (klammern > 0 && InStufen()) primaer = stufen[klammern].anfang;
        // A stray ")" leaves the depth at 0, so the rest is read as usual and
        // a formula error behind it still wins.
        if (klammern == 0) {
          klammerVorAuf = true;
        } else {
          --klammern;
        }
        Symbol(')');
        ++p;
        operandErwartet = false;
        SchliesseHuellen();
        break;
      case '*':
      case '+':
      case '-':
      case '/':
      case ':':
        // A sign after an operator was taken above by the number, bracket,
        // variable or sign behind it; what reaches here right after an
        // operator has no operand between the two ("2*/3", "3+-").
        if (NachOperator()) return Formelfehler;
        if ((*p == '+' || *p == '-') && (LetztesSymbol() == 'Z' || LetztesSymbol() == ')')) {
          // A sum ends the parallel chain before it; the next term starts.
          if (!SchliesseKette()) return Formelfehler;
          Symbol(*p);
          if (InStufen()) stufen[klammern].glied = symbolLaenge;
        } else {
          Symbol(*p == ':' ? '/' : *p);
        }
        ++p;
        operandErwartet = true;
        break;
      case '^':
        // The base, which is complete, and the exponent to come are wrapped
        // into one group: "(" base "^" exponent ")".
        if (LetztesSymbol() != 'Z' && LetztesSymbol() != ')') return Formelfehler;
        if (huellenZahl >= kMaxHuellen || !Einfuegen(primaer, "(", 1)) return Formelfehler;
        huellen[huellenZahl++] = klammern;
        Symbol('^');
        ++p;
        operandErwartet = true;
        break;
      case '|':
        if (p[1] != '|' || (LetztesSymbol() != 'Z' && LetztesSymbol() != ')') || !InStufen()) {
          return Formelfehler;
        }
        if (!stufen[klammern].kette) {
          if (!Einfuegen(stufen[klammern].glied, "((", 2)) return Formelfehler;
          stufen[klammern].kette = true;
        }
        Symbol(')');
        Symbol('|');
        Symbol('(');
        p += 2;
        operandErwartet = true;
        break;
      default:
        break;
    }
  }
  if (LetztesSymbol() == '^') return Formelfehler;  // a power without exponent
  while (huellenZahl > 0) {
    Symbol(')');
    --huellenZahl;
  }
  if (klammern == 0 && !SchliesseKette()) return Formelfehler;
  Symbol('E');
  if (ueberlauf) return Formelfehler;
  if (schritte > n) return Formelfehler;
  if (klammern != 0 || klammerVorAuf || tiefsteKlammer > kKlammerTiefe) return Klammerfehler;
  return KeinFehler;
}

const char* FormelRechner::Daten::ZahlLesen(const char* p, Operand& op) const {
  double x = 0.0;

  if (*p == 'K' || *p == 'G') {
    const char* ende = LiesZahl(p + 1, x);
    // Range test before truncating: a huge number must not reach the cast.
    if (ende != p + 1 && x >= 1.0 && x < 21.0) {
      const auto m = static_cast<std::size_t>(x);
      const ZKZahl& v = (*p == 'K') ? kSpeicher[m] : gSpeicher[m];
      op.art = Art::Exponential;
      if (kSpeicher.unlesbar[m] || gSpeicher.unlesbar[m]) {
        // The number stands in for the value, which does not exist.
        op.ohneWertZelle = kSpeicher.unlesbar[m] ? 'K' : 'G';
        op.nummer = static_cast<int>(m);
      }
      op.a = v.Betrag;
      op.b = v.Winkel;
      return ende;
    }
  }

  // The constant pi, as "pi" in any case or as its own sign.
  if (*p == kPiZeichen || (Klein(p[0]) == 'p' && Klein(p[1]) == 'i' && !IstBuchstabe(p[2]))) {
    op.art = Art::Reell;
    op.a = ZK_Pi();
    return p + (*p == kPiZeichen ? 1 : 2);
  }

  // The frequency, where the caller allows it: f, omega, ω.
  if (frequenzErlaubt) {
    std::size_t laenge = 0;
    if (*p == 'f' && !IstBuchstabe(p[1])) {
      op.parameter = 'f';
      laenge = 1;
    } else if (*p == kOmegaZeichen) {
      op.parameter = 'w';
      laenge = 1;
    } else if (IstBuchstabe(*p)) {
      std::size_t l = 0;
      while (IstBuchstabe(p[l])) ++l;
      if (IstName(p, l, "omega")) {
        op.parameter = 'w';
        laenge = l;
      }
    }
    if (laenge > 0) {
      op.art = Art::Reell;
      return p + laenge;
    }
  }

  const char* ende = LiesZahl(p, x);
  if (ende == p) {
    long double vorzeichen = 1.0L;
    const char* q = nullptr;
    if (std::strncmp(p, "+j", 2) == 0) {
      q = p + 2;
    } else if (std::strncmp(p, "-j", 2) == 0) {
      q = p + 2;
      vorzeichen = -1.0L;
    } else if (*p == 'j') {
      q = p + 1;
    } else {
      return p;
    }
    op.art = Art::Imaginaer;
    op.zahl = true;
    double y = 0.0;
    const char* hinter = (*q == '+' || *q == '-') ? q : LiesZahl(q, y);
    if (hinter == q) {
      op.a = vorzeichen;  // bare j: the imaginary unit
      return q;
    }
    op.a = vorzeichen * y;
    return hinter;
  }

  struct Marke {
    const char* text;
    std::size_t laenge;
    long double vorzeichen;
  };
  op.zahl = true;
  static constexpr Marke kMarken[] = {{"*e^+j", 5, 1.0L}, {"*e^-j", 5, -1.0L}, {"*e^j", 4, 1.0L}};
  for (const Marke& m : kMarken) {
    if (std::strncmp(ende, m.text, m.laenge) != 0) continue;
    double phi = 0.0;
    const char* hinter = LiesZahl(ende + m.laenge, phi);
    if (hinter == ende + m.laenge) return p;  // a marker without angle
    op.art = Art::Exponential;
    op.a = x;
    op.b = m.vorzeichen * phi;
    return hinter;
  }
  // The angle notation r∠φ, φ in degrees with an optional degree sign.
  if (*ende == kWinkelzeichen) {
    double phi = 0.0;
    const char* hinter = LiesZahl(ende + 1, phi);
    if (hinter == ende + 1) return p;
    if (*hinter == kGradzeichen) ++hinter;
    op.art = Art::Exponential;
    op.a = x;
    op.b = phi;
    return hinter;
  }
  op.art = Art::Reell;
  op.a = x;
  return ende;
}

int FormelRechner::Daten::CodeErzeugen() {
  tiefe = 0;
  std::memset(gruppenZahl, 0, sizeof gruppenZahl);
  // Only the depths this formula can reach are read: at most one per opening
  // bracket, and never kTiefen or more. Clearing just those rows leaves what
  // is read exactly as clearing the whole 40 kB table.
  std::size_t klammern = 0;
  for (const char* s = symbolfolge; *s != '\0'; ++s) klammern += (*s == '(') ? 1 : 0;
  const std::size_t zeilen = std::min<std::size_t>(klammern, kTiefen - 1) + 1;
  std::memset(gruppenMarke, 0, zeilen * sizeof gruppenMarke[0]);
  std::memset(klammerArt, 0, sizeof klammerArt);

  for (std::size_t i = 0; symbolfolge[i] != '\0'; ++i) {
    const char s = symbolfolge[i];
    switch (s) {
      case 'Z':
        Code(kWert);
        break;
      case '+':
      case '-':
        if (TopMarke() > kAdditiv) Pop();
        Code(s == '+' ? kPlus : kMinus);
        // The product that follows becomes one operand of this sum.
        if (IstPunktOperator(SymbolBei(i + 2))) {
          Code(kAuf);
          if (!Push()) return Formelfehler;
        }
        break;
      case '*':
      case '/':
        Code(s == '*' ? kMal : kDurch);
        if (TopMarke() == kMultiplikativ && IstStrichOperator(SymbolBei(i + 1))) Pop();
        break;
      case '(': {
        if (tiefe + 1 >= kTiefen) return Klammerfehler;
        const char vorher = i == 0 ? '\0' : symbolfolge[i - 1];
        ++tiefe;
        klammerArt[tiefe] = IstPunktOperator(vorher)    ? kMultiplikativ
                            : IstStrichOperator(vorher) ? kAdditiv
                                                        : 0;
        Code(kAuf);
        break;
      }
      case ')':
        // A closing bracket before its opening one: no depth to return to.
        if (tiefe == 0) return Klammerfehler;
        while (TopMarke() != 0) Pop();
        if (klammerArt[tiefe] == kAdditiv && IstPunktOperator(SymbolBei(i + 1))) {
          // The bracket stays open as an implicit group of the enclosing
          // depth, so that the factors behind it join the same product.
          klammerArt[tiefe] = 0;
          --tiefe;
          if (!Push()) return Formelfehler;
        } else {
          --tiefe;
          Code(kZu);
        }
        break;
      case 'E':
        while (TopMarke() != 0) Pop();
        Code(kEnde);
        break;
      // Power and parallel connection stand inside groups of their own
      // (Zerlegen), between two operands, so no implicit group concerns them.
      case '^':
        Code(kHoch);
        break;
      case '|':
        Code(kParallel);
        break;
      default:
        if (!IstFunktionsSymbol(s)) return Formelfehler;
        Code(static_cast<std::int16_t>(kFunktion +
                                       (std::strchr(kFunktionsSymbole, s) - kFunktionsSymbole)));
        break;
    }
  }
  Code(kEnde);
  return ueberlauf ? Formelfehler : KeinFehler;
}

ZKZahl FormelRechner::Daten::Rechnen(ZKZahl akku) {
  ZKZahl operand;
  for (;;) {
    const std::int16_t code = CodeBei(++codePos);
    switch (code) {
      case kEnde:
      case kZu:
        return akku;
      case kWert:
        // A value that follows no operator replaces the accumulator.
        if (werteZeiger < kWertePlatz) akku = werte[werteZeiger++];
        break;
      case kAuf:
        akku = Rechnen(akku);
        break;
      case kPlus:
      case kMinus:
      case kMal:
      case kDurch:
      case kHoch:
      case kParallel: {
        const std::int16_t naechster = CodeBei(++codePos);
        if (naechster == kWert) {
          if (werteZeiger < kWertePlatz) operand = werte[werteZeiger++];
        } else if (naechster == kAuf) {
          do {
            operand = Rechnen(ZKZahl{});
            if (CodeBei(codePos + 1) == kAuf) ++codePos;
          } while (CodeBei(codePos) == kAuf);
        }
        // Any other code: the operand stays as it was and the code is
        // passed over.
        switch (code) {
          case kPlus:
            akku += operand;
            break;
          case kMinus:
            akku -= operand;
            break;
          case kMal:
            akku *= operand;
            break;
          case kDurch:
            if (operand.Betrag == 0.0L) Melde(Rechenfehler::Art::DivisionDurchNull);
            akku /= operand;
            break;
          case kHoch:
            // A complex exponent has no value here; not-a-number parts
            // go on to the non-finite result.
            if (std::isfinite(operand.Imaginaerteil) && operand.Imaginaerteil != 0.0L) {
              Melde(Rechenfehler::Art::KomplexerExponent);
            }
            // 0^-n is 1/0^n.
            if (akku.Betrag == 0.0L && operand.Realteil < 0.0L) {
              Melde(Rechenfehler::Art::DivisionDurchNull);
            }
            akku = Potenz(akku, operand.Realteil);
            break;
          default:
            if (akku.Realteil + operand.Realteil == 0.0L &&
                akku.Imaginaerteil + operand.Imaginaerteil == 0.0L) {
              Melde(Rechenfehler::Art::DivisionDurchNull);
            }
            akku = Parallel(akku, operand);
            break;
        }
        break;
      }
      default:
        if (code >= kFunktion &&
            code < kFunktion + static_cast<std::int16_t>(sizeof kFunktionsSymbole - 1)) {
          akku = Funktionswert(kFunktionsSymbole[code - kFunktion], akku);
          break;
        }
        return ZKZahl{};
    }
  }
}
