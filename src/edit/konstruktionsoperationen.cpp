#include "edit/konstruktionsoperationen.h"

#include <cmath>

#include "store/schrittablage.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool brauchbar(const Figurlinie& l) {
  return std::isfinite(l.a.x) && std::isfinite(l.a.y) && std::isfinite(l.b.x) && std::isfinite(l.b.y) &&
         (l.a.x != l.b.x || l.a.y != l.b.y);
}

}  // namespace

void uebernimmEigenschaften(Elementspeicher& s, std::int32_t n, std::int32_t vorlage, bool hilfslinie) {
  if (vorlage <= 0 || vorlage > s.anzahl() || !s.lebendig(vorlage)) return;
  s.setzePlanteil(n, s.planteil(vorlage));
  s.setzeFolie(n, s.folie(vorlage));
  if (hilfslinie) return;
  if (const auto stift = s.stift(vorlage)) s.setzeStift(n, *stift);
  if (const auto stil = s.linienstil(vorlage)) s.setzeLinienstil(n, *stil);
  if (const auto farbe = s.farbe(vorlage)) s.setzeFarbe(n, *farbe);
}

std::pair<std::int32_t, std::int32_t> legeKonstruktionAb(Zeichnung& z, std::span<const Figurlinie> linien,
                                                         const Konstruktionsablage& a) {
  Elementspeicher& s = z.speicher;
  return legeAlsEinenSchrittAb(s, linien, brauchbar, [&](const Figurlinie& l) {
    const std::int32_t n = s.neueLinie(l.a.x, l.a.y, l.b.x, l.b.y, a.farbe);
    if (a.hilfslinie) s.setzeStift(n, kHilfslinienstift);
    uebernimmEigenschaften(s, n, a.vorlage, a.hilfslinie);
    return n;
  });
}

}  // namespace quarzel
