// Moving, turning and mirroring the geometry of every element kind.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/ellipsenbogen.h"
#include "store/elementabbildung.h"
#include "support/speicherhilfen.h"

namespace quarzel::test {
namespace {

void erwartePunkt(Weltpunkt p, Weltpunkt q, double tol = 1e-9) {
  EXPECT_NEAR(p.x, q.x, tol);
  EXPECT_NEAR(p.y, q.y, tol);
}

class Abbildungstest : public ::testing::Test {
 protected:
  void SetUp() override {
    initialisiere(s);
    s.beginneSchritt();
  }
  std::int32_t bogen(double xr, double yr, float start, float ende, float dreh) {
    tbogendaten d;
    d.xm = 100;
    d.ym = 200;
    d.xr = xr;
    d.yr = yr;
    d.startwinkel = start;
    d.endwinkel = ende;
    d.drehwinkel = dreh;
    const std::int32_t n = s.neuerBogen(d);
    s.vervollstaendige(n);
    return n;
  }
  Elementspeicher s;
};

TEST(Abbildung, TurnsCounterClockwiseOnTheScreen) {
  // y grows downward: a quarter turn counter-clockwise brings +x to -y.
  erwartePunkt(Abbildung::drehung({0, 0}, 90)({1, 0}), {0, -1});
  erwartePunkt(Abbildung::drehung({10, 10}, 180)({11, 10}), {9, 10});
  EXPECT_NEAR(Abbildung::drehung({0, 0}, 30).winkel(), 30, 1e-12);
}

TEST(Abbildung, MirrorsAcrossTheLineThroughTwoPoints) {
  const Abbildung a = Abbildung::spiegelung({0, 0}, {1, 1});
  erwartePunkt(a({2, 0}), {0, 2});
  EXPECT_TRUE(a.gespiegelt());
  erwartePunkt(Abbildung::spiegelung({5, 0}, {5, 10})({7, 3}), {3, 3});
  EXPECT_TRUE(Abbildung::spiegelung({1, 1}, {1, 1}).nurVerschiebung());
}

TEST(Abbildung, ComposesInOrder) {
  const Abbildung d = Abbildung::drehung({3, 4}, 90);
  erwartePunkt(d.nach(d)({5, 4}), Abbildung::drehung({3, 4}, 180)({5, 4}));
  const Abbildung v = Abbildung::verschiebung(1, 0);
  erwartePunkt(d.nach(v)({4, 4}), d({5, 4}));
}

TEST_F(Abbildungstest, MovingKeepsCoordinatesExactlyAsAdded) {
  const std::int32_t n = linie(s, 0.1, 0.2, 0.3, 0.7, false);
  bildeAb(s, n, Abbildung::verschiebung(0.2, 0.1));
  EXPECT_EQ(s.linie(n).x1, 0.1 + 0.2);
  EXPECT_EQ(s.linie(n).y2, 0.7 + 0.1);
}

TEST_F(Abbildungstest, TurnedRotatedEllipseArcKeepsEveryPointOnTheTurnedFigure) {
  const std::int32_t n = bogen(30, 10, 20, 140, 25);
  const Ellipsenbogen vorher = *ellipsenbogen(s.bogen(n));
  const Abbildung a = Abbildung::drehung({50, 60}, 30);
  bildeAb(s, n, a);
  const Ellipsenbogen nachher = *ellipsenbogen(s.bogen(n));
  for (double t : {20.0, 60.0, 100.0, 140.0}) erwartePunkt(a(vorher.punkt(t)), nachher.punkt(t), 1e-4);
  EXPECT_FLOAT_EQ(s.bogen(n).drehwinkel, 55);
}

TEST_F(Abbildungstest, MirroredArcRunsTheOtherWayRound) {
  const std::int32_t n = bogen(30, 10, 20, 140, 25);
  const Ellipsenbogen vorher = *ellipsenbogen(s.bogen(n));
  const Abbildung a = Abbildung::spiegelung({0, 0}, {1, 2});
  bildeAb(s, n, a);
  const Ellipsenbogen nachher = *ellipsenbogen(s.bogen(n));
  EXPECT_NEAR(nachher.spanne, 120, 1e-4);
  // The mirrored start is the new end and the other way round.
  erwartePunkt(a(vorher.anfang()), nachher.ende(), 1e-4);
  erwartePunkt(a(vorher.ende()), nachher.anfang(), 1e-4);
  for (double t : {40.0, 80.0, 120.0}) {
    const Weltpunkt p = a(vorher.punkt(t));
    erwartePunkt(naechsterBogenpunkt(nachher, p), p, 1e-3);
  }
}

TEST_F(Abbildungstest, MirroredFullCircleStaysFull) {
  const std::int32_t n = bogen(10, 10, 0, 360, 0);
  bildeAb(s, n, Abbildung::spiegelung({0, 0}, {0, 1}));
  EXPECT_TRUE(ellipsenbogen(s.bogen(n))->voll);
  EXPECT_DOUBLE_EQ(s.bogen(n).xm, -100);
}

TEST_F(Abbildungstest, PolygonsBeziersAndDimensionsMoveEveryPoint) {
  const std::int32_t p = polygon(s, {{0, 0}, {10, 0}, {10, 10}});
  Tbezierdaten b;
  b.punkte = {0, 0, 1, 2, 3, 4, 5, 6};
  const std::int32_t bz = s.neueBezierkurve(b);
  tmessdaten m;
  m.geometrie = {0, 0, 10, 0, 0, 5, 10, 5};
  m.textwinkel = 0;
  const std::int32_t bm = s.neueBemassung(m);
  const Abbildung a = Abbildung::drehung({0, 0}, 90);
  for (std::int32_t n : {p, bz, bm}) bildeAb(s, n, a);
  erwartePunkt({s.polygon(p).x[1], s.polygon(p).y[1]}, {0, -10});
  erwartePunkt({s.bezier(bz).punkte[6], s.bezier(bz).punkte[7]}, a({5, 6}));
  erwartePunkt({s.bemassung(bm).geometrie[2], s.bemassung(bm).geometrie[3]}, {0, -10});
  EXPECT_NEAR(s.bemassung(bm).textwinkel, 90, 1e-9);
}

TEST_F(Abbildungstest, TextsTurnWithTheMapAndStayReadableWhenMirrored) {
  Tfliestextdaten t;
  t.x = 10;
  t.y = 0;
  t.zeilen = {"Wand"};
  t.winkel = 10;
  const std::int32_t n = s.neuerText(Elementart::Text, t);
  bildeAb(s, n, Abbildung::drehung({0, 0}, 90));
  erwartePunkt({s.text(n).x, s.text(n).y}, {0, -10});
  EXPECT_NEAR(s.text(n).winkel, 100, 1e-4);
  // Mirrored across the y axis the baseline points the other way.
  bildeAb(s, n, Abbildung::spiegelung({0, 0}, {0, 1}));
  EXPECT_NEAR(s.text(n).winkel, 80, 1e-4);
  EXPECT_EQ(s.text(n).zeilen[0], "Wand");
}

TEST_F(Abbildungstest, BitmapsKeepTheirSizeAndTurnAboutTheirCentre) {
  Tbitmapdaten b;
  b.platzierung = {0, 0, 20, 10, 0, 0};
  const std::int32_t n = s.neueBitmap(Elementart::Bitmap, b);
  bildeAb(s, n, Abbildung::drehung({0, 0}, 90));
  const auto& q = s.bitmap(n).platzierung;
  EXPECT_NEAR(q[2] - q[0], 20, 1e-9);
  EXPECT_NEAR(q[3] - q[1], 10, 1e-9);
  erwartePunkt({(q[0] + q[2]) / 2, (q[1] + q[3]) / 2}, {5, -10});
  EXPECT_NEAR(q[4], 90, 1e-9);
}

TEST_F(Abbildungstest, GroupFramesStayAroundTheMovedCorners) {
  tgruppendaten g;
  g.rahmen = {0, 0, 20, 10};
  const std::int32_t n = s.neueGruppenklammer(Elementart::Gruppenanfang, g);
  bildeAb(s, n, Abbildung::drehung({0, 0}, 90));
  const auto& r = s.gruppe(n).rahmen;
  EXPECT_NEAR(r[0], 0, 1e-9);
  EXPECT_NEAR(r[1], -20, 1e-9);
  EXPECT_NEAR(r[2], 10, 1e-9);
  EXPECT_NEAR(r[3], 0, 1e-9);
}

TEST_F(Abbildungstest, AMapWithNonNumbersChangesNothing) {
  const std::int32_t n = linie(s, 1, 2, 3, 4, false);
  bildeAb(s, n, Abbildung::verschiebung(NAN, 0));
  bildeAb(s, n, Abbildung::drehung({0, 0}, INFINITY));
  EXPECT_EQ(s.linie(n).x1, 1);
  EXPECT_EQ(s.linie(n).y2, 4);
}

}  // namespace
}  // namespace quarzel::test
