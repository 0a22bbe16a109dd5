// The empty-sheet picture (sheet display and normal view, border, grid) and
// the status bar texts.
#include <gtest/gtest.h>

#include <algorithm>

#include "support/aufzeichnungscanvas.h"
#include "view/blattdarstellung.h"

namespace quarzel {
namespace {

// A 297 x 210 sheet at 1 mm per pixel, its top-left corner on pixel (50, 40).
Ansicht blattansicht() {
  Ansicht a{.sheetWidth = 297,
            .sheetHeight = 210,
            .sheetLeft = 4852,
            .sheetTop = 4895,
            .zoom = 1,
            .viewOriginX = 4802,
            .viewOriginY = 4855,
            .areaWidth = 400,
            .areaHeight = 300};
  a.gridOrigin = {4872, 5085};
  return a;
}

TEST(Blattansicht, BlattdarstellungFuelltUmgebungGrauUndBlattWeiss) {
  Ansicht a = blattansicht();
  a.layoutView = true;
  Aufzeichnungscanvas canvas(400, 300);
  zeichneBlattansicht(canvas, a, false);
  ASSERT_EQ(canvas.fuellungen.size(), 2u);
  EXPECT_EQ(std::tuple(canvas.fuellungen[0].farbe, canvas.fuellungen[0].rechteck.breite, canvas.fuellungen[1].farbe),
            std::tuple(rgb(232, 232, 232), 400, rgb(255, 255, 255)));
  const Pixelrechteck blatt = canvas.fuellungen[1].rechteck;
  EXPECT_EQ(std::tuple(blatt.links, blatt.oben, blatt.breite, blatt.hoehe), std::tuple(50, 40, 297, 210));

  a.layoutView = false;
  Aufzeichnungscanvas normal(400, 300);
  zeichneBlattansicht(normal, a, false);
  ASSERT_EQ(normal.fuellungen.size(), 1u);
  EXPECT_EQ(normal.fuellungen[0].farbe, rgb(255, 255, 255));
}

TEST(Blattansicht, SchwarzerRahmenUndDanachDasRasterWennVerlangt) {
  Aufzeichnungscanvas ohne(400, 300), mit(400, 300);
  zeichneBlattansicht(ohne, blattansicht(), false);
  zeichneBlattansicht(mit, blattansicht(), true);
  ASSERT_EQ(ohne.polylinien.size(), 1u);
  const auto& rahmen = ohne.polylinien[0];
  ASSERT_EQ(rahmen.punkte.size(), 5u);
  EXPECT_EQ(std::tuple(rahmen.zustand.stift.farbe, rahmen.punkte[0].x, rahmen.punkte[2].x, rahmen.punkte[2].y),
            std::tuple(rgb(0, 0, 0), 50, 347, 250));
  EXPECT_TRUE(ohne.pixelListe.empty());
  EXPECT_TRUE(mit.hatPixel(70, 230));  // the grid origin
  EXPECT_LT(std::find(mit.protokoll.begin(), mit.protokoll.end(), "polylinie"),
            std::find(mit.protokoll.begin(), mit.protokoll.end(), "pixel"));
}

TEST(Statustexte, BlattUndMassstab) {
  EXPECT_EQ(blattStatustext("Blatt 1", 297, 210), "Blatt 1  297*210 mm");
  EXPECT_EQ(std::tuple(massstabStatustext(100), massstabStatustext(12.5), massstabStatustext(10000000)),
            std::tuple("M 1:100", "M 1:12.5", "M 1:10000000"));
}

}  // namespace
}  // namespace quarzel
