// Bemassungslayout: how a dimension record (tmessdaten) is read and laid out
// in output pixels. The dimensioning tools write records in this reading.
//
// Record fields:
// - geometrie: P1 (0, 1) and P2 (2, 3) the measured points; P3 (4, 5) a point
//   the dimension line passes through; P4 (6, 7) the text's bottom centre
//   when the text is placed by hand.
// - typ: 0 aligned with P1–P2, 1 horizontal, 2 vertical, 3 radius (P1 the
//   centre, P2 on the circle), 4 diameter (P1 and P2 across the circle),
//   5 angle with an arc and 6 angle with the symbol (P1 the vertex, P2 on
//   the first leg, P3 on the second; the angle runs counter-clockwise from
//   the first leg to the second; P4 a point of the arc, or of the symbol),
//   7 arc length (P1 the centre, P2 and P3 the arc's ends counter-clockwise,
//   P4 a point of the dimension arc), 8 level mark (P1 the marked point, P2
//   a point at the reference height ±0), 9 linear along the direction
//   `textwinkel` (degrees counter-clockwise; chains along any direction);
//   anything else reads as 0.
// - texthoehe: sheet millimetres (3.5 when not a positive number).
// - textposition: 0 "oberhalb der Maßlinie", 1 "auf der Maßlinie",
//   2 "unterhalb der Maßlinie", 3 "manuell positioniert" (at P4).
// - begrenzung: terminator in the low two bits, 0 "Pfeil", 1 "Schrägstrich",
//   2 "Kreis", 3 "ohne"; 4 added for "gefüllt zeichnen".
// - werte[0]: "Länge der Maßhilfslinien:" in 1/100 mm as a signed 32-bit
//   value; negative means the extension line runs to the measured point.
//   werte[1] "Überstand der Maßlinien:", werte[2] "Überstand der
//   Maßhilfslinien:", werte[3] the terminator's "Größe:", all 1/100 mm
//   (clamped to 0..25 mm; a size of 0 takes 2.5 mm). werte[4] the colour of
//   edited values ("Farbe für editierte Maßzahlen").
// - schalter[0]: decimals mode 0..4; schalter[1] bits: 1 "Keine Nullen
//   anhängen", 2 "Maßeinheit anzeigen", 4 "Gradzeichen bei Winkelbemaßung",
//   8 "Dezimaldarstellung englischer Einheiten", 16 edited values printed in
//   their colour.
// - optionen: [0] "R", [1] "D", [2] "Ø", [3] "M", [4] "~" prefixes (non-zero
//   = on); [5] arrows (types 0..4, 9): the dimension stands without extension
//   lines and radius and diameter arrows point in from outside the circle;
//   [6] level symbol: 0 "als Dreieck", 1 "als Fadenkreuz"; the others are
//   kept for the dimensioning tools.
// - level marks: werte[1] holds the reference value ("Bezugsgröße") in
//   1/100 model millimetres as a signed 32-bit value; werte[3] the symbol's
//   size.
// - masstext: the edited value text; empty = computed. vortext, nachtext.
//
// Sizes in millimetres are sheet millimetres, turned into pixels with the
// run's zoom.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "render/zeichenlauf.h"
#include "store/datensaetze.h"

namespace quarzel {

enum class Begrenzung { Pfeil, Schraegstrich, Kreis, Ohne };

struct Bemassungsfigur {
  struct Strecke {
    Pixelpunkt a, b;
  };
  Strecke masslinie;
  std::vector<Strecke> hilfslinien;
  // Further open polylines: dimension arcs, the angle symbol, level symbols,
  // the arc sign over an arc length.
  std::vector<std::vector<Pixelpunkt>> zuege;
  // Where terminators sit: each tip and a point the terminator points away
  // from (inside the dimension line).
  struct Spitze {
    Pixelpunkt spitze, innen;
  };
  std::vector<Spitze> spitzen;
  // The dimension line's measured ends (without its overshoot), where the
  // terminators sit.
  Pixelpunkt anfang, ende;
  // Whether the first and second entry of `spitzen` are drawn.
  bool begrenzungAnfang = true;
  bool begrenzungEnde = true;
  Begrenzung begrenzung = Begrenzung::Pfeil;
  bool gefuellt = false;
  double begrenzungPixel = 0;  // terminator length
  // Where the value text goes: top-left corner of its cell and its angle
  // (degrees, counter-clockwise), so that it reads from below or from the right.
  Pixelpunkt textpunkt;
  double textwinkel = 0;
  double texthoehePixel = 0;
  double laengeMm = 0;  // the measured length in sheet millimetres
};

// `textbreitePixel` is the width the text will take (for centring). nullopt
// for records that give no figure (both measured points the same, values not
// finite).
std::optional<Bemassungsfigur> bemassungsfigur(const tmessdaten& d, const Zeichenlauf& lauf, double textbreitePixel);

// The measured length alone (sheet millimetres); for arc lengths the arc's.
double gemesseneLaenge(const tmessdaten& d);

// The record's kind as the layout reads it (unknown codes read as 0).
int bemassungstyp(const tmessdaten& d);
bool istWinkelbemassung(const tmessdaten& d);
// Degrees counter-clockwise from the first leg to the second, in [0, 360).
double gemessenerWinkel(const tmessdaten& d);
// A level mark's height over the reference point in sheet millimetres
// (positive above).
double gemesseneHoehe(const tmessdaten& d);

}  // namespace quarzel
