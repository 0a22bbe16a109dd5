#include "macro/makrovariablen.h"

#include <array>
#include <numbers>

#include "macro/makrowerte.h"
#include "macro/schreibweise.h"

namespace quarzel {

void Makrovariablen::setze(std::string_view name, std::string wert) {
  std::string klein = kleinschreibung(name);
  if (auto it = index_.find(klein); it != index_.end()) {
    Zeile& z = zeilen_[it->second];
    z.name.assign(name);
    z.wert = std::move(wert);
    return;
  }
  index_.emplace(klein, zeilen_.size());
  zeilen_.push_back({std::move(klein), std::move(wert)});
}

const std::string* Makrovariablen::finde(std::string_view name) const {
  return findeKlein(kleinschreibung(name));
}

const std::string* Makrovariablen::findeKlein(std::string_view kleinerName) const {
  const auto it = index_.find(kleinerName);
  return it == index_.end() ? nullptr : &zeilen_[it->second].wert;
}

void Makrovariablen::setzeZeile(Vordefiniert zeile, std::string wert) {
  const auto i = static_cast<std::size_t>(zeile);
  if (i < zeilen_.size()) zeilen_[i].wert = std::move(wert);
}

void Makrovariablen::leere() {
  zeilen_.clear();
  index_.clear();
}

void Makrovariablen::legeVordefinierteAn(const Makroumgebung& u) {
  leere();
  zeilen_.reserve(200);
  const auto z = [](double w) { return makrozahl(w); };
  const std::array<std::pair<std::string_view, std::string>, AnzahlVordefinierte> vorgaben{{
      {"workb", z(u.workb)},
      {"workh", z(u.workh)},
      {"pi", z(std::numbers::pi)},
      {"e", z(std::numbers::e)},
      {"cursorx", "0"},
      {"cursory", "0"},
      {"mousebutton", "0"},
      {"paperleft", z(u.paperleft)},
      {"paperright", z(u.paperright)},
      {"papertop", z(u.papertop)},
      {"paperbottom", z(u.paperbottom)},
      {"maßstab", z(u.massstab)},
      {"einheit", u.einheit},
      {"umrfaktor", z(u.umrfaktor)},
      {"linex1", "0"},
      {"liney1", "0"},
      {"linex2", "0"},
      {"liney2", "0"},
      {"linewidth", "0"},
      {"linestyle", "0"},
      {"linered", "0"},
      {"linegreen", "0"},
      {"lineblue", "0"},
      {"arcxm", "0"},
      {"arcym", "0"},
      {"arcrx", "0"},
      {"arcry", "0"},
      {"arcw1", "0"},
      {"arcw2", "0"},
      {"arcw3", "0"},
      {"arcwidth", "0"},
      {"arcstyle", "0"},
      {"acred", "0"},  // sic: macros in use read this spelling
      {"arcgreen", "0"},
      {"arcblue", "0"},
      {"progpath", u.progpath},
      {"plred", z(u.plred)},
      {"plgreen", z(u.plgreen)},
      {"plblue", z(u.plblue)},
      {"prred", z(u.prred)},
      {"prgreen", z(u.prgreen)},
      {"prblue", z(u.prblue)},
      {"fkey", "0"},
      {"subroutine", "no"},
  }};
  for (const auto& [name, wert] : vorgaben) setze(name, wert);
}

bool einheitswort(std::string_view wort, Makroeinheit& einheit) {
  static constexpr std::array<std::pair<std::string_view, Makroeinheit>, 8> woerter{{
      {"mm", {1, 1.0, "mm"}},
      {"cm", {2, 0.1, "cm"}},
      {"m", {3, 0.001, "m"}},
      {"km", {4, 0.000001, "km"}},
      {"inch", {5, 0.03937, "in"}},
      {"feet", {6, 0.0032786, "ft"}},
      {"yard", {7, 0.001094, "yd"}},
      {"miles", {8, 0.0000005399568, "mls"}},
  }};
  const std::string klein = kleinschreibung(wort);
  for (const auto& [w, e] : woerter) {
    if (klein == w) {
      einheit = e;
      return true;
    }
  }
  return false;
}

}  // namespace quarzel
