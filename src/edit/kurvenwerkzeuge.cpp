// Bézier curves, splines and free-hand lines of the line module, and the
// single construction lines.
#include <cmath>

#include "edit/figurbauer.h"
#include "edit/figurgeometrie.h"

namespace quarzel::figurbau {

using namespace figur;

Zeichenfigur bezierkurve(const Figurpunkte& p, const Zeichenvorgabe& v) {
  if (p.n() < 2) return {};
  if (p.n() == 2) return linie(p, v);
  const Weltpunkt a = p.p[0], e = p.p[1], s1 = p.p[2];
  // Until the second support is given the first one serves for both.
  const Weltpunkt s2 = p.n() >= 4 ? p.p[3] : s1;
  Zeichenfigur f;
  f.bezier = std::array<Weltpunkt, 4>{a, s1, s2, e};
  return f;
}

Zeichenfigur spline(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  f.zug = ohneWiederholungen(p.p);
  f.zugArt = Elementart::Spline;
  return f;
}

Zeichenfigur freihandlinie(const Figurpunkte& p, const Zeichenvorgabe& v) {
  Zeichenfigur f;
  f.zug = v.freihandglaetten ? glaetteFreihand(p.p) : ohneWiederholungen(p.p);
  f.freihand = true;
  return f;
}

namespace {

Zeichenfigur hilfs(Zeichenfigur f) {
  f.hilfslinie = true;
  return f;
}

void gerade(Zeichenfigur& f, const Figurpunkte& p, Weltpunkt durch, Weltpunkt richtung) {
  if (const auto l = weltgerade(durch, richtung, p.weltBreite, p.weltHoehe)) f.linien.push_back(*l);
}

}  // namespace

Zeichenfigur hilfslinieWaagerecht(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  if (p.n() >= 1) gerade(f, p, p.p[0], {1, 0});
  return hilfs(std::move(f));
}

Zeichenfigur hilfslinieSenkrecht(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  if (p.n() >= 1) gerade(f, p, p.p[0], {0, 1});
  return hilfs(std::move(f));
}

Zeichenfigur hilfslinieBeliebig(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  if (p.n() >= 2) gerade(f, p, p.p[0], minus(p.p[1], p.p[0]));
  return hilfs(std::move(f));
}

Zeichenfigur hilfskreis(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return hilfs(kreis(p, v));
}
Zeichenfigur hilfskreisZweiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return hilfs(kreisZweiPunkte(p, v));
}
Zeichenfigur hilfskreisDreiPunkte(const Figurpunkte& p, const Zeichenvorgabe& v) {
  return hilfs(kreisDreiPunkte(p, v));
}

Zeichenfigur hilfslinienkreuz(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  if (p.n() >= 1) {
    gerade(f, p, p.p[0], {1, 0});
    gerade(f, p, p.p[0], {0, 1});
  }
  return hilfs(std::move(f));
}

Zeichenfigur hilfslinienkreuzSchraeg(const Figurpunkte& p, const Zeichenvorgabe&) {
  Zeichenfigur f;
  if (p.n() >= 1) {
    gerade(f, p, p.p[0], {1, -1});
    gerade(f, p, p.p[0], {1, 1});
  }
  return hilfs(std::move(f));
}

}  // namespace quarzel::figurbau
