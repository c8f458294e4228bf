// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows need of an application object: modal message boxes that
// tests can answer from a script, and handler calls that never let an
// exception reach Qt's event loop.
#ifndef QUORVEL_FORMS_ANWENDUNG_H
#define QUORVEL_FORMS_ANWENDUNG_H

#include <QString>
#include <exception>
#include <functional>
#include <type_traits>
#include <utility>

// Flags and answers of MessageBox, with the values the windows compare with.
enum MeldungsFlags : int { MB_OK = 0, MB_YESNOCANCEL = 3, MB_YESNO = 4 };
enum MeldungsAntwort : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

class TApplication {
 public:
  using MeldungsFunktion = std::function<int(const QString& text, const QString& titel, int flags)>;

  // After QApplication exists: "C" numbers for the C library, the fonts of
  // the design mapped to installed families, one widget style everywhere,
  // Qt's own texts in German.
  static void Initialize();

  // Qt's own texts (an edit's context menu, key names, dialogs) in the
  // language `sprache` ("de", "en"): Qt's catalogue from `ordner`, where the
  // system keeps Qt's translations, else the German copy built into the
  // program. Replaces the catalogue loaded before. Returns the file loaded,
  // empty when there is none (Qt's texts are then its English ones).
  static QString LadeQtTexte(const QString& sprache, const QString& ordner = QtUebersetzungen());
  static QString QtUebersetzungen();
  // The program's language ("de", "en") for its own texts, the cores' and
  // Qt's. False when its catalogue is missing: the program stays German.
  static bool SetzeSprache(const QString& sprache);

  // Modal box: MB_OK shows one button and returns IDOK; MB_YESNO returns
  // IDYES or IDNO; MB_YESNOCANCEL also IDCANCEL (the Escape key too).
  static int MessageBox(const QString& text, const QString& titel, int flags);
  // Replaces the box (tests answer it); returns the one in force before.
  static MeldungsFunktion SetzeMeldungsFunktion(MeldungsFunktion f);

  static void ShowException(const std::exception& e);
};

// Runs a handler; what it throws is shown in a box and the event loop goes on.
template <class F, class... A>
void Ereignis(const F& handler, A&&... args) {
  if constexpr (std::is_constructible_v<bool, const F&>)
    if (!handler) return;
  try {
    handler(std::forward<A>(args)...);
  } catch (const std::exception& e) {
    TApplication::ShowException(e);
  } catch (...) {
    TApplication::ShowException(std::exception());
  }
}

#endif
