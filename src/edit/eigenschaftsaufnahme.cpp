#include "edit/eigenschaftsaufnahme.h"

#include "store/zeichnung.h"

namespace quarzel {

Aufnahme nimmAuf(const Zeichnung& z, std::int32_t n, Werkzeugcode werkzeug) {
  const Elementspeicher& s = z.speicher;
  Aufnahme a;
  switch (werkzeug) {
    case Werkzeugcode::EigenschaftenAuswaehlen:
      a.stift = s.stift(n);
      a.linienstil = s.linienstil(n);
      // An outline takes no fill: the areas drawn next would be filled otherwise.
      if (const Fuellangaben* f = s.fuellung(n); f != nullptr && s.gefuellt(n)) a.fuellung = *f;
      [[fallthrough]];
    case Werkzeugcode::FarbeAuswaehlen:
      a.farbe = s.farbe(n);
      break;
    default:
      break;
  }
  return a;
}

}  // namespace quarzel
