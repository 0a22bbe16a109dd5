// What every CAD reader's fuzz target checks besides surviving any bytes:
// the model must be one the import can walk without checking (every index
// of an entity points into the model's shared vectors, texts and names are
// UTF-8), and a file that was not read whole says why.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "base/textkodierung.h"
#include "exchange/cadmodell.h"

namespace quarzel {

using CadLesefunktion = CadLeseergebnis (*)(std::string_view daten, CadModell& modell);

inline int pruefeCadLeser(CadLesefunktion lesen, const std::uint8_t* daten, std::size_t groesse) {
  CadModell m;
  const CadLeseergebnis e = lesen(std::string_view(reinterpret_cast<const char*>(daten), groesse), m);
  if (!e.ok && e.fehler.empty()) {
    std::fprintf(stderr, "abgebrochen ohne Meldung\n");
    std::abort();
  }
  for (const auto* liste : {&m.texte, &m.namen}) {
    for (const std::string& s : *liste) {
      if (!istGueltigesUtf8(s)) {
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

}  // namespace quarzel
