#include "edit/geometrie.h"

#include <algorithm>
#include <cmath>

namespace quarzel {

namespace {

// Segment parameters this far outside 0..1 still count as on the segment, so
// a crossing exactly at an end is not lost to rounding.
constexpr double endspiel = 1e-9;
// Lines whose directions' cross product is this small against their
// lengths are parallel: their crossing is not a point worth offering.
constexpr double parallelGrenze = 1e-14;

double kreuz(double ax, double ay, double bx, double by) {
  return ax * by - ay * bx;
}

}  // namespace

Weltpunkt lotfusspunkt(Weltpunkt p, Weltpunkt a, Weltpunkt b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  if (std::fabs(dx) < lotToleranz) return {a.x, p.y};
  if (std::fabs(dy) < lotToleranz) return {p.x, a.y};
  const double m = dy / dx;
  // AB: y = Ay + m (x - Ax); through P: y = Py - (x - Px) / m.
  const double x = (p.y - a.y + m * a.x + p.x / m) / (m + 1 / m);
  return {x, a.y + m * (x - a.x)};
}

Weltpunkt naechsterStreckenpunkt(Weltpunkt p, Weltpunkt a, Weltpunkt b) {
  const Weltpunkt f = lotfusspunkt(p, a, b);
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double laenge2 = dx * dx + dy * dy;
  if (!(laenge2 > 0)) return a;
  const double t = ((f.x - a.x) * dx + (f.y - a.y) * dy) / laenge2;
  if (t <= 0) return a;
  if (t >= 1) return b;
  return f;
}

std::optional<Geradenschnitt> geradenschnitt(Weltpunkt a, Weltpunkt b, Weltpunkt c, Weltpunkt d) {
  const double ux = b.x - a.x, uy = b.y - a.y;
  const double vx = d.x - c.x, vy = d.y - c.y;
  const double nenner = kreuz(ux, uy, vx, vy);
  const double laengen = std::hypot(ux, uy) * std::hypot(vx, vy);
  if (!(std::fabs(nenner) > parallelGrenze * laengen)) return std::nullopt;
  const double wx = c.x - a.x, wy = c.y - a.y;
  const double t = kreuz(wx, wy, vx, vy) / nenner;
  const double u = kreuz(wx, wy, ux, uy) / nenner;
  return Geradenschnitt{{a.x + t * ux, a.y + t * uy}, t, u};
}

std::optional<Weltpunkt> streckenschnitt(Weltpunkt a, Weltpunkt b, Weltpunkt c, Weltpunkt d) {
  const auto g = geradenschnitt(a, b, c, d);
  if (!g || !(g->t >= -endspiel && g->t <= 1 + endspiel && g->u >= -endspiel && g->u <= 1 + endspiel)) {
    return std::nullopt;
  }
  return g->s;
}

Weltrechteck streckenumgebung(Weltpunkt a, Weltpunkt b) {
  return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

}  // namespace quarzel
