// CadBau: small CAD models built by hand, and a recorder that keeps copies of
// what the resolver hands out (its vertex spans live only during the call).
#pragma once

#include <initializer_list>
#include <tuple>
#include <vector>

#include "exchange/cadaufloesung.h"

namespace quarzel {

struct CadBau {
  CadModell m;

  CadEntitaet e(CadArt art, const char* layer = "0", int aci = 256) {
    CadEntitaet x;
    x.art = art;
    x.layer = m.name(layer);
    x.farbe = farbeAusAci(aci);
    return x;
  }
  CadEntitaet einfuegung(const char* block, CadPunkt a, double sx = 1, double sy = 1, double grad = 0) {
    CadEntitaet x = e(CadArt::Einfuegung);
    std::tie(x.block, x.a, x.skalierungX, x.skalierungY, x.drehung) = std::tuple(m.name(block), a, sx, sy, grad);
    return x;
  }
  // The entity list of a new block; valid until the next block is added.
  CadEntitaetenliste& block(const char* name) {
    m.name(name);
    m.bloecke.push_back({name, {}, {}});
    return m.bloecke.back().entitaeten;
  }
  std::uint32_t scheitel(std::initializer_list<CadScheitel> s) {
    auto i = static_cast<std::uint32_t>(m.scheitel.size());
    m.scheitel.insert(m.scheitel.end(), s);
    return i;
  }
};

struct CadAufgezeichnet {
  CadWeltelement e;
  std::vector<CadScheitel> punkte;
};

inline std::vector<CadAufgezeichnet> aufzeichnen(const CadModell& m, const CadEntitaetenliste& quelle,
                                                 const CadAufloeseOptionen& o, CadAufloeseErgebnis& ergebnis) {
  std::vector<CadAufgezeichnet> aus;
  ergebnis = cadAufloesen(m, quelle, o, [&](const CadWeltelement& w) {
    aus.push_back({w, {w.punkte.begin(), w.punkte.end()}});
  });
  return aus;
}

}  // namespace quarzel
