// libFuzzer target for the DXF reader. Besides surviving any bytes, what it
// reads must be a model the import can walk without checking: every index of
// an entity points into the model's shared vectors, and a file that was not
// read whole says why.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "exchange/dxfleser.h"

using namespace quarzel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  CadModell m;
  const DxfErgebnis e = dxfLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse), m);
  if (!e.ok && e.fehler.empty()) {
    std::fprintf(stderr, "abgebrochen ohne Meldung\n");
    std::abort();
  }
  if (!m.indizesGueltig()) {
    std::fprintf(stderr, "Index außerhalb des Modells\n");
    std::abort();
  }
  return 0;
}
