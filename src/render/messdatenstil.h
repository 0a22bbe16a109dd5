// Messdatenstil: the dimension style written into a new dimension record and
// the value-text options read back from a record, in the record reading of
// bemassungslayout.h. Besides the bits given there, schalter[1] carries
// 4 "Gradzeichen bei Winkelbemaßung", 8 "Dezimaldarstellung englischer
// Einheiten" and 16 "drucken" (edited values printed in their colour).
#pragma once

#include "render/bemassungstext.h"
#include "store/datensaetze.h"
#include "styles/bemassungsstil.h"

namespace quarzel {

// Every style field of `d` from the style; the measured points, the type,
// the layer and an edited text stay as they are.
void stilInMessdaten(const Bemassungsstil& stil, tmessdaten& d);

// The options the value text of the record is written with.
Masszahloptionen masszahloptionen(const tmessdaten& d);

// The options straight from the style, for read-outs that leave no record.
Masszahloptionen masszahloptionen(const Bemassungsstil& stil);

}  // namespace quarzel
