#include "ui/window/sitzung.h"

#include <utility>

#include "ui/dialogs/rasterdialog.h"
#include "ui/window/programmstart.h"

namespace quarzel {

Sitzung::Sitzung(Benutzer& b, std::vector<std::string> argumente, Umgebung umgebung)
    : benutzer(b), schraffuren(umgebung), konfiguration(b, std::move(umgebung)), autosicherung(uhr.ticks()) {
  argumente_ = konfiguration.werteBefehlszeileAus(argumente);
  einstellungen = leseEinstellungen(konfiguration);
  startGelungen_ = starteZeichnung(zeichnung, zeichnungsvorgaben(einstellungen), benutzer);
  rasterAusEinstellungen(einstellungen.zeichenhilfen, zeichnung.massstabInKraft(), zeichnung.ansicht);
  // "Projektdaten" says whether texts show the values of placeholders.
  schalter.platzhalter = !einstellungen.zeichenhilfen.projektdaten;
  // Showing the sheet as a sheet is what one expects of an empty drawing.
  zeichnung.ansicht.layoutView = true;
  // The trimming and construction tools tell why they cannot work and ask for a number of pieces.
  werkzeuge.trimmen.benutzer = &benutzer;
  werkzeuge.konstruktion.benutzer = &benutzer;
  werkzeuge.kreise.benutzer = &benutzer;
  werkzeuge.bemassung.benutzer = &benutzer;
  werkzeuge.bemassung.stil = &bemassungsstil;
  werkzeuge.flaechenmessung.benutzer = &benutzer;
  werkzeuge.flaechenmessung.stil = &bemassungsstil;
}

}  // namespace quarzel
