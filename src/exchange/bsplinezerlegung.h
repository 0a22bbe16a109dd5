// BsplineZerlegung: B-spline curves of CAD files as cubic Bézier pieces or
// points on the curve.
//
// Every piece between two distinct knots is found by blossoming (de Boor's
// scheme with the span's two ends as arguments), which is knot insertion
// done locally: exact, linear in the number of control points, and the same
// for clamped, unclamped and periodic knot vectors. Degrees 1 and 2 are
// raised to 3 exactly. A curve given only by fit points becomes a uniform
// Catmull-Rom curve through them.
#pragma once

#include <span>
#include <vector>

#include "exchange/cadtransformation.h"

namespace quarzel {

// False (and nothing appended) for a degree outside 1…3 or knots that do not
// fit the points (count ≠ points + degree + 1, decreasing, not finite).
// Appends 3n + 1 points for n pieces; `bezier` must be empty or end where the
// curve starts.
bool bsplineBezier(int grad, std::span<const double> knoten, std::span<const CadPunkt2> punkte,
                   std::vector<CadPunkt2>& bezier);

// Knots, points and weights (empty = all 1) that describe a curve.
bool bsplineGueltig(int grad, std::span<const double> knoten, std::span<const CadPunkt2> punkte,
                    std::span<const double> gewichte);

// The point at parameter u, clamped into the knots' domain; the inputs must
// pass bsplineGueltig.
CadPunkt2 bsplinePunkt(int grad, std::span<const double> knoten, std::span<const CadPunkt2> punkte,
                       std::span<const double> gewichte, double u);

// Points along the valid curve, `jeAbschnitt` per piece between knots.
void bsplineAbtasten(int grad, std::span<const double> knoten, std::span<const CadPunkt2> punkte,
                     std::span<const double> gewichte, int jeAbschnitt, std::vector<CadPunkt2>& aus);

// A curve through the points (Catmull-Rom, end tangents from the end chords),
// as 3n + 1 Bézier points; closed joins the last point to the first.
void catmullRomBezier(std::span<const CadPunkt2> punkte, bool geschlossen, std::vector<CadPunkt2>& bezier);

}  // namespace quarzel
