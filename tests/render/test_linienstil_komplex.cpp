// Complex patterns and the special lines: section lengths, where the
// symbols go, waves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/render/test_linienstil_hilfe.h"

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

// Start x and length of every piece drawn, against the expected ones.
void erwarteStuecke(const Linienbild& b, std::vector<std::pair<double, double>> erwartet) {
  ASSERT_EQ(b.stuecke().size(), erwartet.size());
  for (std::size_t i = 0; i < erwartet.size(); ++i) {
    EXPECT_NEAR(b.stuecke()[i][0].x, erwartet[i].first, 1e-9) << i;
    EXPECT_NEAR(test::laenge(b.stuecke()[i]), erwartet[i].second, 1e-9) << i;
  }
}

TEST(Abschnittssymbole, SymboleSitzenInIhremAbschnittVonZweiStiftbreiten) {
  // Sections of 6 pixels; a symbol of 12 codes repeats every 72 pixels.
  const struct {
    const char* name;
    std::initializer_list<std::uint8_t> codes;
    double bis;
    std::vector<std::pair<double, double>> stuecke;
  } faelle[] = {
      {"upright stroke, h to each side", {kSenkrecht}, 200, {{3, 6}, {75, 6}, {147, 6}}},
      {"long lines join into one", {kLinie, kLinie, kLinie}, 144, {{0, 18}, {72, 18}}},
      {"short line in the middle half, dot in the middle", {kLinie | kPunkt, kPunkt}, 60, {{1.5, 3}, {9, 1}}},
      {"square of side 0.6 L, outline closed", {kQuadrat}, 60, {{1.2, 14.4}}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    Komplexbild b;
    b.muster(f.codes);
    b.segment(kStift, kMuster1, 0, 100, f.bis, 100);
    erwarteStuecke(b, f.stuecke);
  }
  // A long line runs on over the corner of a polyline.
  Komplexbild b;
  b.muster({kLinie, kLinie, kLinie, kLinie});
  b.polylinie(kStift, kMuster1, {{10, 10}, {19, 10}, {19, 100}});
  ASSERT_FALSE(b.stuecke().empty());
  EXPECT_NEAR(test::laenge(b.stuecke()[0]), 24, 1e-9);
  EXPECT_EQ(b.stuecke()[0][0].x, 10);
}

TEST(Abschnittslaenge, Stift99UndFesteLaengeMitMindestensEinemPixel) {
  Komplexbild b;
  b.muster({kSenkrecht});
  b.segment(99, kMuster1, 0, 100, 200, 100);
  ASSERT_GE(b.stuecke().size(), 2u);
  EXPECT_NEAR(b.stuecke()[1][0].x - b.stuecke()[0][0].x, 60, 1e-9);  // 12 sections of 5
  b.canvas.leeren();
  b.segment(99, 91, 0, 100, 200, 100);  // "1s3p": five long sections of 2, its first dot in section 6
  ASSERT_GE(b.stuecke().size(), 2u);
  EXPECT_NEAR(test::laenge(b.stuecke()[0]), 10, 1e-9);
  EXPECT_NEAR(b.stuecke()[1][0].x, 13, 1e-9);

  // A fixed length is half a millimetre divided by the zoom.
  b.stile.komplexes(1).fixedSection = 1;
  b.stile.komplexes(1).sectionLength = 2;
  b.neu();
  b.canvas.leeren();
  b.segment(kStift, kMuster1, 0, 100, 300, 100);
  erwarteStuecke(b, {{5, 10}, {125, 10}, {245, 10}});
  // Never under one pixel: 0.01 mm at 10 mm per pixel.
  b.stile.komplexes(1).sectionLength = 0.01;
  b.parameter.zoom = 10;
  b.neu();
  b.canvas.leeren();
  b.segment(kStift, kMuster1, 0, 100, 100, 100);
  ASSERT_GE(b.stuecke().size(), 2u);
  EXPECT_NEAR(b.stuecke()[1][0].x - b.stuecke()[0][0].x, 12, 1e-9);
}

TEST(Sonderlinien, WelleBleibtInnerhalbDerAmplitudeUndZickzackMitMittellinieHatZweiZuege) {
  Komplexbild w;
  w.segment(kStift, 41, 0, 100, 180, 100);
  ASSERT_EQ(w.stuecke().size(), 1u);
  double hoechste = 0;
  for (const auto& p : w.stuecke()[0]) hoechste = std::max(hoechste, std::fabs(p.y - 100));
  EXPECT_NEAR(hoechste, 4.5, 1e-9);
  Komplexbild b;
  b.segment(kStift, 42, 0, 100, 180, 100);
  ASSERT_EQ(b.stuecke().size(), 2u);
  const auto mitte = std::find_if(b.stuecke().begin(), b.stuecke().end(), [](const auto& z) { return z.size() == 2; });
  ASSERT_NE(mitte, b.stuecke().end());
  EXPECT_NEAR(test::laenge(*mitte), 180, 1e-9);
  EXPECT_EQ(mitte->front().y, 100);
  // The chain of links: 15 runs per period of 12 squares of 2 pixels.
  Komplexbild k;
  k.segment(kStift, 11, 0, 100, 48, 100);
  EXPECT_EQ(k.stuecke().size(), 30u);
}

}  // namespace
}  // namespace quarzel
