#include "ui/window/bildaufbau.h"

#include <QColor>

#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/sitzung.h"
#include "ui/window/werkzeugbedienung.h"
#include "ui/window/zeichenflaeche.h"

namespace quarzel {

namespace {

// The cross-hair is a dotted line on white: the pure green of the marking
// colour would hardly show, so "Grün" is darker here.
QColor fadenkreuzfarbe(int wahl) {
  if (wahl == 1) return QColor(0, 160, 0);
  const Farbe f = darstellungsfarbeAus(wahl);
  return QColor(rotAnteil(f), gruenAnteil(f), blauAnteil(f));
}

}  // namespace

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
  flaeche.setzeFadenkreuz(e.zeichenhilfen.fadenkreuz, fadenkreuzfarbe(e.darstellung.fadenkreuz));
  flaeche.setzeSchnellerRefresh(e.darstellung.schnellerRefresh);
  // The rubber band colour ("Farbe beim Zeichnen von Objekten") lives in the tools' settings.
  werkzeuge.vorgabenUebernehmen();
}

}  // namespace quarzel
