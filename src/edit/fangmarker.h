// The snap marker: a small symbol at the snapped position that tells the
// user what the point is — a square for end points, a triangle for mid
// points, a diamond for quadrant points, a cross for intersections, the
// perpendicular sign for a point on an edge, a plus for grid nodes and a
// short tick pair for the ruler subdivision.
//
// Two ways to show it. A Fangmarker object draws in XOR on a picture, so
// drawing the same marker again takes it away without a redraw; XOR with
// black would leave white paper white, so its pen is the complement of the
// wanted colour, which XOR on white paper turns back into that colour. A
// window that lays the marker over the finished picture at paint time (and
// so never touches the rubber bands) uses zeichneSymbol in copy mode.
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

  // Whether a search result earns a symbol: something was found (or the
  // cursor was rounded to the ruler) and the search was neither given up nor
  // refused.
  static bool zeigtSymbol(const Fangergebnis& ergebnis);
  // Draws the symbol of `art` centred on (x, y) with the canvas's pen mode
  // as it is: in copy mode it shows `farbe` on any background, which is what
  // an overlay painted over the finished picture wants.
  static void zeichneSymbol(Canvas& canvas, Fangart art, double x, double y, Farbe farbe);

 private:
  void zeichne(Canvas& canvas, Fangart art, double x, double y) const;

  Farbe farbe_;
  bool sichtbar_ = false;
  Fangart art_ = Fangart::Keine;
  double x_ = 0, y_ = 0;
};

}  // namespace quarzel
