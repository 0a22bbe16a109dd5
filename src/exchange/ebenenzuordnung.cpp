#include "exchange/ebenenzuordnung.h"

#include <algorithm>

#include "store/zeichnung.h"

namespace quarzel {

bool Ebenenzuordnung::ordneZu(std::string_view name, bool ausgeblendet) {
  if (hatLetzten_ && name == letzter_) return true;
  std::string schluessel(name);
  auto it = bekannt_.find(schluessel);
  Platz p{};
  if (it != bekannt_.end()) {
    p = it->second;
  } else if (suche(schluessel, ausgeblendet, p)) {
    bekannt_.emplace(schluessel, p);
  } else {
    return false;
  }
  mache(p);
  letzter_ = std::move(schluessel);
  hatLetzten_ = true;
  return true;
}

bool Ebenenzuordnung::suche(const std::string& name, bool ausgeblendet, Platz& platz) {
  Ebenen& e = z_.ebenen;
  for (int ebene = ziel_; ebene <= kLetzteEbene && ebene <= Ebenen::Hoechstzahl; ++ebene) {
    if (!e.existiert(ebene)) {
      // Layers are numbered without gaps: the next one is appended.
      if (e.fuegeEbeneAn(e.name(ziel_) + std::to_string(ebene - ziel_)) != ebene) return false;
      e.setzeSichtbarFlag(ebene, 1);
    }
    const int folien = e.folienanzahl(ebene);
    for (int folie = 1; folie <= folien; ++folie) {
      if (e.folienname(ebene, folie) == name) {
        platz = {static_cast<std::uint8_t>(ebene), static_cast<std::uint8_t>(folie)};
        merke(ebene);
        return true;
      }
    }
    if (folien < Ebenen::Hoechstzahl) {
      // An empty name would leave the slot looking free; "0" layers are common.
      const std::uint8_t neu = e.fuegeFolieAn(ebene, name.empty() ? std::string("0") : name);
      if (neu == 0) continue;
      if (ausgeblendet) e.setzeFolienzustand(ebene, neu, FolieAusgeblendet);
      platz = {static_cast<std::uint8_t>(ebene), neu};
      merke(ebene);
      return true;
    }
  }
  return false;
}

void Ebenenzuordnung::merke(int ebene) {
  if (std::find(ebenen_.begin(), ebenen_.end(), ebene) != ebenen_.end()) return;
  ebenen_.push_back(ebene);
  std::sort(ebenen_.begin(), ebenen_.end());
}

void Ebenenzuordnung::mache(Platz p) {
  z_.ebenen.setzeAktiv(p.ebene, p.folie);
  z_.speicher.aktuell.planteil = p.ebene;
  z_.speicher.aktuell.folie = p.folie;
}

}  // namespace quarzel
