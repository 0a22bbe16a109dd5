// Projektfelder: the rows of a drawing's project data — placeholder, the
// meaning the dialog shows, and where the value comes from. The values
// themselves are the drawing's (store/projektwerte.h), row by row.
//
// A text line that is exactly a placeholder comes out with the row's value
// (projektausgabe.h); the dialog "Zeichnungsinformationen" edits the rows
// whose value is typed or chosen there (projektbearbeitung.h).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "store/projektwerte.h"

namespace quarzel {

enum class Wertquelle : std::uint8_t {
  Dialog,            // typed in the dialog
  Anrede,            // chosen in the dialog: "Frau", "Herr" or "Firma"
  Bemerkung,         // typed in the dialog, several lines
  Erstellungsdatum,  // the day the drawing was begun
  Speichername,      // the file name, set when the drawing is saved
  Freitext,          // set by macros
  Berechnet,         // computed whenever it is shown
  Aenderungsname,    // the four change entries: name, salutation, date
  Aenderungsanrede,
  Aenderungsdatum,
};

struct Projektfeld {
  std::string_view platzhalter;
  std::string_view bedeutung;
  Wertquelle quelle;
};

inline constexpr int kProjektfelder = Projektwerte::Zeilenzahl;

// The rows by name where code needs one.
namespace projektzeile {
inline constexpr int Projektdatum = 10;
inline constexpr int Dateiname = 28;
inline constexpr int GeschossName = 29;
inline constexpr int Massstab = 30;
inline constexpr int Freitext = 31;
inline constexpr int Sprachversion = 32;
inline constexpr int LetzteAenderungName = 33;
inline constexpr int LetzteAenderungDatum = 34;
inline constexpr int ErsteAenderung = 35;  // name; salutation and date follow
inline constexpr int Aenderungen = 4;
inline constexpr int LetzteMitBedeutung = 46;  // the last row shown as "$meaning$" on screen
inline constexpr int EbenenNr = 47;
inline constexpr int UnterebenenNr = 48;
inline constexpr int XKoordinate = 49;
inline constexpr int YKoordinate = 50;
inline constexpr int Koordinaten = 51;
inline constexpr int Blattname = 52;
inline constexpr int Zeichnungsmassstab = 53;
inline constexpr int Unterebenenname = 54;
inline constexpr int EigeneEbene = 55;
inline constexpr int EigeneUnterebene = 56;
inline constexpr int EigenerMassstab = 57;
}  // namespace projektzeile

// All rows, 0 … 57.
const std::array<Projektfeld, kProjektfelder>& projektfelder();

// The row whose placeholder the line is, exactly and in the same case; a
// placeholder inside a longer line is none.
std::optional<int> zeileDesPlatzhalters(std::string_view zeile);

// Whether row `zeile` is typed or chosen in the dialog (the rows a user
// edits directly: no computed row, no change entry).
bool wirdEingegeben(int zeile);

// The salutations the dialog offers; the first is the default.
inline constexpr std::array<std::string_view, 3> kAnreden = {"Frau", "Herr", "Firma"};

}  // namespace quarzel
