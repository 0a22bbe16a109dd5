// Polygons, splines and Bézier curves: the outline as one styled polyline
// (patterns run on over the corners), fill or hatch when filled, and for open
// polygons the line ends at the first and last point.
#include <cmath>
#include <vector>

#include "render/formzeichnen.h"
#include "render/kurvenpunkte.h"
#include "render/linienenden.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

void inPixel(const Zeichenkontext& k, const Tpolygondaten& d, std::vector<Pixelpunkt>& aus) {
  aus.clear();
  const std::size_t n = std::min(d.x.size(), d.y.size());
  aus.reserve(n);
  for (std::size_t i = 0; i < n; ++i) {
    const Pixelpunkt p = k.lauf.nachPixel(d.x[i], d.y[i]);
    if (std::isfinite(p.x) && std::isfinite(p.y)) aus.push_back(p);
  }
}

bool gleich(Pixelpunkt a, Pixelpunkt b) {
  return a.x == b.x && a.y == b.y;
}

}  // namespace

void zeichneKurvenelement(Zeichenkontext& k, std::int32_t n, Zeichenteil teil) {
  const Elementspeicher& s = k.zeichnung.speicher;
  static thread_local std::vector<Pixelpunkt> ecken, punkte;
  if (s.art(n) == Elementart::Bezier) {
    const Tbezierdaten& d = s.bezier(n);
    bezierpunkte(d.punkte, k.lauf, punkte);
    if (punkte.empty() || !polygonclip(k.clip, punkte)) return;
    const bool zu = gleich(punkte.front(), punkte.back());
    zeichneUmrissUndFlaeche(k, n, punkte, zu, &d.fuellung, {d.stift, d.linienstil, k.elementfarbe(n, d.farbe)}, teil);
    return;
  }
  const Tpolygondaten& d = s.polygon(n);
  inPixel(k, d, ecken);
  if (ecken.size() < 2 || !polygonclip(k.clip, ecken)) return;
  const bool zu = gleich(ecken.front(), ecken.back());
  const std::vector<Pixelpunkt>* umriss = &ecken;
  if (s.art(n) == Elementart::Spline) {
    // A spline through its points closes on itself when its ends meet or it is filled.
    splinepunkte(ecken, zu || d.fuellung.gefuellt, punkte);
    umriss = &punkte;
  }
  const Farbe farbe = k.elementfarbe(n, d.farbe);
  zeichneUmrissUndFlaeche(k, n, *umriss, zu, &d.fuellung, {d.stift, d.linienstil, farbe}, teil);
  if (teil == Zeichenteil::NurFlaeche || zu || d.fuellung.gefuellt || (d.anfang == 0 && d.ende == 0)) return;
  const std::vector<Pixelpunkt>& u = *umriss;
  if (u.size() < 2) return;
  zeichneLinienenden(k, u.front(), u[1], u[u.size() - 2], u.back(), d.anfang, d.ende, d.stift, farbe);
}

}  // namespace quarzel
