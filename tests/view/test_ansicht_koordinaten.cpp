// User coordinates (zero point, scale in force, unit factor, turned system)
// and the quick rejection test of the renderer.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "view/ansicht.h"
#include "view/einheiten.h"

namespace quarzel {
namespace {

TEST(AnsichtBenutzerkoordinaten, TausendRechtsFuenfhundertHochBeiEinsZuFuenfzigInMeter) {
  Ansicht a;  // unit "m"
  const Benutzerpunkt p = a.worldToUser(a.zeroPoint.x + 1000, a.zeroPoint.y - 500, 50);
  EXPECT_EQ(std::tuple(p.x, p.y), std::tuple(50, 25));
  EXPECT_EQ(formatiereBenutzerwert(p.y, a.unitCode, a.displayDecimals, a.imperialDecimal), "25.00");
  const Weltpunkt w = a.userToWorld(50, 25, 50);
  EXPECT_EQ(std::tuple(w.x, w.y), std::tuple(a.zeroPoint.x + 1000, a.zeroPoint.y - 500));
  const Weltpunkt ohneMassstab = a.userToWorld(50, 25, 0);  // the zero point, not infinity
  EXPECT_EQ(std::tuple(ohneMassstab.x, ohneMassstab.y), std::tuple(a.zeroPoint.x, a.zeroPoint.y));
}

TEST(AnsichtBenutzerkoordinaten, GedrehtesSystemDrehtGegenDenUhrzeigersinnUndKehrtExaktUm) {
  Ansicht a;
  a.unitFactor = 1;
  a.coordAngle = 90;
  // 10 mm above the zero point lies on the positive X axis of the turned system.
  const Benutzerpunkt q = a.worldToUser(a.zeroPoint.x, a.zeroPoint.y - 10, 1);
  EXPECT_LT(std::hypot(q.x - 10, q.y), 1e-12);

  a.coordAngle = 33.5f;
  a.unitFactor = 0.1;
  for (const Weltpunkt& w : std::array<Weltpunkt, 3>{{{4900.25, 5111.5}, {0, 0}, {10000, 123.456}}}) {
    const Benutzerpunkt b = a.worldToUser(w.x, w.y, 75);
    const Weltpunkt z = a.userToWorld(b.x, b.y, 75);
    EXPECT_LT(std::hypot(z.x - w.x, z.y - w.y), 1e-9);
  }
}

TEST(Clip, NurWasGanzAufEinerSeiteLiegtWirdVerworfen) {
  const Cliprechteck r{0, 0, 100, 80};
  // The third touches the edge, the fourth passes the corner: left to the canvas.
  EXPECT_EQ(
      std::tuple(clip(r, -5, 10, -1, 70), clip(r, 10, 81, 90, 500), clip(r, -5, 10, 0, 10), clip(r, -10, 50, 50, -110)),
      std::tuple(false, false, true, true));
  // The larger radius reaches in.
  EXPECT_EQ(std::tuple(bogenclip(r, -20, 40, 10, 5), bogenclip(r, -20, 40, 5, 25)), std::tuple(false, true));
  EXPECT_FALSE(polygonclip(r, std::array<Pixelpunkt, 3>{{{120, 0}, {130, 50}, {101, 90}}}));
  EXPECT_TRUE(polygonclip(r, std::array<Pixelpunkt, 3>{{{120, 0}, {50, 50}, {101, 90}}}));
  EXPECT_FALSE(polygonclip(r, {}));
  EXPECT_EQ(std::tuple(cursorclip(r, 100, 80), cursorclip(r, 100.5, 40)), std::tuple(true, false));
}

}  // namespace
}  // namespace quarzel
