// The drawing paths behind drawStyledPolyline, one per style family, and the
// walk over the visible part of each segment that they share. Internal to the
// styled-segment routine; the renderer calls linienstilzeichnen.h.
#pragma once

#include <cmath>
#include <span>

#include "render/zeichenlauf.h"
#include "platform/canvas.h"

namespace quarzel::linienpfad {

struct Strich {
  int pen = 0;
  Farbe colour = 0;
  int style = 1;
  int breite = 1;        // drawn pixel width
  int musterbreite = 1;  // pixel width the pattern is measured by
};

// One segment of a polyline with the part of it that can show on the canvas.
struct Strecke {
  Pixelpunkt a;           // start
  double ux = 1, uy = 0;  // unit direction
  double laenge = 0;      // pixels
  double ta = 0, tb = 0;  // visible part, 0 <= ta <= tb <= laenge
  double start = 0;       // distance of `a` from the polyline's start
  // The previous segment showed up to its end and this one from its start,
  // so an open piece can run on over the corner.
  bool anschluss = false;

  Pixelpunkt bei(double t) const { return {a.x + ux * t, a.y + uy * t}; }
  // The point at t, moved by s across the line (to the right of the direction
  // of travel on the screen).
  Pixelpunkt bei(double t, double s) const { return {a.x + ux * t - uy * s, a.y + uy * t + ux * s}; }
};

// Calls f(strecke) for every segment with a visible part, where "visible"
// means within `rand` pixels of the canvas. Segments of zero length and
// points that are not finite are skipped. Returns the direction of the last
// segment seen (for the dot rule at the end).
template <class F>
Pixelpunkt fuerStrecken(const Canvas& canvas, std::span<const Pixelpunkt> punkte, double rand, F&& f);

void zeichneDurchgezogen(Canvas& canvas, const Strich& s, std::span<const Pixelpunkt> punkte);
void zeichneKosmetisch(Canvas& canvas, const Strich& s, std::span<const Pixelpunkt> punkte);
// f: pixels per unit of the pattern's lengths is 1 / f.
void zeichneStriche(Canvas& canvas, Strichpuffer& puffer, const Strich& s, const Strichmuster& m, double f,
                    std::span<const Pixelpunkt> punkte);
void zeichneKomplex(Canvas& canvas, Zeichenlauf& lauf, const Strich& s, std::span<const Pixelpunkt> punkte);
void zeichneSonderlinieA(Canvas& canvas, Zeichenlauf& lauf, const Strich& s, std::span<const Pixelpunkt> punkte);
void zeichneSonderlinieB(Canvas& canvas, Zeichenlauf& lauf, const Strich& s, std::span<const Pixelpunkt> punkte);

// --- implementation of the walk -------------------------------------------------

// Narrows [ta, tb] to the part of the ray a + t·u inside the canvas enlarged
// by `rand`; false when nothing of it is inside.
bool imBild(double breite, double hoehe, double rand, const Strecke& s, double& ta, double& tb);

template <class F>
Pixelpunkt fuerStrecken(const Canvas& canvas, std::span<const Pixelpunkt> punkte, double rand, F&& f) {
  const double breite = canvas.breite(), hoehe = canvas.hoehe();
  Pixelpunkt richtung{1, 0};
  double distanz = 0;
  bool offenBisEnde = false;  // the last visible segment showed up to its end
  bool vorgaenger = false;    // a finite point precedes
  Pixelpunkt vorher{};
  for (const Pixelpunkt& p : punkte) {
    if (!std::isfinite(p.x) || !std::isfinite(p.y)) {
      vorgaenger = false;
      offenBisEnde = false;
      continue;
    }
    if (!vorgaenger) {
      vorher = p;
      vorgaenger = true;
      continue;
    }
    const double dx = p.x - vorher.x, dy = p.y - vorher.y;
    const double laenge = std::hypot(dx, dy);
    if (!(laenge > 1e-9) || !std::isfinite(laenge)) continue;
    Strecke s;
    s.a = vorher;
    s.ux = dx / laenge;
    s.uy = dy / laenge;
    s.laenge = laenge;
    s.start = distanz;
    richtung = {s.ux, s.uy};
    double ta = 0, tb = laenge;
    if (imBild(breite, hoehe, rand, s, ta, tb)) {
      s.ta = ta;
      s.tb = tb;
      s.anschluss = offenBisEnde && ta == 0;
      f(s);
      offenBisEnde = tb == laenge;
    } else {
      offenBisEnde = false;
    }
    distanz += laenge;
    vorher = p;
  }
  return richtung;
}

}  // namespace quarzel::linienpfad
