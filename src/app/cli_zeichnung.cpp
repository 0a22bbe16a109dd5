// What the picture-making commands of quarzel-cli share: a GUI application
// for the fonts, and the drawing loaded as the window loads it (or a CAD
// file imported into a new drawing).
#include <cstdlib>

#include "app/cli_befehle.h"
#include "exchange/cadformate.h"
#include "exchange/cadimport.h"
#include "platform/benutzer.h"
#include "store/zeichnung.h"
#include "store/zeichnungsdatei.h"
#include "styles/linienstilstart.h"
#include "styles/schraffurbibliothek.h"

namespace quarzel {

std::unique_ptr<QGuiApplication> starteCliAnwendung() {
  if (QGuiApplication::instance()) return nullptr;
  // Without a display the offscreen platform serves, so the commands run on
  // servers as well.
  const char* plattform = std::getenv("QT_QPA_PLATFORM");
  if (plattform == nullptr || *plattform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
  static int argc = 1;
  static char name[] = "quarzel-cli";
  static char* argv[] = {name, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

// A CAD file comes in as the window imports it into a new drawing. A batch
// run has nobody to ask: it tries every version and takes what a damaged
// file holds, and says so.
bool importiereCliCad(const std::string& pfad, Zeichnung& zeichnung, Benutzer& benutzer) {
  const CadDatei datei = ladeCadDatei(pfad);
  if (!datei.gelesen) {
    benutzer.meldung(datei.fehler, Meldungsart::Fehler);
    return false;
  }
  if (!datei.fehler.empty()) benutzer.meldung(datei.fehler, Meldungsart::Warnung);
  return importiereCad(zeichnung, benutzer, datei, {}).zielebene != 0;
}

bool ladeCliZeichnung(const std::string& pfad, Zeichnung& zeichnung, Schraffurbibliothek& schraffuren,
                      Benutzer& benutzer) {
  // The program's line styles first; the drawing's own patterns then replace
  // them as it is loaded.
  ladeLinienstileBeimStart(zeichnung.linienstile);
  if (cadLeser(pfad) != CadLeser::Keiner) return importiereCliCad(pfad, zeichnung, benutzer);
  Ladeoptionen optionen;
  // Hatches of the program folder count as present, as in the window.
  optionen.schraffurBekannt = [&schraffuren](const std::string& name) { return schraffuren.bekannt(name); };
  const Ladeergebnis geladen = ladeZeichnung(pfad, zeichnung, benutzer, optionen);
  meldeLadehinweise(geladen, benutzer);
  return geladen.geladen;
}

}  // namespace quarzel
