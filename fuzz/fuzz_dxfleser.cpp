// libFuzzer target for the DXF reader. Besides surviving any bytes, what it
// reads must be a model the import can walk without checking: every index of
// an entity points into the model's shared vectors.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "exchange/dxfleser.h"

namespace {

using namespace quarzel;

#define PRUEFE(bedingung)                                                      \
  do {                                                                         \
    if (!(bedingung)) {                                                        \
      std::fprintf(stderr, "verletzt (Zeile %d): %s\n", __LINE__, #bedingung); \
      std::abort();                                                            \
    }                                                                          \
  } while (false)

void pruefen(const CadModell& m, const std::vector<CadEntitaet>& liste) {
  for (const CadEntitaet& e : liste) {
    PRUEFE(e.layer < m.namen.size());
    PRUEFE(e.linientyp == kKeinIndex || e.linientyp < m.namen.size());
    PRUEFE(e.block == kKeinIndex || e.block < m.namen.size());
    PRUEFE(e.kennung == kKeinIndex || e.kennung < m.namen.size());
    PRUEFE(e.muster == kKeinIndex || e.muster < m.namen.size());
    PRUEFE(std::uint64_t{e.ersterFitpunkt} + e.fitpunktAnzahl <= m.scheitel.size());
    PRUEFE(e.knotenAnzahl <= e.zahlAnzahl);
    PRUEFE(e.text == kKeinIndex || e.text < m.texte.size());
    PRUEFE(std::uint64_t{e.ersterScheitel} + e.scheitelAnzahl <= m.scheitel.size());
    PRUEFE(std::uint64_t{e.ersterPfad} + e.pfadAnzahl <= m.pfade.size());
    PRUEFE(std::uint64_t{e.ersteZahl} + e.zahlAnzahl <= m.zahlen.size());
    PRUEFE(e.aufforderung == kKeinIndex || e.aufforderung < m.texte.size());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  CadModell m;
  const DxfErgebnis e = dxfLesen(std::string_view(reinterpret_cast<const char*>(daten), groesse), m);
  PRUEFE(e.ok || !e.fehler.empty());
  pruefen(m, m.entitaeten);
  for (const CadBlock& b : m.bloecke) pruefen(m, b.entitaeten);
  for (const CadPfad& p : m.pfade) PRUEFE(std::uint64_t{p.ersterScheitel} + p.anzahl <= m.scheitel.size());
  return 0;
}
