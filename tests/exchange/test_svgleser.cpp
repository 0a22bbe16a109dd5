// The SVG reader: every element, command and style on drawings of our own,
// checked in the model (millimetres, y upward); damaged and foreign files.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <numbers>

#include "exchange/cadimport.h"
#include "exchange/svgleser.h"
#include "platform/skriptbenutzer.h"
#include "store/zeichnung.h"
#include "support/speicherhilfen.h"
#include "support/tempordner.h"

namespace quarzel {
namespace {

// 100 × 100 mm, one user unit a millimetre: (x, y) comes out as (x, 100 - y).
std::string svg(const std::string& koerper) {
  return koerper.starts_with("<svg")
             ? koerper
             : R"s(<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:inkscape="http://www.inkscape.org/namespaces/inkscape" width="100mm" height="100mm" viewBox="0 0 100 100">)s" +
                   koerper + "</svg>";
}

// A point of an ellipse entity at parameter s.
CadPunkt ellipsenpunkt(const CadEntitaet& e, double s) {
  const double r = e.verhaeltnis;
  return {e.a.x + e.b.x * std::cos(s) - r * e.b.y * std::sin(s), e.a.y + e.b.y * std::cos(s) + r * e.b.x * std::sin(s),
          0};
}

// Where an entity starts and ends: the ends of its vertex run or arc.
std::pair<CadPunkt, CadPunkt> enden(const CadModell& m, const CadEntitaet& e) {
  if (e.art == CadArt::Ellipse) return {ellipsenpunkt(e, e.anfang), ellipsenpunkt(e, e.ende)};
  if (e.art == CadArt::Kreis || e.art == CadArt::Text) return {e.a, {e.a.x + e.radius, e.a.y, 0}};
  std::uint32_t erster = e.ersterScheitel, anzahl = e.scheitelAnzahl;
  if (e.art == CadArt::Schraffurrand)
    erster = m.pfade[e.ersterPfad].ersterScheitel, anzahl = m.pfade[e.ersterPfad].anzahl;
  return {m.scheitel[erster].p, m.scheitel[erster + anzahl - 1].p};
}

struct Fall {
  const char* name;
  std::string koerper;
  std::vector<CadArt> arten;
  CadPunkt anfang, ende;  // of the last entity
  std::function<void(const CadModell&, const CadEntitaet&)> pruefe = {};
};

using A = CadArt;
constexpr A P = A::Polylinie;

TEST(SvgLeser, ElementeBefehleUndStile) {
  const auto farbe = [](std::uint32_t rgb) {
    return [rgb](const CadModell&, const CadEntitaet& e) { EXPECT_EQ(e.farbe.rgb, rgb); };
  };
  const auto typ = [](const char* name) {
    return [name](const CadModell& m, const CadEntitaet& e) {
      ASSERT_NE(e.linientyp, kKeinIndex);
      EXPECT_EQ(m.namen[e.linientyp], name);
    };
  };
  const std::vector<Fall> faelle = {
      {"linie", R"s(<line x1="10" y1="20" x2="30" y2="40" stroke="red"/>)s", {P}, {10, 80}, {30, 60}, farbe(0xFF0000)},
      {"gerade Befehle",
       R"s(<path d="M10 10 L20 10 H30 V20 l-10 0 v-5 h-5 z" stroke="#000" fill="none"/>)s",
       {P},
       {10, 90},
       {15, 85},
       [](const CadModell&, const CadEntitaet& e) {
         EXPECT_TRUE(e.geschlossen);
         EXPECT_EQ(e.scheitelAnzahl, 7u);
       }},
      {"implizit wiederholt", R"s(<path d="m10 10 20 0 0 20" stroke="#000" fill="none"/>)s", {P}, {10, 90}, {30, 70}},
      {"kubisch und glatt",
       R"s(<path d="M0 0 C10 0 20 10 20 20 S30 40 40 40" stroke="#000" fill="none"/>)s",
       {A::Spline},
       {0, 100},
       {40, 60},
       [](const CadModell& m, const CadEntitaet& e) {
         EXPECT_EQ(e.grad, 3);
         EXPECT_EQ(e.scheitelAnzahl, 7u);
         EXPECT_EQ(e.knotenAnzahl, 11u);
         EXPECT_EQ(m.scheitel[e.ersterScheitel + 4].p, (CadPunkt{20, 70}));  // the reflected control point
       }},
      {"quadratisch",
       R"s(<path d="M0 0 Q30 0 30 30 t30 30" stroke="#000" fill="none"/>)s",
       {A::Spline},
       {0, 100},
       {60, 40},
       [](const CadModell& m, const CadEntitaet& e) {
         EXPECT_EQ(m.scheitel[e.ersterScheitel + 1].p, (CadPunkt{20, 100}));
         EXPECT_EQ(m.scheitel[e.ersterScheitel + 4].p, (CadPunkt{30, 50}));  // towards the reflected (30, 60)
       }},
      {"Bogen als Halbkreis",
       R"s(<path d="M10 50 A40 40 0 0 1 90 50" stroke="#000" fill="none"/>)s",
       {A::Ellipse},
       {90, 50},
       {10, 50},
       [](const CadModell&, const CadEntitaet& e) {
         const CadPunkt mitte = ellipsenpunkt(e, (e.anfang + e.ende) / 2);
         EXPECT_NEAR(mitte.y, 90, 1e-9);  // over the top, as sweep 1 runs on the screen
       }},
      {"Bogen gedreht, großer Bogen",
       R"s(<path d="M50 30 a20 10 30 1 0 10 10" stroke="#000" fill="none"/>)s",
       {A::Ellipse},
       {50, 70},
       {60, 60},
       [](const CadModell&, const CadEntitaet& e) {
         EXPECT_NEAR(e.verhaeltnis, 0.5, 1e-6);
         EXPECT_GT(e.ende - e.anfang, std::numbers::pi);
       }},
      {"Rechteck",
       R"s(<rect x="10" y="10" width="20" height="10" stroke="#000" fill="none"/>)s",
       {P},
       {10, 90},
       {10, 80}},
      {"Rechteck gerundet",
       R"s(<rect x="10" y="10" width="20" height="10" rx="2" stroke="#000" fill="none"/>)s",
       {P, A::Ellipse, P, A::Ellipse, P, A::Ellipse, P, A::Ellipse},
       {12, 90},
       {10, 88}},
      {"Kreis", R"s(<circle cx="50" cy="40" r="10" stroke="#000" fill="none"/>)s", {A::Kreis}, {50, 60}, {60, 60}},
      {"Ellipse gedreht",
       R"s(<ellipse rx="20" ry="10" transform="translate(50 50) rotate(90)" stroke="#000" fill="none"/>)s",
       {A::Ellipse},
       {50, 30},
       {50, 30},
       [](const CadModell&, const CadEntitaet& e) { EXPECT_NEAR(std::abs(e.b.y), 20, 1e-9); }},
      {"Polylinie und Polygon",
       R"s(<polyline points="0,0 10,0 10,10" stroke="#000"/><polygon points="0 0 10 0 10 10" stroke="#000" fill="none"/>)s",
       {P, P},
       {0, 100},
       {10, 90},
       [](const CadModell&, const CadEntitaet& e) { EXPECT_TRUE(e.geschlossen); }},
      {"verschachtelte Transformationen",
       R"s(<g transform="translate(10,0)"><g transform="scale(2) skewX(45)"><line x1="0" y1="5" x2="5" y2="5" stroke="#000"/></g></g>)s",
       {P},
       {20, 90},
       {30, 90}},
      {"Matrix",
       R"s(<line x1="0" y1="0" x2="10" y2="0" transform="matrix(0 1 -1 0 50 10)" stroke="#000"/>)s",
       {P},
       {50, 90},
       {50, 80}},
      {"Ebenen",
       R"s(<g inkscape:groupmode="layer" inkscape:label="Wände"><g><line x2="1" stroke="#000"/></g></g>)s",
       {P},
       {0, 100},
       {1, 100},
       [](const CadModell& m, const CadEntitaet& e) { EXPECT_EQ(m.namen[e.layer], "Wände"); }},
      {"Farben",
       R"s(<g color="#123456"><line x2="1" stroke="currentColor"/></g>)s",
       {P},
       {0, 100},
       {1, 100},
       farbe(0x123456)},
      {"rgb() und #rgb",
       R"s(<line x2="1" stroke="rgb(0,0,255)"/><line x2="1" stroke="#0f0"/>)s",
       {P, P},
       {0, 100},
       {1, 100},
       farbe(0x00FF00)},
      {"gefüllt ohne Strich",
       R"s(<rect width="10" height="10" fill="#ff0000" stroke="none"/>)s",
       {A::Schraffurrand},
       {0, 100},
       {0, 100},
       [](const CadModell& m, const CadEntitaet& e) {
         EXPECT_TRUE(e.gefuellt);
         EXPECT_EQ(e.farbe.rgb, 0xFF0000u);
         EXPECT_EQ(m.pfade[e.ersterPfad].anzahl, 5u);
       }},
      {"Strichstärke",
       R"s(<line x2="1" stroke="#000" stroke-width="0.5"/>)s",
       {P},
       {0, 100},
       {1, 100},
       [](const CadModell&, const CadEntitaet& e) { EXPECT_EQ(e.linienstaerke, 50); }},
      {"gestrichelt",
       R"s(<line x2="1" stroke="#000" stroke-dasharray="5,5"/>)s",
       {P},
       {0, 100},
       {1, 100},
       typ("psDash")},
      {"gepunktet", R"s(<line x2="1" stroke="#000" stroke-dasharray="1 4"/>)s", {P}, {0, 100}, {1, 100}, typ("psDot")},
      {"Strichpunkt",
       R"s(<line x2="1" stroke="#000" stroke-dasharray="10,3,1,3"/>)s",
       {P},
       {0, 100},
       {1, 100},
       typ("psDashDot")},
      {"Text",
       R"s(<text x="10" y="20" font-size="5" transform="rotate(-90 10 20)">Hallo <tspan>Welt</tspan></text>)s",
       {A::Text},
       {10, 80},
       {10, 80},
       [](const CadModell& m, const CadEntitaet& e) {
         EXPECT_EQ(m.texte[e.text], "Hallo Welt");
         EXPECT_NEAR(e.hoehe, 5, 1e-9);
         EXPECT_NEAR(e.drehung, 90, 1e-9);
       }},
      {"tspan mit Lage",
       R"s(<text x="1" y="2">A<tspan x="5" y="6">B</tspan></text>)s",
       {A::Text, A::Text},
       {5, 94},
       {5, 94}},
      {"use",
       R"s(<defs><line id="l" x2="1" stroke="#000"/></defs><use xlink:href="#l" x="5" y="5"/><use href="#l"/>)s",
       {P, P},
       {0, 100},
       {1, 100}},
      {"Stilblatt und style",
       R"s(<style>.rot{stroke:#ff0000} line{stroke-width:2}</style>
         <line class="rot" x2="1"/><line class="rot" x2="1" style="stroke:blue;stroke-width:3px"/>)s",
       {P, P},
       {0, 100},
       {1, 100},
       [](const CadModell&, const CadEntitaet& e) {
         EXPECT_EQ(e.farbe.rgb, 0x0000FFu);
         EXPECT_EQ(e.linienstaerke, 300);
       }},
      {"Einheiten und viewBox",
       R"s(<svg xmlns="http://www.w3.org/2000/svg" width="10cm" height="5cm" viewBox="0 0 200 100"><line x2="200" stroke="#000"/></svg>)s",
       {P},
       {0, 50},
       {100, 50}},
      {"Pixel ohne viewBox",
       R"s(<svg xmlns="http://www.w3.org/2000/svg" width="96" height="96"><line x2="96" stroke="#000"/></svg>)s",
       {P},
       {0, 25.4},
       {25.4, 25.4}},
  };
  for (const Fall& f : faelle) {
    SCOPED_TRACE(f.name);
    CadModell m;
    const CadLeseergebnis e = svgLesen(svg(f.koerper), m);
    EXPECT_TRUE(e.ok) << e.fehler;
    ASSERT_TRUE(m.indizesGueltig());
    ASSERT_EQ(m.entitaeten.size(), f.arten.size());
    for (std::size_t i = 0; i < f.arten.size(); ++i) EXPECT_EQ(m.entitaeten[i].art, f.arten[i]) << i;
    const CadEntitaet letzte = m.entitaeten.back();
    const auto [anfang, ende] = enden(m, letzte);
    EXPECT_NEAR(anfang.x, f.anfang.x, 1e-6);
    EXPECT_NEAR(anfang.y, f.anfang.y, 1e-6);
    if (letzte.art != A::Kreis && letzte.art != A::Text) {
      EXPECT_NEAR(ende.x, f.ende.x, 1e-6);
      EXPECT_NEAR(ende.y, f.ende.y, 1e-6);
    }
    if (f.pruefe) f.pruefe(m, letzte);
  }
}

// Through the import as the program runs it: elements in the drawing.
TEST(SvgLeser, ImportInDieZeichnung) {
  test::TempOrdner ordner;
  const std::string pfad = (ordner / "a.svg").string();
  test::schreibeDatei(
      ordner / "a.svg",
      svg(R"s(<line x2="10" stroke="#000"/><circle cx="50" cy="50" r="5" stroke="#000" fill="red"/>)s"));
  const CadDatei d = ladeCadDatei(pfad);
  ASSERT_TRUE(d.gelesen) << d.fehler;
  Zeichnung z;
  test::initialisiere(z.speicher);
  SkriptBenutzer b;
  EXPECT_EQ(importiereCad(z, b, d, {}).elemente, 3);
}

// What the fuzzer found and damage made by hand: a German message or a
// partial model, never a crash, a hang or an index out of the model.
TEST(SvgLeser, BeschaedigteUndFremdeDateien) {
  CadModell m;
  CadLeseergebnis e = svgLesen(svg(R"s(<line x2="1" stroke="#000"/><g><line)s"), m);
  EXPECT_FALSE(e.ok);
  EXPECT_NE(e.fehler.find("fehlerhaft"), std::string::npos) << e.fehler;
  EXPECT_EQ(m.entitaeten.size(), 1u);
  // References in a circle end at the depth limit.
  CadModell kreis;
  EXPECT_TRUE(svgLesen(svg(R"s(<g id="g"><line x2="1" stroke="#000"/><use href="#g"/></g>)s"), kreis).ok);
  EXPECT_EQ(kreis.entitaeten.size(), 9u);
  for (const char* art : {"svg/fuzz", "../../../shared/import-samples/svg"}) {
    const std::filesystem::path ordner = std::filesystem::path(QUARZEL_TEST_DATA) / art;
    if (!std::filesystem::exists(ordner)) continue;
    for (const auto& eintrag : std::filesystem::directory_iterator(ordner)) {
      std::ifstream f(eintrag.path(), std::ios::binary);
      const std::string daten((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
      CadModell mm;
      e = svgLesen(daten, mm);
      EXPECT_TRUE(e.ok || !e.fehler.empty()) << eintrag.path();
      EXPECT_TRUE(mm.indizesGueltig()) << eintrag.path();
    }
  }
}

}  // namespace
}  // namespace quarzel
