#include "ui/window/bildaufbau.h"

#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/qt/qtcanvas.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/sitzung.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {

Bildaufbau::Bildaufbau(Zeichenflaeche& flaeche) : flaeche_(flaeche) {
  seitAnzeige_.start();
}

void Bildaufbau::insFenster() {
  if (seitAnzeige_.elapsed() < kErsteZwischenanzeigeMs) return;
  flaeche_.zwischenstandZeigen();
  seitAnzeige_.restart();
}

void darstellungAnwenden(Sitzung& sitzung, Zeichenflaeche& flaeche, Werkzeugbedienung& werkzeuge) {
  const Einstellungen& e = sitzung.einstellungen;
  sitzung.darstellung = darstellungswahlAus(e.darstellung, sitzung.darstellung);
  // The background keys belong to the drawing options' section of the file.
  sitzung.darstellung.flaechenInHintergrund = e.projektoptionen.flaechenInHintergrund;
  sitzung.darstellung.verlaeufeInHintergrund = e.projektoptionen.verlaeufeInHintergrund;
  flaeche.setzeFadenkreuz(e.zeichenhilfen.fadenkreuz, qfarbe(einstellung::darstellungsfarbe(
                                                          e.darstellung.fadenkreuz, einstellung::Farbgebrauch::Marke)));
  flaeche.setzeSchnellerRefresh(e.darstellung.schnellerRefresh);
  // The rubber band colour ("Farbe beim Zeichnen von Objekten") lives in the tools' settings.
  werkzeuge.vorgabenUebernehmen();
}

}  // namespace quarzel
