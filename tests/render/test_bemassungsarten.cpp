// Every dimension kind drawn from its record: the value text, how many
// terminators, and that the value follows the measured points when the
// dimension is mirrored or scaled.
#include <gtest/gtest.h>

#include <tuple>

#include "render/bemassungslayout.h"
#include "render/textelemente.h"
#include "store/elementabbildung.h"
#include "support/render/test_bild_hilfe.h"

namespace quarzel {
namespace {

using bildtest::Umgebung;

struct Art {
  const char* name;
  std::uint8_t typ;
  std::array<double, 8> g;
  std::string text;
  std::size_t spitzen;  // filled terminators
  std::uint8_t option5 = 0, decimals = 2;
  double textwinkel = 0;
};

// 1:100 in metres: 10 sheet mm read 1,00.
// clang-format off
const Art kArten[] = {
    {"Radius", 3, {50, 50, 80, 50, 0, 0, 0, 0}, "R3,00", 1},
    {"Durchmesser", 4, {20, 50, 80, 50, 0, 0, 0, 0}, "Ø6,00", 2},
    {"Durchmesser mit Pfeilen von aussen", 4, {20, 50, 80, 50, 0, 0, 0, 0}, "Ø6,00", 2, 1},
    {"Winkel mit Bogen", 5, {50, 50, 90, 50, 50, 10, 70, 50}, "90,00º", 2},
    {"Winkel fast voll", 5, {50, 50, 90, 50, 90, 50.00698, 70, 50}, "359,99º", 2},
    {"Winkel mit Symbol", 6, {50, 50, 90, 50, 50, 10, 56, 44}, "90,00º", 0},
    {"Bogenlaenge", 7, {50, 50, 80, 50, 50, 20, 90, 50}, "4,71", 2},
    {"Kote ueber dem Bezug", 8, {50, 40, 0, 50, 0, 0, 0, 0}, "+1,000", 0, 0, 3},
    {"Kote auf dem Bezug", 8, {50, 50, 0, 50, 0, 0, 0, 0}, "±0.000", 0, 0, 3},
    {"Kote darunter, Fadenkreuz", 8, {50, 55, 0, 50, 0, 0, 0, 0}, "-0,50", 0, 0, 2},
    {"Gerichtet 45 Grad", 9, {0, 0, 10, -10, 20, 0, 0, 0}, "1,41", 2, 0, 2, 45},
};
// clang-format on

class Bemassungsarten : public ::testing::TestWithParam<Art> {};

TEST_P(Bemassungsarten, WertUndBegrenzungen) {
  const Art& a = GetParam();
  Umgebung u(1);
  tmessdaten d{.geometrie = a.g, .typ = a.typ, .texthoehe = 2.5, .textwinkel = a.textwinkel, .begrenzung = 4};
  d.werte[3] = 300;
  d.schalter[0] = a.decimals;
  d.schalter[1] = 4;                                                        // the degree sign
  d.optionen = {1, 0, 1, 0, 0, a.option5, a.decimals == 2 && a.typ == 8, 0};  // R, Ø
  const std::int32_t n = u.zeichnung.speicher.neueBemassung(d);
  zeichneBemassung(u.k(), n);
  ASSERT_EQ(u.canvas.texte.size(), 1u) << a.name;
  EXPECT_EQ(u.canvas.texte[0].text, a.text) << a.name;
  EXPECT_EQ(u.canvas.polygone.size(), a.spitzen) << a.name;
  if (a.option5 != 0) {
    // Arrows from outside: their bodies lie beyond the circle.
    for (const auto& p : u.canvas.polygone)
      for (const Pixelpunkt& q : p.punkte) EXPECT_TRUE(q.x <= 20.001 || q.x >= 79.999) << a.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Arten, Bemassungsarten, ::testing::ValuesIn(kArten));

TEST(Bemassungsarten, WertFolgtDenPunktenBeimSpiegelnUndSkalieren) {
  Umgebung u(1);
  tmessdaten w{.geometrie = {50, 50, 90, 50, 60, 10, 70, 50}, .typ = 5};
  const double vorher = gemessenerWinkel(w);
  const std::int32_t n = u.zeichnung.speicher.neueBemassung(w);
  bildeAb(u.zeichnung.speicher, n, Abbildung::spiegelung({0, 0}, {0, 100}));
  EXPECT_NEAR(gemessenerWinkel(u.zeichnung.speicher.bemassung(n)), vorher, 1e-9);
  tmessdaten r{.geometrie = {50, 50, 80, 50, 0, 0, 0, 0}, .typ = 3};
  r.schalter[0] = 2;
  const std::int32_t m = u.zeichnung.speicher.neueBemassung(r);
  bildeAb(u.zeichnung.speicher, m, Abbildung::streckung({0, 0}, 2));
  zeichneBemassung(u.k(), m);
  ASSERT_EQ(u.canvas.texte.size(), 1u);
  EXPECT_EQ(u.canvas.texte[0].text, "6,00");
}

// An edited value shows in its own colour on screen; on paper only when the
// style says "drucken".
TEST(Bemassungsarten, EditierteMasszahlFarbigNurMitDrucken) {
  for (const auto& [druck, drucken, farbe] :
       {std::tuple(false, false, 0x00FF00u), std::tuple(true, false, 0x000000u), std::tuple(true, true, 0x00FF00u)}) {
    Umgebung u(1);
    u.schalter.druck = druck;
    tmessdaten d{.geometrie = {10, 50, 90, 50, 50, 40, 0, 0}, .texthoehe = 2.5, .masstext = "8,00"};
    d.werte[4] = 0x00FF00;
    d.schalter[1] = drucken ? 16 : 0;
    zeichneBemassung(u.k(), u.zeichnung.speicher.neueBemassung(d));
    ASSERT_EQ(u.canvas.texte.size(), 1u);
    EXPECT_EQ(u.canvas.texte[0].farbe, Farbe(farbe)) << druck << drucken;
  }
}

}  // namespace
}  // namespace quarzel
