#include "store/elementabbildung.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace quarzel {

namespace {

constexpr double grad = std::numbers::pi / 180;

// An angle carried by the map: turned by the map's angle, or mirrored about it.
double neuerWinkel(const Abbildung& a, double w) {
  return a.gespiegelt() ? a.winkel() - w : w + a.winkel();
}

// Keeps stored angles in a familiar range without changing their meaning.
double normiert(double w) {
  if (!std::isfinite(w)) return w;
  w = std::fmod(w, 360.0);
  return w < 0 ? w + 360 : w;
}

void punkt(const Abbildung& a, double& x, double& y) {
  const Weltpunkt p = a({x, y});
  x = p.x;
  y = p.y;
}

template <std::size_t N>
void paare(const Abbildung& a, std::array<double, N>& w, std::size_t anzahl) {
  for (std::size_t i = 0; i / 2 < anzahl && i + 1 < N; i += 2) punkt(a, w[i], w[i + 1]);
}

// Bitmap and metafile frames: two corners of an upright rectangle and its
// turn. Under a turn or mirror the rectangle keeps its shape; its centre
// moves and the turn follows.
void rahmen(const Abbildung& a, std::array<double, 6>& q) {
  if (!a.dreht()) {
    paare(a, q, 2);
    return;
  }
  const double hx = (q[2] - q[0]) / 2 * a.f, hy = (q[3] - q[1]) / 2 * a.f;
  const Weltpunkt m = a({q[0] + (q[2] - q[0]) / 2, q[1] + (q[3] - q[1]) / 2});
  q[0] = m.x - hx;
  q[1] = m.y - hy;
  q[2] = m.x + hx;
  q[3] = m.y + hy;
  q[4] = normiert(neuerWinkel(a, q[4]));
}

void bogen(const Abbildung& a, tbogendaten& d) {
  punkt(a, d.xm, d.ym);
  d.xr *= a.f;
  d.yr *= a.f;
  if (!a.dreht()) return;
  if (!a.gespiegelt()) {
    d.drehwinkel = float(normiert(d.drehwinkel + a.winkel()));
    return;
  }
  // Mirrored: the parameter runs backwards, so the arc from s to e becomes
  // the arc from -e to -s; the span stays.
  const double spanne = double(d.endwinkel) - double(d.startwinkel);
  const double start = normiert(-double(d.endwinkel));
  d.startwinkel = float(start);
  d.endwinkel = float(start + spanne);
  d.drehwinkel = float(normiert(a.winkel() - d.drehwinkel));
}

}  // namespace

Abbildung Abbildung::verschiebung(double dx, double dy) {
  Abbildung a;
  a.tx = dx;
  a.ty = dy;
  return a;
}

Abbildung Abbildung::drehung(Weltpunkt m, double w) {
  const double c = std::cos(w * grad), s = std::sin(w * grad);
  Abbildung a;
  // Screen y grows downward: counter-clockwise on the screen.
  a.m00 = c;
  a.m01 = s;
  a.m10 = -s;
  a.m11 = c;
  a.tx = m.x - (c * m.x + s * m.y);
  a.ty = m.y - (-s * m.x + c * m.y);
  return a;
}

Abbildung Abbildung::spiegelung(Weltpunkt p, Weltpunkt q) {
  const double dx = q.x - p.x, dy = q.y - p.y;
  const double l = std::hypot(dx, dy);
  if (!(l > 0) || !std::isfinite(l)) return {};
  const double ux = dx / l, uy = dy / l;
  Abbildung a;
  a.m00 = 2 * ux * ux - 1;
  a.m01 = 2 * ux * uy;
  a.m10 = 2 * ux * uy;
  a.m11 = 2 * uy * uy - 1;
  a.tx = p.x - (a.m00 * p.x + a.m01 * p.y);
  a.ty = p.y - (a.m10 * p.x + a.m11 * p.y);
  return a;
}

Abbildung Abbildung::streckung(Weltpunkt m, double faktor) {
  Abbildung a;
  a.m00 = a.m11 = a.f = faktor;
  a.cx = m.x;
  a.cy = m.y;
  return a;
}

Abbildung Abbildung::nach(const Abbildung& zuerst) const {
  // Both in the form p' = M p + t first.
  const auto ohneMitte = [](Abbildung a) {
    a.tx += a.cx - (a.m00 * a.cx + a.m01 * a.cy);
    a.ty += a.cy - (a.m10 * a.cx + a.m11 * a.cy);
    a.cx = a.cy = 0;
    return a;
  };
  const Abbildung z = ohneMitte(zuerst);
  const Abbildung d = ohneMitte(*this);
  return d.nachOhneMitte(z);
}

Abbildung Abbildung::nachOhneMitte(const Abbildung& z) const {
  Abbildung r;
  r.f = f * z.f;
  r.m00 = m00 * z.m00 + m01 * z.m10;
  r.m01 = m00 * z.m01 + m01 * z.m11;
  r.m10 = m10 * z.m00 + m11 * z.m10;
  r.m11 = m10 * z.m01 + m11 * z.m11;
  r.tx = m00 * z.tx + m01 * z.ty + tx;
  r.ty = m10 * z.tx + m11 * z.ty + ty;
  return r;
}

double Abbildung::winkel() const {
  return std::atan2(-m10, m00) / grad;
}

bool Abbildung::endlich() const {
  for (double v : {m00, m01, m10, m11, tx, ty, cx, cy, f})
    if (!std::isfinite(v)) return false;
  return f > 0;
}

void bildeAb(Elementspeicher& s, std::int32_t n, const Abbildung& a) {
  if (n < 1 || n > s.gesamtanzahl() || !a.endlich()) return;
  const Elementart art = s.art(n);
  switch (art) {
    case Elementart::Frei:
      return;
    case Elementart::Linie:
    case Elementart::Wandlinie1:
    case Elementart::Wandlinie2: {
      Tliniendaten& d = s.linie(n);
      punkt(a, d.x1, d.y1);
      punkt(a, d.x2, d.y2);
      break;
    }
    case Elementart::Bogen:
      bogen(a, s.bogen(n));
      break;
    case Elementart::Polygon:
    case Elementart::Spline:
    case Elementart::Verlauf: {
      Tpolygondaten& d = s.polygon(n);
      for (std::size_t i = 0; i < d.x.size() && i < d.y.size(); ++i) punkt(a, d.x[i], d.y[i]);
      if (a.dreht()) d.fuellung.schraffurWinkel = float(normiert(neuerWinkel(a, d.fuellung.schraffurWinkel)));
      break;
    }
    case Elementart::Bezier:
      paare(a, s.bezier(n).punkte, 4);
      break;
    case Elementart::Bemassung: {
      tmessdaten& d = s.bemassung(n);
      paare(a, d.geometrie, 4);
      // Angles and arcs run counter-clockwise from the second point to the
      // third; a mirror would turn them the other way round.
      if (a.gespiegelt() && d.typ >= 5 && d.typ <= 7) {
        std::swap(d.geometrie[2], d.geometrie[4]);
        std::swap(d.geometrie[3], d.geometrie[5]);
      }
      d.texthoehe *= a.f;
      if (a.dreht()) d.textwinkel = normiert(neuerWinkel(a, d.textwinkel));
      break;
    }
    case Elementart::Gruppenanfang:
    case Elementart::Gruppenende: {
      // The frame stays an upright box around the moved corners.
      auto& r = s.gruppe(n).rahmen;
      const Weltpunkt e[4] = {a({r[0], r[1]}), a({r[2], r[1]}), a({r[2], r[3]}), a({r[0], r[3]})};
      r = {std::min({e[0].x, e[1].x, e[2].x, e[3].x}), std::min({e[0].y, e[1].y, e[2].y, e[3].y}),
           std::max({e[0].x, e[1].x, e[2].x, e[3].x}), std::max({e[0].y, e[1].y, e[2].y, e[3].y})};
      break;
    }
    case Elementart::Bitmap:
    case Elementart::Fuellung:
      rahmen(a, s.bitmap(n).platzierung);
      break;
    case Elementart::Metafile:
      rahmen(a, s.metafile(n).platzierung);
      break;
    case Elementart::Text:
    case Elementart::Kommentar: {
      Tfliestextdaten& d = s.text(n);
      punkt(a, d.x, d.y);
      d.hoehe *= a.f;
      if (a.dreht()) d.winkel = float(normiert(neuerWinkel(a, d.winkel)));
      break;
    }
  }
  s.setzeModifiziert(true);
}

}  // namespace quarzel
