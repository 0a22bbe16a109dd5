// Cutting geometry to the protective rectangle must keep what is visible and
// drop what the paint engine cannot handle.
#include "ui/qt/pixelclip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quarzel {
namespace {

const Schutzrechteck kRechteck{0, 0, 100, 100};

double flaeche(const std::vector<Pixelpunkt>& p) {
  double a = 0;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Pixelpunkt& u = p[i];
    const Pixelpunkt& v = p[(i + 1) % p.size()];
    a += u.x * v.y - v.x * u.y;
  }
  return std::abs(a) / 2;
}

TEST(Pixelclip, InnenliegendeZuegeBleibenUnveraendert) {
  const std::vector<Pixelpunkt> zug{{10, 10}, {50, 60}, {90, 20}};
  EXPECT_TRUE(allesInnerhalb(zug, kRechteck));
  const auto stuecke = polylinieBeschneiden(zug, kRechteck);
  ASSERT_EQ(stuecke.size(), 1u);
  ASSERT_EQ(stuecke[0].size(), 3u);
  EXPECT_EQ(stuecke[0][1].x, 50);
  EXPECT_EQ(stuecke[0][1].y, 60);
}

TEST(Pixelclip, ZugDerHinausUndWiederHereinLaeuftZerfaelltInZweiStuecke) {
  const std::vector<Pixelpunkt> zug{{10, 50}, {50, 50}, {50, 500}, {60, 500}, {60, 50}, {90, 50}};
  const auto stuecke = polylinieBeschneiden(zug, kRechteck);
  ASSERT_EQ(stuecke.size(), 2u);
  EXPECT_EQ(stuecke[0].size(), 3u);  // (10,50) (50,50) (50,100)
  EXPECT_DOUBLE_EQ(stuecke[0].back().y, 100);
  EXPECT_DOUBLE_EQ(stuecke[1].front().x, 60);
  EXPECT_DOUBLE_EQ(stuecke[1].front().y, 100);
  EXPECT_DOUBLE_EQ(stuecke[1].back().x, 90);
}

TEST(Pixelclip, RiesigeStreckeWirdAufDasRechteckGekuerzt) {
  const std::vector<Pixelpunkt> zug{{-1e300, 40}, {1e300, 40}};
  EXPECT_FALSE(allesInnerhalb(zug, kRechteck));
  const auto stuecke = polylinieBeschneiden(zug, kRechteck);
  ASSERT_EQ(stuecke.size(), 1u);
  EXPECT_DOUBLE_EQ(stuecke[0][0].x, 0);
  EXPECT_DOUBLE_EQ(stuecke[0][1].x, 100);
  EXPECT_DOUBLE_EQ(stuecke[0][0].y, 40);
}

TEST(Pixelclip, NichtEndlichePunkteUnterbrechenDenZug) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const std::vector<Pixelpunkt> zug{{10, 10}, {20, 10}, {nan, 5}, {30, 10}, {40, 10}};
  EXPECT_FALSE(allesInnerhalb(zug, kRechteck));
  EXPECT_EQ(polylinieBeschneiden(zug, kRechteck).size(), 2u);
  EXPECT_TRUE(polygonBeschneiden(zug, kRechteck).empty());
}

TEST(Pixelclip, PolygonBehaeltSeinInneresImRechteck) {
  const std::vector<Pixelpunkt> gross{{-1e9, -1e9}, {1e9, -1e9}, {1e9, 1e9}, {-1e9, 1e9}};
  EXPECT_DOUBLE_EQ(flaeche(polygonBeschneiden(gross, kRechteck)), 10000);
  const std::vector<Pixelpunkt> halb{{50, -1e9}, {1e9, -1e9}, {1e9, 1e9}, {50, 1e9}};
  EXPECT_DOUBLE_EQ(flaeche(polygonBeschneiden(halb, kRechteck)), 5000);
  const std::vector<Pixelpunkt> draussen{{200, 200}, {300, 200}, {300, 300}};
  EXPECT_TRUE(polygonBeschneiden(draussen, kRechteck).empty());
}

}  // namespace
}  // namespace quarzel
