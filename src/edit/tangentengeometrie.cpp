#include "edit/tangentengeometrie.h"

#include <array>
#include <cmath>
#include <numbers>

namespace quarzel {

namespace {

constexpr double kGrad = 180 / std::numbers::pi;

double abstand(Weltpunkt a, Weltpunkt b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

// The crossings of two circles (centre, radius): none, one (touching) or two.
Punktliste kreisschnitt(Weltpunkt m1, double r1, Weltpunkt m2, double r2) {
  Punktliste l;
  const double d = abstand(m1, m2);
  if (!(d > 0) || d > r1 + r2 || d < std::fabs(r1 - r2)) return l;
  const double a = (r1 * r1 - r2 * r2 + d * d) / (2 * d);
  const double h = std::sqrt(std::max(0.0, r1 * r1 - a * a));
  const double ux = (m2.x - m1.x) / d, uy = (m2.y - m1.y) / d;
  const Weltpunkt f{m1.x + a * ux, m1.y + a * uy};
  l.hinzu({f.x - h * uy, f.y + h * ux});
  if (h > 0) l.hinzu({f.x + h * uy, f.y - h * ux});
  return l;
}

}  // namespace

double winkelAmKreis(Weltpunkt m, Weltpunkt p) {
  // Counter-clockwise on screen, where world y grows downwards.
  double w = std::atan2(m.y - p.y, p.x - m.x) * kGrad;
  if (w < 0) w += 360;
  return w >= 360 ? 0 : w;
}

Punktliste tangentenpunkte(const Ellipsenbogen& e, Weltpunkt p) {
  Punktliste l;
  if (!(e.xr > 0 && e.yr > 0)) return l;
  // In the frame where the figure is the unit circle tangents stay tangents.
  const Weltpunkt q = e.einheitskreis(p);
  const double d = std::hypot(q.x, q.y);
  if (std::fabs(d - 1) <= kAufDemKreis) {
    l.hinzu(p);
    return l;
  }
  if (d < 1) return l;
  const double richtung = std::atan2(q.y, q.x), oeffnung = std::acos(1 / d);
  l.hinzu(e.punkt((richtung + oeffnung) * kGrad));
  l.hinzu(e.punkt((richtung - oeffnung) * kGrad));
  return l;
}

std::optional<Tangente> gemeinsameTangente(const Kreisform& k1, Weltpunkt klick1, const Kreisform& k2,
                                           Weltpunkt klick2) {
  const double d = abstand(k1.mitte, k2.mitte);
  if (!(d > 0) || !(k1.r > 0) || !(k2.r > 0)) return std::nullopt;
  const double vx = (k2.mitte.x - k1.mitte.x) / d, vy = (k2.mitte.y - k1.mitte.y) / d;
  std::optional<Tangente> beste;
  double besterAbstand = 0;
  // With n the unit normal of the tangent, circle 1 lies at r1 behind it and
  // circle 2 at r2 behind (outer, s = 1) or in front of it (inner, s = -1):
  // n·v = (r1 - s·r2) / d.
  for (const int s : {1, -1}) {
    const double c = (k1.r - s * k2.r) / d;
    if (std::fabs(c) > 1) continue;
    const double h = std::sqrt(std::max(0.0, 1 - c * c));
    for (const int seite : {1, -1}) {
      const double nx = vx * c - seite * h * vy, ny = vy * c + seite * h * vx;
      const Tangente t{{k1.mitte.x + k1.r * nx, k1.mitte.y + k1.r * ny},
                       {k2.mitte.x + s * k2.r * nx, k2.mitte.y + s * k2.r * ny}};
      const double a = abstand(t.a, klick1) + abstand(t.b, klick2);
      if (!beste || a < besterAbstand) beste = t, besterAbstand = a;
    }
  }
  return beste;
}

std::optional<Tangentialbogen> tangentialbogen(const Kreisform& k1, Weltpunkt klick1, const Kreisform& k2,
                                               Weltpunkt klick2, double r) {
  if (!(r > 0) || !(k1.r > 0) || !(k2.r > 0)) return std::nullopt;
  std::optional<Tangentialbogen> bester;
  double besterAbstand = 0;
  // The centre lies r + r1 from a circle it touches from outside and r - r1
  // from one it encloses; either way the touching point is r from the centre
  // towards the circle's centre.
  for (const int s1 : {1, -1}) {
    for (const int s2 : {1, -1}) {
      const double d1 = r + s1 * k1.r, d2 = r + s2 * k2.r;
      if (!(d1 > 0) || !(d2 > 0)) continue;
      for (const Weltpunkt& m : kreisschnitt(k1.mitte, d1, k2.mitte, d2)) {
        Tangentialbogen b;
        b.mitte = m;
        b.r = r;
        const double e1 = abstand(m, k1.mitte), e2 = abstand(m, k2.mitte);
        b.t1 = {m.x + r * (k1.mitte.x - m.x) / e1, m.y + r * (k1.mitte.y - m.y) / e1};
        b.t2 = {m.x + r * (k2.mitte.x - m.x) / e2, m.y + r * (k2.mitte.y - m.y) / e2};
        const double w1 = winkelAmKreis(m, b.t1), w2 = winkelAmKreis(m, b.t2);
        double spanne = w2 - w1;
        if (spanne < 0) spanne += 360;
        // The shorter way between the touching points joins the circles.
        if (spanne <= 180) {
          b.start = w1, b.ende = w1 + spanne;
        } else {
          b.start = w2, b.ende = w2 + 360 - spanne;
        }
        const double a = abstand(b.t1, klick1) + abstand(b.t2, klick2);
        if (!bester || a < besterAbstand) bester = b, besterAbstand = a;
      }
    }
  }
  return bester;
}

std::optional<double> konzentrischerRadius(double r, double abstand, int k, bool aussen) {
  const double neu = aussen ? r + k * abstand : r - k * abstand;
  if (!(neu > 0) || !std::isfinite(neu)) return std::nullopt;
  return neu;
}

}  // namespace quarzel
