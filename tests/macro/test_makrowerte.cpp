#include <gtest/gtest.h>

#include "macro/makrostapel.h"
#include "macro/makrowerte.h"

namespace quarzel {
namespace {

TEST(Makrozahlen, GanzeZahlenOhneNachkommastellen) {
  EXPECT_EQ(makrozahl(3), "3");
  EXPECT_EQ(makrozahl(-17), "-17");
  EXPECT_EQ(makrozahl(-0.0), "0");
  EXPECT_EQ(makrozahl(123456789012345.0), "123456789012345");
}

TEST(Makrozahlen, HoechstensFuenfzehnGueltigeStellen) {
  EXPECT_EQ(makrozahl(0.5), "0.5");
  EXPECT_EQ(makrozahl(0.1 + 0.2), "0.3");
  EXPECT_EQ(makrozahl(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(makrozahl(3.14159265358979323), "3.14159265358979");
}

TEST(Makrozahlen, SehrGrosseUndKleineMitExponentOhneVorzeichenUndNullen) {
  EXPECT_EQ(makrozahl(1e20), "1E20");
  EXPECT_EQ(makrozahl(1e-7), "1E-7");
  EXPECT_EQ(makrozahl(-2.5e-10), "-2.5E-10");
  EXPECT_EQ(makrozahl(0.0001), "0.0001");
}

TEST(Makrozahlen, LesenDuldetKommaAlsDezimaltrenner) {
  EXPECT_EQ(liesMakrowert("1,5"), 1.5);
  EXPECT_EQ(liesMakrowert("1.5"), 1.5);
  EXPECT_EQ(liesMakrowert(" -2,25 "), -2.25);
  EXPECT_EQ(liesMakrowert("+4"), 4.0);
  EXPECT_EQ(liesMakrowert("1E3"), 1000.0);
}

TEST(Makrozahlen, LeererTextIstNull) {
  EXPECT_EQ(liesMakrowert(""), 0.0);
}

TEST(Makrozahlen, NurDerErsteTrennerZaehlt) {
  EXPECT_FALSE(liesMakrowert("1.000,5"));
  EXPECT_FALSE(liesMakrowert("1,000,5"));
}

TEST(Makrozahlen, TexteSindKeineZahlen) {
  for (const char* t : {"abc", "FALSE", "1a", "inf", "nan", "0x10", "--1", "1 2", "."}) {
    EXPECT_FALSE(liesMakrowert(t)) << t;
  }
  EXPECT_FALSE(liesMakrowert(std::string(1000, '1')));
  EXPECT_FALSE(liesMakrowert("1E999"));
}

TEST(Makrozahlen, MakrowertWirftBeiText) {
  EXPECT_THROW(makrowert("Tür"), Makrozahlfehler);
}

TEST(Makroganzzahlen, StrengOhneNachkommastellen) {
  EXPECT_EQ(liesGanzzahl("42"), 42);
  EXPECT_EQ(liesGanzzahl(" -3 "), -3);
  EXPECT_FALSE(liesGanzzahl("3.0"));
  EXPECT_FALSE(liesGanzzahl("1e3"));
  EXPECT_FALSE(liesGanzzahl(""));
  EXPECT_FALSE(liesGanzzahl("99999999999999999999"));
}

TEST(Makrowahrheit, NurDieNullIstFalsch) {
  EXPECT_FALSE(makrowahr("0"));
  EXPECT_TRUE(makrowahr("0.0"));
  EXPECT_TRUE(makrowahr("FALSE"));
  EXPECT_TRUE(makrowahr(""));
  EXPECT_TRUE(makrowahr("-1"));
}

TEST(Makrostapel, ZahlenWerdenAlsTextGelegt) {
  Makrostapel s;
  s.legeZahl(2.5);
  s.lege("x");
  EXPECT_EQ(s.oben(), "x");
  EXPECT_EQ(s.oben(1), "2.5");
  EXPECT_EQ(s.nimm(), "x");
  EXPECT_EQ(s.nimmZahl(), 2.5);
  EXPECT_TRUE(s.leer());
}

TEST(Makrostapel, FehlgeschlagenesLesenLaesstDenWertLiegen) {
  Makrostapel s;
  s.lege("kein");
  EXPECT_THROW(s.nimmZahl(), Makrozahlfehler);
  EXPECT_EQ(s.groesse(), 1u);
}

}  // namespace
}  // namespace quarzel
