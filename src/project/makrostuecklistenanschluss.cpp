#include "project/makrostuecklistenanschluss.h"

#include "store/symbolinformationen.h"

namespace quarzel {

namespace {

Makrolistenantwort alsAntwort(Listenantwort a) {
  return {std::move(a.wert), std::move(a.fehler)};
}

bool feldGueltig(int feld) {
  return feld >= 1 && feld <= Symbolattribute::Anzahl;
}

Makrofehlerfall ungueltig(const std::string& x) {
  return {Makrofehler::UngueltigerParameter, x, {}, {}, {}};
}

}  // namespace

Makrostuecklistenanschluss::Makrostuecklistenanschluss(const Zeichnung& zeichnung, Umgebung umgebung)
    : zeichnung_(zeichnung), umgebung_(umgebung), zugriff_(std::move(umgebung)) {}

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
  if (symbol.empty() || !feldGueltig(feld)) return ungueltig(symbol);
  if (!speichereSymbolattribut(symbol, "e" + std::to_string(feld), wert, nullptr, umgebung_)) return ungueltig(symbol);
  return std::nullopt;
}

Makrolistenantwort Makrostuecklistenanschluss::symbolinfo(const std::string& symbol, int feld) {
  if (symbol.empty() || !feldGueltig(feld)) return {{}, ungueltig(symbol)};
  // A symbol without an information file has empty attributes.
  const std::optional<Symbolattribute> attribute = leseSymbolattribute(symbol, umgebung_);
  return {attribute ? attribute->werte[static_cast<std::size_t>(feld - 1)] : std::string(), std::nullopt};
}

Makrolistenantwort Makrostuecklistenanschluss::erzeugeListe(const std::string& name) {
  return alsAntwort(zugriff_.erzeugeListe(zeichnung_, name));
}

Makrolistenantwort Makrostuecklistenanschluss::listeninfo(const std::string& eintrag, const std::string& spalte) {
  return alsAntwort(zugriff_.listeninfo(eintrag, spalte));
}

}  // namespace quarzel
