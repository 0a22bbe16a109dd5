// Randomised files: whatever the bytes, reading never fails, the rewritten
// text is stable UTF-8, settings stay in their ranges, and what the program
// writes into such a file it reads back unchanged.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "settings/einstellungen.h"
#include "base/inidatei.h"
#include "base/textkodierung.h"

namespace quarzel {
namespace {

// Bytes that matter to the format, real section and key names, and noise.
std::string zufallsdatei(std::mt19937& zufall) {
  // One string split at '|' keeps the list readable; "\0" marks a NUL byte.
  static const std::vector<std::string> bausteine = [] {
    const std::string_view alle =
        "[|]|=|;|#|\n|\r\n|\r| |\t|,|.|-|e|0|1|9|\"|\\0|\xFF\xFE|\xEF\xBB\xBF|\xC3|\xDF|\xF6|\x80|\x81|"
        "[Projektoptionen]\n|[Stiftbreiten]\n|[Mehrfachlinien]\n|[Zeichenhilfen]\n|[projektOPTIONEN]|Maßstab=|"
        "Ma\xDFstab=|varBlattformatHöhe:=|StiftBreite3=|StiftFarbe2=|Abstand=|Rasterabstand=|Fangradius=|Faktor=|"
        "1e400|nan|-0|150,200;|99999999999999999999";
    std::vector<std::string> teile;
    for (std::size_t anfang = 0;;) {
      const std::size_t ende = alle.find('|', anfang);
      const std::string teil(alle.substr(anfang, ende - anfang));
      teile.push_back(teil == "\\0" ? std::string(1, '\0') : teil);
      if (ende == std::string_view::npos) return teile;
      anfang = ende + 1;
    }
  }();
  std::uniform_int_distribution<int> laenge(0, 400);
  std::uniform_int_distribution<std::size_t> wahl(0, bausteine.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255);
  std::bernoulli_distribution rauschen(0.3);
  std::string text;
  const int n = laenge(zufall);
  for (int i = 0; i < n; ++i) {
    if (rauschen(zufall)) {
      text += char(byte(zufall));
    } else {
      text += bausteine[wahl(zufall)];
    }
  }
  return text;
}

void pruefeBereiche(const Einstellungen& e) {
  const auto& p = e.projektoptionen;
  EXPECT_TRUE(p.blattBreite >= 0 && p.blattBreite <= 10000);  // 0: A4 at start-up
  EXPECT_TRUE(p.blattHoehe >= 0 && p.blattHoehe <= 10000);
  EXPECT_GT(p.massstab, 0);
  EXPECT_GT(p.faktor, 0);
  EXPECT_TRUE(p.einheit >= 1 && p.einheit <= 8);
  EXPECT_GT(e.zeichenhilfen.rasterabstand, 0);
  EXPECT_GT(e.zeichenhilfen.yRasterabstand, 0);
  EXPECT_TRUE(e.zeichenhilfen.fangradius >= 1 && e.zeichenhilfen.fangradius <= 20);
  for (int n = 1; n < einstellung::Stiftbreiten::kStifte; ++n) {
    EXPECT_TRUE(e.stiftbreiten.breite[n] >= 0 && e.stiftbreiten.breite[n] <= 10);
  }
  for (Farbe f : e.stiftbreiten.farbe) EXPECT_LE(f, 0xFFFFFFu);
  for (double a : e.mehrfachlinien.abstand) EXPECT_TRUE(std::isfinite(a));
}

TEST(Zufallsdateien, LesenIstRobustUndUmschreibenStabil) {
  IniDatei basis;
  Einstellungen{}.schreibe(basis);
  const std::string gueltig = basis.text();
  std::mt19937 zufall(4711);
  for (int runde = 0; runde < 800; ++runde) {
    // Three rounds of four build files from pieces, the fourth damages a valid file.
    std::string bytes = gueltig;
    if (runde % 4 != 3) {
      bytes = zufallsdatei(zufall);
    } else {
      for (int i = 0; i < 20; ++i) bytes[zufall() % bytes.size()] = static_cast<char>(zufall());
    }
    const IniDatei ini = IniDatei::ausText(bytes);
    const std::string text = ini.text();
    ASSERT_TRUE(istGueltigesUtf8(text)) << "round " << runde;
    ASSERT_EQ(IniDatei::ausText(text).text(), text) << "round " << runde;
    Einstellungen e;
    e.lese(ini);
    pruefeBereiche(e);
    if (::testing::Test::HasFailure()) FAIL() << "round " << runde;
  }
}

TEST(Zufallsdateien, GeschriebeneEinstellungenKommenUnveraendertZurueck) {
  std::mt19937 zufall(1234);
  Einstellungen e;
  e.projektoptionen.massstab = 50;
  e.projektoptionen.blattHoehe = 297.5;
  e.stiftbreiten.breite[3] = 0.45;
  e.stiftbreiten.farbe[2] = rgb(10, 20, 30);
  e.mehrfachlinien.abstand = {1, 2.5, 3, 4, 5, 6};
  e.zeichenhilfen.fangradius = 12;
  e.vermassung.vortext = " ca. ";
  for (int runde = 0; runde < 150; ++runde) {
    IniDatei ini = IniDatei::ausText(zufallsdatei(zufall));
    e.schreibe(ini);
    Einstellungen wieder;
    wieder.lese(IniDatei::ausText(ini.text()));
    ASSERT_EQ(wieder, e) << "round " << runde;
  }
}

}  // namespace
}  // namespace quarzel
