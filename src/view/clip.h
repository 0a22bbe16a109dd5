// Quick rejection tests of the renderer: is a segment, arc, polygon or the
// cross-hair possibly visible in a pixel rectangle? They only skip what lies
// entirely on one side; the canvas clips the rest.
#pragma once

#include <span>

#include "platform/canvas.h"

namespace quarzel {

// Pixel rectangle with inclusive edges.
struct Cliprechteck {
  double links = 0;
  double oben = 0;
  double rechts = 0;
  double unten = 0;

  // NaN fails every comparison, so such a point is outside.
  bool enthaelt(const Pixelpunkt& p) const { return p.x >= links && p.x <= rechts && p.y >= oben && p.y <= unten; }
};

// False when both end points lie strictly left of, right of, above or below
// the rectangle; true otherwise.
bool clip(const Cliprechteck& r, double x1, double y1, double x2, double y2);
// Arc, circle or ellipse about (xm, ym) with radii rx, ry: tested as the square
// around the larger radius, so any rotation and any part of the curve is covered.
bool bogenclip(const Cliprechteck& r, double xm, double ym, double rx, double ry);
// False for no points or when all points lie strictly on one side.
bool polygonclip(const Cliprechteck& r, std::span<const Pixelpunkt> punkte);
// True when the cross-hair's centre lies inside the rectangle (edges included).
bool cursorclip(const Cliprechteck& r, double x, double y);
// Liang-Barsky: the part ta … tb (within the given ta … tb) of the segment
// from (x0, y0) along (dx, dy) that lies in the rectangle; false when none.
bool schneideStrecke(const Cliprechteck& r, double x0, double y0, double dx, double dy, double& ta, double& tb);

}  // namespace quarzel
