#include "edit/flaechenwerkzeuge.h"

#include <array>
#include <cmath>

#include "edit/figurbauer.h"
#include "edit/figurgeometrie.h"

namespace quarzel {

namespace {

using namespace figur;
using figurbau::flaeche;

// A polygon outline only needs to follow a circle this closely.
constexpr std::size_t kBogenpunkte = 721;

template <std::size_t N>
std::vector<Weltpunkt> alsListe(const std::array<Weltpunkt, N>& e) {
  return {e.begin(), e.end()};
}

}  // namespace

namespace figurbau {

using namespace figur;

Zeichenfigur polygonflaeche(const Figurpunkte& p, const Zeichenvorgabe&) {
  return flaeche(ohneWiederholungen(p.p));
}

Zeichenfigur rechteckflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 2) return {};
  Zeichenfigur rund;
  abgerundetesRechteck(p.p[0], p.p[1], v.eckradius, rund);
  if (rund.boegen.empty()) return flaeche(alsListe(figur::rechteck(p.p[0], p.p[1])));
  // The corner arcs counter-clockwise from the top right; each ends where
  // the next side starts, so the sides come in between by themselves.
  std::vector<Weltpunkt> e;
  for (const Figurbogen& b : rund.boegen)
    for (const Weltpunkt& q : bogenpunkte(b, 91)) e.push_back(q);
  return flaeche(ohneWiederholungen(e));
}

namespace {
template <std::array<Weltpunkt, 4> (*Ecken)(Weltpunkt, Weltpunkt, Weltpunkt)>
Zeichenfigur dreipunktflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return linie(p, v);
  return flaeche(alsListe(Ecken(p.p[0], p.p[1], p.p[2])));
}
}  // namespace

Zeichenfigur schraegeRechteckflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return dreipunktflaeche<figur::schraegesRechteck>(p, v);
}
Zeichenfigur parallelogrammflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return dreipunktflaeche<figur::parallelogramm>(p, v);
}
Zeichenfigur konusflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return dreipunktflaeche<figur::konus>(p, v);
}

Zeichenfigur sternflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 2) return {};
  return flaeche(figur::stern(p.p[0], p.p[1], v.eckenzahl, v.sternverhaeltnis));
}

Zeichenfigur vieleckflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 2) return {};
  return flaeche(figur::vieleck(p.p[0], p.p[1], v.eckenzahl));
}

namespace {
// Sectors: the centre and the arc; segments: the arc alone (the chord closes it).
Zeichenfigur ausschnitt(const Figurbogen& b, bool mitMitte) {
  std::vector<Weltpunkt> e;
  if (mitMitte && b.ende - b.start < 360) e.push_back(b.mitte);
  for (const Weltpunkt& q : bogenpunkte(b, kBogenpunkte)) e.push_back(q);
  return flaeche(ohneWiederholungen(e));
}
}  // namespace

Zeichenfigur kreissektor(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (const auto b = bogenAusPunkten(p, false, false)) return ausschnitt(*b, true);
  return bogen(p, v);
}

Zeichenfigur ellipsensektor(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (const auto b = bogenAusPunkten(p, true, false)) return ausschnitt(*b, true);
  return ellipsenbogen(p, v);
}

namespace {
// Centre, start point (radius and start angle), end point (end angle).
std::optional<Figurbogen> bogenMitteStartEnde(const Figurpunkte& p) {
  if (p.n() < 3) return std::nullopt;
  const Weltpunkt m = p.p[0];
  const double r = abstand(m, p.p[1]);
  Figurbogen b{m, r, r, bildschirmwinkel(m, p.p[1]), bildschirmwinkel(m, p.p[2]), 0};
  ordneWinkel(b.start, b.ende);
  return b;
}

template <bool MitMitte>
Zeichenfigur ausschnittMitteStartEnde(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (const auto b = bogenMitteStartEnde(p)) return ausschnitt(*b, MitMitte);
  return kreis(p, v);
}

template <bool MitMitte>
Zeichenfigur ausschnittDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return linie(p, v);
  const auto b = bogenDurchDreiPunkte(p.p[0], p.p[1], p.p[2]);
  return b ? ausschnitt(*b, MitMitte) : Zeichenfigur{};
}
}  // namespace

Zeichenfigur kreissektorMitteStartEnde(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return ausschnittMitteStartEnde<true>(p, v);
}
Zeichenfigur kreissegmentMitteStartEnde(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return ausschnittMitteStartEnde<false>(p, v);
}
Zeichenfigur kreissektorDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return ausschnittDreiPunkte<true>(p, v);
}
Zeichenfigur kreissegmentDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return ausschnittDreiPunkte<false>(p, v);
}

Zeichenfigur ring(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return kreis(p, v);
  const Weltpunkt m = p.p[0];
  const double ra = abstand(m, p.p[1]), ri = abstand(m, p.p[2]);
  if (!(ri > 0) || ri == ra) return kreis(p, v);
  // Outer circle, then the inner one the other way round: the hole stays
  // empty with either fill rule. The seam runs along the start ray.
  std::vector<Weltpunkt> e = bogenpunkte({m, ra, ra, 0, 360, 0}, kBogenpunkte);
  std::vector<Weltpunkt> innen = bogenpunkte({m, ri, ri, 0, 360, 0}, kBogenpunkte);
  e.insert(e.end(), innen.rbegin(), innen.rend());
  Zeichenfigur f;
  f.zug = std::move(e);
  f.geschlossen = true;
  return f;
}

Zeichenfigur ringsegment(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return kreis(p, v);
  const Weltpunkt m = p.p[0];
  const double ra = abstand(m, p.p[1]), ri = abstand(m, p.p[2]);
  double start = bildschirmwinkel(m, p.p[1]), ende = bildschirmwinkel(m, p.p[2]);
  ordneWinkel(start, ende);
  std::vector<Weltpunkt> e = bogenpunkte({m, ra, ra, start, ende, 0}, kBogenpunkte);
  if (ri > 0) {
    const std::vector<Weltpunkt> innen = bogenpunkte({m, ri, ri, start, ende, 0}, kBogenpunkte);
    e.insert(e.end(), innen.rbegin(), innen.rend());
  } else {
    e.push_back(m);
  }
  return flaeche(ohneWiederholungen(e));
}

Zeichenfigur bezierflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return bezierkurve(p, v);
}

Zeichenfigur splineflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  Zeichenfigur f = spline(p, v);
  f.geschlossen = true;
  return f;
}

Zeichenfigur freihandflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  Zeichenfigur f = freihandlinie(p, v);
  f.geschlossen = true;
  return f;
}


}  // namespace figurbau

Flaechenwerkzeuge::Flaechenwerkzeuge() : Figurwerkzeug(Werkzeuggruppe::Flaechen) {}

}  // namespace quarzel
