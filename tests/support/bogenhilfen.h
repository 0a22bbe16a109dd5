// Arc records and point checks for the tests of arc geometry (renderer and
// snapping read the same records).
#pragma once

#include <gtest/gtest.h>

#include "render/bogengeometrie.h"
#include "store/zeichnung.h"

namespace quarzel::test {

inline tbogendaten bogendaten(double xm, double ym, double xr, double yr, float start = 0, float ende = 360,
                              float dreh = 0) {
  tbogendaten d;
  d.xm = xm;
  d.ym = ym;
  d.xr = xr;
  d.yr = yr;
  d.startwinkel = start;
  d.endwinkel = ende;
  d.drehwinkel = dreh;
  return d;
}

inline Ellipsenbogen figur(double xm, double ym, double xr, double yr, float start = 0, float ende = 360,
                           float dreh = 0) {
  return *ellipsenbogen(bogendaten(xm, ym, xr, yr, start, ende, dreh));
}

inline void erwartePunkt(Weltpunkt p, double x, double y, double toleranz = 1e-9) {
  EXPECT_NEAR(p.x, x, toleranz);
  EXPECT_NEAR(p.y, y, toleranz);
}

}  // namespace quarzel::test
