// Circles, arcs and ellipses of the line module, and the plane constructions
// behind them.
#include <cmath>

#include "edit/figurgeometrie.h"
#include "edit/zeichenfigur.h"
#include "test_zeichenwerkzeuge_hilfen.h"

namespace quarzel::test {
namespace {

using Kreisfiguren = Zeichenwerkzeuge;

// The point of an arc record at a parameter angle, as the store reads it.
Weltpunkt punktAuf(const tbogendaten& b, double w) {
  const double t = w * M_PI / 180, d = b.drehwinkel * M_PI / 180;
  const double ex = b.xr * std::cos(t), ey = b.yr * std::sin(t);
  return {b.xm + ex * std::cos(d) - ey * std::sin(d), b.ym - (ex * std::sin(d) + ey * std::cos(d))};
}

TEST_F(Kreisfiguren, VollkreisIstEinBogenVonNullBis360) {
  z.speicher.aktuell = {2, 3, 1, 1};
  starte(2);
  klicks(linien, {{5000, 5000}, {5003, 5004}});
  ASSERT_EQ(lebende().size(), 1u);
  const auto& b = ersterBogen();
  EXPECT_EQ(b.xm, 5000);
  EXPECT_EQ(b.ym, 5000);
  EXPECT_EQ(b.xr, 5);
  EXPECT_EQ(b.yr, 5);
  EXPECT_EQ(b.startwinkel, 0);
  EXPECT_EQ(b.endwinkel, 360);
  EXPECT_EQ(b.stift, 2);
  EXPECT_EQ(b.linienstil, 3);
  EXPECT_EQ(b.fuellung.gefuellt, 0);
}

TEST_F(Kreisfiguren, KreisDurchDreiPunkteTrifftAlleDreiAufEinerGeradenGibtEsKeinen) {
  starte(15);
  klicks(linien, {{5000, 5000}, {5010, 5010}, {5020, 5020}});
  EXPECT_TRUE(lebende().empty());
  EXPECT_EQ(z.speicher.undoStufe(), 0);
  EXPECT_EQ(zs.schritt, 1);

  const Weltpunkt a{5001.25, 4999.5}, b{5012.75, 5003.125}, c{4996.5, 5010.0625};
  klicks(linien, {a, b, c});
  const auto& k = ersterBogen();
  for (Weltpunkt p : {a, b, c}) EXPECT_NEAR(std::hypot(p.x - k.xm, p.y - k.ym), k.xr, 1e-9);
  EXPECT_EQ(k.endwinkel - k.startwinkel, 360);
}

TEST_F(Kreisfiguren, KreisAusZweiPunktenHatSieAlsDurchmesser) {
  starte(26);
  klicks(linien, {{5000, 5000}, {5010, 5000}});
  EXPECT_EQ(ersterBogen().xm, 5005);
  EXPECT_EQ(ersterBogen().xr, 5);
}

TEST_F(Kreisfiguren, GetippteWinkelErstImDrittenSchrittEndeVorStartGibt60Bis390) {
  starte(5);
  linien.getippterPunkt(u, {5000, 5000});
  EXPECT_EQ(zs.punkte.size(), 1u) << "before the third step a typed pair is a point";
  linien.getippterPunkt(u, {5010, 5000});
  EXPECT_EQ(zs.schritt, 3);
  linien.getippterPunkt(u, {60, 30});  // third group: start and end angle
  ASSERT_EQ(lebende().size(), 1u);
  EXPECT_FLOAT_EQ(ersterBogen().startwinkel, 60);
  EXPECT_FLOAT_EQ(ersterBogen().endwinkel, 390);
  EXPECT_EQ(ersterBogen().xr, 10);
}

TEST_F(Kreisfiguren, BogenMitDerMausNimmtDieRichtungenZumMittelpunkt) {
  starte(5);
  klicks(linien, {{5000, 5000}, {5010, 5000}});
  klick(linien, 5000, 4990);  // straight up: 90
  EXPECT_EQ(zs.schritt, 4);
  klick(linien, 4990, 5000);  // left: 180
  EXPECT_FLOAT_EQ(ersterBogen().startwinkel, 90);
  EXPECT_FLOAT_EQ(ersterBogen().endwinkel, 180);
}

TEST_F(Kreisfiguren, BogenImUhrzeigersinnLaeuftVomEndeZumStart) {
  starte(11);
  klicks(linien, {{5000, 5000}, {5010, 5000}, {5000, 4990}, {4990, 5000}});
  // Clockwise from 90 to 180 is counter-clockwise from 180 to 450.
  EXPECT_FLOAT_EQ(ersterBogen().startwinkel, 180);
  EXPECT_FLOAT_EQ(ersterBogen().endwinkel, 450);
}

TEST_F(Kreisfiguren, BogenDurchDreiPunkteBeginntUndEndetAnDenAussenpunkten) {
  starte(14);
  const Weltpunkt a{5010, 5000}, mitte{5000, 5010}, e{4990, 5000};  // the lower half, clockwise on screen
  klicks(linien, {a, mitte, e});
  const auto& b = ersterBogen();
  EXPECT_NEAR(b.xm, 5000, 1e-9);
  EXPECT_NEAR(b.ym, 5000, 1e-9);
  // The arc must pass through the middle point: 270 lies inside it.
  const Weltpunkt s = punktAuf(b, b.startwinkel), en = punktAuf(b, b.endwinkel);
  EXPECT_NEAR(s.x, 4990, 1e-4);
  EXPECT_NEAR(en.x, 5010, 1e-4);
  EXPECT_LT(b.startwinkel, 270);
  EXPECT_GT(b.endwinkel, 270);
}

TEST_F(Kreisfiguren, EllipseAusAchsabstaendenOderImRechteck) {
  starte(4);
  klicks(linien, {{5000, 5000}, {5008, 4997}});
  EXPECT_EQ(ersterBogen().xr, 8);
  EXPECT_EQ(ersterBogen().yr, 3);
  EXPECT_EQ(ersterBogen().endwinkel, 360);
  z.speicher.rueckgaengig();
  starte(28);
  klicks(linien, {{5000, 5000}, {5020, 5010}});
  EXPECT_EQ(ersterBogen().xm, 5010);
  EXPECT_EQ(ersterBogen().ym, 5005);
  EXPECT_EQ(ersterBogen().xr, 10);
  EXPECT_EQ(ersterBogen().yr, 5);
}

TEST_F(Kreisfiguren, GedrehteEllipseLiegtMitDerErstenAchseAufDemZweitenPunkt) {
  starte(29);
  klicks(linien, {{5000, 5000}, {5010, 4990}, {4997, 4997}});
  const auto& b = ersterBogen();
  EXPECT_FLOAT_EQ(b.drehwinkel, 45);
  EXPECT_NEAR(b.xr, std::sqrt(200.0), 1e-9);
  EXPECT_NEAR(b.yr, std::sqrt(18.0), 1e-9);
  const Weltpunkt p = punktAuf(b, 0);
  EXPECT_NEAR(p.x, 5010, 1e-4);
  EXPECT_NEAR(p.y, 4990, 1e-4);
}

TEST_F(Kreisfiguren, EllipsenbogenNimmtParameterwinkelDerMausrichtung) {
  starte(6);
  klicks(linien, {{5000, 5000}, {5020, 4990}});
  klick(linien, 5020, 4990);  // the corner of the box: 45 in the parameter
  klick(linien, 4980, 5000);  // left: 180
  const auto& b = ersterBogen();
  EXPECT_NEAR(b.startwinkel, 45, 1e-4);
  EXPECT_NEAR(b.endwinkel, 180, 1e-4);
}

// Plane constructions.

TEST(Figurgeometrie, WinkelOrdnungHaengt360AnUndNormiertDenStart) {
  double s = 60, e = 30;
  figur::ordneWinkel(s, e);
  EXPECT_EQ(s, 60);
  EXPECT_EQ(e, 390);
  s = -90, e = 0;
  figur::ordneWinkel(s, e);
  EXPECT_EQ(s, 270);
  EXPECT_EQ(e, 360);
  s = 10, e = 10;  // no sweep left: the whole circle
  figur::ordneWinkel(s, e);
  EXPECT_EQ(e - s, 360);
  s = 0, e = 360;
  figur::ordneWinkel(s, e);
  EXPECT_EQ(e, 360);
}

TEST(Figurgeometrie, BildschirmwinkelZaehltGegenDenUhrzeigersinnMitYNachUnten) {
  EXPECT_DOUBLE_EQ(figur::bildschirmwinkel({0, 0}, {1, 0}), 0);
  EXPECT_DOUBLE_EQ(figur::bildschirmwinkel({0, 0}, {0, -1}), 90);
  EXPECT_DOUBLE_EQ(figur::bildschirmwinkel({0, 0}, {0, 1}), 270);
}

TEST(Figurgeometrie, BogenpunkteSindBegrenztUndTreffenDieEnden) {
  const Figurbogen b{{0, 0}, 10, 10, 0, 360, 0};
  const auto p = figur::bogenpunkte(b, 50);
  EXPECT_LE(p.size(), 50u);
  EXPECT_NEAR(p.front().x, 10, 1e-12);
  EXPECT_NEAR(p.back().x, 10, 1e-9);
  EXPECT_NEAR(p.back().y, 0, 1e-9);
}

TEST(Figurgeometrie, WeltgeradeVerfehltDieWeltOderWirdBeschnitten) {
  EXPECT_FALSE(figur::weltgerade({-5, -5}, {1, 0}, 100, 100));
  EXPECT_FALSE(figur::weltgerade({5, 5}, {0, 0}, 100, 100));
  const auto l = figur::weltgerade({50, 20}, {0, 3}, 100, 100);
  ASSERT_TRUE(l);
  EXPECT_EQ(l->a.y, 0);
  EXPECT_EQ(l->b.y, 100);
}

TEST(Figurgeometrie, FreihandglaettenBehaeltDieEndenUndGlaettetZacken) {
  const std::vector<Weltpunkt> zacken{{0, 0}, {1, 1}, {1, 1}, {2, -1}, {3, 1}, {4, 0}};
  const auto g = figur::glaetteFreihand(zacken);
  ASSERT_EQ(g.size(), 5u);  // the repeated point is gone
  EXPECT_EQ(g.front().x, 0);
  EXPECT_EQ(g.back().x, 4);
  for (std::size_t i = 1; i + 1 < g.size(); ++i) EXPECT_LT(std::fabs(g[i].y), 1);
}

}  // namespace
}  // namespace quarzel::test
