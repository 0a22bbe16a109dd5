// The symbols of support and marker points (lines whose start code is
// 21..29). Form = code − 20:
//   1 cross, 2 plus, 3 open circle, 4 filled circle, 5 open square,
//   6 filled square, 7 open triangle (a support seen from the side),
//   8 filled triangle, 9 open diamond.
// Sizes are in pixels so a marker stays readable at every zoom.
#include <array>
#include <cmath>

#include "render/formzeichnen.h"

namespace quarzel {

namespace {

void vieleck(Canvas& c, std::initializer_list<Pixelpunkt> ecken, bool gefuellt) {
  if (gefuellt) {
    c.polygon({ecken.begin(), ecken.size()});
    return;
  }
  std::array<Pixelpunkt, 5> p{};
  std::size_t i = 0;
  for (const Pixelpunkt& q : ecken) p[i++] = q;
  p[i++] = *ecken.begin();
  c.polylinie({p.data(), i});
}

}  // namespace

void zeichneMarker(Canvas& c, Pixelpunkt p, int form, double g, Farbe farbe) {
  c.setzeStift(farbe, 1);
  c.setzePinsel(farbe);
  const double h = g / 2;
  switch (form) {
    case 1: {
      const std::array<Pixelpunkt, 4> q{
          {{p.x - h, p.y - h}, {p.x + h, p.y + h}, {p.x - h, p.y + h}, {p.x + h, p.y - h}}};
      const std::array<int, 2> l{2, 2};
      c.mehrfachPolylinie(q, l);
      break;
    }
    case 2: {
      const std::array<Pixelpunkt, 4> q{{{p.x - h, p.y}, {p.x + h, p.y}, {p.x, p.y - h}, {p.x, p.y + h}}};
      const std::array<int, 2> l{2, 2};
      c.mehrfachPolylinie(q, l);
      break;
    }
    case 3:
      kleinerKreis(c, p, h, false);
      break;
    case 4:
      kleinerKreis(c, p, h, true);
      break;
    case 5:
    case 6:
      vieleck(c, {{p.x - h, p.y - h}, {p.x + h, p.y - h}, {p.x + h, p.y + h}, {p.x - h, p.y + h}}, form == 6);
      break;
    case 7:
    case 8:
      vieleck(c, {{p.x, p.y}, {p.x + h, p.y + g}, {p.x - h, p.y + g}}, form == 8);
      break;
    case 9:
      vieleck(c, {{p.x, p.y - h}, {p.x + h, p.y}, {p.x, p.y + h}, {p.x - h, p.y}}, false);
      break;
    default:
      break;
  }
}

}  // namespace quarzel
