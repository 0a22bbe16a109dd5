#include "render/zeichenkontext.h"

#include "store/zeichnung.h"

namespace quarzel {

namespace {
// Grey of elements on layers that only form the background of the active one.
constexpr Farbe kGrau = rgb(160, 160, 160);
}  // namespace

Farbe Zeichenkontext::elementfarbe(std::int32_t n, Farbe eigene) const {
  const Elementspeicher& s = zeichnung.speicher;
  if (n < 1 || n > s.gesamtanzahl()) return eigene;
  if (darstellung.markierteEinfaerben && s.markiert(n)) return darstellung.markierfarbe;
  const int ebene = s.planteil(n);
  const int folie = s.folie(n);
  const Ebenen& e = zeichnung.ebenen;
  if (e.grau(ebene, folie)) return kGrau;
  if (darstellung.inaktiveEbenenGrau && ebene != e.aktiveEbene()) return kGrau;
  return eigene;
}

}  // namespace quarzel
