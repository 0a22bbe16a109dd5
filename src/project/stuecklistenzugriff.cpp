#include "project/stuecklistenzugriff.h"

#include <charconv>
#include <filesystem>

#include "base/sicheredatei.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

Makrofehlerfall fehler(Makrofehler code, std::string_view x = {}) {
  Makrofehlerfall f;
  f.code = code;
  f.x = std::string(x);
  return f;
}

Listenantwort fehlerantwort(Makrofehler code, std::string_view x = {}) {
  return {{}, fehler(code, x)};
}

// A whole decimal number, or std::nullopt.
std::optional<long long> nummer(std::string_view text) {
  long long n = 0;
  const auto [ende, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (text.empty() || ec != std::errc() || ende != text.data() + text.size()) return std::nullopt;
  return n;
}

// A symbol known only from the drawing's copy of its information file: the
// user's file starts as that copy, so a changed key does not hide the others.
void uebernimmMitgebrachteDatei(const Zeichnung& zeichnung, const std::string& symbol, const Umgebung& umgebung) {
  const std::string name = std::string(kSymbolinformationsordner) + "/" + symbolinformationsdatei(symbol);
  std::error_code ec;
  if (const auto da = findeProgrammdatei(name, umgebung); da && std::filesystem::is_regular_file(*da, ec)) return;
  const EingebetteteDatei* kopie = mitgebrachteSymboldatei(zeichnung, symbol);
  const std::optional<std::filesystem::path> ziel = schreibbareProgrammdatei(name, umgebung);
  if (!kopie || !ziel) return;
  schreibeDateiAtomar(*ziel, std::string_view(reinterpret_cast<const char*>(kopie->daten.data()), kopie->daten.size()));
}

// Sets one key of a symbol's information file in the user's folder.
bool setzeSymbolschluessel(const Zeichnung& zeichnung, std::string_view symbol, std::string_view schluessel,
                           std::string_view wert, const Umgebung& umgebung) {
  if (symbol.empty()) return false;
  uebernimmMitgebrachteDatei(zeichnung, std::string(symbol), umgebung);
  return speichereSymbolattribut(std::string(symbol), schluessel, wert, nullptr, umgebung);
}

bool maskeVorhanden(const Zeichnung& zeichnung, std::string_view name, const Umgebung& umgebung) {
  return listenauftrag(name, zeichnung, umgebung).has_value();
}

}  // namespace

Stuecklistenzugriff::Stuecklistenzugriff(Umgebung umgebung) : umgebung_(std::move(umgebung)) {}

std::optional<Makrofehlerfall> Stuecklistenzugriff::erzeugeMaske(std::string_view name,
                                                                 std::span<const std::string> ueberschriften) {
  Datenmaske maske;
  maske.name = std::string(name);
  if (ueberschriften.size() > maske.ueberschriften.size()) return fehler(Makrofehler::UngueltigerParameter, name);
  for (std::size_t i = 0; i < ueberschriften.size(); ++i) maske.ueberschriften[i] = ueberschriften[i];
  if (!speichereDatenmaske(maske, nullptr, umgebung_)) return fehler(Makrofehler::UngueltigerParameter, name);
  return std::nullopt;
}

std::optional<Makrofehlerfall> Stuecklistenzugriff::waehleMaske(const Zeichnung& zeichnung, std::string_view name) {
  if (!maskeVorhanden(zeichnung, name, umgebung_)) return fehler(Makrofehler::DatenmaskeFehlt, name);
  maske_ = std::string(name);
  return std::nullopt;
}

std::optional<Makrofehlerfall> Stuecklistenzugriff::setzeSymbolmaske(const Zeichnung& zeichnung,
                                                                     std::string_view symbol, std::string_view maske) {
  if (!leseDatenmaske(maske, zeichnung.optionen.datenmasken, umgebung_))
    return fehler(Makrofehler::DatenmaskeFehlt, maske);
  if (!setzeSymbolschluessel(zeichnung, symbol, "Mask", maske, umgebung_))
    return fehler(Makrofehler::UngueltigerParameter, symbol);
  return std::nullopt;
}

std::optional<Makrofehlerfall> Stuecklistenzugriff::setzeSymbolwert(const Zeichnung& zeichnung, std::string_view symbol,
                                                                    int feld, std::string_view wert) {
  if (feld < 1 || feld > Symbolattribute::Anzahl)
    return fehler(Makrofehler::UngueltigerParameter, std::to_string(feld));
  if (!setzeSymbolschluessel(zeichnung, symbol, "e" + std::to_string(feld), wert, umgebung_))
    return fehler(Makrofehler::UngueltigerParameter, symbol);
  return std::nullopt;
}

Listenantwort Stuecklistenzugriff::symbolwert(const Zeichnung& zeichnung, std::string_view symbol, int feld) const {
  if (feld < 1 || feld > Symbolattribute::Anzahl)
    return fehlerantwort(Makrofehler::UngueltigerParameter, std::to_string(feld));
  const std::optional<Symbolattribute> attribute = attributleserFuer(zeichnung, umgebung_)(std::string(symbol));
  return {attribute ? attribute->werte[static_cast<std::size_t>(feld - 1)] : std::string(), std::nullopt};
}

Listenantwort Stuecklistenzugriff::erzeugeListe(const Zeichnung& zeichnung, std::string_view name, bool nurSichtbare) {
  const std::string_view liste = name.empty() ? std::string_view(maske_) : name;
  std::optional<Listenauftrag> auftrag = listenauftrag(liste, zeichnung, umgebung_);
  if (!auftrag) return fehlerantwort(Makrofehler::StuecklisteNichtErzeugbar, liste);
  auftrag->nurSichtbare = nurSichtbare;
  liste_ = erzeugeStueckliste(zeichnung, *auftrag, attributleserFuer(zeichnung, umgebung_));
  return {std::to_string(liste_->zeilen.size()), std::nullopt};
}

Listenantwort Stuecklistenzugriff::listeninfo(std::string_view eintrag, std::string_view spalte) const {
  if (!liste_) return fehlerantwort(Makrofehler::KeineStueckliste);
  if (liste_->zeilen.empty()) return fehlerantwort(Makrofehler::StuecklisteLeer);

  int zeile = 0;
  if (const std::optional<long long> n = nummer(eintrag)) {
    if (*n < 1 || *n > static_cast<long long>(liste_->zeilen.size()))
      return fehlerantwort(Makrofehler::StuecklistenZugriff, eintrag);
    zeile = static_cast<int>(*n);
  } else {
    for (std::size_t i = 0; i < liste_->zeilen.size() && zeile == 0; ++i)
      if (liste_->zeilen[i].name == eintrag) zeile = static_cast<int>(i) + 1;
    if (zeile == 0) return fehlerantwort(Makrofehler::EintragFehlt, eintrag);
  }

  int nr = -1;
  if (spalte == Symbolspalte) {
    nr = 1;
  } else if (const std::optional<long long> n = nummer(spalte)) {
    if (*n >= 0 && *n < Stueckliste::Spalten) nr = static_cast<int>(*n);
  } else {
    for (int s : liste_->sichtbareSpalten())
      if (liste_->kopf[static_cast<std::size_t>(s)] == spalte) {
        nr = s;
        break;
      }
  }
  if (nr < 0) return fehlerantwort(Makrofehler::StuecklistenZugriff, spalte);
  return {liste_->zelle(zeile, nr), std::nullopt};
}

}  // namespace quarzel
