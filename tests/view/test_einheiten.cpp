// Unit table, layer unit byte, number formatting, sheet formats.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "view/blattformat.h"
#include "view/einheiten.h"

namespace quarzel {
namespace {

TEST(Einheitentabelle, FeetIstCodeSechsObwohlSiebterEintragYardIstSieben) {
  EXPECT_EQ(einheitNachRadioIndex(6)->radiotext, "Feet");
  EXPECT_EQ(einheitNachRadioIndex(6)->code, 6);
  EXPECT_EQ(einheitNachRadioIndex(6)->name, "ft");
  EXPECT_EQ(einheitNachRadioIndex(5)->code, 7);
  EXPECT_EQ(einheitNachCode(7)->name, "yd");
  EXPECT_EQ(einheitNachCode(8)->faktor, 0.0000005399568);
  EXPECT_EQ(einheitNachCode(9), nullptr);
  EXPECT_EQ(einheitNachRadioIndex(8), nullptr);
}

TEST(Benutzerwerte, GespeicherteVierZeigtZweiStellenUndKeineNegativeNull) {
  EXPECT_EQ(formatiereBenutzerwert(1.23456, 1, 4, false), "1.23");
  EXPECT_EQ(formatiereBenutzerwert(1.23456, 1, 3, false), "1.235");
  EXPECT_EQ(formatiereBenutzerwert(1.23456, 1, 0, false), "1");
  EXPECT_EQ(formatiereBenutzerwert(-0.001, 2, 2, false), "0.00");
}

TEST(Benutzerwerte, ImperialGehtUeberZehntausendstelAlsGanzzahl) {
  EXPECT_EQ(imperialWert(-1.23456), -12346);
  EXPECT_EQ(imperialWert(NAN), 0);
  EXPECT_EQ(imperialWert(1e300), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(formatiereBenutzerwert(2.5, 5, 2, false), "2.5");
  EXPECT_EQ(formatiereBenutzerwert(1.23456, 6, 2, false), "1.2346");
  EXPECT_EQ(formatiereBenutzerwert(2.5, 5, 2, true), "2.50");  // decimal switch: like metric
}

TEST(Blattformate, TabelleGrenzenUndUmrechnung) {
  EXPECT_EQ(blattmassNachName("A4 Querformat")->breite, 297);
  EXPECT_EQ(blattmassNachName("A4 Querformat")->hoehe, 210);
  EXPECT_EQ(blattmassNachName("A0 Hochformat")->hoehe, 1189);
  EXPECT_EQ(blattmassNachIndex(0, true)->hoehe, 148);
  EXPECT_FALSE(blattmassNachName("A6 Hochformat").has_value());
  EXPECT_EQ(beliebigesFormatGrenzen(0.1).minimum, 5);
  EXPECT_EQ(beliebigesFormatGrenzen(0.1).maximum, 250);
  EXPECT_EQ(beliebigesFormatGrenzen(0.03937).minimum, 2);   // 1.9685
  EXPECT_EQ(beliebigesFormatGrenzen(0.03937).maximum, 98);  // 98.425
  EXPECT_EQ(zeichnungseinheitenInMm(29.7, 0.1), 297);
  EXPECT_EQ(zeichnungseinheitenInMm(11.69, 0.03937), 297);
  EXPECT_FALSE(zeichnungseinheitenInMm(10, 0).has_value());
  EXPECT_FALSE(zeichnungseinheitenInMm(1e300, 1).has_value());
}

}  // namespace
}  // namespace quarzel
