// Bemassungstext: the value text of a dimension, formatted from the measured
// length with the unit in force for the dimension's layer.
//
// The unit in force is a value handed in (Masseinheitwahl), never a global
// that is switched and restored, so drawing a dimension of a layer with its
// own unit cannot leave the drawing's unit changed behind it.
#pragma once

#include <string>
#include <string_view>

namespace quarzel {

class Ansicht;
class Ebenen;

// The unit a dimension's value is written in.
struct Masseinheitwahl {
  double faktor = 0.001;  // drawing units per model millimetre
  std::string_view name = "m";
  int nachkommastellen = 2;    // decimals mode 0..3, 4 the architect's notation
  bool anzeigen = false;       // unit name after the number
  double massstab = 100;       // n of 1 : n
  bool eigeneEinheit = false;  // the layer's unit byte is in force (its decimals win)
};

// The drawing's unit, replaced by the layer's own unit byte where it has one,
// and the layer's scale (the drawing scale when the layer follows it).
Masseinheitwahl einheitFuerEbene(const Ansicht& ansicht, const Ebenen& ebenen, int ebene);

enum class Bemassungsart { Laenge, Radius, Durchmesser };

struct Masszahloptionen {
  int dezimalmodus = 2;             // 0..3 decimals, 4 architect's notation (2 decimals)
  bool keineNullen = false;         // "Keine Nullen anhängen"
  bool zeichenR = false;            // "R" before radius values
  bool zeichenD = false;            // "D" before diameter values
  bool zeichenDurchmesser = false;  // "Ø" before diameter values
  bool zeichenM = false;
  bool zeichenTilde = false;
  bool einheitAnzeigen = false;  // "Maßeinheit anzeigen"
  std::string vortext;           // "Text vor der Maßzahl", followed by one blank
  std::string nachtext;          // "Text hinter der Maßzahl"
};

// The number alone: the value in 1/10000 units rounded to the decimals
// (ties to even), written with a decimal comma, padded with zeros unless
// keineNullen.
std::string masszahl(double wert, int dezimalen, bool keineNullen);

// The whole text for a length measured in sheet millimetres.
std::string bemassungstext(double laengeMm, Bemassungsart art, const Masszahloptionen& o, const Masseinheitwahl& e);

}  // namespace quarzel
