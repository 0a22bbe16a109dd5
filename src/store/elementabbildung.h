// Moving, turning, mirroring and scaling the geometry of one element in
// place, for every kind of the store. An Abbildung is a shape-keeping map of
// the plane (translation, rotation, reflection, uniform scaling and their
// products) in world millimetres; angles are degrees counter-clockwise as
// seen on the screen. Lengths (radii, text heights) follow the scale factor.
//
// It lives in the store, not in edit, because the store's layer commands
// scale elements (a layer of another scale) and the store may not use edit.
//
// What each kind does under a reflection: arcs keep their figure and run in
// the mirrored direction (start and end swap and change sign); texts,
// dimension texts and bitmaps are placed at the mirrored position and turned
// to the mirrored direction, but their content is not mirrored, so texts stay
// readable.
#pragma once

#include <cstdint>

#include "store/elementspeicher.h"
#include "view/ansicht.h"

namespace quarzel {

struct Abbildung {
  // p' = M (p - c) + c + t; M includes the scale factor f.
  double m00 = 1, m01 = 0, m10 = 0, m11 = 1;
  double tx = 0, ty = 0;
  double cx = 0, cy = 0;  // kept apart so a scaling about a point rounds as px + (x - px) * f
  double f = 1;

  static Abbildung verschiebung(double dx, double dy);
  // Turns by `grad` counter-clockwise on the screen about `mitte`.
  static Abbildung drehung(Weltpunkt mitte, double grad);
  // Mirrors across the line through a and b (a == b: no change).
  static Abbildung spiegelung(Weltpunkt a, Weltpunkt b);
  // Scales by `faktor` about `mitte`.
  static Abbildung streckung(Weltpunkt mitte, double faktor);

  Weltpunkt operator()(Weltpunkt p) const {
    if (nurVerschiebung()) return {p.x + tx, p.y + ty};
    const double x = p.x - cx, y = p.y - cy;
    return {m00 * x + m01 * y + cx + tx, m10 * x + m11 * y + cy + ty};
  }
  // This map after `zuerst`.
  Abbildung nach(const Abbildung& zuerst) const;
  bool nurVerschiebung() const { return m00 == 1 && m01 == 0 && m10 == 0 && m11 == 1; }
  bool gespiegelt() const { return m00 * m11 - m01 * m10 < 0; }
  // Whether directions change (turn or mirror); a scaling alone keeps them.
  bool dreht() const { return !(m01 == 0 && m10 == 0 && m00 == m11 && m00 > 0); }
  // The angle the x axis is turned to, in degrees.
  double winkel() const;
  bool endlich() const;

 private:
  Abbildung nachOhneMitte(const Abbildung& zuerst) const;
};

// Applies the map to element n's record (any kind; nothing for free slots
// and for a map that is not finite or has a scale factor not above 0).
void bildeAb(Elementspeicher& s, std::int32_t n, const Abbildung& a);

}  // namespace quarzel
