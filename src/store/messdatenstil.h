// Messdatenstil: the dimension style written into a dimension record, in the
// record reading of render/bemassungslayout.h. Besides the bits given there,
// schalter[1] carries 4 "Gradzeichen bei Winkelbemaßung", 8
// "Dezimaldarstellung englischer Einheiten" and 16 "drucken" (edited values
// printed in their colour). The dimensioning tools and the macros give new
// dimensions their style here.
#pragma once

#include "store/datensaetze.h"
#include "styles/bemassungsstil.h"

namespace quarzel {

// Every style field of `d` from the style; the measured points, the type,
// the layer and an edited text stay as they are.
void stilInMessdaten(const Bemassungsstil& stil, tmessdaten& d);

// The style fields a record carries, read back into `stil` (what a record
// does not keep stays as it is): the dialog "Bemaßung" opened on marked
// dimensions shows their own settings.
void messdatenInStil(const tmessdaten& d, Bemassungsstil& stil);

}  // namespace quarzel
