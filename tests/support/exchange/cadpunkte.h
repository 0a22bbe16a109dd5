// The points an entity of a CAD model stands on, for comparing readers'
// output by coordinates: a line's ends, a polyline's vertices, the vertices
// of all paths of a filled area, else the entity's position.
#pragma once

#include <vector>

#include "exchange/cadmodell.h"

namespace quarzel {

inline std::vector<CadScheitel> cadPunkte(const CadModell& m, const CadEntitaet& e) {
  std::vector<CadScheitel> aus;
  auto lauf = [&](std::uint32_t erster, std::uint32_t anzahl) {
    for (std::uint32_t i = erster; i < erster + anzahl && i < m.scheitel.size(); ++i) aus.push_back(m.scheitel[i]);
  };
  if (e.art == CadArt::Linie) {
    aus = {CadScheitel{e.a, 0, 0, 0}, CadScheitel{e.b, 0, 0, 0}};
  } else if (e.art == CadArt::Polylinie) {
    lauf(e.ersterScheitel, e.scheitelAnzahl);
  } else if (e.art == CadArt::Schraffurrand) {
    for (std::uint32_t p = e.ersterPfad; p < e.ersterPfad + e.pfadAnzahl && p < m.pfade.size(); ++p)
      lauf(m.pfade[p].ersterScheitel, m.pfade[p].anzahl);
  } else {
    aus.push_back(CadScheitel{e.a, 0, 0, 0});
  }
  return aus;
}

}  // namespace quarzel
