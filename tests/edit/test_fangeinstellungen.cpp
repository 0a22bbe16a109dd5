// Snap settings: the bit order of the nine buttons as "FangenButtons" keeps
// them, the scope keys, and values from a file outside the dialog's ranges.
#include <gtest/gtest.h>

#include "edit/fangeinstellungen.h"

namespace quarzel {
namespace {

TEST(Fangeinstellungen, KnoepfeInDerReihenfolgeDerKonfiguration) {
  EXPECT_EQ(fangmodiAusKnoepfen({1, 0, 0, 0, 0, 0, 0, 0, 0}), FangEndpunkte);
  EXPECT_EQ(fangmodiAusKnoepfen({0, 0, 0, 0, 0, 0, 1, 0, 0}), FangKanten);
  EXPECT_EQ(fangmodiAusKnoepfen({0, 0, 0, 0, 0, 1, 0, 0, 0}), FangSchnittKreisKreis);
  EXPECT_EQ(fangmodiAusKnoepfen({0, 0, 0, 0, 0, 0, 0, 1, 0}), FangSchnittLiniePolygon);
  EXPECT_EQ(fangmodiAusKnoepfen({0, 0, 0, 0, 0, 0, 0, 0, 1}), FangSchnittPolygonPolygon);
  // Any non-zero entry counts as pressed.
  EXPECT_EQ(fangmodiAusKnoepfen({7, -1, 0, 0, 0, 0, 0, 0, 0}), FangEndpunkte | FangMittelpunkte);
  const std::array<int, 9> knoepfe{1, 0, 1, 1, 0, 1, 1, 0, 1};
  EXPECT_EQ(knoepfeAusFangmodi(fangmodiAusKnoepfen(knoepfe)), knoepfe);
}

TEST(Fangeinstellungen, ZeichenhilfenHinUndZurueck) {
  einstellung::Zeichenhilfen z;
  z.fangaktiv = false;
  z.fangradius = 12;
  z.fangenAfap = true;
  z.fangenSfap = false;
  z.fangenSfsp = false;
  z.fangenButtons = {0, 0, 1, 0, 0, 0, 1, 0, 0};
  z.winkelRaster = true;
  z.schrittweite = 22.5;
  z.immerBenutzen = true;
  Fangeinstellungen f;
  f.raster = true;
  uebernimmZeichenhilfen(z, f);
  EXPECT_FALSE(f.fangaktiv);
  EXPECT_EQ(f.fangradius, 12);
  EXPECT_TRUE(f.alleSichtbarenEbenen);
  EXPECT_FALSE(f.aktiveFolie);
  EXPECT_EQ(f.modi, FangQuadrantenpunkte | FangKanten);
  EXPECT_TRUE(f.winkelraster);
  EXPECT_EQ(f.winkelschritt, 22.5);
  EXPECT_TRUE(f.winkelAuchGefangen);
  EXPECT_TRUE(f.raster);  // not kept in the section
  einstellung::Zeichenhilfen zurueck;
  schreibeZeichenhilfen(f, zurueck);
  EXPECT_EQ(zurueck, z);
}

TEST(Fangeinstellungen, WerteAusserhalbDesDialogsWerdenBegrenzt) {
  einstellung::Zeichenhilfen z;
  z.fangradius = 120;
  z.schrittweite = -5;
  Fangeinstellungen f;
  uebernimmZeichenhilfen(z, f);
  EXPECT_EQ(f.fangradius, 20);
  EXPECT_EQ(f.winkelschritt, 15);
  f.fangradius = -3;
  EXPECT_EQ(f.radius(), 1);
}

TEST(Fangeinstellungen, KnoepfeNurMitFangenUndEinemBereich) {
  Fangeinstellungen f;
  EXPECT_TRUE(f.knoepfeAktiv());
  f.aktiveFolie = false;
  EXPECT_FALSE(f.knoepfeAktiv());
  f.alleSichtbarenEbenen = true;
  EXPECT_TRUE(f.knoepfeAktiv());
  f.fangaktiv = false;
  EXPECT_FALSE(f.knoepfeAktiv());
}

}  // namespace
}  // namespace quarzel
