// CgmBau: binary CGM files built element by element for the reader's tests.
#pragma once

#include <bit>
#include <cstdint>
#include <string>

namespace quarzel {

inline std::string cgmWort(unsigned w) {
  return {static_cast<char>(w >> 8), static_cast<char>(w & 0xFF)};
}
inline std::string cgmGanz(int v) {
  return cgmWort(static_cast<unsigned>(v) & 0xFFFF);
}
inline std::string cgmFest(double v) {  // 16.16 fixed point
  const auto w = static_cast<std::int32_t>(v * 65536);
  return cgmGanz(w >> 16) + cgmWort(static_cast<unsigned>(w) & 0xFFFF);
}
inline std::string cgmGleit(float v) {
  const auto w = std::bit_cast<std::uint32_t>(v);
  return cgmWort(w >> 16) + cgmWort(w & 0xFFFF);
}

struct CgmBau {
  std::string daten;

  // Long parameter lists go in two partitions, so that joining them is tested too.
  CgmBau& el(int klasse, int id, const std::string& p = {}) {
    const unsigned kopf = (static_cast<unsigned>(klasse) << 12) | (static_cast<unsigned>(id) << 5);
    if (p.size() < 31) {
      daten += cgmWort(kopf | static_cast<unsigned>(p.size())) + p;
    } else {
      const std::size_t h = p.size() / 2 & ~std::size_t{1};
      daten += cgmWort(kopf | 31) + cgmWort(0x8000u | h) + p.substr(0, h);
      daten += cgmWort(static_cast<unsigned>(p.size() - h)) + p.substr(h);
    }
    if (daten.size() & 1) daten.push_back('\0');
    return *this;
  }
};

}  // namespace quarzel
