// The gradient and bitmap modules driven as the state machine would: each
// gradient tool adds one gradient of its type with both colours, and undo
// takes it away; a placed picture keeps its proportions, and each bitmap
// tool changes the embedded pixels and the frame as one undo step.
#include <gtest/gtest.h>

#include "edit/bitmapwerkzeuge.h"
#include "edit/verlaufswerkzeuge.h"
#include "render/bilddekoder.h"
#include "render/bildkodierer.h"
#include "support/werkzeugnummer.h"
#include "support/edit/test_zeichenwerkzeuge_hilfen.h"

namespace quarzel::test {
namespace {

TEST_F(Zeichenwerkzeuge, JederVerlaufIstEinVerlaufSeinerArtMitBeidenFarbenAlsEinSchritt) {
  // The right button after `rechtsNach` clicks (0: none); the points of the
  // stored outline (areas closed by their first point).
  struct Fall {
    int werkzeug;
    std::vector<Weltpunkt> klicks;
    std::size_t rechtsNach, punkte;
  };
  const std::vector<Weltpunkt> dreieck{{5000, 5000}, {5040, 5000}, {5020, 5030}};
  // clang-format off
  const std::vector<Fall> faelle{
      {400, {{5000, 5000}, {5040, 5000}, {5030, 5020}}, 0, 5}, {401, {{5000, 5000}, {5040, 5030}}, 0, 5},
      {402, dreieck, 3, 4}, {403, dreieck, 3, 4},
      {404, {{5000, 5000}, {5020, 5000}}, 0, 73}, {405, {{5000, 5000}, {5000, 5020}}, 0, 73},
      {406, {{5000, 5000}, {5020, 5000}}, 0, 6},
      // The second polygon ends by itself at as many corners as the first.
      {407, {{5000, 5000}, {5040, 5000}, {5020, 5030}, {5010, 5010}, {5030, 5010}, {5020, 5020}}, 3, 6}};
  // clang-format on
  Verlaufswerkzeuge m;
  m.vorgabe = {.farbe = rgb(200, 0, 0), .farbe2 = rgb(0, 0, 200), .eckenzahl = 5};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.werkzeug);
    starte(wz(f.werkzeug));
    for (std::size_t i = 0; i < f.klicks.size(); ++i) {
      klick(m, f.klicks[i].x, f.klicks[i].y);
      if (i + 1 == f.rechtsNach) m.zweiteTaste(u, f.klicks[i]);
    }
    ASSERT_EQ(lebende().size(), 1u);
    const std::int32_t n = lebende()[0];
    ASSERT_EQ(z.speicher.art(n), Elementart::Verlauf);
    const Tpolygondaten& d = z.speicher.polygon(n);
    EXPECT_EQ(z.speicher.verlaufstyp(n)->basis, f.werkzeug - 400);
    EXPECT_EQ(std::tuple(d.farbe, d.farbe2, d.punktanzahl()), std::tuple(rgb(200, 0, 0), rgb(0, 0, 200), f.punkte));
    EXPECT_EQ(d.wert2, f.werkzeug == 406 ? 5 : 0);
    // Linear: across the run from the first point, as wide as the third point lies off it.
    EXPECT_TRUE(f.werkzeug != 400 || d.y == (std::vector<double>{5000, 5000, 5020, 5020, 5000}));
    z.speicher.rueckgaengig();
    EXPECT_TRUE(lebende().empty());
  }
}

// A 4 × 2 picture whose pixels all differ.
Rasterbild probebild() {
  Rasterbild b{4, 2, {}};
  for (int i = 0; i < 8; ++i) b.rgba.insert(b.rgba.end(), {std::uint8_t(30 * i), std::uint8_t(255 - 30 * i), 7, 255});
  return b;
}
std::array<std::uint8_t, 4> px(const Rasterbild& b, int x, int y) {
  const auto i = static_cast<std::size_t>((y * b.breite + x) * 4);
  return {b.rgba[i], b.rgba[i + 1], b.rgba[i + 2], b.rgba[i + 3]};
}

class Bitmaps : public Zeichenwerkzeuge {
 protected:
  // Places the picture into 5000,5000 .. 5040,5040: fitted, 40 × 20.
  void SetUp() override {
    Zeichenwerkzeuge::SetUp();
    ASSERT_TRUE(m.bildVormerken(kodierePng(alt)));
    starte(wz(450));
    zs.knopf = kBildEinfuegenKnopf;
    klicks(m, {{5000, 5000}, {5040, 5040}});
    zs.knopf = 0;
    ASSERT_EQ(lebende().size(), 1u);
    ASSERT_EQ(bitmap().platzierung, platz);
  }
  const Tbitmapdaten& bitmap() const { return z.speicher.bitmap(lebende().at(0)); }
  Rasterbild bild() const { return dekodiereBild(bitmap().daten).value_or(Rasterbild{}); }
  Bitmapwerkzeuge m;
  const Rasterbild alt = probebild();
  const std::array<double, 6> platz{5000, 5000, 5040, 5020, 0, 0};
};

TEST_F(Bitmaps, JedesWerkzeugAendertBildUndRahmenAlsEinSchritt) {
  struct Fall {
    int werkzeug;
    std::vector<Weltpunkt> klicks;  // after the pick at 5005,5005
    int breite, hoehe;
    std::array<double, 4> rahmen;
    // Pixel x, y of the result is pixel ax, ay of the original (ax -1: transparent).
    std::vector<std::array<int, 4>> proben;
  };
  // clang-format off
  const std::vector<Fall> faelle{
      {450, {{5000, 5000}, {5080, 5010}}, 4, 2, {5000, 5000, 5080, 5010}, {{0, 0, 0, 0}, {3, 1, 3, 1}}},
      {451, {{5015, 5005}, {5025, 5030}}, 2, 2, {5010, 5000, 5030, 5020}, {{0, 1, 1, 1}, {1, 0, 2, 0}}},
      {452, {}, 4, 2, {5000, 5000, 5040, 5020}, {{0, 0, 3, 0}, {1, 1, 2, 1}}},
      {453, {}, 4, 2, {5000, 5000, 5040, 5020}, {{0, 0, 0, 1}, {2, 1, 2, 0}}},
      {454, {}, 2, 4, {5010, 4990, 5030, 5030}, {{0, 0, 0, 1}, {1, 0, 0, 0}, {0, 3, 3, 1}}},
      {455, {}, 4, 2, {5000, 5000, 5040, 5020}, {{0, 0, -1, 0}, {1, 0, 1, 0}}},
      {456, {{5000, 5000}, {5025, 5000}, {5000, 5025}}, 2, 2, {5000, 5000, 5020, 5020}, {{0, 0, 0, 0}, {1, 1, -1, 0}}},
      {457, {{5010, 5000}, {5040, 5016}}, 3, 2, {5010, 5000, 5040, 5020}, {{0, 0, 1, 0}, {0, 1, -1, 0}, {1, 1, 2, 1}}},
  };
  // clang-format on
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.werkzeug);
    starte(wz(f.werkzeug));
    klick(m, 5005, 5005);
    for (Weltpunkt p : f.klicks) klick(m, p.x, p.y);
    if (f.werkzeug == 456) m.zweiteTaste(u, {});
    ASSERT_EQ(lebende().size(), 1u);
    const Rasterbild b = bild();
    ASSERT_EQ(std::pair(b.breite, b.hoehe), std::pair(f.breite, f.hoehe));
    const auto& q = bitmap().platzierung;
    EXPECT_EQ((std::array<double, 4>{q[0], q[1], q[2], q[3]}), f.rahmen);
    for (const auto& [x, y, ax, ay] : f.proben) {
      if (ax < 0)
        EXPECT_EQ(px(b, x, y)[3], 0) << x << "," << y;
      else
        EXPECT_EQ(px(b, x, y), px(alt, ax, ay)) << x << "," << y;
    }
    z.speicher.rueckgaengig();
    EXPECT_EQ(bild().rgba, alt.rgba);
    EXPECT_EQ(bitmap().platzierung, platz);
  }
  EXPECT_FALSE(m.bildVormerken({1, 2, 3})) << "no picture";
}

}  // namespace
}  // namespace quarzel::test
