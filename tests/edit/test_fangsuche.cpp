// The snap search as the tools see it: the early returns, the scope, what
// each element kind offers, the rule that makes an edge a fallback, the tie
// break in store order, grid and angle grid. Every search runs through the
// index and by walking the store, and both must agree.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <tuple>

#include "edit/fangbewertung.h"
#include "support/edit/fanghilfen.h"
#include "support/werkzeugnummer.h"
#include "support/edit/test_werkzeug_hilfen.h"

namespace quarzel {
namespace {

using test::fange;
using test::Fangzeichnung;
using test::nurModi;

class Fangsuchetest : public ::testing::Test {
 protected:
  Fangzeichnung f;
};

void erwartePunkt(const Fangergebnis& e, double x, double y, Fangart art, double toleranz = 1e-9) {
  EXPECT_TRUE(e.gefangen);
  EXPECT_EQ(e.art, art);
  EXPECT_NEAR(e.x, x, toleranz);
  EXPECT_NEAR(e.y, y, toleranz);
}

void erwarteUnveraendert(const Fangergebnis& e, int x, int y) {
  EXPECT_FALSE(e.gefangen);
  EXPECT_EQ(e.x, x);
  EXPECT_EQ(e.y, y);
}

// Each row draws its elements into a fresh drawing, snaps once, and names
// the point (or nothing) and the element that must come back.
struct Punktfall {
  const char* name;
  std::function<void(Fangzeichnung&)> zeichne;
  int cx, cy;
  std::uint16_t modi;
  int radius;
  Fangart art;  // Keine: the cursor comes back unchanged
  double x, y;
  std::int32_t element = 0;  // 0: not checked
};

TEST(Fangsuche, WasJedeArtBietetUndWelcherPunktGewinnt) {
  const double x0 = 110 - std::sqrt(89.25);
  const auto einLinie = [x0](Fangzeichnung& f) { f.linie(x0, 100, 300, 100); };
  const auto nahUndKante = [](Fangzeichnung& f) { f.linie(100, 108.5, 100, 300), f.linie(0, 100.5, 300, 100.5); };
  const auto fernUndKante = [](Fangzeichnung& f) { f.linie(100, 109.5, 100, 300), f.linie(0, 101, 300, 101); };
  const auto weit = [](Fangzeichnung& f) { f.linie(0, 106, 300, 106), f.linie(200, 200, 300, 300); };
  const auto kreis = [](Fangzeichnung& f) { f.kreis(200, 200, 50); };
  const auto bogen = [](Fangzeichnung& f) { f.bogen(200, 200, 50, 50, 0, 90); };  // (250, 200) up to (200, 150)
  const auto polygon = [](Fangzeichnung& f) { f.polygon({{0, 0}, {100, 0}, {100, 100}}); };
  const auto sonstige = [](Fangzeichnung& f) {
    f.polygon({{0, 0}, {40, 30}, {80, 0}}, Elementart::Spline);
    f.bezier({200, 0, 220, 40, 260, 40, 280, 0});
    f.bitmap(300, 300, 400, 350);
    f.bemassung(500, 500, 600, 500);
  };
  const auto stumm = [](Fangzeichnung& f) {
    f.text(100, 100);
    f.z.speicher.neueGruppenklammer(Elementart::Gruppenanfang, {});
    f.linie(200, 200, 300, 200, Elementart::Wandlinie1);
    f.linie(200, 300, 300, 300, Elementart::Wandlinie2);
  };
  const std::uint16_t EK = FangEndpunkte | FangKanten, EMQ = FangEndpunkte | FangMittelpunkte | FangQuadrantenpunkte;
  const std::uint16_t EMK = FangEndpunkte | FangMittelpunkte | FangKanten;
  const double w = 45 * M_PI / 180;
  const Punktfall faelle[] = {
      // An element point within r - 1 beats an edge; beyond it the edge, counted as r - 1, wins.
      {"end point 9.5 px beats edge 1 px", einLinie, 110, 101, EK, 10, Fangart::Endpunkt, x0, 100, 1},
      {"edge alone", einLinie, 110, 101, FangKanten, 10, Fangart::Kante, 110, 100},
      {"point nearer than r-1 stays", nahUndKante, 100, 100, EK, 10, Fangart::Endpunkt, 100, 108.5, 1},
      {"later edge beats point beyond r-1", fernUndKante, 100, 100, EK, 10, Fangart::Kante, 100, 101, 2},
      {"nothing beyond the radius", weit, 100, 100, EK, 5, Fangart::Keine, 100, 100},
      {"exactly r away counts", weit, 197, 196, FangEndpunkte, 5, Fangart::Endpunkt, 200, 200},
      {"tie: lower number", [](Fangzeichnung& f) { f.linie(106, 100, 200, 100), f.linie(94, 100, 0, 100); }, 100, 100,
       FangEndpunkte, 10, Fangart::Endpunkt, 106, 100, 1},
      {"tie: lower number, mirrored", [](Fangzeichnung& f) { f.linie(94, 100, 0, 100), f.linie(106, 100, 200, 100); },
       100, 100, FangEndpunkte, 10, Fangart::Endpunkt, 94, 100, 1},
      {"element point before intersection",
       [](Fangzeichnung& f) { f.linie(0, 100, 200, 100), f.linie(100, 100, 100, 200); }, 102, 101,
       FangEndpunkte | FangSchnittLinieLinie, 5, Fangart::Endpunkt, 100, 100, 2},
      {"circle quadrant right", kreis, 249, 201, EMQ, 5, Fangart::Quadrantenpunkt, 250, 200, 1},
      {"circle centre", kreis, 201, 199, EMQ, 5, Fangart::Mittelpunkt, 200, 200},
      {"full circle has no end points", kreis, 249, 201, FangEndpunkte, 5, Fangart::Keine, 249, 201},
      {"arc start", bogen, 249, 201, FangEndpunkte, 5, Fangart::Endpunkt, 250, 200},
      {"arc quadrant on it", bogen, 249, 201, FangQuadrantenpunkte, 5, Fangart::Quadrantenpunkt, 250, 200},
      {"arc quadrant off it", bogen, 151, 200, FangQuadrantenpunkte, 5, Fangart::Keine, 151, 200},
      {"arc centre", bogen, 201, 199, FangMittelpunkte, 5, Fangart::Mittelpunkt, 200, 200},
      {"arc edge", bogen, 236, 164, FangKanten, 5, Fangart::Kante, 200 + 50 * std::cos(w), 200 - 50 * std::sin(w)},
      {"polygon corner", polygon, 98, 3, FangEndpunkte, 5, Fangart::Endpunkt, 100, 0},
      {"polygon side middle", polygon, 52, 2, FangMittelpunkte, 5, Fangart::Mittelpunkt, 50, 0},
      {"polygon edge", polygon, 30, 3, FangKanten, 5, Fangart::Kante, 30, 0},
      {"spline point", sonstige, 41, 31, FangEndpunkte, 5, Fangart::Endpunkt, 40, 30},
      {"spline has no edges", sonstige, 20, 14, FangKanten | FangMittelpunkte, 5, Fangart::Keine, 20, 14},
      {"bezier control point", sonstige, 221, 38, FangEndpunkte, 5, Fangart::Endpunkt, 220, 40},
      {"bitmap corner", sonstige, 398, 302, FangEndpunkte, 5, Fangart::Endpunkt, 400, 300},
      {"bitmap edge", sonstige, 350, 353, FangKanten, 5, Fangart::Kante, 350, 350},
      {"bitmap closing edge", sonstige, 302, 325, FangKanten, 5, Fangart::Kante, 300, 325},
      {"slanted edge: the perpendicular foot", [](Fangzeichnung& f) { f.linie(0, 0, 100, 100); }, 48, 52, FangKanten, 5,
       Fangart::Kante, 50, 50},
      {"dimension point", sonstige, 598, 499, FangEndpunkte, 5, Fangart::Endpunkt, 600, 500},
      {"text offers nothing", stumm, 101, 101, EMK, 5, Fangart::Keine, 101, 101},
      {"hidden wall line offers nothing", stumm, 201, 201, EMK, 5, Fangart::Keine, 201, 201},
      {"visible wall line", stumm, 201, 301, EMK, 5, Fangart::Endpunkt, 200, 300},
  };
  for (const Punktfall& p : faelle) {
    SCOPED_TRACE(p.name);
    Fangzeichnung f;
    p.zeichne(f);
    const Fangergebnis e = fange(f.z, p.cx, p.cy, nurModi(p.modi, p.radius));
    if (p.art == Fangart::Keine) {
      erwarteUnveraendert(e, p.cx, p.cy);
      continue;
    }
    erwartePunkt(e, p.x, p.y, p.art, 1e-6);
    if (p.element != 0) {
      EXPECT_EQ(e.element, p.element);
    }
  }
}

TEST(Fangwache, GibtAufSobaldDerCursorInXOderInYAusDemRadiusWandert) {
  const std::pair<Pixelpunkt, bool> faelle[] = {{{121, 100}, false}, {{100, 79}, false}, {{120, 80}, true}};
  for (const auto& [cursor, weiter] : faelle) {
    test::Stelluhr uhr;
    const std::function<Pixelpunkt()> wo = [c = cursor] { return c; };
    Wachposten wache(&uhr, &wo, {100, 100}, 20);
    uhr.jetzt += 11;  // the cursor is looked at only more than 10 ms later
    bool ergebnis = true;
    for (int i = 0; i < 256; ++i) ergebnis = wache.weiter();
    EXPECT_EQ(ergebnis, weiter) << cursor.x << "," << cursor.y;
  }
}

TEST_F(Fangsuchetest, AusgeschaltetOhneModusOderInWerkzeugenOhneFangenBleibtDerCursor) {
  f.linie(100, 100, 200, 100);
  Fangeinstellungen e = nurModi(FangEndpunkte);
  erwarteUnveraendert(fange(f.z, 101, 102, e, Fangkontext{wz(101), 1, {}, {}}), 101, 102);
  erwartePunkt(fange(f.z, 101, 102, e, Fangkontext{wz(106), 1, {}, {}}), 100, 100, Fangart::Endpunkt);
  e.fangaktiv = false;
  e.raster = e.randlineale = true;
  erwarteUnveraendert(fange(f.z, 101, 102, e), 101, 102);
  // No mode and no grid: only the ruler, and not for the select tool.
  f.z.ansicht.zoom = 0.04;  // ruler ticks 25 pixels apart -> 2.5-pixel steps
  f.z.ansicht.zeroPoint = {0, 0};
  e = nurModi(0);
  erwarteUnveraendert(fange(f.z, 101, 102, e), 101, 102);
  e.randlineale = true;
  const Fangergebnis r = fange(f.z, 101, 102, e);
  EXPECT_FALSE(r.gefangen);
  EXPECT_EQ(r.art, Fangart::Lineal);
  EXPECT_NEAR(r.x, 100, 1e-9);
  EXPECT_NEAR(r.y, 102.5, 1e-9);
  erwarteUnveraendert(fange(f.z, 101, 102, e, Fangkontext{wz(100), 1, {}, {}}), 101, 102);
}

TEST_F(Fangsuchetest, JederBereichUmfasstSeineUnterebenenUndDieBereicheAddierenSich) {
  Ebenen& eb = f.z.ebenen;
  eb.fuegeFolieAn(1, "Zweite");
  eb.fuegeEbeneAn("Andere");
  eb.fuegeFolieAn(2, "");
  eb.setzeAktiv(1, 1);
  for (auto [ebene, folie, x] : {std::tuple{1, 1, 100}, {1, 2, 200}, {2, 1, 300}}) {
    f.z.speicher.aktuell.planteil = static_cast<std::uint8_t>(ebene);
    f.z.speicher.aktuell.folie = static_cast<std::uint8_t>(folie);
    f.linie(x, 100, x + 50, 100);
  }
  const auto gefangen = [&](bool sfsp, bool sfap, bool afap, int x) {
    Fangeinstellungen e = nurModi(FangEndpunkte);
    e.aktiveFolie = sfsp;
    e.sichtbareFolienAktiveEbene = sfap;
    e.alleSichtbarenEbenen = afap;
    return fange(f.z, x + 1, 101, e).gefangen;
  };
  // Columns: active sublayer, its neighbour, the other layer.
  EXPECT_EQ((std::array{gefangen(1, 0, 0, 100), gefangen(1, 0, 0, 200), gefangen(1, 0, 0, 300)}),
            (std::array{true, false, false}));
  EXPECT_EQ((std::array{gefangen(0, 1, 0, 100), gefangen(0, 1, 0, 200), gefangen(0, 1, 0, 300)}),
            (std::array{true, true, false}));
  EXPECT_EQ((std::array{gefangen(0, 0, 1, 100), gefangen(0, 0, 1, 200), gefangen(0, 0, 1, 300)}),
            (std::array{true, true, true}));
  // Only visible sublayers and layers count.
  eb.setzeFolienzustand(1, 2, FolieAusgeblendet);
  EXPECT_FALSE(gefangen(0, 1, 0, 200));
  eb.modus = Sichtbarkeitsmodus::NurAktive;
  EXPECT_FALSE(gefangen(0, 0, 1, 300));
  EXPECT_TRUE(gefangen(1, 0, 1, 100));
}

TEST_F(Fangsuchetest, RasterknotenImFangradiusNachElementpunkten) {
  f.z.ansicht.gridOrigin = {0, 0};
  f.z.ansicht.gridSpacingX = f.z.ansicht.gridSpacingY = 10;
  Fangeinstellungen e = nurModi(0);
  e.raster = true;
  erwartePunkt(fange(f.z, 23, 38, e), 20, 40, Fangart::Rasterpunkt);
  erwarteUnveraendert(fange(f.z, 25, 35, e), 25, 35);  // the node lies 7.1 pixels away
  e.modi = FangEndpunkte;
  f.linie(26, 40, 100, 40);
  erwartePunkt(fange(f.z, 23, 40, e), 26, 40, Fangart::Endpunkt);
}

TEST_F(Fangsuchetest, WinkelrasterVomVorigenPunktOderUmDieBogenmitte) {
  f.linie(200, 110, 300, 300);
  Fangeinstellungen e = nurModi(FangEndpunkte);
  e.winkelraster = true;
  e.winkelschritt = 15;
  const Fangkontext k{wz(1), 2, Pixelpunkt{100, 100}, std::nullopt};
  Fangergebnis r = fange(f.z, 200, 90, e, k);
  EXPECT_TRUE(r.winkelGerundet);
  EXPECT_NEAR(r.x, 100 + std::hypot(100, 10), 1e-9);
  EXPECT_NEAR(r.y, 100, 1e-9);
  // Not before the first point, not for the select tool, and a caught point
  // only with "also for caught points".
  erwarteUnveraendert(fange(f.z, 200, 130, e, Fangkontext{wz(1), 1, std::nullopt, std::nullopt}), 200, 130);
  EXPECT_FALSE(fange(f.z, 200, 90, e, Fangkontext{wz(100), 2, Pixelpunkt{100, 100}, std::nullopt}).winkelGerundet);
  r = fange(f.z, 201, 111, e, k);
  erwartePunkt(r, 200, 110, Fangart::Endpunkt);
  EXPECT_FALSE(r.winkelGerundet);
  e.winkelAuchGefangen = true;
  r = fange(f.z, 201, 111, e, k);
  EXPECT_TRUE(r.gefangen && r.winkelGerundet);
  EXPECT_NEAR(r.y, 100, 1e-9);
  // Arc tool at its third point: around the centre (50, 50), not the previous point.
  e.winkelschritt = 90;
  r = fange(f.z, 80, 60, e, Fangkontext{wz(5), 3, Pixelpunkt{300, 300}, Pixelpunkt{50, 50}});
  EXPECT_NEAR(r.x, 50 + std::hypot(30, 10), 1e-9);
  EXPECT_NEAR(r.y, 50, 1e-9);
}

}  // namespace
}  // namespace quarzel
