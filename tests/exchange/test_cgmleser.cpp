// The CGM reader on clear-text and binary files written here, on damage and
// on the files of other programs.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <vector>

#include "exchange/cadimport.h"
#include "exchange/cgmleser.h"
#include "support/exchange/cgmbau.h"

namespace quarzel {
namespace {

using A = CadArt;

// A picture at half a millimetre per unit around the body.
std::string bild(const std::string& rumpf) {
  return "BEGMF 'x'; mfversion 1; % Kommentar % BEGPIC 'p'; scalemode metric, 0.5; vdcext (0,0) (200,100);\n"
         "BEGPICBODY; " +
         rumpf + " ENDPIC; ENDMF;";
}

std::string lies(const std::string& pfad) {
  std::ifstream f(pfad, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

TEST(CgmLeser, JedesElementImKlartext) {
  struct Fall {
    std::string rumpf;
    std::vector<A> arten;
    double x, y;  // the first vertex, or the point a
    double zahl;  // radius, ratio, height, bulge, end angle or line weight
    std::uint32_t rgb = 0;
  };
  const double pi = std::numbers::pi;
  const std::vector<Fall> faelle = {
      {"LINE (10,20) (30,40);", {A::Polylinie}, 5, 10, 0},
      {"disjtline 0 0 10 0 20 0 30 0;", {A::Polylinie, A::Polylinie}, 0, 0, 0},
      {"INTSTYLE solid; FILLCOLR 2; POLYGON (4,2) (10,0) (10,10);", {A::Schraffurrand}, 2, 1, 0, 0xFF0000},
      {"INTSTYLE hollow; POLYGON (4,2) (10,0) (10,10);", {A::Polylinie}, 2, 1, 0},
      {"int_style empty; EDGEVIS on; EDGECOLR 4; POLYGON (4,2) (10,0) (10,10);", {A::Polylinie}, 2, 1, 0, 0x0000FF},
      {"INTSTYLE solid; EDGEVIS on; POLYGONSET (0,0) vis (10,0) invis (10,10) closevis (20,20) vis (30,20) vis "
       "(30,30) closeinvis;",
       {A::Schraffurrand, A::Linie, A::Linie, A::Linie, A::Linie},
       0,
       0,
       0},
      {"INTSTYLE hatch; RECT (2,4) (10,20);", {A::Polylinie}, 1, 2, 0},
      {"CIRCLE (100,50) 20;", {A::Kreis}, 50, 25, 10},
      {"INTSTYLE solid; CIRCLE (100,50) 20;", {A::Schraffurrand}, 60, 25, 1},
      {"ARC3PT (0,0) (10,10) (20,0);", {A::Bogen}, 5, 0, 180},
      {"ARC3PT (0,0) (10,-10) (20,0);", {A::Bogen}, 5, 0, 0},
      {"ARCCTR (0,0) 1 0 0 1 10;", {A::Bogen}, 0, 0, 90},
      {"INTSTYLE solid; ARCCTRCLOSE (0,0) 1 0 0 1 10 pie;", {A::Schraffurrand}, 5, 0, std::tan(pi / 8)},
      {"ARC3PTCLOSE (0,0) (10,10) (20,0) chord;", {A::Polylinie}, 10, 0, 1},
      {"ELLIPSE (0,0) (20,0) (0,10);", {A::Ellipse}, 0, 0, 0.5},
      {"POLYBEZIER 1 (2,0) (0,10) (10,10) (10,0) (20,20) (0,10) (10,10) (10,0);",
       {A::Polylinie, A::Polylinie},
       1,
       0,
       0},
      {"ELLIPSE (0,0) (0,10) (20,0);", {A::Ellipse}, 0, 0, 0.5},
      {"ELLIPARC (0,0) (20,0) (0,10) 0 1 -1 0;", {A::Ellipse}, 0, 0, pi},
      {"INTSTYLE solid; ELLIPARCCLOSE (0,0) (20,0) (0,10) 0 1 -1 0 chord;", {A::Schraffurrand}, 0, 5, 0},
      {"TEXTALIGN ctr half 0 0; CHARHEIGHT 4; CHARORI -1 0 0 1; TEXTCOLR 3; TEXT (10,10) notfinal 'ab';"
       "APNDTEXT final 'c';",
       {A::Text},
       5,
       5,
       2,
       0x00FF00},
      {"RESTRTEXT 10 2 (0,0) final 'x''y';", {A::Text}, 0, 0, 0.5},
      {"LINETYPE 2; LINEWIDTH 2; LINECOLR 3; LINE (0,0)(2,2);", {A::Polylinie}, 0, 0, 50, 0x00FF00},
      {"LINEWIDTHMODE abs; LINEWIDTH 2; COLRMODE direct; LINECOLR 255 128 0; LINE (0,0)(2,2);",
       {A::Polylinie},
       0,
       0,
       100,
       0xFF8000},
      {"LINECOLR 10; COLRTABLE 10 0 0 255; LINE (0,0)(2,2);", {A::Polylinie}, 0, 0, 25, 0x0000FF},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.rumpf);
    CadModell m;
    const CadLeseergebnis e = cgmLesen(bild(f.rumpf), m);
    ASSERT_TRUE(e.ok) << e.fehler;
    ASSERT_TRUE(m.indizesGueltig());
    ASSERT_EQ(m.entitaeten.size(), f.arten.size());
    for (std::size_t i = 0; i < f.arten.size(); ++i) EXPECT_EQ(m.entitaeten[i].art, f.arten[i]);
    const CadEntitaet x = m.entitaeten[0];
    const bool ring = x.art == A::Schraffurrand;
    const CadScheitel s = m.scheitel.empty() ? CadScheitel{}
                          : ring             ? m.scheitel[m.pfade[x.ersterPfad].ersterScheitel]
                                             : m.scheitel[x.ersterScheitel];
    const CadPunkt p = x.art == A::Polylinie || ring ? s.p : x.a;
    EXPECT_NEAR(p.x, f.x, 1e-9);
    EXPECT_NEAR(p.y, f.y, 1e-9);
    const double zahl = x.art == A::Kreis                        ? x.radius
                        : x.art == A::Bogen                      ? x.ende
                        : x.art == A::Ellipse                    ? (x.anfang != 0 ? x.ende : x.verhaeltnis)
                        : x.art == A::Text                       ? x.hoehe
                        : f.rgb == 0 && ring                     ? std::hypot(s.p.x, s.p.y) > 0 ? s.woelbung : 0
                        : x.art == A::Polylinie && x.geschlossen ? double(x.scheitelAnzahl == 2)
                                                                 : 0;
    if (x.art != A::Polylinie || x.geschlossen) {
      EXPECT_NEAR(zahl, f.zahl, 1e-9);
    } else if (f.zahl != 0) {
      EXPECT_EQ(x.linienstaerke, f.zahl);
    }
    if (f.rgb != 0) {
      EXPECT_EQ(x.farbe.rgb, f.rgb);
    }
  }
}

TEST(CgmLeser, TexteLinientypenUndEllipsenachsen) {
  CadModell m;
  cgmLesen(bild("TEXTALIGN ctr half 0 0; CHARORI -1 0 0 1; TEXT (0,0) notfinal 'ab'; APNDTEXT final 'c\xe4';"
                "LINETYPE 4; ELLIPARC (0,0) (0,10) (20,0) 1 0 0 1;"),
           m);
  ASSERT_EQ(m.entitaeten.size(), 2u);
  const CadEntitaet t = m.entitaeten[0], e = m.entitaeten[1];
  EXPECT_EQ(m.texte[t.text], "abc\xc3\xa4");
  EXPECT_EQ(t.ausrichtungH, 1);
  EXPECT_EQ(t.ausrichtungV, 2);
  EXPECT_NEAR(t.drehung, 90, 1e-9);
  EXPECT_EQ(m.namen[e.linientyp], "psDashDot");
  EXPECT_NEAR(std::abs(e.b.x), 10, 1e-9);
  EXPECT_NEAR(e.b.y, 0, 1e-9);
}

// Each picture a layer of its own, one alone none; a y axis pointing down is
// turned up; abstract units are millimetres.
TEST(CgmLeser, BilderUndAchsen) {
  CadModell zwei;
  cgmLesen(
      "BEGMF 'x'; BEGPIC 'a'; BEGPICBODY; LINE 0 0 1 1; ENDPIC; BEGPIC 'b'; vdcext 0 100 100 0; BEGPICBODY;"
      "LINE (10,90) (20,80); ENDPIC; ENDMF;",
      zwei);
  ASSERT_EQ(zwei.layer.size(), 2u);
  EXPECT_EQ(zwei.namen[zwei.entitaeten[1].layer], "Bild 2");
  EXPECT_EQ(zwei.scheitel[2].p, (CadPunkt{10, 10, 0}));
  EXPECT_EQ(zwei.scheitel[3].p, (CadPunkt{20, 20, 0}));
  const CadDatei eine = ladeCadDatei(std::string(QUARZEL_TEST_DATA) + "/cgm/ein_bild.cgm");
  ASSERT_TRUE(eine.gelesen) << eine.fehler;
  ASSERT_EQ(eine.modell.layer.size(), 1u);
  EXPECT_EQ(eine.modell.namen[eine.modell.entitaeten[0].layer], "0");
}

// The same drawing in both encodings gives the same model: integer VDC,
// fixed and floating-point reals, partitions, direct and indexed colours.
TEST(CgmLeser, BinaerWieKlartext) {
  const std::string anfang = CgmBau().el(0, 1, "\1x").el(0, 3, "\1p").daten;
  const std::string massstab = CgmBau().el(2, 1, cgmGanz(1) + cgmGleit(0.5f)).daten;
  std::string linie = cgmGanz(0) + cgmGanz(0);
  for (int i = 1; i < 12; ++i) linie += cgmGanz(i * 10) + cgmGanz(i % 2 ? 40 : -40);
  std::string klartextLinie = "LINE 0 0";
  for (int i = 1; i < 12; ++i) klartextLinie += " " + std::to_string(i * 10) + (i % 2 ? " 40" : " -40");
  struct Fall {
    std::string binaer, klartext;
  };
  const std::vector<Fall> faelle = {
      {anfang + massstab + CgmBau().el(0, 4).el(4, 1, linie).el(0, 5).el(0, 2).daten,
       "BEGMF 'x'; BEGPIC 'p'; scalemode metric 0.5; BEGPICBODY;" + klartextLinie + "; ENDPIC; ENDMF;"},
      {CgmBau()
           .el(0, 1, "\1x")
           .el(1, 3, cgmGanz(1))
           .el(0, 3, "\1p")
           .el(2, 6, cgmFest(0) + cgmFest(0) + cgmFest(8) + cgmFest(8))
           .el(0, 4)
           .el(4, 12, cgmFest(2.5) + cgmFest(1.25) + cgmFest(0.5))
           .daten,
       "BEGMF 'x'; vdctype real; BEGPIC 'p'; vdcext 0 0 8 8; BEGPICBODY; CIRCLE 2.5 1.25 0.5;"},
      {CgmBau()
           .el(0, 1, "\1x")
           .el(1, 3, cgmGanz(1))
           .el(0, 3, "\1p")
           .el(0, 4)
           .el(3, 2, cgmGanz(0) + cgmGanz(9) + cgmGanz(23))
           .el(4, 12, cgmGleit(2.5f) + cgmGleit(-1.25f) + cgmGleit(0.5f))
           .daten,
       "BEGMF 'x'; vdctype real; BEGPIC 'p'; BEGPICBODY; CIRCLE 2.5 -1.25 0.5;"},
      {anfang + CgmBau()
                    .el(2, 2, cgmGanz(1))
                    .el(0, 4)
                    .el(5, 4, "\xff\x80\0")
                    .el(4, 1, linie)
                    .el(5, 34, std::string("\x0a\0\0\xff", 4))
                    .el(2, 2, cgmGanz(0))
                    .el(5, 23, "\x0a")
                    .el(4, 4, linie.substr(0, 4) + cgmGanz(1) + "\2ab")
                    .daten,
       "BEGMF 'x'; BEGPIC 'p'; colrmode direct; BEGPICBODY; LINECOLR 255 128 0;" + klartextLinie +
           "; COLRTABLE 10 0 0 255; colrmode indexed; FILLCOLR 10; TEXT 0 0 final 'ab';"},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.klartext);
    CadModell b, k;
    const CadLeseergebnis eb = cgmLesen(f.binaer, b);
    ASSERT_TRUE(eb.ok) << eb.fehler;
    ASSERT_TRUE(cgmLesen(f.klartext, k).ok);
    ASSERT_EQ(b.entitaeten.size(), k.entitaeten.size());
    ASSERT_FALSE(b.entitaeten.empty());
    for (std::size_t i = 0; i < b.entitaeten.size(); ++i) EXPECT_EQ(b.entitaeten[i], k.entitaeten[i]);
    ASSERT_EQ(b.scheitel.size(), k.scheitel.size());
    for (std::size_t i = 0; i < b.scheitel.size(); ++i) EXPECT_EQ(b.scheitel[i].p, k.scheitel[i].p);
    EXPECT_EQ(b.texte, k.texte);
  }
}

// Damage and what the fuzzer found: a German message or a partial model,
// never a crash, a hang or an index out of the model.
TEST(CgmLeser, BeschaedigteDateien) {
  const std::string gut = CgmBau().el(0, 1, "\1x").el(0, 3, "\1p").el(4, 1, std::string(40, '\1')).daten;
  struct Fall {
    std::string daten;
    const char* meldung;
  };
  std::vector<Fall> faelle = {
      {gut.substr(0, gut.size() - 3), "abgeschnitten"},
      {bild("TEXT 0 0 final 'offen;"), "Zeichenkette"},
      {"Hallo", "keine CGM-Datei"},
  };
  for (const auto& d : std::filesystem::directory_iterator(std::string(QUARZEL_TEST_DATA) + "/cgm/fuzz"))
    faelle.push_back({lies(d.path().string()), nullptr});
  for (const Fall& f : faelle) {
    CadModell m;
    const CadLeseergebnis e = cgmLesen(f.daten, m);
    EXPECT_TRUE(e.ok || !e.fehler.empty());
    EXPECT_TRUE(m.indizesGueltig());
    if (f.meldung) {
      EXPECT_NE(e.fehler.find(f.meldung), std::string::npos) << e.fehler;
    }
  }
}

TEST(CgmLeser, BeispieleAndererProgramme) {
  const std::filesystem::path ordner = std::filesystem::path(QUARZEL_TEST_DATA) / "../../../shared/import-samples/cgm";
  if (!std::filesystem::exists(ordner)) GTEST_SKIP() << "keine Beispiele";
  for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
    CadModell m;
    const CadLeseergebnis e = cgmLesen(lies(eintrag.path().string()), m);
    EXPECT_TRUE(e.ok) << eintrag.path() << ": " << e.fehler;
    EXPECT_TRUE(m.indizesGueltig());
    EXPECT_FALSE(m.entitaeten.empty()) << eintrag.path();
  }
}

}  // namespace
}  // namespace quarzel
