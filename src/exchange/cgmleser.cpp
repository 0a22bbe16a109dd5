// CgmLeser: tells the two encodings apart and runs the interpreter.
#include "exchange/cgmleser.h"

#include <cctype>

#include "exchange/cgmbinaer.h"
#include "exchange/cgminterpreter.h"
#include "exchange/cgmklartext.h"

namespace quarzel {

namespace {

// A clear-text file starts with the keyword BEGMF, maybe after blanks and comments.
bool klartext(std::string_view d) {
  std::size_t i = 0;
  while (i < d.size()) {
    if (std::isspace(static_cast<unsigned char>(d[i]))) {
      ++i;
    } else if (d[i] == '%') {
      const std::size_t ende = d.find('%', i + 1);
      if (ende == std::string_view::npos) return false;
      i = ende + 1;
    } else {
      break;
    }
  }
  std::string anfang;
  for (; i < d.size() && anfang.size() < 5; ++i)
    if (d[i] != '_' && d[i] != '$') anfang.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(d[i]))));
  return anfang == "begmf";
}

}  // namespace

CadLeseergebnis cgmLesen(std::string_view daten, CadModell& m) {
  CadLeseergebnis r;
  CgmInterpreter interpreter(m, daten.size());
  r.ok =
      klartext(daten) ? cgmKlartextLesen(daten, interpreter, r.fehler) : cgmBinaerLesen(daten, interpreter, r.fehler);
  interpreter.abschliessen();
  if (r.ok && m.entitaeten.empty() && m.version.empty()) {
    r.ok = false;
    r.fehler = "Die Datei ist keine CGM-Datei.";
  }
  return r;
}

}  // namespace quarzel
