// Adding a finished figure to the drawing: one undo step, the elements
// through the store's adders with the current pen, line style, layer and
// sublayer and the drawing colour, each element completed, then the window
// draws the new elements. Areas also get the fill of the area panel. New
// figures are not marked (edit commands, by contrast, mark their copies).
#pragma once

#include <cstdint>
#include <utility>

#include "edit/werkzeugmodul.h"
#include "edit/zeichenfigur.h"
#include "edit/zeichenvorgabe.h"

namespace quarzel {

// Numbers of the first and the last new element; {0, -1} when the figure
// was empty or degenerate and nothing (not even an undo step) was added.
std::pair<std::int32_t, std::int32_t> legeFigurAb(Werkzeugumgebung& u, const Zeichenfigur& f, const Zeichenvorgabe& v,
                                                  const Flaechenvorgabe* flaeche = nullptr);

// Whether the figure may be added: finite coordinates, lines and arcs with
// extent, at least two distinct points in a polygon (three in an area).
bool figurBrauchbar(const Zeichenfigur& f);

}  // namespace quarzel
