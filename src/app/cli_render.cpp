// quarzel-cli render DATEI -o AUSGABE.png|pdf|svg [--sheet|--all] [--dpi N]:
// the drawing through the renderer into a picture file.
#include <memory>

#include "app/cli_befehle.h"
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
  const auto anwendung = starteCliAnwendung();
  Schraffurbibliothek schraffuren;
  Zeichnung zeichnung;
  if (!ladeCliZeichnung(aufruf.eingabe, zeichnung, schraffuren, benutzer)) return 1;

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
