#include "ui/qt/pixelclip.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace quarzel {

namespace {

bool endlich(const Pixelpunkt& p) {
  return std::isfinite(p.x) && std::isfinite(p.y);
}

// Liang-Barsky: the part of segment a-b inside r, if any. The coordinate of
// the edge that cut an end is set exactly: interpolating it across a segment
// 1e300 pixels long would lose it entirely.
std::optional<std::pair<Pixelpunkt, Pixelpunkt>> streckeBeschneiden(Pixelpunkt a, Pixelpunkt b,
                                                                    const Schutzrechteck& r) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  double t0 = 0;
  double t1 = 1;
  int kante0 = -1;
  int kante1 = -1;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x - r.links, r.rechts - a.x, a.y - r.oben, r.unten - a.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return std::nullopt;
      if (t > t0) {
        t0 = t;
        kante0 = i;
      }
    } else {
      if (t < t0) return std::nullopt;
      if (t < t1) {
        t1 = t;
        kante1 = i;
      }
    }
  }
  auto punktAuf = [&](double t, int kante, const Pixelpunkt& ende) {
    if (kante < 0) return ende;
    Pixelpunkt p{a.x + t * dx, a.y + t * dy};
    const double kanten[4] = {r.links, r.rechts, r.oben, r.unten};
    (kante < 2 ? p.x : p.y) = kanten[kante];
    p.x = std::clamp(p.x, r.links, r.rechts);
    p.y = std::clamp(p.y, r.oben, r.unten);
    return p;
  };
  return std::make_pair(punktAuf(t0, kante0, a), punktAuf(t1, kante1, b));
}

// One step of Sutherland-Hodgman against a single edge given by `innen`
// (is the point inside?) and `schnitt` (where does a-b cross the edge?).
template <typename Innen, typename Schnitt>
std::vector<Pixelpunkt> kanteBeschneiden(const std::vector<Pixelpunkt>& ein, Innen innen, Schnitt schnitt) {
  std::vector<Pixelpunkt> aus;
  if (ein.empty()) return aus;
  aus.reserve(ein.size() + 4);
  Pixelpunkt vorher = ein.back();
  bool vorherInnen = innen(vorher);
  for (const Pixelpunkt& p : ein) {
    const bool pInnen = innen(p);
    if (pInnen != vorherInnen) aus.push_back(schnitt(vorher, p));
    if (pInnen) aus.push_back(p);
    vorher = p;
    vorherInnen = pInnen;
  }
  return aus;
}

Pixelpunkt schnittX(const Pixelpunkt& a, const Pixelpunkt& b, double x) {
  const double t = (x - a.x) / (b.x - a.x);
  return {x, a.y + t * (b.y - a.y)};
}

Pixelpunkt schnittY(const Pixelpunkt& a, const Pixelpunkt& b, double y) {
  const double t = (y - a.y) / (b.y - a.y);
  return {a.x + t * (b.x - a.x), y};
}

}  // namespace

Schutzrechteck schutzrechteckFuer(int breite, int hoehe, double rand) {
  return {-rand, -rand, breite + rand, hoehe + rand};
}

bool allesInnerhalb(std::span<const Pixelpunkt> punkte, const Schutzrechteck& r) {
  return std::all_of(punkte.begin(), punkte.end(), [&](const Pixelpunkt& p) { return r.enthaelt(p); });
}

std::vector<std::vector<Pixelpunkt>> polylinieBeschneiden(std::span<const Pixelpunkt> punkte, const Schutzrechteck& r) {
  std::vector<std::vector<Pixelpunkt>> stuecke;
  std::vector<Pixelpunkt> aktuell;
  auto abschliessen = [&] {
    if (aktuell.size() >= 2) stuecke.push_back(std::move(aktuell));
    aktuell.clear();
  };
  for (std::size_t i = 1; i < punkte.size(); ++i) {
    const Pixelpunkt& a = punkte[i - 1];
    const Pixelpunkt& b = punkte[i];
    if (!endlich(a) || !endlich(b)) {
      abschliessen();
      continue;
    }
    auto teil = streckeBeschneiden(a, b, r);
    if (!teil) {
      abschliessen();
      continue;
    }
    const bool schliesstAn = !aktuell.empty() && teil->first.x == a.x && teil->first.y == a.y &&
                             aktuell.back().x == a.x && aktuell.back().y == a.y;
    if (!schliesstAn) {
      abschliessen();
      aktuell.push_back(teil->first);
    }
    aktuell.push_back(teil->second);
    // A piece that was cut at its end cannot continue with the next segment.
    if (teil->second.x != b.x || teil->second.y != b.y) abschliessen();
  }
  abschliessen();
  return stuecke;
}

std::vector<Pixelpunkt> polygonBeschneiden(std::span<const Pixelpunkt> punkte, const Schutzrechteck& r) {
  for (const Pixelpunkt& p : punkte) {
    if (!endlich(p)) return {};
  }
  std::vector<Pixelpunkt> v(punkte.begin(), punkte.end());
  v = kanteBeschneiden(
      v, [&](const Pixelpunkt& p) { return p.x >= r.links; },
      [&](const Pixelpunkt& a, const Pixelpunkt& b) { return schnittX(a, b, r.links); });
  v = kanteBeschneiden(
      v, [&](const Pixelpunkt& p) { return p.x <= r.rechts; },
      [&](const Pixelpunkt& a, const Pixelpunkt& b) { return schnittX(a, b, r.rechts); });
  v = kanteBeschneiden(
      v, [&](const Pixelpunkt& p) { return p.y >= r.oben; },
      [&](const Pixelpunkt& a, const Pixelpunkt& b) { return schnittY(a, b, r.oben); });
  v = kanteBeschneiden(
      v, [&](const Pixelpunkt& p) { return p.y <= r.unten; },
      [&](const Pixelpunkt& a, const Pixelpunkt& b) { return schnittY(a, b, r.unten); });
  return v;
}

}  // namespace quarzel
