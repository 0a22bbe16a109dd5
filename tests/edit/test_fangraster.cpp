// Roundings without elements: the ruler subdivision, grid nodes (also on a
// turned grid, where they must coincide with the drawn dots), the angle and
// length grids and which tools take part; the snap marker (shown and taken
// away in XOR); and snap settings outside the dialog's ranges.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/fangeinstellungen.h"
#include "edit/fangmarker.h"
#include "edit/fangraster.h"
#include "support/edit/fanghilfen.h"
#include "support/aufzeichnungscanvas.h"
#include "view/lineal.h"
#include "view/raster.h"
#include "support/werkzeugnummer.h"

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

TEST(Winkelraster, ImGedrehtenKoordinatensystem) {
  // With the user's system turned by 10 degrees, 12 degrees is 2 in it ->
  // rounds to 0 there, 10 on the screen.
  const double w = 12 * M_PI / 180;
  const Pixelpunkt p = winkelrunden({0, 0}, {10 * std::cos(w), -10 * std::sin(w)}, 15, 10);
  EXPECT_NEAR(std::atan2(-p.y, p.x) * 180 / M_PI, 10, 1e-9);
  // A step of 0 or a point on the centre changes nothing.
  EXPECT_EQ(winkelrunden({0, 0}, {3, 4}, 0, 0).x, 3);
  EXPECT_EQ(winkelrunden({3, 4}, {3, 4}, 15, 0).x, 3);
}

TEST(Werkzeugregeln, WelcheWerkzeugeWieGefangenWerden) {
  for (int n : {101, 102, 103, 104, 105, 107, 140}) EXPECT_TRUE(ohneFangen(wz(n))) << n;
  for (int n : {0, 1, 100, 106, 108, 139, 141, 200}) EXPECT_FALSE(ohneFangen(wz(n))) << n;
  for (int n : {100, 103, 105, 107}) EXPECT_TRUE(ohneLineal(wz(n))) << n;
  for (int n : {1, 106, 108}) EXPECT_FALSE(ohneLineal(wz(n))) << n;
  for (int n : {100, 107, 119, 200, 209, 300, 301, 319}) EXPECT_FALSE(mitWinkelraster(wz(n), 2)) << n;
  EXPECT_TRUE(mitWinkelraster(wz(317), 2));
  EXPECT_FALSE(mitWinkelraster(wz(317), 3));
  EXPECT_TRUE(mitWinkelraster(wz(1), 2));
  EXPECT_TRUE(mitWinkelraster(wz(400), 2));
  EXPECT_TRUE(winkelUmBogenmitte(wz(5), 3));
  EXPECT_TRUE(winkelUmBogenmitte(wz(21), 4));
  EXPECT_FALSE(winkelUmBogenmitte(wz(5), 2));
  EXPECT_FALSE(winkelUmBogenmitte(wz(11), 3));
}

Fangergebnis gefunden(Fangart art, double x, double y) {
  return {.x = x, .y = y, .gefangen = true, .art = art};
}

TEST(Fangmarker, ZeigtInXorUndNimmtDenVorigenWeg) {
  Aufzeichnungscanvas c;
  Fangmarker m(rgb(255, 0, 0));
  m.zeige(c, gefunden(Fangart::Endpunkt, 50, 60));
  ASSERT_EQ(c.polylinien.size(), 1u);
  const auto quadrat = c.polylinien[0];
  EXPECT_EQ(quadrat.zustand.modus, Stiftmodus::Xor);
  // Cyan XOR white paper gives red.
  EXPECT_EQ(quadrat.zustand.stift.farbe, rgb(0, 255, 255));
  EXPECT_EQ(quadrat.punkte.size(), 5u);

  // The same result again draws nothing: the marker is already there.
  m.zeige(c, gefunden(Fangart::Endpunkt, 50, 60));
  EXPECT_EQ(c.polylinien.size(), 1u);

  // Another point: the old square is drawn again (erased), then the new one.
  m.zeige(c, gefunden(Fangart::Schnittpunkt, 70, 60));
  ASSERT_EQ(c.polylinien.size(), 4u);
  EXPECT_EQ(c.polylinien[1].punkte[0].x, quadrat.punkte[0].x);
  EXPECT_EQ(c.polylinien[2].punkte[0].x, 65);

  // Nothing found: the marker goes away and stays away.
  m.zeige(c, Fangergebnis{});
  EXPECT_EQ(c.polylinien.size(), 6u);
  EXPECT_FALSE(m.sichtbar());
  m.verberge(c);
  EXPECT_EQ(c.polylinien.size(), 6u);
  // The canvas is back in copy mode for whatever is drawn next.
  c.polylinie(std::vector<Pixelpunkt>{{0, 0}, {1, 1}});
  EXPECT_EQ(c.polylinien.back().zustand.modus, Stiftmodus::Kopieren);
}

TEST(Laengenraster, RundetDenAbstandUndBehaeltDieRichtung) {
  // 3-4-5 triangle: 23 pixels along (0.6, 0.8) with 10-pixel steps -> 20.
  const Pixelpunkt p = laengenrunden({100, 100}, {100 + 0.6 * 23, 100 + 0.8 * 23}, 10);
  EXPECT_NEAR(p.x, 112, 1e-9);
  EXPECT_NEAR(p.y, 116, 1e-9);
  // A half step rounds up; below half a step nothing moves (no collapse onto z).
  EXPECT_NEAR(laengenrunden({0, 0}, {15, 0}, 10).x, 20, 1e-9);
  EXPECT_EQ(laengenrunden({0, 0}, {4, 0}, 10).x, 4);
  // Steps that are no positive number change nothing.
  EXPECT_EQ(laengenrunden({0, 0}, {13, 0}, 0).x, 13);
  EXPECT_EQ(laengenrunden({0, 0}, {13, 0}, std::nan("")).x, 13);
}

TEST(Fangeinstellungen, WerteAusserhalbDesDialogsWerdenBegrenzt) {
  einstellung::Zeichenhilfen z;
  z.fangradius = 120;
  z.schrittweite = -5;
  Fangeinstellungen f;
  uebernimmZeichenhilfen(z, f);
  EXPECT_EQ(f.fangradius, 20);
  EXPECT_EQ(f.winkelschritt, 15);
  f.fangradius = -3;
  EXPECT_EQ(f.radius(), 1);
}

}  // namespace
}  // namespace quarzel
