// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fehler.h"

#include <utility>

#include "sprache/Uebersetzung.h"

const char* FehlerVorlage(FehlerArt art) {
  switch (art) {
    case FehlerArt::Kodierung:
      return QT_TRANSLATE_NOOP("Schaltungsfehler",
                               "Die Zeile enthält Zeichen, die kein UTF-8 sind.");
    case FehlerArt::UnbekannteAngabe:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "Unbekannte Angabe „%1“: mit „=“ wird nur die Frequenz gesetzt (f = 50 Hz oder "
          "ω = 314,16).");
    case FehlerArt::UnbekanntesElement:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "Unbekanntes Element „%1“: der erste Buchstabe muss R, L, C, Z, Y, U (oder V) "
          "oder I sein.");
    case FehlerArt::NameUngueltig:
      return QT_TRANSLATE_NOOP("Schaltungsfehler",
                               "Der Name „%1“ darf nur Buchstaben, Ziffern und _ enthalten.");
    case FehlerArt::KnotenFehlt:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "Bei %1 fehlen Knoten: nach dem Namen stehen zwei Knoten und der Wert.");
    case FehlerArt::KnotenUngueltig:
      return QT_TRANSLATE_NOOP("Schaltungsfehler",
                               "Bei %1 ist „%2“ kein Knotenname (nur Buchstaben, Ziffern und _).");
    case FehlerArt::WertFehlt:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "Bei %1 fehlt der Wert.");
    case FehlerArt::WertUnlesbar:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "Der Wert „%2“ von %1 ist nicht lesbar.");
    case FehlerArt::WertZuLang:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "Der Wert von %1 ist zu lang.");
    case FehlerArt::VorsatzMeg:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "„%2“ bei %1 ist kein Vorsatz: Mega ist M, Milli ist m (anders als in SPICE).");
    case FehlerArt::VorsatzFemto:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "„f“ bei %1 ist kein Vorsatz: Femto gibt es hier nicht, und Farad schreibt man F.");
    case FehlerArt::EinheitFalsch:
      return QT_TRANSLATE_NOOP("Schaltungsfehler",
                               "Die Einheit „%2“ passt nicht zu %1 (erwartet: %3).");
    case FehlerArt::NameDoppelt:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "Der Name „%1“ ist schon in Zeile %2 vergeben.");
    case FehlerArt::GleicheKnoten:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "%1 liegt mit beiden Enden am Knoten „%2“.");
    case FehlerArt::WertNichtReell:
      return QT_TRANSLATE_NOOP("Schaltungsfehler",
                               "%1: %2 muss reell sein (für komplexe Werte Z oder Y verwenden).");
    case FehlerArt::WertNichtPositiv:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "%1: %2 muss größer als 0 sein.");
    case FehlerArt::WertNull:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "%1 darf nicht 0 sein.");
    case FehlerArt::FrequenzDoppelt:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "Die Frequenz ist schon in Zeile %1 gesetzt.");
    case FehlerArt::FrequenzUngueltig:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "%1 muss eine reelle Zahl sein, nicht negativ.");
    case FehlerArt::FrequenzFehlt:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "%1 braucht eine Frequenz: eine Zeile „f = 50 Hz“ oder „ω = 314,16“.");
    case FehlerArt::FrequenzNull:
      return QT_TRANSLATE_NOOP("Schaltungsfehler",
                               "Die Frequenz ist 0, aber %1 braucht eine Frequenz über 0.");
    case FehlerArt::KeinElement:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "Die Netzliste enthält kein Element.");
    case FehlerArt::KeineMasse:
      return QT_TRANSLATE_NOOP("Schaltungsfehler",
                               "Die Schaltung hat keinen Masseknoten (0, GND oder Masse).");
    case FehlerArt::NichtVerbunden:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "%1 (%2) ist nicht mit dem Teil der Schaltung verbunden, der an Masse liegt.");
    case FehlerArt::Spannungsquellenmasche:
      return QT_TRANSLATE_NOOP("Schaltungsfehler",
                               "%1 schließt eine Masche nur aus idealen Spannungsquellen (%2).");
    case FehlerArt::NurStromquellen:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "Der Knoten „%1“ ist nur über Stromquellen mit dem Rest der Schaltung verbunden "
          "(%2).");
    case FehlerArt::ZuVieleUnbekannte:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "Das Gleichungssystem hätte %1 Unbekannte; möglich sind höchstens %2.");
    case FehlerArt::KnotenUnbekannt:
      return QT_TRANSLATE_NOOP("Schaltungsfehler", "Die Schaltung hat keinen Knoten „%1“.");
    case FehlerArt::ImpedanzGleicheKnoten:
      return QT_TRANSLATE_NOOP("Schaltungsfehler",
                               "Die Impedanz braucht zwei verschiedene Knoten (beide Male „%1“).");
    case FehlerArt::VerhaeltnisZuMasse:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "Das Verhältnis U(%1)/U(%2) gibt es nicht: %2 ist Masse und hat immer das "
          "Potential 0.");
    case FehlerArt::VerhaeltnisOhneQuelle:
      return QT_TRANSLATE_NOOP(
          "Schaltungsfehler",
          "Ohne Quelle sind alle Potentiale 0; für ein Spannungsverhältnis braucht die "
          "Schaltung eine Quelle.");
  }
  return "";
}

SchaltungsFehler MacheFehler(FehlerArt art, int zeile, std::vector<std::string> argumente) {
  // The template in the program's language; its arguments go in afterwards,
  // so a translation may order them its own way.
  const std::string vorlage = sprache::Tr("Schaltungsfehler", FehlerVorlage(art));
  std::string text;
  for (std::size_t k = 0; k < vorlage.size(); ++k) {
    if (vorlage[k] == '%' && k + 1 < vorlage.size() && vorlage[k + 1] >= '1' &&
        vorlage[k + 1] <= '9') {
      const auto i = static_cast<std::size_t>(vorlage[k + 1] - '1');
      if (i < argumente.size()) text += argumente[i];
      ++k;
    } else {
      text += vorlage[k];
    }
  }
  if (zeile > 0)
    text = sprache::Fuelle(sprache::Tr("Schaltungsfehler", "Zeile %1: %2"),
                           {std::to_string(zeile), text});
  return {art, zeile, std::move(argumente), std::move(text)};
}
