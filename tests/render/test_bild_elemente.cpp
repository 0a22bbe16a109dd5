// Bitmaps, fills, metafiles and texture fills through the recording canvas:
// where the picture lands, turned pictures, damaged data, the placeholder.
#include <gtest/gtest.h>

#include <cmath>

#include "render/bildcache.h"
#include "render/bildelemente.h"
#include "render/bildlage.h"
#include "test_bild_hilfe.h"

namespace quarzel {
namespace {

using bildtest::alsPng;
using bildtest::Umgebung;
using bildtest::verlaufsbild;

std::int32_t bitmap(Umgebung& u, std::array<double, 6> platz, std::vector<std::uint8_t> daten,
                    Elementart art = Elementart::Bitmap) {
  Tbitmapdaten d;
  d.platzierung = platz;
  d.daten = std::move(daten);
  return u.zeichnung.speicher.neueBitmap(art, d);
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
  EXPECT_EQ(a.breite, 20);
  EXPECT_EQ(a.hoehe, 10);
  erwartePunkt(a.lage.obenLinks, 20, 20);
  erwartePunkt(a.lage.obenRechts, 220, 20);
  erwartePunkt(a.lage.untenLinks, 20, 120);
  zeichneBitmap(u.k(), bitmap(u, {0, 0, 10, 10, 0, 0}, alsPng(verlaufsbild(4, 4)), Elementart::Fuellung));
  EXPECT_EQ(u.canvas.rasterbilder.size(), 2u) << "a fill element draws like a bitmap";
}

TEST(Bitmapzeichnen, GedrehtesBildDrehtUmDieRahmenmitteGegenDenUhrzeiger) {
  const Bildlage l = bitmaplage({0, 0, 100, 50, 90, 0});
  // Centre (50, 25). A quarter turn counter-clockwise on the sheet (y down):
  // the top-left corner (−50, −25 from the centre) goes to (−25, +50).
  erwartePunkt(l.obenLinks, 25, 75);
  erwartePunkt(l.obenRechts, 25, -25);
  erwartePunkt(l.untenLinks, 75, 75);
}

TEST(Bitmapzeichnen, KaputteDatenZeichnenNichts) {
  Umgebung u;
  std::vector<std::uint8_t> kaputt = alsPng(verlaufsbild(8, 8));
  kaputt.resize(kaputt.size() / 2);
  zeichneBitmap(u.k(), bitmap(u, {0, 0, 10, 10, 0, 0}, kaputt));
  zeichneBitmap(u.k(), bitmap(u, {0, 0, 10, 10, 0, 0}, {}));
  zeichneBitmap(u.k(), bitmap(u, {0, 0, 10, 10, std::nan(""), 0}, {1, 2, 3}));
  EXPECT_TRUE(u.canvas.rasterbilder.empty());
}

TEST(Bitmapzeichnen, BildAusserhalbWirdNichtDekodiert) {
  Umgebung u;
  Bildcache::programm().leeren();
  const std::size_t vorher = Bildcache::programm().dekodierungen();
  // A different picture from every other test, so the cache cannot hold it.
  zeichneBitmap(u.k(), bitmap(u, {3000, 3000, 3010, 3010, 0, 0}, alsPng(verlaufsbild(3, 7))));
  EXPECT_EQ(Bildcache::programm().dekodierungen(), vorher);
  EXPECT_TRUE(u.canvas.rasterbilder.empty());
}

TEST(Bitmapzeichnen, ZweiterBildaufbauDekodiertNichtNeu) {
  Umgebung u;
  const std::int32_t n = bitmap(u, {0, 0, 10, 10, 0, 0}, alsPng(verlaufsbild(5, 9)));
  zeichneBitmap(u.k(), n);
  const std::size_t nachErstem = Bildcache::programm().dekodierungen();
  zeichneBitmap(u.k(), n);
  zeichneBitmap(u.k(), n);
  EXPECT_EQ(Bildcache::programm().dekodierungen(), nachErstem);
  EXPECT_EQ(u.canvas.rasterbilder.size(), 3u);
}

TEST(Bitmapzeichnen, MarkiertesBildBekommtEinenRahmenInDerMarkierfarbe) {
  Umgebung u;
  const std::int32_t n = bitmap(u, {0, 0, 10, 10, 0, 0}, alsPng(verlaufsbild(4, 4)));
  u.zeichnung.speicher.setzeMarkiert(n, 1);
  zeichneBitmap(u.k(), n);
  ASSERT_EQ(u.canvas.polylinien.size(), 1u);
  EXPECT_EQ(u.canvas.polylinien[0].zustand.stift.farbe, u.darstellung.markierfarbe);
  EXPECT_EQ(u.canvas.polylinien[0].punkte.size(), 5u);
}

std::int32_t metafile(Umgebung& u, const std::string& inhalt) {
  Tmetafiledaten d;
  d.platzierung = {10, 10, 110, 60, 0, 0};
  d.daten.assign(inhalt.begin(), inhalt.end());
  return u.zeichnung.speicher.neuesMetafile(d);
}

TEST(Metafilezeichnen, SvgGehtAlsVektorbildAnDenCanvas) {
  Umgebung u;
  const std::string svg =
      "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 10 10\"><rect width=\"5\" height=\"5\"/></svg>";
  zeichneMetafile(u.k(), metafile(u, svg));
  ASSERT_EQ(u.canvas.vektorbilder.size(), 1u);
  erwartePunkt(u.canvas.vektorbilder[0].lage.obenLinks, 10, 10);
  erwartePunkt(u.canvas.vektorbilder[0].lage.untenLinks, 10, 60);
  EXPECT_TRUE(u.canvas.texte.empty());
}

TEST(Metafilezeichnen, WmfUndUnspielbaresGebenEinenGerahmtenPlatzhalter) {
  Umgebung u(0.25);  // the caption (3.5 mm at most) needs a few pixels
  // The placeable WMF signature: no decoder for it, a framed placeholder.
  zeichneMetafile(u.k(), metafile(u, std::string("\xD7\xCD\xC6\x9A\0\0", 6)));
  ASSERT_EQ(u.canvas.texte.size(), 1u);
  EXPECT_EQ(u.canvas.texte[0].text, "Metafile");
  ASSERT_EQ(u.canvas.polylinien.size(), 1u);
  EXPECT_EQ(u.canvas.polylinien[0].punkte.size(), 5u);

  Umgebung v(0.25);
  v.canvas.vektorbildSpielt = false;
  zeichneMetafile(v.k(), metafile(v, "<svg broken"));
  EXPECT_EQ(v.canvas.texte.size(), 1u);
}

TEST(Texturfuellung, KachelnDenUmrissImClipAus) {
  Umgebung u(0.25);  // one texture pixel (0.25 mm) is one canvas pixel
  u.zeichnung.optionen.texturen.push_back({"Ziegel", alsPng(verlaufsbild(10, 10))});
  Tpolygondaten d;
  d.x = {0, 10, 10, 0};
  d.y = {0, 0, 5, 5};
  d.fuellung.fuellwert = 1;
  d.fuellung.fuellflag = 2;  // texture
  d.fuellung.gefuellt = 1;
  const std::int32_t n = u.zeichnung.speicher.neuesPolygonMitPunkten(Elementart::Polygon, d);
  const std::vector<Pixelpunkt> umriss = {{0, 0}, {40, 0}, {40, 20}, {0, 20}};
  fuelleTextur(u.k(), n, umriss);
  // 40 × 20 pixels of 10-pixel tiles: 4 × 2.
  ASSERT_EQ(u.canvas.rasterbilder.size(), 8u);
  for (const auto& a : u.canvas.rasterbilder) EXPECT_TRUE(a.geclippt);
  EXPECT_EQ(u.canvas.clipAufhebungen, 1);
  erwartePunkt(u.canvas.rasterbilder[0].lage.obenLinks, 0, 0);
  erwartePunkt(u.canvas.rasterbilder[0].lage.obenRechts, 10, 0);
}

TEST(Texturfuellung, WinzigeKachelnWerdenAufEineHoechstzahlVergroessert) {
  Umgebung u(1000);  // far away: a texture pixel is far below one canvas pixel
  u.zeichnung.optionen.texturen.push_back({"Ziegel", alsPng(verlaufsbild(2, 2))});
  Tpolygondaten d;
  d.x = {0, 1};
  d.y = {0, 1};
  d.fuellung.fuellwert = 1;
  const std::int32_t n = u.zeichnung.speicher.neuesPolygonMitPunkten(Elementart::Polygon, d);
  const std::vector<Pixelpunkt> umriss = {{0, 0}, {800, 0}, {800, 600}, {0, 600}};
  fuelleTextur(u.k(), n, umriss);
  EXPECT_GT(u.canvas.rasterbilder.size(), 100u);
  EXPECT_LE(u.canvas.rasterbilder.size(), 4400u);
}

TEST(Texturfuellung, UnbekannteTexturnummerFuelltNichts) {
  Umgebung u;
  Tpolygondaten d;
  d.x = {0, 1};
  d.y = {0, 1};
  d.fuellung.fuellwert = 3;
  const std::int32_t n = u.zeichnung.speicher.neuesPolygonMitPunkten(Elementart::Polygon, d);
  const std::vector<Pixelpunkt> umriss = {{0, 0}, {80, 0}, {80, 60}};
  fuelleTextur(u.k(), n, umriss);
  EXPECT_TRUE(u.canvas.protokoll.empty());
}

}  // namespace
}  // namespace quarzel
