// Element kind codes and the table of what each kind is: its record pool,
// the drawing-file tags that carry it, its statistics row and the fields it
// has. Code asks the table instead of switching on the kind; the places that
// must differ per kind (drawing, mapping, outlines, file records) are each one
// switch over Elementart without `default:`, so that a new kind makes the
// compiler list them (-Werror=switch).
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

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

// The record pool of a kind: kinds of one pool share their record type.
enum class Satzart : std::uint8_t {
  Keine,  // free slots
  Linie,
  Bogen,
  Polygon,
  Bezier,
  Bemassung,
  Gruppe,
  Bitmap,
  Text,
  Metafile,
};

// Fields a kind has beyond layer and sublayer, which every kind has.
enum Artfeld : std::uint8_t {
  MitStift = 1,
  MitLinienstil = 2,
  MitFarbe = 4,
  MitFuellung = 8,  // Fuellangaben; bitmaps and fills have only their own flag
};

struct Artangaben {
  Elementart art = Elementart::Frei;
  std::string_view name;  // for messages and test output
  Satzart satz = Satzart::Keine;
  // The record tags of the drawing file that add an element of this kind.
  std::string_view dateitags;
  // Row of the drawing statistics (statistik.h), or -1: not counted.
  std::int8_t statistikzeile = -1;
  std::uint8_t felder = 0;  // Artfeld bits

  constexpr bool hat(Artfeld f) const { return (felder & f) != 0; }
};

// Every kind but Frei, in code order.
inline constexpr std::array<Elementart, 16> alleElementarten = {
    Elementart::Linie,         Elementart::Bogen,       Elementart::Polygon,    Elementart::Bezier,
    Elementart::Spline,        Elementart::Verlauf,     Elementart::Bemassung,  Elementart::Gruppenanfang,
    Elementart::Gruppenende,   Elementart::Wandlinie1,  Elementart::Wandlinie2, Elementart::Bitmap,
    Elementart::Text,          Elementart::Kommentar,   Elementart::Metafile,   Elementart::Fuellung,
};

// The table row of a kind. A value that is no kind gets the row of Frei.
constexpr Artangaben artangaben(Elementart a) {
  constexpr std::uint8_t strich = MitStift | MitLinienstil | MitFarbe;
  using E = Elementart;
  using S = Satzart;
  // Tags as in datei::tag (store/dateiformat.h); 0xD6 Ö, 0xF6 ö.
  switch (a) {
    case E::Frei:
      break;
    case E::Linie:
      return {a, "Linie", S::Linie, "LR3", 6, strich};
    case E::Bogen:
      return {a, "Bogen", S::Bogen, "Bb", 3, strich | MitFuellung};
    case E::Polygon:
      return {a, "Polygon", S::Polygon, "Ff", 8, strich | MitFuellung};
    case E::Bezier:
      return {a, "Bezier", S::Bezier, "Kk", 1, strich | MitFuellung};
    case E::Spline:
      return {a, "Spline", S::Polygon, "Aa", 9, strich | MitFuellung};
    case E::Verlauf:
      return {a, "Verlauf", S::Polygon, "V", 11, strich | MitFuellung};
    case E::Bemassung:
      return {a, "Bemassung", S::Bemassung, "eM", 0, MitStift | MitFarbe};
    case E::Gruppenanfang:
      return {a, "Gruppenanfang", S::Gruppe, "G", 5, 0};
    case E::Gruppenende:
      return {a, "Gruppenende", S::Gruppe, "Y", 5, 0};
    case E::Wandlinie1:
      return {a, "Wandlinie1", S::Linie, "O", 12, strich};
    case E::Wandlinie2:
      return {a, "Wandlinie2", S::Linie, "W", 12, strich};
    case E::Bitmap:
      return {a, "Bitmap", S::Bitmap, "\xD6I", 2, 0};
    case E::Text:
      return {a, "Text", S::Text, "DT", 10, MitFarbe};
    case E::Kommentar:
      return {a, "Kommentar", S::Text, "o", -1, MitFarbe};
    case E::Metafile:
      return {a, "Metafile", S::Metafile, "Jj", 7, 0};
    case E::Fuellung:
      // Written as a bitmap record with the fill flag; older files have tags of their own.
      return {a, "Fuellung", S::Bitmap, "\xD6i\xF6", 4, 0};
  }
  return {E::Frei, "Frei", S::Keine, "", -1, 0};
}

constexpr Satzart satzart(Elementart a) { return artangaben(a).satz; }

// Construction lines ("Hilfslinien") are lines and arcs drawn with this pen:
// pen 99 has its own fixed, thin pixel width, and the display switch
// "&Hilfslinien" and the print option hide elements that carry it.
inline constexpr int kHilfslinienstift = 99;

constexpr bool istLinienart(Elementart a) { return satzart(a) == Satzart::Linie; }
constexpr bool istPolygonart(Elementart a) { return satzart(a) == Satzart::Polygon; }
constexpr bool istTextart(Elementart a) { return satzart(a) == Satzart::Text; }
constexpr bool istBitmapart(Elementart a) { return satzart(a) == Satzart::Bitmap; }
constexpr bool istGruppenklammer(Elementart a) { return satzart(a) == Satzart::Gruppe; }

}  // namespace quarzel
