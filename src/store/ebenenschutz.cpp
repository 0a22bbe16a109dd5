#include "store/ebenenschutz.h"

#include "store/zeichnung.h"

namespace quarzel {

namespace {

bool imSpeicher(const Zeichnung& z, std::int32_t n) {
  return n >= 1 && n <= z.speicher.gesamtanzahl();
}

}  // namespace

bool bearbeitbar(const Zeichnung& z, std::int32_t n) {
  if (!imSpeicher(z, n) || !z.speicher.lebendig(n)) return false;
  return z.ebenen.waehlbar(z.speicher.planteil(n), z.speicher.folie(n));
}

std::int32_t demarkiereNichtBearbeitbare(Zeichnung& z) {
  Elementspeicher& s = z.speicher;
  std::int32_t anzahl = 0;
  for (std::int32_t n = 1; n <= s.gesamtanzahl(); ++n) {
    // Marks in the undo history are left alone: they belong to the step.
    if (s.markiert(n) == 0 || !s.lebendig(n) || bearbeitbar(z, n)) continue;
    s.setzeMarkiert(n, 0);
    ++anzahl;
  }
  return anzahl;
}

}  // namespace quarzel
