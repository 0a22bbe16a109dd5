// CadTransformation: affine maps, the object coordinate system and the
// ellipse of a mapped circle.
#include "exchange/cadtransformation.h"

#include <cmath>
#include <numbers>

namespace quarzel {

namespace {

constexpr double kGrad = 180.0 / std::numbers::pi;

CadPunkt kreuz(const CadPunkt& a, const CadPunkt& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

CadPunkt normiert(const CadPunkt& v) {
  double l = std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
  if (l == 0 || !std::isfinite(l)) return {0, 0, 1};
  return {v.x / l, v.y / l, v.z / l};
}

// Into [0, 360).
double normwinkel(double grad) {
  double w = std::fmod(grad, 360.0);
  if (w < 0) w += 360.0;
  return w >= 360.0 ? 0.0 : w;
}

}  // namespace

CadPunkt CadAffin3::an(const CadPunkt& p) const {
  CadPunkt r = richtung(p);
  return {r.x + t[0], r.y + t[1], r.z + t[2]};
}

CadPunkt CadAffin3::richtung(const CadPunkt& v) const {
  return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
          m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

CadAffin3 CadAffin3::nach(const CadAffin3& innen) const {
  CadAffin3 r;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) r.m[i][j] = m[i][0] * innen.m[0][j] + m[i][1] * innen.m[1][j] + m[i][2] * innen.m[2][j];
    r.t[i] = m[i][0] * innen.t[0] + m[i][1] * innen.t[1] + m[i][2] * innen.t[2] + t[i];
  }
  return r;
}

CadAffin3 CadAffin3::verschiebung(double x, double y, double z) {
  CadAffin3 r;
  r.t[0] = x;
  r.t[1] = y;
  r.t[2] = z;
  return r;
}

CadAffin3 CadAffin3::skalierung(double x, double y, double z) {
  CadAffin3 r;
  r.m[0][0] = x;
  r.m[1][1] = y;
  r.m[2][2] = z;
  return r;
}

CadAffin3 CadAffin3::drehungZ(double grad) {
  CadAffin3 r;
  double w = grad / kGrad;
  double c = std::cos(w), s = std::sin(w);
  r.m[0][0] = c;
  r.m[0][1] = -s;
  r.m[1][0] = s;
  r.m[1][1] = c;
  return r;
}

bool istStandardExtrusion(const CadPunkt& e) {
  return e.x == 0 && e.y == 0 && e.z > 0;
}

CadAffin3 ocsMatrix(const CadPunkt& extrusion) {
  CadAffin3 r;
  if (istStandardExtrusion(extrusion)) return r;
  CadPunkt n = normiert(extrusion);
  // The threshold 1/64 is the rule every CAD file was written with.
  CadPunkt ax = std::abs(n.x) < 1.0 / 64 && std::abs(n.y) < 1.0 / 64 ? kreuz({0, 1, 0}, n) : kreuz({0, 0, 1}, n);
  ax = normiert(ax);
  CadPunkt ay = normiert(kreuz(n, ax));
  const CadPunkt spalten[3] = {ax, ay, n};
  for (int j = 0; j < 3; ++j) {
    r.m[0][j] = spalten[j].x;
    r.m[1][j] = spalten[j].y;
    r.m[2][j] = spalten[j].z;
  }
  return r;
}

bool CadLinear2::istAehnlich() const {
  double s = std::abs(det());
  double tol = 1e-12 * (a * a + b * b + c * c + d * d);
  // Columns of equal length and perpendicular.
  return std::abs((a * a + c * c) - (b * b + d * d)) <= tol && std::abs(a * b + c * d) <= tol && s > 0;
}

CadAbbildung CadAbbildung::aus(const CadAffin3& welt, bool yzTauschen) {
  CadAbbildung r;
  int zeileY = yzTauschen ? 2 : 1;
  for (int j = 0; j < 3; ++j) {
    r.m[0][j] = welt.m[0][j];
    r.m[1][j] = welt.m[zeileY][j];
  }
  r.t[0] = welt.t[0];
  r.t[1] = welt.t[zeileY];
  return r;
}

CadAbbildung CadAbbildung::danach(const CadLinear2& l, const CadPunkt2& v) const {
  CadAbbildung r;
  for (int j = 0; j < 3; ++j) {
    r.m[0][j] = l.a * m[0][j] + l.b * m[1][j];
    r.m[1][j] = l.c * m[0][j] + l.d * m[1][j];
  }
  CadPunkt2 tt = l.an(t[0], t[1]);
  r.t[0] = tt.x + v.x;
  r.t[1] = tt.y + v.y;
  return r;
}

CadAbbildung CadAbbildung::nach(const CadAffin3& vorher) const {
  CadAbbildung r;
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 3; ++j)
      r.m[i][j] = m[i][0] * vorher.m[0][j] + m[i][1] * vorher.m[1][j] + m[i][2] * vorher.m[2][j];
    r.t[i] = m[i][0] * vorher.t[0] + m[i][1] * vorher.t[1] + m[i][2] * vorher.t[2] + t[i];
  }
  return r;
}

CadLinear2 CadAbbildung::ebene(const CadPunkt& u, const CadPunkt& v) const {
  CadPunkt2 x = richtung(u), y = richtung(v);
  return {x.x, y.x, x.y, y.y};
}

CadEllipsenbild ellipsenbild(const CadLinear2& l, double t0, double t1, bool voll) {
  CadEllipsenbild r;
  double spanne = voll ? 360.0 : normwinkel((t1 - t0) * kGrad);
  if (!voll && spanne == 0) spanne = 360.0;
  // l = R(φ) · diag(σ1, σ2) · R(θ), the closed-form SVD of a 2×2 matrix.
  double e = (l.a + l.d) / 2, f = (l.a - l.d) / 2, g = (l.c + l.b) / 2, h = (l.c - l.b) / 2;
  double q = std::hypot(e, h), rr = std::hypot(f, g);
  double s1 = q + rr, s2 = q - rr;
  double phi, theta;
  if (rr <= 1e-12 * q) {
    // A rotation and uniform scale: a circle, turned by the rotation.
    phi = 0;
    theta = std::atan2(h, e);
    s2 = s1;
  } else if (q <= 1e-12 * rr) {
    // A mirrored circle: the x axis goes to angle ψ, angles run backwards.
    phi = 0;
    theta = -std::atan2(g, f);
    s2 = -s1;
  } else {
    double a1 = std::atan2(g, f), a2 = std::atan2(h, e);
    theta = (a2 - a1) / 2;
    phi = (a2 + a1) / 2;
  }
  r.rx = s1;
  r.ry = std::abs(s2);
  r.drehung = normwinkel(phi * kGrad);
  if (voll) return r;
  // A point at parameter t lands at parameter t + θ in the ellipse's frame,
  // or at −(t + θ) when the map mirrors.
  double th = theta * kGrad;
  double anfang = s2 >= 0 ? t0 * kGrad + th : -(t1 * kGrad + th);
  r.anfang = normwinkel(anfang);
  r.ende = r.anfang + spanne;
  return r;
}

}  // namespace quarzel
