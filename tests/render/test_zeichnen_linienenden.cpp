// Line ends and marker points: the size-class rule shared by both ends, the
// geometry of the shapes, the base length from the pen and the one-pixel pen
// with true widths off.
#include <gtest/gtest.h>

#include <cmath>

#include "render/linienenden.h"
#include "test_zeichnen_hilfe.h"

namespace quarzel::test {
namespace {

using ZeichnenLinienenden = Zeichnen;

bool nahe(Pixelpunkt a, Pixelpunkt b) {
  return std::abs(a.x - b.x) < 1e-9 && std::abs(a.y - b.y) < 1e-9;
}

TEST(LinienendenKlassen, EndClassIsSharedAndTakenOffTheStartCode) {
  const Linienendenwahl w = waehleLinienenden(2 + 128, 2 + 128);
  EXPECT_EQ(w.anfangsform, 2);
  EXPECT_EQ(w.endform, 2);
  EXPECT_EQ(w.klasse, 4);
  EXPECT_EQ(w.anfangsklasse, 4);

  const Linienendenwahl klein = waehleLinienenden(1, 64 + 3);  // start of class 0 takes the end's class 2
  EXPECT_EQ(klein.anfangsform, 1);
  EXPECT_EQ(klein.anfangsklasse, 2);
  EXPECT_EQ(klein.endform, 3);

  const Linienendenwahl ohneEnde = waehleLinienenden(96 + 4, 0);  // the start keeps its own class
  EXPECT_EQ(ohneEnde.anfangsform, 4);
  EXPECT_EQ(ohneEnde.anfangsklasse, 3);
  EXPECT_EQ(ohneEnde.endform, 0);
}

TEST(LinienendenKlassen, ClassBoundariesAndFactors) {
  EXPECT_EQ(waehleLinienenden(31, 0).anfangsklasse, 0);
  EXPECT_EQ(waehleLinienenden(32 + 1, 0).anfangsklasse, 1);
  EXPECT_EQ(waehleLinienenden(64 + 1, 0).anfangsklasse, 2);
  EXPECT_EQ(waehleLinienenden(96 + 1, 0).anfangsklasse, 3);
  EXPECT_EQ(waehleLinienenden(255, 0).anfangsklasse, 4);
  EXPECT_DOUBLE_EQ(linienendenFaktor(0), 1);
  EXPECT_DOUBLE_EQ(linienendenFaktor(1), 0.5);
  EXPECT_DOUBLE_EQ(linienendenFaktor(2), 0.75);
  EXPECT_DOUBLE_EQ(linienendenFaktor(3), 1.5);
  EXPECT_DOUBLE_EQ(linienendenFaktor(4), 2);
  EXPECT_DOUBLE_EQ(linienendenFaktor(7), 1);
}

TEST_F(ZeichnenLinienenden, Code130IsAFilledTriangleTwiceTheBaseSizeAtBothEnds) {
  Tliniendaten d;
  d.x1 = 100;
  d.y1 = 100;
  d.x2 = 300;
  d.y2 = 100;
  d.stift = 5;
  d.farbe = rgb(10, 20, 30);
  d.anfang = 2;
  d.ende = 2 + 128;
  linie(d);
  zeichne();
  lauf.computePenPixelWidths(1);
  const double l = 2 * std::max(2, 2 * lauf.penPixelWidth(5));
  ASSERT_EQ(canvas.polygone.size(), 2u);
  const auto& anfang = canvas.polygone[0].punkte;
  const auto& ende = canvas.polygone[1].punkte;
  ASSERT_EQ(anfang.size(), 3u);
  ASSERT_EQ(ende.size(), 3u);
  // B1 ± L·v, T, with u pointing into the line.
  EXPECT_TRUE(nahe(anfang[1], {100, 100}));
  EXPECT_TRUE(nahe(anfang[0], {100 + l, 100 + l}));
  EXPECT_TRUE(nahe(anfang[2], {100 + l, 100 - l}));
  EXPECT_TRUE(nahe(ende[1], {300, 100}));
  EXPECT_TRUE(nahe(ende[0], {300 - l, 100 - l}));
  EXPECT_TRUE(nahe(ende[2], {300 - l, 100 + l}));
  EXPECT_EQ(canvas.polygone[0].zustand.pinsel.farbe, d.farbe);
  EXPECT_FALSE(canvas.polygone[0].zustand.pinsel.keinPinsel);
}

TEST_F(ZeichnenLinienenden, BaseLengthIsAtLeastTwoPixels) {
  Zeichenkontext k = kontext();
  zeichneLinienenden(k, {0, 0}, {100, 0}, 0, 2, 0, rgb(0, 0, 0));
  ASSERT_EQ(canvas.polygone.size(), 1u);
  const double l = std::max(2, 2 * lauf.penPixelWidth(0));
  EXPECT_TRUE(nahe(canvas.polygone[0].punkte[0], {100 - l, -l}));
}

TEST_F(ZeichnenLinienenden, TrueWidthsOffDrawsWithAOnePixelPen) {
  z.stifte.penWidth[7] = 5;  // 5 mm: five pixels at this zoom
  Zeichenkontext k = kontext();
  zeichneLinienenden(k, {0, 0}, {100, 0}, 1, 1, 7, rgb(0, 0, 0));
  ASSERT_EQ(canvas.polylinien.size(), 2u);
  EXPECT_GT(canvas.polylinien[0].zustand.stift.breitePixel, 1);
  canvas.leeren();
  Laufparameter p;
  p.echteBreiten = false;
  Zeichenlauf ohne(z.stifte, z.linienstile, p);
  ohne.computePenPixelWidths(1);
  Zeichenkontext k2{z, ohne, canvas, schalter, darstellung};
  zeichneLinienenden(k2, {0, 0}, {100, 0}, 1, 1, 7, rgb(0, 0, 0));
  ASSERT_EQ(canvas.polylinien.size(), 2u);
  EXPECT_EQ(canvas.polylinien[0].zustand.stift.breitePixel, 1);
  // The size still follows the pen's true width.
  EXPECT_TRUE(nahe(canvas.polylinien[0].punkte[0], {2.0 * ohne.penPixelWidth(7), 2.0 * ohne.penPixelWidth(7)}));
}

TEST(LinienendenFormen, OpenAndFilledShapesFollowTheTable) {
  Aufzeichnungscanvas c;
  const Pixelpunkt t{50, 50}, innen{150, 50};  // u = (1, 0), v = (0, 1)
  const double l = 4;
  zeichneLinienende(c, t, innen, 1, l);
  ASSERT_EQ(c.polylinien.size(), 1u);
  EXPECT_TRUE(nahe(c.polylinien[0].punkte[0], {54, 54}));
  EXPECT_TRUE(nahe(c.polylinien[0].punkte[1], {50, 50}));
  EXPECT_TRUE(nahe(c.polylinien[0].punkte[2], {54, 46}));

  c.leeren();
  zeichneLinienende(c, t, innen, 5, l);  // notched long arrow
  ASSERT_EQ(c.polygone.size(), 1u);
  ASSERT_EQ(c.polygone[0].punkte.size(), 4u);
  EXPECT_TRUE(nahe(c.polygone[0].punkte[0], {58, 54}));
  EXPECT_TRUE(nahe(c.polygone[0].punkte[3], {54, 50}));

  c.leeren();
  zeichneLinienende(c, t, innen, 10, l);  // 5 pointing back
  ASSERT_EQ(c.polygone.size(), 1u);
  EXPECT_TRUE(nahe(c.polygone[0].punkte[0], {42, 54}));
  EXPECT_TRUE(nahe(c.polygone[0].punkte[3], {46, 50}));

  c.leeren();
  zeichneLinienende(c, t, innen, 11, l);  // tick across
  ASSERT_EQ(c.polylinien.size(), 1u);
  EXPECT_TRUE(nahe(c.polylinien[0].punkte[0], {50, 54}));
  EXPECT_TRUE(nahe(c.polylinien[0].punkte[1], {50, 46}));

  c.leeren();
  zeichneLinienende(c, t, innen, 12, l);  // oblique tick F − L·v → B1 + L·v
  ASSERT_EQ(c.polylinien.size(), 1u);
  EXPECT_TRUE(nahe(c.polylinien[0].punkte[0], {46, 46}));
  EXPECT_TRUE(nahe(c.polylinien[0].punkte[1], {54, 54}));

  c.leeren();
  zeichneLinienende(c, t, innen, 13, l);  // cross: two strokes in one call
  ASSERT_EQ(c.mehrfachlinien.size(), 1u);
  EXPECT_EQ(c.mehrfachlinien[0].zuege.size(), 2u);

  c.leeren();
  zeichneLinienende(c, t, innen, 14, l);
  ASSERT_EQ(c.polygone.size(), 1u);
  EXPECT_TRUE(nahe(c.polygone[0].punkte[0], {54, 54}));
  EXPECT_TRUE(nahe(c.polygone[0].punkte[2], {46, 46}));
}

TEST(LinienendenFormen, OwnShapesDrawSomethingAndUnknownCodesNothing) {
  for (int form = 15; form <= 19; ++form) {
    Aufzeichnungscanvas c;
    zeichneLinienende(c, {50, 50}, {0, 50}, form, 4);
    EXPECT_FALSE(c.protokoll.empty()) << form;
  }
  for (int form : {0, 20, 21, 29, 31}) {
    Aufzeichnungscanvas c;
    zeichneLinienende(c, {50, 50}, {0, 50}, form, 4);
    EXPECT_TRUE(c.protokoll.empty()) << form;
  }
}

TEST(LinienendenFormen, ZeroLengthOrNonFiniteDirectionDrawsNothing) {
  Aufzeichnungscanvas c;
  zeichneLinienende(c, {50, 50}, {50, 50}, 2, 4);
  zeichneLinienende(c, {50, 50}, {NAN, 50}, 2, 4);
  zeichneLinienende(c, {50, 50}, {0, 50}, 2, INFINITY);
  EXPECT_TRUE(c.protokoll.empty());
}

TEST_F(ZeichnenLinienenden, MarkerPointIsASymbolNotALine) {
  Tliniendaten d;
  d.x1 = 100;
  d.y1 = 100;
  d.x2 = 300;
  d.y2 = 100;
  d.anfang = 24;  // filled circle
  linie(d);
  zeichne();
  EXPECT_TRUE(canvas.polylinien.empty());
  ASSERT_EQ(canvas.polygone.size(), 1u);
  for (const Pixelpunkt& p : canvas.polygone[0].punkte) EXPECT_LT(std::hypot(p.x - 100, p.y - 100), 40);
}

TEST_F(ZeichnenLinienenden, DecorationReachingIntoTheViewIsDrawn) {
  Tliniendaten d;
  d.x1 = -300;
  d.y1 = -1;
  d.x2 = -1;  // just off the canvas
  d.y2 = -1;
  d.ende = 4 + 128;
  linie(d);
  zeichne();
  EXPECT_EQ(canvas.polygone.size(), 1u);
}

}  // namespace
}  // namespace quarzel::test
