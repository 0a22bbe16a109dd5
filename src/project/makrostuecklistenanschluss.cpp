#include "project/makrostuecklistenanschluss.h"

namespace quarzel {

namespace {

Makrolistenantwort alsAntwort(Listenantwort a) {
  return {std::move(a.wert), std::move(a.fehler)};
}

Makrofehlerfall ungueltig(const std::string& x) {
  return {Makrofehler::UngueltigerParameter, x, {}, {}, {}};
}

}  // namespace

Makrostuecklistenanschluss::Makrostuecklistenanschluss(const Zeichnung& zeichnung, Umgebung umgebung)
    : zeichnung_(zeichnung), zugriff_(std::move(umgebung)) {}

std::optional<Makrofehlerfall> Makrostuecklistenanschluss::erzeugeMaske(
    const std::string& name, const std::vector<std::string>& ueberschriften) {
  return zugriff_.erzeugeMaske(name, ueberschriften);
}

std::optional<Makrofehlerfall> Makrostuecklistenanschluss::waehleMaske(const std::string& name) {
  return zugriff_.waehleMaske(zeichnung_, name);
}

std::optional<Makrofehlerfall> Makrostuecklistenanschluss::setzeSymbolmaske(const std::string& symbol,
                                                                            const std::string& maske) {
  return zugriff_.setzeSymbolmaske(zeichnung_, symbol, maske);
}

std::optional<Makrofehlerfall> Makrostuecklistenanschluss::setzeSymbolinfo(const std::string& symbol, int feld,
                                                                           const std::string& wert) {
  if (symbol.empty()) return ungueltig(symbol);
  return zugriff_.setzeSymbolwert(zeichnung_, symbol, feld, wert);
}

Makrolistenantwort Makrostuecklistenanschluss::symbolinfo(const std::string& symbol, int feld) {
  if (symbol.empty()) return {{}, ungueltig(symbol)};
  // A symbol without an information file (and none carried by the drawing)
  // has empty attributes.
  return alsAntwort(zugriff_.symbolwert(zeichnung_, symbol, feld));
}

Makrolistenantwort Makrostuecklistenanschluss::erzeugeListe(const std::string& name) {
  return alsAntwort(zugriff_.erzeugeListe(zeichnung_, name));
}

Makrolistenantwort Makrostuecklistenanschluss::listeninfo(const std::string& eintrag, const std::string& spalte) {
  return alsAntwort(zugriff_.listeninfo(eintrag, spalte));
}

}  // namespace quarzel
