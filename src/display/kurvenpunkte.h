// Kurvenpunkte: arcs, splines and Bézier curves sampled into output-pixel
// polylines for the renderer. The number of points follows the curve's size
// on the canvas (a few pixels per chord) and is bounded whatever the zoom.
//
// Arc conventions are those of the drawing: angles in degrees of the figure's
// own parameter, counter-clockwise on screen (world y grows downward), the
// rotation turning the whole figure counter-clockwise about its centre; an
// end angle 360 or more beyond the start makes the figure closed, an end
// angle below the start has 360 added.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "display/zeichenlauf.h"
#include "platform/canvas.h"
#include "store/datensaetze.h"

namespace quarzel {

struct Bogenform {
  double xm = 0, ym = 0;
  double xr = 0, yr = 0;  // never negative
  double start = 0;       // degrees
  double spanne = 360;    // degrees swept counter-clockwise
  bool voll = true;
  double cosDreh = 1, sinDreh = 0;
};

// None when a value of the record is not finite.
std::optional<Bogenform> bogenform(const tbogendaten& d);

// The most points a sampled curve gets.
inline constexpr std::size_t kHoechstePunktzahl = 400000;

// The arc (closed figures end on their first point) in output pixels.
void bogenpunkte(const Bogenform& b, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus);

// A centripetal Catmull-Rom spline (alpha = 1/2: no cusps or self-loops
// within a segment, unlike the uniform variant) through the given pixel
// points. Consecutive equal points count once. Closed: the curve also runs
// from the last point back to the first. Fewer than two distinct points give
// those points unchanged.
void splinepunkte(std::span<const Pixelpunkt> stuetzpunkte, bool geschlossen, std::vector<Pixelpunkt>& aus);

// The cubic Bézier curve of four control points (x0, y0 … x3, y3, world).
void bezierpunkte(const std::array<double, 8>& kontrollpunkte, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus);

}  // namespace quarzel
