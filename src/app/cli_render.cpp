// quarzel-cli render DATEI -o AUSGABE.png|pdf|svg [--sheet|--all] [--dpi N]:
// the drawing through the renderer into a picture file.
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "app/cli_befehle.h"
#include "styles/linienstilstart.h"
#include "styles/schraffurbibliothek.h"
#include "store/zeichnung.h"
#include "store/zeichnungsdatei.h"
#include "ui/qt/zeichnungsausgabe.h"

namespace quarzel {

int cliRender(const Cliaufruf& aufruf, Benutzer& benutzer) {
  const std::optional<Ausgabeformat> format = ausgabeformatFuer(aufruf.ausgabe);
  if (!format) {
    benutzer.meldung(
        "quarzel-cli: Unbekanntes Ausgabeformat: " + aufruf.ausgabe + " (erlaubt sind .png, .pdf und .svg)",
        Meldungsart::Fehler);
    return 1;
  }
  // Fonts need a GUI application; without a display the offscreen platform
  // serves, so the command runs on servers as well.
  std::unique_ptr<QGuiApplication> anwendung;
  if (!QGuiApplication::instance()) {
    const char* plattform = std::getenv("QT_QPA_PLATFORM");
    if (plattform == nullptr || *plattform == '\0') setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "quarzel-cli";
    static char* argv[] = {name, nullptr};
    anwendung = std::make_unique<QGuiApplication>(argc, argv);
  }

  Schraffurbibliothek schraffuren;
  Zeichnung zeichnung;
  // The program's line styles first; the drawing's own patterns then replace
  // them as it is loaded.
  ladeLinienstileBeimStart(zeichnung.linienstile);
  Ladeoptionen optionen;
  // Hatches of the program folder count as present, as in the window.
  optionen.schraffurBekannt = [&schraffuren](const std::string& name) { return schraffuren.bekannt(name); };
  const Ladeergebnis geladen = ladeZeichnung(aufruf.eingabe, zeichnung, benutzer, optionen);
  meldeLadehinweise(geladen, benutzer);
  if (!geladen.geladen) return 1;

  Ausgabewahl wahl;
  wahl.pfad = aufruf.ausgabe;
  wahl.format = *format;
  wahl.ganzeZeichnung = aufruf.bereich == Renderbereich::Alles;
  wahl.dpi = aufruf.dpi;
  wahl.schraffuren = &schraffuren;
  const std::string fehler = gibZeichnungAus(zeichnung, wahl);
  if (!fehler.empty()) {
    benutzer.meldung("quarzel-cli: " + fehler, Meldungsart::Fehler);
    return 1;
  }
  return 0;
}

}  // namespace quarzel
