// Bemassungswert: the value text of one dimension record of any kind —
// lengths, radii and diameters through the value-text module, angles in
// degrees and level marks with their sign ("±0,000" at the reference).
// The renderer and the dimensioning tools both read a record's text here,
// so what a tool reports is what the drawing shows.
#pragma once

#include <string>

#include "render/bemassungstext.h"
#include "store/datensaetze.h"

namespace quarzel {

// The options the record carries (decimals, prefixes, texts); the layer's
// own unit decides the decimals where it has one.
Masszahloptionen masszahloptionen(const tmessdaten& d, const Masseinheitwahl& einheit);

// The computed text (the edited text is not looked at).
std::string berechneterMasstext(const tmessdaten& d, const Masseinheitwahl& einheit);

}  // namespace quarzel
