#include "edit/werkzeugkasten.h"

#include "store/zeichnung.h"

namespace quarzel {

Werkzeugkasten::Werkzeugkasten(Zeichnung& zeichnung, const Uhr& uhr)
    : fangsuche(zeichnung), steuerung(zeichnung, uhr) {
  fangsuche.uhr = &uhr;
  steuerung.setzeModul(Werkzeuggruppe::Linien, &linien);
  steuerung.setzeModul(Werkzeuggruppe::Flaechen, &flaechen);
  steuerung.setzeModul(Werkzeuggruppe::Bearbeiten, &markier);
  steuerung.setzeModul(Werkzeuggruppe::Verlaeufe, &verlaeufe);
  steuerung.setzeModul(Werkzeuggruppe::Bitmaps, &bitmaps);
}

void Werkzeugkasten::fensterTrennen() {
  steuerung.trenneFenster();
  fangsuche.cursorposition = {};
  markier.aufgenommen = {};
}

}  // namespace quarzel
