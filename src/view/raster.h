// The grid (`rasterzeichnen`): single black dots at the lattice points of the
// grid spacing about the grid origin, turned by the grid angle, inside the
// drawing area. A grid denser than 5 pixels is not shown at all.
#pragma once

#include <functional>
#include <vector>

#include "view/ansicht.h"
#include "platform/canvas.h"

namespace quarzel {

struct Rasterpixel {
  int x = 0;
  int y = 0;
  bool operator==(const Rasterpixel&) const = default;
};

// gridAngle folded into -90..90 by steps of 90 degrees.
double normierterRasterwinkel(double winkelGrad);

// Calls `punkt` once for every grid dot inside the area
// (0 <= x < areaWidth, 0 <= y < areaHeight), row by row.
void fuerRasterpunkte(const Ansicht& ansicht, const std::function<void(int x, int y)>& punkt);
std::vector<Rasterpixel> rasterpunkte(const Ansicht& ansicht);

// Sets every grid dot to black on the canvas.
void rasterzeichnen(Canvas& canvas, const Ansicht& ansicht);

}  // namespace quarzel
