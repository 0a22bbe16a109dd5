// Arcs, circles and splines as polylines: the arc conventions
// (counter-clockwise on screen), the centre mark and the spline running
// through its points.
#include <gtest/gtest.h>

#include <cmath>

#include "render/kurvenpunkte.h"
#include "support/bogenhilfen.h"
#include "support/render/test_zeichnen_hilfe.h"

namespace quarzel::test {
namespace {

using ZeichnenKurven = Zeichnen;

tbogendaten kreis(double xm, double ym, double r, float start = 0, float ende = 360) {
  return bogendaten(xm, ym, r, r, start, ende);
}

TEST_F(ZeichnenKurven, ArcsRunCounterClockwiseOnScreenAndWrapAround) {
  // Start and end point, and the box every point stays in (y grows downward).
  const struct {
    const char* name;
    tbogendaten bogen;
    Pixelpunkt anfang, ende;
    double xmin, xmax, ymin, ymax;
  } faelle[] = {
      {"quarter arc ends above the centre", kreis(200, 200, 100, 0, 90), {300, 200}, {200, 100}, 200, 300, 100, 200},
      {"end below start: 270 to 450, the right half",
       kreis(200, 200, 100, 270, 90),
       {200, 300},
       {200, 100},
       200,
       300,
       100,
       300},
      {"a turn of 90 points the long axis up, closed exactly",
       bogendaten(200, 200, 100, 20, 0, 360, 90),
       {200, 100},
       {200, 100},
       180,
       220,
       100,
       300},
  };
  darstellung.mittelpunkt = Darstellungswahl::Mittelpunkt::Ohne;
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.name);
    canvas.leeren();
    z.speicher.leere();
    z.speicher.beginneSchritt();
    bogen(f.bogen);
    zeichne();
    ASSERT_EQ(canvas.polylinien.size(), 1u);
    const auto& p = canvas.polylinien[0].punkte;
    EXPECT_LT(std::hypot(p.front().x - f.anfang.x, p.front().y - f.anfang.y), 1e-9);
    EXPECT_LT(std::hypot(p.back().x - f.ende.x, p.back().y - f.ende.y), 1e-9);
    for (const Pixelpunkt& q : p)
      EXPECT_TRUE(q.x > f.xmin - 1e-9 && q.x < f.xmax + 1e-9 && q.y > f.ymin - 1e-9 && q.y < f.ymax + 1e-9);
  }
}

TEST_F(ZeichnenKurven, CentreMarkFollowsTheChoice) {
  using M = Darstellungswahl::Mittelpunkt;
  bogen(kreis(200, 200, 100));
  // The choice -> stroke calls, dots, strokes, and whether the first stroke is
  // level with the centre and the second runs through it upright (a plus).
  const struct {
    M wahl;
    std::tuple<std::size_t, std::size_t, std::size_t, bool, bool> bild;
  } faelle[] = {{M::Plus, {1, 0, 2, true, true}},
                {M::Kreuz, {1, 0, 2, false, false}},
                {M::Punkt, {0, 1, 0, false, false}},
                {M::Ohne, {0, 0, 0, false, false}}};
  for (const auto& f : faelle) {
    canvas.leeren();
    darstellung.mittelpunkt = f.wahl;
    zeichne();
    const auto& m = canvas.mehrfachlinien;
    const std::size_t striche = m.empty() ? 0 : m[0].zuege.size();
    EXPECT_EQ(std::tuple(m.size(), canvas.polygone.size(), striche, striche > 0 && m[0].zuege[0][0].y == 200,
                         striche > 1 && m[0].zuege[1][0].x == 200),
              f.bild)
        << int(f.wahl);
  }
}

TEST(Splinepunkte, RunsThroughEveryPoint) {
  const std::vector<Pixelpunkt> s{{0, 0}, {100, 50}, {130, 200}, {300, 200}, {320, 20}};
  std::vector<Pixelpunkt> aus;
  splinepunkte(s, false, aus);
  for (const Pixelpunkt& q : s) {
    const bool gefunden = std::any_of(aus.begin(), aus.end(), [&](Pixelpunkt a) { return a.x == q.x && a.y == q.y; });
    EXPECT_TRUE(gefunden) << q.x << "," << q.y;
  }
  EXPECT_EQ(std::tuple(aus.front().x, aus.back().x), std::tuple(0, 320));
}

// The Bézier pieces are the sampled curve itself: the samples of a piece
// (between two through-points) lie on it at even steps of its parameter.
TEST(SplineBezier, TrifftJedenPunktDerAbtastung) {
  const std::vector<Pixelpunkt> s{{0, 0}, {100, 50}, {130, 200}, {300, 200}, {320, 20}, {0, 0}};
  for (bool zu : {false, true}) {
    std::vector<Pixelpunkt> b, p;
    splineBezier(s, zu, b);
    splinepunkte(s, zu, p);
    ASSERT_EQ(b.size(), 16u);  // five pieces either way
    std::size_t anfang = 0;
    for (std::size_t k = 0; k + 1 < b.size(); k += 3) {
      const Pixelpunkt* c = &b[k];
      std::size_t ende = anfang + 1;
      while (ende < p.size() && (p[ende].x != c[3].x || p[ende].y != c[3].y)) ++ende;
      ASSERT_LT(ende, p.size());
      for (std::size_t i = anfang; i <= ende; ++i) {
        const double t = static_cast<double>(i - anfang) / static_cast<double>(ende - anfang), u = 1 - t;
        const double x = u * u * u * c[0].x + 3 * u * u * t * c[1].x + 3 * u * t * t * c[2].x + t * t * t * c[3].x;
        const double y = u * u * u * c[0].y + 3 * u * u * t * c[1].y + 3 * u * t * t * c[2].y + t * t * t * c[3].y;
        EXPECT_NEAR(x, p[i].x, 1e-9) << zu << " " << i;
        EXPECT_NEAR(y, p[i].y, 1e-9) << zu << " " << i;
      }
      anfang = ende;
    }
  }
}

}  // namespace
}  // namespace quarzel::test
