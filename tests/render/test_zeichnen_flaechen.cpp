// Filled closed elements: solid colour, hatch through the hatch fill (a
// concave U keeps its notch empty), the switch "&Flächen" with the outline
// rule of "Objektränder anzeigen", line ends of open polygons, filled circles.
#include <gtest/gtest.h>

#include <cmath>

#include "support/render/test_zeichnen_hilfe.h"

namespace quarzel::test {
namespace {

using ZeichnenFlaechen = Zeichnen;

Fuellangaben vollfarbe(Farbe f) {
  return {.fuellwert = f, .gefuellt = 1};
}

Fuellangaben schraffur(std::string name) {
  return {.schraffurName = std::move(name), .fuellflag = 1, .gefuellt = 1};
}

// All hatch segments (continuous hatch lines arrive as two-point strokes).
std::vector<std::pair<Pixelpunkt, Pixelpunkt>> strecken(const Aufzeichnungscanvas& c) {
  std::vector<std::pair<Pixelpunkt, Pixelpunkt>> s;
  for (const auto& m : c.mehrfachlinien)
    for (const auto& zug : m.zuege)
      if (zug.size() == 2) s.emplace_back(zug[0], zug[1]);
  return s;
}

TEST_F(ZeichnenFlaechen, HatchedUShapeLeavesTheNotchEmpty) {
  // Outer 100..300, the notch 150..250 reaching down to y = 250.
  polygon({{100, 100}, {150, 100}, {150, 250}, {250, 250}, {250, 100}, {300, 100}, {300, 300}, {100, 300}},
          schraffur("Windows-Standard 3"));
  zeichne();
  const auto s = strecken(canvas);
  ASSERT_FALSE(s.empty());
  int linkerSchenkel = 0, rechterSchenkel = 0, unten = 0;
  for (const auto& [a, b] : s) {
    EXPECT_NEAR(a.y, b.y, 1e-6);  // horizontal lines
    const double links = std::min(a.x, b.x), rechts = std::max(a.x, b.x);
    EXPECT_GE(links, 100 - 1e-6);
    EXPECT_LE(rechts, 300 + 1e-6);
    if (a.y < 250) {
      EXPECT_FALSE(links < 200 && rechts > 200) << "across the notch at y " << a.y;
      (rechts <= 150 + 1e-6 ? linkerSchenkel : rechterSchenkel)++;
    } else if (a.y > 250) {
      ++unten;
      EXPECT_NEAR(rechts - links, 200, 1e-6);
    }
  }
  EXPECT_GT(linkerSchenkel, 10);
  EXPECT_EQ(linkerSchenkel, rechterSchenkel);
  EXPECT_GT(unten, 5);
  // And the outline, closed.
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  const auto& u = canvas.polylinien[0].punkte;
  EXPECT_EQ(std::pair(u.front().x, u.front().y), std::pair(u.back().x, u.back().y));
}

TEST_F(ZeichnenFlaechen, AHoleJoinedAlongASeamShowsBothOutlinesButNotTheSeam) {
  // Square 100..300 with the square hole 150..250, joined from (100, 100) to (150, 150).
  polygon({{100, 100},
           {300, 100},
           {300, 300},
           {100, 300},
           {100, 100},
           {150, 150},
           {150, 250},
           {250, 250},
           {250, 150},
           {150, 150}},
          vollfarbe(rgb(1, 2, 3)));
  zeichne();
  // The fill, too, leaves its one-pixel pen off, which would draw the seam.
  EXPECT_TRUE(canvas.polygone.empty());
  EXPECT_EQ(canvas.flaechenOhneRand.size(), 1u);
  ASSERT_EQ(canvas.polylinien.size(), 2u);
  for (const auto& l : canvas.polylinien) {
    ASSERT_EQ(l.punkte.size(), 5u);  // each square closed, nothing of the diagonal seam
    for (std::size_t i = 0; i + 1 < l.punkte.size(); ++i) {
      EXPECT_TRUE(l.punkte[i].x == l.punkte[i + 1].x || l.punkte[i].y == l.punkte[i + 1].y);
    }
  }
}

TEST_F(ZeichnenFlaechen, SolidFillInTheFillColourThenTheOutline) {
  const std::int32_t n = polygon({{10, 10}, {200, 10}, {200, 100}}, vollfarbe(rgb(1, 2, 3)));
  z.speicher.polygon(n).farbe = rgb(0, 0, 255);
  zeichne();
  ASSERT_EQ(canvas.polygone.size(), 1u);
  EXPECT_EQ(canvas.polygone[0].zustand.pinsel.farbe, rgb(1, 2, 3));
  ASSERT_EQ(canvas.polylinien.size(), 1u);
  EXPECT_EQ(canvas.polylinien[0].zustand.stift.farbe, rgb(0, 0, 255));
  EXPECT_EQ(canvas.polylinien[0].punkte.size(), 4u);  // closed for the outline
  EXPECT_LT(std::find(canvas.protokoll.begin(), canvas.protokoll.end(), "polygon"),
            std::find(canvas.protokoll.begin(), canvas.protokoll.end(), "polylinie"));
}

TEST_F(ZeichnenFlaechen, HiddenFillsKeepTheOutlineOnlyWhenChosen) {
  polygon({{10, 10}, {200, 10}, {200, 100}}, vollfarbe(rgb(1, 2, 3)));
  schalter.flaechen = false;
  darstellung.objektraenderAnzeigen = true;
  zeichne();
  EXPECT_TRUE(canvas.polygone.empty());
  EXPECT_EQ(canvas.polylinien.size(), 1u);

  canvas.leeren();
  darstellung.objektraenderAnzeigen = false;
  zeichne();
  EXPECT_TRUE(canvas.polygone.empty());
  EXPECT_TRUE(canvas.polylinien.empty());
}

TEST_F(ZeichnenFlaechen, OpenPolygonGetsItsLineEnds) {
  const std::int32_t n = polygon({{10, 10}, {200, 10}, {200, 100}});
  z.speicher.polygon(n).ende = 2;
  zeichne();
  ASSERT_EQ(canvas.polygone.size(), 1u);
  // The arrow sits on the last point and points along the last edge.
  EXPECT_EQ(std::pair(canvas.polygone[0].punkte[1].x, canvas.polygone[0].punkte[1].y), std::pair(200.0, 100.0));
  EXPECT_LT(canvas.polygone[0].punkte[0].y, 100);
}

TEST_F(ZeichnenFlaechen, FilledCircleFillsItsInterior) {
  bogen({.xm = 200, .ym = 200, .xr = 50, .yr = 50, .fuellung = vollfarbe(rgb(9, 9, 9))});
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
  zeichne();
  ASSERT_EQ(canvas.polygone.size(), 1u);
  for (const Pixelpunkt& p : canvas.polygone[0].punkte) EXPECT_NEAR(std::hypot(p.x - 200, p.y - 200), 50, 1e-6);
}

}  // namespace
}  // namespace quarzel::test
