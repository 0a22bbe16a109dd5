// Flaechenwerkzeuge: the area-drawing module, the filled counterparts of the
// line tools. Every new area gets the fill of the area panel (Flaechenvorgabe:
// fill number, fill flag, attribute value and flag, hatch name and angle,
// filled flag). Full circles and ellipses are filled arc elements (0 .. 360),
// Bézier areas filled Bézier curves, spline areas closed filled splines;
// every other area is a closed polygon, whose arcs are sampled at most one
// degree apart.
//
// Tool codes and their points:
//   9 polygon: corners until the right button or a double click (at least three)
//  16 rectangle: two corners (rounded with the panel's corner radius)
//  51 turned rectangle: side start, side end, width   49 parallelogram: three corners
//  50 cone: base start, base end, top   48 star / 37 n-gon: centre, first corner
//  17 full circle: centre, radius   52 by two points (diameter)   30 by three points
//  56 full circle of the panel's fixed radius: centre
//  19 circular sector: centre, radius, start, end (typed: angles in the third group)
//  20 circular sector: centre, start point, end point   31 sector of the arc through three points
//  38 circular segment through three points   33 circular segment: centre, start point, end point
//  18 ellipse: centre, radii   32 ellipse in a rectangle   22 turned ellipse: centre, axis end, radius
//  21 elliptical sector: centre, radii, start, end
//  23 ring: centre, outer radius, inner radius
//  24 ring segment: centre, outer radius and start, inner radius and end
//  34 Bézier area: start, end, supports   35 spline area: points until the right button
//  41 free-hand area: the state machine collects the stroke, releasing the button ends it
#pragma once

#include "edit/figurwerkzeug.h"

namespace quarzel {

class Flaechenwerkzeuge : public Figurwerkzeug {
 public:
  Flaechenwerkzeuge();

  // Filled by the window from its area panel.
  Flaechenvorgabe flaechenvorgabe;

 protected:
  const Flaechenvorgabe* flaeche() const override { return &flaechenvorgabe; }
};

}  // namespace quarzel
