// Moving, turning and mirroring the geometry of one element in place, for
// every kind of the store. An Abbildung is a distance-keeping map of the
// plane (translation, rotation, reflection and their products) in world
// millimetres; angles are degrees counter-clockwise as seen on the screen.
//
// What each kind does under a reflection: arcs keep their figure and run in
// the mirrored direction (start and end swap and change sign); texts,
// dimension texts and bitmaps are placed at the mirrored position and turned
// to the mirrored direction, but their content is not mirrored, so texts stay
// readable.
#pragma once

#include <cstdint>

#include "view/ansicht.h"
#include "store/elementspeicher.h"

namespace quarzel {

struct Abbildung {
  // p' = M p + t
  double m00 = 1, m01 = 0, m10 = 0, m11 = 1;
  double tx = 0, ty = 0;

  static Abbildung verschiebung(double dx, double dy);
  // Turns by `grad` counter-clockwise on the screen about `mitte`.
  static Abbildung drehung(Weltpunkt mitte, double grad);
  // Mirrors across the line through a and b (a == b: no change).
  static Abbildung spiegelung(Weltpunkt a, Weltpunkt b);

  Weltpunkt operator()(Weltpunkt p) const {
    if (nurVerschiebung()) return {p.x + tx, p.y + ty};
    return {m00 * p.x + m01 * p.y + tx, m10 * p.x + m11 * p.y + ty};
  }
  // This map after `zuerst`.
  Abbildung nach(const Abbildung& zuerst) const;
  bool nurVerschiebung() const { return m00 == 1 && m01 == 0 && m10 == 0 && m11 == 1; }
  bool gespiegelt() const { return m00 * m11 - m01 * m10 < 0; }
  // The angle the x axis is turned to, in degrees.
  double winkel() const;
  bool endlich() const;
};

// Applies the map to element n's record (any kind; nothing for free slots).
void bildeAb(Elementspeicher& s, std::int32_t n, const Abbildung& a);

}  // namespace quarzel
