// Dashed lines: pattern lengths in pixels, the continuous fallback, dots,
// the phase along segments and polylines, and the limits of the buffer.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "test_linienstil_hilfe.h"

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

TEST(Strichlaengen, OhneBrauchbaresMusterDurchgezogen) {
  // {zoom, style}: a 0.1 mm pen at 1 mm per pixel, an empty and an all-zero
  // user pattern, unused style numbers.
  const std::pair<double, int> faelle[] = {{1.0, 2},  {0.1, 73}, {0.1, 74},  {0.1, 0},
                                           {0.1, 32}, {0.1, 45}, {0.1, 125}, {0.1, 30000}};
  for (const auto& [zoom, stil] : faelle) {
    DuennerStift b(zoom);
    b.stile.einfaches(3).muster = {};
    const std::array<double, 4> null{0, 0, 0, 0};
    b.stile.einfaches(4).muster.setze(null);
    b.neu();
    b.segment(kStift, stil, 0, 10, 100, 10);
    EXPECT_TRUE(b.canvas.mehrfachlinien.empty()) << stil;
    ASSERT_EQ(b.canvas.polylinien.size(), 1u) << stil;
    EXPECT_EQ(b.canvas.polylinien[0].punkte.size(), 2u) << stil;
  }
}

TEST(Strichlaengen, PunkteDesStils4SindEinPixelLang) {
  DuennerStift b(0.1);
  b.segment(kStift, 4, 0, 10, 20, 10);
  const auto l = b.stuecklaengen();
  ASSERT_EQ(l.size(), 6u);  // at 0, 4, 8, 12, 16 and the end point
  for (const double x : l) EXPECT_NEAR(x, 1, 1e-9);
  EXPECT_EQ(b.stuecke()[1].front().x, 4);
}

TEST(Strichlaengen, LaengsterEintragUnterAnderthalbPixelnZeichnetDurchgezogen) {
  Linienbild b(2.0);
  const std::array<double, 2> mm{3, 1};  // 1.5 and 0.5 pixels
  b.stile.einfaches(2).muster.setze(mm);
  b.neu();
  b.segment(kStift, 72, 0, 10, 100, 10);
  EXPECT_EQ(b.canvas.mehrfachlinien.size(), 1u);  // exactly 1.5: still dashed

  b.parameter.zoom = 2.01;
  b.neu();
  b.canvas.leeren();
  b.segment(kStift, 72, 0, 10, 100, 10);
  EXPECT_TRUE(b.canvas.mehrfachlinien.empty());
  EXPECT_EQ(b.canvas.polylinien.size(), 1u);
}

// --- Pen and call shape ----------------------------------------------------------------

TEST(Strichaufruf, EinStrichliniensegmentIstEinMehrfachPolylinienAufruf) {
  DuennerStift b(0.1);
  b.segment(kStift, 9, 0, 10, 1500, 1500, rgb(1, 2, 3));
  int aufrufe = 0;
  for (const auto& p : b.canvas.protokoll) aufrufe += p == "mehrfachPolylinie";
  EXPECT_EQ(aufrufe, 1);
  EXPECT_GT(b.stuecke().size(), 100u);
  EXPECT_EQ(b.canvas.mehrfachlinien[0].zustand.stift.farbe, rgb(1, 2, 3));
}

TEST(Strichaufruf, StiftbreiteFolgtDerEchtbreitenanzeige) {
  Linienbild b(0.1);
  b.segment(8, 2, 0, 10, 500, 10);
  EXPECT_EQ(b.canvas.zustand.stift.breitePixel, 20);
  b.parameter.echteBreiten = false;
  b.neu();
  b.segment(8, 2, 0, 10, 500, 10);
  EXPECT_EQ(b.canvas.zustand.stift.breitePixel, 1);
}

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

TEST(Strichphase, PunktAmEndeEinesKurzenSegmentsBleibtSichtbar) {
  DuennerStift b(0.1);
  b.segment(kStift, 2, 0, 10, 14.3, 10);  // the second dash starts 0.3 pixels before the end
  const auto& s = b.stuecke();
  ASSERT_EQ(s.size(), 2u);
  EXPECT_NEAR(test::laenge(s[1]), 1, 1e-9);
}

// --- Hostile geometry and limits -----------------------------------------------------------

TEST(Strichgrenzen, NurDerSichtbareTeilWirdGegangenUndDiePhaseBleibt) {
  DuennerStift b(0.1);
  const double start = -1e9;
  const auto t0 = std::chrono::steady_clock::now();
  b.segment(kStift, 2, start, 100, 1e9, 100);
  const auto dauer = std::chrono::steady_clock::now() - t0;
  EXPECT_LT(dauer, std::chrono::seconds(1));
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

TEST(Strichgrenzen, HoechstensZweiunddreissigtausendPunkteJeAufruf) {
  Linienbild b(1.0);
  b.canvas = Aufzeichnungscanvas(200000, 200000);
  const std::array<double, 6> dichteste{0, 0, 0, 0, 0, 1.5};  // three dots every 1.5 pixels
  b.stile.einfaches(5).muster.setze(dichteste);
  b.neu();
  b.segment(kStift, 75, 0, 0, 199999, 0);
  std::size_t punkte = 0;
  for (const auto& st : b.stuecke()) punkte += st.size();
  EXPECT_LE(punkte, Strichpuffer::kMaxPunkte);
  EXPECT_LE(b.stuecke().size(), Strichpuffer::kMaxStuecke);
  EXPECT_EQ(b.stuecke().size(), Strichpuffer::kMaxPunkte / 2);
}

TEST(Strichgrenzen, OhneBekannteBildgroesseBegrenztDerPuffer) {
  DuennerStift b(0.1);
  b.canvas = Aufzeichnungscanvas(0, 0);
  b.segment(kStift, 4, 0, 0, 1e12, 0);
  EXPECT_EQ(b.stuecke().size(), Strichpuffer::kMaxPunkte / 2);
}

TEST(Strichgrenzen, NichtEndlicheKoordinatenZeichnenNichts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  for (const int stil : {1, 2, 11, 12, 41, 95}) {
    DuennerStift b(0.1);
    b.segment(kStift, stil, nan, 0, 100, 0);
    b.segment(kStift, stil, 0, 0, inf, 0);
    b.segment(kStift, stil, -inf, inf, inf, -inf);
    for (const auto& m : b.canvas.mehrfachlinien) EXPECT_TRUE(m.zuege.empty()) << stil;
    EXPECT_TRUE(b.canvas.polylinien.empty()) << stil;
  }
}

TEST(Strichgrenzen, LinienzugUeberspringtNichtEndlichePunkte) {
  DuennerStift b(0.1);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  b.polylinie(kStift, 2, {{0, 0}, {50, 0}, {nan, 3}, {0, 50}, {50, 50}});
  for (const auto& st : b.stuecke()) {
    for (const auto& p : st) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
  }
  EXPECT_GE(b.stuecke().size(), 6u);
  b.canvas.leeren();
  b.polylinie(kStift, 1, {{0, 0}, {50, 0}, {nan, 3}, {0, 50}, {50, 50}});
  EXPECT_EQ(b.canvas.polylinien.size(), 2u);
}

TEST(Strichgrenzen, SegmentDerLaengeNullZeichnetKeineStriche) {
  DuennerStift b(0.1);
  b.segment(kStift, 2, 5, 5, 5, 5);
  EXPECT_TRUE(b.stuecke().empty());
}

}  // namespace
}  // namespace quarzel
