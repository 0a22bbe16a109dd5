#include "edit/fangraster.h"

#include "edit/werkzeugtabelle.h"

#include <cmath>
#include <numbers>

#include "view/lineal.h"
#include "view/raster.h"

namespace quarzel {

namespace {

constexpr double grad = std::numbers::pi / 180;
// No tick distance needs more divisions than this; it only stops absurd values.
constexpr int hoechstensTeilungen = 400;

bool endlich(Pixelpunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

}  // namespace

double rundeAufTeilung(double c, double o, double s) {
  if (c >= o) return o + std::trunc((c - o + s / 2) / s) * s;
  return o - std::trunc((o - c + s / 2) / s) * s;
}

double linealfangschritt(double strichabstand) {
  if (!(strichabstand > 0) || !std::isfinite(strichabstand)) return 0;
  double s = strichabstand;
  for (int i = 0; s > 10.0 && i < hoechstensTeilungen; ++i) s /= 10;
  return s;
}

std::optional<Pixelpunkt> linealfang(const Ansicht& a, bool modell, double x, double y) {
  const double s = linealfangschritt(linealschritte(a, modell).kleinPixel);
  if (s == 0) return std::nullopt;
  const Pixelpunkt o = a.worldToPixel(a.zeroPoint.x, a.zeroPoint.y);
  const Pixelpunkt p{rundeAufTeilung(x, o.x, s), rundeAufTeilung(y, o.y, s)};
  if (!endlich(p)) return std::nullopt;
  return p;
}

std::optional<Pixelpunkt> rasterknoten(const Ansicht& a, double x, double y) {
  const double sx = a.gridSpacingX / a.zoom, sy = a.gridSpacingY / a.zoom;
  if (!(sx > 0 && sy > 0) || !std::isfinite(sx) || !std::isfinite(sy)) return std::nullopt;
  const Pixelpunkt o = a.worldToPixel(a.gridOrigin.x, a.gridOrigin.y);
  const double w = normierterRasterwinkel(a.gridAngle);
  Pixelpunkt p;
  if (w == 0) {
    p = {rundeAufTeilung(x, o.x, sx), rundeAufTeilung(y, o.y, sy)};
  } else {
    // The grid is drawn with lattice point (u, v) at o + (u c + v s, -u s + v c).
    const double c = std::cos(w * grad), s = std::sin(w * grad);
    const double dx = x - o.x, dy = y - o.y;
    const double u = rundeAufTeilung(c * dx - s * dy, 0, sx);
    const double v = rundeAufTeilung(s * dx + c * dy, 0, sy);
    p = {o.x + u * c + v * s, o.y - u * s + v * c};
  }
  if (!endlich(p)) return std::nullopt;
  return p;
}

Pixelpunkt winkelrunden(Pixelpunkt z, Pixelpunkt p, double schrittGrad, double coordAngleGrad) {
  if (!(schrittGrad > 0) || !std::isfinite(schrittGrad) || !std::isfinite(coordAngleGrad)) return p;
  const double dx = p.x - z.x, dy = p.y - z.y;
  const double r = std::hypot(dx, dy);
  if (!(r > 0) || !std::isfinite(r)) return p;
  // Screen y grows downward; the user's angles grow counter-clockwise.
  double alpha = std::fmod(std::atan2(-dy, dx) / grad - coordAngleGrad, 360.0);
  if (alpha < 0) alpha += 360;
  const double gerundet = std::trunc((alpha + schrittGrad / 2) / schrittGrad) * schrittGrad + coordAngleGrad;
  return {z.x + r * std::cos(gerundet * grad), z.y - r * std::sin(gerundet * grad)};
}

Pixelpunkt laengenrunden(Pixelpunkt z, Pixelpunkt p, double schrittPixel) {
  if (!(schrittPixel > 0) || !std::isfinite(schrittPixel)) return p;
  const double dx = p.x - z.x, dy = p.y - z.y;
  const double r = std::hypot(dx, dy);
  if (!(r >= schrittPixel / 2) || !std::isfinite(r)) return p;
  const double gerundet = std::trunc(r / schrittPixel + 0.5) * schrittPixel;
  return {z.x + dx * gerundet / r, z.y + dy * gerundet / r};
}

namespace {

bool hat(Werkzeugcode w, Merkmal m) {
  const Werkzeugzeile* z = werkzeugzeile(w);
  return z != nullptr && z->hat(m);
}

}  // namespace

bool ohneFangen(Werkzeugcode w) {
  return hat(w, kOhneFang);
}

bool ohneLineal(Werkzeugcode w) {
  return hat(w, kOhneLineal);
}

bool mitWinkelraster(Werkzeugcode w, int punktschritt) {
  if (hat(w, kWinkelrasterSchritt2)) return punktschritt == 2;
  return !hat(w, kOhneWinkelraster);
}

bool winkelUmBogenmitte(Werkzeugcode w, int punktschritt) {
  return hat(w, kWinkelUmBogenmitte) && (punktschritt == 3 || punktschritt == 4);
}

}  // namespace quarzel
