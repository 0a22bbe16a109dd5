// Bildverkleinerung: a picture shrunk to a byte budget, for printer drivers
// that take textures only up to a fixed size.
#pragma once

#include <cstddef>

#include "platform/canvas.h"

namespace quarzel {

// The picture with its sides divided by the smallest whole factor that
// brings its RGBA bytes within `hoechstBytes` (each new pixel the mean of the
// pixels it covers). Pictures already within the budget come back unchanged.
Rasterbild verkleinertAuf(const Rasterbild& bild, std::size_t hoechstBytes);

}  // namespace quarzel
