// The visibility rules of the layer tables that the renderer and the select
// tool rely on (protection and grey display: test_ebenen_schutz.cpp).
#include <gtest/gtest.h>

#include "store/ebenen.h"

namespace quarzel {
namespace {

class Sichtbarkeit : public ::testing::Test {
 protected:
  void SetUp() override {
    e.fuegeEbeneAn("");
    e.fuegeEbeneAn("");
    for (int i = 2; i <= 3; ++i) e.fuegeFolieAn(i, "");
    e.setzeAktiv(1, 1);
    e.setzeSichtbarFlag(1, 0);
    e.setzeSichtbarFlag(2, 1);
    e.setzeSichtbarFlag(3, 0);
  }
  Ebenen e;
};

TEST_F(Sichtbarkeit, DerModusEntscheidetUeberFlagUndAktiveEbene) {
  // Layer 1 is active without its flag, layer 2 has the flag, layer 3 neither.
  struct Fall {
    Sichtbarkeitsmodus modus;
    bool sichtbar[4];
  };
  for (const Fall f : {Fall{Sichtbarkeitsmodus::NurAktive, {true, false, false, false}},
                       Fall{Sichtbarkeitsmodus::Alle, {true, true, true, false}},
                       Fall{Sichtbarkeitsmodus::Ausgewaehlte, {true, true, false, false}}}) {
    e.modus = f.modus;
    for (int ebene = 1; ebene <= 4; ++ebene)
      EXPECT_EQ(e.sichtbar(ebene), f.sichtbar[ebene - 1]) << int(f.modus) << " Ebene " << ebene;
  }
}

TEST_F(Sichtbarkeit, UnterebenenAusblendenUeberschreibenUndFehlende) {
  e.modus = Sichtbarkeitsmodus::NurAktive;
  e.fuegeFolieAn(1, "");
  e.setzeFolienzustand(1, 2, FolieAusgeblendet);  // hides also on the active layer
  e.setzeFolienzustand(3, 1, FolieAusgeblendet);
  // Elements on sublayer 77 of a damaged file must not vanish unnoticed.
  EXPECT_EQ(std::tuple(e.sichtbar(1, 1), e.sichtbar(1, 2), e.waehlbar(1, 2), e.sichtbar(3, 1), e.sichtbar(1, 77)),
            std::tuple(true, false, false, false, true));
  e.allesSichtbar = true;
  EXPECT_EQ(std::tuple(e.sichtbar(3), e.sichtbar(3, 1), e.sichtbar(1, 2)), std::tuple(true, true, true));
}

// The layer unit byte: cm with two decimals, shown, is 2 + 32 + 128.
TEST(Einheitenbyte, ZentimeterMitZweiStellenUndAnzeigeIst162UndHinUndZurueck) {
  EXPECT_EQ(packeEinheit({2, 2, true}), 162);
  EXPECT_EQ(einheitName(entpackeEinheit(162).code), "cm");
  for (std::uint8_t code = 1; code <= 8; ++code) {
    for (std::uint8_t stellen = 0; stellen <= 3; ++stellen) {
      const Ebeneneinheit e{code, stellen, code % 2 == 0};
      EXPECT_EQ(entpackeEinheit(packeEinheit(e)), e) << int(code) << " " << int(stellen);
    }
  }
  EXPECT_EQ(packeEinheit({9, 1, true}), 0);
  EXPECT_EQ(entpackeEinheit(128 + 9), Ebeneneinheit{});  // no unit: the drawing unit
  EXPECT_EQ(entpackeEinheit(1 + 16 + 64).nachkommastellen, 3);
}

}  // namespace
}  // namespace quarzel
