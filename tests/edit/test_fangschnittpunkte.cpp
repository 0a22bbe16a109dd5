// The five intersection kinds through the whole search, each with its own
// mode, and the capture window. Touching and near-parallel cases are pinned
// on the geometry itself.
#include <gtest/gtest.h>


#include "fanghilfen.h"

namespace quarzel {
namespace {

using test::fange;
using test::Fangzeichnung;
using test::nurModi;

class Schnittpunkttest : public ::testing::Test {
 protected:
  void erwarteSchnitt(const Fangergebnis& e, double x, double y, std::int32_t a, std::int32_t b,
                      double toleranz = 1e-9) {
    EXPECT_TRUE(e.gefangen);
    EXPECT_EQ(e.art, Fangart::Schnittpunkt);
    EXPECT_NEAR(e.x, x, toleranz);
    EXPECT_NEAR(e.y, y, toleranz);
    EXPECT_EQ(e.element, a);
    EXPECT_EQ(e.element2, b);
  }
  Fangzeichnung f;
};

TEST_F(Schnittpunkttest, LinieLinie) {
  const std::int32_t a = f.linie(0, 0, 200, 200);
  const std::int32_t b = f.linie(0, 200, 200, 0);
  erwarteSchnitt(fange(f.z, 102, 101, nurModi(FangSchnittLinieLinie)), 100, 100, a, b);
  // The other modes do not offer it.
  EXPECT_FALSE(fange(f.z, 102, 101, nurModi(FangSchnittpunkte & ~FangSchnittLinieLinie)).gefangen);
}

TEST_F(Schnittpunkttest, LinieKreis) {
  const std::int32_t k = f.kreis(100, 100, 50);
  const std::int32_t l = f.linie(0, 100, 300, 100);
  erwarteSchnitt(fange(f.z, 148, 102, nurModi(FangSchnittLinieKreis)), 150, 100, k, l);
  erwarteSchnitt(fange(f.z, 52, 98, nurModi(FangSchnittLinieKreis)), 50, 100, k, l);
  EXPECT_FALSE(fange(f.z, 148, 102, nurModi(FangSchnittLinieLinie | FangSchnittKreisKreis)).gefangen);
}

TEST_F(Schnittpunkttest, LinieGedrehteEllipseUndBogen) {
  // 60 x 20 turned by 90 degrees: the long axis is vertical.
  const std::int32_t e = f.bogen(100, 100, 60, 20, 0, 360, 90);
  const std::int32_t l = f.linie(100, 0, 100, 300);
  erwarteSchnitt(fange(f.z, 101, 42, nurModi(FangSchnittLinieKreis)), 100, 40, e, l);
  // An arc over the left half (90 .. 270) of a circle: the crossing on the right is not on it.
  Fangzeichnung g;
  const std::int32_t b = g.bogen(100, 100, 50, 50, 90, 270);
  const std::int32_t m = g.linie(0, 100, 300, 100);
  EXPECT_FALSE(fange(g.z, 149, 101, nurModi(FangSchnittLinieKreis)).gefangen);
  erwarteSchnitt(fange(g.z, 51, 101, nurModi(FangSchnittLinieKreis)), 50, 100, b, m);
}

TEST_F(Schnittpunkttest, KreisKreisAuchBeruehrend) {
  const std::int32_t a = f.kreis(100, 100, 50);
  const std::int32_t b = f.kreis(180, 100, 50);
  // Centres 80 apart, radius 50: crossings at (140, 100 -+ 30).
  erwarteSchnitt(fange(f.z, 141, 72, nurModi(FangSchnittKreisKreis)), 140, 70, a, b);
  erwarteSchnitt(fange(f.z, 139, 131, nurModi(FangSchnittKreisKreis)), 140, 130, a, b);
  EXPECT_FALSE(fange(f.z, 141, 72, nurModi(FangSchnittLinieKreis)).gefangen);
  const std::int32_t c = f.kreis(100, 175, 25);
  erwarteSchnitt(fange(f.z, 101, 151, nurModi(FangSchnittKreisKreis)), 100, 150, a, c);
}

TEST_F(Schnittpunkttest, PolygonkantePolygonkante) {
  const std::int32_t a = f.polygon({{0, 0}, {100, 0}, {100, 100}});
  const std::int32_t b = f.polygon({{60, -40}, {60, 40}, {200, 40}}, Elementart::Verlauf);
  erwarteSchnitt(fange(f.z, 62, 1, nurModi(FangSchnittPolygonPolygon)), 60, 0, a, b);
  erwarteSchnitt(fange(f.z, 99, 42, nurModi(FangSchnittPolygonPolygon)), 100, 40, a, b);
  EXPECT_FALSE(fange(f.z, 62, 1, nurModi(FangSchnittLiniePolygon)).gefangen);
}

TEST_F(Schnittpunkttest, NurSchnittpunkteImFangfenster) {
  // Both lines pass through the window; they cross at (120, 100), 10 pixels away.
  f.linie(0, 100, 200, 100);
  f.linie(100, 90, 130, 105);
  EXPECT_FALSE(fange(f.z, 110, 100, nurModi(FangSchnittLinieLinie)).gefangen);
  EXPECT_TRUE(fange(f.z, 110, 100, nurModi(FangSchnittLinieLinie, 10)).gefangen);
}

}  // namespace
}  // namespace quarzel
