// Searches for stacked copies: lines, circles and ellipses, polygons. A copy
// is an alive element of the same kind, layer and sublayer whose geometry
// coincides with an earlier one when every coordinate is rounded to a
// millionth of a millimetre (lines also when drawn the other way round,
// polygons also with their points reversed). The earliest element stays.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/benutzer.h"
#include "store/elementspeicher.h"

namespace quarzel {

enum class Duplikatsuche { Linien, KreiseUndEllipsen, Polygone };

// The later copies, in store order.
std::vector<std::int32_t> findeDuplikate(const Elementspeicher& speicher, Duplikatsuche was);

// The menu command: searches, tells the user what it found and deletes the
// copies (one undo step) when the user agrees. Returns the number deleted.
std::int32_t entferneDuplikate(Elementspeicher& speicher, Duplikatsuche was, Benutzer& benutzer);

}  // namespace quarzel
