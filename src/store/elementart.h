// Element kind codes: the store's own vocabulary. Each kind names its record
// pool; the codes are the ones of the drawing file and the statistics.
#pragma once

#include <cstdint>

namespace quarzel {

enum class Elementart : std::uint8_t {
  Frei = 0,  // a free slot of the columns
  Linie = 1,
  Bogen = 2,  // arc, circle or ellipse
  Polygon = 3,
  Bezier = 4,
  Spline = 5,
  Verlauf = 6,  // colour gradient fill
  Bemassung = 7,
  Gruppenanfang = 8,
  Gruppenende = 9,
  Wandlinie1 = 11,  // first flavour: kept, not drawn
  Wandlinie2 = 12,
  Bitmap = 16,
  Text = 17,
  Kommentar = 18,  // a text with the author's initials
  Metafile = 38,
  Fuellung = 39,
};

// Construction lines ("Hilfslinien") are lines and arcs drawn with this pen:
// pen 99 has its own fixed, thin pixel width, and the display switch
// "&Hilfslinien" and the print option hide elements that carry it.
inline constexpr int kHilfslinienstift = 99;

constexpr bool istLinienart(Elementart a) {
  return a == Elementart::Linie || a == Elementart::Wandlinie1 || a == Elementart::Wandlinie2;
}
constexpr bool istPolygonart(Elementart a) {
  return a == Elementart::Polygon || a == Elementart::Spline || a == Elementart::Verlauf;
}
constexpr bool istTextart(Elementart a) { return a == Elementart::Text || a == Elementart::Kommentar; }
constexpr bool istBitmapart(Elementart a) { return a == Elementart::Bitmap || a == Elementart::Fuellung; }
constexpr bool istGruppenklammer(Elementart a) {
  return a == Elementart::Gruppenanfang || a == Elementart::Gruppenende;
}

}  // namespace quarzel
