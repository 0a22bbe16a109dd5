// The snap marker (shown and taken away in XOR, a symbol per kind of point)
// and the length grid (distances from the previous point in whole grid steps).
#include <gtest/gtest.h>

#include <cmath>

#include "edit/fangmarker.h"
#include "edit/fangraster.h"
#include "fanghilfen.h"
#include "support/aufzeichnungscanvas.h"

namespace quarzel {
namespace {

Fangergebnis gefunden(Fangart art, double x, double y) {
  Fangergebnis e;
  e.art = art;
  e.x = x;
  e.y = y;
  e.gefangen = true;
  return e;
}

TEST(Fangmarker, ZeigtInXorUndNimmtDenVorigenWeg) {
  Aufzeichnungscanvas c;
  Fangmarker m(rgb(255, 0, 0));
  m.zeige(c, gefunden(Fangart::Endpunkt, 50, 60));
  ASSERT_EQ(c.polylinien.size(), 1u);
  const auto quadrat = c.polylinien[0];
  EXPECT_EQ(quadrat.zustand.modus, Stiftmodus::Xor);
  // Cyan XOR white paper gives red.
  EXPECT_EQ(quadrat.zustand.stift.farbe, rgb(0, 255, 255));
  EXPECT_EQ(quadrat.punkte.size(), 5u);

  // The same result again draws nothing: the marker is already there.
  m.zeige(c, gefunden(Fangart::Endpunkt, 50, 60));
  EXPECT_EQ(c.polylinien.size(), 1u);

  // Another point: the old square is drawn again (erased), then the new one.
  m.zeige(c, gefunden(Fangart::Schnittpunkt, 70, 60));
  ASSERT_EQ(c.polylinien.size(), 4u);
  EXPECT_EQ(c.polylinien[1].punkte[0].x, quadrat.punkte[0].x);
  EXPECT_EQ(c.polylinien[2].punkte[0].x, 65);

  // Nothing found: the marker goes away and stays away.
  m.zeige(c, Fangergebnis{});
  EXPECT_EQ(c.polylinien.size(), 6u);
  EXPECT_FALSE(m.sichtbar());
  m.verberge(c);
  EXPECT_EQ(c.polylinien.size(), 6u);
  // The canvas is back in copy mode for whatever is drawn next.
  c.polylinie(std::vector<Pixelpunkt>{{0, 0}, {1, 1}});
  EXPECT_EQ(c.polylinien.back().zustand.modus, Stiftmodus::Kopieren);
}

TEST(Fangmarker, AufgegebeneSucheUndVergessenerMarker) {
  Aufzeichnungscanvas c;
  Fangmarker m;
  Fangergebnis abgebrochen = gefunden(Fangart::Endpunkt, 5, 5);
  abgebrochen.abgebrochen = true;
  m.zeige(c, abgebrochen);
  EXPECT_TRUE(c.polylinien.empty());
  m.zeige(c, gefunden(Fangart::Rasterpunkt, 5, 5));
  EXPECT_TRUE(m.sichtbar());
  // After a redraw the old marker is gone from the picture: forgetting it
  // must not draw it again (which would show it).
  m.vergiss();
  const std::size_t vorher = c.polylinien.size();
  m.verberge(c);
  EXPECT_EQ(c.polylinien.size(), vorher);
}

TEST(Laengenraster, RundetDenAbstandUndBehaeltDieRichtung) {
  // 3-4-5 triangle: 23 pixels along (0.6, 0.8) with 10-pixel steps -> 20.
  const Pixelpunkt p = laengenrunden({100, 100}, {100 + 0.6 * 23, 100 + 0.8 * 23}, 10);
  EXPECT_NEAR(p.x, 112, 1e-9);
  EXPECT_NEAR(p.y, 116, 1e-9);
  // A half step rounds up; below half a step nothing moves (no collapse onto z).
  const Pixelpunkt q = laengenrunden({0, 0}, {15, 0}, 10);
  EXPECT_NEAR(q.x, 20, 1e-9);
  const Pixelpunkt r = laengenrunden({0, 0}, {4, 0}, 10);
  EXPECT_EQ(r.x, 4);
  // Steps that are no positive number change nothing.
  EXPECT_EQ(laengenrunden({0, 0}, {13, 0}, 0).x, 13);
  EXPECT_EQ(laengenrunden({0, 0}, {13, 0}, std::nan("")).x, 13);
}

TEST(Laengenraster, InDerFangsucheNachDemWinkelraster) {
  test::Fangzeichnung fz;
  fz.z.ansicht.gridSpacingX = 10;  // world mm = pixels in this drawing
  // A snap mode must be on: with none and no grid the cursor passes untouched.
  Fangeinstellungen e = test::nurModi(FangEndpunkte);
  e.laengenraster = true;
  Fangkontext k;
  k.werkzeug = 1;
  k.punktschritt = 2;
  k.vorigerPunkt = Pixelpunkt{0, 0};
  Fangergebnis g = test::fange(fz.z, 27, 1, e, k);
  EXPECT_TRUE(g.laengeGerundet);
  EXPECT_NEAR(std::hypot(g.x, g.y), 30, 1e-9);

  // With the angle grid as well the point lands on the polar grid.
  e.winkelraster = true;
  e.winkelschritt = 15;
  g = test::fange(fz.z, 27, 1, e, k);
  EXPECT_NEAR(g.x, 30, 1e-9);
  EXPECT_NEAR(g.y, 0, 1e-9);

  // The first point and tools without the grid rules stay unrounded.
  k.vorigerPunkt.reset();
  EXPECT_FALSE(test::fange(fz.z, 27, 1, e, k).laengeGerundet);
  k.vorigerPunkt = Pixelpunkt{0, 0};
  k.werkzeug = 100;
  EXPECT_FALSE(test::fange(fz.z, 27, 1, e, k).laengeGerundet);
}

TEST(Laengenraster, GefangenerEndpunktBleibtOhneImmerBenutzen) {
  test::Fangzeichnung fz;
  fz.z.ansicht.gridSpacingX = 10;
  fz.linie(27, 0, 27, 50);
  Fangeinstellungen e = test::nurModi(FangEndpunkte);
  e.laengenraster = true;
  Fangkontext k;
  k.werkzeug = 1;
  k.punktschritt = 2;
  k.vorigerPunkt = Pixelpunkt{0, 0};
  Fangergebnis g = test::fange(fz.z, 26, 1, e, k);
  EXPECT_EQ(g.art, Fangart::Endpunkt);
  EXPECT_NEAR(g.x, 27, 1e-9);
  e.winkelAuchGefangen = true;
  g = test::fange(fz.z, 26, 1, e, k);
  EXPECT_NEAR(g.x, 30, 1e-9);
}

}  // namespace
}  // namespace quarzel
