// The DXF reader on files written by another program, and on damaged input.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "exchange/cadbericht.h"
#include "exchange/dxfleser.h"

namespace quarzel {
namespace {

std::string datei(const std::string& name) {
  std::ifstream f(std::string(QUARZEL_TEST_DATA) + "/dxf/" + name, std::ios::binary);
  std::stringstream s;
  s << f.rdbuf();
  return s.str();
}

const CadEntitaet* erste(const CadModell& m, CadArt art) {
  for (const CadEntitaet& e : m.entitaeten)
    if (e.art == art) return &e;
  return nullptr;
}

struct Fall {
  const char* datei;
  const char* version;
  std::size_t entitaeten;
  std::size_t mtexte;  // counted as unknown
  bool crlf = false;
};

TEST(DxfLeser, LiestDieDateienMitGeometrieUndUmlauten) {
  for (const Fall& f :
       {Fall{"r12.dxf", "AC1009", 7, 0}, Fall{"r12.dxf", "AC1009", 7, 0, true}, Fall{"r2000.dxf", "AC1015", 9, 1},
        Fall{"r2018.dxf", "AC1032", 9, 1}, Fall{"r2018_binaer.dxf", "AC1032", 9, 1}}) {
    SCOPED_TRACE(f.datei);
    CadModell m;
    std::string daten = datei(f.datei);
    for (std::size_t i = 0; f.crlf && (i = daten.find('\n', i)) != std::string::npos; i += 2) daten.insert(i, "\r");
    DxfErgebnis e = dxfLesen(daten, m);
    ASSERT_TRUE(e.ok) << e.fehler;
    EXPECT_EQ(m.version, f.version);
    EXPECT_EQ(m.entitaeten.size(), f.entitaeten);
    EXPECT_EQ(m.unbekannt["MTEXT"], f.mtexte);
    // "quarzel-cli info" tells the counts by kind and what was not converted.
    const std::string bericht = cadbericht(m);
    EXPECT_NE(bericht.find(std::string("Version: ") + f.version + "\nEinheiten: "), std::string::npos) << bericht;
    EXPECT_NE(bericht.find("  Linien: 1\n"), std::string::npos) << bericht;
    EXPECT_EQ(bericht.find("MTEXT: 1") != std::string::npos, f.mtexte == 1) << bericht;

    const CadEntitaet* linie = erste(m, CadArt::Linie);
    ASSERT_TRUE(linie);
    EXPECT_EQ(m.namen[linie->layer], "Wände");
    EXPECT_DOUBLE_EQ(linie->b.y, 4);
    EXPECT_EQ(m.farbeAufgeloest(*linie).rgb, 0xFF0000u);  // BYLAYER through the red layer
    EXPECT_EQ(m.layerNamens("Wände")->linientyp, "DASHED");
    EXPECT_EQ(erste(m, CadArt::Kreis)->farbe.rgb, 0x00FF00u);
    EXPECT_DOUBLE_EQ(erste(m, CadArt::Bogen)->ende, 120);

    const CadEntitaet* text = erste(m, CadArt::Text);
    EXPECT_EQ(m.texte[text->text], "Größe");
    EXPECT_DOUBLE_EQ(text->drehung, 45);
    EXPECT_DOUBLE_EQ(text->a.x, 13);

    const CadEntitaet* ref = erste(m, CadArt::Einfuegung);
    EXPECT_EQ(m.namen[ref->block], "Tür");
    EXPECT_DOUBLE_EQ(ref->skalierungY, 3);
    EXPECT_DOUBLE_EQ(ref->drehung, 90);
    ASSERT_TRUE(m.blockNamens("Tür"));
    EXPECT_EQ(m.blockNamens("Tür")->entitaeten.size(), 1u);
    EXPECT_DOUBLE_EQ(m.blockNamens("Tür")->basis.x, 1);

    const CadEntitaet* poly = erste(m, CadArt::Polylinie);  // the POLYLINE, before the LWPOLYLINE
    EXPECT_TRUE(poly->geschlossen);
    ASSERT_EQ(poly->scheitelAnzahl, 3u);
    EXPECT_DOUBLE_EQ(m.scheitel[poly->ersterScheitel + 2].p.y, 10);
    if (f.entitaeten > 7) {
      const CadEntitaet& lw = m.entitaeten.back();
      ASSERT_EQ(lw.scheitelAnzahl, 3u);
      EXPECT_DOUBLE_EQ(m.scheitel[lw.ersterScheitel].woelbung, 0.5);
      EXPECT_DOUBLE_EQ(erste(m, CadArt::Ellipse)->verhaeltnis, 0.5);
    }
  }
}

TEST(DxfLeser, BeschaedigteDateienGebenEineMeldung) {
  const std::string gut = datei("r2000.dxf");
  const std::string binaer = datei("r2018_binaer.dxf");
  struct Schaden {
    std::string daten;
    const char* meldung;
  };
  for (const Schaden& s : {
           Schaden{gut.substr(0, gut.size() / 2 - 3) + "\n", "endet unerwartet"},
           Schaden{"0\nSECTION\n2\nENTITIES\n0\nLINE\nx7\nA\n", "Gruppencode"},
           Schaden{"0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1e999\n", "Zahl"},
           Schaden{"0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n" + std::string(70000, '1') + "\n", "zu lang"},
           Schaden{binaer.substr(0, binaer.size() / 2), "endet unerwartet"},
       }) {
    CadModell m;
    DxfErgebnis e = dxfLesen(s.daten, m);
    EXPECT_FALSE(e.ok);
    EXPECT_NE(e.fehler.find(s.meldung), std::string::npos) << e.fehler;
  }
}

TEST(DxfLeser, TexteAusAnsiUndEscapes) {
  EXPECT_EQ(dxfText("\x80 \\U+00C4x", true), "€ Äx");
  EXPECT_EQ(dxfText("Ä\\U+zz", false), "Ä\\U+zz");
}

}  // namespace
}  // namespace quarzel
