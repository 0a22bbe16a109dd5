// Where the configuration file and the program folders are, the "-i" option,
// and the settings object of openSettings().
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/einstellungen.h"
#include "settings/konfiguration.h"
#include "platform/skriptbenutzer.h"
#include "test_konfiguration_hilfe.h"

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
    EXPECT_EQ(z.iniDatei, f.ini) << f.argumente[0];
    EXPECT_EQ(z.argumente, f.rest) << f.argumente[0];
  }
  const char* argv[] = {"quarzel", "-i", "a.ini", "plan.qzz", nullptr};
  const auto z = zerlegeBefehlszeile(4, argv);
  EXPECT_EQ(z.iniDatei, "a.ini");
  EXPECT_EQ(z.argumente, Liste{"plan.qzz"});
  EXPECT_TRUE(zerlegeBefehlszeile(0, nullptr).argumente.empty());
}

TEST(Dateiorte, KonfigurationsdateiNachXdg) {
  EXPECT_EQ(standardKonfigurationsdatei(umgebungAus({{"XDG_CONFIG_HOME", "/x/cfg"}, {"HOME", "/home/u"}})),
            fs::path("/x/cfg/quarzel/quarzel.ini"));
  EXPECT_EQ(standardKonfigurationsdatei(umgebungAus({{"HOME", "/home/u"}})),
            fs::path("/home/u/.config/quarzel/quarzel.ini"));
  EXPECT_EQ(standardKonfigurationsdatei(umgebungAus({{"XDG_CONFIG_HOME", "relativ"}, {"HOME", "/home/u"}})),
            fs::path("/home/u/.config/quarzel/quarzel.ini"))
      << "a relative XDG folder does not count";
  EXPECT_EQ(standardKonfigurationsdatei(umgebungAus({{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}})),
            fs::path("/home/u/.config/quarzel/quarzel.ini"));
  EXPECT_EQ(standardKonfigurationsdatei(umgebungAus({{"HOME", "/home/u"}}), "demo"),
            fs::path("/home/u/.config/quarzel/quarzel_demo.ini"));
  EXPECT_FALSE(standardKonfigurationsdatei(umgebungAus({})));
  EXPECT_FALSE(standardKonfigurationsdatei(Umgebung{}));
}

TEST(Dateiorte, ProgrammordnerIstUeberschreibbar) {
  EXPECT_EQ(programmordner(umgebungAus({{"QUARZEL_DATA_DIR", "/opt/q/data"}})), fs::path("/opt/q/data"));
  EXPECT_EQ(programmordner(umgebungAus({})), fs::path(QUARZEL_DATA_DIR));
  EXPECT_EQ(programmordner(umgebungAus({{"QUARZEL_DATA_DIR", ""}})), fs::path(QUARZEL_DATA_DIR));
}

TEST(Dateiorte, BenutzerordnerWirdAngelegt) {
  TempOrdner ordner;
  const auto daten = benutzerordner(umgebungAus({{"XDG_DATA_HOME", (ordner / "daten").string()}}));
  ASSERT_TRUE(daten);
  EXPECT_EQ(*daten, ordner / "daten" / "quarzel");
  EXPECT_TRUE(fs::is_directory(*daten));

  const auto heim = benutzerordner(umgebungAus({{"HOME", ordner.pfad().string()}}));
  ASSERT_TRUE(heim);
  EXPECT_EQ(*heim, ordner / ".local" / "share" / "quarzel");
  EXPECT_FALSE(benutzerordner(umgebungAus({})));

  schreibeDatei(ordner / "datei", "");
  EXPECT_FALSE(benutzerordner(umgebungAus({{"XDG_DATA_HOME", (ordner / "datei").string()}})))
      << "a file where the folder should be";
}

TEST(Dateiorte, ZeichnungsordnerImHeimordner) {
  EXPECT_EQ(zeichnungsordner(umgebungAus({{"HOME", "/home/u"}})), fs::path("/home/u/Zeichnungen/"));
  EXPECT_FALSE(zeichnungsordner(umgebungAus({})));
}

TEST(Programmdateien, RelativeNamenMitBeidenTrennern) {
  EXPECT_EQ(relativerProgrammpfad("Schraffuren\\Standard\\a.tsc"), fs::path("Schraffuren/Standard/a.tsc"));
  EXPECT_EQ(relativerProgrammpfad("Symbole/tür.qzs"), fs::path("Symbole/tür.qzs"));
  for (const char* name : {"", "/etc/passwd", "\\etc\\passwd", "../geheim", "Symbole/../../geheim", "a\\..\\b"}) {
    EXPECT_FALSE(relativerProgrammpfad(name)) << name;
  }
}

TEST(Programmdateien, EigeneKopieVorDerMitgeliefertenDatei) {
  TempOrdner ordner;
  const auto umgebung = umgebungAus(
      {{"XDG_DATA_HOME", (ordner / "eigen").string()}, {"QUARZEL_DATA_DIR", (ordner / "mitgeliefert").string()}});
  fs::create_directories(ordner / "mitgeliefert" / "Schraffuren" / "Standard");
  schreibeDatei(ordner / "mitgeliefert" / "standard.tlm", "TLM");
  EXPECT_EQ(findeProgrammdatei("standard.tlm", umgebung), ordner / "mitgeliefert" / "standard.tlm");
  EXPECT_FALSE(fs::exists(ordner / "eigen")) << "looking must not create the user's folder";

  const auto ziel = schreibbareProgrammdatei("Schraffuren\\Standard\\neu.tsc", umgebung);
  ASSERT_TRUE(ziel);
  EXPECT_EQ(*ziel, ordner / "eigen" / "quarzel" / "Schraffuren" / "Standard" / "neu.tsc");
  EXPECT_TRUE(fs::is_directory(ziel->parent_path()));

  const auto eigene = schreibbareProgrammdatei("standard.tlm", umgebung);
  ASSERT_TRUE(eigene);
  schreibeDatei(*eigene, "TLM eigen");
  EXPECT_EQ(findeProgrammdatei("standard.tlm", umgebung), *eigene);
  EXPECT_FALSE(schreibbareProgrammdatei("../raus.tlm", umgebung));
  EXPECT_FALSE(findeProgrammdatei("/etc/passwd", umgebung));
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

TEST_F(KonfigurationTest, OhneOptionDieDateiImBenutzerordner) {
  Konfiguration k = neueKonfiguration();
  EXPECT_EQ(k.werteBefehlszeileAus(Liste{"plan.qzz"}), Liste{"plan.qzz"});
  EXPECT_EQ(k.dateiname(), standard());
  auto datei = k.openSettings();
  EXPECT_TRUE(benutzer.meldungen.empty()) << "a missing file is no error";
  Einstellungen e;
  e.lese(datei.ini());
  EXPECT_EQ(e, Einstellungen{});
  e.projektoptionen.massstab = 50;
  e.projektoptionen.schreibe(datei.ini());
  ASSERT_TRUE(datei.speichern()) << benutzer.letzteMeldung();
  EXPECT_NE(leseDatei(standard()).find("Maßstab=50\n"), std::string::npos) << "the folder was created";
}

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

TEST_F(KonfigurationTest, RelativerNameWirdBeimFestlegenAbsolut) {
  Konfiguration k = neueKonfiguration();
  k.werteBefehlszeileAus(Liste{"-i", "relativ.ini"});
  ASSERT_TRUE(k.dateiname());
  EXPECT_TRUE(k.dateiname()->is_absolute());
  EXPECT_EQ(k.dateiname()->filename(), "relativ.ini");
}

TEST_F(KonfigurationTest, BefehlszeileZaehltNurBeimErstenMal) {
  Konfiguration k = neueKonfiguration();
  k.werteBefehlszeileAus(Liste{"-i", (ordner / "erste.ini").string()});
  EXPECT_EQ(k.werteBefehlszeileAus(Liste{"-i", (ordner / "zweite.ini").string(), "x.qzz"}), Liste{"x.qzz"});
  EXPECT_EQ(k.dateiname(), ordner / "erste.ini");

  // Once the name has been used, a late command line changes nothing either.
  Konfiguration spaet = neueKonfiguration();
  EXPECT_EQ(spaet.dateiname(), standard());
  spaet.werteBefehlszeileAus(Liste{"-i", (ordner / "spaet.ini").string()});
  EXPECT_EQ(spaet.dateiname(), standard());
}

TEST_F(KonfigurationTest, OhneDateinamenMeldungUndVorgaben) {
  Konfiguration k(benutzer, umgebungAus({}));
  auto datei = k.openSettings();
  ASSERT_EQ(benutzer.meldungen.size(), 1u);
  EXPECT_EQ(benutzer.letzteMeldung(), "Ein interner Fehler ist aufgetreten: INI-Datei-Name nicht gesetzt!");
  Einstellungen e;
  e.lese(datei.ini());
  EXPECT_EQ(e, Einstellungen{});
  e.schreibe(datei.ini());
  EXPECT_FALSE(datei.speichern());
  EXPECT_EQ(benutzer.meldungen.size(), 2u);
  EXPECT_EQ(benutzer.letzteMeldung(), kMeldungIniNameFehlt);

  // An empty name after "-i" counts as none.
  Konfiguration leer = neueKonfiguration();
  leer.werteBefehlszeileAus(Liste{"-i", ""});
  EXPECT_FALSE(leer.dateiname());
  leer.openSettings();
  EXPECT_EQ(benutzer.meldungen.size(), 3u);
  EXPECT_EQ(benutzer.letzteMeldung(), kMeldungIniNameFehlt);
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
