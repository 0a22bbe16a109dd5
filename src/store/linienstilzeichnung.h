// The line styles a drawing carries, so that it shows the same on another
// machine. A drawing file holds them in three places:
//   - the embedded line-style definition file of the header: the text of a
//     "Linien.ini" for the drawing's simple patterns (names, first six
//     lengths, DXF line types), which older readers understand;
//   - one "g" record per complex user pattern: the name, and as bytes the
//     pattern's number and its block of the pattern file (fixed flag, section
//     length, 12 codes), one value per line;
//   - one "h" record per simple user pattern: the name, and the number with
//     the simple block (period, count, all 12 lengths, DXF line type).
// Reading applies them in that order onto the table in force, so the
// records, which are complete, win over the embedded file; a drawing that
// carries nothing leaves the program's patterns in force. Records with a
// number outside 1..20 or with missing lines are skipped.
#pragma once

#include "styles/linienstile.h"
#include "store/zeichnungsoptionen.h"

namespace quarzel {

void linienstileAusZeichnung(const Zeichnungsoptionen& optionen, Linienstiltabelle& tabelle);
// Replaces the drawing's embedded file and its "g" and "h" records.
void linienstileInZeichnung(const Linienstiltabelle& tabelle, Zeichnungsoptionen& optionen);

}  // namespace quarzel
