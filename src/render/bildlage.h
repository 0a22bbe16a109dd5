// Bildlage of bitmaps, fills and metafiles: where the stored placement puts
// the picture's corners.
//
// The placement's first four values are two opposite corners of the upright
// frame (world millimetres, in either order). The fifth is the turn in
// degrees, counter-clockwise on the sheet about the frame's centre; the sixth
// is not used. A picture is never mirrored by its placement: its top-left
// pixel lands at the frame's top-left corner before the turn.
#pragma once

#include <array>

#include "render/zeichenlauf.h"
#include "platform/canvas.h"

namespace quarzel {

// Corners in world millimetres (the fields of Bildlage hold millimetres here).
Bildlage bitmaplage(const std::array<double, 6>& platzierung);
Bildlage metafilelage(const std::array<double, 6>& platzierung);

// Turned into the run's pixels.
Bildlage bildlageInPixeln(const Bildlage& welt, const Zeichenlauf& lauf);

}  // namespace quarzel
