// Roundings without elements: the ruler subdivision, grid nodes (also on a
// turned grid, where they must coincide with the drawn dots), the angle grid,
// and which tools take part.
#include <gtest/gtest.h>

#include <cmath>

#include "view/lineal.h"
#include "view/raster.h"
#include "edit/fangraster.h"

namespace quarzel {
namespace {

TEST(Linealfang, StrichabstandWirdDurchZehnGeteiltSolangeUeberZehn) {
  EXPECT_DOUBLE_EQ(linealfangschritt(250), 2.5);
  EXPECT_DOUBLE_EQ(linealfangschritt(7), 7);
  EXPECT_DOUBLE_EQ(linealfangschritt(10), 10);
  EXPECT_DOUBLE_EQ(linealfangschritt(10.5), 1.05);
  EXPECT_EQ(linealfangschritt(0), 0);
  EXPECT_EQ(linealfangschritt(NAN), 0);
  EXPECT_EQ(linealfangschritt(INFINITY), 0);
}

TEST(Linealfang, HalberSchrittGehtVomUrsprungWeg) {
  EXPECT_EQ(rundeAufTeilung(12.5, 10, 5), 15);
  EXPECT_EQ(rundeAufTeilung(7.5, 10, 5), 5);
  EXPECT_EQ(rundeAufTeilung(12.4, 10, 5), 10);
  EXPECT_EQ(rundeAufTeilung(-3, 0, 2.5), -2.5);
}

Ansicht linealansicht(double zoom) {
  Ansicht a;
  a.zoom = zoom;
  a.viewOriginX = 0;
  a.viewOriginY = 0;
  a.zeroPoint = {100 * zoom, 50 * zoom};  // pixel (100, 50)
  return a;
}

TEST(Linealfang, RundetUmDenNullpunktAufDieTeilung) {
  // 0.04 mm per pixel: the minor tick lies 25 pixels apart -> 2.5-pixel steps.
  const Ansicht a = linealansicht(0.04);
  ASSERT_DOUBLE_EQ(linealschritte(a, false).kleinPixel, 25);
  const auto p = linealfang(a, false, 104, 51);
  ASSERT_TRUE(p);
  EXPECT_NEAR(p->x, 105, 1e-9);
  EXPECT_NEAR(p->y, 50, 1e-9);
  // 1/70 mm per pixel: ticks 7 pixels apart stay 7-pixel steps.
  const Ansicht b = linealansicht(1.0 / 70);
  ASSERT_NEAR(linealschritte(b, false).kleinPixel, 7, 1e-9);
  const auto q = linealfang(b, false, 111, 45);
  ASSERT_TRUE(q);
  EXPECT_NEAR(q->x, 114, 1e-9);
  EXPECT_NEAR(q->y, 50 - 7, 1e-9);
}

TEST(Rasterknoten, UngedrehtUmDenRasterursprung) {
  Ansicht a;
  a.zoom = 0.5;
  a.viewOriginX = 1000;
  a.viewOriginY = 2000;
  a.gridSpacingX = 10;                               // 20 pixels
  a.gridSpacingY = 5;                                // 10 pixels
  a.gridOrigin = {1000 + 13 * 0.5, 2000 + 7 * 0.5};  // pixel (13, 7)
  const auto p = rasterknoten(a, 40, 20);
  ASSERT_TRUE(p);
  EXPECT_NEAR(p->x, 33, 1e-9);
  EXPECT_NEAR(p->y, 17, 1e-9);
  a.gridSpacingX = 0;
  EXPECT_FALSE(rasterknoten(a, 40, 20));
}

TEST(Rasterknoten, GedrehtTrifftDieGezeichnetenPunkte) {
  Ansicht a;
  a.zoom = 0.5;
  a.viewOriginX = 1000;
  a.viewOriginY = 2000;
  a.areaWidth = 400;
  a.areaHeight = 300;
  a.gridSpacingX = 10;
  a.gridSpacingY = 15;
  a.gridOrigin = {1000 + 150 * 0.5, 2000 + 120 * 0.5};
  a.gridAngle = 120;  // drawn as 30 degrees
  // Each drawn dot is (to its pixel rounding) a node: snapping next to it
  // lands on it.
  const std::vector<Rasterpixel> punkte = rasterpunkte(a);
  ASSERT_FALSE(punkte.empty());
  for (const Rasterpixel& r : punkte) {
    const auto p = rasterknoten(a, r.x + 0.3, r.y - 0.2);
    ASSERT_TRUE(p);
    EXPECT_NEAR(p->x, r.x, 0.5);
    EXPECT_NEAR(p->y, r.y, 0.5);
  }
}

TEST(Winkelraster, RundetRichtungUndBehaeltDenAbstand) {
  // From (0, 0) to (10, -1): 5.7 degrees, with 15-degree steps -> 0.
  const Pixelpunkt p = winkelrunden({0, 0}, {10, -1}, 15, 0);
  EXPECT_NEAR(p.x, std::hypot(10, 1), 1e-9);
  EXPECT_NEAR(p.y, 0, 1e-9);
  // 40 degrees upward-right rounds to 45.
  const double r = 20, w = 40 * M_PI / 180;
  const Pixelpunkt q = winkelrunden({100, 100}, {100 + r * std::cos(w), 100 - r * std::sin(w)}, 15, 0);
  EXPECT_NEAR(q.x, 100 + r * std::cos(M_PI / 4), 1e-9);
  EXPECT_NEAR(q.y, 100 - r * std::sin(M_PI / 4), 1e-9);
  // Just below the x axis (355 degrees) rounds up to the full turn.
  const Pixelpunkt s = winkelrunden({0, 0}, {10 * std::cos(5 * M_PI / 180), 10 * std::sin(5 * M_PI / 180)}, 15, 0);
  EXPECT_NEAR(s.x, 10, 1e-9);
  EXPECT_NEAR(s.y, 0, 1e-9);
}

TEST(Winkelraster, ImGedrehtenKoordinatensystem) {
  // With the user's system turned by 10 degrees, 12 degrees is 2 in it ->
  // rounds to 0 there, 10 on the screen.
  const double w = 12 * M_PI / 180;
  const Pixelpunkt p = winkelrunden({0, 0}, {10 * std::cos(w), -10 * std::sin(w)}, 15, 10);
  EXPECT_NEAR(std::atan2(-p.y, p.x) * 180 / M_PI, 10, 1e-9);
  // A step of 0 or a point on the centre changes nothing.
  const Pixelpunkt q = winkelrunden({0, 0}, {3, 4}, 0, 0);
  EXPECT_EQ(q.x, 3);
  const Pixelpunkt z = winkelrunden({3, 4}, {3, 4}, 15, 0);
  EXPECT_EQ(z.x, 3);
}

TEST(Werkzeugregeln, WelcheWerkzeugeWieGefangenWerden) {
  for (std::uint16_t w : {101, 102, 103, 104, 105, 107, 140}) EXPECT_TRUE(ohneFangen(w)) << w;
  for (std::uint16_t w : {0, 1, 100, 106, 108, 139, 141, 200}) EXPECT_FALSE(ohneFangen(w)) << w;
  for (std::uint16_t w : {100, 103, 105, 107}) EXPECT_TRUE(ohneLineal(w)) << w;
  for (std::uint16_t w : {1, 106, 108}) EXPECT_FALSE(ohneLineal(w)) << w;
  for (std::uint16_t w : {100, 107, 119, 200, 209, 300, 301, 399}) EXPECT_FALSE(mitWinkelraster(w, 2)) << w;
  EXPECT_TRUE(mitWinkelraster(317, 2));
  EXPECT_FALSE(mitWinkelraster(317, 3));
  EXPECT_TRUE(mitWinkelraster(1, 2));
  EXPECT_TRUE(mitWinkelraster(400, 2));
  EXPECT_TRUE(winkelUmBogenmitte(5, 3));
  EXPECT_TRUE(winkelUmBogenmitte(21, 4));
  EXPECT_FALSE(winkelUmBogenmitte(5, 2));
  EXPECT_FALSE(winkelUmBogenmitte(11, 3));
}

}  // namespace
}  // namespace quarzel
