// The HPGL reader: every instruction it knows on files written here, by
// counts and coordinates in millimetres; the real plot files and what the
// fuzzer found read without a crash.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "exchange/cadimport.h"
#include "exchange/hpglleser.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/exchange/cadpunkte.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

constexpr double kWeg = 1e-9;

// Checks the last entity by its points; `wert` is a circle's radius, a
// text's height, else the first vertex's bulge.
struct Fall {
  const char* name;
  std::string hpgl;
  std::size_t anzahl;
  CadArt art = CadArt::Linie;
  CadPunkt erster{}, letzter{};
  std::size_t punkte = 2;
  double wert = 0, drehung = 0;
};

TEST(HpglLeser, JedeAnweisung) {
  using A = CadArt;
  const std::vector<Fall> faelle = {
      {"PD zieht eine Polylinie", "IN;SP1;PU0,0;PD400,0,400,400;PU;", 1, A::Polylinie, {0, 0}, {10, 10}, 3},
      {"eine Strecke ist eine Linie", "IN;SP2;PA40,40;PD80,40;", 1, A::Linie, {1, 1}, {2, 1}},
      {"PR relativ", "in;sp1;pu100,100;pr;pd100,0,0,100;", 1, A::Polylinie, {2.5, 2.5}, {5, 5}, 3},
      {"PE 7 Bit", "IN;SP1;PE7<=Oa_?x_;", 1, A::Linie, {1, 0}, {11, 0}},
      {"PE 8 Bit", "IN;SP1;PE<=O\xC0\xBF_\xCB\xBF;", 1, A::Linie, {1, 0}, {11, 0}},
      {"PE Bruchbits und Stift", "IN;PE:\xC3>\xC1<=O\xC0\xBF_\xCB\xBF;", 1, A::Linie, {0.5, 0}, {5.5, 0}},
      {"CI", "IN;SP1;PA400,400;CI200;", 1, A::Kreis, {10, 10}, {10, 10}, 1, 5},
      {"AA mit Stift unten", "IN;SP1;PA400,0;PD;AA0,0,90;", 1, A::Polylinie, {10, 0}, {0, 10}, 2, 0.41421356237},
      {"AR rückwärts, CT", "IN;SP1;CT1;PA0,0;PD;AR200,0,-180;", 1, A::Polylinie, {0, 0}, {10, 0}, 2, -1},
      {"CI ungleich skaliert",
       "IN;SP1;IP0,0,4000,2000;SC0,100,0,100;PA50,50;CI10;",
       1,
       A::Polylinie,
       {60, 25},
       {59.9619469809, 24.5642212863},
       72},
      {"SC isotrop", "IN;IP0,0,4000,2000;SC0,100,0,100,1;SP1;PA100,100;PD0,0;", 1, A::Linie, {75, 50}, {25, 0}},
      {"SC mit Faktoren, IP danach", "IN;SC0,2,0,3,2;IP400,0;SP1;PA10,10;PD0,0;", 1, A::Linie, {10.5, 0.75}, {10, 0}},
      {"RO 90", "IN;RO90;SP1;PA400,0;PD400,400;", 1, A::Linie, {0, 10}, {-10, 10}},
      {"RA gefüllt", "IN;SP3;PA0,0;RA400,200;", 1, A::Schraffurrand, {0, 0}, {0, 5}, 4},
      {"ER Rand", "IN;SP1;PA400,400;ER-400,200;", 1, A::Polylinie, {10, 10}, {10, 15}, 4},
      {"WG gefüllt", "IN;SP1;PA0,0;WG400,0,90;", 1, A::Schraffurrand, {0, 0}, {0, 10}, 3},
      {"EW voller Kreis", "IN;SP1;EW400,90,360;", 1, A::Polylinie, {0, 10}, {0, -10}, 2, 1},
      {"PM, FP und EP",
       "IN;SP1;PM0;PD400,0,400,400;PM1;PU100,100;PD200,100,200,200;PM2;FP;EP;",
       3,
       A::Polylinie,
       {2.5, 2.5},
       {5, 5},
       3},
      {"FP füllt beide Teile",
       "IN;SP1;PM0;PD400,0,400,400;PM1;PU100,100;PD200,100,200,200;PM2;FP;",
       1,
       A::Schraffurrand,
       {0, 0},
       {5, 5},
       6},
      {"LB mit DT, Stift dahinter",
       "IN;SP1;PA400,400;SI0.4,0.5;DT#;LBHallo#PD1600,800;",
       2,
       A::Linie,
       {40, 10},
       {40, 20}},
      {"LB Zeilen und DI", "IN;SP1;DI0,1;SI0.4,0.5;LBA\r\nB\x03;", 2, A::Text, {10, 0}, {10, 0}, 1, 5, 90},
      {"SR relativ zu P1 P2", "IN;IP0,0,4000,4000;SR1,2;SP1;LBx\x03;", 1, A::Text, {0, 0}, {0, 0}, 1, 2},
      {"PJL und PCL-Hülle",
       "\x1b%-12345X@PJL JOB\n@PJL ENTER LANGUAGE=PCL\n\x1b"
       "E\x1b*b5WPD;;;\x1b%1BIN;SP1;PA0,0;PD40,0;\x1b%0A PD80,0 \x1b"
       "E",
       1,
       A::Linie,
       {0, 0},
       {1, 0}},
      {"Unbekanntes überlesen",
       "IN;SP1;XY1,2;FT3,100,30PA0,0;CO\"PD1,1;\";BP1,\"x\";PD40,0;",
       1,
       A::Linie,
       {0, 0},
       {1, 0}},
      {"Stift 0 zeichnet nicht", "IN;SP0;PD40,0;CI5;LBx\x03;", 0},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    CadModell m;
    EXPECT_TRUE(hpglLesen(f.hpgl, m).ok);
    EXPECT_TRUE(m.indizesGueltig());
    EXPECT_EQ(m.entitaeten.size(), f.anzahl);
    if (m.entitaeten.size() != f.anzahl || f.anzahl == 0) continue;
    const CadEntitaet e = m.entitaeten.back();
    EXPECT_EQ(e.art, f.art);
    const std::vector<CadScheitel> p = cadPunkte(m, e);
    EXPECT_EQ(p.size(), f.punkte);
    if (p.size() != f.punkte) continue;
    EXPECT_NEAR(p.front().p.x, f.erster.x, kWeg);
    EXPECT_NEAR(p.front().p.y, f.erster.y, kWeg);
    EXPECT_NEAR(p.back().p.x, f.letzter.x, 1e-6);
    EXPECT_NEAR(p.back().p.y, f.letzter.y, 1e-6);
    const double wert = e.art == A::Kreis ? e.radius : e.art == A::Text ? e.hoehe : p.front().woelbung;
    EXPECT_NEAR(wert, f.wert, 1e-9);
    EXPECT_NEAR(e.drehung, f.drehung, kWeg);
  }
}

// Pens: layer, number, colour (defaults, PC, CR), width (PW) and line type.
TEST(HpglLeser, Stifte) {
  struct Stiftfall {
    std::string hpgl;
    const char* layer;
    const char* typ;
    std::int16_t staerke;
    std::uint32_t rgb;
  };
  const std::vector<Stiftfall> faelle = {
      {"IN;SP2;PD40,0;", "Stift 2", "psSolid", 35, 0xFF0000},
      {"IN;PE:\xC3<=O\xC0\xBF_\xCB\xBF;", "Stift 2", "psSolid", 35, 0xFF0000},
      {"IN;SP3;RA40,40;", "Stift 3", "psSolid", 35, 0x00FF00},
      {"IN;SP9;LT1;PD40,0;", "Stift 9", "psDot", 35, 0xFF0000},
      {"IN;PW0.5,4;PC4,10,20,30;SP4;LT2;PD40,0;", "Stift 4", "psDash", 50, 0x0A141E},
      {"IN;CR0,100,0,100,0,100;PC1,100,0,50;SP1;LT4,5;PD40,0;", "Stift 1", "psDashDot", 35, 0xFF0080},
      {"IN;SP1;LT4;LT;PW1;PD40,0;", "Stift 1", "psSolid", 100, 0x000000},
  };
  for (const Stiftfall& f : faelle) {
    SCOPED_TRACE(f.hpgl);
    CadModell m;
    EXPECT_TRUE(hpglLesen(f.hpgl, m).ok);
    EXPECT_EQ(m.entitaeten.size(), 1u);
    EXPECT_EQ(m.layer.size(), 1u);
    if (m.entitaeten.size() != 1 || m.layer.size() != 1) continue;
    const CadEntitaet e = m.entitaeten[0];
    EXPECT_EQ(m.namen[e.layer], f.layer);
    EXPECT_EQ(e.eigenerStift, std::stoi(std::string(f.layer).substr(6)));
    EXPECT_EQ(m.namen[e.linientyp], f.typ);
    EXPECT_EQ(e.linienstaerke, f.staerke);
    EXPECT_EQ(e.farbe.rgb, f.rgb);
    EXPECT_EQ(m.layer[0].farbe.rgb, f.rgb);
  }
}

TEST(HpglLeser, OhneAnweisungenEinFehler) {
  CadModell m;
  const CadLeseergebnis e = hpglLesen("1234 ;;; \x01\x02", m);
  EXPECT_FALSE(e.ok);
  EXPECT_FALSE(e.fehler.empty());
}

// Through the import as the menu runs it: a layer per pen, elements on it.
TEST(HpglLeser, ImportInDieZeichnung) {
  test::TempOrdner ordner;
  test::schreibeDatei(ordner / "p.hpgl", "IN;SP1;PD400,0,400,400;SP2;PU0,0;PD40,0;CI20;");
  const CadDatei d = ladeCadDatei((ordner / "p.hpgl").string());
  ASSERT_TRUE(d.gelesen) << d.fehler;
  ASSERT_EQ(d.modell.layer.size(), 2u);
  EXPECT_EQ(d.modell.layer[1].name, "Stift 2");
  Zeichnung z;
  test::initialisiere(z.speicher);
  SkriptBenutzer b;
  EXPECT_EQ(importiereCad(z, b, d, {}).elemente, 3);
}

// The real plot files where they are at hand, and what the fuzzer found.
TEST(HpglLeser, FremdeDateienUndFundeDesFuzzers) {
  const std::filesystem::path daten(QUARZEL_TEST_DATA);
  for (const auto& ordner : {daten / "hpgl" / "fuzz", daten / "../../../shared/import-samples/hpgl"}) {
    if (!std::filesystem::exists(ordner)) continue;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
      std::ifstream f(eintrag.path(), std::ios::binary);
      const std::string inhalt((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
      CadModell m;
      const CadLeseergebnis e = hpglLesen(inhalt, m);
      EXPECT_TRUE(e.ok || !e.fehler.empty()) << eintrag.path();
      EXPECT_TRUE(m.indizesGueltig()) << eintrag.path();
      if (ordner.filename() == "hpgl") {
        EXPECT_TRUE(e.ok && !m.entitaeten.empty()) << eintrag.path();
      }
    }
  }
}

}  // namespace
}  // namespace quarzel
