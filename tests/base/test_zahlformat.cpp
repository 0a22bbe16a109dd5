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

TEST(ZahlLesen, KommaUndPunktJeEinmalSonstKeineZahl) {
  const std::optional<double> keine;
  const std::pair<const char*, std::optional<double>> faelle[] = {{"3,5", 3.5},
                                                                  {"3.5", 3.5},
                                                                  {"-0,25", -0.25},
                                                                  {"+2", 2.0},
                                                                  {",5", 0.5},
                                                                  {"5,", 5.0},
                                                                  {"1,414", 1.414},
                                                                  {"1,5e3", 1500.0},
                                                                  {"2.5E-1", 0.25},
                                                                  {"\t12,75\r\n", 12.75},  // blanks around do not count
                                                                  {"  \t", 0.0},           // an empty text is 0
                                                                  // Only one separator is the decimal one.
                                                                  {"1.234,5", keine},
                                                                  {"1,2,3", keine},
                                                                  {"abc", keine},
                                                                  {"1e", keine},
                                                                  {"--1", keine},
                                                                  {"1 2", keine},
                                                                  {"-", keine},
                                                                  {"0x10", keine},
                                                                  // Not-a-number and infinity are no numbers either.
                                                                  {"nan", keine},
                                                                  {"inf", keine},
                                                                  {"1e400", keine}};
  for (const auto& [text, wert] : faelle) EXPECT_EQ(leseZahl(text), wert) << text;
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
  EXPECT_EQ(std::tuple(leseZahl("3.5"), leseZahl("3,5"), schreibeZahl(3.5)), std::tuple(3.5, 3.5, "3.5"));
  std::locale::global(altGlobal);
  std::setlocale(LC_ALL, altC.c_str());
}

TEST(GanzzahlLesen, NurGanzeDezimalzahlen) {
  const std::pair<const char*, std::optional<std::int64_t>> faelle[] = {{"42", 42},
                                                                        {" -7 ", -7},
                                                                        {"+8421504", 8421504},
                                                                        {"", 0},
                                                                        {"3,0", std::nullopt},
                                                                        {"3.0", std::nullopt},
                                                                        {"1e3", std::nullopt},
                                                                        {"0x1F", std::nullopt},
                                                                        {"--1", std::nullopt},
                                                                        {"12 3", std::nullopt},
                                                                        {"-9223372036854775808", INT64_MIN},
                                                                        {"-9223372036854775809", std::nullopt},
                                                                        {"9223372036854775807", INT64_MAX},
                                                                        {"9223372036854775808", std::nullopt}};
  for (const auto& [text, wert] : faelle) EXPECT_EQ(leseGanzzahl(text), wert) << text;
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
