// Projektbearbeitung: changing a drawing's project data — taking over what
// the dialog "Zeichnungsinformationen" hands back, setting a single row (the
// macros' word), clearing them and beginning them for a new drawing.
//
// The store's undo covers elements only, so a change here is no undo step:
// it marks the drawing modified, and closing asks to save it.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "project/projektfelder.h"

namespace quarzel {

struct Zeichnung;

// Day "." month "." year, day and month with two digits: "05.03.2024".
std::string datumstext(int tag, int monat, int jahr);
// Today's date on this computer's clock, written so.
std::string heutigesDatum();

// What the dialog hands back: one text per row. Only the rows the dialog
// edits are read (see uebernimmProjekteingaben).
using Projekteingaben = std::array<std::string, kProjektfelder>;

// Accepting the dialog: rows 0 … 9 and 12 … 27 take their entries, rows
// 28 … 34 their own placeholders. Of each change entry the salutation is
// taken; the name only while the entry has no date, and then the date
// becomes `heute` — an entry once dated keeps its name. Marks the drawing
// modified when a value changed; returns whether one did.
bool uebernimmProjekteingaben(Zeichnung& zeichnung, const Projekteingaben& eingaben, std::string_view heute);

// Sets the stored value of row `zeile` (0 … 57); computed rows keep showing
// what they compute. False, and nothing changes, for another row.
bool setzeProjektwert(Zeichnung& zeichnung, int zeile, std::string wert);

// Empties every value.
void leereProjektdaten(Zeichnung& zeichnung);
// A new drawing: every value empty, the project's date today.
void beginneProjektdaten(Zeichnung& zeichnung, std::string_view heute);

}  // namespace quarzel
