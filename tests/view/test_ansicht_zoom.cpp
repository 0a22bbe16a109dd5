// View operations: zoom limits, zoom to a rectangle, whole sheet and whole
// drawing, centring with the world-edge clamp.
#include <gtest/gtest.h>

#include <cmath>

#include "view/ansicht.h"

namespace quarzel {
namespace {

Ansicht ansichtMitBereich(int breite, int hoehe) {
  return {.areaWidth = breite, .areaHeight = hoehe};
}

TEST(AnsichtRunden, HalbeGehenZurGeradenNachbarzahl) {
  EXPECT_EQ(std::tuple(Ansicht::nearest(1.5), Ansicht::nearest(2.5), Ansicht::nearest(-3.5), Ansicht::nearest(2.5001)),
            std::tuple(2, 2, -4, 3));
  EXPECT_EQ(std::tuple(Ansicht::nearestInt32(1e20), Ansicht::nearestInt32(NAN)), std::tuple(2147483647, 0));
}

TEST(AnsichtZoom, VergroessernBehaeltDieMitteUndHaeltBeiFeinstemZoom) {
  Ansicht a = ansichtMitBereich(800, 600);
  a.zentriere(5000, 5000);
  EXPECT_DOUBLE_EQ(a.vergroessern(), 1.414);  // the factor for pixel values of a tool
  // The origin is a whole millimetre.
  EXPECT_TRUE(std::abs(a.bereichsmitte().x - 5000) <= 0.5 && std::abs(a.bereichsmitte().y - 5000) <= 0.5);
  for (int i = 0; i < 100; ++i) a.vergroessern();
  EXPECT_EQ(a.zoom, 0.003125);
  EXPECT_EQ(a.vergroessern(), 1.0);
}

TEST(AnsichtZoom, VerkleinernHaeltAnWennDieWeltDenBereichFuellt) {
  Ansicht breit = ansichtMitBereich(1000, 500);
  breit.zentriere(5000, 5000);
  breit.verkleinern();  // keeps the middle, to within a pixel
  EXPECT_LE(std::hypot(breit.bereichsmitte().x - 5000, breit.bereichsmitte().y - 5000), breit.zoom);
  for (int i = 0; i < 100; ++i) breit.verkleinern();
  EXPECT_EQ(std::tuple(breit.zoom, breit.viewOriginX), std::tuple(10, 0));  // the width fills first
  const std::int32_t yVorher = breit.viewOriginY;
  // An unchanged zoom does not centre again.
  EXPECT_EQ(breit.verkleinern(), 1.0);
  EXPECT_EQ(breit.viewOriginY, yVorher);

  Ansicht hoch = ansichtMitBereich(400, 800);
  for (int i = 0; i < 100; ++i) hoch.verkleinern();
  EXPECT_DOUBLE_EQ(hoch.zoom, 12.5);
}

TEST(AnsichtRechteck, DieEngereSeiteBestimmtDieAndereWirdMittig) {
  Ansicht a = ansichtMitBereich(800, 600);
  a.zoom = 4;
  // The height governs, corners in any order: x 1000 - (800 - 400) / 2.
  EXPECT_EQ(a.zoomeAufRechteck(1400, 1600, 1000, 1000), 4);
  EXPECT_EQ(std::tuple(a.zoom, a.viewOriginX, a.viewOriginY), std::tuple(1, 800, 1000));
  // The width governs, also on a tie: y 1000 - (600 - 300) / 2.
  a.zoomeAufRechteck(1000, 1000, 1800, 1300);
  EXPECT_EQ(std::tuple(a.zoom, a.viewOriginX, a.viewOriginY), std::tuple(1, 1000, 850));
  a.zoomeAufRechteck(100, 200, 1700, 1400);
  EXPECT_EQ(std::tuple(a.zoom, a.viewOriginY), std::tuple(2, 200));
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
  const auto ursprung = [&](double x, double y) {
    a.zentriere(x, y);
    return std::tuple(a.viewOriginX, a.viewOriginY);
  };
  EXPECT_EQ(ursprung(5000, 4000), std::tuple(4800, 3850));
  EXPECT_EQ(ursprung(10, 20), std::tuple(0, 0));
  a.zoom = 1.0005;  // the far limit 10000 - 800.4 is not whole
  EXPECT_EQ(ursprung(9990, 9999), std::tuple(9200, 9400));
}

}  // namespace
}  // namespace quarzel
