// Copying one element from one store into another: the symbol files take the
// marked elements of a drawing into a symbol of their own, and insertion
// takes them from the symbol into the drawing. The copy goes through the
// target's adders with the element's own pen, line style, layer and sublayer,
// so it is an element like any other added there; it is not completed (the
// caller sets its undo state and mark).
#pragma once

#include <cstdint>

#include "store/elementspeicher.h"

namespace quarzel {

// The new element's number in `ziel`; 0 for a free slot. The target's
// current attributes are left as they were.
std::int32_t kopiereElement(const Elementspeicher& quelle, std::int32_t n, Elementspeicher& ziel);

}  // namespace quarzel
