// quarzel-cli info DATEI: the report of zeichnungsinfo.h on stdout; for a
// DXF file what the reader found in it (cadbericht.h), read from the
// mapped file.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iostream>

#include "app/cli_befehle.h"
#include "base/dateiabbild.h"
#include "exchange/cadbericht.h"
#include "exchange/dxfleser.h"
#include "store/zeichnungsinfo.h"

namespace quarzel {

namespace {

bool istDxf(const std::string& datei) {
  std::string endung = std::filesystem::path(datei).extension().string();
  std::transform(endung.begin(), endung.end(), endung.begin(), [](unsigned char c) { return std::tolower(c); });
  return endung == ".dxf";
}

// What was read is reported even when the file breaks off; the exit code
// tells that it did.
int dxfInfo(const std::string& datei, std::ostream& aus, Benutzer& benutzer) {
  Dateiabbild abbild;
  if (!abbild.oeffnen(datei)) {
    benutzer.meldung(abbild.fehler(), Meldungsart::Fehler);
    return 1;
  }
  const std::string_view daten = abbild.daten();
  CadModell modell;
  const DxfErgebnis ergebnis = dxfLesen(daten, modell);
  aus << cadbericht(modell);
  aus.flush();
  if (!ergebnis.ok) benutzer.meldung(ergebnis.fehler, Meldungsart::Fehler);
  return ergebnis.ok && aus ? 0 : 1;
}

}  // namespace

int cliInfo(const std::string& datei, std::ostream& aus, Benutzer& benutzer) {
  if (istDxf(datei)) return dxfInfo(datei, aus, benutzer);
  const std::optional<std::string> bericht = zeichnungsinfoAusDatei(datei, benutzer);
  if (!bericht) return 1;
  aus << *bericht;
  aus.flush();
  return aus ? 0 : 1;
}

int cliInfo(const Cliaufruf& aufruf, Benutzer& benutzer) {
  return cliInfo(aufruf.eingabe, std::cout, benutzer);
}

}  // namespace quarzel
