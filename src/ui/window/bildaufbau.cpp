#include "ui/window/bildaufbau.h"

#include <QColor>

#include "settings/konfiguration.h"
#include "ui/dialogs/bildschirmdarstellung.h"
#include "ui/tools/koordinatenpanel.h"
#include "ui/window/tfenster.h"
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

void darstellungAnwenden(TFenster& fenster) {
  const Einstellungen& e = fenster.einstellungen();
  fenster.darstellungswahl() = darstellungswahlAus(e.darstellung, fenster.darstellungswahl());
  Zeichenflaeche& flaeche = fenster.zeichenflaeche();
  flaeche.setzeFadenkreuz(e.zeichenhilfen.fadenkreuz, fadenkreuzfarbe(e.darstellung.fadenkreuz));
  flaeche.setzeSchnellerRefresh(e.darstellung.schnellerRefresh);
  // The rubber band colour ("Farbe beim Zeichnen von Objekten") lives in the tools' settings.
  fenster.werkzeuge().vorgabenUebernehmen();
}

void refreshmodusSetzen(TFenster& fenster, bool schnell) {
  fenster.einstellungen().darstellung.schnellerRefresh = schnell;
  // Read the file anew so sections other dialogs wrote meanwhile survive.
  Einstellungsdatei datei = fenster.konfiguration().openSettings();
  einstellung::Darstellung abschnitt;
  abschnitt.lese(datei.ini());
  abschnitt.schnellerRefresh = schnell;
  abschnitt.schreibe(datei.ini());
  datei.speichern();
  darstellungAnwenden(fenster);
}

}  // namespace quarzel
