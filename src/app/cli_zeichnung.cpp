// What the picture-making commands of quarzel-cli share: a GUI application
// for the fonts, and the drawing loaded as the window loads it.
#include <cstdlib>

#include "app/cli_befehle.h"
#include "store/zeichnungsdatei.h"
#include "styles/linienstilstart.h"
#include "styles/schraffurbibliothek.h"
#include "store/zeichnung.h"

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

bool ladeCliZeichnung(const std::string& pfad, Zeichnung& zeichnung, Schraffurbibliothek& schraffuren,
                      Benutzer& benutzer) {
  // The program's line styles first; the drawing's own patterns then replace
  // them as it is loaded.
  ladeLinienstileBeimStart(zeichnung.linienstile);
  Ladeoptionen optionen;
  // Hatches of the program folder count as present, as in the window.
  optionen.schraffurBekannt = [&schraffuren](const std::string& name) { return schraffuren.bekannt(name); };
  const Ladeergebnis geladen = ladeZeichnung(pfad, zeichnung, benutzer, optionen);
  meldeLadehinweise(geladen, benutzer);
  return geladen.geladen;
}

}  // namespace quarzel
