// Arcs, circles and ellipses, splines and Bézier curves as polylines: the
// arc conventions (counter-clockwise on screen), the centre mark, the spline
// running through its points, and bounded point counts at any zoom.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "render/kurvenpunkte.h"
#include "test_zeichnen_hilfe.h"

namespace quarzel::test {
namespace {

using ZeichnenKurven = Zeichnen;

tbogendaten kreis(double xm, double ym, double r, float start = 0, float ende = 360, float dreh = 0) {
  tbogendaten d;
  d.xm = xm;
  d.ym = ym;
  d.xr = d.yr = r;
  d.startwinkel = start;
  d.endwinkel = ende;
  d.drehwinkel = dreh;
  return d;
}

TEST_F(ZeichnenKurven, QuarterArcRunsCounterClockwiseOnScreen) {
  bogen(kreis(200, 200, 100, 0, 90));
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
  zeichne();
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  const auto& p = canvas.polylinien[0].punkte;
  EXPECT_NEAR(p.front().x, 300, 1e-9);
  EXPECT_NEAR(p.front().y, 200, 1e-9);
  EXPECT_NEAR(p.back().x, 200, 1e-9);
  EXPECT_NEAR(p.back().y, 100, 1e-9);  // above the centre
  for (const Pixelpunkt& q : p) EXPECT_LE(q.y, 200 + 1e-9);
}

TEST_F(ZeichnenKurven, EndBelowStartWrapsAround) {
  bogen(kreis(200, 200, 100, 270, 90));  // 270 → 450: the right half
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
  zeichne();
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  for (const Pixelpunkt& q : canvas.polylinien[0].punkte) EXPECT_GE(q.x, 200 - 1e-9);
}

TEST_F(ZeichnenKurven, RotationTurnsTheEllipseCounterClockwise) {
  tbogendaten d = kreis(200, 200, 0, 0, 360, 90);
  d.xr = 100;
  d.yr = 20;
  bogen(d);
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
  zeichne();
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  const auto& p = canvas.polylinien[0].punkte;
  EXPECT_NEAR(p.front().x, 200, 1e-9);
  EXPECT_NEAR(p.front().y, 100, 1e-9);  // the long axis now points up
  EXPECT_EQ(p.front().x, p.back().x);   // closed exactly
  EXPECT_EQ(p.front().y, p.back().y);
}

TEST_F(ZeichnenKurven, CentreMarkFollowsTheChoice) {
  bogen(kreis(200, 200, 100));
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Plus;
  zeichne();
  ASSERT_EQ(canvas.mehrfachlinien.size(), 1u);
  const auto& plus = canvas.mehrfachlinien[0].zuege;
  ASSERT_EQ(plus.size(), 2u);
  EXPECT_EQ(plus[0][0].y, 200);  // horizontal stroke through the centre
  EXPECT_EQ(plus[1][0].x, 200);

  canvas.leeren();
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Kreuz;
  zeichne();
  ASSERT_EQ(canvas.mehrfachlinien.size(), 1u);
  EXPECT_NE(canvas.mehrfachlinien[0].zuege[0][0].y, 200);

  canvas.leeren();
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Punkt;
  zeichne();
  EXPECT_EQ(canvas.polygone.size(), 1u);

  canvas.leeren();
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
  zeichne();
  EXPECT_TRUE(canvas.mehrfachlinien.empty());
  EXPECT_TRUE(canvas.polygone.empty());
}

TEST_F(ZeichnenKurven, ArcsOutsideTheViewOrWithBadValuesDrawNothing) {
  bogen(kreis(5000, 5000, 100));
  bogen(kreis(200, 200, std::numeric_limits<double>::quiet_NaN()));
  tbogendaten d = kreis(200, 200, 50);
  d.endwinkel = std::numeric_limits<float>::infinity();
  bogen(d);
  zeichne();
  EXPECT_TRUE(canvas.protokoll.empty() ||
              std::find(canvas.protokoll.begin(), canvas.protokoll.end(), "polylinie") == canvas.protokoll.end());
}

TEST_F(ZeichnenKurven, HugeZoomKeepsArcsBounded) {
  lauf.computePenPixelWidths(1e-9);
  Ellipsenbogen b;
  b.xr = b.yr = 1000;
  std::vector<Pixelpunkt> p;
  bogenpunkte(b, lauf, p);
  EXPECT_LE(p.size(), 4097u);
  lauf.computePenPixelWidths(1e9);
  bogenpunkte(b, lauf, p);
  EXPECT_GE(p.size(), 9u);
}

TEST(Splinepunkte, RunsThroughEveryPoint) {
  const std::vector<Pixelpunkt> s{{0, 0}, {100, 50}, {130, 200}, {300, 210}, {320, 20}};
  std::vector<Pixelpunkt> aus;
  splinepunkte(s, false, aus);
  for (const Pixelpunkt& q : s) {
    const bool gefunden = std::any_of(aus.begin(), aus.end(), [&](Pixelpunkt a) { return a.x == q.x && a.y == q.y; });
    EXPECT_TRUE(gefunden) << q.x << "," << q.y;
  }
  EXPECT_EQ(aus.front().x, 0);
  EXPECT_EQ(aus.back().x, 320);
}

TEST(Splinepunkte, ClosedSplineReturnsToItsStart) {
  const std::vector<Pixelpunkt> s{{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 0}};
  std::vector<Pixelpunkt> aus;
  splinepunkte(s, true, aus);
  ASSERT_GT(aus.size(), 8u);
  EXPECT_EQ(aus.front().x, aus.back().x);
  EXPECT_EQ(aus.front().y, aus.back().y);
  // Smooth through the corners: it bulges outside the square somewhere.
  const bool aussen = std::any_of(aus.begin(), aus.end(), [](Pixelpunkt a) { return a.x > 100 || a.y < 0; });
  EXPECT_TRUE(aussen);
}

TEST(Splinepunkte, CentripetalCurveStaysNearTightlySpacedPoints) {
  // Uniform Catmull-Rom overshoots far beyond (10, 0) here; the centripetal
  // parametrisation stays close to the polyline.
  const std::vector<Pixelpunkt> s{{0, 0}, {10, 0}, {10.5, 0.5}, {10, 100}};
  std::vector<Pixelpunkt> aus;
  splinepunkte(s, false, aus);
  for (const Pixelpunkt& q : aus) {
    EXPECT_LT(q.x, 14);
    EXPECT_GT(q.x, -1);
  }
}

TEST(Splinepunkte, DuplicatesAndNonFinitePointsAreSkipped) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<Pixelpunkt> s{{0, 0}, {0, 0}, {nan, 5}, {50, 50}, {50, 50}, {100, 0}};
  std::vector<Pixelpunkt> aus;
  splinepunkte(s, false, aus);
  ASSERT_FALSE(aus.empty());
  for (const Pixelpunkt& q : aus) {
    EXPECT_TRUE(std::isfinite(q.x));
    EXPECT_TRUE(std::isfinite(q.y));
  }
  std::vector<Pixelpunkt> einer{{3, 4}};
  splinepunkte(einer, false, aus);
  EXPECT_EQ(aus.size(), 1u);
}

TEST(Splinepunkte, ManyPointsStayWithinTheBudget) {
  std::vector<Pixelpunkt> s;
  for (int i = 0; i < 32768; ++i) s.push_back({i * 1000.0, (i % 2) * 1000.0});
  std::vector<Pixelpunkt> aus;
  splinepunkte(s, false, aus);
  EXPECT_LE(aus.size(), kHoechstePunktzahl + 1);
}

TEST_F(ZeichnenKurven, BezierRunsFromFirstToLastControlPoint) {
  Tbezierdaten d;
  d.punkte = {10, 10, 100, 300, 300, -100, 400, 200};
  const std::int32_t n = z.speicher.neueBezierkurve(d);
  fertig(n);
  zeichne();
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  const auto& p = canvas.polylinien[0].punkte;
  EXPECT_NEAR(p.front().x, 10, 1e-9);
  EXPECT_NEAR(p.front().y, 10, 1e-9);
  EXPECT_NEAR(p.back().x, 400, 1e-9);
  EXPECT_NEAR(p.back().y, 200, 1e-9);
  EXPECT_LE(p.size(), 1025u);
}

TEST_F(ZeichnenKurven, SplineElementIsDrawnAsOneStyledCurve) {
  polygon({{10, 10}, {100, 80}, {200, 10}, {300, 80}}, {}, Elementart::Spline);
  zeichne();
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  EXPECT_GT(canvas.polylinien[0].punkte.size(), 4u);
}

}  // namespace
}  // namespace quarzel::test
