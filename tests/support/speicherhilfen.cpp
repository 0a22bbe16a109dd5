#include "support/speicherhilfen.h"

#include <gtest/gtest.h>

namespace quarzel::test {

void initialisiere(Elementspeicher& s) {
  SkriptBenutzer b;
  ASSERT_TRUE(s.initialisiere(b)) << b.letzteMeldung();
}

std::int32_t linie(Elementspeicher& s, double x1, double y1, double x2, double y2, bool schritt) {
  if (schritt) s.beginneSchritt();
  const std::int32_t n = s.neueLinie(x1, y1, x2, y2, 0);
  s.vervollstaendige(n);
  s.setzeMarkiert(n, 0);
  return n;
}

std::int32_t polygon(Elementspeicher& s, std::initializer_list<std::pair<double, double>> ecken) {
  s.punkte.leere();
  for (auto [x, y] : ecken) s.punkte.fuegeHinzu(x, y);
  const std::int32_t n = s.neuesPolygon(Elementart::Polygon, {});
  s.vervollstaendige(n);
  s.setzeMarkiert(n, 0);
  return n;
}

std::int32_t klammer(Elementspeicher& s, Elementart art) {
  const std::int32_t n = s.neueGruppenklammer(art, {});
  s.vervollstaendige(n);
  s.setzeMarkiert(n, 0);
  return n;
}

}  // namespace quarzel::test
