// Crossings and nearest points along arcs, circles and ellipses: segments
// and other arcs, touching points, and the parts of a figure an arc leaves
// out.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/ellipsenbogen.h"
#include "support/bogenhilfen.h"

namespace quarzel {
namespace {

using test::erwartePunkt;
using test::figur;

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

TEST(StreckeBogenSchnitt, SekanteTangenteVorbeiUndAusgelassenerTeil) {
  const Ellipsenbogen k = figur(0, 0, 10, 10);
  const Punktliste zwei = streckeBogenSchnitt({-20, 0}, {20, 0}, k);
  ASSERT_EQ(zwei.size(), 2u);
  erwartePunkt(zwei.p[0], -10, 0);
  erwartePunkt(zwei.p[1], 10, 0);
  const Punktliste tangente = streckeBogenSchnitt({-20, 10}, {20, 10}, k);
  ASSERT_EQ(tangente.size(), 1u);
  erwartePunkt(tangente.p[0], 0, 10);
  EXPECT_EQ(streckeBogenSchnitt({-20, 10.001}, {20, 10.001}, k).size(), 0u);
  // The segment ends before reaching the circle.
  EXPECT_EQ(streckeBogenSchnitt({-20, 0}, {-10.5, 0}, k).size(), 0u);
  // Upper half (0..180): the horizontal through y = -5 crosses it twice,
  // the one through y = 5 not at all.
  const Ellipsenbogen oben = figur(0, 0, 10, 10, 0, 180);
  EXPECT_EQ(streckeBogenSchnitt({-20, -5}, {20, -5}, oben).size(), 2u);
  EXPECT_EQ(streckeBogenSchnitt({-20, 5}, {20, 5}, oben).size(), 0u);
}

TEST(StreckeBogenSchnitt, GedrehteEllipse) {
  // 20 x 5 turned by 90 degrees: its long axis is vertical.
  const Ellipsenbogen e = figur(0, 0, 20, 5, 0, 360, 90);
  const Punktliste p = streckeBogenSchnitt({0, -30}, {0, 30}, e);
  ASSERT_EQ(p.size(), 2u);
  erwartePunkt(p.p[0], 0, -20, 1e-9);
  erwartePunkt(p.p[1], 0, 20, 1e-9);
  const Punktliste q = streckeBogenSchnitt({-30, 0}, {30, 0}, e);
  ASSERT_EQ(q.size(), 2u);
  erwartePunkt(q.p[0], -5, 0, 1e-9);
  // Tangent to the flat side.
  const Punktliste t = streckeBogenSchnitt({5, -30}, {5, 30}, e);
  ASSERT_EQ(t.size(), 1u);
  erwartePunkt(t.p[0], 5, 0, 1e-6);
}

TEST(BogenBogenSchnitt, ZweiKreiseSchneidenSichBeruehrenSichOderVerfehlenSich) {
  const Punktliste p = bogenBogenSchnitt(figur(0, 0, 5, 5), figur(8, 0, 5, 5));
  ASSERT_EQ(p.size(), 2u);
  for (const Weltpunkt& q : p) {
    EXPECT_NEAR(q.x, 4, 1e-12);
    EXPECT_NEAR(std::fabs(q.y), 3, 1e-12);
  }
  const Punktliste aussen = bogenBogenSchnitt(figur(0, 0, 10, 10), figur(15, 0, 5, 5));
  ASSERT_EQ(aussen.size(), 1u);
  erwartePunkt(aussen.p[0], 10, 0);
  const Punktliste innen = bogenBogenSchnitt(figur(0, 0, 10, 10), figur(5, 0, 5, 5));
  ASSERT_EQ(innen.size(), 1u);
  erwartePunkt(innen.p[0], 10, 0);
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(15.001, 0, 5, 5)).size(), 0u);
  // Concentric and equal figures have no points.
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(0, 0, 5, 5)).size(), 0u);
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(0, 0, 10, 10, 0, 90)).size(), 0u);
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 20, 5), figur(0, 0, 20, 5, 0, 360, 180)).size(), 0u);
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 20, 5), figur(0, 0, 5, 20, 0, 360, 90)).size(), 0u);
}

TEST(BogenBogenSchnitt, EllipseUndKreisInVierPunkten) {
  // x^2/400 + y^2/25 = 1 and x^2 + y^2 = 100 meet where x^2 = 100 - y^2:
  // y^2 = 25 * 300 / 375 = 20, x^2 = 80.
  const Punktliste p = bogenBogenSchnitt(figur(0, 0, 20, 5), figur(0, 0, 10, 10));
  ASSERT_EQ(p.size(), 4u);
  for (const Weltpunkt& q : p) {
    EXPECT_NEAR(std::fabs(q.x), std::sqrt(80.0), 1e-7);
    EXPECT_NEAR(std::fabs(q.y), std::sqrt(20.0), 1e-7);
  }
  // Only the quarter arc 0..90 of the circle keeps one of them.
  const Punktliste v = bogenBogenSchnitt(figur(0, 0, 20, 5), figur(0, 0, 10, 10, 0, 90));
  ASSERT_EQ(v.size(), 1u);
  EXPECT_GT(v.p[0].x, 0);
  EXPECT_LT(v.p[0].y, 0);
}

TEST(BogenBogenSchnitt, MitFensterNurDiePunkteDarin) {
  const double x = std::sqrt(80.0), y = std::sqrt(20.0);
  // A small window around the crossing at (x, -y): only that one.
  const Weltrechteck klein{x - 1, -y - 1, x + 1, -y + 1};
  const Punktliste p = bogenBogenSchnitt(figur(0, 0, 20, 5), figur(0, 0, 10, 10), &klein);
  ASSERT_EQ(p.size(), 1u);
  erwartePunkt(p.p[0], x, -y, 1e-7);
  // A window holding the centre holds all four.
  const Weltrechteck gross{-10, -10, 10, 10};
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 20, 5), figur(0, 0, 10, 10), &gross).size(), 4u);
  // The same crossing found along a turned ellipse and with the arcs swapped.
  const Punktliste q = bogenBogenSchnitt(figur(0, 0, 10, 10), figur(0, 0, 5, 20, 0, 360, 90), &klein);
  ASSERT_EQ(q.size(), 1u);
  erwartePunkt(q.p[0], x, -y, 1e-7);
}

TEST(BogenBogenSchnitt, EllipseBeruehrtKreis) {
  // The ellipse 20 x 5 touches the circle of radius 5 at its top and bottom.
  const Punktliste p = bogenBogenSchnitt(figur(0, 0, 20, 5), figur(0, 0, 5, 5));
  ASSERT_EQ(p.size(), 2u);
  for (const Weltpunkt& q : p) {
    EXPECT_NEAR(q.x, 0, 1e-4);
    EXPECT_NEAR(std::fabs(q.y), 5, 1e-8);
  }
}

}  // namespace
}  // namespace quarzel
