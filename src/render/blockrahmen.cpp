#include "render/blockrahmen.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "store/elementspeicher.h"

namespace quarzel {

namespace {

struct Ausdehnung {
  Blockrahmen::Rahmen& r;
  bool punkt(double x, double y) {
    if (!std::isfinite(x) || !std::isfinite(y)) return false;
    r.links = std::min(r.links, x);
    r.rechts = std::max(r.rechts, x);
    r.oben = std::min(r.oben, y);
    r.unten = std::max(r.unten, y);
    return true;
  }
  void stift(std::uint8_t s) { r.stifte[s >> 6] |= std::uint64_t(1) << (s & 63); }
};

// Adds element n's extent to the box; false when it cannot be known.
bool dehneAus(const Elementspeicher& s, std::int32_t n, Ausdehnung& a) {
  switch (s.art(n)) {
    case Elementart::Frei:
      return true;
    case Elementart::Linie:
    case Elementart::Wandlinie1:
    case Elementart::Wandlinie2: {
      const Tliniendaten& d = s.linie(n);
      a.stift(d.stift);
      return a.punkt(d.x1, d.y1) && a.punkt(d.x2, d.y2);
    }
    case Elementart::Bogen: {
      const tbogendaten& d = s.bogen(n);
      const double r = std::max(std::fabs(d.xr), std::fabs(d.yr));
      a.stift(d.stift);
      return a.punkt(d.xm - r, d.ym - r) && a.punkt(d.xm + r, d.ym + r);
    }
    case Elementart::Polygon:
    case Elementart::Verlauf: {
      const Tpolygondaten& d = s.polygon(n);
      a.stift(d.stift);
      const std::size_t m = std::min(d.x.size(), d.y.size());
      for (std::size_t i = 0; i < m; ++i)
        if (!a.punkt(d.x[i], d.y[i])) return false;
      return true;
    }
    case Elementart::Bezier: {
      // The curve stays within the hull of its control points.
      const Tbezierdaten& d = s.bezier(n);
      a.stift(d.stift);
      for (int i = 0; i < 4; ++i)
        if (!a.punkt(d.punkte[2 * i], d.punkte[2 * i + 1])) return false;
      return true;
    }
    // Extent not known from the record (see the header); group brackets
    // must be seen for the group depth.
    case Elementart::Spline:
    case Elementart::Bemassung:
    case Elementart::Gruppenanfang:
    case Elementart::Gruppenende:
    case Elementart::Bitmap:
    case Elementart::Fuellung:
    case Elementart::Text:
    case Elementart::Kommentar:
    case Elementart::Metafile:
      return false;
  }
  return false;
}

}  // namespace

void Blockrahmen::aktualisiere(const Elementspeicher& s) {
  if (speicher_ == &s && zaehler_ == s.aenderungszaehler() && gesamt_ == s.gesamtanzahl()) return;
  speicher_ = &s;
  zaehler_ = s.aenderungszaehler();
  gesamt_ = s.gesamtanzahl();
  ++neubauten_;
  constexpr double inf = std::numeric_limits<double>::infinity();
  rahmen_.assign(block(gesamt_) + 1, Rahmen{inf, inf, -inf, -inf});
  for (std::int32_t n = 1; n <= gesamt_; ++n) {
    Rahmen& r = rahmen_[block(n)];
    if (r.unbeschraenkt) continue;
    Ausdehnung a{r};
    if (!dehneAus(s, n, a)) r.unbeschraenkt = true;
  }
}

}  // namespace quarzel
