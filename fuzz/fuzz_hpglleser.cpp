// libFuzzer target for the HPGL reader (checks in cadleserpruefung.h).
#include "cadleserpruefung.h"
#include "exchange/hpglleser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  return quarzel::pruefeCadLeser([](std::string_view d, quarzel::CadModell& m) { return quarzel::hpglLesen(d, m); },
                                 daten, groesse);
}
