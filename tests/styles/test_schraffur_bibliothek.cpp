// Finding hatch definitions by name: the order of the sources, the fallback
// to "Windows-Standard 1", deleting the user's own hatches and the check the
// drawing-file reader uses.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/skriptbenutzer.h"
#include "render/schraffurlader.h"
#include "support/settings/test_konfiguration_hilfe.h"
#include "store/zeichnungsdatei.h"
#include "styles/schraffurbibliothek.h"
#include "styles/schraffurdatei.h"
#include "support/speicherhilfen.h"

namespace quarzel {
namespace {

namespace fs = std::filesystem;

// A program folder and a user folder of their own for every test.
struct Ordner {
  test::TempOrdner wurzel;
  fs::path programm = wurzel / "programm";
  fs::path benutzer = wurzel / "daten";
  Umgebung umgebung =
      test::umgebungAus({{"QUARZEL_DATA_DIR", programm.string()}, {"XDG_DATA_HOME", benutzer.string()}});

  Ordner() { fs::create_directories(programm); }

  fs::path mitgeliefert(std::string_view unterordner = "Standard") const {
    fs::path p = programm / "Schraffuren" / unterordner;
    fs::create_directories(p);
    return p;
  }
  fs::path eigene(std::string_view unterordner = "Standard") const {
    fs::path p = benutzer / "quarzel" / "Schraffuren" / unterordner;
    fs::create_directories(p);
    return p;
  }
};

// A definition told apart from others by its first direction.
Schraffurdefinition mitRichtung(std::string name, std::int32_t richtung) {
  Schraffurdefinition d = vorgabeSchraffur(std::move(name));
  d.muster[0].direction = richtung;
  d.muster[0].linien[0].active = 1;
  return d;
}

void lege(const fs::path& pfad, const Schraffurdefinition& d) {
  test::schreibeDatei(pfad, schreibeTsc(d));
}

EingebetteteDatei eingebettet(const Schraffurdefinition& d) {
  const std::string t = schreibeTsc(d);
  return {d.name, std::vector<std::uint8_t>(t.begin(), t.end())};
}

TEST(SchraffurQuellen, EigeneDateiVorMitgelieferterVorIniVorZeichnungVorEingebauter) {
  Ordner o;
  const Schraffurbibliothek b(o.umgebung);
  const std::vector<EingebetteteDatei> zeichnung{eingebettet(mitRichtung("Windows-Standard 2", 4)),
                                                 eingebettet(mitRichtung("Beton", 5))};

  EXPECT_EQ(b.lies("Windows-Standard 2"), standardSchraffur("Windows-Standard 2"));
  EXPECT_EQ(b.lies("Windows-Standard 2", zeichnung)->muster[0].direction, 4);
  EXPECT_EQ(b.lies("Beton", zeichnung)->muster[0].direction, 5);

  test::schreibeDatei(o.programm / "Schraffur.ini", "[Schraffur-Namen]\nBeton=1\n[Beton]\nRichtung=3\n");
  EXPECT_EQ(Schraffurbibliothek(o.umgebung).lies("Beton", zeichnung)->muster[0].direction, 3);

  lege(o.mitgeliefert("Zeichnung") / "Beton.tsc", mitRichtung("Beton", 2));
  EXPECT_EQ(Schraffurbibliothek(o.umgebung).lies("Beton", zeichnung)->muster[0].direction, 2);
  lege(o.mitgeliefert() / "Beton.tsc", mitRichtung("Beton", 1));
  EXPECT_EQ(b.lies("Beton", zeichnung)->muster[0].direction, 1);
  lege(o.eigene() / "Beton.tsc", mitRichtung("Beton", 0));
  const auto d = b.lies("Beton", zeichnung);
  ASSERT_TRUE(d);
  EXPECT_EQ(d->muster[0].direction, 0);
  EXPECT_EQ(d->name, "Beton");
}

TEST(SchraffurSpeichern, OhneOrdnerScheitertEsMitMeldung) {
  Ordner o;
  fs::create_directories(o.benutzer);
  test::schreibeDatei(o.benutzer / "quarzel", "");  // a file where the folder belongs
  std::string fehler;
  EXPECT_FALSE(Schraffurbibliothek(o.umgebung).speichere(mitRichtung("Beton", 1), &fehler));
  EXPECT_EQ(fehler, "Der Ordner für Schraffuren kann nicht angelegt werden.");
}

TEST(SchraffurLader, AuchAusDerZeichnungUndSonstWindowsStandard1) {
  Ordner o;
  const Schraffurbibliothek b(o.umgebung);
  Schraffurlader lader(b);
  EXPECT_EQ(lader.fuerElement("Gibtsnicht"), *standardSchraffur(ErsatzSchraffur));
  EXPECT_EQ(lader.fuerElement("Windows-Standard 4"), *standardSchraffur("Windows-Standard 4"));
  const std::vector<EingebetteteDatei> zeichnung{eingebettet(mitRichtung("Altbau", 17)), {"Kaputt", {}}};
  EXPECT_EQ(lader.fuerElement("Altbau", zeichnung).muster[0].direction, 17);
  EXPECT_EQ(lader.fuerElement("Kaputt", zeichnung).name, ErsatzSchraffur);
}

TEST(SchraffurPruefung, LeserMeldetNurWirklichFehlende) {
  Ordner o;
  lege(o.mitgeliefert() / "Beton.tsc", mitRichtung("Beton", 1));

  Zeichnung z;
  test::initialisiere(z.speicher);
  z.speicher.beginneSchritt();
  for (const char* name : {"Beton", "Windows-Standard 5", "Eigen", "Gibtsnicht", "Gibtsnicht"}) {
    z.speicher.polygon(test::polygon(z.speicher, {{0, 0}, {10, 0}, {10, 10}})).fuellung = {.schraffurName = name,
                                                                                           .gefuellt = 1};
  }
  z.optionen.schraffuren.push_back(eingebettet(mitRichtung("Eigen", 1)));
  const Schreibergebnis datei = schreibeZeichnung(z);

  Zeichnung geladen;
  SkriptBenutzer benutzer;
  Ladeoptionen optionen;
  optionen.schraffurBekannt = schraffurpruefung(o.umgebung);
  const Ladeergebnis e = leseZeichnung(datei.daten, geladen, benutzer, optionen);
  ASSERT_TRUE(e.geladen);
  EXPECT_EQ(e.fehlendeSchraffuren, std::vector<std::string>{"Gibtsnicht"});
}

}  // namespace
}  // namespace quarzel
