// Textelemente: the drawers of texts and comments (kinds 17 and 18) and of
// dimensions (kind 7). Heights are sheet millimetres turned into pixels
// with the run's zoom.
#pragma once

#include <cstdint>

#include "render/zeichenkontext.h"

namespace quarzel {

void zeichneText(Zeichenkontext& k, std::int32_t n);
void zeichneBemassung(Zeichenkontext& k, std::int32_t n);

}  // namespace quarzel
