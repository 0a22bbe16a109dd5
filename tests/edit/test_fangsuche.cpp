// The snap search as the tools see it: the early returns, the scope, what
// each element kind offers, the rule that makes an edge a fallback, the tie
// break in store order, grid and angle grid, and the guards (re-entrancy,
// giving up when the cursor has moved on). Every search runs through the
// index and by walking the store, and both must agree.
#include <gtest/gtest.h>

#include <cmath>

#include "fanghilfen.h"

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

// --- The edge as a fallback -------------------------------------------------------

TEST_F(Fangsuchetest, EndpunktInNeuneinhalbPixelnSchlaegtKanteInEinemPixel) {
  // Cursor (110, 101): the edge lies 1 pixel below it, the start point 9.5 pixels away.
  const double x0 = 110 - std::sqrt(89.25);
  const std::int32_t n = f.linie(x0, 100, 300, 100);
  const Fangergebnis e = fange(f.z, 110, 101, nurModi(FangEndpunkte | FangKanten, 10));
  erwartePunkt(e, x0, 100, Fangart::Endpunkt);
  EXPECT_EQ(e.element, n);
  // Without end points the edge is taken.
  erwartePunkt(fange(f.z, 110, 101, nurModi(FangKanten, 10)), 110, 100, Fangart::Kante);
}

TEST_F(Fangsuchetest, PunktNaeherAlsRMinusEinsBleibtGegenSpaetereKante) {
  const std::int32_t a = f.linie(100, 108.5, 100, 300);  // its end 8.5 pixels below the cursor
  f.linie(0, 100.5, 300, 100.5);                         // its edge half a pixel away
  const Fangergebnis e = fange(f.z, 100, 100, nurModi(FangEndpunkte | FangKanten, 10));
  erwartePunkt(e, 100, 108.5, Fangart::Endpunkt);
  EXPECT_EQ(e.element, a);
}

TEST_F(Fangsuchetest, KanteSchlaegtFrueherenPunktJenseitsVonRMinusEins) {
  // The end point lies 9.5 pixels away and is found first; the later edge
  // counts as 9 pixels and wins.
  f.linie(100, 109.5, 100, 300);
  const std::int32_t kante = f.linie(0, 101, 300, 101);
  const Fangergebnis e = fange(f.z, 100, 100, nurModi(FangEndpunkte | FangKanten, 10));
  erwartePunkt(e, 100, 101, Fangart::Kante);
  EXPECT_EQ(e.element, kante);
}

TEST_F(Fangsuchetest, UnterKantenGewinntDieErsteImSpeicher) {
  const std::int32_t erste = f.linie(0, 103, 300, 103);
  f.linie(0, 101, 300, 101);
  const Fangergebnis e = fange(f.z, 100, 100, nurModi(FangKanten, 10));
  erwartePunkt(e, 100, 103, Fangart::Kante);
  EXPECT_EQ(e.element, erste);
}

TEST_F(Fangsuchetest, NichtsJenseitsDesFangradius) {
  f.linie(0, 106, 300, 106);
  f.linie(200, 200, 300, 300);
  erwarteUnveraendert(fange(f.z, 100, 100, nurModi(FangKanten | FangEndpunkte, 5)), 100, 100);
  erwartePunkt(fange(f.z, 100, 100, nurModi(FangKanten, 6)), 100, 106, Fangart::Kante);
  // Exactly r away counts.
  erwartePunkt(fange(f.z, 197, 196, nurModi(FangEndpunkte, 5)), 200, 200, Fangart::Endpunkt);
}

// --- Tie break ----------------------------------------------------------------------

TEST_F(Fangsuchetest, GleicheDistanzNimmtDieNiedrigereNummer) {
  const std::int32_t rechts = f.linie(106, 100, 200, 100);
  f.linie(94, 100, 0, 100);
  Fangergebnis e = fange(f.z, 100, 100, nurModi(FangEndpunkte, 10));
  erwartePunkt(e, 106, 100, Fangart::Endpunkt);
  EXPECT_EQ(e.element, rechts);

  Fangzeichnung g;
  const std::int32_t links = g.linie(94, 100, 0, 100);
  g.linie(106, 100, 200, 100);
  e = fange(g.z, 100, 100, nurModi(FangEndpunkte, 10));
  erwartePunkt(e, 94, 100, Fangart::Endpunkt);
  EXPECT_EQ(e.element, links);
}

TEST_F(Fangsuchetest, ElementpunktVorSchnittpunktBeiGleicherDistanz) {
  // A T: the stem ends on the bar, so end point and intersection coincide.
  f.linie(0, 100, 200, 100);
  const std::int32_t stiel = f.linie(100, 100, 100, 200);
  const Fangergebnis e = fange(f.z, 102, 101, nurModi(FangEndpunkte | FangSchnittLinieLinie));
  erwartePunkt(e, 100, 100, Fangart::Endpunkt);
  EXPECT_EQ(e.element, stiel);
}

// --- What each kind offers ---------------------------------------------------------

TEST_F(Fangsuchetest, VollkreisBietetMitteUndQuadrantenAberKeineEndpunkte) {
  const std::int32_t k = f.kreis(200, 200, 50);
  const std::uint16_t alle = FangEndpunkte | FangMittelpunkte | FangQuadrantenpunkte;
  Fangergebnis e = fange(f.z, 249, 201, nurModi(alle));
  erwartePunkt(e, 250, 200, Fangart::Quadrantenpunkt);
  EXPECT_EQ(e.element, k);
  erwartePunkt(fange(f.z, 199, 152, nurModi(alle)), 200, 150, Fangart::Quadrantenpunkt);
  erwartePunkt(fange(f.z, 201, 199, nurModi(alle)), 200, 200, Fangart::Mittelpunkt);
  // No end points on a full circle, neither at 0 degrees nor anywhere else.
  erwarteUnveraendert(fange(f.z, 249, 201, nurModi(FangEndpunkte)), 249, 201);
}

TEST_F(Fangsuchetest, BogenBietetEndpunkteUndNurSeineQuadranten) {
  f.bogen(200, 200, 50, 50, 0, 90);  // from (250, 200) up to (200, 150)
  erwartePunkt(fange(f.z, 249, 201, nurModi(FangEndpunkte)), 250, 200, Fangart::Endpunkt);
  erwartePunkt(fange(f.z, 201, 152, nurModi(FangEndpunkte)), 200, 150, Fangart::Endpunkt);
  erwartePunkt(fange(f.z, 249, 201, nurModi(FangQuadrantenpunkte)), 250, 200, Fangart::Quadrantenpunkt);
  erwarteUnveraendert(fange(f.z, 151, 200, nurModi(FangQuadrantenpunkte)), 151, 200);
  erwartePunkt(fange(f.z, 201, 199, nurModi(FangMittelpunkte)), 200, 200, Fangart::Mittelpunkt);
  // The edge follows the arc only.
  const double w = 45 * M_PI / 180;
  erwartePunkt(fange(f.z, 236, 164, nurModi(FangKanten)), 200 + 50 * std::cos(w), 200 - 50 * std::sin(w),
               Fangart::Kante, 1e-6);
}

TEST_F(Fangsuchetest, PolygonEckenKantenmittenUndKanten) {
  f.polygon({{0, 0}, {100, 0}, {100, 100}});
  erwartePunkt(fange(f.z, 98, 3, nurModi(FangEndpunkte)), 100, 0, Fangart::Endpunkt);
  erwartePunkt(fange(f.z, 52, 2, nurModi(FangMittelpunkte)), 50, 0, Fangart::Mittelpunkt);
  erwartePunkt(fange(f.z, 102, 51, nurModi(FangMittelpunkte)), 100, 50, Fangart::Mittelpunkt);
  erwartePunkt(fange(f.z, 30, 3, nurModi(FangKanten)), 30, 0, Fangart::Kante);
}

TEST_F(Fangsuchetest, SplineBezierBitmapUndBemassungBietenIhrePunkte) {
  f.polygon({{0, 0}, {40, 30}, {80, 0}}, Elementart::Spline);
  f.bezier({200, 0, 220, 40, 260, 40, 280, 0});
  f.bitmap(300, 300, 400, 350);
  f.bemassung(500, 500, 600, 500);
  erwartePunkt(fange(f.z, 41, 31, nurModi(FangEndpunkte)), 40, 30, Fangart::Endpunkt);
  // A spline has no straight edges to snap to.
  erwarteUnveraendert(fange(f.z, 20, 14, nurModi(FangKanten | FangMittelpunkte)), 20, 14);
  erwartePunkt(fange(f.z, 221, 38, nurModi(FangEndpunkte)), 220, 40, Fangart::Endpunkt);
  erwartePunkt(fange(f.z, 398, 302, nurModi(FangEndpunkte)), 400, 300, Fangart::Endpunkt);
  erwartePunkt(fange(f.z, 350, 353, nurModi(FangKanten)), 350, 350, Fangart::Kante);
  erwartePunkt(fange(f.z, 598, 499, nurModi(FangEndpunkte)), 600, 500, Fangart::Endpunkt);
}

TEST_F(Fangsuchetest, TexteKlammernUndVerborgeneWandlinienBietenNichts) {
  f.text(100, 100);
  f.z.speicher.neueGruppenklammer(Elementart::Gruppenanfang, {});
  f.linie(200, 200, 300, 200, Elementart::Wandlinie1);
  const std::uint16_t alle = FangEndpunkte | FangMittelpunkte | FangKanten;
  erwarteUnveraendert(fange(f.z, 101, 101, nurModi(alle)), 101, 101);
  erwarteUnveraendert(fange(f.z, 201, 201, nurModi(alle)), 201, 201);
  f.linie(200, 300, 300, 300, Elementart::Wandlinie2);
  erwartePunkt(fange(f.z, 201, 301, nurModi(alle)), 200, 300, Fangart::Endpunkt);
}

TEST_F(Fangsuchetest, GeloeschteElementeBietenNichtsBisZumRueckgaengig) {
  const std::int32_t n = f.linie(100, 100, 200, 100);
  f.z.speicher.setzeMarkiert(n, 1);
  f.z.speicher.loescheMarkierte();
  erwarteUnveraendert(fange(f.z, 101, 101, nurModi(FangEndpunkte)), 101, 101);
  f.z.speicher.rueckgaengig();
  erwartePunkt(fange(f.z, 101, 101, nurModi(FangEndpunkte)), 100, 100, Fangart::Endpunkt);
}

// --- Early returns ---------------------------------------------------------------------

TEST_F(Fangsuchetest, AusgeschaltetOderInWerkzeugenOhneFangenBleibtDerCursor) {
  f.linie(100, 100, 200, 100);
  Fangeinstellungen e = nurModi(FangEndpunkte);
  Fangkontext k;
  k.werkzeug = 101;  // the full list of such tools is pinned with the tool rules
  erwarteUnveraendert(fange(f.z, 101, 102, e, k), 101, 102);
  k.werkzeug = 106;
  erwartePunkt(fange(f.z, 101, 102, e, k), 100, 100, Fangart::Endpunkt);
  e.fangaktiv = false;
  e.raster = true;
  e.randlineale = true;
  erwarteUnveraendert(fange(f.z, 101, 102, e, k), 101, 102);
}

TEST_F(Fangsuchetest, OhneModusUndRasterNurDasLineal) {
  f.linie(100, 100, 200, 100);
  f.z.ansicht.zoom = 0.04;  // ruler ticks 25 pixels apart -> 2.5-pixel steps
  f.z.ansicht.zeroPoint = {0, 0};
  Fangeinstellungen e = nurModi(0);
  erwarteUnveraendert(fange(f.z, 101, 102, e), 101, 102);
  e.randlineale = true;
  const Fangergebnis r = fange(f.z, 101, 102, e);
  EXPECT_FALSE(r.gefangen);
  EXPECT_EQ(r.art, Fangart::Lineal);
  EXPECT_NEAR(r.x, 100, 1e-9);
  EXPECT_NEAR(r.y, 102.5, 1e-9);
  Fangkontext markieren;
  markieren.werkzeug = 100;
  erwarteUnveraendert(fange(f.z, 101, 102, e, markieren), 101, 102);
}

TEST_F(Fangsuchetest, OhneBereichKeinElementAberRaster) {
  f.linie(100, 100, 200, 100);
  f.z.ansicht.gridOrigin = {0, 0};
  f.z.ansicht.gridSpacingX = f.z.ansicht.gridSpacingY = 10;
  Fangeinstellungen e = nurModi(FangEndpunkte);
  e.aktiveFolie = false;
  erwarteUnveraendert(fange(f.z, 101, 102, e), 101, 102);
  e.raster = true;
  erwartePunkt(fange(f.z, 103, 102, e), 100, 100, Fangart::Rasterpunkt);
}

// --- Scope -----------------------------------------------------------------------------

class Fangbereichtest : public Fangsuchetest {
 protected:
  void SetUp() override {
    Ebenen& eb = f.z.ebenen;
    eb.fuegeFolieAn(1, "Zweite");
    eb.fuegeEbeneAn("Andere");
    eb.fuegeFolieAn(2, "");
    eb.setzeAktiv(1, 1);
    aktive = auf(1, 1, 100);
    nachbar = auf(1, 2, 200);
    fremd = auf(2, 1, 300);
  }
  std::int32_t auf(int ebene, int folie, double x) {
    f.z.speicher.aktuell.planteil = static_cast<std::uint8_t>(ebene);
    f.z.speicher.aktuell.folie = static_cast<std::uint8_t>(folie);
    return f.linie(x, 100, x + 50, 100);
  }
  bool gefangen(const Fangeinstellungen& e, double x) { return fange(f.z, int(x) + 1, 101, e).gefangen; }
  Fangeinstellungen bereich(bool sfsp, bool sfap, bool afap) {
    Fangeinstellungen e = nurModi(FangEndpunkte);
    e.aktiveFolie = sfsp;
    e.sichtbareFolienAktiveEbene = sfap;
    e.alleSichtbarenEbenen = afap;
    return e;
  }
  std::int32_t aktive = 0, nachbar = 0, fremd = 0;
};

TEST_F(Fangbereichtest, JederBereichUmfasstSeineUnterebenenUndDieBereicheAddierenSich) {
  struct Fall {
    bool sfsp, sfap, afap;
    bool aktiv, nachbarn, fremde;  // caught on the active sublayer, its neighbour, the other layer
  };
  for (const Fall b : {Fall{true, false, false, true, false, false}, Fall{false, true, false, true, true, false},
                       Fall{false, false, true, true, true, true}}) {
    const Fangeinstellungen e = bereich(b.sfsp, b.sfap, b.afap);
    EXPECT_EQ(gefangen(e, 100), b.aktiv) << b.sfsp << b.sfap << b.afap;
    EXPECT_EQ(gefangen(e, 200), b.nachbarn) << b.sfsp << b.sfap << b.afap;
    EXPECT_EQ(gefangen(e, 300), b.fremde) << b.sfsp << b.sfap << b.afap;
  }
  // Only visible sublayers and layers count.
  f.z.ebenen.setzeFolienzustand(1, 2, FolieAusgeblendet);
  EXPECT_FALSE(gefangen(bereich(false, true, false), 200));
  f.z.ebenen.modus = Sichtbarkeitsmodus::NurAktive;
  EXPECT_FALSE(gefangen(bereich(false, false, true), 300));
  EXPECT_TRUE(gefangen(bereich(true, false, true), 100));
}

// --- Grid ----------------------------------------------------------------------------

TEST_F(Fangsuchetest, RasterknotenImFangradius) {
  f.z.ansicht.gridOrigin = {0, 0};
  f.z.ansicht.gridSpacingX = f.z.ansicht.gridSpacingY = 10;
  Fangeinstellungen e = nurModi(0);
  e.raster = true;
  erwartePunkt(fange(f.z, 23, 38, e), 20, 40, Fangart::Rasterpunkt);
  erwarteUnveraendert(fange(f.z, 25, 35, e), 25, 35);  // the node lies 7.1 pixels away
  // An element point as near as the node comes first.
  e.modi = FangEndpunkte;
  f.linie(26, 40, 100, 40);
  erwartePunkt(fange(f.z, 23, 40, e), 26, 40, Fangart::Endpunkt);
}

// --- Angle grid ----------------------------------------------------------------------

TEST_F(Fangsuchetest, WinkelrasterVomVorigenPunkt) {
  Fangeinstellungen e = nurModi(FangEndpunkte);
  e.winkelraster = true;
  e.winkelschritt = 15;
  Fangkontext k;
  k.werkzeug = 1;
  k.punktschritt = 2;
  k.vorigerPunkt = Pixelpunkt{100, 100};
  Fangergebnis r = fange(f.z, 200, 110, e, k);
  EXPECT_TRUE(r.winkelGerundet);
  EXPECT_NEAR(r.x, 100 + std::hypot(100, 10), 1e-9);
  EXPECT_NEAR(r.y, 100, 1e-9);
  // Not before the first point, and not for the select tool.
  erwarteUnveraendert(fange(f.z, 200, 110, e, Fangkontext{1, 1, std::nullopt, std::nullopt}), 200, 110);
  k.werkzeug = 100;
  EXPECT_FALSE(fange(f.z, 200, 110, e, k).winkelGerundet);
}

TEST_F(Fangsuchetest, GefangenerPunktNurMitAuchBeiGefangenen) {
  f.linie(200, 110, 300, 300);
  Fangeinstellungen e = nurModi(FangEndpunkte);
  e.winkelraster = true;
  Fangkontext k{1, 2, Pixelpunkt{100, 100}, std::nullopt};
  Fangergebnis r = fange(f.z, 201, 111, e, k);
  erwartePunkt(r, 200, 110, Fangart::Endpunkt);
  EXPECT_FALSE(r.winkelGerundet);
  e.winkelAuchGefangen = true;
  r = fange(f.z, 201, 111, e, k);
  EXPECT_TRUE(r.gefangen);
  EXPECT_TRUE(r.winkelGerundet);
  EXPECT_NEAR(r.y, 100, 1e-9);
}

TEST_F(Fangsuchetest, BogenwerkzeugRundetUmDieMitte) {
  Fangeinstellungen e = nurModi(FangEndpunkte);
  e.winkelraster = true;
  e.winkelschritt = 90;
  // Arc tool at its third point: centre (50, 50); the previous point is elsewhere.
  Fangkontext k{5, 3, Pixelpunkt{300, 300}, Pixelpunkt{50, 50}};
  const Fangergebnis r = fange(f.z, 80, 60, e, k);
  EXPECT_NEAR(r.x, 50 + std::hypot(30, 10), 1e-9);
  EXPECT_NEAR(r.y, 50, 1e-9);
}

// --- Guards ------------------------------------------------------------------------

TEST_F(Fangsuchetest, ZweiterAufrufWaehrendDerSucheWirdAbgewiesen) {
  f.linie(100, 100, 200, 100);
  Fangsuche s(f.z);
  Fangergebnis innen;
  int aufrufe = 0;
  s.cursorposition = [&] {
    if (aufrufe++ == 0) innen = s.fange(101, 101, nurModi(FangEndpunkte), {});
    return Pixelpunkt{101, 101};
  };
  const Fangergebnis aussen = s.fange(101, 101, nurModi(FangEndpunkte), {});
  EXPECT_TRUE(innen.abgewiesen);
  EXPECT_FALSE(innen.gefangen);
  EXPECT_FALSE(aussen.abgewiesen);
  erwartePunkt(aussen, 100, 100, Fangart::Endpunkt);
  EXPECT_FALSE(s.laeuft());
}

class Spielzeituhr : public Uhr {
 public:
  std::uint32_t ticks() const override { return jetzt += schritt; }
  mutable std::uint32_t jetzt = 4'294'967'000u;  // close to wrapping
  std::uint32_t schritt = 11;
};

class Fangabbruchtest : public Fangsuchetest {
 protected:
  void SetUp() override {
    for (int i = 0; i < 3000; ++i) f.linie(1000 + i, 1000, 1000 + i, 1100);
    f.linie(100, 100, 200, 100);  // the point the search would find, last in the store
    s.mitIndex = false;
    s.uhr = &uhr;
  }
  // The cursor is at (101, 101) when the search starts, then at `danach`.
  Fangergebnis suche(Pixelpunkt danach) {
    int aufrufe = 0;
    s.cursorposition = [=]() mutable { return aufrufe++ == 0 ? Pixelpunkt{101, 101} : danach; };
    return s.fange(101, 101, nurModi(FangEndpunkte), {});
  }
  Spielzeituhr uhr;
  Fangsuche s{f.z};
};

TEST_F(Fangabbruchtest, NurEinNachVerstrichenerZeitWeggezogenerCursorBeendetDieSuche) {
  const Fangergebnis weg = suche({101, 120});
  EXPECT_TRUE(weg.abgebrochen);
  erwarteUnveraendert(weg, 101, 101);
  const Fangergebnis nah = suche({106, 96});  // exactly r = 5 away in x and y
  EXPECT_FALSE(nah.abgebrochen);
  erwartePunkt(nah, 100, 100, Fangart::Endpunkt);
  uhr.schritt = 0;
  EXPECT_FALSE(suche({500, 500}).abgebrochen) << "no time passed: the cursor is not looked at";
  uhr.schritt = 11;
  s.uhr = nullptr;
  EXPECT_FALSE(suche({500, 500}).abgebrochen) << "no clock: the cursor is not looked at";
}

}  // namespace
}  // namespace quarzel
