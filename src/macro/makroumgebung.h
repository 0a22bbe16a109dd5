// Makroumgebung: what a macro run reads from and writes to the drawing's
// sheet and unit settings outside the figure words.
//
// The predefined variables `workb` … `maßstab`, `einheit` and `umrfaktor`
// describe the sheet in macro units (drawing units at the scale in force,
// measured from the zero point, y upward). They are filled at the start of a
// run, rewritten by the words that change the sheet, zero point or layer, and
// defining `einheit` as a unit word switches the drawing's unit.
#pragma once

#include "macro/makrovariablen.h"

namespace quarzel {

struct Zeichnung;

// The start values of the predefined variables for this drawing (colours
// and program folder are left for the caller).
Makroumgebung makroumgebungAus(const Zeichnung& zeichnung);

// Rewrites rows 0, 1 and 7 to 11 (sheet size, sheet edges, scale) after the
// sheet, the zero point or the active layer changed.
void schreibeBlattvariablen(Makrovariablen& variablen, const Zeichnung& zeichnung);

// Switches the drawing's unit code, factor and name.
void wendeEinheitAn(Zeichnung& zeichnung, const Makroeinheit& einheit);

}  // namespace quarzel
