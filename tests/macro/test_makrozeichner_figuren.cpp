// Round figures, curves and point lists: their kinds, geometry in world
// millimetres, fill settings, the order of point lists and their operand
// checks.
#include <cmath>

#include "makrozeichner_hilfe.h"

namespace quarzel::test {
namespace {

// --- Arcs, circles, ellipses --------------------------------------------------

TEST_F(MakrozeichnerTest, ArcLiegtUmDenMittelpunktMitSkaliertemRadius) {
  z.ansicht.unitFactor = 0.1;  // cm
  z.ansicht.drawingScale = 10;
  ASSERT_EQ(lauf("2 3 5 30 120 ARC"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 1u);
  ASSERT_EQ(z.speicher.art(e[0]), Elementart::Bogen);
  const tbogendaten& b = z.speicher.bogen(e[0]);
  EXPECT_TRUE(nahe<4>({b.xm, b.ym, b.xr, b.yr}, {1002, 1997, 5, 5}));
  EXPECT_FLOAT_EQ(b.startwinkel, 30);
  EXPECT_FLOAT_EQ(b.endwinkel, 120);
  EXPECT_EQ(b.fuellung.gefuellt, 0);
}

TEST_F(MakrozeichnerTest, ArcWinkelWachsenUmDenKoordinatenwinkel) {
  z.ansicht.coordAngle = 45;
  ASSERT_EQ(lauf("0 0 10 350 20 ARC"), std::nullopt);
  const tbogendaten& b = z.speicher.bogen(lebende()[0]);
  // 395 .. 425 degrees, kept as a start in 0 .. 360 and its sweep of 30.
  EXPECT_NEAR(b.startwinkel, 35, 1e-4);
  EXPECT_NEAR(b.endwinkel, 65, 1e-4);
}

TEST_F(MakrozeichnerTest, ArcnLaeuftAndersHerum) {
  ASSERT_EQ(lauf("0 0 10 30 120 ARCN"), std::nullopt);
  const tbogendaten& b = z.speicher.bogen(lebende()[0]);
  // Clockwise from 30 to 120 is counter-clockwise from 120 to 390.
  EXPECT_FLOAT_EQ(b.startwinkel, 120);
  EXPECT_FLOAT_EQ(b.endwinkel, 390);
}

TEST_F(MakrozeichnerTest, CircleUmDenAktuellenPunktEinVollkreis) {
  ASSERT_EQ(lauf("10 10 MOVETO 4 CIRCLE 1 1 RLINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 2u);
  const tbogendaten& b = z.speicher.bogen(e[0]);
  EXPECT_EQ((std::array<double, 5>{b.xm, b.ym, b.xr, b.startwinkel, b.endwinkel}),
            (std::array<double, 5>{1010, 1990, 4, 0, 360}));
  EXPECT_EQ(linie(e[1]).x1, 1010);  // current point unchanged
}

TEST_F(MakrozeichnerTest, FcircleFuelltMitDerFuellfarbeUndBehaeltDenMakrostil) {
  ASSERT_EQ(lauf("9 SETDASH 0 0 255 RGBCOLOR crosshatch SETPATTERN 4 FCIRCLE"), std::nullopt);
  const tbogendaten& b = z.speicher.bogen(lebende()[0]);
  EXPECT_EQ(b.fuellung.gefuellt, 1);
  EXPECT_EQ(b.fuellung.fuellwert, rgb(0, 0, 255));
  EXPECT_EQ(b.fuellung.schraffurName, "crosshatch");
  EXPECT_EQ(b.linienstil, 9);
  EXPECT_EQ(z.speicher.aktuell.linienstil, 9);  // restored after the add
}

TEST_F(MakrozeichnerTest, EllipseFolgtDemGedrehtenSystem) {
  z.ansicht.coordAngle = 20;
  ASSERT_EQ(lauf("8 3 FELLIPSE"), std::nullopt);
  const tbogendaten& b = z.speicher.bogen(lebende()[0]);
  EXPECT_EQ(b.xr, 8);
  EXPECT_EQ(b.yr, 3);
  EXPECT_FLOAT_EQ(b.drehwinkel, 20);
  EXPECT_EQ(b.fuellung.gefuellt, 1);
}

TEST_F(MakrozeichnerTest, PieIstEinGefuellterSektorAbDemMittelpunkt) {
  ASSERT_EQ(lauf("0 0 10 0 90 PIE"), std::nullopt);
  const Tpolygondaten& p = z.speicher.polygon(lebende()[0]);
  EXPECT_EQ(p.fuellung.gefuellt, 1);
  // From the centre to the arc's start; the last arc point straight above the centre.
  const std::size_t letzter = p.punktanzahl() - 2;
  EXPECT_TRUE(nahe<6>({p.x[0], p.y[0], p.x[1], p.y[1], p.x[letzter], p.y[letzter]},
                      {1000, 2000, 1010, 2000, 1000, 1990}));
}

TEST_F(MakrozeichnerTest, RingLaesstDasLochFrei) {
  ASSERT_EQ(lauf("0 0 MOVETO 5 10 RING"), std::nullopt);
  const Tpolygondaten& p = z.speicher.polygon(lebende()[0]);
  double rmin = 1e9, rmax = 0;
  for (std::size_t i = 0; i < p.punktanzahl(); ++i) {
    const double r = std::hypot(p.x[i] - 1000, p.y[i] - 2000);
    rmin = std::min(rmin, r);
    rmax = std::max(rmax, r);
  }
  EXPECT_NEAR(rmin, 5, 1e-9);
  EXPECT_NEAR(rmax, 10, 1e-9);
  EXPECT_EQ(p.fuellung.gefuellt, 1);
}

TEST_F(MakrozeichnerTest, RingpartBeginntInRichtungDesAktuellenPunkts) {
  ASSERT_EQ(lauf("0 10 MOVETO 0 0 5 10 90 RINGPART"), std::nullopt);
  const Tpolygondaten& p = z.speicher.polygon(lebende()[0]);
  // Starts on the outer radius straight above the centre, sweeps to the left.
  EXPECT_NEAR(p.x[0], 1000, 1e-9);
  EXPECT_NEAR(p.y[0], 1990, 1e-9);
  bool linksErreicht = false;
  for (std::size_t i = 0; i < p.punktanzahl(); ++i) linksErreicht |= std::fabs(p.x[i] - 990) < 1e-9;
  EXPECT_TRUE(linksErreicht);
}

// --- Curves and segments -----------------------------------------------------

TEST_F(MakrozeichnerTest, CurvetoIstEineBezierkurveBisZumEndpunkt) {
  ASSERT_EQ(lauf("0 0 MOVETO 15 30 30 0 CURVETO 40 0 LINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 2u);
  ASSERT_EQ(z.speicher.art(e[0]), Elementart::Bezier);
  const auto& q = z.speicher.bezier(e[0]).punkte;
  EXPECT_TRUE(nahe(q, {1000, 2000, 1010, 1980, 1020, 1980, 1030, 2000}));
  EXPECT_EQ(linie(e[1]).x1, 1030);  // current point at the end
}

TEST_F(MakrozeichnerTest, RfcurvetoNimmtVersaetzeUndFuellt) {
  ASSERT_EQ(lauf("10 10 MOVETO 5 10 10 0 RFCURVETO"), std::nullopt);
  const Tbezierdaten& d = z.speicher.bezier(lebende()[0]);
  EXPECT_EQ(d.punkte[6], 1020);
  EXPECT_EQ(d.punkte[7], 1990);
  EXPECT_EQ(d.fuellung.gefuellt, 1);
}

TEST_F(MakrozeichnerTest, SectionSchliesstDenBogenMitDerSehne) {
  ASSERT_EQ(lauf("10 0 MOVETO 0 0 0 10 SECTION"), std::nullopt);
  const Tpolygondaten& p = z.speicher.polygon(lebende()[0]);
  EXPECT_EQ(p.fuellung.gefuellt, 0);
  EXPECT_EQ(p.x.front(), p.x.back());
  EXPECT_EQ(p.y.front(), p.y.back());
  // The current point is now the arc's end, straight above the centre.
  ASSERT_EQ(lauf("0 0 RLINETO"), std::nullopt);
  EXPECT_TRUE(nahe(strecke(lebende()[1]), {1000, 1990, 1000, 1990}));
}

// --- Point lists -------------------------------------------------------------

TEST_F(MakrozeichnerTest, AreaNimmtDasZuletztGeschriebenePaarAlsErstenPunkt) {
  ASSERT_EQ(lauf("0 0 10 0 10 10 3 AREA"), std::nullopt);
  EXPECT_TRUE(s.leer());
  const Tpolygondaten& p = z.speicher.polygon(lebende()[0]);
  EXPECT_EQ(p.x, (std::vector<double>{1010, 1010, 1000, 1010}));  // closed
  EXPECT_EQ(p.y, (std::vector<double>{1990, 2000, 2000, 1990}));
  EXPECT_EQ(p.fuellung.gefuellt, 1);
}

TEST_F(MakrozeichnerTest, AreaMitZuWenigPaarenIstFehler1UndFuegtNichtsHinzu) {
  const auto stufe = z.speicher.undoStufe();
  EXPECT_EQ(lauf("0 0 10 0 10 10 4 AREA"), Makrofehler::ZuwenigParameter);
  EXPECT_TRUE(lebende().empty());
  EXPECT_EQ(s.groesse(), 7u);
  EXPECT_EQ(z.speicher.undoStufe(), stufe);
}

TEST_F(MakrozeichnerTest, PunktlistenPruefenIhreAnzahl) {
  EXPECT_EQ(lauf("-1 POLYLINE"), Makrofehler::UngueltigerParameter);
  s.leere();
  EXPECT_EQ(lauf("2.5 POLYLINE"), Makrofehler::UnbekannterFehler);
  s.leere();
  EXPECT_EQ(lauf("0 0 x 1 2 POLYLINE"), Makrofehler::UnbekannterFehler);
  EXPECT_EQ(s.groesse(), 5u);  // a bad value pops nothing
  s.leere();
  ASSERT_EQ(lauf("0 POLYLINE"), std::nullopt);
  EXPECT_TRUE(lebende().empty());
  // More points than the buffer holds.
  const std::size_t n = Punktpuffer::Hoechstzahl + 1;
  for (std::size_t i = 0; i < 2 * n; ++i) s.lege("1");
  s.lege(std::to_string(n));
  EXPECT_EQ(m.fuehreAus(Befehl::POLYLINE, s, v), Makrofehler::UngueltigerParameter);
  EXPECT_TRUE(lebende().empty());
}

TEST_F(MakrozeichnerTest, PolylineIstOffenUndSplineHatArt5) {
  ASSERT_EQ(lauf("0 0 10 0 10 10 3 POLYLINE 0 0 10 0 10 10 3 SPLINE 0 0 5 5 10 0 3 FSPLINE"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 3u);
  EXPECT_EQ(z.speicher.art(e[0]), Elementart::Polygon);
  EXPECT_EQ(z.speicher.polygon(e[0]).punktanzahl(), 3u);
  EXPECT_EQ(z.speicher.polygon(e[0]).fuellung.gefuellt, 0);
  EXPECT_EQ(z.speicher.art(e[1]), Elementart::Spline);
  EXPECT_EQ(z.speicher.art(e[2]), Elementart::Spline);
  EXPECT_EQ(z.speicher.polygon(e[2]).fuellung.gefuellt, 1);
  EXPECT_EQ(z.speicher.polygon(e[2]).punktanzahl(), 4u);
}

TEST_F(MakrozeichnerTest, RelativePunktlisteKettetVersaetzeUndVersetztDenPunkt) {
  ASSERT_EQ(lauf("10 10 MOVETO 0 5 5 0 2 RPOLYLINE 0 0 RLINETO"), std::nullopt);
  const auto e = lebende();
  ASSERT_EQ(e.size(), 2u);
  const Tpolygondaten& p = z.speicher.polygon(e[0]);
  // First offset: the pair written last (5 0), from the current point.
  EXPECT_EQ(p.x, (std::vector<double>{1015, 1015}));
  EXPECT_EQ(p.y, (std::vector<double>{1990, 1985}));
  EXPECT_EQ(strecke(e[1]), (std::array<double, 4>{1015, 1985, 1015, 1985}));
}

TEST_F(MakrozeichnerTest, ZweitfarbeGehtAufPolygoneUndTexte) {
  ASSERT_EQ(lauf("1 2 3 1 SETMULTICOLOR 0 0 10 0 10 10 3 AREA"), std::nullopt);
  EXPECT_EQ(z.speicher.polygon(lebende()[0]).farbe2, rgb(1, 2, 3));
  ASSERT_EQ(lauf("0 SETMULTICOLOR 0 0 10 0 10 10 3 AREA"), std::nullopt);
  EXPECT_EQ(z.speicher.polygon(lebende()[1]).farbe2, 0u);
  EXPECT_TRUE(s.leer());
}

}  // namespace
}  // namespace quarzel::test
