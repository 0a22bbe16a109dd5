// libFuzzer target for the SVG reader. Besides surviving any bytes, what it
// reads must be a model the import can walk without checking: every index of
// an entity points into the model's shared vectors, and a file that was not
// read whole says why.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "exchange/svgleser.h"

using namespace quarzel;

namespace {

// Texts and names come out as UTF-8 whatever bytes the file held.
bool wohlgeformt(const std::string& s) {
  for (std::size_t i = 0; i < s.size();) {
    auto c = static_cast<unsigned char>(s[i]);
    std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
    if (n == 0 || i + n > s.size()) return false;
    for (std::size_t k = 1; k < n; ++k)
      if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) return false;
    i += n;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  CadModell m;
  const CadLeseergebnis e = svgLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse), m);
  if (!e.ok && e.fehler.empty()) {
    std::fprintf(stderr, "abgebrochen ohne Meldung\n");
    std::abort();
  }
  for (const auto* liste : {&m.texte, &m.namen}) {
    for (const std::string& s : *liste) {
      if (!wohlgeformt(s)) {
        std::fprintf(stderr, "kein UTF-8: %s\n", s.c_str());
        std::abort();
      }
    }
  }
  if (!m.indizesGueltig()) {
    std::fprintf(stderr, "Index außerhalb des Modells\n");
    std::abort();
  }
  return 0;
}
