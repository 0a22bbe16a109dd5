#include "render/bilddekoder.h"

#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstring>
#include <memory>
#include <string_view>

namespace quarzel {

namespace {

bool groesseZulaessig(std::int64_t breite, std::int64_t hoehe) {
  return breite > 0 && hoehe > 0 && breite <= kGroessteBildseite && hoehe <= kGroessteBildseite &&
         breite * hoehe <= kGroesstePixelzahl;
}

// A header may claim far more pixels than its few bytes could ever describe;
// such a file would make us fill a large buffer for nothing. Deflate packs
// at most about 1032 bytes into one (eight 1-bit pixels per byte), JPEG
// needs a few bits per 8×8 block even for a plain area; beyond these ratios
// (with room to spare) the file cannot be whole.
constexpr std::int64_t kPngPixelProByte = 8 * 1100;
constexpr std::int64_t kJpegPixelProByte = 20000;
constexpr std::int64_t kFreiePixel = 1 << 20;

bool passtZurDateigroesse(std::int64_t breite, std::int64_t hoehe, std::size_t bytes, std::int64_t proByte) {
  return breite * hoehe <= kFreiePixel + static_cast<std::int64_t>(bytes) * proByte;
}

// libjpeg reports errors by calling error_exit, which must not return.
struct Jpegfehler {
  jpeg_error_mgr basis;
  std::jmp_buf sprung;
};

[[noreturn]] void jpegAbbruch(j_common_ptr info) {
  std::longjmp(reinterpret_cast<Jpegfehler*>(info->err)->sprung, 1);
}

void jpegStill(j_common_ptr, int) {}

// A progressive file can carry thousands of tiny scans that each make the
// decoder walk the whole picture again; real files have a dozen or so.
constexpr int kMeisteScans = 256;

void jpegFortschritt(j_common_ptr info) {
  if (!info->is_decompressor) return;
  const auto* d = reinterpret_cast<j_decompress_ptr>(info);
  if (d->input_scan_number > kMeisteScans) std::longjmp(reinterpret_cast<Jpegfehler*>(info->err)->sprung, 1);
}

// Everything touched after setjmp lives in this struct, so a longjmp back
// cannot leave a stale register copy behind.
struct Jpeglauf {
  jpeg_decompress_struct info{};
  Jpegfehler fehler{};
  jpeg_progress_mgr fortschritt{};
  Rasterbild bild;
  std::vector<std::uint8_t> zeile;
  bool erzeugt = false;
};

bool jpegLesen(Jpeglauf& l, std::span<const std::uint8_t> datei) {
  l.info.err = jpeg_std_error(&l.fehler.basis);
  l.fehler.basis.error_exit = jpegAbbruch;
  l.fehler.basis.emit_message = jpegStill;
  if (setjmp(l.fehler.sprung)) return false;
  jpeg_create_decompress(&l.info);
  l.erzeugt = true;
  l.fortschritt.progress_monitor = jpegFortschritt;
  l.info.progress = &l.fortschritt;
  jpeg_mem_src(&l.info, datei.data(), static_cast<unsigned long>(datei.size()));
  if (jpeg_read_header(&l.info, TRUE) != JPEG_HEADER_OK) return false;
  if (!groesseZulaessig(l.info.image_width, l.info.image_height) ||
      !passtZurDateigroesse(l.info.image_width, l.info.image_height, datei.size(), kJpegPixelProByte))
    return false;
  // Grey and colour pictures both come out as RGB; CMYK and other spaces are refused.
  if (l.info.jpeg_color_space != JCS_GRAYSCALE && l.info.jpeg_color_space != JCS_YCbCr &&
      l.info.jpeg_color_space != JCS_RGB)
    return false;
  l.info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&l.info);
  if (l.info.output_components != 3 || !groesseZulaessig(l.info.output_width, l.info.output_height)) return false;
  const std::size_t b = l.info.output_width;
  const std::size_t h = l.info.output_height;
  l.bild.breite = static_cast<int>(b);
  l.bild.hoehe = static_cast<int>(h);
  l.bild.rgba.assign(b * h * 4, 255);
  l.zeile.resize(b * 3);
  while (l.info.output_scanline < l.info.output_height) {
    const std::size_t y = l.info.output_scanline;
    JSAMPROW zeiger = l.zeile.data();
    if (jpeg_read_scanlines(&l.info, &zeiger, 1) != 1) return false;
    std::uint8_t* ziel = l.bild.rgba.data() + y * b * 4;
    for (std::size_t x = 0; x < b; ++x) std::memcpy(ziel + 4 * x, l.zeile.data() + 3 * x, 3);
  }
  jpeg_finish_decompress(&l.info);
  return true;
}

}  // namespace

Bildformat erkenneBildformat(std::span<const std::uint8_t> datei) {
  static constexpr std::uint8_t png[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (datei.size() >= 8 && std::equal(png, png + 8, datei.begin())) return Bildformat::Png;
  if (datei.size() >= 3 && datei[0] == 0xFF && datei[1] == 0xD8 && datei[2] == 0xFF) return Bildformat::Jpeg;
  // SVG: look for the root element within the first kilobytes, after any
  // XML declaration, comments or byte-order mark.
  const std::size_t n = std::min<std::size_t>(datei.size(), 4096);
  const std::string_view anfang(reinterpret_cast<const char*>(datei.data()), n);
  if (anfang.find("<svg") != std::string_view::npos) return Bildformat::Svg;
  return Bildformat::Unbekannt;
}

std::optional<Rasterbild> dekodierePng(std::span<const std::uint8_t> datei) {
  if (datei.size() < 8) return std::nullopt;
  // The simplified interface keeps libpng's setjmp handling inside libpng.
  png_image kopf;
  std::memset(&kopf, 0, sizeof kopf);
  kopf.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&kopf, datei.data(), datei.size())) {
    png_image_free(&kopf);
    return std::nullopt;
  }
  if (!groesseZulaessig(kopf.width, kopf.height) ||
      !passtZurDateigroesse(kopf.width, kopf.height, datei.size(), kPngPixelProByte)) {
    png_image_free(&kopf);
    return std::nullopt;
  }
  kopf.format = PNG_FORMAT_RGBA;
  Rasterbild bild;
  bild.breite = static_cast<int>(kopf.width);
  bild.hoehe = static_cast<int>(kopf.height);
  bild.rgba.resize(PNG_IMAGE_SIZE(kopf));
  if (!png_image_finish_read(&kopf, nullptr, bild.rgba.data(), 0, nullptr)) {
    png_image_free(&kopf);
    return std::nullopt;
  }
  png_image_free(&kopf);
  if (bild.rgba.size() != static_cast<std::size_t>(bild.breite) * static_cast<std::size_t>(bild.hoehe) * 4)
    return std::nullopt;
  return bild;
}

std::optional<Rasterbild> dekodiereJpeg(std::span<const std::uint8_t> datei) {
  if (datei.size() < 4) return std::nullopt;
  auto lauf = std::make_unique<Jpeglauf>();
  const bool gut = jpegLesen(*lauf, datei);
  if (lauf->erzeugt) jpeg_destroy_decompress(&lauf->info);
  if (!gut) return std::nullopt;
  return std::move(lauf->bild);
}

std::optional<Rasterbild> dekodiereBild(std::span<const std::uint8_t> datei) {
  switch (erkenneBildformat(datei)) {
    case Bildformat::Png:
      return dekodierePng(datei);
    case Bildformat::Jpeg:
      return dekodiereJpeg(datei);
    default:
      return std::nullopt;
  }
}

}  // namespace quarzel
