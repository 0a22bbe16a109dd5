// CadTransformation: the affine maths of CAD import — 3D affine maps for
// nested inserts, the object coordinate system of an extrusion direction,
// the projection onto the drawing plane and the ellipse that a circle
// becomes under a 2D linear map.
#pragma once

#include "exchange/cadmodell.h"

namespace quarzel {

struct CadPunkt2 {
  double x = 0, y = 0;
};

// p ↦ m·p + t in space; columns of m are the images of the unit axes.
struct CadAffin3 {
  double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
  double t[3] = {0, 0, 0};

  CadPunkt an(const CadPunkt& p) const;
  CadPunkt richtung(const CadPunkt& v) const;    // without the translation
  CadAffin3 nach(const CadAffin3& innen) const;  // this ∘ innen
  static CadAffin3 verschiebung(double x, double y, double z);
  static CadAffin3 skalierung(double x, double y, double z);
  static CadAffin3 drehungZ(double grad);
};

// The object coordinate system of an extrusion direction (the arbitrary-axis
// rule): its columns are the OCS x, y and z axes in world coordinates. The
// identity for (0, 0, 1) and for a zero vector.
CadAffin3 ocsMatrix(const CadPunkt& extrusion);
bool istStandardExtrusion(const CadPunkt& extrusion);

// A linear 2×2 map (columns: images of x and y).
struct CadLinear2 {
  double a = 1, b = 0, c = 0, d = 1;  // x' = a·x + b·y, y' = c·x + d·y
  CadPunkt2 an(double x, double y) const { return {a * x + b * y, c * x + d * y}; }
  double det() const { return a * d - b * c; }
  // A rotation times a uniform scale (and maybe a mirror): circles stay circles.
  bool istAehnlich() const;
};

// Space → drawing plane: world coordinates through `welt`, then x and y (or x
// and z when the file's y and z axes are swapped) are the drawing's x and y.
struct CadAbbildung {
  double m[2][3] = {{1, 0, 0}, {0, 1, 0}};
  double t[2] = {0, 0};

  static CadAbbildung aus(const CadAffin3& welt, bool yzTauschen);
  CadPunkt2 an(const CadPunkt& p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + t[0], m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + t[1]};
  }
  CadPunkt2 richtung(const CadPunkt& v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z};
  }
  // Followed by the plane map p ↦ l·p + t.
  CadAbbildung danach(const CadLinear2& l, const CadPunkt2& t) const;
  // This after the spatial map `vorher`.
  CadAbbildung nach(const CadAffin3& vorher) const;
  // The map of the plane spanned by the unit vectors u and v (z = 0 of an OCS).
  CadLinear2 ebene(const CadPunkt& u, const CadPunkt& v) const;
};

// The ellipse that the unit circle's arc from t0 to t1 (radians, counter-
// clockwise) becomes under `l`: semi-axes, angle of the major axis and the
// arc's parameters in the ellipse's own frame, all in degrees. A mirroring
// map reverses the arc, so anfang/ende are swapped to stay counter-clockwise.
struct CadEllipsenbild {
  double rx = 0, ry = 0, drehung = 0, anfang = 0, ende = 360;
};
CadEllipsenbild ellipsenbild(const CadLinear2& l, double t0, double t1, bool voll);

}  // namespace quarzel
