// View operations: zoom limits, zoom to a rectangle, whole sheet and whole
// drawing, centring with the world-edge clamp, scroll bar values.
#include <gtest/gtest.h>

#include <cmath>

#include "view/ansicht.h"

namespace quarzel {
namespace {

Ansicht ansichtMitBereich(int breite, int hoehe) {
  Ansicht a;
  a.areaWidth = breite;
  a.areaHeight = hoehe;
  return a;
}

TEST(AnsichtRunden, HalbeGehenZurGeradenNachbarzahl) {
  EXPECT_EQ(Ansicht::nearest(1.5), 2);
  EXPECT_EQ(Ansicht::nearest(2.5), 2);
  EXPECT_EQ(Ansicht::nearest(-3.5), -4);
  EXPECT_EQ(Ansicht::nearest(2.5001), 3);
  EXPECT_EQ(Ansicht::nearestInt32(1e20), 2147483647);
  EXPECT_EQ(Ansicht::nearestInt32(NAN), 0);
}

TEST(AnsichtZoom, VergroessernBehaeltDieMitteUndHaeltBeiFeinstemZoom) {
  Ansicht a = ansichtMitBereich(800, 600);
  a.zentriere(5000, 5000);
  EXPECT_DOUBLE_EQ(a.vergroessern(), 1.414);    // the factor for pixel values of a tool
  EXPECT_NEAR(a.bereichsmitte().x, 5000, 0.5);  // the origin is a whole millimetre
  EXPECT_NEAR(a.bereichsmitte().y, 5000, 0.5);
  for (int i = 0; i < 100; ++i) a.vergroessern();
  EXPECT_EQ(a.zoom, 0.003125);
  EXPECT_EQ(a.vergroessern(), 1.0);
}

TEST(AnsichtZoom, VerkleinernHaeltAnWennDieWeltDenBereichFuellt) {
  Ansicht breit = ansichtMitBereich(1000, 500);
  breit.zentriere(5000, 5000);
  for (int i = 0; i < 100; ++i) breit.verkleinern();
  EXPECT_DOUBLE_EQ(breit.zoom, 10);  // the width fills first
  EXPECT_EQ(breit.viewOriginX, 0);
  const std::int32_t yVorher = breit.viewOriginY;
  EXPECT_EQ(breit.verkleinern(), 1.0);
  EXPECT_EQ(breit.viewOriginY, yVorher);  // an unchanged zoom does not centre again

  Ansicht hoch = ansichtMitBereich(400, 800);
  for (int i = 0; i < 100; ++i) hoch.verkleinern();
  EXPECT_DOUBLE_EQ(hoch.zoom, 12.5);
}

TEST(AnsichtRechteck, HoeheBestimmtUndDasRechteckWirdWaagerechtMittig) {
  Ansicht a = ansichtMitBereich(800, 600);
  a.zoom = 4;
  EXPECT_DOUBLE_EQ(a.zoomeAufRechteck(1400, 1600, 1000, 1000), 4);  // corners in any order
  EXPECT_DOUBLE_EQ(a.zoom, 1);
  EXPECT_EQ(a.viewOriginX, 800);  // 1000 - (800 - 400) / 2
  EXPECT_EQ(a.viewOriginY, 1000);
}

TEST(AnsichtRechteck, BreiteBestimmtAuchBeiGleichstand) {
  Ansicht a = ansichtMitBereich(800, 600);
  a.zoomeAufRechteck(1000, 1000, 1800, 1300);
  EXPECT_DOUBLE_EQ(a.zoom, 1);
  EXPECT_EQ(a.viewOriginX, 1000);
  EXPECT_EQ(a.viewOriginY, 850);  // 1000 - (600 - 300) / 2
  a.zoomeAufRechteck(100, 200, 1700, 1400);
  EXPECT_DOUBLE_EQ(a.zoom, 2);
  EXPECT_EQ(a.viewOriginY, 200);
}

TEST(AnsichtRechteck, PunktNanUndFehlenderBereichBleibenEndlich) {
  Ansicht a = ansichtMitBereich(800, 600);
  a.zoomeAufRechteck(5000, 5000, 5000, 5000);
  EXPECT_EQ(a.zoom, 0.003125);
  EXPECT_EQ(a.zoomeAufRechteck(NAN, 0, 100, 100), 1.0);
  EXPECT_EQ(a.zoom, 0.003125);
  Ansicht ohne = ansichtMitBereich(0, 0);
  ohne.gesamtesBlatt();
  EXPECT_TRUE(std::isfinite(ohne.zoom));
}

TEST(AnsichtGesamt, GesamteZeichnungMitUndOhneUmgebung) {
  Ansicht a = ansichtMitBereich(800, 600);
  a.gesamteZeichnung(Weltrechteck{5100, 5200, 5010, 5110}, false);
  EXPECT_DOUBLE_EQ(a.zoom, 110.0 / 600.0);  // enlarged by 10 mm; the height governs
  EXPECT_EQ(a.viewOriginY, 5100);
  a.gesamteZeichnung(std::nullopt, false);  // elements, but none shown
  EXPECT_EQ(a.viewOriginX, a.sheetLeft - 10);
  a.gesamteZeichnung(std::nullopt);  // empty store: the whole sheet
  EXPECT_EQ(a.viewOriginX, a.sheetLeft - 15);
}

TEST(AnsichtZentrieren, AmWeltrandBleibtDieAnsichtInDerWelt) {
  Ansicht a = ansichtMitBereich(800, 600);
  a.zoom = 0.5;
  a.zentriere(5000, 4000);
  EXPECT_EQ(a.viewOriginX, 4800);
  EXPECT_EQ(a.viewOriginY, 3850);
  a.zentriere(10, 20);
  EXPECT_EQ(a.viewOriginX, 0);
  EXPECT_EQ(a.viewOriginY, 0);
  a.zoom = 1.0005;  // the far limit 10000 - 800.4 is not whole
  a.zentriere(9990, 9999);
  EXPECT_EQ(a.viewOriginX, 9200);
  EXPECT_EQ(a.viewOriginY, 9400);
}

TEST(AnsichtRollbalken, WerteFolgenAusBereichUndZoom) {
  Ansicht a = ansichtMitBereich(502, 600);
  a.zoom = 2;
  a.viewOriginX = 1234;
  const Rollbalken w = a.rollbalkenWaagerecht();
  EXPECT_EQ(w.seitengroesse, 1004);
  EXPECT_EQ(w.grosseAenderung, 251);
  EXPECT_EQ(w.kleineAenderung, 126);  // 125.5 + 1: the half goes to the even neighbour
  EXPECT_EQ(w.position, 1234);
  EXPECT_EQ(w.maximum, 10000 - 1004);
  const Rollbalken s = a.rollbalkenSenkrecht();
  EXPECT_EQ(s.seitengroesse, 1200);
  EXPECT_EQ(s.grosseAenderung, 300);
  EXPECT_EQ(s.kleineAenderung, 151);
}

TEST(AnsichtRollbalken, VerschiebungHaeltPixelpunkteAufIhremWeltpunkt) {
  Ansicht a = ansichtMitBereich(800, 600);
  a.zoom = 2;
  const Weltpunkt vorher = a.pixelToWorld(100, 40);
  const double dx = a.setzeUrsprungWaagerecht(a.viewOriginX + 100);
  const double dy = a.setzeUrsprungSenkrecht(a.viewOriginY - 100);
  const Weltpunkt nachher = a.pixelToWorld(100 + dx, 40 + dy);
  EXPECT_DOUBLE_EQ(nachher.x, vorher.x);
  EXPECT_DOUBLE_EQ(nachher.y, vorher.y);
}

}  // namespace
}  // namespace quarzel
