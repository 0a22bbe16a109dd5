#include "render/bogengeometrie.h"

#include <cmath>
#include <numbers>

namespace quarzel {

namespace {

constexpr double grad = std::numbers::pi / 180;
// Angles this close to an end of the arc still lie on it.
constexpr double winkelspiel = 1e-9;

void cosSin(double tGrad, double& c, double& s) {
  double r = std::fmod(tGrad, 360.0);
  if (r < 0) r += 360;
  if (r == 0 || r == 90 || r == 180 || r == 270) {
    const int viertel = static_cast<int>(r / 90);
    static constexpr double cw[4] = {1, 0, -1, 0}, sw[4] = {0, 1, 0, -1};
    c = cw[viertel];
    s = sw[viertel];
    return;
  }
  c = std::cos(tGrad * grad);
  s = std::sin(tGrad * grad);
}

}  // namespace

Weltpunkt Ellipsenbogen::punkt(double tGrad) const {
  double c, s;
  cosSin(tGrad, c, s);
  const double u = xr * c, v = -yr * s;
  return {mitte.x + u * cosDreh + v * sinDreh, mitte.y - u * sinDreh + v * cosDreh};
}

double Ellipsenbogen::winkelVon(Weltpunkt p) const {
  const double dx = p.x - mitte.x, dy = p.y - mitte.y;
  const double u = dx * cosDreh - dy * sinDreh, v = dx * sinDreh + dy * cosDreh;
  // atan2(-v / yr, u / xr) without dividing by a radius that may be zero.
  return std::atan2(-v * xr, u * yr) / grad;
}

bool Ellipsenbogen::enthaelt(double tGrad) const {
  if (voll) return true;
  double dt = std::fmod(tGrad - start, 360.0);
  if (dt < 0) dt += 360;
  return dt <= spanne + winkelspiel || dt >= 360 - winkelspiel;
}

Weltpunkt Ellipsenbogen::einheitskreis(Weltpunkt p) const {
  const double dx = p.x - mitte.x, dy = p.y - mitte.y;
  const double u = dx * cosDreh - dy * sinDreh, v = dx * sinDreh + dy * cosDreh;
  return {u / xr, -v / yr};
}

Weltrechteck Ellipsenbogen::umgebung() const {
  const double hx = std::hypot(xr * cosDreh, yr * sinDreh);
  const double hy = std::hypot(xr * sinDreh, yr * cosDreh);
  return {mitte.x - hx, mitte.y - hy, mitte.x + hx, mitte.y + hy};
}

std::optional<Ellipsenbogen> ellipsenbogen(const tbogendaten& d) {
  const double start = d.startwinkel, ende = d.endwinkel, dreh = d.drehwinkel;
  for (double v : {d.xm, d.ym, d.xr, d.yr, start, ende, dreh})
    if (!std::isfinite(v)) return std::nullopt;
  Ellipsenbogen b;
  b.mitte = {d.xm, d.ym};
  b.xr = std::fabs(d.xr);
  b.yr = std::fabs(d.yr);
  b.start = start;
  const double roh = ende - start;
  b.voll = roh >= 360 || roh <= -360;
  b.spanne = b.voll ? 360 : (roh < 0 ? roh + 360 : roh);
  b.cosDreh = std::cos(dreh * grad);
  b.sinDreh = std::sin(dreh * grad);
  return b;
}

}  // namespace quarzel
