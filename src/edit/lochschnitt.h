// "Loch in Polygon schneiden": a closed outline inside a closed polygon
// becomes a hole of it. The store keeps an area as one point list, so the
// hole joins the outline as the ring areas do: the outline is walked once
// round from the corner nearest the hole, a seam leads to the hole, the hole
// is walked the other way round, and the closing edge runs back along the
// seam. Both fill rules leave the hole empty; the seam has no width.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;

// Whether p lies inside the closed outline (even-odd; on the edge counts as either).
bool imUmriss(const std::vector<Weltpunkt>& umriss, Weltpunkt p);

// The sentence why element n cannot take a hole, or "" for a closed polygon.
std::string keinFlaechenpolygon(const Zeichnung& z, std::int32_t n);

// Element `innen` (a closed polygon, full circle or ellipse lying wholly in
// polygon `aussen`) cut out of `aussen` as one undo step: the polygon keeps
// all its properties and is left marked, the inner element goes. The
// German sentence when it cannot be done, else "".
std::string schneideLoch(Zeichnung& z, std::int32_t aussen, std::int32_t innen);

}  // namespace quarzel
