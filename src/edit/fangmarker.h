// The snap marker: a small symbol at the snapped position that tells the
// user what the point is — a square for end points, a triangle for mid
// points, a diamond for quadrant points, a cross for intersections, the
// perpendicular sign for a point on an edge, a plus for grid nodes and a
// short tick pair for the ruler subdivision.
//
// It is drawn in XOR on the drawing area, so drawing the same marker again
// takes it away without a redraw. XOR with black would leave white paper
// white; the marker's pen is the complement of the wanted colour, which XOR
// on white paper turns back into that colour.
#pragma once

#include "edit/fangeinstellungen.h"
#include "platform/canvas.h"
#include "platform/farbe.h"

namespace quarzel {

class Fangmarker {
 public:
  // Half the symbol's size in pixels.
  static constexpr double kHalbeGroesse = 5;

  // The colour the marker shows on white paper.
  explicit Fangmarker(Farbe farbe = rgb(255, 0, 0)) : farbe_(farbe) {}

  // Shows the marker for a search result, taking away the one shown before.
  // Results that found nothing show none.
  void zeige(Canvas& canvas, const Fangergebnis& ergebnis);
  // Takes the shown marker away (before a redraw or when the tool ends).
  void verberge(Canvas& canvas);
  // Forgets the shown marker without drawing: the picture under it was
  // replaced by a redraw.
  void vergiss() { sichtbar_ = false; }
  bool sichtbar() const { return sichtbar_; }

 private:
  void zeichne(Canvas& canvas, Fangart art, double x, double y) const;

  Farbe farbe_;
  bool sichtbar_ = false;
  Fangart art_ = Fangart::Keine;
  double x_ = 0, y_ = 0;
};

}  // namespace quarzel
