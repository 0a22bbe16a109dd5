// Arcs, circles and ellipses as the renderer and the snapping read them: the
// angle conventions of the record, closed figures and spans, and sampled
// arcs that end exactly where the figure says.
#include <gtest/gtest.h>

#include <cmath>

#include "render/bogengeometrie.h"
#include "support/bogenhilfen.h"
#include "render/kurvenpunkte.h"
#include "store/zeichnung.h"

namespace quarzel {
namespace {

using test::erwartePunkt;
using test::figur;

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

TEST(Bogenpunkte, ViertelbogenEndetGenauAufDenQuadrantenpunkten) {
  Zeichnung z;
  Laufparameter p;  // zoom 1, world origin at the top-left pixel
  Zeichenlauf lauf(z.stifte, z.linienstile, p);
  std::vector<Pixelpunkt> punkte;
  bogenpunkte(figur(100, 100, 50, 50, 90, 180), lauf, punkte);
  ASSERT_GE(punkte.size(), 9u);
  // No rounding of cos 90 or sin 180 leaves a gap to a line ending there.
  EXPECT_EQ(punkte.front().x, 100);
  EXPECT_EQ(punkte.front().y, 50);
  EXPECT_EQ(punkte.back().x, 50);
  EXPECT_EQ(punkte.back().y, 100);
}

TEST(Bogenpunkte, GeschlosseneFigurEndetAufIhremAnfang) {
  Zeichnung z;
  Laufparameter p;
  Zeichenlauf lauf(z.stifte, z.linienstile, p);
  std::vector<Pixelpunkt> punkte;
  bogenpunkte(figur(100, 100, 40, 20, 17, 377, 33), lauf, punkte);
  ASSERT_GE(punkte.size(), 9u);
  EXPECT_EQ(punkte.front().x, punkte.back().x);
  EXPECT_EQ(punkte.front().y, punkte.back().y);
}

}  // namespace
}  // namespace quarzel
