// libFuzzer target for the SVG reader (checks in cadleserpruefung.h).
#include "cadleserpruefung.h"
#include "exchange/svgleser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  return quarzel::pruefeCadLeser([](std::string_view d, quarzel::CadModell& m) { return quarzel::svgLesen(d, m); },
                                 daten, groesse);
}
