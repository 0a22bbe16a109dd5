// Masszahloptionen of a dimension: what its value text is written with, read
// from the record (see store/messdatenstil.h for the bits) or straight from
// the style.
#pragma once

#include <string>

#include "render/bemassungstext.h"
#include "store/datensaetze.h"
#include "styles/bemassungsstil.h"

namespace quarzel {

Masszahloptionen masszahloptionen(const tmessdaten& d);

// For read-outs that leave no record; the tolerances come along.
Masszahloptionen masszahloptionen(const Bemassungsstil& stil);

// The text after the value a new or restyled dimension carries: the style's
// "Text hinter der Maßzahl" and its tolerances on the same line, as the
// record has no place of its own for them.
std::string nachtextMitToleranz(const Bemassungsstil& stil);

}  // namespace quarzel
