#include "platform/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace quarzel {

namespace {

// Chords of a flattened curve are at most this long in pixels: as fine as the
// renderer samples arcs for the screen.
constexpr double kSehne = 3.0;
constexpr int kHoechstensProStueck = 1024;

double abstand(Pixelpunkt a, Pixelpunkt b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

}  // namespace

void Canvas::strecken(std::span<const Pixelpunkt> paare) {
  for (std::size_t i = 0; i + 1 < paare.size(); i += 2) polylinie(paare.subspan(i, 2));
}

void Canvas::bezierzug(std::span<const Pixelpunkt> punkte) {
  if (punkte.size() < 4) return;
  std::vector<Pixelpunkt> zug{punkte[0]};
  for (std::size_t i = 0; i + 3 < punkte.size(); i += 3) {
    const Pixelpunkt p0 = punkte[i], p1 = punkte[i + 1], p2 = punkte[i + 2], p3 = punkte[i + 3];
    // The control polygon is never shorter than the curve.
    const double laenge = abstand(p0, p1) + abstand(p1, p2) + abstand(p2, p3);
    const int n =
        std::isfinite(laenge) ? std::clamp(static_cast<int>(std::ceil(laenge / kSehne)), 1, kHoechstensProStueck) : 1;
    for (int j = 1; j <= n; ++j) {
      const double t = static_cast<double>(j) / n, s = 1 - t;
      const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
      zug.push_back({a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y});
    }
    zug.back() = p3;
  }
  polylinie(zug);
}

}  // namespace quarzel
