// The records of the element store, one type per record pool. Every record
// carries the element's layer (`planteil`) and sublayer (`folie`).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/farbe.h"

namespace quarzel {

// Fill settings shared by the closed kinds (arcs, the polygon family, Béziers).
struct Fuellangaben {
  std::string schraffurName;  // hatch definition by name; "" = none
  std::uint32_t fuellwert = 0;  // fill number: solid colour or texture number
  std::uint8_t fuellflag = 0;   // how fuellwert is to be read (0 solid colour)
  std::uint16_t schraffurWert1 = 0;  // hatch parameters, carried for the hatch fill
  std::uint8_t schraffurWert2 = 0;
  std::uint16_t schraffurWert3 = 0;
  float schraffurWinkel = 0;  // degrees; turns the hatch with the element
  std::uint8_t gefuellt = 0;  // filled flag: the interior is drawn

  bool operator==(const Fuellangaben&) const = default;
};

// Lines (kinds 1, 11, 12). Start and end decoration codes are the line ends
// ("Linienenden"); 21..29 at the start make the line a marker point.
struct Tliniendaten {
  double x1 = 0, y1 = 0, z1 = 0;
  double x2 = 0, y2 = 0, z2 = 0;
  // Ordered so that the record packs into 64 bytes: a store block of lines
  // is then exactly one huge page.
  Farbe farbe = 0;
  std::int16_t linienstil = 1;
  std::uint8_t stift = 0;
  std::uint8_t anfang = 0;
  std::uint8_t ende = 0;
  std::uint8_t folie = 1;
  std::uint8_t planteil = 1;
  std::uint8_t attributFlag = 0;
  std::uint32_t attribut = 0;

  bool operator==(const Tliniendaten&) const = default;
};
static_assert(sizeof(Tliniendaten) == 64);

// Arcs, circles and ellipses (kind 2). Angles in degrees; a full circle runs
// from 0 to 360.
struct tbogendaten {
  double xm = 0, ym = 0;  // centre
  double xr = 0, yr = 0;  // radii
  float startwinkel = 0, endwinkel = 360, drehwinkel = 0;
  std::int16_t linienstil = 1;
  std::uint8_t stift = 0;
  Farbe farbe = 0;
  std::uint8_t folie = 1;
  std::uint8_t planteil = 1;
  Fuellangaben fuellung;
  std::uint32_t attribut = 0;
  std::uint8_t attributFlag = 0;

  bool operator==(const tbogendaten&) const = default;
};

// Polygons, splines and gradients (kinds 3, 5, 6).
struct Tpolygondaten {
  std::vector<double> x;
  std::vector<double> y;
  std::vector<std::uint8_t> punktflags;  // one per point, working flags of editing commands
  std::uint16_t wert2 = 0;       // a second 16-bit value (gradients keep it in the file)
  std::uint8_t abschluss = 0;    // the byte that follows the points in the file
  std::uint8_t splineoption = 0;
  Farbe farbe = 0;
  Farbe farbe2 = 0;  // gradients: the second colour
  std::uint8_t verlaufstyp = 0;  // gradients: packed type, see Elementspeicher::verlaufstyp
  std::uint8_t folie = 1;
  std::uint8_t planteil = 1;
  std::uint8_t stift = 0;
  std::int16_t linienstil = 1;
  Fuellangaben fuellung;
  std::uint32_t attribut = 0;
  std::uint32_t muster = 0;  // pattern number; 555999 = drawn as a pattern-less area
  std::uint8_t musterFlag = 0;
  std::uint8_t anfang = 0;
  std::uint8_t ende = 0;
  std::uint8_t attributFlag = 0;

  std::size_t punktanzahl() const { return x.size(); }
  bool operator==(const Tpolygondaten&) const = default;
};

// Cubic Bézier curves (kind 4): four control points.
struct Tbezierdaten {
  std::array<double, 8> punkte{};  // x0, y0, x1, y1, x2, y2, x3, y3
  std::uint8_t option = 0;
  std::int16_t linienstil = 1;
  std::uint8_t stift = 0;
  Farbe farbe = 0;
  std::uint8_t folie = 1;
  std::uint8_t planteil = 1;
  Fuellangaben fuellung;
  std::uint32_t attribut = 0;
  std::uint8_t attributFlag = 0;

  bool operator==(const Tbezierdaten&) const = default;
};

// Dimensions (kind 7): measured points, the dimension line's position and the
// text settings. The dimensioning tools fix the meaning of the settings.
struct tmessdaten {
  std::array<double, 8> geometrie{};  // measured points and dimension line position
  std::uint8_t typ = 0;
  double texthoehe = 0;
  double textwinkel = 0;
  std::string masstext;  // edited value text; "" = computed
  std::uint8_t textposition = 0;
  std::uint8_t begrenzung = 0;
  std::string schrift = "Arial";
  std::array<std::uint32_t, 5> werte{};    // further settings of the dimension style
  std::array<std::uint8_t, 2> schalter{};
  std::string vortext;   // text before the value
  std::string nachtext;  // text after the value
  std::array<std::uint8_t, 14> optionen{};
  Farbe farbe = 0;
  std::uint8_t folie = 1;
  std::uint8_t planteil = 1;
  std::uint8_t stift = 0;

  bool operator==(const tmessdaten&) const = default;
};

// Group brackets (kinds 8 and 9).
struct tgruppendaten {
  std::uint8_t folie = 1;
  std::uint8_t planteil = 1;
  std::string name;
  std::array<double, 4> rahmen{};  // bounding box of the members (begin only)

  bool operator==(const tgruppendaten&) const = default;
};

// Bitmaps and fills (kinds 16, 39): an embedded image file and its placement.
struct Tbitmapdaten {
  std::array<double, 6> platzierung{};  // frame corners and angle
  std::vector<std::uint8_t> daten;      // the image file's bytes
  std::uint32_t option = 0;             // bitmap option
  std::uint8_t folie = 1;
  std::uint8_t planteil = 1;
  std::uint8_t gefuellt = 0;

  bool operator==(const Tbitmapdaten&) const = default;
};

// Texts and comments (kinds 17, 18).
struct Tfliestextdaten {
  double x = 0, y = 0;  // insertion point
  std::vector<std::string> zeilen;   // at most 256 lines
  std::vector<std::string> formate;  // per-line formatting
  std::string schrift = "Arial";
  Farbe farbe = 0;
  Farbe farbe2 = 0;
  float hoehe = 3.5f;  // sheet millimetres
  float winkel = 0;    // degrees
  std::array<std::uint8_t, 6> stil{};  // style values (bold, italic, underline, alignment, ...)
  std::uint8_t folie = 1;
  std::uint8_t planteil = 1;

  bool operator==(const Tfliestextdaten&) const = default;
};

// Metafiles (kind 38): an embedded vector picture.
struct Tmetafiledaten {
  std::array<double, 6> platzierung{};
  std::uint8_t folie = 1;
  std::uint8_t planteil = 1;
  std::vector<std::uint8_t> daten;

  bool operator==(const Tmetafiledaten&) const = default;
};

}  // namespace quarzel
