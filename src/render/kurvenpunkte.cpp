#include "render/kurvenpunkte.h"

#include <algorithm>
#include <cmath>

namespace quarzel {

namespace {

constexpr double kGrad = M_PI / 180.0;
// Target chord length in pixels: below this a polyline looks round.
constexpr double kSehnePixel = 3.0;

double abstand(Pixelpunkt a, Pixelpunkt b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

bool endlich(Pixelpunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Points per piece for a piece of `laenge` pixels.
int teile(double laenge, int mindestens, int hoechstens) {
  if (!std::isfinite(laenge)) return mindestens;
  return std::clamp(static_cast<int>(std::ceil(laenge / kSehnePixel)), mindestens, hoechstens);
}

}  // namespace

void bogenpunkte(const Ellipsenbogen& b, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  const double radiusPixel = std::max(b.xr, b.yr) / lauf.zoom();
  const double bogenlaenge = radiusPixel * b.spanne * kGrad;
  const int n = teile(bogenlaenge, 8, 4096);
  aus.reserve(n + 1);
  // A start far outside one turn would swallow the small steps added to it.
  const double start = std::fmod(b.start, 360.0);
  for (int i = 0; i <= n; ++i) {
    const Weltpunkt p = b.punkt(start + b.spanne * i / n);
    aus.push_back(lauf.nachPixel(p.x, p.y));
  }
  if (b.voll) aus.back() = aus.front();  // close exactly, without a rounding gap
}

void bogenBezier(const Ellipsenbogen& b, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  const int stuecke = std::max(1, static_cast<int>(std::ceil(b.spanne / 90.0 - 1e-9)));
  const double schritt = b.spanne / stuecke * kGrad;
  // Tangent length of a piece spanning `schritt` radians of the parameter.
  const double k = 4.0 / 3.0 * std::tan(schritt / 4);
  // The derivative of P(t) = centre + turn(xr cos t, -yr sin t), per radian.
  const auto tangente = [&](double t) -> Weltpunkt {
    const double dx = -b.xr * std::sin(t), dy = -b.yr * std::cos(t);
    return {dx * b.cosDreh + dy * b.sinDreh, -dx * b.sinDreh + dy * b.cosDreh};
  };
  const double start = std::fmod(b.start, 360.0);
  Weltpunkt p = b.punkt(start);
  aus.reserve(static_cast<std::size_t>(3 * stuecke + 1));
  aus.push_back(lauf.nachPixel(p.x, p.y));
  for (int i = 0; i < stuecke; ++i) {
    const double t0 = start * kGrad + i * schritt, t1 = t0 + schritt;
    const Weltpunkt q = b.punkt(start + b.spanne * (i + 1) / stuecke);
    const Weltpunkt d0 = tangente(t0), d1 = tangente(t1);
    aus.push_back(lauf.nachPixel(p.x + k * d0.x, p.y + k * d0.y));
    aus.push_back(lauf.nachPixel(q.x - k * d1.x, q.y - k * d1.y));
    aus.push_back(lauf.nachPixel(q.x, q.y));
    p = q;
  }
  if (b.voll) aus.back() = aus.front();  // close exactly, without a rounding gap
}

void splinepunkte(std::span<const Pixelpunkt> stuetzpunkte, bool geschlossen, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  std::vector<Pixelpunkt> p;
  p.reserve(stuetzpunkte.size() + 3);
  for (const Pixelpunkt& q : stuetzpunkte)
    if (endlich(q) && (p.empty() || q.x != p.back().x || q.y != p.back().y)) p.push_back(q);
  if (geschlossen && p.size() > 1 && p.front().x == p.back().x && p.front().y == p.back().y) p.pop_back();
  if (p.size() < 3) geschlossen = false;
  if (p.size() < 2) {
    aus = p;
    return;
  }
  const std::size_t m = p.size();
  const std::size_t stuecke = geschlossen ? m : m - 1;
  // Share the point budget among the pieces.
  const int hoechstensProStueck = static_cast<int>(std::clamp<std::size_t>(kHoechstePunktzahl / stuecke, 1, 64));
  auto punkt = [&](std::ptrdiff_t i) -> Pixelpunkt {
    const auto mm = static_cast<std::ptrdiff_t>(m);
    if (geschlossen) return p[static_cast<std::size_t>((i % mm + mm) % mm)];
    if (i < 0) return {2 * p[0].x - p[1].x, 2 * p[0].y - p[1].y};
    if (i >= mm) return {2 * p[m - 1].x - p[m - 2].x, 2 * p[m - 1].y - p[m - 2].y};
    return p[static_cast<std::size_t>(i)];
  };
  // Knot spacing of the centripetal parametrisation; never zero.
  auto knoten = [](Pixelpunkt a, Pixelpunkt b) { return std::max(std::sqrt(abstand(a, b)), 1e-6); };
  auto mische = [](Pixelpunkt a, Pixelpunkt b, double ta, double tb, double t) -> Pixelpunkt {
    const double s = (t - ta) / (tb - ta);
    return {a.x + (b.x - a.x) * s, a.y + (b.y - a.y) * s};
  };
  aus.push_back(p[0]);
  for (std::size_t i = 0; i < stuecke; ++i) {
    const auto k = static_cast<std::ptrdiff_t>(i);
    const Pixelpunkt p0 = punkt(k - 1), p1 = punkt(k), p2 = punkt(k + 1), p3 = punkt(k + 2);
    const double t0 = 0, t1 = t0 + knoten(p0, p1), t2 = t1 + knoten(p1, p2), t3 = t2 + knoten(p2, p3);
    const int n = teile(abstand(p1, p2), std::min(2, hoechstensProStueck), hoechstensProStueck);
    for (int j = 1; j <= n; ++j) {
      const double t = t1 + (t2 - t1) * j / n;
      const Pixelpunkt a1 = mische(p0, p1, t0, t1, t), a2 = mische(p1, p2, t1, t2, t), a3 = mische(p2, p3, t2, t3, t);
      const Pixelpunkt b1 = mische(a1, a2, t0, t2, t), b2 = mische(a2, a3, t1, t3, t);
      aus.push_back(j == n ? p2 : mische(b1, b2, t1, t2, t));
    }
  }
}

void bezierpunkte(const std::array<double, 8>& k, const Zeichenlauf& lauf, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  std::array<Pixelpunkt, 4> p;
  for (int i = 0; i < 4; ++i) p[i] = lauf.nachPixel(k[2 * i], k[2 * i + 1]);
  for (const Pixelpunkt& q : p)
    if (!endlich(q)) return;
  // The control polygon is never shorter than the curve.
  const double laenge = abstand(p[0], p[1]) + abstand(p[1], p[2]) + abstand(p[2], p[3]);
  const int n = teile(laenge, 8, 1024);
  aus.reserve(n + 1);
  for (int i = 0; i <= n; ++i) {
    const double t = static_cast<double>(i) / n, s = 1 - t;
    const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
    aus.push_back(
        {a * p[0].x + b * p[1].x + c * p[2].x + d * p[3].x, a * p[0].y + b * p[1].y + c * p[2].y + d * p[3].y});
  }
}

}  // namespace quarzel
