#include "render/bildverkleinerung.h"

#include <algorithm>

namespace quarzel {

Rasterbild verkleinertAuf(const Rasterbild& bild, std::size_t hoechstBytes) {
  const auto bytes = [](std::size_t b, std::size_t h) { return b * h * 4; };
  const std::size_t b = static_cast<std::size_t>(std::max(bild.breite, 0));
  const std::size_t h = static_cast<std::size_t>(std::max(bild.hoehe, 0));
  if (bytes(b, h) <= hoechstBytes || bild.rgba.size() < bytes(b, h)) return bild;
  std::size_t f = 2;
  while (bytes((b + f - 1) / f, (h + f - 1) / f) > hoechstBytes && f < std::max(b, h)) ++f;
  Rasterbild klein;
  klein.breite = static_cast<int>((b + f - 1) / f);
  klein.hoehe = static_cast<int>((h + f - 1) / f);
  klein.rgba.resize(bytes(klein.breite, klein.hoehe));
  for (std::size_t y = 0; y < std::size_t(klein.hoehe); ++y)
    for (std::size_t x = 0; x < std::size_t(klein.breite); ++x) {
      unsigned summe[4] = {0, 0, 0, 0};
      unsigned anzahl = 0;
      for (std::size_t yy = y * f; yy < std::min(h, y * f + f); ++yy)
        for (std::size_t xx = x * f; xx < std::min(b, x * f + f); ++xx, ++anzahl)
          for (int c = 0; c < 4; ++c) summe[c] += bild.rgba[(yy * b + xx) * 4 + c];
      for (int c = 0; c < 4; ++c)
        klein.rgba[(y * klein.breite + x) * 4 + c] = static_cast<std::uint8_t>((summe[c] + anzahl / 2) / anzahl);
    }
  return klein;
}

}  // namespace quarzel
