// Grid dots: the turned grid staying inside the area and on the lattice, and
// the dots drawn.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "support/aufzeichnungscanvas.h"
#include "view/raster.h"

namespace quarzel {
namespace {

// A 400 x 300 area whose grid origin sits on pixel (ox, oy).
Ansicht rasteransicht(double zoom, double abstand, double ox, double oy) {
  return {.zoom = zoom,
          .viewOriginX = 1000,
          .viewOriginY = 2000,
          .areaWidth = 400,
          .areaHeight = 300,
          .gridOrigin = {1000 + ox * zoom, 2000 + oy * zoom},
          .gridSpacingX = abstand,
          .gridSpacingY = abstand};
}

bool enthaelt(const std::vector<Rasterpixel>& punkte, Rasterpixel p) {
  return std::find(punkte.begin(), punkte.end(), p) != punkte.end();
}

TEST(RasterGedreht, PunkteBleibenImBereichUndAufDemGitter) {
  Ansicht a = rasteransicht(0.5, 10, 150, 120);
  a.gridAngle = 30;
  const std::vector<Rasterpixel> punkte = rasterpunkte(a);
  const double w = 30 * std::numbers::pi / 180;
  for (const Rasterpixel& p : punkte) {
    ASSERT_TRUE(p.x >= 0 && p.x < 400 && p.y >= 0 && p.y < 300) << p.x << "," << p.y;
    // Turned back about the origin a dot lies on multiples of 20 pixels.
    const double dx = p.x - 150, dy = p.y - 120;
    EXPECT_NEAR((std::cos(w) * dx - std::sin(w) * dy) / 20, std::round((std::cos(w) * dx - std::sin(w) * dy) / 20),
                0.04);
    EXPECT_NEAR((std::sin(w) * dx + std::cos(w) * dy) / 20, std::round((std::sin(w) * dx + std::cos(w) * dy) / 20),
                0.04);
  }
  // About 400 * 300 / 20² dots: no part of the area is left out.
  EXPECT_GT(punkte.size(), 280u);
  EXPECT_LT(punkte.size(), 320u);
  // Counter-clockwise on the screen: one spacing along the turned x axis is up
  // and to the right; its mirror image is no lattice point.
  EXPECT_TRUE(enthaelt(punkte, {150 + 17, 120 - 10}));
  EXPECT_FALSE(enthaelt(punkte, {150 + 17, 120 + 10}));
  // Angles beyond a quarter turn come back into -90…90.
  EXPECT_EQ(std::pair(normierterRasterwinkel(120), normierterRasterwinkel(180)), std::pair(30.0, 90.0));
  // Turned steeply, the last lattice row can still round into the corner pixel.
  a = rasteransicht(0.5, 10, -0.4, 299.4);
  a.gridAngle = -60;
  EXPECT_TRUE(enthaelt(rasterpunkte(a), {0, 299}));
}

TEST(RasterZeichnen, SetztSchwarzePixel) {
  Aufzeichnungscanvas canvas(400, 300);
  rasterzeichnen(canvas, rasteransicht(0.5, 10, 113, 47));
  EXPECT_EQ(canvas.anzahlPixel(rgb(0, 0, 0)), 300u);
  EXPECT_TRUE(canvas.hatPixel(13, 7));
}

}  // namespace
}  // namespace quarzel
