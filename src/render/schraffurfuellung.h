// Schraffurfuellung: filling a closed polygon with a hatch definition.
//
// Every active line of a pattern is an infinite family of parallel lines at
// the angle 360 − direction degrees (the element's hatch angle added to the
// direction), spaced one band width W apart (the sum of the pattern's active
// distances) and shifted by the running sum of distances up to that line.
// Only the lattice positions between the polygon's lowest and highest
// projection on the lines' normal are visited. Each line is cut with the
// polygon edges and drawn between the first and second, third and fourth …
// crossing (even–odd), crossings sorted by y when the direction lies strictly
// between 45 and 135 degrees (modulo 180), by x otherwise.
//
// The fill draws nothing itself: it hands the segments of each line family to
// a `Schraffurstreckenzeichner`, which the renderer implements with its
// styled-segment routine, so dashed hatch lines restart their pattern on every
// segment.
//
// Bounded work, whatever the definition, zoom or polygon:
// - lines closer than `mindestabstandPixel` are thinned to every m-th line of
//   the same lattice (they could not be told apart anyway);
// - at most `HoechsteLinienProFamilie` lines per family (thinned likewise);
// - with a `sichtbereich`, only lines that cross that rectangle are visited;
// - at most `hoechsteSchnittpunkte` crossings per call (2,000,000 unless set
//   otherwise); a line that would exceed them ends the fill;
// - a band width of zero, below zero or not finite draws nothing.
// Cost: O(n log n) per pattern for n edges, plus O(lines + crossings).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "view/clip.h"
#include "styles/schraffurdefinition.h"
#include "platform/canvas.h"

namespace quarzel {

struct Schraffurstrecke {
  Pixelpunkt a;
  Pixelpunkt b;
};

// How the hatch lines reach the canvas. All segments of one call share pen
// and line-style number (the line's `style` + 1); each segment is a piece of
// its own for the dash pattern. One line family may arrive in several calls.
class Schraffurstreckenzeichner {
 public:
  virtual ~Schraffurstreckenzeichner() = default;
  virtual void zeichneStrecken(Canvas& canvas, std::span<const Schraffurstrecke> strecken, std::uint8_t pen,
                               int linienstil) = 0;
};

// Draws the segments as plain lines with the canvas's current pen, one
// multi-polyline call per batch; pen and style are ignored. For previews that
// need no pens, and for tests.
class EinfacherSchraffurzeichner : public Schraffurstreckenzeichner {
 public:
  void zeichneStrecken(Canvas& canvas, std::span<const Schraffurstrecke> strecken, std::uint8_t pen,
                       int linienstil) override;

 private:
  std::vector<Pixelpunkt> punkte_;
  std::vector<int> laengen_;
};

// The circumstances of one redraw.
struct Schraffurrahmen {
  double massstab = 1;  // the scale in force (denominator n of 1:n); ≤ 0 or not finite counts as 1
  double zoom = 1;      // millimetres per output pixel; 0.25 in the dialog preview, 1 for exports
  // Output position the line lattice is anchored at (offset 0, k = 0). The
  // renderer passes the pixel position of a fixed world point, so hatches do
  // not swim when the view is panned.
  Pixelpunkt ursprung{};
  std::optional<Cliprechteck> sichtbereich;  // lines that cannot reach it are skipped
  double mindestabstandPixel = 0.5;          // 0 turns thinning by distance off (exports)
  std::size_t hoechsteSchnittpunkte = 2'000'000;
};

class Schraffurfueller {
 public:
  static constexpr double HoechsteLinienProFamilie = 20000;
  static constexpr double ParallelGrenze = 1.05e-15;

  explicit Schraffurfueller(Schraffurstreckenzeichner& zeichner) : zeichner_(&zeichner) {}

  Schraffurrahmen rahmen;

  // Fills the closed polygon (output pixels; the first point may be repeated
  // at the end) with the definition, turned by the element's hatch angle in
  // degrees. Returns the number of segments handed to the segment drawer.
  // Polygons with fewer than three points or with a point that is not finite
  // draw nothing.
  std::size_t fillHatch(Canvas& canvas, const Schraffurdefinition& definition, std::span<const Pixelpunkt> polygon,
                        double schraffurWinkel = 0);

 private:
  struct Kante {
    double unten;  // lower projection of the two ends
    double oben;
    std::uint32_t a;
    std::uint32_t b;
  };
  struct Schnitt {
    double schluessel;
    Pixelpunkt punkt;
  };

  void bereiteMusterVor(double richtung);
  void zeichneFamilie(Canvas& canvas, double versatz, double abstand, std::uint8_t pen, int linienstil);
  void zeichneLinie(double position);
  void gibAus(Canvas& canvas, std::uint8_t pen, int linienstil);

  Schraffurstreckenzeichner* zeichner_;
  std::vector<Pixelpunkt> punkte_;
  std::vector<double> projektion_;
  std::vector<Kante> kanten_;
  std::vector<Kante> aktiv_;
  std::vector<Schnitt> schnitte_;
  std::vector<Schraffurstrecke> strecken_;
  double cos_ = 1, sin_ = 0;
  bool nachY_ = false;
  double unten_ = 0, oben_ = 0;  // range of positions to visit
  std::size_t naechsteKante_ = 0;
  std::size_t budget_ = 0;
  std::size_t gezeichnet_ = 0;
};

}  // namespace quarzel
