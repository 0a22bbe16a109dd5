// Grid dots: density rule, positions of the unturned grid, the turned grid
// staying inside the area and on the lattice, angle folding.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "view/raster.h"
#include "support/aufzeichnungscanvas.h"

namespace quarzel {
namespace {

// A 400 x 300 area whose grid origin sits on pixel (ox, oy).
Ansicht rasteransicht(double zoom, double abstand, double ox, double oy) {
  Ansicht a;
  a.areaWidth = 400;
  a.areaHeight = 300;
  a.zoom = zoom;
  a.viewOriginX = 1000;
  a.viewOriginY = 2000;
  a.gridSpacingX = abstand;
  a.gridSpacingY = abstand;
  a.gridOrigin = {1000 + ox * zoom, 2000 + oy * zoom};
  return a;
}

bool enthaelt(const std::vector<Rasterpixel>& punkte, Rasterpixel p) {
  return std::find(punkte.begin(), punkte.end(), p) != punkte.end();
}

TEST(RasterDichte, FuenfPixelOderWenigerWirdNichtGezeigt) {
  EXPECT_TRUE(rasterpunkte(rasteransicht(0.25, 1, 0, 0)).empty());   // 4 pixels
  EXPECT_FALSE(rasterpunkte(rasteransicht(0.19, 1, 0, 0)).empty());  // 5.26 pixels
  EXPECT_TRUE(rasterpunkte(rasteransicht(0.5, 2.5, 0, 0)).empty());  // exactly 5
  EXPECT_TRUE(rasterpunkte(rasteransicht(0.5, NAN, 0, 0)).empty());
}

TEST(RasterUngedreht, PunkteLiegenImAbstandUmDenRasterursprung) {
  const std::vector<Rasterpixel> punkte = rasterpunkte(rasteransicht(0.5, 10, 113, 47));
  // Columns 13, 33, ..., 393 and rows 7, 27, ..., 287, 20 pixels apart.
  EXPECT_EQ(punkte.size(), 20u * 15u);
  EXPECT_EQ(punkte.front(), (Rasterpixel{13, 7}));
  EXPECT_EQ(punkte.back(), (Rasterpixel{393, 287}));
  // An origin thousands of spacings away gives the same dots.
  EXPECT_EQ(rasterpunkte(rasteransicht(0.5, 10, 113 - 20 * 5000, 47 + 20 * 3000)), punkte);
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
}

TEST(RasterGedreht, QuadratischesGitterUmNeunzigGradGleichtDemUngedrehten) {
  Ansicht gerade = rasteransicht(0.5, 10, 113, 47);
  Ansicht gedreht = gerade;
  gedreht.gridAngle = 180;  // folds to 90
  std::vector<Rasterpixel> a = rasterpunkte(gerade), b = rasterpunkte(gedreht);
  auto kleiner = [](const Rasterpixel& p, const Rasterpixel& q) { return p.x != q.x ? p.x < q.x : p.y < q.y; };
  std::sort(a.begin(), a.end(), kleiner);
  std::sort(b.begin(), b.end(), kleiner);
  EXPECT_EQ(a, b);
}

TEST(RasterWinkel, WirdInSchrittenVonNeunzigGefaltet) {
  EXPECT_DOUBLE_EQ(normierterRasterwinkel(100), 10);
  EXPECT_DOUBLE_EQ(normierterRasterwinkel(180), 90);
  EXPECT_DOUBLE_EQ(normierterRasterwinkel(-95), -5);
  EXPECT_DOUBLE_EQ(normierterRasterwinkel(-180), -90);
  const double riesig = normierterRasterwinkel(1e30);  // no endless subtraction
  EXPECT_TRUE(riesig > 0 && riesig <= 90);
  EXPECT_EQ(normierterRasterwinkel(INFINITY), 0);
}

TEST(RasterZeichnen, SetztSchwarzePixel) {
  Aufzeichnungscanvas canvas(400, 300);
  rasterzeichnen(canvas, rasteransicht(0.5, 10, 113, 47));
  EXPECT_EQ(canvas.anzahlPixel(rgb(0, 0, 0)), 300u);
  EXPECT_TRUE(canvas.hatPixel(13, 7));
}

}  // namespace
}  // namespace quarzel
