// The pen table: defaults, the "Stiftbreiten" section of the configuration
// file, and the pixel widths of a redraw.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "display/einstellungen_anzeige.h"
#include "display/inidatei.h"
#include "display/stifte.h"
#include "display/zeichenlauf.h"

namespace quarzel {
namespace {

// --- Table and configuration ----------------------------------------------------

TEST(Stifttabelle, VorgabenSindDieDinReiheUndDieGrundfarben) {
  const Stifttabelle t;
  EXPECT_EQ(t.penWidth[0], 0);
  EXPECT_EQ(t.penWidth[1], 0.18);
  EXPECT_EQ(t.penWidth[8], 2.0);
  EXPECT_EQ(t.penWidth[9], 1.0);
  EXPECT_EQ(t.penWidth[24], 1.0);
  EXPECT_EQ(t.penColour[0], rgb(128, 128, 128));
  EXPECT_EQ(t.penColour[1], rgb(255, 128, 0));
  EXPECT_EQ(t.penColour[8], rgb(0, 255, 0));
  EXPECT_EQ(t.penColour[24], Farbe(8421504));
  EXPECT_FALSE(t.penNormWidths);
}

TEST(Stifttabelle, FehlendeStifte9Bis24KommenAlsEinMillimeterUndGrauZurueck) {
  const IniDatei ini = IniDatei::ausText("[Stiftbreiten]\nStiftBreite3=0,4\nStiftFarbe3=255\n");
  Stifttabelle t;
  t.penWidth[12] = 3;
  t.penColour[12] = rgb(1, 2, 3);
  leseStifte(ini, t);
  EXPECT_EQ(t.penWidth[3], 0.4);  // decimal comma
  EXPECT_EQ(t.penColour[3], rgb(255, 0, 0));
  for (int n = 9; n <= 24; ++n) {
    EXPECT_EQ(t.penWidth[static_cast<std::size_t>(n)], 1.0) << n;
    EXPECT_EQ(t.penColour[static_cast<std::size_t>(n)], Farbe(8421504)) << n;
  }
}

TEST(Stifttabelle, SchreibenUndLesenGebenDieTabelleZurueck) {
  Stifttabelle t;
  t.penWidth[5] = 0.65;
  t.penWidth[17] = 2.25;
  t.penColour[17] = rgb(10, 20, 30);
  IniDatei ini;
  schreibeStifte(t, ini);
  EXPECT_EQ(ini.wert("Stiftbreiten", "StiftBreite0"), "0");
  EXPECT_EQ(ini.wert("Stiftbreiten", "StiftBreite17"), "2.25");
  EXPECT_EQ(ini.wert("Stiftbreiten", "StiftFarbe17"), std::to_string(rgb(10, 20, 30)));
  Stifttabelle gelesen;
  leseStifte(ini, gelesen);
  EXPECT_EQ(gelesen, t);
}

TEST(Stifttabelle, NormbreiteSperrtDieStifte1Bis8AufDieDinWerte) {
  const IniDatei ini = IniDatei::ausText("[Stiftbreiten]\nNormbreite=1\nStiftBreite2=0,9\nStiftBreite9=0,9\n");
  Stifttabelle t;
  leseStifte(ini, t);
  EXPECT_TRUE(t.penNormWidths);
  EXPECT_EQ(t.penWidth[2], 0.25);
  EXPECT_EQ(t.penWidth[9], 0.9);  // outside the DIN series
}

TEST(Stifttabelle, FarbenWerdenAlsReinesRgbGeschrieben) {
  Stifttabelle t;
  t.penColour[4] = 0x02FF00FF;  // a platform flag in the high byte
  EXPECT_EQ(t.alsEinstellung().farbe[4], Farbe(0xFF00FF));
}

TEST(Stifttabelle, ModellstifteSchrumpfenMitDemMassstab) {
  Stifttabelle t;
  EXPECT_EQ(t.penWidth[124], 240);  // pen 100 + k: k cm in the model
  EXPECT_DOUBLE_EQ(t.blattbreite(124, 100), 2.4);
  EXPECT_DOUBLE_EQ(t.blattbreite(124, 0), 240);  // an unusable scale counts as 1:1
  EXPECT_DOUBLE_EQ(t.blattbreite(3, 100), 0.35);
  EXPECT_EQ(t.blattbreite(-1, 100), 0);
  EXPECT_EQ(t.blattbreite(256, 100), 0);
}

// --- Pixel widths of a redraw ---------------------------------------------------------

struct Lauf {
  Stifttabelle stifte;
  Linienstiltabelle stile;
  Zeichenlauf mit(Laufparameter p) { return Zeichenlauf(stifte, stile, p); }
};

TEST(Stiftpixelbreiten, HaarlinieIstEinPixelImMindestbreitenDruckDrei) {
  Lauf l;
  EXPECT_EQ(l.mit({.zoom = 0.01}).penPixelWidth(0), 1);
  EXPECT_EQ(l.mit({.zoom = 0.01, .mindestbreite = true}).penPixelWidth(0), 3);
}

TEST(Stiftpixelbreiten, BenutzerstifteSindBreiteDurchZoomGerundet) {
  Lauf l;
  const Zeichenlauf z = l.mit({.zoom = 0.1});
  EXPECT_EQ(z.penPixelWidth(1), 2);                     // 1.8
  EXPECT_EQ(z.penPixelWidth(2), 2);                     // 2.5 goes to the even neighbour
  EXPECT_EQ(l.mit({.zoom = 0.2}).penPixelWidth(4), 2);  // 2.5 as well
  EXPECT_EQ(l.mit({.zoom = 0.2}).penPixelWidth(7), 7);
  EXPECT_EQ(z.penPixelWidth(8), 20);
  EXPECT_EQ(l.mit({.zoom = 1}).penPixelWidth(2), 0);  // drawn as one pixel, see below
}

TEST(Stiftpixelbreiten, ModellstifteTeilenDurchMassstabUndZoom) {
  Lauf l;
  l.stifte.penWidth[150] = 50;  // 5 cm in the model
  EXPECT_EQ(l.mit({.zoom = 0.05, .drawingScale = 100}).penPixelWidth(150), 10);
  EXPECT_EQ(l.mit({.zoom = 0.05, .drawingScale = 50}).penPixelWidth(150), 20);
}

TEST(Stiftpixelbreiten, MindestbreitenDruckHebtAllesUnterDreiAufDrei) {
  Lauf l;
  const Zeichenlauf z = l.mit({.zoom = 0.1, .mindestbreite = true});
  EXPECT_EQ(z.penPixelWidth(1), 3);
  EXPECT_EQ(z.penPixelWidth(8), 20);
}

TEST(Stiftpixelbreiten, WerdenFuerEinenNeuenZoomNeuBerechnet) {
  Lauf l;
  Zeichenlauf z = l.mit({.zoom = 0.1});
  z.computePenPixelWidths(0.05);
  EXPECT_EQ(z.zoom(), 0.05);
  EXPECT_EQ(z.penPixelWidth(8), 40);
}

TEST(Stiftpixelbreiten, UnbrauchbarerZoomZaehltAlsEins) {
  Lauf l;
  for (const double zoom : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN()}) {
    const Zeichenlauf z = l.mit({.zoom = zoom});
    EXPECT_EQ(z.zoom(), 1.0);
    EXPECT_EQ(z.penPixelWidth(8), 2);
  }
}

TEST(Stiftpixelbreiten, RiesigeBreitenWerdenBegrenzt) {
  Lauf l;
  const Zeichenlauf z = l.mit({.zoom = 0.003125, .drawingScale = 1});
  EXPECT_EQ(z.penPixelWidth(199), Zeichenlauf::kGroesstePixelbreite);
}

TEST(Zeichenbreiten, Stift98IstDreiUnd99EinsOderZweiPixel) {
  Lauf l;
  const Zeichenlauf z = l.mit({.zoom = 0.01});
  EXPECT_EQ(z.stiftbreitePixel(98, 1), 3);
  EXPECT_EQ(z.stiftbreitePixel(98, 12), 3);
  EXPECT_EQ(z.stiftbreitePixel(99, 2), 2);
  EXPECT_EQ(z.stiftbreitePixel(99, 12), 1);   // complex user pattern
  EXPECT_EQ(z.stiftbreitePixel(99, 100), 1);  // predefined complex pattern
}

TEST(Zeichenbreiten, KosmetischeStileSindImmerEinPixel) {
  Lauf l;
  const Zeichenlauf z = l.mit({.zoom = 0.01});
  EXPECT_EQ(z.stiftbreitePixel(8, 52), 1);
  EXPECT_EQ(z.stiftbreitePixel(8, 69), 1);
  EXPECT_EQ(z.stiftbreitePixel(8, 70), 200);
}

TEST(Zeichenbreiten, OhneEchteBreitenIstJederStiftEinPixel) {
  Lauf l;
  const Zeichenlauf z = l.mit({.zoom = 0.01, .echteBreiten = false});
  for (int pen : {0, 1, 8, 24, 150}) EXPECT_EQ(z.stiftbreitePixel(pen, 1), 1) << pen;
  EXPECT_EQ(z.stiftbreitePixel(98, 1), 3);  // the special pens keep theirs
  EXPECT_EQ(z.musterbreitePixel(8, 12), 200);
}

TEST(Zeichenbreiten, NieUnterEinemPixel) {
  Lauf l;
  const Zeichenlauf z = l.mit({.zoom = 10});
  EXPECT_EQ(z.penPixelWidth(2), 0);
  EXPECT_EQ(z.stiftbreitePixel(2, 1), 1);
  EXPECT_EQ(z.stiftbreitePixel(300, 1), 1);
}

TEST(Zeichenbreiten, WeltpunkteWerdenMitZoomUndUrsprungUmgerechnet) {
  Lauf l;
  const Zeichenlauf z = l.mit({.zoom = 0.5, .originX = 100, .originY = 200});
  const Pixelpunkt p = z.nachPixel(110, 190);
  EXPECT_EQ(p.x, 20);
  EXPECT_EQ(p.y, -20);
}

}  // namespace
}  // namespace quarzel
