#include "view/raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "platform/farbe.h"

namespace quarzel {

namespace {

// Beyond this many spacings from the area the lattice index loses its
// precision in a double; such a grid origin yields no dots.
constexpr double groessterIndex = 1e12;
constexpr double dichtesterAbstand = 5;

struct Gitter {
  double sx = 0, sy = 0;  // spacing in pixels
  double ox = 0, oy = 0;  // grid origin in pixels
  bool zeigen = false;
};

Gitter gitterFuer(const Ansicht& a) {
  Gitter g;
  g.sx = a.gridSpacingX / a.zoom;
  g.sy = a.gridSpacingY / a.zoom;
  if (!(g.sx > dichtesterAbstand && g.sy > dichtesterAbstand)) return g;
  if (!std::isfinite(g.sx) || !std::isfinite(g.sy)) return g;
  const Pixelpunkt p = a.worldToPixel(a.gridOrigin.x, a.gridOrigin.y);
  g.ox = p.x;
  g.oy = p.y;
  g.zeigen = std::isfinite(g.ox) && std::isfinite(g.oy) && std::fabs(g.ox / g.sx) < groessterIndex &&
             std::fabs(g.oy / g.sy) < groessterIndex;
  return g;
}

bool imBereich(int x, int y, const Ansicht& a) {
  return x >= 0 && x < a.areaWidth && y >= 0 && y < a.areaHeight;
}

void ungedreht(const Ansicht& a, const Gitter& g, const std::function<void(int, int)>& punkt) {
  // The first lattice column/row left of/above the area, then forward over it.
  const double startX = g.ox - g.sx * std::floor(g.ox / g.sx) - g.sx;
  const double startY = g.oy - g.sy * std::floor(g.oy / g.sy) - g.sy;
  for (long j = 1;; ++j) {
    const double y = startY + j * g.sy;
    if (y >= a.areaHeight + 0.5) break;
    const int zeile = Ansicht::nearestInt32(y);
    for (long i = 1;; ++i) {
      const double x = startX + i * g.sx;
      if (x >= a.areaWidth + 0.5) break;
      const int spalte = Ansicht::nearestInt32(x);
      if (imBereich(spalte, zeile, a)) punkt(spalte, zeile);
    }
  }
}

void gedreht(const Ansicht& a, const Gitter& g, double winkelGrad, const std::function<void(int, int)>& punkt) {
  const double w = winkelGrad * std::numbers::pi / 180.0;
  const double c = std::cos(w), s = std::sin(w);
  // The area's corners in the unturned lattice frame give the range of
  // lattice indices whose turned points can fall inside the area.
  double umin = INFINITY, umax = -INFINITY, vmin = INFINITY, vmax = -INFINITY;
  const double ecken[4][2] = {
      {0, 0}, {double(a.areaWidth), 0}, {0, double(a.areaHeight)}, {double(a.areaWidth), double(a.areaHeight)}};
  for (const auto& e : ecken) {
    const double dx = e[0] - g.ox, dy = e[1] - g.oy;
    const double u = c * dx - s * dy, v = s * dx + c * dy;
    umin = std::min(umin, u);
    umax = std::max(umax, u);
    vmin = std::min(vmin, v);
    vmax = std::max(vmax, v);
  }
  const double i0 = std::floor(umin / g.sx), i1 = std::ceil(umax / g.sx);
  const double j0 = std::floor(vmin / g.sy), j1 = std::ceil(vmax / g.sy);
  for (double j = j0; j <= j1; ++j) {
    const double v = j * g.sy;
    for (double i = i0; i <= i1; ++i) {
      const double u = i * g.sx;
      // Counter-clockwise on screen, as the user's coordinate system turns.
      const double px = g.ox + u * c + v * s;
      const double py = g.oy - u * s + v * c;
      const int spalte = Ansicht::nearestInt32(px), zeile = Ansicht::nearestInt32(py);
      if (imBereich(spalte, zeile, a)) punkt(spalte, zeile);
    }
  }
}

}  // namespace

double normierterRasterwinkel(double winkelGrad) {
  if (!std::isfinite(winkelGrad)) return 0;
  // Same result as subtracting (adding) 90 while above 90 (below -90), without
  // looping over huge angles.
  if (winkelGrad > 90) {
    const double r = std::fmod(winkelGrad, 90.0);
    return r == 0 ? 90 : r;
  }
  if (winkelGrad < -90) {
    const double r = std::fmod(winkelGrad, 90.0);
    return r == 0 ? -90 : r;
  }
  return winkelGrad;
}

void fuerRasterpunkte(const Ansicht& ansicht, const std::function<void(int x, int y)>& punkt) {
  const Gitter g = gitterFuer(ansicht);
  if (!g.zeigen || ansicht.areaWidth <= 0 || ansicht.areaHeight <= 0) return;
  const double winkel = normierterRasterwinkel(ansicht.gridAngle);
  if (winkel == 0) {
    ungedreht(ansicht, g, punkt);
  } else {
    gedreht(ansicht, g, winkel, punkt);
  }
}

std::vector<Rasterpixel> rasterpunkte(const Ansicht& ansicht) {
  std::vector<Rasterpixel> punkte;
  fuerRasterpunkte(ansicht, [&](int x, int y) { punkte.push_back({x, y}); });
  return punkte;
}

void rasterzeichnen(Canvas& canvas, const Ansicht& ansicht) {
  const Farbe schwarz = rgb(0, 0, 0);
  fuerRasterpunkte(ansicht, [&](int x, int y) { canvas.pixel(x, y, schwarz); });
}

}  // namespace quarzel
