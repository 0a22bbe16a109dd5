#include "edit/konstruktionsoperationen.h"

#include <cmath>

#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool brauchbar(const Figurlinie& l) {
  return std::isfinite(l.a.x) && std::isfinite(l.a.y) && std::isfinite(l.b.x) && std::isfinite(l.b.y) &&
         (l.a.x != l.b.x || l.a.y != l.b.y);
}

}  // namespace

std::pair<std::int32_t, std::int32_t> legeKonstruktionAb(Zeichnung& z, std::span<const Figurlinie> linien,
                                                         const Konstruktionsablage& a) {
  std::int32_t von = 0, bis = -1;
  Elementspeicher& s = z.speicher;
  // Read before the store grows: the record may move.
  const bool mitVorlage =
      a.vorlage > 0 && a.vorlage <= s.anzahl() && s.lebendig(a.vorlage) && istLinienart(s.art(a.vorlage));
  const Tliniendaten vorlage = mitVorlage ? s.linie(a.vorlage) : Tliniendaten{};
  for (const Figurlinie& l : linien) {
    if (!brauchbar(l)) continue;
    if (von == 0) {
      s.demarkiereAlle();
      s.beginneSchritt();
    }
    const std::int32_t n = s.neueLinie(l.a.x, l.a.y, l.b.x, l.b.y, a.farbe);
    if (a.hilfslinie) s.setzeStift(n, kHilfslinienstift);
    if (mitVorlage) {
      s.setzePlanteil(n, vorlage.planteil);
      s.setzeFolie(n, vorlage.folie);
      if (!a.hilfslinie) {
        s.setzeStift(n, vorlage.stift);
        s.setzeLinienstil(n, vorlage.linienstil);
        s.setzeFarbe(n, vorlage.farbe);
      }
    }
    s.vervollstaendige(n);  // completed elements stand marked
    if (von == 0) von = n;
    bis = n;
  }
  if (von != 0) s.setzeModifiziert(true);
  return {von, bis};
}

}  // namespace quarzel
