#include "view/clip.h"

#include <algorithm>
#include <cmath>

namespace quarzel {

namespace {

// NaN compares false everywhere, so a NaN end point never makes a segment
// count as outside; the canvas then decides. That is the safe direction.
bool beideLinks(const Cliprechteck& r, double a, double b) {
  return a < r.links && b < r.links;
}
bool beideRechts(const Cliprechteck& r, double a, double b) {
  return a > r.rechts && b > r.rechts;
}
bool beideOben(const Cliprechteck& r, double a, double b) {
  return a < r.oben && b < r.oben;
}
bool beideUnten(const Cliprechteck& r, double a, double b) {
  return a > r.unten && b > r.unten;
}

}  // namespace

bool clip(const Cliprechteck& r, double x1, double y1, double x2, double y2) {
  return !(beideLinks(r, x1, x2) || beideRechts(r, x1, x2) || beideOben(r, y1, y2) || beideUnten(r, y1, y2));
}

bool bogenclip(const Cliprechteck& r, double xm, double ym, double rx, double ry) {
  const double radius = std::max(std::fabs(rx), std::fabs(ry));
  return clip(r, xm - radius, ym - radius, xm + radius, ym + radius);
}

bool polygonclip(const Cliprechteck& r, std::span<const Pixelpunkt> punkte) {
  if (punkte.empty()) return false;
  bool links = true, rechts = true, oben = true, unten = true;
  for (const Pixelpunkt& p : punkte) {
    links = links && p.x < r.links;
    rechts = rechts && p.x > r.rechts;
    oben = oben && p.y < r.oben;
    unten = unten && p.y > r.unten;
    if (!(links || rechts || oben || unten)) return true;
  }
  return false;
}

bool cursorclip(const Cliprechteck& r, double x, double y) {
  return r.enthaelt({x, y});
}

bool schneideStrecke(const Cliprechteck& r, double x0, double y0, double dx, double dy, double& ta, double& tb) {
  // Each edge bounds t from one side.
  const auto grenze = [&](double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > tb) return false;
      ta = std::max(ta, t);
    } else {
      if (t < ta) return false;
      tb = std::min(tb, t);
    }
    return true;
  };
  return grenze(-dx, x0 - r.links) && grenze(dx, r.rechts - x0) && grenze(-dy, y0 - r.oben) &&
         grenze(dy, r.unten - y0) && ta <= tb;
}

}  // namespace quarzel
