// Plane geometry shared by snapping and construction: the perpendicular foot,
// the nearest point of a segment and the crossing of two segments. All in
// world millimetres; nothing here knows elements or pixels.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "view/ansicht.h"

namespace quarzel {

// Below this a coordinate difference counts as zero for the foot: the line is
// vertical or horizontal and the slope is not formed.
inline constexpr double lotToleranz = 1e-7;

// The foot F of the perpendicular from P onto the line through A and B.
// |Bx - Ax| < lotToleranz: vertical, F = (Ax, Py); |By - Ay| < lotToleranz:
// horizontal, F = (Px, Ay); otherwise the crossing of AB with the line through
// P of slope -1/m. A and B equal (both differences tiny) count as vertical.
Weltpunkt lotfusspunkt(Weltpunkt p, Weltpunkt a, Weltpunkt b);

// The point of the segment AB nearest to P: the foot when it falls between A
// and B, otherwise the nearer end.
Weltpunkt naechsterStreckenpunkt(Weltpunkt p, Weltpunkt a, Weltpunkt b);

// The crossing S of the infinite lines AB and CD, with its place on each:
// S = A + t (B - A) = C + u (D - C). None for parallel lines or a line of no
// length. Snapping and the construction tools both compute crossings here.
struct Geradenschnitt {
  Weltpunkt s;
  double t = 0, u = 0;
};
std::optional<Geradenschnitt> geradenschnitt(Weltpunkt a, Weltpunkt b, Weltpunkt c, Weltpunkt d);

// The crossing of the segments AB and CD, ends included. Parallel and
// collinear segments (no single crossing) give none.
std::optional<Weltpunkt> streckenschnitt(Weltpunkt a, Weltpunkt b, Weltpunkt c, Weltpunkt d);

// Up to four points without allocating: what two conics can share.
struct Punktliste {
  std::array<Weltpunkt, 4> p{};
  std::size_t n = 0;
  void hinzu(Weltpunkt q) {
    if (n < p.size()) p[n++] = q;
  }
  const Weltpunkt* begin() const { return p.data(); }
  const Weltpunkt* end() const { return p.data() + n; }
  std::size_t size() const { return n; }
};

inline bool trifft(const Weltrechteck& r, Weltpunkt q) {
  return q.x >= r.x1 && q.x <= r.x2 && q.y >= r.y1 && q.y <= r.y2;
}
// Both rectangles with x1 <= x2 and y1 <= y2.
inline bool ueberlappt(const Weltrechteck& a, const Weltrechteck& b) {
  return a.x1 <= b.x2 && a.x2 >= b.x1 && a.y1 <= b.y2 && a.y2 >= b.y1;
}
Weltrechteck streckenumgebung(Weltpunkt a, Weltpunkt b);

}  // namespace quarzel
