// The "-i" option and the settings object of openSettings().
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/skriptbenutzer.h"
#include "settings/einstellungen.h"
#include "settings/konfiguration.h"
#include "support/settings/test_konfiguration_hilfe.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;
using Liste = std::vector<std::string>;
using test::leseDatei;
using test::schreibeDatei;
using test::TempOrdner;
using test::umgebungAus;

TEST(Befehlszeile, OptionIMitDateinameWirdHerausgenommen) {
  struct Fall {
    Liste argumente;
    std::optional<std::string> ini;
    Liste rest;
  };
  const Fall faelle[] = {
      {{"-i", "büro.ini", "plan.qzz"}, "büro.ini", {"plan.qzz"}},
      {{"plan.qzz", "-I", "GROSS.INI"}, "GROSS.INI", {"plan.qzz"}},  // compared in lower case
      {{"plan.qzz", "-ix", "-", "i"}, std::nullopt, {"plan.qzz", "-ix", "-", "i"}},
      {{"plan.qzz", "-i"}, std::nullopt, {"plan.qzz"}},  // without a name it is dropped
  };
  for (const Fall& f : faelle) {
    const auto z = zerlegeBefehlszeile(f.argumente);
    EXPECT_EQ(std::tuple(z.iniDatei, z.argumente), std::tuple(f.ini, f.rest)) << f.argumente[0];
  }
  const char* argv[] = {"quarzel", "-i", "a.ini", "plan.qzz", nullptr};
  const auto z = zerlegeBefehlszeile(4, argv);
  EXPECT_EQ(std::tuple(z.iniDatei, z.argumente), std::tuple("a.ini", Liste{"plan.qzz"}));
  EXPECT_TRUE(zerlegeBefehlszeile(0, nullptr).argumente.empty());
}

class KonfigurationTest : public ::testing::Test {
 protected:
  TempOrdner ordner;
  SkriptBenutzer benutzer;
  fs::path standard() const { return ordner / "cfg" / "quarzel" / "quarzel.ini"; }
  Konfiguration neueKonfiguration() {
    return Konfiguration(benutzer, umgebungAus({{"XDG_CONFIG_HOME", (ordner / "cfg").string()}}));
  }
};

TEST_F(KonfigurationTest, OptionILenktJedesLesenUndSchreibenUm) {
  const fs::path eigene = ordner / "büro.ini";
  schreibeDatei(eigene, "[Projektoptionen]\nMaßstab=200\n");
  Konfiguration k = neueKonfiguration();
  const std::vector<std::string> argv{"-i", eigene.string(), "plan.qzz"};
  EXPECT_EQ(k.werteBefehlszeileAus(argv), Liste{"plan.qzz"});
  EXPECT_EQ(k.dateiname(), eigene);

  Einstellungen e;
  {
    auto datei = k.openSettings();
    e.lese(datei.ini());
    EXPECT_EQ(e.projektoptionen.massstab, 200);
    e.drucken.pdfOptimieren = true;
    e.drucken.schreibe(datei.ini());
    ASSERT_TRUE(datei.speichern());
  }
  {
    auto datei = k.openSettings();
    Einstellungen wieder;
    wieder.lese(datei.ini());
    EXPECT_TRUE(wieder.drucken.pdfOptimieren);
  }
  EXPECT_NE(leseDatei(eigene).find("PDFoptimieren=1"), std::string::npos);
  EXPECT_FALSE(fs::exists(standard())) << "nothing went to the default file";
  EXPECT_FALSE(fs::exists(ordner / "cfg"));
}

TEST_F(KonfigurationTest, OhneDateinamenMeldungUndVorgaben) {
  Konfiguration k(benutzer, umgebungAus({}));
  auto datei = k.openSettings();
  EXPECT_EQ(benutzer.meldungen.size(), 1u);
  EXPECT_EQ(benutzer.letzteMeldung(), "Ein interner Fehler ist aufgetreten: INI-Datei-Name nicht gesetzt!");
  Einstellungen e;
  e.lese(datei.ini());
  EXPECT_EQ(e, Einstellungen{});
  e.schreibe(datei.ini());
  EXPECT_FALSE(datei.speichern());
  EXPECT_EQ(std::tuple(benutzer.meldungen.size(), benutzer.letzteMeldung()), std::tuple(2u, kMeldungIniNameFehlt));

  // An empty name after "-i" counts as none.
  Konfiguration leer = neueKonfiguration();
  leer.werteBefehlszeileAus(Liste{"-i", ""});
  EXPECT_FALSE(leer.dateiname());
  leer.openSettings();
  EXPECT_EQ(std::tuple(benutzer.meldungen.size(), benutzer.letzteMeldung()), std::tuple(3u, kMeldungIniNameFehlt));
}

TEST_F(KonfigurationTest, UnlesbareDateiWirdNichtUeberschrieben) {
  fs::create_directories(ordner / "ordner.ini");
  Konfiguration k = neueKonfiguration();
  k.werteBefehlszeileAus(Liste{"-i", (ordner / "ordner.ini").string()});
  auto datei = k.openSettings();
  EXPECT_TRUE(benutzer.meldungen.empty());
  Einstellungen e;
  e.lese(datei.ini());
  EXPECT_EQ(e, Einstellungen{});
  e.schreibe(datei.ini());
  EXPECT_FALSE(datei.speichern());
  ASSERT_EQ(benutzer.meldungen.size(), 1u);
  EXPECT_NE(benutzer.letzteMeldung().find("konnte nicht gespeichert werden"), std::string::npos);
  EXPECT_EQ(benutzer.meldungen.back().art, Meldungsart::Fehler);
  EXPECT_TRUE(fs::is_directory(ordner / "ordner.ini"));
}

}  // namespace
}  // namespace quarzel
