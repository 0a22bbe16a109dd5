// Arcs, circles and ellipses as geometry: angle conventions, the nearest
// point, and crossings with segments and each other, including touching
// points and the parts of a figure an arc leaves out.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/ellipsenbogen.h"

namespace quarzel {
namespace {

Ellipsenbogen figur(double xm, double ym, double xr, double yr, float start = 0, float ende = 360, float dreh = 0) {
  tbogendaten d;
  d.xm = xm;
  d.ym = ym;
  d.xr = xr;
  d.yr = yr;
  d.startwinkel = start;
  d.endwinkel = ende;
  d.drehwinkel = dreh;
  return *ellipsenbogen(d);
}

void erwartePunkt(Weltpunkt p, double x, double y, double toleranz = 1e-9) {
  EXPECT_NEAR(p.x, x, toleranz);
  EXPECT_NEAR(p.y, y, toleranz);
}

TEST(EllipsenbogenWinkel, NeunzigGradLiegtUeberDerMitteUndDrehungIstGegenDenUhrzeiger) {
  const Ellipsenbogen k = figur(100, 100, 10, 5);
  erwartePunkt(k.punkt(0), 110, 100);
  erwartePunkt(k.punkt(90), 100, 95);  // above: world y grows downward
  const Ellipsenbogen g = figur(100, 100, 10, 5, 0, 360, 90);
  erwartePunkt(g.punkt(0), 100, 90, 1e-12);
}

TEST(EllipsenbogenWinkel, VollkreisUndBogenspanne) {
  EXPECT_TRUE(figur(0, 0, 1, 1, 0, 360).voll);
  EXPECT_FALSE(figur(0, 0, 1, 1, 60, 390).voll);
  EXPECT_DOUBLE_EQ(figur(0, 0, 1, 1, 60, 390).spanne, 330);
  // An end below the start has 360 added.
  const Ellipsenbogen b = figur(0, 0, 1, 1, 300, 30);
  EXPECT_DOUBLE_EQ(b.spanne, 90);
  EXPECT_TRUE(b.enthaelt(0));
  EXPECT_TRUE(b.enthaelt(-45));
  EXPECT_FALSE(b.enthaelt(180));
  tbogendaten kaputt;
  kaputt.xr = NAN;
  EXPECT_FALSE(ellipsenbogen(kaputt));
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

TEST(StreckeBogenSchnitt, SekanteTangenteUndVorbei) {
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
}

TEST(StreckeBogenSchnitt, BogenLaesstPunkteAus) {
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

TEST(BogenBogenSchnitt, ZweiKreise) {
  const Punktliste p = bogenBogenSchnitt(figur(0, 0, 5, 5), figur(8, 0, 5, 5));
  ASSERT_EQ(p.size(), 2u);
  for (const Weltpunkt& q : p) {
    EXPECT_NEAR(q.x, 4, 1e-12);
    EXPECT_NEAR(std::fabs(q.y), 3, 1e-12);
  }
}

TEST(BogenBogenSchnitt, BeruehrendeKreiseGebenEinenPunkt) {
  const Punktliste aussen = bogenBogenSchnitt(figur(0, 0, 10, 10), figur(15, 0, 5, 5));
  ASSERT_EQ(aussen.size(), 1u);
  erwartePunkt(aussen.p[0], 10, 0);
  const Punktliste innen = bogenBogenSchnitt(figur(0, 0, 10, 10), figur(5, 0, 5, 5));
  ASSERT_EQ(innen.size(), 1u);
  erwartePunkt(innen.p[0], 10, 0);
  EXPECT_EQ(bogenBogenSchnitt(figur(0, 0, 10, 10), figur(15.001, 0, 5, 5)).size(), 0u);
}

TEST(BogenBogenSchnitt, KonzentrischeUndGleicheFigurenHabenKeinePunkte) {
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
