#include "support/aufzeichnungscanvas.h"

#include <algorithm>

namespace quarzel {

void Aufzeichnungscanvas::mehrfachPolylinie(std::span<const Pixelpunkt> punkte, std::span<const int> laengen) {
  // A caller's lengths that run past the points are cut to what is there, as a
  // real canvas must do too.
  Mehrfachlinie m{{}, zustand};
  std::size_t beginn = 0;
  for (int laenge : laengen) {
    const std::size_t n =
        std::min<std::size_t>(laenge > 0 ? static_cast<std::size_t>(laenge) : 0, punkte.size() - beginn);
    m.zuege.emplace_back(punkte.begin() + static_cast<std::ptrdiff_t>(beginn),
                         punkte.begin() + static_cast<std::ptrdiff_t>(beginn + n));
    beginn += n;
  }
  mehrfachlinien.push_back(std::move(m));
  protokoll.emplace_back("mehrfachPolylinie");
}

void Aufzeichnungscanvas::leeren() {
  Aufzeichnungscanvas leer(breite_, hoehe_);
  leer.zustand = zustand;
  leer.vektorbildSpielt = vektorbildSpielt;
  *this = std::move(leer);
}

std::size_t Aufzeichnungscanvas::anzahlPixel(Farbe farbe) const {
  return static_cast<std::size_t>(
      std::count_if(pixelListe.begin(), pixelListe.end(), [&](const Punkt& p) { return p.farbe == farbe; }));
}

bool Aufzeichnungscanvas::hatPixel(int x, int y) const {
  return std::any_of(pixelListe.begin(), pixelListe.end(), [&](const Punkt& p) { return p.x == x && p.y == y; });
}

}  // namespace quarzel
