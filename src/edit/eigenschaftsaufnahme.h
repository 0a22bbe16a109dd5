// What the pick tools take from a clicked element into the window's current
// values:
//   130  "Farbe aus&wählen"           its colour as the drawing colour
//   131  "&Eigenschaften auswählen "  its pen, line style and colour, and the
//        fill of an area (arcs, polygons, Béziers that are filled)
// A value the element's kind lacks stays unset: the window keeps its own.
#pragma once

#include <cstdint>
#include <optional>

#include "edit/werkzeugcode.h"
#include "platform/farbe.h"
#include "store/datensaetze.h"

namespace quarzel {

struct Zeichnung;

struct Aufnahme {
  std::optional<Farbe> farbe;  // the drawing (primary) colour
  std::optional<std::uint8_t> stift;
  std::optional<std::int16_t> linienstil;
  std::optional<Fuellangaben> fuellung;
};

// The values tool `werkzeug` takes from element `n` (alive, in range).
Aufnahme nimmAuf(const Zeichnung& z, std::int32_t n, Werkzeugcode werkzeug);

}  // namespace quarzel
