// Sheet formats of the drawing options: the A-series in portrait and landscape,
// and the bounds and conversion of a sheet typed in drawing units
// ("beliebiges Format").
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace quarzel {

struct Blattformat {
  std::string_view hochformat;  // caption of the portrait choice
  std::string_view querformat;  // caption of the landscape choice
  std::int32_t breite;          // portrait width, mm
  std::int32_t hoehe;           // portrait height, mm
};

inline constexpr std::array<Blattformat, 6> blattformate{{
    {"A5 Hochformat", "A5 Querformat", 148, 210},
    {"A4 Hochformat", "A4 Querformat", 210, 297},
    {"A3 Hochformat", "A3 Querformat", 297, 420},
    {"A2 Hochformat", "A2 Querformat", 420, 594},
    {"A1 Hochformat", "A1 Querformat", 594, 841},
    {"A0 Hochformat", "A0 Querformat", 841, 1189},
}};

struct Blattmass {
  std::int32_t breite = 0;  // mm
  std::int32_t hoehe = 0;   // mm
};

// The size of a format choice by its caption; landscape swaps the portrait
// values. nullopt for captions that are not in the table.
std::optional<Blattmass> blattmassNachName(std::string_view caption);
// By table index (0 = A5 .. 5 = A0).
std::optional<Blattmass> blattmassNachIndex(int index, bool quer);

// Bounds of the width and height fields of "beliebiges Format", in drawing units.
struct Eingabegrenzen {
  std::int32_t minimum = 0;
  std::int32_t maximum = 0;
};
Eingabegrenzen beliebigesFormatGrenzen(double unitFactor);

// A typed size in drawing units as whole sheet millimetres (divided by the
// unit factor, rounded); nullopt when the factor or the value cannot give one.
std::optional<std::int32_t> zeichnungseinheitenInMm(double wert, double unitFactor);
// Millimetres as the edit fields show them.
double mmInZeichnungseinheiten(std::int32_t mm, double unitFactor);

}  // namespace quarzel
