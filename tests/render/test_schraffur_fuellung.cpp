// Filling polygons with hatches: where the lines lie, how concave polygons
// and edges on a line are cut, and how scale and zoom act.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
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

// Each segment as (position across, from, to along the line), sorted;
// `senkrecht` for vertical lines.
using Spannen = std::vector<std::array<double, 3>>;
Spannen spannen(const std::vector<Schraffurstrecke>& s, bool senkrecht = false) {
  Spannen r;
  for (const Schraffurstrecke& t : s) {
    const double quer = senkrecht ? t.a.x : t.a.y, a = senkrecht ? t.a.y : t.a.x, b = senkrecht ? t.b.y : t.b.x;
    EXPECT_DOUBLE_EQ(quer, senkrecht ? t.b.x : t.b.y);
    r.push_back({quer, std::min(a, b), std::max(a, b)});
  }
  std::sort(r.begin(), r.end());
  return r;
}

TEST(SchraffurLinienlage, LinienImAbstandJedeMitIhremStiftUndStilPlusEins) {
  Fuellung f;
  // Lines at y = 0, 10, … 90; y = 100 runs along the bottom edge and meets no
  // edge in its half-open range, so each line is drawn exactly once.
  ASSERT_EQ(f.fuelle(einMuster(0, {10}), rechteck(0, 0, 100, 100)), 10u);
  Spannen erwartet;
  for (double y = 0; y < 100; y += 10) erwartet.push_back({y, 0, 100});
  EXPECT_EQ(spannen(f.zeichner.alle()), erwartet);

  // Offsets 2 and 10 in a band of 10: lines at y = 2, 10, 12, 20, 22 …
  Fuellung g;
  Schraffurdefinition d = einMuster(0, {2, 8});
  d.muster[0].linien[0].pen = 4;
  d.muster[0].linien[1].pen = 7;
  d.muster[0].linien[1].style = 3;
  g.fuelle(d, rechteck(0, 1, 50, 25));
  ASSERT_EQ(g.zeichner.aufrufe.size(), 2u);
  EXPECT_EQ(sortierteYWerte(g.zeichner.aufrufe[0].strecken), (std::vector<double>{2, 12, 22}));
  EXPECT_EQ(sortierteYWerte(g.zeichner.aufrufe[1].strecken), (std::vector<double>{10, 20}));
  EXPECT_EQ(std::tuple(g.zeichner.aufrufe[0].pen, g.zeichner.aufrufe[0].stil), std::tuple(4, 1));
  EXPECT_EQ(std::tuple(g.zeichner.aufrufe[1].pen, g.zeichner.aufrufe[1].stil), std::tuple(7, 4));
}

TEST(SchraffurSchnitte, KonkaveFormenEckenUndKantenAufDerLinie) {
  // A U open at the top, and the same U on its side: arms x 0..10 and
  // 20..30, the notch reaching down to y 20.
  const std::vector<Pixelpunkt> u = {{0, 0}, {10, 0}, {10, 20}, {20, 20}, {20, 0}, {30, 0}, {30, 30}, {0, 30}, {0, 0}};
  std::vector<Pixelpunkt> quer, offen(u.begin() + 1, u.end());
  for (const Pixelpunkt& p : u) quer.push_back({p.y, p.x});
  const struct {
    const char* name;
    std::vector<Pixelpunkt> polygon;
    std::int32_t richtung;
    double abstand;
    Pixelpunkt ursprung;
    Spannen erwartet;
  } faelle[] = {
      {"U cut once gives two pieces", u, 0, 100, {0, 10}, {{10, 0, 10}, {10, 20, 30}}},
      {"the same U open, first and last point level", offen, 0, 100, {0, 10}, {{10, 0, 10}, {10, 20, 30}}},
      // Sorted by x the four crossings of a vertical line would pair at random.
      {"vertical lines sort by y", quer, 90, 100, {10, 0}, {{10, 0, 10}, {10, 20, 30}}},
      // y = 100 runs along the bottom edge, y = 0 through the apex: only y = 50 draws.
      {"edge on the line", {{0, 100}, {100, 100}, {50, 0}, {0, 100}}, 0, 50, {0, 0}, {{50, 25, 75}}},
      {"line through corners", {{50, 0}, {100, 50}, {50, 100}, {0, 50}}, 0, 1000, {0, 50}, {{50, 0, 100}}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    Fuellung g;
    g.fueller.rahmen.ursprung = f.ursprung;
    g.fuelle(einMuster(f.richtung, {f.abstand}), f.polygon);
    EXPECT_EQ(spannen(g.zeichner.alle(), f.richtung == 90), f.erwartet);
  }
  // A right triangle whose hypotenuse lies on a 45-degree line anchored at
  // (100, 0): the lines x + y = 88, 76 … 4 cross the legs, the hypotenuse adds nothing.
  Fuellung f;
  f.fueller.rahmen.ursprung = {100, 0};
  f.fuelle(einMuster(45, {std::sqrt(0.5) * 12}), {{0, 0}, {100, 0}, {0, 100}, {0, 0}});
  ASSERT_EQ(f.zeichner.alle().size(), 8u);
  for (const Schraffurstrecke& t : f.zeichner.alle()) {
    EXPECT_NEAR(t.a.x + t.a.y, t.b.x + t.b.y, 1e-9);
    EXPECT_LT(t.a.x + t.a.y, 99);
  }
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

}  // namespace
}  // namespace quarzel
