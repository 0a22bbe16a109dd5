// Circles, arcs and ellipses of the line module (and the arcs the area
// module fills): angles in degrees counter-clockwise on screen, a full
// circle from 0 to 360.
#include <cmath>

#include "edit/figurbauer.h"
#include "edit/figurgeometrie.h"

namespace quarzel::figurbau {

using namespace figur;

namespace {

Zeichenfigur mitBogen(const Figurbogen& b) {
  Zeichenfigur f;
  f.boegen.push_back(b);
  return f;
}

Figurbogen vollkreis(Weltpunkt m, double r) {
  return {m, r, r, 0, 360, 0};
}

// Before the angles are fixed the band shows the whole figure and a ray to
// the mouse, so the user sees where the arc will start.
Zeichenfigur vorschau(const Figurbogen& voll, const Figurpunkte& p) {
  Zeichenfigur f = mitBogen(voll);
  f.linien.push_back({p.p[0], p.p[p.n() - 1]});
  return f;
}

}  // namespace

std::optional<Figurbogen> bogenAusPunkten(const Figurpunkte& p, bool elliptisch, bool imUhrzeigersinn) {
  if (p.n() < 2) return std::nullopt;
  const Weltpunkt m = p.p[0];
  double xr = abstand(m, p.p[1]), yr = xr;
  if (elliptisch) {
    xr = std::fabs(p.p[1].x - m.x);
    yr = std::fabs(p.p[1].y - m.y);
  }
  Figurbogen b{m, xr, yr, 0, 360, 0};
  if (p.winkel) {
    b.start = p.winkel->first;
    b.ende = p.winkel->second;
  } else if (p.n() >= 4) {
    const auto winkel = [&](Weltpunkt q) { return elliptisch ? ellipsenwinkel(m, xr, yr, q) : bildschirmwinkel(m, q); };
    b.start = winkel(p.p[2]);
    b.ende = winkel(p.p[3]);
    if (imUhrzeigersinn) std::swap(b.start, b.ende);
  } else {
    return std::nullopt;
  }
  ordneWinkel(b.start, b.ende);
  return b;
}

Zeichenfigur kreis(const Figurpunkte& p, const Zeichenvorgabe&) {
  if (p.n() < 2) return {};
  return mitBogen(vollkreis(p.p[0], abstand(p.p[0], p.p[1])));
}

Zeichenfigur kreisZweiPunkte(const Figurpunkte& p, const Zeichenvorgabe&) {
  if (p.n() < 2) return {};
  return mitBogen(vollkreis(mal(plus(p.p[0], p.p[1]), 0.5), abstand(p.p[0], p.p[1]) / 2));
}

Zeichenfigur kreisMitFestemRadius(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 1 || !(v.kreisradius > 0) || !std::isfinite(v.kreisradius)) return {};
  return mitBogen(vollkreis(p.p[0], v.kreisradius));
}

Zeichenfigur kreisDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return linie(p, v);
  const auto m = umkreismitte(p.p[0], p.p[1], p.p[2]);
  if (!m) return {};
  return mitBogen(vollkreis(*m, abstand(*m, p.p[0])));
}

namespace {

Zeichenfigur bogenFigur(const Figurpunkte& p, bool elliptisch, bool uhrzeiger) {
  if (p.n() < 2) return {};
  if (const auto b = bogenAusPunkten(p, elliptisch, uhrzeiger)) return mitBogen(*b);
  Figurpunkte bisRadius = p;
  bisRadius.p = p.p.first(2);
  bisRadius.winkel = std::make_pair(0.0, 360.0);
  const auto voll = bogenAusPunkten(bisRadius, elliptisch, false);
  if (p.n() == 2) return voll ? mitBogen(*voll) : Zeichenfigur{};
  return voll ? vorschau(*voll, p) : Zeichenfigur{};
}

}  // namespace

Zeichenfigur bogen(const Figurpunkte& p, const Zeichenvorgabe&) {
  return bogenFigur(p, false, false);
}
Zeichenfigur bogenImUhrzeigersinn(const Figurpunkte& p, const Zeichenvorgabe&) {
  return bogenFigur(p, false, true);
}
Zeichenfigur ellipsenbogen(const Figurpunkte& p, const Zeichenvorgabe&) {
  return bogenFigur(p, true, false);
}
Zeichenfigur ellipsenbogenImUhrzeigersinn(const Figurpunkte& p, const Zeichenvorgabe&) {
  return bogenFigur(p, true, true);
}

Zeichenfigur bogenDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return linie(p, v);
  const auto b = bogenDurchDreiPunkte(p.p[0], p.p[1], p.p[2]);
  return b ? mitBogen(*b) : Zeichenfigur{};
}

Zeichenfigur ellipse(const Figurpunkte& p, const Zeichenvorgabe&) {
  if (p.n() < 2) return {};
  const Weltpunkt m = p.p[0];
  return mitBogen({m, std::fabs(p.p[1].x - m.x), std::fabs(p.p[1].y - m.y), 0, 360, 0});
}

Zeichenfigur ellipseImRechteck(const Figurpunkte& p, const Zeichenvorgabe&) {
  if (p.n() < 2) return {};
  const Weltpunkt a = p.p[0], b = p.p[1];
  return mitBogen({mal(plus(a, b), 0.5), std::fabs(b.x - a.x) / 2, std::fabs(b.y - a.y) / 2, 0, 360, 0});
}

Zeichenfigur gedrehteEllipse(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 3) return linie(p, v);
  const Weltpunkt m = p.p[0];
  const double xr = abstand(m, p.p[1]);
  if (!(xr > 0)) return {};
  const double dreh = bildschirmwinkel(m, p.p[1]);
  // The second radius is the distance of the third point from the first axis.
  const Weltpunkt u{(p.p[1].x - m.x) / xr, (p.p[1].y - m.y) / xr};
  const Weltpunkt d = minus(p.p[2], m);
  const double yr = std::fabs(d.x * u.y - d.y * u.x);
  return mitBogen({m, xr, yr, 0, 360, dreh});
}

}  // namespace quarzel::figurbau
