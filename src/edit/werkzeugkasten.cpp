#include "edit/werkzeugkasten.h"

#include "store/zeichnung.h"

namespace quarzel {

Werkzeugkasten::Werkzeugkasten(Zeichnung& zeichnung, const Uhr& uhr) : fangsuche(zeichnung), steuerung(zeichnung, uhr) {
  fangsuche.uhr = &uhr;
  trimmen.fangsuche = &fangsuche;
  konstruktion.fangsuche = &fangsuche;
  kreise.fangsuche = &fangsuche;
  bemassung.fangsuche = &fangsuche;
  flaechenmessung.fangsuche = &fangsuche;
  steuerung.setzeModul(Werkzeuggruppe::Linien, &linien);
  steuerung.setzeModul(Werkzeuggruppe::Flaechen, &flaechen);
  steuerung.setzeModul(Werkzeuggruppe::Bearbeiten, &markier);
  steuerung.setzeModul(Werkzeuggruppe::Verlaeufe, &verlaeufe);
  steuerung.setzeModul(Werkzeuggruppe::Bitmaps, &bitmaps);
  steuerung.setzeModul(Werkzeuggruppe::Text, &texte);
  steuerung.setzeModul(Werkzeuggruppe::Ursprung, &ursprung);
  steuerung.setzeModul(Werkzeuggruppe::Symbole, &symbole);
  steuerung.setzeModul(Werkzeuggruppe::Trimmen, &trimmen);
  steuerung.setzeModul(Werkzeuggruppe::Konstruktion, &konstruktion);
  konstruktion.kreise = &kreise;
  steuerung.setzeModul(Werkzeuggruppe::Messen, &bemassung);
  bemassung.flaechen = &flaechenmessung;
}

void Werkzeugkasten::fensterTrennen() {
  steuerung.trenneFenster();
  texte.abfragen = {};
  markier.elementDoppelklick = {};
  fangsuche.cursorposition = {};
  markier.aufgenommen = {};
}

}  // namespace quarzel
