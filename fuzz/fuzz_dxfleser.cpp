// libFuzzer target for the DXF reader (checks in cadleserpruefung.h).
#include "cadleserpruefung.h"
#include "exchange/dxfleser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  return quarzel::pruefeCadLeser([](std::string_view d, quarzel::CadModell& m) { return quarzel::dxfLesen(d, m); },
                                 daten, groesse);
}
