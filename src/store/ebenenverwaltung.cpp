#include "store/ebenenverwaltung.h"

#include <array>
#include <cstdint>
#include <numeric>
#include <utility>

#include "store/ebenenoperationen.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

void geaendert(Zeichnung& z) {
  uebernimmAktive(z);
  z.speicher.setzeModifiziert(true);
}

// Where each old number goes when `von` moves to `nach`: the numbers between
// shift towards the gap. Index and value are numbers 0..255.
std::array<std::uint8_t, 256> verschiebung(int von, int nach) {
  std::array<std::uint8_t, 256> ziel{};
  std::iota(ziel.begin(), ziel.end(), std::uint8_t{0});
  if (von < nach) {
    for (int k = von + 1; k <= nach; ++k) ziel[k] = static_cast<std::uint8_t>(k - 1);
  } else {
    for (int k = nach; k < von; ++k) ziel[k] = static_cast<std::uint8_t>(k + 1);
  }
  ziel[von] = static_cast<std::uint8_t>(nach);
  return ziel;
}

}  // namespace

void benenneEbene(Zeichnung& z, int ebene, std::string name) {
  if (!z.ebenen.existiert(ebene) || name.empty() || z.ebenen.name(ebene) == name) return;
  z.ebenen.setzeName(ebene, std::move(name));
  geaendert(z);
}

void benenneFolie(Zeichnung& z, int ebene, int folie, std::string name) {
  if (!z.ebenen.folieExistiert(ebene, folie) || name.empty() || z.ebenen.folienname(ebene, folie) == name) return;
  z.ebenen.setzeFolienname(ebene, folie, std::move(name));
  geaendert(z);
}

void setzeEbeneSichtbar(Zeichnung& z, int ebene, bool sichtbar) {
  if (!z.ebenen.existiert(ebene)) return;
  z.ebenen.setzeSichtbarFlag(ebene, sichtbar ? 1 : 0);
  geaendert(z);
}

void setzeEbeneGeschuetzt(Zeichnung& z, int ebene, bool geschuetzt) {
  if (!z.ebenen.existiert(ebene)) return;
  const std::uint8_t alt = z.ebenen.anzeigezustand(ebene);
  z.ebenen.setzeAnzeigezustand(
      ebene, static_cast<std::uint8_t>(geschuetzt ? (alt | AnzeigeGeschuetzt) : (alt & ~AnzeigeGeschuetzt)));
  geaendert(z);
}

void setzeFolieSichtbar(Zeichnung& z, int ebene, int folie, bool sichtbar) {
  if (!z.ebenen.folieExistiert(ebene, folie)) return;
  const std::uint8_t alt = z.ebenen.folienzustand(ebene, folie);
  z.ebenen.setzeFolienzustand(
      ebene, folie, static_cast<std::uint8_t>(sichtbar ? (alt & ~FolieAusgeblendet) : (alt | FolieAusgeblendet)));
  geaendert(z);
}

void setzeFolieGeschuetzt(Zeichnung& z, int ebene, int folie, bool geschuetzt) {
  if (!z.ebenen.folieExistiert(ebene, folie)) return;
  const std::uint8_t alt = z.ebenen.folienzustand(ebene, folie);
  z.ebenen.setzeFolienzustand(
      ebene, folie, static_cast<std::uint8_t>(geschuetzt ? (alt | FolieGeschuetzt) : (alt & ~FolieGeschuetzt)));
  geaendert(z);
}

void setzeEbenenmassstab(Zeichnung& z, int ebene, double nenner) {
  if (!z.ebenen.existiert(ebene)) return;
  z.ebenen.setzeMassstab(ebene, nenner);
  geaendert(z);
}

bool verschiebeEbene(Zeichnung& z, int von, int nach) {
  Ebenen& e = z.ebenen;
  if (von == nach || !e.existiert(von) || !e.existiert(nach)) return false;
  const int schritt = von < nach ? 1 : -1;
  for (int k = von; k != nach; k += schritt) {
    e.tauscheEbenen(k, k + schritt);
    z.ansichten.tauscheEbenen(k, k + schritt);
  }
  const std::array<std::uint8_t, 256> ziel = verschiebung(von, nach);
  Elementspeicher& s = z.speicher;
  // The whole store, undo history included: an undone element must come
  // back on the layer it was drawn on.
  for (std::int32_t n = 1; n <= s.gesamtanzahl(); ++n) {
    const std::uint8_t p = s.planteil(n);
    if (ziel[p] != p) s.setzePlanteil(n, ziel[p]);
  }
  geaendert(z);
  return true;
}

bool verschiebeFolie(Zeichnung& z, int ebene, int von, int nach) {
  Ebenen& e = z.ebenen;
  if (von == nach || !e.folieExistiert(ebene, von) || !e.folieExistiert(ebene, nach)) return false;
  const int schritt = von < nach ? 1 : -1;
  for (int k = von; k != nach; k += schritt) {
    e.tauscheFolien(ebene, k, k + schritt);
    z.ansichten.tauscheFolien(ebene, k, k + schritt);
  }
  const std::array<std::uint8_t, 256> ziel = verschiebung(von, nach);
  Elementspeicher& s = z.speicher;
  for (std::int32_t n = 1; n <= s.gesamtanzahl(); ++n) {
    if (s.planteil(n) != ebene) continue;
    const std::uint8_t f = s.folie(n);
    if (ziel[f] != f) s.setzeFolie(n, ziel[f]);
  }
  geaendert(z);
  return true;
}

}  // namespace quarzel
