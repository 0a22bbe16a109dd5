// quarzel-cli convert EINGABE -o AUSGABE.qzz|dxf: a drawing file or an
// imported CAD file saved as a drawing or exported as DXF. What the export leaves out is reported on stderr.
#include "app/cli_befehle.h"
#include "exchange/cadformate.h"
#include "exchange/dxfschreiber.h"
#include "project/projektausgabe.h"
#include "project/projektbearbeitung.h"
#include "store/speichern.h"
#include "store/zeichnung.h"
#include "store/zeichnungsdatei.h"
#include "styles/linienstilstart.h"
#include "ui/window/programmstart.h"

namespace quarzel {

namespace {
constexpr int kErfolg = 0;
constexpr int kFehler = 1;
}  // namespace

int cliConvert(const Cliaufruf& aufruf, Benutzer& benutzer) {
  const bool cad = cadLeser(aufruf.eingabe) != CadLeser::Keiner;
  if (!cad && dateiart(aufruf.eingabe) != Dateiart::Zeichnung) {
    benutzer.meldung(meldungImportFehlt(aufruf.eingabe), Meldungsart::Fehler);
    return kFehler;
  }
  Zeichnung zeichnung;
  // The program's line styles first: the drawing's own patterns replace them
  // as it is loaded, and the export writes their dashes.
  ladeLinienstileBeimStart(zeichnung.linienstile);
  if (cad) {
    if (!importiereCliCad(aufruf.eingabe, zeichnung, benutzer)) return kFehler;
  } else {
    Ladeoptionen optionen;
    optionen.schraffurBekannt = [](const std::string&) { return true; };
    const Ladeergebnis geladen = ladeZeichnung(aufruf.eingabe, zeichnung, benutzer, optionen);
    meldeLadehinweise(geladen, benutzer);
    if (!geladen.geladen) return kFehler;
  }

  if (endungGross(aufruf.ausgabe) == "DXF") {
    // Placeholders go out as their values, as in the window's export.
    const Projektdatenersetzung platzhalter(heutigesDatum());
    const DxfDateiergebnis e = schreibeDxfDatei(zeichnung, aufruf.ausgabe, &platzhalter);
    if (!e.geschrieben) {
      benutzer.meldung(e.fehler, Meldungsart::Fehler);
      return kFehler;
    }
    if (const std::string bericht = dxfBerichtstext(e.bericht); !bericht.empty()) benutzer.meldung(bericht);
    return kErfolg;
  }
  einstellung::Speichern speichern;
  speichern.sicherheitskopieAnlegen = false;
  const Speicherergebnis gespeichert = speichereZeichnung(zeichnung, aufruf.ausgabe, speichern, benutzer);
  return gespeichert.status == Speicherstatus::Gespeichert ? kErfolg : kFehler;
}

}  // namespace quarzel
