// The geometry of the circle constructions: tangents from a point, common
// tangents of two circles, an arc of given radius tangent to two circles.
// World millimetres (y grows downwards); angles in degrees counter-clockwise
// on screen, as the store keeps arcs (render/bogengeometrie.h). Nothing here
// knows elements.
#pragma once

#include <optional>

#include "edit/geometrie.h"
#include "render/bogengeometrie.h"

namespace quarzel {

struct Kreisform {
  Weltpunkt mitte;
  double r = 0;
};

// Relative distance from the outline below which a point counts as lying on it.
inline constexpr double kAufDemKreis = 1e-9;

// The points where the tangents from P touch the figure (circle or ellipse,
// its closed outline): none when P lies inside, P itself when it lies on
// the outline, else two.
Punktliste tangentenpunkte(const Ellipsenbogen& e, Weltpunkt p);

// A common tangent: a on the first circle, b on the second.
struct Tangente {
  Weltpunkt a, b;
};
// Of the up to four common tangents (two outer, two inner) the one whose
// touching points lie nearest to the clicks k1 on circle 1 and k2 on circle 2
// (sum of both distances); none when one circle lies within the other.
std::optional<Tangente> gemeinsameTangente(const Kreisform& k1, Weltpunkt klick1, const Kreisform& k2,
                                           Weltpunkt klick2);

// An arc of radius r about `mitte` from t1 (on circle 1) to t2 (on circle 2),
// counter-clockwise from `start` to `ende` (ende > start, the shorter way).
struct Tangentialbogen {
  Weltpunkt mitte, t1, t2;
  double r = 0;
  double start = 0, ende = 0;
};
// Of the arcs of radius r that touch both circles — from outside or
// enclosing them — the one whose touching points lie nearest to the clicks;
// none when no circle of that radius touches both.
std::optional<Tangentialbogen> tangentialbogen(const Kreisform& k1, Weltpunkt klick1, const Kreisform& k2,
                                               Weltpunkt klick2, double r);

// The direction of p seen from the centre m in degrees, 0 <= w < 360.
double winkelAmKreis(Weltpunkt m, Weltpunkt p);

// The radius of the k-th concentric copy (k = 1, 2, ...) at `abstand` from a
// circle of radius r, outwards or inwards; none when it would not be positive.
std::optional<double> konzentrischerRadius(double r, double abstand, int k, bool aussen);

}  // namespace quarzel
