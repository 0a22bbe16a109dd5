// The settings the drawing tools read besides the store's current
// attributes: the drawing colour, the values of the tools' property panels
// (corner radius, number of corners, star ratio, multi-line offsets, marker
// type, free-hand smoothing) and, for the area tools, the fill of new areas.
// The window fills them from its panels and the configuration; the modules
// only read them.
//
// Construction lines ("Hilfslinien") are ordinary lines and arcs drawn with
// the construction pen (kHilfslinienstift, store/elementart.h) in the colour
// of the section "Hilfslinien".
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/farbe.h"

namespace quarzel {

// Pattern number of polygons drawn free-hand, where no pattern applies.
inline constexpr std::uint32_t kFreihandMuster = 555999;

struct Zeichenvorgabe {
  Farbe farbe = 0;  // the current drawing colour
  // Gradients run from the drawing colour to this one.
  Farbe farbe2 = rgb(255, 255, 255);
  // Rectangles: corner radius in sheet millimetres; 0 gives sharp corners.
  double eckradius = 0;
  // N-gons and stars: the number of corners (points of a star), 3..1000.
  int eckenzahl = 6;
  // Circles of a fixed radius (tools 55, 56), in sheet millimetres.
  double kreisradius = 10;
  // Stars: inner radius as a fraction of the outer one, 0.05..0.95.
  double sternverhaeltnis = 0.5;
  // Multi-lines: the offsets of the parallel lines in sheet millimetres,
  // measured to the left of the drawing direction (as seen on screen).
  std::vector<double> mehrfachAbstaende{0};
  // Marker points: the start decoration code, 21..29.
  std::uint8_t markertyp = 21;
  // Free-hand: smoothing ("Freihandglaetten") and the pen (0 = current pen).
  bool freihandglaetten = true;
  std::uint8_t freihandstift = 0;
  // Trimming: fillet radius and direction, chamfer measure (a length or, with
  // fasenAlsAbstand, the distance from the corner), pieces of a divided line.
  double abrundradius = 1;
  bool negativAbrunden = false;
  double fasenmass = 1;
  bool fasenAlsAbstand = false;
  int teilstuecke = 2;
  // Construction: the fixed distance of parallels in drawing units, the
  // angle to the reference line in degrees, the dividing ratio in per cent,
  // how many parallels at once, whether new lines take the properties of
  // the picked line, whether the picked line is shown while constructing.
  double abstandZurReferenzlinie = 1;
  double winkelZurReferenzlinie = 45;
  double teilungsverhaeltnis = 50;
  int anzahl = 1;
  bool eigenschaftenUebernehmen = false;
  bool ankerlinienAnzeigen = false;
  // The arc touching two circles: its radius in drawing units.
  double tangentialradius = 1;
  // Editing a piece of a line or circle: change it ("Ändern") instead of deleting it.
  bool teilstueckAendern = false;
  // Area measuring: the label gives the perimeter, the living area with
  // the plaster thickness in centimetres taken off.
  bool umfangAngeben = false;
  bool mitPutzabzug = false;
  double putzstaerkeCm = 2;
  // Construction lines: their colour (section "Hilfslinien", key "Farbe").
  Farbe hilfslinienfarbe = 0;
  // The rubber band of a figure in progress ("Farbe beim Zeichnen von Objekten").
  Farbe gummibandfarbe = 0;
};

// The fill every new area gets (the window's area panel).
struct Flaechenvorgabe {
  std::uint32_t fuellwert = 0;    // fill number: solid colour or texture number
  std::uint8_t fuellflag = 0;     // how fuellwert is to be read (0 solid colour)
  std::uint32_t attribut = 0;     // the 32-bit attribute value ...
  std::uint8_t attributFlag = 0;  // ... and its flag, set together
  std::string schraffurName;      // "" = no hatch
  float schraffurWinkel = 0;
  std::uint8_t gefuellt = 1;  // the interior is drawn
};

}  // namespace quarzel
