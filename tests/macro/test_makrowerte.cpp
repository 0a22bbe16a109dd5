#include <gtest/gtest.h>

#include "macro/makrostapel.h"
#include "macro/makrowerte.h"

namespace quarzel {
namespace {

TEST(Makrozahlen, FuenfzehnGueltigeStellenOhneNullenUndExponentOhnePlus) {
  const std::pair<double, const char*> faelle[] = {
      {3, "3"},
      {-0.0, "0"},
      {123456789012345.0, "123456789012345"},
      {0.1 + 0.2, "0.3"},
      {1.0 / 3.0, "0.333333333333333"},
      {3.14159265358979323, "3.14159265358979"},
      {1e20, "1E20"},
      {-2.5e-10, "-2.5E-10"},
      {0.0001, "0.0001"},
  };
  for (const auto& [zahl, text] : faelle) EXPECT_EQ(makrozahl(zahl), text) << text;
}

TEST(Makrozahlen, LesenDuldetEinKommaAlsDezimaltrenner) {
  EXPECT_EQ(liesMakrowert("1,5"), 1.5);
  EXPECT_EQ(liesMakrowert(" -2,25 "), -2.25);
  EXPECT_EQ(liesMakrowert("+4"), 4.0);
  EXPECT_EQ(liesMakrowert("1E3"), 1000.0);
  EXPECT_EQ(liesMakrowert(""), 0.0);
  EXPECT_FALSE(liesMakrowert("1.000,5"));
  EXPECT_FALSE(liesMakrowert("1,000,5"));
}

TEST(Makrozahlen, TexteSindKeineZahlen) {
  for (const char* t : {"abc", "FALSE", "1a", "inf", "nan", "0x10", "--1", "1 2", ".", "1E999"}) {
    EXPECT_FALSE(liesMakrowert(t)) << t;
  }
  EXPECT_FALSE(liesMakrowert(std::string(1000, '1')));
  EXPECT_THROW(makrowert("Tür"), Makrozahlfehler);
}

TEST(Makroganzzahlen, StrengOhneNachkommastellen) {
  EXPECT_EQ(liesGanzzahl(" -3 "), -3);
  for (const char* t : {"3.0", "1e3", "", "99999999999999999999"}) EXPECT_FALSE(liesGanzzahl(t)) << t;
}

TEST(Makrowahrheit, NurDieNullIstFalsch) {
  EXPECT_FALSE(makrowahr("0"));
  for (const char* t : {"0.0", "FALSE", "", "-1"}) EXPECT_TRUE(makrowahr(t)) << t;
}

TEST(Makrostapel, ZahlenAlsTextUndFehlgeschlagenesLesenLaesstDenWertLiegen) {
  Makrostapel s;
  s.legeZahl(2.5);
  s.lege("kein");
  EXPECT_EQ(s.oben(1), "2.5");
  EXPECT_THROW(s.nimmZahl(), Makrozahlfehler);
  EXPECT_EQ(s.nimm(), "kein");
  EXPECT_EQ(s.nimmZahl(), 2.5);
  EXPECT_TRUE(s.leer());
}

}  // namespace
}  // namespace quarzel
