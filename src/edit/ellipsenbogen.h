// Searches along the arcs, circles and ellipses of the store (kind 2): the
// nearest point and the crossings with segments and with each other, for
// snapping and construction. The figure itself and its angle conventions are
// those of render/bogengeometrie.h.
#pragma once

#include "render/bogengeometrie.h"
#include "edit/geometrie.h"

namespace quarzel {

// The point of the arc nearest to p: exact for circles, by sampling and
// refinement for ellipses.
Weltpunkt naechsterBogenpunkt(const Ellipsenbogen& b, Weltpunkt p);

// Crossings and touching points of the segment AB with the arc, in order
// along AB. Figures with a zero radius give none.
Punktliste streckeBogenSchnitt(Weltpunkt a, Weltpunkt b, const Ellipsenbogen& e);
// The same for the infinite line through A and B (trimming extends lines).
Punktliste geradeBogenSchnitt(Weltpunkt a, Weltpunkt b, const Ellipsenbogen& e);

// The closed figure an arc lies on: crossings beyond its ends count too.
Ellipsenbogen vollfigur(Ellipsenbogen e);

// Crossings and touching points of two arcs: exact for two circles, found
// along the first figure otherwise. Coinciding figures give none. With a
// window, crossings outside it may be left out (and the search is cheaper).
Punktliste bogenBogenSchnitt(const Ellipsenbogen& e, const Ellipsenbogen& f, const Weltrechteck* fenster = nullptr);

}  // namespace quarzel
