// Bildkodierer: RGBA pixels back into an image file, for pictures whose
// content a tool changed (flipped, turned, cropped, masked). PNG keeps the
// transparency the masking and clipping tools make.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/canvas.h"

namespace quarzel {

// The PNG file of the picture; empty when it has no pixels or cannot be written.
std::vector<std::uint8_t> kodierePng(const Rasterbild& bild);

}  // namespace quarzel
