// quarzel-cli info DATEI: the report of zeichnungsinfo.h on stdout (a drawing
// or, by its extension, a symbol file); for a CAD file what its reader found
// in it (cadbericht.h).
#include <iostream>

#include "app/cli_befehle.h"
#include "exchange/cadbericht.h"
#include "exchange/cadformate.h"
#include "exchange/cadimport.h"
#include "store/zeichnungsinfo.h"

namespace quarzel {

namespace {

// What was read is reported even when the file breaks off; the exit code
// tells that it did.
int cadInfo(const std::string& datei, std::ostream& aus, Benutzer& benutzer) {
  const CadDatei d = ladeCadDatei(datei);
  if (!d.gelesen && d.modell.entitaeten.empty()) {
    benutzer.meldung(d.fehler, Meldungsart::Fehler);
    return 1;
  }
  aus << cadbericht(d.modell);
  aus.flush();
  if (!d.fehler.empty()) benutzer.meldung(d.fehler, Meldungsart::Fehler);
  return d.fehler.empty() && aus ? 0 : 1;
}

}  // namespace

int cliInfo(const std::string& datei, std::ostream& aus, Benutzer& benutzer) {
  if (cadLeser(datei) != CadLeser::Keiner) return cadInfo(datei, aus, benutzer);
  const std::optional<std::string> bericht =
      signaturfeldFuer(datei) ? symbolinfoAusDatei(datei, benutzer) : zeichnungsinfoAusDatei(datei, benutzer);
  if (!bericht) return 1;
  aus << *bericht;
  aus.flush();
  return aus ? 0 : 1;
}

int cliInfo(const Cliaufruf& aufruf, Benutzer& benutzer) {
  return cliInfo(aufruf.eingabe, std::cout, benutzer);
}

}  // namespace quarzel
