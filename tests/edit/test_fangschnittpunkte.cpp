// The five intersection kinds through the whole search, each with its own
// mode, and the capture window. Touching and near-parallel cases are pinned
// on the geometry itself.
#include <gtest/gtest.h>

#include <functional>

#include "support/edit/fanghilfen.h"

namespace quarzel {
namespace {

using test::Fangzeichnung;

// Each row draws into a fresh drawing (elements numbered from 1 in drawing
// order), snaps once with the given modes and names the crossing with its
// two elements, or nothing (no elements).
struct Schnittfall {
  const char* name;
  std::function<void(Fangzeichnung&)> zeichne;
  int cx, cy;
  std::uint16_t modi;
  double x = 0, y = 0;
  std::int32_t a = 0, b = 0;
  int radius = 5;
};

TEST(Schnittpunkttest, JedeArtNurMitIhremModusUndNurImFangfenster) {
  const auto kreuz = [](Fangzeichnung& f) { f.linie(0, 0, 200, 200), f.linie(0, 200, 200, 0); };
  const auto kreisLinie = [](Fangzeichnung& f) { f.kreis(100, 100, 50), f.linie(0, 100, 300, 100); };
  // 60 x 20 turned by 90 degrees: the long axis is vertical.
  const auto ellipse = [](Fangzeichnung& f) { f.bogen(100, 100, 60, 20, 0, 360, 90), f.linie(100, 0, 100, 300); };
  // An arc over the left half (90 .. 270): the crossing on the right is not on it.
  const auto halbbogen = [](Fangzeichnung& f) { f.bogen(100, 100, 50, 50, 90, 270), f.linie(0, 100, 300, 100); };
  // Centres 80 apart, radius 50: crossings at (140, 100 -+ 30); the third touches the first at (100, 150).
  const auto kreise = [](Fangzeichnung& f) { f.kreis(100, 100, 50), f.kreis(180, 100, 50), f.kreis(100, 175, 25); };
  const auto polygone = [](Fangzeichnung& f) {
    f.polygon({{0, 0}, {100, 0}, {100, 100}});
    f.polygon({{60, -40}, {60, 40}, {200, 40}}, Elementart::Verlauf);
  };
  // The line ends short of the polygon's corner at (100, 100).
  const auto ecke = [](Fangzeichnung& f) { f.linie(101, 95, 105, 99), f.polygon({{100, 0}, {100, 100}, {200, 100}}); };
  // Both lines pass through the window; they cross at (120, 100), 10 pixels away.
  const auto fern = [](Fangzeichnung& f) { f.linie(0, 100, 200, 100), f.linie(100, 90, 130, 105); };
  const std::uint16_t LL = FangSchnittLinieLinie, LK = FangSchnittLinieKreis, KK = FangSchnittKreisKreis;
  const Schnittfall faelle[] = {
      {"line line", kreuz, 102, 101, LL, 100, 100, 1, 2},
      {"line line: the other modes do not offer it", kreuz, 102, 101, FangSchnittpunkte & ~LL},
      {"line circle right", kreisLinie, 148, 102, LK, 150, 100, 1, 2},
      {"line circle left", kreisLinie, 52, 98, LK, 50, 100, 1, 2},
      {"line circle: not by the other modes", kreisLinie, 148, 102, LL | KK},
      {"line turned ellipse", ellipse, 101, 42, LK, 100, 40, 1, 2},
      {"line arc: not off the arc", halbbogen, 149, 101, LK},
      {"line arc", halbbogen, 51, 101, LK, 50, 100, 1, 2},
      {"circle circle above", kreise, 141, 72, KK, 140, 70, 1, 2},
      {"circle circle below", kreise, 139, 131, KK, 140, 130, 1, 2},
      {"circle circle: not by line-circle", kreise, 141, 72, LK},
      {"circles touching", kreise, 101, 151, KK, 100, 150, 1, 3},
      {"polygon polygon", polygone, 62, 1, FangSchnittPolygonPolygon, 60, 0, 1, 2},
      {"polygon polygon, second", polygone, 99, 42, FangSchnittPolygonPolygon, 100, 40, 1, 2},
      {"polygon polygon: not by line-polygon", polygone, 62, 1, FangSchnittLiniePolygon},
      {"line polygon: not the polygon's own corner", ecke, 101, 99, FangSchnittLiniePolygon},
      {"crossing outside the window", fern, 110, 100, LL},
      {"crossing inside a wider window", fern, 110, 100, LL, 120, 100, 1, 2, 10},
  };
  for (const Schnittfall& s : faelle) {
    SCOPED_TRACE(s.name);
    Fangzeichnung f;
    s.zeichne(f);
    const Fangergebnis e = test::fange(f.z, s.cx, s.cy, test::nurModi(s.modi, s.radius));
    EXPECT_EQ(e.gefangen, s.a != 0);
    if (s.a == 0) continue;
    EXPECT_EQ(std::tuple(e.art, e.element, e.element2), std::tuple(Fangart::Schnittpunkt, s.a, s.b));
    EXPECT_NEAR(e.x, s.x, 1e-9);
    EXPECT_NEAR(e.y, s.y, 1e-9);
  }
}

}  // namespace
}  // namespace quarzel
