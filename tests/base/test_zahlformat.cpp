#include <gtest/gtest.h>

#include <bit>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <locale>
#include <random>
#include <string>

#include "base/zahlformat.h"

namespace quarzel {
namespace {

TEST(ZahlLesen, DezimalkommaUndDezimalpunktGeltenGleich) {
  EXPECT_EQ(leseZahl("3,5"), 3.5);
  EXPECT_EQ(leseZahl("3.5"), 3.5);
  EXPECT_EQ(leseZahl("-0,25"), -0.25);
  EXPECT_EQ(leseZahl("+2"), 2.0);
  EXPECT_EQ(leseZahl(",5"), 0.5);
  EXPECT_EQ(leseZahl("5,"), 5.0);
  EXPECT_EQ(leseZahl("1,414"), 1.414);
  EXPECT_EQ(leseZahl("1,5e3"), 1500.0);
  EXPECT_EQ(leseZahl("2.5E-1"), 0.25);
  EXPECT_EQ(leseZahl("\t12,75\r\n"), 12.75);  // blanks around do not count
  EXPECT_EQ(leseZahl("  \t"), 0.0);           // an empty text is 0
}

TEST(ZahlLesen, NurDasErsteTrennzeichenIstDezimaltrenner) {
  EXPECT_FALSE(leseZahl("1.234,5"));
  EXPECT_FALSE(leseZahl("1,234.5"));
  EXPECT_FALSE(leseZahl("1,2,3"));
  EXPECT_FALSE(leseZahl("150,200;250"));
}

TEST(ZahlLesen, KeineZahlIstSichtbarerFehler) {
  for (const char* text :
       {"abc", "1a", "e5", "1e", "1e+", "--1", "+-1", "-+1", "1 2", "-", "+", ".", ",", "0x10", "1_000", "½", "３"}) {
    EXPECT_FALSE(leseZahl(text)) << text;
  }
}

TEST(ZahlLesen, NanUndUnendlichSindKeineZahlen) {
  for (const char* text : {"nan", "NaN", "-nan", "inf", "-inf", "+inf", "Infinity", "1e400", "-1e400", "1,8e308"}) {
    EXPECT_FALSE(leseZahl(text)) << text;
  }
}

TEST(ZahlLesen, GrenzenDesDoubleBereichs) {
  EXPECT_EQ(leseZahl("1,7976931348623157e308"), std::numeric_limits<double>::max());
  EXPECT_EQ(leseZahl("1e-400"), 0.0);
  EXPECT_EQ(leseZahl("-1e-400"), 0.0);
  EXPECT_EQ(leseZahl("0," + std::string(500, '0') + "1"), 0.0);
  EXPECT_GT(*leseZahl("4,9e-324"), 0.0);
  // A million digits: far too large, read in linear time, no crash.
  EXPECT_FALSE(leseZahl(std::string(1'000'000, '9')));
  EXPECT_EQ(leseZahl("0." + std::string(1'000'000, '0')), 0.0);
}

TEST(ZahlLesen, LenienteVarianteGibtVorgabe) {
  EXPECT_EQ(leseZahlOder("abc", 42.0), 42.0);
  EXPECT_EQ(leseZahlOder("1e400", 7.0), 7.0);
  EXPECT_EQ(leseZahlOder("2,5", 7.0), 2.5);
  EXPECT_EQ(leseZahlOder("", 7.0), 0.0);
}

struct Dezimalkomma : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(ZahlLesen, UnabhaengigVomLocale) {
  // A German C locale where one is installed, and always a C++ locale with a
  // decimal comma.
  const std::string altC = std::setlocale(LC_ALL, nullptr);
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE"}) {
    if (std::setlocale(LC_ALL, name)) break;
  }
  const std::locale altGlobal = std::locale::global(std::locale(std::locale::classic(), new Dezimalkomma));
  EXPECT_EQ(leseZahl("3.5"), 3.5);
  EXPECT_EQ(leseZahl("3,5"), 3.5);
  EXPECT_EQ(schreibeZahl(3.5), "3.5");
  std::locale::global(altGlobal);
  std::setlocale(LC_ALL, altC.c_str());
}

TEST(GanzzahlLesen, NurGanzeDezimalzahlen) {
  EXPECT_EQ(leseGanzzahl("42"), 42);
  EXPECT_EQ(leseGanzzahl(" -7 "), -7);
  EXPECT_EQ(leseGanzzahl("+8421504"), 8421504);
  EXPECT_EQ(leseGanzzahl(""), 0);
  EXPECT_FALSE(leseGanzzahl("3,0"));
  EXPECT_FALSE(leseGanzzahl("3.0"));
  EXPECT_FALSE(leseGanzzahl("1e3"));
  EXPECT_FALSE(leseGanzzahl("0x1F"));
  EXPECT_FALSE(leseGanzzahl("--1"));
  EXPECT_FALSE(leseGanzzahl("12 3"));
}

TEST(GanzzahlLesen, GrenzenDes64BitBereichs) {
  EXPECT_EQ(leseGanzzahl("9223372036854775807"), std::numeric_limits<std::int64_t>::max());
  EXPECT_EQ(leseGanzzahl("-9223372036854775808"), std::numeric_limits<std::int64_t>::min());
  EXPECT_FALSE(leseGanzzahl("9223372036854775808"));
  EXPECT_FALSE(leseGanzzahl("-9223372036854775809"));
  EXPECT_FALSE(leseGanzzahl(std::string(100'000, '7')));
  EXPECT_EQ(leseInt("2147483647"), std::numeric_limits<int>::max());
  EXPECT_FALSE(leseInt("2147483648"));
  EXPECT_FALSE(leseInt("-2147483649"));
}

TEST(ZahlSchreiben, KuerzesteDezimalformExponentNurFuerExtremeGroessen) {
  const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
  const std::pair<double, const char*> faelle[] = {
      {0.001, "0.001"},
      {390, "390"},
      {-2.5, "-2.5"},
      {0.1 + 0.2, "0.30000000000000004"},
      {0.000001, "0.000001"},
      {123456789012.5, "123456789012.5"},
      {1e-7, "1e-07"},
      {0.0000005399568, "5.399568e-07"},
      {1e20, "100000000000000000000"},
      {1e21, "1e+21"},
      {-0.0, "0"},
      {nan, "0"},  // the files hold no non-finite values
      {inf, "0"},
      {-inf, "0"},
  };
  for (const auto& [wert, text] : faelle) EXPECT_EQ(schreibeZahl(wert), text) << text;
}

TEST(ZahlSchreiben, JederEndlicheWertKommtBitgenauZurueck) {
  std::mt19937_64 zufall(20240611);
  for (int i = 0; i < 20000; ++i) {
    const double wert = std::bit_cast<double>(zufall());
    if (!std::isfinite(wert) || wert == 0.0) continue;
    std::string text = schreibeZahl(wert);
    ASSERT_EQ(leseZahl(text), wert) << text;
    // The same text with a decimal comma, as a hand-edited file has it.
    if (const auto punkt = text.find('.'); punkt != std::string::npos) text[punkt] = ',';
    ASSERT_EQ(leseZahl(text), wert) << text;
  }
  for (const double wert : {std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                            std::numeric_limits<double>::denorm_min(), -std::numeric_limits<double>::max()}) {
    EXPECT_EQ(leseZahl(schreibeZahl(wert)), wert);
  }
}

}  // namespace
}  // namespace quarzel
