// libFuzzer target for the symbol-file reader and the insertion of what it
// read. Besides surviving any bytes (read with the short and the long
// signature field), a symbol must be one the program can rely on: its group
// brackets pair up, writing it and reading that again loses nothing and
// gives the same bytes once more, and placing it — scaled, turned and
// mirrored — adds one group in one undo step that one undo takes away.
//
// The symbols and the drawing are the same objects throughout, as the
// program reads one file after another; the undone insertion is purged by
// the next one's step.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <span>

#include "platform/skriptbenutzer.h"
#include "store/strukturpruefung.h"
#include "store/symboldatei.h"
#include "store/symboleinfuegen.h"

namespace {

using namespace quarzel;

#define PRUEFE(bedingung)                                                      \
  do {                                                                         \
    if (!(bedingung)) {                                                        \
      std::fprintf(stderr, "verletzt (Zeile %d): %s\n", __LINE__, #bedingung); \
      std::abort();                                                            \
    }                                                                          \
  } while (false)

bool inOrdnung(const Zeichnung& z) {
  return pruefeStruktur(z.speicher, [&](std::uint8_t e) { return z.ebenen.existiert(e); }) == Strukturbefund::InOrdnung;
}

std::int32_t lebendige(const Elementspeicher& s) {
  std::int32_t n = 0;
  for (std::int32_t i = 1; i <= s.anzahl(); ++i) n += s.lebendig(i) ? 1 : 0;
  return n;
}

Zeichnung& neueZeichnung() {
  auto* z = new Zeichnung;
  SkriptBenutzer b;
  z->speicher.initialisiere(b);
  z->ebenen.setzeMassstab(1, 100);
  return *z;
}

void pruefe(std::span<const std::uint8_t> daten, Signaturfeld feld) {
  static Zeichnung& ziel = neueZeichnung();
  static Symbol& s = *new Symbol;
  static Symbol& nochmal = *new Symbol;
  SkriptBenutzer benutzer;
  const Symbolladeergebnis e = leseSymbol(daten, feld, s, benutzer);
  if (!e.geladen) {
    PRUEFE(!e.fehler.empty());
    return;
  }
  PRUEFE(inOrdnung(s.zeichnung));
  PRUEFE(lebendige(s.zeichnung.speicher) == e.elemente);

  const std::vector<std::uint8_t> geschrieben = schreibeSymbol(s);
  const Symbolladeergebnis wieder = leseSymbol(geschrieben, Signaturfeld::Kurz, nochmal, benutzer);
  PRUEFE(wieder.geladen);
  PRUEFE(wieder.verworfeneSaetze == 0 && wieder.defekteGruppen == 0);
  PRUEFE(wieder.elemente == e.elemente);
  PRUEFE(schreibeSymbol(nochmal) == geschrieben);

  Elementspeicher& sp = ziel.speicher;
  const std::int32_t vorher = lebendige(sp);
  const Symbolplatzierung lage{{5000, 5000}, 30.0 + double(daten.size() % 300), daten.size() % 2 == 1};
  const std::int32_t anfang = fuegeSymbolEin(ziel, s, lage, "fuzz.QZS");
  if (anfang == 0) {
    PRUEFE(e.elemente == 0 || lebendige(sp) == vorher);
    return;
  }
  PRUEFE(inOrdnung(ziel));
  PRUEFE(lebendige(sp) == vorher + e.elemente + 2);
  sp.rueckgaengig();
  PRUEFE(lebendige(sp) == vorher);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
  const std::span<const std::uint8_t> bytes(daten, groesse);
  pruefe(bytes, Signaturfeld::Kurz);
  pruefe(bytes, Signaturfeld::Lang);
  return 0;
}
