// quarzel-cli symbol ZEICHNUNG -o AUSGABE.qzs|det [--massstab N] [--bezeichnung T] ...:
// every element of a drawing saved as a symbol or detail file with its
// preview picture, as "Als Symbol speichern..." saves the marked elements.
#include "app/cli_befehle.h"
#include "store/symbolinformationen.h"
#include "store/zeichnung.h"
#include "styles/schraffurbibliothek.h"
#include "ui/qt/symbolausgabe.h"

namespace quarzel {

int cliSymbol(const Cliaufruf& aufruf, Benutzer& benutzer) {
  const auto anwendung = starteCliAnwendung();
  Schraffurbibliothek schraffuren;
  Zeichnung zeichnung;
  if (!ladeCliZeichnung(aufruf.eingabe, zeichnung, schraffuren, benutzer)) return 1;
  zeichnung.speicher.markiereAlleLebendigen();

  Symbolausgabewahl wahl;
  wahl.schraffuren = &schraffuren;
  wahl.massstab = aufruf.massstab;
  // Values not given stay as the symbol's information file has them.
  std::optional<Symbolinformationen> info;
  for (std::size_t i = 0; i < aufruf.symbolinfo.size(); ++i) {
    if (!aufruf.symbolinfo[i]) continue;
    if (!info) info = leseSymbolinformationen(aufruf.ausgabe);
    std::string* felder[] = {&info->bezeichnung, &info->beschreibung, &info->material, &info->gewicht, &info->preis};
    *felder[i] = *aufruf.symbolinfo[i];
  }
  const std::string fehler =
      speichereMarkierteAlsSymbol(zeichnung, aufruf.ausgabe, wahl, benutzer, info ? &*info : nullptr);
  if (!fehler.empty()) {
    benutzer.meldung("quarzel-cli: " + fehler, Meldungsart::Fehler);
    return 1;
  }
  return 0;
}

}  // namespace quarzel
