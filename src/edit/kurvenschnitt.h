// Where a line or an arc meets the elements of the store: what the trimming
// tools cut at. The crossings themselves are those snapping uses
// (ellipsenbogen.h, geometrie.h); this unit only reads the elements and
// walks the candidates, through the snap search's spatial index when there
// is one.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "edit/ellipsenbogen.h"
#include "store/elementspeicher.h"

namespace quarzel {

class Fangindex;

// The figure that is cut: the segment AB (with `gerade`, the whole infinite
// line through A and B), or an arc when `bogen` is set.
struct Schnittfigur {
  Weltpunkt a, b;
  bool gerade = false;
  std::optional<Ellipsenbogen> bogen;
};

// Appends the crossings of the figure with element m: lines and polygon
// edges as segments, arcs, circles and ellipses as drawn, Béziers and splines
// along their outline. Other kinds add nothing.
void schnittpunkte(const Elementspeicher& s, std::int32_t m, const Schnittfigur& f, std::vector<Weltpunkt>& aus);

// The crossings of the figure with every live element other than `ausser`
// near it; `nurStrecken` takes only lines and polygon edges.
std::vector<Weltpunkt> alleSchnittpunkte(const Elementspeicher& s, const Fangindex* index, const Schnittfigur& f,
                                         std::int32_t ausser, bool nurStrecken = false);

// The figure of arc element n; none for a record that is not a number.
std::optional<Ellipsenbogen> bogenfigur(const Elementspeicher& s, std::int32_t n);

// A piece of a figure between two cuts, in the figure's parameter: along a
// line 0 (A) .. 1 (B), along an arc its angle in degrees (bis > von).
struct Stueck {
  double von = 0, bis = 0;
  bool vonSchnitt = false, bisSchnitt = false;  // the end is a cut, not the figure's own end
  // The click lies on a cut (a snapped crossing): no side is picked.
  bool aufSchnitt = false;
};

inline constexpr const char* kKlickAufSchnitt =
    "Bitte das Stück zwischen den Schnittpunkten anklicken, nicht einen Schnittpunkt.";

// The piece of the line AB around parameter k between the nearest cuts on
// either side (the line's ends where there is none).
Stueck linienstueck(Weltpunkt a, Weltpunkt b, const std::vector<Weltpunkt>& schnitte, double k);

// The piece of the arc around angle k between the nearest cuts; a closed
// figure needs two cuts to have a piece (none otherwise).
std::optional<Stueck> bogenstueck(const Ellipsenbogen& e, const std::vector<Weltpunkt>& schnitte, double k);

// The parameter of P's foot along AB (0 at A, 1 at B).
double linienparameter(Weltpunkt a, Weltpunkt b, Weltpunkt p);

}  // namespace quarzel
