#include "edit/flaechenberechnung.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "edit/elementumriss.h"
#include "render/bemassungstext.h"
#include "render/bogengeometrie.h"
#include "render/kurvenpunkte.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

constexpr double kPi = std::numbers::pi;
// Seam ends are copies of one point, or differ by the last bits of a
// sampled circle: a hundred-thousandth of a millimetre tells them apart
// from any real edge.
constexpr double kNahtraster = 1e5;
// Ellipses are measured along this many chords per turn: off by less than
// a ten-millionth of their length.
constexpr int kEllipsensehnen = 8192;
constexpr int kBeziersehnen = 1024;
// Splines are sampled at a hundredth of a millimetre per "pixel".
constexpr double kSplineraster = 100;

bool gleich(Weltpunkt a, Weltpunkt b) {
  return a.x == b.x && a.y == b.y;
}

double laenge(Weltpunkt a, Weltpunkt b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

// The edges of the closed outline as index pairs into `p` (the last edge back to 0).
std::size_t kanten(std::span<const Weltpunkt> p) {
  if (p.size() < 2) return 0;
  return gleich(p.front(), p.back()) ? p.size() - 1 : p.size();
}

std::vector<Weltpunkt> punkteVon(const Tpolygondaten& d) {
  const std::size_t k = std::min(d.x.size(), d.y.size());
  std::vector<Weltpunkt> p;
  p.reserve(k);
  for (std::size_t i = 0; i < k; ++i) p.push_back({d.x[i], d.y[i]});
  return p;
}

std::vector<Weltpunkt> splineUmriss(const Tpolygondaten& d) {
  std::vector<Pixelpunkt> stuetz, aus;
  const std::size_t k = std::min(d.x.size(), d.y.size());
  for (std::size_t i = 0; i < k; ++i) stuetz.push_back({d.x[i] * kSplineraster, d.y[i] * kSplineraster});
  const bool zu = (k > 1 && d.x[0] == d.x[k - 1] && d.y[0] == d.y[k - 1]) || d.fuellung.gefuellt != 0;
  splinepunkte(stuetz, zu, aus);
  std::vector<Weltpunkt> p;
  p.reserve(aus.size());
  for (const Pixelpunkt& q : aus) p.push_back({q.x / kSplineraster, q.y / kSplineraster});
  return p;
}

std::vector<Weltpunkt> bezierUmriss(const std::array<double, 8>& b) {
  std::vector<Weltpunkt> p;
  for (int i = 0; i <= kBeziersehnen; ++i) {
    const double t = double(i) / kBeziersehnen, m = 1 - t;
    const double k0 = m * m * m, k1 = 3 * m * m * t, k2 = 3 * m * t * t, k3 = t * t * t;
    p.push_back({k0 * b[0] + k1 * b[2] + k2 * b[4] + k3 * b[6], k0 * b[1] + k1 * b[3] + k2 * b[5] + k3 * b[7]});
  }
  return p;
}

std::vector<Weltpunkt> bogenUmriss(const Ellipsenbogen& b, int sehnenJeUmlauf) {
  const int k = std::max(4, int(std::ceil(sehnenJeUmlauf * b.spanne / 360)));
  const double start = std::fmod(b.start, 360.0);
  std::vector<Weltpunkt> p;
  p.reserve(std::size_t(k) + 1);
  for (int i = 0; i <= k; ++i) p.push_back(b.punkt(start + b.spanne * i / k));
  return p;
}

// Area (mm²) and perimeter (mm) of an arc closed by its chord, exact for
// circles; an ellipse's length is that of its fine chords.
Flaechenmass bogenmass(const Ellipsenbogen& b) {
  const double spanne = (b.voll ? 360 : std::clamp(b.spanne, 0.0, 360.0)) * kPi / 180;
  Flaechenmass m;
  m.flaeche = b.xr * b.yr / 2 * (spanne - std::sin(spanne));
  const double sehne = b.voll ? 0 : laenge(b.anfang(), b.ende());
  if (b.kreis()) {
    m.umfang = b.xr * spanne + sehne;
  } else {
    const std::vector<Weltpunkt> p = bogenUmriss(b, kEllipsensehnen);
    for (std::size_t i = 1; i < p.size(); ++i) m.umfang += laenge(p[i - 1], p[i]);
    m.umfang += sehne;
  }
  return m;
}

}  // namespace

double zeichnungseinheitenJeMm(const Zeichnung& z, int ebene) {
  const Masseinheitwahl e = einheitFuerEbene(z.ansicht, z.ebenen, ebene > 0 ? ebene : z.ebenen.aktiveEbene());
  return e.faktor * e.massstab;
}

double umrissflaecheMm2(std::span<const Weltpunkt> p) {
  const std::size_t n = kanten(p);
  if (n < 2) return 0;
  // Taken from the first point: world coordinates lie thousands of
  // millimetres from the origin, and small rooms would lose digits.
  const Weltpunkt o = p.front();
  double summe = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Weltpunkt a = p[i], b = p[(i + 1) % p.size()];
    summe += (b.x - a.x) * ((a.y - o.y) + (b.y - o.y)) / 2;
  }
  return std::fabs(summe);
}

double umrissumfangMm(std::span<const Weltpunkt> p) {
  const std::size_t n = kanten(p);
  if (n == 0) return 0;
  // Each edge by its quantised ends, smaller end first; an edge and its
  // reverse get the same key and opposite directions.
  using Schluessel = std::tuple<std::int64_t, std::int64_t, std::int64_t, std::int64_t>;
  const auto raster = [](double v) { return std::int64_t(std::llround(v * kNahtraster)); };
  struct Kante {
    Schluessel s;
    bool vorwaerts;
    double l;
  };
  std::vector<Kante> k;
  k.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const Weltpunkt a = p[i], b = p[(i + 1) % p.size()];
    const auto ra = std::make_pair(raster(a.x), raster(a.y)), rb = std::make_pair(raster(b.x), raster(b.y));
    if (ra == rb) continue;
    const bool vor = ra < rb;
    const auto& [u, v] = vor ? std::tie(ra, rb) : std::tie(rb, ra);
    k.push_back({{u.first, u.second, v.first, v.second}, vor, laenge(a, b)});
  }
  std::sort(k.begin(), k.end(), [](const Kante& x, const Kante& y) { return x.s < y.s; });
  double summe = 0;
  for (std::size_t i = 0; i < k.size();) {
    std::size_t j = i;
    int vor = 0, zurueck = 0;
    double l = 0;
    for (; j < k.size() && k[j].s == k[i].s; ++j) {
      (k[j].vorwaerts ? vor : zurueck) += 1;
      l = k[j].l;
    }
    // Walks there and back cancel in pairs; what is left is boundary.
    summe += l * std::abs(vor - zurueck);
    i = j;
  }
  return summe;
}

double rundeMesswert(double wert, bool hundertstel) {
  const double f = hundertstel ? 100 : 1000;
  return std::nearbyint(wert * f) / f + 0.0;
}

double umrissflaeche(std::span<const Weltpunkt> punkte, double k, bool hundertstel) {
  return rundeMesswert(umrissflaecheMm2(punkte) * k * k, hundertstel);
}

double umrissumfang(std::span<const Weltpunkt> punkte, double k) {
  return rundeMesswert(umrissumfangMm(punkte) * k);
}

std::vector<Weltpunkt> messumriss(const Zeichnung& z, std::int32_t n) {
  const Elementspeicher& s = z.speicher;
  if (n < 1 || n > s.anzahl()) return {};
  switch (s.art(n)) {
    case Elementart::Polygon:
      return punkteVon(s.polygon(n));
    case Elementart::Spline:
      return splineUmriss(s.polygon(n));
    case Elementart::Bezier:
      return bezierUmriss(s.bezier(n).punkte);
    case Elementart::Bogen:
      if (const auto b = ellipsenbogen(s.bogen(n))) return bogenUmriss(*b, 360);
      return {};
    default: {
      Umriss u;
      if (!elementumriss(s, n, u)) return {};
      return u.punkte;
    }
  }
}

std::optional<Flaechenmass> elementflaeche(const Zeichnung& z, std::int32_t n, bool hundertstel) {
  const Elementspeicher& s = z.speicher;
  if (n < 1 || n > s.anzahl()) return std::nullopt;
  const double k = zeichnungseinheitenJeMm(z, s.planteil(n));
  Flaechenmass mm;
  if (s.art(n) == Elementart::Bogen) {
    const auto b = ellipsenbogen(s.bogen(n));
    if (!b) return std::nullopt;
    mm = bogenmass(*b);
  } else {
    const std::vector<Weltpunkt> p = messumriss(z, n);
    if (p.empty()) return std::nullopt;
    mm = {umrissflaecheMm2(p), umrissumfangMm(p)};
  }
  if (!std::isfinite(mm.flaeche) || !std::isfinite(mm.umfang)) return std::nullopt;
  return Flaechenmass{rundeMesswert(mm.flaeche * k * k, hundertstel), rundeMesswert(mm.umfang * k)};
}

std::optional<double> elementlaenge(const Zeichnung& z, std::int32_t n) {
  const Elementspeicher& s = z.speicher;
  if (n < 1 || n > s.anzahl()) return std::nullopt;
  double mm = 0;
  const auto weg = [&mm](const std::vector<Weltpunkt>& p) {
    for (std::size_t i = 1; i < p.size(); ++i) mm += laenge(p[i - 1], p[i]);
  };
  switch (s.art(n)) {
    case Elementart::Bogen: {
      const auto b = ellipsenbogen(s.bogen(n));
      if (!b) return std::nullopt;
      const double spanne = b->voll ? 360 : b->spanne;
      if (b->kreis())
        mm = b->xr * spanne * kPi / 180;
      else
        weg(bogenUmriss(*b, kEllipsensehnen));
      break;
    }
    case Elementart::Spline:
    case Elementart::Bezier:
      weg(messumriss(z, n));
      break;
    case Elementart::Bemassung: {
      const auto& g = s.bemassung(n).geometrie;
      mm = laenge({g[4], g[5]}, {g[6], g[7]});
      break;
    }
    case Elementart::Linie:
    case Elementart::Wandlinie2:
    case Elementart::Polygon: {
      Umriss u;
      if (!elementumriss(s, n, u)) return std::nullopt;
      weg(u.punkte);
      break;
    }
    default:
      return std::nullopt;
  }
  if (!std::isfinite(mm)) return std::nullopt;
  return rundeMesswert(mm * zeichnungseinheitenJeMm(z, s.planteil(n)));
}

}  // namespace quarzel
