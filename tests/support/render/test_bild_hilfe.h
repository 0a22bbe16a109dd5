// Picture files for the picture tests, written with the same libraries the
// decoders use, and a drawing context around a recording canvas.
#pragma once

#include <jpeglib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "render/bildkodierer.h"
#include "render/zeichenkontext.h"
#include "render/zeichenlauf.h"
#include "store/zeichnung.h"
#include "support/aufzeichnungscanvas.h"

namespace quarzel::bildtest {

// A picture whose pixel (x, y) has red x, green y, blue 77 and full alpha.
inline Rasterbild verlaufsbild(int b, int h) {
  Rasterbild r{b, h, std::vector<std::uint8_t>(static_cast<std::size_t>(b) * h * 4)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < b; ++x) {
      std::uint8_t* p = r.rgba.data() + (static_cast<std::size_t>(y) * b + x) * 4;
      p[0] = static_cast<std::uint8_t>(x);
      p[1] = static_cast<std::uint8_t>(y);
      p[2] = 77;
      p[3] = 255;
    }
  return r;
}

// The program's own PNG writer: what "Bild einfügen" and the bitmap tools embed.
inline std::vector<std::uint8_t> alsPng(const Rasterbild& r) {
  return kodierePng(r);
}

// With `cmyk` the four bytes of each pixel are written as C, M, Y and K.
inline std::vector<std::uint8_t> alsJpeg(const Rasterbild& r, bool progressiv = false, bool cmyk = false) {
  jpeg_compress_struct info{};
  jpeg_error_mgr fehler{};
  info.err = jpeg_std_error(&fehler);
  jpeg_create_compress(&info);
  unsigned char* puffer = nullptr;
  unsigned long groesse = 0;
  jpeg_mem_dest(&info, &puffer, &groesse);
  info.image_width = static_cast<JDIMENSION>(r.breite);
  info.image_height = static_cast<JDIMENSION>(r.hoehe);
  info.input_components = cmyk ? 4 : 3;
  info.in_color_space = cmyk ? JCS_CMYK : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (progressiv) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<std::uint8_t> zeile(static_cast<std::size_t>(r.breite) * 3);
  while (info.next_scanline < info.image_height) {
    const std::uint8_t* q = r.rgba.data() + static_cast<std::size_t>(info.next_scanline) * r.breite * 4;
    for (int x = 0; x < r.breite; ++x) std::memcpy(&zeile[static_cast<std::size_t>(x) * 3], q + x * 4, 3);
    JSAMPROW z = cmyk ? const_cast<std::uint8_t*>(q) : zeile.data();
    jpeg_write_scanlines(&info, &z, 1);
  }
  jpeg_finish_compress(&info);
  std::vector<std::uint8_t> aus(puffer, puffer + groesse);
  jpeg_destroy_compress(&info);
  std::free(puffer);
  return aus;
}

// A drawing, a run at `zoom` mm per pixel with the world origin at the
// canvas's top-left, and a recording canvas of 800 × 600 pixels.
struct Umgebung {
  Zeichnung zeichnung;
  Aufzeichnungscanvas canvas{800, 600};
  Anzeigeschalter schalter;
  Darstellungswahl darstellung;
  std::unique_ptr<Zeichenlauf> lauf;
  std::unique_ptr<Zeichenkontext> kontext;

  explicit Umgebung(double zoom = 1) {
    Laufparameter p;
    p.zoom = zoom;
    lauf = std::make_unique<Zeichenlauf>(zeichnung.stifte, zeichnung.linienstile, p);
    lauf->computePenPixelWidths(zoom);
    kontext = std::make_unique<Zeichenkontext>(Zeichenkontext{zeichnung, *lauf, canvas, schalter, darstellung});
    kontext->clip = {0, 0, 800, 600};
  }
  Zeichenkontext& k() { return *kontext; }
};

}  // namespace quarzel::bildtest
