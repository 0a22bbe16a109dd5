// Filling polygons with hatches: where the lines lie, how concave polygons
// and edges on a line are cut, how scale, zoom and the element's hatch angle
// act, and that hostile definitions and geometry cannot make the fill hang.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>
#include <vector>

#include "render/schraffurfuellung.h"
#include "support/aufzeichnungscanvas.h"

namespace quarzel {
namespace {

// Stands in for the renderer's styled-segment routine.
class Streckenaufzeichnung : public Schraffurstreckenzeichner {
 public:
  struct Aufruf {
    std::vector<Schraffurstrecke> strecken;
    std::uint8_t pen;
    int stil;
  };
  void zeichneStrecken(Canvas&, std::span<const Schraffurstrecke> s, std::uint8_t pen, int stil) override {
    aufrufe.push_back({{s.begin(), s.end()}, pen, stil});
  }
  std::vector<Schraffurstrecke> alle() const {
    std::vector<Schraffurstrecke> a;
    for (const Aufruf& r : aufrufe) a.insert(a.end(), r.strecken.begin(), r.strecken.end());
    return a;
  }
  std::vector<Aufruf> aufrufe;
};

// A definition with one pattern: the given direction and active distances
// (sheet millimetres), every line with pen 1 and style index 0.
Schraffurdefinition einMuster(std::int32_t richtung, std::initializer_list<double> abstaende) {
  Schraffurdefinition d = vorgabeSchraffur("Test");
  d.muster[0].direction = richtung;
  std::size_t i = 0;
  for (double a : abstaende) d.muster[0].linien[i++] = {1, a, 0, 1};
  return d;
}

std::vector<Pixelpunkt> rechteck(double x1, double y1, double x2, double y2) {
  return {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
}

// A U open at the top: arms x 0..10 and 20..30, the notch reaching down to y 20.
std::vector<Pixelpunkt> uForm() {
  return {{0, 0}, {10, 0}, {10, 20}, {20, 20}, {20, 0}, {30, 0}, {30, 30}, {0, 30}, {0, 0}};
}

struct Fuellung {
  Streckenaufzeichnung zeichner;
  Aufzeichnungscanvas canvas;
  Schraffurfueller fueller{zeichner};
  std::size_t fuelle(const Schraffurdefinition& d, const std::vector<Pixelpunkt>& p, double winkel = 0) {
    return fueller.fillHatch(canvas, d, p, winkel);
  }
};

std::vector<double> sortierteYWerte(const std::vector<Schraffurstrecke>& s) {
  std::vector<double> y;
  for (const Schraffurstrecke& t : s) y.push_back(t.a.y);
  std::sort(y.begin(), y.end());
  return y;
}

// --- Where the lines lie ---------------------------------------------------------

TEST(SchraffurLinienlage, HorizontaleLinienImAbstandUeberDasRechteck) {
  Fuellung f;
  const std::size_t n = f.fuelle(einMuster(0, {10}), rechteck(0, 0, 100, 100));
  // Lines at y = 0, 10, … 90; y = 100 runs along the bottom edge and meets no
  // edge in its half-open range, so each line is drawn exactly once.
  ASSERT_EQ(n, 10u);
  const auto s = f.zeichner.alle();
  for (std::size_t i = 0; i < s.size(); ++i) {
    EXPECT_DOUBLE_EQ(s[i].a.y, s[i].b.y);
    EXPECT_DOUBLE_EQ(std::min(s[i].a.x, s[i].b.x), 0);
    EXPECT_DOUBLE_EQ(std::max(s[i].a.x, s[i].b.x), 100);
  }
  EXPECT_EQ(sortierteYWerte(s), (std::vector<double>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
}

TEST(SchraffurLinienlage, RichtungInGradGegenDenUhrzeiger) {
  Fuellung senkrecht;
  senkrecht.fuelle(einMuster(90, {25}), rechteck(0, 0, 100, 100));
  ASSERT_EQ(senkrecht.zeichner.alle().size(), 4u);
  for (const Schraffurstrecke& t : senkrecht.zeichner.alle()) {
    EXPECT_DOUBLE_EQ(t.a.x, t.b.x);
    EXPECT_DOUBLE_EQ(std::abs(t.a.y - t.b.y), 100);
  }
  Fuellung schraeg;
  schraeg.fuelle(einMuster(45, {10}), rechteck(0, 0, 100, 100));
  ASSERT_FALSE(schraeg.zeichner.alle().empty());
  // Output y grows downward: a line rising to the right has dy = -dx.
  for (const Schraffurstrecke& t : schraeg.zeichner.alle()) EXPECT_NEAR((t.b.y - t.a.y) / (t.b.x - t.a.x), -1.0, 1e-12);

  Fuellung null, halb;
  null.fuelle(einMuster(0, {7}), rechteck(3, 5, 97, 88));
  halb.fuelle(einMuster(180, {7}), rechteck(3, 5, 97, 88));
  EXPECT_FALSE(null.zeichner.alle().empty());
  EXPECT_EQ(sortierteYWerte(null.zeichner.alle()), sortierteYWerte(halb.zeichner.alle()));
}

TEST(SchraffurLinienlage, LinienEinesBandesFolgenDenAbstaenden) {
  Fuellung f;
  // Offsets 2 and 10 in a band of 10: lines at y = 2, 10, 12, 20, 22 …
  f.fuelle(einMuster(0, {2, 8}), rechteck(0, 1, 50, 25));
  ASSERT_EQ(f.zeichner.aufrufe.size(), 2u);
  EXPECT_EQ(sortierteYWerte(f.zeichner.aufrufe[0].strecken), (std::vector<double>{2, 12, 22}));
  EXPECT_EQ(sortierteYWerte(f.zeichner.aufrufe[1].strecken), (std::vector<double>{10, 20}));
}

TEST(SchraffurLinienlage, JedeLinieMitIhremStiftUndStilPlusEins) {
  Fuellung f;
  Schraffurdefinition d = einMuster(0, {5, 5});
  d.muster[0].linien[0].pen = 4;
  d.muster[0].linien[0].style = 0;
  d.muster[0].linien[1].pen = 7;
  d.muster[0].linien[1].style = 3;
  f.fuelle(d, rechteck(0, 0, 40, 40));
  ASSERT_EQ(f.zeichner.aufrufe.size(), 2u);
  EXPECT_EQ(f.zeichner.aufrufe[0].pen, 4);
  EXPECT_EQ(f.zeichner.aufrufe[0].stil, 1);
  EXPECT_EQ(f.zeichner.aufrufe[1].pen, 7);
  EXPECT_EQ(f.zeichner.aufrufe[1].stil, 4);
}

// --- Concave polygons, vertices and edges on a line --------------------------------

TEST(SchraffurSchnitte, UFormEinmalGeschnittenGibtZweiStrecken) {
  Fuellung f;
  // One line only: the lattice at y = 10 + k·100 meets the U only at y = 10.
  f.fueller.rahmen.ursprung = {0, 10};
  f.fuelle(einMuster(0, {100}), uForm());
  const auto s = f.zeichner.alle();
  ASSERT_EQ(s.size(), 2u);
  std::vector<std::pair<double, double>> xs;
  for (const Schraffurstrecke& t : s) xs.emplace_back(std::min(t.a.x, t.b.x), std::max(t.a.x, t.b.x));
  std::sort(xs.begin(), xs.end());
  EXPECT_EQ(xs, (std::vector<std::pair<double, double>>{{0, 10}, {20, 30}}));
}

TEST(SchraffurSchnitte, SenkrechteLinienWerdenNachYSortiert) {
  // The U turned on its side, crossed by one vertical line: sorted by x the
  // four crossings would pair at random.
  std::vector<Pixelpunkt> u;
  for (const Pixelpunkt& p : uForm()) u.push_back({p.y, p.x});
  Fuellung f;
  f.fueller.rahmen.ursprung = {10, 0};
  f.fuelle(einMuster(90, {100}), u);
  const auto s = f.zeichner.alle();
  ASSERT_EQ(s.size(), 2u);
  std::vector<std::pair<double, double>> ys;
  for (const Schraffurstrecke& t : s) ys.emplace_back(std::min(t.a.y, t.b.y), std::max(t.a.y, t.b.y));
  std::sort(ys.begin(), ys.end());
  EXPECT_EQ(ys, (std::vector<std::pair<double, double>>{{0, 10}, {20, 30}}));
}

TEST(SchraffurSchnitte, KanteAufDerLinieGibtKeinenSchnitt) {
  Fuellung f;
  // The lattice y = k·50 runs along the bottom edge at y = 100 and through
  // the apex at y = 0: neither gives a segment, only y = 50 does.
  f.fuelle(einMuster(0, {50}), {{0, 100}, {100, 100}, {50, 0}, {0, 100}});
  const auto s = f.zeichner.alle();
  ASSERT_EQ(s.size(), 1u);
  EXPECT_DOUBLE_EQ(s[0].a.y, 50);
  EXPECT_DOUBLE_EQ(std::abs(s[0].a.x - s[0].b.x), 50);
}

TEST(SchraffurSchnitte, DiagonaleKanteAufDerLinieGibtKeinenSchnitt) {
  // Right triangle whose hypotenuse lies on a 45-degree hatch line (the
  // lattice is anchored at its corner (100, 0)); the lines x + y = 88, 76 … 4
  // cross the two legs once each, and the hypotenuse adds nothing.
  Fuellung f;
  f.fueller.rahmen.ursprung = {100, 0};
  f.fuelle(einMuster(45, {std::sqrt(0.5) * 12}), {{0, 0}, {100, 0}, {0, 100}, {0, 0}});
  const auto s = f.zeichner.alle();
  ASSERT_EQ(s.size(), 8u);
  for (const Schraffurstrecke& t : s) {
    EXPECT_NEAR(t.a.x + t.a.y, t.b.x + t.b.y, 1e-9);
    EXPECT_LT(t.a.x + t.a.y, 99);
  }
}

TEST(SchraffurSchnitte, LinieDurchEineEckeZaehltSieEinmal) {
  // A diamond whose side corners lie on the line y = 50: one segment across
  // the whole width, not two pieces or none.
  Fuellung f;
  f.fueller.rahmen.ursprung = {0, 50};
  f.fuelle(einMuster(0, {1000}), {{50, 0}, {100, 50}, {50, 100}, {0, 50}});
  const auto s = f.zeichner.alle();
  ASSERT_EQ(s.size(), 1u);
  EXPECT_DOUBLE_EQ(std::min(s[0].a.x, s[0].b.x), 0);
  EXPECT_DOUBLE_EQ(std::max(s[0].a.x, s[0].b.x), 100);
}

TEST(SchraffurSchnitte, OffenesUndGeschlossenesPolygonGleich) {
  Fuellung a, b;
  std::vector<Pixelpunkt> offen = uForm();
  offen.pop_back();
  a.fuelle(einMuster(30, {3}), uForm());
  b.fuelle(einMuster(30, {3}), offen);
  ASSERT_EQ(a.zeichner.alle().size(), b.zeichner.alle().size());
  EXPECT_GT(a.zeichner.alle().size(), 10u);
}

// --- Definition, scale, zoom, hatch angle -------------------------------------------

TEST(SchraffurMassstab, InaktiveMusterZeichnenNichts) {
  Fuellung f;
  EXPECT_EQ(f.fuelle(vorgabeSchraffur("leer"), rechteck(0, 0, 100, 100)), 0u);
  EXPECT_TRUE(f.zeichner.aufrufe.empty());

  Schraffurdefinition d = einMuster(0, {10});
  d.muster[1].direction = 90;  // all five lines inactive
  Fuellung g;
  g.fuelle(d, rechteck(0, 0, 100, 100));
  for (const Schraffurstrecke& t : g.zeichner.alle()) EXPECT_DOUBLE_EQ(t.a.y, t.b.y);
}

TEST(SchraffurMassstab, MassstabsabhaengigDoppelterMassstabHalbiertDenAbstand) {
  Schraffurdefinition d = einMuster(0, {1000});
  d.scaleDependent = 1;
  Fuellung m50, m100;
  m50.fueller.rahmen.massstab = 50;  // 1000 mm model = 20 mm on the sheet
  m100.fueller.rahmen.massstab = 100;
  m50.fuelle(d, rechteck(0, 0, 100, 100));
  m100.fuelle(d, rechteck(0, 0, 100, 100));
  EXPECT_EQ(sortierteYWerte(m50.zeichner.alle()), (std::vector<double>{0, 20, 40, 60, 80}));
  EXPECT_EQ(sortierteYWerte(m100.zeichner.alle()).size(), 10u);

  Fuellung blatt;  // sheet distances ignore the scale but follow the zoom
  blatt.fueller.rahmen.massstab = 100;
  blatt.fueller.rahmen.zoom = 0.25;  // 4 pixels per millimetre
  blatt.fuelle(einMuster(0, {5}), rechteck(0, 0, 100, 100));
  EXPECT_EQ(sortierteYWerte(blatt.zeichner.alle()), (std::vector<double>{0, 20, 40, 60, 80}));
}

TEST(SchraffurMassstab, SchraffurwinkelDrehtDieRichtung) {
  Fuellung gedreht, direkt;
  gedreht.fuelle(einMuster(0, {6}), rechteck(0, 0, 80, 60), 45.0);
  direkt.fuelle(einMuster(45, {6}), rechteck(0, 0, 80, 60));
  const auto a = gedreht.zeichner.alle(), b = direkt.zeichner.alle();
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    EXPECT_DOUBLE_EQ(a[i].a.x, b[i].a.x);
    EXPECT_DOUBLE_EQ(a[i].a.y, b[i].a.y);
  }
}

TEST(SchraffurMassstab, EinfacherZeichnerGibtEinenMehrfachzug) {
  EinfacherSchraffurzeichner zeichner;
  Aufzeichnungscanvas canvas;
  Schraffurfueller fueller(zeichner);
  fueller.fillHatch(canvas, einMuster(0, {10}), rechteck(0, 0, 100, 100));
  ASSERT_EQ(canvas.mehrfachlinien.size(), 1u);
  EXPECT_EQ(canvas.mehrfachlinien[0].zuege.size(), 10u);
  for (const auto& zug : canvas.mehrfachlinien[0].zuege) EXPECT_EQ(zug.size(), 2u);
}

// --- Hostile definitions and geometry ------------------------------------------------

TEST(SchraffurGrenzen, UnbrauchbarerAbstandOderEntartetesPolygonZeichnetNichts) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (double a : {0.0, -5.0, nan, std::numeric_limits<double>::infinity()}) {
    Fuellung f;
    EXPECT_EQ(f.fuelle(einMuster(0, {a}), rechteck(0, 0, 100, 100)), 0u) << a;
  }
  // Degenerate polygons: none, a closed line, a NaN corner, one point.
  Fuellung f;
  EXPECT_EQ(f.fuelle(einMuster(0, {1}), {}), 0u);
  EXPECT_EQ(f.fuelle(einMuster(0, {1}), {{0, 0}, {10, 10}, {0, 0}}), 0u);
  EXPECT_EQ(f.fuelle(einMuster(0, {1}), {{0, 0}, {10, 0}, {nan, 5}, {0, 10}}), 0u);
  EXPECT_EQ(f.fuelle(einMuster(0, {1}), {{0, 0}, {0, 0}, {0, 0}, {0, 0}}), 0u);
}

TEST(SchraffurGrenzen, WinzigerAbstandWirdAusgeduenntStattZuHaengen) {
  Fuellung f;
  const auto beginn = std::chrono::steady_clock::now();
  // 1e-300 mm at 1e-6 mm per pixel over a 1000-pixel polygon.
  f.fueller.rahmen.zoom = 1e-6;
  const std::size_t n = f.fuelle(einMuster(0, {1e-300}), rechteck(0, 0, 1000, 1000));
  EXPECT_GT(n, 0u);
  EXPECT_LE(n, 2000u + 1);  // thinned to lines at least half a pixel apart
  EXPECT_LT(std::chrono::steady_clock::now() - beginn, std::chrono::seconds(5));

  Fuellung ohneMindestabstand;
  ohneMindestabstand.fueller.rahmen.mindestabstandPixel = 0;
  const std::size_t m = ohneMindestabstand.fuelle(einMuster(0, {0.001}), rechteck(0, 0, 1e6, 1e6));
  EXPECT_LE(m, static_cast<std::size_t>(Schraffurfueller::HoechsteLinienProFamilie));
  EXPECT_GT(m, 1000u);
}

TEST(SchraffurGrenzen, SichtbereichBeschraenktDieLinien) {
  Fuellung f;
  f.fueller.rahmen.sichtbereich = Cliprechteck{0, 0, 100, 100};
  f.fueller.rahmen.mindestabstandPixel = 0;
  f.fuelle(einMuster(0, {1}), rechteck(-1e9, -1e9, 1e9, 1e9));
  EXPECT_EQ(f.zeichner.alle().size(), 101u);  // y = 0 … 100
}

TEST(SchraffurGrenzen, RiesigeKoordinatenOhneAbsturz) {
  Fuellung f;
  f.fuelle(einMuster(30, {5}), rechteck(-1e300, -1e300, 1e300, 1e300));
  f.fuelle(einMuster(30, {5}), rechteck(1e15, 1e15, 1e15 + 3, 1e15 + 3));
  f.fuelle(einMuster(std::numeric_limits<std::int32_t>::max(), {5}), rechteck(0, 0, 10, 10),
           std::numeric_limits<double>::infinity());
  SUCCEED();
}

TEST(SchraffurGrenzen, SchnittpunkteSindBegrenzt) {
  // A comb with 400 teeth: every line crosses 802 edges.
  std::vector<Pixelpunkt> kamm{{0, 0}};
  for (int i = 0; i < 400; ++i) {
    kamm.push_back({i * 10.0 + 5, 1e5});
    kamm.push_back({i * 10.0 + 10, 0});
  }
  kamm.push_back({4000, 1e5 + 10});
  kamm.push_back({0, 1e5 + 10});
  struct Zaehler : Schraffurstreckenzeichner {
    void zeichneStrecken(Canvas&, std::span<const Schraffurstrecke> s, std::uint8_t, int) override {
      anzahl += s.size();
    }
    std::size_t anzahl = 0;
  } zaehler;
  Aufzeichnungscanvas canvas;
  Schraffurfueller fueller(zaehler);
  fueller.rahmen.mindestabstandPixel = 0;
  fueller.rahmen.hoechsteSchnittpunkte = 100'000;
  const std::size_t n = fueller.fillHatch(canvas, einMuster(0, {1}), kamm);
  EXPECT_EQ(n, zaehler.anzahl);
  EXPECT_LE(n, 50'000u);
  EXPECT_GT(n, 49'000u);
}

}  // namespace
}  // namespace quarzel
