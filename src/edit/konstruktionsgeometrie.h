// The geometry of the construction and trimming tools: the crossing of two
// infinite lines with its fixed tolerances and bounds, the direction angle,
// and the fillet arc and chamfer line of a corner. World millimetres; nothing
// here knows elements.
#pragma once

#include <array>
#include <optional>
#include <utility>

#include "view/ansicht.h"

namespace quarzel {

// Coordinate differences below this count as zero: the line is vertical or
// horizontal and no slope is formed.
inline constexpr double kSchnittToleranz = 1e-7;
// Crossings outside this box are not offered. The lower y bound is a tenth of
// the others; drawings below it do not occur, and the bound is kept so that
// old results stay the same.
inline constexpr double kSchnittXGrenze = 1e8;
inline constexpr double kSchnittYUnten = -1e7;
inline constexpr double kSchnittYOben = 1e8;

// The crossing S of the infinite lines A1B1 and A2B2. (0, 0) stands for "none":
// parallel lines, a degenerate line, or S outside the bounds above. Callers
// test with keinSchnitt; a true crossing at the origin is therefore lost too.
Weltpunkt linienschnitt(Weltpunkt a1, Weltpunkt b1, Weltpunkt a2, Weltpunkt b2);
inline bool keinSchnitt(Weltpunkt s) {
  return s.x == 0 && s.y == 0;
}

// The direction of Q seen from P in degrees, 0 <= w < 360, counter-clockwise
// on screen from the x axis; 0 when the points coincide.
float richtungsgrad(Weltpunkt p, Weltpunkt q);

// A corner: two lines through their crossing S, each with the side of S that
// is kept (the side its click lies on).
struct Ecke {
  Weltpunkt s;
  Weltpunkt r1, r2;       // unit directions from S along the kept sides
  double halbwinkel = 0;  // half the opening angle between r1 and r2, radians
};
// The corner of line 1 (A1B1, clicked at K1) and line 2 (A2B2, clicked at
// K2); none when the lines do not cross or a click lies on S.
std::optional<Ecke> ecke(Weltpunkt a1, Weltpunkt b1, Weltpunkt k1, Weltpunkt a2, Weltpunkt b2, Weltpunkt k2);

// A fillet: the arc of radius r from T1 (on line 1) to T2 (on line 2) about
// M, counter-clockwise on screen from `start` to `ende` (degrees, ende > start).
struct Abrundung {
  Weltpunkt mitte, t1, t2;
  double radius = 0;
  double start = 0, ende = 0;
};
// The arc of radius r tangent to both sides of the corner. `negativ`: the
// same end points, but the centre mirrored across the chord T1T2, so the arc
// bulges towards the corner instead of away from it. None for r <= 0.
std::optional<Abrundung> abrundung(const Ecke& e, double r, bool negativ);

// A chamfer line T1T2 with T1 on side 1 and T2 on side 2. By length: the
// line is `mass` long and cuts both sides at the same distance from S; by
// distance: T1 and T2 lie `mass` from S. None for mass <= 0.
struct Fase {
  Weltpunkt t1, t2;
};
std::optional<Fase> fase(const Ecke& e, double mass, bool alsAbstand);

// --- Constructions of new lines from a reference line AB ------------------

// The unit direction of AB turned counter-clockwise on screen by `grad`
// degrees (world y grows downwards); none for A = B.
std::optional<Weltpunkt> gedrehteRichtung(Weltpunkt a, Weltpunkt b, double grad);

// Which side of the infinite line AB the point P lies on: +1 left of A→B as
// seen on screen, -1 right, 0 on it.
int seiteVon(Weltpunkt a, Weltpunkt b, Weltpunkt p);

// The offset that moves AB `abstand` to the side of P (perpendicular to AB);
// none for A = B or P on the line.
std::optional<Weltpunkt> versatzZurSeite(Weltpunkt a, Weltpunkt b, Weltpunkt p, double abstand);

// The line dividing A1B1 and A2B2 at `anteil` (0: line 1, 1: line 2): each
// end moves from line 1 towards the end of line 2 that lies on its side, so
// two lines drawn in opposite directions still give the line between them.
std::pair<Weltpunkt, Weltpunkt> teilungslinie(Weltpunkt a1, Weltpunkt b1, Weltpunkt a2, Weltpunkt b2, double anteil);

// The unit direction halving the corner: between its two kept sides.
Weltpunkt halbierende(const Ecke& e);

// The parallelogram spanned by AB and P: P is the corner next to the end of
// AB nearer to it. The three sides besides AB, from that end round to the other.
std::array<std::pair<Weltpunkt, Weltpunkt>, 3> parallelogrammseiten(Weltpunkt a, Weltpunkt b, Weltpunkt p);

// The line A→B cut or extended to S, keeping the side of S its click K lies
// on: if the foot of K lies between S and B (in x and in y) the line becomes
// S→B, otherwise A→S.
void schneideAb(Weltpunkt& a, Weltpunkt& b, Weltpunkt s, Weltpunkt k);

}  // namespace quarzel
