// quarzel-cli info DATEI: the report of zeichnungsinfo.h on stdout.
#include <iostream>

#include "app/cli_befehle.h"
#include "store/zeichnungsinfo.h"

namespace quarzel {

int cliInfo(const std::string& datei, std::ostream& aus, Benutzer& benutzer) {
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
