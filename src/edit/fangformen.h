// What each element kind offers the snap search: its box, the nearest point
// of its outline, its end, mid and quadrant points. Read straight from the
// store's records, in world millimetres.
//
//   lines (1, 12)       outline, both ends, midpoint
//   arcs (2)            outline, start and end (none when closed), centre,
//                       the points at 0, 90, 180, 270 degrees on the arc
//   polygons (3),
//   gradients (6)       outline edges, every point, every edge's midpoint
//   splines (5)         every point
//   Béziers (4)         the four defining points
//   bitmaps (16)        the frame's edges and corners
//   dimensions (7)      the two measured points
// Everything else (texts, comments, group brackets, wall lines of the first
// flavour, metafiles, fills) offers nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "edit/ellipsenbogen.h"
#include "store/elementspeicher.h"

namespace quarzel {

enum class Fangform : std::uint8_t { Keine, Linie, Bogen, Polygon, Spline, Bezier, Bitmap, Bemassung };

Fangform fangform(Elementart art);

// The box around everything the element offers; none when it offers nothing
// or a coordinate is not a number. Infinite coordinates give an infinite box.
std::optional<Weltrechteck> fangumgebung(const Elementspeicher& s, std::int32_t n);

// The point of the element's outline nearest to p. Outline pieces that miss
// `fenster` are left out, so a point is only reported from pieces that meet it.
std::optional<Weltpunkt> kantenpunkt(const Elementspeicher& s, std::int32_t n, Weltpunkt p,
                                     const Weltrechteck& fenster);

// The element's end, mid and quadrant points inside `fenster`, appended in
// the element's own order.
void endpunkte(const Elementspeicher& s, std::int32_t n, const Weltrechteck& fenster, std::vector<Weltpunkt>& aus);
void mittelpunkte(const Elementspeicher& s, std::int32_t n, const Weltrechteck& fenster, std::vector<Weltpunkt>& aus);
void quadrantenpunkte(const Elementspeicher& s, std::int32_t n, const Weltrechteck& fenster,
                      std::vector<Weltpunkt>& aus);

// The straight pieces of a line or polygon-family outline, for intersections:
// calls f(a, b) for each piece whose box meets `fenster`.
template <class F>
void fuerStrecken(const Elementspeicher& s, std::int32_t n, const Weltrechteck& fenster, F&& f) {
  const Fangform form = fangform(s.art(n));
  if (form == Fangform::Linie) {
    const Tliniendaten& l = s.linie(n);
    const Weltpunkt a{l.x1, l.y1}, b{l.x2, l.y2};
    if (ueberlappt(streckenumgebung(a, b), fenster)) f(a, b);
  } else if (form == Fangform::Polygon) {
    const Tpolygondaten& p = s.polygon(n);
    const std::size_t k = std::min(p.x.size(), p.y.size());
    for (std::size_t i = 0; i + 1 < k; ++i) {
      const Weltpunkt a{p.x[i], p.y[i]}, b{p.x[i + 1], p.y[i + 1]};
      if (ueberlappt(streckenumgebung(a, b), fenster)) f(a, b);
    }
  }
}

}  // namespace quarzel
