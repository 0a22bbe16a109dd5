// A drawing for snap tests: an initialised store with one undo step open, a
// view at 1 mm per pixel with its origin at world (0, 0), so pixel and world
// coordinates are the same numbers, and short ways to add alive elements.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "edit/fangsuche.h"
#include "store/zeichnung.h"

namespace quarzel::test {

class Fangzeichnung {
 public:
  Fangzeichnung();

  std::int32_t linie(double x1, double y1, double x2, double y2, Elementart art = Elementart::Linie);
  std::int32_t bogen(double xm, double ym, double xr, double yr, float start = 0, float ende = 360, float dreh = 0);
  std::int32_t kreis(double xm, double ym, double r) { return bogen(xm, ym, r, r); }
  std::int32_t polygon(std::initializer_list<std::pair<double, double>> punkte, Elementart art = Elementart::Polygon);
  std::int32_t bezier(std::initializer_list<double> punkte);
  std::int32_t bitmap(double x1, double y1, double x2, double y2);
  std::int32_t bemassung(double x1, double y1, double x2, double y2);
  std::int32_t text(double x, double y);

  Zeichnung z;
};

// One search through the index and one walking the store; the test fails
// when they differ. Returns the result.
Fangergebnis fange(const Zeichnung& z, int x, int y, const Fangeinstellungen& e, const Fangkontext& k = {});
void erwarteGleich(const Fangergebnis& a, const Fangergebnis& b);

// Settings with exactly these snap modes, the active sublayer as scope and
// the given radius; grid, angle grid and rulers off.
Fangeinstellungen nurModi(std::uint16_t modi, int radius = 5);

}  // namespace quarzel::test
