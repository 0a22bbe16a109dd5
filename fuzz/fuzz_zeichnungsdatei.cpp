// libFuzzer target for the drawing-file reader. Besides surviving any bytes,
// a load must leave a drawing the rest of the program can rely on: the
// structure check passes, every element's sublayer exists, and what was
// loaded is saved and loaded again without a damaged record.
//
// The drawings are loaded into the same two targets again and again, as the
// program loads one drawing after another: that keeps an execution cheap.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "platform/skriptbenutzer.h"
#include "store/strukturpruefung.h"
#include "store/zeichnungsdatei.h"

namespace {

using namespace quarzel;

class EscapeNie final : public Tastatur {
 public:
  bool escapeGedrueckt() override { return false; }
  bool funktionstasteGedrueckt(int) override { return false; }
};

#define PRUEFE(bedingung)                                                      \
  do {                                                                         \
    if (!(bedingung)) {                                                        \
      std::fprintf(stderr, "verletzt (Zeile %d): %s\n", __LINE__, #bedingung); \
      std::abort();                                                            \
    }                                                                          \
  } while (false)

void pruefeZeichnung(const Zeichnung& z) {
  const Elementspeicher& s = z.speicher;
  PRUEFE(pruefeStruktur(s, [&](std::uint8_t e) { return z.ebenen.existiert(e); }) == Strukturbefund::InOrdnung);
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    PRUEFE(s.lebendig(n));
    PRUEFE(z.ebenen.folieExistiert(s.planteil(n), s.folie(n)));
  }
}

Zeichnung& neueZeichnung() {
  auto* z = new Zeichnung;
  SkriptBenutzer b;
  z->speicher.initialisiere(b);
  return *z;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  static Zeichnung& z = neueZeichnung();
  static Zeichnung& wieder = neueZeichnung();
  SkriptBenutzer benutzer;
  EscapeNie tastatur;
  Ladeoptionen optionen;
  optionen.tastatur = &tastatur;
  const Ladeergebnis e = leseZeichnung(std::span(daten, groesse), z, benutzer, optionen);
  if (!e.geladen) return 0;
  PRUEFE(e.elemente == z.speicher.anzahl());
  pruefeZeichnung(z);

  const Schreibergebnis geschrieben = schreibeZeichnung(z);
  PRUEFE(geschrieben.nichtGeschrieben == 0);
  wieder.ansicht = z.ansicht;
  const Ladeergebnis e2 = leseZeichnung(geschrieben.daten, wieder, benutzer);
  PRUEFE(e2.geladen);
  PRUEFE(e2.verworfeneSaetze == 0);
  PRUEFE(e2.defekteGruppen == 0);
  PRUEFE(e2.elemente == e.elemente);
  pruefeZeichnung(wieder);
  return 0;
}
