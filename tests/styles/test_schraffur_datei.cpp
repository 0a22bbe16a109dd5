// Hatch definitions in their two file forms: ".tsc" and "Schraffur.ini"
// sections, each written and read back and read damaged.
#include <gtest/gtest.h>

#include <string>

#include "support/settings/test_konfiguration_hilfe.h"
#include "styles/schraffurdatei.h"

namespace quarzel {
namespace {

// A definition with a value in every field that differs from the defaults.
Schraffurdefinition bunteDefinition() {
  Schraffurdefinition d = vorgabeSchraffur("Bunt");
  d.scaleDependent = 1;
  for (std::size_t p = 0; p < d.muster.size(); ++p) {
    d.muster[p].direction = static_cast<std::int32_t>(p * 37) - 50;
    for (std::size_t i = 0; i < d.muster[p].linien.size(); ++i)
      d.muster[p].linien[i] = {static_cast<std::uint8_t>((p + i) % 2), 0.1 + 1.25 * double(p * 5 + i),
                               static_cast<std::uint8_t>(i + p), static_cast<std::uint8_t>(200 + i)};
  }
  return d;
}

// The 26 lines of a definition file with one line replaced.
std::string tscMitZeile(std::size_t zeile, std::string_view inhalt) {
  std::string text;
  const std::string gesamt = schreibeTsc(vorgabeSchraffur());
  std::string_view vorlage = gesamt;
  for (std::size_t i = 0; !vorlage.empty(); ++i) {
    const std::size_t ende = vorlage.find('\n');
    text += i == zeile ? std::string(inhalt) + "\r" : std::string(vorlage.substr(0, ende));
    text += '\n';
    vorlage.remove_prefix(ende + 1);
  }
  return text;
}

TEST(SchraffurTsc, SchreibenUndLesenErgibtDieselbeDefinition) {
  const Schraffurdefinition d = bunteDefinition();
  EXPECT_EQ(leseTsc(schreibeTsc(d), "Bunt"), d);
  for (int i = 1; i <= StandardSchraffurAnzahl; ++i) {
    const auto s = *standardSchraffur(standardSchraffurName(i));
    EXPECT_EQ(leseTsc(schreibeTsc(s), s.name), s);
  }
}

TEST(SchraffurTscDefekt, JedeZeileNimmtNurBrauchbareWerteUndSonstDieVorgabeIhrerStelle) {
  // Line 1 holds the six directions; lines 2 to 5 the active flags, distances,
  // styles and pens of the first pattern's five lines.
  const auto feld = [](const Schraffurdefinition& d, std::size_t zeile, std::size_t i) -> double {
    const Schraffurlinie& l = d.muster[0].linien[i];
    return zeile == 1   ? d.muster[i].direction
           : zeile == 2 ? l.active
           : zeile == 3 ? l.distance
           : zeile == 4 ? l.style
                        : l.pen;
  };
  const double Min = Schraffurlinie::MinAbstand, Max = Schraffurlinie::MaxAbstand;
  const struct {
    std::size_t zeile;
    const char* inhalt;
    std::vector<double> erwartet;
  } faelle[] = {
      {3, "2,25;0.5;7;8;9;", {2.25, 0.5, 7, 8, 9}},  // decimal comma and point
      {1, "1;2;3;4;5;6;7;8;9", {1, 2, 3, 4, 5, 6}},  // too many values
      {2, "1", {1, 0}},                              // too few
      {5, ";;;7", {1, 0, 0, 7}},                     // empty places keep their default
      {3, "0;-3;1e-9;1e9;nan;", {1.5, 5, Min, Max, 5}},
      {3, "1e400;1,2,3;0x10;inf;--1", {1.5, 5, 5, 5, 5}},
      {1, "99999999999;-2147483648;7.6;abc;1e300;720", {0, -2147483648.0, 8, 135, 30, 720}},
      {4, "256;-1;255;3;x", {0, 0, 255, 3}},
      {2, "2;-1;0;1e12;x", {1, 1, 0, 0}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.inhalt);
    const auto d = leseTsc(tscMitZeile(f.zeile, f.inhalt), "x");
    ASSERT_TRUE(d);
    std::vector<double> gelesen;
    for (std::size_t i = 0; i < f.erwartet.size(); ++i) gelesen.push_back(feld(*d, f.zeile, i));
    EXPECT_EQ(gelesen, f.erwartet);
  }
  for (std::string_view text : {"", "   \r\n\r\n", "\n0\n", "Schraffur\n0;45\n", "\x89PNG\r\n\x1a\n"})
    EXPECT_FALSE(leseTsc(text, "x")) << "no number in the first line: " << text;
  // Missing lines keep the defaults.
  Schraffurdefinition erwartet = vorgabeSchraffur("x");
  erwartet.scaleDependent = 1;
  EXPECT_EQ(leseTsc("1", "x"), erwartet);
  erwartet.scaleDependent = 0;
  erwartet.muster[0].direction = 10;
  erwartet.muster[1].direction = 20;
  erwartet.muster[0].linien[0].active = erwartet.muster[0].linien[1].active = 1;
  EXPECT_EQ(leseTsc("0\n10;20\n1;1\n", "x"), erwartet);
}

TEST(SchraffurIni, AbschnittMitVorgabenUndDezimalkomma) {
  const IniDatei ini = IniDatei::ausText(
      "[Schraffur-Namen]\nZiegel=1\nLeer=\n"
      "[Ziegel]\nMasstab=1\nRichtung=30;60\nAktiv1=1;0;1\nAbstand1=2,50;5,00;0,75;\nArt1=1;0;2;\nStiftdicke1=3;4;5;\n");
  EXPECT_EQ(schraffurIniNamen(ini), (std::vector<std::string>{"Ziegel", "Leer"}));
  const auto d = leseSchraffurIni(ini, "Ziegel");
  ASSERT_TRUE(d);
  EXPECT_EQ(
      std::tuple(d->name, d->scaleDependent, d->muster[0].direction, d->muster[1].direction, d->muster[2].direction),
      std::tuple("Ziegel", 1, 30, 60, 90));
  EXPECT_EQ(d->muster[0].linien[0], (Schraffurlinie{1, 2.5, 1, 3}));
  EXPECT_EQ(d->muster[0].linien[2], (Schraffurlinie{1, 0.75, 2, 5}));
  EXPECT_EQ(d->muster[1].linien, vorgabeSchraffur().muster[1].linien);

  Schraffurdefinition leer = vorgabeSchraffur("Leer");
  EXPECT_EQ(leseSchraffurIni(ini, "Leer"), leer);  // listed without a section
  EXPECT_FALSE(leseSchraffurIni(ini, "Ohne"));
  EXPECT_FALSE(leseSchraffurIni(IniDatei::ausText("[Ohne]\nRichtung=1\n"), "Ohne"));
}

}  // namespace
}  // namespace quarzel
