// Round figures, curves and point lists: their kinds, geometry in world
// millimetres, fill settings and the order of point lists; what a text
// element carries, and the colour words.

#include "support/macro/makrozeichner_hilfe.h"

namespace quarzel::test {
namespace {

// --- Arcs, circles, ellipses --------------------------------------------------

TEST_F(MakrozeichnerTest, ArcLiegtUmDenMittelpunktMitSkaliertemRadius) {
  z.ansicht.unitFactor = 0.1;  // cm
  z.ansicht.drawingScale = 10;
  ASSERT_EQ(lauf("2 3 5 30 120 ARC"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 1u);
  ASSERT_EQ(z.speicher.art(e[0]), Elementart::Bogen);
  const tbogendaten& b = z.speicher.bogen(e[0]);
  EXPECT_TRUE(nahe<4>({b.xm, b.ym, b.xr, b.yr}, {1002, 1997, 5, 5}));
  EXPECT_EQ(std::tuple(b.startwinkel, b.endwinkel, b.fuellung.gefuellt), std::tuple(30.0f, 120.0f, 0));
}

TEST_F(MakrozeichnerTest, CircleUmDenAktuellenPunktEinVollkreis) {
  ASSERT_EQ(lauf("10 10 MOVETO 4 CIRCLE 1 1 RLINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 2u);
  const tbogendaten& b = z.speicher.bogen(e[0]);
  EXPECT_EQ((std::array<double, 5>{b.xm, b.ym, b.xr, b.startwinkel, b.endwinkel}),
            (std::array<double, 5>{1010, 1990, 4, 0, 360}));
  EXPECT_EQ(linie(e[1]).x1, 1010);  // current point unchanged
}

TEST_F(MakrozeichnerTest, FcircleFuelltMitDerFuellfarbeUndBehaeltDenMakrostil) {
  ASSERT_EQ(lauf("9 SETDASH 0 0 255 RGBCOLOR crosshatch SETPATTERN 4 FCIRCLE"), std::nullopt);
  const tbogendaten& b = z.speicher.bogen(lebende()[0]);
  EXPECT_EQ(std::tuple(b.fuellung.gefuellt, b.fuellung.fuellwert, b.fuellung.schraffurName, b.linienstil),
            std::tuple(1, rgb(0, 0, 255), "crosshatch", 9));
  EXPECT_EQ(z.speicher.aktuell.linienstil, 9);  // restored after the add
}

// --- Curves and segments -----------------------------------------------------

TEST_F(MakrozeichnerTest, CurvetoIstEineBezierkurveBisZumEndpunkt) {
  ASSERT_EQ(lauf("0 0 MOVETO 15 30 30 0 CURVETO 40 0 LINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 2u);
  ASSERT_EQ(z.speicher.art(e[0]), Elementart::Bezier);
  const auto& q = z.speicher.bezier(e[0]).punkte;
  EXPECT_TRUE(nahe(q, {1000, 2000, 1010, 1980, 1020, 1980, 1030, 2000}));
  EXPECT_EQ(linie(e[1]).x1, 1030);  // current point at the end
}

// --- Point lists -------------------------------------------------------------

TEST_F(MakrozeichnerTest, DasWortBestimmtArtUndFuellungDerPunktliste) {
  using enum Elementart;
  const std::tuple<std::string, Elementart, bool> faelle[] = {
      {"POLYLINE", Polygon, false}, {"RPOLYLINE", Polygon, false}, {"AREA", Polygon, true},
      {"RAREA", Polygon, true},     {"SPLINE", Spline, false},     {"RSPLINE", Spline, false},
      {"FSPLINE", Spline, true},    {"RFSPLINE", Spline, true}};
  for (const auto& [wort, art, gefuellt] : faelle) {
    ASSERT_EQ(lauf("0 0 10 0 10 10 3 " + wort), std::nullopt) << wort;
    const std::int32_t n = lebende().back();
    EXPECT_EQ(std::pair(z.speicher.art(n), z.speicher.gefuellt(n)), std::pair(art, gefuellt)) << wort;
  }
}

TEST_F(MakrozeichnerTest, AreaNimmtDasZuletztGeschriebenePaarAlsErstenPunkt) {
  ASSERT_EQ(lauf("0 0 10 0 10 10 3 AREA"), std::nullopt);
  EXPECT_TRUE(s.leer());
  const Tpolygondaten& p = z.speicher.polygon(lebende()[0]);
  // Closed.
  EXPECT_EQ(std::tuple(p.x, p.y, p.fuellung.gefuellt),
            std::tuple(std::vector<double>{1010, 1010, 1000, 1010}, std::vector<double>{1990, 2000, 2000, 1990}, 1));
}

TEST_F(MakrozeichnerTest, ShowSetztDenTextMitAllenEinstellungenAmAktuellenPunkt) {
  ASSERT_EQ(lauf("10 20 MOVETO Courier SETFONT 5 SCALEFONT 30 TEXTROTATE 7 SETTEXTSTYLE 200 0 0 RGBCOLOR "
                 "Grundriss_EG SHOW"),
            std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 1u);
  EXPECT_EQ(z.speicher.art(e[0]), Elementart::Text);
  const Tfliestextdaten& t = z.speicher.text(e[0]);
  EXPECT_EQ(std::tuple(t.x, t.y, t.zeilen, t.schrift, t.hoehe, t.winkel, t.farbe),
            std::tuple(1010, 1980, std::vector<std::string>{"Grundriss EG"}, "Courier", 5.0f, 30.0f, rgb(200, 0, 0)));
  // Bold, italic, underlined.
  EXPECT_EQ(std::tuple(t.stil[0], t.stil[1], t.stil[2]), std::tuple(1, 1, 1));
  EXPECT_TRUE(s.leer());
}

// --- Colours ------------------------------------------------------------------

TEST_F(MakrozeichnerTest, FarbwoerterSetzenLinienUndFuellfarbe) {
  ASSERT_EQ(lauf("10 20 300 RGBCOLOR 0 0 10 0 10 10 3 AREA"), std::nullopt);
  const Tpolygondaten& p = z.speicher.polygon(lebende()[0]);
  // 300 is taken as a byte.
  EXPECT_EQ(std::tuple(p.farbe, p.fuellung.fuellwert), std::tuple(rgb(10, 20, 44), rgb(10, 20, 44)));

  ASSERT_EQ(lauf("0 255 55 CMYCOLOR 0 0 MOVETO 1 1 LINETO"), std::nullopt);
  EXPECT_EQ(linie(lebende().back()).farbe, rgb(255, 0, 200));

  ASSERT_EQ(lauf("100 SETGRAY 1 1 LINETO 0 SETGRAY 2 2 LINETO 50 SETGRAY 3 3 LINETO"), std::nullopt);
  const auto e = lebende();
  EXPECT_EQ(linie(e[e.size() - 3]).farbe, rgb(0, 0, 0));
  EXPECT_EQ(linie(e[e.size() - 2]).farbe, rgb(255, 255, 255));
  // 50 × 2.55 is just below 127.5 in binary: 255 - 127.
  EXPECT_EQ(linie(e[e.size() - 1]).farbe, rgb(128, 128, 128));

  ASSERT_EQ(lauf("120 50 100 HLSCOLOR 4 4 LINETO 0 50 100 HLSCOLOR 5 5 LINETO"), std::nullopt);
  EXPECT_EQ(linie(lebende()[lebende().size() - 2]).farbe, rgb(0, 255, 0));
  EXPECT_EQ(linie(lebende().back()).farbe, rgb(255, 0, 0));
  // Components must be whole numbers; a bad one pops nothing.
  EXPECT_EQ(lauf("1.5 0 0 RGBCOLOR"), Makrofehler::UnbekannterFehler);
  EXPECT_EQ(s.groesse(), 3u);
}

}  // namespace
}  // namespace quarzel::test
