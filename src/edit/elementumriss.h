// The drawn outline of one element as polylines in world millimetres: what
// the select tool measures against, what a selection frame tests and what
// the rubber band of a move or rotation shows. Curves are flattened finely
// enough for a hit tolerance of a few pixels.
//
//   lines, wall lines   the segment
//   arcs (2)            the arc or closed figure, flattened (rotated ellipses too)
//   polygons, splines   the points in order; a polygon closes when it is filled
//                       or drawn closed (line style below 1), a gradient always
//   Béziers (4)         the cubic curve, flattened
//   dimensions (7)      the chain through its four stored points
//   bitmaps, fills,
//   metafiles           the frame (turned by its angle)
//   texts, comments     the estimated box of the text (see textbox)
// Group brackets and first-flavour wall lines have no outline.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "view/ansicht.h"
#include "store/elementspeicher.h"

namespace quarzel {

struct Umriss {
  std::vector<Weltpunkt> punkte;
  std::vector<int> laengen;  // point count of each polyline
  // Bitmaps, texts and filled areas: a point inside counts as on the element.
  bool flaeche = false;

  void leere() {
    punkte.clear();
    laengen.clear();
    flaeche = false;
  }
  void beginne() { laengen.push_back(0); }
  void hinzu(Weltpunkt p) {
    punkte.push_back(p);
    ++laengen.back();
  }
  bool leer() const { return punkte.empty(); }
};

// Fills `aus` (emptied first) with the outline of element n. False when the
// element has none or its values are not finite numbers.
bool elementumriss(const Elementspeicher& s, std::int32_t n, Umriss& aus);

// The box of an outline; none for an empty one.
std::optional<Weltrechteck> umrissumgebung(const Umriss& u);

// The four corners of a text's box, from the insertion point at the lower
// left of the first line, width estimated at 0.6 of the height per
// character, lines 1.5 heights apart, turned by the text angle.
void textbox(const Tfliestextdaten& t, Weltpunkt aus[4]);

}  // namespace quarzel
