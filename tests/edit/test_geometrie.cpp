// Plane geometry: the perpendicular foot in its three cases, the nearest
// point of a segment, and segment crossings including ends, parallels and
// near-parallels.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/geometrie.h"

namespace quarzel {
namespace {

TEST(Lotfusspunkt, SenkrechteWaagerechteUndPunktfoermigeLinienOhneDivisionDurchNull) {
  struct Fall {
    Weltpunkt a, b, fuss;
  };
  // Below the tolerance a line still counts as vertical (x stays at A) or
  // horizontal (x of the point); equal ends give a finite point.
  for (const Fall f : {Fall{{3, 0}, {3, 10}, {3, 7}}, Fall{{3, 0}, {3 + 5e-8, 10}, {3, 7}},
                       Fall{{0, 2}, {10, 2 + 5e-8}, {5, 2}}, Fall{{3, 4}, {3, 4}, {3, 7}}}) {
    const Weltpunkt g = lotfusspunkt({5, 7}, f.a, f.b);
    EXPECT_EQ(g.x, f.fuss.x) << f.b.x << "," << f.b.y;
    EXPECT_EQ(g.y, f.fuss.y) << f.b.x << "," << f.b.y;
  }
}

TEST(Lotfusspunkt, SchraegeLinieUeberDieSteigung) {
  // Line y = x; the foot of (4, 0) is (2, 2).
  const Weltpunkt f = lotfusspunkt({4, 0}, {0, 0}, {10, 10});
  EXPECT_NEAR(f.x, 2, 1e-12);
  EXPECT_NEAR(f.y, 2, 1e-12);
  // Steep but not vertical: the foot stays on the line and PF is perpendicular.
  const Weltpunkt a{0, 0}, b{1e-5, 100}, p{50, 30};
  const Weltpunkt g = lotfusspunkt(p, a, b);
  EXPECT_NEAR((g.x - p.x) * (b.x - a.x) + (g.y - p.y) * (b.y - a.y), 0, 1e-6);
  EXPECT_NEAR(g.y, 30.000005, 1e-9);
}

TEST(NaechsterStreckenpunkt, AusserhalbDerStreckeDasNaehereEnde) {
  const Weltpunkt a{0, 0}, b{10, 0};
  EXPECT_EQ(naechsterStreckenpunkt({4, 3}, a, b).x, 4);
  EXPECT_EQ(naechsterStreckenpunkt({-4, 3}, a, b).x, 0);
  EXPECT_EQ(naechsterStreckenpunkt({14, -3}, a, b).x, 10);
  const Weltpunkt s = naechsterStreckenpunkt({7, 9}, {5, 5}, {5, 5});
  EXPECT_EQ(s.x, 5);
  EXPECT_EQ(s.y, 5);
}

TEST(Streckenschnitt, KreuzungUndBeruehrungAmEnde) {
  const auto s = streckenschnitt({0, 0}, {10, 10}, {0, 10}, {10, 0});
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->x, 5, 1e-12);
  EXPECT_NEAR(s->y, 5, 1e-12);
  // A T whose stem ends exactly on the bar.
  const auto t = streckenschnitt({0, 0}, {10, 0}, {4, 5}, {4, 0});
  ASSERT_TRUE(t);
  EXPECT_EQ(t->x, 4);
  EXPECT_EQ(t->y, 0);
  // The stem stops short of the bar.
  EXPECT_FALSE(streckenschnitt({0, 0}, {10, 0}, {4, 5}, {4, 0.001}));
}

TEST(Streckenschnitt, ParalleleUndDeckendeStreckenHabenKeinenPunktFastParalleleTreffenGenau) {
  EXPECT_FALSE(streckenschnitt({0, 0}, {10, 0}, {0, 1}, {10, 1}));
  EXPECT_FALSE(streckenschnitt({0, 0}, {10, 0}, {5, 0}, {15, 0}));
  EXPECT_FALSE(streckenschnitt({0, 0}, {0, 0}, {0, 0}, {10, 0}));
  // Two lines 1000 mm long crossing at an angle of 2e-6 radians at x = 500.
  const auto s = streckenschnitt({0, 0}, {1000, 0}, {0, -1e-3}, {1000, 1e-3});
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->x, 500, 1e-6);
  EXPECT_NEAR(s->y, 0, 1e-12);
}

}  // namespace
}  // namespace quarzel
