#include "edit/symbolablage.h"

#include "edit/bearbeitungswerkzeuge.h"

namespace quarzel {

std::unique_ptr<Symbol> symbolAusMarkierten(Zeichnung& zeichnung, Benutzer& benutzer) {
  const std::vector<std::int32_t> elemente = kopierbareMarkierte(zeichnung);
  const std::optional<Weltrechteck> box = markierteUmgebung(zeichnung);
  if (elemente.empty() || !box) return nullptr;
  // y runs down the sheet: the lower edge is the larger y.
  return neuesSymbol(zeichnung, elemente, {box->x1, box->y2}, benutzer);
}

std::optional<Weltrechteck> symbolumgebung(const Symbol& symbol) {
  // Every element of a symbol is marked.
  return markierteUmgebung(symbol.zeichnung);
}

}  // namespace quarzel
