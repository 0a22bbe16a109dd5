// Finding hatch definitions by name: the order of the sources, the fallback
// to "Windows-Standard 1", the renderer's cache, the user's own hatches, the
// check the drawing-file reader uses, and the hatches shipped with the program.
#include <gtest/gtest.h>

#include <filesystem>

#include "styles/schraffurbibliothek.h"
#include "styles/schraffurdatei.h"
#include "render/schraffurlader.h"
#include "settings/test_konfiguration_hilfe.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnungsdatei.h"
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

// --- Sources and their order -------------------------------------------------------

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

TEST(SchraffurQuellen, DateinameOhneRuecksichtAufGrossschreibung) {
  Ordner o;
  lege(o.mitgeliefert() / "Kies.TSC", mitRichtung("Kies", 11));
  lege(o.mitgeliefert() / "sand.Tsc", mitRichtung("sand", 12));
  const Schraffurbibliothek b(o.umgebung);
  EXPECT_EQ(b.lies("Kies")->muster[0].direction, 11);
  EXPECT_EQ(b.lies("SAND")->muster[0].direction, 12);
  EXPECT_EQ(b.lies("SAND")->name, "SAND");
}

TEST(SchraffurQuellen, UnlesbareDateiGibtDieNaechsteQuelle) {
  Ordner o;
  test::schreibeDatei(o.eigene() / "Glas.tsc", "");
  lege(o.mitgeliefert("Zeichnung") / "Glas.tsc", mitRichtung("Glas", 9));
  EXPECT_EQ(Schraffurbibliothek(o.umgebung).lies("Glas")->muster[0].direction, 9);
}

TEST(SchraffurQuellen, NamenMitPfadanteilenLesenKeineDatei) {
  Ordner o;
  lege(o.wurzel / "geheim.tsc", mitRichtung("geheim", 1));
  lege(o.mitgeliefert() / "geheim.tsc", mitRichtung("geheim", 2));
  const Schraffurbibliothek b(o.umgebung);
  for (std::string_view name : {"../../../geheim", "../geheim", "/etc/passwd", "Standard/../geheim", "."})
    EXPECT_FALSE(b.lies(name)) << name;
  EXPECT_FALSE(b.lies(""));
}

TEST(SchraffurQuellen, BekanntNurAusserhalbDerZeichnung) {
  Ordner o;
  lege(o.mitgeliefert() / "Putz.tsc", mitRichtung("Putz", 1));
  test::schreibeDatei(o.programm / "Schraffur.ini", "[Schraffur-Namen]\nAltbau=1\n");
  const Schraffurbibliothek b(o.umgebung);
  EXPECT_TRUE(b.bekannt("Putz"));
  EXPECT_TRUE(b.bekannt("putz"));
  EXPECT_TRUE(b.bekannt("Altbau"));
  EXPECT_TRUE(b.bekannt("Windows-Standard 6"));
  EXPECT_FALSE(b.bekannt("Windows-Standard 7"));
  EXPECT_FALSE(b.bekannt("Gibtsnicht"));
  EXPECT_FALSE(b.bekannt(""));
}

TEST(SchraffurQuellen, NamenslisteEingebauteZuerstDannSortiertOhneDoppelte) {
  Ordner o;
  lege(o.mitgeliefert() / "Mauerwerk.tsc", mitRichtung("Mauerwerk", 1));
  lege(o.eigene() / "mauerwerk.tsc", mitRichtung("mauerwerk", 1));
  lege(o.eigene() / "Beton.tsc", mitRichtung("Beton", 1));
  lege(o.mitgeliefert("Zeichnung") / "Alt.tsc", mitRichtung("Alt", 1));
  lege(o.mitgeliefert() / "Windows-Standard 3.tsc", mitRichtung("Windows-Standard 3", 1));
  test::schreibeDatei(o.mitgeliefert() / "liesmich.txt", "x");
  test::schreibeDatei(o.programm / "Schraffur.ini", "[Schraffur-Namen]\nZiegel=1\n");
  const std::vector<EingebetteteDatei> zeichnung{eingebettet(mitRichtung("Holz", 1))};
  const auto namen = Schraffurbibliothek(o.umgebung).namen(zeichnung);
  ASSERT_EQ(namen.size(), 11u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(namen[i], standardSchraffurName(i + 1));
  EXPECT_EQ(std::vector<std::string>(namen.begin() + 6, namen.end()),
            (std::vector<std::string>{"Alt", "Beton", "Holz", "Mauerwerk", "Ziegel"}));
}

// --- The user's own hatches ----------------------------------------------------------------

TEST(SchraffurEigene, SpeichernLandetImEigenenOrdnerUndWirdGefunden) {
  Ordner o;
  const Schraffurbibliothek b(o.umgebung);
  const Schraffurdefinition d = mitRichtung("Dämmung weich", 33);
  ASSERT_TRUE(b.speichere(d));
  EXPECT_TRUE(fs::exists(o.benutzer / "quarzel" / "Schraffuren" / "Standard" / "Dämmung weich.tsc"));
  EXPECT_EQ(b.lies("Dämmung weich"), d);
  std::string fehler;
  EXPECT_FALSE(b.speichere(vorgabeSchraffur("a/b"), &fehler));
  EXPECT_FALSE(fehler.empty());
}

TEST(SchraffurEigene, LoeschenNurEigeneUndNieEingebaute) {
  Ordner o;
  const Schraffurbibliothek b(o.umgebung);
  EXPECT_EQ(b.loesche("Windows-Standard 1"), Schraffurbibliothek::Loeschung::StandardSchraffur);
  EXPECT_EQ(MeldungStandardNichtLoeschbar, "Standard-Schraffuren können nicht gelöscht werden");

  lege(o.mitgeliefert() / "Stahl.tsc", mitRichtung("Stahl", 1));
  EXPECT_EQ(b.loesche("Stahl"), Schraffurbibliothek::Loeschung::NichtGefunden);
  EXPECT_TRUE(fs::exists(o.mitgeliefert() / "Stahl.tsc"));

  ASSERT_TRUE(b.speichere(mitRichtung("Stahl", 2)));
  EXPECT_EQ(b.lies("Stahl")->muster[0].direction, 2);
  EXPECT_EQ(b.loesche("Stahl"), Schraffurbibliothek::Loeschung::Geloescht);
  EXPECT_EQ(b.lies("Stahl")->muster[0].direction, 1);
}

// --- The renderer's cache ------------------------------------------------------------------

TEST(SchraffurLader, AuchAusDerZeichnungUndSonstWindowsStandard1) {
  Ordner o;
  const Schraffurbibliothek b(o.umgebung);
  Schraffurlader lader(b);
  EXPECT_EQ(lader.fuerElement("Gibtsnicht"), *standardSchraffur(ErsatzSchraffur));
  EXPECT_EQ(lader.fuerElement("Windows-Standard 4"), *standardSchraffur("Windows-Standard 4"));
  EXPECT_EQ(lader.fuerElement("Gibtsnicht").name, ErsatzSchraffur);
  const std::vector<EingebetteteDatei> zeichnung{eingebettet(mitRichtung("Altbau", 17)), {"Kaputt", {}}};
  EXPECT_EQ(lader.fuerElement("Altbau", zeichnung).muster[0].direction, 17);
  EXPECT_EQ(lader.fuerElement("Kaputt", zeichnung).name, ErsatzSchraffur);
}

TEST(SchraffurLader, LoadHatchFehlschlagBehaeltDieGeladene) {
  Ordner o;
  lege(o.mitgeliefert() / "Kies.tsc", mitRichtung("Kies", 7));
  const Schraffurbibliothek b(o.umgebung);
  Schraffurlader lader(b);
  EXPECT_EQ(lader.geladen().name, ErsatzSchraffur);
  ASSERT_TRUE(lader.loadHatch("Kies"));
  EXPECT_FALSE(lader.loadHatch("Gibtsnicht"));
  EXPECT_EQ(lader.geladen().name, "Kies");
}

TEST(SchraffurLader, GleicherNameLiestDieDateiNichtNochEinmal) {
  Ordner o;
  const fs::path datei = o.mitgeliefert() / "Kies.tsc";
  lege(datei, mitRichtung("Kies", 7));
  const Schraffurbibliothek b(o.umgebung);
  Schraffurlader lader(b);
  EXPECT_EQ(lader.fuerElement("Kies").muster[0].direction, 7);
  lege(datei, mitRichtung("Kies", 8));
  EXPECT_EQ(lader.fuerElement("Kies").muster[0].direction, 7);
  EXPECT_EQ(lader.fuerElement("Windows-Standard 2").name, "Windows-Standard 2");
  // Met again in the same redraw: still from the cache.
  EXPECT_EQ(lader.fuerElement("Kies").muster[0].direction, 7);

  lader.vergiss();  // a new redraw sees the changed file
  EXPECT_EQ(lader.fuerElement("Kies").muster[0].direction, 8);
  fs::remove(datei);
  lader.vergiss();
  EXPECT_EQ(lader.fuerElement("Kies").name, ErsatzSchraffur);
}

// --- The check of the drawing-file reader -----------------------------------------------

TEST(SchraffurPruefung, LeserMeldetNurWirklichFehlende) {
  Ordner o;
  lege(o.mitgeliefert() / "Beton.tsc", mitRichtung("Beton", 1));

  Zeichnung z;
  test::initialisiere(z.speicher);
  z.speicher.beginneSchritt();
  for (const char* name : {"Beton", "Windows-Standard 5", "Eigen", "Gibtsnicht", "Gibtsnicht"}) {
    Tpolygondaten p;
    p.x = {0, 10, 10, 0};
    p.y = {0, 0, 10, 0};
    p.fuellung.gefuellt = 1;
    p.fuellung.schraffurName = name;
    const std::int32_t n = z.speicher.neuesPolygonMitPunkten(Elementart::Polygon, p);
    z.speicher.vervollstaendige(n);
    z.speicher.setzeMarkiert(n, 0);
  }
  z.optionen.schraffuren.push_back(eingebettet(mitRichtung("Eigen", 1)));
  const Schreibergebnis datei = schreibeZeichnung(z);

  Zeichnung geladen;
  test::initialisiere(geladen.speicher);
  SkriptBenutzer benutzer;
  Ladeoptionen optionen;
  optionen.schraffurBekannt = schraffurpruefung(o.umgebung);
  const Ladeergebnis e = leseZeichnung(datei.daten, geladen, benutzer, optionen);
  ASSERT_TRUE(e.geladen);
  EXPECT_EQ(e.fehlendeSchraffuren, std::vector<std::string>{"Gibtsnicht"});
}

// --- Hatches shipped with the program --------------------------------------------------

TEST(SchraffurMitgeliefert, ArchitekturschraffurenSindLesbarUndZeichnen) {
  const Umgebung umgebung = test::umgebungAus({{"QUARZEL_DATA_DIR", QUARZEL_DATA_DIR}});
  const Schraffurbibliothek b(umgebung);
  for (const char* name : {"Mauerwerk", "Beton", "Stahlbeton", "Dämmung weich", "Dämmung hart", "Erdreich", "Kies",
                           "Sand", "Holz quer", "Holz längs", "Stahl", "Glas", "Putz", "Fliesen 30x30"}) {
    const fs::path pfad = fs::path(QUARZEL_DATA_DIR) / "Schraffuren" / "Standard" / (std::string(name) + ".tsc");
    const auto d = leseTscDatei(pfad, name);
    ASSERT_TRUE(d) << name;
    EXPECT_TRUE(d->zeichnetEtwas()) << name;
    // Written by this program's writer, byte for byte.
    EXPECT_EQ(schreibeTsc(*d), test::leseDatei(pfad)) << name;
    EXPECT_TRUE(b.bekannt(name)) << name;
  }
}

}  // namespace
}  // namespace quarzel
