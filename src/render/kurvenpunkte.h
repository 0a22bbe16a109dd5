// Kurvenpunkte: arcs, splines and Bézier curves sampled into output-pixel
// polylines for the renderer. The number of points follows the curve's size
// on the canvas (a few pixels per chord) and is bounded whatever the zoom.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "platform/canvas.h"
#include "render/bogengeometrie.h"
#include "render/zeichenlauf.h"

namespace quarzel {

// The most points a sampled curve gets.
inline constexpr std::size_t kHoechstePunktzahl = 400000;

// The arc (closed figures end on their first point) in output pixels.
void bogenpunkte(const Ellipsenbogen& b, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus);

// The arc as a chain of cubic Bézier pieces in output pixels (start point,
// then two control points and the end per piece; see Canvas::bezierzug), one
// piece per quarter turn or less: a full circle is four. Off the true
// ellipse by at most 0.03 % of the radius.
void bogenBezier(const Ellipsenbogen& b, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus);

// A centripetal Catmull-Rom spline (alpha = 1/2: no cusps or self-loops
// within a segment, unlike the uniform variant) through the given pixel
// points. Consecutive equal points count once. Closed: the curve also runs
// from the last point back to the first. Fewer than two distinct points give
// those points unchanged.
void splinepunkte(std::span<const Pixelpunkt> stuetzpunkte, bool geschlossen, std::vector<Pixelpunkt>& aus);

// The same curve as cubic Bézier pieces, exactly: the first point, then two
// control points and the end per piece (as bogenBezier). Fewer than two
// distinct points give nothing.
void splineBezier(std::span<const Pixelpunkt> stuetzpunkte, bool geschlossen, std::vector<Pixelpunkt>& aus);

// The cubic Bézier curve of four control points (x0, y0 … x3, y3, world).
void bezierpunkte(const std::array<double, 8>& kontrollpunkte, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus);

}  // namespace quarzel
