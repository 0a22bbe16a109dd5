// Zeichenfigur: the figure a drawing tool has computed from its points, in
// world millimetres. The same figure is shown as the rubber band while the
// mouse moves and added to the store when the last point is given, so what
// the user sees is what the drawing gets.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "view/ansicht.h"
#include "store/elementart.h"

namespace quarzel {

struct Figurlinie {
  Weltpunkt a, b;
  std::uint8_t anfang = 0;  // start decoration (marker points 21..29)
};

// An arc, circle or ellipse as the store keeps it: angles in degrees,
// counter-clockwise on screen, ende > start, ende - start <= 360.
struct Figurbogen {
  Weltpunkt mitte;
  double xr = 0, yr = 0;
  double start = 0, ende = 360;
  double dreh = 0;
};

struct Zeichenfigur {
  std::vector<Figurlinie> linien;
  std::vector<Figurbogen> boegen;
  // One polygon or spline from the point buffer.
  std::vector<Weltpunkt> zug;
  Elementart zugArt = Elementart::Polygon;
  // Control points of one cubic Bézier curve: start, two supports, end.
  std::optional<std::array<Weltpunkt, 4>> bezier;
  // Closed outlines (areas): the polygon ends where it starts.
  bool geschlossen = false;
  bool hilfslinie = false;
  bool freihand = false;
  // Gradients (zugArt Verlauf): the base type (0..7, one per gradient tool)
  // and, for n-gons, the number of corners.
  std::uint8_t verlaufsbasis = 0;
  std::uint16_t verlaufsecken = 0;

  bool leer() const { return linien.empty() && boegen.empty() && zug.size() < 2 && !bezier; }
};

}  // namespace quarzel
