// Verlauf: the colour bands of a gradient (kind 6), as plain polygons in
// pixels, so every canvas (screen, PDF, SVG) paints them the same way.
//
// A gradient's points are its outline; the packed type byte gives the base
// type, one per gradient tool (400 + base), and two flags:
//   0 linear       straight bands across the direction of the first edge,
//                  colour 1 where that edge starts, colour 2 on the far side
//   1 rectangular  concentric rectangles of the bounding box, colour 1 at the
//                  border, colour 2 in the middle
//   2 polygon      concentric copies of the outline shrunk towards its centre
//   3 spline       the same with the outline as a closed smooth curve
//                  (centripetal Catmull-Rom through the points)
//   4 circular     concentric circles about the centre, colour 1 outside
//   5 radial       sectors about the centre, turning from the first point's
//                  direction once around, colour 1 to colour 2
//   6 n-gon        concentric regular polygons; the second 16-bit value of
//                  the record gives the corners (3..64, else 6), one corner
//                  towards the first point
//   7 two polygons the points hold two polygons one after the other (first
//                  half, second half); the bands blend from the first (colour
//                  1) to the second (colour 2)
// Other bases draw as linear. Flag B makes the blend run there and back
// (colour 1, 2, 1); flag A (only together with B) swaps the two colours.
// The centre is the mean of the outline's points.
//
// Types 0, 1, 4, 5 and 6 are clipped to the outline (`umriss`); 2, 3 and 7
// lie inside it by construction.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/canvas.h"
#include "platform/farbe.h"

namespace quarzel {

struct Verlaufsband {
  std::vector<Pixelpunkt> punkte;
  Farbe farbe = 0;
};

struct Verlaufsbild {
  std::vector<Pixelpunkt> umriss;     // clip outline; empty when none is needed
  std::vector<Verlaufsband> baender;  // painted in order, later over earlier
};

struct Verlaufsangaben {
  std::span<const Pixelpunkt> punkte;
  Farbe farbe1 = 0;
  Farbe farbe2 = 0;
  std::uint8_t basis = 0;
  bool a = false;
  bool b = false;
  int ecken = 6;  // corners of type 6
};

// Most bands a gradient is painted with; fewer when the colours differ little
// or the gradient is only a few pixels across.
inline constexpr int kMeisteBaender = 256;

Verlaufsbild verlaufsbaender(const Verlaufsangaben& v);

// The colour at t in 0..1 between two colours, each channel rounded.
Farbe mischfarbe(Farbe a, Farbe b, double t);

// A closed centripetal Catmull-Rom curve through the points, `schritte`
// points per span.
std::vector<Pixelpunkt> geschlossenerSpline(std::span<const Pixelpunkt> punkte, int schritte);

}  // namespace quarzel
