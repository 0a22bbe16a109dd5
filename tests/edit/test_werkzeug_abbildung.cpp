// Moving, turning and mirroring the geometry of every element kind; and the
// crossings and nearest points along arcs, circles and ellipses.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/ellipsenbogen.h"
#include "store/elementabbildung.h"
#include "support/bogenhilfen.h"
#include "support/speicherhilfen.h"

namespace quarzel::test {
namespace {

using test::erwartePunkt;
using test::figur;

void erwartePunkt(Weltpunkt p, Weltpunkt q, double tol = 1e-9) {
  erwartePunkt(p, q.x, q.y, tol);
}

class Abbildungstest : public ::testing::Test {
 protected:
  void SetUp() override {
    initialisiere(s);
    s.beginneSchritt();
  }
  // 30 x 10 about (100, 200) from 20 to 140 degrees, turned by 25.
  std::int32_t bogen() {
    const std::int32_t n = s.neuerBogen(bogendaten(100, 200, 30, 10, 20, 140, 25));
    s.vervollstaendige(n);
    return n;
  }
  Elementspeicher s;
};

TEST_F(Abbildungstest, TurnedRotatedEllipseArcKeepsEveryPointOnTheTurnedFigure) {
  const std::int32_t n = bogen();
  const Ellipsenbogen vorher = *ellipsenbogen(s.bogen(n));
  const Abbildung a = Abbildung::drehung({50, 60}, 30);
  bildeAb(s, n, a);
  const Ellipsenbogen nachher = *ellipsenbogen(s.bogen(n));
  for (double t : {20.0, 60.0, 100.0, 140.0}) erwartePunkt(a(vorher.punkt(t)), nachher.punkt(t), 1e-4);
  EXPECT_FLOAT_EQ(s.bogen(n).drehwinkel, 55);
}

TEST_F(Abbildungstest, MirroredArcRunsTheOtherWayRound) {
  const std::int32_t n = bogen();
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

// The points of every kind turn in the run over all kinds; the text angle of
// a dimension is not among them.
TEST_F(Abbildungstest, DimensionTextTurnsWithItsPoints) {
  tmessdaten m;
  m.geometrie = {0, 0, 10, 0, 0, 5, 10, 5};
  const std::int32_t bm = s.neueBemassung(m);
  bildeAb(s, bm, Abbildung::drehung({0, 0}, 90));
  erwartePunkt({s.bemassung(bm).geometrie[2], s.bemassung(bm).geometrie[3]}, {0, -10});
  EXPECT_NEAR(s.bemassung(bm).textwinkel, 90, 1e-9);
}

TEST_F(Abbildungstest, TextsTurnWithTheMapAndStayReadableWhenMirrored) {
  const std::int32_t n =
      s.neuerText(Elementart::Text, {.x = 10, .y = 0, .zeilen = {"Wand"}, .formate = {}, .winkel = 10});
  bildeAb(s, n, Abbildung::drehung({0, 0}, 90));
  erwartePunkt({s.text(n).x, s.text(n).y}, {0, -10});
  EXPECT_NEAR(s.text(n).winkel, 100, 1e-4);
  // Mirrored across the y axis the baseline points the other way.
  bildeAb(s, n, Abbildung::spiegelung({0, 0}, {0, 1}));
  EXPECT_NEAR(s.text(n).winkel, 80, 1e-4);
  EXPECT_EQ(s.text(n).zeilen[0], "Wand");
}

TEST(NaechsterBogenpunkt, KreisBogenUndEllipse) {
  const Ellipsenbogen k = figur(0, 0, 10, 10);
  erwartePunkt(naechsterBogenpunkt(k, {20, 0}), 10, 0);
  erwartePunkt(naechsterBogenpunkt(k, {3, 4}), 6, 8);
  // A quarter arc 0..90: from below the centre the nearest point is the start.
  const Ellipsenbogen viertel = figur(0, 0, 10, 10, 0, 90);
  erwartePunkt(naechsterBogenpunkt(viertel, {-1, 20}), 10, 0);
  erwartePunkt(naechsterBogenpunkt(viertel, {-20, 1}), 0, -10);
  // Ellipse 20 x 5: from (0, -30) the nearest point is the top (0, -5).
  const Ellipsenbogen e = figur(0, 0, 20, 5);
  erwartePunkt(naechsterBogenpunkt(e, {0, -30}), 0, -5, 1e-6);
  // The point found is no farther than any sampled point of the ellipse.
  const Weltpunkt p{13, 9};
  const Weltpunkt n = naechsterBogenpunkt(e, p);
  const double d = std::hypot(n.x - p.x, n.y - p.y);
  for (int t = 0; t < 3600; ++t) {
    const Weltpunkt q = e.punkt(t / 10.0);
    EXPECT_LE(d, std::hypot(q.x - p.x, q.y - p.y) + 1e-9);
  }
}

// Exactly one point, at (x, y).
void einPunkt(const Punktliste& p, double x, double y, double tol = 1e-9) {
  ASSERT_EQ(p.size(), 1u);
  erwartePunkt(p.p[0], x, y, tol);
}

TEST(StreckeBogenSchnitt, SekanteTangenteVorbeiUndAusgelassenerTeil) {
  const Ellipsenbogen k = figur(0, 0, 10, 10);
  const Punktliste zwei = streckeBogenSchnitt({-20, 0}, {20, 0}, k);
  ASSERT_EQ(zwei.size(), 2u);
  erwartePunkt(zwei.p[0], -10, 0);
  erwartePunkt(zwei.p[1], 10, 0);
  einPunkt(streckeBogenSchnitt({-20, 10}, {20, 10}, k), 0, 10);
  EXPECT_EQ(streckeBogenSchnitt({-20, 10.001}, {20, 10.001}, k).size(), 0u);
  // The segment ends before reaching the circle.
  EXPECT_EQ(streckeBogenSchnitt({-20, 0}, {-10.5, 0}, k).size(), 0u);
  // Upper half (0..180): the horizontal through y = -5 crosses it twice,
  // the one through y = 5 not at all.
  const Ellipsenbogen oben = figur(0, 0, 10, 10, 0, 180);
  EXPECT_EQ(streckeBogenSchnitt({-20, -5}, {20, -5}, oben).size(), 2u);
  EXPECT_EQ(streckeBogenSchnitt({-20, 5}, {20, 5}, oben).size(), 0u);
}

TEST(BogenBogenSchnitt, ZweiKreiseSchneidenSichBeruehrenSichOderVerfehlenSich) {
  const Punktliste p = bogenBogenSchnitt(figur(0, 0, 5, 5), figur(8, 0, 5, 5));
  ASSERT_EQ(p.size(), 2u);
  for (const Weltpunkt& q : p) {
    EXPECT_NEAR(q.x, 4, 1e-12);
    EXPECT_NEAR(std::fabs(q.y), 3, 1e-12);
  }
  einPunkt(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(15, 0, 5, 5)), 10, 0);
  einPunkt(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(5, 0, 5, 5)), 10, 0);
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(15.001, 0, 5, 5)).size(), 0u);
  // Touching an ellipse: one point, not a second one a hair's breadth away.
  einPunkt(bogenBogenSchnitt(figur(0, 0, 20, 10), figur(0, 20, 10, 10)), 0, 10, 1e-6);
  // Concentric and equal figures have no points.
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(0, 0, 5, 5)).size(), 0u);
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(0, 0, 10, 10, 0, 90)).size(), 0u);
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 20, 5), figur(0, 0, 20, 5, 0, 360, 180)).size(), 0u);
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 20, 5), figur(0, 0, 5, 20, 0, 360, 90)).size(), 0u);
  // A circle of radius 0 on the other one is a point, not a crossing.
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(10, 0, 0, 0)).size(), 0u);
  EXPECT_EQ(bogenBogenSchnitt(figur(10, 0, 0, 0), figur(0, 0, 10, 10)).size(), 0u);
}

}  // namespace
}  // namespace quarzel::test
