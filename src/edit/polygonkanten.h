// The straight piece of an element that trimming works on: a line (plain or
// wall line) or one edge of a polygon. A line keeps the side of the crossing
// its click lies on. Of a polygon only an end edge of an open polyline can be
// trimmed, and only its free end moves (the corner it shares with the next
// edge stays); the edges of a closed polygon are refused, since moving a
// corner would change two edges at once. As the cutting edge any polygon
// edge serves.
#pragma once

#include <cstdint>
#include <string>

#include "store/datensaetze.h"
#include "view/ansicht.h"

namespace quarzel {

struct Zeichnung;
class Elementspeicher;

struct Trimmkante {
  Weltpunkt a, b;  // the infinite line through them is cut
  std::int32_t n = 0;
  // Polygons: the index of the point that moves; -1 for a line.
  std::int64_t freiesEnde = -1;
};

// The piece of element n picked at k, for trimming (`zumTrimmen`) or as the
// cutting edge; the German sentence when there is none, else "".
std::string trimmkante(const Zeichnung& z, std::int32_t n, Weltpunkt k, bool zumTrimmen, Trimmkante& aus);

// Whether the edge can end at S: a free end may not pass its corner.
std::string pruefeSchnitt(const Trimmkante& e, Weltpunkt s);

// Element `kopie` (the live copy of e.n) cut or extended to S; k is the click.
void trimme(Elementspeicher& s, std::int32_t kopie, const Trimmkante& e, Weltpunkt schnitt, Weltpunkt k);

// A polyline's free end moved to t in element `kopie`.
void setzeFreiesEnde(Elementspeicher& s, std::int32_t kopie, const Trimmkante& e, Weltpunkt t);

// What a new element made at the edge takes over: the line, or the
// polygon's layer, sublayer, pen, style (at least 1) and colour in a line record.
Tliniendaten linienvorlage(const Elementspeicher& s, const Trimmkante& e);

}  // namespace quarzel
