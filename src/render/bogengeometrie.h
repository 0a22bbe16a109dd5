// Arcs, circles and ellipses of the store (kind 2) as plane figures: the
// normalised form of a record and its points by angle. The renderer samples
// it, snapping and construction search along it; both read the record the
// same way because both go through this one unit.
//
// Conventions: angles are degrees of the figure's own parameter, counted
// counter-clockwise as seen on the screen (world y grows downward, so the
// point at 90 lies above the centre): P(t) = centre + turn(xr cos t, -yr sin t).
// The rotation turns the whole figure counter-clockwise about its centre. An
// arc runs from its start angle counter-clockwise to its end angle; an end
// angle 360 or more beyond the start (0 .. 360 is the full circle) makes the
// figure closed, an end angle below the start has 360 added.
#pragma once

#include <optional>

#include "view/ansicht.h"
#include "store/datensaetze.h"

namespace quarzel {

struct Ellipsenbogen {
  Weltpunkt mitte;
  double xr = 0, yr = 0;  // radii, never negative
  double start = 0;       // degrees, as the record holds it (not reduced)
  double spanne = 360;    // degrees swept from the start, 0 .. 360
  bool voll = true;       // closed figure: no ends
  double cosDreh = 1, sinDreh = 0;

  bool kreis() const { return xr == yr; }
  // Exact at the quarter turns, where quadrant points and the ends of
  // quarter arcs lie.
  Weltpunkt punkt(double tGrad) const;
  Weltpunkt anfang() const { return punkt(start); }
  Weltpunkt ende() const { return punkt(start + spanne); }
  // The parameter angle (degrees, -180 .. 180) at which the ray from the
  // centre through p meets the figure.
  double winkelVon(Weltpunkt p) const;
  // Whether the parameter angle lies on the arc (always for a closed figure).
  bool enthaelt(double tGrad) const;
  // p in the frame where the full figure is the unit circle (radii > 0).
  Weltpunkt einheitskreis(Weltpunkt p) const;
  // The box of the full figure; it holds the centre, too.
  Weltrechteck umgebung() const;
};

// None when a value of the record is not a finite number.
std::optional<Ellipsenbogen> ellipsenbogen(const tbogendaten& d);

}  // namespace quarzel
