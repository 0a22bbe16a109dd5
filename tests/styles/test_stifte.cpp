// The pen table: the "Stiftbreiten" section of the configuration file, the
// DIN lock, model pens and the pixel widths of a redraw.
#include <gtest/gtest.h>

#include <limits>

#include "base/inidatei.h"
#include "render/zeichenlauf.h"
#include "settings/einstellungen_anzeige.h"
#include "styles/stifte.h"

namespace quarzel {
namespace {

// --- Table and configuration ----------------------------------------------------

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
  einstellung::Stiftbreiten e;
  e.lese(ini);
  Stifttabelle gelesen;
  gelesen.uebernimm(e);
  EXPECT_EQ(gelesen, t);
  t.penColour[4] = 0x02FF00FF;  // a platform flag in the high byte is not written
  EXPECT_EQ(t.alsEinstellung().farbe[4], Farbe(0xFF00FF));
}

TEST(Stifttabelle, NormbreiteSperrtDieStifte1Bis8AufDieDinWerte) {
  const IniDatei ini = IniDatei::ausText("[Stiftbreiten]\nNormbreite=1\nStiftBreite2=0,9\nStiftBreite9=0,9\n");
  einstellung::Stiftbreiten e;
  e.lese(ini);
  Stifttabelle t;
  t.uebernimm(e);
  EXPECT_TRUE(t.penNormWidths);
  EXPECT_EQ(t.penWidth[2], 0.25);
  EXPECT_EQ(t.penWidth[9], 0.9);  // outside the DIN series
}

TEST(Stifttabelle, ModellstifteSchrumpfenMitDemMassstab) {
  Stifttabelle t;
  EXPECT_EQ(t.penWidth[124], 240);  // pen 100 + k: k cm in the model
  EXPECT_DOUBLE_EQ(t.blattbreite(124, 100), 2.4);
  EXPECT_DOUBLE_EQ(t.blattbreite(124, 0), 240);  // an unusable scale counts as 1:1
  EXPECT_DOUBLE_EQ(t.blattbreite(3, 100), 0.35);
  EXPECT_EQ(std::tuple(t.blattbreite(-1, 100), t.blattbreite(256, 100)), std::tuple(0.0, 0.0));
}

// --- Pixel widths of a redraw ---------------------------------------------------------

struct Lauf {
  Stifttabelle stifte;
  Linienstiltabelle stile;
  Zeichenlauf mit(Laufparameter p) { return Zeichenlauf(stifte, stile, p); }
};

TEST(Stiftpixelbreiten, BreiteDurchZoomGerundetMitDenFestgelegtenAusnahmen) {
  struct Fall {
    Laufparameter p;
    int stift;
    int pixel;
  };
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Fall faelle[] = {
      {{.zoom = 0.01}, 0, 1},  // hairline
      {{.zoom = 0.01, .mindestbreite = true}, 0, 3},
      {{.zoom = 0.1}, 1, 2},  // 1.8
      {{.zoom = 0.1}, 2, 2},  // 2.5 goes to the even neighbour
      {{.zoom = 0.2}, 4, 2},  // 2.5 as well
      {{.zoom = 0.2}, 7, 7},
      {{.zoom = 0.1}, 8, 20},
      {{.zoom = 1}, 2, 0},  // drawn as one pixel, see below
      {{.zoom = 0.1, .mindestbreite = true}, 1, 3},
      {{.zoom = 0.1, .mindestbreite = true}, 8, 20},
      {{.zoom = 0.05, .drawingScale = 100}, 150, 10},  // 5 cm in the model
      {{.zoom = 0.05, .drawingScale = 50}, 150, 20},
      {{.zoom = 0.003125, .drawingScale = 1}, 199, Zeichenlauf::kGroesstePixelbreite},
      {{.zoom = 0}, 8, 2},  // an unusable zoom counts as 1
      {{.zoom = -1}, 8, 2},
      {{.zoom = nan}, 8, 2},
  };
  for (const Fall& f : faelle) {
    Lauf l;
    l.stifte.penWidth[150] = 50;
    EXPECT_EQ(l.mit(f.p).penPixelWidth(f.stift), f.pixel) << f.p.zoom << " " << f.stift;
  }
  Lauf l;
  Zeichenlauf z = l.mit({.zoom = 0});
  EXPECT_EQ(z.zoom(), 1.0);
  z.computePenPixelWidths(0.05);
  EXPECT_EQ(z.zoom(), 0.05);
  EXPECT_EQ(z.penPixelWidth(8), 40);
}

TEST(Zeichenbreiten, SonderstifteKosmetischeStileUndNieUnterEinemPixel) {
  struct Fall {
    Laufparameter p;
    int stift, stil, pixel;
  };
  const Fall faelle[] = {
      {{.zoom = 0.01}, 98, 1, 3},
      {{.zoom = 0.01}, 98, 12, 3},
      {{.zoom = 0.01}, 99, 2, 2},
      {{.zoom = 0.01}, 99, 12, 1},   // complex user pattern
      {{.zoom = 0.01}, 99, 100, 1},  // predefined complex pattern
      {{.zoom = 0.01}, 8, 52, 1},
      {{.zoom = 0.01}, 8, 69, 1},
      {{.zoom = 0.01}, 8, 70, 200},
      {{.zoom = 10}, 2, 1, 1},
      {{.zoom = 10}, 300, 1, 1},
      // Without true widths every pen is one pixel but the special pens keep theirs.
      {{.zoom = 0.01, .echteBreiten = false}, 0, 1, 1},
      {{.zoom = 0.01, .echteBreiten = false}, 8, 1, 1},
      {{.zoom = 0.01, .echteBreiten = false}, 150, 1, 1},
      {{.zoom = 0.01, .echteBreiten = false}, 98, 1, 3},
  };
  for (const Fall& f : faelle) {
    Lauf l;
    EXPECT_EQ(l.mit(f.p).stiftbreitePixel(f.stift, f.stil), f.pixel) << f.stift << " " << f.stil;
  }
  // Pattern sizes still follow the true width.
  Lauf l;
  EXPECT_EQ(l.mit({.zoom = 0.01, .echteBreiten = false}).musterbreitePixel(8, 12), 200);
}

}  // namespace
}  // namespace quarzel
