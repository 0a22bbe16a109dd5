// DxfKurven: curves of a DXF file as vertex runs with bulges.
//
// Hatch boundaries mix lines, circular and elliptic arcs and splines; the
// model keeps every boundary as one closed run of vertices with bulges.
// Circular arcs stay exact as bulges; elliptic arcs and splines become
// chords no farther than `toleranz` from the curve.
#pragma once

#include <span>
#include <vector>

#include "exchange/cadmodell.h"

namespace quarzel {

// The bulge of an arc turning by `winkel` radians (negative: clockwise).
double woelbungFuer(double winkel);

// An elliptic arc from parameter t0 to t1 (radians; t1 < t0 runs clockwise):
// appends its vertices from the start up to, not including, the end.
void ellipsenbogenAnhaengen(std::vector<CadScheitel>& aus, CadPunkt mitte, CadPunkt achse, double verhaeltnis,
                            double t0, double t1, double toleranz);

// A B-spline of degree `grad` (NURBS when `gewichte` has one weight per
// control point): appends its vertices from the start up to, not including,
// the end. Knots that do not fit give the control polygon instead.
void splineAnhaengen(std::vector<CadScheitel>& aus, int grad, std::span<const CadPunkt> pole,
                     std::span<const double> knoten, std::span<const double> gewichte, double toleranz);

}  // namespace quarzel
