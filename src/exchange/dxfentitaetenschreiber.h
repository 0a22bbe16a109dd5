// DxfEntitaetenschreiber: the elements of the store as DXF entities.
//
// Lines become LINE; arcs ARC or CIRCLE (equal radii, no turn) or ELLIPSE;
// polygons LWPOLYLINE; Béziers a SPLINE of degree 3 with their four control
// points; splines the Bézier pieces of the curve the renderer draws through
// their points; texts and comments a TEXT, or one MTEXT when they have
// several lines; dimensions what the
// renderer's dimension layout draws (lines, polylines, terminators, the value
// text). A solid fill adds a HATCH before the outline. Every entity carries
// the application data "QUARZEL" with the element's pen and line style (-1
// for a kind that has none), so an import restores them exactly.
//
// The file's y axis points up, the drawing's down: y is negated, which is
// exact. Coordinates are the drawing's millimetres on the sheet, as are text
// heights.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>

#include "exchange/dxfausgabe.h"
#include "exchange/dxfzuordnung.h"

namespace quarzel {

struct Zeichnung;
class Textersetzung;

struct DxfSchreibbericht {
  std::size_t entitaeten = 0;
  // Elements the file cannot hold (pictures, gradients, metafiles, fills
  // by flood), by kind name.
  std::map<std::string, std::size_t> uebersprungen;
  // Hatched or textured interiors written as their outline only.
  std::size_t nurUmriss = 0;
};

// The names the tables give, already in the file's encoding.
struct DxfNamen {
  std::unordered_map<int, std::string> layer;         // ebene * 256 + folie
  std::unordered_map<int, DxfLinientyp> linientypen;  // by style without its sign
};

class DxfEntitaetenschreiber {
 public:
  // `ersetzung` gives the values of placeholder lines in texts (may be nullptr).
  DxfEntitaetenschreiber(const Zeichnung& zeichnung, DxfAusgabe& aus, const DxfNamen& namen, DxfSchreibbericht& bericht,
                         const Textersetzung* ersetzung = nullptr);
  ~DxfEntitaetenschreiber();

  // Element n (alive, no group bracket) as entities owned by `besitzer`.
  void element(std::int32_t n, std::uint64_t besitzer);
  // The block `name` placed at the origin, on the layer of (ebene, folie).
  void einfuegung(std::string_view name, int ebene, int folie, std::uint64_t besitzer);

  // The box of all coordinates written (file axes); false when none.
  bool umgebung(double& minX, double& minY, double& maxX, double& maxY) const;

 private:
  struct Innen;
  std::unique_ptr<Innen> innen_;
};

}  // namespace quarzel
