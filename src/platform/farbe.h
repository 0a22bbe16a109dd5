// Colours as the drawing stores them: 24-bit RGB with red in the low byte.
#pragma once

#include <cstdint>

namespace quarzel {

using Farbe = std::uint32_t;

constexpr Farbe rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Farbe(r) | (Farbe(g) << 8) | (Farbe(b) << 16);
}
constexpr std::uint8_t rotAnteil(Farbe f) { return f & 0xFF; }
constexpr std::uint8_t gruenAnteil(Farbe f) { return (f >> 8) & 0xFF; }
constexpr std::uint8_t blauAnteil(Farbe f) { return (f >> 16) & 0xFF; }

}  // namespace quarzel
