// Schraffurlader: the renderer's hatch object. It holds the one loaded
// definition and a small cache by name, so consecutive elements with the same
// hatch, and hatches met again later in the same redraw, do not reread files.
// Names that no source has are remembered too and drawn with
// "Windows-Standard 1".
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

#include "styles/schraffurbibliothek.h"
#include "styles/schraffurdefinition.h"

namespace quarzel {

class Schraffurlader {
 public:
  // More distinct names than this in one redraw empty the cache.
  static constexpr std::size_t HoechsteCachegroesse = 256;

  // The library must outlive the loader.
  explicit Schraffurlader(const Schraffurbibliothek& bibliothek);

  // Makes the named definition the loaded one. False when no source has it;
  // the loaded definition then stays as it was.
  bool loadHatch(std::string_view name, std::span<const EingebetteteDatei> zeichnung = {});

  // The definition an element naming this hatch is drawn with: the loaded one
  // when the name is the one asked for last, otherwise the named one, and
  // "Windows-Standard 1" when it cannot be had. A definition that exists but
  // cannot be read counts as missing, so the result never depends on which
  // element was drawn before.
  const Schraffurdefinition& fuerElement(std::string_view name, std::span<const EingebetteteDatei> zeichnung = {});

  const Schraffurdefinition& geladen() const { return geladen_; }

  // Forgets the cache; the renderer calls it at the start of a full redraw, so
  // hatches changed in the dialog and the tables of a newly loaded drawing
  // take effect.
  void vergiss();

 private:
  const std::optional<Schraffurdefinition>& suche(std::string_view name, std::span<const EingebetteteDatei> zeichnung);

  const Schraffurbibliothek* bibliothek_;
  std::unordered_map<std::string, std::optional<Schraffurdefinition>> cache_;
  Schraffurdefinition geladen_;
  std::string angefragt_;  // the name fuerElement was last asked for
};

}  // namespace quarzel
