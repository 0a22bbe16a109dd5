// The CAD import into the drawing: reader choice, the version question,
// layers into sublayers, line types, placement, progress and one undo step.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "exchange/cadauflistung.h"
#include "exchange/cadformate.h"
#include "exchange/cadimport.h"
#include "exchange/cadlinientypen.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

// A small R12 file: `koerper` is the ENTITIES section's content.
std::string dxf(const std::string& koerper, const std::string& kopf = "9\n$ACADVER\n1\nAC1009\n") {
  return "0\nSECTION\n2\nHEADER\n" + kopf + "0\nENDSEC\n0\nSECTION\n2\nENTITIES\n" + koerper + "0\nENDSEC\n0\nEOF\n";
}

std::string linie(const std::string& layer, double x1, double y1, double x2, double y2, const std::string& typ = "") {
  std::ostringstream s;
  s << "0\nLINE\n8\n"
    << layer << "\n"
    << (typ.empty() ? "" : "6\n" + typ + "\n") << "10\n"
    << x1 << "\n20\n"
    << y1 << "\n11\n"
    << x2 << "\n21\n"
    << y2 << "\n";
  return s.str();
}

struct Umgebung {
  Umgebung() { test::initialisiere(z.speicher); }
  test::TempOrdner ordner;
  Zeichnung z;
  SkriptBenutzer b;
  std::string schreibe(const std::string& name, const std::string& inhalt) {
    test::schreibeDatei(ordner / name, inhalt);
    return (ordner / name).string();
  }
  CadImportergebnis importiere(const std::string& name, const std::string& inhalt, CadImportoptionen o = {}) {
    return importiereCadDatei(z, b, schreibe(name, inhalt), o);
  }
};

TEST(CadImport, WaehltDenLeserNachDerErweiterung) {
  const std::pair<const char*, CadLeser> faelle[] = {
      {"a.dxf", CadLeser::Dxf},    {"A.DXF", CadLeser::Dxf},  {"b.dwg", CadLeser::Dwg},     {"c.plt", CadLeser::Hpgl},
      {"c.HPGL2", CadLeser::Hpgl}, {"c.spl", CadLeser::Hpgl}, {"d.svg", CadLeser::Svg},     {"e.cgm", CadLeser::Cgm},
      {"f.txt", CadLeser::Keiner}, {"dxf", CadLeser::Keiner}, {"x.dxf/y", CadLeser::Keiner}};
  for (const auto& [name, leser] : faelle) EXPECT_EQ(cadLeser(name), leser) << name;
  EXPECT_EQ(cadErweiterungsindex("p.gl2"), 13);
  EXPECT_EQ(cadErweiterungsindex("p.prn"), 14);
}

TEST(CadImport, VersionsfrageUndPunktdarstellung) {
  EXPECT_EQ(cadVersionscode("xxAC1027yy"), "1027");
  EXPECT_FALSE(cadVersionsfrage("1027"));
  EXPECT_FALSE(cadVersionsfrage(cadVersionscode("AC1.50")));
  EXPECT_NE(cadVersionsfrage("1032")->find("AutoCAD 2018 oder neuer"), std::string::npos);
  EXPECT_NE(cadVersionsfrage("")->find("unbekannten Formatvariante"), std::string::npos);
  EXPECT_EQ(cadVersionscode(std::string(600, ' ') + "AC1015"), "");
  EXPECT_EQ(cadPunktdarstellung("  9\n$pdmode\n 70\n  35\n"), 35);
  EXPECT_EQ(cadPunktdarstellung("9\n$PDMODE\n70\nx\n"), 0);
  EXPECT_EQ(cadPunktdarstellung("9\n$PDSIZE\n40\n3\n"), 0);
  EXPECT_EQ(cadPunktdarstellung("9\r\n$PdMode\r\n70\r\n3"), 3);
  EXPECT_EQ(cadPunktdarstellung("9\n$PDMODE\n70"), 0);

  // Answering No leaves the drawing as it was; Yes imports.
  for (const bool ja : {false, true}) {
    Umgebung u;
    u.b.standardJaNein = ja;
    const int ebenen = u.z.ebenen.anzahl();
    u.importiere("neu.dxf", dxf(linie("0", 0, 0, 1, 1), "9\n$ACADVER\n1\nAC1032\n"));
    ASSERT_EQ(u.b.fragen.size(), 1u);
    EXPECT_EQ(u.z.ebenen.anzahl(), ja ? ebenen + 1 : ebenen);
    EXPECT_EQ(u.z.speicher.anzahl(), ja ? 1 : 0);
  }
}

TEST(CadImport, LinientypenGebenDenLinienstil) {
  const std::pair<const char*, int> faelle[] = {{"Gestrichelt", 2}, {"GESTRICHELT", 2}, {"gEsTrIcHeLt", 2},
                                                {"Gelände1", 122},  {"GELÄNDE2", 123},  {"VLA_LINESTYLE_7", 7},
                                                {"psDashDot", 6},   {"Strichlinie", 0}, {"", 0}};
  for (const auto& [name, stil] : faelle) EXPECT_EQ(linienstilAusLinientyp(name), stil) << name;
  EXPECT_EQ(linienstilAusStiftart("psDot", 9), 4);
  EXPECT_EQ(linienstilAusStiftart("psInsideFrame", 9), 9);

  Umgebung u;
  u.z.speicher.aktuell.linienstil = 5;
  u.importiere("t.dxf", dxf(linie("0", 0, 0, 1, 0, "Gestrichelt") + linie("0", 0, 1, 1, 1, "UNBEKANNT")));
  ASSERT_EQ(u.z.speicher.anzahl(), 2);
  EXPECT_EQ(u.z.speicher.linie(1).linienstil, 2);
  EXPECT_EQ(u.z.speicher.linie(2).linienstil, 5);  // the current style
}

TEST(CadImport, AusgeschalteteLayerKommenAlsAusgeblendeteUnterebenen) {
  Umgebung u;
  const std::string tabellen =
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n0\nLAYER\n2\nAUS\n62\n-7\n70\n0\n0\nLAYER\n2\nEIS\n62\n7\n70\n1\n"
      "0\nLAYER\n2\nAN\n62\n7\n70\n0\n0\nENDTAB\n0\nENDSEC\n";
  std::string datei = dxf(linie("AUS", 0, 0, 1, 1) + linie("EIS", 0, 0, 1, 1) + linie("AN", 0, 0, 1, 1));
  datei.insert(datei.find("0\nSECTION\n2\nENTITIES"), tabellen);
  const int ziel = u.importiere("l.dxf", datei).zielebene;
  for (const auto& [folie, zustand] : {std::pair{1, 1}, {2, 1}, {3, 0}})
    EXPECT_EQ(u.z.ebenen.folienzustand(ziel, folie), zustand) << u.z.ebenen.folienname(ziel, folie);
}

TEST(CadImport, LayerWerdenUnterebenenDerZielebene) {
  Umgebung u;
  u.z.ebenen.fuegeEbeneAn("Zwei");
  std::string koerper;
  for (int i = 0; i < 300; ++i) koerper += linie("L" + std::to_string(i), i, 0, i, 1);
  koerper += linie("L7", 0, 5, 1, 5);  // a name met before maps to the same sublayer
  const CadImportergebnis e = u.importiere("plan.dxf", dxf(koerper));
  const Ebenen& eb = u.z.ebenen;
  ASSERT_EQ(e.zielebene, 3);
  EXPECT_EQ(eb.name(3), "plan.dxf");
  EXPECT_EQ(eb.name(4), "plan.dxf1");
  EXPECT_EQ(eb.folienanzahl(3), 250);
  EXPECT_EQ(eb.folienanzahl(4), 50);
  EXPECT_EQ(eb.folienname(3, 1), "L0");
  EXPECT_EQ(eb.folienname(4, 1), "L250");
  const Elementspeicher& s = u.z.speicher;
  ASSERT_EQ(s.anzahl(), 301);
  EXPECT_EQ(s.linie(8).folie, s.linie(301).folie);
  EXPECT_EQ(s.linie(301).planteil, 3);
  EXPECT_EQ(s.linie(300).planteil, 4);
  EXPECT_EQ(eb.aktiveEbene(), 3);
}

TEST(CadImport, LegtMassstabsgerechtAufsBlattUndIstEinSchritt) {
  Umgebung u;
  Zeichnung& z = u.z;
  // 2 m in millimetres at 1:100 are 20 mm on the sheet; the file's origin
  // lies on the sheet's lower left corner and y turns upward.
  u.importiere("m.dxf", dxf(linie("0", 0, 0, 2000, 1000) + "0\nARC\n8\n0\n10\n500\n20\n500\n40\n100\n50\n0\n51\n90\n",
                            "9\n$ACADVER\n1\nAC1009\n9\n$INSUNITS\n70\n4\n"));
  ASSERT_EQ(z.speicher.anzahl(), 2);
  const double links = z.ansicht.sheetLeft, unten = z.ansicht.sheetTop + z.ansicht.sheetHeight;
  const Tliniendaten& l = z.speicher.linie(1);
  EXPECT_DOUBLE_EQ(l.x1, links);
  EXPECT_DOUBLE_EQ(l.y1, unten);
  EXPECT_DOUBLE_EQ(l.x2, links + 20);
  EXPECT_DOUBLE_EQ(l.y2, unten - 10);
  const tbogendaten& b = z.speicher.bogen(2);
  EXPECT_DOUBLE_EQ(b.xr, 1);
  EXPECT_EQ(b.startwinkel, 0);
  EXPECT_EQ(b.endwinkel, 90);
  EXPECT_EQ(z.speicher.anzahlMarkierte(), 0);
  ASSERT_TRUE(z.speicher.lebendig(1) && z.speicher.lebendig(2));
  z.speicher.rueckgaengig();
  EXPECT_FALSE(z.speicher.lebendig(1) || z.speicher.lebendig(2));

  // Far away (site coordinates): moved wholly onto the sheet.
  Umgebung fern;
  fern.importiere("f.dxf", dxf(linie("0", 4e6, 5e6, 4e6 + 1000, 5e6)));
  const Tliniendaten& f = fern.z.speicher.linie(1);
  const Ansicht& a = fern.z.ansicht;
  EXPECT_NEAR((f.x1 + f.x2) / 2, a.sheetLeft + a.sheetWidth / 2.0, 1e-6);
  EXPECT_NEAR(f.y1, a.sheetTop + a.sheetHeight / 2.0, 1e-6);
}

TEST(CadImport, PolylinienMitWoelbungUndPunkteNachOption) {
  // A closed polyline with one bulged side: polygons and a half circle.
  const std::string poly =
      "0\nPOLYLINE\n8\n0\n66\n1\n70\n1\n"
      "0\nVERTEX\n8\n0\n10\n0\n20\n0\n0\nVERTEX\n8\n0\n10\n1000\n20\n0\n42\n1\n"
      "0\nVERTEX\n8\n0\n10\n1000\n20\n1000\n0\nVERTEX\n8\n0\n10\n0\n20\n1000\n0\nSEQEND\n";
  const std::string punkt = "0\nPOINT\n8\n0\n10\n5\n20\n5\n";
  for (const bool punkte : {false, true}) {
    Umgebung u;
    CadImportoptionen o;
    o.punkte = punkte;
    u.importiere("p.dxf", dxf(poly + punkt, "9\n$ACADVER\n1\nAC1009\n9\n$PDMODE\n70\n3\n"), o);
    const Elementspeicher& s = u.z.speicher;
    int polygone = 0, boegen = 0, linien = 0;
    for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
      polygone += s.art(n) == Elementart::Polygon;
      boegen += s.art(n) == Elementart::Bogen;
      linien += s.art(n) == Elementart::Linie;
    }
    EXPECT_EQ(polygone, 2);
    ASSERT_EQ(boegen, 1);
    EXPECT_EQ(linien, punkte ? 2 : 0);  // $PDMODE 3: a cross
    for (std::int32_t n = 1; n <= s.anzahl(); ++n) {
      if (s.art(n) != Elementart::Bogen) continue;
      EXPECT_NEAR(s.bogen(n).xr, 5, 1e-12);
      EXPECT_NEAR(std::fmod(s.bogen(n).endwinkel - s.bogen(n).startwinkel + 360, 360), 180, 1e-4);
    }
  }
}

TEST(CadImport, BlockweiseAlsGruppenUndAuflistung) {
  Umgebung u;
  const std::string bloecke = "0\nSECTION\n2\nBLOCKS\n0\nBLOCK\n2\nTUER\n10\n0\n20\n0\n" + linie("0", 0, 0, 1, 0) +
                              linie("0", 0, 0, 0, 1) + "0\nENDBLK\n0\nBLOCK\n2\n*Model_Space\n" +
                              linie("0", 0, 0, 9, 9) + "0\nENDBLK\n0\nENDSEC\n";
  std::string datei = dxf(linie("0", 5, 5, 6, 6));
  datei.insert(datei.find("0\nSECTION\n2\nENTITIES"), bloecke);
  CadImportoptionen o;
  o.blockweise = true;
  u.importiere("b.dxf", datei, o);
  const Elementspeicher& s = u.z.speicher;
  ASSERT_EQ(s.anzahl(), 4);  // the block's two lines between the group's brackets, nothing else
  EXPECT_EQ(s.art(1), Elementart::Gruppenanfang);
  EXPECT_EQ(s.gruppe(1).name, "TUER");
  EXPECT_EQ(s.art(4), Elementart::Gruppenende);

  const CadDatei d = ladeCadDatei(u.schreibe("l.dxf", dxf(linie("W", 1, 2, 3, 4.5))));
  EXPECT_EQ(cadAuflistung(d.modell, "Model"),
            "\r\nClassName=LINE; Entity name= layer = W style = BYLAYER LineWeight=-1 LineTypeScale=1 ZThick=0 Begin "
            "point:  X=1 Y=2 Z=0 End point:  X=3 Y=4.5 Z=0");
}

TEST(CadImport, FortschrittAlleTausendObjekte) {
  Umgebung u;
  std::string koerper;
  for (int i = 0; i < 2500; ++i) koerper += linie("0", i, 0, i, 1);
  u.importiere("viel.dxf", dxf(koerper));
  int meldungen = 0;
  for (const std::string& f : u.b.fortschritte)
    meldungen += f.find(" Objekte importiert") != std::string::npos && f[0] != '0';
  EXPECT_EQ(meldungen, 2);
}

TEST(CadImport, SchaedenUndFremdesLassenDieZeichnungUnveraendert) {
  for (const auto& [name, inhalt] : {std::pair<std::string, std::string>{"a.txt", dxf(linie("0", 0, 0, 1, 1))},
                                     {"kaputt.dxf", "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\n1e9999999\n"},
                                     {"leer.dxf", ""}}) {
    Umgebung u;
    const int ebenen = u.z.ebenen.anzahl();
    EXPECT_EQ(u.importiere(name, inhalt).zielebene, 0) << name;
    EXPECT_EQ(u.z.ebenen.anzahl(), ebenen) << name;
    EXPECT_EQ(u.z.speicher.anzahl(), 0) << name;
  }
}

}  // namespace
}  // namespace quarzel
