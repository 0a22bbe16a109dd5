#include "macro/makrocompiler.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "macro/quelltokenizer.h"

namespace quarzel {

namespace {

std::uint32_t alsPosition(std::size_t n) {
  return static_cast<std::uint32_t>(std::min<std::size_t>(n, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

std::string literaltoken(std::string_view literal) {
  std::string t(Literalmarke);
  t.append(literal);
  return t;
}

Tokenprogramm kompiliere(const std::vector<std::string>& zeilen, const Statusanzeige& status) {
  Tokenprogramm programm;
  Statusfortschritt fortschritt(status, StatusCompilieren, zeilen.size());
  std::vector<Quellstueck> stuecke;
  for (std::size_t z = 0; z < zeilen.size(); ++z) {
    const std::string& zeile = zeilen[z];
    zerlegeZeile(zeile, stuecke);
    for (const Quellstueck& s : stuecke) {
      if (s.art == Stueckart::Kommentar) break;
      if (s.art == Stueckart::Literal) {
        programm.fuegeAn(literaltoken(literaltext(zeile, s)), alsPosition(z), alsPosition(s.anfang));
      } else {
        programm.fuegeAn(std::string_view(zeile).substr(s.anfang, s.laenge), alsPosition(z), alsPosition(s.anfang));
      }
    }
    fortschritt.zeileFertig(z);
  }
  fortschritt.fertig();
  programm.schliesseAb();
  return programm;
}

Tokenprogramm kompiliereText(std::string_view quelltext, const Statusanzeige& status) {
  return kompiliere(teileInZeilen(quelltext), status);
}

}  // namespace quarzel
