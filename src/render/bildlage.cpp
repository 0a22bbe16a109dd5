#include "render/bildlage.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quarzel {

Bildlage bitmaplage(const std::array<double, 6>& q) {
  const double links = std::min(q[0], q[2]), rechts = std::max(q[0], q[2]);
  const double oben = std::min(q[1], q[3]), unten = std::max(q[1], q[3]);
  const double winkel = std::isfinite(q[4]) ? q[4] : 0;
  const double cx = (links + rechts) / 2, cy = (oben + unten) / 2;
  const double a = winkel * std::numbers::pi / 180;
  const double c = std::cos(a), s = std::sin(a);
  // y grows downward, so counter-clockwise on the sheet turns (dx, dy) into
  // (dx·c + dy·s, −dx·s + dy·c).
  auto drehe = [&](double x, double y) {
    const double dx = x - cx, dy = y - cy;
    return Pixelpunkt{cx + dx * c + dy * s, cy - dx * s + dy * c};
  };
  return {drehe(links, oben), drehe(rechts, oben), drehe(links, unten)};
}

Bildlage metafilelage(const std::array<double, 6>& q) {
  return bitmaplage(q);
}

Bildlage bildlageInPixeln(const Bildlage& w, const Zeichenlauf& lauf) {
  return {lauf.nachPixel(w.obenLinks.x, w.obenLinks.y), lauf.nachPixel(w.obenRechts.x, w.obenRechts.y),
          lauf.nachPixel(w.untenLinks.x, w.untenLinks.y)};
}

}  // namespace quarzel
