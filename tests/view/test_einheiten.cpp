// Unit table, layer unit byte, number formatting, sheet formats.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/blattformat.h"
#include "view/einheiten.h"

namespace quarzel {
namespace {

TEST(Einheitentabelle, FeetIstCodeSechsObwohlSiebterEintragYardIstSieben) {
  const auto* feet = einheitNachRadioIndex(6);
  EXPECT_EQ(std::tuple(feet->radiotext, feet->code, feet->name), std::tuple("Feet", 6, "ft"));
  EXPECT_EQ(std::tuple(einheitNachRadioIndex(5)->code, einheitNachCode(7)->name, einheitNachCode(8)->faktor),
            std::tuple(7, "yd", 0.0000005399568));
  EXPECT_TRUE(einheitNachCode(9) == nullptr && einheitNachRadioIndex(8) == nullptr);
}

TEST(Benutzerwerte, GespeicherteVierZeigtZweiStellenUndKeineNegativeNull) {
  EXPECT_EQ(std::tuple(formatiereBenutzerwert(1.23456, 1, 4, false), formatiereBenutzerwert(1.23456, 1, 3, false),
                       formatiereBenutzerwert(1.23456, 1, 0, false), formatiereBenutzerwert(-0.001, 2, 2, false)),
            std::tuple("1.23", "1.235", "1", "0.00"));
}

TEST(Benutzerwerte, ImperialGehtUeberZehntausendstelAlsGanzzahl) {
  EXPECT_EQ(std::tuple(imperialWert(-1.23456), imperialWert(NAN), imperialWert(1e300)),
            std::tuple(-12346, 0, std::numeric_limits<std::int64_t>::max()));
  // With the decimal switch like metric.
  EXPECT_EQ(std::tuple(formatiereBenutzerwert(2.5, 5, 2, false), formatiereBenutzerwert(1.23456, 6, 2, false),
                       formatiereBenutzerwert(2.5, 5, 2, true)),
            std::tuple("2.5", "1.2346", "2.50"));
}

TEST(Blattformate, TabelleGrenzenUndUmrechnung) {
  EXPECT_EQ(std::tuple(blattmassNachName("A4 Querformat")->breite, blattmassNachName("A4 Querformat")->hoehe,
                       blattmassNachName("A0 Hochformat")->hoehe, blattmassNachIndex(0, true)->hoehe),
            std::tuple(297, 210, 1189, 148));
  EXPECT_FALSE(blattmassNachName("A6 Hochformat").has_value());
  EXPECT_EQ(std::pair(beliebigesFormatGrenzen(0.1).minimum, beliebigesFormatGrenzen(0.1).maximum), std::pair(5, 250));
  // 1.9685 and 98.425.
  EXPECT_EQ(std::pair(beliebigesFormatGrenzen(0.03937).minimum, beliebigesFormatGrenzen(0.03937).maximum),
            std::pair(2, 98));
  EXPECT_EQ(zeichnungseinheitenInMm(29.7, 0.1), 297);
  EXPECT_EQ(zeichnungseinheitenInMm(11.69, 0.03937), 297);
  EXPECT_FALSE(zeichnungseinheitenInMm(10, 0).has_value());
  EXPECT_FALSE(zeichnungseinheitenInMm(1e300, 1).has_value());
}

}  // namespace
}  // namespace quarzel
