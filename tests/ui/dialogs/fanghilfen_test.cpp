// The dialog "Rastereinstellungen", driven as a user would: fields changed,
// "&OK" pressed.
#include <gtest/gtest.h>

#include "ui/dialogs/rasterdialog.h"

namespace quarzel {
namespace {

TEST(Rasterdialog, WerteGehenInAnsichtEinstellungenUndFangen) {
  Ansicht a;
  einstellung::Zeichenhilfen z;
  Fangeinstellungen f;
  Rasterwerte w = rasterwerte(a, false, z, f);
  w.abstandX = 7.5;
  w.abstandY = 3;
  w.drehen = true;
  w.winkel = -45;
  w.laengenraster = true;
  w.winkelraster = true;
  w.schrittweite = 22.5;
  bool quadratisch = true;
  uebernimmRasterwerte(w, a, quadratisch, z, f);
  EXPECT_EQ(a.gridSpacingX, 7.5);
  EXPECT_EQ(a.gridSpacingY, 3);
  EXPECT_EQ(a.gridAngle, -45.f);
  EXPECT_FALSE(quadratisch);
  EXPECT_TRUE(f.laengenraster);
  EXPECT_TRUE(z.laengenRaster);
  EXPECT_TRUE(z.winkelRaster);
  EXPECT_EQ(z.schrittweite, 22.5);
  // Impossible spacings keep the old grid.
  w.abstandX = 0;
  w.abstandY = std::nan("");
  uebernimmRasterwerte(w, a, quadratisch, z, f);
  EXPECT_EQ(a.gridSpacingX, 7.5);
  EXPECT_EQ(a.gridSpacingY, 3);
}

}  // namespace
}  // namespace quarzel
