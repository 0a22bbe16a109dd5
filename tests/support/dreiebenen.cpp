#include "support/dreiebenen.h"

#include "support/speicherhilfen.h"

namespace quarzel::test {

std::int32_t linieAuf(Zeichnung& z, int ebene, int folie, double x1, double y1, double x2, double y2) {
  Elementspeicher& s = z.speicher;
  const AktuelleAttribute vorher = s.aktuell;
  s.aktuell.planteil = static_cast<std::uint8_t>(ebene);
  s.aktuell.folie = static_cast<std::uint8_t>(folie);
  const std::int32_t n = linie(s, x1, y1, x2, y2, false);
  s.aktuell = vorher;
  return n;
}

double x1Von(const Zeichnung& z, std::int32_t n) {
  if (n < 1 || n > z.speicher.gesamtanzahl() || !istLinienart(z.speicher.art(n))) return -1;
  return z.speicher.linie(n).x1;
}

DreiEbenenLinien legeDreiEbenenAn(Zeichnung& z) {
  initialisiere(z.speicher);
  Ebenen& e = z.ebenen;
  e.setzeZurueck();
  e.setzeMassstab(1, 100);
  e.fuegeEbeneAn("Grundriss");
  e.setzeMassstab(2, 50);
  e.fuegeFolieAn(2, "Wände");
  e.fuegeFolieAn(2, "Möbel");
  e.fuegeEbeneAn("Details");
  e.setzeMassstab(3, 10);
  e.fuegeFolieAn(3, "");
  e.setzeAktiv(1, 1);
  z.speicher.aktuell.planteil = 1;
  z.speicher.aktuell.folie = 1;

  z.speicher.beginneSchritt();
  DreiEbenenLinien l;
  auto auf = [&](int ebene, int folie) {
    return linieAuf(z, ebene, folie, 10.0 * ebene, 10.0 * folie, 10.0 * ebene + 10, 10.0 * folie);
  };
  l.e1 = auf(1, 1);
  l.e2f1 = auf(2, 1);
  l.e2f2 = auf(2, 2);
  l.e3 = auf(3, 1);
  z.speicher.setzeModifiziert(false);
  return l;
}

}  // namespace quarzel::test
