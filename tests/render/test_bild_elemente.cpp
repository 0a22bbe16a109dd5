// Bitmaps and metafiles through the recording canvas: where the picture
// lands, and the placeholder for what cannot be played.
#include <gtest/gtest.h>

#include "render/bildelemente.h"
#include "render/bildlage.h"
#include "render/bildverkleinerung.h"
#include "support/render/test_bild_hilfe.h"

namespace quarzel {
namespace {

using bildtest::alsPng;
using bildtest::Umgebung;
using bildtest::verlaufsbild;

std::int32_t bitmap(Umgebung& u, std::array<double, 6> platz, std::vector<std::uint8_t> daten,
                    Elementart art = Elementart::Bitmap) {
  return u.zeichnung.speicher.neueBitmap(art, {.platzierung = platz, .daten = std::move(daten)});
}

void erwartePunkt(Pixelpunkt p, double x, double y) {
  EXPECT_NEAR(p.x, x, 1e-9);
  EXPECT_NEAR(p.y, y, 1e-9);
}

TEST(Bitmapzeichnen, BildWirdInSeinenRahmenGestreckt) {
  Umgebung u(0.5);  // 2 pixels per millimetre
  // Corners given bottom-right first: the frame is upright whatever the order.
  const std::int32_t n = bitmap(u, {110, 60, 10, 10, 0, 0}, alsPng(verlaufsbild(20, 10)));
  zeichneBitmap(u.k(), n);
  ASSERT_EQ(u.canvas.rasterbilder.size(), 1u);
  const auto& a = u.canvas.rasterbilder[0];
  EXPECT_EQ(std::tuple(a.breite, a.hoehe), std::tuple(20, 10));
  erwartePunkt(a.lage.obenLinks, 20, 20);
  erwartePunkt(a.lage.obenRechts, 220, 20);
  erwartePunkt(a.lage.untenLinks, 20, 120);
  zeichneBitmap(u.k(), bitmap(u, {0, 0, 10, 10, 0, 0}, alsPng(verlaufsbild(4, 4)), Elementart::Fuellung));
  EXPECT_EQ(u.canvas.rasterbilder.size(), 2u) << "a fill element draws like a bitmap";
  // A frame whose sides become infinite in pixels (a damaged file) is left out.
  zeichneBitmap(u.k(), bitmap(u, {-1e308, 10, 1e308, 60, 0, 0}, alsPng(verlaufsbild(4, 4))));
  EXPECT_EQ(u.canvas.rasterbilder.size(), 2u);
}

std::int32_t metafile(Umgebung& u, const std::string& inhalt) {
  return u.zeichnung.speicher.neuesMetafile(
      {.platzierung = {10, 10, 110, 60, 0, 0}, .daten = {inhalt.begin(), inhalt.end()}});
}

TEST(Metafilezeichnen, SvgGehtAlsVektorbildAnDenCanvasWmfUndUnspielbaresGebenEinenPlatzhalter) {
  Umgebung u(0.25);  // the caption (3.5 mm at most) needs a few pixels
  zeichneMetafile(u.k(), metafile(u, "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\"/>"));
  ASSERT_EQ(u.canvas.vektorbilder.size(), 1u);
  erwartePunkt(u.canvas.vektorbilder[0].lage.obenLinks, 40, 40);
  erwartePunkt(u.canvas.vektorbilder[0].lage.untenLinks, 40, 240);
  EXPECT_TRUE(u.canvas.texte.empty());
  // The placeable WMF signature: no decoder for it, a framed placeholder.
  zeichneMetafile(u.k(), metafile(u, std::string("\xD7\xCD\xC6\x9A\0\0", 6)));
  ASSERT_EQ(u.canvas.texte.size(), 1u);
  EXPECT_EQ(u.canvas.texte[0].text, "Metafile");
  ASSERT_EQ(u.canvas.polylinien.size(), 1u);
  EXPECT_EQ(u.canvas.polylinien[0].punkte.size(), 5u);
  u.canvas.vektorbildSpielt = false;
  zeichneMetafile(u.k(), metafile(u, "<svg broken"));
  EXPECT_EQ(u.canvas.texte.size(), 2u);
}

// "Texturen auf 64 KB begrenzen": a texture fill hands the driver a picture
// within the budget, each pixel the mean of those it covers (a narrower last
// column when the width does not divide).
TEST(Texturfuellung, TexturenUeberDerGrenzeGehenVerkleinertAnDenCanvas) {
  Umgebung u(1);
  u.zeichnung.optionen.texturen.push_back({"Verlauf", alsPng(verlaufsbild(251, 100))});
  Tpolygondaten d{.x = {0, 100, 100}, .y = {0, 0, 100}};
  d.fuellung = {.fuellwert = 1, .fuellflag = 2, .gefuellt = 1};
  const std::int32_t n = u.zeichnung.speicher.neuesPolygonMitPunkten(Elementart::Polygon, d);
  const std::vector<Pixelpunkt> umriss{{0, 0}, {100, 0}, {100, 100}};
  fuelleTextur(u.k(), n, umriss);
  ASSERT_FALSE(u.canvas.rasterbilder.empty());
  EXPECT_EQ(std::tuple(u.canvas.rasterbilder.back().breite, u.canvas.rasterbilder.back().hoehe), std::tuple(251, 100));
  u.k().texturgrenze = 64 * 1024;
  fuelleTextur(u.k(), n, umriss);
  EXPECT_EQ(std::tuple(u.canvas.rasterbilder.back().breite, u.canvas.rasterbilder.back().hoehe), std::tuple(126, 50));

  const Rasterbild klein = verkleinertAuf(verlaufsbild(251, 100), 64 * 1024);
  ASSERT_EQ(klein.rgba.size(), 126u * 50 * 4);
  const auto pixel = [&](int x, int y) {
    const std::uint8_t* p = &klein.rgba[(std::size_t(y) * 126 + x) * 4];
    return std::tuple(int(p[0]), int(p[1]), int(p[2]), int(p[3]));
  };
  EXPECT_EQ(pixel(0, 0), std::tuple(1, 1, 77, 255));
  EXPECT_EQ(pixel(124, 49), std::tuple(249, 99, 77, 255));
  EXPECT_EQ(pixel(125, 0), std::tuple(250, 1, 77, 255));
}

}  // namespace
}  // namespace quarzel
