// Pixel geometry that is safe to hand to the paint engine. Coordinates reach
// the canvas from drawing files through the view transform, so they can be
// NaN, infinite or millions of pixels away. Paint engines work in fixed point
// and dash lines step by step; such values overflow or take minutes. These
// helpers cut segments and polygons to a generous rectangle around the
// device, which leaves everything that is visible unchanged.
#pragma once

#include <span>
#include <vector>

#include "view/clip.h"
#include "platform/canvas.h"

namespace quarzel {

// The same pixel rectangle as the renderer's quick rejection uses.
using Schutzrechteck = Cliprechteck;

// The device rectangle grown by `rand` pixels on every side.
Schutzrechteck schutzrechteckFuer(int breite, int hoehe, double rand);

// True when every point is finite and inside the rectangle: the common case,
// in which the points go to the engine untouched.
bool allesInnerhalb(std::span<const Pixelpunkt> punkte, const Schutzrechteck& r);

// Cuts an open polyline to the rectangle. The result is a list of pieces
// (each at least two points) because a polyline can leave and re-enter.
// Points with NaN or infinite coordinates break the line.
std::vector<std::vector<Pixelpunkt>> polylinieBeschneiden(std::span<const Pixelpunkt> punkte, const Schutzrechteck& r);

// Cuts a closed polygon to the rectangle (the inside stays the inside). Empty
// when nothing of it is left or when a coordinate is not finite.
std::vector<Pixelpunkt> polygonBeschneiden(std::span<const Pixelpunkt> punkte, const Schutzrechteck& r);

}  // namespace quarzel
