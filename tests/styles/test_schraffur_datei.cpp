// Hatch definitions in their two file forms: the values of a definition read
// without values, the built-in hatches, the ".tsc" text written and read back,
// "Schraffur.ini" sections, and damaged or hostile files.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "styles/schraffurdatei.h"
#include "settings/test_konfiguration_hilfe.h"

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

// --- Defaults and built-in hatches --------------------------------------------------

TEST(SchraffurDefinition, VorgabenEinerDefinitionOhneWerte) {
  const Schraffurdefinition d = vorgabeSchraffur("x");
  for (const Schraffurmuster& m : d.muster) {
    EXPECT_FALSE(m.hatAktiveLinie());
    EXPECT_EQ(m.linien[0].distance, 1.5);
    EXPECT_EQ(m.linien[4].distance, 5);
    EXPECT_EQ(m.linien[0].pen, 1);
    EXPECT_EQ(m.linien[1].pen, 0);
  }
  EXPECT_FALSE(d.zeichnetEtwas());
}

TEST(SchraffurDefinition, GenauSechsVerschiedeneStandardSchraffuren) {
  std::set<std::string> texte;
  for (int i = 1; i <= StandardSchraffurAnzahl; ++i) {
    const auto d = standardSchraffur("Windows-Standard " + std::to_string(i));
    ASSERT_TRUE(d);
    EXPECT_EQ(d->name, "Windows-Standard " + std::to_string(i));
    EXPECT_TRUE(d->zeichnetEtwas());
    texte.insert(schreibeTsc(*d));
  }
  EXPECT_EQ(texte.size(), 6u);
  EXPECT_EQ(standardSchraffurName(1), ErsatzSchraffur);
  EXPECT_EQ(standardSchraffurNummer("Windows-Standard 6"), 6);
  for (std::string_view name : {"Windows-Standard 0", "Windows-Standard 7", "Windows-Standard 10", "windows-standard 1",
                                "Windows-Standard", "Beton", ""})
    EXPECT_FALSE(standardSchraffur(name)) << name;
}

TEST(SchraffurDefinition, NamenDieKeinDateinameSeinKoennen) {
  EXPECT_TRUE(gueltigerSchraffurname("Dämmung weich"));
  using namespace std::string_view_literals;
  for (std::string_view name : {""sv, "."sv, ".."sv, "a/b"sv, "a\\b"sv, "../x"sv, "a\0b"sv, "x\ny"sv})
    EXPECT_FALSE(gueltigerSchraffurname(name)) << name;
  EXPECT_FALSE(gueltigerSchraffurname(std::string(201, 'a')));
}

// --- Definition files: writing and reading back ---------------------------------------

TEST(SchraffurTsc, GeschriebenWieDieProgrammdateien) {
  Schraffurdefinition d = vorgabeSchraffur("x");
  d.muster[1].linien[0] = {1, 2.5, 2, 3};
  const std::string text = schreibeTsc(d);
  EXPECT_EQ(text.substr(0, 22), "0\r\n0;45;90;135;30;60\r\n");
  EXPECT_NE(text.find("\r\n1;0;0;0;0\r\n2,5;5;5;5;5;\r\n2;0;0;0;0\r\n3;0;0;0;0\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n0;0;0;0;0\r\n1,5;5;5;5;5;\r\n0;0;0;0;0\r\n1;0;0;0;0\r\n"), std::string::npos);
  std::size_t zeilen = 0;
  for (char c : text) zeilen += c == '\n';
  EXPECT_EQ(zeilen, 26u);
}

TEST(SchraffurTsc, SchreibenUndLesenErgibtDieselbeDefinition) {
  const Schraffurdefinition d = bunteDefinition();
  EXPECT_EQ(leseTsc(schreibeTsc(d), "Bunt"), d);
  for (int i = 1; i <= StandardSchraffurAnzahl; ++i) {
    const auto s = *standardSchraffur(standardSchraffurName(i));
    EXPECT_EQ(leseTsc(schreibeTsc(s), s.name), s);
  }
}

TEST(SchraffurTsc, DezimalpunktUndKommaUndZeilenenden) {
  const auto komma = leseTsc(tscMitZeile(3, "2,25;0.5;7;8;9;"), "a");
  ASSERT_TRUE(komma);
  EXPECT_EQ(komma->muster[0].linien[0].distance, 2.25);
  EXPECT_EQ(komma->muster[0].linien[1].distance, 0.5);

  std::string nurLf = schreibeTsc(bunteDefinition());
  std::erase(nurLf, '\r');
  EXPECT_EQ(leseTsc(nurLf, "Bunt"), bunteDefinition());
  EXPECT_EQ(leseTsc("\xEF\xBB\xBF" + schreibeTsc(bunteDefinition()), "Bunt"), bunteDefinition());
}

// --- Definition files: damaged and hostile input -----------------------------------

TEST(SchraffurTscDefekt, LeerOderKeineZahlInDerErstenZeileIstKeineSchraffur) {
  for (std::string_view text : {"", "   \r\n\r\n", "\n0\n", "Schraffur\n0;45\n", "\x89PNG\r\n\x1a\n"})
    EXPECT_FALSE(leseTsc(text, "x")) << text;
}

TEST(SchraffurTscDefekt, FehlendeZeilenBehaltenDieVorgaben) {
  const auto d = leseTsc("1", "x");
  ASSERT_TRUE(d);
  Schraffurdefinition erwartet = vorgabeSchraffur("x");
  erwartet.scaleDependent = 1;
  EXPECT_EQ(*d, erwartet);

  const auto halb = leseTsc("0\n10;20\n1;1\n", "x");
  ASSERT_TRUE(halb);
  EXPECT_EQ(halb->muster[0].direction, 10);
  EXPECT_EQ(halb->muster[1].direction, 20);
  EXPECT_EQ(halb->muster[2].direction, 90);
  EXPECT_EQ(halb->muster[0].linien[1].active, 1);
  EXPECT_EQ(halb->muster[0].linien[2].active, 0);
  EXPECT_EQ(halb->muster[5].linien[0].distance, 1.5);
}

TEST(SchraffurTscDefekt, FalscheAnzahlenJeZeile) {
  const auto d = leseTsc(tscMitZeile(1, "1;2;3;4;5;6;7;8;9"), "x");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->muster[5].direction, 6);
  const auto kurz = leseTsc(tscMitZeile(2, "1"), "x");
  ASSERT_TRUE(kurz);
  EXPECT_EQ(kurz->muster[0].linien[0].active, 1);
  EXPECT_EQ(kurz->muster[0].linien[1].active, 0);
  // Empty places keep their default instead of reading as 0.
  const auto luecke = leseTsc(tscMitZeile(5, ";;;7"), "x");
  ASSERT_TRUE(luecke);
  EXPECT_EQ(luecke->muster[0].linien[0].pen, 1);
  EXPECT_EQ(luecke->muster[0].linien[3].pen, 7);
}

TEST(SchraffurTscDefekt, AbstaendeNullNegativUndRiesigWerdenBegrenzt) {
  const auto d = leseTsc(tscMitZeile(3, "0;-3;1e-9;1e9;nan;"), "x");
  ASSERT_TRUE(d);
  const auto& l = d->muster[0].linien;
  EXPECT_EQ(l[0].distance, 1.5);  // zero: default of the place
  EXPECT_EQ(l[1].distance, 5);    // negative: default
  EXPECT_EQ(l[2].distance, Schraffurlinie::MinAbstand);
  EXPECT_EQ(l[3].distance, Schraffurlinie::MaxAbstand);
  EXPECT_EQ(l[4].distance, 5);
  const auto ueber = leseTsc(tscMitZeile(3, "1e400;1,2,3;0x10;inf;--1"), "x");
  ASSERT_TRUE(ueber);
  EXPECT_EQ(ueber->muster[0].linien[0].distance, 1.5);
  for (std::size_t i = 1; i < 5; ++i) EXPECT_EQ(ueber->muster[0].linien[i].distance, 5);
}

TEST(SchraffurTscDefekt, GanzzahlenAusserhalbIhresBereichs) {
  const auto richtung = leseTsc(tscMitZeile(1, "99999999999;-2147483648;7.6;abc;1e300;720"), "x");
  ASSERT_TRUE(richtung);
  EXPECT_EQ(richtung->muster[0].direction, 0);
  EXPECT_EQ(richtung->muster[1].direction, -2147483648LL);
  EXPECT_EQ(richtung->muster[2].direction, 8);
  EXPECT_EQ(richtung->muster[3].direction, 135);
  EXPECT_EQ(richtung->muster[4].direction, 30);
  EXPECT_EQ(richtung->muster[5].direction, 720);

  const auto stil = leseTsc(tscMitZeile(4, "256;-1;255;3;x"), "x");
  ASSERT_TRUE(stil);
  EXPECT_EQ(stil->muster[0].linien[0].style, 0);
  EXPECT_EQ(stil->muster[0].linien[1].style, 0);
  EXPECT_EQ(stil->muster[0].linien[2].style, 255);
  EXPECT_EQ(stil->muster[0].linien[3].style, 3);

  const auto aktiv = leseTsc(tscMitZeile(2, "2;-1;0;1e12;x"), "x");
  ASSERT_TRUE(aktiv);
  EXPECT_EQ(aktiv->muster[0].linien[0].active, 1);
  EXPECT_EQ(aktiv->muster[0].linien[1].active, 1);
  EXPECT_EQ(aktiv->muster[0].linien[2].active, 0);
  EXPECT_EQ(aktiv->muster[0].linien[3].active, 0);  // out of range: default
}

TEST(SchraffurTscDefekt, ZufallsbytesWerdenNieZumAbsturz) {
  std::mt19937 zufall(4711);
  const std::string vorlage = schreibeTsc(bunteDefinition());
  for (int runde = 0; runde < 1000; ++runde) {
    std::string text = vorlage;
    const int aenderungen = 1 + static_cast<int>(zufall() % 20);
    for (int i = 0; i < aenderungen; ++i) {
      const std::size_t stelle = zufall() % (text.size() + 1);
      const char zeichen = static_cast<char>(zufall() % 256);
      if (zufall() % 3 == 0 && stelle < text.size())
        text.erase(stelle, 1);
      else
        text.insert(stelle, 1, zeichen);
    }
    if (const auto d = leseTsc(text, "z")) {
      for (const Schraffurmuster& m : d->muster)
        for (const Schraffurlinie& l : m.linien) {
          EXPECT_GE(l.distance, Schraffurlinie::MinAbstand);
          EXPECT_LE(l.distance, Schraffurlinie::MaxAbstand);
          EXPECT_LE(l.active, 1);
        }
    }
  }
}

TEST(SchraffurTscDefekt, UeberlangeDateiWirdNurAmAnfangGelesen) {
  std::string text = schreibeTsc(bunteDefinition());
  text += std::string(HoechsteTscGroesse * 2, '9');
  EXPECT_EQ(leseTsc(text, "Bunt"), bunteDefinition());
}

TEST(SchraffurTscDatei, DateiLesenUndSchreiben) {
  test::TempOrdner ordner;
  EXPECT_TRUE(schreibeTscDatei(ordner / "Bunt.tsc", bunteDefinition()));
  EXPECT_EQ(leseTscDatei(ordner / "Bunt.tsc", "Bunt"), bunteDefinition());
  EXPECT_FALSE(leseTscDatei(ordner / "fehlt.tsc", "fehlt"));
  EXPECT_FALSE(leseTscDatei(ordner.pfad(), "ordner"));
  test::schreibeDatei(ordner / "leer.tsc", "");
  EXPECT_FALSE(leseTscDatei(ordner / "leer.tsc", "leer"));
}

// --- Schraffur.ini ---------------------------------------------------------------------

TEST(SchraffurIni, AbschnittMitVorgabenUndDezimalkomma) {
  const IniDatei ini = IniDatei::ausText(
      "[Schraffur-Namen]\nZiegel=1\nLeer=\n"
      "[Ziegel]\nMasstab=1\nRichtung=30;60\nAktiv1=1;0;1\nAbstand1=2,50;5,00;0,75;\nArt1=1;0;2;\nStiftdicke1=3;4;5;\n");
  EXPECT_EQ(schraffurIniNamen(ini), (std::vector<std::string>{"Ziegel", "Leer"}));
  const auto d = leseSchraffurIni(ini, "Ziegel");
  ASSERT_TRUE(d);
  EXPECT_EQ(d->name, "Ziegel");
  EXPECT_EQ(d->scaleDependent, 1);
  EXPECT_EQ(d->muster[0].direction, 30);
  EXPECT_EQ(d->muster[1].direction, 60);
  EXPECT_EQ(d->muster[2].direction, 90);
  EXPECT_EQ(d->muster[0].linien[0], (Schraffurlinie{1, 2.5, 1, 3}));
  EXPECT_EQ(d->muster[0].linien[2], (Schraffurlinie{1, 0.75, 2, 5}));
  EXPECT_EQ(d->muster[1].linien, vorgabeSchraffur().muster[1].linien);

  Schraffurdefinition leer = vorgabeSchraffur("Leer");
  EXPECT_EQ(leseSchraffurIni(ini, "Leer"), leer);  // listed without a section
  EXPECT_FALSE(leseSchraffurIni(ini, "Ohne"));
  EXPECT_FALSE(leseSchraffurIni(IniDatei::ausText("[Ohne]\nRichtung=1\n"), "Ohne"));
}

TEST(SchraffurIni, SchreibenUndLesenErgibtDieselbeDefinition) {
  IniDatei ini;
  ASSERT_TRUE(schreibeSchraffurIni(ini, bunteDefinition()));
  EXPECT_EQ(leseSchraffurIni(IniDatei::ausText(ini.text()), "Bunt"), bunteDefinition());
  Schraffurdefinition unmoeglich = vorgabeSchraffur("a]b");
  EXPECT_FALSE(schreibeSchraffurIni(ini, unmoeglich));
  EXPECT_EQ(schraffurIniNamen(ini), std::vector<std::string>{"Bunt"});
}

}  // namespace
}  // namespace quarzel
