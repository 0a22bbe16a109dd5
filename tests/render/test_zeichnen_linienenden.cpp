// Line ends and marker points: the size-class rule shared by both ends, the
// geometry of the shapes and the base size from the pen.
#include <gtest/gtest.h>

#include <cmath>

#include "render/formzeichnen.h"
#include "render/linienenden.h"
#include "support/render/test_zeichnen_hilfe.h"

namespace quarzel::test {
namespace {

using ZeichnenLinienenden = Zeichnen;

bool nahe(Pixelpunkt a, Pixelpunkt b) {
  return std::abs(a.x - b.x) < 1e-9 && std::abs(a.y - b.y) < 1e-9;
}

TEST(LinienendenKlassen, EndClassIsSharedAndTakenOffTheStartCode) {
  const auto wahl = [](std::uint8_t anfang, std::uint8_t ende) {
    const Linienendenwahl w = waehleLinienenden(anfang, ende);
    return std::tuple(w.anfangsform, w.anfangsklasse, w.endform);
  };
  EXPECT_EQ(wahl(2 + 128, 2 + 128), std::tuple(2, 4, 2));
  EXPECT_EQ(waehleLinienenden(2 + 128, 2 + 128).klasse, 4);
  EXPECT_EQ(wahl(1, 64 + 3), std::tuple(1, 2, 3));  // start of class 0 takes the end's class 2
  EXPECT_EQ(wahl(96 + 4, 0), std::tuple(4, 3, 0));  // without an end the start keeps its own class
}

TEST(LinienendenKlassen, ClassBoundariesAndFactors) {
  for (const auto& [code, klasse] : {std::pair(31, 0), {32 + 1, 1}, {64 + 1, 2}, {96 + 1, 3}, {255, 4}})
    EXPECT_EQ(waehleLinienenden(std::uint8_t(code), 0).anfangsklasse, klasse) << code;
  for (const auto& [klasse, faktor] : {std::pair(0, 1.0), {1, 0.5}, {2, 0.75}, {3, 1.5}, {4, 2.0}, {7, 1.0}})
    EXPECT_EQ(linienendenFaktor(klasse), faktor) << klasse;
}

TEST_F(ZeichnenLinienenden, Code130IsAFilledTriangleTwiceTheBaseSizeAtBothEnds) {
  const Tliniendaten d{
      .x1 = 100, .y1 = 100, .x2 = 300, .y2 = 100, .farbe = rgb(10, 20, 30), .stift = 5, .anfang = 2, .ende = 2 + 128};
  linie(d);
  zeichne();
  lauf.computePenPixelWidths(1);
  const double l = 2 * std::max(2, 2 * lauf.penPixelWidth(5));
  ASSERT_EQ(canvas.polygone.size(), 2u);
  const auto& anfang = canvas.polygone[0].punkte;
  const auto& ende = canvas.polygone[1].punkte;
  // B1 ± L·v, T, with u pointing into the line.
  ASSERT_EQ(std::tuple(anfang.size(), ende.size()), std::tuple(3u, 3u));
  EXPECT_TRUE(nahe(anfang[1], {100, 100}) && nahe(anfang[0], {100 + l, 100 + l}) &&
              nahe(anfang[2], {100 + l, 100 - l}));
  EXPECT_TRUE(nahe(ende[1], {300, 100}) && nahe(ende[0], {300 - l, 100 - l}) && nahe(ende[2], {300 - l, 100 + l}));
  EXPECT_EQ(canvas.polygone[0].zustand.pinsel, (Aufzeichnungscanvas::Pinsel{d.farbe, false}));
}

TEST(LinienendenFormen, OpenAndFilledShapesFollowTheTable) {
  // Tip T (50, 50), the line running off to the right: u = (1, 0), v = (0, 1), L = 4.
  const struct {
    int form;
    bool gefuellt;
    std::vector<std::pair<std::size_t, Pixelpunkt>> punkte;  // some corners, by index
  } faelle[] = {
      {1, false, {{0, {54, 54}}, {1, {50, 50}}, {2, {54, 46}}}},
      {5, true, {{0, {58, 54}}, {3, {54, 50}}}},    // notched long arrow
      {10, true, {{0, {42, 54}}, {3, {46, 50}}}},   // 5 pointing back
      {11, false, {{0, {50, 54}}, {1, {50, 46}}}},  // tick across
      {12, false, {{0, {46, 46}}, {1, {54, 54}}}},  // oblique tick F − L·v → B1 + L·v
      {14, true, {{0, {54, 54}}, {2, {46, 46}}}},
  };
  for (const auto& f : faelle) {
    Aufzeichnungscanvas c;
    zeichneLinienende(c, {50, 50}, {150, 50}, f.form, 4);
    ASSERT_EQ(std::tuple(c.polygone.size(), c.polylinien.size()),
              std::tuple(f.gefuellt ? 1u : 0u, f.gefuellt ? 0u : 1u))
        << f.form;
    const auto& p = f.gefuellt ? c.polygone[0].punkte : c.polylinien[0].punkte;
    for (const auto& [i, erwartet] : f.punkte) EXPECT_TRUE(i < p.size() && nahe(p[i], erwartet)) << f.form << " " << i;
  }
  Aufzeichnungscanvas c;
  zeichneLinienende(c, {50, 50}, {150, 50}, 13, 4);  // cross: two strokes in one call
  ASSERT_EQ(c.mehrfachlinien.size(), 1u);
  EXPECT_EQ(c.mehrfachlinien[0].zuege.size(), 2u);
}

TEST_F(ZeichnenLinienenden, MarkerPointIsASymbolNotALine) {
  const Tliniendaten d{.x1 = 100, .y1 = 100, .x2 = 300, .y2 = 100, .anfang = 24};  // filled circle
  linie(d);
  zeichne();
  EXPECT_TRUE(canvas.polylinien.empty());
  ASSERT_EQ(canvas.polygone.size(), 1u);
  for (const Pixelpunkt& p : canvas.polygone[0].punkte) EXPECT_LT(std::hypot(p.x - 100, p.y - 100), 40);
  for (const auto& [form, gefuellt] : {std::pair(7, false), {8, true}}) {
    Aufzeichnungscanvas c;
    zeichneMarker(c, {50, 50}, form, 8, rgb(0, 0, 0));
    EXPECT_EQ(std::tuple(c.polygone.size(), c.polylinien.size()), std::tuple(gefuellt, !gefuellt)) << form;
  }
}

TEST_F(ZeichnenLinienenden, OpenArrowAtTheStartAlone) {
  Zeichenkontext k = kontext();
  zeichneLinienenden(k, {100, 100}, {200, 100}, {200, 100}, {300, 100}, 1, 0, 1, rgb(0, 0, 0));
  EXPECT_EQ(std::tuple(canvas.polylinien.size(), canvas.polygone.size()), std::tuple(1u, 0u));
}

TEST_F(ZeichnenLinienenden, DecorationReachingIntoTheViewIsDrawn) {
  const Tliniendaten d{.x1 = -300, .y1 = -1, .x2 = -1, .y2 = -1, .ende = 4 + 128};  // just off the canvas
  linie(d);
  zeichne();
  EXPECT_EQ(canvas.polygone.size(), 1u);
}

}  // namespace
}  // namespace quarzel::test
