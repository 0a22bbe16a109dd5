// Complex patterns and the special lines: section lengths, where the
// symbols go, filled shapes, the predefined table and the limits.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>

#include "test_linienstil_hilfe.h"

namespace quarzel {
namespace {

using test::Linienbild;
using namespace linienstil;

constexpr int kStift = 1;
constexpr int kMuster1 = 12;  // complex user pattern 1

// Pen 1 three pixels wide (0.3 mm at 0.1 mm per pixel): sections of 6 pixels.
struct Komplexbild : Linienbild {
  Komplexbild() : Linienbild(0.1) {
    stifte.penWidth[kStift] = 0.3;
    neu();
  }
  void muster(std::initializer_list<std::uint8_t> codes) {
    auto& m = stile.komplexes(1);
    m.section = {};
    std::copy(codes.begin(), codes.end(), m.section.begin());
    neu();
  }
};

// --- Section length -------------------------------------------------------------

TEST(Abschnittslaenge, FolgtZweiStiftpixelbreiten) {
  Komplexbild b;
  b.muster({kSenkrecht});
  b.segment(kStift, kMuster1, 0, 100, 200, 100);
  const auto& s = b.stuecke();
  ASSERT_EQ(s.size(), 3u);  // sections 0, 12 and 24: at 3, 75 and 147
  EXPECT_NEAR(s[0][0].x, 3, 1e-9);
  EXPECT_NEAR(s[1][0].x, 75, 1e-9);
  EXPECT_NEAR(s[2][0].x, 147, 1e-9);
  EXPECT_NEAR(test::laenge(s[0]), 6, 1e-9);  // h to each side
}

TEST(Abschnittslaenge, Stift99NimmtFuenfBreitenAusserBeiDen91Bis94) {
  Komplexbild b;
  b.muster({kSenkrecht});
  b.segment(99, kMuster1, 0, 100, 200, 100);
  ASSERT_GE(b.stuecke().size(), 2u);
  EXPECT_NEAR(b.stuecke()[1][0].x - b.stuecke()[0][0].x, 60, 1e-9);  // 12 sections of 5

  b.canvas.leeren();
  b.segment(99, 91, 0, 100, 200, 100);  // "1s3p": its first dot sits in section 6
  const auto& s = b.stuecke();
  ASSERT_GE(s.size(), 2u);
  EXPECT_NEAR(test::laenge(s[0]), 10, 1e-9);  // five long sections of 2 pixels
  EXPECT_NEAR(s[1][0].x, 13, 1e-9);
}

TEST(Abschnittslaenge, FesteLaengeIstHalbeMillimeterDurchZoomAberMindestensEinPixel) {
  Komplexbild b;
  b.muster({kSenkrecht});
  b.stile.komplexes(1).fixedSection = 1;
  b.stile.komplexes(1).sectionLength = 2;
  b.neu();
  b.segment(kStift, kMuster1, 0, 100, 300, 100);
  ASSERT_GE(b.stuecke().size(), 2u);
  EXPECT_NEAR(b.stuecke()[0][0].x, 5, 1e-9);
  EXPECT_NEAR(b.stuecke()[1][0].x - b.stuecke()[0][0].x, 120, 1e-9);

  // Never under one pixel: 0.01 mm at 10 mm per pixel.
  b.stile.komplexes(1).sectionLength = 0.01;
  b.parameter.zoom = 10;
  b.neu();
  b.canvas.leeren();
  b.segment(kStift, kMuster1, 0, 100, 100, 100);
  ASSERT_GE(b.stuecke().size(), 2u);
  EXPECT_NEAR(b.stuecke()[1][0].x - b.stuecke()[0][0].x, 12, 1e-9);
}

// --- Symbols ------------------------------------------------------------------------------

TEST(Abschnittssymbole, LangeLinienWerdenEinZug) {
  Komplexbild b;
  b.muster({kLinie, kLinie, kLinie});
  b.segment(kStift, kMuster1, 0, 100, 144, 100);
  const auto l = b.stuecklaengen();
  ASSERT_EQ(l.size(), 2u);
  EXPECT_NEAR(l[0], 18, 1e-9);
  EXPECT_NEAR(l[1], 18, 1e-9);
  EXPECT_NEAR(b.stuecke()[1][0].x, 72, 1e-9);
}

TEST(Abschnittssymbole, LangeLinieLaeuftUeberDieEckeEinesLinienzugs) {
  Komplexbild b;
  b.muster({kLinie, kLinie, kLinie, kLinie});
  b.polylinie(kStift, kMuster1, {{10, 10}, {19, 10}, {19, 100}});
  ASSERT_FALSE(b.stuecke().empty());
  EXPECT_NEAR(test::laenge(b.stuecke()[0]), 24, 1e-9);
  EXPECT_EQ(b.stuecke()[0][0].x, 10);
}

TEST(Abschnittssymbole, KurzeLinieUndPunktSitzenInDerMitteDesAbschnitts) {
  Komplexbild b;
  b.muster({kLinie | kPunkt, kPunkt});
  b.segment(kStift, kMuster1, 0, 100, 60, 100);
  ASSERT_EQ(b.stuecke().size(), 2u);
  EXPECT_NEAR(b.stuecke()[0][0].x, 1.5, 1e-9);  // the middle half of section 0
  EXPECT_NEAR(test::laenge(b.stuecke()[0]), 3, 1e-9);
  EXPECT_NEAR(b.stuecke()[1][0].x, 9, 1e-9);  // one pixel in the middle of section 1
  EXPECT_NEAR(test::laenge(b.stuecke()[1]), 1, 1e-9);
}

TEST(Abschnittssymbole, SchraegeStricheImWechselBildenEinenZickzack) {
  Komplexbild b;
  b.muster({kSchraeg, kSchraeg2, kSchraeg, kSchraeg2});
  b.segment(kStift, kMuster1, 0, 100, 24, 100);
  const auto& s = b.stuecke();
  ASSERT_EQ(s.size(), 4u);
  for (std::size_t i = 0; i + 1 < s.size(); ++i) {
    EXPECT_NEAR(s[i].back().x, s[i + 1].front().x, 1e-9);
    EXPECT_NEAR(s[i].back().y, s[i + 1].front().y, 1e-9);
  }
}

TEST(Abschnittssymbole, GefuelltesQuadratIstEinPolygonInDerLinienfarbe) {
  Komplexbild b;
  b.muster({kQuadrat | kPunkt});
  b.segment(kStift, kMuster1, 0, 100, 60, 100, rgb(0, 0, 255));
  ASSERT_EQ(b.canvas.polygone.size(), 1u);
  const auto& q = b.canvas.polygone[0];
  EXPECT_EQ(q.punkte.size(), 4u);
  EXPECT_EQ(q.zustand.pinsel.farbe, rgb(0, 0, 255));
  EXPECT_EQ(q.zustand.stift.farbe, rgb(0, 0, 255));
  for (const auto& p : q.punkte) {
    EXPECT_NEAR(std::fabs(p.x - 3), 1.8, 1e-9);
    EXPECT_NEAR(std::fabs(p.y - 100), 1.8, 1e-9);
  }
  EXPECT_TRUE(b.stuecke().empty());  // no dot beside the filled shape
}

TEST(Abschnittssymbole, UmrissformenSindGeschlosseneZuege) {
  Komplexbild b;
  b.muster({kQuadrat, kRaute, kKreis});
  b.segment(kStift, kMuster1, 0, 100, 60, 100);
  const auto& s = b.stuecke();
  ASSERT_EQ(s.size(), 3u);
  for (const auto& z : s) {
    EXPECT_EQ(z.front().x, z.back().x);
    EXPECT_EQ(z.front().y, z.back().y);
  }
  for (const auto& p : s[2]) EXPECT_NEAR(test::abstand(p, {15, 100}), 1.8, 1e-9);  // circle of 0.3 L
  EXPECT_TRUE(b.canvas.polygone.empty());
}

TEST(Abschnittssymbole, SymboleDrehenSichMitDerLinie) {
  Komplexbild b;
  b.muster({kSenkrecht});
  b.segment(kStift, kMuster1, 100, 0, 100, 200);  // downward
  ASSERT_FALSE(b.stuecke().empty());
  const auto& s = b.stuecke()[0];
  EXPECT_NEAR(s[0].y, 3, 1e-9);
  EXPECT_NEAR(s[1].y, 3, 1e-9);
  EXPECT_NEAR(std::fabs(s[1].x - s[0].x), 6, 1e-9);
}

TEST(Abschnittssymbole, LeeresMusterZeichnetDurchgezogen) {
  Komplexbild b;
  b.segment(kStift, kMuster1, 0, 100, 60, 100);
  EXPECT_TRUE(b.canvas.mehrfachlinien.empty());
  EXPECT_EQ(b.canvas.polylinien.size(), 1u);
}

// --- Predefined patterns --------------------------------------------------------------

TEST(VordefinierteMuster, JedesDerVierunddreissigZeichnetEtwas) {
  for (int stil = kErsterVordefinierter; stil <= kLetzterVordefinierter; ++stil) {
    Komplexbild b;
    b.segment(kStift, stil, 10, 10, 500, 300);
    EXPECT_FALSE(b.stuecke().empty() && b.canvas.polygone.empty()) << stil;
    EXPECT_TRUE(b.canvas.polylinien.empty()) << stil;
  }
}

TEST(VordefinierteMuster, BoeschungsstricheStehenAufEinerSeite) {
  Komplexbild b;
  b.segment(kStift, 100, 0, 100, 300, 100);  // "böschung"
  int striche = 0;
  for (const auto& z : b.stuecke()) {
    for (const auto& p : z) EXPECT_GE(p.y, 100 - 1e-9);
    striche += z.size() == 2 && std::fabs(z[0].x - z[1].x) < 1e-9;
  }
  EXPECT_GT(striche, 10);
}

TEST(VordefinierteMuster, IsolierungIstEinZickzackDoppelterHoehe) {
  Komplexbild b;
  b.segment(kStift, 101, 0, 100, 72, 100);  // "isolierung"
  double hoechste = 0;
  for (const auto& z : b.stuecke()) {
    for (const auto& p : z) hoechste = std::max(hoechste, std::fabs(p.y - 100));
  }
  EXPECT_NEAR(hoechste, 6, 1e-9);
}

// --- Limits -------------------------------------------------------------------------------

TEST(Komplexgrenzen, RiesigeSegmenteEndenSchnellUndBleibenImBild) {
  Komplexbild b;
  b.muster({0, 0, 0, 0, 0, kKreis | kPunkt});
  const auto t0 = std::chrono::steady_clock::now();
  b.segment(kStift, kMuster1, -1e9, 500, 1e9, 500);
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(1));
  EXPECT_GT(b.canvas.polygone.size(), 20u);
  for (const auto& f : b.canvas.polygone) {
    for (const auto& p : f.punkte) EXPECT_TRUE(p.x > -50 && p.x < 2050) << p.x;
  }
}

TEST(Komplexgrenzen, OhneBildgroesseEndetAuchEinFastLeeresMuster) {
  Komplexbild b;
  b.canvas = Aufzeichnungscanvas(0, 0);
  b.muster({kPunkt});
  b.stile.komplexes(1).fixedSection = 1;
  b.stile.komplexes(1).sectionLength = 0.01;
  b.parameter.zoom = 10;  // one-pixel sections
  b.neu();
  const auto t0 = std::chrono::steady_clock::now();
  b.segment(kStift, kMuster1, 0, 0, 1e15, 0);
  EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::seconds(2));
  EXPECT_LE(b.stuecke().size(), Strichpuffer::kMaxStuecke);
}

// --- Special lines -----------------------------------------------------------------------

TEST(Sonderlinien, ZickzackPendeltUmDieLinie) {
  Komplexbild b;
  b.segment(kStift, 10, 0, 100, 180, 100);
  ASSERT_EQ(b.stuecke().size(), 1u);
  const auto& z = b.stuecke()[0];
  ASSERT_GT(z.size(), 10u);
  EXPECT_EQ(z.front().x, 0);
  EXPECT_EQ(z.front().y, 100);
  EXPECT_NEAR(z.back().x, 180, 1e-9);
  // Wavelength 18 (six widths of 3 pixels), amplitude 4.5.
  EXPECT_NEAR(z[1].x, 4.5, 1e-9);
  EXPECT_NEAR(z[1].y, 104.5, 1e-9);
  EXPECT_NEAR(z[2].y, 95.5, 1e-9);
  b.canvas.leeren();  // and runs on over the corners of a polyline
  b.polylinie(kStift, 10, {{0, 100}, {100, 100}, {100, 300}});
  EXPECT_EQ(b.stuecke().size(), 1u);
}

TEST(Sonderlinien, WelleBleibtInnerhalbDerAmplitude) {
  Komplexbild b;
  b.segment(kStift, 41, 0, 100, 180, 100);
  ASSERT_EQ(b.stuecke().size(), 1u);
  double hoechste = 0;
  for (const auto& p : b.stuecke()[0]) hoechste = std::max(hoechste, std::fabs(p.y - 100));
  EXPECT_NEAR(hoechste, 4.5, 1e-9);
}

TEST(Sonderlinien, ZickzackMitMittellinieHatZweiZuege) {
  Komplexbild b;
  b.segment(kStift, 42, 0, 100, 180, 100);
  ASSERT_EQ(b.stuecke().size(), 2u);
  const auto mitte = std::find_if(b.stuecke().begin(), b.stuecke().end(), [](const auto& z) { return z.size() == 2; });
  ASSERT_NE(mitte, b.stuecke().end());
  EXPECT_NEAR(test::laenge(*mitte), 180, 1e-9);
  EXPECT_EQ(mitte->front().y, 100);
}

TEST(Sonderlinien, BitmaplinieWiederholtIhrBildEntlangDerLinie) {
  Komplexbild b;  // pixels of the bitmap are 2 pixels (half of 3, rounded up)
  b.segment(kStift, 11, 0, 100, 240, 100);
  const auto& s = b.stuecke();
  ASSERT_FALSE(s.empty());
  EXPECT_EQ(b.canvas.zustand.stift.breitePixel, 2);
  std::size_t erstePeriode = 0, zweitePeriode = 0;
  for (const auto& z : s) {
    for (const auto& p : z) EXPECT_LE(std::fabs(p.y - 100), 4 + 1e-9);
    erstePeriode += z[0].x < 24;
    zweitePeriode += z[0].x >= 24 && z[0].x < 48;
  }
  EXPECT_EQ(erstePeriode, zweitePeriode);
  EXPECT_GT(erstePeriode, 5u);
}

}  // namespace
}  // namespace quarzel
