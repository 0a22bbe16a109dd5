#include "store/symboleinfuegen.h"

#include <algorithm>
#include <filesystem>

#include "store/elementkopie.h"

namespace quarzel {

double symbolfaktor(const Symbol& symbol, const Zeichnung& ziel) {
  const double inKraft = ziel.massstabInKraft();
  if (!(symbol.kopf.massstab > 0) || !(inKraft > 0)) return 1;
  return symbol.kopf.massstab / inKraft;
}

Abbildung symbolabbildung(const Symbol& symbol, const Zeichnung& ziel, const Symbolplatzierung& p) {
  const Weltpunkt null;
  Abbildung a = Abbildung::streckung(null, symbolfaktor(symbol, ziel));
  if (p.gespiegelt) a = Abbildung::spiegelung(null, {0, 1}).nach(a);
  if (p.winkel != 0) a = Abbildung::drehung(null, p.winkel).nach(a);
  return Abbildung::verschiebung(p.punkt.x, p.punkt.y).nach(a);
}

std::string symbolgruppenname(const std::string& pfad) {
  return std::filesystem::path(pfad).filename().string();
}

std::int32_t fuegeSymbolEin(Zeichnung& ziel, const Symbol& symbol, const Symbolplatzierung& platzierung,
                            const std::string& name, const Weltrechteck* rahmen) {
  const Elementspeicher& quelle = symbol.zeichnung.speicher;
  std::int32_t lebendige = 0;
  for (std::int32_t n = 1; n <= quelle.anzahl(); ++n) lebendige += quelle.lebendig(n) ? 1 : 0;
  const Abbildung a = symbolabbildung(symbol, ziel, platzierung);
  if (lebendige == 0 || !a.endlich()) return 0;

  Elementspeicher& sp = ziel.speicher;
  sp.beginneSchritt();
  sp.demarkiereAlle();
  const AktuelleAttribute vorher = sp.aktuell;
  sp.aktuell.planteil = ziel.ebenen.aktiveEbene();
  sp.aktuell.folie = ziel.ebenen.aktiveFolie();
  tgruppendaten klammer;
  klammer.name = name;
  if (rahmen != nullptr) {
    const Weltpunkt e[4] = {a({rahmen->x1, rahmen->y1}), a({rahmen->x2, rahmen->y1}), a({rahmen->x2, rahmen->y2}),
                            a({rahmen->x1, rahmen->y2})};
    klammer.rahmen = {std::min({e[0].x, e[1].x, e[2].x, e[3].x}), std::min({e[0].y, e[1].y, e[2].y, e[3].y}),
                      std::max({e[0].x, e[1].x, e[2].x, e[3].x}), std::max({e[0].y, e[1].y, e[2].y, e[3].y})};
  }
  const std::int32_t anfang = sp.neueGruppenklammer(Elementart::Gruppenanfang, klammer);
  sp.vervollstaendige(anfang);
  for (std::int32_t n = 1; n <= quelle.anzahl(); ++n) {
    if (!quelle.lebendig(n)) continue;
    const std::int32_t neu = kopiereElement(quelle, n, sp);
    if (neu == 0) continue;
    sp.setzePlanteil(neu, sp.aktuell.planteil);
    sp.setzeFolie(neu, sp.aktuell.folie);
    bildeAb(sp, neu, a);
    sp.vervollstaendige(neu);
  }
  klammer.rahmen = {};
  sp.vervollstaendige(sp.neueGruppenklammer(Elementart::Gruppenende, klammer));
  sp.aktuell = vorher;
  sp.setzeModifiziert(true);
  return anfang;
}

}  // namespace quarzel
