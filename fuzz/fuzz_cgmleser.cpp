// libFuzzer target for the CGM reader (checks in cadleserpruefung.h).
#include "cadleserpruefung.h"
#include "exchange/cgmleser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  return quarzel::pruefeCadLeser([](std::string_view d, quarzel::CadModell& m) { return quarzel::cgmLesen(d, m); },
                                 daten, groesse);
}
