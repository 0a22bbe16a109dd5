// What vector and picture output rely on: arcs as Bézier pieces where the
// canvas keeps curves (and chords where it does not), and segments held back
// by the state filter reaching the canvas in order with their own pen.
#include <gtest/gtest.h>

#include <cmath>

#include "render/kurvenpunkte.h"
#include "render/zustandsfilter.h"
#include "support/bogenhilfen.h"
#include "support/render/test_zeichnen_hilfe.h"

namespace quarzel::test {
namespace {

// A recording canvas of a device that keeps curves.
class Kurvencanvas : public Aufzeichnungscanvas {
 public:
  bool kurvenErhalten() const override { return true; }
  void bezierzug(std::span<const Pixelpunkt> p) override { kurven.emplace_back(p.begin(), p.end()); }
  std::vector<std::vector<Pixelpunkt>> kurven;
};

TEST(BogenAlsBezier, ChordsOfTheFallbackLieOnTheFigure) {
  const struct {
    const char* name;
    Ellipsenbogen bogen;
    std::size_t punkte;  // start + 3 per piece
  } faelle[] = {
      {"full circle: four pieces", figur(300, 300, 100, 100), 13},
      {"quarter arc: one piece", figur(300, 300, 100, 100, 0, 90), 4},
      {"turned ellipse arc of 220°: three pieces", figur(300, 300, 120, 60, 30, 250, 40), 10},
  };
  const Zeichnung z;
  Zeichenlauf lauf(z.stifte, z.linienstile, Laufparameter{});
  lauf.computePenPixelWidths(1);
  for (const auto& f : faelle) {
    std::vector<Pixelpunkt> kette;
    bogenBezier(f.bogen, lauf, kette);
    EXPECT_EQ(kette.size(), f.punkte) << f.name;
    Aufzeichnungscanvas c;
    c.bezierzug(kette);  // the base class: chords for pixel canvases
    ASSERT_EQ(c.polylinien.size(), 1u) << f.name;
    const std::vector<Pixelpunkt>& zug = c.polylinien[0].punkte;
    EXPECT_GT(zug.size(), 40u) << f.name << ": chords of a few pixels";
    for (const Pixelpunkt& p : zug) {
      const Weltpunkt q = f.bogen.punkt(f.bogen.winkelVon({p.x, p.y}));
      ASSERT_LT(std::hypot(p.x - q.x, p.y - q.y), 0.05) << f.name;
    }
    const Weltpunkt a = f.bogen.anfang(), e = f.bogen.ende();
    EXPECT_NEAR(zug.front().x, a.x, 1e-9) << f.name;
    EXPECT_NEAR(zug.front().y, a.y, 1e-9) << f.name;
    EXPECT_NEAR(zug.back().x, e.x, 1e-9) << f.name;
    EXPECT_NEAR(zug.back().y, e.y, 1e-9) << f.name;
  }
}

TEST_F(Zeichnen, OnlyPlainOutlinesBecomeCurves) {
  const struct {
    const char* name;
    int linienstil;
    bool gefuellt;
    std::size_t kurven, linienzuege;
  } faelle[] = {
      {"continuous", 1, false, 1, 0},
      {"dashed: the pattern walks chords", 2, false, 0, 1},
      {"filled: the fill needs the sampled outline", 1, true, 0, 1},
  };
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
  for (const auto& f : faelle) {
    z.speicher.leere();
    z.speicher.beginneSchritt();
    tbogendaten d = bogendaten(300, 300, 100, 100);
    d.linienstil = static_cast<std::int16_t>(f.linienstil);
    d.fuellung.gefuellt = f.gefuellt;
    bogen(d);
    Kurvencanvas c;
    drawElements(c, 1, z.speicher.anzahl(), 100, 1, {0, 0, 799, 599}, 0, 0, umgebung());
    EXPECT_EQ(c.kurven.size(), f.kurven) << f.name;
    EXPECT_EQ(c.polylinien.size() + c.mehrfachlinien.size(), f.linienzuege) << f.name;
  }
}

TEST(Zustandsfilter, HeldBackSegmentsKeepTheirOrderAndPen) {
  Aufzeichnungscanvas c;
  {
    Zustandsfilter f(c);
    const Farbe rot = rgb(255, 0, 0), blau = rgb(0, 0, 255);
    const std::array<Pixelpunkt, 2> a{{{0, 0}, {10, 0}}}, b{{{0, 5}, {10, 5}}};
    f.setzeStift(rot, 1);
    f.polylinie(a);
    f.polylinie(b);
    f.setzeStift(blau, 1);
    f.polylinie(a);
    f.polygon(b);
    f.polylinie(b);
  }  // the rest goes out when the filter ends
  ASSERT_EQ(c.polylinien.size(), 4u);
  EXPECT_EQ(c.polylinien[1].zustand.stift.farbe, rgb(255, 0, 0));
  EXPECT_EQ(c.polylinien[2].zustand.stift.farbe, rgb(0, 0, 255));
  const std::vector<std::string> erwartet{"setzeStift", "polylinie", "polylinie", "setzeStift",
                                          "polylinie",  "polygon",   "polylinie"};
  EXPECT_EQ(c.protokoll, erwartet);
}

}  // namespace
}  // namespace quarzel::test
