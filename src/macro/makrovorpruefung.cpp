#include "macro/makrovorpruefung.h"

namespace quarzel {

Makrozaehlung zaehleStruktur(const Tokenprogramm& p) {
  Makrozaehlung z;
  for (std::size_t i = 0; i < p.laenge(); ++i) {
    switch (p.befehl(i)) {
      case Befehl::IF:
        ++z.ifs;
        break;
      case Befehl::ENDIF:
        ++z.endifs;
        break;
      case Befehl::DEF:
        ++z.defs;
        break;
      case Befehl::Schleifenanfang:
        ++z.klammerAuf;
        break;
      case Befehl::Schleifenende:
        ++z.klammerZu;
        break;
      default:
        if (p.art(i) == Tokenart::Daten && p.text(i).size() > 1 && p.text(i).front() == '/') ++z.schraegstriche;
        break;
    }
  }
  return z;
}

std::vector<std::string> strukturwarnungen(const Makrozaehlung& z) {
  std::vector<std::string> w;
  if (z.ifs != z.endifs) w.emplace_back("Fehler: unterschiedliche Anzahl IF und ENDIF");
  if (z.schraegstriche != z.defs) w.emplace_back("Fehler: unterschiedliche Anzahl /var und DEF");
  if (z.klammerAuf != z.klammerZu) w.emplace_back("Fehler: unterschiedliche Anzahl { und }");
  return w;
}

}  // namespace quarzel
