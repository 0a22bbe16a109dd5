// The round and curved figures (arcs, circles, ellipses, sectors, curves,
// circular segments, rings) and the point-list figures (areas, polylines,
// splines). Angles are degrees counter-clockwise as seen on the sheet; the
// turned coordinate system adds its angle.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "macro/makrostapel.h"
#include "macro/makrowerte.h"
#include "macro/makrozeichner.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

constexpr double Grad = std::numbers::pi / 180.0;

// The sweep from w1 counter-clockwise to w2, in (0, 360]; equal angles give
// the full figure rather than nothing.
double spanne(double w1, double w2) {
  double d = std::fmod(w2 - w1, 360.0);
  if (d <= 0) d += 360.0;
  return d;
}

// Direction of p seen from m, degrees counter-clockwise on the sheet (world y
// grows downward); 0 when the two coincide.
double richtung(Weltpunkt m, Weltpunkt p) {
  if (p.x == m.x && p.y == m.y) return 0;
  return std::atan2(-(p.y - m.y), p.x - m.x) / Grad;
}

Weltpunkt plus(Weltpunkt a, Weltpunkt b) {
  return {a.x + b.x, a.y + b.y};
}

}  // namespace

std::optional<Makrofehler> Makrozeichner::rundeFiguren(Befehl b, Makrostapel& s) {
  const double drehung = zeichnung_.ansicht.coordAngle;
  Punktpuffer& puffer = zeichnung_.speicher.punkte;
  double w[5];

  switch (b) {
    case Befehl::ARC:
    case Befehl::ARCN:
    case Befehl::PIE: {
      if (auto f = zahlen(s, 5, w)) return f;
      const Weltpunkt m = welt(w[0], w[1]);
      const double r = laenge(w[2]);
      double von = w[3] + drehung, bis = w[4] + drehung;
      if (b == Befehl::ARCN) std::swap(von, bis);
      if (!endlich({m.x, m.y, r, von, bis})) return Makrofehler::UnbekannterFehler;
      const double start = std::fmod(von, 360.0) + (std::fmod(von, 360.0) < 0 ? 360.0 : 0.0);
      const double sp = spanne(von, bis);
      if (b == Befehl::PIE) {
        puffer.leere();
        puffer.fuegeHinzu(m.x, m.y);
        bogenpunkte(m, std::fabs(r), start, sp);
        polygon(Elementart::Polygon, true);
      } else {
        bogen(m, r, r, start, start + sp, 0, false);
      }
      return std::nullopt;
    }
    case Befehl::CIRCLE:
    case Befehl::FCIRCLE: {
      if (auto f = zahlen(s, 1, w)) return f;
      const double r = laenge(w[0]);
      if (!endlich({r})) return Makrofehler::UnbekannterFehler;
      bogen(z_.punkt, r, r, 0, 360, 0, b == Befehl::FCIRCLE);
      return std::nullopt;
    }
    case Befehl::ELLIPSE:
    case Befehl::FELLIPSE: {
      if (auto f = zahlen(s, 2, w)) return f;
      const double rx = laenge(w[0]), ry = laenge(w[1]);
      if (!endlich({rx, ry})) return Makrofehler::UnbekannterFehler;
      bogen(z_.punkt, rx, ry, 0, 360, drehung, b == Befehl::FELLIPSE);
      return std::nullopt;
    }
    case Befehl::CURVETO:
    case Befehl::FCURVETO:
    case Befehl::RCURVETO:
    case Befehl::RFCURVETO: {
      if (auto f = zahlen(s, 4, w)) return f;
      const bool relativ = b == Befehl::RCURVETO || b == Befehl::RFCURVETO;
      const bool gefuellt = b == Befehl::FCURVETO || b == Befehl::RFCURVETO;
      const Weltpunkt a = z_.punkt;
      const Weltpunkt c = relativ ? plus(a, versatz(w[0], w[1])) : welt(w[0], w[1]);
      const Weltpunkt e = relativ ? plus(a, versatz(w[2], w[3])) : welt(w[2], w[3]);
      if (!endlich({c.x, c.y, e.x, e.y})) return Makrofehler::UnbekannterFehler;
      // The one control point of the macro becomes the two of a cubic curve
      // that traces the same parabola.
      Tbezierdaten d;
      d.punkte = {a.x,
                  a.y,
                  a.x + 2.0 / 3.0 * (c.x - a.x),
                  a.y + 2.0 / 3.0 * (c.y - a.y),
                  e.x + 2.0 / 3.0 * (c.x - e.x),
                  e.y + 2.0 / 3.0 * (c.y - e.y),
                  e.x,
                  e.y};
      for (double k : d.punkte)
        if (!std::isfinite(k)) return Makrofehler::UnbekannterFehler;
      d.farbe = z_.linienfarbe;
      if (gefuellt) fuellangaben(d.fuellung);
      vorElement();
      Elementspeicher& sp = zeichnung_.speicher;
      const std::int32_t n = sp.neueBezierkurve(d);
      if (gefuellt) sp.bezier(n).linienstil = z_.linienstil;
      nachElement(n, {std::min({a.x, c.x, e.x}), std::min({a.y, c.y, e.y}), std::max({a.x, c.x, e.x}),
                      std::max({a.y, c.y, e.y})});
      z_.punkt = e;
      return std::nullopt;
    }
    case Befehl::SECTION:
    case Befehl::FSECTION:
    case Befehl::RSECTION:
    case Befehl::RFSECTION: {
      if (auto f = zahlen(s, 4, w)) return f;
      const bool relativ = b == Befehl::RSECTION || b == Befehl::RFSECTION;
      const bool gefuellt = b == Befehl::FSECTION || b == Befehl::RFSECTION;
      const Weltpunkt a = z_.punkt;
      const Weltpunkt m = relativ ? plus(a, versatz(w[0], w[1])) : welt(w[0], w[1]);
      const Weltpunkt ziel = relativ ? plus(a, versatz(w[2], w[3])) : welt(w[2], w[3]);
      if (!endlich({m.x, m.y, ziel.x, ziel.y})) return Makrofehler::UnbekannterFehler;
      const double r = std::hypot(a.x - m.x, a.y - m.y);
      if (!endlich({r})) return Makrofehler::UnbekannterFehler;
      const double von = richtung(m, a);
      puffer.leere();
      bogenpunkte(m, r, von, spanne(von, richtung(m, ziel)));
      const Weltpunkt ende{puffer.x.back(), puffer.y.back()};
      // The chord closes the segment; a filled one is closed by the adder.
      if (!gefuellt) puffer.fuegeHinzu(puffer.x.front(), puffer.y.front());
      polygon(Elementart::Polygon, gefuellt);
      z_.punkt = ende;
      return std::nullopt;
    }
    case Befehl::RING: {
      if (auto f = zahlen(s, 2, w)) return f;
      const double ri = std::fabs(laenge(w[0])), ra = std::fabs(laenge(w[1]));
      if (!endlich({ri, ra})) return Makrofehler::UnbekannterFehler;
      // Outer circle one way, inner circle the other: the hole stays empty
      // under either fill rule.
      puffer.leere();
      bogenpunkte(z_.punkt, ra, 0, 360);
      bogenpunkte(z_.punkt, ri, 360, -360);
      polygon(Elementart::Polygon, true);
      return std::nullopt;
    }
    case Befehl::RINGPART:
    case Befehl::RRINGPART: {
      if (auto f = zahlen(s, 5, w)) return f;
      const Weltpunkt m = b == Befehl::RRINGPART ? plus(z_.punkt, versatz(w[0], w[1])) : welt(w[0], w[1]);
      const double ri = std::fabs(laenge(w[2])), ra = std::fabs(laenge(w[3]));
      const double sweep = std::clamp(w[4], -360.0, 360.0);
      if (!endlich({m.x, m.y, ri, ra, sweep})) return Makrofehler::UnbekannterFehler;
      const double von = richtung(m, z_.punkt);
      puffer.leere();
      bogenpunkte(m, ra, von, sweep);
      bogenpunkte(m, ri, von + sweep, -sweep);
      polygon(Elementart::Polygon, true);
      return std::nullopt;
    }
    default:
      return Makrofehler::SchwererFehler;
  }
}

std::optional<Makrofehler> Makrozeichner::punktlisten(Befehl b, Makrostapel& s) {
  if (s.groesse() < 1) return Makrofehler::ZuwenigParameter;
  const std::optional<std::int64_t> anzahl = liesGanzzahl(s.oben(0));
  if (!anzahl) return Makrofehler::UnbekannterFehler;
  if (*anzahl < 0) return Makrofehler::UngueltigerParameter;
  const std::size_t n = static_cast<std::size_t>(*anzahl);
  if (n > (s.groesse() - 1) / 2) return Makrofehler::ZuwenigParameter;
  if (n > Punktpuffer::Hoechstzahl) return Makrofehler::UngueltigerParameter;

  const bool relativ = b == Befehl::RAREA || b == Befehl::RPOLYLINE || b == Befehl::RSPLINE || b == Befehl::RFSPLINE;
  const bool gefuellt = b == Befehl::AREA || b == Befehl::RAREA || b == Befehl::FSPLINE || b == Befehl::RFSPLINE;
  const bool spline = b == Befehl::SPLINE || b == Befehl::FSPLINE || b == Befehl::RSPLINE || b == Befehl::RFSPLINE;

  // Read everything before popping, so that a bad value leaves the stack and
  // the drawing as they were. The pair written last is the first point.
  Punktpuffer& puffer = zeichnung_.speicher.punkte;
  puffer.leere();
  Weltpunkt p = z_.punkt;
  for (std::size_t k = 0; k < n; ++k) {
    const auto x = liesMakrowert(s.oben(2 + 2 * k));
    const auto y = liesMakrowert(s.oben(1 + 2 * k));
    if (!x || !y) return Makrofehler::UnbekannterFehler;
    if (relativ) {
      const Weltpunkt d = versatz(*x, *y);
      p = {p.x + d.x, p.y + d.y};
    } else {
      p = welt(*x, *y);
    }
    if (!endlich({p.x, p.y})) return Makrofehler::UnbekannterFehler;
    puffer.fuegeHinzu(p.x, p.y);
  }
  s.entferne(1 + 2 * n);

  if (n >= 2) polygon(spline ? Elementart::Spline : Elementart::Polygon, gefuellt);
  if (relativ && n > 0) z_.punkt = p;
  return std::nullopt;
}

}  // namespace quarzel
