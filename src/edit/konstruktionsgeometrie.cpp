#include "edit/konstruktionsgeometrie.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "edit/geometrie.h"

namespace quarzel {

namespace {

constexpr double kGrad = 180 / std::numbers::pi;

bool null(double d) {
  return std::fabs(d) < kSchnittToleranz;
}

Weltpunkt plus(Weltpunkt p, Weltpunkt r, double t) {
  return {p.x + t * r.x, p.y + t * r.y};
}

// The unit direction from S towards the side of line AB that K lies on.
std::optional<Weltpunkt> seite(Weltpunkt a, Weltpunkt b, Weltpunkt k, Weltpunkt s) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double l = std::hypot(dx, dy);
  if (!(l > 0)) return std::nullopt;
  const double t = (k.x - s.x) * dx + (k.y - s.y) * dy;
  if (t == 0) return std::nullopt;
  const double v = t > 0 ? 1 / l : -1 / l;
  return Weltpunkt{dx * v, dy * v};
}

}  // namespace

Weltpunkt linienschnitt(Weltpunkt a1, Weltpunkt b1, Weltpunkt a2, Weltpunkt b2) {
  double dx1 = b1.x - a1.x, dy1 = b1.y - a1.y;
  double dx2 = b2.x - a2.x, dy2 = b2.y - a2.y;
  // Tiny differences are none: such a line is axis-parallel and takes no slope.
  for (double* d : {&dx1, &dy1, &dx2, &dy2}) {
    if (null(*d)) *d = 0;
  }
  if ((dx1 == 0 && dy1 == 0) || (dx2 == 0 && dy2 == 0)) return {};
  if ((dx1 == 0 && dx2 == 0) || (dy1 == 0 && dy2 == 0)) return {};
  // Two sloped lines whose slopes agree to the tolerance are parallel.
  if (dx1 != 0 && dx2 != 0 && dy1 != 0 && dy2 != 0 && null(dy1 / dx1 - dy2 / dx2)) return {};
  const auto g = geradenschnitt(a1, {a1.x + dx1, a1.y + dy1}, a2, {a2.x + dx2, a2.y + dy2});
  if (!g) return {};
  const Weltpunkt s = g->s;
  if (!(s.x >= -kSchnittXGrenze && s.x <= kSchnittXGrenze && s.y >= kSchnittYUnten && s.y <= kSchnittYOben)) return {};
  return s;
}

float richtungsgrad(Weltpunkt p, Weltpunkt q) {
  // Counter-clockwise on screen, where world y grows downwards.
  const double dx = q.x - p.x, dy = p.y - q.y;
  if (dx == 0) {
    if (dy > 0) return 90.0F;
    return dy < 0 ? 270.0F : 0.0F;
  }
  double w = std::atan(dy / dx) * kGrad;
  // The arctangent gives -90..90: the quadrant comes from the coordinates.
  if (q.x < p.x) {
    w += 180;
  } else if (q.y > p.y) {
    w += 360;
  }
  const float f = static_cast<float>(w);
  return f >= 360.0F ? 0.0F : f;
}

std::optional<Ecke> ecke(Weltpunkt a1, Weltpunkt b1, Weltpunkt k1, Weltpunkt a2, Weltpunkt b2, Weltpunkt k2) {
  const Weltpunkt s = linienschnitt(a1, b1, a2, b2);
  if (keinSchnitt(s)) return std::nullopt;
  const auto r1 = seite(a1, b1, k1, s), r2 = seite(a2, b2, k2, s);
  if (!r1 || !r2) return std::nullopt;
  const double kosinus = std::clamp(r1->x * r2->x + r1->y * r2->y, -1.0, 1.0);
  const double h = std::acos(kosinus) / 2;
  if (!(h > 0 && h < std::numbers::pi / 2)) return std::nullopt;
  return Ecke{s, *r1, *r2, h};
}

std::optional<Abrundung> abrundung(const Ecke& e, double r, bool negativ) {
  if (!(r > 0) || !std::isfinite(r)) return std::nullopt;
  const double zuTangente = r / std::tan(e.halbwinkel);
  const double zuMitte = r / std::sin(e.halbwinkel);
  Weltpunkt w{e.r1.x + e.r2.x, e.r1.y + e.r2.y};
  const double lw = std::hypot(w.x, w.y);
  w = {w.x / lw, w.y / lw};
  Abrundung a;
  a.radius = r;
  a.t1 = plus(e.s, e.r1, zuTangente);
  a.t2 = plus(e.s, e.r2, zuTangente);
  a.mitte = plus(e.s, w, zuMitte);
  if (negativ) {
    // Mirrored across the chord: the chord's midpoint lies on the bisector too.
    const Weltpunkt c{(a.t1.x + a.t2.x) / 2, (a.t1.y + a.t2.y) / 2};
    a.mitte = {2 * c.x - a.mitte.x, 2 * c.y - a.mitte.y};
  }
  // The short arc between the tangent points: start where turning
  // counter-clockwise reaches the other point first.
  // World y grows downwards on screen; arc angles turn counter-clockwise there.
  double w1 = std::atan2(a.mitte.y - a.t1.y, a.t1.x - a.mitte.x) * kGrad;
  double w2 = std::atan2(a.mitte.y - a.t2.y, a.t2.x - a.mitte.x) * kGrad;
  if (w1 < 0) w1 += 360;
  if (w2 < 0) w2 += 360;
  double spanne = w2 - w1;
  if (spanne < 0) spanne += 360;
  if (spanne <= 180) {
    a.start = w1;
  } else {
    a.start = w2;
    spanne = 360 - spanne;
  }
  a.ende = a.start + spanne;
  return a;
}

std::optional<Fase> fase(const Ecke& e, double mass, bool alsAbstand) {
  if (!(mass > 0) || !std::isfinite(mass)) return std::nullopt;
  const double d = alsAbstand ? mass : mass / (2 * std::sin(e.halbwinkel));
  return Fase{plus(e.s, e.r1, d), plus(e.s, e.r2, d)};
}

std::optional<Weltpunkt> gedrehteRichtung(Weltpunkt a, Weltpunkt b, double grad) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double l = std::hypot(dx, dy);
  if (!(l > 0)) return std::nullopt;
  // Counter-clockwise on screen is clockwise in world coordinates (y down).
  const double w = -grad / kGrad, c = std::cos(w), s = std::sin(w);
  return Weltpunkt{(dx * c - dy * s) / l, (dx * s + dy * c) / l};
}

int seiteVon(Weltpunkt a, Weltpunkt b, Weltpunkt p) {
  const double k = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
  // y grows downwards: a negative cross product lies left on screen.
  return k < 0 ? 1 : k > 0 ? -1 : 0;
}

std::optional<Weltpunkt> versatzZurSeite(Weltpunkt a, Weltpunkt b, Weltpunkt p, double abstand) {
  const int seite = seiteVon(a, b, p);
  const double l = std::hypot(b.x - a.x, b.y - a.y);
  if (seite == 0 || !(l > 0)) return std::nullopt;
  // The left normal on screen of A→B is (dy, -dx) in world coordinates.
  const double f = seite * abstand / l;
  return Weltpunkt{(b.y - a.y) * f, -(b.x - a.x) * f};
}

std::pair<Weltpunkt, Weltpunkt> teilungslinie(Weltpunkt a1, Weltpunkt b1, Weltpunkt a2, Weltpunkt b2, double anteil) {
  // Line 2 turned round when its start lies nearer to the end of line 1.
  if (std::hypot(a2.x - a1.x, a2.y - a1.y) + std::hypot(b2.x - b1.x, b2.y - b1.y) >
      std::hypot(b2.x - a1.x, b2.y - a1.y) + std::hypot(a2.x - b1.x, a2.y - b1.y))
    std::swap(a2, b2);
  const auto zwischen = [anteil](Weltpunkt p, Weltpunkt q) {
    return Weltpunkt{p.x + anteil * (q.x - p.x), p.y + anteil * (q.y - p.y)};
  };
  return {zwischen(a1, a2), zwischen(b1, b2)};
}

Weltpunkt halbierende(const Ecke& e) {
  const Weltpunkt w{e.r1.x + e.r2.x, e.r1.y + e.r2.y};
  const double l = std::hypot(w.x, w.y);
  return {w.x / l, w.y / l};
}

std::array<std::pair<Weltpunkt, Weltpunkt>, 3> parallelogrammseiten(Weltpunkt a, Weltpunkt b, Weltpunkt p) {
  if (std::hypot(p.x - b.x, p.y - b.y) < std::hypot(p.x - a.x, p.y - a.y)) std::swap(a, b);
  const Weltpunkt gegenueber{p.x + b.x - a.x, p.y + b.y - a.y};
  return {{{a, p}, {p, gegenueber}, {gegenueber, b}}};
}

void schneideAb(Weltpunkt& a, Weltpunkt& b, Weltpunkt s, Weltpunkt k) {
  const Weltpunkt f = lotfusspunkt(k, a, b);
  const bool zwischenX = f.x >= std::min(s.x, b.x) && f.x <= std::max(s.x, b.x);
  const bool zwischenY = f.y >= std::min(s.y, b.y) && f.y <= std::max(s.y, b.y);
  if (zwischenX && zwischenY) {
    a = s;
  } else {
    b = s;
  }
}

}  // namespace quarzel
