#include "render/schraffurlader.h"

namespace quarzel {

Schraffurlader::Schraffurlader(const Schraffurbibliothek& bibliothek)
    : bibliothek_(&bibliothek), geladen_(*standardSchraffur(ErsatzSchraffur)), angefragt_(ErsatzSchraffur) {}

const std::optional<Schraffurdefinition>& Schraffurlader::suche(std::string_view name,
                                                                std::span<const EingebetteteDatei> zeichnung) {
  const std::string schluessel(name);
  if (auto it = cache_.find(schluessel); it != cache_.end()) return it->second;
  if (cache_.size() >= HoechsteCachegroesse) cache_.clear();
  return cache_.emplace(schluessel, bibliothek_->lies(name, zeichnung)).first->second;
}

bool Schraffurlader::loadHatch(std::string_view name, std::span<const EingebetteteDatei> zeichnung) {
  const std::optional<Schraffurdefinition>& d = suche(name, zeichnung);
  if (!d) return false;
  geladen_ = *d;
  return true;
}

const Schraffurdefinition& Schraffurlader::fuerElement(std::string_view name,
                                                       std::span<const EingebetteteDatei> zeichnung) {
  if (name == angefragt_) return geladen_;
  if (!loadHatch(name, zeichnung)) geladen_ = *standardSchraffur(ErsatzSchraffur);
  angefragt_ = std::string(name);
  return geladen_;
}

void Schraffurlader::vergiss() {
  cache_.clear();
  angefragt_.clear();
}

}  // namespace quarzel
