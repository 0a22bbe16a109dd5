// Dashed lines: pattern lengths in pixels, cosmetic styles, the phase along
// segments and polylines, and the visible part of long lines.
#include <gtest/gtest.h>

#include "support/render/test_linienstil_hilfe.h"

namespace quarzel {
namespace {

using test::Linienbild;

constexpr int kStift = 1;

// Pen 1 made 0.1 mm wide.
struct DuennerStift : Linienbild {
  explicit DuennerStift(double zoom) : Linienbild(zoom) {
    stifte.penWidth[kStift] = 0.1;
    neu();
  }
};

// --- Lengths ---------------------------------------------------------------------

TEST(Strichlaengen, ZehntelStiftMitStil2GibtAchtPixelStricheUndSechsPixelLuecken) {
  DuennerStift b(0.1);
  b.segment(kStift, 2, 0, 10, 100, 10);
  ASSERT_EQ(b.canvas.mehrfachlinien.size(), 1u);
  const auto& s = b.stuecke();
  ASSERT_EQ(s.size(), 8u);  // dashes start at 0, 14, ... 98
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    EXPECT_NEAR(test::laenge(s[i]), 8, 1e-9) << i;
    EXPECT_NEAR(s[i + 1].front().x - s[i].back().x, 6, 1e-9) << i;
  }
  EXPECT_NEAR(s.back().back().x, 100, 1e-9);  // the last dash is cut at the end point
  EXPECT_TRUE(b.canvas.polylinien.empty());
}

// First dash and gap in pixels for each way a pattern length is scaled.
TEST(Strichlaengen, ErsterStrichUndLueckeNachStiftZoomUndMuster) {
  struct Fall {
    int stift;
    double breite;  // negative: the pen keeps its table width
    double zoom;
    int stil;
    double strich, luecke;
  };
  const Fall faelle[] = {
      {kStift, 0.0, 0.1, 2, 8, 6},            // pens under 0.15 mm count as 0.1 mm
      {kStift, 0.149, 0.1, 2, 8, 6},          //
      {kStift, 0.5, 0.1, 2, 40, 30},          // built-in patterns grow with the pen
      {kStift, 0.1, 0.1, -2, 8, 6},           // a negative style draws as its absolute value
      {kStift, 2, 0.5, 71, 10, 5},            // user pattern {5, 2.5} mm: the pen does not count
      {98, -1, 0.05, 2, 8 / 0.33, 6 / 0.33},  // the special pens have a fixed scale
      {99, -1, 1.0, 2, 8 / 0.33, 6 / 0.33},
  };
  for (const Fall& f : faelle) {
    Linienbild b(f.zoom);
    if (f.breite >= 0) b.stifte.penWidth[static_cast<std::size_t>(f.stift)] = f.breite;
    const std::array<double, 2> mm{5, 2.5};
    b.stile.einfaches(1).muster.setze(mm);
    b.neu();
    b.segment(f.stift, f.stil, 0, 10, 300, 10);
    const auto& s = b.stuecke();
    ASSERT_GE(s.size(), 2u) << f.stift << " " << f.stil;
    EXPECT_NEAR(test::laenge(s[0]), f.strich, 1e-9) << f.stift << " " << f.stil;
    EXPECT_NEAR(s[1].front().x - s[0].back().x, f.luecke, 1e-9) << f.stift << " " << f.stil;
  }
}

// --- Pen and call shape ----------------------------------------------------------------

TEST(Strichaufruf, KosmetischeStileNutzenDiePlattformstiftarten) {
  const std::vector<std::pair<int, Stiftart>> faelle{
      {51, Stiftart::Durchgezogen},     {52, Stiftart::Gestrichelt},      {53, Stiftart::Gepunktet},
      {54, Stiftart::StrichPunkt},      {55, Stiftart::StrichPunktPunkt}, {62, Stiftart::Gestrichelt},
      {65, Stiftart::StrichPunktPunkt}, {50, Stiftart::Durchgezogen},     {69, Stiftart::Durchgezogen}};
  for (const auto& [stil, art] : faelle) {
    Linienbild b(0.01);
    b.segment(8, stil, 0, 10, 100, 10);
    EXPECT_EQ(b.canvas.zustand.stift.art, art) << stil;
    EXPECT_EQ(b.canvas.zustand.stift.breitePixel, 1) << stil;
    EXPECT_EQ(b.canvas.polylinien.size(), 1u) << stil;
  }
}

// --- Phase ---------------------------------------------------------------------------------

TEST(Strichphase, JedesSegmentBeginntMitDemMuster) {
  DuennerStift b(0.1);
  b.segment(kStift, 2, 0, 10, 11, 10);
  b.segment(kStift, 2, 11, 10, 30, 10);
  ASSERT_EQ(b.canvas.mehrfachlinien.size(), 2u);
  EXPECT_EQ(b.canvas.mehrfachlinien[1].zuege[0].front().x, 11);
  EXPECT_NEAR(test::laenge(b.canvas.mehrfachlinien[1].zuege[0]), 8, 1e-9);
}

TEST(Strichphase, ImLinienzugLaeuftDasMusterUeberDieEcken) {
  DuennerStift b(0.1);
  b.polylinie(kStift, 2, {{0, 0}, {5, 0}, {5, 40}});
  const auto& s = b.stuecke();
  ASSERT_GE(s.size(), 2u);
  // The first dash bends round the corner: one piece of 8 pixels.
  ASSERT_EQ(s[0].size(), 3u);
  EXPECT_NEAR(test::laenge(s[0]), 8, 1e-9);
  EXPECT_NEAR(s[0][2].y, 3, 1e-9);
  // The next one starts 6 pixels on.
  EXPECT_NEAR(s[1].front().y, 9, 1e-9);
}

// --- Hostile geometry and limits -----------------------------------------------------------

TEST(Strichgrenzen, NurDerSichtbareTeilWirdGegangenUndDiePhaseBleibt) {
  DuennerStift b(0.1);
  const double start = -1e9;
  b.segment(kStift, 2, start, 100, 1e9, 100);
  const auto& s = b.stuecke();
  ASSERT_GT(s.size(), 100u);
  EXPECT_LT(s.size(), 200u);
  for (const auto& st : s) {
    EXPECT_GT(st.front().x, -20);
    EXPECT_LT(st.back().x, 2020);
    // Every dash starts a whole number of periods from the segment's start.
    const double phase = std::fmod(st.front().x - start, 14.0);
    if (st.front().x > -3) {
      EXPECT_TRUE(phase < 1e-3 || phase > 14 - 1e-3) << st.front().x;
    }
  }
}

}  // namespace
}  // namespace quarzel
