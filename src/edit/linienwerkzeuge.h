// Linienwerkzeuge: the line-drawing module. It serves lines and multi-lines,
// line crosses, polylines, marker points, rectangles, parallelograms, cones,
// stars, n-gons, circles, arcs, ellipses, elliptical arcs, Bézier curves,
// splines, free-hand lines and the single construction lines. Every finished
// figure is one undo step; see figurwerkzeug.h for the point handling.
//
// Tool codes and their points (the rubber band follows the mouse throughout):
//   1 line: start, end                7 multi-line: start, end (offsets from the panel)
//  42 line from its middle: middle, end
//   8 polyline: points until the right button or a double click (one line per side)
//  43 line cross: centre, arm end (horizontal and vertical)   53 the same turned by 45°
//  54 marker point: one point
//   3 rectangle: two corners (rounded with the panel's corner radius)
//  47 turned rectangle: side start, side end, width   44 parallelogram: three corners
//  45 cone: base start, base end, top   46 star / 36 n-gon: centre, first corner
//   2 circle: centre, radius   26 circle by two points (diameter)   15 circle by three points
//  55 circle of the panel's fixed radius: centre
//   5 arc: centre, radius, start, end (counter-clockwise)   11 the same clockwise
//  14 arc by three points   4 ellipse: centre, radii   28 ellipse in a rectangle
//  29 turned ellipse: centre, axis end, second radius
//   6 elliptical arc: centre, radii, start, end   12 the same clockwise
//  10 Bézier curve: start, end, first support, second support (right button after the
//     first support uses it for both)   25 spline: points until the right button or a
//     double click   40 free-hand: the state machine collects the stroke, releasing the button ends it
// Construction lines (across the whole world): 800 horizontal and 801 vertical through
// one point, 802 through two points; 810 circle by centre and radius, 813 by two points,
// 814 by three points; 815 cross of a horizontal and a vertical line, 816 the same at 45°.
// 135 "Koordinatensystem drehen" (two points) is dispatched here too and
// handed to its Koordinatendrehung (ursprungswerkzeuge.h).
#pragma once

#include "edit/figurwerkzeug.h"
#include "edit/ursprungswerkzeuge.h"

namespace quarzel {

class Linienwerkzeuge : public Figurwerkzeug {
 public:
  Linienwerkzeuge();

  void punkt(Werkzeugumgebung& u, Weltpunkt p) override;
  void zweiteTaste(Werkzeugumgebung& u, Weltpunkt p) override;
  void bewegung(Werkzeugumgebung& u, Weltpunkt p) override;
  void rueckmeldungLoeschen(Werkzeugumgebung& u) override;
  void abbrechen(Werkzeugumgebung& u) override;
  void getippterPunkt(Werkzeugumgebung& u, Weltpunkt p) override;

 private:
  // The turn of the coordinate system, in the rubber band colour of the figures.
  Koordinatendrehung& drehung();

  Koordinatendrehung drehung_;
};

}  // namespace quarzel
