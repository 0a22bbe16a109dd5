#include "project/stueckliste.h"

#include <unordered_map>
#include <unordered_set>

#include "base/inidatei.h"
#include "store/zeichnung.h"

namespace quarzel {

namespace {

std::string grossbuchstaben(std::string_view text) {
  std::string gross(text);
  for (char& c : gross)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return gross;
}

// The rows found so far and what the walk has already decided.
class Zaehlung {
 public:
  Zaehlung(Stueckliste& liste, const Listenauftrag& auftrag, const Attributleser& leser)
      : liste_(liste), auftrag_(auftrag), leser_(leser) {}

  void gruppe(const std::string& name, bool verschachtelt) {
    switch (auftrag_.art) {
      case Listenart::AlleSymbole:
        if (istSymbolname(name)) zaehle(name);
        break;
      case Listenart::BenannteGruppen:
        zaehle(verschachtelt ? "> " + name : name);
        break;
      case Listenart::Maske:
        if (istSymbolname(name)) zaehleMitMaske(name);
        break;
    }
  }

 private:
  // Raises the count of a listed name; false when it is not listed yet.
  bool erhoehe(const std::string& name) {
    const auto it = zeileVon_.find(name);
    if (it == zeileVon_.end()) return false;
    ++liste_.zeilen[it->second].anzahl;
    return true;
  }

  Stuecklistenzeile& neueZeile(const std::string& name) {
    zeileVon_.emplace(name, liste_.zeilen.size());
    Stuecklistenzeile& zeile = liste_.zeilen.emplace_back();
    zeile.anzahl = 1;
    zeile.name = name;
    return zeile;
  }

  void zaehle(const std::string& name) {
    if (!erhoehe(name)) neueZeile(name);
  }

  void zaehleMitMaske(const std::string& name) {
    if (erhoehe(name) || uebergangen_.contains(name)) return;
    const std::optional<Symbolattribute>& attribute = attributeVon(name);
    if (!attribute || !auftrag_.maske || attribute->maske != auftrag_.maske->name) {
      uebergangen_.insert(name);
      return;
    }
    neueZeile(name).werte = attribute->werte;
  }

  // Symbols that share one information file ("Wanne.QZS", "Wanne.DET") read
  // it once.
  const std::optional<Symbolattribute>& attributeVon(const std::string& symbol) {
    const std::string datei = symbolinformationsdatei(symbol);
    auto it = gelesen_.find(datei);
    if (it == gelesen_.end()) it = gelesen_.emplace(datei, leser_ ? leser_(symbol) : std::nullopt).first;
    return it->second;
  }

  Stueckliste& liste_;
  const Listenauftrag& auftrag_;
  const Attributleser& leser_;
  std::unordered_map<std::string, std::size_t> zeileVon_;
  std::unordered_set<std::string> uebergangen_;  // symbols of another mask
  std::unordered_map<std::string, std::optional<Symbolattribute>> gelesen_;
};

}  // namespace

std::vector<int> Stueckliste::sichtbareSpalten() const {
  std::vector<int> spalten;
  for (int s = 0; s < Spalten; ++s)
    if (!kopf[static_cast<std::size_t>(s)].empty()) spalten.push_back(s);
  return spalten;
}

int Stueckliste::zeilenzahl() const {
  return 1 + (zeilen.empty() ? 1 : static_cast<int>(zeilen.size()));
}

std::string Stueckliste::zelle(int zeile, int spalte) const {
  if (spalte < 0 || spalte >= Spalten) return {};
  if (zeile == 0) return kopf[static_cast<std::size_t>(spalte)];
  if (zeile < 0 || static_cast<std::size_t>(zeile) > zeilen.size()) return {};
  const Stuecklistenzeile& z = zeilen[static_cast<std::size_t>(zeile - 1)];
  if (spalte == 0) return std::to_string(z.anzahl);
  if (spalte == 1) return z.name;
  return z.werte[static_cast<std::size_t>(spalte - 2)];
}

bool istSymbolname(std::string_view gruppenname) {
  const std::string gross = grossbuchstaben(gruppenname);
  return gross.find(".QZS") != std::string::npos || gross.find(".DET") != std::string::npos;
}

std::array<std::string, Stueckliste::Spalten> listenkopf(Listenart art, const Datenmaske* maske) {
  std::array<std::string, Stueckliste::Spalten> kopf;
  kopf[0] = "Anzahl";
  kopf[1] = art == Listenart::BenannteGruppen ? "Gruppenname" : "Dateiname";
  if (maske && art == Listenart::Maske)
    for (std::size_t i = 0; i < maske->ueberschriften.size(); ++i) kopf[i + 2] = maske->ueberschriften[i];
  return kopf;
}

const EingebetteteDatei* mitgebrachteSymboldatei(const Zeichnung& zeichnung, const std::string& symbol) {
  const std::string gesucht = grossbuchstaben(symbolinformationsdatei(symbol));
  for (const EingebetteteDatei& datei : zeichnung.optionen.symbolattributdateien)
    if (grossbuchstaben(datei.name) == gesucht) return &datei;
  return nullptr;
}

Attributleser attributleserFuer(const Zeichnung& zeichnung, const Umgebung& umgebung) {
  return [&zeichnung, umgebung](const std::string& symbol) -> std::optional<Symbolattribute> {
    if (std::optional<Symbolattribute> aus = leseSymbolattribute(symbol, umgebung)) return aus;
    const EingebetteteDatei* datei = mitgebrachteSymboldatei(zeichnung, symbol);
    if (!datei) return std::nullopt;
    const std::string_view bytes(reinterpret_cast<const char*>(datei->daten.data()), datei->daten.size());
    return symbolattributeAus(IniDatei::ausText(bytes), symbolstamm(symbol));
  };
}

std::optional<Listenauftrag> listenauftrag(std::string_view eintrag, const Zeichnung& zeichnung,
                                           const Umgebung& umgebung) {
  Listenauftrag auftrag;
  auftrag.name = std::string(eintrag);
  if (eintrag == kAlleSymbole) {
    auftrag.art = Listenart::AlleSymbole;
  } else if (eintrag == kAlleBenanntenGruppen) {
    auftrag.art = Listenart::BenannteGruppen;
  } else {
    auftrag.maske = leseDatenmaske(eintrag, zeichnung.optionen.datenmasken, umgebung);
    if (!auftrag.maske) return std::nullopt;
    auftrag.art = Listenart::Maske;
  }
  return auftrag;
}

Stueckliste erzeugeStueckliste(const Zeichnung& zeichnung, const Listenauftrag& auftrag, const Attributleser& leser) {
  Stueckliste liste;
  liste.name = auftrag.name;
  liste.art = auftrag.art;
  liste.kopf = listenkopf(auftrag.art, auftrag.maske ? &*auftrag.maske : nullptr);
  Zaehlung zaehlung(liste, auftrag, leser);
  const Elementspeicher& s = zeichnung.speicher;
  int tiefe = 0;
  for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
    const Elementart art = s.art(n);
    // Only group brackets count; the other elements are passed over before
    // their layer is looked at.
    if (!istGruppenklammer(art) || !s.lebendig(n)) continue;
    if (auftrag.nurSichtbare && !zeichnung.ebenen.sichtbar(s.planteil(n), s.folie(n))) continue;
    if (art == Elementart::Gruppenende) {
      if (tiefe > 0) --tiefe;
      continue;
    }
    const bool verschachtelt = tiefe > 0;
    ++tiefe;
    const std::string& name = s.gruppe(n).name;
    if (!name.empty()) zaehlung.gruppe(name, verschachtelt);
  }
  return liste;
}

}  // namespace quarzel
