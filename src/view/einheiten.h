// Drawing units: the unit table of the options dialog, the packed unit byte of
// a layer, and how user coordinates are written as text.
//
// Two numberings exist and must not be mixed: the drawing's `unitCode` (Feet 6,
// Yard 7) and the layer unit byte, whose low bits are the choice index + 1 of a
// list in radio order (Yard 6, Feet 7).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarzel {

struct Masseinheit {
  std::string_view radiotext;  // caption of the radio button
  std::uint8_t code;           // unitCode
  double faktor;               // unitFactor: drawing units per model millimetre
  std::string_view name;       // unitName, written after numbers
};

// In radio order, which is not code order.
inline constexpr std::array<Masseinheit, 8> masseinheiten{{
    {"mm", 1, 1.0, "mm"},
    {"cm", 2, 0.1, "cm"},
    {"m", 3, 0.001, "m"},
    {"km", 4, 0.000001, "km"},
    {"Inch", 5, 0.03937, "in"},
    {"Yard", 7, 0.001094, "yd"},
    {"Feet", 6, 0.0032786, "ft"},
    {"Miles", 8, 0.0000005399568, "mls"},
}};

// nullptr when out of range.
const Masseinheit* einheitNachRadioIndex(int index);
const Masseinheit* einheitNachCode(int code);
// The radio index of a unit code, or -1.
int radioIndexVonCode(int code);
// Codes 5 and above are imperial.
constexpr bool istImperial(int unitCode) {
  return unitCode >= 5;
}


// displayDecimals as shown: 0..3 as stored, a stored 4 (and anything else) as 2.
int angezeigteDezimalen(int displayDecimals);

// A value in drawing units as the signed count of 1/10000 units that the
// imperial notation works on; clamped to the 64-bit range, NaN gives 0.
std::int64_t imperialWert(double wert);

// Fixed-point text with '.' as separator; never "-0.00".
std::string formatiereDezimal(double wert, int dezimalen);

// A user coordinate as text. Metric values, and imperial ones when
// imperialDecimal is set, get displayDecimals decimals. Imperial values
// without imperialDecimal go through imperialWert and are written as decimal
// inches/feet/... with four decimals, trailing zeros dropped.
std::string formatiereBenutzerwert(double wert, int unitCode, int displayDecimals, bool imperialDecimal);

}  // namespace quarzel
