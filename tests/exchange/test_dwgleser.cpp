// The DWG reader: its talk with the converter (through a stand-in for
// Node.js), the messages when parts are missing, and the real converter on a
// drawing whose content is known.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <fstream>

#include "exchange/cadbericht.h"
#include "exchange/cadimport.h"
#include "exchange/dwgleser.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

std::filesystem::path testdatei(const std::string& name) { return std::filesystem::path(QUARZEL_TEST_DATA) / "dwg" / name; }

std::string lies(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

// A converter whose "Node.js" is a shell script: it gets the same arguments,
// the output file last.
struct Attrappe {
  test::TempOrdner ordner;
  DwgKonverter k;
  std::string dwg;
  explicit Attrappe(const std::string& koerper, const std::string& kennung = "AC1015") {
    const std::filesystem::path node = ordner / "node";
    test::schreibeDatei(node, "#!/bin/sh\nfor a; do aus=$a; done\n" + koerper + "\n");
    ::chmod(node.c_str(), 0755);
    test::schreibeDatei(ordner / "dwgnachdxf.mjs", "");
    std::filesystem::create_directories(ordner / "paket");
    k.node = node.string();
    k.skript = ordner / "dwgnachdxf.mjs";
    k.paket = ordner / "paket";
    k.zeitlimitMs = 500;
    dwg = (ordner / "plan.dwg").string();
    test::schreibeDatei(dwg, kennung + std::string(100, '\0'));
  }
};

constexpr const char* kEineLinie =
    "printf '0\\nSECTION\\n2\\nENTITIES\\n0\\nLINE\\n8\\n0\\n10\\n0\\n20\\n0\\n11\\n1\\n21\\n1\\n0\\nENDSEC\\n0\\nEOF\\n' "
    "> \"$aus\"";

TEST(DwgLeser, Versionsnamen) {
  for (const auto& [anfang, name] : {std::pair{"AC1015xyz", "AutoCAD 2000, AC1015"},
                                     {"AC1032", "AutoCAD 2018, AC1032"},
                                     {"AC1014", "AutoCAD R14, AC1014"},
                                     {"AC1099", "unbekannte Version AC1099"},
                                     {"%PDF-1", "keine DWG-Kennung"},
                                     {"", "keine DWG-Kennung"}})
    EXPECT_EQ(dwgVersionsname(anfang), name);
}

// Every answer of the converter becomes the right message or the model.
TEST(DwgLeser, AntwortenDesKonverters) {
  struct Fall {
    std::string koerper;
    const char* meldung;  // nullptr: read without a message
    std::size_t entitaeten;
  };
  for (const Fall& f : {
           Fall{kEineLinie, nullptr, 1},
           Fall{std::string(kEineLinie) + "; echo 'DWG beschädigt, Fehlercode 1' >&2", "ist beschädigt", 1},
           Fall{"exit 2", "(AutoCAD 2000, AC1015) kann nicht gelesen werden", 0},
           Fall{"exit 3", "make deps", 0},
           Fall{"echo 'Speicher voll' >&2; exit 1", "nicht umwandeln: Speicher voll", 0},
           Fall{"kill -KILL $$", "abgestürzt oder an seine Speichergrenze", 0},
           Fall{"sleep 30", "Sekunden gelesen und wurde beendet", 0},
           Fall{"printf '0\\nSECTION\\n2\\nENTITIES\\n0\\nLINE\\n10\\n' > \"$aus\"", "nur teilweise umgewandelt", 0},
       }) {
    SCOPED_TRACE(f.koerper);
    Attrappe a(f.koerper);
    CadModell m;
    const auto start = std::chrono::steady_clock::now();
    const DwgErgebnis e = dwgLesen(a.dwg, m, a.k);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_EQ(e.ok, f.meldung == nullptr) << e.fehler;
    if (f.meldung) {
      EXPECT_NE(e.fehler.find(f.meldung), std::string::npos) << e.fehler;
    }
    EXPECT_EQ(m.entitaeten.size(), f.entitaeten);
  }
  // The output file goes with the call.
  test::TempOrdner notiz;
  Attrappe a(std::string(kEineLinie) + "; printf %s \"$aus\" > " + (notiz / "ausgabe").string());
  CadModell m;
  ASSERT_TRUE(dwgLesen(a.dwg, m, a.k).ok);
  const std::string ausgabe = lies(notiz / "ausgabe");
  EXPECT_NE(ausgabe, "");
  EXPECT_FALSE(std::filesystem::exists(ausgabe)) << ausgabe;
}

// What is missing is named before anything runs; a cancel stops the run.
TEST(DwgLeser, FehlendesUndAbbruch) {
  struct Fall {
    std::string kennung;
    std::string DwgKonverter::*feld;
    const char* ersatz;
    const char* meldung;
  };
  for (const Fall& f : {
           Fall{"AC1009", nullptr, "", "ist älter als AutoCAD R13"},
           Fall{"AC1015", &DwgKonverter::node, "/gibt/es/nicht/node", "Node.js"},
       }) {
    Attrappe a(kEineLinie, f.kennung);
    if (f.feld) a.k.*f.feld = f.ersatz;
    CadModell m;
    const DwgErgebnis e = dwgLesen(a.dwg, m, a.k);
    EXPECT_NE(e.fehler.find(f.meldung), std::string::npos) << e.fehler;
    EXPECT_TRUE(m.entitaeten.empty());
  }
  Attrappe ohnePaket(kEineLinie);
  ohnePaket.k.paket = ohnePaket.ordner / "fehlt";
  CadModell m;
  EXPECT_NE(dwgLesen(ohnePaket.dwg, m, ohnePaket.k).fehler.find("make deps"), std::string::npos);
  ohnePaket.k.skript = ohnePaket.ordner / "fehlt.mjs";
  EXPECT_NE(dwgLesen(ohnePaket.dwg, m, ohnePaket.k).fehler.find("fehlt.mjs\" fehlt"), std::string::npos);

  Attrappe lang("sleep 30");
  lang.k.zeitlimitMs = 60000;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(dwgLesen(lang.dwg, m, lang.k, [] { return true; }).fehler, "Der DWG-Import wurde abgebrochen.");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

// The shipped converter, installed by `make deps`.
class EchterKonverter : public ::testing::Test {
 protected:
  void SetUp() override {
    k = standardDwgKonverter();
    if (!std::filesystem::is_directory(k.paket)) GTEST_SKIP() << "DWG-Konverter nicht installiert (make deps)";
  }
  DwgKonverter k;
};

// The example drawing holds what its DXF twin holds, with every layer
// switched on (the library's own DXF writer would switch them all off).
TEST_F(EchterKonverter, LiestDieBeispielzeichnung) {
  Zeichnung z;
  test::initialisiere(z.speicher);
  SkriptBenutzer b;
  b.antworten.push_back(Antwort::Ja);  // the question about AutoCAD 2018 files
  const CadImportergebnis e = importiereCadDatei(z, b, testdatei("r2018_example.dwg").string(), {});
  ASSERT_NE(e.zielebene, 0) << (b.meldungen.empty() ? "" : b.meldungen.back().text);
  const CadDatei d = ladeCadDatei(testdatei("r2018_example.dwg").string());
  const std::string bericht = cadbericht(d.modell);
  for (const char* zeile : {"Version: AC1032", "Objekte: 57", "Linien: 8", "Bögen: 2", "Polylinien: 13", "Splines: 2",
                            "Texte: 4", "Blöcke eingefügt: 10", "Schraffuren: 1", "Bemaßungen: 9"})
    EXPECT_NE(bericht.find(zeile), std::string::npos) << zeile << "\n" << bericht;
  ASSERT_EQ(z.ebenen.folienanzahl(e.zielebene), 3);
  for (int folie = 1; folie <= 3; ++folie)
    EXPECT_EQ(z.ebenen.folienzustand(e.zielebene, folie), 0) << z.ebenen.folienname(e.zielebene, folie);  // shown
  EXPECT_GT(z.speicher.anzahl(), 100);
}

// Damaged and foreign files end in a message, soon, and leave the drawing alone.
TEST_F(EchterKonverter, BeschaedigteDateien) {
  const std::string gut = lies(testdatei("r2018_example.dwg"));
  std::string zufall = "AC1015";
  std::uint32_t x = 12345;
  for (int i = 0; i < 200000; ++i) zufall += static_cast<char>((x = x * 1103515245 + 12345) >> 24);
  test::TempOrdner ordner;
  for (const auto& [name, inhalt] : {std::pair<std::string, std::string>{"halb.dwg", gut.substr(0, gut.size() / 2)},
                                     {"anfang.dwg", gut.substr(0, 4000)},
                                     {"zufall.dwg", zufall},
                                     {"leer.dwg", ""}}) {
    SCOPED_TRACE(name);
    test::schreibeDatei(ordner / name, inhalt);
    Zeichnung z;
    test::initialisiere(z.speicher);
    SkriptBenutzer b;
    b.antworten.push_back(Antwort::Ja);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(importiereCadDatei(z, b, (ordner / name).string(), {}).zielebene, 0);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(60));
    ASSERT_FALSE(b.meldungen.empty());
    EXPECT_NE(b.meldungen.back().text.find("kann nicht gelesen werden"), std::string::npos) << b.meldungen.back().text;
    EXPECT_EQ(z.speicher.anzahl(), 0);
  }
}

// Layer states of a larger drawing from another program, where it is at hand.
TEST_F(EchterKonverter, AusgeschalteteLayerBleibenAus) {
  const std::filesystem::path datei =
      std::filesystem::path(QUARZEL_TEST_DATA) / "../../../shared/import-samples/dwg/r2000_acadsharp_sample.dwg";
  if (!std::filesystem::exists(datei)) GTEST_SKIP() << "keine Beispiele";
  const CadDatei d = ladeCadDatei(datei.string());
  ASSERT_TRUE(d.gelesen) << d.fehler;
  for (const auto& [name, aus] : {std::pair{"Layer_Off", true}, {"Layer1", false}, {"Layer_color_80", false}}) {
    const CadLayer* l = d.modell.layerNamens(name);
    ASSERT_NE(l, nullptr) << name;
    EXPECT_EQ(l->aus, aus) << name;
  }
}

}  // namespace
}  // namespace quarzel
