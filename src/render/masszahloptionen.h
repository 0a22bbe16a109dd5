// Masszahloptionen of a dimension: what its value text is written with, read
// from the record (see store/messdatenstil.h for the bits) or straight from
// the style.
#pragma once

#include "render/bemassungstext.h"
#include "store/datensaetze.h"
#include "styles/bemassungsstil.h"

namespace quarzel {

Masszahloptionen masszahloptionen(const tmessdaten& d);

// For read-outs that leave no record; the tolerances come along.
Masszahloptionen masszahloptionen(const Bemassungsstil& stil);

}  // namespace quarzel
