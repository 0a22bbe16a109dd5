// libFuzzer target for the picture decoders: any bytes, taken as PNG, as JPEG
// and by their signature, give either nothing or a picture whose pixel buffer
// matches its size within the caps.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "render/bilddekoder.h"

using namespace quarzel;

namespace {

void pruefe(const std::optional<Rasterbild>& bild) {
  if (!bild) return;
  if (bild->breite <= 0 || bild->hoehe <= 0 || bild->breite > kGroessteBildseite || bild->hoehe > kGroessteBildseite)
    std::abort();
  if (bild->rgba.size() != static_cast<std::size_t>(bild->breite) * static_cast<std::size_t>(bild->hoehe) * 4)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::span<const std::uint8_t> datei(daten, groesse);
  pruefe(dekodierePng(datei));
  pruefe(dekodiereJpeg(datei));
  pruefe(dekodiereBild(datei));
  return 0;
}
