#include "render/bildkodierer.h"

#include <png.h>

#include <cstring>

namespace quarzel {

std::vector<std::uint8_t> kodierePng(const Rasterbild& bild) {
  std::vector<std::uint8_t> datei;
  if (bild.breite <= 0 || bild.hoehe <= 0 ||
      bild.rgba.size() != static_cast<std::size_t>(bild.breite) * static_cast<std::size_t>(bild.hoehe) * 4)
    return datei;
  png_image bildinfo;
  std::memset(&bildinfo, 0, sizeof bildinfo);
  bildinfo.version = PNG_IMAGE_VERSION;
  bildinfo.width = static_cast<png_uint_32>(bild.breite);
  bildinfo.height = static_cast<png_uint_32>(bild.hoehe);
  bildinfo.format = PNG_FORMAT_RGBA;
  // First the size, then the bytes.
  png_alloc_size_t groesse = 0;
  if (!png_image_write_to_memory(&bildinfo, nullptr, &groesse, 0, bild.rgba.data(), 0, nullptr)) return datei;
  datei.resize(groesse);
  if (!png_image_write_to_memory(&bildinfo, datei.data(), &groesse, 0, bild.rgba.data(), 0, nullptr)) {
    png_image_free(&bildinfo);
    return {};
  }
  datei.resize(groesse);
  return datei;
}

}  // namespace quarzel
