#include "edit/figurgeometrie.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quarzel::figur {

namespace {

constexpr double grad = std::numbers::pi / 180;

double kreuz(Weltpunkt a, Weltpunkt b) {
  return a.x * b.y - a.y * b.x;
}
double skalar(Weltpunkt a, Weltpunkt b) {
  return a.x * b.x + a.y * b.y;
}

// The unit vector along AB and the one to its left as seen on screen (y down).
struct Achsen {
  Weltpunkt u, n;
  double laenge;
};
std::optional<Achsen> achsen(Weltpunkt a, Weltpunkt b) {
  const double l = abstand(a, b);
  if (!(l > 0) || !std::isfinite(l)) return std::nullopt;
  const Weltpunkt u{(b.x - a.x) / l, (b.y - a.y) / l};
  return Achsen{u, {u.y, -u.x}, l};
}

}  // namespace

double abstand(Weltpunkt a, Weltpunkt b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}
bool endlich(Weltpunkt p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

double normiereWinkel(double w) {
  if (!std::isfinite(w)) return 0;
  w = std::fmod(w, 360.0);
  if (w < 0) w += 360;
  return w >= 360 ? 0 : w;
}

double bildschirmwinkel(Weltpunkt von, Weltpunkt nach) {
  return normiereWinkel(std::atan2(-(nach.y - von.y), nach.x - von.x) / grad);
}

Weltpunkt polarpunkt(Weltpunkt c, double r, double w) {
  return {c.x + r * std::cos(w * grad), c.y - r * std::sin(w * grad)};
}

void ordneWinkel(double& start, double& ende) {
  if (!std::isfinite(start)) start = 0;
  if (!std::isfinite(ende)) ende = start + 360;
  const double spanne = ende - start;
  start = normiereWinkel(start);
  double s = std::fmod(spanne, 360.0);
  if (s <= 0) s += 360;
  ende = start + s;
}

std::optional<Weltpunkt> umkreismitte(Weltpunkt a, Weltpunkt b, Weltpunkt c) {
  const Weltpunkt ab = minus(b, a), ac = minus(c, a);
  const double d = 2 * kreuz(ab, ac);
  const double masz = std::max(skalar(ab, ab), skalar(ac, ac));
  // Points on one line (or nearly so against the figure's size) have no circle.
  if (!(std::fabs(d) > 1e-12 * masz) || !std::isfinite(d)) return std::nullopt;
  const double ab2 = skalar(ab, ab), ac2 = skalar(ac, ac);
  const Weltpunkt m{a.x + (ac.y * ab2 - ab.y * ac2) / d, a.y + (ab.x * ac2 - ac.x * ab2) / d};
  if (!endlich(m)) return std::nullopt;
  return m;
}

std::optional<Figurbogen> bogenDurchDreiPunkte(Weltpunkt a, Weltpunkt b, Weltpunkt c) {
  const auto m = umkreismitte(a, b, c);
  if (!m) return std::nullopt;
  const double r = abstand(*m, a);
  const double wa = bildschirmwinkel(*m, a), wb = bildschirmwinkel(*m, b), wc = bildschirmwinkel(*m, c);
  // Counter-clockwise from a: does b come before c? Then the arc runs a..c,
  // otherwise it runs the other way round, c..a.
  const double bisB = normiereWinkel(wb - wa), bisC = normiereWinkel(wc - wa);
  Figurbogen f{*m, r, r, wa, wc, 0};
  if (bisB > bisC) {
    f.start = wc;
    f.ende = wa;
  }
  ordneWinkel(f.start, f.ende);
  return f;
}

double ellipsenwinkel(Weltpunkt m, double xr, double yr, Weltpunkt p) {
  if (!(xr > 0) || !(yr > 0)) return bildschirmwinkel(m, p);
  return normiereWinkel(std::atan2(-(p.y - m.y) / yr, (p.x - m.x) / xr) / grad);
}

std::vector<Weltpunkt> bogenpunkte(const Figurbogen& b, std::size_t hoechstens) {
  const double spanne = std::clamp(b.ende - b.start, 0.0, 360.0);
  hoechstens = std::max<std::size_t>(hoechstens, 3);
  const std::size_t n = std::clamp<std::size_t>(static_cast<std::size_t>(std::ceil(spanne)), 2, hoechstens - 1);
  const double c = std::cos(b.dreh * grad), s = std::sin(b.dreh * grad);
  std::vector<Weltpunkt> p;
  p.reserve(n + 1);
  for (std::size_t i = 0; i <= n; ++i) {
    const double t = (b.start + spanne * static_cast<double>(i) / static_cast<double>(n)) * grad;
    // Ellipse frame with y up, turned counter-clockwise, then y down.
    const double ex = b.xr * std::cos(t), ey = b.yr * std::sin(t);
    p.push_back({b.mitte.x + ex * c - ey * s, b.mitte.y - (ex * s + ey * c)});
  }
  return p;
}

std::vector<Weltpunkt> bezierpunkte(const std::array<Weltpunkt, 4>& k, std::size_t schritte) {
  schritte = std::clamp<std::size_t>(schritte, 1, 1024);
  std::vector<Weltpunkt> p;
  p.reserve(schritte + 1);
  for (std::size_t i = 0; i <= schritte; ++i) {
    const double t = static_cast<double>(i) / static_cast<double>(schritte), u = 1 - t;
    const double w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
    p.push_back(
        {w0 * k[0].x + w1 * k[1].x + w2 * k[2].x + w3 * k[3].x, w0 * k[0].y + w1 * k[1].y + w2 * k[2].y + w3 * k[3].y});
  }
  return p;
}

std::array<Weltpunkt, 4> rechteck(Weltpunkt a, Weltpunkt b) {
  return {a, Weltpunkt{b.x, a.y}, b, Weltpunkt{a.x, b.y}};
}

std::array<Weltpunkt, 4> schraegesRechteck(Weltpunkt a, Weltpunkt b, Weltpunkt c) {
  const auto ach = achsen(a, b);
  if (!ach) return {a, b, b, a};
  const Weltpunkt h = mal(ach->n, skalar(minus(c, a), ach->n));
  return {a, b, plus(b, h), plus(a, h)};
}

std::array<Weltpunkt, 4> parallelogramm(Weltpunkt a, Weltpunkt b, Weltpunkt c) {
  return {a, b, c, plus(a, minus(c, b))};
}

std::array<Weltpunkt, 4> konus(Weltpunkt a, Weltpunkt b, Weltpunkt c) {
  const auto ach = achsen(a, b);
  if (!ach) return {a, b, b, a};
  const Weltpunkt m = mal(plus(a, b), 0.5);
  const Weltpunkt d = minus(c, m);
  const Weltpunkt oben = plus(m, mal(ach->n, skalar(d, ach->n)));
  const Weltpunkt halb = mal(ach->u, std::fabs(skalar(d, ach->u)));
  return {a, b, plus(oben, halb), minus(oben, halb)};
}

std::vector<Weltpunkt> vieleck(Weltpunkt c, Weltpunkt p, int n) {
  n = std::clamp(n, 3, 1000);
  const double r = abstand(c, p), w0 = bildschirmwinkel(c, p);
  std::vector<Weltpunkt> e;
  e.reserve(static_cast<std::size_t>(n));
  e.push_back(p);
  for (int i = 1; i < n; ++i) e.push_back(polarpunkt(c, r, w0 + 360.0 * i / n));
  return e;
}

std::vector<Weltpunkt> stern(Weltpunkt c, Weltpunkt p, int n, double verhaeltnis) {
  n = std::clamp(n, 3, 1000);
  if (!std::isfinite(verhaeltnis)) verhaeltnis = 0.5;
  verhaeltnis = std::clamp(verhaeltnis, 0.05, 0.95);
  const double r = abstand(c, p), w0 = bildschirmwinkel(c, p);
  std::vector<Weltpunkt> e;
  e.reserve(2 * static_cast<std::size_t>(n));
  e.push_back(p);
  for (int i = 1; i < 2 * n; ++i) e.push_back(polarpunkt(c, i % 2 ? r * verhaeltnis : r, w0 + 180.0 * i / n));
  return e;
}

void abgerundetesRechteck(Weltpunkt a, Weltpunkt b, double radius, Zeichenfigur& f) {
  const double x1 = std::min(a.x, b.x), x2 = std::max(a.x, b.x);
  const double y1 = std::min(a.y, b.y), y2 = std::max(a.y, b.y);
  double r = std::isfinite(radius) ? std::max(0.0, radius) : 0.0;
  r = std::min({r, (x2 - x1) / 2, (y2 - y1) / 2});
  if (!(r > 0)) {
    const auto e = rechteck(a, b);
    for (int i = 0; i < 4; ++i) f.linien.push_back({e[i], e[(i + 1) % 4]});
    return;
  }
  // y grows downward: y1 is the top edge. Sides first, then the corner arcs
  // counter-clockwise from the top right.
  // With the radius at half a side, that side's straight part vanishes.
  const auto seite = [&](Weltpunkt a, Weltpunkt b) {
    if (!gleich(a, b)) f.linien.push_back({a, b});
  };
  seite({x1 + r, y1}, {x2 - r, y1});
  seite({x2, y1 + r}, {x2, y2 - r});
  seite({x2 - r, y2}, {x1 + r, y2});
  seite({x1, y2 - r}, {x1, y1 + r});
  f.boegen.push_back({{x2 - r, y1 + r}, r, r, 0, 90, 0});
  f.boegen.push_back({{x1 + r, y1 + r}, r, r, 90, 180, 0});
  f.boegen.push_back({{x1 + r, y2 - r}, r, r, 180, 270, 0});
  f.boegen.push_back({{x2 - r, y2 - r}, r, r, 270, 360, 0});
}

std::vector<Weltpunkt> ohneWiederholungen(std::span<const Weltpunkt> punkte) {
  std::vector<Weltpunkt> p;
  p.reserve(punkte.size());
  for (const Weltpunkt& q : punkte)
    if (endlich(q) && (p.empty() || !gleich(p.back(), q))) p.push_back(q);
  return p;
}

std::vector<Weltpunkt> glaetteFreihand(std::span<const Weltpunkt> punkte) {
  std::vector<Weltpunkt> p = ohneWiederholungen(punkte);
  for (int durchgang = 0; durchgang < 2 && p.size() > 2; ++durchgang) {
    std::vector<Weltpunkt> q(p);
    for (std::size_t i = 1; i + 1 < p.size(); ++i)
      q[i] = {(p[i - 1].x + 2 * p[i].x + p[i + 1].x) / 4, (p[i - 1].y + 2 * p[i].y + p[i + 1].y) / 4};
    p = std::move(q);
  }
  return p;
}

std::optional<Figurlinie> weltgerade(Weltpunkt p, Weltpunkt d, double breite, double hoehe) {
  const double l = std::hypot(d.x, d.y);
  if (!(l > 0) || !std::isfinite(l) || !endlich(p)) return std::nullopt;
  // Liang-Barsky on the infinite line p + t d.
  double t0 = -std::numeric_limits<double>::infinity(), t1 = std::numeric_limits<double>::infinity();
  const auto grenze = [&](double q, double dq, double lo, double hi) {
    if (std::fabs(dq) < 1e-15 * l) return q >= lo && q <= hi;
    double a = (lo - q) / dq, b = (hi - q) / dq;
    if (a > b) std::swap(a, b);
    t0 = std::max(t0, a);
    t1 = std::min(t1, b);
    return t0 <= t1;
  };
  if (!grenze(p.x, d.x, 0, breite) || !grenze(p.y, d.y, 0, hoehe)) return std::nullopt;
  return Figurlinie{plus(p, mal(d, t0)), plus(p, mal(d, t1))};
}

}  // namespace quarzel::figur
