#include "macro/makroanschluesse.h"

#include "macro/makrorechnen.h"

namespace quarzel {

double textbreiteOhneSchrift(std::string_view text) {
  // Without font metrics: the average width of a sans-serif character at
  // the default text height of 3.5.
  return static_cast<double>(zeichenanzahl(text)) * 3.5 * 0.6;
}

const std::string& Makrozeichenanschluss::fehlerbezug() const {
  static const std::string keiner;
  return keiner;
}

std::optional<Makrofehlerfall> Makroerweiterung::fuehreAus(Befehl b, Makrointerpreter&) {
  return nichtVerfuegbar(b);
}

bool Makroerweiterung::starteDatei(std::string_view, std::string_view, std::string_view) {
  return false;
}

Makrofehlerfall nichtVerfuegbar(Befehl b) {
  Makrofehlerfall f;
  f.code = Makrofehler::SchwererFehler;
  f.x = std::string(befehlswort(b));
  f.eigenerText = "Der Befehl " + f.x + " steht hier nicht zur Verfügung.";
  return f;
}

}  // namespace quarzel
