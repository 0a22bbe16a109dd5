// Bemassungstext: the value text of a dimension, formatted from the measured
// length with the unit in force for the dimension's layer. The renderer, the
// dimensioning and measuring tools and the macro words all write values here,
// so a dimension reads the same wherever it is shown.
//
// The unit in force is a value handed in (Masseinheitwahl), never a global
// that is switched and restored, so drawing a dimension of a layer with its
// own unit cannot leave the drawing's unit changed behind it.
//
// Numbers are written with the decimal comma. The architect's notation
// (decimals mode 4) carries its raised millimetre digit as a Unicode
// superscript digit ("2,40⁵"): every text drawing, the text width and the
// exported PDF then show it raised without a marker of their own.
#pragma once

#include <cstdint>
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
  int code = 3;                // unitCode; 5 and above are imperial
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
  bool einheitAnzeigen = false;    // "Maßeinheit anzeigen"
  std::string vortext;             // "Text vor der Maßzahl", followed by one blank
  std::string nachtext;            // "Text hinter der Maßzahl"
  bool gradzeichen = false;        // "Gradzeichen bei Winkelbemaßung"
  bool dezimalEnglisch = false;    // "Dezimaldarstellung englischer Einheiten"
  std::string toleranzOben;        // "obere Toleranzangabe:"
  std::string toleranzUnten;       // "untere Toleranzangabe:"
  bool plusMinus = false;          // "Zeichen ± vor einzeiligen Toleranzen"
  bool toleranzNichtHoch = false;  // "einzeilige Toleranzangaben nicht hochstellen"
};

// The number alone: the value in 1/10000 units rounded to the decimals
// (ties to even), written with a decimal comma, padded with zeros unless
// keineNullen.
std::string masszahl(double wert, int dezimalen, bool keineNullen);

// The architect's notation: the value to 1/1000 (ties to even), two decimals
// and the third as a raised digit when it is not 0 ("2,40⁵", "0,36").
std::string architektenzahl(double wert);

// The number in decimals mode 0..4.
std::string masszahlImModus(double wert, int dezimalmodus, bool keineNullen);

// Feet, inches and fractions: `zehntausendstel` is the value in 1/10000 of
// the unit (see imperialWert); unitCode 6 writes feet with "'-" and the
// rest in inches with '"'. Decimals mode 1, 2, 3 gives fractions of 16, 64,
// 256, anything else quarters.
std::string imperialtext(std::int64_t zehntausendstel, int unitCode, int dezimalmodus);

// The whole text for a length measured in sheet millimetres (without the
// tolerances, see Toleranzangabe).
std::string bemassungstext(double laengeMm, Bemassungsart art, const Masszahloptionen& o, const Masseinheitwahl& e);

// An angle in degrees, rounded by the decimals mode, "º" when asked for.
std::string winkeltext(double grad, const Masszahloptionen& o);

// A level mark: `hoeheMm` is the height over the reference in sheet
// millimetres, `bezugsgroesse` the reference value in model millimetres
// (0 when it is not added). At the reference "±0,00"; above "+", below "-".
std::string kotentext(double hoeheMm, double bezugsgroesse, const Masszahloptionen& o, const Masseinheitwahl& e);

// The tolerances as the text drawing places them: one line (a single value,
// or two of the same size) beside the value, raised unless asked otherwise;
// two different values stacked, the upper over the lower.
struct Toleranzangabe {
  std::string einzeilig;
  bool hochgestellt = true;
  std::string oben, unten;
  bool leer() const { return einzeilig.empty() && oben.empty() && unten.empty(); }
};
Toleranzangabe toleranzangabe(const Masszahloptionen& o);

// The value text and its tolerances on one line, for read-outs and macros.
std::string mitToleranz(const std::string& text, const Toleranzangabe& t);

// Read-outs of the measuring tools: the value with at least two decimals
// ("12,50", "4,125"), then " m²" for areas or " m" for lengths.
enum class Messgroesse { Laenge, Flaeche };
// The unit name follows ("m" by default), squared for areas; none when empty.
std::string messtext(double wert, Messgroesse g, std::string_view einheit = "m");

}  // namespace quarzel
