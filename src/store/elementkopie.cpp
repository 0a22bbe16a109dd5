#include "store/elementkopie.h"

namespace quarzel {

std::int32_t kopiereElement(const Elementspeicher& quelle, std::int32_t n, Elementspeicher& ziel) {
  const Elementart art = quelle.art(n);
  if (art == Elementart::Frei) return 0;
  const AktuelleAttribute vorher = ziel.aktuell;
  const std::int16_t stil = quelle.linienstil(n).value_or(1);
  ziel.aktuell = {.stift = quelle.stift(n).value_or(ziel.aktuell.stift),
                  .linienstil = stil,
                  .planteil = quelle.planteil(n),
                  .folie = quelle.folie(n)};
  std::int32_t neu = 0;
  switch (art) {
    case Elementart::Linie:
    case Elementart::Wandlinie1:
    case Elementart::Wandlinie2:
      neu = ziel.neueLinie(quelle.linie(n), art);
      break;
    case Elementart::Bogen:
      neu = ziel.neuerBogen(quelle.bogen(n));
      break;
    case Elementart::Polygon:
    case Elementart::Spline:
    case Elementart::Verlauf:
      neu = ziel.neuesPolygonMitPunkten(art, quelle.polygon(n));
      break;
    case Elementart::Bezier:
      neu = ziel.neueBezierkurve(quelle.bezier(n));
      break;
    case Elementart::Bemassung:
      neu = ziel.neueBemassung(quelle.bemassung(n));
      break;
    case Elementart::Gruppenanfang:
    case Elementart::Gruppenende:
      neu = ziel.neueGruppenklammer(art, quelle.gruppe(n));
      break;
    case Elementart::Bitmap:
    case Elementart::Fuellung:
      neu = ziel.neueBitmap(art, quelle.bitmap(n));
      break;
    case Elementart::Text:
    case Elementart::Kommentar:
      neu = ziel.neuerText(art, quelle.text(n));
      break;
    case Elementart::Metafile:
      neu = ziel.neuesMetafile(quelle.metafile(n));
      break;
    case Elementart::Frei:
      break;
  }
  // The adders raise a style below 1 (closed outlines) to 1; the copy keeps it.
  if (neu > 0 && stil < 1) ziel.setzeLinienstil(neu, stil);
  ziel.aktuell = vorher;
  return neu;
}

}  // namespace quarzel
