// Scaling one element's geometry about a point, for every kind of the store.
// Used when elements move to a layer of another scale, so that they keep
// their size in the drawing's units.
#pragma once

#include <cstdint>

#include "store/elementspeicher.h"

namespace quarzel {

// Scales the record of element n by `faktor` (> 0) about (px, py), in place.
// Positions, radii and text heights scale; angles, heights above the sheet
// (z) and attributes stay. Nothing happens for a factor that is not finite
// and positive.
void skaliereElement(Elementspeicher& speicher, std::int32_t n, double faktor, double px, double py);

}  // namespace quarzel
