// The DXF reader on files written by another program, and on damaged input.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <optional>
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

const CadEntitaetenliste& papier(const CadModell& m) {
  static const CadEntitaetenliste keine;
  const CadBlock* b = m.layouts.size() > 1 ? m.blockNamens(m.layouts[1].block) : nullptr;
  return b ? b->entitaeten : keine;
}

// The n-th entity of a kind in the model space or on the first sheet, and
// the one after it.
struct Fund {
  CadEntitaet e, danach;
};
std::optional<Fund> suche(const CadModell& m, CadArt art, int n, bool aufPapier) {
  const CadEntitaetenliste& liste = aufPapier ? papier(m) : m.entitaeten;
  for (std::size_t i = 0; i < liste.size(); ++i)
    if (liste[i].art == art && n-- == 0) return Fund{liste[i], i + 1 < liste.size() ? liste[i + 1] : CadEntitaet{}};
  return std::nullopt;
}

// What sets a kind apart, as one number the table can hold.
double kennwert(const CadModell& m, const CadEntitaet& e, const CadEntitaet& danach) {
  const auto scheitel = [&](std::uint32_t i) { return m.scheitel[e.ersterScheitel + i]; };
  switch (e.art) {
    case CadArt::Linie:
      return e.eigenerStift * 10 + e.eigenerStil;
    case CadArt::Kreis:
      return e.extrusion.z;
    case CadArt::Einfuegung: {
      const CadEntitaet& attribut = danach;  // the attribute follows its insert
      return attribut.istAttribut && m.namen[attribut.kennung] == "NR" ? std::stod(m.texte[attribut.text]) : -1;
    }
    case CadArt::Flaeche:
      return scheitel(2).p.x * 10 + scheitel(2).p.y;
    case CadArt::MText:
      return e.ausrichtungH * 10 + e.ausrichtungV + e.breite * 100;
    case CadArt::Spline:
      return e.grad * 1000 + e.knotenAnzahl * 100 + (e.zahlAnzahl - e.knotenAnzahl) * 10 +
             m.zahlen[e.ersteZahl + e.knotenAnzahl + 1] + e.rational * 0.5;
    case CadArt::Bemassung:
      return m.namen[e.block].starts_with("*D") ? e.c.x : -1;
    case CadArt::Hinweislinie:
      return e.pfeil;
    case CadArt::Ansichtsfenster:
      return e.massstab * 1000 + e.b.x * 10 + e.b.y + e.breite * 0.01;
    default:
      return 0;
  }
}

struct Zeile {
  const char* datei;
  CadArt art;
  int nummer;  // of its kind
  bool aufPapier;
  double x, y;  // a, or the first vertex of a kind without a point of its own
  std::uint32_t scheitel;
  const char* text;
  double kennwert;
};

TEST(DxfLeser, LiestJedeArtAusJederVersion) {
  std::vector<Zeile> zeilen;
  for (const char* d : {"r2000.dxf", "r2018.dxf", "r2018_binaer.dxf", "r12.dxf", "r12_binaer.dxf"}) {
    const bool neu = d[1] != '1';
    zeilen.insert(zeilen.end(),
                  {
                      {d, CadArt::Linie, 0, false, 1, 2, 0, nullptr, 35},
                      {d, CadArt::Kreis, 0, false, 7, 8, 0, nullptr, -1},
                      {d, CadArt::Text, 0, false, 13, 14, 0, "Größe °", 0},
                      {d, CadArt::Text, 1, false, 21, 31, 0, "12", 0},
                      {d, CadArt::Einfuegung, 0, false, 20, 30, 0, nullptr, 12},
                      {d, CadArt::Flaeche, 0, false, 0, 0, 4, nullptr, 11},  // 1, 2, 4, 3: the third corner is (1, 1)
                      {d, CadArt::Flaeche, 1, false, 0, 0, 3, nullptr, 22},
                      {d, CadArt::Linie, 0, true, 0, 0, 0, nullptr, -11},
                  });
    if (!neu) continue;
    zeilen.insert(zeilen.end(), {
                                    {d, CadArt::MText, 0, false, 60, 70, 0, "Größe\nzwei 1/2 Ø5", 4012},
                                    {d, CadArt::Spline, 0, false, 0, 0, 4, nullptr, 3842.5},
                                    {d, CadArt::Bemassung, 0, false, 0, 5, 0, nullptr, 10},
                                    {d, CadArt::Hinweislinie, 0, false, 0, 0, 3, nullptr, 1},
                                    {d, CadArt::Ansichtsfenster, 0, true, 100, 80, 0, nullptr, 2056.5},
                                });
  }
  zeilen.push_back({"r2000_1250.dxf", CadArt::Text, 0, false, 0, 0, 0, "Łódź", 0});
  std::map<std::string, CadModell> modelle;
  for (const Zeile& z : zeilen) {
    SCOPED_TRACE(std::string(z.datei) + " " + std::to_string(static_cast<int>(z.art)) + "/" + std::to_string(z.nummer));
    if (!modelle.contains(z.datei)) {
      ASSERT_TRUE(dxfLesen(datei(z.datei), modelle[z.datei]).ok);
    }
    const CadModell& m = modelle[z.datei];
    const std::optional<Fund> fund = suche(m, z.art, z.nummer, z.aufPapier);
    ASSERT_TRUE(fund);
    const CadEntitaet* e = &fund->e;
    CadPunkt p = e->scheitelAnzahl > 0 && z.art != CadArt::Einfuegung ? m.scheitel[e->ersterScheitel].p : e->a;
    EXPECT_DOUBLE_EQ(p.x, z.x);
    EXPECT_DOUBLE_EQ(p.y, z.y);
    EXPECT_EQ(e->scheitelAnzahl, z.scheitel);
    if (z.text) {
      EXPECT_EQ(m.texte.at(e->text), z.text);
    }
    EXPECT_NEAR(kennwert(m, *e, fund->danach), z.kennwert, 1e-9);
  }
}

// Every boundary path is a closed run of vertices; arcs stay exact as
// bulges, elliptic arcs and splines lie within 0.01 of the curve.
TEST(DxfLeser, SchraffurraenderAlsGeschlosseneScheitelfolgen) {
  for (const char* d : {"r2000.dxf", "r2018_binaer.dxf"}) {
    SCOPED_TRACE(d);
    CadModell m;
    ASSERT_TRUE(dxfLesen(datei(d), m).ok);
    const std::optional<CadEntitaet> voll = suche(m, CadArt::Schraffurrand, 0, false)->e;
    const std::optional<CadEntitaet> muster = suche(m, CadArt::Schraffurrand, 1, false)->e;
    ASSERT_TRUE(voll && muster);
    EXPECT_TRUE(voll->gefuellt);
    ASSERT_EQ(voll->pfadAnzahl, 2u);
    const CadPfad& zug = m.pfade[voll->ersterPfad];
    EXPECT_EQ(zug.anzahl, 3u);
    EXPECT_DOUBLE_EQ(m.scheitel[zug.ersterScheitel].woelbung, 0.5);
    const CadPfad& kanten = m.pfade[voll->ersterPfad + 1];
    // Line, arc in two halves from (10, 0) over (15, 5), then the half ellipse.
    ASSERT_GT(kanten.anzahl, 20u);
    const CadScheitel* s = &m.scheitel[kanten.ersterScheitel];
    EXPECT_NEAR(s[1].p.x, 10, 1e-12);
    EXPECT_NEAR(s[2].p.x, 15, 1e-12);
    EXPECT_NEAR(s[2].p.y, 5, 1e-12);
    EXPECT_NEAR(s[2].woelbung, std::tan(std::numbers::pi / 8), 1e-12);
    for (std::uint32_t i = 3; i < kanten.anzahl; ++i) {
      const double u = (s[i].p.x - 5) / 5, v = (s[i].p.y - 10) / 2;
      EXPECT_NEAR(u * u + v * v, 1, 1e-9);
      EXPECT_GE(s[i].p.y, 10 - 1e-9);  // the upper half: from (10, 10) to (0, 10)
    }
    EXPECT_EQ(m.namen[muster->muster], "ANSI31");
    EXPECT_DOUBLE_EQ(muster->massstab, 2);
    EXPECT_DOUBLE_EQ(muster->drehung, 15);
    const CadPfad& spline = m.pfade[muster->ersterPfad];
    const CadScheitel* t = &m.scheitel[spline.ersterScheitel];
    ASSERT_GT(spline.anzahl, 10u);
    EXPECT_DOUBLE_EQ(t[1].p.x, 10);
    // The quadratic Bézier curve (10,0) (20,5) (10,10): x = 10 + 20 u (1 - u), y = 10 u.
    for (std::uint32_t i = 1; i + 1 < spline.anzahl; ++i) {
      const double u = t[i].p.y / 10;
      EXPECT_NEAR(t[i].p.x, 10 + 20 * u * (1 - u), 1e-9);
    }
  }
}

TEST(DxfLeser, BlaetterAusDenLayoutsOderFuerR12) {
  for (const char* d : {"r12.dxf", "r2000.dxf", "r2018_binaer.dxf"}) {
    CadModell m;
    ASSERT_TRUE(dxfLesen(datei(d), m).ok);
    ASSERT_EQ(m.layouts.size(), 2u) << d;
    EXPECT_EQ(m.layouts[0].name, "Model");
    EXPECT_EQ(m.layouts[0].block, "");
    EXPECT_EQ(m.layouts[1].name, "Layout1");
    EXPECT_EQ(m.layouts[1].reihenfolge, 1);
    EXPECT_EQ(m.layouts[1].block.substr(1), "Paper_Space") << d;
    EXPECT_NE(cadbericht(m).find("\nBlätter: Model, Layout1\nObjekte: "), std::string::npos) << cadbericht(m);
    const CadBlock* tuer = m.blockNamens("Tür");
    const CadEntitaet& vorlage = tuer->entitaeten.back();
    ASSERT_EQ(vorlage.art, CadArt::Attributdefinition);
    EXPECT_EQ(m.texte[vorlage.aufforderung], "Nummer?");
    EXPECT_EQ(m.texte[vorlage.text], "1");
    EXPECT_TRUE(vorlage.unsichtbar);
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

// A text value that broke across lines puts a line where a group code
// belongs: the reader steps over it to the next object, drops the damaged one
// and says where it was.
TEST(DxfLeser, TextUeberZeilenWirdUebersprungen) {
  CadModell m;
  const DxfErgebnis e = dxfLesen(
      "0\nSECTION\n2\nENTITIES\n0\nMTEXT\n8\n0\n10\n1\n20\n1\n1\nbla\nbla bla\n3\nbla\n0\nLINE\n8\nA\n10\n0\n"
      "20\n0\n11\n2\n21\n2\n0\nLINE\n8\nB\n10\n0\n20\n0\n11\n3\n21\n3\n0\nENDSEC\n0\nEOF\n",
      m);
  EXPECT_FALSE(e.ok);
  EXPECT_EQ(e.fehler, "Ungültiger Gruppencode in Zeile 15 der DXF-Datei; das beschädigte Objekt wurde übersprungen.");
  ASSERT_EQ(m.entitaeten.size(), 2u);
  EXPECT_EQ(m.entitaeten[0].art, CadArt::Linie);
  EXPECT_EQ(m.entitaeten[1].b.x, 3);
}

// What the fuzzer found, and damage made by hand: a German message or a
// partial model, never a crash, a hang or an index out of the model.
TEST(DxfLeser, FundeDesFuzzers) {
  struct Fall {
    const char* datei;
    const char* meldung;  // nullptr: read whole
    std::size_t entitaeten;
  };
  const std::vector<Fall> faelle = {
      {"schraffur_riesig.dxf", nullptr, 1},       {"riesenzahl.dxf", "Ungültige Zahl", 1},
      {"falscher_code.dxf", "Gruppencode", 0},    {"abgeschnitten.dxf", "endet unerwartet", 0},
      {"nur_kennung.dxf", "endet unerwartet", 0},
  };
  const std::filesystem::path ordner = std::filesystem::path(QUARZEL_TEST_DATA) / "dxf" / "fuzz";
  std::size_t gelesen = 0;
  for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
    const std::string name = eintrag.path().filename().string();
    SCOPED_TRACE(name);
    CadModell m;
    const DxfErgebnis e = dxfLesen(datei("fuzz/" + name), m);
    EXPECT_TRUE(e.ok || !e.fehler.empty());
    EXPECT_TRUE(m.indizesGueltig());
    for (const Fall& f : faelle) {
      if (name != f.datei) continue;
      ++gelesen;
      EXPECT_EQ(e.ok, f.meldung == nullptr);
      if (f.meldung) {
        EXPECT_NE(e.fehler.find(f.meldung), std::string::npos) << e.fehler;
      }
      EXPECT_EQ(m.entitaeten.size(), f.entitaeten);
    }
  }
  EXPECT_EQ(gelesen, faelle.size());
}

// The files of other programs, where they are at hand: each reads whole.
TEST(DxfLeser, BeispieleAndererProgramme) {
  const std::filesystem::path ordner = std::filesystem::path(QUARZEL_TEST_DATA) / "../../../shared/import-samples/dxf";
  if (!std::filesystem::exists(ordner)) GTEST_SKIP() << "keine Beispiele";
  for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
    std::ifstream f(eintrag.path(), std::ios::binary);
    const std::string daten((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    CadModell m;
    const DxfErgebnis e = dxfLesen(daten, m);
    EXPECT_TRUE(e.ok) << eintrag.path() << ": " << e.fehler;
    EXPECT_TRUE(m.indizesGueltig()) << eintrag.path();
  }
}

// A paragraph text repeats itself as an embedded object after code 101 with
// other numbers in the same codes: the values before it count.
TEST(DxfLeser, EingebetteteKopieZaehltNicht) {
  CadModell m;
  ASSERT_TRUE(dxfLesen("0\nSECTION\n2\nENTITIES\n0\nMTEXT\n8\n0\n10\n5\n20\n6\n40\n50\n41\n566\n1\nText\n101\n"
                       "Embedded Object\n10\n1\n20\n0\n11\n5\n21\n6\n40\n566\n41\n0\n1001\nQUARZEL\n1070\n3\n1070\n2\n"
                       "0\nENDSEC\n0\nEOF\n",
                       m)
                  .ok);
  const CadEntitaet e = m.entitaeten[0];
  EXPECT_EQ(e.hoehe, 50);
  EXPECT_EQ(e.breite, 566);
  EXPECT_EQ(e.a.x, 5);
  EXPECT_EQ(e.drehung, 0);
  EXPECT_EQ(e.eigenerStift, 3);
}

}  // namespace
}  // namespace quarzel
