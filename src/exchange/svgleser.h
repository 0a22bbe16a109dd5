// SvgLeser: an SVG drawing into the CAD model.
//
// Paths, the basic shapes, texts and `use` references become lines,
// polylines, cubic splines, ellipses, texts and solid fills in millimetres
// with y upward; layers of the drawing program ("groupmode" layer groups)
// become layers. Whatever the XML parser read before a fault stays.
#pragma once

#include <string_view>

#include "exchange/cadmodell.h"

namespace quarzel {

CadLeseergebnis svgLesen(std::string_view daten, CadModell& modell);

}  // namespace quarzel
