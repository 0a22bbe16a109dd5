// The area module: every area carries the fill of the area panel; polygons
// are closed; full circles are filled arcs; one undo step per area.
#include <cmath>

#include "edit/zeichenvorgabe.h"
#include "test_zeichenwerkzeuge_hilfen.h"

namespace quarzel::test {
namespace {

class Flaechenfiguren : public Zeichenwerkzeuge {
 protected:
  void SetUp() override {
    Zeichenwerkzeuge::SetUp();
    flaechen.flaechenvorgabe = {rgb(200, 100, 50), 2, 0xDEADBEEF, 1, "ANSI31", 30.0f, 1};
  }
  void pruefeFuellung(std::int32_t n) {
    const Fuellangaben* f = z.speicher.fuellung(n);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->fuellwert, rgb(200, 100, 50));
    EXPECT_EQ(f->fuellflag, 2);
    EXPECT_EQ(f->schraffurName, "ANSI31");
    EXPECT_EQ(f->schraffurWinkel, 30.0f);
    EXPECT_EQ(f->gefuellt, 1);
    const auto a = z.speicher.attribut(n);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->wert, 0xDEADBEEFu);
    EXPECT_EQ(a->flag, 1);
    EXPECT_TRUE(z.speicher.gefuellt(n));
  }
  const Tpolygondaten& erstesPolygon() {
    for (std::int32_t i : lebende())
      if (istPolygonart(z.speicher.art(i))) return z.speicher.polygon(i);
    ADD_FAILURE() << "kein Polygon";
    static const Tpolygondaten leer;
    return leer;
  }
  // Shoelace area of a closed point list.
  static double inhalt(const Tpolygondaten& p) {
    double a = 0;
    for (std::size_t i = 0; i + 1 < p.punktanzahl(); ++i) a += p.x[i] * p.y[i + 1] - p.x[i + 1] * p.y[i];
    return std::fabs(a) / 2;
  }
};

TEST_F(Flaechenfiguren, PolygonEndetMitDerRechtenTasteGeschlossenUndGefuelltAberNichtMitZweiPunkten) {
  starte(9);
  klicks(flaechen, {{5000, 5000}, {5010, 5000}});
  flaechen.zweiteTaste(u, {5050, 5050});
  EXPECT_TRUE(lebende().empty());
  EXPECT_TRUE(zs.punkte.empty());

  klicks(flaechen, {{5000, 5000}, {5010, 5000}, {5010, 5010}});
  EXPECT_TRUE(lebende().empty());
  flaechen.zweiteTaste(u, {5050, 5050});
  ASSERT_EQ(lebende().size(), 1u);
  const std::int32_t n = lebende()[0];
  EXPECT_EQ(z.speicher.art(n), Elementart::Polygon);
  const auto& p = z.speicher.polygon(n);
  ASSERT_EQ(p.punktanzahl(), 4u);
  EXPECT_EQ(p.x.back(), p.x.front());
  EXPECT_EQ(p.y.back(), p.y.front());
  pruefeFuellung(n);
  EXPECT_EQ(z.speicher.undoStufe(), 1);
}

TEST_F(Flaechenfiguren, VollkreisUndEllipsenflaecheSindGefuellteBoegen) {
  starte(17);
  klicks(flaechen, {{5000, 5000}, {5000, 5010}});
  starte(18);
  klicks(flaechen, {{5000, 5000}, {5008, 5004}});
  ASSERT_EQ(lebende().size(), 2u);
  const auto& k = z.speicher.bogen(lebende()[0]);
  EXPECT_EQ(k.startwinkel, 0);
  EXPECT_EQ(k.endwinkel, 360);
  EXPECT_EQ(k.xr, 10);
  const auto& e = z.speicher.bogen(lebende()[1]);
  EXPECT_EQ(e.xr, 8);
  EXPECT_EQ(e.yr, 4);
  for (std::int32_t n : lebende()) pruefeFuellung(n);
}

TEST_F(Flaechenfiguren, RechteckflaecheIstEinPolygonMitVierEcken) {
  starte(16);
  klicks(flaechen, {{5000, 5000}, {5020, 5010}});
  const auto& p = erstesPolygon();
  EXPECT_EQ(p.punktanzahl(), 5u);
  EXPECT_DOUBLE_EQ(inhalt(p), 200);
  pruefeFuellung(lebende()[0]);
}

TEST_F(Flaechenfiguren, AbgerundeteRechteckflaecheVerliertDieEcken) {
  flaechen.vorgabe.eckradius = 2;
  starte(16);
  klicks(flaechen, {{5000, 5000}, {5020, 5010}});
  const double erwartet = 200 - (4 - M_PI) * 4;
  EXPECT_NEAR(inhalt(erstesPolygon()), erwartet, 0.01);
}

TEST_F(Flaechenfiguren, KreissektorAusGetipptenWinkeln) {
  starte(19);
  flaechen.getippterPunkt(u, {5000, 5000});
  flaechen.getippterPunkt(u, {5010, 5000});
  flaechen.getippterPunkt(u, {0, 90});
  const auto& p = erstesPolygon();
  EXPECT_EQ(p.x.front(), 5000);  // the centre
  EXPECT_EQ(p.y.front(), 5000);
  EXPECT_NEAR(inhalt(p), M_PI * 100 / 4, 0.01);
  pruefeFuellung(lebende()[0]);
}

TEST_F(Flaechenfiguren, KreissegmentDurchDreiPunkteSchliesstMitDerSehne) {
  starte(38);
  klicks(flaechen, {{5010, 5000}, {5000, 4990}, {4990, 5000}});  // the upper half
  const auto& p = erstesPolygon();
  EXPECT_NEAR(inhalt(p), M_PI * 100 / 2, 0.01);
  for (std::size_t i = 0; i < p.punktanzahl(); ++i) EXPECT_LE(p.y[i], 5000 + 1e-9);
}

TEST_F(Flaechenfiguren, RingUndRingsegmentLassenDasInnereFrei) {
  starte(23);
  klicks(flaechen, {{5000, 5000}, {5010, 5000}, {5005, 5000}});
  starte(24);
  klicks(flaechen, {{5000, 5000}, {5010, 5000}, {5000, 4995}});
  ASSERT_EQ(lebende().size(), 2u);
  EXPECT_NEAR(inhalt(z.speicher.polygon(lebende()[0])), M_PI * (100 - 25), 0.05);
  EXPECT_NEAR(inhalt(z.speicher.polygon(lebende()[1])), M_PI * (100 - 25) / 4, 0.05);
}

TEST_F(Flaechenfiguren, BezierflaecheIstEineGefuellteKurve) {
  starte(34);
  klicks(flaechen, {{5000, 5000}, {5030, 5000}, {5010, 4980}, {5020, 4980}});
  ASSERT_EQ(lebende().size(), 1u);
  const std::int32_t n = lebende()[0];
  EXPECT_EQ(z.speicher.art(n), Elementart::Bezier);
  const auto& b = z.speicher.bezier(n);
  EXPECT_EQ(b.punkte[0], 5000);
  EXPECT_EQ(b.punkte[2], 5010);  // first support after the start
  EXPECT_EQ(b.punkte[6], 5030);  // the end last
  pruefeFuellung(n);
}

TEST_F(Flaechenfiguren, SplineflaecheIstGeschlossen) {
  starte(35);
  klicks(flaechen, {{5000, 5000}, {5010, 5000}, {5010, 5010}});
  flaechen.doppelklick(u, {5000, 5010});
  ASSERT_EQ(lebende().size(), 1u);
  EXPECT_EQ(z.speicher.art(lebende()[0]), Elementart::Spline);
  const auto& p = z.speicher.polygon(lebende()[0]);
  EXPECT_EQ(p.punktanzahl(), 5u);
  EXPECT_EQ(p.x.back(), p.x.front());
}

TEST_F(Flaechenfiguren, FreihandflaecheEndetBeimLoslassenMitFreihandmuster) {
  flaechen.vorgabe.freihandglaetten = false;
  starte(41);
  // The state machine collects the stroke itself.
  zs.punkte = {{5000, 5000}, {5001, 5000}, {5001, 5001}, {5000, 5002}};
  flaechen.loslassen(u, {5000, 5002}, false);
  ASSERT_EQ(lebende().size(), 1u);
  const auto& p = z.speicher.polygon(lebende()[0]);
  EXPECT_EQ(p.muster, kFreihandMuster);
  EXPECT_EQ(p.punktanzahl(), 5u);
  pruefeFuellung(lebende()[0]);
  EXPECT_EQ(neuZeichnungen, 1);  // the stroke's painted points go away
  EXPECT_TRUE(zs.punkte.empty());
}

TEST_F(Flaechenfiguren, UndoEntferntDieGanzeFlaeche) {
  starte(23);
  klicks(flaechen, {{5000, 5000}, {5010, 5000}, {5005, 5000}});
  starte(17);
  klicks(flaechen, {{5000, 5000}, {5010, 5000}});
  EXPECT_EQ(lebende().size(), 2u);
  z.speicher.rueckgaengig();
  EXPECT_EQ(lebende().size(), 1u);
  EXPECT_EQ(z.speicher.art(lebende()[0]), Elementart::Polygon);
}

TEST_F(Flaechenfiguren, LinienmodulFuelltNichts) {
  starte(2);
  klicks(linien, {{5000, 5000}, {5010, 5000}});
  EXPECT_EQ(ersterBogen().fuellung.gefuellt, 0);
  EXPECT_EQ(ersterBogen().fuellung.schraffurName, "");
}

TEST_F(Flaechenfiguren, FreihandlinieMitEigenemStiftUndGeglaettet) {
  linien.vorgabe.freihandstift = 9;
  starte(40);
  zs.punkte = {{5000, 5000}, {5001, 5001}, {5002, 4999}, {5003, 5000}};
  linien.loslassen(u, {5003, 5000}, false);
  ASSERT_EQ(lebende().size(), 1u);
  const auto& p = z.speicher.polygon(lebende()[0]);
  EXPECT_EQ(p.stift, 9);
  EXPECT_EQ(p.muster, kFreihandMuster);
  EXPECT_FALSE(z.speicher.gefuellt(lebende()[0]));
  EXPECT_NE(p.y[1], 5001);  // smoothed
  EXPECT_EQ(p.x.back(), 5003);
}

TEST_F(Flaechenfiguren, FreihandEinzelklickWartetAufMehrPunkte) {
  starte(40);
  zs.punkte = {{5000, 5000}};
  linien.loslassen(u, {5000, 5000}, true);
  EXPECT_TRUE(lebende().empty());
  EXPECT_EQ(zs.schritt, 2);
  EXPECT_EQ(zs.punkte.size(), 1u);
}

}  // namespace
}  // namespace quarzel::test
