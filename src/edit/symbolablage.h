// What of a drawing becomes a symbol: the marked elements a copy may take
// (on layers a tool may touch, group brackets in pairs), in drawing order,
// moved so that the lower left corner of their box as the sheet shows it
// becomes the insertion point — the corner a symbol is most often placed by
// (a door at the wall's edge, furniture in a room's corner).
#pragma once

#include <memory>
#include <optional>

#include "platform/benutzer.h"
#include "store/symboldatei.h"

namespace quarzel {

// nullptr when nothing of the kind is marked (or the symbol's store could
// not be set up; the user was told then).
std::unique_ptr<Symbol> symbolAusMarkierten(Zeichnung& zeichnung, Benutzer& benutzer);

// The box of a symbol's elements in its own coordinates (relative to the
// insertion point); none for a symbol without a drawn element.
std::optional<Weltrechteck> symbolumgebung(const Symbol& symbol);

}  // namespace quarzel
