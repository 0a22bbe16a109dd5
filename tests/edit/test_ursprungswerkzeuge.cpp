// The origin tools driven through the state machine with the real modules:
// each button of 132 moves its origin, 134 the start of relative entry, 135
// turns the user's axes by two points, and typed points follow all three.
#include <gtest/gtest.h>

#include "edit/koordinateneingabe.h"
#include "edit/werkzeugkasten.h"
#include "store/zeichnung.h"
#include "support/werkzeugnummer.h"
#include "support/edit/test_werkzeug_hilfen.h"

namespace quarzel::test {
namespace {

class Ursprung : public ::testing::Test {
 protected:
  void SetUp() override {
    initialisiere(z.speicher);
    z.ansicht.areaWidth = 800;
    z.ansicht.areaHeight = 600;
  }
  void starte(int code, int knopf = 0) { st().waehleWerkzeug(wz(code), std::uint8_t(knopf)); }
  void links(Weltpunkt p) {
    const Pixelpunkt q = z.ansicht.worldToPixel(p.x, p.y);
    st().mausGedrueckt({q.x, q.y, Maustaste::Links, {}});
  }
  // Types (x, y) into the group the tool expects.
  void tippe(double x, double y, bool relativ) {
    eingabe.werkzeugGestartet(st().zustand().werkzeug, st().zustand().knopf);
    Koordinateneingabe::Gruppe& g = eingabe.gruppen[std::size_t(*eingabe.erwarteteGruppe(st()))];
    g = {zahltext(x), zahltext(y), relativ, false};
    ASSERT_TRUE(eingabe.uebernehme(st()));
  }
  Werkzeugsteuerung& st() { return kasten.steuerung; }

  Zeichnung z;
  Stelluhr uhr;
  Werkzeugkasten kasten{z, uhr};
  Koordinateneingabe eingabe;
};

TEST_F(Ursprung, JederKnopfSetztSeinenPunktUndNenntIhn) {
  struct Fall {
    int code, knopf;
    bool nullpunkt, raster, referenz;
    const char* aufforderung;
  };
  const Fall faelle[] = {{132, 0, true, false, true, "Koordinatennullpunkt"},
                         {132, 1, false, true, false, "Rasternullpunkt"},
                         {132, 2, true, true, true, "Nullpunkt"},
                         {134, 0, false, false, true, "Referenzpunkt"}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.aufforderung);
    z.ansicht = Ansicht{};
    z.ansicht.areaWidth = 800;
    st().zustand().referenzpunkt.reset();
    z.speicher.setzeModifiziert(false);
    const Ansicht vorher = z.ansicht;
    starte(f.code, f.knopf);
    EXPECT_EQ(eingabemaske(wz(f.code), std::uint8_t(f.knopf)).gruppen[0].titel, f.aufforderung);
    const Weltpunkt p{5000, 5003};
    links(p);
    const Weltpunkt n = z.ansicht.zeroPoint, r = z.ansicht.gridOrigin;
    EXPECT_EQ(std::pair(n.x, n.y),
              f.nullpunkt ? std::pair(p.x, p.y) : std::pair(vorher.zeroPoint.x, vorher.zeroPoint.y));
    EXPECT_EQ(std::pair(r.x, r.y),
              f.raster ? std::pair(p.x, p.y) : std::pair(vorher.gridOrigin.x, vorher.gridOrigin.y));
    EXPECT_EQ(st().zustand().referenzpunkt.has_value(), f.referenz);
    EXPECT_EQ(z.speicher.modifiziert(), f.code == 132) << "the drawing's file keeps the origins";
    EXPECT_EQ(st().zustand().schritt, 1) << "ready for the next point";
  }
}

TEST_F(Ursprung, ZweiPunkteDrehenDasKoordinatensystemUndMitKnopf1AuchDasRaster) {
  struct Fall {
    Weltpunkt nach;
    int knopf;
    float koordinaten, raster;
  };
  const Weltpunkt von{5000, 5000};
  // World y grows downward: "up" on screen is 90 degrees. Equal points turn nothing.
  const Fall faelle[] = {{{5010, 5000}, 0, 0, 7},
                         {{5000, 4990}, 0, 90, 7},
                         {{4990, 5010}, 1, -135, -135},
                         {{5010, 4990}, 1, 45, 45},
                         {{5000, 5000}, 1, 12, 7}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.koordinaten);
    z.ansicht.coordAngle = 12;
    z.ansicht.gridAngle = 7;
    starte(135, f.knopf);
    links(von);
    links(f.nach);
    EXPECT_NEAR(z.ansicht.coordAngle, f.koordinaten, 1e-4);
    EXPECT_NEAR(z.ansicht.gridAngle, f.raster, 1e-4);
  }
}

TEST_F(Ursprung, GetippteKoordinatenGeltenImNeuenSystem) {
  struct Fall {
    int drehen;  // 135 by two points first: 0 or 90 degrees
    bool relativ;
    Weltpunkt soll;  // offset from the new origin, world mm (unit m at 1:100)
  };
  const Fall faelle[] = {{0, false, {20, -10}}, {0, true, {20, -10}}, {90, false, {-10, -20}}};
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.drehen + f.relativ);
    z.ansicht.coordAngle = 0;
    const Weltpunkt ursprung{4900, 5100};
    starte(132);
    links(ursprung);
    if (f.drehen == 90) {
      starte(135);
      links({5000, 5000});
      links({5000, 4900});
    }
    // A typed point leaves the origin where it is: the line tool takes it.
    starte(1);
    tippe(2, 1, f.relativ);
    ASSERT_EQ(st().zustand().punkte.size(), 1u);
    EXPECT_NEAR(st().zustand().punkte[0].x, ursprung.x + f.soll.x, 1e-9);
    EXPECT_NEAR(st().zustand().punkte[0].y, ursprung.y + f.soll.y, 1e-9);
    st().funktionsabbruch();
  }
}

TEST_F(Ursprung, DerReferenzpunktIstDerStartRelativerEingaben) {
  starte(134);
  links({z.ansicht.zeroPoint.x - 10, z.ansicht.zeroPoint.y});
  starte(1);
  tippe(0, 3, true);
  ASSERT_EQ(st().zustand().punkte.size(), 1u);
  EXPECT_NEAR(st().zustand().punkte[0].x, z.ansicht.zeroPoint.x - 10, 1e-9);
  EXPECT_NEAR(st().zustand().punkte[0].y, z.ansicht.zeroPoint.y - 30, 1e-9);
}

}  // namespace
}  // namespace quarzel::test
