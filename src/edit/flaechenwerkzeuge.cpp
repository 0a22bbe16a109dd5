#include "edit/flaechenwerkzeuge.h"

#include <array>
#include <cmath>

#include "edit/figurbauer.h"
#include "edit/figurgeometrie.h"

namespace quarzel {

namespace {

using namespace figur;
using namespace figurbau;

// A polygon outline only needs to follow a circle this closely.
constexpr std::size_t kBogenpunkte = 721;

template <std::size_t N>
std::vector<Weltpunkt> alsListe(const std::array<Weltpunkt, N>& e) {
  return {e.begin(), e.end()};
}

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

template <std::array<Weltpunkt, 4> (*Ecken)(Weltpunkt, Weltpunkt, Weltpunkt)>
Zeichenfigur dreipunktflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return linie(p, v);
  return flaeche(alsListe(Ecken(p.p[0], p.p[1], p.p[2])));
}

Zeichenfigur sternflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 2) return {};
  return flaeche(figur::stern(p.p[0], p.p[1], v.eckenzahl, v.sternverhaeltnis));
}

Zeichenfigur vieleckflaeche(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 2) return {};
  return flaeche(figur::vieleck(p.p[0], p.p[1], v.eckenzahl));
}

// Sectors: the centre and the arc; segments: the arc alone (the chord closes it).
Zeichenfigur ausschnitt(const Figurbogen& b, bool mitMitte) {
  std::vector<Weltpunkt> e;
  if (mitMitte && b.ende - b.start < 360) e.push_back(b.mitte);
  for (const Weltpunkt& q : bogenpunkte(b, kBogenpunkte)) e.push_back(q);
  return flaeche(ohneWiederholungen(e));
}

Zeichenfigur kreissektor(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (const auto b = bogenAusPunkten(p, false, false)) return ausschnitt(*b, true);
  return bogen(p, v);
}

Zeichenfigur ellipsensektor(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (const auto b = bogenAusPunkten(p, true, false)) return ausschnitt(*b, true);
  return ellipsenbogen(p, v);
}

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

constexpr std::array kFlaechenarten{
    Werkzeugart{9, 0, 3, false, false, polygonflaeche},
    Werkzeugart{16, 2, 0, false, false, rechteckflaeche},
    Werkzeugart{51, 3, 0, false, false, dreipunktflaeche<figur::schraegesRechteck>},
    Werkzeugart{49, 3, 0, false, false, dreipunktflaeche<figur::parallelogramm>},
    Werkzeugart{50, 3, 0, false, false, dreipunktflaeche<figur::konus>},
    Werkzeugart{48, 2, 0, false, false, sternflaeche},
    Werkzeugart{37, 2, 0, false, false, vieleckflaeche},
    Werkzeugart{17, 2, 0, false, false, kreis},
    Werkzeugart{56, 1, 0, false, false, kreisMitFestemRadius},
    Werkzeugart{52, 2, 0, false, false, kreisZweiPunkte},
    Werkzeugart{30, 3, 0, false, false, kreisDreiPunkte},
    Werkzeugart{19, 4, 0, true, false, kreissektor},
    Werkzeugart{20, 3, 0, false, false, ausschnittMitteStartEnde<true>},
    Werkzeugart{31, 3, 0, false, false, ausschnittDreiPunkte<true>},
    Werkzeugart{38, 3, 0, false, false, ausschnittDreiPunkte<false>},
    Werkzeugart{33, 3, 0, false, false, ausschnittMitteStartEnde<false>},
    Werkzeugart{18, 2, 0, false, false, ellipse},
    Werkzeugart{32, 2, 0, false, false, ellipseImRechteck},
    Werkzeugart{22, 3, 0, false, false, gedrehteEllipse},
    Werkzeugart{21, 4, 0, true, false, ellipsensektor},
    Werkzeugart{23, 3, 0, false, false, ring},
    Werkzeugart{24, 3, 0, false, false, ringsegment},
    Werkzeugart{34, 4, 3, false, false, bezierflaeche},
    Werkzeugart{35, 0, 3, false, false, splineflaeche},
    Werkzeugart{41, 0, 3, false, true, freihandflaeche},
};

}  // namespace

Flaechenwerkzeuge::Flaechenwerkzeuge() : Figurwerkzeug(kFlaechenarten) {}

}  // namespace quarzel
